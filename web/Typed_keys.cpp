#include "Typed_keys.h"

#include "Metrics_Papers.h"
#include "Page_message.h"

namespace {

bool Continues_character(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

Key_verdict Verdict(std::string text, const Page_messages& messages)
{
    return {std::move(text), messages.Beeped, messages.Warning};
}

}  // namespace

Key_verdict Filter_typed_text(const std::string& typed)
{
    Page_messages messages;
    std::string accepted;
    for (const char byte : typed) {
        if (Continues_character(byte))
            continue;  // the rest of a character already refused
        const auto code = static_cast<unsigned char>(byte);
        const bool printable = code >= 0x20 && code < 0x7F;
        const char result = Filter_numeric_key(messages, printable ? byte : '\0');
        if (result != '\0')
            accepted += result;
    }
    return Verdict(std::move(accepted), messages);
}

Key_verdict Limit_field_length(const std::string& text)
{
    Page_messages messages;
    std::string limited = Limit_input_length(messages, text);
    if (limited == text)
        return {text, false, ""};
    return Verdict(std::move(limited), messages);
}
