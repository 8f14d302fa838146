#include "platform/draw/dc.h"
#include "support/testmain.h"
#include "wits/chartsettings.h"
#include "wits/chartview.h"
#include "wits/draw/chartimage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <tuple>
#include <vector>

using platform::COLORREF;
using platform::RGB;
using testing_support::TestDir;
using wits::ChartBlocks;
using wellfile::WITSRECORD;

namespace {

constexpr int kRow = 10;  // row height r
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGrey = RGB(192, 192, 192);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// The default charts at r = 10: 10..210, 220..420, 430..630, 640..840.
ChartBlocks DefaultBlocks()
{
    wits::WITSCHARTCFG rec;
    ChartBlocks blocks;
    wits::DefaultSettings(TestDir() + "ALPHA.wfg", kRow, platform::RECT{0, 0, 1200, 900}, rec, blocks);
    return blocks;
}

// Sample i at the time of its slot.
std::vector<WITSRECORD> Day(int count)
{
    std::vector<WITSRECORD> day(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        day[i].hour = std::uint16_t(i / 600);
        day[i].minute = std::uint16_t(i / 10 % 60);
        day[i].second = std::uint16_t(i % 10 * 6);
    }
    return day;
}

// Text records of one text (in one colour when given), in the order drawn.
std::vector<platform::DcText> Drawn(const platform::Dc& dc, const QString& text, COLORREF colour = platform::CLR_INVALID)
{
    std::vector<platform::DcText> out;
    for (const auto& t : dc.TextRecord())
        if (t.text == text && (colour == platform::CLR_INVALID || t.textColor == colour))
            out.push_back(t);
    return out;
}

TEST(WitsChartImage, GridLinesAndBlockTicks)
{
    ChartBlocks blocks = DefaultBlocks();
    QImage image = wits::MakeChartImage(blocks);
    ASSERT_EQ(image.width(), 850);
    ASSERT_EQ(image.height(), 14400);
    platform::Dc dc(image);
    wits::DrawGrid(dc, blocks);

    for (const auto& b : blocks) {
        for (const int x : {b.left, b.left + 3, b.right - 1}) {
            EXPECT_EQ(dc.GetPixel(x, 10), kBlue) << x;
            EXPECT_EQ(dc.GetPixel(x, 110), kBlue) << x;
            EXPECT_EQ(dc.GetPixel(x, 14310), kBlue) << x;
        }
        EXPECT_EQ(dc.GetPixel(b.left + 3, 20), kGrey);
        EXPECT_EQ(dc.GetPixel(b.left + 3, 14390), kGrey);
        EXPECT_EQ(dc.GetPixel(b.left + 3, 15), kWhite);  // between minute lines and block ticks
        for (int block = 0; block <= 20; ++block)
            for (const int y : {15, 7777, 14399})
                EXPECT_EQ(dc.GetPixel(b.left + block * kRow, y), block % 5 == 0 ? kBlue : kGrey) << block << " " << y;
    }
    EXPECT_EQ(dc.GetPixel(215, 10), kWhite);  // the gap between two charts
    EXPECT_EQ(dc.GetPixel(40, 5), kWhite);  // above the first minute line

    // Blocks of 7.5 pixels: ticks at whole pixels; the right border is blue though 7 is no multiple of 5.
    blocks[0].blockWidth = 7.5f;
    blocks[0].blockCount = 7;
    wits::WorkOutColumns(blocks);
    ASSERT_EQ(blocks[0].right, 62);
    image.fill(Qt::white);
    wits::DrawGrid(dc, blocks);
    const int ticks[] = {10, 17, 25, 32, 40, 47, 55, 62};
    for (int block = 0; block <= 7; ++block)
        EXPECT_EQ(dc.GetPixel(ticks[block], 15), block % 5 == 0 || block == 7 ? kBlue : kGrey) << block;
    EXPECT_EQ(dc.GetPixel(18, 15), kWhite);
}

TEST(WitsChartImage, CurvesLieWhereTheirScalesPutThem)
{
    ChartBlocks blocks = DefaultBlocks();
    QImage image = wits::MakeChartImage(blocks);
    platform::Dc dc(image);

    std::vector<WITSRECORD> day = Day(400);
    for (int i = 0; i < 400; ++i) {
        day[i].wob = std::uint16_t(i % 50);  // chart 1 curve 1: 2 pixels per unit
        day[i].rpm = 150;                    // chart 1 curve 2: 1 pixel per unit
    }
    wits::DrawCurves(dc, blocks, day.data(), int(day.size()), kRow);
    for (const int i : {0, 1, 37, 200, 388}) {
        EXPECT_EQ(dc.GetPixel(10 + 2 * (i % 50), 10 + i + 1), kRed) << i;
        EXPECT_EQ(dc.GetPixel(160, 10 + i + 1), kBlack) << i;
    }
    // Both curves' first lines start at the chart's left column, row 10 (curve 2 drawn last); nothing
    // below the last sample drawn.
    EXPECT_EQ(dc.GetPixel(10, 10), kBlack);
    EXPECT_EQ(dc.GetPixel(160, 10 + 389 + 1), kWhite);

    // At the minimum: the left column, or the right one when reversed; past the range: one pixel inside.
    struct Case {
        int wob;
        float minimum;
        int direction;
        int x;
    };
    const Case cases[] = {
        {0, 0, 1, 10}, {0, 0, 0, 210}, {5, 20, 1, 11}, {200, 0, 1, 209}, {200, 0, 0, 11}, {5, 20, 0, 209},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        ChartBlocks b = blocks;
        b[0].minimum[0] = c.minimum;
        b[0].direction[0] = c.direction;
        wits::WorkOutScales(b);
        for (auto& s : day)
            s.wob = std::uint16_t(c.wob);
        image.fill(Qt::white);
        wits::DrawCurves(dc, b, day.data(), int(day.size()), kRow);
        EXPECT_EQ(dc.GetPixel(c.x, 100), kRed);
        EXPECT_EQ(dc.GetPixel(c.x - 1, 100), kWhite);
        EXPECT_EQ(dc.GetPixel(c.x + 1, 100), kWhite);
    }
}

TEST(WitsChartImage, ShortAndOverlongDays)
{
    const ChartBlocks blocks = DefaultBlocks();
    const QImage blank = wits::MakeChartImage(blocks);
    QImage image = blank;
    platform::Dc dc(image);
    std::vector<WITSRECORD> day = Day(11);
    for (auto& s : day)
        s.holeDepth = 1500;

    EXPECT_EQ(wits::DrawCurves(dc, blocks, day.data(), 10, kRow).greatest, 0);
    EXPECT_TRUE(image == blank);
    wits::DrawCurves(dc, blocks, day.data(), 11, kRow);
    EXPECT_EQ(dc.GetPixel(10, 10), kBlack);
    // A damaged hole depth no int holds is none, not the greatest depth of the day.
    day = Day(12);
    day[0].holeDepth = 1500;
    day[1].holeDepth = 3e9f;
    EXPECT_EQ(wits::DrawCurves(dc, blocks, day.data(), 12, kRow).greatest, 1500);

    // Gas that is no number lies on the left, infinite gas on the right (chart 4, curve 2).
    const float gas[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()};
    for (const int side : {0, 1}) {
        day = Day(50);
        for (auto& s : day)
            s.totalGas = gas[side];
        image = blank;
        platform::Dc gasDc(image);
        wits::DrawCurves(gasDc, blocks, day.data(), int(day.size()), kRow);
        EXPECT_EQ(gasDc.GetPixel(side ? 839 : 641, 30), kBlack) << side;
    }

    // A file longer than a day is charted to the image's last row and no further.
    day = Day(20000);
    for (auto& s : day)
        s.wob = 25;
    image = blank;
    platform::Dc longDc(image);
    wits::DrawCurves(longDc, blocks, day.data(), int(day.size()), kRow);
    EXPECT_EQ(longDc.GetPixel(60, 14399), kRed);
}

TEST(WitsChartImage, TimeDepthLagAndCurveLabels)
{
    const ChartBlocks blocks = DefaultBlocks();
    QImage image = wits::MakeChartImage(blocks);
    platform::Dc dc(image);
    dc.RecordText(true);

    std::vector<WITSRECORD> day = Day(1500);
    for (int i = 0; i < 1500; ++i) {
        day[i].holeDepth = i < 3 ? 0.0f : 1000.0f + float(i / 25) + 0.7f;
        day[i].lagDepth = i == 0 ? 980 : 990 + i / 50;
        day[i].spm1 = 50;     // chart 2 curve 1 (0..200): x = 270
        day[i].pumpPressure = 2000;  // chart 2 curve 2 (0..4000): x = 320
    }
    const wits::LoadedDepthRange range = wits::DrawCurves(dc, blocks, day.data(), 1500, kRow);
    EXPECT_EQ(range.least, 1000);
    EXPECT_EQ(range.greatest, 1000 + 1489 / 25);

    // Every half hour once, 10 rows above the point, at x 15.
    const std::pair<const char*, int> times[] = {{"00:00", 0}, {"00:30", 300}, {"01:00", 600}, {"01:30", 900},
                                                 {"02:00", 1200}};
    for (const auto& [text, i] : times) {
        const auto t = Drawn(dc, text);
        ASSERT_EQ(t.size(), 1u) << text;
        EXPECT_EQ(t[0].at, (platform::POINT{15, 10 + i + 1 - 10}));
        EXPECT_EQ(t[0].textColor, kBlack);
    }

    // Hole depth: a tick at each new whole depth, the depth written for multiples of 10.
    const int right = 210;
    for (const auto& [depth, i] : {std::pair{1000, 3}, std::pair{1010, 250}, std::pair{1050, 1250}}) {
        const auto t = Drawn(dc, QString::number(depth), kBlack);
        ASSERT_EQ(t.size(), 1u) << depth;
        EXPECT_EQ(t[0].at, (platform::POINT{right - 7 * kRow, 10 + i + 1}));
    }
    EXPECT_TRUE(Drawn(dc, "1001").empty());
    EXPECT_EQ(dc.GetPixel(right - 2 * kRow, 10 + 25 + 1), kBlack);  // depth 1001 begins at sample 25
    EXPECT_EQ(dc.GetPixel(right - 2 * kRow - 1, 10 + 25 + 1), kWhite);
    EXPECT_EQ(dc.GetPixel(right - 5, 10 + 26 + 1), kWhite);  // same depth: no tick

    // Lag depths: multiples of 10 from the second sample on, in red at chart 4's right edge - 5r.
    EXPECT_TRUE(Drawn(dc, "980").empty());
    for (const auto& [lag, i] : {std::pair{990, 1}, std::pair{1000, 500}, std::pair{1010, 1000}}) {
        const auto t = Drawn(dc, QString::number(lag), kRed);
        ASSERT_EQ(t.size(), 1u) << lag;
        EXPECT_EQ(t[0].at, (platform::POINT{840 - 5 * kRow, 10 + i + 1}));
    }

    // Curve labels: curve 1 every 600 samples, curve 2 every 500, at the point in the curve's colour;
    // none on chart 1, whose curves lie on its left column.
    const auto spm = Drawn(dc, "TOTAL SPM");
    ASSERT_EQ(spm.size(), 3u);
    for (int n = 0; n < 3; ++n) {
        EXPECT_EQ(spm[n].at, (platform::POINT{270, 10 + 600 * n + 1}));
        EXPECT_EQ(spm[n].textColor, kRed);
    }
    const auto pp = Drawn(dc, "PP");
    ASSERT_EQ(pp.size(), 3u);
    EXPECT_EQ(pp[2].at, (platform::POINT{320, 10 + 1000 + 1}));
    EXPECT_EQ(pp[2].textColor, kBlack);
    EXPECT_TRUE(Drawn(dc, "WOB").empty());
}

TEST(WitsChartImage, ScaleHeaderAndView)
{
    ChartBlocks blocks = DefaultBlocks();
    blocks[1].direction[0] = 0;
    QImage band(860, 140, QImage::Format_RGB32);
    band.fill(Qt::white);
    platform::Dc dc(band);
    dc.RecordText(true);
    wits::DrawScales(dc, blocks, kRow);

    auto one = [&](const char* text, COLORREF colour) { return Drawn(dc, text, colour); };
    const auto wobLow = one("<0", kRed);
    ASSERT_EQ(wobLow.size(), 3u);  // charts 1, 3 and 4; chart 2's curve 1 is reversed
    EXPECT_LT(wobLow[0].at.x, 20);
    const auto wobHigh = one("100>", kRed);
    ASSERT_EQ(wobHigh.size(), 1u);
    EXPECT_EQ(wobHigh[0].align & platform::TA_RIGHT, unsigned(platform::TA_RIGHT));
    EXPECT_GT(wobHigh[0].at.x, 190);
    EXPECT_LE(wobHigh[0].at.x, 210);
    ASSERT_EQ(one("<200", kRed).size(), 1u);  // reversed: the maximum on the left
    EXPECT_EQ(one("<200", kRed)[0].at.x, 222);
    ASSERT_EQ(one("0>", kRed).size(), 1u);
    EXPECT_EQ(one("4000>", kBlack).size(), 1u);
    EXPECT_EQ(one("<0", kBlack).size(), 4u);
    for (const auto& t : dc.TextRecord()) {
        EXPECT_GE(t.at.y, 100);
        EXPECT_LT(t.at.y, 140);
    }
    EXPECT_EQ(dc.GetPixel(500, 100), kBlack);  // the header's frame
    EXPECT_EQ(dc.GetPixel(500, 99), kWhite);

    // The view: a repaint shows from 200 rows above the view index, never above the image's top.
    QImage image(850, 14400, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        std::fill_n(reinterpret_cast<QRgb*>(image.scanLine(y)), image.width(), qRgb(y % 256, y / 256, 0));
    QImage window(900, 600, QImage::Format_RGB32);
    window.fill(Qt::white);
    platform::Dc w(window);
    for (const auto& [index, repaint, from] : {std::tuple{150, true, 0}, std::tuple{1000, true, 800},
                                               std::tuple{1000, false, 1000}}) {
        wits::ShowImage(w, image, index, 450, repaint);
        EXPECT_EQ(window.pixel(5, 140), image.pixel(5, from)) << index;
        EXPECT_EQ(window.pixel(5, 140 + 449), image.pixel(5, from + 449)) << index;
    }
}

}  // namespace
