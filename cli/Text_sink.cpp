#include "Text_sink.h"

#include <algorithm>

void Text_sink::Grow(std::size_t size)
{
    Buffer.resize(std::max({Used + size, 2 * Buffer.size(), Least_storage_bytes}));
}

void Text_sink::Append_large(std::string_view text)
{
    Flush();
    Out->write(text.data(), static_cast<std::streamsize>(text.size()));
}

void Text_sink::Flush()
{
    if (Out && Used > 0)
        Out->write(Buffer.data(), static_cast<std::streamsize>(Used));
    Used = 0;
}

std::string Text_sink::Take()
{
    Buffer.resize(Used);
    Used = 0;
    std::string text = std::move(Buffer);
    Buffer.clear();
    return text;
}

void Text_sink::Clear(std::size_t kept_bytes)
{
    Used = 0;
    if (Buffer.capacity() > kept_bytes)
        std::string().swap(Buffer);
}
