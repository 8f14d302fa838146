// The rock patterns of the lithology column drawn into an image: a column of ten 10-pixel cells at
// x 200, rows 10 pixels high with their top at y 0, the device context holding a green brush and a
// purple pen as the view's paint would leave them.
#include "tracks/draw/lithpattern.h"
#include "tracks/lithtypes.h"

#include "shell/draw/viewpainters.h"
#include "platform/draw/dc.h"
#include "platform/draw/syscolors.h"
#include "platform/text.h"
#include "support/images.h"

#include <gtest/gtest.h>

#include <utility>

using namespace tracks;
using platform::COLORREF;
using platform::RGB;

namespace {

constexpr COLORREF kPaper = RGB(240, 240, 240);
constexpr COLORREF kBrush = RGB(10, 200, 30);
constexpr COLORREF kEntryPen = RGB(90, 0, 90);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kGrey = RGB(192, 192, 192);
constexpr COLORREF kDolomite = RGB(0, 192, 248);
constexpr COLORREF kBlue = RGB(0, 128, 255);

using Cells = std::array<std::int32_t, 10>;

class LithPatternTest : public ::testing::Test {
protected:
    LithPatternTest()
    {
        g.lithology = {200, 10, 10};
        g.rowHeight = 10;
        g.unitWidth = 10;
        dc.SelectObject(platform::Brush(kBrush));
        dc.SelectObject(platform::Pen(kEntryPen));
    }

    // One item of the row at y (the column sets the next type before each call).
    void Item(int type, int pct, int nextType = 0, int accessory = 0, int mark = 0, int y = 0)
    {
        state.lith.nextType = nextType;
        DrawLithPattern(Target(), {type, pct, accessory, 0, y, mark, false, false});
    }
    void SplitItem(int type, int pct, int x, int y)
    {
        DrawLithPattern(Target(), {type, pct, 0, x, y, 0, true, false});
    }
    void InterpretedItem(int type, int pct)
    {
        DrawLithPattern(Target(), {type, pct, 0, 0, 0, 0, false, true});
    }
    void InterpretedItemWith(int type, int accessory)
    {
        DrawLithPattern(Target(), {type, 100, accessory, 0, 20, 0, false, true});
    }
    // Every rock's interpreted item with each accessory from `firstAccessory` to 9, on even and odd rows:
    // the pixels drawn from x `left` up to `end`, and those drawn elsewhere between `from` and `to`.
    std::pair<int, int> InterpretedInk(int firstAccessory, int left, int end, int from, int to)
    {
        int inside = 0, outside = 0;
        for (int type = 1; type < 40; ++type)
            for (int accessory = firstAccessory; accessory <= 9; ++accessory)
                for (int odd = 0; odd < 2; ++odd) {
                    image.fill(QColor(240, 240, 240));
                    state = PainterState{};
                    state.lith.rowCounter = odd;
                    InterpretedItemWith(type, accessory);
                    for (int y = 0; y < 80; ++y)
                        for (int x = from; x < to; ++x)
                            (x >= left && x < end ? inside : outside) += At(x, y) != kPaper;
                }
        return {inside, outside};
    }
    void OddRow() { state.lith.rowCounter = 1; }
    LithPatternTarget Target() { return {dc, g, device, settings, state}; }
    COLORREF At(int x, int y) const { return dc.GetPixel(x, y); }
    // The number of black pixels of column x in the row from y.
    int BlackRows(int x, int y = 0) const
    {
        int n = 0;
        for (int r = y; r < y + 10; ++r)
            n += At(x, r) == kBlack;
        return n;
    }

    QImage image = testing_support::Filled(400, 80, kPaper);
    platform::Dc dc{image};
    logview::ViewGeometry g;
    logview::Device device;
    TrackSettings settings;
    PainterState state;
};

}  // namespace

