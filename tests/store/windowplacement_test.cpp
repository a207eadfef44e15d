#include <gtest/gtest.h>

#include <vector>

#include "store/windowplacement.h"

namespace {

constexpr int FrameWidth = 636;
const std::vector<ScreenArea> TwoScreens{{0, 0, 1024, 768}, {1024, 0, 1920, 1080}};

TEST(WindowPlacementTest, APlaceWithItsTitleBarOnAScreenIsKept)
{
    for (const WindowPosition place : {WindowPosition{10, 10}, WindowPosition{0, -500}, WindowPosition{700, 900},
                                       WindowPosition{1000, 2500}, WindowPosition{744, 0}})
        EXPECT_EQ(KeepTitleBarOnScreen(place, FrameWidth, TwoScreens), place) << place.Top << ", " << place.Left;
}

TEST(WindowPlacementTest, ATitleBarOffEveryScreenComesBackOntoTheNearest)
{
    // Above the top, below the bottom, beyond the right edge, unplugged screen far away.
    EXPECT_EQ(KeepTitleBarOnScreen({-300, 100}, FrameWidth, TwoScreens), (WindowPosition{0, 100}));
    EXPECT_EQ(KeepTitleBarOnScreen({760, 100}, FrameWidth, TwoScreens), (WindowPosition{744, 100}));
    EXPECT_EQ(KeepTitleBarOnScreen({50, 5000}, FrameWidth, TwoScreens), (WindowPosition{50, 2944 - FrameWidth}));
    EXPECT_EQ(KeepTitleBarOnScreen({50, -5000}, FrameWidth, TwoScreens), (WindowPosition{50, 0}));
    EXPECT_EQ(KeepTitleBarOnScreen({2147483647, -2147483647 - 1}, FrameWidth, TwoScreens), (WindowPosition{744, 0}));
    // A window wider than its screen keeps its left edge on it.
    EXPECT_EQ(KeepTitleBarOnScreen({0, 1000}, 2000, {{0, 0, 1024, 768}}), (WindowPosition{0, 0}));
    EXPECT_EQ(KeepTitleBarOnScreen({-300, 100}, FrameWidth, {}), (WindowPosition{-300, 100})) << "no screen known";
}

}  // namespace
