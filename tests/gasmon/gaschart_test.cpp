// The gas chart's painter, drawn into images: traces at the x of their values on both axes, the grids,
// the rows of the samples below the view start, and the labels and marks through the text record.
#include "gasmon/chartfile.h"
#include "gasmon/draw/gaschart.h"
#include "layout/pentable.h"

#include <QImage>
#include <QRect>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace gasmon;
using platform::COLORREF;

namespace {

constexpr COLORREF kHw = platform::RGB(255, 0, 0);
constexpr COLORREF kIndex2 = platform::RGB(0, 0, 255);
constexpr COLORREF kBackground = platform::RGB(1, 2, 3);

QRgb Rgb(COLORREF c) { return qRgb(int(c & 0xFF), int(c >> 8 & 0xFF), int(c >> 16 & 0xFF)); }

ChartPens Pens()
{
    layout::PenTable table{};
    table.entry[0].colour = kHw;
    table.entry[0].width = 1;
    for (int i = 1; i < 7; ++i)
        table.entry[i].colour = platform::RGB(0, 10 * i, 100);
    table.entry[2].colour = kIndex2;
    return MakeChartPens(table, 0);
}

// A day whose slots carry their times, every sample at `hw` and `chrom` in component window 2.
std::vector<CHARTRECORD> Day(float hw, float chrom)
{
    std::vector<CHARTRECORD> day(kChartDaySlots);
    for (int i = 0; i < kChartSlotsPerDay; ++i) {
        day[std::size_t(i)] = PresetChartRecord(QDate(2026, 1, 15), i);
        day[std::size_t(i)].hotWire = hw;
        day[std::size_t(i)].chromat = chrom;
        day[std::size_t(i)].index = 2;
    }
    return day;
}

struct Drawing {
    QImage image{550, 1000, QImage::Format_RGB32};
    std::vector<platform::DcText> texts;
    ChartDrawn drawn;
};

Drawing Draw(const std::vector<CHARTRECORD>& day, int viewStart, bool logScale, int records = kChartSlotsPerDay,
             bool markInjections = true)
{
    Drawing d;
    d.image.fill(Rgb(kBackground));
    platform::Dc dc(d.image);
    dc.RecordText(true);
    ChartFrame f{day, records, viewStart, 2, 1, logScale, markInjections, ChartGeometryOf(550, 1000)};
    d.drawn = PaintChart(dc, f, Pens());
    if (!logScale)
        DrawScaleLabels(dc, f.geometry, f.scaleIndex);
    d.texts = dc.TextRecord();
    return d;
}

// The first text record of `text`; none: a point far off.
platform::POINT TextAt(const Drawing& d, const QString& text)
{
    for (const platform::DcText& t : d.texts)
        if (t.text == text)
            return t.at;
    return {-1000, -1000};
}

bool SamePoint(platform::POINT a, int x, int y) { return a.x == x && a.y == y; }

TEST(GasChartPainter, TracesAndTheLinearGridLieAtTheirValues)
{
    const Drawing d = Draw(Day(125, 62.5f), 41000, false);
    EXPECT_EQ(d.image.pixel(270, 400), Rgb(kHw)) << "HW 125 of 250 across 500 pixels";
    EXPECT_EQ(d.image.pixel(145, 400), Rgb(kIndex2)) << "Chrom in its component's colour";
    for (int x : {20, 120, 220, 320, 420})
        EXPECT_EQ(d.image.pixel(x, 401), Rgb(kChartDarkColour)) << x;
    int light = 0;
    for (int y = 402; y < 438; ++y) {  // rows of no minute line
        EXPECT_NE(d.image.pixel(130, y), Rgb(kChartDarkColour));
        light += d.image.pixel(130, y) == Rgb(kChartGridColour);
    }
    EXPECT_GT(light, 5) << "the fine lines are dotted";
    EXPECT_LT(light, 30);
    EXPECT_TRUE(SamePoint(TextAt(d, " <0 "), 0, 85));
    EXPECT_TRUE(SamePoint(TextAt(d, "250 >"), 500, 85));

    const Drawing high = Draw(Day(300, 0), 41000, false);
    EXPECT_EQ(high.image.pixel(518, 400), Rgb(kHw)) << "held inside the plot";
    EXPECT_NE(high.image.pixel(519, 400), Rgb(kHw));
}

TEST(GasChartPainter, TheLogarithmicAxisAndItsGridRunOverFourDecades)
{
    const Drawing d = Draw(Day(100, 0.5f), 41000, true);
    EXPECT_EQ(d.image.pixel(270, 400), Rgb(kHw));
    EXPECT_EQ(d.image.pixel(20, 400), Rgb(kIndex2)) << "a value below 1 at the plot left";
    for (int x : {145, 395})
        EXPECT_EQ(d.image.pixel(x, 401), Rgb(kChartDarkColour)) << x;
    EXPECT_NE(d.image.pixel(57 - 1, 401), Rgb(kChartGridColour));
    bool dotted = false;
    for (int y = 300; y < 320; ++y)
        dotted = dotted || d.image.pixel(57, y) == Rgb(kChartGridColour);
    EXPECT_TRUE(dotted) << "2 of the first decade at 20 + 37";
    EXPECT_TRUE(SamePoint(TextAt(d, "1"), 20, 85));
    EXPECT_TRUE(SamePoint(TextAt(d, "10"), 145, 85));
    EXPECT_TRUE(SamePoint(TextAt(d, "100"), 270, 85));
    EXPECT_TRUE(SamePoint(TextAt(d, "1000"), 395, 85));
    EXPECT_TRUE(SamePoint(TextAt(d, "10000"), 520, 85));
    EXPECT_TRUE(SamePoint(TextAt(d, " <0 "), -1000, -1000)) << "no linear labels";
}

TEST(GasChartPainter, RowsRunDownFromTheNewestSampleAndStopAtSampleOne)
{
    std::vector<CHARTRECORD> day = Day(0, 0);
    for (int i : {41799, 41800})
        day[std::size_t(i)].hotWire = 37.5f;  // x 95
    for (int i : {41749, 41750})
        day[std::size_t(i)].hotWire = 62.5f;  // x 145
    Drawing d = Draw(day, 41000, false);
    ASSERT_TRUE(d.drawn.top);
    EXPECT_EQ(d.drawn.top->recordNumber, 41800u);
    EXPECT_EQ(d.image.pixel(95, 121), Rgb(kHw));
    EXPECT_EQ(d.image.pixel(145, 221), Rgb(kHw)) << "sample 41,750 fifty rows of 2 pixels lower";
    EXPECT_NE(d.image.pixel(145, 121), Rgb(kHw));

    d = Draw(Day(62.5f, 0), -390, false);
    ASSERT_TRUE(d.drawn.top);
    EXPECT_EQ(d.drawn.top->recordNumber, 410u);
    EXPECT_EQ(d.image.pixel(145, 900), Rgb(kHw));
    EXPECT_NE(d.image.pixel(145, 960), Rgb(kHw)) << "no rows for samples below 1";

    d = Draw(Day(62.5f, 0), 43000, false);
    EXPECT_EQ(d.drawn.viewStart, 42390) << "the newest sample drawn is 43,190";

    d = Draw(Day(62.5f, 0), 41000, false, 0);
    EXPECT_FALSE(d.drawn.top);
    Drawing empty = d;
    empty.image.fill(Rgb(kBackground));
    platform::Dc labels(empty.image);
    DrawScaleLabels(labels, ChartGeometryOf(550, 1000), 1);
    EXPECT_EQ(d.image, empty.image) << "a day with no records draws nothing but the scale band";
}

TEST(GasChartPainter, TimeDepthAndLagLabelsAndTheCycleMarks)
{
    std::vector<CHARTRECORD> day = Day(0, 0);
    for (int i = 0; i < kChartSlotsPerDay; ++i) {
        CHARTRECORD& r = day[std::size_t(i)];
        r.depth = i > 41500 ? 1001 : 1000;
        r.lagDepth = i > 41600 ? 951 : 950;
        r.cycleEnd = i >= 41700 ? 1 : 0;
        r.index = i >= 41650 ? 1 : 3;
    }
    const Drawing d = Draw(day, 41000, false);
    EXPECT_TRUE(SamePoint(TextAt(d, "23:00"), 420, 906)) << "sample 41,400 is 23:00:00";
    EXPECT_TRUE(SamePoint(TextAt(d, "1001"), 470, 708)) << "the newer depth, 12 pixels over its row";
    const platform::POINT lag = TextAt(d, "951");
    EXPECT_TRUE(SamePoint(lag, 20, 520));
    for (const platform::DcText& t : d.texts) {
        if (t.text == "951") {
            EXPECT_EQ(t.textColor, kChartLagTextColour);
        }
    }
    EXPECT_TRUE(SamePoint(TextAt(d, ">>"), 0, 314)) << "three rows over the sample that ended the cycle";
    EXPECT_TRUE(SamePoint(TextAt(d, "Inj>"), 0, 414));
    EXPECT_EQ(d.image.pixel(25, 322), Rgb(kChartDarkColour)) << "the cycle-end tick on the next row";

    const Drawing first = Draw(day, 41000, false, kChartSlotsPerDay, false);
    EXPECT_TRUE(SamePoint(TextAt(first, "Inj>"), -1000, -1000)) << "not on the window's first drawing";
}

// Depth and lag depth changing every third sample (rows of 2 pixels: 6 pixels apart, less than a
// text's height), the HW trace at the plot's right so that the lag depths share the depths' column: no
// two labels' boxes meet, the newest depth is written, and there is a label every text height or so.
TEST(GasChartPainter, DepthLabelsOfQuickChangesStandApart)
{
    std::vector<CHARTRECORD> day = Day(240, 0);
    for (int i = 0; i < kChartSlotsPerDay; ++i) {
        day[std::size_t(i)].depth = 1000 + std::min(std::max(i - 41500, 0), 150) / 3;
        day[std::size_t(i)].lagDepth = day[std::size_t(i)].depth - 50;
    }
    const Drawing d = Draw(day, 41000, false);
    QImage probe(10, 10, QImage::Format_RGB32);
    platform::Dc dc(probe);
    std::vector<QRect> boxes;
    for (const platform::DcText& t : d.texts)
        if (t.text.toInt() >= 950 && t.text.toInt() <= 1050) {
            const platform::SIZE size = dc.GetTextExtent(t.text);
            boxes.emplace_back(t.at.x, t.at.y, size.cx, size.cy);
        }
    ASSERT_FALSE(boxes.empty());
    int met = 0;
    for (std::size_t a = 0; a < boxes.size(); ++a)
        for (std::size_t b = a + 1; b < boxes.size(); ++b)
            met += boxes[a].intersects(boxes[b]);
    EXPECT_EQ(met, 0) << "labels written over each other";
    EXPECT_NE(TextAt(d, "1050").x, -1000) << "the newest depth";
    // 100 rows of changes (300 pixels) hold at least one label every two text heights.
    EXPECT_GE(int(boxes.size()), 300 / (2 * boxes.front().height()));
}

TEST(GasChartPainter, TheThumbsDepthReadout)
{
    QImage image(550, 400, QImage::Format_RGB32);
    platform::Dc dc(image);
    dc.RecordText(true);
    DrawThumbDepth(dc, ChartGeometryOf(550, 400), 1234);
    ASSERT_EQ(dc.TextRecord().size(), 1u);
    EXPECT_EQ(dc.TextRecord()[0].text, " 1234  ");
    EXPECT_TRUE(SamePoint(dc.TextRecord()[0].at, 460, 145));
}

}  // namespace
