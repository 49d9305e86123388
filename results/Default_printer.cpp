#include "Default_printer.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <stdexcept>
#include <utility>

#include "Qt_print_surface.h"

namespace {

// The default printer is looked up at every Print, so a change of the
// platform's default between two jobs is followed.
class Default_printer : public Results_printer {
public:
    explicit Default_printer(std::string font_family) : font_family_(std::move(font_family)) {}

    void Print(const std::string& text) override
    {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) {
            throw std::runtime_error("There is no default printer currently selected");
        }
        QPrinter printer(info, QPrinter::HighResolution);
        Print_text(printer, font_family_, text);
    }

private:
    std::string font_family_;
};

}  // namespace

std::unique_ptr<Results_printer> Make_default_printer(const std::string& font_family)
{
    return std::make_unique<Default_printer>(font_family);
}
