// "Compute" from typed keys to the report in the results viewer, the
// refusals of bad entries, the return to the worksheet and a second report.
#include <QRadioButton>
#include <QScrollBar>
#include <QTextBlock>

#include "Golden_report.h"
#include "Request_refusal.h"
#include "Worksheet_fixture.h"
#include "distrib.h"

namespace {

using Compute_request = Worksheet_fixture;

const QString Separator(103, '_');

// The golden report of the worked example (SD 10, N 20, Case A 50, Case B 30)
// with the given limits, as the results text holds it: every report line is
// followed by a line break, so the text ends in an empty block after the
// report's own empty last line.
QStringList Golden_text_lines(Limits limits)
{
    QStringList lines;
    for (const std::string& line : Worked_example_report(limits))
        lines.push_back(QString::fromStdString(line));
    lines.push_back("");
    return lines;
}

TEST_F(Compute_request, WorkedExampleFromTypedKeysToTheReport)
{
    Start();
    Compute("10", "20", "50", "30");
    EXPECT_TRUE(platform.Warnings.empty());
    EXPECT_TRUE(platform.Errors.empty());
    EXPECT_TRUE(results->isVisible());
    EXPECT_FALSE(worksheet->isVisible());
    EXPECT_EQ(results->windowTitle().toStdString(), "Results viewer: " + std::string(Program_title));
    // The report opens with its heading, no separator, and no notes lines.
    EXPECT_EQ(Result_lines(), Golden_text_lines(Limits::Two_sided));
    EXPECT_EQ(Data_file(), "10 20 50 30     ");
}

// The first line the viewer shows, and whether that line is the top of the
// text (nothing above it hidden).
QString Top_line(QPlainTextEdit& text)
{
    return text.cursorForPosition(QPoint(1, 1)).block().text();
}

// After each "Compute" the viewer, shown anew, has the new report's first
// line at its top: the empty line that opens the first report, the separator
// above the second.
TEST_F(Compute_request, TheViewerShowsTheNewReportFromItsFirstLine)
{
    Start();
    Compute("10", "20", "50", "30");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(results.get()));
    QPlainTextEdit& text = *Results_text();
    EXPECT_EQ(text.verticalScrollBar()->value(), 0);
    EXPECT_EQ(Top_line(text), "");
    Click(*results, "cmdReturn");
    Click(*worksheet, "cmdCompute");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(results.get()));
    EXPECT_EQ(Top_line(text), Separator);
    EXPECT_GT(text.verticalScrollBar()->value(), 0);
}

struct Sided_case {
    const char* Name;
    const char* Item;
    Limits Choice;
};

class Sidedness : public Worksheet_fixture, public ::testing::WithParamInterface<Sided_case> {};

TEST_P(Sidedness, EachChoiceGivesItsGoldenReport)
{
    Start();
    QTest::mouseClick(Find<QRadioButton>(*worksheet, GetParam().Item), Qt::LeftButton);
    Compute("10", "20", "50", "30");
    EXPECT_EQ(Result_lines(), Golden_text_lines(GetParam().Choice));
}

