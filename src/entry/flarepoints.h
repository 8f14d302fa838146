#pragma once
// Where the flare drawings stand: the point lists of the flare polygon in the gas track, the flare track
// (the red profile, its yellow wrap past 50 and the flare texts), the compressed flare track and the
// step drawn while flares are typed in. Pure functions of the records and the numbers of the drawing;
// the painters of entry/draw/flares.h draw what these return.
//
// Records are given as a buffer and the index of the first: a profile that starts from the record before
// the first reads buffer[first - 1], or the first record's own value at the buffer's start.
#include "platform/gdi.h"
#include "wellfile/record.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace entry {

using FlareRecords = std::span<const wellfile::RECORD>;

constexpr int kFlareTrackCells = 20;      // the flare track is 20 cells wide
constexpr int kFlarePolygonCells = 10;    // the gas track's flare cells
constexpr int kFlareTrackFullScale = 50;  // flare units across the flare track; longer ones wrap once

// Where a walk over the records stops besides its count.
struct FlareWalkLimits {
    std::int32_t lastDepth = 0;  // the file's last depth
    bool screen = true;          // on the screen the walk also stops below the log
    int logBottomY = 0;
};

// The flare polygon: the outline with its closing points, and whether it is drawn.
struct FlareOutline {
    std::vector<platform::POINT> points;
    bool draw = false;
};

// The polygon of `count` records from buffer[first] on the normal scales: x = left + flare x scale held
// within the strip, one row apart from startY. The top point starts from the record before the first,
// or at the left edge on paper with `paperFromLeft`. Drawn only when some flare is not 0.
FlareOutline FlarePolygonPoints(FlareRecords buffer, std::size_t first, int count, int rowHeight, int startY, int left,
                                int width, float scale, bool paperFromLeft, const FlareWalkLimits& limits);
// The same on the compressed scales: one point per record a tenth of a row apart; always drawn.
FlareOutline CompressedFlarePolygonPoints(FlareRecords buffer, std::size_t first, int count, int rowHeight,
                                          int startY, int left, int width, float scale, const FlareWalkLimits& limits);

// The flare track's place: 20 cells of `cell` from `left`, 50 flare units across.
struct FlareTrackPlace {
    int left = 0;
    int cell = 0;
    int Width() const { return kFlareTrackCells * cell; }
    int Right() const { return left + Width(); }
    float Scale() const { return 0.02f * float(Width()); }  // pixels per flare unit
};
// The flare track stands in the last 20 cells of the gas track.
FlareTrackPlace FlareTrackAt(int gasRight, int gasCell);

// One record's place on the flare track.
struct FlareTrackPoint {
    std::int32_t depth = 0;
    int y = 0;
    std::string text;  // the record's flare text
};

// The flare track's profiles over the records walked.
struct FlareTrackProfile {
    std::vector<platform::POINT> red;     // closed to the left edge at the first and last y
    std::vector<platform::POINT> yellow;  // the wrap past 50 units, closed the same way
    bool drawYellow = false;              // some point of the wrap lies right of the left edge
    std::vector<FlareTrackPoint> rows;    // each record walked, for the grid lines and the texts
};

// The flare track of `count` records from buffer[first], one row apart from startY. On paper the profile
// starts with the record before the first at startY.
FlareTrackProfile FlareTrackPoints(FlareRecords buffer, std::size_t first, int count, int rowHeight, int startY,
                                   const FlareTrackPlace& place, bool paper, const FlareWalkLimits& limits);

// The compressed flare track: one point per group of five records (the group's greatest flare), one row
// apart; `ap` is the red line on the "AP" scale read from the right edge.
struct FlareTrackLines {
    FlareTrackProfile profile;
    std::vector<platform::POINT> ap;
};
FlareTrackLines FlareTrackLinePoints(FlareRecords buffer, std::size_t first, int count, int rowHeight, int startY,
                                     const FlareTrackPlace& place, const FlareWalkLimits& limits);

// The step drawn while flares are typed in: from the record's flare at y to the next record's one row down.
struct FlareStepLine {
    platform::POINT from, to;
};
FlareStepLine FlareStepPoints(const wellfile::RECORD& record, const wellfile::RECORD& next, int rowHeight, int y,
                              const FlareTrackPlace& place);

}  // namespace entry
