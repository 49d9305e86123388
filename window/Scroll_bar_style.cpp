#include "Scroll_bar_style.h"

#include <QPainter>
#include <QStyleOptionSlider>

namespace {

// Whether the style at the bottom of a chain of proxies is Fusion.
bool Over_fusion(const QStyle* style)
{
    while (const auto* proxy = qobject_cast<const QProxyStyle*>(style))
        style = proxy->baseStyle();
    return style->name().compare(QStringLiteral("fusion"), Qt::CaseInsensitive) == 0;
}

}  // namespace

void Scroll_bar_style::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                          QPainter* painter, const QWidget* widget) const
{
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    // A bar without a range shows no handle to tell from its groove.
    if (control != CC_ScrollBar || bar == nullptr || !(bar->subControls & SC_ScrollBarSlider)
        || bar->minimum == bar->maximum || !Over_fusion(baseStyle())) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // The groove and the arrows as the base style draws them, without its handle.
    QStyleOptionSlider rest = *bar;
    rest.subControls &= ~SC_ScrollBarSlider;
    QProxyStyle::drawComplexControl(control, &rest, painter, widget);

    const QRect handle = subControlRect(control, bar, SC_ScrollBarSlider, widget);
    const bool active = (bar->activeSubControls & SC_ScrollBarSlider) && (bar->state & (State_MouseOver | State_Sunken));
    QColor face = bar->palette.color(QPalette::Mid);
    if (!(bar->state & State_Enabled))
        face = bar->palette.color(QPalette::Disabled, QPalette::Mid);
    else if (active)
        face = face.darker(bar->state & State_Sunken ? 125 : 112);
    // Filled rectangles, whole at any scale: the outline, then the face.
    painter->fillRect(handle, bar->palette.color(QPalette::Dark));
    painter->fillRect(handle.adjusted(1, 1, -1, -1), face);
}
