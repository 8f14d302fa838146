// The record marks and accessory symbols of lithology cells: on an image for the screen (a column of
// ten 10-pixel cells at x 200, rows 10 high) and on a PDF page read back with poppler for paper.
#include "tracks/draw/lithmarks.h"

#include "platform/draw/dc.h"
#include "support/images.h"
#include "support/pdfpages.h"
#include "support/testmain.h"

#include <QPageLayout>
#include <QPdfWriter>

#include <gtest/gtest.h>

using namespace tracks;
using platform::COLORREF;
using platform::RGB;

namespace {

constexpr COLORREF kPaper = RGB(240, 240, 240);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

class LithMarkTest : public ::testing::Test {
protected:
    LithMarkTest()
    {
        g.lithology = {200, 10, 10};
        g.rowHeight = 10;
        g.unitWidth = 10;
    }
    LithPatternTarget Target() { return {dc, g, device, settings, state}; }
    // The box [l, r) x [t, b) of the red pixels of one mark drawn on a fresh image.
    platform::RECT Mark(int x, bool split = false, int mark = 1)
    {
        image.fill(QColor(240, 240, 240));
        DrawLithMark(Target(), x, 0, mark, split);
        return testing_support::Ink(dc, image.width(), image.height(), kRed);
    }
    platform::RECT Accessory(int accessory, int x, bool split = false)
    {
        image.fill(QColor(240, 240, 240));
        DrawAccessorySymbol(Target(), accessory, x, 0, split, false);
        return testing_support::Touched(dc, image.width(), image.height(), kPaper);
    }

    QImage image = testing_support::Filled(400, 40, kPaper);
    platform::Dc dc{image};
    logview::ViewGeometry g;
    logview::Device device;
    TrackSettings settings;
    PainterState state;
};

}  // namespace

TEST_F(LithMarkTest, TheFractureMarkStaysInsideTheColumnUnlessSplit)
{
    platform::RECT r = Mark(290);  // cell 9 of an even row: the right vertex on the column's edge
    EXPECT_EQ(r.left, 292);
    EXPECT_EQ(r.right, 301);
    EXPECT_EQ(r.bottom, 9);
    state.lith.rowCounter = 1;
    r = Mark(290);
    EXPECT_EQ(r.left, 288);
    EXPECT_EQ(r.right, 297);
    r = Mark(305, true);  // split: one cell back, never pulled in (odd row: 305 + 8 - 10, 8 wide)
    EXPECT_EQ(r.right, 312);
    state.lith.rowCounter = 0;
    state.lith.customTrackX = 330;  // a custom lithology track is not held to the lithology column
    EXPECT_EQ(Mark(340).left, 344);
    state.lith.customTrackX = 0;

    // Scale index 3 stands a cell further left than the others.
    const int atScale0 = (g.scaleIndex = 0, Mark(250).left);
    g.scaleIndex = 4;
    EXPECT_EQ(Mark(250).left, atScale0);
    g.scaleIndex = 3;
    EXPECT_EQ(Mark(250).left, atScale0 - 10);
    EXPECT_EQ(dc.CurrentBrush(), platform::Brush());
    EXPECT_EQ(dc.CurrentPen(), platform::Pen());
}

TEST_F(LithMarkTest, TheSecondMarkIsAZigzagInThePenInForceAndOtherMarksDrawNothing)
{
    dc.SelectObject(platform::Pen(kBlue));
    EXPECT_EQ(Mark(250, false, 2).right, 0);  // not red
    EXPECT_EQ(testing_support::Ink(dc, 400, 40, kBlue).left, 251);
    state.lith.rowCounter = 1;
    Mark(250, false, 2);
    EXPECT_EQ(testing_support::Ink(dc, 400, 40, kBlue).left, 263);  // 12 further right on odd rows
    Mark(285, false, 2);  // 297 is past the column's edge less 8
    EXPECT_EQ(testing_support::Touched(dc, 400, 40, kPaper).right, 0);
    for (int mark : {0, 3, -1}) {
        Mark(250, false, mark);
        EXPECT_EQ(testing_support::Touched(dc, 400, 40, kPaper).right, 0) << mark;
    }
}

