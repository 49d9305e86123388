// The input routines: which keys and texts pass, and the exact message of
// every refusal (CR is a lone code 13).
#include <gtest/gtest.h>

#include <string>

#include "Field_captions.h"
#include "Metrics_Papers.h"
#include "Recording_messages.h"
#include "distrib.h"

namespace {


std::string Not_numeric(const std::string& text)
{
    return "INPUT ERROR\r(  Test score for Case A:  " + text + "  )\r\rEnter numeric data only.";
}

// ---- Key filter ----------------------------------------------------------

struct Key_row {
    const char* Name;
    char Key;
    char Result;  // 0: refused
    // CTest shows the row's name rather than its bytes.
    friend void PrintTo(const Key_row& row, std::ostream* out) { *out << row.Name; }
};

class Filter_numeric_key_test : public testing::TestWithParam<Key_row> {};

TEST_P(Filter_numeric_key_test, PassesOrRefuses)
{
    const Key_row& row = GetParam();
    Recording_messages platform;
    EXPECT_EQ(Filter_numeric_key(platform, row.Key), row.Result);
    if (row.Result == 0) {
        EXPECT_EQ(platform.Beeps, 1);
        ASSERT_EQ(platform.Warnings.size(), 1u);
        EXPECT_EQ(platform.Warnings[0], "INPUT ERROR\r\rEnter numeric data only.");
    } else {
        EXPECT_EQ(platform.Beeps, 0);
        EXPECT_TRUE(platform.Warnings.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, Filter_numeric_key_test,
    testing::Values(Key_row{"CommaBecomesPoint", ',', '.'}, Key_row{"Point", '.', '.'},
                    Key_row{"Minus", '-', '-'}, Key_row{"Zero", '0', '0'},
                    Key_row{"Nine", '9', '9'}, Key_row{"Backspace", 8, 8},
                    Key_row{"Tab", 9, 9}, Key_row{"Enter", 13, 13},
                    Key_row{"Letter", 'a', 0}, Key_row{"Blank", ' ', 0},
                    Key_row{"Plus", '+', 0}, Key_row{"Exponent", 'e', 0},
                    Key_row{"CopyShortcut", 3, 0}, Key_row{"PasteShortcut", 22, 0},
                    Key_row{"LineFeed", 10, 0}, Key_row{"Slash", '/', 0},
                    Key_row{"Colon", ':', 0}),
    [](const auto& info) { return std::string(info.param.Name); });

// ---- Length limit ----------------------------------------------------------

TEST(Limit_input_length, CutsToSixCharactersAfterBeepAndMessage)
{
    const struct {
        std::string Text;
        std::string Expected;
    } rows[] = {
        {"1234567", "123456"},
        {"12345678901234", "123456"},
        // Six two-byte characters, never half of one.
        {"\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9",
         "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9"},
        {"1\xe2\x82\xac" "234567", "1\xe2\x82\xac" "2345"},
    };
    for (const auto& row : rows) {
        Recording_messages platform;
        EXPECT_EQ(Limit_input_length(platform, row.Text), row.Expected) << row.Text;
        EXPECT_EQ(platform.Beeps, 1);
        ASSERT_EQ(platform.Warnings.size(), 1u);
        EXPECT_EQ(platform.Warnings[0], "Maximum length of input is 6 characters.");
    }
}

// ---- Numeric reader: accepted forms --------------------------------------------

struct Accepted_row {
    const char* Name;
    const char* Text;
    double Value;
    // CTest shows the row's name rather than its bytes.
    friend void PrintTo(const Accepted_row& row, std::ostream* out) { *out << row.Name; }
};

class Read_numeric_input_accepts : public testing::TestWithParam<Accepted_row> {};

TEST_P(Read_numeric_input_accepts, ReadsValueWithoutMessage)
{
    const Accepted_row& row = GetParam();
    Recording_messages platform;
    Input_error = true;  // as a refusal before would leave it
    EXPECT_DOUBLE_EQ(Read_numeric_input(platform, row.Text, Case_A_caption), row.Value);
    EXPECT_FALSE(Input_error);
    EXPECT_TRUE(platform.Warnings.empty());
    EXPECT_EQ(platform.Beeps, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, Read_numeric_input_accepts,
    testing::Values(Accepted_row{"Whole", "20", 20}, Accepted_row{"LeadingZero", "020", 20},
                    Accepted_row{"TrailingPoint", "20.", 20},
                    Accepted_row{"Negative", "-4.5", -4.5},
                    Accepted_row{"NoWholeDigits", ".5", 0.5},
                    Accepted_row{"NegativeNoWholeDigits", "-.25", -0.25},
                    Accepted_row{"ZeroFraction", "3.0", 3},
                    Accepted_row{"Hundredth", "0.01", 0.01},
                    Accepted_row{"BlankInside", "1 5", 15},
                    Accepted_row{"LeadingBlank", " 12", 12},
                    Accepted_row{"TrailingBlank", "12 ", 12},
                    Accepted_row{"BlankAfterMinus", "- 4", -4},
                    Accepted_row{"ManyFractionDigits", "0.1234567890123456789", 0.1234567890123456789},
                    Accepted_row{"AboveInt32", "2147483648", 2147483648.0},
                    Accepted_row{"ExtremeCase", "-99999", -99999}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(Read_numeric_input, FractionDigitsBeyondDoubleRangeAreHarmless)
{
    Recording_messages platform;
    const std::string text = "0.5" + std::string(5000, '0') + "7";
    EXPECT_EQ(Read_numeric_input(platform, text, Case_A_caption), 0.5);
    EXPECT_FALSE(Input_error);
}

// Each text reads into the double nearest its number, as the compiler reads
// the same digits as a literal, whatever the precision of the build's long
// double. Reading digit by digit, with each fraction term formed and added in
// long double, landed one unit in the last place off in about half of such
// texts, and differently in the 80-bit and quad builds.
struct Nearest_row {
    const char* Name;
    const char* Text;
    double Nearest;
    friend void PrintTo(const Nearest_row& row, std::ostream* out) { *out << row.Name; }
};

class Read_numeric_input_nearest : public testing::TestWithParam<Nearest_row> {};

TEST_P(Read_numeric_input_nearest, ReadsTheNearestDouble)
{
    Recording_messages platform;
    EXPECT_EQ(Read_numeric_input(platform, GetParam().Text, Case_A_caption), GetParam().Nearest);
    EXPECT_FALSE(Input_error);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Read_numeric_input_nearest,
    testing::Values(Nearest_row{"Off_in_80_bit_1", "6878.314698", 6878.314698},
                    Nearest_row{"Off_in_80_bit_2", "6297.76869", 6297.76869},
                    Nearest_row{"Off_in_quad_1", "4915.738192", 4915.738192},
                    Nearest_row{"Off_in_quad_2", "4614.517794", 4614.517794},
                    Nearest_row{"Off_in_both", "6622.98389862", 6622.98389862},
                    Nearest_row{"Negative_with_blanks", "- 66 22.983 898 62", -6622.98389862},
                    Nearest_row{"Largest_double",
                                "17976931348623157081452742373170435679807056752584499659891747680315726078002853"
                                "87605895586327668781715404589535143824642343213268894641827684675467035375169860"
                                "49910576551282076245490090389328944075868508455133942304583236903222948165808559"
                                "332123348274797826204144723168738177180919299881250404026184124858368",
                                1.7976931348623157e308},
                    Nearest_row{"Below_the_smallest_double", "0.000000000000000000000000000000000000000000000000"
                                "00000000000000000000000000000000000000000000000000000000000000000000000000000000"
                                "00000000000000000000000000000000000000000000000000000000000000000000000000000000"
                                "00000000000000000000000000000000000000000000000000000000000000000000000000000000"
                                "00000000000000000000000000000000000000000000000000000000000000000000000000000001",
                                0.0}),
    [](const auto& info) { return std::string(info.param.Name); });

// ---- Numeric reader: refusals ----------------------------------------------------

struct Refused_row {
    const char* Name;
    std::string Text;
    std::string Message;
    // CTest shows the row's name rather than its bytes.
    friend void PrintTo(const Refused_row& row, std::ostream* out) { *out << row.Name; }
};

class Read_numeric_input_refuses : public testing::TestWithParam<Refused_row> {};

TEST_P(Read_numeric_input_refuses, SetsErrorAndWarnsOnce)
{
    const Refused_row& row = GetParam();
    Recording_messages platform;
    Input_error = false;
    Read_numeric_input(platform, row.Text, Case_A_caption);
    EXPECT_TRUE(Input_error);
    ASSERT_EQ(platform.Warnings.size(), 1u);
    EXPECT_EQ(platform.Warnings[0], row.Message);
    EXPECT_EQ(platform.Beeps, 0);
}

const std::string Too_long_number(400, '9');

INSTANTIATE_TEST_SUITE_P(
    Texts, Read_numeric_input_refuses,
    testing::Values(
        Refused_row{"Empty", "",
                    "INPUT ERROR\r\r(  Test score for Case A:  )\r\r"
                    "Data have not been entered in this field."},
        Refused_row{"MinusInside", "12-3", Not_numeric("12-3")},
        Refused_row{"TwoPoints", "1.2.3", Not_numeric("1.2.3")},
        Refused_row{"MinusAfterBlank", " -4", Not_numeric(" -4")},
        Refused_row{"DoubleMinus", "--4", Not_numeric("--4")},
        Refused_row{"Letters", "abc", Not_numeric("abc")},
        Refused_row{"Exponent", "1e5", Not_numeric("1e5")},
        Refused_row{"Comma", "1,5", Not_numeric("1,5")},
        Refused_row{"Tab", "1\t5", Not_numeric("1\t5")},
        // A text without any digit is no number at all.
        Refused_row{"OnlyBlanks", "   ", Not_numeric("   ")},
        Refused_row{"OnlyPoint", ".", Not_numeric(".")},
        Refused_row{"OnlyMinus", "-", Not_numeric("-")},
        Refused_row{"MinusPoint", "-.", Not_numeric("-.")},
        Refused_row{"MinusPointBlank", "- . ", Not_numeric("- . ")},
        // More than a double can hold.
        Refused_row{"BeyondDouble", Too_long_number, Not_numeric(Too_long_number)}),
    [](const auto& info) { return std::string(info.param.Name); });

// ---- Numeric reader: blanks inside a number ---------------------------------------

// The worksheet skips a blank wherever it stands; texts typed elsewhere are
// refused for a blank between two characters, and only for that.
struct Inner_blank_row {
    const char* Name;
    const char* Text;
    double Value;            // as the worksheet reads it
    bool Refused_elsewhere;  // with Inner_blanks::Refused
    friend void PrintTo(const Inner_blank_row& row, std::ostream* out) { *out << row.Name; }
};

class Inner_blanks_test : public testing::TestWithParam<Inner_blank_row> {};

TEST_P(Inner_blanks_test, SkippedByTheWorksheetRefusedElsewhere)
{
    const Inner_blank_row& row = GetParam();
    Recording_messages worksheet;
    EXPECT_DOUBLE_EQ(Read_numeric_input(worksheet, row.Text, Case_A_caption), row.Value);
    EXPECT_FALSE(Input_error);
    Recording_messages elsewhere;
    const double value = Read_numeric_input(elsewhere, row.Text, Case_A_caption, Inner_blanks::Refused);
    EXPECT_EQ(Input_error, row.Refused_elsewhere);
    if (row.Refused_elsewhere) {
        ASSERT_EQ(elsewhere.Warnings.size(), 1u);
        EXPECT_EQ(elsewhere.Warnings[0], Not_numeric(row.Text));
    } else {
        EXPECT_TRUE(elsewhere.Warnings.empty());
        EXPECT_DOUBLE_EQ(value, row.Value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Inner_blanks_test,
    testing::Values(Inner_blank_row{"ThousandsSeparator", "50 5", 505, true},
                    Inner_blank_row{"BetweenDigits", "1 0", 10, true},
                    Inner_blank_row{"AfterMinus", "- 4", -4, true},
                    Inner_blank_row{"AroundPoint", "1 . 5", 1.5, true},
                    Inner_blank_row{"BeforeLastDigit", "3.5 7  ", 3.57, true},
                    Inner_blank_row{"Before", "  12", 12, false},
                    Inner_blank_row{"After", "-4.5   ", -4.5, false},
                    Inner_blank_row{"BeforeAndAfter", " 0.01 ", 0.01, false}),
    [](const auto& info) { return std::string(info.param.Name); });

// ---- Range checks -----------------------------------------------------------------

std::string Sd_message(const std::string& shown)
{
    return "INPUT ERROR\r(  " + Sd_caption + "  " + shown +
           "  )\rStandard deviations must have a positive value.";
}

std::string N_message(const std::string& shown)
{
    return "INPUT ERROR\r(  " + N_caption + "  " + shown +
           "  )\rThe value for sample size must be an integer greater than 2.";
}

// One row for either check: the check with its caption and message, the
// value, and the value as the message shows it (nullptr: the value passes).
struct Check_row {
    std::string Name;
    bool (*Check)(User_messages&, std::string_view, double, char);
    const std::string* Caption;
    std::string (*Message)(const std::string&);
    double Value;
    const char* Shown;
    // CTest shows the row's name rather than its bytes.
    friend void PrintTo(const Check_row& row, std::ostream* out) { *out << row.Name; }
};

Check_row Sd_row(const char* name, double value, const char* shown)
{
    return {std::string("Sd") + name, Check_positive_sd, &Sd_caption, Sd_message, value, shown};
}

Check_row N_row(const char* name, double value, const char* shown)
{
    return {std::string("N") + name, Check_sample_size, &N_caption, N_message, value, shown};
}

class Range_check_test : public testing::TestWithParam<Check_row> {};

TEST_P(Range_check_test, PassesOrWarns)
{
    const Check_row& row = GetParam();
    Recording_messages platform;
    EXPECT_EQ(row.Check(platform, *row.Caption, row.Value, '.'), row.Shown == nullptr);
    if (row.Shown) {
        ASSERT_EQ(platform.Warnings.size(), 1u);
        EXPECT_EQ(platform.Warnings[0], row.Message(row.Shown));
    } else {
        EXPECT_TRUE(platform.Warnings.empty());
    }
    EXPECT_EQ(platform.Beeps, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Values, Range_check_test,
    testing::Values(Sd_row("Zero", 0, "0.000"), Sd_row("Negative", -2, "-2.000"),
                    Sd_row("Hundredth", 0.01, nullptr), Sd_row("Tiny", 1e-300, nullptr),
                    Sd_row("Ten", 10, nullptr),
                    N_row("Two", 2, "2.000"), N_row("TwoAndAHalf", 2.5, "2.500"),
                    N_row("Zero", 0, "0.000"), N_row("Negative", -5, "-5.000"),
                    N_row("Fraction", 20.5, "20.500"), N_row("Three", 3, nullptr),
                    N_row("Twenty", 20, nullptr), N_row("SixDigits", 999999, nullptr),
                    N_row("Int32Maximum", 2147483647.0, nullptr),
                    // Above INT32_MAX the conversion to the signed 32-bit N would wrap.
                    N_row("Int32MaximumPlusOne", 2147483648.0, "2147483648.000"),
                    N_row("Uint32Wrap", 4294967299.0, "4294967299.000"),
                    N_row("Huge", 1e19, "10000000000000000000.000")),
    [](const auto& info) { return info.param.Name; });

TEST(Check_positive_sd, ShowsTheValueWithTheUsersSeparator)
{
    Recording_messages platform;
    Check_positive_sd(platform, Sd_caption, -1.5, ',');
    Check_sample_size(platform, N_caption, 2.25, ',');
    ASSERT_EQ(platform.Warnings.size(), 2u);
    EXPECT_EQ(platform.Warnings[0], Sd_message("-1,500"));
    EXPECT_EQ(platform.Warnings[1], N_message("2,250"));
}

}  // namespace
