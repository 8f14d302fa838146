// The well path, the lithology band and the survey blocks rendered into an image on the plain layout of
// a 615-pixel window over MD 2,000-2,300 (path area from y 160), probed where the stations, sections and
// labels put them; texts through the Dc's text record.
#include "horizontal/draw/horzplot.h"
#include "support/testmain.h"
#include "support/textrecord.h"

#include <gtest/gtest.h>

using namespace horizontal;
using platform::RGB;

namespace {

constexpr platform::COLORREF kWhite = RGB(255, 255, 255), kBlue = RGB(0, 0, 255), kPath = RGB(200, 100, 0),
                             kSurvey = RGB(0, 128, 0);

struct PathPlot {
    std::vector<wellfile::RECORD> records = std::vector<wellfile::RECORD>(301);
    HorzViewSettings settings;
    HorzPlot plot;
    QImage image{2500, 600, QImage::Format_RGB32};
    platform::Dc dc{image};
    struct Lith {
        std::size_t index;
        int x, y;
    };
    std::vector<Lith> liths;
    PathPlot()
    {
        for (int i = 0; i <= 300; ++i)
            records[std::size_t(i)].depth = 2000 + i;
        records[0].tvd = 1000;
        records[100].tvd = 1010;  // the second section's first station
        records[200].tvd = 1020;
        records[200].inclination = -999.25f;
        plot.settings = &settings;
        plot.records = records;
        plot.toDraw = 301;
        plot.plotFirstDepth = 2000;
        plot.plotLastDepth = 2300;
        plot.fileFirstDepth = 900;
        plot.fileLastDepth = 2290;
        plot.clientHeight = 615;
        plot.width = 2500;
        plot.pens[layout::PEN_WELL_TRACK] = {kPath, 3, layout::PS_SOLID};
        plot.pens[layout::PEN_SURVEY] = {kSurvey, 1, layout::PS_SOLID};
        plot.options.wellPathColour = kPath;
        plot.sections.count = 2;
        plot.sections.sections[0] = {1000, 1100, 2000, 2100, 2.0f, 850, 0, 0, 0, {}};
        plot.sections.sections[1] = {1008, 1100, 2100, 2300, 4.0f, 2450, 0, 0, 0, {}};
        plot.lithology = [this](platform::Dc&, std::span<const wellfile::RECORD> r, std::size_t index, int x, int y) {
            EXPECT_EQ(r.data(), records.data());
            liths.push_back({index, x, y});
        };
        LayOutPlotBands(plot);
        image.fill(Qt::white);
        dc.RecordText(true);
    }
    const platform::DcText* Find(const QString& text) const { return testing_support::FindText(dc.TextRecord(), text); }
};

}  // namespace

