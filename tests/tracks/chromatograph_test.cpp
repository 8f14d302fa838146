// The chromatograph track on a white image: total gas on the first gas track and its folded overflow,
// the components as fractions of their test gas, the compressed steps, and the numbers behind them.
#include "tracks/draw/chromatograph.h"

#include "platform/draw/dc.h"
#include "support/images.h"
#include "tracks/chromatograph.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace tracks;
using platform::RGB;

namespace {

constexpr int kW = 700, kH = 200;
const platform::COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0);
const platform::COLORREF kTg = RGB(255, 0, 0), kC1 = RGB(0, 0, 255), kC2 = RGB(0, 160, 0);

class ChromatographTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // TG from 100 (units of 10, 20 units to the limit at 300); components to 500; w = 50.
        g.rowHeight = 10;
        g.topMargin = 0;
        g.unitWidth = 10;
        g.gas = {100, 20, 10};
        g.gas2 = {300, 20, 10};
        g.gasSecondLeft = 300;
        g.gasRight = 500;
        g.gasComponentWidth = 50;
        g.splitGas = true;
        g.ratio = {600, 20, 10};
        for (int i = 0; i < 8; ++i)
            g.pens.table[std::size_t(i)] = {RGB(20 * i, 20 * i, 20 * i + 1), 1, layout::PS_SOLID};
        g.pens.table[0].colour = kTg;
        g.pens.table[1].colour = kC1;
        g.pens.table[2].colour = kC2;
        for (wellfile::RECORD& r : records) {
            r.gasScale = 1;
            r.chromatographScale = 2;
        }
    }
    void Draw(std::size_t first, int y, int count)
    {
        DrawChromatographTrack(dc, g, logview::Device::Screen(), s, state, records, first, g.rowHeight, y, count);
    }
    platform::COLORREF At(int x, int y) const { return dc.GetPixel(x, y); }

    logview::ViewGeometry g;
    TrackSettings s;
    PainterState state;
    std::vector<wellfile::RECORD> records = std::vector<wellfile::RECORD>(6);
    QImage image = testing_support::White(kW, kH);
    platform::Dc dc{image};
};

}  // namespace

TEST_F(ChromatographTest, FlaggedTotalIsDrawnAtItsMagnitudeAndNamed)
{
    dc.RecordText(true);
    records[1].gas[0] = -300;  // code 1: 15 units, then 0.025 of a unit per gas above 200
    Draw(1, 20, 1);
    EXPECT_EQ(At(275, 25), kTg);
    EXPECT_EQ(At(274, 25), kWhite);
    ASSERT_EQ(dc.TextRecord().size(), 1u);
    EXPECT_EQ(dc.TextRecord()[0].text, "_TOT");
    EXPECT_EQ(dc.TextRecord()[0].at.x, 275);
    EXPECT_EQ(dc.TextRecord()[0].at.y, 20);
    EXPECT_EQ(state.chromatographX[0], 275);
}

TEST_F(ChromatographTest, TotalPastTheFirstTrackIsHeldAtItsEdgeAndFoldedBackFilled)
{
    // A black grid line under the fold.
    dc.MoveTo(120, 0);
    dc.LineTo(120, kH);
    records[0].gas[0] = 400;  // exactly the first track's width: no overflow
    records[1].gas[0] = 400;
    Draw(1, 0, 1);
    EXPECT_EQ(At(300, 5), kTg);
    EXPECT_EQ(At(110, 5), kWhite);

    records[1].gas[0] = 600;  // 25 units: held at 300, the 5 units past it folded back from the left
    records[2].gas[0] = 600;
    records[3].gas[0] = 100;
    Draw(1, 20, 3);
    EXPECT_EQ(At(300, 25), kTg);
    EXPECT_EQ(At(300, 35), kTg);
    EXPECT_EQ(At(110, 25), RGB(216, 216, 216));  // white under the mask takes the fill
    EXPECT_EQ(At(140, 35), RGB(216, 216, 216));
    EXPECT_EQ(At(120, 25), kBlack);               // the grid shows through
    EXPECT_EQ(At(160, 25), kWhite);               // the fold ends at the overflow's width
    EXPECT_EQ(At(200, 45), kTg);                   // back on the track at 100

    image.fill(Qt::white);
    g.profile = 11;
    g.pens.table[layout::PEN_OFFSCALE_RATES_FILL].colour = RGB(255, 200, 100);
    Draw(1, 20, 3);
    EXPECT_EQ(At(110, 25), RGB(255, 200, 100));
}

TEST_F(ChromatographTest, PointToPointFoldUsesTheTenTimesScale)
{
    s.gasPointToPoint = true;
    for (std::size_t i = 0; i < 4; ++i)
        records[i].gas[0] = i == 0 || i == 3 ? 100 : 3000;  // fold scale: 15 + 0.0025 x 1000 = 17.5 units
    Draw(1, 20, 3);
    // From the track's left at the top of the overflow to the fold's x where the line reaches the edge.
    EXPECT_EQ(At(150, 30), RGB(216, 216, 216));
    EXPECT_EQ(At(270, 30), RGB(216, 216, 216));
    EXPECT_EQ(At(260, 25), kWhite);
    EXPECT_EQ(At(300, 35), kTg);
}

