// Both windows at the scale of the screen the test runs on (CTest runs this
// program at several scale factors and at 144 dpi): every frame shows its four
// edges, and each window's title bar lies on the screen.
#include <QAbstractTextDocumentLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QScreen>
#include <QTextBlock>

#include <string>

#include "Picture_printer.h"
#include "Plot_window.h"
#include "Report.h"

#include "Rendering_check.h"
#include "Worksheet_fixture.h"

namespace {

using Screen_scale = Worksheet_fixture;

class Unused_picture_printer : public Picture_printer {
public:
    void Print(const Plot_subject&) override {}
};

TEST_F(Screen_scale, EveryFrameOfTheWorksheetIsWhole)
{
    Start();
    Notes()->setFocus();
    EXPECT_EQ(Missing_borders(*worksheet), std::vector<std::string>{}) << "scale " << worksheet->devicePixelRatio();
}

TEST_F(Screen_scale, EveryFrameOfTheResultsViewerIsWhole)
{
    Start();
    Compute("10", "20", "50", "30");
    ASSERT_TRUE(results->isVisible());
    EXPECT_EQ(Missing_borders(*results), std::vector<std::string>{}) << "scale " << results->devicePixelRatio();
}

// Where the frame of a shown window lies on the available area: wholly on it.
std::string Frame_off_the_screen(const QWidget& window)
{
    const QRect available = window.screen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    if (available.contains(frame))
        return "";
    const auto text = [](const QRect& r) {
        return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x"
               + std::to_string(r.height());
    };
    return "frame " + text(frame) + " on " + text(available);
}

// The controls that the keyboard reaches (Tab, or the program's own focus)
// and that are not wholly on view once they have the focus.
std::vector<std::string> Controls_out_of_view(QWidget& window)
{
    std::vector<std::string> out_of_view;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&window) || (control->focusPolicy() & Qt::TabFocus) == 0
            || control->focusProxy() != nullptr || control->objectName().isEmpty())
            continue;
        control->setFocus();
        if (!Wholly_on_view(*control, window))
            out_of_view.push_back(control->objectName().toStdString());
    }
    return out_of_view;
}

// The window with its frame fits the available area at every scale: at the
// design size where that fits, else smaller with its controls scrolling, each
// of them brought into view when it takes the focus.
TEST_F(Screen_scale, BothWindowsFitTheScreenAndEveryControlCanBeReached)
{
    Start();
    const QSize available = worksheet->screen()->availableGeometry().size();
    const bool room_for_both = available.height() >= 600;
    EXPECT_EQ(Frame_off_the_screen(*worksheet), "");
    EXPECT_EQ(Controls_out_of_view(*worksheet), std::vector<std::string>{});
    if (room_for_both) {
        EXPECT_EQ(worksheet->size(), QSize(792, 573));
    }
    Compute("10", "20", "50", "30");
    ASSERT_TRUE(results->isVisible());
    EXPECT_EQ(Frame_off_the_screen(*results), "");
    ASSERT_TRUE(QTest::qWaitForWindowActive(results.get()));
    EXPECT_EQ(Controls_out_of_view(*results), std::vector<std::string>{});
    if (room_for_both) {
        const int menu_height = results->findChild<QWidget*>("MainMenu1")->height();
        EXPECT_EQ(results->size(), QSize(792, menu_height + 554));
    }
}

// The worksheet opens with the focused field and the row of buttons whole,
// also where its controls scroll (scale 2).
TEST_F(Screen_scale, TheWorksheetOpensWithItsFocusedFieldAndButtonsInView)
{
    Start();
    ASSERT_NE(worksheet->focusWidget(), nullptr);
    EXPECT_TRUE(Wholly_on_view(*worksheet->focusWidget(), *worksheet)) << Focus_name();
    for (const char* button : {"cmdCompute", "btnclearData", "ExitBtn"})
        EXPECT_TRUE(Wholly_on_view(*Find<QPushButton>(*worksheet, button), *worksheet)) << button;
}

// Where the viewer is too low for its first size, its text is made lower
// rather than scrolled in the window: the text's own scroll bar is the only
// vertical one.
TEST_F(Screen_scale, TheViewerHasOneVerticalScrollBar)
{
    Start();
    Compute("10", "20", "50", "30");
    ASSERT_TRUE(results->isVisible());
    auto* area = Find<QScrollArea>(*results, "ClientArea");
    EXPECT_FALSE(area->verticalScrollBar()->isVisible());
    EXPECT_FALSE(area->horizontalScrollBar()->isVisible());
    for (const char* button : {"cmdSaveOutput", "cmdClearResults", "cmdReturn", "cmdExit"})
        EXPECT_TRUE(Wholly_on_view(*Find<QPushButton>(*results, button), *results)) << button;
}

// The plot window is sized and placed as the other windows: on the screen,
// its buttons whole, where 800 x 500 with its buttons does not fit (scale 2).
TEST_F(Screen_scale, ThePlotWindowFitsTheScreen)
{
    Start();
    Unused_picture_printer picture_printer;
    TfrmPlot plot(platform, picture_printer, '.');
    plot.Show_window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&plot));
    EXPECT_EQ(Frame_off_the_screen(plot), "");
    for (const char* button : {"cmdSaveImage", "cmdPrint", "cmdClose"})
        EXPECT_TRUE(Wholly_on_view(*Find<QPushButton>(plot, button), plot)) << button;
}

// The lines of the results text that the view shows on more than one line,
// each with the number of screen lines it takes.
std::vector<std::string> Wrapped_lines(QPlainTextEdit& text)
{
    std::vector<std::string> wrapped;
    for (QTextBlock block = text.document()->begin(); block.isValid(); block = block.next()) {
        // Lays the line out if the view has not yet done so.
        text.document()->documentLayout()->blockBoundingRect(block);
        if (block.lineCount() > 1)
            wrapped.push_back(std::to_string(block.lineCount()) + " lines: " + block.text().toStdString());
    }
    return wrapped;
}

// Two reports one below the other: every line as wide as the report
// (the separator, the longest lines of the notes on the results) stays on one
// screen line; only the heading with the program's title, longer than the
// report, wraps at a blank, and so does a line the user types beyond the width.
TEST_F(Screen_scale, TheReportsLinesAreNotWrapped)
{
    Start();
    Compute("10", "20", "50", "30");
    Click(*results, "cmdReturn");
    Click(*worksheet, "cmdCompute");
    QPlainTextEdit& text = *Results_text();
    const QString title = QString::fromUtf8(Program_title.data(), static_cast<int>(Program_title.size()));
    std::vector<std::string> expected(2, "2 lines: " + title.toStdString());
    EXPECT_EQ(Wrapped_lines(text), expected) << "scale " << results->devicePixelRatio();

    // The longest line against the text area, as the view measures it.
    const QString separator(Report_columns, QChar('_'));
    ASSERT_TRUE(Result_lines().contains(separator));
    const double room = text.viewport()->width() - 2 * text.document()->documentMargin();
    EXPECT_LE(QFontMetricsF(text.font(), text.viewport()).horizontalAdvance(separator), room);

    const QString typed = QString("typed ").repeated(40);
    text.moveCursor(QTextCursor::End);
    text.insertPlainText(typed);
    expected.push_back("3 lines: " + typed.toStdString());
    EXPECT_EQ(Wrapped_lines(text), expected);
}

}  // namespace
