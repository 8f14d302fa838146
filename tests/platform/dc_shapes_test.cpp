// Shapes, brush fills and blits on images.
#include "platform/draw/dc.h"
#include "platform/draw/raster.h"
#include "support/images.h"
#include "support/testmain.h"

#include <QImage>
#include <QPdfWriter>

#include <climits>

#include <gtest/gtest.h>

using namespace platform;
using testing_support::Filled;
using testing_support::Touched;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0), kGrey = RGB(128, 128, 128);

}  // namespace

TEST(DcShapes, RectangleLeavesOutRightAndBottomAndShrinksWithANullPen)
{
    QImage img = Filled(12, 10, kGrey);
    Dc dc(img);
    dc.Rectangle(2, 2, 8, 6);
    EXPECT_EQ(Touched(dc, 12, 10, kGrey), (RECT{2, 2, 8, 6}));
    for (int x = 2; x < 8; ++x) {
        EXPECT_EQ(dc.GetPixel(x, 2), kBlack);
        EXPECT_EQ(dc.GetPixel(x, 5), kBlack);
    }
    EXPECT_EQ(dc.GetPixel(7, 3), kBlack);
    EXPECT_EQ(dc.GetPixel(3, 3), kWhite);  // the default brush inside
    EXPECT_EQ(dc.GetPixel(6, 4), kWhite);

    QImage img2 = Filled(12, 10, kGrey);
    Dc dc2(img2);
    dc2.SelectStockObject(NULL_PEN);
    dc2.Rectangle(2, 2, 8, 6);
    EXPECT_EQ(Touched(dc2, 12, 10, kGrey), (RECT{2, 2, 7, 5}));

    // Corners given the other way round draw the same.
    QImage img3 = Filled(12, 10, kGrey);
    Dc dc3(img3);
    dc3.Rectangle(8, 6, 2, 2);
    EXPECT_EQ(img3, img);
}

TEST(DcShapes, EllipseStaysInItsBoxAndIsSymmetric)
{
    QImage img = Filled(40, 30, kGrey);
    Dc dc(img);
    dc.SelectObject(Brush(RGB(255, 0, 0)));
    dc.Ellipse(10, 5, 31, 22);
    EXPECT_EQ(Touched(dc, 40, 30, kGrey), (RECT{10, 5, 31, 22}));
    for (int y = 5; y < 22; ++y)
        for (int x = 10; x < 31; ++x) {
            EXPECT_EQ(dc.GetPixel(x, y), dc.GetPixel(40 - x, y)) << x << "," << y;  // about x = 20
            EXPECT_EQ(dc.GetPixel(x, y), dc.GetPixel(x, 26 - y)) << x << "," << y;  // about y = 13
        }
    EXPECT_EQ(dc.GetPixel(20, 13), RGB(255, 0, 0));
    EXPECT_EQ(dc.GetPixel(10, 13), kBlack);
    EXPECT_EQ(dc.GetPixel(20, 5), kBlack);
    // The outline is closed: every row inside has a pen pixel at each end of its run.
    for (int y = 5; y < 22; ++y) {
        int first = -1, last = -1;
        for (int x = 10; x < 31; ++x)
            if (dc.GetPixel(x, y) != kGrey) {
                if (first < 0)
                    first = x;
                last = x;
            }
        ASSERT_GE(first, 0) << "row " << y;
        EXPECT_EQ(dc.GetPixel(first, y), kBlack);
        EXPECT_EQ(dc.GetPixel(last, y), kBlack);
    }

    QImage img2 = Filled(40, 30, kGrey);
    Dc dc2(img2);
    dc2.SelectStockObject(NULL_PEN);
    dc2.Ellipse(10, 5, 31, 22);
    EXPECT_EQ(Touched(dc2, 40, 30, kGrey), (RECT{10, 5, 30, 21}));
}

