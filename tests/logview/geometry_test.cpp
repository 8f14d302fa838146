// The view's geometry as the painters get it from the state of an opened well.
#include "logview/geometryof.h"
#include "support/viewfixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

using testing_support::ViewTest;

namespace {
class ViewGeometryTest : public ViewTest {};
}  // namespace

TEST_F(ViewGeometryTest, DemoWellOnAFullHdScreenGivesTheFixturesColumns)
{
    SetViewTop(1590);
    const logview::ViewGeometry g = Geometry();
    EXPECT_EQ(g.rowHeight, 10);
    EXPECT_EQ(g.unitWidth, 10);
    EXPECT_EQ(g.topMargin, 160);
    EXPECT_EQ(g.visibleRows, 72);
    EXPECT_EQ(g.logBottomY, 72 * 10 + 160);
    EXPECT_EQ(g.DepthY(1604), 300);
    EXPECT_EQ(g.fileFirstDepth, 1000);
    EXPECT_EQ(g.fileLastDepth, 2600);
    EXPECT_EQ(g.profile, 12);

    EXPECT_EQ(g.rate.left, 9);
    EXPECT_EQ(g.rate.Right(), 259);
    EXPECT_EQ(g.rate.cell, 10);
    EXPECT_EQ(g.porosity.left, 319);
    EXPECT_EQ(g.porosity.Right(), 346);
    EXPECT_EQ(g.lithology.left, 346);
    EXPECT_EQ(g.lithology.Right(), 446);
    EXPECT_EQ(g.fluorescence.left, 446);
    EXPECT_EQ(g.cut.left, 482);
    EXPECT_EQ(g.cut.Right(), 509);
    EXPECT_EQ(g.hardness.count, 0);  // track flag 38 is off
    EXPECT_EQ(g.gas.left, 739);
    EXPECT_EQ(g.gas.count, 35);
    EXPECT_EQ(g.gas.cell, 9);
    EXPECT_EQ(g.gasRight, 1054);
    EXPECT_TRUE(g.SingleGas());
    EXPECT_EQ(g.gasMiddleX, g.gas.left);
    EXPECT_EQ(g.logWidth, 1064);
    EXPECT_EQ(g.markOffset, g.unitWidth);
    EXPECT_EQ(g.gasPercentCells, 20);

    // The view's line pens are the pen table's border and grid entries.
    EXPECT_EQ(g.pens.Grid10().colour, platform::RGB(0, 0, 0));
    EXPECT_EQ(g.pens.Grid10().width, 1);
    EXPECT_EQ(g.pens.Grid50().width, 2);
    EXPECT_EQ(g.pens.Grid10Alt().colour, platform::RGB(0, 0, 255));
    EXPECT_EQ(g.pens.SlideColour(), s.layout.pens.pens[layout::PEN_SLIDE].colour);
    EXPECT_EQ(0, std::memcmp(&g.fonts.smallLog, &s.layout.format.logFont, sizeof g.fonts.smallLog));
    EXPECT_EQ(0, std::memcmp(&g.fonts.title, &s.layout.format.titleFont, sizeof g.fonts.title));
    EXPECT_EQ(g.fonts.scale.lfHeight, -10);

    // The demo well's show reports.
    const auto& shows = s.well.showDepthIndex;
    EXPECT_EQ(std::vector<std::int32_t>(shows.begin(), std::find(shows.begin(), shows.end(), 0)),
              (std::vector<std::int32_t>{1236, 1604, 1972, 2220}));
}
