// Lines on images: GDI's Bresenham pixels without the end point, pen styles, wide pens and mixes.
#include "platform/draw/dc.h"
#include "support/images.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <set>
#include <utility>

using namespace platform;
using testing_support::White;

namespace {

using Pixels = std::set<std::pair<int, int>>;

Pixels NonWhite(const QImage& img)
{
    Pixels out;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                out.insert({x, y});
    return out;
}

// GDI's pixels, end point left out: one pixel per step along the major axis, the minor coordinate the
// true one rounded to nearest, and where the line passes exactly halfway the smaller minor coordinate.
Pixels ReferenceLine(int x0, int y0, int x1, int y1)
{
    Pixels out;
    const long long dx = x1 - x0, dy = y1 - y0;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const long long n = xMajor ? std::llabs(dx) : std::llabs(dy);
    const long long dMajor = xMajor ? dx : dy, dMinor = xMajor ? dy : dx;
    for (long long i = 0; i < n; ++i) {
        // minor offset = nearest to i * dMinor / n, ties down: ceil((2 * i * dMinor - n) / (2 * n))
        const long long num = 2 * i * dMinor - n, den = 2 * n;
        const long long minor = num >= 0 ? (num + den - 1) / den : -((-num) / den);
        const long long major = dMajor < 0 ? -i : i;
        if (xMajor)
            out.insert({int(x0 + major), int(y0 + minor)});
        else
            out.insert({int(x0 + minor), int(y0 + major)});
    }
    return out;
}

Pixels Drawn(int w, int h, int x0, int y0, int x1, int y1)
{
    QImage img = White(w, h);
    Dc dc(img);
    dc.MoveTo(x0, y0);
    dc.LineTo(x1, y1);
    return NonWhite(img);
}

}  // namespace

TEST(DcLines, HorizontalLineLeavesOutItsEndInEitherDirection)
{
    Pixels forward, backward;
    for (int x = 10; x <= 19; ++x)
        forward.insert({x, 5});
    for (int x = 11; x <= 20; ++x)
        backward.insert({x, 5});
    EXPECT_EQ(Drawn(40, 10, 10, 5, 20, 5), forward);
    EXPECT_EQ(Drawn(40, 10, 20, 5, 10, 5), backward);
    EXPECT_TRUE(Drawn(40, 10, 7, 7, 7, 7).empty());  // a zero-length line draws nothing
}

TEST(DcLines, SlopedLinesFollowBresenham)
{
    EXPECT_EQ(Drawn(10, 10, 0, 0, 5, 2), (Pixels{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}));
    EXPECT_EQ(Drawn(10, 10, 0, 0, 4, 1), (Pixels{{0, 0}, {1, 0}, {2, 0}, {3, 1}}));  // tie at x = 2
    EXPECT_EQ(Drawn(10, 10, 0, 0, 2, 5), (Pixels{{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}}));
    // Drawn back the tie at x = 2 still takes the upper pixel; a steep tie takes the left one.
    EXPECT_EQ(Drawn(10, 10, 4, 1, 0, 0), (Pixels{{1, 0}, {2, 0}, {3, 1}, {4, 1}}));
    EXPECT_EQ(Drawn(10, 10, 1, 4, 0, 0), (Pixels{{0, 1}, {0, 2}, {1, 3}, {1, 4}}));
    // A fan from the centre to every point of a square ring covers all octants, ties and diagonals.
    const int c = 40;
    for (int k = -30; k <= 30; k += 3) {
        for (const auto& [ex, ey] : {std::pair{c + k, c - 30}, std::pair{c + k, c + 30}, std::pair{c - 30, c + k},
                                     std::pair{c + 30, c + k}}) {
            SCOPED_TRACE(testing::Message() << "to " << ex << "," << ey);
            EXPECT_EQ(Drawn(81, 81, c, c, ex, ey), ReferenceLine(c, c, ex, ey));
        }
    }
}

TEST(DcLines, ALineDrawnBackSetsTheSamePixelsButItsEnds)
{
    // XOR there and back: every pixel both passes set goes back; only the two end points stay changed.
    const int c = 40;
    for (int k = -30; k <= 30; k += 2) {
        for (const auto& [ex, ey] : {std::pair{c + k, c - 30}, std::pair{c + k, c + 30}, std::pair{c - 30, c + k},
                                     std::pair{c + 30, c + k}, std::pair{c + k / 2, c + 7}, std::pair{c + 9, c + k / 3}}) {
            QImage img = White(81, 81);
            Dc dc(img);
            dc.SetROP2(R2_XORPEN);
            dc.SelectObject(Pen(RGB(255, 255, 255)));
            dc.MoveTo(c, c);
            dc.LineTo(ex, ey);
            dc.LineTo(c, c);
            EXPECT_EQ(NonWhite(img), (Pixels{{c, c}, {ex, ey}})) << "to " << ex << "," << ey;
        }
    }
}

