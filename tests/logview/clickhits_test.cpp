// What a click hits in numbers: the markers near the clicked depth and the drawn curves under the pointer.
#include "logview/clickhits.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using platform::POINT;

TEST(ClickHits, MarkersWithinTheirTolerance)
{
    const std::array<std::int32_t, 5> shows = {1100, 1300, 0, 1500, 0};
    EXPECT_EQ(logview::MarkerTolerance(2), 6);
    EXPECT_EQ(logview::MarkerTolerance(3), 10);
    EXPECT_EQ(logview::FindMarker(shows, 1094, 6), 0);
    EXPECT_EQ(logview::FindMarker(shows, 1306, 6), 1);
    EXPECT_EQ(logview::FindMarker(shows, 1093, 6), std::nullopt);
    EXPECT_EQ(logview::FindMarker(shows, 1310, 10), 1);
    // The table ends at its first 0: a marker after it is never found.
    EXPECT_EQ(logview::FindMarker(shows, 1500, 6), std::nullopt);
    // A table that was never filled holds depths near the top of the int range: no overflow.
    const std::array<std::int32_t, 2> unfilled = {0x7FFFFFFF, 0x30303030};
    EXPECT_EQ(logview::FindMarker(unfilled, 0x7FFFFFFF - 3, 6), 0);

    // A downtime note's box stands above its depth: from 4 above to 2 below.
    const std::array<std::int32_t, 3> downtime = {1120, 1400, 0};
    EXPECT_EQ(logview::FindDowntimeNote(downtime, 1116), 1120);
    EXPECT_EQ(logview::FindDowntimeNote(downtime, 1122), 1120);
    EXPECT_EQ(logview::FindDowntimeNote(downtime, 1115), std::nullopt);
    EXPECT_EQ(logview::FindDowntimeNote(downtime, 1123), std::nullopt);
    EXPECT_EQ(logview::FindDowntimeNote(downtime, 1401), 1400);
}

TEST(ClickHits, ElogCurveNearTheRowsPoints)
{
    // One point per row, on the row's top edge; T = 160, R = 10.
    std::vector<POINT> points(8);
    for (int i = 0; i < 8; ++i)
        points[std::size_t(i)] = {100 + 10 * i, 160 + 10 * i};
    // Row 2 tests points 1, 2 and 3 (x 110, 120, 130).
    EXPECT_TRUE(logview::HitElogCurve(points, 108, 185, 160, 10));   // 110 - 3 < 108
    EXPECT_TRUE(logview::HitElogCurve(points, 134, 185, 160, 10));   // 134 < 130 + 5
    EXPECT_FALSE(logview::HitElogCurve(points, 135, 185, 160, 10));
    EXPECT_FALSE(logview::HitElogCurve(points, 107, 185, 160, 10));
    // Row 0 has no point -1: only points 0 and 1, not point 2.
    EXPECT_TRUE(logview::HitElogCurve(points, 98, 165, 160, 10));
    EXPECT_FALSE(logview::HitElogCurve(points, 90, 165, 160, 10));
    EXPECT_FALSE(logview::HitElogCurve(points, 119, 165, 160, 10));
    // The last row's neighbour past the list is not read; above the rows nothing hits.
    EXPECT_TRUE(logview::HitElogCurve(points, 170, 235, 160, 10));
    EXPECT_FALSE(logview::HitElogCurve(points, 100, 500, 160, 10));
    EXPECT_FALSE(logview::HitElogCurve(points, 100, 150, 160, 10));
    EXPECT_FALSE(logview::HitElogCurve({}, 100, 165, 160, 10));
}

TEST(ClickHits, OffsetCurveWhereTheWalkStops)
{
    std::vector<POINT> points;
    for (int i = 0; i < 40; ++i)
        points.push_back({200 + 20 * i, 170 + 10 * i});
    // The walk passes the points above y = 195 (170, 180, 190) and stops at index 3: points 2 to 4.
    EXPECT_TRUE(logview::HitOffsetCurve(points, 243, 195, 880));   // point 2 at 240
    EXPECT_TRUE(logview::HitOffsetCurve(points, 283, 195, 880));   // point 4 at 280
    EXPECT_FALSE(logview::HitOffsetCurve(points, 284, 195, 880));
    EXPECT_FALSE(logview::HitOffsetCurve(points, 216, 195, 880));  // point 1 is not a neighbour
    // Every point is walked: a click far down the curve tests the points there (35 to 37 at y = 530).
    EXPECT_TRUE(logview::HitOffsetCurve(points, 200 + 20 * 36, 530, 5000));
    EXPECT_TRUE(logview::HitOffsetCurve(points, 200 + 20 * 35 + 3, 530, 5000));
    EXPECT_FALSE(logview::HitOffsetCurve(points, 200 + 20 * 34, 530, 5000));
    // Past the last point the walk tests the last one.
    EXPECT_TRUE(logview::HitOffsetCurve(points, 200 + 20 * 39, 2000, 5000));
    // A walk that passes the whole short list tests its last point only.
    const std::vector<POINT> two = {{100, 170}, {110, 180}};
    EXPECT_TRUE(logview::HitOffsetCurve(two, 112, 300, 880));
    EXPECT_FALSE(logview::HitOffsetCurve({}, 100, 300, 880));
}
