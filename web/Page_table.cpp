#include "Page_table.h"

#include <cmath>
#include <new>
#include <sstream>
#include <streambuf>
#include <string_view>
#include <utility>

#include "Batch.h"
#include "Csv_reader.h"
#include "Json_text.h"
#include "Output_delimiter.h"
#include "Stop_request.h"
#include "Text_sink.h"

namespace {

// A count with thousands separated by commas, as the page's sentences read.
std::string Count_text(std::size_t count)
{
    std::string digits = std::to_string(count);
    for (std::size_t at = digits.size(); at > 3; at -= 3)
        digits.insert(at - 3, ",");
    return digits;
}

std::string Rows_text(std::size_t count)
{
    return Count_text(count) + (count == 1 ? " row" : " rows");
}

// The output of a run as the table code writes it: gathered until a row
// ends with more than a chunk's bytes in hand, then handed on, so that no
// text ever holds the whole output; the header and the first shown rows are
// kept apart for the page.
class Chunked_output : public std::streambuf {
public:
    explicit Chunked_output(const Table_output& output) : Output(output) {}

    // After each row that reached the output: hands the chunk on when it is
    // full. False once a chunk could not be kept.
    bool Row_written(std::size_t rows, std::size_t refused)
    {
        Rows_done += rows;
        Refused_done += refused;
        if (Rows_done >= Shown_table_rows)
            Keep_head = false;
        return Pending.size() < Output.Chunk_bytes || Hand_on();
    }
    // Hands on what is left at the end of the run.
    bool Hand_on()
    {
        if (!Pending.empty() && !Output.Keep_chunk(Pending))
            return false;
        Pending.clear();
        Rows_kept = Rows_done;
        Refused_kept = Refused_done;
        return true;
    }

    std::string Head;  // the header and the first rows
    std::size_t Rows_done = 0;
    std::size_t Rows_kept = 0;  // rows of the chunks handed on
    std::size_t Refused_kept = 0;

protected:
    std::streamsize xsputn(const char* text, std::streamsize size) override
    {
        Pending.append(text, static_cast<std::size_t>(size));
        if (Keep_head)
            Head.append(text, static_cast<std::size_t>(size));
        return size;
    }
    int_type overflow(int_type c) override
    {
        if (traits_type::eq_int_type(c, traits_type::eof()))
            return traits_type::not_eof(c);
        const char text = traits_type::to_char_type(c);
        xsputn(&text, 1);
        return c;
    }

private:
    const Table_output& Output;
    std::string Pending;
    bool Keep_head = true;
    std::size_t Refused_done = 0;
};

// The header and the first shown rows of the output as JSON for the page.
std::string Shown_rows_json(const std::string& head, char delimiter)
{
    std::istringstream in(head);
    Csv_reader reader(in, delimiter);
    Csv_record record;
    Text_sink json;
    json.Append('[');
    for (std::size_t records = 0; records <= Shown_table_rows && reader.Next_record(record); ++records) {
        json.Append(records > 0 ? ",[" : "[");
        for (std::size_t i = 0; i < record.Kept_count(); ++i) {
            if (i > 0)
                json.Append(',');
            Write_json_string(json, record.Field(i));
        }
        json.Append(']');
    }
    json.Append(']');
    return json.Take();
}

// How many rows the output holds, how many of them were refused, and which
// are shown; or where it stopped.
std::string Summary_text(std::size_t rows, std::size_t refused, bool stopped)
{
    std::string summary = Rows_text(rows) + " computed";
    if (refused > 0)
        summary += "; " + Count_text(refused) + " could not be (the error column says why)";
    summary += ".";
    if (stopped)
        return summary + " The results stop there: the browser could keep no more of them. "
                         "\"Download results\" saves these rows; for the rest, split the table, or run "
                         "voran-report --csv on it.";
    if (rows > Shown_table_rows)
        summary += " The first " + Rows_text(Shown_table_rows) + " are shown; \"Download results\" saves all of them.";
    return summary;
}

// How far a run is: the rows done and the share of the table read.
std::string Progress_text(std::size_t rows, std::istream& in, std::size_t table_bytes)
{
    const auto read = in.rdbuf()->pubseekoff(0, std::ios_base::cur, std::ios_base::in);
    const double share = read < 0 ? 0 : static_cast<double>(read) / static_cast<double>(table_bytes);
    return "Computing: " + Rows_text(rows) + " done, " + std::to_string(static_cast<int>(std::floor(100 * share))) +
           "% of the table read.";
}

}  // namespace

