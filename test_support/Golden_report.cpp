#include "Golden_report.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

std::string Golden_text(const std::string& name)
{
    const std::string path = std::string(VORAN_GOLDEN_FOLDER) + "/" + name;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot read the golden file " + path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

}  // namespace

std::string Worked_example_report_text(Limits limits)
{
    return Golden_text("worked_example_" + std::string(Names_of(limits).Word) + ".txt");
}

std::string Worked_example_summary_text(Summary_language language, Limits limits)
{
    return Golden_text("summaries/" + std::string(Words_of(language).Word) + "_" + std::string(Names_of(limits).Word) +
                       ".txt");
}

std::vector<std::string> Worked_example_report(Limits limits)
{
    std::vector<std::string> lines;
    std::istringstream text(Worked_example_report_text(limits));
    for (std::string line; std::getline(text, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> Worked_example_from_inputs(Limits limits)
{
    const std::vector<std::string> lines = Worked_example_report(limits);
    return {std::find(lines.begin(), lines.end(), " INPUTS:"), lines.end()};
}
