// The worksheet under the keyboard: the whole text of an input field is
// selected when the program or Tab puts the focus there (so the next typed
// score replaces the old one), a mouse click places the cursor, Return and
// the keypad's Enter press the focused button or, in an input field,
// "Compute", and Ctrl+Tab types a tab into the notes.
#include <QSignalSpy>

#include <functional>

#include "Rendering_check.h"
#include "Worksheet_fixture.h"

namespace {

using Keyboard = Worksheet_fixture;

// Types into whichever control has the focus, as the user does.
void Type_into_focus(const QString& keys)
{
    QTest::keyClicks(QApplication::focusWidget(), keys);
}

TEST_F(Keyboard, NextCaseTypedAfterReturningReplacesTheOldScore)
{
    Start();
    Compute("10", "20", "50", "30");
    ASSERT_TRUE(results->isVisible());
    Click(*results, "cmdReturn");
    // The focus that the worksheet gives its field when it is shown, which
    // the field holds once the window manager activates the window.
    QWidget* focus = worksheet->focusWidget();
    ASSERT_NE(focus, nullptr);
    ASSERT_EQ(focus->objectName(), "txtInput3");
    EXPECT_EQ(Field("txtInput3")->selectedText(), "50");
    QTest::keyClicks(focus, "62");
    EXPECT_EQ(Field("txtInput3")->text(), "62");
    Click(*worksheet, "cmdCompute");
    EXPECT_TRUE(Result_lines().contains(" Test score for Case A= 62"));
    EXPECT_FALSE(Result_lines().contains(" Test score for Case A= 5062"));
}

TEST_F(Keyboard, FieldRefusedByComputeIsSelectedForRetyping)
{
    Start();
    Compute("0", "20", "50", "30");
    ASSERT_EQ(platform.Warnings.size(), 1u);
    ASSERT_EQ(Focus_name(), "txtInput1");
    Type_into_focus("12");
    EXPECT_EQ(Field("txtInput1")->text(), "12");
}

TEST_F(Keyboard, RestoredControlsPutTheFocusInAnEmptyCaseA)
{
    Write_data_file("15.5 20 45 52     ");
    Start();
    ASSERT_EQ(Focus_name(), "txtInput3");
    Type_into_focus("45");
    EXPECT_EQ(Field("txtInput3")->text(), "45");
}

struct Way_in {
    const char* Name;
    const char* From;
    std::function<void(QLineEdit&)> Enter;  // moves the focus from `From` into txtInput2
    bool Selects;
};

void PrintTo(const Way_in& row, std::ostream* out)
{
    *out << row.Name;
}

class Ways_into_a_field : public Worksheet_fixture, public ::testing::WithParamInterface<Way_in> {};

TEST_P(Ways_into_a_field, SelectTheWholeTextUnlessTheMouseClicks)
{
    Start();
    Type("txtInput2", "1234");
    Field(GetParam().From)->setFocus();
    GetParam().Enter(*Field("txtInput2"));
    ASSERT_EQ(Focus_name(), "txtInput2");
    EXPECT_EQ(Field("txtInput2")->selectedText(), GetParam().Selects ? "1234" : "");
    Type_into_focus("9");
    EXPECT_EQ(Field("txtInput2")->text().size(), GetParam().Selects ? 1 : 5);
}

INSTANTIATE_TEST_SUITE_P(
    Focus, Ways_into_a_field,
    ::testing::Values(
        Way_in{"TabFromSd", "txtInput1", [](QLineEdit&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); },
               true},
        Way_in{"ShiftTabFromCaseA", "txtInput3",
               [](QLineEdit&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier); },
               true},
        Way_in{"MouseClick", "txtInput1",
               [](QLineEdit& field) { QTest::mouseClick(&field, Qt::LeftButton, {}, QPoint(6, field.height() / 2)); },
               false}),
    [](const auto& info) { return std::string(info.param.Name); });

struct Button_key {
    const char* Button;
    Qt::Key Key;
    Qt::KeyboardModifiers Modifiers;
    const char* Name;
};

void PrintTo(const Button_key& row, std::ostream* out)
{
    *out << row.Name;
}

class Button_keys : public Worksheet_fixture, public ::testing::WithParamInterface<Button_key> {};

