// Both windows at the scale of the screen the test runs on (CTest runs this
// program at several scale factors and at 144 dpi): every frame shows its four
// edges, and each window's title bar lies on the screen.
#include <QScreen>

#include <string>

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

// Where the frame of a shown window lies on the available area: its top-left
// corner must be on it, and a frame that fits must lie wholly on it.
std::string Frame_off_the_screen(const QWidget& window)
{
    const QRect available = window.screen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    const bool fits = frame.width() <= available.width() && frame.height() <= available.height();
    if (available.contains(frame.topLeft()) && (!fits || available.contains(frame)))
        return "";
    const auto text = [](const QRect& r) {
        return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x"
               + std::to_string(r.height());
    };
    return "frame " + text(frame) + " on " + text(available);
}

TEST_F(Screen_scale, BothTitleBarsLieOnTheScreen)
{
    Start();
    EXPECT_EQ(Frame_off_the_screen(*worksheet), "");
    Compute("10", "20", "50", "30");
    ASSERT_TRUE(results->isVisible());
    EXPECT_EQ(Frame_off_the_screen(*results), "");
}

}  // namespace
