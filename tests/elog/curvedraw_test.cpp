// The GAMMA outline of the curve set: its scale by the gamma index, its points on both kinds of scale,
// the wrap of segments past the track's right edge, and the outline rendered into an image, where the
// pixels stand at the places the scale and the wrap give.
#include "elog/curvepoints.h"
#include "elog/curves.h"
#include "elog/draw/curvelines.h"
#include "platform/draw/dc.h"
#include "support/files.h"
#include "support/testmain.h"

#include <QImage>

#include <gtest/gtest.h>

#include <vector>

using elog::CurveRecord;
using elog::Curves;
using platform::POINT;

namespace {

constexpr platform::COLORREF kFill = platform::RGB(0, 200, 0);

// A curve set of `count` records (record i holding depth i, GAMMA `gamma(i)`) on the first track
// 100-300 with grid divisions of `division` pixels.
std::unique_ptr<Curves> GammaSet(int count, float (*gamma)(int), int index, float division = 8)
{
    std::vector<CurveRecord> rows(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        rows[std::size_t(i)].values[0] = float(i);
        rows[std::size_t(i)].values[elog::SLOT_GAMMA] = i > 0 ? gamma(i) : 0.0f;
    }
    const QString path = testing_support::TestDir() + "G.svc";
    testing_support::WriteBytes(path, testing_support::BytesOf(rows));
    elog::CurveOwner owner;
    owner.gammaScaleSetting = index;
    auto c = std::make_unique<Curves>(owner);
    EXPECT_EQ(c->LoadCurveFile(path), 1);
    elog::CurveLayout l;
    l.screenLeft = 100;
    l.screenRight = 300;
    l.screenDivision = division;
    l.offScaleFill = kFill;
    c->PrepareDraw(l, 16, false);
    return c;
}

QImage White()
{
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

bool Dark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }
// True when some pixel of column x between y0 and y1 is dark.
bool DarkInColumn(const QImage& image, int x, int y0, int y1)
{
    for (int y = y0; y <= y1; ++y)
        if (Dark(image, x, y))
            return true;
    return false;
}

}  // namespace

TEST(CurveDrawing, TheGammaIndexSetsTheScaleAndTheOutlineStandsWhereItSays)
{
    auto c = GammaSet(400, [](int) { return 75.0f; }, 4);
    EXPECT_EQ(c->gammaScaleIndex, 4);
    EXPECT_NEAR(c->gammaScale.factor, 25.0 * 8 / 150, 1e-5);
    EXPECT_EQ(c->gammaScale.origin, 100);
    EXPECT_EQ(c->pens[0].style, platform::PS_DOT);

    // A constant 75 is a vertical dotted line 100 pixels right of the track's left edge.
    QImage image = White();
    platform::Dc dc(image);
    elog::CurveLinesTarget t{0, 1, 16, 40, 280, false};
    ASSERT_EQ(elog::DrawCurveLines(dc, *c, t, 20, 100, elog::SLOT_GAMMA), 1);
    EXPECT_TRUE(DarkInColumn(image, 200, 40, 190));
    EXPECT_FALSE(DarkInColumn(image, 199, 40, 190));
    EXPECT_FALSE(DarkInColumn(image, 201, 40, 190));

    // Index 9 (full scale 1500): 750 lands on the same x.
    auto wide = GammaSet(400, [](int) { return 750.0f; }, 9);
    QImage second = White();
    platform::Dc dc2(second);
    ASSERT_EQ(elog::DrawCurveLines(dc2, *wide, t, 20, 100, elog::SLOT_GAMMA), 1);
    EXPECT_TRUE(DarkInColumn(second, 200, 40, 190));

    // A start past the data's last depth draws nothing and says so; a slot without data draws nothing.
    QImage none = White();
    platform::Dc dc3(none);
    EXPECT_EQ(elog::DrawCurveLines(dc3, *c, t, 20, 400, elog::SLOT_GAMMA), 0);
    EXPECT_EQ(elog::DrawCurveLines(dc3, *c, t, 20, 100, elog::SLOT_SONIC), 1);
    EXPECT_EQ(none, White());
}

TEST(CurveDrawing, ANewSetTakesTheSavedGammaIndexOnlyWhenItIsOneOfTheNine)
{
    const auto index = [](std::int32_t saved, bool alternate) {
        elog::CurveOwner owner;
        owner.gammaScaleSetting = saved;
        owner.alternateLayout = alternate;
        return Curves(owner).gammaScaleIndex;
    };
    EXPECT_EQ(index(7, false), 7);
    EXPECT_EQ(index(7, true), 4);
    EXPECT_EQ(index(0, false), 4);
    EXPECT_EQ(index(12, false), 4);
}