TEST(DcLines, LinesFarOutsideTheImageAreClippedExactly)
{
    // Only the pixels inside stay, the same ones as for the whole line.
    const int cases[][4] = {{-1000, -480, 1000, 520}, {90, -7000, 10, 7000}, {-2000000000, 50, 2000000000, 53},
                            {150, 150, -50, -20}};
    for (const auto& l : cases) {
        Pixels expected;
        if (std::abs(l[0]) < 100000)
            for (const auto& p : ReferenceLine(l[0], l[1], l[2], l[3]))
                if (p.first >= 0 && p.first < 100 && p.second >= 0 && p.second < 100)
                    expected.insert(p);
        const Pixels got = Drawn(100, 100, l[0], l[1], l[2], l[3]);
        if (std::abs(l[0]) < 100000)
            EXPECT_EQ(got, expected);
        else
            EXPECT_EQ(got.size(), 100u);  // one pixel per column across the image
    }
}

TEST(DcLines, HugeCoordinatesDrawOnlyTheVisiblePart)
{
    // Off-scale values reach the painters as coordinates far outside; nothing may loop over them.
    QImage img = White(50, 50);
    Dc dc(img);
    dc.MoveTo(-2000000000, -2000000000);
    dc.LineTo(2000000000, 2000000000);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(dc.GetPixel(i, i), RGB(0, 0, 0));
    QImage wide = White(50, 50);
    Dc dw(wide);
    dw.SelectObject(Pen(RGB(0, 0, 0), 5));
    dw.MoveTo(-2000000000, 25);
    dw.LineTo(2000000000, 25);
    EXPECT_EQ(NonWhite(wide).size(), 50u * 5);
    // Shapes far larger than the image cover all of it.
    dw.SelectStockObject(NULL_PEN);
    dw.SelectObject(Brush(RGB(0, 0, 255)));
    const POINT big[] = {{-2000000000, -2000000000}, {2000000000, -2000000000}, {0, 2000000000}};
    dw.Polygon(big, 3);
    EXPECT_EQ(dw.GetPixel(0, 0), RGB(0, 0, 255));
    EXPECT_EQ(dw.GetPixel(49, 49), RGB(0, 0, 255));
    dw.SelectObject(Brush(RGB(0, 255, 0)));
    dw.Ellipse(-2000000000, -2000000000, 2000000000, 2000000000);
    EXPECT_EQ(dw.GetPixel(0, 0), RGB(0, 255, 0));
    EXPECT_EQ(dw.GetPixel(49, 49), RGB(0, 255, 0));
}

TEST(DcLines, DotsAreThreeOnThreeOffAndOpaqueGapsTakeTheBackground)
{
    for (int mode : {OPAQUE, TRANSPARENT}) {
        QImage img = White(40, 4);
        Dc dc(img);
        dc.SelectObject(Pen(RGB(0, 0, 255), 1, PS_DOT));
        dc.SetBkColor(RGB(255, 0, 0));
        dc.SetBkMode(mode);
        // Drawn in two pieces: the pattern runs on across them.
        dc.MoveTo(0, 1);
        dc.LineTo(4, 1);
        dc.LineTo(30, 1);
        for (int x = 0; x < 30; ++x) {
            const COLORREF expect = (x % 6) < 3 ? RGB(0, 0, 255) : mode == OPAQUE ? RGB(255, 0, 0) : RGB(255, 255, 255);
            EXPECT_EQ(dc.GetPixel(x, 1), expect) << "x=" << x << " mode " << mode;
        }
        EXPECT_EQ(dc.GetPixel(30, 1), RGB(255, 255, 255));
    }
}

TEST(DcLines, DashPatternsHaveGdiRunLengths)
{
    struct Case {
        int style;
        std::vector<int> runs;
    };
    for (const Case& c : {Case{PS_DASH, {18, 6}}, Case{PS_DASHDOT, {9, 6, 3, 6}}, Case{PS_DASHDOTDOT, {9, 3, 3, 3, 3, 3}}}) {
        QImage img = White(60, 3);
        Dc dc(img);
        dc.SetBkMode(TRANSPARENT);
        dc.SelectObject(Pen(RGB(0, 0, 0), 1, c.style));
        const POINT pts[] = {{0, 1}, {25, 1}, {48, 1}};  // the pattern runs on round the vertex
        dc.Polyline(pts, 3);
        int x = 0;
        for (int rep = 0; rep < 2; ++rep)
            for (std::size_t i = 0; i < c.runs.size(); ++i)
                for (int k = 0; k < c.runs[i] && x < 48; ++k, ++x)
                    EXPECT_EQ(dc.GetPixel(x, 1), (i % 2 == 0) ? RGB(0, 0, 0) : RGB(255, 255, 255))
                        << "style " << c.style << " x " << x;
    }
}

