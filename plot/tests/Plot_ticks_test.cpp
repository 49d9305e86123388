// Round ticks: steps of 1, 2 or 5 times a power of ten over a table of ranges.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "Plot_ticks.h"

namespace {

struct Ticks_row {
    std::string Name;
    double Low, High;
    int Target;
    double Step;
    std::vector<double> Values;
    int Decimals;
};

void PrintTo(const Ticks_row& row, std::ostream* os) { *os << row.Name; }

class Round_ticks_rows : public testing::TestWithParam<Ticks_row> {};

TEST_P(Round_ticks_rows, GivesTheRoundValuesOfTheRange)
{
    const Ticks_row& row = GetParam();
    const Tick_values ticks = Round_ticks(row.Low, row.High, row.Target);
    EXPECT_DOUBLE_EQ(ticks.Step, row.Step);
    ASSERT_EQ(ticks.Values.size(), row.Values.size());
    for (std::size_t i = 0; i < row.Values.size(); ++i)
        EXPECT_NEAR(ticks.Values[i], row.Values[i], 1e-12 * row.Step) << "tick " << i;
    EXPECT_EQ(ticks.Decimals, row.Decimals);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, Round_ticks_rows,
    testing::Values(
        Ticks_row{"UnitRangeInFifths", 0, 1, 5, 0.2, {0, 0.2, 0.4, 0.6, 0.8, 1}, 1},
        Ticks_row{"SymmetricRangeStepOfTwenty", -80, 80, 8, 20, {-80, -60, -40, -20, 0, 20, 40, 60, 80}, 0},
        Ticks_row{"JustAboveOneTakesTwo", -4.2, 4.2, 8, 2, {-4, -2, 0, 2, 4}, 0},
        Ticks_row{"ExactlyFiveStaysFive", 0, 50, 10, 5, {0, 5, 10, 15, 20, 25, 30, 35, 40, 45, 50}, 0},
        Ticks_row{"ThreeBecomesFive", 0, 30, 10, 5, {0, 5, 10, 15, 20, 25, 30}, 0},
        Ticks_row{"SevenBecomesTen", 0, 70, 10, 10, {0, 10, 20, 30, 40, 50, 60, 70}, 0},
        Ticks_row{"SmallDensities", 0, 0.035, 4, 0.01, {0, 0.01, 0.02, 0.03}, 2},
        Ticks_row{"TinyStep", 0.0013, 0.0291, 5, 0.01, {0.01, 0.02}, 2},
        Ticks_row{"OffsetRangeLeavesOutTheEnds", -3.7, 6.1, 5, 2, {-2, 0, 2, 4, 6}, 0},
        Ticks_row{"LargeValues", 0, 2.4e6, 6, 5e5, {0, 5e5, 1e6, 1.5e6, 2e6}, 0},
        Ticks_row{"NegativeOnly", -0.9, -0.1, 4, 0.2, {-0.8, -0.6, -0.4, -0.2}, 1},
        Ticks_row{"EndsOnTicksAfterRounding", -0.3, 0.3, 6, 0.1, {-0.3, -0.2, -0.1, 0, 0.1, 0.2, 0.3}, 1}),
    [](const testing::TestParamInfo<Ticks_row>& info) { return info.param.Name; });

TEST(Round_ticks, ZeroIsExactlyZero)
{
    const Tick_values ticks = Round_ticks(-0.3, 0.3, 6);
    ASSERT_EQ(ticks.Values.size(), 7u);
    EXPECT_EQ(ticks.Values[3], 0.0);
    EXPECT_FALSE(std::signbit(ticks.Values[3]));
}

TEST(Round_step, EmptyOrUnboundedSpanIsRefused)
{
    EXPECT_THROW(Round_step(0, 5), std::invalid_argument);
    EXPECT_THROW(Round_step(-1, 5), std::invalid_argument);
    EXPECT_THROW(Round_step(std::numeric_limits<double>::infinity(), 5), std::invalid_argument);
    EXPECT_THROW(Round_step(std::numeric_limits<double>::quiet_NaN(), 5), std::invalid_argument);
    EXPECT_THROW(Round_step(1, 0), std::invalid_argument);
}

}  // namespace
