#include "Print_blocks.h"

#include "Report.h"

std::vector<std::string> Print_blocks(const std::string& text)
{
    std::vector<std::string> blocks(1);
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find('\n', begin);
        end = end == std::string::npos ? text.size() : end + 1;
        const std::string_view line = std::string_view(text).substr(begin, end - begin);
        const std::string_view content = line.substr(0, line.find_first_of("\r\n"));
        if (Is_report_separator(content) && !blocks.back().empty())
            blocks.emplace_back();
        blocks.back().append(line);
        begin = end;
    }
    return blocks;
}
