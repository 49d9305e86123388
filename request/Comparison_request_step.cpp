#include "Comparison_request_step.h"

#include "Metrics_Papers.h"
#include "Program_strings.h"

namespace {

// Keeps the warning that a refusal would show; the checks of whole texts
// never beep.
class Refusal_text : public User_messages {
public:
    void Beep() override {}
    void Show_warning(const std::string& text) override { Text = text; }
    std::string Text;
};

std::string_view Caption(Input_field field)
{
    return Input_captions[static_cast<std::size_t>(field)];
}

}  // namespace

Request_or_refusal Read_comparison_request(const Comparison_texts& texts, Limits limits,
                                           Extended level, char separator, Inner_blanks inner_blanks)
{
    Refusal_text messages;
    const auto read_number = [&messages, inner_blanks](const std::string& text, Input_field field) {
        return Read_numeric_input(messages, text, Caption(field), inner_blanks);
    };
    const auto refuse = [&messages](Input_field field) -> Request_or_refusal {
        return Input_refusal{field, messages.Text};
    };
    Comparison_request request;
    request.Limits_kind = limits;
    request.Level = level;

    request.SD = read_number(texts.SD, Input_field::SD);
    if (Input_error || !Check_positive_sd(messages, Caption(Input_field::SD), request.SD, separator))
        return refuse(Input_field::SD);

    const double n = read_number(texts.N, Input_field::N);
    if (Input_error || !Check_sample_size(messages, Caption(Input_field::N), n, separator))
        return refuse(Input_field::N);
    request.N = static_cast<std::int32_t>(n);  // exact: the check bounds N to a whole 32-bit value

    request.Case_A = read_number(texts.Case_A, Input_field::Case_A);
    if (Input_error)
        return refuse(Input_field::Case_A);
    request.Case_B = read_number(texts.Case_B, Input_field::Case_B);
    if (Input_error)
        return refuse(Input_field::Case_B);
    return request;
}
