// The Dc on a PDF page: plain drawing as vectors, mixes and hatches composed in image bands. The page
// is rasterised with pdftoppm and probed.
#include "platform/draw/dc.h"
#include "platform/draw/raster.h"
#include "support/pdfpages.h"
#include "support/testmain.h"

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include <gtest/gtest.h>

using namespace platform;

using testing_support::At;
using testing_support::At4;

TEST(DcPdf, MaskPenFillAndHatchShowTheirColours)
{
    const QString file = testing_support::TestDir() + "dc.pdf";
    {
        QPdfWriter writer(file);
        writer.setResolution(96);
        // A whole number of pixels high, so that the page's pixel rows fall on the rasteriser's.
        writer.setPageLayout(QPageLayout(QPageSize(QSizeF(300, 450), QPageSize::Point), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0)));
        Dc dc(writer);
        EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSX), 96);
        EXPECT_EQ(dc.GetDeviceCaps(TECHNOLOGY), DT_RASPRINTER);
        EXPECT_EQ(dc.GetDeviceCaps(PHYSICALWIDTH), dc.GetDeviceCaps(HORZRES));  // no margins

        dc.FillRect({20, 20, 120, 30}, Brush(RGB(0, 0, 0)));
        dc.SetROP2(R2_MASKPEN);
        dc.SelectStockObject(NULL_PEN);
        dc.SelectObject(Brush(RGB(192, 192, 192)));
        dc.Rectangle(40, 10, 101, 61);  // over part of the black band
        dc.SetROP2(R2_COPYPEN);
        dc.SetBkMode(TRANSPARENT);
        dc.SelectObject(Brush::Hatched(HS_CROSS, RGB(255, 0, 0)));
        dc.Rectangle(140, 10, 205, 75);
        dc.SetBkMode(OPAQUE);
        dc.SetBkColor(RGB(0, 0, 255));
        dc.SelectObject(Brush::Hatched(HS_BDIAGONAL, RGB(0, 128, 0)));
        dc.Rectangle(140, 100, 205, 165);
        // A see-through source is drawn opaque, as a GDI bitmap has no alpha; a negative destination
        // width covers [x + w + 1, x + 1) and mirrors.
        QImage halves(20, 10, QImage::Format_ARGB32);
        halves.fill(qRgba(255, 0, 0, 0));
        for (int y = 0; y < 10; ++y)
            for (int x = 10; x < 20; ++x)
                halves.setPixel(x, y, qRgba(0, 0, 255, 0x40));
        dc.SetROP2(R2_COPYPEN);
        dc.BitBlt(20, 100, 20, 10, halves, 0, 0, SRCCOPY);
        dc.StretchBlt(99, 100, -40, 20, halves, 0, 0, 20, 10, SRCCOPY);
        dc.SetROP2(R2_XORPEN);  // a line that needs the band's knowledge of the black band below
        dc.SelectObject(Pen(RGB(255, 255, 255)));
        dc.MoveTo(10, 25);
        dc.LineTo(130, 25);
    }
    const QImage page = testing_support::RasterisePdf(file, 384);
    ASSERT_FALSE(page.isNull()) << "pdftoppm failed";

    EXPECT_EQ(At4(page, 30, 22), RGB(0, 0, 0));          // black band outside the mask fill
    EXPECT_EQ(At4(page, 60, 22), RGB(0, 0, 0));          // black under the mask fill stays black
    EXPECT_EQ(At4(page, 60, 45), RGB(192, 192, 192));    // white under it turns grey
    EXPECT_EQ(At4(page, 60, 15), RGB(192, 192, 192));
    EXPECT_EQ(At4(page, 110, 45), RGB(255, 255, 255));   // outside everything
    EXPECT_EQ(At4(page, 15, 25), RGB(0, 0, 0));          // XOR white over white
    EXPECT_EQ(At4(page, 60, 25), RGB(255, 255, 255));    // XOR white over black

    EXPECT_EQ(At4(page, 25, 105), RGB(255, 0, 0));
    EXPECT_EQ(At4(page, 35, 105), RGB(0, 0, 255));
    EXPECT_EQ(At4(page, 59, 105), RGB(255, 255, 255));   // left of [60, 100)
    EXPECT_EQ(At4(page, 61, 105), RGB(0, 0, 255));       // mirrored: blue half on the left
    EXPECT_EQ(At4(page, 98, 118), RGB(255, 0, 0));
    EXPECT_EQ(At4(page, 100, 105), RGB(255, 255, 255));

    int wrong = 0;
    for (int y = 12; y < 72; ++y)
        for (int x = 142; x < 202; ++x) {
            const bool on = raster::HatchBit(HS_CROSS, x, y);
            wrong += At4(page, x, y) != (on ? RGB(255, 0, 0) : RGB(255, 255, 255));
        }
    EXPECT_EQ(wrong, 0);
    wrong = 0;
    for (int y = 102; y < 162; ++y)
        for (int x = 142; x < 202; ++x) {
            const bool on = raster::HatchBit(HS_BDIAGONAL, x, y);
            wrong += At4(page, x, y) != (on ? RGB(0, 128, 0) : RGB(0, 0, 255));
        }
    EXPECT_EQ(wrong, 0);
}

TEST(DcPdf, TextAndLinesReachThePage)
{
    const QString file = testing_support::TestDir() + "text.pdf";
    {
        QPdfWriter writer(file);
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A6), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10)));
        Dc dc(writer);
        EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSY), 300);
        EXPECT_EQ(dc.GetDeviceCaps(PHYSICALOFFSETX), 42);  // 10 mm at 300 dpi
        dc.SelectObject(Pen(RGB(0, 0, 255), 6));
        dc.MoveTo(0, 0);
        dc.LineTo(600, 0);
        dc.SelectObject(Font("Arial", -60));
        dc.SetBkMode(OPAQUE);
        dc.SetBkColor(RGB(255, 255, 0));
        dc.TextOut(0, 100, "Mud 10\xB0");
        EXPECT_TRUE(dc.NewPage());
        dc.TextOut(0, 100, "Page 2");
    }
    const QImage page = testing_support::RasterisePdf(file, 300);
    ASSERT_FALSE(page.isNull());
    EXPECT_EQ(At(page, 42 + 300, 42), RGB(0, 0, 255));
    EXPECT_EQ(At(page, 42 + 5, 42 + 100 + 3), RGB(255, 255, 0));  // the opaque cell, left of the first glyph
}
