#include "Plot_writer.h"

#include <stdexcept>

void Write_plot(const std::string& path, const Comparison_request&, const Comparison_result&, char)
{
    throw std::runtime_error("this voran-report was built without Qt and writes no picture (" + path + ")");
}