TEST_F(LithMarkTest, AccessorySymbolsOnTheScreen)
{
    for (int accessory : {0, 10, 38, 40, -1})
        EXPECT_EQ(Accessory(accessory, 220).right, 0) << accessory;
    for (int accessory : {1, 2, 3, 4, 5, 6, 7, 8, 9, 39})
        EXPECT_GT(Accessory(accessory, 220).right, 0) << accessory;

    Accessory(9, 220);
    EXPECT_EQ(dc.GetPixel(225, 5), RGB(1, 1, 1));
    EXPECT_EQ(dc.CurrentBrush(), platform::Brush());

    // Left of the column a symbol is drawn from its left edge + 1; right of the last cell not at all.
    EXPECT_EQ(Accessory(4, 150).left, 206);
    EXPECT_EQ(Accessory(4, 291).right, 0);
    EXPECT_GT(Accessory(4, 291, true).right, 0);

    // The sand grain sits in the cell being filled, not where the box was put.
    state.lith.cellX = 240;
    EXPECT_EQ(Accessory(2, 241).left, 243);
    EXPECT_EQ(dc.GetPixel(244, 3), RGB(255, 255, 0));

    // Two dots side by side, or one above the other in split mode.
    platform::RECT r = Accessory(6, 220);
    EXPECT_EQ(r.left, 227);
    EXPECT_EQ(r.right, 231);
    EXPECT_EQ(r.bottom - r.top, 1);
    r = Accessory(6, 220, true);
    EXPECT_EQ(r.right - r.left, 1);
    EXPECT_EQ(r.top, 3);
    EXPECT_EQ(r.bottom, 7);

    // The wash symbol's block follows the row height.
    g.rowHeight = 20;
    r = Accessory(39, 220);
    EXPECT_EQ(r.right, 246);  // x + 1.3 x 20
    EXPECT_EQ(r.bottom, 20);
}

TEST_F(LithMarkTest, OnPaperTheMarkIsRedOnlyWithColourPrinting)
{
    device.printing = true;
    device.printer.lithologyLeft = 20;
    device.printer.lithologyCellWidth = 16;
    device.printer.rowHeight = 16;
    device.printer.rowSize = 16;
    const QString file = testing_support::TestDir() + "lithmarks.pdf";
    {
        QPdfWriter writer(file);
        writer.setResolution(96);
        writer.setPageLayout(QPageLayout(QPageSize(QSizeF(300, 150), QPageSize::Point), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0)));
        platform::Dc paper(writer);
        paper.SelectObject(platform::Brush(kBlue));
        LithPatternTarget t{paper, g, device, settings, state};
        device.colourPrinting = true;
        PrintLithMark(t, 16, 40, 10, 1);            // diamond centred on (48, 21)
        DrawAccessorySymbol(t, 2, 40, 50, false, false);  // grain centred on (50, 58)
        device.colourPrinting = false;
        PrintLithMark(t, 16, 80, 10, 1);
        DrawAccessorySymbol(t, 2, 80, 50, false, false);
        DrawAccessorySymbol(t, 9, 120, 50, false, false);
        PrintLithMark(t, 16, 180, 10, 1);  // past the printed column's last cell
        EXPECT_EQ(paper.CurrentBrush(), platform::Brush(kBlue));
    }
    const QImage page = testing_support::RasterisePdf(file, 384);
    ASSERT_FALSE(page.isNull());
    using testing_support::At4;
    EXPECT_EQ(At4(page, 48, 21), kRed);
    EXPECT_EQ(At4(page, 50, 58), RGB(255, 255, 0));
    EXPECT_EQ(At4(page, 88, 21), kBlue);
    EXPECT_EQ(At4(page, 90, 58), kBlue);
    EXPECT_EQ(At4(page, 128, 58), RGB(1, 1, 1));
    EXPECT_EQ(At4(page, 188, 21), RGB(255, 255, 255));
}