TEST_F(LithPatternTest, ABlankRowIsOneFillWithTheCallersBrushAndASecondBlankOfTheRowDrawsNothing)
{
    Item(LITH_BLANK, 50);
    EXPECT_EQ(At(201, 0), kBrush);
    EXPECT_EQ(At(248, 9), kBrush);
    EXPECT_EQ(At(200, 5), kPaper);
    EXPECT_EQ(At(249, 5), kPaper);  // no divider before the first item ever drawn
    EXPECT_EQ(state.lith.cellIndex, 5);
    dc.SelectObject(platform::Brush(kYellow));
    Item(LITH_BLANK, 50);  // same row counter: only the share is counted
    EXPECT_EQ(At(260, 5), kPaper);
    EXPECT_EQ(state.lith.shareUsed, 0);  // the row closed at 100
    EXPECT_EQ(state.lith.cellX, 200);

    // Types no table knows draw as blank and are kept as blank; pyrite (7) is drawn blank too.
    for (int type : {-4, 7, 38, 1000}) {
        state.lith.rowCounter += 1;
        dc.SelectObject(platform::Brush(RGB(0, 0, 100 + type % 100)));
        Item(type, 100);
        EXPECT_EQ(At(298, 9), RGB(0, 0, 100 + type % 100)) << type;
        EXPECT_EQ(At(299, 9), kPaper) << type;
        EXPECT_EQ(state.lith.previousCells[0], type == 7 ? 7 : 0) << type;
    }
}

TEST_F(LithPatternTest, ItemsShareTheRowWithADividerBetweenThemAndTheRowIsKeptForTheNext)
{
    state.lith.divider = true;  // as any item leaves it
    Item(LITH_SAND, 60, LITH_SHALE);
    Item(LITH_SHALE, 40);
    for (int x = 201; x <= 258; ++x)
        ASSERT_EQ(At(x, 8), kYellow) << x;
    EXPECT_EQ(At(259, 8), kEntryPen);
    EXPECT_EQ(At(260, 8), kEntryPen);
    for (int x = 261; x <= 299; ++x)
        ASSERT_EQ(At(x, 8), kGrey) << x;
    EXPECT_EQ(At(300, 8), kPaper);  // no divider after the row's last item
    EXPECT_EQ(state.lith.previousCells, (Cells{2, 2, 2, 2, 2, 2, 8, 8, 8, 8}));
    EXPECT_EQ(dc.CurrentPen(), platform::Pen(kEntryPen));
    EXPECT_EQ(dc.CurrentBrush(), platform::Brush(kBrush));

    // Below it a boundary pair marks each cell whose rock changed; below blank or the same rock none.
    state.lith.previousCells[0] = LITH_BLANK;
    Item(LITH_SAND, 100, 0, 0, 0, 20);
    EXPECT_EQ(At(205, 20), kYellow);
    EXPECT_EQ(At(255, 20), kYellow);
    EXPECT_EQ(At(265, 20), kBlack);
    EXPECT_EQ(At(265, 21), kBlack);
    EXPECT_EQ(At(265, 22), kYellow);
}

TEST_F(LithPatternTest, SandstoneJoinsItsFamilyWithoutADividerOnlyWhenItDrawsACell)
{
    Item(LITH_SAND, 50, LITH_GLAUC_SAND);
    EXPECT_EQ(At(249, 5), kYellow);
    EXPECT_NE(At(250, 5), kEntryPen);
    state = {};
    state.lith.divider = true;
    Item(LITH_SAND, 5, LITH_GLAUC_SAND);  // below 10 %: no cell, so the divider stays
    EXPECT_EQ(At(200, 5), kEntryPen);
    EXPECT_EQ(state.lith.cellIndex, 0);
    EXPECT_EQ(state.lith.shareUsed, 5);
}

TEST_F(LithPatternTest, ShaleDashesStartHalfACellInOnEvenRowsAndStopHalfACellShortOnOddRows)
{
    state.lith.cellX = 260;
    state.lith.cellIndex = 6;
    state.lith.shareUsed = 60;
    Item(LITH_SHALE, 40);
    for (int x = 261; x <= 264; ++x)
        ASSERT_EQ(At(x, 5), kGrey) << x;
    for (int x = 265; x <= 299; ++x)
        ASSERT_EQ(At(x, 5), kBlack) << x;

    OddRow();
    Item(LITH_SHALE, 40, 0, 0, 0, 20);  // a whole row of 40 %: cells 0-3
    for (int x = 201; x <= 234; ++x)
        ASSERT_EQ(At(x, 25), kBlack) << x;
    for (int x = 235; x <= 238; ++x)
        ASSERT_EQ(At(x, 25), kGrey) << x;
    EXPECT_EQ(At(239, 25), kEntryPen);

    // Carbonaceous shale draws its dashes 2 pixels wide and in its own grey.
    state = {};
    Item(22, 100, 0, 0, 0, 40);
    EXPECT_EQ(BlackRows(275, 40), 2);
    EXPECT_EQ(At(275, 41), RGB(130, 130, 130));
}

