// The 22 print pens at width unit 30 (a 300-dpi printer), from a pen table.
#include "print/printpens.h"

#include "print/printdevice.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace print;
using layout::PenSpec;
using platform::RGB;

namespace {

constexpr platform::COLORREF kBlack = RGB(0, 0, 0);

layout::PenTable Table()
{
    layout::PenTable t{};
    for (int i = 0; i < layout::kPenCount; ++i) {
        t.entry[i].colour = RGB(i, 2 * i, 3 * i);
        t.entry[i].width = i % 5;  // every width index
    }
    t.entry[layout::PEN_HEAVY_GRID].style = layout::PS_DASH;
    t.entry[layout::PEN_HEAVY_GRID].colour = RGB(0, 0, 255);
    return t;
}

PrintState At30(bool colour)
{
    PrintState s;
    s.columnUnit = 30;
    s.rowHeight = 24;
    s.printInColour = colour;
    return s;
}

std::int32_t Byte38(const layout::PenEntry& e)
{
    std::int32_t v;
    std::memcpy(&v, reinterpret_cast<const char*>(&e) + 38, sizeof v);
    return v;
}

}  // namespace

TEST(PrintPens, PrintWidthsAreWrittenIntoThePenTable)
{
    layout::PenTable t = Table();
    t.entry[layout::PEN_SLIDE].width = 6;  // the slide's width is past the table: the last entry
    t.entry[40].width = -3;               // a damaged file: the first
    PrintState s = At30(false);
    MakePrintPens(s, t, 10, 0);
    const int expected[5] = {1, 2, 4, 6, 3};
    for (int i = 0; i < layout::kPenCount; ++i) {
        if (i == layout::PEN_SLIDE || i == 40)
            continue;
        EXPECT_EQ(Byte38(t.entry[i]), expected[i % 5]) << "pen " << i;
    }
    EXPECT_EQ(Byte38(t.entry[layout::PEN_SLIDE]), 3);
    EXPECT_EQ(Byte38(t.entry[40]), 1);
    // Pen 3 (width index 3) as slot 3, black on a monochrome print.
    EXPECT_EQ(s.pens[3], (PenSpec{kBlack, 6, 0}));
}

TEST(PrintPens, MonochromeAndColourSlots)
{
    layout::PenTable t = Table();
    PrintState mono = At30(false);
    MakePrintPens(mono, t, 10, 0);
    PrintState colour = At30(true);
    MakePrintPens(colour, t, 10, 0);

    for (const auto& pen : mono.pens) {
        ASSERT_TRUE(pen.has_value());
        EXPECT_EQ(pen->colour, kBlack);
    }
    // The heavy grid pen is dashed: its slots are made 1 px wide whatever their width.
    EXPECT_EQ(mono.pens[11], (PenSpec{kBlack, 1, layout::PS_DASH}));
    EXPECT_EQ(colour.pens[11], (PenSpec{RGB(0, 0, 255), 1, layout::PS_DASH}));
    EXPECT_EQ(mono.pens[16], (PenSpec{kBlack, 24, 0}));
    EXPECT_EQ(colour.pens[16], (PenSpec{RGB(0, 0, 255), 27, 0}));
    EXPECT_EQ(colour.pens[9], (PenSpec{RGB(8, 16, 24), 6, 0}));  // pen 8, width index 3
    EXPECT_EQ(colour.pens[13], (PenSpec{RGB(10, 20, 30), 2, 0}));
    EXPECT_EQ(colour.pens[15], (PenSpec{kBlack, 6, 0}));

    t.entry[layout::PEN_HEAVY_GRID].style = layout::PS_SOLID;
    MakePrintPens(mono, t, 10, 0);
    MakePrintPens(colour, t, 10, 0);
    EXPECT_EQ(mono.pens[11], (PenSpec{kBlack, 4, 0}));
    EXPECT_EQ(colour.pens[11], (PenSpec{RGB(0, 0, 255), 3, 0}));
    EXPECT_EQ(colour.pens[21], (PenSpec{RGB(0, 0, 255), 5, 0}));
}

TEST(PrintPens, ThinGridPenIsGreyInColourExceptForThreeProfiles)
{
    layout::PenTable t = Table();
    for (int profile : {25, 47, 58, 10}) {
        PrintState s = At30(true);
        MakePrintPens(s, t, profile, 0);
        EXPECT_EQ(s.pens[10], (PenSpec{profile == 10 ? RGB(128, 128, 128) : kBlack, 1, 0})) << profile;
    }
}

TEST(PrintPens, Flag1EmptiesEverySlot)
{
    layout::PenTable t = Table();
    PrintState s = At30(true);
    MakePrintPens(s, t, 10, 0);
    MakePrintPens(s, t, 10, 1);
    for (const auto& pen : s.pens)
        EXPECT_FALSE(pen.has_value());
}

TEST(PrintPens, PaperDeviceTakesThePrintGeometryPensAndFlags)
{
    layout::PenTable t = Table();
    PrintState s = At30(true);
    MakePrintPens(s, t, 10, 0);
    logview::Device paper;
    FillPaperDevice(s, paper);
    EXPECT_TRUE(paper.printing);
    EXPECT_TRUE(paper.colourPrinting);
    EXPECT_FALSE(paper.rowStep);  // one row height a record on every printer
    EXPECT_EQ(paper.printer.rowHeight, 24);
    EXPECT_EQ(paper.printer.unitWidth, 30);
    EXPECT_EQ(paper.printPens[logview::PRINT_PEN_THIN_GRID], (PenSpec{RGB(128, 128, 128), 1, 0}));
    EXPECT_EQ(paper.printPens[logview::PRINT_PEN_FIRST_GRID], (PenSpec{kBlack, 6, 0}));
}
