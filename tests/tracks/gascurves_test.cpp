// The gas curves of one row on a white image: where each half of a curve is inked, how a row joins the
// one before, and the short names of flagged readings in the Dc's text record.
#include "tracks/draw/gascurves.h"

#include "layout/pentable.h"
#include "platform/draw/dc.h"
#include "support/images.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

using namespace tracks;
using platform::RGB;
using testing_support::Ink;

namespace {

constexpr int kW = 1200, kH = 100;
const platform::COLORREF kTg = RGB(255, 0, 0), kC1 = RGB(0, 0, 255), kC2 = RGB(0, 160, 0);

class GasCurvesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The gas track from x = 100, 503 wide, units of 10; the ratio column from 700.
        g.rowHeight = 10;
        g.gas = {100, 50, 10};
        g.gasRight = 603;
        g.gasSecondLeft = 100;
        g.ratio = {700, 20, 10};
        for (int i = 0; i < 8; ++i)
            g.pens.table[std::size_t(i)] = {RGB(10 * i, 100, 200), 1, layout::PS_SOLID};
        // The default total-gas entry: dotted, width 2, drawn as two one-pixel strokes.
        layout::PenTable table;
        layout::FillDefaultPens(table, {});
        g.pens.table[0] = layout::MakePenSpec(table.entry[0]);
        g.pens.table[0].colour = kTg;
        s.gasStrokes[0] = table.entry[0].width;
        g.pens.table[1].colour = kC1;
        g.pens.table[2].colour = kC2;
        s.logGasScale = true;
        s.hotwire = true;
    }
    int Draw(std::size_t index, int y, bool ratio = false, bool previous = false)
    {
        return DrawGasCurves(dc, g, logview::Device::Screen(), s, state, records, index, y, ratio, previous);
    }
    // Column range [left, right) inked in colour c within rows [top, bottom).
    std::pair<int, int> Columns(platform::COLORREF c, int top, int bottom) const
    {
        return testing_support::InkColumns(dc, kW, top, bottom, c);
    }
    std::vector<QString> Texts() const
    {
        std::vector<QString> out;
        for (const platform::DcText& t : dc.TextRecord())
            out.push_back(t.text);
        return out;
    }

    logview::ViewGeometry g;
    TrackSettings s;
    PainterState state;
    std::vector<wellfile::RECORD> records = std::vector<wellfile::RECORD>(3);
    QImage image = testing_support::White(kW, kH);
    platform::Dc dc{image};
};

}  // namespace

TEST_F(GasCurvesTest, FirstRowStartsAtItsOwnValueAndTheNextJoinsIt)
{
    state.gasJoin.fill(400);  // left by an earlier pass
    records[0].gas[1] = records[0].halfGas[1] = 10;
    EXPECT_EQ(Draw(0, 20), 1);
    EXPECT_EQ(Columns(kC1, 0, kH), std::make_pair(302, 303));  // no join from the edge or the earlier pass
    EXPECT_EQ(state.gasJoin[1], 301);

    state.rowCounter = 1;
    records[1].gas[1] = records[1].halfGas[1] = 1000;
    Draw(1, 30);
    EXPECT_EQ(Columns(kC1, 30, 31), std::make_pair(302, 504));  // along the row's top line
    EXPECT_EQ(Columns(kC1, 31, 40), std::make_pair(503, 504));
}

TEST_F(GasCurvesTest, SmallTotalIsTheMeanOfBothHalves)
{
    records[0].halfGas[0] = 3.0f;
    records[0].gas[0] = 40.0f;
    Draw(0, 20);
    // 21.5 for both halves: two dotted strokes from column 334.
    EXPECT_EQ(Columns(kTg, 0, kH).first, 334);
    EXPECT_LE(Columns(kTg, 0, kH).second, 336);

    records[1].halfGas[0] = 6.0f;  // both at least 5: each half its own
    records[1].gas[0] = 40.0f;
    state.rowCounter = 0;
    image.fill(Qt::white);
    Draw(1, 20);
    EXPECT_EQ(Columns(kTg, 20, 25).first, 278);  // 6
    EXPECT_LE(Columns(kTg, 20, 25).second, 280);
    EXPECT_EQ(state.gasJoin[0], 361);                           // 40
}

