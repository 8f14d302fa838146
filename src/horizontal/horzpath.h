#pragma once
// The walk of the well path over the plot's records: the survey stations (records whose TVD is a
// number above 0 and not deeper than their MD) as points in the path area, each section with its own
// vertical scale; the well-path table, the slope of the path at every record and the bit marker; and
// the painter's steps in order (labels, segments, section jumps, station marks, "P T B"). Pure values;
// horizontal/draw carries the steps out.
#include "horizontal/horzpipeline.h"
#include "horizontal/horztrack.h"
#include "platform/gdi.h"
#include "wellfile/record.h"

#include <span>
#include <vector>

namespace horizontal {

inline constexpr float kSurveyNull = -999.25f;

struct PathInputs {
    std::span<const wellfile::RECORD> records;  // from the first drawn record
    int count = 0;                              // the records of the drawn range
    std::int32_t plotFirstDepth = 0, plotLastDepth = 0;
    int plotLeft = 50, pixelsPerUnit = 8;
    int pathTop = 0;
    const SectionPlan* sections = nullptr;
    bool verticalGasScales = false;
};

struct PathStep {
    enum Kind { ScaleLabel, TvdLabel, Segment, ThinSegment, Jump, Station, PtbText } kind = Segment;
    platform::POINT from, to;  // a label's or mark's place in `from`
    int index = 0;             // the record (of the inputs' records) of a scale label; the section of a TVD label
};

struct PathPlan {
    std::vector<WellPathRow> table;     // one row per record walked, then ten zero rows
    int rows = 0;                       // rows walked
    std::vector<platform::POINT> points;  // the stations
    std::vector<float> slopes;          // one per record of the inputs
    platform::RECT bitMarker{};         // around the last station (empty: none)
    std::vector<PathStep> steps;
};

PathPlan WalkWellPath(const PathInputs& in);

}  // namespace horizontal
