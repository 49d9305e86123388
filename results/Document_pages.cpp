#include "Document_pages.h"

#include <algorithm>
#include <stdexcept>

#include "Report.h"

namespace {

constexpr int Tab_columns = 8;

bool Continuation_byte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The characters of a line (UTF-8 sequences kept whole), tabs expanded.
std::vector<std::string> Characters(std::string_view line)
{
    std::vector<std::string> characters;
    for (const char c : line) {
        if (c == '\t')
            characters.resize((characters.size() / Tab_columns + 1) * Tab_columns, " ");
        else if (Continuation_byte(c) && !characters.empty())
            characters.back() += c;
        else
            characters.emplace_back(1, c);
    }
    return characters;
}

std::string Joined(const std::vector<std::string>& characters, std::size_t from, std::size_t to)
{
    std::string text;
    for (std::size_t i = from; i < to; ++i)
        text += characters[i];
    return text;
}

// One line of the text as the lines of at most `columns` characters it takes.
// Blanks at the line's end show nothing: those beyond the columns are left
// out rather than broken onto a line of their own.
void Add_broken(std::vector<std::string>& lines, std::string_view line, std::size_t columns)
{
    const std::vector<std::string> characters = Characters(line);
    std::size_t shown = characters.size();
    while (shown > 0 && characters[shown - 1] == " ")
        --shown;
    std::size_t start = 0;
    while (shown - start > columns) {
        // After the last blank that the first `columns` characters hold.
        std::size_t end = start + columns;
        while (end > start + 1 && characters[end - 1] != " ")
            --end;
        if (end == start + 1)
            end = start + columns;
        lines.push_back(Joined(characters, start, end));
        start = end;
    }
    lines.push_back(Joined(characters, start, std::min(characters.size(), std::max(shown, start + columns))));
}

// A report as its lines; a form feed as a report of its own that only ends
// the page.
struct Report_part {
    std::vector<std::string> Lines;
    bool Page_break = false;
};

std::vector<Report_part> Reports(std::string_view text, std::size_t columns)
{
    std::vector<Report_part> reports(1);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\n\f", start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const bool page_break = end < text.size() && text[end] == '\f';
        // The text's last line end ends the last line, and a form feed ends
        // the line before it: no empty line follows either.
        if (!(line.empty() && (end == text.size() || page_break))) {
            if (Is_report_separator(line) && !reports.back().Lines.empty())
                reports.emplace_back();
            Add_broken(reports.back().Lines, line, columns);
        }
        if (page_break) {
            reports.push_back({{}, true});
            reports.emplace_back();
        }
        start = end + 1;
    }
    return reports;
}

}  // namespace

std::vector<Document_page> Document_pages(std::string_view text, int columns, int lines_per_page)
{
    if (columns < 1 || lines_per_page < 1)
        throw std::invalid_argument("A page must hold at least one line of one column");
    const auto page_lines = static_cast<std::size_t>(lines_per_page);
    std::vector<Document_page> pages(1);
    for (const Report_part& report : Reports(text, static_cast<std::size_t>(columns))) {
        if (report.Page_break) {
            if (!pages.back().empty())
                pages.emplace_back();
            continue;
        }
        if (!pages.back().empty() && pages.back().size() + report.Lines.size() > page_lines)
            pages.emplace_back();
        for (const std::string& line : report.Lines) {
            if (pages.back().size() == page_lines)
                pages.emplace_back();
            pages.back().push_back(line);
        }
    }
    // A form feed at the end leaves no blank page.
    if (pages.size() > 1 && pages.back().empty())
        pages.pop_back();
    return pages;
}
