// The plot window: the picture of the most recent comparison, redrawn at
// every size and scale, with "Save Image..." (PNG or SVG by the name's
// extension, PNG for a name without one), "Print" (the default printer) and
// "Close" (also Escape); it opens with the focus on "Save Image...". The worksheet tells
// it of each comparison through Comparison_listener; the program connects it
// to the results viewer's "View" menu. Its accessible description states the
// picture's numbers in one sentence.
#pragma once

#include <QWidget>

#include <optional>
#include <string>

#include "Comparison_listener.h"
#include "Plot_image_file.h"
#include "Plot_subject.h"

class Picture_printer;
class Platform;
class QPushButton;

class TfrmPlot : public QWidget, public Comparison_listener {
    Q_OBJECT

public:
    // decimal_separator: the user's, for every number in the picture.
    TfrmPlot(Platform& platform, Picture_printer& printer, char decimal_separator, QWidget* parent = nullptr);

    // Raises the layout's error, keeping the previous picture, when the
    // comparison's numbers cannot be drawn (not finite).
    void Comparison_made(const Comparison_request& request, const Comparison_result& result) override;

    // Shows the window in front, with the picture of the last comparison and
    // the focus on "Save Image...".
    void Show_window();

    void cmdSaveImageClick();
    void cmdPrintClick();
    void cmdCloseClick();

    // The picture's comparison; empty before the first.
    const std::optional<Plot_subject>& Subject() const { return subject_; }

protected:
    // Escape closes the window, as its "Close" does.
    void keyPressEvent(QKeyEvent* event) override;

signals:
    // A comparison has arrived: the window has a picture to show.
    void Comparison_available();

private:
    Platform& platform_;
    Picture_printer& printer_;
    const char decimal_separator_;
    std::optional<Plot_subject> subject_;
    // The save dialog proposes the name chosen last.
    std::string last_image_name_ = Proposed_image_name(Image_format::Png);

    QWidget* Plot_view = nullptr;
    QPushButton* cmdSaveImage = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdClose = nullptr;
};
