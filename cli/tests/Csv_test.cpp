// The CSV reader and writer: the RFC 4180 forms, line ends, delimiters, the
// limits on what a record keeps, broken quotes, and reading no further than
// the record asked for.
#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "Csv_reader.h"
#include "Csv_writer.h"

namespace {

// A record as the tests compare it: its kept fields, its field count and its
// problem.
struct Read_record {
    std::vector<std::string> Fields;
    std::size_t Count = 0;
    std::string Problem;
    bool operator==(const Read_record&) const = default;
    friend void PrintTo(const Read_record& record, std::ostream* out)
    {
        *out << "{";
        for (const std::string& field : record.Fields)
            *out << "[" << field << "]";
        *out << " of " << record.Count << ", '" << record.Problem << "'}";
    }
};

Read_record Plain(std::vector<std::string> fields, std::string problem = "")
{
    const std::size_t count = fields.size();
    return {std::move(fields), count, std::move(problem)};
}

Read_record Record_of(const Csv_record& record)
{
    Read_record read;
    for (std::size_t i = 0; i < record.Kept_count(); ++i)
        read.Fields.emplace_back(record.Field(i));
    read.Count = record.Field_count();
    read.Problem = record.Problem();
    return read;
}

std::vector<Read_record> Read_all(const std::string& text, char delimiter = ',',
                                  Csv_limits limits = {})
{
    std::istringstream in(text);
    Csv_reader reader(in, delimiter, limits);
    std::vector<Read_record> records;
    Csv_record record;
    while (reader.Next_record(record))
        records.push_back(Record_of(record));
    return records;
}

struct Read_row {
    const char* Name;
    std::string Text;
    std::vector<Read_record> Expected;
    char Delimiter = ',';
    // CTest shows the row's name rather than its bytes.
    friend void PrintTo(const Read_row& row, std::ostream* out) { *out << row.Name; }
};

class Csv_reader_test : public testing::TestWithParam<Read_row> {};

TEST_P(Csv_reader_test, ReadsRecords)
{
    EXPECT_EQ(Read_all(GetParam().Text, GetParam().Delimiter), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, Csv_reader_test,
    testing::Values(
        Read_row{"Empty", "", {}},
        Read_row{"OneRecordNoLineEnd", "a,b,c", {Plain({"a", "b", "c"})}},
        Read_row{"LfLineEnds", "a,b\nc,d\n", {Plain({"a", "b"}), Plain({"c", "d"})}},
        Read_row{"CrLfLineEnds", "a,b\r\nc,d\r\n", {Plain({"a", "b"}), Plain({"c", "d"})}},
        Read_row{"LoneCrLineEnds", "a,b\rc,d", {Plain({"a", "b"}), Plain({"c", "d"})}},
        Read_row{"CrThenBlankLine", "a\r\rb", {Plain({"a"}), Plain({""}), Plain({"b"})}},
        Read_row{"EmptyFields", ",,\n", {Plain({"", "", ""})}},
        Read_row{"BlankLine", "a\n\nb\n", {Plain({"a"}), Plain({""}), Plain({"b"})}},
        Read_row{"BlanksKept", " 1 , 2 ", {Plain({" 1 ", " 2 "})}},
        Read_row{"QuotedComma", "\"1,5\",2\n", {Plain({"1,5", "2"})}},
        Read_row{"DoubledQuotes", "\"say \"\"hi\"\"\",x", {Plain({"say \"hi\"", "x"})}},
        Read_row{"QuotedLineBreaks", "\"a\nb\",\"c\r\nd\"\r\ne\n",
                 {Plain({"a\nb", "c\r\nd"}), Plain({"e"})}},
        Read_row{"QuotedEmpty", "\"\",\"\"\n", {Plain({"", ""})}},
        Read_row{"QuotedLast", "1,\"2\"", {Plain({"1", "2"})}},
        Read_row{"QuoteInsideUnquoted", "ab\"c,d", {Plain({"ab\"c", "d"})}},
        Read_row{"NonAscii", "\xc3\xa9,\xe2\x82\xac\n", {Plain({"\xc3\xa9", "\xe2\x82\xac"})}},
        Read_row{"ByteOrderMarkSkipped", "\xEF\xBB\xBFsd,n\n", {Plain({"sd", "n"})}},
        Read_row{"PartOfAMarkKept", "\xEF\xBBx\n", {Plain({"\xEF\xBBx"})}},
        Read_row{"MarkOnlyAtTheStart", "a\n\xEF\xBB\xBF\n", {Plain({"a"}), Plain({"\xEF\xBB\xBF"})}},
        Read_row{"Semicolons", "a;\"b;c\";1,5\n", {Plain({"a", "b;c", "1,5"})}, ';'},
        Read_row{"Tabs", "a\tb,c\n", {Plain({"a", "b,c"})}, '\t'},
        // Broken quotes end their record and reading goes on at the next line.
        Read_row{"TextAfterClosingQuote", "\"ab\"c,d\ne,f\n",
                 {Plain({"ab"}, "line 1: text after the closing quote of a field"), Plain({"e", "f"})}},
        Read_row{"TextAfterQuoteOnALaterLine", "x\r\ny\r\n\"a\" ,b\nc\n",
                 {Plain({"x"}), Plain({"y"}), Plain({"a"}, "line 3: text after the closing quote of a field"),
                  Plain({"c"})}},
        Read_row{"UnclosedQuoteReadsTheNextLinesAgain", "a\n1,\"never closed,2\n3,4\r\n5\n",
                 {Plain({"a"}), Plain({"1", "never closed,2"}, "line 2: a quoted field is not closed"),
                  Plain({"3", "4"}), Plain({"5"})}},
        Read_row{"UnclosedQuoteAfterCr", "\"x\r\n1,y\"\"z\n",
                 {Plain({"x"}, "line 1: a quoted field is not closed"), Plain({"1", "y\"\"z"})}},
        Read_row{"UnclosedQuoteOnTheLastLine", "1,\"2", {Plain({"1", "2"}, "line 1: a quoted field is not closed")}},
        Read_row{"QuoteClosedOnALaterLineThenText", "\"a\n\"b,x\nc\n",
                 {Plain({"a\n"}, "line 2: text after the closing quote of a field"), Plain({"c"})}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(Csv_reader, LineNumbersCountRecordsAndQuotedLineBreaks)
{
    std::istringstream in("a\n\"b\r\nc\"\n\"\"x\nd\n");
    Csv_reader reader(in);
    Csv_record record;
    std::vector<long> lines;
    std::vector<std::string> problems;
    while (reader.Next_record(record)) {
        lines.push_back(reader.Line_number());
        problems.push_back(record.Problem());
    }
    EXPECT_EQ(lines, (std::vector<long>{2, 4, 5, 6}));
    EXPECT_EQ(problems[2], "line 4: text after the closing quote of a field");
}

TEST(Csv_reader, LimitsCutRecordsShortAndSayWhy)
{
    Csv_limits limits;
    limits.Field_bytes = 4;
    limits.Record_bytes = 12;
    limits.Kept_fields = 3;
    const struct {
        const char* Name;
        std::string Text;
        Read_record Expected;
    } rows[] = {
        {"WithinTheLimits", "abcd,efgh,i", Plain({"abcd", "efgh", "i"})},
        {"LongField", "abcdef,g", Plain({"abcd", "g"}, "line 1: field 1 is longer than 4 bytes; it is cut short")},
        {"LongQuotedFieldOnOneLine", "x,\"abcdef\",g\nnext",
         Plain({"x", "abcd", "g"}, "line 1: field 2 is longer than 4 bytes; it is cut short")},
        {"LongRecord", "abcd,efgh,ijkl,mn",
         {{"abcd", "efgh", "ij"}, 4, "line 1: the row is longer than 12 bytes; its fields are cut short"}},
        {"ManyFields", "1,2,3,4,5", {{"1", "2", "3"}, 5, ""}},
        // The second quote of a doubled pair passes the limit.
        {"LongRecordAtADoubledQuote", "ab,\"cd\",\"ef\"\"g\"",
         {{"ab", "cd", "ef"}, 3, "line 1: the row is longer than 12 bytes; its fields are cut short"}},
    };
    for (const auto& row : rows) {
        const auto records = Read_all(row.Text, ',', limits);
        ASSERT_FALSE(records.empty()) << row.Name;
        EXPECT_EQ(records.front(), row.Expected) << row.Name;
    }
}

// A quoted field longer than the field limit runs to its closing quote over
// any number of line breaks: no line of its text is read as a row.
TEST(Csv_reader, ALongQuotedFieldEndsAtItsClosingQuote)
{
    Csv_limits limits;
    limits.Field_bytes = 8;
    const std::string cut = "line 2: field 1 is longer than 8 bytes; it is cut short";
    const std::vector<Read_row> rows = {
        {"NotesOverLinesThenTheRowsFields",
         "id,sd\n\"P1 notes: a\nP999,1,3,999,-999\nmore notes\",10\nP2,10\n",
         {Plain({"id", "sd"}), Plain({"P1 notes", "10"}, cut), Plain({"P2", "10"})}},
        {"DoubledQuotesAndCrLfInside", "id,sd\r\n\"x\"\"\r\ny\"\"\r\nz\",1\r\nP2,2\r\n",
         {Plain({"id", "sd"}), Plain({"x\"\r\ny\"\r\n", "1"}, cut), Plain({"P2", "2"})}},
        // What follows the line where an unclosed quote began is read again
        // while it is within the limit ...
        {"UnclosedWithinTheLimit", "id\n\"ab\ncd\n",
         {Plain({"id"}), Plain({"ab"}, "line 2: a quoted field is not closed"), Plain({"cd"})}},
        // ... beyond it, the rest of the input was that field's text.
        {"UnclosedBeyondTheLimit", "id\n\"ab\ncdefghij\nP2\n",
         {Plain({"id"}),
          Plain({"ab\ncdefg"}, "line 2: a quoted field is not closed; the rest of the input is read as its text")}},
    };
    for (const Read_row& row : rows)
        EXPECT_EQ(Read_all(row.Text, ',', limits), row.Expected) << row.Name;
}

TEST(Csv_reader, PeekLineConsumesNothing)
{
    std::istringstream in("\xEF\xBB\xBFsd;n\r\n1;2\n");
    Csv_reader reader(in);
    EXPECT_EQ(reader.Peek_line(3), "sd;");
    EXPECT_EQ(reader.Peek_line(100), "sd;n\r");
    reader.Set_delimiter(';');
    EXPECT_EQ(Read_all("", ';').size(), 0u);
    Csv_record record;
    ASSERT_TRUE(reader.Next_record(record));
    EXPECT_EQ(Record_of(record), Plain({"sd", "n"}));
    ASSERT_TRUE(reader.Next_record(record));
    EXPECT_EQ(Record_of(record), Plain({"1", "2"}));
    EXPECT_FALSE(reader.Next_record(record));
}

// A stream that hands out one byte at a time and remembers how far it was
// read, as a pipe fed by a program that waits for each answer would be.
class Trickle_buffer : public std::streambuf {
public:
    explicit Trickle_buffer(std::string text) : Text(std::move(text)) {}
    std::size_t Handed_out = 0;

protected:
    int_type underflow() override
    {
        if (Handed_out == Text.size())
            return traits_type::eof();
        char* byte = &Text[Handed_out++];
        setg(byte, byte, byte + 1);
        return traits_type::to_int_type(*byte);
    }

private:
    std::string Text;
};

TEST(Csv_reader, AsksForNoByteBeyondTheRecord)
{
    for (const std::string line_end : {"\n", "\r\n", "\r"}) {
        const std::string first = "sd,\"n\",x" + line_end;
        Trickle_buffer buffer(first + "1,2,3" + line_end);
        std::istream in(&buffer);
        Csv_reader reader(in);
        Csv_record record;
        ASSERT_TRUE(reader.Next_record(record));
        // A CR line end may be followed by LF: the reader must not wait for
        // the byte after the CR.
        const std::size_t through_first_line_end = first.find_first_of("\r\n") + 1;
        EXPECT_EQ(buffer.Handed_out, through_first_line_end) << "line end of " << line_end.size();
        ASSERT_TRUE(reader.Next_record(record));
        EXPECT_EQ(Record_of(record), Plain({"1", "2", "3"}));
        EXPECT_FALSE(reader.Next_record(record));
    }
}

// After the first record: whether a line end ended it, and whether the next
// may come without waiting for the stream. The LF of a CR LF belongs to the
// record its CR ended, so that a table run hands that record on at once.
TEST(Csv_reader, LineEndsAndInputAtHand)
{
    struct Case {
        const char* Text;
        bool Line_ended;
        bool At_hand;
    };
    const Case cases[] = {
        {"a\n", true, false},    {"a\r", true, false},   {"a\r\n", true, false},
        {"a\r\nb", true, true}, {"a\r\n\n", true, true}, {"a\n\n", true, true},
        {"a,b", false, false},  {"\"a", false, false},
        // An unclosed quote ends its record at the end of the input, and the
        // line after the quote's is read again.
        {"\"a\nb", false, true},
    };
    for (const Case& row : cases) {
        std::istringstream in(row.Text);
        Csv_reader reader(in);
        Csv_record record;
        ASSERT_TRUE(reader.Next_record(record)) << row.Text;
        EXPECT_EQ(record.Line_ended(), row.Line_ended) << row.Text;
        EXPECT_EQ(reader.Input_at_hand(), row.At_hand) << row.Text;
    }
}

// A line the stream holds whole is read in one pass; the records, their
// problems and the line numbers must be those of reading a byte at a time,
// at every limit's edge: a field of exactly Field_bytes, a record whose
// line end is its Record_bytes-th byte or the one after, Kept_fields fields
// or one more, a quote inside an unquoted field, blank lines.
TEST(Csv_reader, AWholeLineAtHandReadsAsByteByByte)
{
    // Fields as the binding limit, then the record.
    Csv_limits short_fields;
    short_fields.Field_bytes = 4;
    short_fields.Record_bytes = 12;
    short_fields.Kept_fields = 3;
    Csv_limits short_records = short_fields;
    short_records.Field_bytes = 8;
    short_records.Record_bytes = 6;
    const std::vector<std::string> lines = {
        "abcd,efgh,i", "abcd,efgh,ij", "abcde,f", "1,2,3", "1,2,3,4", "", "ab\"c,d", "a;b,c", ",,", "ab,cd", "ab,cde",
    };
    for (const Csv_limits& limits : {short_fields, short_records}) {
        for (const std::string line_end : {"\n", "\r\n", "\r"}) {
            for (const std::string& line : lines) {
                const std::string text = line + line_end + "\nz" + line_end;
                std::istringstream whole(text);
                Trickle_buffer trickle(text);
                std::istream by_byte(&trickle);
                Csv_reader at_hand(whole, ',', limits);
                Csv_reader one_by_one(by_byte, ',', limits);
                Csv_record record;
                for (;;) {
                    const bool read = at_hand.Next_record(record);
                    const Read_record from_whole = read ? Record_of(record) : Read_record{};
                    ASSERT_EQ(one_by_one.Next_record(record), read) << line;
                    if (!read)
                        break;
                    EXPECT_EQ(from_whole, Record_of(record)) << line << " ended by " << line_end.size();
                    EXPECT_EQ(at_hand.Line_number(), one_by_one.Line_number()) << line;
                }
            }
        }
    }
    EXPECT_EQ(Read_all("abcd,efgh,i\n", ',', short_fields).front(), Plain({"abcd", "efgh", "i"}));
    EXPECT_EQ(Read_all("ab,cde\n", ',', short_records).front().Problem,
              "line 1: the row is longer than 6 bytes; its fields are cut short");
}

TEST(Csv_reader, BlankRecordsAreThoseWithNothingInAnyField)
{
    const struct {
        const char* Line;
        bool Blank;
    } rows[] = {
        {"\n", true}, {";;;;\n", true}, {";;;;", true}, {"\"\";;\r\n", true},
        {";;x;\n", false}, {"; ;\n", false}, {";\"\"x;\n", false}, {"\";\n", false},
    };
    for (const auto& row : rows) {
        std::istringstream in(row.Line);
        Csv_reader reader(in, ';');
        Csv_record record;
        ASSERT_TRUE(reader.Next_record(record)) << row.Line;
        EXPECT_EQ(record.Is_blank(), row.Blank) << row.Line;
    }
    // Fields beyond those kept may hold anything: such a record is no blank.
    std::istringstream in(";;;x\n");
    Csv_limits limits;
    limits.Kept_fields = 2;
    Csv_reader reader(in, ';', limits);
    Csv_record record;
    ASSERT_TRUE(reader.Next_record(record));
    EXPECT_FALSE(record.Is_blank());
}

TEST(Csv_writer, TextsASpreadsheetWouldEvaluate)
{
    const struct {
        const char* Text;
        bool Formula;
    } rows[] = {
        {"=1+1", true}, {"+1", true}, {"@SUM(A1)", true}, {"-A1", true}, {"-", true}, {"--1", true},
        {"-.", true}, {"-4", false}, {"-.5", false}, {"-,5", false}, {"4-1", false}, {"", false},
        {" =1", false}, {"a=b", false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Spreadsheet_reads_as_formula(row.Text), row.Formula) << row.Text;
}

TEST(Csv_writer, AFieldIsQuotedWhenItHoldsItsDelimiter)
{
    Text_sink out;
    for (const char* field : {"1,5", "a;b", "t\tab"}) {
        Write_csv_field(out, field, ';');
        out.Append('|');
    }
    EXPECT_EQ(out.Take(), "1,5|\"a;b\"|t\tab|");
}

// Quoting is right when every field reads back as written.
TEST(Csv_writer, RecordsReadBackUnchanged)
{
    const std::vector<std::string> fields = {"a", "", "1,5", "q\"uo\"\"te", "line\r\nbreak", " "};
    std::ostringstream out;
    Write_csv_record(out, fields);
    Write_csv_record(out, {"x"});
    EXPECT_EQ(out.str(), "a,,\"1,5\",\"q\"\"uo\"\"\"\"te\",\"line\r\nbreak\", \nx\n");
    EXPECT_EQ(Read_all(out.str()), (std::vector<Read_record>{Plain(fields), Plain({"x"})}));

    std::ostringstream marked;
    Write_csv_record(marked, {"\xEF\xBB\xBFsd", "n"});
    EXPECT_EQ(marked.str(), "\"\xEF\xBB\xBFsd\",n\n");
    EXPECT_EQ(Read_all(marked.str()), (std::vector<Read_record>{Plain({"\xEF\xBB\xBFsd", "n"})}));
}

}  // namespace
