#include "Table_layout.h"

#include <algorithm>
#include <cctype>

#include "Batch_row.h"
#include "Table_entry.h"

namespace {

// The most text the column names may hold together: a table's header is a
// line of short names, and its names are kept (and escaped for JSON) for the
// whole run.
constexpr std::size_t Names_bytes = std::size_t{64} * 1024;

bool Is_result_name(std::string_view key, bool summary_columns)
{
    return key == Error_column ||
           (summary_columns && std::find(Summary_columns.begin(), Summary_columns.end(), key) != Summary_columns.end()) ||
           Entry_with(Result_columns, &Result_column::Name, key) != nullptr;
}

}  // namespace

std::string Comma_separated(const std::vector<std::string_view>& names)
{
    std::string text;
    for (const std::string_view name : names)
        text += (text.empty() ? "" : ", ") + std::string(name);
    return text;
}

std::string Column_key(std::string_view name)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!name.empty() && blank(name.front()))
        name.remove_prefix(1);
    while (!name.empty() && blank(name.back()))
        name.remove_suffix(1);
    std::string key(name);
    for (char& c : key)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

Table_layout Layout_of_header(const Csv_record& header, bool summary_columns)
{
    if (!header.Problem().empty())
        throw ETable_error(header.Problem());
    if (header.Kept_count() < header.Field_count())
        throw ETable_error("the first row has more than " + std::to_string(header.Kept_count()) +
                          " columns");

    std::size_t names_bytes = 0;
    for (std::size_t column = 0; column < header.Field_count(); ++column)
        names_bytes += header.Field(column).size();
    if (names_bytes > Names_bytes)
        throw ETable_error("the first row holds more than " + std::to_string(Names_bytes) +
                          " bytes of column names");

    Table_layout layout;
    layout.Column_count = header.Field_count();
    std::array<std::optional<std::size_t>, Input_columns.size()> input_at;
    for (std::size_t column = 0; column < header.Field_count(); ++column) {
        const std::string key = Column_key(header.Field(column));
        if (Is_result_name(key, summary_columns))
            throw ETable_error("the first row names the column '" + key +
                              "', which the output gives to a result");
        // Only the columns read must be unique; any other name (an empty
        // one, two columns named note) is passed through as it stands.
        const auto named = std::find(Input_columns.begin(), Input_columns.end(), key);
        std::optional<std::size_t>* const read_at =
            named != Input_columns.end() ? &input_at[static_cast<std::size_t>(named - Input_columns.begin())]
            : key == Limits_column      ? &layout.Limits_at
                                        : nullptr;
        if (!read_at) {
            layout.Echoed_names.emplace_back(header.Field(column));
            continue;
        }
        if (*read_at)
            throw ETable_error("the first row names the column '" + key + "' twice");
        *read_at = column;
        layout.Echoed_names.push_back(key);
    }

    std::vector<std::string_view> missing;
    for (std::size_t i = 0; i < Input_columns.size(); ++i) {
        if (input_at[i])
            layout.Input_at[i] = *input_at[i];
        else
            missing.push_back(Input_columns[i]);
    }
    if (!missing.empty())
        throw ETable_error("the first row must name the columns " +
                          Comma_separated({Input_columns.begin(), Input_columns.end()}) +
                          "; it lacks " + Comma_separated(missing));
    if (!layout.Limits_at)
        layout.Echoed_names.emplace_back(Limits_column);
    return layout;
}
