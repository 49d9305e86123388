// The key filter and the numeric reader of the input fields on arbitrary
// bytes. Every byte is offered to the key filter as a typed key; the whole
// input is then read as a field's text (as pasted text would arrive) and the
// reader's verdict and value are compared with an independent parser of the
// same grammar:
//   text   = ["-"] { blank | digit | "." }   (one "." at most, a digit somewhere)
// where a minus sign counts only as the very first character. The reference
// value is strtold of the digits and point, which rounds correctly; the
// reader gives the double nearest the number, so the two agree within half a
// unit in the last place of a double. Read as texts from elsewhere (Inner_blanks::Refused) the verdict
// and value are the worksheet's, except that a blank between two other
// characters is refused.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "Counting_messages.h"
#include "Fuzz_check.h"
#include "Metrics_Papers.h"

namespace {

const std::string Caption = "Test score for Case A:";

bool Key_passes(char key)
{
    return key == 8 || key == 9 || key == 13 || key == '-' || key == '.' || key == ',' ||
           (key >= '0' && key <= '9');
}

void Check_key_filter(char key)
{
    Counting_messages platform;
    const char result = Filter_numeric_key(platform, key);
    if (Key_passes(key)) {
        FUZZ_CHECK(result == (key == ',' ? '.' : key), "a passing key was changed");
        FUZZ_CHECK(platform.Beeps == 0 && platform.Warnings == 0, "a passing key warned");
    } else {
        FUZZ_CHECK(result == 0, "a refused key was not discarded");
        FUZZ_CHECK(platform.Beeps == 1 && platform.Warnings == 1, "a refused key did not warn once");
        FUZZ_CHECK(platform.Last_warning == "INPUT ERROR\r\rEnter numeric data only.",
                   "wrong refusal message of the key filter");
    }
}

// The independent parser: the value of an accepted text, or nothing.
std::optional<long double> Reference_value(const std::string& text)
{
    const bool negative = !text.empty() && text[0] == '-';
    std::string number = negative ? "-" : "";
    bool point = false;
    bool digit = false;
    for (std::size_t i = negative ? 1 : 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ')
            continue;
        if (c == '.' && !point) {
            point = true;
            number += c;
        } else if (c >= '0' && c <= '9') {
            digit = true;
            number += c;
        } else {
            return std::nullopt;
        }
    }
    if (!digit)
        return std::nullopt;
    return std::strtold(number.c_str(), nullptr);
}

void Check_reader(const std::string& text)
{
    Counting_messages platform;
    Input_error = !text.empty();  // the reader must set the flag either way
    const double value = Read_numeric_input(platform, text, Caption);
    if (text.empty()) {
        FUZZ_CHECK(Input_error, "an empty text was accepted");
        FUZZ_CHECK(platform.Last_warning == "INPUT ERROR\r\r(  " + Caption +
                                                "  )\r\rData have not been entered in this field.",
                   "wrong message for an empty text");
        return;
    }
    const std::optional<long double> reference = Reference_value(text);
    const std::string refusal = "INPUT ERROR\r(  " + Caption + "  " + text + "  )\r\rEnter numeric data only.";
    if (!reference) {
        FUZZ_CHECK(Input_error, "a text outside the grammar was accepted");
        FUZZ_CHECK(platform.Warnings == 1 && platform.Last_warning == refusal,
                   "wrong message for a non-numeric text");
        return;
    }
    const long double magnitude = std::fabs(*reference);
    // Within a relative 1e-12 of the largest double either verdict is sound.
    if (magnitude > DBL_MAX * (1 + 1e-12L)) {
        FUZZ_CHECK(Input_error && platform.Last_warning == refusal,
                   "a value beyond the range of a double was accepted");
        return;
    }
    if (magnitude >= DBL_MAX * (1 - 1e-12L))
        return;
    FUZZ_CHECK(!Input_error && platform.Warnings == 0, "a numeric text was refused");
    // Below the normal range a double keeps fewer digits: an absolute bound.
    const long double tolerance = 1e-12L * magnitude + 1e-300L;
    FUZZ_CHECK(std::fabs(static_cast<long double>(value) - *reference) <= tolerance,
               "the value read differs from the reference parser's");
}

bool Blank_inside(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    return first != std::string::npos && text.find(' ', first) < text.find_last_not_of(' ');
}

void Check_reader_elsewhere(const std::string& text)
{
    Counting_messages worksheet;
    const double worksheet_value = Read_numeric_input(worksheet, text, Caption);
    const bool worksheet_refused = Input_error;
    Counting_messages elsewhere;
    const double value = Read_numeric_input(elsewhere, text, Caption, Inner_blanks::Refused);
    if (worksheet_refused) {
        FUZZ_CHECK(Input_error && elsewhere.Last_warning == worksheet.Last_warning,
                   "a text the worksheet refuses was read otherwise from elsewhere");
    } else if (Blank_inside(text)) {
        FUZZ_CHECK(Input_error && elsewhere.Last_warning == "INPUT ERROR\r(  " + Caption + "  " + text +
                                                               "  )\r\rEnter numeric data only.",
                   "a blank inside a number was not refused from elsewhere");
    } else {
        FUZZ_CHECK(!Input_error && elsewhere.Warnings == 0 && value == worksheet_value,
                   "a text the worksheet accepts was read otherwise from elsewhere");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const char key : text)
        Check_key_filter(key);
    Check_reader(text);
    Check_reader_elsewhere(text);
    return 0;
}