TEST(DcShapes, WidePensAndInsideFrame)
{
    QImage img = Filled(40, 40, kGrey);
    Dc dc(img);
    dc.SelectObject(Pen(kBlack, 4, PS_INSIDEFRAME));
    dc.Ellipse(5, 5, 35, 35);
    dc.Rectangle(12, 12, 28, 28);
    EXPECT_EQ(Touched(dc, 40, 40, kGrey), (RECT{5, 5, 35, 35}));
    for (int x = 12; x < 16; ++x)
        EXPECT_EQ(dc.GetPixel(x, 20), kBlack);
    EXPECT_EQ(dc.GetPixel(16, 20), kWhite);

    QImage img2 = Filled(40, 40, kGrey);
    Dc dc2(img2);
    dc2.SelectObject(Pen(kBlack, 3));
    dc2.Rectangle(10, 10, 30, 30);  // centred on the 1-px outline: one pixel out, one in
    EXPECT_EQ(dc2.GetPixel(9, 20), kBlack);
    EXPECT_EQ(dc2.GetPixel(11, 20), kBlack);
    EXPECT_EQ(dc2.GetPixel(12, 20), kWhite);
    EXPECT_EQ(dc2.GetPixel(8, 20), kGrey);
    EXPECT_EQ(dc2.GetPixel(30, 20), kBlack);
    EXPECT_EQ(dc2.GetPixel(31, 20), kGrey);
}

TEST(DcShapes, PolygonFillsHalfOpenAndOutlineCoversTheVertices)
{
    const POINT box[] = {{2, 2}, {8, 2}, {8, 6}, {2, 6}};
    QImage img = Filled(12, 10, kGrey);
    Dc dc(img);
    dc.SelectStockObject(NULL_PEN);
    dc.SelectStockObject(BLACK_BRUSH);
    dc.Polygon(box, 4);
    EXPECT_EQ(Touched(dc, 12, 10, kGrey), (RECT{2, 2, 8, 6}));

    QImage img2 = Filled(12, 10, kGrey);
    Dc dc2(img2);
    dc2.Polygon(box, 4);
    EXPECT_EQ(Touched(dc2, 12, 10, kGrey), (RECT{2, 2, 9, 7}));
    EXPECT_EQ(dc2.GetPixel(8, 6), kBlack);
    EXPECT_EQ(dc2.GetPixel(5, 4), kWhite);

    // A self-crossing star fills alternately: its centre stays empty.
    QImage img3 = Filled(100, 100, kGrey);
    Dc dc3(img3);
    dc3.SelectStockObject(NULL_PEN);
    dc3.SelectStockObject(BLACK_BRUSH);
    const POINT star[] = {{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}};
    dc3.Polygon(star, 5);
    EXPECT_EQ(dc3.GetPixel(50, 50), kGrey);
    EXPECT_EQ(dc3.GetPixel(50, 20), kBlack);
}

TEST(DcShapes, HatchesLineUpWithTheDeviceAndOpaqueFillsTheirGaps)
{
    // Fills and pattern blits: the gaps take the background colour only in OPAQUE mode.
    for (int mode : {TRANSPARENT, OPAQUE}) {
        QImage img = Filled(64, 32, kGrey);
        Dc dc(img);
        dc.SetBkColor(RGB(0, 0, 255));
        dc.SetBkMode(mode);
        dc.FillRect({0, 0, 32, 16}, Brush::Hatched(HS_HORIZONTAL, kBlack));
        dc.FillRect({35, 3, 64, 16}, Brush::Hatched(HS_HORIZONTAL, kBlack));  // another origin, same rows
        int hatchRow = -1;
        for (int y = 0; y < 8; ++y)
            if (dc.GetPixel(5, y) == kBlack)
                hatchRow = y;
        ASSERT_GE(hatchRow, 0);
        const COLORREF gap = mode == OPAQUE ? RGB(0, 0, 255) : kGrey;
        for (int y = 0; y < 16; ++y)
            for (int x : {0, 7, 31, 40, 63}) {
                const bool set = (y & 7) == hatchRow;
                if (x >= 35 && y < 3)
                    continue;
                EXPECT_EQ(dc.GetPixel(x, y), set ? kBlack : gap) << mode << ": " << x << "," << y;
            }
        dc.SelectObject(Brush::Hatched(HS_VERTICAL, RGB(255, 0, 0)));
        dc.PatBlt(0, 20, 64, 12, PATCOPY);
        int redColumn = -1;
        for (int x = 0; x < 8; ++x)
            if (dc.GetPixel(x, 25) == RGB(255, 0, 0))
                redColumn = x;
        ASSERT_GE(redColumn, 0);
        EXPECT_EQ(dc.GetPixel((redColumn + 1) % 8, 25), gap);
        EXPECT_EQ(dc.GetPixel(redColumn + 8, 31), RGB(255, 0, 0));
    }

    // Shapes: likewise.
    for (int mode : {TRANSPARENT, OPAQUE}) {
        QImage im = Filled(24, 24, kGrey);
        Dc d(im);
        d.SetBkMode(mode);
        d.SetBkColor(RGB(0, 0, 255));
        d.SelectStockObject(NULL_PEN);
        d.SelectObject(Brush::Hatched(HS_CROSS, RGB(255, 0, 0)));
        d.Rectangle(0, 0, 25, 25);
        int set = 0;
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 24; ++x) {
                const bool on = raster::HatchBit(HS_HORIZONTAL, x, y) || raster::HatchBit(HS_VERTICAL, x, y);
                EXPECT_EQ(raster::HatchBit(HS_CROSS, x, y), on);
                set += on;
                EXPECT_EQ(d.GetPixel(x, y), on ? RGB(255, 0, 0) : mode == OPAQUE ? RGB(0, 0, 255) : kGrey);
            }
        EXPECT_EQ(set, 24 * 3 + 24 * 3 - 9);  // three rows and three columns of 24
    }
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            EXPECT_EQ(raster::HatchBit(HS_DIAGCROSS, x, y),
                      raster::HatchBit(HS_FDIAGONAL, x, y) || raster::HatchBit(HS_BDIAGONAL, x, y));
            // Forward diagonals run down to the right, backward ones down to the left.
            EXPECT_EQ(raster::HatchBit(HS_FDIAGONAL, x, y), raster::HatchBit(HS_FDIAGONAL, x + 1, y + 1));
            EXPECT_EQ(raster::HatchBit(HS_BDIAGONAL, x, y), raster::HatchBit(HS_BDIAGONAL, x + 7, y + 1));
        }
}

