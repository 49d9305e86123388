// The worksheet: the program's main window, where the user enters the
// controls' SD and sample size and the two cases' scores, writes notes and
// chooses the credible limits. "Compute" checks the entries with the input
// routines, saves the control data, runs the comparison and appends the
// report to the results viewer, which then takes the worksheet's place.
//
// The controls are built in code at the positions of a 96 dpi screen; each
// control's objectName is its name. Handlers are named after the control and
// the event; no handler catches exceptions, the application reports them.
#pragma once

#include <QWidget>

#include <array>

#include "Control_data.h"
#include "Control_data_file.h"
#include "Comparison.h"

class Comparison_listener;
class Platform;
class Results_window;
struct Worksheet_report;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// The worksheet's fixed configuration. Correlation-matrix entry and the item
// grid are switched off in this program, so their controls are not built.
struct Worksheet_configuration {
    int Input_count = 4;     // input slots shown
    int Restored_count = Restored_slot_count;  // leading slots restored from the data file
};

class TfrmTemplate : public QWidget {
    Q_OBJECT

public:
    static constexpr int Slot_count = 8;

    // data_directory: the folder of the control data file (the executable's
    // folder for the program, a temporary one for tests); decimal_separator:
    // the user's, for the numbers in messages and reports.
    TfrmTemplate(Platform& platform, Results_window& results, const QString& data_directory,
                 char decimal_separator, QWidget* parent = nullptr);

    // The window told about each comparison that "Compute" reports (none
    // when null).
    void Set_comparison_listener(Comparison_listener* listener);

    void cmdComputeClick();
    void btnclearDataClick();
    void ExitBtnClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Build_controls();
    void Build_input_slots(QFrame& panel);
    void Build_tab_order();

    void FormCreate();
    void FormShow();
    void DescripFldChange();
    void LoadPreviousData();
    void SaveCurrentData();
    void Show_configured_slots();

    // The key-typed and key-released events, alike for all eight input fields
    // (the event filter passes the field); KeyPress returns true when it has
    // consumed the keystroke.
    bool txtInput1KeyPress(QLineEdit& field, const QKeyEvent& event);
    void txtInput1KeyUp(QLineEdit& field);

    void memoCommentsEnter();
    void memoCommentsKeyUp(const QKeyEvent& event);
    void memoCommentsExit();

    Limits Chosen_limits() const;
    void Show_report(const Worksheet_report& report);

    const Worksheet_configuration Worksheet_config{};
    Platform& platform_;
    Results_window& results_;
    Comparison_listener* comparison_listener_ = nullptr;
    Control_data_file data_file_;
    const char decimal_separator_;

    QPlainTextEdit* DescripFld = nullptr;
    QFrame* Panel3 = nullptr;
    QLabel* lblComments = nullptr;
    QPlainTextEdit* memoComments = nullptr;
    QFrame* Panel1 = nullptr;
    QGroupBox* RadioGroup1 = nullptr;
    std::array<QRadioButton*, 3> radio_items_{};
    std::array<QLabel*, Slot_count> labels_{};     // Label1 .. Label8
    std::array<QLineEdit*, Slot_count> inputs_{};  // txtInput1 .. txtInput7, txtinput8
    QFrame* pan1 = nullptr;
    QPushButton* cmdCompute = nullptr;
    QPushButton* btnclearData = nullptr;
    QPushButton* ExitBtn = nullptr;
};
