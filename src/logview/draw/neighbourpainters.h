#pragma once
// The view's drawing calls into other subsystems: the track painters and the lithology column, the
// memos and flares, the short reports and the pictures. The view draws through one NeighbourPainters;
// each subsystem plugs its routines in by overriding the calls it draws (the base draws nothing), and
// a test passes a recording set. Every call draws through the Dc it is given, with the view's geometry
// and the device (screen or paper), and puts the Dc's objects and modes back before it returns.
//
// Arguments keep the order and meaning of the painters they stand for: per-row painters take one
// record and the row's y; whole-log painters take the first of `count` records (a span), the row height
// and the top y.
#include "logview/averages.h"
#include "logview/device.h"
#include "logview/viewgeometry.h"
#include "tracks/elogview.h"
#include "tracks/lithrowplan.h"
#include "wellfile/customdata.h"
#include "wellfile/record.h"

#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace platform {
class Dc;
}
namespace elog {
class Curves;
}

namespace logview {

using Records = std::span<const wellfile::RECORD>;

// The custom-data records of a paint: the whole buffer and the index of the first row's record (the top
// line's is the one before it). Absent when the index lies outside the buffer.
struct CustomRecords {
    std::span<const wellfile::CUSTDATAREC> all;
    std::size_t first = 0;
    bool Present() const { return first < all.size(); }
};

// The y where a printed page's rows end: a y on the page, never a depth.
struct PageBottomY {
    int y = 0;
};

// Everything a neighbour painter is handed besides its own arguments.
struct PaintTarget {
    platform::Dc& dc;
    const ViewGeometry& geometry;
    const Device& device;
};

class NeighbourPainters {
public:
    virtual ~NeighbourPainters() = default;