TEST_F(LithPatternTest, DolomiteRhombsAreStaggeredBetweenEvenAndOddRows)
{
    Item(LITH_DOLOMITE, 100);
    for (int x = 200; x < 300; ++x)
        ASSERT_EQ(At(x, 0), kBlack) << x;  // the top line
    for (int cell : {0, 4, 8})
        EXPECT_EQ(At(200 + 10 * cell + 5, 5), kBlack) << cell;
    for (int cell : {2, 6})
        EXPECT_EQ(At(200 + 10 * cell + 5, 5), kDolomite) << cell;
    OddRow();
    Item(LITH_DOLOMITE, 100, 0, 0, 0, 20);
    for (int cell : {2, 6})
        EXPECT_EQ(At(200 + 10 * cell + 5, 25), kBlack) << cell;
    for (int cell : {0, 4, 8})
        EXPECT_EQ(At(200 + 10 * cell + 5, 25), kDolomite) << cell;
    settings.dolomiteColour = true;
    Item(LITH_DOLOMITE, 100, 0, 0, 0, 40);
    EXPECT_EQ(At(215, 45), RGB(255, 0, 248));
}

TEST_F(LithPatternTest, BoundaryLinesFollowTheTypesLengthAndFamily)
{
    // Fossiliferous and glauconitic dolomite under sandstone: 6 pixels of the second line.
    for (int type : {18, 19, 15}) {
        state = {};
        state.lith.previousCells.fill(LITH_SAND);
        Item(type, 100);
        for (int x = 210; x <= 215; ++x)
            ASSERT_EQ(At(x, 1), kBlack) << type << " " << x;
        EXPECT_EQ(At(217, 1), type == 15 ? kBlack : kDolomite) << type;
    }
    // Within a family no boundary, and no divider before the family's next item.
    state = {};
    state.lith.previousCells.fill(19);
    Item(18, 50, LITH_DOLOMITE);
    EXPECT_EQ(At(217, 1), kDolomite);
    EXPECT_EQ(At(249, 5), kDolomite);
    EXPECT_NE(At(250, 5), kEntryPen);
    // Cement keeps no boundary under glauconitic sandstone, but still its divider.
    state = {};
    state.lith.divider = true;
    state.lith.previousCells.fill(LITH_GLAUC_SAND);
    Item(25, 50, LITH_GLAUC_SAND, 0, 0, 20);
    EXPECT_EQ(At(217, 21), kGrey);
    EXPECT_EQ(At(250, 25), kEntryPen);
    // Salt draws its boundaries only in the interpreted column.
    state = {};
    state.lith.previousCells.fill(LITH_SAND);
    Item(LITH_SALT, 100, 0, 0, 0, 60);
    EXPECT_EQ(At(205, 61), kBrush);
}

TEST_F(LithPatternTest, OnlyQuartzWashKeepsItsBlockInTheLastCellOfTheColumn)
{
    for (int wash : {int(LITH_QUARTZ_WASH), 26}) {
        const int y = wash == LITH_QUARTZ_WASH ? 0 : 20;
        state = {};
        Item(LITH_ANHYDRITE, 10, wash, 0, 0, y);
        Item(wash, 90, 0, 0, 0, y);
        const bool block = wash == LITH_QUARTZ_WASH;
        EXPECT_EQ(At(298, y + 7) == kBlack, block) << wash;   // the block's left side
        EXPECT_EQ(At(302, y + 7) == kBlack, block) << wash;   // its right side, past the column
        EXPECT_EQ(At(300, y + 9) == kBlack, block) << wash;
        EXPECT_EQ(At(278, y + 7), kBlack) << wash;           // cell 7 keeps its block
    }
    // Granite wash needs a column after the lithology column to stop short of.
    state = {};
    Item(23, 100, 0, 0, 0, 40);
    EXPECT_EQ(At(208, 47), RGB(255, 0, 0));
    g.afterLithologyX = 330;
    state = {};
    Item(23, 100, 0, 0, 0, 60);
    EXPECT_EQ(At(208, 67), kBlack);
    EXPECT_EQ(At(288, 67), kBlack);  // 280 < 330 - 8
}

