// Output text gathered in one buffer: a row formatted ahead of its turn is
// kept whole for a later write; a sink given a stream hands the text on in
// large writes, so that however long a row is, it is never held twice over.
//
// The buffer runs on past the text (Used of its characters are text), so
// that a writer can format straight into it: Room, then Keep.
#pragma once

#include <cstddef>
#include <cstring>
#include <ostream>
#include <string>
#include <string_view>

class Text_sink {
public:
    // Without a stream the text is kept until taken (Text(), Take()).
    explicit Text_sink(std::ostream* out = nullptr) : Out(out) {}

    void Append(std::string_view text)
    {
        if (Out && text.size() >= Flush_bytes) {
            Append_large(text);
            return;
        }
        if (text.empty())  // its data may be null, which memcpy refuses
            return;
        std::memcpy(Room(text.size()), text.data(), text.size());
        Keep(Used + text.size());
    }
    void Append(char c)
    {
        *Room(1) = c;
        Keep(Used + 1);
    }

    // Where `size` more characters can be written after the text; Keep(end)
    // then makes the text run to `end`, a pointer into that room.
    char* Room(std::size_t size)
    {
        if (Buffer.size() - Used < size)
            Grow(size);
        return Buffer.data() + Used;
    }
    void Keep(const char* end) { Keep(static_cast<std::size_t>(end - Buffer.data())); }

    // Hands what is gathered to the stream (with one).
    void Flush();

    std::string_view Text() const { return {Buffer.data(), Used}; }
    // The text, leaving the sink empty.
    std::string Take();
    // Empties the sink; its storage is kept unless above `kept_bytes`.
    void Clear(std::size_t kept_bytes);

private:
    static constexpr std::size_t Flush_bytes = std::size_t{64} * 1024;
    static constexpr std::size_t Least_storage_bytes = 256;

    void Keep(std::size_t used)
    {
        Used = used;
        if (Out && Used >= Flush_bytes)
            Flush();
    }
    void Grow(std::size_t size);

    // A text of Flush_bytes or more: what is gathered, then the text, handed
    // to the stream without a copy.
    void Append_large(std::string_view text);

    std::ostream* Out;
    std::string Buffer;
    std::size_t Used = 0;
};
