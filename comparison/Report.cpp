// The report: heading, citation, notes, inputs, the credible-limit choice and
// the outputs, one string per line, in the fixed wording of the program.
#include "Report.h"

#include <algorithm>
#include <string_view>

#include "Citation.h"
#include "Shortest_double.h"

namespace {

constexpr std::string_view Notes_continuation_indent = "               ";

void Add_notes(std::vector<std::string>& lines, const Report_request& request)
{
    if (request.Notes_lines.empty())
        return;
    lines.push_back(" " + request.Notes_caption + " " + request.Notes_lines.front());
    for (std::size_t i = 1; i < request.Notes_lines.size(); ++i)
        lines.push_back(std::string(Notes_continuation_indent) + request.Notes_lines[i]);
    lines.push_back(" ");
}

// A number in the %W.Pf pattern with the request's decimal separator.
std::string Fixed(const Report_request& request, Extended value, int width, int precision)
{
    return Format_fixed(value, width, precision, request.Decimal_separator);
}

// "95%", with the request's level.
std::string Percent_level(const Report_request& request)
{
    return Level_text(request.Level, request.Decimal_separator) + "%";
}

// The blanks between a line's "=" and its number when the line begins with
// the level: as many as at the default level, fewer by each character that
// a longer level text takes (97.5, 99.9999995), so that the number keeps its
// column; one at least, beyond which the line grows by what the level needs.
std::string Padding(const Report_request& request, int blanks_at_default_level)
{
    const auto longer = static_cast<int>(Level_text(request.Level, request.Decimal_separator).size()) -
                        static_cast<int>(Level_text(Default_level, request.Decimal_separator).size());
    return std::string(static_cast<std::size_t>(std::max(1, blanks_at_default_level - longer)), ' ');
}

void Add_test(std::vector<std::string>& lines, const Report_request& request)
{
    const Comparison_result& r = request.Result;
    lines.push_back(" OUTPUTS:");
    lines.push_back(" Raw difference between the scores of the two cases (Case A - Case B)  = " +
                    Fixed(request, r.Raw_difference, 5, Report_decimals::Difference));
    lines.push_back(
        " Sample estimate of the SD of the difference between the scores of two controls = " +
        Fixed(request, r.Sd_difference, 3, Report_decimals::Difference));
    lines.push_back("");
    lines.push_back(" Bayesian hypothesis test (on " + Fixed(request, r.Df, 3, Report_decimals::Df) +
                    " df)  - probability that a pair of controls would exhibit a larger ");
    lines.push_back(" difference than that observed for the two cases:");
    lines.push_back(" One-tailed probability = " + Fixed(request, r.P_one_tailed, 1, Report_decimals::Probability));
    lines.push_back(" Two-tailed probability = " + Fixed(request, r.P_two_tailed, 1, Report_decimals::Probability));
    lines.push_back(
        " (Note: The above p values test whether the null hypothesis (that the difference between cases is an");
    lines.push_back(
        " observation from the distribution of pairs of differences in the control population) can be rejected.)");
    lines.push_back("");
}

void Add_effect_size(std::vector<std::string>& lines, const Report_request& request)
{
    const Comparison_result& r = request.Result;
    const std::string level = Percent_level(request);
    if (request.Limits_kind == Limits::Two_sided) {
        lines.push_back(
            " Effect size (Z-PCC) for difference between the two cases (plus " + level + " CI) = " +
            Fixed(request, r.Effect_size, 1, Report_decimals::Effect_size) + "  (" + Fixed(request, r.Effect_lower, 1, Report_decimals::Effect_size) +
            " to " + Fixed(request, r.Effect_upper, 1, Report_decimals::Effect_size) + ")");
    } else {
        lines.push_back(" Effect size (Z-PCC) for difference between the two cases =   " +
                        Fixed(request, r.Effect_size, 1, Report_decimals::Effect_size) + " ");
        const std::string padding = Padding(request, 4);
        lines.push_back(request.Limits_kind == Limits::Lower
                            ? " " + level + " (one-sided) lower credible limit on the effect size =" + padding +
                                  Fixed(request, r.Effect_lower, 1, Report_decimals::Effect_size) + " "
                            : " " + level + " (one-sided) upper credible limit on the effect size =" + padding +
                                  Fixed(request, r.Effect_upper, 1, Report_decimals::Effect_size) + " ");
    }
    lines.push_back("");
}

void Add_percentages(std::vector<std::string>& lines, const Report_request& request)
{
    const Comparison_result& r = request.Result;
    const auto percent = [&request](Extended value) { return Fixed(request, value, 8, Report_decimals::Percentage) + "%"; };
    const std::string level = " " + Percent_level(request);
    lines.push_back(
        " Bayesian point estimate of the percentage of pairs of controls with differences that are in the same");
    lines.push_back(" direction as the two cases but are larger in magnitude =   " +
                    percent(r.Percent_estimate));
    switch (request.Limits_kind) {
    case Limits::Two_sided:
        lines.push_back(level + " lower credible limit on the percentage =" + Padding(request, 15) +
                        percent(r.Percent_lower));
        lines.push_back(level + " upper credible limit on the percentage =" + Padding(request, 15) +
                        percent(r.Percent_upper));
        break;
    case Limits::Lower:
        lines.push_back(level + " (one-sided) lower credible limit on the percentage =" + Padding(request, 3) +
                        percent(r.Percent_lower));
        break;
    case Limits::Upper:
        lines.push_back(level + " (one-sided) upper credible limit on the percentage =" + Padding(request, 3) +
                        percent(r.Percent_upper));
        break;
    }
    lines.push_back("");
}

}  // namespace

