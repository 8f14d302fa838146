// The plot's painters rendered into images: slide marks, markers, curve fills, the note copy and its
// restore, and a failed image that leaves the old plot.
#include "horizontal/draw/horzplot.h"
#include "support/deviatedwell.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <map>
#include <string>

using namespace horizontal;
using platform::RGB;

namespace {

constexpr platform::COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kGreen = RGB(0, 255, 0);

struct PlotOnWell {
    std::vector<wellfile::RECORD> records = testing_support::DeviatedRecords(2000, 2400, 2100);
    HorzViewSettings settings;
    HorzPlot plot;
    QImage image{3300, 600, QImage::Format_RGB32};
    PlotOnWell()
    {
        for (wellfile::RECORD& r : records)
            r.slide = 0;
        plot.settings = &settings;
        plot.records = records;
        plot.toDraw = int(records.size());
        plot.plotFirstDepth = 2000;
        plot.plotLastDepth = 2400;
        plot.leastTvd = 1230;
        plot.greatestTvd = 1300;
        plot.clientWidth = 1200;
        plot.clientHeight = 615;
        plot.options.slideColour = kBlue;
        image.fill(Qt::white);
    }
};

}  // namespace

TEST(HorzPlot, SlideMarksBeginAndEndWithTheirLetters)
{
    PlotOnWell f;
    for (int i = 10; i < 15; ++i)
        f.records[std::size_t(i)].slide = 1;
    f.plot.points.count = 80;  // 40 records
    f.plot.bands.lowerBase = 500;
    f.settings.blockedRop = true;
    platform::Dc dc(f.image);
    dc.RecordText(true);
    DrawSlideMarks(dc, f.plot);
    ASSERT_EQ(dc.TextRecord().size(), 2u);
    const int x = 50 + 10 * 8, end = 50 + 15 * 8;
    EXPECT_EQ(dc.TextRecord()[0].text, "S");
    EXPECT_EQ(dc.TextRecord()[0].at.x, x - 10);
    EXPECT_EQ(dc.TextRecord()[0].at.y, 500 - 12);
    EXPECT_EQ(dc.TextRecord()[1].text, "R");
    EXPECT_EQ(dc.TextRecord()[1].at.x, end + 5);
    EXPECT_EQ(dc.GetPixel(x + 4, 498), kBlue);
    EXPECT_EQ(dc.GetPixel(end + 4, 498), RGB(255, 255, 255));  // rotating again: no line

    // Without blocked rates the marks stand 2 pixels higher.
    f.settings.blockedRop = false;
    f.image.fill(Qt::white);
    DrawSlideMarks(dc, f.plot);
    EXPECT_EQ(dc.GetPixel(x + 4, 496), kBlue);
    EXPECT_EQ(dc.TextRecord()[2].at.y, 500 - 14);
}

TEST(HorzPlot, ShowRowsStackPorosityFluorescenceAndCut)
{
    PlotOnWell f;
    for (wellfile::RECORD& r : f.records) {
        r.porosity = r.fluorPercent = r.fluorQuality = r.cutRating = 0;
    }
    wellfile::RECORD& r = f.records[5];  // its cell: the step before its x
    r.porosity = 'f';
    r.fluorPercent = 50;
    r.fluorQuality = 'g';
    r.fluorColour = kGreen;
    r.cutRating = 'G';
    r.ratingColour = kBlue;
    r.hardness = 100;
    r.hardnessColour = kRed;
    f.plot.pens[layout::PEN_POROSITY_FILL].colour = kRed;
    f.plot.points.count = 20;
    HorzBands& b = f.plot.bands;
    b.showsBandBottom = 400;
    b.showRowHeight = 5;
    b.showRowCounts = {3, 4, 3};
    b.plotRight = 1000;
    b.hardnessBase = 500;
    b.hardnessHeight = 20;
    platform::Dc dc(f.image);
    DrawShowRows(dc, f.plot);
    DrawHardnessRow(dc, f.plot);
    const int x = 50 + 5 * 8, mid = x - 4;
    EXPECT_EQ(dc.GetPixel(mid, 400 - 9), kRed);     // porosity "f": two units
    EXPECT_EQ(dc.GetPixel(mid, 400 - 12), RGB(255, 255, 255));
    EXPECT_EQ(dc.GetPixel(mid, 385 - 9), kGreen);   // fluorescence 50 % of 20
    EXPECT_EQ(dc.GetPixel(mid, 385 - 12), RGB(255, 255, 255));
    EXPECT_EQ(dc.GetPixel(mid, 365 - 14), kBlue);   // cut "G": three units
    EXPECT_EQ(dc.GetPixel(900, 365 - 15), RGB(0, 0, 0));  // the cut row's grid: row count + 1 lines
    EXPECT_EQ(dc.GetPixel(900, 365 - 17), RGB(255, 255, 255));
    EXPECT_EQ(dc.GetPixel(mid, 500 - 19), kRed);    // hardness 100 %
    EXPECT_EQ(dc.GetPixel(mid + 8, 500 - 10), RGB(255, 255, 255));  // the next record has none
    EXPECT_EQ(dc.GetPixel(900, 400), RGB(0, 0, 0));  // base lines run to the rows' end
}

