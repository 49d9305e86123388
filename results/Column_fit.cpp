#include "Column_fit.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QTextDocument>

#include <cmath>

namespace {

// Letter spacing is kept in 1/64 pixel, the text layout's fixed-point unit.
constexpr double Spacing_unit = 64.0;

class Column_fit : public QObject {
public:
    Column_fit(QPlainTextEdit& text, int columns)
        : QObject(&text), text_(text), viewport_(text.viewport()), columns_(columns), font_(text.font())
    {
        viewport_->installEventFilter(this);
        Fit();
    }

    // The viewport is compared as it was kept, not asked of the text: its
    // events go on while the text is destroyed (this filter is its child),
    // when the text is no longer a scroll area to ask.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize && watched == viewport_)
            Fit();
        return QObject::eventFilter(watched, event);
    }

private:
    // The layout breaks a line that is wider than the viewport less the
    // document's margin on either side.
    void Fit()
    {
        const double room = text_.viewport()->width() - 2 * text_.document()->documentMargin();
        const double natural = QFontMetricsF(font_, text_.viewport()).horizontalAdvance(QString(columns_, QChar('_')));
        QFont font = font_;
        if (natural > room)
            font.setLetterSpacing(QFont::AbsoluteSpacing,
                                  std::floor((room - natural) / columns_ * Spacing_unit) / Spacing_unit);
        if (font != text_.font())
            text_.setFont(font);
    }

    QPlainTextEdit& text_;
    QWidget* const viewport_;
    int columns_;
    QFont font_;
};

}  // namespace

void Keep_columns_on_a_line(QPlainTextEdit& text, int columns)
{
    new Column_fit(text, columns);
}
