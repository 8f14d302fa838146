// The viewport origin: everything drawn or read moves by it, as with GDI's SetViewportOrgEx.
#include "platform/draw/dc.h"
#include "support/images.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace platform;
using testing_support::White;

namespace {

// Lines thin and wide, shapes, a polygon, fills, a pixel, a blit and a text.
void Scene(Dc& dc)
{
    QImage patch = testing_support::Filled(6, 4, RGB(0, 128, 0));
    dc.MoveTo(12, 5);
    dc.LineTo(60, 30);
    const Pen wide = dc.SelectObject(Pen(PS_SOLID, 3, RGB(200, 0, 0)));
    dc.MoveTo(20, 40);
    dc.LineTo(70, 42);
    dc.SelectObject(wide);
    dc.Rectangle(30, 10, 50, 25);
    dc.Ellipse(52, 5, 66, 18);
    const POINT tri[] = {{15, 50}, {35, 58}, {18, 62}};
    dc.Polygon(tri, 3);
    dc.FillRect(RECT{40, 50, 48, 56}, Brush(RGB(0, 0, 200)));
    dc.SetPixel(25, 5, RGB(255, 0, 255));
    dc.SetPixel(5, 5, RGB(255, 0, 255));
    dc.BitBlt(70, 50, 6, 4, patch, 0, 0, SRCCOPY);
    dc.TextOut(10, 20, QStringLiteral("KD"));
}

}  // namespace

TEST(DcViewport, EveryPrimitiveMovesByTheOriginAndReadsThroughIt)
{
    QImage plain = White(100, 80);
    {
        Dc dc(plain);
        Scene(dc);
    }
    QImage moved = White(100, 80);
    Dc dc(moved);
    EXPECT_EQ(dc.SetViewportOrg(-7, 3), (POINT{0, 0}));
    Scene(dc);
    EXPECT_EQ(dc.GetViewportOrg(), (POINT{-7, 3}));
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 100; ++x) {
            const int sx = x + 7, sy = y - 3;  // where the unmoved scene has this pixel
            const QRgb want = sx < 100 && sy >= 0 ? plain.pixel(sx, sy) : qRgb(255, 255, 255);
            ASSERT_EQ(moved.pixel(x, y), want) << x << "," << y;
        }
    // Reads and blits from the Dc go through the origin too; the text record keeps what was asked.
    EXPECT_EQ(dc.GetPixel(12, 5), RGB(0, 0, 0));  // the line's first pixel
    EXPECT_EQ(dc.GetPixel(5, 5), CLR_INVALID);     // moved off the image
    QImage copy = White(6, 4);
    Dc back(copy);
    back.BitBlt(0, 0, 6, 4, dc, 70, 50, SRCCOPY);
    EXPECT_EQ(copy.pixel(2, 2), qRgb(0, 128, 0));
    dc.RecordText(true);
    dc.TextOut(10, 20, QStringLiteral("KD"));
    ASSERT_EQ(dc.TextRecord().size(), 1u);
    EXPECT_EQ(dc.TextRecord()[0].at, (POINT{10, 20}));
}
