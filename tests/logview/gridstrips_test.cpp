// The grid strips as images and BlitColumn's copies of them, checked by pixels on the demo layout.
#include "logview/draw/gridstrips.h"
#include "logview/gridlines.h"
#include "platform/draw/dc.h"
#include "support/images.h"
#include "support/viewfixture.h"

#include <gtest/gtest.h>

#include <array>

using platform::COLORREF;
using platform::RGB;
using testing_support::ViewTest;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0), kBlue = RGB(0, 0, 255),
                   kGrey = RGB(192, 192, 192), kRed = RGB(255, 0, 0);

COLORREF At(const QImage& img, int x, int y)
{
    const QRgb p = img.pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

class GridStripsTest : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        g = Geometry();
    }
    void Build() { logview::BuildGridBitmaps(strips, g); }
    // A log-sized page with the main strip laid on the row at y = 100, as painting lays it.
    QImage PageWithRow()
    {
        QImage page = testing_support::White(1200, 200);
        platform::Dc dc(page);
        dc.BitBlt(0, 100, strips.main.width(), strips.main.height(), strips.main, 0, 0, platform::SRCCOPY);
        return page;
    }

    logview::ViewGeometry g;
    logview::GridStrips strips;
};

}  // namespace

TEST_F(GridStripsTest, StripsOfTheDemoLayoutAndTheirRebuild)
{
    Build();
    const QImage& m = strips.main;
    ASSERT_EQ(m.size(), QSize(1064, 10));
    // The rate track's first line black over 2 pixels, every fifth blue, the others grey; a grey row
    // line between them; the gas track's black border.
    EXPECT_EQ(At(m, 8, 5), kBlack);
    EXPECT_EQ(At(m, 9, 5), kBlack);
    EXPECT_EQ(At(m, 10, 5), kWhite);
    EXPECT_EQ(At(m, 19, 5), kGrey);
    EXPECT_EQ(At(m, 59, 5), kBlue);
    EXPECT_EQ(At(m, 14, 0), kGrey);
    EXPECT_EQ(At(m, 14, 5), kWhite);
    EXPECT_EQ(At(m, 1054, 5), kBlack);
    EXPECT_EQ(strips.blank, testing_support::White(500, 10));
    EXPECT_TRUE(strips.elog.isNull());  // no e-log column

    const logview::GridStrips first = strips;
    Build();
    EXPECT_EQ(first.main, strips.main);
    EXPECT_EQ(first.logGas, strips.logGas);

    g.pens.table[layout::PEN_HEAVY_GRID].colour = kRed;
    g.rowHeight = 14;
    Build();
    EXPECT_EQ(strips.main.height(), 14);
    EXPECT_EQ(At(strips.main, 59, 13), kRed);
}

TEST_F(GridStripsTest, BlitColumnRestoresOneColumnOfOneRow)
{
    Build();
    QImage page = PageWithRow();
    const QImage clean = page;
    platform::Dc dc(page);

    // A rate curve drawn over the row is wiped by kind 8, byte for byte.
    dc.FillRect({20, 100, 250, 110}, platform::Brush(kRed));
    EXPECT_EQ(logview::BlitColumn(dc, strips, g, logview::COLUMN_RATE, 100), 1);
    EXPECT_EQ(page, clean);

    // Kind 8 with an x restores the rate track only up to x.
    dc.FillRect({9, 100, 259, 110}, platform::Brush(kRed));
    logview::BlitColumn(dc, strips, g, logview::COLUMN_RATE, 100, 100);
    EXPECT_EQ(At(page, 99, 105), At(clean, 99, 105));
    EXPECT_EQ(At(page, 100, 105), kRed);
    logview::BlitColumn(dc, strips, g, logview::COLUMN_RATE, 100);

    // Kind 3 is no column: nothing is copied, and the call still answers 1.
    dc.FillRect({0, 100, 1200, 110}, platform::Brush(kRed));
    const QImage red = page;
    EXPECT_EQ(logview::BlitColumn(dc, strips, g, 3, 100), 1);
    EXPECT_EQ(page, red);

    // Kind 4 at an x clears `width` pixels white; the cut and gas columns come back at their own place.
    EXPECT_EQ(logview::BlitColumn(dc, strips, g, logview::COLUMN_POROSITY, 100, 600, 30), 1);
    EXPECT_EQ((std::array{At(page, 599, 105), At(page, 600, 105), At(page, 629, 109), At(page, 630, 105)}),
              (std::array{kRed, kWhite, kWhite, kRed}));
    logview::BlitColumn(dc, strips, g, logview::COLUMN_CUT, 100);
    EXPECT_EQ(page.copy(482, 100, 27, 10), clean.copy(482, 100, 27, 10));
    EXPECT_EQ(At(page, 509, 105), kRed);
    logview::BlitColumn(dc, strips, g, logview::COLUMN_GAS_PART2, 100);  // one gas track: no part 2
    EXPECT_EQ(At(page, 900, 105), kRed);

    // The flare cells: 10 gas cells at x, restored where they stand.
    dc.FillRect({0, 100, 1200, 110}, platform::Brush(kRed));
    const int flareX = g.gasRight - 10 * g.gas.cell;
    logview::BlitColumn(dc, strips, g, logview::COLUMN_GAS, 100, flareX);
    EXPECT_EQ(page.copy(flareX, 100, 90, 10), clean.copy(flareX, 100, 90, 10));
    EXPECT_EQ(At(page, flareX - 1, 105), kRed);
}

