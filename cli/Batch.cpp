#include "Batch.h"
#include "Table_run.h"

#include <exception>
#include <variant>

#include "Comparison_request_step.h"
#include "Decimal_comma.h"
#include "Error_report.h"
#include "One_line.h"

namespace {

std::string Text_of(std::string_view field)
{
    return std::string(field);
}

// The first row that is not blank; a table of blank lines or none at all
// leaves a header that names no column. The status of a stop request that
// came before the header's line end, which ends the input there.
std::optional<Exit_status> Read_header(Csv_reader& reader, const Batch_options& options, Csv_record& header)
{
    bool found = false;
    while (!found && reader.Next_record(header))
        found = !header.Is_blank();
    if (!options.Stop || (found && header.Line_ended()))
        return std::nullopt;
    return options.Stop->Requested();
}

}  // namespace

char Delimiter_of_first_line(std::string_view line)
{
    line = line.substr(0, line.find_first_of("\r\n"));
    const auto holds = [line](char c) { return line.find(c) != std::string_view::npos; };
    if (holds(',') || !(holds(';') || holds('\t')))
        return ',';
    return holds(';') ? ';' : '\t';
}

std::optional<Limits> Limits_from_text(std::string_view text)
{
    return Limits_from_word(Column_key(text));
}

std::string Limits_refusal(std::string_view text)
{
    return "limits must be one of " + std::string(Limits_words) + ", not '" + std::string(text) + "'";
}

std::optional<Comparison_request> Read_row(const Csv_record& record, const Table_layout& layout,
                                           const Batch_options& options, Batch_row& row)
{
    row.Fields.clear();
    row.Limits_kind = Limits::Two_sided;
    row.Result.reset();
    row.Summary_texts.reset();
    row.Error.clear();
    for (std::size_t i = 0; i < layout.Column_count; ++i)
        row.Fields.push_back(i < record.Kept_count() ? record.Field(i) : std::string_view());
    // The limits column is optional; empty (or blank) means the default.
    // Limits that are read show as the table's word, others as given.
    std::string_view limits_text = layout.Limits_at ? row.Fields[*layout.Limits_at] : std::string_view();
    const std::string limits_key = Column_key(limits_text);
    const std::optional<Limits> limits =
        limits_key.empty() ? std::optional(Limits::Two_sided) : Limits_from_word(limits_key);
    if (limits)
        limits_text = Names_of(*limits).Word;
    if (layout.Limits_at)
        row.Fields[*layout.Limits_at] = limits_text;
    else
        row.Fields.push_back(limits_text);

    if (!record.Problem().empty()) {
        row.Error = One_line(record.Problem());
        return std::nullopt;
    }
    if (record.Field_count() != layout.Column_count) {
        row.Error = "expected " + std::to_string(layout.Column_count) +
                    " fields, one per column of the first row, found " +
                    std::to_string(record.Field_count());
        return std::nullopt;
    }
    Comparison_texts texts{Text_of(record.Field(layout.Input_at[0])), Text_of(record.Field(layout.Input_at[1])),
                           Text_of(record.Field(layout.Input_at[2])), Text_of(record.Field(layout.Input_at[3]))};
    Read_commas_as_points(texts);
    // The inputs are checked before the limits, whichever is wrong first.
    const Request_or_refusal read = Read_comparison_request(
        texts, limits.value_or(Limits::Two_sided), options.Level, options.Decimal_separator, Inner_blanks::Refused);
    if (const auto* refusal = std::get_if<Input_refusal>(&read)) {
        row.Error = One_line(refusal->Message);
        return std::nullopt;
    }
    if (!limits) {
        row.Error = One_line(Limits_refusal(limits_text));
        return std::nullopt;
    }
    row.Limits_kind = *limits;
    return std::get<Comparison_request>(read);
}

void Evaluate_row(const Csv_record& record, const Table_layout& layout, const Batch_options& options,
                  Comparison_memo& memo, Batch_row& row)
{
    const std::optional<Comparison_request> request = Read_row(record, layout, options, row);
    if (!request)
        return;
    try {
        row.Result = Compare_two_cases(*request, memo);
        if (options.Summary)
            row.Summary_texts = Compose_summary(*request, *row.Result, *options.Summary);
    } catch (const std::exception& error) {
        row.Error = One_line(Error_report_text(error.what()));
    }
    if (options.Stop)
        options.Stop->Note_progress();
}

bool Table_run::Run_row(const Csv_record& record, Comparison_memo& memo, Batch_row& row, Text_sink& sink,
                        Row_counts& counts) const
{
    if (record.Is_blank())
        return true;
    Evaluate_row(record, Layout, Options, memo, row);
    Writer.Write(row, sink);
    sink.Flush();
    if (!Written())
        return false;
    Row_counts one;
    one.Add(row);
    Tell_written(one);
    counts += one;
    return true;
}

Batch_outcome Run_batch(std::istream& in, std::ostream& out, const Batch_options& options)
{
    Csv_reader reader(in);
    reader.Set_delimiter(options.Delimiter ? *options.Delimiter
                                           : Delimiter_of_first_line(reader.Peek_line(Delimiter_sample_bytes)));
    Csv_record header;
    if (const auto stop = Read_header(reader, options, header))
        return {*stop, {}};
    const Table_layout layout = Layout_of_header(header, options.Summary.has_value());
    // A longer row is refused whatever its extra fields hold.
    reader.Set_kept_fields(layout.Column_count);

    const auto writer = Make_row_writer(options.Format, options.Output_delimiter_kind, options.Summary.has_value());
    Text_sink sink(&out);
    writer->Begin(layout.Echoed_names, sink);
    sink.Flush();
    const Table_run run{reader, layout, options, *writer, out};
    if (!run.Written())
        return {Exit_status::Output_failed, {}};
#ifdef VORAN_ROWS_ON_THREADS
    if (options.Jobs > 1)
        return Run_rows_on_threads(run);
#endif
    return Run_rows_in_order(run);
}
