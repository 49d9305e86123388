// The control data file's text and its number reader.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "Control_data.h"

namespace {

TEST(Control_data_text, WritesEachEntryAndOneBlank)
{
    const struct {
        const char* Name;
        std::array<std::string, 8> Entries;
        std::string Expected;
    } rows[] = {
        {"WorkedExample", {"15.5", "20", "45", "52", "", "", "", ""}, "15.5 20 45 52     "},
        {"AsTyped", {".5", "015", "-3", "20.", "", "", "", ""}, ".5 015 -3 20.     "},
        {"BlanksRemoved", {"1 5", " 20 ", "4 5", "5  2", "", "", "", ""}, "15 20 45 52     "},
        {"OtherSeparatorsRemoved", {"1\t5", "2\r\n0", "45", "52", "", "", "", ""},
         "15 20 45 52     "},
        {"AllEmpty", {}, "        "},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Control_data_text(row.Entries), row.Expected) << row.Name;
    EXPECT_EQ(Control_data_text(rows[0].Entries).size(), 18u);
}

TEST(Control_data_text, ReadsBackAsTheNumbersThatWereChecked)
{
    std::istringstream in(Control_data_text({"1 5", "2 0", "45", "52", "", "", "", ""}));
    EXPECT_EQ(Read_control_number(in), 15);
    EXPECT_EQ(Read_control_number(in), 20);
}

struct Read_row {
    const char* Name;
    std::string Content;
    std::vector<double> Numbers;  // read one after the other
    // CTest shows the row's name rather than its bytes.
    friend void PrintTo(const Read_row& row, std::ostream* out) { *out << row.Name; }
};

class Read_control_number_test : public testing::TestWithParam<Read_row> {};

TEST_P(Read_control_number_test, ReadsTheNumbersInOrder)
{
    const Read_row& row = GetParam();
    std::istringstream in(row.Content);
    for (const double expected : row.Numbers)
        EXPECT_DOUBLE_EQ(Read_control_number(in), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, Read_control_number_test,
    testing::Values(
        Read_row{"WrittenFile", "15.5 20 45 52     ", {15.5, 20, 45, 52, 0}},
        Read_row{"LineEnds", "15.5\r\n20\r\n", {15.5, 20, 0}},
        Read_row{"TabsAndControlCodes", "\t\x01" "15.5\x1f\v20", {15.5, 20}},
        Read_row{"Empty", "", {0, 0}},
        Read_row{"OnlyWhiteSpace", " \r\n\t ", {0, 0}},
        Read_row{"OneNumber", "12", {12, 0}},
        Read_row{"NoWholeDigits", ".5 5.", {0.5, 5}},
        Read_row{"Signs", "+3 -2.5", {3, -2.5}},
        Read_row{"Exponents", "-2.5e3 1E-2 4e+1", {-2500, 0.01, 40}},
        Read_row{"GarbageAfterTwo", "10 20 not-a-number", {10, 20}},
        // 64 characters make one number (a longer one is refused below).
        Read_row{"SixtyFourCharacters", std::string(64, '1'), {1.1111111111111111e63, 0}},
        Read_row{"SixtyFourThenTheNext", std::string(64, '1') + " 7", {1.1111111111111111e63, 7}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(Read_control_number, RefusesWhatIsNoDecimalNumber)
{
    const char* const rows[] = {
        "abc", "1.2.3", "1e", "1e+", "e5", "--1", "+-1", ".", "-", "+", "-.e1",
        "1x", "1,5", "0x10", "inf", "nan", "1e999", "\xc3\xa9",
    };
    for (const char* content : rows) {
        std::istringstream in(content);
        try {
            Read_control_number(in);
            ADD_FAILURE() << "accepted " << content;
        } catch (const EIn_out_error& error) {
            EXPECT_STREQ(error.what(), "Invalid numeric input") << content;
        }
    }
}

// A number text longer than the reader keeps is damaged data, never a number
// and the start of the next one.
TEST(Read_control_number, RefusesANumberTextLongerThanSixtyFourCharacters)
{
    const struct {
        const char* Name;
        std::string Content;
        int Good_numbers;  // read before the long one
    } rows[] = {
        {"SixtyFiveDigits", std::string(65, '1') + " 7", 0},
        {"FourHundredNinesThenN", std::string(400, '9') + " 20", 0},
        {"LongFraction", "0." + std::string(62, '0') + "12", 0},
        {"LongExponentTail", "1e" + std::string(63, '0') + "1", 0},
        {"SdThenLongN", "15 " + std::string(400, '9') + " ", 1},
    };
    for (const auto& row : rows) {
        std::istringstream in(row.Content);
        for (int i = 0; i < row.Good_numbers; ++i)
            Read_control_number(in);
        try {
            const double value = Read_control_number(in);
            ADD_FAILURE() << row.Name << " read as " << value;
        } catch (const EIn_out_error& error) {
            EXPECT_STREQ(error.what(), "Invalid numeric input") << row.Name;
        }
    }
}

TEST(Read_control_number, ReadsTheFirstNumberEvenWhenTheSecondIsBad)
{
    std::istringstream in("12 x");
    EXPECT_EQ(Read_control_number(in), 12);
    EXPECT_THROW(Read_control_number(in), EIn_out_error);
}

// A source of `size` bytes of `fill`, handing out at most `chunk` at a time
// and counting what it handed out; a size of -1 never ends (a sparse file of
// any length is an endless run of NUL bytes to its reader).
class Counting_source {
public:
    Counting_source(long long size, char fill, std::size_t chunk) : left_(size), fill_(fill), chunk_(chunk) {}

    std::size_t operator()(char* buffer, std::size_t size)
    {
        std::size_t count = std::min(size, chunk_);
        if (left_ >= 0)
            count = std::min<std::size_t>(count, static_cast<std::size_t>(left_ - given_));
        std::fill_n(buffer, count, fill_);
        given_ += static_cast<long long>(count);
        return count;
    }
    long long Given() const { return given_; }

private:
    long long left_;
    char fill_;
    std::size_t chunk_;
    long long given_ = 0;
};

TEST(Read_control_data, TakesAFileUpToTheLimitWhole)
{
    const struct {
        const char* Name;
        long long Size;
        std::size_t Chunk;
    } rows[] = {
        {"Empty", 0, 4096},
        {"WorkedExample", 18, 4096},
        {"AtTheLimitInOneRead", Control_data_size_limit, 1 << 20},
        {"AtTheLimitByteByByte", Control_data_size_limit, 1},
    };
    for (const auto& row : rows) {
        Counting_source source(row.Size, ' ', row.Chunk);
        EXPECT_EQ(Read_control_data(std::ref(source)), std::string(static_cast<std::size_t>(row.Size), ' '))
            << row.Name;
    }
}

TEST(Read_control_data, ALargerFileIsDamagedAndReadOnlyUpToTheLimit)
{
    const struct {
        const char* Name;
        long long Size;
        char Fill;
        std::size_t Chunk;
    } rows[] = {
        {"OneByteOver", Control_data_size_limit + 1, '1', 4096},
        {"TenMegabytesOfDigits", 10LL << 20, '1', 1 << 16},
        {"EndlessNulBytes", -1, '\0', 1 << 16},
        {"EndlessBlanksByteByByte", -1, ' ', 1},
    };
    for (const auto& row : rows) {
        Counting_source source(row.Size, row.Fill, row.Chunk);
        try {
            Read_control_data(std::ref(source));
            ADD_FAILURE() << row.Name << " accepted";
        } catch (const EIn_out_error& error) {
            EXPECT_STREQ(error.what(), "Invalid numeric input") << row.Name;
        }
        EXPECT_LE(source.Given(), static_cast<long long>(Control_data_size_limit) + 1) << row.Name;
    }
}

TEST(Restored_text, FormatsLikeSixSignificantDigitsGeneral)
{
    const struct {
        double Value;
        const char* Expected;
    } rows[] = {
        {15.5, "15.5"},      {20, "20"},           {0.5, "0.5"},
        {15, "15"},          {3.14159265, "3.14159"}, {-2.5, "-2.5"},
        {0, "0"},            {999999, "999999"},   {1234567, "1.23457e+06"},
        {0.0001, "0.0001"},  {0.00001, "1e-05"},   {1.1111111111111111e63, "1.11111e+63"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Restored_text(row.Value), row.Expected) << row.Expected;
}

}  // namespace
