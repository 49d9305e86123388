// The CSV reader and writer: the RFC 4180 forms, line ends, and malformed input.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "Csv_reader.h"
#include "Csv_writer.h"

namespace {

using Records = std::vector<std::vector<std::string>>;

Records Read_all(const std::string& text)
{
    std::istringstream in(text);
    Csv_reader reader(in);
    Records records;
    std::vector<std::string> fields;
    while (reader.Next_record(fields))
        records.push_back(fields);
    return records;
}

struct Read_row {
    const char* Name;
    std::string Text;
    Records Expected;
    // CTest shows the row's name rather than its bytes.
    friend void PrintTo(const Read_row& row, std::ostream* out) { *out << row.Name; }
};

class Csv_reader_test : public testing::TestWithParam<Read_row> {};

TEST_P(Csv_reader_test, ReadsRecords)
{
    EXPECT_EQ(Read_all(GetParam().Text), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, Csv_reader_test,
    testing::Values(
        Read_row{"Empty", "", {}},
        Read_row{"OneRecordNoLineEnd", "a,b,c", {{"a", "b", "c"}}},
        Read_row{"LfLineEnds", "a,b\nc,d\n", {{"a", "b"}, {"c", "d"}}},
        Read_row{"CrLfLineEnds", "a,b\r\nc,d\r\n", {{"a", "b"}, {"c", "d"}}},
        Read_row{"LoneCrLineEnds", "a,b\rc,d", {{"a", "b"}, {"c", "d"}}},
        Read_row{"EmptyFields", ",,\n", {{"", "", ""}}},
        Read_row{"BlankLine", "a\n\nb\n", {{"a"}, {""}, {"b"}}},
        Read_row{"BlanksKept", " 1 , 2 ", {{" 1 ", " 2 "}}},
        Read_row{"QuotedComma", "\"1,5\",2\n", {{"1,5", "2"}}},
        Read_row{"DoubledQuotes", "\"say \"\"hi\"\"\",x", {{"say \"hi\"", "x"}}},
        Read_row{"QuotedLineBreaks", "\"a\nb\",\"c\r\nd\"\r\ne\n", {{"a\nb", "c\r\nd"}, {"e"}}},
        Read_row{"QuotedEmpty", "\"\",\"\"\n", {{"", ""}}},
        Read_row{"QuotedLast", "1,\"2\"", {{"1", "2"}}},
        Read_row{"QuoteInsideUnquoted", "ab\"c,d", {{"ab\"c", "d"}}},
        Read_row{"NonAscii", "\xc3\xa9,\xe2\x82\xac\n", {{"\xc3\xa9", "\xe2\x82\xac"}}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(Csv_reader, RefusesMalformedQuotes)
{
    const struct {
        const char* Text;
        const char* Message;
    } rows[] = {
        {"a\n\"never closed,1\n2\n", "line 2: a quoted field is not closed"},
        {"\"ab\"c,d\n", "line 1: text after the closing quote of a field"},
        {"x\r\ny\r\n\"a\" ,b\n", "line 3: text after the closing quote of a field"},
    };
    for (const auto& row : rows) {
        try {
            Read_all(row.Text);
            ADD_FAILURE() << "accepted " << row.Text;
        } catch (const Csv_error& error) {
            EXPECT_STREQ(error.what(), row.Message);
        }
    }
}

// Quoting is right when every field reads back as written.
TEST(Csv_writer, RecordsReadBackUnchanged)
{
    const std::vector<std::string> fields = {"a", "", "1,5", "q\"uote", "line\r\nbreak", " "};
    std::ostringstream out;
    Write_csv_record(out, fields);
    Write_csv_record(out, {"x"});
    EXPECT_EQ(Read_all(out.str()), (Records{fields, {"x"}}));
}

}  // namespace
