#include "Golden_report.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

std::string Worked_example_report_text()
{
    std::ifstream file(VORAN_GOLDEN_REPORT, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot read the golden report " + std::string(VORAN_GOLDEN_REPORT));
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<std::string> Worked_example_report()
{
    std::vector<std::string> lines;
    std::istringstream text(Worked_example_report_text());
    for (std::string line; std::getline(text, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> Worked_example_from_inputs()
{
    const std::vector<std::string> lines = Worked_example_report();
    return {std::find(lines.begin(), lines.end(), " INPUTS:"), lines.end()};
}