    // ---- Track painters and the lithology column ----
    virtual void DrawTextColumn(const PaintTarget&, const wellfile::RECORD&, int y, int rowHeight) {}
    // The lithology row of records[index] (on the compressed scales, of the five records from it);
    // `interpreted` 0: the lithology text, 1: the interpreted lithology. `split` stacks the items
    // downwards from x = rowHeight. `rowCounter` is the pass's row: its parity staggers the patterns.
    // Returns 1 for a compressed row or a row in text order, else 0.
    virtual int DrawLithology(const PaintTarget&, Records records, std::size_t index, int rowHeight, int y,
                              int rowCounter, int split, int interpreted) { return 0; }
    // The gas curves of records[index]'s row (the records after it give the compressed scales' maxima).
    // Starts its curves afresh when rowCounter is 0; `previous` joins the row to records[index - 1].
    virtual void DrawGasCurves(const PaintTarget&, Records records, std::size_t index, int y, int rowCounter,
                               bool percent, bool previous) {}
    virtual int DrawGasScaleHeader(const PaintTarget&, const wellfile::RECORD&, int y, int rowHeight, int flag) { return 1; }
    virtual void DrawMudInOut(const PaintTarget&, const wellfile::RECORD&, int rowHeight, int y) {}
    // The record curves and the chromatograph track: `count` rows from records[first], the first with its
    // top at topY. They read the record before records[first] for their starting point (the curves only
    // when `continued` joins a one-row repaint to the row above), and the records after the rows on the
    // compressed scales.
    virtual void DrawAveragedCurve(const PaintTarget&, Records records, std::size_t first, int count, int rowHeight,
                                   int topY, bool continued) {}
    virtual void DrawDataCurve(const PaintTarget&, Records records, std::size_t first, int count, int rowHeight,
                               int topY, bool continued) {}
    virtual void DrawRecordCurve(const PaintTarget&, Records records, std::size_t first, int count, int rowHeight,
                                 int topY, bool continued) {}
    virtual void DrawLinearCurve(const PaintTarget&, Records records, std::size_t first, int count, int rowHeight,
                                 int topY, bool continued) {}
    virtual void DrawChromatographTrack(const PaintTarget&, Records records, std::size_t first, int count,
                                        int rowHeight, int topY) {}
    // The printed gas track (paper only): the row of records[index] with its top at y, or `count` records
    // from records[first] in one call; `ratio` draws the gas ratio column. 0 when nothing may be drawn.
    virtual int PrintCurveTrack(const PaintTarget&, Records records, std::size_t index, int rowHeight, bool ratio,
                                int y) { return 1; }
    virtual int PrintCurveTrack2(const PaintTarget&, Records records, std::size_t first, int rowHeight, int count,
                                 bool ratio, int y) { return 1; }
    virtual void DrawTopsColumn(const PaintTarget&, Records, int rowHeight, int topY) {}
    virtual void DrawRatingColumn(const PaintTarget&, Records, int rowHeight, int topY) {}
    // The fluorescence and the hardness columns: `count` rows from records[first], the first with its top
    // at topY. They start from the value of the record before records[first] where it is in the buffer
    // (the fluorescence on paper only: a printed page carries the last page's percent on).
    virtual void DrawBoxColumn(const PaintTarget&, Records records, std::size_t first, int count, int rowHeight,
                               int topY) {}
    virtual void DrawPorosityColumn(const PaintTarget&, Records, int rowHeight, int topY) {}
    virtual void DrawBarColumn(const PaintTarget&, Records records, std::size_t first, int count, int rowHeight,
                               int topY) {}
    virtual void DrawBarColumn2(const PaintTarget&, Records, int rowHeight, int topY) {}
    virtual void DrawTrackScaleHeader(const PaintTarget&, int y, int rowHeight, int flag) {}
    virtual void DrawTrackScaleHeader2(const PaintTarget&, int y, int rowHeight) {}
    // Writes the Windows-1252 `text` downwards, one character a line centred at x, each `step` lower.
    virtual void DrawVerticalText(const PaintTarget&, const std::string& text, int x, int y, int step) {}
    // The custom tracks: `rows` rows from the record of the top line at topY (records[0]), down to
    // `stopDepth`. `instantMode` 0 is a paint, 1 a drilling step's row and 2 a WITS step's.
    virtual void PaintCustomTracks(const PaintTarget&, Records records, CustomRecords custom, int topY, int rows,
                                   int rowHeight, std::int32_t stopDepth, int instantMode) {}

    // ---- Memos and flares ----
    // The memos from `topDepth` down, the first row at topY. On paper the rest of the memos the last page
    // cut off comes first (unless DrawMemoBox drew it already), and a memo that reaches the bottom reserve
    // of this page, whose rows end at `pageBottom`, is left to the next (PendingMemo); the screen's drawing
    // ends at the log's bottom and ignores it.
    virtual void DrawMemos(const PaintTarget&, std::int32_t topDepth, PageBottomY pageBottom, int rowHeight, int topY) {}
    // The flares of `count` records from records[first], the first with its point at topY. The profile
    // starts from the record before records[first] (its own value when it is the buffer's first).
    virtual void DrawFlarePolygon(const PaintTarget&, Records records, std::size_t first, int count, int rowHeight,
                                  int topY, int x, int width, float scale) {}
    virtual void DrawFlareTrack(const PaintTarget&, Records records, std::size_t first, int count, int rowHeight,
                                int topY) {}
    virtual void DrawFlareTrackLines(const PaintTarget&, Records records, std::size_t first, int count, int rowHeight,
                                     int topY) {}

    // The memo boxes inside a custom track at x: the descriptions from `firstDepth` on within `height`
    // below y (on paper after the rest of those the last page cut off); and the rest of one memo that
    // the last printed page cut off, by its index, at the top of the next page (at x, or at its own slot
    // with x 0). Drawing it forgets it; a memo that was not cut off draws nothing.
    virtual void DrawMemosAt(const PaintTarget&, std::int32_t firstDepth, int height, int rowHeight, int y, int x) {}
    virtual void DrawMemoBox(const PaintTarget&, int memo, int rowHeight, int y, int x) {}
    // A memo that the last printed page's DrawMemos cut off, -1 none: the next page draws each with
    // DrawMemoBox (x 0) until none is left.
    virtual int PendingMemo() const { return -1; }

