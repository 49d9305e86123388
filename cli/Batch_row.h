// A table of comparisons, one row at a time: the typed row that evaluating
// one input row gives, the table of output columns, and the interface of the
// writers that turn rows into an output format. Numbers stay numbers until a
// writer formats them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Comparison.h"
#include "Summary.h"
#include "Text_sink.h"

// The input columns that the first row must name, in reading order, and the
// optional column of the limits; names are matched without regard to case
// and surrounding blanks. Every other input column is passed through.
inline constexpr std::array<std::string_view, 4> Input_columns = {"sd", "n", "case_a", "case_b"};
inline constexpr std::string_view Limits_column = "limits";

struct Batch_row {
    // The input row as given, one field per echoed column (see
    // Table_layout); the limits column shows the limits applied.
    std::vector<std::string_view> Fields;
    Limits Limits_kind = Limits::Two_sided;   // as applied, when the row was computed
    std::optional<Comparison_result> Result;  // empty when the row was refused
    std::string Error;                        // why, on one line; empty when it passed
    std::optional<Summary> Summary_texts;     // when asked for and the row passed
};

// Which computed rows fill a column: every one, or those whose limits have
// that side (a two-sided interval has both; a one-sided limit only its own,
// since the other end of the one-sided computation is no limit the user
// asked for).
enum class Filled_for { Every_row, Lower_side, Upper_side };

// The result columns, in output order, each with the number it shows.
struct Result_column {
    std::string_view Name;
    Extended Comparison_result::*Value;
    Filled_for Filled = Filled_for::Every_row;
};

// The column's number for the row, or none (null) when the row was refused
// or its limits leave the column empty.
inline const Extended* Column_value(const Result_column& column, const Batch_row& row)
{
    if (!row.Result || (column.Filled == Filled_for::Lower_side && row.Limits_kind == Limits::Upper) ||
        (column.Filled == Filled_for::Upper_side && row.Limits_kind == Limits::Lower))
        return nullptr;
    return &((*row.Result).*column.Value);
}

inline constexpr std::array<Result_column, 11> Result_columns = {{
    {"raw_difference", &Comparison_result::Raw_difference},
    {"sd_difference", &Comparison_result::Sd_difference},
    {"df", &Comparison_result::Df},
    {"p_one_tailed", &Comparison_result::P_one_tailed},
    {"p_two_tailed", &Comparison_result::P_two_tailed},
    {"effect_size", &Comparison_result::Effect_size},
    {"effect_lower", &Comparison_result::Effect_lower, Filled_for::Lower_side},
    {"effect_upper", &Comparison_result::Effect_upper, Filled_for::Upper_side},
    {"percent_estimate", &Comparison_result::Percent_estimate},
    {"percent_lower", &Comparison_result::Percent_lower, Filled_for::Lower_side},
    {"percent_upper", &Comparison_result::Percent_upper, Filled_for::Upper_side},
}};

// With --summary: the summary's sentences and statistics line, after the
// result columns.
inline constexpr std::array<std::string_view, 2> Summary_columns = {"summary", "statistics"};

inline constexpr std::string_view Error_column = "error";

// An output format of the table: told the echoed input columns once (and
// writing what comes before the first row), then formatting each row, which
// it may do for several rows at once on several threads. With the summary
// columns, they follow the result columns.
class Row_writer {
public:
    explicit Row_writer(bool summary_columns = false) : summary_columns_(summary_columns) {}
    virtual ~Row_writer() = default;

    virtual void Begin(const std::vector<std::string>& echoed_columns, Text_sink& out) = 0;
    virtual void Write(const Batch_row& row, Text_sink& out) const = 0;

protected:
    bool summary_columns_;
};

// The texts of the summary columns for a row, in the order of Summary_columns;
// empty when the row was refused.
inline std::array<std::string_view, 2> Summary_column_texts(const Batch_row& row)
{
    if (!row.Summary_texts)
        return {};
    return {row.Summary_texts->Sentences, row.Summary_texts->Statistics};
}
