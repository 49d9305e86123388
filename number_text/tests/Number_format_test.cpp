// Format_fixed: the %W.Pf patterns of the report; Format_trimmed; the
// user's decimal separator, taken from the locale's and put into a number's
// text.
#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "Number_format.h"

namespace {

struct Format_row {
    std::string Name;
    long double Value;
    int Width, Precision;
    char Separator;
    std::string Expected;
};

void PrintTo(const Format_row& row, std::ostream* os) { *os << row.Name; }

class Format_fixed_rows : public testing::TestWithParam<Format_row> {};

TEST_P(Format_fixed_rows, WritesThePattern)
{
    const Format_row& row = GetParam();
    EXPECT_EQ(Format_fixed(row.Value, row.Width, row.Precision, row.Separator), row.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Format_fixed_rows,
    testing::Values(
        Format_row{"PadsDecimalsWithZeros", 20, 5, 3, '.', "20.000"},
        Format_row{"RoundsDown", 1.41421356237L, 1, 3, '.', "1.414"},
        Format_row{"RoundsUp", 0.0867386L, 1, 6, '.', "0.086739"},
        Format_row{"RoundingCarriesIntoIntegerPart", 9.99996L, 1, 4, '.', "10.0000"},
        Format_row{"RoundsFromExtendedNotDouble", 0.1234565000000000001L, 1, 6, '.', "0.123457"},
        Format_row{"Negative", -20, 5, 3, '.', "-20.000"},
        Format_row{"NegativeRounded", -1.8604L, 1, 3, '.', "-1.860"},
        Format_row{"NegativePadded", -0.5L, 8, 4, '.', " -0.5000"},
        Format_row{"CommaSeparator", 3.14159L, 1, 3, ',', "3,142"},
        Format_row{"CommaSeparatorPadded", 8.67386L, 8, 4, ',', "  8,6739"},
        Format_row{"NoDecimalsNoSeparator", 19, 3, 0, ',', " 19"},
        Format_row{"NoDecimalsRounds", 2.7L, 3, 0, '.', "  3"},
        Format_row{"PadsToWidth", 16.64567L, 8, 4, '.', " 16.6457"},
        Format_row{"ExactWidth", 100, 8, 4, '.', "100.0000"},
        Format_row{"WideNumberNotCut", 12345678.5L, 8, 4, '.', "12345678.5000"},
        Format_row{"WideIntegerNotCut", 999998, 3, 0, '.', "999998"},
        Format_row{"ZeroWidth", 0.5L, 0, 1, '.', "0.5"},
        Format_row{"ExactTieRoundsToEven", 0.125L, 1, 2, '.', "0.12"}),
    [](const testing::TestParamInfo<Format_row>& info) { return info.param.Name; });

TEST(Format_fixed_extremes, LargestExtendedValueIsWrittenInFull)
{
    const long double largest = std::numeric_limits<long double>::max();
    const std::string text = Format_fixed(-largest, 1, 3, ',');
    // 4933 integer digits, the sign, the separator and three decimals.
    EXPECT_EQ(text.size(), 4933u + 5u);
    EXPECT_EQ(text.substr(0, 21), "-11897314953572317650");
    EXPECT_EQ(text.substr(text.size() - 4), ",000");
}

TEST(Format_fixed_extremes, NegativePrecisionIsRefused)
{
    EXPECT_THROW(Format_fixed(1, 1, -1, '.'), std::invalid_argument);
}

struct Trimmed_row {
    std::string Name;
    long double Value;
    int Max_precision;
    char Separator;
    std::string Expected;
};

void PrintTo(const Trimmed_row& row, std::ostream* os) { *os << row.Name; }

class Format_trimmed_rows : public testing::TestWithParam<Trimmed_row> {};

TEST_P(Format_trimmed_rows, DropsTrailingZerosAndABareSeparator)
{
    const Trimmed_row& row = GetParam();
    EXPECT_EQ(Format_trimmed(row.Value, row.Max_precision, row.Separator), row.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Format_trimmed_rows,
    testing::Values(Trimmed_row{"WholeNumberHasNoSeparator", 95, 6, '.', "95"},
                    Trimmed_row{"ZerosInsideTheIntegerStay", 100, 6, '.', "100"},
                    Trimmed_row{"Zero", 0, 6, '.', "0"},
                    Trimmed_row{"OneDecimal", 97.5L, 6, ',', "97,5"},
                    Trimmed_row{"RoundedAtMaxPrecision", 2.0000004L, 6, '.', "2"},
                    Trimmed_row{"KeepsNeededDecimals", -0.125L, 6, '.', "-0.125"},
                    Trimmed_row{"NoDecimalsAsked", 19.6L, 0, '.', "20"}),
    [](const testing::TestParamInfo<Trimmed_row>& info) { return info.param.Name; });

TEST(Put_decimal_separator, ReplacesThePointInsideTheGivenCharactersOnly)
{
    struct Row {
        std::string Text;
        std::size_t Length;
        char Separator;
        std::string Expected;
    };
    const Row rows[] = {
        {"1.5e-06", 7, ',', "1,5e-06"},
        {"-0.125", 6, '.', "-0.125"},
        {"95", 2, ',', "95"},
        {"2.5;3.5", 3, ',', "2,5;3.5"},
    };
    for (Row row : rows) {
        Put_decimal_separator(std::span<char>(row.Text).first(row.Length), row.Separator);
        EXPECT_EQ(row.Text, row.Expected);
    }
}

TEST(Decimal_separator_of, TakesOneAsciiCharacterElseAFullStop)
{
    struct Row {
        std::string_view Locale_separator;
        char Expected;
    };
    const Row rows[] = {
        {",", ','},
        {".", '.'},
        {"", '.'},
        {"\xd9\xab", '.'},  // the Arabic decimal separator in UTF-8
        {"\xab", '.'},      // a legacy 8-bit locale's byte: not UTF-8 alone
        {", ", '.'},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Decimal_separator_of(row.Locale_separator), row.Expected) << row.Locale_separator;
}

}  // namespace