TEST(HorzPlot, MarkersAreScaledTilesAtTheirDepth)
{
    PlotOnWell f;
    f.plot.lithTiles.resize(23);
    f.plot.lithTiles[3] = QImage(40, 11, QImage::Format_RGB32);
    f.plot.lithTiles[3].fill(QColor(255, 0, 0));
    wellfile::HorzMarker m{};
    m.symbolNumber = 3;
    m.markerMd = 2010;
    m.offsetY = 2500;  // dragged far off: drawn at 10
    f.settings.markers.push_back(m);
    f.plot.sections.sections[0].pxPerTvd = 2.0f;
    f.plot.sections.sections[0].endX = 3250;
    f.plot.bands.pathTop = 20;
    f.plot.bands.lithBandTop = 240;  // ten rows of 6: the band ends at 300
    const int y = 300 + 15 + 10 * 2;
    for (auto [screen, w, h] : {std::tuple{1920, 30, 8}, std::tuple{1000, 26, 7}}) {
        SCOPED_TRACE(screen);
        f.plot.options.screenWidth = screen;
        f.image.fill(Qt::white);
        platform::Dc dc(f.image);
        DrawMarkers(dc, f.plot);
        EXPECT_EQ(dc.GetPixel(130, y), kRed);
        EXPECT_EQ(dc.GetPixel(130 + w - 1, y + h - 1), kRed);
        EXPECT_NE(dc.GetPixel(130 + w, y), kRed);
        EXPECT_NE(dc.GetPixel(130, y + h), kRed);
        EXPECT_NE(dc.GetPixel(129, y), kRed);
    }
}

TEST(HorzPlot, PicturesStandInTheirBandAndUnreadableOnesAreListed)
{
    PlotOnWell f;
    const QString folder = testing_support::TestDir() + "pics/";
    QDir().mkpath(folder);
    QImage red(64, 48, QImage::Format_RGB32);
    red.fill(QColor(255, 0, 0));
    ASSERT_TRUE(red.save(folder + "H@2030.jpg", "JPG", 100));
    QFile bad(folder + "H@2050.jpg");
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a picture");
    bad.close();
    elog::PictureTable table;
    table.folder = folder;
    table.all = {{2030, "h@2030.JPG"}, {2050, "H@2050.jpg"}, {2070, "missing.jpg"}};
    f.plot.pictures = &table;
    f.plot.bands.pictureBandBottom = 400;
    f.plot.bands.pictureBandTop = 368;  // pictures of 30
    f.plot.width = 3300;
    platform::Dc dc(f.image);
    DrawPictureBand(dc, f.plot);
    const int x = 50 + 30 * 8 - 16 * 8, top = 400 - 30 - 1;
    auto reddish = [&dc](int px, int py) {
        const platform::COLORREF c = dc.GetPixel(px, py);
        return platform::GetRValue(c) > 200 && platform::GetGValue(c) < 60;
    };
    EXPECT_TRUE(reddish(x + 1, top + 1));
    EXPECT_TRUE(reddish(x + 28, top + 28));
    EXPECT_FALSE(reddish(x + 31, top + 10));
    EXPECT_FALSE(reddish(x + 10, top - 2));
    EXPECT_EQ(dc.GetPixel(x + 10, 400), RGB(0, 0, 0));  // the band's frame
    ASSERT_EQ(f.plot.pictureFailures.size(), 1u);       // the missing file draws nothing and says nothing
    EXPECT_EQ(f.plot.pictureFailures[0].file, "H@2050.jpg");
    EXPECT_FALSE(f.plot.pictureFailures[0].memory);
}

TEST(HorzPlot, CurveFillsMaskOnScreenOnly)
{
    PlotOnWell f;
    f.plot.plotLeft = 50;
    f.plot.bands.gasBase = 200;
    f.plot.pens[0] = {kRed, 1, layout::PS_SOLID};
    f.plot.pens[1] = {kBlue, 1, layout::PS_SOLID};
    f.plot.options.gasFillColour = kGreen;
    f.settings.gasCount = 2;
    f.settings.fillBehindGas = true;
    f.plot.points.gas[0] = {{50, 100}, {300, 100}};
    f.plot.points.gas[1] = {{50, 120}, {300, 120}};
    platform::Dc dc(f.image);
    dc.SetPixel(200, 150, RGB(255, 0, 255));  // what lies beneath is masked, not covered
    DrawGasCurves(dc, f.plot);
    EXPECT_EQ(dc.GetPixel(150, 100), kRed);
    EXPECT_EQ(dc.GetPixel(150, 120), kBlue);  // the second gas is a line only
    EXPECT_EQ(dc.GetPixel(150, 150), kGreen);
    EXPECT_EQ(dc.GetPixel(200, 150), RGB(0, 0, 0));
    EXPECT_EQ(dc.GetPixel(150, 210), RGB(255, 255, 255));

    f.image.fill(Qt::white);
    f.plot.printing = true;
    DrawGasCurves(dc, f.plot);
    EXPECT_EQ(dc.GetPixel(150, 100), kRed);
    EXPECT_EQ(dc.GetPixel(150, 150), RGB(255, 255, 255));
}

