// The results viewer: appending, saving, clearing, printing, returning and
// leaving, driven through real key and mouse events.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QMenuBar>
#include <QWindow>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include <functional>
#include <memory>

#include "Event_loop.h"
#include "Rendering_check.h"

#include "In_out_error.h"
#include "Scripted_platform.h"
#include "TemplateResults.h"

namespace {

class Results_viewer : public ::testing::Test {
protected:
    QTemporaryDir directory;
    Scripted_platform& platform = Test_platform();
    Recording_printer printer;
    TfrmTemplateResults viewer{platform, printer};
    QPlainTextEdit* text = viewer.findChild<QPlainTextEdit*>("memoResults");

    void SetUp() override
    {
        ASSERT_NE(text, nullptr);
        viewer.show();
        viewer.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer));
    }

    void Click(const char* name) { QTest::mouseClick(viewer.findChild<QPushButton*>(name), Qt::LeftButton); }
    void Trigger(const char* name) { viewer.findChild<QAction*>(name)->trigger(); }

    QByteArray Saved(const QString& name)
    {
        QFile file(directory.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
    }
    void Save_as(const QString& name)
    {
        platform.File_name = directory.filePath(name).toStdString();
        Click("cmdSaveOutput");
    }
};

TEST_F(Results_viewer, ResizableWindowWithoutCloseBoxAndItsMenu)
{
    EXPECT_EQ(viewer.windowTitle(), "Output");
    EXPECT_FALSE(viewer.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(viewer.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_LT(viewer.minimumSize().height(), viewer.maximumSize().height());
    EXPECT_EQ(text->font().pixelSize(), 12);
    EXPECT_TRUE(QFontInfo(text->font()).fixedPitch());
    EXPECT_EQ(viewer.findChild<QMenu*>("File1")->title(), "Printer options...");
    EXPECT_EQ(viewer.findChild<QAction*>("mnuPrint")->text(), "Print All");
    EXPECT_EQ(viewer.findChild<QAction*>("mnuPrintSelection")->text(), "Print Selection");
    EXPECT_EQ(QApplication::focusWidget(), viewer.findChild<QPushButton*>("cmdReturn"));
}

// Made larger (maximised on a large screen), the viewer shows more of the
// text, its lines still whole, and the buttons stay whole at the bottom.
TEST_F(Results_viewer, LargerWindowShowsMoreOfTheText)
{
    const QSize first = viewer.size();
    const QSize text_first = text->size();
    viewer.Append_lines({std::string(103, '_')});
    viewer.resize(first + QSize(400, 300));
    EXPECT_EQ(viewer.size(), first + QSize(400, 300));
    EXPECT_EQ(text->size(), text_first + QSize(400, 300));
    EXPECT_EQ(text->document()->firstBlock().lineCount(), 1);
    for (const char* name : {"cmdSaveOutput", "cmdClearResults", "cmdReturn", "cmdExit"}) {
        EXPECT_TRUE(Wholly_on_view(*viewer.findChild<QPushButton*>(name), viewer)) << name;
        EXPECT_GT(viewer.findChild<QPushButton*>(name)->mapTo(&viewer, QPoint(0, 0)).y(), text_first.height() + 300);
    }
}

TEST_F(Results_viewer, AppendedLinesStandBelowTextTheUserTyped)
{
    EXPECT_FALSE(viewer.Holds_a_line());
    text->setFocus();
    QTest::keyClicks(text, "typed");
    EXPECT_TRUE(viewer.Holds_a_line());
    viewer.Append_lines({"one", "", "two"});
    EXPECT_EQ(text->toPlainText(), "typed\none\n\ntwo\n");
    viewer.Append_lines({"three"});
    EXPECT_EQ(text->toPlainText(), "typed\none\n\ntwo\nthree\n");
}

TEST_F(Results_viewer, SaveOutputWritesEveryLineWithCrLf)
{
    viewer.Append_lines({"", "A long report line that the view wraps on screen because it is much wider than "
                             "the text box, but the file keeps it whole", "last", ""});
    text->moveCursor(QTextCursor::End);
    text->setFocus();
    QTest::keyClicks(text, "edit ");
    QTest::sendKeyEvent(QTest::Click, text, Qt::Key_unknown, QString::fromUtf8("\xC3\xA9"), Qt::NoModifier);
    Save_as("results.txt");
    EXPECT_EQ(platform.Save_dialogs, 1);
    EXPECT_EQ(Saved("results.txt"),
              QByteArray("\r\nA long report line that the view wraps on screen because it is much wider than "
                         "the text box, but the file keeps it whole\r\nlast\r\n\r\nedit \xC3\xA9\r\n"));
    EXPECT_TRUE(platform.Errors.empty());
}

TEST_F(Results_viewer, SavingAnEmptyViewCreatesAnEmptyFile)
{
    Save_as("empty.txt");
    EXPECT_EQ(Saved("empty.txt"), QByteArray());
}

TEST_F(Results_viewer, SecondSaveReplacesTheFirstWhole)
{
    viewer.Append_lines({"first report", "with two lines"});
    Save_as("same.txt");
    Click("cmdClearResults");
    viewer.Append_lines({"second"});
    Save_as("same.txt");
    EXPECT_EQ(Saved("same.txt"), "second\r\n");
}

TEST_F(Results_viewer, CancelledSaveWritesNothing)
{
    viewer.Append_lines({"report"});
    platform.File_name.reset();
    Click("cmdSaveOutput");
    EXPECT_EQ(platform.Save_dialogs, 1);
    EXPECT_TRUE(QDir(directory.path()).isEmpty());
    EXPECT_TRUE(platform.Errors.empty());
}

TEST_F(Results_viewer, FailedSaveIsReportedAndLeavesTheTextAndOldFile)
{
    viewer.Append_lines({"report"});
    Save_as("missing-folder/results.txt");
    ASSERT_EQ(platform.Errors.size(), 1u);
    EXPECT_NE(platform.Errors[0].find("missing-folder"), std::string::npos) << platform.Errors[0];
    EXPECT_EQ(platform.Errors[0].back(), '.');
    EXPECT_EQ(text->toPlainText(), "report\n");
}

TEST_F(Results_viewer, MenusHoldSaveAsPdfAndTheDisabledPlotEntry)
{
    const auto* printer_menu = viewer.findChild<QMenu*>("File1");
    ASSERT_NE(printer_menu, nullptr);
    EXPECT_EQ(printer_menu->actions().back()->text(), "Save as PDF...");
    const auto* view_menu = viewer.findChild<QMenu*>("mnuView");
    ASSERT_NE(view_menu, nullptr);
    EXPECT_EQ(view_menu->title(), "View");
    auto* plot = viewer.findChild<QAction*>("mnuPlot");
    ASSERT_NE(plot, nullptr);
    EXPECT_EQ(plot->text(), "Plot of the last comparison...");
    EXPECT_FALSE(plot->isEnabled());
    // The menu bar's first menu is still "Printer options...".
    EXPECT_EQ(viewer.findChild<QMenuBar*>("MainMenu1")->actions().front()->text(), "Printer options...");
}

TEST_F(Results_viewer, PlotEntryOnceEnabledAsksForThePlot)
{
    QSignalSpy asked(&viewer, &TfrmTemplateResults::Plot_requested);
    viewer.Enable_plot();
    auto* plot = viewer.findChild<QAction*>("mnuPlot");
    EXPECT_TRUE(plot->isEnabled());
    plot->trigger();
    EXPECT_EQ(asked.count(), 1);
}

TEST_F(Results_viewer, SaveAsPdfWritesThePrintoutOfTheWholeText)
{
    viewer.Append_lines({"line one", "", "line three"});
    platform.File_name = directory.filePath("results.pdf").toStdString();
    Trigger("mnuSavePdf");
    ASSERT_EQ(platform.Proposed_saves.size(), 1u);
    EXPECT_EQ(platform.Proposed_saves[0].first, "results.pdf");
    EXPECT_EQ(platform.Proposed_saves[0].second, "*.pdf");
    EXPECT_EQ(Saved("results.pdf"), "PDF of line one\r\n\r\nline three\r\n");
    // The same text that "Print All" hands to the printer.
    Trigger("mnuPrint");
    EXPECT_EQ(printer.Pdf_texts, printer.Jobs);
}

struct Typed_name {
    const char* Name;
    void (TfrmTemplateResults::*Save)();
    const char* Typed;
    const char* Saved;
};

void PrintTo(const Typed_name& row, std::ostream* out)
{
    *out << row.Name;
}

class Save_names : public Results_viewer, public ::testing::WithParamInterface<Typed_name> {};

// A name typed without an extension gains the one of the file's kind.
TEST_P(Save_names, GainTheirKindsExtension)
{
    viewer.Append_lines({"report"});
    platform.File_name = directory.filePath(GetParam().Typed).toStdString();
    (viewer.*GetParam().Save)();
    EXPECT_EQ(QDir(directory.path()).entryList(QDir::Files), QStringList{GetParam().Saved});
}

INSTANTIATE_TEST_SUITE_P(
    Results, Save_names,
    ::testing::Values(Typed_name{"OutputWithout", &TfrmTemplateResults::cmdSaveOutputClick, "Patient AB report", "Patient AB report.txt"},
                      Typed_name{"OutputWithItsOwn", &TfrmTemplateResults::cmdSaveOutputClick, "Patient AB.md", "Patient AB.md"},
                      Typed_name{"PdfWithout", &TfrmTemplateResults::mnuSavePdfClick, "Patient AB report", "Patient AB report.pdf"},
                      Typed_name{"PdfWithItsOwn", &TfrmTemplateResults::mnuSavePdfClick, "report.PDF", "report.PDF"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(Results_viewer, NameThatGainsItsExtensionAsksBeforeReplacing)
{
    viewer.Append_lines({"new"});
    Save_as("old.txt");
    Click("cmdClearResults");
    viewer.Append_lines({"newer"});
    platform.Answers = {false};
    Save_as("old");
    ASSERT_EQ(platform.Questions.size(), 1u);
    EXPECT_EQ(Saved("old.txt"), "new\r\n");
}

TEST_F(Results_viewer, CancelledPdfWritesNothing)
{
    viewer.Append_lines({"report"});
    platform.File_name = std::nullopt;
    Trigger("mnuSavePdf");
    EXPECT_EQ(platform.Save_dialogs, 1);
    EXPECT_TRUE(printer.Pdf_texts.empty());
    EXPECT_TRUE(QDir(directory.path()).isEmpty());
}

TEST_F(Results_viewer, FailedPdfSaveGivesTheMessageOfSaveOutput)
{
    viewer.Append_lines({"report"});
    platform.File_name = directory.filePath("missing-folder/results.pdf").toStdString();
    std::string save_output_message;
    std::string pdf_message;
    try {
        viewer.cmdSaveOutputClick();
    } catch (const EIn_out_error& error) {
        save_output_message = error.what();
    }
    try {
        viewer.mnuSavePdfClick();
    } catch (const EIn_out_error& error) {
        pdf_message = error.what();
    }
    EXPECT_NE(pdf_message.find("missing-folder"), std::string::npos) << pdf_message;
    EXPECT_EQ(pdf_message, save_output_message);
    EXPECT_EQ(text->toPlainText(), "report\n");
}

// The first line that the view shows.
QString Top_line(QPlainTextEdit& text)
{
    return text.cursorForPosition(QPoint(1, 1)).block().text();
}

std::vector<std::string> Report_lines(const std::string& first, int count)
{
    std::vector<std::string> lines{first};
    for (int i = 1; i < count; ++i)
        lines.push_back("line " + std::to_string(i));
    return lines;
}

// Each report is longer than the view holds: the view shows it from its
// first line, the separator above every report after the first.
TEST_F(Results_viewer, TheNewReportIsShownFromItsFirstLine)
{
    viewer.Append_lines(Report_lines("first report", 80));
    EXPECT_EQ(Top_line(*text), "first report");
    viewer.Append_lines(Report_lines("____ separator", 80));
    EXPECT_EQ(Top_line(*text), "____ separator");
    // The caret stays at the end, where typing adds to the text.
    EXPECT_TRUE(text->textCursor().atEnd());
    // A report that follows text the user typed without a line end.
    text->moveCursor(QTextCursor::End);
    QTest::keyClicks(text, "typed");
    viewer.Append_lines(Report_lines("____ third", 80));
    EXPECT_EQ(Top_line(*text), "____ third");
}

// "Clear Results" is one edit of the text: its undo, from the keyboard or
// from the text's own context menu, brings the reports back.
TEST_F(Results_viewer, ClearedResultsComeBackWithUndo)
{
    viewer.Append_lines({"first report", "", "its last line"});
    Click("cmdClearResults");
    EXPECT_EQ(text->toPlainText(), "");
    text->setFocus();
    QTest::keyClick(text, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text->toPlainText(), "first report\n\nits last line\n");
    EXPECT_TRUE(viewer.Holds_a_line());

    Click("cmdClearResults");
    std::unique_ptr<QMenu> menu(text->createStandardContextMenu());
    QAction* undo = nullptr;
    for (QAction* action : menu->actions())
        if (action->text().remove('&').startsWith("Undo"))
            undo = action;
    ASSERT_NE(undo, nullptr);
    ASSERT_TRUE(undo->isEnabled());
    undo->trigger();
    EXPECT_EQ(text->toPlainText(), "first report\n\nits last line\n");
}

// The mean grey level of a part of an image, 0 (black) to 255 (white).
double Mean_grey(const QImage& image, const QRect& part)
{
    double sum = 0;
    for (int y = part.top(); y <= part.bottom(); ++y)
        for (int x = part.left(); x <= part.right(); ++x)
            sum += qGray(image.pixel(x, y));
    return sum / (part.width() * part.height());
}

// The text's scroll bar, its handle at the top: the handle is plainly darker
// than the groove below it, as a handle reads on most desktops.
TEST_F(Results_viewer, ScrollBarHandleStandsOutDarkerThanItsGroove)
{
    viewer.Append_lines(Report_lines("report", 300));
    QScrollBar* bar = text->verticalScrollBar();
    bar->setValue(0);
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_All;
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    const auto part = [&](QStyle::SubControl control) {
        // The part's inside, clear of any outline.
        return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, control, bar).adjusted(2, 2, -2, -2);
    };
    const QRect handle = part(QStyle::SC_ScrollBarSlider);
    const QRect groove = part(QStyle::SC_ScrollBarAddPage);
    ASSERT_FALSE(handle.isEmpty());
    ASSERT_GT(groove.height(), handle.height());
    const QImage image = bar->grab().toImage();
    ASSERT_EQ(image.devicePixelRatio(), 1.0);
    EXPECT_LE(Mean_grey(image, handle) + 40, Mean_grey(image, groove))
        << "handle " << Mean_grey(image, handle) << ", groove " << Mean_grey(image, groove);
}

TEST_F(Results_viewer, ClearResultsEmptiesWithoutAsking)
{
    viewer.Append_lines({"report"});
    Click("cmdClearResults");
    EXPECT_EQ(text->toPlainText(), "");
    EXPECT_FALSE(viewer.Holds_a_line());
    EXPECT_TRUE(platform.Questions.empty());
}

TEST_F(Results_viewer, PrintAllHandsTheWholeTextWithCrLf)
{
    viewer.Append_lines({"line one", "", "line three"});
    Trigger("mnuPrint");
    EXPECT_EQ(printer.Jobs, std::vector<std::string>{"line one\r\n\r\nline three\r\n"});
}

TEST_F(Results_viewer, PrintSelectionPrintsOnlyTheSelection)
{
    viewer.Append_lines({"alpha beta", "gamma delta"});
    Trigger("mnuPrintSelection");
    EXPECT_TRUE(printer.Jobs.empty());
    EXPECT_EQ(platform.Warnings, std::vector<std::string>{"You have not selected any text."});

    QTextCursor cursor = text->textCursor();
    cursor.setPosition(6);
    cursor.setPosition(16, QTextCursor::KeepAnchor);
    text->setTextCursor(cursor);
    Trigger("mnuPrintSelection");
    EXPECT_EQ(printer.Jobs, std::vector<std::string>{"beta\r\ngamma"});
    EXPECT_EQ(platform.Warnings.size(), 1u);
}

TEST_F(Results_viewer, ReturnHidesTheViewerAndAsksForTheWorksheet)
{
    viewer.Append_lines({"kept"});
    QSignalSpy requested(&viewer, &TfrmTemplateResults::Worksheet_requested);
    Click("cmdReturn");
    EXPECT_FALSE(viewer.isVisible());
    EXPECT_EQ(requested.count(), 1);
    EXPECT_EQ(text->toPlainText(), "kept\n");
}

TEST_F(Results_viewer, ExitAskedAndAnsweredNoKeepsEverything)
{
    viewer.Append_lines({"kept"});
    platform.Answers = {false};
    EXPECT_EQ(Exit_code_around([this] { Click("cmdExit"); }), 42);
    EXPECT_EQ(platform.Questions, std::vector<std::string>{"Exit from program?"});
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_EQ(text->toPlainText(), "kept\n");
}

TEST_F(Results_viewer, TabLeavesTheTextForSaveOutputAndControlTabTypesATab)
{
    viewer.Append_lines({"report"});
    text->setFocus();
    text->moveCursor(QTextCursor::End);
    QTest::keyClick(text, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(text->toPlainText(), "report\n\t");
    EXPECT_EQ(QApplication::focusWidget(), text);
    QTest::keyClick(text, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), viewer.findChild<QPushButton*>("cmdSaveOutput"));
    EXPECT_EQ(text->toPlainText(), "report\n\t");
}

// Return and the keypad's Enter on each of the four buttons, with the
// scripted platform cancelling the save dialog and answering No to "Exit".
TEST_F(Results_viewer, ReturnAndEnterPressTheFocusedButton)
{
    for (const char* name : {"cmdSaveOutput", "cmdClearResults", "cmdReturn", "cmdExit"}) {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            viewer.show();
            auto* button = viewer.findChild<QPushButton*>(name);
            QSignalSpy clicked(button, &QPushButton::clicked);
            button->setFocus();
            QTest::keyClick(button, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            EXPECT_EQ(clicked.count(), 1) << name << (key == Qt::Key_Enter ? " keypad Enter" : " Return");
        }
    }
}

TEST_F(Results_viewer, FocusedButtonIsPlainlyFramed)
{
    for (const char* name : {"cmdSaveOutput", "cmdClearResults", "cmdReturn", "cmdExit"}) {
        auto* button = viewer.findChild<QPushButton*>(name);
        EXPECT_GE(Pixels_changed_by_focus(*button, *text), 2 * (button->width() + button->height())) << name;
    }
}

// The ways into the menu from the keyboard, each from the results text.
struct Menu_opening {
    const char* Name;
    std::function<void(QWidget&)> Keys;
};

void PrintTo(const Menu_opening& row, std::ostream* out)
{
    *out << row.Name;
}

class Menu_from_the_keyboard : public Results_viewer, public ::testing::WithParamInterface<Menu_opening> {
protected:
    QMenu* menu = viewer.findChild<QMenu*>("File1");

    void Open_from_the_text()
    {
        viewer.Append_lines({"alpha beta"});
        text->setFocus();
        GetParam().Keys(*text);
        ASSERT_TRUE(menu->isVisible());
        EXPECT_EQ(menu->activeAction(), viewer.findChild<QAction*>("mnuPrint"));
        EXPECT_EQ(text->toPlainText(), "alpha beta\n");
    }
};

TEST_P(Menu_from_the_keyboard, OpensWithPrintAllChosenAndReturnTakesTheEntry)
{
    Open_from_the_text();
    QTest::keyClick(menu, Qt::Key_Return);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(printer.Jobs, std::vector<std::string>{"alpha beta\r\n"});
}

TEST_P(Menu_from_the_keyboard, DownArrowChoosesPrintSelection)
{
    Open_from_the_text();
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Return);
    EXPECT_TRUE(printer.Jobs.empty());
    EXPECT_EQ(platform.Warnings, std::vector<std::string>{"You have not selected any text."});
}

TEST_P(Menu_from_the_keyboard, EscapeClosesTheMenuAndGivesBackTheFocus)
{
    Open_from_the_text();
    QTest::keyClick(menu, Qt::Key_Escape);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_TRUE(printer.Jobs.empty());
    EXPECT_EQ(QApplication::focusWidget(), text);
    // The keys go to the text again.
    QTest::keyClicks(text, "x");
    EXPECT_EQ(text->toPlainText(), "alpha beta\nx");
}

INSTANTIATE_TEST_SUITE_P(
    Keys, Menu_from_the_keyboard,
    ::testing::Values(Menu_opening{"F10", [](QWidget& focus) { QTest::keyClick(&focus, Qt::Key_F10); }},
                      Menu_opening{"LoneAlt",
                                   [](QWidget& focus) {
                                       QTest::keyPress(&focus, Qt::Key_Alt, Qt::AltModifier);
                                       QTest::keyRelease(&focus, Qt::Key_Alt);
                                   }},
                      Menu_opening{"AltP", [](QWidget& focus) { QTest::keyClick(&focus, Qt::Key_P, Qt::AltModifier); }}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(Results_viewer, AltVOpensTheViewMenuAndEscapeClosesIt)
{
    viewer.Append_lines({"alpha beta"});
    text->setFocus();
    QTest::keyClick(text, Qt::Key_V, Qt::AltModifier);
    auto* view = viewer.findChild<QMenu*>("mnuView");
    ASSERT_TRUE(view->isVisible());
    EXPECT_FALSE(viewer.findChild<QMenu*>("File1")->isVisible());
    EXPECT_EQ(text->toPlainText(), "alpha beta\n");
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_FALSE(view->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), text);
}

TEST_F(Results_viewer, AltWithAnotherKeyOpensNoMenu)
{
    text->setFocus();
    QTest::keyPress(text, Qt::Key_Alt, Qt::AltModifier);
    QTest::keyClick(text, Qt::Key_Right, Qt::AltModifier);
    QTest::keyRelease(text, Qt::Key_Alt);
    EXPECT_FALSE(viewer.findChild<QMenu*>("File1")->isVisible());
}

TEST_F(Results_viewer, ExitAnsweredYesEndsTheProgram)
{
    platform.Answers = {true};
    EXPECT_EQ(Exit_code_around([this] { Click("cmdExit"); }), 0);
    EXPECT_FALSE(viewer.isVisible());
}

}  // namespace

// A window manager that shows a close button on the viewer all the same:
// pressing it returns to the worksheet, as "Return to Worksheet" does.
TEST_F(Results_viewer, WindowManagerCloseReturnsToTheWorksheetAndKeepsTheText)
{
    viewer.Append_lines({"kept"});
    QSignalSpy requested(&viewer, &TfrmTemplateResults::Worksheet_requested);
    // QWindow::close is the path a window manager's close request takes.
    ASSERT_NE(viewer.windowHandle(), nullptr);
    viewer.windowHandle()->close();
    EXPECT_FALSE(viewer.isVisible());
    EXPECT_EQ(requested.count(), 1);
    EXPECT_EQ(text->toPlainText(), "kept\n");
}
