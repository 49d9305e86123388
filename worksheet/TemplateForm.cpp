#include "TemplateForm.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <algorithm>
#include <sstream>
#include <variant>

#include "Comparison_listener.h"
#include "Control_data.h"
#include "Description_text.h"
#include "Metrics_Papers.h"
#include "Notes_box.h"
#include "Platform.h"
#include "Program_strings.h"
#include "Qt_text.h"
#include "Results_window.h"
#include "Window_keys.h"
#include "Window_placement.h"
#include "Worksheet_compute.h"

namespace {

// The description box gets a scroll bar from this length on.
constexpr int Description_scroll_length = 551;
// Heights of the notes box at rest and while the user works in it.
constexpr int Notes_height_at_rest = 25;
constexpr int Notes_height_in_use = 70;

}  // namespace

TfrmTemplate::TfrmTemplate(Platform& platform, Results_window& results, const QString& data_directory,
                           char decimal_separator, QWidget* parent)
    : QWidget(parent),
      platform_(platform),
      results_(results),
      data_file_(data_directory),
      decimal_separator_(decimal_separator)
{
    Build_controls();
    FormCreate();
    Place_on_screen(*this);
}

void TfrmTemplate::FormCreate()
{
    memoComments->clear();
    for (QLineEdit* field : inputs_)
        field->clear();
    setWindowTitle(Qt_text(Program_title));
    DescripFld->setPlainText(Qt_text(Description_text()));
    for (std::size_t slot = 0; slot < Input_captions.size(); ++slot) {
        labels_[slot]->setText(Qt_text(Input_captions[slot]));
        inputs_[slot]->setAccessibleName(labels_[slot]->text());
    }
    lblComments->setText(Qt_text(Notes_caption));
    lblComments->adjustSize();
    RadioGroup1->setTitle(Qt_text(Limits_choice_caption));
    radio_items_[0]->setChecked(true);

    // Creation runs outside the event loop, so a failed read of the control
    // data is reported here as the application reports a handler's error;
    // start-up goes on with whatever was restored before the failure.
    try {
        LoadPreviousData();
    } catch (const std::exception& error) {
        platform_.Show_error(Error_report_text(error.what()));
    }
}

void TfrmTemplate::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmTemplate::FormShow()
{
    if (inputs_[0]->text().isEmpty()) {
        Focus_input(*inputs_[0]);
        return;
    }
    raise();
    activateWindow();
    // The first slot after the restored control data: Case A's score.
    QLineEdit* first_case = inputs_[Worksheet_config.Restored_count];
    Focus_input(first_case->isHidden() ? *inputs_[Worksheet_config.Restored_count - 1] : *first_case);
}