    // ---- Short reports ----
    // The boxes of the reports below fromDepth, on rows down to toDepth. On paper, `runEnds`: the run's
    // rows end on this page, so a box below its last row runs on to the paper's foot (no page follows to
    // go on at) and no report past the last row is drawn.
    virtual void DrawShortReports(const PaintTarget&, std::int32_t fromDepth, std::int32_t toDepth, int rowHeight, int topY,
                                  bool runEnds) {}
    // The short-report boxes inside a custom track at x (as DrawMemosAt), and one report in the compact
    // layout by its index.
    virtual void DrawShortReportsAt(const PaintTarget&, std::int32_t firstDepth, int height, int rowHeight, int y,
                                    int x) {}
    virtual void DrawShortReportsCompact(const PaintTarget&, int report, int rowHeight, int y, int x) {}

    // ---- Pictures and e-log curves ----
    // The next picture after `start` whose depth is `depth`, or -1.
    virtual int FindNextImageAtDepth(std::int32_t depth, int start) { return -1; }
    virtual void DrawImage(const PaintTarget&, int picture, int y) {}
    // A picture in a custom track: at x with its top at y, scaled to `width` (its own size with
    // `actualSize`, not on paper); `continuation` draws the rest of the picture cut at the last page.
    virtual void DrawImageAt(const PaintTarget&, int picture, int y, int x, int width, bool actualSize,
                             bool continuation) {}
    virtual void DrawImageMarkers(const PaintTarget&) {}
    // The GAMMA outline of the e-log curves over `rows` rows from the depth `topDepth` (at the e-log
    // depth shift), the point of each depth where the rate curve has its own. 0 when the shifted top lies
    // past the curve data's last depth. Only the depth-match drag draws it.
    virtual int DrawCurveLines(const PaintTarget&, int rows, std::int32_t topDepth) { return 1; }
    // The points of that outline kept in the curve set for the click that starts the drag, nothing
    // drawn: false when there are none.
    virtual bool PlaceCurveLines(const ViewGeometry&, int rows, std::int32_t topDepth) { return false; }
    // The curve set whose outline DrawCurveLines draws (null while none is loaded).
    virtual void SetElogOutline(elog::Curves* curves) {}
    // The e-log curves the painters read from now on: the set's row view (null while none is loaded) and
    // the automatic lithology made over it. Called whenever a curve set comes or goes.
    virtual void SetElogCurves(const tracks::ElogView* view, tracks::AutomaticLith automaticLith) {}
    // The row view SetElogCurves last gave (null while none is loaded), for the read-outs of a click.
    virtual const tracks::ElogView* ShownElogView() const { return nullptr; }

    // ---- Drilling mode ----
    // The drilling status display, which takes the title band over while drilling mode is on.
    virtual void DrawDrillingStatus(const PaintTarget&) {}
};

// The rows of the hardness column over a run of `records` records: one a record, or one for each five
// (the last maybe fewer) on the compressed scales.
inline int BarColumnRows(const ViewGeometry& g, std::size_t records)
{
    return int(g.scaleIndex >= 3 ? (records + kGroupSize - 1) / kGroupSize : records);
}

// The rows of the e-log outline over the view: one a record (five records on the compressed scales,
// where the walk ends at the log's bottom), ending at the file's last depth.
inline int ElogOutlinePoints(const ViewGeometry& g)
{
    const long long rows = std::min<long long>(g.visibleRows, (long long)g.fileLastDepth - g.viewTopDepth);
    return int(std::clamp<long long>(rows, 0, 1 << 20));
}

// The set that draws nothing, in force until the subsystems plug theirs in.
NeighbourPainters& NoNeighbourPainters();

}  // namespace logview
