// The text device of the results printout: lays a plain text out on pages,
// line by line, and draws it through a Print_surface. It knows nothing of the
// toolkit, so its layout is tested against a surface of fixed metrics and
// printed for real through Qt_print_surface.
//
// The text is UTF-8. Runs of characters end at CR (otherwise ignored), LF (new
// line), form feed (new page) and tab (next stop; stops lie every 8 average
// character widths). A run that does not fit in the rest of the line is
// shortened one character at a time; the part that fits is drawn and the rest
// continues on the next line. A line is as high as its tallest run plus 2
// pixels, an empty line as high as the font's character height. After a line
// ends, a new page starts when y > page height - 2 * (height of that line).
//
// Pages are started only when something is drawn on them: a page break with
// nothing after it prints no blank sheet, and a text that draws nothing
// starts no job at all. A run is never drawn across the bottom edge: one that
// would start too low (after empty lines, which the page-break rule lets run
// down to the edge) goes to the top of the next page.
#pragma once

#include <string_view>

// What the device needs of a printer. All lengths are in printer pixels;
// positions are relative to the top-left corner of the printable area.
class Print_surface {
public:
    virtual ~Print_surface() = default;

    virtual int Text_width(std::string_view run) = 0;
    virtual int Text_height(std::string_view run) = 0;
    virtual int Char_height() = 0;
    virtual int Average_char_width() = 0;
    virtual int Page_width() = 0;
    virtual int Page_height() = 0;

    // Opens the job; its first page starts with it.
    virtual void Begin_document() = 0;
    // Ends the current page and starts the next.
    virtual void New_page() = 0;
    // Draws a run with its top-left corner at (x, y) on the current page.
    virtual void Draw_text(int x, int y, std::string_view run) = 0;
    // Ends the job and hands it to the printer.
    virtual void End_document() = 0;
};

class Text_device {
public:
    explicit Text_device(Print_surface& surface);

    // Lays out and draws the characters of text, continuing from the current
    // position.
    void Write(std::string_view text);
    // Ends the job if a page was started. The position is left as it is; the
    // device must not be written to afterwards.
    void Close();

private:
    void Draw_run(std::string_view run);
    void Draw_on_page(std::string_view run);
    void Tab();
    void New_line();
    void New_page();

    Print_surface& surface_;
    int x_ = 0;
    int y_ = 0;
    int line_height_ = 0;      // 0 until something is drawn on the line
    int page_ = 0;             // index of the page the position is on
    int pages_started_ = 0;    // pages begun on the surface
};

// One print job: the text followed by one further line end (CR LF), which
// prints nothing and only advances the position.
void Print_on(Print_surface& surface, std::string_view text);
