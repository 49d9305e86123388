// The results viewer: one editable, scrolling text to which every successful
// "Compute" appends its report. From here the user saves the text to a file,
// clears it, prints all of it or the selection, saves it as a PDF document,
// asks for the plot or the summary of the last comparison, returns to the worksheet or
// leaves the program. The window lives from start-up to the end and is only
// shown and hidden, so its text survives a return to the worksheet.
#pragma once

#include <QWidget>

#include <string>
#include <vector>

#include "Results_window.h"

class Platform;
class Results_printer;
class QAction;
class QMenu;
class QMenuBar;
class QFrame;
class QPlainTextEdit;
class QPushButton;

class TfrmTemplateResults : public QWidget, public Results_window {
    Q_OBJECT

public:
    TfrmTemplateResults(Platform& platform, Results_printer& printer, QWidget* parent = nullptr);

    bool Holds_a_line() const override;
    void Show_window() override;
    void Set_caption(const std::string& caption) override;
    void Append_lines(const std::vector<std::string>& lines) override;

    void cmdSaveOutputClick();
    void cmdClearResultsClick();
    void cmdReturnClick();
    void cmdExitClick();
    void mnuPrintClick();
    void mnuPrintSelectionClick();
    void mnuSavePdfClick();
    void mnuPlotClick();
    void mnuSummaryClick();

    // A comparison has been made: "Plot of the last comparison..." can show it.
    void Enable_plot();
    // ... and "Summary of the last comparison..." can show its summary.
    void Enable_summary();

signals:
    // "Return to Worksheet": the viewer has hidden itself; the worksheet shows.
    void Worksheet_requested();
    // "Plot of the last comparison...": the plot window is to be shown.
    void Plot_requested();
    // "Summary of the last comparison...": the summary window is to be shown.
    void Summary_requested();

protected:
    void showEvent(QShowEvent* event) override;
    // The viewer has no close box; a close asked for all the same (a window
    // manager's own close button, Alt+F4, a taskbar menu) returns to the
    // worksheet as "Return to Worksheet" does: the program leaves only through
    // "Exit" with its confirmation, so the results are never lost by a close.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Build_controls();
    void Lay_out_controls(QSize client);
    void FormCreate();
    void FormShow();

    Platform& platform_;
    Results_printer& printer_;

    QMenuBar* MainMenu1 = nullptr;
    QMenu* File1 = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuPrintSelection = nullptr;
    QAction* mnuSavePdf = nullptr;
    QMenu* mnuView = nullptr;
    QAction* mnuPlot = nullptr;
    QAction* mnuSummary = nullptr;
    QFrame* Panel1 = nullptr;
    QPlainTextEdit* memoResults = nullptr;
    QFrame* Panel2 = nullptr;
    QPushButton* cmdSaveOutput = nullptr;
    QPushButton* cmdClearResults = nullptr;
    QPushButton* cmdReturn = nullptr;
    QPushButton* cmdExit = nullptr;
    bool Exit_confirmed = false;
};