TEST_F(LithPatternTest, SplitItemsAreBandsStackedDownwards)
{
    SplitItem(25, 10, 50, 0);  // cement halves even one cell away
    EXPECT_EQ(state.lith.cellIndex, 0);
    EXPECT_EQ(state.lith.currentCells, Cells{});

    state = {};
    state.lith.previousCells.fill(LITH_SAND);
    SplitItem(LITH_DOLOMITE, 100, 50, 10);
    EXPECT_EQ(state.lith.currentCells, (Cells{1, 1, 1, 1, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(At(50, 10), kDolomite);
    EXPECT_EQ(At(69, 59), kDolomite);
    EXPECT_EQ(At(70, 30), kPaper);
    EXPECT_EQ(At(65, 60), kPaper);
    for (int x = 51; x <= 57; ++x)
        ASSERT_NE(At(x, 11), kBlack) << x;  // no boundary
    EXPECT_EQ(At(55, 15), kBlack);  // the stroke of the band's first cell
    EXPECT_EQ(At(55, 35), kDolomite);  // the third cell has none
    EXPECT_EQ(At(55, 55), kBlack);     // the fifth cell's, 40 px lower
    EXPECT_EQ(state.lith.shareUsed, 0);
}

TEST_F(LithPatternTest, ASplitItemsMarkStepsBackByTheBandsCellNotTheColumns)
{
    g.unitWidth = 14;  // the split band's cell, wider than the column's 10
    DrawLithPattern(Target(), {LITH_DOLOMITE, 100, 0, 100, 0, 1, true, false});
    int left = 400;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 400; ++x)
            if (At(x, y) == RGB(255, 0, 0))
                left = std::min(left, x);
    EXPECT_EQ(left, 100 - 14 + 4);  // the even row's diamond from one band cell back
}

TEST_F(LithPatternTest, TheBackgroundOnlyPassFillsWithoutMovingTheRowButBlankAndCoalMoveOn)
{
    device.colourOnly = true;
    Item(LITH_SAND, 60);
    EXPECT_EQ(At(234, 3), kYellow);  // no dots
    EXPECT_EQ(state.lith.shareUsed, 0);
    EXPECT_EQ(state.lith.cellIndex, 0);
    EXPECT_EQ(state.lith.currentCells, Cells{});
    EXPECT_EQ(dc.CurrentBrush(), platform::Brush(kBrush));
    Item(LITH_COAL, 30, LITH_BLANK);
    EXPECT_EQ(state.lith.cellIndex, 3);
    EXPECT_EQ(state.lith.cellX, 230);
    Item(LITH_BLANK, 70);
    EXPECT_EQ(state.lith.shareUsed, 0);
    EXPECT_EQ(state.lith.previousCells, (Cells{9, 9, 9, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(LithPatternTest, ARowThatRunsPastTenCellsDrawsAndKeepsNothingBeyondTheColumn)
{
    Item(LITH_SAND, 80, LITH_SHALE);
    Item(LITH_SHALE, 50);
    EXPECT_EQ(At(299, 5), kBlack);
    EXPECT_EQ(At(301, 5), kPaper);
    EXPECT_EQ(At(320, 8), kPaper);
    EXPECT_EQ(state.lith.previousCells, (Cells{2, 2, 2, 2, 2, 2, 2, 2, 8, 8}));
    EXPECT_EQ(state.lith.cellIndex, 0);

    // A row left below 100 % does not shift the next row's cells.
    Item(LITH_SAND, 50, 0, 0, 0, 20);
    state.lith.shareUsed = 0;  // the column starts every record afresh
    Item(LITH_SHALE, 100, 0, 0, 0, 40);
    EXPECT_EQ(state.lith.previousCells, (Cells{8, 8, 8, 8, 8, 8, 8, 8, 8, 8}));
    EXPECT_EQ(At(205, 45), kBlack);  // the even row's half dash starts in the first cell
    EXPECT_EQ(At(203, 45), kGrey);
}

TEST_F(LithPatternTest, TheInterpretedColumnTakesItsOwnCellsAndItsItemsFollowEachOther)
{
    g.hardness = {310, 3, 20};  // 60 pixels: cells of 6
    Item(LITH_SAND, 100);       // the ordinary column's row above
    InterpretedItem(LITH_SAND, 50);
    state.lith.nextType = 0;
    InterpretedItem(LITH_SHALE, 50);
    EXPECT_EQ(At(311, 8), kYellow);
    EXPECT_EQ(At(338, 8), kYellow);
    EXPECT_EQ(At(345, 8), kGrey);
    EXPECT_EQ(At(365, 8), kGrey);
    EXPECT_EQ(At(311, 1), kYellow);  // no boundary lines in the interpreted column
    settings.interpretedLith = false;
    InterpretedItem(LITH_SHALE, 100);  // the setting off: drawn in the ordinary column
    EXPECT_EQ(At(250, 8), kGrey);
}

TEST_F(LithPatternTest, TheViewsRowsGiveTheStaggerAndBlankRowsOfEveryPassAreDrawn)
{
    shell::ViewPainters window;
    window.trackState = &state;
    std::vector<wellfile::RECORD> recs(2);
    recs[0].depth = 1000;
    recs[1].depth = 1001;
    platform::SetFieldText(recs[0].lith, "100bl");
    const logview::PaintTarget target{dc, g, device};
    window.DrawLithology(target, recs, 0, 10, 0, 5, 0, 0);  // "100bl" on the pass's sixth row
    EXPECT_EQ(state.lith.rowCounter, 5);
    EXPECT_EQ(At(250, 5), kBrush);
    dc.SelectObject(platform::Brush(kYellow));
    window.DrawLithology(target, recs, 0, 10, 0, 5, 0, 0);  // the next pass, same row number
    EXPECT_EQ(At(250, 5), kYellow);
}

TEST_F(LithPatternTest, WashAndBrickSwitchesOfAnEntryAddTheWashSymbol)
{
    g.pens.lith[LITH_DOLOMITE + 17] = {false, true, true};
    Item(LITH_DOLOMITE, 100);
    EXPECT_EQ(At(228, 7), kBlack);  // cell 2's block: x + 0.8 H
    EXPECT_EQ(At(278, 7), kBlack);  // cell 7's
    g.pens.lith[LITH_DOLOMITE + 17] = {false, false, true};
    Item(LITH_DOLOMITE, 100, 0, 0, 0, 20);
    EXPECT_EQ(At(228, 27), kDolomite);
}

TEST_F(LithPatternTest, CustomClaysTakeTheirEntrysColourAndSwitches)
{
    g.pens.table[30 + 17].colour = RGB(200, 100, 50);
    g.pens.table[35 + 17].colour = platform::kSysColorFlag | platform::COLOR_BTNFACE;  // (192, 192, 192)
    Item(30, 100);
    EXPECT_EQ(At(215, 2), RGB(200, 100, 50));
    EXPECT_EQ(At(215, 5), kBlack);  // as shale
    Item(LITH_VOLCANICS, 100, 0, 0, 0, 20);
    EXPECT_EQ(At(213, 22), RGB(255, 240, 240));
    state.lith.previousCells.fill(30);
    g.pens.lith[30 + 17] = {true, false, false};  // bold dashes on the top edge of alternate cells
    Item(30, 100, 0, 0, 0, 40);
    EXPECT_EQ(At(213, 40), kBlack);
    EXPECT_EQ(At(203, 40), RGB(200, 100, 50));
    EXPECT_EQ(At(215, 45), RGB(200, 100, 50));
    g.pens.lith[30 + 17] = {false, true, false};  // bricks: a dash and a joint every third cell
    Item(30, 100, 0, 0, 0, 60);
    EXPECT_EQ(At(205, 62), kBlack);
    EXPECT_EQ(At(235, 62), kBlack);
    EXPECT_EQ(At(215, 62), RGB(200, 100, 50));
}

// In the interpreted column (310 .. 370, cells of 6) every accessory symbol of every rock, on even and
// odd rows, stays inside the column: nothing drawn right of x 370 (its edge line's pixel).
TEST_F(LithPatternTest, InterpretedAccessoriesStayInsideTheirColumn)
{
    g.hardness = {310, 3, 20};
    const auto [drawn, past] = InterpretedInk(1, 311, 371, 311, 400);
    EXPECT_GT(drawn, 0);
    EXPECT_EQ(past, 0) << "symbols past the interpreted column";
}

// The interpreted column as the log window has it: three 9-pixel hardness cells right of the
// lithology column (446 .. 473), its ten cells of 27 / 10 = 2 pixels (a fifth of a figure's width)
// filled from 446 to 466. Every rock's figures, bare and with each accessory, on even and odd rows,
// stay on that fill, between x 446 and 465.
TEST_F(LithPatternTest, InterpretedFiguresStayOnTheirNarrowCells)
{
    image = testing_support::Filled(600, 80, kPaper);
    g.lithology = {346, 10, 10};
    g.hardness = {446, 3, 9};
    const auto [drawn, outside] = InterpretedInk(0, 446, 466, 300, 600);
    EXPECT_GT(drawn, 0);
    EXPECT_EQ(outside, 0) << "figures off the interpreted column's cells";
}
