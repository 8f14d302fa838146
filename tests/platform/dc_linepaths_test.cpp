// The quick paths of lines on images against the general ones they stand for, over random lines: the
// same pixels, in the same order, with the same mixes.
#include "platform/draw/dc.h"
#include "platform/draw/raster.h"

#include <QImage>

#include <gtest/gtest.h>

#include <random>
#include <tuple>
#include <vector>

using namespace platform;

TEST(DcLinePaths, ALineWithBothEndsInsideWalksThePixelsOfTheCutLine)
{
    std::mt19937 rng(11);
    auto coord = [&](int size) { return int(rng() % unsigned(size + 20)) - 10; };
    using Walk = std::vector<std::tuple<int, int, long long>>;
    for (int n = 0; n < 20000; ++n) {
        const int w = 1 + int(rng() % 40), h = 1 + int(rng() % 40);
        const int x0 = coord(w), y0 = coord(h), x1 = coord(w), y1 = coord(h);
        Walk quick, cut;
        raster::ForEachLinePixel(x0, y0, x1, y1, w, h, [&](int x, int y, long long i) { quick.push_back({x, y, i}); });
        raster::ForEachClippedLinePixel(x0, y0, x1, y1, w, h, [&](int x, int y, long long i) { cut.push_back({x, y, i}); });
        ASSERT_EQ(quick, cut) << x0 << "," << y0 << " -> " << x1 << "," << y1 << " in " << w << "x" << h;
    }
}

TEST(DcLinePaths, PolylinesInEveryMixAndWidthMatchTheirPixelsMixedOnce)
{
    std::mt19937 rng(5);
    constexpr int W = 48, H = 40;
    const int mixes[] = {R2_COPYPEN, R2_MASKPEN, R2_MERGEPEN, R2_XORPEN, R2_NOTXORPEN, R2_MASKNOTPEN, R2_NOT};
    for (int n = 0; n < 700; ++n) {
        QImage noise(W, H, QImage::Format_RGB32);
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                noise.setPixel(x, y, 0xFF000000u | rng());
        QImage drawn = noise, expected = noise;
        const int mix = mixes[n % std::size(mixes)], width = 1 + int(rng() % 4);
        const COLORREF colour = rng() & 0xFFFFFF;
        const int ox = int(rng() % 9) - 4, oy = int(rng() % 9) - 4;
        std::vector<POINT> pts(2 + rng() % 5);
        for (POINT& p : pts)
            p = {int(rng() % (W + 16)) - 8, int(rng() % (H + 16)) - 8};

        Dc dc(drawn);
        dc.SetViewportOrg(ox, oy);
        dc.SetROP2(mix);
        dc.SelectObject(Pen(colour, width));
        dc.Polyline(pts.data(), int(pts.size()));

        // Every pixel of the stroke takes the general mix once.
        const raster::Surface s = raster::SurfaceOf(expected);
        const std::uint32_t pen = raster::ToPixel(colour);
        raster::SpanSet stroke(0, 0, W, H);
        const double off = (width & 1) ? 0.5 : 0.0;
        for (std::size_t i = 0; i + 1 < pts.size(); ++i) {
            const POINT a{pts[i].x + ox, pts[i].y + oy}, b{pts[i + 1].x + ox, pts[i + 1].y + oy};
            if (width == 1)
                raster::ForEachClippedLinePixel(a.x, a.y, b.x, b.y, W, H, [&](int x, int y, long long) {
                    s.Row(y)[x] = raster::Mix(mix, pen, s.Row(y)[x]);
                });
            else
                raster::AddCapsule(stroke, a.x + off, a.y + off, b.x + off, b.y + off, width / 2.0 - 0.1);
        }
        stroke.Normalize();
        for (const raster::SpanSet::Span& sp : stroke.Spans())
            for (int x = sp.x0; x < sp.x1; ++x)
                s.Row(sp.y)[x] = raster::Mix(mix, pen, s.Row(sp.y)[x]);
        ASSERT_EQ(drawn, expected) << "mix " << mix << ", width " << width << ", case " << n;
    }
}

TEST(DcLinePaths, RectanglesPaintWhatTheirSpansWould)
{
    // A rectangle's rows are painted as they stand; a round rectangle without rounding still goes
    // through the spans of its region and its border.
    std::mt19937 rng(9);
    constexpr int W = 40, H = 30;
    const int mixes[] = {R2_COPYPEN, R2_XORPEN, R2_MASKPEN, R2_NOT, R2_NOP};
    for (int n = 0; n < 3000; ++n) {
        QImage quick(W, H, QImage::Format_RGB32);
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                quick.setPixel(x, y, 0xFF000000u | rng());
        QImage general = quick;
        const int l = int(rng() % (W + 20)) - 10, t = int(rng() % (H + 20)) - 10;
        const int r = l + int(rng() % 30), b = t + int(rng() % 30);
        const int brushKind = int(rng() % 3), penKind = int(rng() % 3);
        const Brush brush = brushKind == 0 ? Brush::Null() : brushKind == 1 ? Brush(COLORREF(rng() & 0xFFFFFF))
                                                                           : Brush::Hatched(int(rng() % 6), COLORREF(rng() & 0xFFFFFF));
        const Pen pen = penKind == 0 ? Pen(0, 1, PS_NULL) : Pen(COLORREF(rng() & 0xFFFFFF), 1, penKind == 1 ? PS_SOLID : PS_INSIDEFRAME);
        for (QImage* image : {&quick, &general}) {
            Dc dc(*image);
            dc.SetViewportOrg(n % 3, -(n % 2));
            dc.SetROP2(mixes[n % std::size(mixes)]);
            dc.SetBkMode(n % 2 ? OPAQUE : TRANSPARENT);
            dc.SelectObject(brush);
            dc.SelectObject(pen);
            if (image == &quick)
                dc.Rectangle(l, t, r, b);
            else
                dc.RoundRect(l, t, r, b, 0, 0);
        }
        ASSERT_EQ(quick, general) << n << ": " << l << "," << t << " " << r << "," << b;
    }
}
