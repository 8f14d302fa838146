// The logarithmic grids of the custom tracks (ratio tracks, resistivity tracks and any curve track on a
// logarithmic scale) and the lithology track.
#include "layout/draw/penof.h"
#include "platform/draw/dc.h"
#include "platform/text.h"
#include "tracks/draw/customrows.h"
#include "tracks/draw/customtrackdraw.h"
#include "tracks/draw/customtracks.h"
#include "tracks/draw/lithology.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tracks {

namespace {

using namespace custom;

struct GridPens {
    platform::Pen pens[3];
    explicit GridPens(const layout::CUSTOMDATA& data)
        : pens{PenOf(data.gridPens[0]), PenOf(data.gridPens[1]), PenOf(data.gridPens[2])}
    {
    }
    const platform::Pen& operator[](GridPen p) const { return pens[p]; }
};

constexpr std::array<float, 10> kDecades{0.001f, 0.01f, 0.1f, 1.0f, 10.0f, 100.0f, 1000.0f, 10000.0f, 100000.0f, 1000000.0f};
constexpr std::array<double, 5> kRatioValues{1.0, 10.0, 17.5, 40.0, 100.0};
constexpr std::array<const char*, 5> kRatioLabels{"1", "10", "17.5", "40", "100"};

// Within-decade offsets: offset[k] for k = 1 to 10 is trunc(ln(k) / span x width).
std::array<int, 11> DecadeOffsets(double span, double width)
{
    std::array<int, 11> off{};
    for (int k = 1; k <= 10; ++k)
        off[std::size_t(k)] = Trunc(std::log(double(k)) / span * width);
    return off;
}

void VerticalLine(platform::Dc& dc, long long x, int top, int bottom)
{
    dc.MoveTo(Trunc(double(x)), top);
    dc.LineTo(Trunc(double(x)), bottom);
}

// The end y and row count of a grid's vertical lines and walk, before the screen and instant rules.
int GridEndY(const CustomPass& p, bool margin)
{
    const double top = p.rows.topY, height = double(p.rows.rows) * p.rows.rowHeight;
    if (TenPerRow(p.g))
        return Trunc(top + height * 0.1);
    return Trunc(top + height - (margin ? 4.0 * p.rows.rowHeight : 0.0));
}

// Depth lines across a track from the top line down, one a row: heavy every `heavy` depth units and,
// on the scales of one record a row, medium every 10. Stops past the end y on the screen object, at a
// depth of 0, at the file's last depth and at the stop depth.
void DepthLines(layout::CUSTOMDATA& data, CustomPass& p, const GridPens& pens, int track, int rows, int endY,
                int labelInterval)
{
    const layout::CustomTrackEntry& e = data.paintSet[std::size_t(track)];
    const bool ten = TenPerRow(p.g);
    const int heavy = ten ? 100 : 50;
    const int right = Trunc(double(e.leftX) + double(layout::TrackWidth(e)));
    long long index = ten ? -1 : 0;
    int y = p.rows.topY;
    for (int k = 0; k < rows; ++k) {
        const std::optional<std::int32_t> depth = DepthAt(p, index);
        if (!depth)
            break;
        GridPen pen = DepthLinePen(*depth, heavy, !ten && p.g.scaleIndex < 3);
        if (p.instantMode == kWitsStepRepaint && labelInterval > 0)
            pen = kMinorPen;  // the ratio grid's lines of a WITS step
        p.dc.SelectObject(pens[pen]);
        p.dc.MoveTo(e.leftX, y);
        p.dc.LineTo(right, y);
        if (labelInterval > 0)
            DepthLabel(data, p, track, *depth, labelInterval, y);
        y = NextRowY(data, y, p.rows.rowHeight, k);
        if ((ScreenObject(data, p) && y > endY) || *depth == 0 || *depth == p.g.fileLastDepth ||
            *depth >= p.rows.stopDepth)
            break;
        index += RecordStep(p.g);
    }
}

// The five ratio labels at every 50th depth (200th on paper) from the top line down.
void RatioLabels(layout::CUSTOMDATA& data, CustomPass& p, const std::array<int, 5>& xs, int rows)
{
    const platform::KeepDcState keep(p.dc);
    p.dc.SelectObject(FontOf(data.labelFont));
    p.dc.SetTextColor(platform::RGB(255, 0, 0));
    p.dc.SetTextAlign(platform::TA_CENTER);
    const int interval = data.printing ? 200 : 50;
    int y = p.rows.topY;
    for (int k = 0; k < rows; ++k) {
        const wellfile::RECORD* rec = RecordAt(p, k);
        if (!rec || rec->depth == p.g.fileLastDepth)
            break;
        if (p.window.drilling && p.window.drillingRowY > 0 && y >= p.window.drillingRowY)
            break;
        if (rec->depth % interval == 0)
            for (std::size_t i = 0; i < xs.size(); ++i)
                p.dc.TextOut(xs[i], (i == 2 || i == 4) ? y + 20 : y, kRatioLabels[i]);
        y = Trunc(double(y) + p.rows.rowHeight);
    }
}

}  // namespace

