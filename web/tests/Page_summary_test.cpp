// The page's "Result" region: the worked example's summary in the language
// asked for, nothing for refused inputs, and the language proposed from the
// browser's.
#include "Page_summary.h"

#include <gtest/gtest.h>

#include <string>

#include "Golden_report.h"

namespace {

Compute_input Worked_example(int limits_item = 0)
{
    Compute_input input;
    input.Texts = {"10", "20", "50", "30"};
    input.Limits_item = limits_item;
    return input;
}

TEST(Page_summary, TheWorkedExampleInTheLanguageAsked)
{
    const Page_summary summary = Summary_for(Worked_example(1), "it");
    EXPECT_EQ(summary.Sentences + "\n" + summary.Statistics + "\n",
              Worked_example_summary_text(Summary_language::Italian, Limits::Lower));
    ASSERT_EQ(summary.Figures.size(), 5u);
    EXPECT_EQ(summary.Figures[4].Value + " " + summary.Figures[4].Limits, "1,41 ICr al 95%, limite inferiore 1,03");
    EXPECT_EQ(summary.Error, "");
    // An unknown code gives English.
    EXPECT_EQ(Summary_for(Worked_example(), "xx").Sentences + "\n" + Summary_for(Worked_example(), "xx").Statistics +
                  "\n",
              Worked_example_summary_text(Summary_language::English));
}

TEST(Page_summary, RefusedInputsGiveNoSummaryAndAFailureItsReport)
{
    Compute_input refused = Worked_example();
    refused.Texts.SD = "0";
    const Page_summary none = Summary_for(refused, "en");
    EXPECT_TRUE(none.Figures.empty());
    EXPECT_EQ(none.Sentences, "");
    EXPECT_EQ(none.Error, "");

    Compute_input extreme = Worked_example();
    extreme.Texts = {"1", "2147483647", "1", "0"};  // beyond the library's range
    const Page_summary failed = Summary_for(extreme, "en");
    EXPECT_EQ(failed.Sentences, "");
    EXPECT_NE(failed.Error, "");
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