TEST(DcLines, WidePensAreExactlyWideWithRoundEnds)
{
    QImage img = White(60, 30);
    Dc dc(img);
    dc.SelectObject(Pen(RGB(0, 0, 0), 3));
    dc.MoveTo(10, 10);
    dc.LineTo(30, 10);
    const COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255);
    for (int y : {9, 10, 11})
        EXPECT_EQ(dc.GetPixel(20, y), black);
    EXPECT_EQ(dc.GetPixel(20, 8), white);
    EXPECT_EQ(dc.GetPixel(20, 12), white);
    // Round ends: the end pixels reach one further on the centre row only.
    EXPECT_EQ(dc.GetPixel(9, 10), black);
    EXPECT_EQ(dc.GetPixel(31, 10), black);
    for (int y : {9, 11}) {
        EXPECT_EQ(dc.GetPixel(9, y), white);
        EXPECT_EQ(dc.GetPixel(31, y), white);
        EXPECT_EQ(dc.GetPixel(10, y), black);
    }
    // An even width covers the row of the line and the one above.
    dc.SelectObject(Pen(RGB(0, 0, 0), 2));
    dc.MoveTo(10, 20);
    dc.LineTo(30, 20);
    EXPECT_EQ(dc.GetPixel(20, 19), black);
    EXPECT_EQ(dc.GetPixel(20, 20), black);
    EXPECT_EQ(dc.GetPixel(20, 18), white);
    EXPECT_EQ(dc.GetPixel(20, 21), white);
}

TEST(DcLines, XorDrawnTwiceRestoresTheImage)
{
    QImage img(120, 90, QImage::Format_RGB32);
    std::mt19937 rng(7);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, 0xFF000000u | (rng() & 0xFFFFFF));
    const QImage original = img.copy();
    Dc dc(img);
    dc.SetROP2(R2_XORPEN);
    auto draw = [&] {
        for (int w : {1, 2, 3, 5}) {
            dc.SelectObject(Pen(RGB(255, 0, 255), w, w == 1 ? PS_DASHDOT : PS_SOLID));
            const POINT zig[] = {{5, 5}, {60, 30}, {10, 50}, {100, 80}, {100, 10}, {70, 70}};
            dc.Polyline(zig, 6);
            dc.SelectObject(Brush::Hatched(HS_DIAGCROSS, RGB(0, 255, 0)));
            dc.Rectangle(20 + w, 20, 70, 60 + w);
            dc.SelectObject(Brush(RGB(10, 20, 30)));
            dc.Ellipse(30, 10 + w, 110, 70);
            dc.RoundRect(2, 2, 50 + w, 40, 12, 9);
            const POINT star[] = {{60, 0}, {80, 85}, {20, 30}, {110, 30}, {30, 85}};
            dc.Polygon(star, 5);
        }
    };
    draw();
    EXPECT_NE(img, original);
    draw();
    EXPECT_EQ(img, original);
}

TEST(DcLines, MaskPenKeepsBlackAndGreysWhite)
{
    QImage img = White(40, 20);
    Dc dc(img);
    dc.MoveTo(0, 10);
    dc.LineTo(40, 10);
    dc.SetROP2(R2_MASKPEN);
    dc.SelectObject(Pen(RGB(192, 192, 192), 1));
    dc.SelectObject(Brush(RGB(192, 192, 192)));
    dc.Rectangle(5, 5, 35, 15);
    EXPECT_EQ(dc.GetPixel(20, 10), RGB(0, 0, 0));
    EXPECT_EQ(dc.GetPixel(20, 7), RGB(192, 192, 192));
    EXPECT_EQ(dc.GetPixel(5, 10), RGB(0, 0, 0));
    EXPECT_EQ(dc.GetPixel(2, 7), RGB(255, 255, 255));

    // The other mixes on one pixel each.
    struct Mix {
        int rop;
        COLORREF expect;
    };
    const COLORREF pen = RGB(0xF0, 0x0F, 0x55), dst = RGB(0xCC, 0xAA, 0x0F);
    for (const Mix& m : {Mix{R2_COPYPEN, pen}, Mix{R2_XORPEN, RGB(0x3C, 0xA5, 0x5A)}, Mix{R2_NOTXORPEN, RGB(0xC3, 0x5A, 0xA5)},
                         Mix{R2_MASKPEN, RGB(0xC0, 0x0A, 0x05)}, Mix{R2_MERGEPEN, RGB(0xFC, 0xAF, 0x5F)},
                         Mix{R2_NOT, RGB(0x33, 0x55, 0xF0)}, Mix{R2_NOP, dst}}) {
        dc.SetROP2(R2_COPYPEN);
        dc.SetPixel(1, 1, dst);
        dc.SetROP2(m.rop);
        dc.SelectObject(Pen(pen));
        dc.MoveTo(1, 1);
        dc.LineTo(2, 1);
        EXPECT_EQ(dc.GetPixel(1, 1), m.expect) << "mix " << m.rop;
    }
}
