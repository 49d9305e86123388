// The size of a fixed window's client area in the room its screen leaves.
#include <gtest/gtest.h>

#include "Client_area.h"

namespace {

struct Fitting {
    const char* Name;
    QSize Room;
    QSize Expected;
    bool Vertical_bar;
    bool Horizontal_bar;
};

void PrintTo(const Fitting& row, std::ostream* out)
{
    *out << row.Name;
}

class Client_size : public ::testing::TestWithParam<Fitting> {};

// The worksheet's 792 x 573 with scroll bars 16 pixels wide.
TEST_P(Client_size, DesignSizeWhereItFitsElseAsMuchAsFitsWithItsScrollBars)
{
    const Client_fit fit = Fitted_client({792, 573}, GetParam().Room, 16);
    EXPECT_EQ(fit.Size, GetParam().Expected) << fit.Size.width() << " x " << fit.Size.height();
    EXPECT_EQ(fit.Vertical_bar, GetParam().Vertical_bar);
    EXPECT_EQ(fit.Horizontal_bar, GetParam().Horizontal_bar);
}

INSTANTIATE_TEST_SUITE_P(
    Rooms, Client_size,
    ::testing::Values(Fitting{"FitsWithRoomToSpare", {1920, 1050}, {792, 573}, false, false},
                      Fitting{"FitsExactly", {792, 573}, {792, 573}, false, false},
                      // 1920 x 1080 at scale 2 less a 30-pixel title bar.
                      Fitting{"TooLowScrollsDownAndWidensForItsBar", {960, 510}, {808, 510}, true, false},
                      Fitting{"TooLowAndNoRoomForTheBarScrollsBothWays", {800, 510}, {800, 510}, true, true},
                      Fitting{"TooNarrowScrollsAcrossAndDeepensForItsBar", {700, 1000}, {700, 589}, false, true},
                      Fitting{"TooNarrowAndTheBarMakesItTooLow", {700, 580}, {700, 580}, true, true},
                      Fitting{"TooSmallBothWays", {640, 480}, {640, 480}, true, true}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
