// Where the flare drawings stand: the gas track's polygon, the flare track's red profile and yellow wrap,
// their compressed forms and the step drawn while typing.
#include "entry/flarepoints.h"

#include <gtest/gtest.h>

#include <vector>

using entry::FlareWalkLimits;
using platform::POINT;
using wellfile::RECORD;

namespace {

// Records of consecutive depths from `top` with the given flare lengths, then blank records.
std::vector<RECORD> Flares(int top, std::vector<int> lengths, std::size_t size = 0)
{
    std::vector<RECORD> b(std::max(size, lengths.size()));
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        b[i].depth = top + int(i);
        b[i].flareLength = std::uint16_t(lengths[i]);
    }
    return b;
}

const FlareWalkLimits kPaper{2000, false, 0};

std::vector<int> Xs(const std::vector<POINT>& p, std::size_t from, std::size_t n)
{
    std::vector<int> x;
    for (std::size_t i = from; i < from + n && i < p.size(); ++i)
        x.push_back(p[i].x);
    return x;
}

}  // namespace

// Ten gas cells of 10 pixels from x 500, 100 flare units across: one unit a pixel.
TEST(FlarePolygonPoints, ProfileStartsFromTheRecordAboveAndIsHeldWithinTheStrip)
{
    const std::vector<RECORD> b = Flares(1000, {20, 50, 0, 150, 7});
    const entry::FlareOutline o = entry::FlarePolygonPoints(b, 1, 4, 10, 200, 500, 100, 1.0f, false, kPaper);
    ASSERT_TRUE(o.draw);
    // The top point takes the record above the first; the others one row apart.
    EXPECT_EQ(Xs(o.points, 0, 4), (std::vector<int>{520, 500, 600, 507}));
    EXPECT_EQ(o.points[3].y, 230);
    // Closed to the left edge at the last and first y, then back to the start.
    const std::size_t n = o.points.size();
    EXPECT_EQ(o.points[n - 3], (POINT{500, 230}));
    EXPECT_EQ(o.points[n - 2], (POINT{500, 200}));
    EXPECT_EQ(o.points[n - 1], (POINT{520, 200}));

    // At the buffer's start the first record gives its own value; nothing before the buffer is read.
    const entry::FlareOutline own = entry::FlarePolygonPoints(b, 0, 3, 10, 200, 500, 100, 1.0f, false, kPaper);
    EXPECT_EQ(own.points[0].x, 520);
    // On paper the flag starts the profile at the left edge.
    const entry::FlareOutline fromLeft = entry::FlarePolygonPoints(b, 1, 3, 10, 200, 500, 100, 1.0f, true, kPaper);
    EXPECT_EQ(fromLeft.points[0].x, 500);
}

TEST(FlarePolygonPoints, WalkEndsAtTheLastDepthABlankRecordOrTheLogBottom)
{
    const std::vector<RECORD> b = Flares(1000, {5, 5, 5, 5, 5, 5}, 8);
    // The record of the file's last depth is the last point.
    FlareWalkLimits lastAt1003{1003, false, 0};
    EXPECT_EQ(entry::FlarePolygonPoints(b, 0, 8, 10, 0, 500, 100, 1.0f, false, lastAt1003).points.back().y, 0);
    EXPECT_EQ(entry::FlarePolygonPoints(b, 0, 8, 10, 0, 500, 100, 1.0f, false, lastAt1003).points.size(), 4u + 3u);
    // A blank record ends it: six records, six points and the three closing ones.
    EXPECT_EQ(entry::FlarePolygonPoints(b, 0, 8, 10, 0, 500, 100, 1.0f, false, kPaper).points.size(), 6u + 3u);
    // On the screen it ends once a row passes the log's bottom by more than a row.
    const FlareWalkLimits screen{2000, true, 20};
    EXPECT_EQ(entry::FlarePolygonPoints(b, 0, 8, 10, 0, 500, 100, 1.0f, false, screen).points.size(), 4u + 3u);
    // A count past the buffer reads no further than its end.
    EXPECT_EQ(entry::FlarePolygonPoints(b, 6, 50, 10, 0, 500, 100, 1.0f, false, kPaper).points.size(), 1u + 3u);
    // Nothing without a left x.
    EXPECT_TRUE(entry::FlarePolygonPoints(b, 0, 8, 10, 0, 0, 100, 1.0f, false, kPaper).points.empty());
}

