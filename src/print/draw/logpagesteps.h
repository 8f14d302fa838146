#pragma once
// The steps the two log page painters share: the header, the page-class margins, separators and the
// stop rule of the row loops, the whole-page columns, custom tracks, short reports, memos and pictures.
#include "logview/draw/paintsteps.h"
#include "platform/draw/dc.h"
#include "print/draw/logpage.h"

#include <optional>
#include <vector>

namespace print {

// Track flags the page painters test besides the named ones.
constexpr int kFlagLinearCurve = 27;
constexpr int kFlagMudWeights = 29;
constexpr int kFlagAveragedCurve = 31;
constexpr int kFlagFlarePolygon = 36;
constexpr int kFlagBarColumn = 38;

// True when the record's lithology is described: not empty and not "100bl" (in any case).
bool Described(const wellfile::RECORD& rec);

struct PageSteps {
    PageSteps(platform::Dc& d, LogPageFrame& frame);

    platform::Dc& dc;
    LogPageFrame& f;
    const logview::ViewGeometry& g;
    PageEdges edges;
    logview::PaintTarget target;
    logview::RateCurveMemory ownMemory;
    // The run's rows end on this page: no page follows for what runs on below its last row.
    bool runEnds = false;

    int Rh() const { return f.device.printer.rowHeight; }
    bool Metric() const { return f.device.rowStep; }
    bool Lithology() const { return g.Flag(layout::FLAG_LITHOLOGY) && !g.options.sandShaleOnly; }
    // The first profile separator is drawn on every row.
    bool ProfileSeparatorRow() const;
    // The printed gas track beside each row (the page's "rate curve" call).
    bool RateCurveRow() const;
    // The chromatograph track over the whole page.
    bool ChromatographProfile() const;
    // The row loop ends before a record of depth below 1, beyond the print bottom depth or past the
    // range's end (the buffer holds the records around a ten-foot range).
    bool Stops(const wellfile::RECORD& rec) const;
    // Each row is printed whole, on one page, with what is written under it; page-class pages keep the
    // rows their margin steps give them.
    bool RowFits(int y) const { return f.print.pageClass || RowOnPage(y, f.pageHeight, Rh()); }
    // Up to `n` records from records[first], never past the buffer.
    logview::Records Run(std::size_t first, int n) const;
    platform::Pen PrintPenOf(int slot) const;
    logview::CurveOptions CurveOptions();

    void Line(int x0, int y0, int x1, int y1) { platform::Line(dc, x0, y0, x1, y1); }
    // A vertical line across the row at y in print pen `slot`.
    void SeparatorLine(int x, int y, int slot);

    // The right edge is kept on the paper.
    void ClipRightEdge();
    int DataTable();
    // Draws the full or short header; returns the y of the first row and takes the header's rows off.
    int Header(int& rows, bool tenFoot);
    // Page-class pages: the margin tables' y offset, records back (times `recordsPerBack`) and extra rows.
    int PageClassMargins(int y, int& rows, int recordsPerBack);
    // The flare polygon or track, the averaged and linear curves and the bar column over the page.
    void WholePageColumns(logview::Records rowRecords, std::size_t first, int rows, int topY);
    // The custom tracks over `run`, their custom-data records from the one of `depth`.
    void CustomTracks(logview::Records run, std::int32_t depth, int rows, int topY);
    // The short reports and memos of the page, whose rows end at `rowsEndY`.
    void ShortReportsAndMemos(int topY, int rowsEndY);
    // A page after the run's last rows: only the rests of the boxes and memos the last page cut, from topY.
    void Rests(int topY);
    // The two above: rows from `firstDepth` to `lastDepth`, none when unset.
    void ReportsAndMemos(std::optional<std::int32_t> firstDepth, std::optional<std::int32_t> lastDepth, int topY,
                         int rowsEndY);
    // The pictures at the depths of the rows drawn, at their rows' y.
    void Pictures(const std::vector<int>& rowY);
    // The mud weight labels and the gamma and gas scale heads the page repeats, written last: each label gives way
    // to the boxes, notes and labels the page wrote where it would stand. `laterTarget` lists the labels.
    std::vector<logview::LaterLabel> laterLabels;
    std::vector<logview::GasHeadAt> gasHeads;
    std::vector<logview::CurveHeadAt> curveHeads;
    logview::Device laterDevice;
    logview::PaintTarget laterTarget;
    // No head is written above `firstTextY`, the highest the page's rows write.
    void LabelsLast(int firstTextY);
    // Page-class pages step the margin index; returns the count the page gives back on the wrap.
    int NextMargin(int recordsPerIndex);
};

}  // namespace print