TEST(HorzWellPath, StationsSegmentsJumpAndMarks)
{
    PathPlot f;
    ASSERT_EQ(f.plot.bands.pathTop, 160);
    EXPECT_EQ(DrawWellPath(f.dc, f.plot), 3);
    // Stations at (50, 160), (850, 168) and (1650, 208); the jump leaves the first section at y 180.
    EXPECT_EQ(f.dc.GetPixel(50, 160), kPath);
    EXPECT_EQ(f.dc.GetPixel(1650, 208), kPath);
    EXPECT_EQ(f.dc.GetPixel(50 + 45 * 8, 160 + 20 * 45 / 100), kPath);  // MD 2,045 on the 3-pixel pen
    EXPECT_EQ(f.dc.GetPixel(50 + 45 * 8, 160 + 20 * 45 / 100 + 1), kPath);
    EXPECT_EQ(f.dc.GetPixel(850, 174), kBlue);  // the dashed jump, mid-way
    // The null-inclination station is joined with the 1-pixel pen and labelled.
    const int x = 850 + 45 * 8, y = 168 + 40 * 45 / 100;
    EXPECT_EQ(f.dc.GetPixel(x, y), kPath);
    EXPECT_NE(f.dc.GetPixel(x, y + 2), kPath);
    const platform::DcText* ptb = f.Find(QStringLiteral("P T B"));
    ASSERT_NE(ptb, nullptr);
    EXPECT_EQ(ptb->at, (platform::POINT{1660, 188}));
    // The last station's mark: an ellipse in (x, y - 2, x + 5, y + 4), nothing further right.
    EXPECT_EQ(f.dc.GetPixel(1654, 209), kPath);
    EXPECT_NE(f.dc.GetPixel(1660, 209), kPath);
    EXPECT_EQ(f.plot.bitMarker.left, 1645);
    EXPECT_EQ(f.plot.bitMarker.bottom, 213);
    EXPECT_EQ(f.plot.wellPath.size(), 3u);
    EXPECT_FLOAT_EQ(f.plot.pathSlopes[150], 40.0f / 800);
    // The fixed lithology band: record r at the x of record r - 1, up to the file's last depth.
    ASSERT_FALSE(f.liths.empty());
    EXPECT_EQ(f.liths.front().index, 1u);
    EXPECT_EQ(f.liths.front().x, 50);
    EXPECT_EQ(f.liths.front().y, f.plot.bands.lithBandTop);
    EXPECT_EQ(f.liths.back().index, 291u);  // MD 2,291: below 2,290 rounded to even, plus 2
}

TEST(HorzWellPath, LithologyOnThePathInsteadOfTheBand)
{
    PathPlot f;
    f.settings.drawLithOnWellTrack = true;
    DrawWellPath(f.dc, f.plot);
    EXPECT_TRUE(f.liths.empty());
    for (int x = 50; x < 2500; ++x)
        f.plot.pathTrace.push_back({x, 300 + (x & 1)});
    f.plot.points.count = 2 * 301;
    DrawPathLithology(f.dc, f.plot);
    ASSERT_GE(f.liths.size(), 2u);
    EXPECT_EQ(f.liths[0].index, 1u);
    EXPECT_EQ(f.liths[0].y, 275);  // record 1 at the column of record 0, 25 above the trace
    EXPECT_EQ(f.liths[1].x, 58);
    EXPECT_EQ(f.liths.back().index, 290u);  // stops after the file's last depth
}

TEST(HorzWellPath, SurveyBlocks)
{
    PathPlot f;
    wellfile::RECORD& r = f.records[100];
    r.tvd = 1250.5f;
    r.azimuth = 270.25f;
    r.inclination = 88.5f;
    r.verticalSection = 850.123f;
    r.dogLeg = 2.5f;
    f.records[4].tvd = 1001;  // x 82: within 36 pixels of plotLeft, no block
    f.plot.kbElevation = 30;
    f.plot.points.count = 2 * 301;
    DrawSurveyLabels(f.dc, f.plot);
    const char* lines[] = {"2100' md", "1250.50' tvd ", "( -1220.5' ss)", "AZM 270.25\u00b0 ", "INCL 88.50\u00b0 ",
                           "VS 850.12' ", "DLS 2.50' "};
    ASSERT_EQ(f.plot.bands.pathBottom, 376);
    for (int k = 0; k < 7; ++k) {
        const platform::DcText* t = f.Find(QString::fromUtf8(lines[k]));
        ASSERT_NE(t, nullptr) << lines[k];
        EXPECT_EQ(t->at, (platform::POINT{850, 271 + 15 * k})) << lines[k];
    }
    EXPECT_EQ(f.Find(QStringLiteral("2004' md")), nullptr);
    EXPECT_EQ(f.dc.GetPixel(840, 300), kWhite);  // no box without the entry's box flag
    f.plot.options.surveyBox = true;
    DrawSurveyLabels(f.dc, f.plot);
    EXPECT_EQ(f.dc.GetPixel(840, 300), kSurvey);
    EXPECT_EQ(f.dc.GetPixel(929, 269), kSurvey);
    EXPECT_EQ(f.dc.GetPixel(850, 366), kWhite);
}
