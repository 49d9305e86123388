#include "Plot_texts.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "Number_format.h"
#include "Report.h"
#include "distrib.h"

namespace {

// An input as a number with the decimals it needs (up to six).
constexpr int Input_decimals = 6;
// Tick labels in fixed notation for steps from 10^-5 to 10^8.
constexpr int Fixed_tick_exponents_from = -5;
constexpr int Fixed_tick_exponents_to = 8;
constexpr int Tick_significant_digits = 3;

// The superscript digits 0 to 9 and the superscript minus, in UTF-8.
constexpr std::array<std::string_view, 10> Superscript_digits = {"\u2070", "\u00B9", "\u00B2", "\u00B3", "\u2074",
                                                                 "\u2075", "\u2076", "\u2077", "\u2078", "\u2079"};
constexpr std::string_view Superscript_minus = "\u207B";
constexpr std::string_view Times_ten = " \u00D7 10";

// %.Pg with the user's separator, an exponent written as a power of ten as a
// reader writes it: 3.456e-06 becomes 3.456 × 10⁻⁶ (the exponent in
// superscript digits, without its plus sign and leading zeros).
std::string General(Extended value, int significant_digits, char separator)
{
    std::string text = Format_general(value, significant_digits);
    Put_decimal_separator(text, separator);
    const auto e = text.find('e');
    if (e == std::string::npos)
        return text;
    std::string power = std::string(text, 0, e) + std::string(Times_ten);
    if (text[e + 1] == '-')
        power += Superscript_minus;
    const auto digits = text.find_first_not_of('0', e + 2);
    for (const char digit : std::string_view(text).substr(digits == std::string::npos ? text.size() - 1 : digits))
        power += Superscript_digits[static_cast<std::size_t>(digit - '0')];
    return power;
}

// A percentage: the sign follows the digits, or a power of ten after a
// blank, where it would read as part of the exponent.
std::string Percent(const std::string& number)
{
    return number + (number.find(Times_ten) == std::string::npos ? "%" : " %");
}

// A number with the report's decimals (Report_decimals), or significant
// digits where they show nothing.
std::string Report_number(Extended value, int decimals, char separator)
{
    return Picture_number(value, Format_fixed(value, 1, decimals, separator), separator);
}

std::string Effect_text(const Plot_subject& subject)
{
    const Comparison_result& r = subject.Result;
    const char separator = subject.Decimal_separator;
    const auto fixed = [separator](Extended value) {
        return Report_number(value, Report_decimals::Effect_size, separator);
    };
    const std::string level = Level_text(subject.Request.Level, separator) + "%";
    std::string estimate = "Z-PCC = " + fixed(r.Effect_size);
    switch (subject.Request.Limits_kind) {
    case Limits::Two_sided:
        return estimate + ", " + level + " credible interval " + fixed(r.Effect_lower) + " to " +
               fixed(r.Effect_upper);
    case Limits::Lower:
        return estimate + ", " + level + " one-sided lower credible limit " + fixed(r.Effect_lower);
    case Limits::Upper:
        return estimate + ", " + level + " one-sided upper credible limit " + fixed(r.Effect_upper);
    }
    return estimate;
}

}  // namespace

Plot_texts Texts_for(const Plot_subject& subject)
{
    const Comparison_request& q = subject.Request;
    const Comparison_result& r = subject.Result;
    const char separator = subject.Decimal_separator;
    const auto input = [separator](Extended value) {
        return Picture_number(value, Format_trimmed(value, Input_decimals, separator), separator);
    };
    const auto number = [separator](Extended value, int decimals) { return Report_number(value, decimals, separator); };
    const std::string sd_difference = number(r.Sd_difference, Report_decimals::Difference);
    const auto df = [separator](Extended value) { return Format_fixed(value, 1, Report_decimals::Df, separator); };
    const std::string distribution = r.Df > T_normal_above_df ? "normal (more than " + df(T_normal_above_df) + " df)"
                                                              : "t on " + df(r.Df) + " df";

    Plot_texts texts;
    texts.Title = subject.Title;
    texts.Inputs = "SD = " + input(q.SD) + ", N = " + std::to_string(q.N) + ", Case A = " + input(q.Case_A) +
                   ", Case B = " + input(q.Case_B) + "; " + Level_text(q.Level, separator) + "% " +
                   std::string(Names_of(q.Limits_kind).Caption);
    texts.Difference = "Case A - Case B = " + number(r.Raw_difference, Report_decimals::Difference);
    texts.Percentage = Percent(number(r.Percent_estimate, Report_decimals::Percentage)) + " of pairs of controls";
    texts.Percentage_meaning = "differ more, in the same direction";
    texts.P_value = "one-tailed p = " + number(r.P_one_tailed, Report_decimals::Probability);
    texts.Density_axis = "Density: " + distribution;
    texts.Raw_axis = "Difference between the scores of two controls (raw score units; SD of the difference " +
                     sd_difference + ")";
    texts.Effect_axis = "Effect size: " + Effect_text(subject);
    texts.Description = "Where the difference between the two cases falls among the differences between "
                        "two controls' scores (" + distribution + ", SD of the difference " + sd_difference +
                        "): " + texts.Difference + "; " + texts.Percentage + " " +
                        texts.Percentage_meaning + " (" + texts.P_value + "); " +
                        Effect_text(subject) + ".";
    return texts;
}

std::string Picture_number(Extended value, const std::string& fixed, char separator)
{
    const bool shows_value = value == 0 || fixed.find_first_of("123456789") != std::string::npos;
    if (shows_value && fixed.size() <= Longest_fixed_number)
        return fixed;
    return General(value, Picture_significant_digits, separator);
}

std::string Tick_text(Extended value, int step_exponent, char separator)
{
    if (step_exponent >= Fixed_tick_exponents_from && step_exponent <= Fixed_tick_exponents_to)
        return Format_fixed(value, 1, std::max(0, -step_exponent), separator);
    return General(value, Tick_significant_digits, separator);
}
