// The request step: the four texts read in the worksheet's order, the first
// refusal with its field and message, and the request when all pass.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <thread>
#include <variant>

#include "Comparison_request_step.h"
#include "Field_captions.h"
#include "Metrics_Papers.h"

namespace {

struct Refusal_row {
    std::string Name;
    Comparison_texts Texts;
    Input_field Field;
    std::string Message;
};

void PrintTo(const Refusal_row& row, std::ostream* os) { *os << row.Name; }

class Request_refusals : public testing::TestWithParam<Refusal_row> {};

TEST_P(Request_refusals, FirstFailingFieldInReadingOrder)
{
    const Refusal_row& row = GetParam();
    const Request_or_refusal read = Read_comparison_request(row.Texts, Limits::Two_sided, 95, ',');
    const auto* refusal = std::get_if<Input_refusal>(&read);
    ASSERT_NE(refusal, nullptr);
    EXPECT_EQ(refusal->Field, row.Field);
    EXPECT_EQ(refusal->Message, row.Message);
}


INSTANTIATE_TEST_SUITE_P(
    Rows, Request_refusals,
    testing::Values(
        // Every field is wrong: SD is read first.
        Refusal_row{"AllWrongRefusesSd", {"x", "y", "", ""}, Input_field::SD,
                    "INPUT ERROR\r(  " + Sd_caption + "  x  )\r\rEnter numeric data only."},
        Refusal_row{"SdNotPositiveQuotesTheValueWithTheSeparator", {"-1.5", "y", "", ""},
                    Input_field::SD,
                    "INPUT ERROR\r(  " + Sd_caption +
                        "  -1,500  )\rStandard deviations must have a positive value."},
        Refusal_row{"SampleSizeNotWhole", {"10", "20.5", "", ""}, Input_field::N,
                    "INPUT ERROR\r(  " + N_caption +
                        "  20,500  )\rThe value for sample size must be an integer greater than 2."},
        Refusal_row{"CaseAEmpty", {"10", "20", "", "x"}, Input_field::Case_A,
                    "INPUT ERROR\r\r(  Test score for Case A:  )\r\rData have not been entered in this field."},
        Refusal_row{"CaseBNotNumeric", {"10", "20", "50", "3-0"}, Input_field::Case_B,
                    "INPUT ERROR\r(  Test score for Case B:  3-0  )\r\rEnter numeric data only."}),
    [](const testing::TestParamInfo<Refusal_row>& info) { return info.param.Name; });

TEST(Request_step, AllPassingGivesTheRequestAsAskedFor)
{
    const Request_or_refusal read =
        Read_comparison_request({"10", " 2 0", "-50.5", "30."}, Limits::Upper, 90, '.');
    const auto* request = std::get_if<Comparison_request>(&read);
    ASSERT_NE(request, nullptr);
    EXPECT_EQ(request->SD, 10);
    EXPECT_EQ(request->N, 20);
    EXPECT_EQ(request->Case_A, -50.5);
    EXPECT_EQ(request->Case_B, 30);
    EXPECT_EQ(request->Limits_kind, Limits::Upper);
    EXPECT_EQ(request->Level, 90);
    EXPECT_FALSE(Input_error);
}

// The worksheet's reading skips the blank inside "50 5"; the reading of texts
// from elsewhere refuses it in its own field, and still allows blanks around
// a number (the SD here).
TEST(Request_step, TextsFromElsewhereRefuseABlankInsideANumber)
{
    const Comparison_texts texts{" 10 ", "20", "50 5", "30"};
    const Request_or_refusal worksheet = Read_comparison_request(texts, Limits::Two_sided, 95, '.');
    ASSERT_TRUE(std::holds_alternative<Comparison_request>(worksheet));
    EXPECT_EQ(std::get<Comparison_request>(worksheet).Case_A, 505);

    const Request_or_refusal elsewhere =
        Read_comparison_request(texts, Limits::Two_sided, 95, '.', Inner_blanks::Refused);
    const auto* refusal = std::get_if<Input_refusal>(&elsewhere);
    ASSERT_NE(refusal, nullptr);
    EXPECT_EQ(refusal->Field, Input_field::Case_A);
    EXPECT_EQ(refusal->Message, "INPUT ERROR\r(  Test score for Case A:  50 5  )\r\rEnter numeric data only.");
}

TEST(Request_step, NonNumericTextSetsTheInputErrorFlag)
{
    Read_comparison_request({"10", "20", "abc", "1"}, Limits::Two_sided, 95, '.');
    EXPECT_TRUE(Input_error);
}

// A table's rows are read on several threads at once: a refusal on one
// thread must neither be cleared by an accepted number on another nor show
// there.
TEST(Request_step, EachThreadTestsTheFlagItSetItself)
{
#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
    GTEST_SKIP() << "this WebAssembly build has no threads";
#else
    ASSERT_TRUE(std::holds_alternative<Comparison_request>(
        Read_comparison_request({"10", "20", "50", "30"}, Limits::Two_sided, 95, '.')));
    bool refused_there = false;
    std::thread([&] {
        Read_comparison_request({"abc", "20", "50", "30"}, Limits::Two_sided, 95, '.');
        refused_there = Input_error;
    }).join();
    EXPECT_TRUE(refused_there);
    EXPECT_FALSE(Input_error);
#endif
}

TEST(Limits_names, EveryWordReadsBackAsItsChoice)
{
    for (const Limits_names& names : Limits_table) {
        EXPECT_EQ(Limits_from_word(names.Word), names.Value);
        EXPECT_EQ(&Names_of(names.Value), &names);
    }
    EXPECT_FALSE(Limits_from_word("Two-sided"));
    EXPECT_FALSE(Limits_from_word(""));
}

// The worksheet's radio items, and the page's, in their order.
TEST(Limits_names, EachRadioItemChoosesItsLimits)
{
    EXPECT_EQ(Limits_of_item(0), Limits::Two_sided);
    EXPECT_EQ(Limits_of_item(1), Limits::Lower);
    EXPECT_EQ(Limits_of_item(2), Limits::Upper);
    EXPECT_THROW(Limits_of_item(3), std::out_of_range);
    EXPECT_THROW(Limits_of_item(-1), std::out_of_range);
}

}  // namespace