TEST_F(GridStripsTest, CopiesNeverReachPastAStrip)
{
    Build();
    QImage page = testing_support::Filled(1200, 30, kRed);
    platform::Dc dc(page);
    // The blank strip is 500 wide: a wider clearing stops there.
    logview::BlitColumn(dc, strips, g, logview::COLUMN_POROSITY, 10, 100, 800);
    EXPECT_EQ(At(page, 599, 15), kWhite);
    EXPECT_EQ(At(page, 600, 15), kRed);
    // Flare cells asked for near the log's right edge copy only what the strip holds.
    logview::BlitColumn(dc, strips, g, logview::COLUMN_GAS, 10, 1060);
    EXPECT_EQ(At(page, 1063, 15), kWhite);
    EXPECT_EQ(At(page, 1064, 15), kRed);
    // No strips built yet: nothing is copied.
    const QImage before = page;
    logview::GridStrips none;
    logview::BlitColumn(dc, none, g, logview::COLUMN_RATE, 10);
    logview::BlitColumn(dc, none, g, logview::COLUMN_POROSITY, 10, 5, 20);
    EXPECT_EQ(page, before);
}

TEST_F(GridStripsTest, LogarithmicOptionsRestoreTheLogarithmicGrids)
{
    g.options.logRateScale = true;
    g.options.logGasScale = true;
    Build();
    QImage page = testing_support::Filled(1200, 30, kRed);
    platform::Dc dc(page);

    // The decade lines of 1 and 10 min/unit stand 83 and 166 pixels into the rate track.
    logview::BlitColumn(dc, strips, g, logview::COLUMN_RATE, 10);
    EXPECT_EQ(At(page, 9 + 83, 15), kBlue);
    EXPECT_EQ(At(page, 9 + 166, 15), kBlue);
    EXPECT_EQ(At(page, 8, 15), kRed);
    EXPECT_EQ(At(page, 259, 15), kRed);

    // The gas track: the logarithmic strip over the main strip, decades a fifth of the track apart;
    // the copy covers the track's cells, not the border line beyond them.
    logview::BlitColumn(dc, strips, g, logview::COLUMN_GAS, 10);
    const int d = strips.logGasExtent / 5;
    EXPECT_EQ(At(page, 739, 15), kBlue);
    EXPECT_EQ(At(page, 739 + 2 * d, 15), kBlue);
    EXPECT_EQ(At(page, 748, 15), kWhite);  // no linear cell line
    EXPECT_EQ(At(page, 1052, 15), kWhite);
    EXPECT_EQ(At(page, 739 + 315, 15), kRed);

    // Two parts of 20 cells of 9: the strip at the gas left and again one pixel past the middle.
    g.gas.count = 20;
    g.gas2 = {g.gas.left + 180, 20, 9};
    g.gasMiddleX = g.gas.left + 180;
    g.gasRight = g.gasMiddleX + 180;
    g.splitGas = true;
    Build();
    ASSERT_EQ(strips.logGas.width(), 180);
    const int d2 = logview::DecadeOffsets(0.1, 10000, 180)[9];
    page.fill(Qt::red);
    logview::BlitColumn(dc, strips, g, logview::COLUMN_GAS, 10);
    EXPECT_EQ(At(page, 739 + d2, 15), kBlue);
    EXPECT_EQ(At(page, g.gasMiddleX + 1 + d2, 15), kBlue);
    EXPECT_EQ(At(page, g.gasMiddleX + 1 + d2 + 1, 15), kWhite);
    EXPECT_EQ(At(page, g.gasRight + 2, 15), kRed);
}
