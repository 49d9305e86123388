// The pictures of voran-report built without Qt: SVG only, drawn by the
// toolkit-free SVG writer and saved by the program's safe writer.
#include "Plot_writer.h"

#include <stdexcept>

#include "Plot_image_file.h"
#include "Plot_svg.h"
#include "Save_file.h"

void Write_plot(const std::string& path, const Comparison_request& request, const Comparison_result& result,
                char decimal_separator)
{
    if (Required_image_format(path) != Image_format::Svg)
        throw std::runtime_error("this voran-report was built without Qt and writes SVG pictures only: " + path);
    Save_file(path, Plot_svg(Program_plot_subject(request, result, decimal_separator), Image_width, Image_height));
}