TEST_F(GasCurvesTest, NoTotalAndNoMethaneDrawsNothing)
{
    records[0].gas[2] = 500;
    records[0].halfGas[1] = 500;
    state.gasJoin.fill(321);
    const PainterState before = state;
    EXPECT_EQ(Draw(0, 20), 0);
    EXPECT_EQ(testing_support::Touched(dc, kW, kH, RGB(255, 255, 255)).right, 0);
    EXPECT_EQ(state.gasJoin, before.gasJoin);
}

TEST_F(GasCurvesTest, FlaggedReadingsAreNamedAtTheirCurve)
{
    dc.RecordText(true);
    records[0].gas[1] = 10;
    records[0].gas[2] = -12;
    records[0].halfGas[3] = -7;  // a flagged first half alone raises no name
    records[0].gas[3] = 7;
    Draw(0, 20);
    ASSERT_EQ(dc.TextRecord().size(), 1u);
    EXPECT_EQ(dc.TextRecord()[0].text, "_C2");
    EXPECT_EQ(dc.TextRecord()[0].at.x, state.gasJoin[2]);
    EXPECT_EQ(dc.TextRecord()[0].at.y, 25);
    EXPECT_EQ(state.gasJoin[2], 100 + int(std::log10(120.0) / 5 * 503));  // drawn at 12

    s.hotwire = true;
    s.combineIc4Nc4 = true;
    g.profile = 60;
    records[1].gas[0] = -40;
    records[1].gas[4] = -40;
    records[1].gas[6] = -40;
    dc.RecordText(true);
    Draw(1, 30);
    EXPECT_EQ(Texts(), (std::vector<QString>{"_HW", "_C4", "_IC5"}));

    s.totalOnly = true;  // only the total is drawn and named
    dc.RecordText(true);
    Draw(1, 40);
    EXPECT_EQ(Texts(), (std::vector<QString>{"_HW"}));
}

TEST_F(GasCurvesTest, PreviousRecordJoinStaysInsideTheSpan)
{
    records[0].gas[1] = records[0].halfGas[1] = 1000;
    records[1].gas[1] = records[1].halfGas[1] = 10;
    state.rowCounter = 5;
    state.gasJoin.fill(550);
    Draw(0, 20, false, true);  // nothing before the span: a first row
    EXPECT_EQ(Columns(kC1, 0, kH), std::make_pair(503, 504));

    image.fill(Qt::white);
    Draw(1, 30, false, true);  // joins record 0's 502 rather than the last row drawn
    EXPECT_EQ(Columns(kC1, 30, 31), std::make_pair(302, 504));

    image.fill(Qt::white);
    state.ratioJoin.fill(0);
    records[0].gas[2] = 1000;  // C1 half of the sum, in the ratio column's own positions
    Draw(1, 30, true, true);
    // From the record before at 810 to 910 (811 lies under C2's step back to the column's left).
    EXPECT_EQ(Columns(kC1, 30, 31), std::make_pair(812, 912));
}

TEST_F(GasCurvesTest, CompressedRowsShowTheGreatestOfTheRecordsThatExist)
{
    g.scaleIndex = 3;
    std::vector<wellfile::RECORD> two(2);
    two[0].gas[1] = 10;
    two[1].gas[1] = 1000;
    two[1].gas[2] = -5000;  // never counts
    records = two;
    Draw(0, 20);
    EXPECT_EQ(Columns(kC1, 0, kH), std::make_pair(503, 504));
    EXPECT_EQ(Columns(kC2, 0, kH).second, 0);
}