TEST_P(Button_keys, PressTheFocusedButton)
{
    Start();
    auto* button = Find<QPushButton>(*worksheet, GetParam().Button);
    QSignalSpy clicked(button, &QPushButton::clicked);
    button->setFocus();
    QTest::keyClick(button, GetParam().Key, GetParam().Modifiers);
    EXPECT_EQ(clicked.count(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Worksheet, Button_keys,
    ::testing::Values(Button_key{"cmdCompute", Qt::Key_Return, Qt::NoModifier, "ComputeReturn"},
                      Button_key{"cmdCompute", Qt::Key_Enter, Qt::KeypadModifier, "ComputeKeypadEnter"},
                      Button_key{"btnclearData", Qt::Key_Return, Qt::NoModifier, "ClearDataReturn"},
                      Button_key{"btnclearData", Qt::Key_Enter, Qt::KeypadModifier, "ClearDataKeypadEnter"},
                      Button_key{"ExitBtn", Qt::Key_Return, Qt::NoModifier, "ExitReturn"},
                      Button_key{"ExitBtn", Qt::Key_Enter, Qt::KeypadModifier, "ExitKeypadEnter"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(Keyboard, ComputeByReturnMakesTheReport)
{
    Start();
    Type_entries("10", "20", "50", "30");
    // From Case B: Tab to the radio group, the notes and the Compute button.
    for (int step = 0; step < 3; ++step)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(Focus_name(), "cmdCompute");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(results->isVisible());
    EXPECT_TRUE(Result_lines().contains(" Test score for Case A= 50"));
}

struct Field_key {
    const char* Field;
    Qt::Key Key;
    Qt::KeyboardModifiers Modifiers;
    const char* Name;
};

void PrintTo(const Field_key& row, std::ostream* out)
{
    *out << row.Name;
}

class Enter_in_a_field : public Worksheet_fixture, public ::testing::WithParamInterface<Field_key> {};

TEST_P(Enter_in_a_field, PressesCompute)
{
    Start();
    Type_entries("10", "20", "50", "30");
    QLineEdit* field = Field(GetParam().Field);
    field->setFocus();
    QTest::keyClick(field, GetParam().Key, GetParam().Modifiers);
    EXPECT_TRUE(results->isVisible());
    EXPECT_FALSE(worksheet->isVisible());
    EXPECT_TRUE(Result_lines().contains(" Test score for Case B= 30"));
}

INSTANTIATE_TEST_SUITE_P(
    Worksheet, Enter_in_a_field,
    ::testing::Values(Field_key{"txtInput1", Qt::Key_Return, Qt::NoModifier, "SdReturn"},
                      Field_key{"txtInput2", Qt::Key_Enter, Qt::KeypadModifier, "NKeypadEnter"},
                      Field_key{"txtInput3", Qt::Key_Return, Qt::NoModifier, "CaseAReturn"},
                      Field_key{"txtInput4", Qt::Key_Enter, Qt::KeypadModifier, "CaseBKeypadEnter"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(Keyboard, ReturnInAnUnfinishedWorksheetIsRefusedAsComputeRefuses)
{
    Start();
    Type("txtInput1", "10");
    QTest::keyClick(Field("txtInput1"), Qt::Key_Return);
    EXPECT_TRUE(worksheet->isVisible());
    EXPECT_EQ(platform.Warnings.size(), 1u);
    EXPECT_EQ(Focus_name(), "txtInput2");
    EXPECT_EQ(Field("txtInput1")->text(), "10");
}

TEST_F(Keyboard, ReturnInTheNotesStartsANewLine)
{
    Start();
    Type_entries("10", "20", "50", "30");
    Notes()->setFocus();
    QTest::keyClicks(Notes(), "a");
    QTest::keyClick(Notes(), Qt::Key_Return);
    QTest::keyClick(Notes(), Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClicks(Notes(), "b");
    EXPECT_EQ(Notes()->toPlainText(), "a\n\nb");
    EXPECT_TRUE(worksheet->isVisible());
}

TEST_F(Keyboard, ControlTabTypesATabIntoTheNotes)
{
    Start();
    Notes()->setFocus();
    QTest::keyClicks(Notes(), "a");
    QTest::keyClick(Notes(), Qt::Key_Tab, Qt::ControlModifier);
    QTest::keyClicks(Notes(), "b");
    EXPECT_EQ(Notes()->toPlainText(), "a\tb");
    EXPECT_EQ(Focus_name(), "memoComments");
}

TEST_F(Keyboard, FocusedButtonIsPlainlyFramed)
{
    Start();
    for (const char* name : {"cmdCompute", "btnclearData", "ExitBtn"}) {
        auto* button = Find<QPushButton>(*worksheet, name);
        // At least a ring of one pixel all round the button changes plainly.
        EXPECT_GE(Pixels_changed_by_focus(*button, *Field("txtInput1")), 2 * (button->width() + button->height()))
            << name;
    }
}

}  // namespace
