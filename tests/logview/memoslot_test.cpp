// The notes slots across the demo well's screen layout and a printed one.
#include "logview/memoslot.h"

#include <gtest/gtest.h>

#include <vector>

using namespace logview;

TEST(MemoSlotToX, SlotsStepThroughTheThreeRegions)
{
    // Rate track from 9 in cells of 10, gas track 739-1054 in 35 cells, description column at 509.
    logview::ViewGeometry g;
    g.unitWidth = 10;
    g.rate = {9, 25, 10};
    g.gas = {739, 35, 9};
    g.gasRight = 1054;
    g.description = {509, 23, 10};
    const MemoSlotLayout screen = ScreenMemoSlots(g);
    EXPECT_EQ(screen.GasCell(), 9);
    std::vector<std::int32_t> xs;
    for (int slot : {0, 1, 10, 11, 12, 18, 19, 20, 24, 25, 30})
        xs.push_back(MemoSlotToX(screen, slot));
    // Gas slots 12-18 sit the adjustment (gas cell - 2) further left.
    EXPECT_EQ(xs, (std::vector<std::int32_t>{11, 59, 509, 739, 777, 1047, 509, 549, 709, 709, 709}));
    // Any slot outside 0-30 counts as slot 1.
    EXPECT_EQ(MemoSlotToX(screen, 31), 59);
    EXPECT_EQ(MemoSlotToX(screen, -1), 59);
    EXPECT_EQ(NormalMemoSlot(-1), 1);
    EXPECT_EQ(NormalMemoSlot(30), 30);

    MemoSlotLayout flat = screen;
    flat.noGasAdjust = true;
    EXPECT_EQ(MemoSlotToX(flat, 12), 784);

    // Paper: the printed edges and cells; slot 0 at the printed rate track's left.
    logview::Device device;
    device.printing = true;
    device.printer.rateLeft = 100;
    device.printer.rateCellWidth = 20;
    device.printer.gasLeft = 1500;
    device.printer.gasRight = 2300;
    device.printer.gasUnits = 20;
    device.printer.gas2Units = 20;
    device.printer.descriptionLeft = 2400;
    device.printer.unitWidth = 20;
    const MemoSlotLayout paper = MemoSlotsOf(g, device);
    EXPECT_EQ(MemoSlotToX(paper, 0), 100);
    EXPECT_EQ(MemoSlotToX(paper, 3), 400);
    EXPECT_EQ(MemoSlotToX(paper, 13), 1500 + 200 - 18);
    EXPECT_EQ(MemoSlotToX(paper, 21), 2560);

    // A layout without gas cells places the gas slots without dividing by zero.
    MemoSlotLayout noGas = screen;
    noGas.gasCells = 0;
    EXPECT_EQ(MemoSlotToX(noGas, 11), 739);
}
