// The top crossings, gamma panels and target path rendered into images and probed where their
// geometry puts them.
#include "horizontal/draw/horzlogpainters.h"
#include "support/deviatedwell.h"
#include "support/testmain.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace horizontal;
using platform::RGB;

namespace {

constexpr platform::COLORREF kWhite = RGB(255, 255, 255), kRed = RGB(255, 32, 32), kOrange = RGB(255, 192, 64);
constexpr platform::COLORREF kFill = RGB(0, 160, 0), kGamma = RGB(0, 0, 255);

// Records 1000..1400; one flat section from MD 1100 (column 50) to 1400 (column 2450), TVD 1100..1300
// at 2 px a unit from pathTop 100.
struct Plot {
    std::vector<wellfile::RECORD> records = testing_support::DeviatedRecords(1000, 1400);
    HorzViewSettings settings;
    HorzPlot plot;
    QImage image{2600, 600, QImage::Format_RGB32};
    Plot()
    {
        plot.settings = &settings;
        plot.records = records;
        plot.first = 100;
        plot.toDraw = 300;
        plot.plotFirstDepth = 1100;
        plot.plotLastDepth = 1400;
        plot.leastTvd = 1100;
        plot.greatestTvd = 1300;
        plot.width = image.width();
        plot.height = image.height();
        plot.points.count = 600;
        plot.bands.pathTop = 100;
        plot.bands.pathBottom = 500;
        plot.bands.plotRight = 2440;
        plot.bands.lowerBandHeight = 100;
        settings.gammaScale = 3;  // full scale 100: one pixel per API unit
        wellfile::HorzSection& s = plot.sections.sections[0];
        s.startMd = 1100;
        s.endMd = 1400;
        s.startTvd = 1100;
        s.endTvd = 1300;
        s.pxPerTvd = 2;
        s.endX = 2450;
        plot.sections.count = 1;
        plot.fileLastDepth = 1400;
        plot.options.gammaFillColour = kFill;
        plot.pens[layout::PEN_GAMMA].colour = kGamma;
        image.fill(Qt::white);
    }
    // Samples every 2 units from TVD 1100, all of gamma 30.
    static GammaLog Log(int count)
    {
        GammaLog log;
        log.count = count;
        log.samples.resize(std::size_t(count + 101));
        for (int k = 0; k < count; ++k)
            log.samples[std::size_t(k)] = {1100.f + 2 * k, 30};
        return log;
    }
    // The row of `colour` nearest `y` in column x, within 3 rows; -1 none.
    int RowNear(int x, int y, platform::COLORREF colour) const
    {
        for (int d = 0; d <= 3; ++d)
            for (int yy : {y - d, y + d})
                if ((image.pixel(x, yy) & 0xFFFFFF) ==
                    qRgb(platform::GetRValue(colour), platform::GetGValue(colour), platform::GetBValue(colour)) - 0xFF000000u)
                    return yy;
        return -1;
    }
};

}  // namespace

TEST(HorzLogPainters, ATopCrossesWithItsBaseBoxAndLabelAndIsTraced)
{
    Plot f;
    wellfile::TOPSEX top{};
    top.number = 1;
    top.depth = 1200;  // column 850
    top.tvd = 1150;    // row 200
    top.drawOnHorizontal = 1;
    top.targetZoneWidth = 10;
    top.drawRectangle = 1;
    std::strcpy(top.text, "Austin");
    f.plot.tops.tops = {top};
    platform::Dc dc(f.image);
    dc.RecordText(true);
    DrawTopCrossings(dc, f.plot);

    // Colour 0 draws red; the drawing's tops keep their colour.
    EXPECT_NEAR(f.RowNear(1500, 200, kRed), 200, 1);
    EXPECT_NEAR(f.RowNear(1500, 220, kRed), 220, 1);  // the base, 10 TVD units lower
    EXPECT_EQ(f.RowNear(800, 200, kRed), -1);         // nothing before the top's column
    EXPECT_EQ(std::uint32_t(f.plot.tops.tops[0].colour), 0u);
    EXPECT_NE(f.RowNear(848, 190, kRed), -1);         // the box's left edge at x1 - 2
    ASSERT_EQ(dc.TextRecord().size(), 1u);
    EXPECT_EQ(dc.TextRecord()[0].text, "Austin");
    EXPECT_EQ(dc.TextRecord()[0].at, (platform::POINT{850, 198}));

    ASSERT_EQ(f.plot.logs.topTraces.size(), 1u);
    const HorzLogData::TopTrace& trace = f.plot.logs.topTraces[0];
    EXPECT_NEAR(trace.firstRow, 200, 1);
    EXPECT_NEAR(trace.points[2000].y, 200, 1);
    EXPECT_EQ(trace.points.size(), 2600u + 100);

    // A wider plot at the next drawing gets traces as wide.
    f.image = QImage(4000, 600, QImage::Format_RGB32);
    f.image.fill(Qt::white);
    f.plot.width = 4000;
    f.plot.sections.sections[0].endX = 3900;
    f.plot.bands.plotRight = 3890;
    platform::Dc wide(f.image);
    DrawTopCrossings(wide, f.plot);
    EXPECT_EQ(f.plot.logs.topTraces[0].points.size(), 4100u);
    EXPECT_NEAR(f.plot.logs.topTraces[0].points[3850].y, 200, 1);
}

