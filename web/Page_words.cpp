#include "Page_words.h"

#include <cstddef>

#include "Batch_row.h"
#include "Description_text.h"
#include "Page_summary.h"
#include "Program_strings.h"
#include "Table_layout.h"

namespace {

// The table's sentence: the columns that a table must name, then limits.
std::string Table_columns_sentence()
{
    return "A CSV file (or tab-separated) whose first row names the columns " +
           Comma_separated({Input_columns.begin(), Input_columns.end()}) + " (and, if wanted, " +
           std::string(Limits_column) + "); other columns pass through. Choose one, or drop it on the page.";
}

}  // namespace

std::vector<Page_word> Page_words()
{
    const Summary_page_texts summary = The_summary_page_texts();
    std::vector<Page_word> words = {
        {"document-title", std::string(Program_name)},
        {"title", std::string(Program_title)},
        {"privacy", "The numbers are computed on this computer; nothing you enter is sent anywhere."},
        {"no-script", "This page needs JavaScript: allow it for this file (or site) to compute."},
        {"start-failure", "The page could not start its computing core: "},
        {"worksheet-heading", "Worksheet"},
        {"description", Description_text()},
        {"description-name", std::string(Description_box_name)},
        {"notes-caption", std::string(Notes_caption)},
        {"limits", std::string(Limits_choice_caption)},
    };
    for (std::size_t item = 0; item < Limits_item_captions.size(); ++item)
        words.push_back({"limits-" + std::to_string(item), std::string(Limits_item_captions[item])});
    for (std::size_t slot = 0; slot < Input_captions.size(); ++slot)
        words.push_back({"caption-" + std::to_string(slot), std::string(Input_captions[slot])});
    words.insert(words.end(), {
        {"compute", std::string(Compute_caption)},
        {"clear-data", std::string(Clear_data_caption)},
        {"result-heading", summary.Region},
        {"summary-language-caption", summary.Language_caption},
        {"copy-summary", summary.Copy_caption},
        {"results-heading", "Results"},
        {"save-output", std::string(Save_output_caption)},
        {"clear-results", std::string(Clear_results_caption)},
        {"print", "Print"},
        {"plot-heading", std::string(Plot_window_title)},
        {"save-svg", "Download plot (SVG)"},
        {"save-png", "Download plot (PNG)"},
        {"table-heading", "Table of comparisons"},
        {"table-columns", Table_columns_sentence()},
        {"table-file", "Table of comparisons (CSV)"},
        {"download-results", "Download results"},
        {"cancel-table", "Cancel"},
        {"table-results", "Table results"},
        {"drop-hint", "Drop the table here"},
        {"message-title", std::string(Warning_box_title)},
        {"message-ok", "OK"},
    });
    return words;
}
