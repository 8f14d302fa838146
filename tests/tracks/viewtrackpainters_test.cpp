// The track painters through the window's neighbour-painter set, on the demo well's layout: the
// window's settings and kept state reach the gas curves.
#include "logview/draw/viewpainters.h"
#include "logview/geometryof.h"
#include "platform/draw/dc.h"
#include "support/images.h"
#include "support/viewfixture.h"
#include "app/tracksettingsof.h"

#include <gtest/gtest.h>

#include <vector>

using testing_support::ViewTest;

TEST_F(ViewTest, GasCurvesDrawThroughTheWindowsPainterSet)
{
    s.well.config.logGasScale = 1;
    s.options.hotwire = true;
    logview::ViewPainters painters;
    painters.trackSettings = [this] { return tracks::TrackSettingsOf(s); };
    painters.trackState = &s.trackPainters;

    const logview::ViewGeometry g = Geometry();  // gas track 739-1054, 35 cells of 9
    EXPECT_EQ(g.ratio.left, g.description.left);
    EXPECT_EQ(g.ratio.count, 20);
    EXPECT_EQ(g.ratio.cell, 9);
    EXPECT_EQ(g.gasSecondLeft, 739);

    QImage image = testing_support::White(1200, 400);
    platform::Dc dc(image);
    const logview::Device device = logview::Device::Screen();
    std::vector<wellfile::RECORD> records(2);
    records[1].gas[1] = records[1].halfGas[1] = 10;  // a decade in: 739 + 315 x 2 / 5
    s.trackPainters.gasJoin.fill(900);
    painters.DrawGasCurves({dc, g, device}, records, 1, 200, 0, false, false);
    EXPECT_EQ(s.trackPainters.gasJoin[1], 865);
    EXPECT_EQ(s.trackPainters.rowCounter, 0);
    // One step down the row at the curve's x + 1, in the C1 pen (two pixels wide on this layout).
    const platform::RECT ink = testing_support::Touched(dc, 1200, 400, platform::RGB(255, 255, 255));
    EXPECT_EQ(dc.GetPixel(866, 205), g.pens.table[1].colour);
    EXPECT_GE(ink.left, 865);
    EXPECT_LE(ink.right, 867);
}
