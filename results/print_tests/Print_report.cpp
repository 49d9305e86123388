// Prints a known results text on the default printer, as the print server
// test needs it: three reports of the comparison of two cases, one below the
// other, as they accumulate in the results viewer (two pages at 8 points).
//
//   voran_print_report direct     one job through Make_default_printer
//   voran_print_report viewer     one job through the viewer's "Print All"
//   voran_print_report pdf FILE   the viewer's "Save as PDF..." into FILE
//
// Writes "pages N", the number of pages the text device lays the text out on
// with the default printer's metrics, then the printed text (LF line ends),
// so the caller can compare them with what the printer produced. Errors: message on standard
// error, exit status 1.
#include <QApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "Default_printer.h"
#include "Page_counter.h"
#include "Platform.h"
#include "Qt_print_surface.h"
#include "Report_for.h"
#include "TemplateResults.h"
#include "Test_font.h"

namespace {


// The viewer's dialogs, answered in the terminal; this program never asks.
class Terminal_platform : public Platform {
public:
    std::optional<std::string> Save_name;  // what the save dialogs answer

    void Beep() override {}
    void Show_warning(const std::string& text) override { throw std::runtime_error("warning: " + text); }
    bool Confirm(const std::string&) override { return false; }
    void Show_error(const std::string& text) override { std::cerr << text << '\n'; }
    std::optional<std::string> Ask_save_file_name() override { return std::nullopt; }
    std::optional<std::string> Ask_save_file_name_for(const std::string&, const std::string&) override
    {
        return Save_name;
    }
};

int Pages_on_default_printer(const std::string& text)
{
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    Qt_print_surface metrics(printer, Printer_font(Font_family));
    Page_counter counter(metrics);
    Print_on(counter, text);
    return counter.pages;
}

// SD 10, N 20, Case A 45, Case B 60, two-sided limits at 95%.
std::vector<std::string> Known_report(bool results_hold_a_line)
{
    const Comparison_texts texts{"10", "20", "45", "60"};
    const auto read = Read_comparison_request(texts, Limits::Two_sided, 95, '.');
    Report_request request = Report_for(std::get<Comparison_request>(read), Captioned_inputs(texts),
                                        {"Printed by the print server test."}, '.');
    request.Results_hold_a_line = results_hold_a_line;
    return Compose_report(request);
}

std::vector<std::string> Known_results()
{
    std::vector<std::string> lines;
    for (int report = 0; report < 3; ++report) {
        const auto more = Known_report(report > 0);
        lines.insert(lines.end(), more.begin(), more.end());
    }
    return lines;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc >= 2 ? argv[1] : "";
    if (!(argc == 2 && (mode == "direct" || mode == "viewer")) && !(argc == 3 && mode == "pdf")) {
        std::cerr << "usage: voran_print_report direct|viewer|pdf FILE\n";
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    try {
        const auto lines = Known_results();
        std::string text;
        for (const auto& line : lines) {
            text += line + "\r\n";
        }
        const auto printer = Make_default_printer(Font_family);
        if (mode == "direct") {
            printer->Print(text);
        } else {
            Terminal_platform platform;
            TfrmTemplateResults viewer(platform, *printer);
            viewer.Append_lines(lines);
            if (mode == "viewer") {
                viewer.mnuPrintClick();
            } else {
                platform.Save_name = argv[2];
                viewer.mnuSavePdfClick();
            }
        }
        std::cout << "pages " << Pages_on_default_printer(text) << '\n';
        for (const auto& line : lines) {
            std::cout << line << '\n';
        }
    } catch (const std::exception& error) {
        std::cerr << "voran_print_report: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