TEST(HorzPlot, NoteCopyRestoresWithoutPlotPaintersAndAFailedImageKeepsTheOld)
{
    PlotOnWell f;
    f.settings.drawMemos = true;
    f.settings.drawShows = true;
    std::map<std::string, int> calls;
    HorzPainters painters = DefaultPainters();
    auto count = [&calls](const char* name, const HorzPainters::Step& then = {}) {
        return [&calls, name, then](platform::Dc& dc, HorzPlot& p) {
            ++calls[name];
            if (then)
                then(dc, p);
        };
    };
    painters.wellPath = count("wellPath");
    painters.header = count("header");
    painters.surveyLabels = count("surveyLabels");
    painters.notes = count("notes", [](platform::Dc& dc, HorzPlot&) {
        dc.FillRect(platform::RECT{60, 60, 80, 80}, platform::Brush(RGB(0, 0, 0)));
    });
    ASSERT_TRUE(DrawPlot(f.plot, painters).isEmpty());
    EXPECT_EQ(f.plot.printScaleKind, 5);
    EXPECT_EQ(f.plot.greatestTvd, 1340);
    EXPECT_EQ(calls["wellPath"], 1);
    EXPECT_EQ(calls["notes"], 1);
    const QImage drawn = f.plot.image.image.copy();
    ASSERT_EQ(drawn.size(), QSize(3300, 590));
    EXPECT_EQ(drawn.pixel(70, 70), qRgb(0, 0, 0));
    EXPECT_EQ(f.plot.image2.image.pixel(70, 70), qRgb(255, 255, 255));
    int differing = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            differing += drawn.pixel(x, y) != f.plot.image2.image.pixel(x, y);
    EXPECT_EQ(differing, 20 * 20);

    f.plot.image.image.fill(Qt::red);
    calls.clear();
    RestorePlotImage(f.plot, painters);
    EXPECT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls["notes"], 1);
    EXPECT_EQ(f.plot.image.image, drawn);

    // A window that cannot be made (too tall): the message, and the old window stays as it was.
    f.plot.height = 40000;
    EXPECT_EQ(RenderWindow(f.plot, painters, 0), "Image Memory allocation failed");
    EXPECT_EQ(f.plot.image.image, drawn);
}

TEST(HorzPlot, AWideLateralDrawsAWindowThatMatchesTheWholePlot)
{
    PlotOnWell f;
    f.settings.drawShows = f.settings.drawGas = f.settings.drawRates = f.settings.drawGamma = true;
    f.settings.gasCount = 2;
    f.plot.options.gammaData = true;
    f.plot.pens[layout::PEN_WELL_TRACK] = {kRed, 2, layout::PS_SOLID};
    f.plot.options.wellPathColour = kRed;
    const HorzPainters painters = DefaultPainters();
    ASSERT_TRUE(DrawPlot(f.plot, painters).isEmpty());
    ASSERT_EQ(f.plot.imageLeft, 0);  // narrow: the whole plot
    const QImage whole = f.plot.image.image;
    // Columns drawn alone, as prints and files take them, are the whole plot's columns.
    for (int left : {0, 1000, 2900}) {
        const QImage part = RenderColumns(f.plot, painters, left, 400);
        ASSERT_FALSE(part.isNull());
        EXPECT_EQ(part, whole.copy(left, 0, 400, whole.height())) << left;
    }

    // 5,000 units: 40,100 pixels, past what an image can be; the window is made and moved on.
    f.plot.plotLastDepth = 2000 + 5000;
    ASSERT_TRUE(DrawPlot(f.plot, painters).isEmpty());
    EXPECT_EQ(f.plot.width, 5000 * 8 + 50 + 50);
    EXPECT_EQ(f.plot.image.Width(), 8192);
    EXPECT_FALSE(WindowHolds(f.plot, 30000, f.plot.clientWidth));
    ASSERT_TRUE(RenderWindow(f.plot, painters, 30000).isEmpty());
    EXPECT_TRUE(WindowHolds(f.plot, 30000, f.plot.clientWidth));
    EXPECT_EQ(f.plot.image.image.copy(30000 - f.plot.imageLeft, 0, 400, f.plot.height),
              RenderColumns(f.plot, painters, 30000, 400));
    // The path is traced in the window, picked up where it enters it.
    ASSERT_FALSE(f.plot.pathTrace.empty());
    EXPECT_EQ(f.plot.pathTrace.front().x, f.plot.imageLeft);
    EXPECT_NE(f.plot.pathTrace.front().y, 0);
}
