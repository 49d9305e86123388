// Format_general against std::to_chars(long double, general, P): the same
// characters for a million random values of every kind (values of the
// comparison's range, random bit patterns over the whole exponent range,
// subnormals, exact ties of the rounding) and for the special values. Where
// the standard library has no to_chars for long double (libc++ 14, in the
// WebAssembly build) there is no reference: the C library's printf formats
// a long double as a double there.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "Decimal_digits.h"
#include "Number_format.h"

namespace {

// The sanitizer build runs the same mixture on fewer values.
#if defined(__SANITIZE_ADDRESS__)
constexpr int Random_values = 50000;
#else
constexpr int Random_values = 1000000;
#endif

std::string Reference(long double value, int digits, std::chars_format format = std::chars_format::general)
{
#if defined(__cpp_lib_to_chars)
    std::string text(6000, '\0');
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value, format, digits);
    text.resize(static_cast<std::size_t>(result.ptr - text.data()));
    return text;
#else
    static_cast<void>(value);
    static_cast<void>(digits);
    static_cast<void>(format);
    return {};
#endif
}

class Against_to_chars : public testing::Test {
protected:
    void SetUp() override
    {
#if !defined(__cpp_lib_to_chars)
        GTEST_SKIP() << "no std::to_chars for long double in this standard library to compare with";
#endif
    }
};

