#include "Page_plot.h"

#include "Plot_svg.h"
#include "Plot_texts.h"
#include "Program_strings.h"

namespace {

// The plot window's first size.
constexpr double Plot_width = 800;
constexpr double Plot_height = 500;

}  // namespace

Page_plot Plot_for(const Comparison_request& request, const Comparison_result& result, char separator)
{
    const Plot_subject subject{std::string(Program_title), request, result, separator};
    return {Plot_svg(subject, Plot_width, Plot_height), Texts_for(subject).Description};
}