std::string Table_size_refusal(const std::string& file_name, double bytes)
{
    if (bytes > Largest_table_bytes)
        return file_name + ": the file is larger than " + Count_text(static_cast<std::size_t>(Largest_table_mib)) +
               " MiB, more than the page reads. Split the table, or run voran-report --csv on it.";
    return "";
}

std::string Table_unreadable(const std::string& file_name)
{
    return file_name + ": the file cannot be read (it may have been moved or changed since it was chosen).";
}

std::string Table_cancelled(const std::string& file_name)
{
    return file_name + ": cancelled; no results were kept.";
}

std::string Table_failed(const std::string& file_name)
{
    return file_name + ": the run stopped before its end (the browser may have run out of memory); no results "
                       "were kept. Split the table, or run voran-report --csv on it.";
}

Output_delimiter_choices The_output_delimiter_choices()
{
    Output_delimiter_choices choices{std::string(Output_delimiter_caption), {}};
    for (const Output_delimiter_name& name : Output_delimiter_table)
        choices.Items.push_back({std::string(name.Word), std::string(name.Caption)});
    return choices;
}

Table_outcome Run_table(const std::string& file_name, const std::string& bytes, char separator,
                        const std::string& output_delimiter, const Table_output& output)
{
    Table_outcome outcome;
    if (bytes.empty()) {
        outcome.Message = file_name + ": the file is empty. A table of comparisons begins with a "
                          "row naming its columns: sd, n, case_a, case_b and, if wanted, limits.";
        return outcome;
    }
    if (bytes.find('\0') != std::string::npos) {
        outcome.Message = file_name + ": the file is not a text table (it holds NUL bytes, as "
                          "pictures, spreadsheet files and UTF-16 text do). Save the table as CSV.";
        return outcome;
    }
    std::istringstream in(bytes);
    Chunked_output chunks(output);
    std::ostream out(&chunks);
    Stop_request stop;
    Batch_options options;
    options.Decimal_separator = separator;
    options.Output_delimiter_kind =
        output_delimiter.empty()
            ? Output_delimiter_like(Delimiter_of_first_line(std::string_view(bytes).substr(0, Delimiter_sample_bytes)))
            : Output_delimiter_from_word(output_delimiter).value_or(Output_delimiter::Comma);
    options.Stop = &stop;
    options.Rows_written = [&](std::size_t rows, std::size_t refused) {
        if (!chunks.Row_written(rows, refused))
            stop.Request(Exit_status::Output_failed);
        else if (output.Progress && chunks.Rows_done % Progress_rows < rows)
            output.Progress(Progress_text(chunks.Rows_done, in, bytes.size()));
    };
    bool stopped = false;
    try {
        stopped = Run_batch(in, out, options).Status == Exit_status::Output_failed || !chunks.Hand_on();
    } catch (const ETable_error& error) {
        outcome.Message = file_name + ", " + error.what();
        return outcome;
    } catch (const std::bad_alloc&) {
        // Out of memory: the rows handed on before are the output.
        stopped = true;
    }
    const Output_delimiter_name& delimiter = Names_of(options.Output_delimiter_kind);
    outcome.Delimiter = delimiter.Word;
    outcome.Rows_json = Shown_rows_json(chunks.Head, delimiter.Delimiter);
    outcome.Summary = Summary_text(chunks.Rows_kept, chunks.Refused_kept, stopped);
    outcome.Stopped = stopped;
    return outcome;
}
