#pragma once
// Where the formation tops cross the plot, where the gamma panels stand and what they draw, and where
// the target path runs: plain geometry of the sections and the loaded logs, which the painters of
// horizontal/draw/horzlogpainters.cpp ink. Columns follow MD (plotLeft + (MD - first) x pixelsPerUnit),
// rows follow TVD through a section (pathTop + (TVD - section start TVD) x pixels per TVD unit).
#include "horizontal/horzlogs.h"
#include "horizontal/horzsetup.h"
#include "platform/gdi.h"
#include "wellfile/record.h"
#include "wellfile/topsex.h"

#include <QString>

#include <cstdint>
#include <span>
#include <vector>

namespace horizontal {

// The section holding column x: the first whose end column lies beyond x, else 0.
int SectionOfColumn(std::span<const wellfile::HorzSection> sections, int x);

// ---- Formation tops ----

// The tops to draw, in the order the record walk meets them: from `start` the walk steps back while a
// record lies above the first top's TVD and the least TVD, then goes forward over at most `n` records,
// ending after one at or past the greatest TVD, at or past the file's last depth, or of depth 0. A top
// marked for the view is drawn when a record's depth lies within 1 of its truncated TVD. With more
// than 10 tops the last is left out.
std::vector<int> TopsToDraw(std::span<const wellfile::RECORD> records, int start, int n,
                            std::span<const wellfile::TOPSEX> tops, std::int32_t leastTvd, std::int32_t greatestTvd,
                            std::int32_t fileLastDepth);

// A section's dip as the crossings use it: over 20 in size it is taken as 1/28.8 of the stored value.
float CrossingDip(float dip);

struct CrossingInputs {
    float topMd = 0, topTvd = 0;
    std::int32_t thickness = 0;  // TVD units
    bool baseLines = true;       // the set-up's byte at 952 is 0
    std::int32_t plotFirstDepth = 0;
    int pixelsPerUnit = 8, plotLeft = 50, plotRight = 0, pathTop = 0;
    float rise = 0;  // the top's dip rise accumulated over the sections before
    // VS at the section's end MD (held to the file's last depth) less VS at the top's MD: the length
    // the dip acts over when the top lies at or after the section's start MD.
    float vsSpan = 0;
};
struct Crossing {
    bool drawn = false;  // false: the row lies above pathTop
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    float rise = 0;       // the accumulated rise after this section
    bool base = false;    // the base line below, by the top's thickness
    int baseY1 = 0, baseY2 = 0;
    bool label = false;   // the MD lies strictly inside the section
    bool box = false;     // a box behind the label may be drawn (first section only)
};
// The crossing of one top in section `index`.
Crossing CrossingIn(std::span<const wellfile::HorzSection> sections, int index, const CrossingInputs& in);

// The label: the name, or with label mode on the name, TVD and subsea depth (KB - TVD), or "No Kb".
QString CrossingLabel(const wellfile::TOPSEX& top, float kbElevation);

// The colour a top is drawn in: a colour of 0 draws red.
platform::COLORREF CrossingColour(const wellfile::TOPSEX& top);

// ---- Gamma panels ----

// The rise of a length in a section: tan(dip) x |length|.
float StructuralRise(const wellfile::HorzSection& s, float length);

inline constexpr int kPanelSpacing = 150;  // records between target panels

struct PanelPlace {
    int column = 0;
    int section = 0;
    std::int32_t depth = 0;  // the depth under the panel, for the curve that follows it
    float rise = 0;          // the structural rise accumulated up to and with this panel
};
// The target panels along the plot: (last - first) / 150 + 1 of them, every 150 records, moved 10 px
// left within 50 px of their section's end; the walk ends after the first past plotRight. With
// `multiple` (one curve file per panel) no rise is carried.
std::vector<PanelPlace> TargetPanelPlaces(std::span<const wellfile::HorzSection> sections, std::int32_t plotFirstDepth,
                                          std::int32_t plotLastDepth, int pixelsPerUnit, int plotLeft,
                                          int plotRight, bool multiple);

struct PanelInputs {
    int column = 0;       // u
    float offset = 0;     // TVD units between the log's depth and the well's
    float rise = 0;       // the structural rise in force
    double scale = 1;     // pixels per API unit
    int threshold = 0;    // highlight the gamma below this
    int pathTop = 0, pathBottom = 0;
};
struct PanelGeometry {
    int firstSlot = -1;                    // -1: nothing to draw
    std::vector<platform::POINT> line;     // from (u, pathTop), one TVD unit above the fill rows
    std::vector<platform::POINT> fill;     // (x, y) per slot
    std::vector<platform::POINT> thresholdPoints;
    int lastRow = 0;
};
// The panel of `count` samples standing at `in.column` in section `s`.
PanelGeometry PanelOf(std::span<const GammaSlot> samples, int count, const wellfile::HorzSection& s, const PanelInputs& in);

// The curve drawn by the next panel: the highest-numbered curve (1-based) of depth above 0 whose depth
// less 50 lies before `panelDepth`; `current` when there is none.
int NextCurve(std::span<const CurveLog> curves, int current, std::int32_t panelDepth);

// ---- Target path ----

// The path's points: the first `count` target points at their MD column (at least plotLeft) and the
// row of the section at that column.
std::vector<platform::POINT> TargetPathPoints(std::span<const platform::POINT> target, int count,
                                              std::span<const wellfile::HorzSection> sections, std::int32_t plotFirstDepth,
                                              int pixelsPerUnit, int plotLeft, int pathTop);
// The points drawn: the target count less 1, or the track point count when that is smaller.
int TargetPointCount(int targetCount, int trackPoints);

}  // namespace horizontal
