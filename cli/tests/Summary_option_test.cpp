// --summary LANG: the summary instead of the report, or its two columns in a
// table run, and a wrong language refused with the six listed.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "Batch.h"
#include "Command_line.h"
#include "Golden_report.h"
#include "Help_text.h"
#include "Single_report.h"

namespace {

const std::vector<std::string> Worked_example = {"--sd", "10", "--n", "20", "--case-a", "50", "--case-b", "30"};

std::vector<std::string> Worked_example_and(std::vector<std::string> more)
{
    std::vector<std::string> arguments = Worked_example;
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

TEST(Summary_option, EveryLanguageAndKindOfLimitsPrintsItsGoldenSummary)
{
    for (const Summary_words& words : Summary_languages)
        for (const Limits_names& limits : Limits_table) {
            const Command command = Parse_command_line(
                Worked_example_and({"--limits", std::string(limits.Word), "--summary", std::string(words.Word)}));
            std::ostringstream out, err;
            // The locale's separator does not enter: the language has its own.
            EXPECT_EQ(Run_single_report(command.Single, ',', out, err), Exit_status::Done);
            EXPECT_EQ(out.str(), Worked_example_summary_text(words.Language, limits.Value))
                << words.Word << " " << limits.Word;
            EXPECT_EQ(err.str(), "");
        }
}

TEST(Summary_option, AWrongLanguageIsAUsageErrorListingTheSix)
{
    for (const auto& arguments : {Worked_example_and({"--summary", "pt"}), Worked_example_and({"--summary", "EN"}),
                                  std::vector<std::string>{"--csv", "-", "--summary="}}) {
        try {
            Parse_command_line(arguments);
            ADD_FAILURE() << "accepted " << arguments.back();
        } catch (const EUsage_error& error) {
            EXPECT_STREQ(error.what(), "--summary must be one of en|de|fr|es|it|nl");
        }
    }
    EXPECT_NE(Help_text().find("--summary en|de|fr|es|it|nl"), std::string::npos);
}

// The text of a CSV field as the writer quotes it.
std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

TEST(Summary_option, TableRowsGetTheSummaryColumnsAfterTheNumbers)
{
    const Command command = Parse_command_line({"--csv", "-", "--summary", "fr"});
    ASSERT_EQ(command.Table.Summary, Summary_language::French);
    std::istringstream golden(Worked_example_summary_text(Summary_language::French));
    std::string sentences, statistics;
    std::getline(golden, sentences);
    std::getline(golden, statistics);

    Batch_options options;
    options.Summary = command.Table.Summary;
    std::istringstream in("id,sd,n,case_a,case_b\nP1,10,20,50,30\nP2,0,20,50,30\n");
    std::ostringstream out;
    EXPECT_EQ(Run_batch(in, out, options).Status, Exit_status::Some_rows_refused);
    const std::string text = out.str();
    EXPECT_NE(text.find("percent_upper,summary,statistics,error\n"), std::string::npos) << text;
    EXPECT_NE(text.find("," + Quoted(sentences) + "," + Quoted(statistics) + ",\n"), std::string::npos) << text;
    // The refused row leaves both empty before its message.
    EXPECT_NE(text.find("P2,0,20,50,30,two-sided,,,,,,,,,,,,,,"), std::string::npos) << text;

    options.Format = Output_format::Jsonl;
    std::istringstream again("sd,n,case_a,case_b\n10,20,50,30\n0,20,50,30\n");
    std::ostringstream json;
    Run_batch(again, json, options);
    EXPECT_NE(json.str().find("\"percent_upper\":16.6457"), std::string::npos);
    EXPECT_NE(json.str().find("\"summary\":\"Le cas A a obtenu 20,00 points"), std::string::npos) << json.str();
    EXPECT_NE(json.str().find("\"summary\":null,\"statistics\":null,\"error\":\""), std::string::npos) << json.str();
}

TEST(Summary_option, WithoutItTheTableHasNoSummaryColumnsAndMayNameThem)
{
    const std::string table = "sd,n,case_a,case_b,Summary\n10,20,50,30,seen\n";
    std::istringstream in(table);
    std::ostringstream out;
    EXPECT_EQ(Run_batch(in, out, Batch_options{}).Status, Exit_status::Done);
    EXPECT_EQ(out.str().find("statistics"), std::string::npos);
    // With them, a column of that name would stand twice in the output.
    std::istringstream again(table);
    Batch_options options;
    options.Summary = Summary_language::English;
    EXPECT_THROW(Run_batch(again, out, options), ETable_error);
}

}  // namespace
