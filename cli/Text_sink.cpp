#include "Text_sink.h"

void Text_sink::Append(std::string_view text)
{
    if (Out && text.size() >= Flush_bytes) {
        Flush();
        Out->write(text.data(), static_cast<std::streamsize>(text.size()));
        return;
    }
    Buffer.append(text);
    if (Out && Buffer.size() >= Flush_bytes)
        Flush();
}

void Text_sink::Flush()
{
    if (Out && !Buffer.empty())
        Out->write(Buffer.data(), static_cast<std::streamsize>(Buffer.size()));
    Buffer.clear();
}
