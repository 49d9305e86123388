// Where a window is placed on the available area of its screen.
#include <gtest/gtest.h>

#include "Window_placement.h"

namespace {

struct Placement {
    const char* Name;
    QRect Available;
    QSize Frame;
    QPoint Expected;
};

void PrintTo(const Placement& row, std::ostream* out)
{
    *out << row.Name;
}

class Window_placement : public ::testing::TestWithParam<Placement> {};

TEST_P(Window_placement, CentredWhenTheFrameFitsElseTopLeft)
{
    const QPoint position = Window_position(GetParam().Available, GetParam().Frame);
    EXPECT_EQ(position, GetParam().Expected) << "at " << position.x() << ", " << position.y();
}

// The worksheet's frame (794 x 594 with a 20-pixel title bar) and the
// viewer's on screens of 1920 x 1080 at scale 1 and 2 (960 x 540 logical),
// with and without a panel along the top.
INSTANTIATE_TEST_SUITE_P(
    Screens, Window_placement,
    ::testing::Values(
        Placement{"FitsAndIsCentred", {0, 0, 1920, 1080}, {794, 594}, {563, 243}},
        Placement{"CentredBelowAPanel", {0, 30, 1920, 1050}, {794, 594}, {563, 258}},
        Placement{"TooTallAtScale2", {0, 0, 960, 540}, {794, 594}, {0, 0}},
        Placement{"TooTallBelowAPanel", {0, 15, 960, 525}, {794, 594}, {0, 15}},
        Placement{"TooWide", {100, 0, 700, 1000}, {794, 594}, {100, 0}},
        Placement{"ExactFit", {0, 0, 794, 594}, {794, 594}, {0, 0}},
        Placement{"OddRemainderRoundsDown", {0, 0, 801, 601}, {794, 594}, {3, 3}}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
