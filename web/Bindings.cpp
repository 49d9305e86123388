// The page's interface to the program, compiled to WebAssembly: each function
// takes the page's texts and gives back plain objects of texts. Nothing here
// computes or words anything of its own.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Kept_control_data.h"
#include "Number_format.h"
#include "Page_compute.h"
#include "Page_summary.h"
#include "Page_worksheet.h"
#include "Page_texts.h"
#include "Print_blocks.h"
#include "Results_file.h"
#include "Page_table.h"
#include "Typed_keys.h"

namespace {

using emscripten::val;

// One property of a plain object: its name and its value as JavaScript sees it.
struct Field {
    template <typename T>
    Field(const char* name, const T& value) : Name(name), Value(value)
    {
    }
    const char* Name;
    val Value;
};

// A plain object with the fields, in the order given.
val Object_of(std::initializer_list<Field> fields)
{
    val object = val::object();
    for (const Field& field : fields)
        object.set(field.Name, field.Value);
    return object;
}

// An array of the texts, in their order.
val Array_of(const std::vector<std::string>& texts)
{
    val array = val::array();
    for (const std::string& text : texts)
        array.call<void>("push", text);
    return array;
}

val Key_object(const Key_verdict& verdict)
{
    return Object_of({{"text", verdict.Text}, {"beep", verdict.Beep}, {"warning", verdict.Warning}});
}

val Texts()
{
    const Page_texts texts = The_page_texts();
    return Object_of({{"reportColumns", texts.Report_columns},
                      {"pageNumberLead", texts.Page_number_lead},
                      {"pageCountLead", texts.Page_count_lead},
                      {"warningTitle", texts.Warning_title},
                      {"errorTitle", texts.Error_title},
                      {"notesMaxLength", texts.Notes_max_length},
                      {"plotWidth", texts.Plot_width},
                      {"plotHeight", texts.Plot_height},
                      {"pngWidth", texts.Png_width},
                      {"pngHeight", texts.Png_height},
                      {"resultsFileName", texts.Results_file_name},
                      {"svgFileName", texts.Svg_file_name},
                      {"pngFileName", texts.Png_file_name},
                      {"controlDataKey", texts.Control_data_key},
                      {"summaryLanguageKey", texts.Summary_language_key}});
}

val Filter_typed(const std::string& typed)
{
    return Key_object(Filter_typed_text(typed));
}

val Limit_length(const std::string& text)
{
    return Key_object(Limit_field_length(text));
}

// The worksheet's inputs as the page passes them.
Compute_input Input_of(val fields, int limits_item, const std::string& notes, const std::string& results,
                       const std::string& separator)
{
    Compute_input input;
    input.Texts = {fields[0].as<std::string>(), fields[1].as<std::string>(), fields[2].as<std::string>(),
                   fields[3].as<std::string>()};
    input.Limits_item = limits_item;
    input.Notes = notes;
    input.Results = results;
    input.Decimal_separator = Decimal_separator_of(separator);
    return input;
}

val Compute_report(Page_worksheet& worksheet, val fields, int limits_item, const std::string& notes,
                   const std::string& results, const std::string& separator)
{
    const Compute_outcome outcome =
        worksheet.Compute(Input_of(std::move(fields), limits_item, notes, results, separator));
    return Object_of({{"refusedField", outcome.Refused_field},
                      {"warning", outcome.Warning},
                      {"controlData", outcome.Control_data},
                      {"error", outcome.Error},
                      {"addition", outcome.Addition}});
}

val Plot(const Page_worksheet& worksheet, double width, double height)
{
    const Page_plot plot = worksheet.Plot(width, height);
    // The picture carries its description as its own (its desc element).
    return Object_of({{"svg", plot.Svg}, {"error", plot.Error}});
}

val Last_summary(const Page_worksheet& worksheet, const std::string& language)
{
    const Page_summary summary = worksheet.Summary(language);
    val figures = val::array();
    for (const Key_figure& figure : summary.Figures)
        figures.call<void>("push", Object_of({{"caption", figure.Caption}, {"value", figure.Value}, {"limits", figure.Limits}}));
    return Object_of({{"figures", figures},
                      {"sentences", summary.Sentences},
                      {"statistics", summary.Statistics}});
}

val Summary_texts()
{
    const Summary_page_texts texts = The_summary_page_texts();
    val languages = val::array();
    for (const Summary_language_choice& language : texts.Languages)
        languages.call<void>("push", Object_of({{"code", language.Code}, {"name", language.Name}}));
    return Object_of({{"copied", texts.Copied},
                      {"notCopied", texts.Not_copied},
                      {"languages", languages}});
}

val Restore(const std::string& kept)
{
    const Restored_fields fields = Restore_control_data(kept);
    return Object_of({{"sd", fields.SD}, {"n", fields.N}, {"error", fields.Error}});
}

std::string Kept_control_data_text(const std::string& sd, const std::string& n) { return Kept_text(sd, n); }

val Blocks_to_print(const std::string& text)
{
    return Array_of(Print_blocks(text));
}

std::string Table_size_check(const std::string& file_name, double bytes)
{
    return Table_size_refusal(file_name, bytes);
}

val Output_delimiters()
{
    const Output_delimiter_choices choices = The_output_delimiter_choices();
    val items = val::array();
    for (const Delimiter_choice& item : choices.Items)
        items.call<void>("push", Object_of({{"word", item.Word}, {"caption", item.Caption}}));
    return Object_of({{"caption", choices.Caption}, {"items", items}});
}

// Runs the table, handing each chunk of the output to keep_chunk as a
// Uint8Array over the core's memory (valid during the call only; the
// bytes as they are: a table's pass-through columns need not be valid UTF-8)
// and each progress text to progress.
val Table(const std::string& file_name, const std::string& bytes, const std::string& separator,
          const std::string& output_delimiter, val keep_chunk, val progress)
{
    Table_output output;
    output.Keep_chunk = [&keep_chunk](std::string_view chunk) {
        return keep_chunk(val(emscripten::typed_memory_view(chunk.size(),
                                                            reinterpret_cast<const unsigned char*>(chunk.data()))))
            .as<bool>();
    };
    output.Progress = [&progress](const std::string& text) { progress(text); };
    const Table_outcome outcome =
        Run_table(file_name, bytes, Decimal_separator_of(separator), output_delimiter, output);
    return Object_of({{"message", outcome.Message},
                      {"delimiter", outcome.Delimiter},
                      {"rowsJson", outcome.Rows_json},
                      {"summary", outcome.Summary},
                      {"stopped", outcome.Stopped}});
}

}  // namespace