TEST_F(ChromatographTest, ComponentsStandAtTheirShareOfTheTestGasOnTheirScale)
{
    // C1 at its test gas: code 2 at w, code 1 at 2w, any other code at 10w, held at the track's edge.
    records[1].gas[1] = 40;
    records[1].testGas[1] = 40;
    Draw(1, 20, 1);
    EXPECT_EQ(At(350, 25), kC1);
    EXPECT_EQ(state.chromatographX[1], 350);

    const std::array<std::pair<int, int>, 2> codes{{{1, 400}, {0, 500}}};
    for (const auto& [code, x] : codes) {
        image.fill(Qt::white);
        records[1].chromatographScale = std::uint16_t(code);
        Draw(1, 20, 1);
        EXPECT_EQ(At(x, 25), kC1) << code;
    }

    // A test gas of 0 counts as 1.
    image.fill(Qt::white);
    records[1].chromatographScale = 2;
    records[1].gas[2] = 0.5f;
    records[1].testGas[2] = 0;
    Draw(1, 20, 1);
    EXPECT_EQ(At(325, 25), kC2);
}

TEST_F(ChromatographTest, ProfileRuleMakesC1FollowTotalGasUnlessTheRecordTurnsItOff)
{
    g.profile = 64;
    records[1].gas[0] = 20;
    records[1].gas[1] = 40;
    records[1].testGas[1] = 40;
    records[1].gas[2] = 5;
    records[1].testGas[2] = 40;
    records[1].chromatographRule = 10;  // off: each component its own share
    Draw(1, 20, 1);
    EXPECT_EQ(At(350, 25), kC1);
    EXPECT_EQ(At(306, 25), kC2);

    image.fill(Qt::white);
    state.chromatographX.fill(0);
    records[1].chromatographRule = 0;  // C1 from the total, the others doubled
    Draw(1, 20, 1);
    EXPECT_EQ(At(325, 25), kC1);
    EXPECT_EQ(At(312, 25), kC2);
}

TEST_F(ChromatographTest, CompressedScaleDrawsHalfHeightStepsOfFiveRecords)
{
    g.scaleIndex = 3;
    records.assign(101, wellfile::RECORD{});
    for (std::size_t i = 1; i < records.size(); ++i) {
        const std::size_t group = (i - 1) / 5;
        records[i].gasScale = 1;
        // Each group's greatest total sits in a different record of it, once negative.
        if ((i - 1) % 5 == group % 5)
            records[i].gas[0] = (group % 2 ? -1.0f : 1.0f) * (float(20 * (group % 3 + 1)) + 0.7f);
    }
    Draw(1, 0, 10);
    for (int step = 1; step <= 20; ++step) {
        const int group = step - 1;
        const int x = 100 + 20 * (group % 3 + 1);  // 0.1 unit per gas: trunc(|v|) of 20, 40 or 60
        EXPECT_EQ(At(x, (step - 1) * 5 + 2), kTg) << step;
    }
    EXPECT_EQ(testing_support::Ink(dc, kW, kH, kTg).bottom, 100);

    // A buffer that ends early stops the walk where it ends.
    image.fill(Qt::white);
    records.resize(12);
    Draw(1, 0, 10);
    EXPECT_LE(testing_support::Ink(dc, kW, kH, kTg).bottom, 15);
}

TEST(ChromatographNumbers, FiveRecordMaximaAreWholeMagnitudes)
{
    std::vector<wellfile::RECORD> r(6);
    r[0].gas[0] = -7.9f;
    r[1].gas[0] = 3.2f;
    r[2].gas[3] = std::numeric_limits<float>::quiet_NaN();
    r[4].gas[6] = 12.99f;
    r[5].gas[0] = 100;  // the sixth is not in the group
    ChromatographValues v{};
    EXPECT_EQ(MaxChromatographValues(r, v), 5);
    EXPECT_EQ(v, (ChromatographValues{7, 0, 0, 0, 0, 0, 12}));
    EXPECT_EQ(MaxChromatographValues(std::span(r).first(2), v), 5);
    EXPECT_EQ(v[0], 7);
}

TEST(ChromatographNumbers, ScalesHoldForAnyInput)
{
    // Code 3 breaks at 200 and 400; the fold covers ten times the values.
    EXPECT_EQ(ChromatographTgX(3, 200, 100, 10).x, 200);
    EXPECT_EQ(ChromatographTgX(3, 300, 100, 10).x, 225);
    EXPECT_EQ(ChromatographTgX(3, 3000, 100, 10).x2, 225);
    // A code without a scale takes code 7's; NaN stands at the origin; a huge value saturates.
    EXPECT_EQ(ChromatographTgX(0, 1000, 100, 10).x, 150);
    EXPECT_EQ(ChromatographTgX(12, 1000, 100, 10).x, ChromatographTgX(7, 1000, 100, 10).x);
    EXPECT_EQ(ChromatographTgX(1, std::nan(""), 100, 10).x, 100);
    EXPECT_GT(ChromatographTgX(1, 1e30, 100, 10).x, 1000000);
    EXPECT_EQ(ChromatographComponentX(1e38, -5, 9, 300, 50), ChromatographComponentX(1e39, 0, 0, 300, 50));
    EXPECT_EQ(ChromatographComponentX(std::nan(""), 10, 2, 300, 50), 300);

    // Strokes of a styled pen: by the printer's line thickness, on screen 1 to 3.
    EXPECT_EQ(PrintedStrokeCount(45, 2), 8);
    EXPECT_EQ(PrintedStrokeCount(20, 4), 3);
    EXPECT_EQ(PrintedStrokeCount(81, 9), 5);
    EXPECT_EQ(ScreenStrokeCount(0), 1);
    EXPECT_EQ(ScreenStrokeCount(4), 3);
}
