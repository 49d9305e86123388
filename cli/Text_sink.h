// Output text gathered in one buffer: a row formatted ahead of its turn is
// kept whole for a later write; a sink given a stream hands the text on in
// large writes, so that however long a row is, it is never held twice over.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

class Text_sink {
public:
    // Without a stream the text is kept until taken (Text()).
    explicit Text_sink(std::ostream* out = nullptr) : Out(out) {}

    void Append(std::string_view text)
    {
        if (Out && text.size() >= Flush_bytes) {
            Append_large(text);
            return;
        }
        Buffer.append(text);
        if (Out && Buffer.size() >= Flush_bytes)
            Flush();
    }
    void Append(char c)
    {
        Buffer.push_back(c);
        if (Out && Buffer.size() >= Flush_bytes)
            Flush();
    }

    // Hands what is gathered to the stream (with one).
    void Flush();

    std::string& Text() { return Buffer; }

private:
    static constexpr std::size_t Flush_bytes = std::size_t{64} * 1024;

    // A text of Flush_bytes or more: what is gathered, then the text, handed
    // to the stream without a copy.
    void Append_large(std::string_view text);

    std::ostream* Out;
    std::string Buffer;
};
