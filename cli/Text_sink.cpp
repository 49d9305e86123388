#include "Text_sink.h"

void Text_sink::Append_large(std::string_view text)
{
    Flush();
    Out->write(text.data(), static_cast<std::streamsize>(text.size()));
}

void Text_sink::Flush()
{
    if (Out && !Buffer.empty())
        Out->write(Buffer.data(), static_cast<std::streamsize>(Buffer.size()));
    Buffer.clear();
}