int PaintRatioGrid(layout::CUSTOMDATA& data, CustomPass& p, int track)
{
    layout::CustomTrackEntry& e = data.paintSet[std::size_t(track)];
    // The curves of the track take the grid's scale, so that they stand on its lines.
    for (int c = 0; c < layout::kCurvesPerTrack; ++c)
        if (e.dataCode[c] != 0) {
            e.minimum[c] = 1.0f;
            e.maximum[c] = 100.0f;
        }
    int rows = p.rows.rows;
    int endY = GridEndY(p, true);
    if (ScreenObject(data, p) && p.instantMode != kWitsStepRepaint) {
        rows = p.g.visibleRows;
        endY = p.g.logBottomY;
    }
    if (p.instantMode == kWitsStepRepaint) {
        endY = int(std::min<long long>(2LL * endY, p.g.logBottomY));
        rows = 2;
    }
    const double width = layout::TrackWidth(e), span = std::log(100.0);
    std::array<int, 5> xs{};
    for (std::size_t i = 0; i < kRatioValues.size(); ++i)
        xs[i] = Trunc(double(e.leftX) + Trunc(std::log(kRatioValues[i]) / span * width));

    const GridPens pens(data);
    const platform::KeepDcState keep(p.dc);
    p.dc.SelectObject(FontOf(data.labelFont));
    DepthLines(data, p, pens, track, p.instantMode == kWitsStepRepaint ? 10 : rows, endY, 100);
    p.dc.SelectObject(pens[kHeavyPen]);
    VerticalLine(p.dc, (long long)e.leftX - 1, p.rows.topY, endY);
    p.dc.SelectObject(pens[kMinorPen]);
    for (const int x : xs)
        VerticalLine(p.dc, x, p.rows.topY, endY);
    if (p.instantMode != kWitsStepRepaint)
        RatioLabels(data, p, xs, rows);
    return 1;
}

int PaintLogGrid(layout::CUSTOMDATA& data, CustomPass& p, int track)
{
    const layout::CustomTrackEntry& e = data.paintSet[std::size_t(track)];
    int rows = p.rows.rows;
    int endY = GridEndY(p, false);
    if (ScreenObject(data, p) && p.instantMode == kFullPaint) {
        rows = p.g.visibleRows;
        endY = p.g.logBottomY;
    }
    if (p.instantMode != kFullPaint)
        endY = int(std::min<long long>(2LL * endY, p.g.logBottomY));

    const float maximum = e.maximum[0] > 0.0f ? e.maximum[0] : 0.1f;
    const float minimum = e.minimum[0] > 0.0f ? e.minimum[0] : 0.1f;
    int decades = 0;
    for (const float d : kDecades) {
        if (d >= maximum)
            break;
        if (d >= minimum)
            ++decades;
    }
    const double span = std::log(double(maximum)) - std::log(double(minimum));
    if (decades == 0 || !(span > 0.0))
        return 0;
    const double width = layout::TrackWidth(e);
    const std::array<int, 11> off = DecadeOffsets(span, width);
    const bool fromLeft = e.direction[0] != 0;
    const int dir = fromLeft ? 1 : -1;

    const GridPens pens(data);
    const platform::KeepDcState keep(p.dc);
    p.dc.SelectObject(pens[kHeavyPen]);
    const int top = p.rows.topY;
    long long x = fromLeft ? e.leftX : e.rightX;
    VerticalLine(p.dc, x, top, endY);
    VerticalLine(p.dc, x - 1, top, endY);
    for (int d = 0; d < decades; ++d) {
        p.dc.SelectObject(pens[kMinorPen]);
        for (int k = 2; k <= 10; ++k) {
            if (k == 10)
                p.dc.SelectObject(pens[kMediumPen]);
            x += dir * (off[std::size_t(k)] - off[std::size_t(k - 1)]);
            VerticalLine(p.dc, x, top, endY);
        }
    }
    DepthLines(data, p, pens, track, rows, endY, 0);
    return 1;
}