// An 80-bit value from its sign, biased exponent and significand (the
// explicit integer bit set for a normal value, clear for a subnormal).
long double From_bits(bool negative, std::uint16_t biased_exponent, std::uint64_t significand)
{
    if (biased_exponent != 0)
        significand |= std::uint64_t{1} << 63;
    else
        significand &= ~(std::uint64_t{1} << 63);
    unsigned char bytes[sizeof(long double)] = {};
    std::memcpy(bytes, &significand, 8);
    const std::uint16_t top = static_cast<std::uint16_t>(biased_exponent | (negative ? 0x8000u : 0u));
    std::memcpy(bytes + 8, &top, 2);
    long double value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

// A value whose exact decimal expansion ends in a 5 just after `digits`
// significant digits: n / 2^k with n odd has the digits of n · 5^k.
struct Tie {
    long double Value;
    int Digits;
};

Tie Random_tie(std::mt19937_64& random)
{
    for (;;) {
        const int k = static_cast<int>(random() % 24);
        const std::uint64_t n = (random() >> (random() % 50 + 14)) | 1u;
        unsigned __int128 expansion = n;
        for (int i = 0; i < k; ++i)
            expansion *= 5;
        if (k == 0 && n % 10 != 5)
            continue;  // an integer is a tie only when it ends in 5 itself
        int count = 0;
        for (unsigned __int128 rest = expansion; rest != 0; rest /= 10)
            ++count;
        if (count < 2 || count > 19)
            continue;
        return {std::ldexp(static_cast<long double>(n), -k) * (random() % 2 ? 1 : -1), count - 1};
    }
}

// The kinds of value in turn, at twelve digits (the batch tool's), and the
// ties at the digit where they are ties: six in ten from the comparison's
// range, one each of the others (the values of extreme exponent take the
// long path of both formatters and would dominate the run time).
TEST_F(Against_to_chars, Matches_to_chars_on_random_values)
{
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> log_range(-30.0, 15.0);
    int mismatches = 0;
    for (int i = 0; i < Random_values && mismatches < 10; ++i) {
        long double value;
        int digits = 12;
        switch (i % 10) {
        case 0: case 4: case 5: case 6: case 7: case 8:
            // the comparison's numbers: probabilities to effect sizes
            value = std::pow(10.0L, static_cast<long double>(log_range(random))) * (random() % 2 ? 1 : -1);
            break;
        case 1:  // any finite bit pattern
            value = From_bits(random() % 2, static_cast<std::uint16_t>(random() % 0x7FFF), random());
            break;
        case 2:  // subnormals
            value = From_bits(random() % 2, 0, random() >> (random() % 64));
            break;
        case 3: {  // exact ties
            const Tie tie = Random_tie(random);
            value = tie.Value;
            digits = tie.Digits;
            break;
        }
        default:  // short decimals and integers, exactly and nearly representable
            value = static_cast<long double>(static_cast<std::int64_t>(random() % 2000001) - 1000000) /
                    std::pow(10.0L, static_cast<long double>(random() % 8));
            digits = static_cast<int>(random() % 18) + 1;
            break;
        }
        const std::string expected = Reference(value, digits);
        const std::string actual = Format_general(value, digits);
        if (actual != expected) {
            ++mismatches;
            ADD_FAILURE() << "value " << std::hexfloat << value << " at " << digits << " digits: "
                          << actual << " instead of " << expected;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST_F(Against_to_chars, Special_values_and_switch_points)
{
    constexpr long double Max = std::numeric_limits<long double>::max();
    const long double values[] = {0.0L, -0.0L, std::numeric_limits<long double>::infinity(),
                               -std::numeric_limits<long double>::infinity(),
                               std::numeric_limits<long double>::quiet_NaN(),
                               -std::numeric_limits<long double>::quiet_NaN(), Max, -Max,
                               std::numeric_limits<long double>::min(),
                               std::numeric_limits<long double>::denorm_min(), 1.0L, 0.5L, 1e-4L,
                               9.99999999999949e-5L, 9.9999999999995e-5L, 999999999999.5L,
                               999999999999.4L, 1e12L, 123456789012.5L, 0.1L, 2.0L / 3.0L,
                               0.086739011402345L, 1e-20L, 2.71050543121376108501863e-20L};
    for (const long double value : values)
        for (int digits = 1; digits <= 18; ++digits)
            EXPECT_EQ(Format_general(value, digits), Reference(value, digits))
                << std::hexfloat << value << " at " << digits << " digits";
}

// Fixed_decimal_text, the %.Pf of the report and of the argument checks'
// messages, against to_chars(long double, fixed, P): values of every size,
// exact ties at the last decimal, subnormals and the special values.
TEST_F(Against_to_chars, Fixed_text_matches_on_random_values)
{
    std::mt19937_64 random(20261209);
    std::uniform_real_distribution<double> log_range(-30.0, 30.0);
    int mismatches = 0;
    for (int i = 0; i < Random_values / 20 && mismatches < 10; ++i) {
        long double value;
        int decimals = static_cast<int>(random() % 16);
        switch (i % 4 == 1 && i % 40 != 1 ? 0 : i % 4) {
        case 0:
            value = std::pow(10.0L, static_cast<long double>(log_range(random))) * (random() % 2 ? 1 : -1);
            break;
        case 1:  // one in forty: any finite bit pattern, with few decimals (up to
                 // 4933 digits before the point, the slow end of both formatters)
            value = From_bits(random() % 2, static_cast<std::uint16_t>(random() % 0x7FFF), random());
            decimals = static_cast<int>(random() % 4);
            break;
        case 2: {  // n / 2^k has k decimals, the last a 5: a tie at k − 1 decimals
            const int k = static_cast<int>(random() % 20) + 1;
            value = std::ldexp(static_cast<long double>((random() >> 40) | 1u), -k) * (random() % 2 ? 1 : -1);
            decimals = k - 1;
            break;
        }
        default:  // subnormals
            value = From_bits(random() % 2, 0, random() >> (random() % 64));
            break;
        }
        const std::string expected = Reference(value, decimals, std::chars_format::fixed);
        const std::string actual = Fixed_decimal_text(value, decimals);
        if (actual != expected) {
            ++mismatches;
            ADD_FAILURE() << "value " << std::hexfloat << value << " at " << decimals << " decimals: "
                          << actual << " instead of " << expected;
        }
    }
    EXPECT_EQ(mismatches, 0);
    for (const long double special : {0.0L, -0.0L, std::numeric_limits<long double>::infinity(),
                                   -std::numeric_limits<long double>::infinity(),
                                   std::numeric_limits<long double>::quiet_NaN(),
                                   -std::numeric_limits<long double>::quiet_NaN(), 0.5L, -0.5L, 2.5L, 1e-30L})
        for (const int decimals : {0, 1, 3, 12})
            EXPECT_EQ(Fixed_decimal_text(special, decimals), Reference(special, decimals, std::chars_format::fixed))
                << special << " at " << decimals;
}

// The 80-bit format's unnormals (a biased exponent with the integer bit
// clear) pass isnan and isinf, yet no arithmetic gives them a value: raw
// bytes written as text say "nan", and are never split into parts.
TEST(Fixed_decimal_text, An_unnormal_bit_pattern_is_written_as_nan)
{
    if (std::numeric_limits<long double>::digits != 64)
        GTEST_SKIP() << "only the 80-bit extended format has unnormals";
    const std::uint64_t significand = std::uint64_t{1} << 62;  // integer bit 63 clear
    const std::uint16_t biased_exponent = 0x3FFF;
    unsigned char bytes[sizeof(long double)] = {};
    std::memcpy(bytes, &significand, 8);
    std::memcpy(bytes + 8, &biased_exponent, 2);
    long double unnormal;
    std::memcpy(&unnormal, bytes, sizeof unnormal);
    EXPECT_EQ(Fixed_decimal_text(unnormal, 3), "nan");
    EXPECT_THROW(Round_to_decimal_digits(unnormal, 12), std::invalid_argument);
}

// The sign plays no part: a negative value, normal or subnormal, gives the
// digits of its magnitude; zero, infinities and NaN have none.
TEST(Round_to_decimal_digits, Rounds_the_magnitude)
{
    const long double smallest = std::numeric_limits<long double>::denorm_min();
    for (const long double value : {0.1L, 19.0L, 2.5e-300L, 7.0L * smallest}) {
        const Decimal_digits positive = Round_to_decimal_digits(value, 12);
        const Decimal_digits negative = Round_to_decimal_digits(-value, 12);
        EXPECT_EQ(negative.Digits, positive.Digits) << Format_general(value, 12);
        EXPECT_EQ(negative.Exponent, positive.Exponent) << Format_general(value, 12);
    }
    for (const long double none : {0.0L, -0.0L, std::numeric_limits<long double>::infinity(),
                                -std::numeric_limits<long double>::infinity(), std::numeric_limits<long double>::quiet_NaN()})
        EXPECT_THROW(Round_to_decimal_digits(none, 12), std::invalid_argument) << Format_general(none, 12);
}

TEST(Format_general, Refuses_a_digit_count_out_of_range)
{
    EXPECT_THROW(Format_general(1.0L, 0), std::invalid_argument);
    EXPECT_THROW(Format_general(1.0L, 19), std::invalid_argument);
}

}  // namespace
