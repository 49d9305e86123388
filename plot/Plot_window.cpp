#include "Plot_window.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "Client_area.h"
#include "Picture_printer.h"
#include "Platform.h"
#include "Plot_file.h"
#include "Plot_painter.h"
#include "Plot_texts.h"
#include "Program_strings.h"
#include "Qt_text.h"
#include "Save_name.h"
#include "Window_keys.h"
#include "Window_placement.h"

namespace {

constexpr int View_width = 800;
constexpr int View_height = 500;

// The picture, laid out afresh for the widget's size at every paint; Qt
// scales the logical units to the screen's device pixels.
class Plot_view_widget : public QWidget {
public:
    Plot_view_widget(const std::optional<Plot_subject>& subject, QWidget* parent)
        : QWidget(parent), subject_(subject)
    {
        setMinimumSize(static_cast<int>(Plot_minimum_width), static_cast<int>(Plot_minimum_height));
        setAutoFillBackground(false);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    QSize sizeHint() const override { return {View_width, View_height}; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        if (subject_)
            Paint_plot_scaled(painter, *subject_, width(), height(), 1);
    }

private:
    const std::optional<Plot_subject>& subject_;
};

}  // namespace

TfrmPlot::TfrmPlot(Platform& platform, Picture_printer& printer, char decimal_separator, QWidget* parent)
    : QWidget(parent), platform_(platform), printer_(printer), decimal_separator_(decimal_separator)
{
    setWindowFlag(Qt::Window);
    setWindowTitle(Qt_text(Plot_window_title));
    // The worksheet is the main window: closing it ends the program even while
    // the plot stays open.
    setAttribute(Qt::WA_QuitOnClose, false);

    Plot_view = new Plot_view_widget(subject_, this);
    Plot_view->setObjectName("Plot_view");
    Plot_view->setAccessibleName(windowTitle());

    cmdSaveImage = new QPushButton("Save Image...", this);
    cmdSaveImage->setObjectName("cmdSaveImage");
    cmdPrint = new QPushButton("Print", this);
    cmdPrint->setObjectName("cmdPrint");
    cmdClose = new QPushButton("Close", this);
    cmdClose->setObjectName("cmdClose");
    connect(cmdSaveImage, &QPushButton::clicked, this, &TfrmPlot::cmdSaveImageClick);
    connect(cmdPrint, &QPushButton::clicked, this, &TfrmPlot::cmdPrintClick);
    connect(cmdClose, &QPushButton::clicked, this, &TfrmPlot::cmdCloseClick);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSaveImage);
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdClose);
    auto* contents = new QWidget;
    auto* layout = new QVBoxLayout(contents);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(Plot_view, 1);
    layout->addLayout(buttons);
    buttons->setContentsMargins(8, 0, 8, 0);
    // Sized and placed as the other windows: about 800 x 500 where that fits
    // the screen, else as large as fits; its title bar keeps the platform's
    // buttons, resizing included.
    new Client_area(*this, contents->sizeHint(), 0, contents->minimumSizeHint(), contents);
    Place_on_screen(*this);
    Return_presses_buttons(*this);
}

void TfrmPlot::Comparison_made(const Comparison_request& request, const Comparison_result& result)
{
    Plot_subject subject = Program_plot_subject(request, result, decimal_separator_);
    // Laid out once here, so that a comparison the picture cannot show is
    // reported once, to the caller, and never from a paint at every redraw;
    // the window keeps the previous picture then.
    Lay_out_plot(subject, View_width, View_height);
    subject_ = std::move(subject);
    const QString description = QString::fromStdString(Texts_for(*subject_).Description);
    Plot_view->setAccessibleDescription(description);
    setAccessibleDescription(description);
    Plot_view->update();
    emit Comparison_available();
}

void TfrmPlot::Show_window()
{
    show();
    raise();
    activateWindow();
    cmdSaveImage->setFocus(Qt::OtherFocusReason);
}

void TfrmPlot::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdCloseClick();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TfrmPlot::cmdSaveImageClick()
{
    if (!subject_)
        return;
    const std::optional<std::string> name = Completed_save_name(
        platform_, platform_.Ask_save_file_name_for(last_image_name_, Image_file_filter()), Default_image_extension);
    if (!name)
        return;
    last_image_name_ = *name;
    Save_plot_image(QString::fromStdString(*name), *subject_);
}

void TfrmPlot::cmdPrintClick()
{
    if (subject_)
        printer_.Print(*subject_);
}

void TfrmPlot::cmdCloseClick()
{
    close();
}
