#include "Page_plot.h"

#include "Plot_svg.h"
#include "Plot_texts.h"
#include "Program_strings.h"

Page_plot Plot_for(const Comparison_request& request, const Comparison_result& result, char separator,
                   double width, double height)
{
    const Plot_subject subject{std::string(Program_title), request, result, separator};
    return {Plot_svg(subject, width, height), Texts_for(subject).Description};
}