TEST(CurveDrawing, PointsStepOneRowAndTheCompressedScaleAveragesFiveRecords)
{
    std::vector<CurveRecord> rows(40);
    for (int i = 0; i < 40; ++i) {
        rows[std::size_t(i)].values[0] = float(i + 1);
        rows[std::size_t(i)].values[elog::SLOT_GAMMA] = float(10 * i);
    }
    elog::CurveScale scale;
    scale.origin = 100;
    scale.factor = 0.5f;
    std::vector<POINT> points(6);
    EXPECT_EQ(elog::BuildRecordPoints(rows, points, 4, elog::SLOT_GAMMA, scale, 15, 40, 1000), 4);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(points[std::size_t(i)].y, 40 + 15 * i) << i;  // an odd row height too
        EXPECT_EQ(points[std::size_t(i)].x, 100 + 5 * i) << i;
    }
    // The record of the last depth ends the walk: no segment runs to its point.
    EXPECT_EQ(elog::BuildRecordPoints(rows, points, 5, elog::SLOT_GAMMA, scale, 15, 40, 3), 1);

    elog::AveragedWalk w{8, 0.5f, 100, 40, false, 1000, 1000};
    EXPECT_EQ(elog::BuildAveragedPoints(rows, points, 3, elog::SLOT_GAMMA, w), 3);
    for (int i = 0; i < 4; ++i)  // (50i + 0 + 10 + 20 + 30 + 40) / 5 = 50i + 20
        EXPECT_EQ(points[std::size_t(i)].x, 100 + (50 * i + 20) / 2) << i;
    EXPECT_EQ(points[3].y, 40 + 3 * 8);
    // The end of the data mid-group: what was taken, still divided by five.
    w.lastDepth = 12;  // records 10 and 11 (depths 11, 12)
    EXPECT_EQ(elog::BuildAveragedPoints(rows, points, 5, elog::SLOT_GAMMA, w), 2);
    EXPECT_EQ(points[2].x, 100 + int((100.0f + 110.0f) / 5 * 0.5f));
}

TEST(CurveDrawing, SegmentsPastTheRightEdgeWrapFromTheLeftWithAWedge)
{
    // Track 100-300: inner left 101, width 199; a segment 8 high from y 40.
    elog::WrapPieces p = elog::WrapSegment(250, 40, 350, 8, 101, 300);
    ASSERT_EQ(p.lines, 2);
    EXPECT_EQ(p.line[0][0], (POINT{250, 40}));
    EXPECT_EQ(p.line[0][1], (POINT{300, 44}));
    EXPECT_EQ(p.line[1][0], (POINT{101, 44}));
    EXPECT_EQ(p.line[1][1], (POINT{151, 48}));
    ASSERT_EQ(p.wedgePoints, 4);
    EXPECT_EQ(p.wedge[0], (POINT{101, 40}));
    EXPECT_EQ(p.wedge[1], (POINT{149, 48}));
    EXPECT_EQ(p.wedge[2], (POINT{101, 48}));

    p = elog::WrapSegment(320, 40, 350, 8, 101, 300);
    ASSERT_EQ(p.lines, 1);
    EXPECT_EQ(p.line[0][0], (POINT{121, 40}));
    EXPECT_EQ(p.line[0][1], (POINT{151, 48}));
    ASSERT_EQ(p.wedgePoints, 5);
    EXPECT_EQ(p.wedge[1], (POINT{119, 40}));
    EXPECT_EQ(p.wedge[2], (POINT{149, 48}));

    p = elog::WrapSegment(350, 40, 250, 8, 101, 300);
    ASSERT_EQ(p.lines, 2);
    EXPECT_EQ(p.wedgePoints, 0);
    EXPECT_EQ(p.line[0][0], (POINT{151, 40}));
    EXPECT_EQ(p.line[0][1], (POINT{101, 44}));
    EXPECT_EQ(p.line[1][0], (POINT{300, 44}));
    EXPECT_EQ(p.line[1][1], (POINT{250, 48}));

    // Far beyond the track: held at the right edge.
    p = elog::WrapSegment(250, 40, 600, 8, 101, 300);
    EXPECT_EQ(p.line[1][1], (POINT{300, 48}));
    // Inside the track: nothing to wrap.
    EXPECT_EQ(elog::WrapSegment(150, 40, 200, 8, 101, 300).lines, 0);

    // Rendered: the wedge takes the off-scale fill (masked over white), the wrapped line shows on the
    // left, and nothing is drawn right of the edge.
    auto c = GammaSet(10, [](int) { return 0.0f; }, 4);
    const std::vector<POINT> segment{{250, 40}, {350, 48}};
    QImage image = White();
    platform::Dc dc(image);
    elog::FillCurvePolygon(dc, *c, segment.data(), 0, 8);
    EXPECT_EQ(image.pixel(105, 46) & 0xFFFFFF, 0x00C800u);
    EXPECT_EQ(image.pixel(200, 46) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_TRUE(DarkInColumn(image, 275, 41, 43));
    EXPECT_FALSE(DarkInColumn(image, 320, 38, 60));
    EXPECT_EQ(dc.GetROP2(), platform::R2_COPYPEN);
}

TEST(CurveDrawing, AWindowTallerThanTheOldBufferGetsItsWholeOutline)
{
    // 300 rows from a gamma growing with depth: the last point stands where the scale puts the last
    // record, the record of depth 1 + 300, 300 rows below the first.
    auto c = GammaSet(1000, [](int i) { return float(i % 100); }, 4);
    QImage image(400, 2600, QImage::Format_RGB32);
    image.fill(Qt::white);
    platform::Dc dc(image);
    elog::CurveLinesTarget t{0, 1, 16, 40, 2500, false};
    ASSERT_EQ(elog::DrawCurveLines(dc, *c, t, 300, 1, elog::SLOT_GAMMA), 1);
    ASSERT_GE(c->points.size(), 301u);
    EXPECT_EQ(c->points[300].y, 40 + 300 * 16);
    EXPECT_EQ(c->points[300].x, 100 + int(float(301 % 100) * c->gammaScale.factor));
}
