#include "Client_area.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

#include "Window_placement.h"

namespace {

// The window manager's frame around the window (none before it is shown).
QMargins Frame_margins(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect inside = window.geometry();
    return {inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
            frame.bottom() - inside.bottom()};
}

}  // namespace

Client_fit Fitted_client(QSize design, QSize room, int scroll_bar_extent)
{
    // A scroll bar along one side takes room from the other direction, which
    // may then have to scroll as well.
    bool vertical = design.height() > room.height();
    bool horizontal = design.width() + (vertical ? scroll_bar_extent : 0) > room.width();
    if (horizontal && !vertical)
        vertical = design.height() + scroll_bar_extent > room.height();
    return {{std::min(design.width() + (vertical ? scroll_bar_extent : 0), room.width()),
             std::min(design.height() + (horizontal ? scroll_bar_extent : 0), room.height())},
            vertical,
            horizontal};
}

Client_area::Client_area(QWidget& window, QSize design, int top)
    : QScrollArea(&window), window_(window), controls_(new QWidget), top_(top)
{
    setObjectName("ClientArea");
    setFrameShape(QFrame::NoFrame);
    // The window's own background shows behind the controls.
    setBackgroundRole(window.backgroundRole());
    viewport()->setAutoFillBackground(false);
    controls_->setObjectName("Controls");
    controls_->setFixedSize(design);
    setWidget(controls_);
    controls_->setAutoFillBackground(false);
    window.installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { Show_focused(now); });
    Fit();
}

void Client_area::Fit()
{
    fitted_frame_ = Frame_margins(window_);
    const QSize available = window_.screen()->availableGeometry().size();
    const QSize room(available.width() - fitted_frame_.left() - fitted_frame_.right(),
                     available.height() - fitted_frame_.top() - fitted_frame_.bottom() - top_);
    const Client_fit fit =
        Fitted_client(controls_->size(), room, style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this));
    // Each bar shown or not as the fit decided: left to show as needed, a
    // bar once shown for a size on the way could stay.
    setVerticalScrollBarPolicy(fit.Vertical_bar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(fit.Horizontal_bar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setGeometry(0, top_, fit.Size.width(), fit.Size.height());
    window_.setFixedSize(fit.Size.width(), top_ + fit.Size.height());
}

bool Client_area::eventFilter(QObject* watched, QEvent* event)
{
    // The window manager's frame is known once the window is shown, and may
    // arrive with a later move.
    if (watched == &window_ && (event->type() == QEvent::Show || event->type() == QEvent::Move)) {
        if (Frame_margins(window_) != fitted_frame_) {
            Fit();
            Place_on_screen(window_);
        }
    }
    return QScrollArea::eventFilter(watched, event);
}

void Client_area::Show_focused(QWidget* now)
{
    if (now != nullptr && controls_->isAncestorOf(now))
        ensureWidgetVisible(now, 0, 0);
}
