// The page's interface to the program, compiled to WebAssembly: each function
// takes the page's texts and gives back plain objects of texts. Nothing here
// computes or words anything of its own.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <utility>

#include "Kept_control_data.h"
#include "Page_compute.h"
#include "Page_plot.h"
#include "Page_texts.h"
#include "Print_blocks.h"
#include "Results_file.h"
#include "Page_table.h"
#include "Typed_keys.h"

namespace {

using emscripten::val;

val Key_object(const Key_verdict& verdict)
{
    val object = val::object();
    object.set("text", verdict.Text);
    object.set("beep", verdict.Beep);
    object.set("warning", verdict.Warning);
    return object;
}

val Texts()
{
    const Page_texts texts = The_page_texts();
    val object = val::object();
    object.set("title", texts.Title);
    object.set("description", texts.Description);
    val captions = val::array();
    for (const std::string& caption : texts.Captions)
        captions.call<void>("push", caption);
    object.set("captions", captions);
    object.set("notesCaption", texts.Notes_caption);
    return object;
}

val Filter_typed(const std::string& typed)
{
    return Key_object(Filter_typed_text(typed));
}

val Filter_control(int code)
{
    return Key_object(Filter_control_key(code));
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

val Compute_report(val fields, int limits_item, const std::string& notes, const std::string& results,
                   const std::string& separator)
{
    const Compute_outcome outcome = Compute(Input_of(std::move(fields), limits_item, notes, results, separator));
    val object = val::object();
    object.set("refusedField", outcome.Refused_field);
    object.set("warning", outcome.Warning);
    object.set("controlData", outcome.Control_data);
    object.set("error", outcome.Error);
    object.set("addition", outcome.Addition);
    return object;
}

val Plot(val fields, int limits_item, const std::string& separator, double width, double height)
{
    const Page_plot plot = Plot_for(Input_of(std::move(fields), limits_item, "", "", separator), width, height);
    val object = val::object();
    object.set("svg", plot.Svg);
    object.set("description", plot.Description);
    object.set("error", plot.Error);
    return object;
}

val Restore(const std::string& kept)
{
    const Restored_fields fields = Restore_control_data(kept);
    val object = val::object();
    object.set("sd", fields.SD);
    object.set("n", fields.N);
    object.set("error", fields.Error);
    return object;
}

val Blocks_to_print(const std::string& text)
{
    val blocks = val::array();
    for (const std::string& block : Print_blocks(text))
        blocks.call<void>("push", block);
    return blocks;
}

std::string Table_size_check(const std::string& file_name, double bytes)
{
    return Table_size_refusal(file_name, bytes);
}

val Table(const std::string& file_name, const std::string& bytes, const std::string& separator)
{
    const Table_outcome outcome = Run_table(file_name, bytes, Decimal_separator_of(separator));
    val object = val::object();
    object.set("message", outcome.Message);
    // The output's bytes as they are: a table's pass-through columns need not
    // be valid UTF-8, and the download must hold what voran-report writes.
    object.set("csv", val::global("Uint8Array")
                          .new_(emscripten::typed_memory_view(outcome.Csv.size(),
                                                              reinterpret_cast<const unsigned char*>(outcome.Csv.data()))));
    object.set("rowsJson", outcome.Rows_json);
    object.set("summary", outcome.Summary);
    return object;
}

}  // namespace

EMSCRIPTEN_BINDINGS(voran)
{
    emscripten::function("texts", &Texts);
    emscripten::function("filterTyped", &Filter_typed);
    emscripten::function("filterControl", &Filter_control);
    emscripten::function("limitLength", &Limit_length);
    emscripten::function("compute", &Compute_report);
    emscripten::function("plot", &Plot);
    emscripten::function("restoreControlData", &Restore);
    emscripten::function("resultsFile", &Results_file_contents);
    emscripten::function("printBlocks", &Blocks_to_print);
    emscripten::function("tableSizeRefusal", &Table_size_check);
    emscripten::function("tableUnreadable", &Table_unreadable);
    emscripten::function("runTable", &Table);
}
