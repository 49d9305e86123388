#include "Pdf_reading.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <stdexcept>

std::string Run(const std::string& command)
{
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) {
        throw std::runtime_error("cannot run " + command);
    }
    std::string output;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) {
        output.append(buffer, n);
    }
    return output;
}

bool Poppler_available()
{
    return std::system("pdfinfo -v >/dev/null 2>&1 && pdftotext -v >/dev/null 2>&1") == 0;
}

int Page_count(const std::string& pdf)
{
    const std::string info = Run("pdfinfo '" + pdf + "'");
    const auto at = info.find("Pages:");
    if (at == std::string::npos) {
        throw std::runtime_error("pdfinfo gave no page count for " + pdf + ":\n" + info);
    }
    return std::stoi(info.substr(at + 6));
}

std::vector<std::vector<std::string>> Page_lines(const std::string& pdf)
{
    std::vector<std::vector<std::string>> pages(1);
    std::istringstream text(Run("pdftotext -enc UTF-8 -layout '" + pdf + "' -"));
    for (std::string line; std::getline(text, line);) {
        for (; !line.empty() && line.front() == '\f'; line.erase(0, 1)) {
            pages.emplace_back();
        }
        line.erase(line.find_last_not_of(' ') + 1);
        if (!line.empty()) {
            pages.back().push_back(line);
        }
    }
    if (pages.back().empty()) {  // pdftotext ends the last page with a form feed
        pages.pop_back();
    }
    return pages;
}
