// The size of a fixed window's client area in the room its screen leaves.
#include <gtest/gtest.h>

#include "Client_area.h"

namespace {

struct Fitting {
    const char* Name;
    QSize Room;
    QSize Expected;
};

void PrintTo(const Fitting& row, std::ostream* out)
{
    *out << row.Name;
}

class Client_size : public ::testing::TestWithParam<Fitting> {};

// The worksheet's 792 x 573 with scroll bars 16 pixels wide.
TEST_P(Client_size, DesignSizeWhereItFitsElseAsMuchAsFitsWithItsScrollBars)
{
    const QSize size = Fitted_client_size({792, 573}, GetParam().Room, 16);
    EXPECT_EQ(size, GetParam().Expected) << size.width() << " x " << size.height();
}

INSTANTIATE_TEST_SUITE_P(
    Rooms, Client_size,
    ::testing::Values(Fitting{"FitsWithRoomToSpare", {1920, 1050}, {792, 573}},
                      Fitting{"FitsExactly", {792, 573}, {792, 573}},
                      // 1920 x 1080 at scale 2 less a 30-pixel title bar.
                      Fitting{"TooLowScrollsDownAndWidensForItsBar", {960, 510}, {808, 510}},
                      Fitting{"TooLowAndNoRoomForTheBarScrollsBothWays", {800, 510}, {800, 510}},
                      Fitting{"TooNarrowScrollsAcrossAndDeepensForItsBar", {700, 1000}, {700, 589}},
                      Fitting{"TooNarrowAndTheBarMakesItTooLow", {700, 580}, {700, 580}},
                      Fitting{"TooSmallBothWays", {640, 480}, {640, 480}}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
