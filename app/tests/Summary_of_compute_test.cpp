// The summary window as the program entry connects it: it follows "Compute"
// beside the plot window, the results viewer's "View" menu opens it once
// there is a comparison, and its language is kept in the settings.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QSettings>
#include <QTextDocument>

#include "Golden_report.h"
#include "Summary_window.h"
#include "Worksheet_fixture.h"

namespace {

class Summary_of_compute : public Worksheet_fixture {
protected:
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<TfrmSummary> summary;
    Comparison_listeners listeners;

    // Both windows and the summary window, connected as the program entry
    // does, with the settings in the test's folder.
    void Start_with_summary(const QString& system_locale)
    {
        Start();
        settings = std::make_unique<QSettings>(directory.filePath("voran.conf"), QSettings::IniFormat);
        summary = std::make_unique<TfrmSummary>(*settings, system_locale);
        listeners.Add(*summary);
        worksheet->Set_comparison_listener(&listeners);
        QObject::connect(summary.get(), &TfrmSummary::Comparison_available, results.get(),
                         &TfrmTemplateResults::Enable_summary);
        QObject::connect(results.get(), &TfrmTemplateResults::Summary_requested, summary.get(),
                         &TfrmSummary::Show_window);
    }

    QAction* Summary_entry() const { return results->findChild<QAction*>("mnuSummary"); }
    // The text as shown, no-break spaces kept (the plain text turns them
    // into blanks), one line to a paragraph.
    std::string Summary_text() const
    {
        QString text = Find<QPlainTextEdit>(*summary, "memoSummary")->document()->toRawText();
        return text.replace(QChar::ParagraphSeparator, '\n').toStdString();
    }
    QComboBox* Language_choice() const { return Find<QComboBox>(*summary, "cboLanguage"); }

    // The golden summary as the window shows it: a blank line between the
    // sentences and the statistics line.
    static std::string Shown_golden(Summary_language language)
    {
        const std::string golden = Worked_example_summary_text(language);
        const std::size_t first_line_end = golden.find('\n');
        return golden.substr(0, first_line_end) + "\n\n" +
               golden.substr(first_line_end + 1, golden.size() - first_line_end - 2);
    }
};

TEST_F(Summary_of_compute, TheMenuOpensTheSummaryOfTheLastCompute)
{
    Start_with_summary("en_GB");
    ASSERT_NE(Summary_entry(), nullptr);
    EXPECT_FALSE(Summary_entry()->isEnabled());
    Compute("10", "20", "", "30");  // refused: no comparison
    EXPECT_FALSE(Summary_entry()->isEnabled());

    for (const char* field : {"txtInput1", "txtInput2", "txtInput4"})
        Field(field)->clear();
    Compute("10", "20", "50", "30");
    ASSERT_TRUE(Summary_entry()->isEnabled());
    EXPECT_FALSE(summary->isVisible());
    Summary_entry()->trigger();
    EXPECT_TRUE(summary->isVisible());
    EXPECT_EQ(Summary_text(), Shown_golden(Summary_language::English));
    EXPECT_NE(Find<QLabel>(*summary, "lblFigures")->text().indexOf("20.00"), -1);

    Click(*summary, "cmdCopy");
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), Worked_example_summary_text(Summary_language::English));
    QTest::keyClick(summary.get(), Qt::Key_Escape);
    EXPECT_FALSE(summary->isVisible());
}

TEST_F(Summary_of_compute, TheLanguageIsProposedFromTheSystemAndKept)
{
    Start_with_summary("de_AT");
    Compute("10", "20", "50", "30");
    Summary_entry()->trigger();
    EXPECT_EQ(Summary_text(), Shown_golden(Summary_language::German));

    Language_choice()->setCurrentIndex(Language_choice()->findData("nl"));
    EXPECT_EQ(Summary_text(), Shown_golden(Summary_language::Dutch));
    // A new window (the next start) keeps the choice over the system's.
    TfrmSummary next(*settings, "de_AT");
    EXPECT_EQ(next.findChild<QComboBox*>("cboLanguage")->currentData().toString(), "nl");
}

}  // namespace
