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

Client_fit Fitted_client(QSize design, QSize room, int scroll_bar_extent, QSize least)
{
    if (!least.isValid())
        least = design;
    // A scroll bar along one side takes room from the other direction, which
    // may then have to scroll as well.
    bool vertical = least.height() > room.height();
    bool horizontal = least.width() + (vertical ? scroll_bar_extent : 0) > room.width();
    if (horizontal && !vertical)
        vertical = least.height() + scroll_bar_extent > room.height();
    return {{std::min(design.width() + (vertical ? scroll_bar_extent : 0), room.width()),
             std::min(design.height() + (horizontal ? scroll_bar_extent : 0), room.height())},
            vertical,
            horizontal};
}

Client_area::Client_area(QWidget& window, QSize design, int top, QSize least, QWidget* controls)
    : QScrollArea(&window),
      window_(window),
      controls_(controls != nullptr ? controls : new QWidget),
      top_(top),
      design_(design),
      least_(least.isValid() ? least : design),
      resizable_(least_ != design)
{
    setObjectName("ClientArea");
    setFrameShape(QFrame::NoFrame);
    // The window's own background shows behind the controls.
    setBackgroundRole(window.backgroundRole());
    viewport()->setAutoFillBackground(false);
    controls_->setObjectName("Controls");
    if (resizable_) {
        controls_->setMinimumSize(least_);
        controls_->resize(design_);
    } else {
        controls_->setFixedSize(design_);
    }
    setWidget(controls_);
    setWidgetResizable(resizable_);
    controls_->setAutoFillBackground(false);
    window.installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { Show_focused(now); });
    Fit();
}

void Client_area::Fit()
{
    const QMargins frame = Frame_margins(window_);
    const QSize available = window_.screen()->availableGeometry().size();
    const QSize room(available.width() - frame.left() - frame.right(),
                     available.height() - frame.top() - frame.bottom() - top_);
    const Client_fit fit =
        Fitted_client(design_, room, style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this), least_);
    // Each bar shown or not as the fit decided: left to show as needed, a
    // bar once shown for a size on the way could stay. A resizable window
    // is never made smaller than the controls' least size where that fits,
    // so its bars need not change with its size.
    setVerticalScrollBarPolicy(fit.Vertical_bar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(fit.Horizontal_bar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    const QSize window_size(fit.Size.width(), top_ + fit.Size.height());
    if (resizable_) {
        window_.setMinimumSize(window_size.boundedTo(QSize(least_.width(), top_ + least_.height())));
        window_.resize(window_size);
    } else {
        window_.setFixedSize(window_size);
    }
    setGeometry(0, top_, fit.Size.width(), fit.Size.height());
}

bool Client_area::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &window_) {
        // The window manager's frame is known once the window is shown, and
        // may arrive with a later move: the window is fitted and placed once
        // more then, and never again, so that it reappears where it was.
        if ((event->type() == QEvent::Show || event->type() == QEvent::Move) && !frame_known_
            && !Frame_margins(window_).isNull()) {
            frame_known_ = true;
            Fit();
            Place_on_screen(window_);
        }
        if (event->type() == QEvent::Resize)
            setGeometry(0, top_, window_.width(), window_.height() - top_);
        if (event->type() == QEvent::Show && kept_in_view_ != nullptr) {
            ensureWidgetVisible(kept_in_view_, 0, 0);
            Show_focused(window_.focusWidget());
        }
    }
    return QScrollArea::eventFilter(watched, event);
}

void Client_area::Show_focused(QWidget* now)
{
    if (now != nullptr && controls_->isAncestorOf(now))
        ensureWidgetVisible(now, 0, 0);
}
