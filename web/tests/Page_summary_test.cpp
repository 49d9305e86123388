// The page's "Result" region: the worked example's summary in the language
// asked for, none before a comparison has been reported, and the language
// proposed from the browser's.
#include "Page_summary.h"
#include "Page_worksheet.h"

#include <gtest/gtest.h>

#include <string>

#include "Golden_report.h"
#include "Worked_example_input.h"

namespace {

TEST(Page_summary, TheWorkedExampleInTheLanguageAsked)
{
    Page_worksheet worksheet;
    worksheet.Compute(Worked_example(1));
    const Page_summary summary = worksheet.Summary("it");
    EXPECT_EQ(summary.Sentences + "\n" + summary.Statistics + "\n",
              Worked_example_summary_text(Summary_language::Italian, Limits::Lower));
    ASSERT_EQ(summary.Figures.size(), 5u);
    EXPECT_EQ(summary.Figures[4].Value + " " + summary.Figures[4].Limits, "1,41 ICr al 95%, limite inferiore 1,03");
    // An unknown code gives English.
    worksheet.Compute(Worked_example());
    const Page_summary english = worksheet.Summary("xx");
    EXPECT_EQ(english.Sentences + "\n" + english.Statistics + "\n",
              Worked_example_summary_text(Summary_language::English));
}

// Only a reported comparison has a summary: none before the first, and a
// refused or failed "Compute" keeps the one before.
TEST(Page_summary, OnlyAReportedComparisonIsSummedUp)
{
    Page_worksheet worksheet;
    EXPECT_TRUE(worksheet.Summary("en").Figures.empty());
    EXPECT_EQ(worksheet.Summary("en").Sentences, "");

    Compute_input refused = Worked_example();
    refused.Texts.SD = "0";
    worksheet.Compute(refused);
    EXPECT_EQ(worksheet.Summary("en").Sentences, "");

    worksheet.Compute(Worked_example(1));
    Compute_input extreme = Worked_example();
    extreme.Texts = {"1", "2147483647", "1", "0"};  // beyond the library's range
    EXPECT_NE(worksheet.Compute(extreme).Error, "");
    EXPECT_EQ(worksheet.Summary("en").Sentences + "\n" + worksheet.Summary("en").Statistics + "\n",
              Worked_example_summary_text(Summary_language::English, Limits::Lower));
}

TEST(Page_summary, TheBrowsersLanguageIsProposedWhenItIsOneOfTheSix)
{
    EXPECT_EQ(Proposed_summary_language("de-AT"), "de");
    EXPECT_EQ(Proposed_summary_language("nl"), "nl");
    EXPECT_EQ(Proposed_summary_language("pt-BR"), "en");
    const Summary_page_texts texts = The_summary_page_texts();
    EXPECT_EQ(texts.Region, "Result");
    ASSERT_EQ(texts.Languages.size(), 6u);
    EXPECT_EQ(texts.Languages[1].Code + " " + texts.Languages[1].Name, "de Deutsch");
}

}  // namespace