std::string Format_input_line(const std::string& caption, const std::string& text)
{
    const auto first = caption.find_first_not_of(' ');
    std::string name = first == std::string::npos
                           ? std::string()
                           : caption.substr(first, caption.find_last_not_of(' ') - first + 1);
    // A caption without a colon is kept whole.
    if (const auto colon = name.rfind(':'); colon != std::string::npos)
        name.erase(colon);
    return " " + name + "= " + text;
}

std::string Level_text(Extended level, char separator)
{
    // The shortest fixed-point text that reads back to the level's double:
    // the digits the user gave (levels are read as doubles), with nothing
    // rounded away, so that 99.9999995 is never stated as 100.
    std::string written = Shortest_double_text(static_cast<double>(level), Double_notation::Fixed);
    Put_decimal_separator(written, separator);
    return written;
}

std::string Report_separator() { return std::string(Report_columns, '_'); }

bool Is_report_separator(std::string_view line)
{
    return line.size() == static_cast<std::size_t>(Report_columns) &&
           line.find_first_not_of('_') == std::string_view::npos;
}

std::vector<std::string> Compose_report(const Report_request& request)
{
    std::vector<std::string> lines;
    if (request.Results_hold_a_line)
        lines.push_back(Report_separator());
    lines.push_back("");
    lines.push_back(request.Program_title);
    lines.push_back("");
    lines.push_back(" THIS PROGRAM WAS WRITTEN TO ACCOMPANY THE FOLLOWING PAPER:");
    lines.emplace_back(Citation_line_1);
    lines.emplace_back(Citation_line_2);
    lines.push_back("");

    Add_notes(lines, request);

    lines.push_back(" INPUTS:");
    for (const Report_input& input : request.Inputs)
        lines.push_back(Format_input_line(input.Caption, input.Text));
    lines.push_back("");
    lines.push_back(" Credible limit required: " + Percent_level(request) + " " +
                    std::string(Names_of(request.Limits_kind).Caption));
    lines.push_back("");
    lines.push_back("");

    Add_test(lines, request);
    Add_effect_size(lines, request);
    Add_percentages(lines, request);
    return lines;
}