INSTANTIATE_TEST_SUITE_P(
    Choices, Sidedness,
    ::testing::Values(Sided_case{"Lower", "RadioGroup1_1", Limits::Lower},
                      Sided_case{"Upper", "RadioGroup1_2", Limits::Upper}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(Compute_request, EntriesAreEchoedAsTypedAndComputedByValue)
{
    Start();
    Compute("10", "020", "30", "50");
    const QStringList lines = Result_lines();
    EXPECT_TRUE(lines.contains(" Sample size of the control sample= 020"));
    EXPECT_TRUE(lines.contains(" Raw difference between the scores of the two cases (Case A - Case B)  = -20.000"));
    EXPECT_TRUE(lines.contains(
        " Effect size (Z-PCC) for difference between the two cases (plus 95% CI) = -1.414  (-1.860 to -0.968)"));
    EXPECT_TRUE(lines.contains(" Two-tailed probability = 0.173477"));
}

TEST_F(Compute_request, ReportUsesTheUsersDecimalSeparator)
{
    decimal_separator = ',';
    Start();
    Compute("10", "20", "50", "30");
    const QStringList lines = Result_lines();
    EXPECT_TRUE(lines.contains(" Raw difference between the scores of the two cases (Case A - Case B)  = 20,000"));
    EXPECT_TRUE(lines.contains(" One-tailed probability = 0,086739"));
    // The data file always has full stops: the entries are saved as typed.
    EXPECT_EQ(Data_file(), "10 20 50 30     ");
}

struct Refusal_case {
    const char* Name;
    const char* Sd;
    const char* N;
    const char* Case_a;
    const char* Case_b;
    const char* Field;  // gets the focus
};

class Refusal : public Worksheet_fixture, public ::testing::WithParamInterface<Refusal_case> {};

// The request step's refusal (its words are tested beside it) reaches the
// user in a warning box, and the focus goes to the field it names.
TEST_P(Refusal, FirstBadFieldIsReportedAndNothingHappens)
{
    Start();
    const Refusal_case& row = GetParam();
    Compute(row.Sd, row.N, row.Case_a, row.Case_b);
    EXPECT_EQ(platform.Warnings,
              std::vector<std::string>{Request_refusal({row.Sd, row.N, row.Case_a, row.Case_b})});
    EXPECT_EQ(Focus_name(), row.Field);
    EXPECT_TRUE(worksheet->isVisible());
    EXPECT_FALSE(results->isVisible());
    EXPECT_EQ(Results_text()->toPlainText(), "");
    EXPECT_FALSE(QFile::exists(Data_path()));
}

INSTANTIATE_TEST_SUITE_P(
    Fields, Refusal,
    ::testing::Values(Refusal_case{"EmptySdBeforeEverythingElse", "", "1.2.3", "", "", "txtInput1"},
                      Refusal_case{"ZeroSd", "0", "20", "50", "30", "txtInput1"},
                      Refusal_case{"SampleOfTwo", "10", "2", "", "", "txtInput2"},
                      Refusal_case{"FractionalSample", "10", "20.5", "50", "30", "txtInput2"},
                      Refusal_case{"CaseANotNumeric", "10", "20", "1.2.3", "30", "txtInput3"},
                      Refusal_case{"CaseBEmpty", "10", "20", "50", "", "txtInput4"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(Compute_request, ReturnAndASecondComputeAppendBelowASeparator)
{
    Start();
    Compute("10", "20", "50", "30");
    const qsizetype first_length = Result_lines().size();
    Click(*results, "cmdReturn");
    EXPECT_FALSE(results->isVisible());
    ASSERT_TRUE(worksheet->isVisible());
    // The focus the worksheet gives its field when it is shown, which the
    // field holds once the window manager activates the window.
    ASSERT_NE(worksheet->focusWidget(), nullptr);
    EXPECT_EQ(worksheet->focusWidget()->objectName(), "txtInput3");
    EXPECT_EQ(Field("txtInput1")->text(), "10");
    EXPECT_EQ(Field("txtInput4")->text(), "30");

    Field("txtInput3")->clear();
    Type("txtInput3", "45");
    Click(*worksheet, "cmdCompute");
    const QStringList lines = Result_lines();
    // The first report stays; the second starts where the first one's
    // trailing line break left the text, with a separator line.
    ASSERT_GT(lines.size(), first_length);
    EXPECT_EQ(lines[first_length - 1], Separator);
    EXPECT_EQ(lines[first_length], "");
    EXPECT_EQ(lines[first_length + 1].toStdString(), std::string(Program_title));
    EXPECT_EQ(lines.count(Separator), 1);
    EXPECT_TRUE(lines.contains(" Test score for Case A= 50"));
    EXPECT_TRUE(lines.contains(" Test score for Case A= 45"));
}

TEST_F(Compute_request, ClearResultsDropsTheSeparatorOfTheNextReport)
{
    Start();
    Compute("10", "20", "50", "30");
    Click(*results, "cmdClearResults");
    EXPECT_EQ(Results_text()->toPlainText(), "");
    Click(*results, "cmdReturn");
    Click(*worksheet, "cmdCompute");
    EXPECT_EQ(Result_lines().count(Separator), 0);
    EXPECT_EQ(Result_lines()[0], "");
}

TEST_F(Compute_request, NotesEnterTheReportAsDisplayed)
{
    Start();
    Notes()->setFocus();
    // 149 characters wrap in the 666-pixel box (about 90 columns at 12
    // pixels of Courier New), at word boundaries.
    const QString long_line = QString("word ").repeated(30).trimmed();
    QTest::keyClicks(Notes(), long_line);
    QTest::keyClick(Notes(), Qt::Key_Return);
    QTest::keyClicks(Notes(), "last");
    Compute("10", "20", "50", "30");
    const QStringList lines = Result_lines();
    const qsizetype first = lines.indexOf(QRegularExpression("^ User's Notes: word.*"));
    ASSERT_GE(first, 0);
    const QString indent(15, ' ');
    // Each displayed line follows the caption or fifteen blanks; together
    // they give back the typed text.
    QString rejoined = lines[first].mid(QString(" User's Notes: ").size());
    qsizetype line = first + 1;
    for (; lines[line].startsWith(indent) && lines[line] != indent + "last"; ++line)
        rejoined += lines[line].mid(indent.size());
    EXPECT_GT(line, first + 1) << "the long line did not wrap";
    EXPECT_EQ(rejoined, long_line);
    EXPECT_EQ(lines[line], indent + "last");
    EXPECT_EQ(lines[line + 1], " ");
    EXPECT_EQ(lines[line + 2], " INPUTS:");
}

TEST_F(Compute_request, TrailingPointAndNegativeScore)
{
    Start();
    Compute("10", "20.", "-4.5", "0");
    const QStringList lines = Result_lines();
    EXPECT_TRUE(lines.contains(" Sample size of the control sample= 20."));
    EXPECT_TRUE(lines.contains(" Bayesian hypothesis test (on  19 df)  - probability that a pair of controls would exhibit a larger "));
    EXPECT_TRUE(lines.contains(" Raw difference between the scores of the two cases (Case A - Case B)  = -4.500"));
}

}  // namespace
