// The track painters through the window's neighbour-painter set, on the demo well's layout: the
// window's settings and kept state reach the gas curves.
#include "shell/draw/viewpainters.h"
#include "logview/geometryof.h"
#include "platform/draw/dc.h"
#include "support/images.h"
#include "support/viewfixture.h"
#include "tracks/tracksettingsof.h"

#include <gtest/gtest.h>

#include <vector>

using testing_support::ViewTest;

TEST_F(ViewTest, GasCurvesDrawThroughTheWindowsPainterSet)
{
    s.well.config.logGasScale = 1;
    s.options.hotwire = true;
    shell::ViewPainters painters;
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

TEST_F(ViewTest, TopsAndShowColumnsDrawThroughTheWindowsPainterSet)
{
    shell::ViewPainters painters;
    painters.tops = [this] { return tracks::TopsViewOf(s); };
    const logview::ViewGeometry g = Geometry();  // rate track from 9, porosity 319-346
    ASSERT_EQ(g.porosity.Right(), 346);

    // The demo well's top "Upper Sand" at 1180, drawn in its stored colour on the rows 1181 and 1182.
    std::vector<wellfile::RECORD> records(30);
    for (int i = 0; i < 30; ++i)
        records[std::size_t(i)].depth = 1170 + i;
    records[5].porosity = 'g';  // 1175
    QImage image = testing_support::White(1200, 600);
    platform::Dc dc(image);
    dc.RecordText(true);
    const logview::Device device = logview::Device::Screen();
    const logview::PaintTarget target{dc, g, device};
    painters.DrawTopsColumn(target, records, g.rowHeight, 160);
    painters.DrawRatingColumn(target, records, g.rowHeight, 160);
    const platform::COLORREF upperSand = platform::RGB(0xFF, 0xC0, 0x00);
    EXPECT_EQ(dc.GetPixel(100, 270), upperSand);  // the depth line of 1180
    ASSERT_EQ(dc.TextRecord().size(), 2u);
    EXPECT_EQ(dc.TextRecord()[0].text, "Upper Sand");
    EXPECT_EQ(dc.TextRecord()[0].textColor, upperSand);
    EXPECT_EQ(dc.GetPixel(325, 215), platform::RGB(0, 0, 0));  // 'g': three units of 7 left of 346
    EXPECT_EQ(dc.GetPixel(324, 215), platform::RGB(255, 255, 255));

    // The screen's tops switch off: the tops are not drawn.
    image.fill(Qt::white);
    dc.RecordText(true);
    s.view.topsShown = false;
    painters.DrawTopsColumn(target, records, g.rowHeight, 160);
    EXPECT_TRUE(dc.TextRecord().empty());
    EXPECT_EQ(dc.GetPixel(100, 270), platform::RGB(255, 255, 255));
}

TEST_F(ViewTest, TheCustomCurveValuesTakeTheOpenWellsSettingsAndTheViewWritesDownwardText)
{
    s.well.fit.dataEnabled = true;
    s.well.config.rtResLag = 12.5f;
    s.customTracks.data = std::make_unique<layout::CUSTOMDATA>(&s.customTracks.host, false);
    s.customTracks.data->extLastDepth = 1190;
    s.customTracks.data->defaultMotorFactor = 0.2f;
    const tracks::CurveValueSettings v = tracks::CurveValueSettingsOf(s);
    EXPECT_EQ(v.profile, s.well.loggerId);
    EXPECT_TRUE(v.fitData);
    EXPECT_FLOAT_EQ(v.realTimeDepthMargin, 12.5f);
    EXPECT_EQ(v.firstDepth, s.well.file.fileTopDepth);
    EXPECT_EQ(v.lastDepth, s.well.file.fileBottomDepth);
    EXPECT_EQ(v.customDataEndDepth, 1190);
    EXPECT_FLOAT_EQ(v.defaultMotorFactor, 0.2f);

    shell::ViewPainters painters;
    const logview::ViewGeometry g = Geometry();
    QImage image = testing_support::White(200, 200);
    platform::Dc dc(image);
    dc.RecordText(true);
    const logview::Device device = logview::Device::Screen();
    painters.DrawVerticalText({dc, g, device}, "\xb0" "C", 50, 20, 11);
    ASSERT_EQ(dc.TextRecord().size(), 2u);
    EXPECT_EQ(dc.TextRecord()[0].text, QString(QChar(0xb0)));
    EXPECT_EQ(dc.TextRecord()[1].at.y, 31);
}
