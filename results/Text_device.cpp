#include "Text_device.h"

#include <algorithm>

namespace {

// The end of the UTF-8 character that starts at byte `start` of `text`:
// continuation bytes have the form 10xxxxxx.
std::size_t Next_character(std::string_view text, std::size_t start)
{
    std::size_t i = start + 1;
    while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) {
        ++i;
    }
    return i;
}

constexpr char Form_feed = 12;
constexpr int Tab_stop_in_characters = 8;
constexpr int Line_spacing = 2;

}  // namespace

Text_device::Text_device(Print_surface& surface) : surface_(surface) {}

void Text_device::Write(std::string_view text)
{
    std::size_t run_start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n' && c != Form_feed && c != '\t') {
            continue;
        }
        Draw_run(text.substr(run_start, i - run_start));
        run_start = i + 1;
        if (c == '\n') {
            New_line();
        } else if (c == Form_feed) {
            New_page();
        } else if (c == '\t') {
            Tab();
        }
    }
    Draw_run(text.substr(run_start));
}

void Text_device::Close()
{
    if (pages_started_ > 0) {
        surface_.End_document();
    }
}

// Draws the run at the current position. What does not fit in the rest of the
// line is cut off at the last character that fits (inside a word if need be)
// and continues on the next line.
//
// The rule shortens the run one character at a time from its end until it
// fits. A run's width never decreases as characters are added, so the prefix
// it stops at is the longest one that fits, and it is found here by extending
// a prefix from the start instead: the same break, at a cost that grows with
// the line's length rather than the run's (a pasted line of many thousand
// characters would otherwise be measured over and over).
void Text_device::Draw_run(std::string_view run)
{
    const int page_width = surface_.Page_width();
    while (!run.empty()) {
        const int width = surface_.Text_width(run);
        if (x_ + width <= page_width) {
            Draw_on_page(run);
            x_ += width;
            return;
        }
        std::size_t fit = 0;
        for (std::size_t next = Next_character(run, 0);
             next < run.size() && x_ + surface_.Text_width(run.substr(0, next)) <= page_width;
             next = Next_character(run, next)) {
            fit = next;
        }
        // A character wider than the whole line is drawn alone (the printer
        // clips it), or the text would never advance.
        if (fit == 0 && x_ == 0) {
            fit = Next_character(run, 0);
        }
        if (fit > 0) {
            Draw_on_page(run.substr(0, fit));
        }
        New_line();
        run.remove_prefix(fit);
    }
}

// Starts the pages up to the one the position is on, then draws. A line that
// follows empty lines near the bottom may start below the last full line's
// limit; it goes to the next page rather than across the bottom edge.
void Text_device::Draw_on_page(std::string_view run)
{
    const int height = surface_.Text_height(run);
    if (y_ > 0 && y_ + height > surface_.Page_height()) {
        ++page_;
        y_ = 0;
    }
    for (; pages_started_ <= page_; ++pages_started_) {
        if (pages_started_ == 0) {
            surface_.Begin_document();
        } else {
            surface_.New_page();
        }
    }
    surface_.Draw_text(x_, y_, run);
    line_height_ = std::max(line_height_, height + Line_spacing);
}

void Text_device::Tab()
{
    const int stop = std::max(1, Tab_stop_in_characters * surface_.Average_char_width());
    x_ = (x_ / stop + 1) * stop;
    if (x_ > surface_.Page_width()) {
        New_line();
    }
}

void Text_device::New_line()
{
    x_ = 0;
    y_ += line_height_ > 0 ? line_height_ : surface_.Char_height();
    if (y_ > surface_.Page_height() - 2 * line_height_) {
        New_page();
    }
    line_height_ = 0;
}

void Text_device::New_page()
{
    x_ = 0;
    y_ = 0;
    ++page_;
}

void Print_on(Print_surface& surface, std::string_view text)
{
    Text_device device(surface);
    device.Write(text);
    device.Write("\r\n");
    device.Close();
}