TEST(DcShapes, FillRectFrameRectAndPixels)
{
    QImage img = Filled(20, 20, kGrey);
    Dc dc(img);
    dc.SetROP2(R2_XORPEN);  // brush fills ignore the mix
    dc.FillRect({2, 3, 7, 9}, Brush(RGB(255, 0, 0)));
    EXPECT_EQ(Touched(dc, 20, 20, kGrey), (RECT{2, 3, 7, 9}));
    EXPECT_EQ(dc.GetPixel(4, 5), RGB(255, 0, 0));
    dc.FrameRect({10, 10, 15, 14}, Brush(kBlack));
    EXPECT_EQ(dc.GetPixel(10, 10), kBlack);
    EXPECT_EQ(dc.GetPixel(14, 13), kBlack);
    EXPECT_EQ(dc.GetPixel(12, 12), kGrey);
    EXPECT_EQ(dc.GetPixel(15, 12), kGrey);
    EXPECT_EQ(dc.SetPixel(19, 19, RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(dc.GetPixel(19, 19), RGB(1, 2, 3));
    EXPECT_EQ(dc.SetPixel(20, 0, kBlack), CLR_INVALID);
    EXPECT_EQ(dc.GetPixel(-1, 0), CLR_INVALID);
    dc.SetPixel(0, 0, 0x80000000u | 13);  // COLOR_HIGHLIGHT
    EXPECT_EQ(dc.GetPixel(0, 0), RGB(0, 0, 128));
}

TEST(DcShapes, SelectObjectReturnsThePreviousAndRestoreObjectsPutsBackTheStart)
{
    QImage img = Filled(4, 4, kGrey);
    Dc dc(img);
    const Pen start = dc.CurrentPen();
    const Pen red(RGB(255, 0, 0), 2);
    EXPECT_EQ(dc.SelectObject(red), start);
    EXPECT_EQ(dc.SelectObject(Pen(kBlack, 3)), red);
    dc.SelectStockObject(NULL_BRUSH);
    EXPECT_TRUE(dc.CurrentBrush().IsNull());
    dc.SelectObject(Font("Arial", -12));
    dc.RestoreObjects();
    EXPECT_EQ(dc.CurrentPen(), start);
    EXPECT_EQ(dc.CurrentBrush(), StockBrush(WHITE_BRUSH));
    EXPECT_EQ(dc.CurrentFont(), StockFont(SYSTEM_FONT));
}

TEST(DcBlits, CopiesMixesAndStretches)
{
    QImage src = Filled(4, 4, kBlack);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            src.setPixel(x, y, raster::ToPixel(RGB(x * 60, y * 60, 0x0F)));
    QImage img = Filled(20, 20, RGB(0xF0, 0xF0, 0xF0));
    Dc dc(img);
    dc.BitBlt(-1, 5, 4, 4, src, 0, 0, SRCCOPY);  // clipped on the left
    EXPECT_EQ(dc.GetPixel(0, 5), RGB(60, 0, 0x0F));
    EXPECT_EQ(dc.GetPixel(2, 8), RGB(180, 180, 0x0F));
    EXPECT_EQ(dc.GetPixel(3, 8), RGB(0xF0, 0xF0, 0xF0));

    dc.BitBlt(10, 0, 4, 4, src, 0, 0, SRCAND);
    EXPECT_EQ(dc.GetPixel(11, 1), RGB(60 & 0xF0, 60 & 0xF0, 0x00));
    dc.BitBlt(10, 0, 4, 4, src, 0, 0, SRCINVERT);
    EXPECT_EQ(dc.GetPixel(11, 1), RGB((60 & 0xF0) ^ 60, 0x30 ^ 60, 0x0F));
    dc.BitBlt(10, 0, 4, 4, src, 0, 0, SRCPAINT);
    EXPECT_EQ(dc.GetPixel(13, 3), RGB(180, 180, 0x0F));  // ((d & s) ^ s) | s
    dc.PatBlt(10, 0, 2, 2, BLACKNESS);
    dc.PatBlt(12, 0, 2, 2, WHITENESS);
    EXPECT_EQ(dc.GetPixel(11, 1), kBlack);
    EXPECT_EQ(dc.GetPixel(12, 1), kWhite);

    dc.StretchBlt(0, 12, 8, 8, src, 0, 0, 4, 4, SRCCOPY);  // each pixel becomes 2 x 2
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(dc.GetPixel(x, 12 + y), RGB((x / 2) * 60, (y / 2) * 60, 0x0F));
    dc.StretchBlt(8, 12, 4, 2, src, 3, 0, -4, 4, SRCCOPY);  // mirrored, halved in height (rows 1 and 3)
    EXPECT_EQ(dc.GetPixel(8, 12), RGB(180, 60, 0x0F));
    EXPECT_EQ(dc.GetPixel(11, 13), RGB(0, 180, 0x0F));

    // Within one image: a scroll by one row either way keeps every row.
    QImage rows = Filled(3, 6, kBlack);
    for (int y = 0; y < 6; ++y)
        rows.setPixel(1, y, raster::ToPixel(RGB(y, 0, 0)));
    Dc r(rows);
    r.BitBlt(0, 1, 3, 5, r, 0, 0, SRCCOPY);
    for (int y = 1; y < 6; ++y)
        EXPECT_EQ(r.GetPixel(1, y), RGB(y - 1, 0, 0));
    r.BitBlt(0, 0, 3, 5, r, 0, 1, SRCINVERT);
    EXPECT_EQ(r.GetPixel(1, 1), RGB(0 ^ 1, 0, 0));
}

TEST(DcBlits, NegativeExtentsCoverThePixelsBeforeTheEdge)
{
    // A negative extent covers [x + w + 1, x + 1) on either side of a blit.
    QImage row = Filled(7, 1, kBlack);
    for (int x = 0; x < 7; ++x)
        row.setPixel(x, 0, raster::ToPixel(RGB(10 * (x + 1), 0, 0)));
    QImage img = Filled(10, 6, kWhite);
    Dc dc(img);
    dc.StretchBlt(7, 0, -7, 1, row, 0, 0, 7, 1, SRCCOPY);  // columns 1..7, mirrored
    EXPECT_EQ(dc.GetPixel(0, 0), kWhite);
    for (int x = 1; x <= 7; ++x)
        EXPECT_EQ(dc.GetPixel(x, 0), RGB(10 * (7 - x + 1), 0, 0)) << x;
    EXPECT_EQ(dc.GetPixel(8, 0), kWhite);
    dc.StretchBlt(0, 1, 7, 1, row, 6, 0, -7, 1, SRCCOPY);  // source columns 0..6 read backwards
    for (int x = 0; x < 7; ++x)
        EXPECT_EQ(dc.GetPixel(x, 1), RGB(10 * (7 - x), 0, 0)) << x;
    dc.BitBlt(5, 2, -3, 1, row, 2, 0, SRCCOPY);  // both sides shift alike: source 0..2 onto 3..5
    EXPECT_EQ(dc.GetPixel(2, 2), kWhite);
    EXPECT_EQ(dc.GetPixel(3, 2), RGB(10, 0, 0));
    EXPECT_EQ(dc.GetPixel(5, 2), RGB(30, 0, 0));
    EXPECT_EQ(dc.GetPixel(6, 2), kWhite);
    dc.PatBlt(5, 5, -3, -2, BLACKNESS);  // columns 3..5, rows 4..5
    EXPECT_EQ(dc.GetPixel(3, 4), kBlack);
    EXPECT_EQ(dc.GetPixel(5, 5), kBlack);
    EXPECT_EQ(dc.GetPixel(2, 4), kWhite);
    EXPECT_EQ(dc.GetPixel(6, 5), kWhite);
    EXPECT_EQ(dc.GetPixel(4, 3), kWhite);
}

TEST(DcBlits, AnAlphaSourceLeavesTheTargetOpaque)
{
    // Alpha is no part of a GDI bitmap: whatever a source's alpha, the RGB32 target stays opaque.
    QImage src(4, 4, QImage::Format_ARGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            src.setPixel(x, y, qRgba(40 * x, 40 * y, 0x0F, x == 0 ? 0 : 0x40));
    QImage img = Filled(30, 10, RGB(0xF0, 0xF0, 0xF0));
    Dc dc(img);
    for (std::uint32_t rop : {SRCCOPY, SRCAND, SRCPAINT, SRCINVERT, MERGECOPY, SRCERASE}) {
        dc.BitBlt(0, 0, 4, 4, src, 0, 0, rop);
        dc.StretchBlt(5, 0, 8, 8, src, 0, 0, 4, 4, rop);
        dc.StretchBlt(20, 0, -4, 4, src, 0, 0, 4, 4, rop);
        for (int y = 0; y < img.height(); ++y) {
            const auto* line = reinterpret_cast<const std::uint32_t*>(img.constScanLine(y));
            for (int x = 0; x < img.width(); ++x)
                ASSERT_EQ(line[x] >> 24, 0xFFu) << "rop " << std::hex << rop << std::dec << " at " << x << "," << y;
        }
    }
    dc.BitBlt(0, 5, 4, 4, src, 0, 0, SRCCOPY);
    EXPECT_EQ(dc.GetPixel(0, 5), RGB(0, 0, 0x0F));  // colour kept, alpha dropped
    EXPECT_EQ(dc.GetPixel(3, 6), RGB(120, 40, 0x0F));
}

TEST(DcBlits, MemoryDcStartsBlackAndImagesReport96Dpi)
{
    MemoryDc mem(30, 10);
    EXPECT_EQ(mem.GetPixel(29, 9), kBlack);
    mem.PatBlt(0, 0, 30, 10, WHITENESS);
    mem.MoveTo(0, 0);
    mem.LineTo(30, 0);
    QImage screen = Filled(40, 20, kGrey);
    Dc dc(screen);
    dc.BitBlt(5, 5, 30, 10, mem, 0, 0, SRCCOPY);
    EXPECT_EQ(dc.GetPixel(5, 5), kBlack);
    EXPECT_EQ(dc.GetPixel(5, 6), kWhite);
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSX), 96);
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSY), 96);
    EXPECT_EQ(dc.GetDeviceCaps(HORZRES), 40);
    EXPECT_EQ(dc.GetDeviceCaps(VERTRES), 20);
    EXPECT_EQ(dc.GetDeviceCaps(PHYSICALWIDTH), 40);
    EXPECT_EQ(dc.GetDeviceCaps(TECHNOLOGY), DT_RASDISPLAY);
}

