// A print surface that measures like another but draws nothing: it counts
// the pages that the text device starts, for comparing a layout's page count
// with a printout's.
#pragma once

#include "Text_device.h"

class Page_counter : public Print_surface {
public:
    explicit Page_counter(Print_surface& metrics) : metrics_(metrics) {}
    int pages = 0;

    int Text_width(std::string_view run) override { return metrics_.Text_width(run); }
    int Text_height(std::string_view run) override { return metrics_.Text_height(run); }
    int Char_height() override { return metrics_.Char_height(); }
    int Average_char_width() override { return metrics_.Average_char_width(); }
    int Page_width() override { return metrics_.Page_width(); }
    int Page_height() override { return metrics_.Page_height(); }
    void Begin_document() override { ++pages; }
    void New_page() override { ++pages; }
    void Draw_text(int, int, std::string_view) override {}
    void End_document() override {}

private:
    Print_surface& metrics_;
};
