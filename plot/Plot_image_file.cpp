#include "Plot_image_file.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "Program_strings.h"
#include "Table_entry.h"

std::string Proposed_image_name(Image_format format)
{
    const auto* names = Entry_with(Image_format_table, &Image_format_names::Value, format);
    if (!names)
        throw std::invalid_argument("image format " + std::to_string(static_cast<int>(format)) + " is unknown");
    return "plot." + std::string(names->Extension);
}

std::string Image_file_filter()
{
    std::string filter;
    for (const Image_format_names& names : Image_format_table)
        filter += (filter.empty() ? "*." : " *.") + std::string(names.Extension);
    return filter;
}

std::optional<Image_format> Image_format_of(const std::string& file_name)
{
    const auto dot = file_name.rfind('.');
    if (dot == std::string::npos)
        return std::nullopt;
    std::string extension = file_name.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const Image_format_names& names : Image_format_table)
        if (extension == names.Extension)
            return names.Value;
    return std::nullopt;
}

Plot_subject Program_plot_subject(const Comparison_request& request, const Comparison_result& result,
                                  char decimal_separator)
{
    return {std::string(Program_title), request, result, decimal_separator};
}

Image_format Required_image_format(const std::string& file_name)
{
    const std::optional<Image_format> format = Image_format_of(file_name);
    if (!format)
        throw std::runtime_error("The picture's file name must end in .png or .svg: " + file_name);
    return *format;
}
