// Both windows at the scale of the screen the test runs on (CTest runs this
// program at several scale factors and at 144 dpi): every frame shows its four
// edges, and each window's title bar lies on the screen.
#include <QScreen>

#include "Rendering_check.h"
#include "Worksheet_fixture.h"

namespace {

using Screen_scale = Worksheet_fixture;

TEST_F(Screen_scale, EveryFrameOfTheWorksheetIsWhole)
{
    Start();
    Notes()->setFocus();
    EXPECT_EQ(Missing_borders(*worksheet), std::vector<std::string>{}) << "scale " << worksheet->devicePixelRatio();
}

TEST_F(Screen_scale, EveryFrameOfTheResultsViewerIsWhole)
{
    Start();
    Compute("10", "20", "50", "30");
    ASSERT_TRUE(results->isVisible());
    EXPECT_EQ(Missing_borders(*results), std::vector<std::string>{}) << "scale " << results->devicePixelRatio();
}

}  // namespace