TEST(HorzLogPainters, ADippingSectionLowersTheTopOverTheWellPathsVerticalSection)
{
    Plot f;
    f.plot.sections.sections[0].dip = 2;
    // Every record a station, VS growing one unit a record: from MD 1200 to 1400 the VS grows by 200.
    f.plot.wellPathTable.resize(311);
    for (int i = 0; i <= 300; ++i)
        f.plot.wellPathTable[std::size_t(i)] = {.depth = 1100 + i, .tvd = 1, .vs = float(i)};
    f.plot.wellPathRows = 301;
    wellfile::TOPSEX top{};
    top.number = 1;
    top.depth = 1200;
    top.tvd = 1150;
    top.drawOnHorizontal = 1;
    f.plot.tops.tops = {top};
    platform::Dc dc(f.image);
    DrawTopCrossings(dc, f.plot);
    // A rise of 0.017899316 x 200 x 2 = 7.16 units, 14 rows at 2 px: from (850, 200) to (2440, 214).
    EXPECT_NEAR(f.RowNear(1645, 207, kRed), 207, 1);
    EXPECT_NEAR(f.plot.logs.topTraces[0].points[2430].y, 214, 1);
}

TEST(HorzLogPainters, TargetPanelsFillAndShadeTheLowGamma)
{
    Plot f;
    f.settings.highlightTargetGammaBelow = 60;
    f.settings.fillBehindTargetGamma = true;
    f.plot.logs.target = Plot::Log(150);
    platform::Dc dc(f.image);
    DrawTargetPanels(dc, f.plot);
    // The first panel at column 1250: gamma 30 at x 1280, the threshold 60 at 1310; samples 4 rows apart.
    EXPECT_EQ(dc.GetPixel(1265, 302), kFill);
    EXPECT_EQ(dc.GetPixel(1295, 302), kOrange);
    EXPECT_EQ(dc.GetPixel(1320, 302), kWhite);
    EXPECT_EQ(dc.GetPixel(1295, 90), kWhite);  // nothing above pathTop
}

TEST(HorzLogPainters, OneCurvePerPanelReadsOnlyItsOwnSamples)
{
    Plot f;
    f.settings.multipleTargetGammas = true;
    f.settings.highlightTargetGammaBelow = 60;
    f.plot.logs.target = Plot::Log(150);
    CurveLog curve;
    curve.depth = 1200;
    curve.log = Plot::Log(10);  // TVD 1100 .. 1118: rows 100 .. 136
    f.plot.logs.curves.curves = {curve};
    platform::Dc dc(f.image);
    DrawTargetPanels(dc, f.plot);
    // The first panel has no curve yet; the second (column 2450) draws the curve, as long as it is.
    EXPECT_EQ(dc.GetPixel(1295, 122), kWhite);
    EXPECT_EQ(dc.GetPixel(2495, 122), kOrange);
    for (int y = 150; y < 500; y += 10)
        ASSERT_EQ(dc.GetPixel(2450, y), kWhite) << y;
}
