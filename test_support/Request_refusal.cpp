#include "Request_refusal.h"

#include <stdexcept>

std::string Request_refusal(const Comparison_texts& texts, char separator, Inner_blanks inner_blanks)
{
    const Request_or_refusal read =
        Read_comparison_request(texts, Limits::Two_sided, Default_level, separator, inner_blanks);
    if (const auto* refusal = std::get_if<Input_refusal>(&read))
        return refusal->Message;
    throw std::logic_error("the request step accepts " + texts.SD + ", " + texts.N + ", " +
                           texts.Case_A + ", " + texts.Case_B);
}

std::string Refusal_on_one_line(std::string message)
{
    for (char& c : message)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    return message;
}
