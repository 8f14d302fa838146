// The horizontal view's zoom steps and limits, the scroll range and the bottom row's controls.
#include "horizontal/horzview.h"

#include <gtest/gtest.h>

using namespace horizontal;

TEST(HorzView, ZoomStepsAndLimits)
{
    const int g = 1000;
    EXPECT_EQ(ZoomIn(g - 30, 0, g, false).drawFrom, g - 20);
    const ZoomResult stop = ZoomIn(g - 5, 0, g, false);
    EXPECT_EQ(stop.drawFrom, g - 10);
    EXPECT_TRUE(stop.atLimit);
    EXPECT_EQ(ZoomIn(g - 200, 0, g, false).drawFrom, g - 150);
    EXPECT_EQ(ZoomIn(g - 200, 0, g, true).drawFrom, g - 190);
    EXPECT_EQ(ZoomIn(100, 400, g, false).drawFrom, 400);  // never above the least TVD
    EXPECT_FALSE(ZoomIn(g, 0, g, false).changed);

    const ZoomResult floor = ZoomOut(20, g, false);
    EXPECT_EQ(floor.drawFrom, 0);
    EXPECT_TRUE(floor.atLimit);
    EXPECT_TRUE(floor.keepDrawFrom);
    const ZoomResult near = ZoomOut(g - 100, g, false);
    EXPECT_EQ(near.drawFrom, g - 150);
    EXPECT_FALSE(near.keepDrawFrom);
    EXPECT_FALSE(near.atLimit);
}

TEST(HorzView, ControlsAndScrolling)
{
    const ViewControls c = PlaceControls(1200, 700, 20, 1, 3, false);
    EXPECT_EQ(c.scrollBar.x, 300);
    EXPECT_EQ(c.scrollBar.width, 900);
    EXPECT_EQ(c.scrollBar.height, 20);
    EXPECT_EQ(c.scrollBar.y, 680);
    EXPECT_TRUE(c.zoomShown);
    EXPECT_FALSE(PlaceControls(1200, 700, 20, 2, 3, false).zoomShown);
    EXPECT_FALSE(PlaceControls(1200, 700, 20, 1, 2, false).zoomShown);
    EXPECT_FALSE(PlaceControls(1200, 700, 20, 1, 3, true).setupShown);

    EXPECT_EQ(RangeOf(500, 3000, 1200).minimum, 500);
    EXPECT_EQ(RangeOf(500, 3000, 1200).maximum, 2300);
    EXPECT_EQ(NextScroll(600, ScrollCode::LineRight, 0, 50, 3000, 1200), 800);
    EXPECT_EQ(NextScroll(600, ScrollCode::PageLeft, 0, 50, 3000, 1200), 100);
    EXPECT_EQ(NextScroll(600, ScrollCode::PageLeft, 0, 500, 3000, 1200), 500);
    EXPECT_EQ(NextScroll(1800, ScrollCode::PageRight, 0, 50, 3000, 1200), 1850);
    EXPECT_EQ(NextScroll(600, ScrollCode::Thumb, 900, 50, 3000, 1200), 900);
    EXPECT_EQ(NextScroll(600, ScrollCode::Other, 900, 50, 3000, 1200), 600);
}
