#include "Plot_writer.h"

#include "Plot_file.h"

void Write_plot(const std::string& path, const Comparison_request& request, const Comparison_result& result,
                char decimal_separator)
{
    Write_plot_file(path, Program_plot_subject(request, result, decimal_separator));
}