TEST(FlarePolygonPoints, AllZeroWalkIsNotDrawnButCompressedAlwaysIs)
{
    const std::vector<RECORD> zero = Flares(1000, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_FALSE(entry::FlarePolygonPoints(zero, 1, 10, 10, 0, 500, 100, 1.0f, false, kPaper).draw);

    // Compressed: a point per record, trunc(0.1 x 25) = 2 pixels apart; the walk stops before the
    // records within ten of the last depth.
    const FlareWalkLimits limits{1012, false, 0};
    const entry::FlareOutline c = entry::CompressedFlarePolygonPoints(zero, 0, 15, 25, 100, 500, 100, 1.0f, limits);
    EXPECT_TRUE(c.draw);
    ASSERT_EQ(c.points.size(), 3u + 3u);
    EXPECT_EQ(c.points[1].y, 102);
    EXPECT_EQ(c.points[2].y, 104);
}

// The flare track of 20 cells of 10 pixels from x 300: 50 units across, 4 pixels a unit.
TEST(FlareTrackPoints, LongFlaresWrapYellowFromTheLeftEdge)
{
    const entry::FlareTrackPlace place{300, 10};
    ASSERT_FLOAT_EQ(place.Scale(), 4.0f);
    const std::vector<RECORD> b = Flares(1000, {60, 30, 0});
    const entry::FlareTrackProfile p = entry::FlareTrackPoints(b, 0, 3, 10, 100, place, false, kPaper);
    // Red: 60 fills to the right edge, 30 reaches 120 pixels in; closed to the left at both ends.
    EXPECT_EQ(p.red.front(), (POINT{300, 100}));
    EXPECT_EQ(Xs(p.red, 1, 3), (std::vector<int>{500, 420, 300}));
    EXPECT_EQ(p.red.back(), (POINT{300, 120}));
    // Yellow: 60 - 50 = 10 units, 40 pixels; shorter ones stay at the left edge.
    EXPECT_EQ(Xs(p.yellow, 1, 3), (std::vector<int>{340, 300, 300}));
    EXPECT_TRUE(p.drawYellow);
    EXPECT_FALSE(entry::FlareTrackPoints(Flares(1000, {30, 50}), 0, 2, 10, 100, place, false, kPaper).drawYellow);
}

TEST(FlareTrackPoints, PaperStartsWithTheRecordBeforeTheFirst)
{
    std::vector<RECORD> b = Flares(1000, {10, 20, 30});
    std::snprintf(b[1].shortText, sizeof b[1].shortText, "%s", "GAS");
    const entry::FlareTrackPlace place{300, 10};
    const entry::FlareTrackProfile screen = entry::FlareTrackPoints(b, 1, 2, 10, 100, place, false, kPaper);
    ASSERT_EQ(screen.rows.size(), 2u);
    EXPECT_EQ(screen.rows[0].y, 100);
    EXPECT_EQ(screen.rows[0].text, "GAS");
    const entry::FlareTrackProfile paper = entry::FlareTrackPoints(b, 1, 2, 10, 100, place, true, kPaper);
    EXPECT_EQ(Xs(paper.red, 1, 3), (std::vector<int>{340, 380, 420}));
    ASSERT_EQ(paper.rows.size(), 2u);
    EXPECT_EQ(paper.rows[0].depth, 1001);
    EXPECT_EQ(paper.rows[0].y, 110);
}

TEST(FlareTrackLinePoints, OnePointPerFiveRecordsFromTheirGreatestFlare)
{
    const entry::FlareTrackPlace place{300, 10};
    const std::vector<RECORD> b = Flares(1000, {0, 40, 5, 0, 0, 100, 0, 0, 0, 0, 0, 0});
    const entry::FlareTrackLines l = entry::FlareTrackLinePoints(b, 0, 12, 10, 100, place, kPaper);
    ASSERT_EQ(l.ap.size(), 3u);
    // The "AP" line from the right edge: 0.002 x 200 = 0.4 pixels a unit.
    EXPECT_EQ(l.ap[0], (POINT{484, 100}));
    EXPECT_EQ(l.ap[1], (POINT{460, 110}));
    EXPECT_EQ(l.ap[2].x, 500);
    EXPECT_EQ(Xs(l.profile.red, 1, 3), (std::vector<int>{460, 500, 300}));
    EXPECT_EQ(Xs(l.profile.yellow, 1, 3), (std::vector<int>{300, 500, 300}));
}

TEST(FlareStepPoints, RunsFromTheRecordsFlareToTheNextOneRowDown)
{
    const entry::FlareTrackPlace place{300, 10};
    const std::vector<RECORD> b = Flares(1000, {10, 90});
    const entry::FlareStepLine s = entry::FlareStepPoints(b[0], b[1], 10, 250, place);
    EXPECT_EQ(s.from, (POINT{340, 250}));
    EXPECT_EQ(s.to, (POINT{500, 260}));  // held at the track's right edge
}
