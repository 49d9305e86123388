// The worksheet's layout, key handling, notes box, "Clear Data " and "Exit",
// driven through real key and mouse events.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTimer>

#include <algorithm>

#include "Event_loop.h"

#include "Worksheet_fixture.h"

namespace {

using Worksheet = Worksheet_fixture;

TEST_F(Worksheet, FixedWindowWithCaptionsFontsAndSpareSlotsHidden)
{
    Start();
    EXPECT_EQ(worksheet->size(), QSize(792, 573));
    EXPECT_EQ(worksheet->minimumSize(), worksheet->maximumSize());
    EXPECT_FALSE(worksheet->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(worksheet->windowTitle().toStdString(), std::string(Program_title));
    const char* const captions[] = {"Standard deviation of scores in the control sample:",
                                    "Sample size of the control sample:", "Test score for Case A:",
                                    "Test score for Case B:"};
    for (int slot = 0; slot < 4; ++slot) {
        const QString label = QString("Label%1").arg(slot + 1);
        const QString field = QString("txtInput%1").arg(slot + 1);
        EXPECT_EQ(Find<QLabel>(*worksheet, label.toLatin1())->text(), captions[slot]);
        EXPECT_EQ(Field(field.toLatin1())->accessibleName(), captions[slot]);
        EXPECT_TRUE(Field(field.toLatin1())->font().bold());
        EXPECT_TRUE(Field(field.toLatin1())->isVisible());
    }
    for (const char* spare : {"txtInput5", "txtInput6", "txtInput7", "txtinput8", "Label8"})
        EXPECT_FALSE(Find<QWidget>(*worksheet, spare)->isVisible()) << spare;
    EXPECT_EQ(Find<QPushButton>(*worksheet, "btnclearData")->text(), "Clear Data ");
    EXPECT_TRUE(Find<QPushButton>(*worksheet, "cmdCompute")->font().bold());
    EXPECT_EQ(Find<QLabel>(*worksheet, "lblComments")->text(), "User's Notes:");
    EXPECT_EQ(Find<QGroupBox>(*worksheet, "RadioGroup1")->title(), "95% limits required...");
    EXPECT_TRUE(Find<QRadioButton>(*worksheet, "RadioGroup1_0")->isChecked());
    EXPECT_EQ(Notes()->font().pixelSize(), 12);
    EXPECT_TRUE(QFontInfo(Notes()->font()).fixedPitch());
    // The description text is long enough to need its scroll bar.
    auto* description = Find<QPlainTextEdit>(*worksheet, "DescripFld");
    EXPECT_TRUE(description->toPlainText().startsWith(
        "This program (VORAN.exe) is one of five programs that accompany the paper by "));
    EXPECT_EQ(description->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(description->focusPolicy(), Qt::NoFocus);
}

TEST_F(Worksheet, TabFollowsTheWorksheetOrderAndLeavesTheNotes)
{
    Start();
    Field("txtInput1")->setFocus();
    std::vector<std::string> visited{Focus_name()};
    for (int step = 0; step < 8; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(Focus_name());
    }
    const std::vector<std::string> expected{"txtInput1",   "txtInput2",  "txtInput3",
                                            "txtInput4",   "RadioGroup1_0", "memoComments",
                                            "cmdCompute",  "btnclearData", "ExitBtn"};
    EXPECT_EQ(visited, expected);
}

struct Typing_case {
    const char* Name;
    QString Keys;
    QString Text;   // the field's text afterwards
    int Refusals;   // beeps, each with the numeric-only message
};

class Key_filter : public Worksheet_fixture, public ::testing::WithParamInterface<Typing_case> {};

TEST_P(Key_filter, PassesOnlyWhatCanMakeANumber)
{
    Start();
    Type("txtInput3", GetParam().Keys);
    EXPECT_EQ(Field("txtInput3")->text(), GetParam().Text);
    EXPECT_EQ(platform.Beeps, GetParam().Refusals);
    ASSERT_EQ(platform.Warnings.size(), static_cast<std::size_t>(GetParam().Refusals));
    for (const std::string& warning : platform.Warnings)
        EXPECT_EQ(warning, "INPUT ERROR\r\rEnter numeric data only.");
}

INSTANTIATE_TEST_SUITE_P(
    Typing, Key_filter,
    ::testing::Values(Typing_case{"DigitsAndPoint", "-4.5", "-4.5", 0},
                      Typing_case{"CommaBecomesPoint", "3,5", "3.5", 0},
                      Typing_case{"LetterRefused", "1a2", "12", 1},
                      Typing_case{"BlankRefused", "1 2", "12", 1},
                      Typing_case{"NonAsciiRefused", QString::fromUtf8("1\xC3\xA9" "2"), "12", 1},
                      Typing_case{"SeveralPointsPass", "1..2", "1..2", 0}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(Worksheet, ControlCharactersOfShortcutsAreRefused)
{
    Start();
    Type("txtInput1", "12");
    QTest::keyClick(Field("txtInput1"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Field("txtInput1")->text(), "12");
    EXPECT_EQ(platform.Beeps, 1);
    // Editing keys type no character and pass untouched.
    QTest::keyClick(Field("txtInput1"), Qt::Key_Backspace);
    QTest::keyClick(Field("txtInput1"), Qt::Key_Home);
    QTest::keyClick(Field("txtInput1"), Qt::Key_Delete);
    EXPECT_EQ(Field("txtInput1")->text(), "");
    EXPECT_EQ(platform.Beeps, 1);
}

TEST_F(Worksheet, SeventhCharacterIsCutAndTheTextSelected)
{
    Start();
    Type("txtInput2", "1234567");
    EXPECT_EQ(Field("txtInput2")->text(), "123456");
    EXPECT_EQ(Field("txtInput2")->selectedText(), "123456");
    EXPECT_EQ(platform.Warnings, std::vector<std::string>{"Maximum length of input is 6 characters."});
    EXPECT_EQ(platform.Beeps, 1);
    // The next key replaces the selected text; other fields keep their own limit.
    QTest::keyClicks(Field("txtInput2"), "9");
    EXPECT_EQ(Field("txtInput2")->text(), "9");
    Type("txtInput4", "123456");
    EXPECT_EQ(Field("txtInput4")->text(), "123456");
    EXPECT_EQ(platform.Warnings.size(), 1u);
}

TEST_F(Worksheet, LongTextPutThereOtherwiseStaysUntilAKeyRelease)
{
    Start();
    Field("txtInput1")->setText("12345678");
    EXPECT_EQ(Field("txtInput1")->text(), "12345678");
    Field("txtInput1")->setFocus();
    QTest::keyClick(Field("txtInput1"), Qt::Key_End);
    EXPECT_EQ(Field("txtInput1")->text(), "123456");
}

TEST_F(Worksheet, NotesBoxGrowsWhileInUseAndShrinksOnLeaving)
{
    Start();
    Notes()->setFocus();
    EXPECT_EQ(Notes()->height(), 25);
    QTest::keyClicks(Notes(), "one line");
    EXPECT_EQ(Notes()->height(), 25);
    QTest::keyClick(Notes(), Qt::Key_Return);
    EXPECT_EQ(Notes()->height(), 70);
    EXPECT_EQ(Notes()->toPlainText(), "one line\n");
    QTest::keyClick(Notes(), Qt::Key_Tab);
    EXPECT_EQ(Focus_name(), "cmdCompute");
    EXPECT_EQ(Notes()->height(), 25);
    // Back in the box: a single line followed by a line break counts as one.
    Notes()->setFocus();
    EXPECT_EQ(Notes()->height(), 25);
    QTest::keyClicks(Notes(), "second");
    EXPECT_EQ(Notes()->height(), 70);
    Field("txtInput1")->setFocus();
    EXPECT_EQ(Notes()->height(), 25);
    Notes()->setFocus();
    EXPECT_EQ(Notes()->height(), 70);
}

// Whether any pixel in the rows [top, bottom) of an image is darker than
// half grey: the ink of a line of text.
bool Ink_in_rows(const QImage& image, int top, int bottom)
{
    for (int y = std::max(top, 0); y < std::min(bottom, image.height()); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                return true;
    return false;
}

TEST_F(Worksheet, NotesShrunkBackShowWholeLinesOnly)
{
    Start();
    Notes()->setFocus();
    QTest::keyClicks(Notes(), "first line");
    QTest::keyClick(Notes(), Qt::Key_Return);
    QTest::keyClicks(Notes(), "second line");
    // Tab is pressed in the notes and released on the button it moved to.
    QTest::keyPress(Notes(), Qt::Key_Tab);
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(Notes()->height(), 25);

    QWidget* viewport = Notes()->viewport();
    QTextCursor second(Notes()->document()->lastBlock());
    const QRect second_line = Notes()->cursorRect(second);
    ASSERT_LT(second_line.top(), viewport->height()) << "the second line does not reach into view";
    ASSERT_GT(second_line.bottom(), viewport->height()) << "the second line fits whole";
    const QImage shown = viewport->grab().toImage();
    EXPECT_TRUE(Ink_in_rows(shown, 0, second_line.top())) << "the first line is not shown";
    EXPECT_FALSE(Ink_in_rows(shown, second_line.top(), viewport->height())) << "the second line is shown cut";

    // Scrolled down a line, the second line shows whole.
    Notes()->verticalScrollBar()->setValue(1);
    const QRect scrolled = Notes()->cursorRect(second);
    ASSERT_GE(scrolled.top(), 0);
    EXPECT_TRUE(Ink_in_rows(viewport->grab().toImage(), scrolled.top(), scrolled.bottom()));
}

TEST_F(Worksheet, NotesHoldAtMost250Characters)
{
    Start();
    Notes()->setFocus();
    QTest::keyClicks(Notes(), QString(248, 'x'));
    QTest::keyClicks(Notes(), "abcd");
    EXPECT_EQ(Notes()->toPlainText(), QString(248, 'x') + "ab");
    Notes()->insertPlainText("pasted");
    EXPECT_EQ(Notes()->toPlainText().size(), 250);
}

TEST_F(Worksheet, FirstRunStartsEmptyWithTheFocusOnTheSd)
{
    Start();
    for (const char* field : {"txtInput1", "txtInput2", "txtInput3", "txtInput4"})
        EXPECT_EQ(Field(field)->text(), "") << field;
    EXPECT_EQ(Focus_name(), "txtInput1");
    EXPECT_TRUE(platform.Errors.empty());
}

TEST_F(Worksheet, ClearDataEmptiesTheFieldsAndDeletesTheFile)
{
    Write_data_file("15.5 20 45 52     ");
    Start();
    EXPECT_EQ(Field("txtInput1")->text(), "15.5");
    Type("txtInput3", "45");
    Notes()->setPlainText("a note");
    QTest::mouseClick(Find<QRadioButton>(*worksheet, "RadioGroup1_2"), Qt::LeftButton);
    Click(*worksheet, "btnclearData");
    for (const char* field : {"txtInput1", "txtInput2", "txtInput3", "txtInput4"})
        EXPECT_EQ(Field(field)->text(), "") << field;
    EXPECT_EQ(Notes()->toPlainText(), "");
    EXPECT_FALSE(QFile::exists(Data_path()));
    EXPECT_EQ(Focus_name(), "txtInput1");
    EXPECT_TRUE(Find<QRadioButton>(*worksheet, "RadioGroup1_2")->isChecked());
    // An absent file is no error.
    Click(*worksheet, "btnclearData");
    EXPECT_TRUE(platform.Errors.empty());
}

TEST_F(Worksheet, ExitAnsweredNoChangesNothing)
{
    Start();
    Type("txtInput1", "10");
    platform.Answers = {false};
    EXPECT_EQ(Exit_code_around([this] { Click(*worksheet, "ExitBtn"); }), 42);
    EXPECT_EQ(platform.Questions, std::vector<std::string>{"Exit from program?"});
    EXPECT_TRUE(worksheet->isVisible());
    EXPECT_EQ(Field("txtInput1")->text(), "10");
}

TEST_F(Worksheet, ExitAnsweredYesEndsTheProgram)
{
    Start();
    platform.Answers = {true};
    EXPECT_EQ(Exit_code_around([this] { Click(*worksheet, "ExitBtn"); }), 0);
    EXPECT_EQ(platform.Questions, std::vector<std::string>{"Exit from program?"});
    EXPECT_FALSE(worksheet->isVisible());
    EXPECT_FALSE(QFile::exists(Data_path()));
}

TEST_F(Worksheet, ClosingTheWorksheetEndsTheProgramWithoutAsking)
{
    Start();
    EXPECT_EQ(Exit_code_around([this] { worksheet->close(); }), 0);
    EXPECT_TRUE(platform.Questions.empty());
}

}  // namespace