EMSCRIPTEN_BINDINGS(voran)
{
    emscripten::function("texts", &Texts);
    emscripten::function("filterTyped", &Filter_typed);
    emscripten::function("limitLength", &Limit_length);
    // The worksheet keeps the comparison that its last "compute" reported,
    // which "plot" draws and "summary" sums up.
    emscripten::class_<Page_worksheet>("Worksheet")
        .constructor<>()
        .function("compute", &Compute_report)
        .function("plot", &Plot)
        .function("summary", &Last_summary);
    emscripten::function("summaryTexts", &Summary_texts);
    emscripten::function("proposedSummaryLanguage", &Proposed_summary_language);
    emscripten::function("reportAdded", &Report_added_text);
    emscripten::function("tableResultsName", &Table_results_name);
    emscripten::function("restoreControlData", &Restore);
    emscripten::function("firstFocusedSlot", &First_focused_slot);
    emscripten::function("keptControlData", &Kept_control_data_text);
    emscripten::function("resultsFile", &Results_file_contents);
    emscripten::function("printBlocks", &Blocks_to_print);
    emscripten::function("tableSizeRefusal", &Table_size_check);
    emscripten::function("tableUnreadable", &Table_unreadable);
    emscripten::function("tableCancelled", &Table_cancelled);
    emscripten::function("tableFailed", &Table_failed);
    emscripten::function("outputDelimiters", &Output_delimiters);
    emscripten::function("runTable", &Table);
}
