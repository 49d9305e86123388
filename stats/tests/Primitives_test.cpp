#include "Expect_refusal.h"

#include <cmath>
#include <limits>

namespace {

struct Closeness_row {
    const char* name;
    Extended a, b;
    bool same;
};

constexpr Closeness_row Closeness_rows[] = {
    {"just_inside", 1.0L, 1.0L + 4.9e-12L, true},
    {"just_outside", 1.0L, 1.0L + 5.1e-12L, false},
    {"absolute_not_relative", 1e6L, 1e6L + 1e-11L, false},
    {"negative_side", -2.0L, -2.0L - 4.9e-12L, true},
};

TEST(Same_value, Absolute_tolerance)
{
    for (const auto& row : Closeness_rows)
        EXPECT_EQ(Same_value(row.a, row.b), row.same) << row.name;
}

struct Whole_row {
    const char* name;
    Extended x;
    bool whole;
};

constexpr Whole_row Whole_rows[] = {
    {"largest_inside", 2147483646.0L, true}, {"range_limit_excluded", 2147483647.0L, false},
    {"negative", -3.0L, true},               {"half", 2.5L, false},
    {"within_tolerance", 7.0L + 1e-12L, true}, {"below_minus_limit", -2147483648.0L, false},
    {"tie_rounds_to_even", 0.5L, false},
};

TEST(Is_whole_number, Range_and_tolerance)
{
    for (const auto& row : Whole_rows)
        EXPECT_EQ(Is_whole_number(row.x), row.whole) << row.name;
}

struct Text_row {
    const char* name;
    Extended x;
    const char* text;
};

const Text_row Text_rows[] = {
    {"zero", 0.0L, "0"},
    {"half", 0.5L, "0.5"},
    {"twelve_digits", 1.0L / 3.0L, "0.333333333333"},
    {"range_limit", 2147483647.0L, "2147483647"},
    {"negative", -2.25L, "-2.25"},
    {"rounds_up", 0.9999999999996L, "1"},
    {"negative_rounding_to_zero", -1e-13L, "0"},
    {"no_grouping", 1234567.125L, "1234567.125"},
};

TEST(Float_text, Pattern_of_twelve_decimals)
{
    for (const auto& row : Text_rows)
        EXPECT_EQ(Float_text(row.x), row.text) << row.name;
}

TEST(Float_text, Decimal_separator_of_the_locale)
{
    Set_decimal_separator(',');
    const std::string text = Float_text(0.5L);
    const std::string whole = Float_text(2.0L);
    Set_decimal_separator('.');
    EXPECT_EQ(text, "0,5");
    EXPECT_EQ(whole, "2");
}

struct Bound_row {
    const char* name;
    std::int32_t n;
    Extended value, bound;
    bool passes;
};

constexpr Bound_row Bound_rows[] = {
    {"greater_equal_fails", 1301, 0.0L, 0.0L, false}, {"greater_passes", 1305, 1e-20L, 0.0L, true},
    {"greater_p3", 1309, -1.0L, 0.0L, false},         {"at_least_equal", 1302, 0.0L, 0.0L, true},
    {"at_least_below", 1306, -1e-30L, 0.0L, false},   {"at_least_p3", 1310, -1.0L, 0.0L, false},
    {"less_equal_fails", 1303, 5.0L, 5.0L, false},    {"less_p2", 1307, 6.0L, 5.0L, false},
    {"less_p3_passes", 1311, 4.0L, 5.0L, true},       {"at_most_equal", 1315, 1.0L, 1.0L, true},
    {"at_most_above", 1315, 1.01L, 1.0L, false},      {"no_relation_1304", 1304, -5.0L, 0.0L, true},
    {"no_relation_outside", 1000, -5.0L, 0.0L, true}, {"no_relation_1300", 1300, -5.0L, 0.0L, true},
};

TEST(Check_bound, Relation_selected_by_number)
{
    for (const auto& row : Bound_rows) {
        if (row.passes)
            EXPECT_TRUE(Check_bound(row.n, row.value, row.bound)) << row.name;
        else
            EXPECT_EQ(Refusal_text([&] { Check_bound(row.n, row.value, row.bound); }),
                      Message_text(row.n) + Float_text(row.bound))
                << row.name;
    }
}

TEST(Check_bound, Message_reads_with_the_printed_bound)
{
    EXPECT_EQ(Refusal_text([] { Check_bound(1301, 0.0L, 0.0L); }), "Parameter 1 must be greater than 0");
    EXPECT_EQ(Refusal_text([] { Check_bound(1303, 3e9L, 2147483647.0L); }),
              "A parameter must be less than 2147483647");
}

TEST(Check_argument, Raises_the_numbered_text)
{
    EXPECT_TRUE(Check_argument(false, 1362));
    EXPECT_EQ(Refusal_text([] { Check_argument(true, 1362); }), Message_text(1362));
    EXPECT_EQ(Refusal_text([] { Check_argument(true, 999); }), "");
}

TEST(Message_text, Every_used_number_has_a_text)
{
    for (std::int32_t n : {1301, 1302, 1303, 1304, 1305, 1307, 1308, 1309, 1311, 1312, 1315, 1361, 1362, 1363})
        EXPECT_FALSE(Message_text(n).empty()) << n;
    EXPECT_TRUE(Message_text(1300).empty());
    EXPECT_TRUE(Message_text(1364).empty());
}

struct Power_row {
    const char* name;
    Extended base, exponent, result;
};

const Power_row Power_rows[] = {
    {"zero_exponent_of_zero", 0.0L, 0.0L, 1.0L},
    {"negative_integer_exponent", 2.0L, -2.0L, 0.25L},
    {"negative_base_integral", -2.0L, 3.0L, -8.0L},
    {"zero_base_positive", 0.0L, 2.5L, 0.0L},
    {"cube_root", 8.0L, 1.0L / 3.0L, 2.0L},
    {"reciprocal_root", 4.0L, -0.5L, 0.5L},
    {"beyond_integer_range", 1.0L + 0x1p-40L, 4294967296.0L, std::exp(4294967296.0L * std::log1p(0x1p-40L))},
};

TEST(Real_power, Branches)
{
    for (const auto& row : Power_rows)
        EXPECT_NEAR(Real_power(row.base, row.exponent), row.result, 1e-17L * std::fabs(row.result))
            << row.name;
}

TEST(Integer_power, Binary_exponentiation)
{
    EXPECT_EQ(Integer_power(0.0L, 0), 1.0L);
    EXPECT_EQ(Integer_power(3.0L, 13), 1594323.0L);
    EXPECT_EQ(Integer_power(-2.0L, -3), -0.125L);
    EXPECT_EQ(Integer_power(1.0L, std::numeric_limits<std::int32_t>::min()), 1.0L);
    EXPECT_EQ(Integer_power(2.0L, -16382), std::ldexp(1.0L, -16382));
    // No square is formed past the highest bit: 2^(2^14) would overflow.
    EXPECT_EQ(Integer_power(2.0L, 16383), std::ldexp(1.0L, 16383));
}

}  // namespace
