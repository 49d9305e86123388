// A comparison that takes its credible quantiles from the memo gives, bit for
// bit, what a comparison on its own gives, whatever sequence of control
// samples, kinds of limits and levels the rows bring.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

#include "Comparison_memo.h"

namespace {

// The bytes that hold an Extended's value: the x87 format's 80 bits fill the
// first ten bytes of its object, the rest being padding; binary64 and
// binary128 (WebAssembly's long double) fill their objects.
constexpr std::size_t Value_bytes = std::numeric_limits<Extended>::digits == 64 ? 10 : sizeof(Extended);

bool Same_bits(Extended a, Extended b) { return std::memcmp(&a, &b, Value_bytes) == 0; }

TEST(Same_bits, Tells_apart_values_that_differ_in_sign_exponent_or_last_bit)
{
    const Extended one = 1;
    EXPECT_TRUE(Same_bits(one, one));
    for (const Extended other : {-one, 2 * one, std::nextafter(one, Extended{2})})
        EXPECT_FALSE(Same_bits(one, other)) << static_cast<double>(other);
}

void Expect_same(const Comparison_result& memo, const Comparison_result& alone, std::size_t row)
{
    const auto& fields = Comparison_result_fields;
    for (std::size_t i = 0; i < fields.size(); ++i)
        EXPECT_TRUE(Same_bits(memo.*fields[i], alone.*fields[i])) << "row " << row << ", field " << i;
}

TEST(Comparison_memo, Rows_give_the_numbers_of_single_comparisons)
{
    // Runs of one control sample, then changes of N, kind of limits and level
    // one at a time, and back to an earlier sample; samples whose t
    // distributions share a place in the memo (N 20, 276 and 532) in turn.
    const std::vector<Comparison_request> rows = {
        {10, 276, 50, 30, Limits::Two_sided, 95}, {10, 20, 30, 50, Limits::Lower, 95},
        {10, 532, 50, 30, Limits::Upper, 95},     {10, 276, 50, 30, Limits::Two_sided, 95},
        {10, 20, 50, 30, Limits::Two_sided, 95},  {12.5, 20, 41, 30, Limits::Two_sided, 95},
        {3, 20, 0, 30, Limits::Two_sided, 95},    {10, 21, 50, 30, Limits::Two_sided, 95},
        {10, 21, 50, 30, Limits::Lower, 95},      {10, 21, 50, 30, Limits::Upper, 95},
        {10, 21, 30, 50, Limits::Upper, 90},      {10, 21, 30, 50, Limits::Two_sided, 90},
        {10, 20, 50, 30, Limits::Two_sided, 95},  {0.5, 5000, 1, 12, Limits::Two_sided, 95},
        {0.5, 5000, 12, 1, Limits::Two_sided, 95}, {1, 1001, 12, 0, Limits::Lower, 99.9L}};
    Comparison_memo memo;
    for (std::size_t i = 0; i < rows.size(); ++i)
        Expect_same(Compare_two_cases(rows[i], memo), Compare_two_cases(rows[i]), i);
}

TEST(Credible_quantile_memo, Finds_a_pair_only_under_its_own_inputs)
{
    Credible_quantile_memo memo;
    EXPECT_FALSE(memo.Find(20, true, 95));
    memo.Keep(20, true, 95, {8.9L, 32.9L});
    memo.Keep(20, false, 95, {10.1L, 30.1L});
    ASSERT_TRUE(memo.Find(20, true, 95));
    EXPECT_EQ(memo.Find(20, true, 95)->Upper, 32.9L);
    EXPECT_EQ(memo.Find(20, false, 95)->Upper, 30.1L);
    EXPECT_FALSE(memo.Find(21, true, 95));
    EXPECT_FALSE(memo.Find(20, true, 90));
}

TEST(Credible_quantile_memo, Keeps_every_sample_up_to_its_bound_then_starts_afresh)
{
    constexpr std::size_t Bound = 4096;
    Credible_quantile_memo memo(Bound);
    // Every N of a table whose N changes at every row, at two levels and both
    // kinds of limits, each found with its own pair.
    for (std::int32_t n = 3; n < 3 + static_cast<std::int32_t>(Bound / 4); ++n)
        for (const Extended level : {95.0L, 97.5L})
            for (const bool two_sided : {true, false})
                memo.Keep(n, two_sided, level, {Extended(n), level + (two_sided ? 1 : 0)});
    EXPECT_EQ(memo.Size(), Bound);
    for (std::int32_t n = 3; n < 3 + static_cast<std::int32_t>(Bound / 4); ++n) {
        const auto found = memo.Find(n, false, 97.5L);
        ASSERT_TRUE(found) << n;
        EXPECT_EQ(found->Lower, Extended(n));
        EXPECT_EQ(found->Upper, 97.5L);
    }
    // Keeping a pair again replaces it without counting twice.
    memo.Keep(3, true, 95, {1, 2});
    EXPECT_EQ(memo.Size(), Bound);
    EXPECT_EQ(memo.Find(3, true, 95)->Upper, 2);
    // One more sample: the memo starts afresh with it alone.
    memo.Keep(1000000, true, 95, {7, 8});
    EXPECT_EQ(memo.Size(), 1u);
    EXPECT_FALSE(memo.Find(3, true, 95));
    EXPECT_EQ(memo.Find(1000000, true, 95)->Lower, 7);
}

TEST(Comparison_memo, Its_bounds_keep_its_memory_small)
{
    // Well within the 64 MB that a table run may use, whatever the table.
    EXPECT_LE(Credible_quantile_memo::Default_max_entries * Credible_quantile_memo::Bytes_per_entry +
                  Comparison_memo::Default_t_distributions * Comparison_memo::Bytes_per_t_distribution,
              std::size_t{9} << 20);
}

}  // namespace