void TfrmTemplate::DescripFldChange()
{
    const bool long_text = DescripFld->toPlainText().size() >= Description_scroll_length;
    DescripFld->setVerticalScrollBarPolicy(long_text ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TfrmTemplate::Show_configured_slots()
{
    for (int slot = 0; slot < Slot_count; ++slot) {
        labels_[slot]->setVisible(slot < Worksheet_config.Input_count);
        inputs_[slot]->setVisible(slot < Worksheet_config.Input_count);
    }
}

void TfrmTemplate::LoadPreviousData()
{
    // The slot visibility comes first, so that a failed read cannot leave the
    // spare slots showing.
    Show_configured_slots();
    const std::optional<std::string> contents = data_file_.Read();
    if (!contents)
        return;
    std::istringstream numbers(*contents);
    for (int slot = 0; slot < Worksheet_config.Restored_count; ++slot)
        inputs_[slot]->setText(QString::fromStdString(Restored_text(Read_control_number(numbers))));
}

void TfrmTemplate::SaveCurrentData()
{
    std::array<std::string, Slot_count> entries;
    for (int slot = 0; slot < Slot_count; ++slot)
        entries[slot] = inputs_[slot]->text().toStdString();
    data_file_.Save(entries);
}

Limits TfrmTemplate::Chosen_limits() const
{
    const auto checked = std::ranges::find_if(radio_items_, [](const QRadioButton* item) { return item->isChecked(); });
    return Limits_of_item(static_cast<int>(checked - radio_items_.begin()));
}

void TfrmTemplate::cmdComputeClick()
{
    const auto text = [this](int slot) { return inputs_[slot]->text().toStdString(); };
    const Worksheet_outcome outcome = Compute_on_worksheet({.Texts = {text(0), text(1), text(2), text(3)},
                                                            .Limits_kind = Chosen_limits(),
                                                            .Notes_lines = Displayed_lines(*memoComments),
                                                            .Results_hold_a_line = results_.Holds_a_line(),
                                                            .Decimal_separator = decimal_separator_},
                                                           [this] { SaveCurrentData(); });
    if (const auto* refusal = std::get_if<Input_refusal>(&outcome)) {
        platform_.Show_warning(refusal->Message);
        Focus_input(*inputs_[static_cast<std::size_t>(refusal->Field)]);
        return;
    }
    Show_report(std::get<Worksheet_report>(outcome));
}

void TfrmTemplate::Show_report(const Worksheet_report& report)
{
    results_.Show_window();
    hide();
    results_.Set_caption("Results viewer: " + std::string(Program_title));
    results_.Append_lines(report.Lines);
    if (comparison_listener_ != nullptr)
        comparison_listener_->Comparison_made(report.Request, report.Result);
}

void TfrmTemplate::Set_comparison_listener(Comparison_listener* listener)
{
    comparison_listener_ = listener;
}

void TfrmTemplate::btnclearDataClick()
{
    for (QLineEdit* field : inputs_)
        field->clear();
    memoComments->clear();
    data_file_.Remove();
    Focus_input(*inputs_[0]);
}

void TfrmTemplate::ExitBtnClick()
{
    if (platform_.Confirm("Exit from program?"))
        QCoreApplication::quit();
}

bool TfrmTemplate::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == memoComments) {
        if (event->type() == QEvent::FocusIn)
            memoCommentsEnter();
        else if (event->type() == QEvent::FocusOut)
            memoCommentsExit();
        else if (event->type() == QEvent::KeyRelease)
            memoCommentsKeyUp(static_cast<const QKeyEvent&>(*event));
        return false;
    }
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (field != nullptr && std::ranges::find(inputs_, field) != inputs_.end()) {
        // The event is a QKeyEvent only for these two types.
        if (event->type() == QEvent::KeyPress)
            return txtInput1KeyPress(*field, static_cast<const QKeyEvent&>(*event));
        // An auto-repeating key is released only once, when the user lets go.
        if (event->type() == QEvent::KeyRelease && !static_cast<const QKeyEvent&>(*event).isAutoRepeat())
            txtInput1KeyUp(*field);
    }
    return QWidget::eventFilter(watched, event);
}

bool TfrmTemplate::txtInput1KeyPress(QLineEdit& field, const QKeyEvent& event)
{
    // Keys that type no character (arrows, Home, Delete, Shift+Tab, the
    // modifiers) are editing keys and pass untouched.
    const QString typed = event.text();
    if (typed.isEmpty() || event.key() == Qt::Key_Delete || event.key() == Qt::Key_Backtab)
        return false;
    QString accepted;
    for (const QChar character : typed) {
        // A character outside ASCII can be no part of a number: it reaches
        // the filter as code 0, which the filter refuses like a letter.
        const char key = character.unicode() < 128 ? static_cast<char>(character.unicode()) : '\0';
        const char result = Filter_numeric_key(platform_, key);
        if (result != '\0')
            accepted += QChar(result);
    }
    if (accepted == typed)
        return false;
    field.insert(accepted);
    return true;
}

void TfrmTemplate::txtInput1KeyUp(QLineEdit& field)
{
    if (field.text().size() <= static_cast<qsizetype>(Maximum_input_length))
        return;
    field.setText(QString::fromStdString(Limit_input_length(platform_, field.text().toStdString())));
    field.selectAll();
}

void TfrmTemplate::memoCommentsEnter()
{
    if (Displayed_lines(*memoComments).size() > 1)
        memoComments->resize(memoComments->width(), Notes_height_in_use);
}

void TfrmTemplate::memoCommentsKeyUp(const QKeyEvent& event)
{
    const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    if (enter || Displayed_lines(*memoComments).size() > 1)
        memoComments->resize(memoComments->width(), Notes_height_in_use);
}

void TfrmTemplate::memoCommentsExit()
{
    memoComments->resize(memoComments->width(), Notes_height_at_rest);
}