TEST(DcBlits, ExtremeCoordinatesNeitherOverflowNorSpill)
{
    // Off-scale values reach the Dc as coordinates at the ends of int, on images and on paper alike.
    constexpr int kMin = INT_MIN, kMax = INT_MAX;
    const QImage src = Filled(4, 4, RGB(0, 0, 255));
    QImage img = Filled(20, 20, kWhite);
    Dc dc(img);
    dc.PatBlt(kMin, kMin, -5, -5, BLACKNESS);
    dc.PatBlt(kMax, kMax, kMin + 1, kMin + 1, BLACKNESS);  // covers [1, INT_MAX + 1): all but column and row 0
    EXPECT_EQ(dc.GetPixel(0, 0), kWhite);
    EXPECT_EQ(dc.GetPixel(1, 1), kBlack);
    EXPECT_EQ(dc.GetPixel(19, 19), kBlack);
    dc.PatBlt(0, 0, 20, 20, WHITENESS);
    dc.BitBlt(kMin, kMin, kMax, kMax, src, kMin, kMin, SRCCOPY);
    dc.StretchBlt(kMin, kMin, kMax, kMax, src, 0, 0, 4, 4, SRCCOPY);
    dc.StretchBlt(0, 0, 20, 20, src, kMin, kMin, kMax, kMax, SRCCOPY);
    dc.StretchBlt(0, 0, 20, 20, src, kMax, kMax, kMin, kMin, SRCCOPY);
    EXPECT_EQ(Touched(dc, 20, 20, kWhite).right, 0);  // none of these reaches a source pixel
    // [INT_MAX + INT_MIN + 1, INT_MAX + 1) on both sides: the source lands at the origin unscaled.
    dc.BitBlt(kMax, 0, kMin, 2, src, kMax, 0, SRCCOPY);
    dc.StretchBlt(kMax, kMax, kMin, kMin, src, kMax, kMax, kMin, kMin, SRCCOPY);
    const RECT ink = Touched(dc, 20, 20, kWhite);
    EXPECT_EQ(ink.right, 4);
    EXPECT_EQ(ink.bottom, 4);
    dc.StretchBlt(kMin / 2, 0, kMax, 20, src, 0, 0, 4, 4, SRCCOPY);  // one source column spread over the image
    EXPECT_EQ(dc.GetPixel(0, 0), RGB(0, 0, 255));
    EXPECT_EQ(dc.GetPixel(19, 19), RGB(0, 0, 255));
    dc.Rectangle(kMin, kMin, kMax, kMax);
    dc.RoundRect(kMax, kMax, kMin, kMin, kMax, kMax);
    dc.FillRect({kMin, kMin, kMax, kMax}, Brush(kBlack));
    EXPECT_EQ(Touched(dc, 20, 20, kBlack).right, 0);  // all of the image
    dc.FrameRect({kMin, kMin, kMax, kMax}, Brush(kWhite));
    EXPECT_EQ(Touched(dc, 20, 20, kBlack).right, 0);  // the border lies far outside
    dc.FrameRect({kMin, 5, kMax, 10}, Brush(kWhite));  // its top and bottom rows cross the image
    EXPECT_EQ(dc.GetPixel(0, 5), kWhite);
    EXPECT_EQ(dc.GetPixel(19, 9), kWhite);
    EXPECT_EQ(dc.GetPixel(10, 7), kBlack);

    const QString file = testing_support::TestDir() + "extreme.pdf";
    QPdfWriter writer(file);
    writer.setResolution(96);
    Dc paper(writer);
    for (int rop2 : {R2_COPYPEN, R2_XORPEN}) {  // plain vectors, then through an image band
        paper.SetROP2(rop2);
        paper.Rectangle(kMin, kMin, kMax, kMax);
        paper.Ellipse(kMax, kMax, kMin, kMin);
        paper.RoundRect(kMin, 0, kMax, 50, kMax, kMax);
        paper.MoveTo(kMin, kMin);
        paper.LineTo(kMax, kMax);
        paper.PatBlt(kMax, kMax, kMin, kMin, PATINVERT);
        paper.BitBlt(kMin, kMin, kMax, kMax, src, kMin, kMin, rop2 == R2_COPYPEN ? SRCCOPY : SRCINVERT);
        paper.StretchBlt(kMax, 0, kMin, 100, src, kMax, 0, kMin, 4, rop2 == R2_COPYPEN ? SRCCOPY : SRCINVERT);
        paper.FillRect({kMin, kMin, kMax, kMax}, Brush(kGrey));
        paper.FrameRect({kMin, kMin, kMax, kMax}, Brush(kBlack));
    }
}
