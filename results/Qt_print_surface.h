// The print surface of a QPrinter: measures with the font's metrics at the
// printer's resolution and draws through a QPainter. Each step of the job is
// checked; a failure raises std::runtime_error and a job left unfinished is
// aborted, so nothing half-drawn reaches the printer.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <string>

#include "Text_device.h"

class QPrinter;

class Qt_print_surface : public Print_surface {
public:
    // font: the drawing font; its size is taken in points at the printer's
    // resolution.
    Qt_print_surface(QPrinter& printer, const QFont& font);
    ~Qt_print_surface() override;
    Qt_print_surface(const Qt_print_surface&) = delete;
    Qt_print_surface& operator=(const Qt_print_surface&) = delete;

    int Text_width(std::string_view run) override;
    int Text_height(std::string_view run) override;
    int Char_height() override;
    int Average_char_width() override;
    int Page_width() override;
    int Page_height() override;
    void Begin_document() override;
    void New_page() override;
    void Draw_text(int x, int y, std::string_view run) override;
    void End_document() override;

private:
    QPrinter& printer_;
    QFont font_;
    QFontMetrics metrics_;
    QPainter painter_;
};

// The printer's font: the family at 8 points, falling back to a fixed-pitch
// family when the family is not installed.
QFont Printer_font(const std::string& font_family);

// One print job on `printer`: the text in the font family at 8 points,
// followed by one further line end, laid out by the text device.
void Print_text(QPrinter& printer, const std::string& font_family, const std::string& text);
