#include "Results_pdf.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "Document_pages.h"
#include "Program_strings.h"
#include "Qt_text.h"
#include "Report.h"

namespace {

// The font is sized in tenths of a point.
constexpr double Size_step = 0.1;
// The footer stands this many lines below the last line a page can hold.
constexpr int Footer_gap_lines = 1;

// The largest size, in steps of Size_step, at which `columns` characters of
// the fixed-pitch family are no wider than `width` device pixels: the
// advance grows in proportion to the size, measured once at a large size.
QFont Fitting_font(const QString& family, int columns, double width, QPaintDevice& device)
{
    constexpr double Measuring_size = 100;
    QFont font(family);
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(Measuring_size);
    const double advance = QFontMetricsF(font, &device).horizontalAdvance(QString(columns, QChar('_')));
    double size = std::floor(Measuring_size * width / advance / Size_step) * Size_step;
    // The layout's rounding may make the fitted size a hair wider.
    font.setPointSizeF(size);
    while (size > Size_step && QFontMetricsF(font, &device).horizontalAdvance(QString(columns, QChar('_'))) > width) {
        size -= Size_step;
        font.setPointSizeF(size);
    }
    return font;
}

QPageLayout Document_page_layout(const QPageLayout& page)
{
    QPageLayout layout(page.pageSize(), page.orientation(), QMarginsF(), QPageLayout::Millimeter);
    const QMarginsF given = page.margins(QPageLayout::Millimeter);
    const auto at_least = [](double margin) { return std::max(margin, Document_margin_mm); };
    layout.setMargins(
        {at_least(given.left()), at_least(given.top()), at_least(given.right()), at_least(given.bottom())});
    return layout;
}

}  // namespace

std::string Results_pdf(const std::string& text, const QPageLayout& page, const QString& font_family,
                        const QString& date)
{
    QBuffer output;
    output.open(QIODevice::WriteOnly);
    QPdfWriter writer(&output);
    writer.setCreator(QStringLiteral("VORAN"));
    if (!writer.setPageLayout(Document_page_layout(page)))
        throw std::runtime_error("The PDF document's page cannot be set up");

    QPainter painter;
    if (!painter.begin(&writer))
        throw std::runtime_error("The PDF document could not be made");
    const QRect area = writer.pageLayout().paintRectPixels(writer.resolution());
    const QFont font = Fitting_font(font_family, Report_columns, area.width(), writer);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &writer);
    const double line_height = metrics.lineSpacing();
    // The lines above the footer; the footer's own line is the page's last.
    const int lines_per_page =
        std::max(1, static_cast<int>(std::floor(area.height() / line_height)) - 1 - Footer_gap_lines);

    const std::vector<Document_page> pages = Document_pages(text, Report_columns, lines_per_page);
    const QString count = QString::number(pages.size());
    for (std::size_t index = 0; index < pages.size(); ++index) {
        if (index > 0 && !writer.newPage())
            throw std::runtime_error("The PDF document could not start a new page");
        double baseline = metrics.ascent();
        for (const std::string& line : pages[index]) {
            painter.drawText(QPointF(0, baseline), Qt_text(line));
            baseline += line_height;
        }
        const double footer = area.height() - metrics.descent();
        const QString number = Qt_text(Page_number_lead) +
                               QString::number(index + 1) +
                               Qt_text(Page_count_lead) + count;
        painter.drawText(QPointF(0, footer), date);
        painter.drawText(QPointF(area.width() - metrics.horizontalAdvance(number), footer), number);
    }
    if (!painter.end())
        throw std::runtime_error("The PDF document could not be completed");
    return output.data().toStdString();
}
