#include "Page_texts.h"

#include "Plot_image_file.h"
#include "Program_strings.h"
#include "Report.h"

Page_texts The_page_texts()
{
    Page_texts texts;
    texts.Report_columns = Report_columns;
    texts.Page_number_lead = std::string(Page_number_lead);
    texts.Page_count_lead = std::string(Page_count_lead);
    texts.Warning_title = std::string(Warning_box_title);
    texts.Error_title = std::string(Error_box_title);
    texts.Notes_max_length = Notes_max_length;
    texts.Plot_width = Image_width;
    texts.Plot_height = Image_height;
    texts.Png_width = Image_width * Png_pixels_per_unit;
    texts.Png_height = Image_height * Png_pixels_per_unit;
    texts.Results_file_name = std::string(Results_file_name);
    texts.Svg_file_name = Proposed_image_name(Image_format::Svg);
    texts.Png_file_name = Proposed_image_name(Image_format::Png);
    texts.Control_data_key = std::string(Data_file_name);
    texts.Summary_language_key = std::string(Program_name) + " summary language";
    return texts;
}

std::string Report_added_text(int count)
{
    return "Report " + std::to_string(count) + " added to the results.";
}

std::string Table_results_name(const std::string& table_name)
{
    return table_name.substr(0, table_name.rfind('.')) + "-results.csv";
}