int PaintResistivityGrid(layout::CUSTOMDATA& data, CustomPass& p, int track)
{
    const layout::CustomTrackEntry& e = data.paintSet[std::size_t(track)];
    int rows = p.rows.rows;
    int endY = GridEndY(p, false);
    if (ScreenObject(data, p)) {
        rows = p.g.visibleRows;
        endY = p.g.logBottomY;
    }
    if (p.instantMode != kFullPaint)
        endY = int(std::min<long long>(2LL * endY, p.g.logBottomY));
    const std::array<int, 11> off = DecadeOffsets(std::log(2000.0) - std::log(0.2), layout::TrackWidth(e));

    const GridPens pens(data);
    const platform::KeepDcState keep(p.dc);
    p.dc.SelectObject(pens[kHeavyPen]);
    const int top = p.rows.topY;
    long long x = e.leftX;
    VerticalLine(p.dc, x, top, endY);
    // 0.3 to 1, then three whole decades to 1000; the tenth line of each is medium.
    for (int decade = 0; decade < 4; ++decade) {
        p.dc.SelectObject(pens[kMinorPen]);
        for (int i = decade == 0 ? 2 : 1; i <= 9; ++i) {
            x += off[std::size_t(i + 1)] - off[std::size_t(i)];
            VerticalLine(p.dc, x, top, endY);
            if (i == 8)
                p.dc.SelectObject(pens[kMediumPen]);
        }
    }
    p.dc.SelectObject(pens[kMediumPen]);
    x += off[2] - off[1];
    VerticalLine(p.dc, x + 1, top, endY);  // 2000, one unit inside
    DepthLines(data, p, pens, track, rows, endY, 0);
    return 1;
}

int PaintLithologyTrack(layout::CUSTOMDATA& data, CustomPass& p, int track, bool interpreted)
{
    const layout::CustomTrackEntry& e = data.paintSet[std::size_t(track)];
    LithRowState& lith = p.state.lith;
    lith.customTrackX = e.leftX;
    // The track staggers its own rows: the lithology painter counts one a record. A one-row repaint
    // takes its parity from the row's place in the view, so it matches the full paint.
    lith.rowCounter = 0;
    if (p.instantMode != kFullPaint && p.rows.rowHeight > 0)
        lith.rowCounter = std::max(0, (p.rows.topY - LogTopY(p.g)) / p.rows.rowHeight);
    // On paper the printed patterns stagger by the printed rows: the track counts its rows there too,
    // and gives the page its own count back afterwards.
    const bool paper = p.device.printing;
    const std::int32_t pageRows = p.state.printRowCounter;
    const std::optional<std::int32_t> pageBlankRow = lith.printBlankRow;
    if (paper)
        p.state.StartPrintingPass();
    LithHooks hooks = p.lith;
    if (!interpreted)
        hooks.automaticLith = {};
    long long index = p.g.scaleIndex < 3 ? 1 : 0;
    int y = p.rows.topY;
    for (int k = 0; k < p.rows.rows; ++k) {
        const wellfile::RECORD* rec = RecordAt(p, index);
        if (!rec)
            break;
        DrawLithology(p.dc, p.g, p.device, p.settings, p.state, p.rows.records, std::size_t(index),
                      p.rows.rowHeight, y, false, interpreted, hooks);
        y = NextRowY(data, y, p.rows.rowHeight, k);
        if (rec->depth >= p.rows.stopDepth || rec->depth == 0)
            break;
        index += RecordStep(p.g);
        if (paper)
            ++p.state.printRowCounter;
    }
    if (paper) {
        p.state.printRowCounter = pageRows;
        lith.printBlankRow = pageBlankRow;
    }
    TrackBorders(p, e, p.rows.rows);
    lith.rowCounter = 0;
    lith.customTrackX = 0;
    return 1;
}

}  // namespace tracks
