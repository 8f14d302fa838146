#include "logview/ui/logview.h"

#include "app/layouthosts.h"
#include "app/logstate.h"
#include "logview/depthcolumnoptions.h"
#include "logview/draw/curveplotter.h"
#include "logview/draw/depthcolumn.h"
#include "logview/draw/entryrows.h"
#include "logview/draw/logpaint.h"
#include "logview/draw/viewbitmaps.h"
#include "logview/geometryof.h"
#include "logview/paintrows.h"
#include "logview/ui/buttonup.h"
#include "logview/ui/depthdrags.h"
#include "logview/ui/directpaint.h"
#include "logview/ui/doubleclick.h"
#include "logview/ui/leftbutton.h"
#include "logview/ui/logbodypaint.h"
#include "logview/ui/logimage.h"
#include "logview/ui/mousemove.h"
#include "logview/ui/paintinputs.h"
#include "logview/ui/renderlog.h"
#include "logview/ui/rightbutton.h"
#include "logview/ui/titlerowpaint.h"
#include "platform/draw/dc.h"
#include "wellfile/customdata.h"
#include "wellfile/datafile.h"
#include "wellfile/profile.h"

#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <new>
#include <optional>
#include <span>
#include <vector>

namespace logview {

namespace {

const QString kError = QStringLiteral("ERROR");

bool ChromatographProfile(int profile, bool singleGas)
{
    switch (profile) {
    case 4: case 11: case 64: case 78: return true;
    case 17: case 88: return !singleGas;
    default: return false;
    }
}

// The paint covers the log's width only: what earlier paints left right of it below the titles (a wider
// layout's columns, the drilling gas legend that reaches past the gas track) is cleared first.
void ClearRightOfLog(platform::Dc& dc, const ViewGeometry& g)
{
    const QImage* image = dc.Image();
    const int left = std::max(g.logWidth + 1 - g.horizontalScroll, 0);
    if (image && left < image->width() && g.topMargin < image->height())
        dc.FillRect({left, g.topMargin, image->width(), image->height()}, platform::Brush(platform::RGB(255, 255, 255)));
}

}  // namespace

LogView::ReadoutPlace LogView::PlaceOf(const app::LogState& s)
{
    const layout::LogLayout& L = s.layout.format;
    return {s.well.file.viewTopDepth, s.well.openCount, L.logAreaTop, L.pixelsPerStep, s.view.viewScale,
            L.trackUnit, L.logRight, s.scroll.horizontalOffset, s.view.logImageMode, s.well.file.drilling};
}

void LogView::Paint(app::LogState& s, platform::Dc& dc)
{
    if (readout_.Visible() && PlaceOf(s) != readoutPlace_)
        readout_.Hide();
    if (s.scroll.renderingImage) {
        s.view.painting = false;
        return;
    }
    s.view.painting = true;
    if (s.view.viewScale >= 3 && DrawLogBody(s, dc)) {
        s.view.painting = false;
        return;
    }
    wellfile::OpenWell& well = s.well.file;
    well.viewTopDepth = PaintTop(well.viewTopDepth, well.fileTopDepth, well.fileBottomDepth, well.viewDepthSpan);
    const ViewGeometry g = GeometryOf(s);
    ClearRightOfLog(dc, g);
    const std::optional<PaintResult> painted = DrawDirectLog(s, dc, g, false);
    if (!painted) {
        s.view.paintFailure = QStringLiteral("Memory Allocation Error");
        s.view.painting = false;
        return;
    }
    const PaintResult& r = *painted;
    s.view.logAreaBottom = r.logBottomY;
    s.view.lastRowY = s.view.currentRowY = r.lastRowY;
    s.view.rowCounter = r.rowCounter;
    s.view.lineEndX = r.lineEndX;
    if (r.noDataFile) {
        s.view.paintFailure = QStringLiteral("NO Data File");
    } else {
        s.view.bottomDepth = r.bottomDepth;
        s.scroll.notAtBottom = r.moreBelow;
        if (r.redrawPending)
            s.view.redrawPending = true;
    }
    s.view.painting = false;
    PaintLogImage(s, dc);
}

void LogView::RepaintRows(app::LogState& s, std::int32_t firstDepth, int rows, unsigned parts, int customMode)
{
    if (!s.view.bitmaps || s.view.bitmaps->backingStore.isNull() || rows <= 0)
        return;
    wellfile::OpenWell& well = s.well.file;
    const ViewGeometry g = GeometryOf(s);
    const int step = std::max(well.depthStep, 1), R = g.rowHeight;
    long long rowsDown = ((long long)firstDepth - g.viewTopDepth) / step - 1;  // row of firstDepth
    if (s.interaction.dataEntryActive) {
        // A running entry's rows are its records' (record 0 above the first row), whatever the paint made
        // of the view top.
        const std::vector<wellfile::RECORD>& entry = s.interaction.dataEntryRecords;
        const auto at = std::find_if(entry.begin() + std::min<std::ptrdiff_t>(1, std::ptrdiff_t(entry.size())), entry.end(),
                                     [firstDepth](const wellfile::RECORD& r) { return r.depth == firstDepth || r.depth == 0; });
        if (at == entry.end() || at->depth == 0)
            return;
        rowsDown = (at - entry.begin()) - 1;
    }
    rows = int(std::min<long long>(rows, std::max<long long>(g.visibleRows + 1, 0)));

    // The records of the rows, with the one above them first: the running entry's, or the file's.
    std::vector<wellfile::RECORD> buffer(std::size_t(rows) + 2);
    int have = 0;
    if (s.interaction.dataEntryActive) {
        const std::vector<wellfile::RECORD>& entry = s.interaction.dataEntryRecords;
        for (long long i = 0; i < rows + 1; ++i) {
            const long long at = rowsDown + i;  // entry record 0 is the view top's
            if (at < 0 || at >= (long long)entry.size())
                break;
            buffer[std::size_t(i)] = entry[std::size_t(at)];
            have = int(i) + 1;
        }
    } else if (!well.dataFileName.isEmpty()) {
        const long long index = ((long long)firstDepth - well.fileTopDepth) / step - 1;
        if (index >= 0)
            have = wellfile::ReadRecords(well, buffer, well.dataFileName, int(index), rows + 1);
    }
    if (have < 2)
        return;
    QImage& store = s.view.bitmaps->backingStore;
    platform::Dc dc(store);
    dc.SetViewportOrg(-g.horizontalScroll, 0);
    const Device device = Device::Screen();
    NeighbourPainters& painters = s.view.painters ? *s.view.painters : NoNeighbourPainters();
    const PaintTarget target{dc, g, device};
    const GridStrips& strips = s.view.bitmaps->grid;
    const bool singleGas = !s.layout.format.twoGasTracks;
    const std::vector<wellfile::CUSTDATAREC>& custom = s.customTracks.rows;
    CurveOptions curve;
    curve.drilling = true;  // the rate curve goes on from the last rate x
    curve.memory = &s.view.rateCurve;
    const DepthColumnOptions depthColumn = DepthColumnOptionsOf(s);
    int top = -1, bottom = -1;
    const bool entryColumns = s.interaction.dataEntryActive && (parts & (ROW_SHOWS | ROW_LITHOLOGY));
    if (entryColumns) {
        // A running entry's record columns, with the rows above and below that a change reaches, as a
        // paint of the entry's records draws them.
        const auto [from, to] = RedrawEntryRecordColumns(store, g, strips, painters, depthColumn,
                                                         s.interaction.dataEntryRecords, int(rowsDown - 1),
                                                         int(rowsDown + rows));
        if (from < to) {
            top = from;
            bottom = to;
        }
    }
    // A record with the three above it from the file (none while an entry runs); false when not all four
    // are there.
    const auto Around = [&](std::int32_t depth, std::array<wellfile::RECORD, 4>& out) {
        std::array<wellfile::RECORD, 5> read{};  // and the end mark
        const long long index = ((long long)depth - well.fileTopDepth) / step - 3;
        if (index < 0 || s.interaction.dataEntryActive || well.dataFileName.isEmpty() ||
            wellfile::ReadRecords(well, read, well.dataFileName, int(index), 4) < 4 || read[3].depth != depth)
            return false;
        std::copy_n(read.begin(), 4, out.begin());
        return true;
    };
    // The real-time gamma stops before the file's last record: a new row brings the curve of the record
    // above it, drawn the gamma lag higher, where the whole curve's paint draws it. The curves and the
    // depth boxes the paint draws after it on that row are drawn again over it.
    const auto RealTimeGammaOfRow = [&](std::span<const wellfile::RECORD> run, int y) {
        const float lag = s.layout.schemes.gammaLag == 0.0f ? 12.0f : s.layout.schemes.gammaLag;
        const long long whole = (long long)std::trunc(std::clamp(double(lag), -1.0e5, 1.0e5));
        const long long rtY = (long long)y - whole * R;  // the row above's, a unit lower than its row's
        std::array<wellfile::RECORD, 4> near{};
        if (whole < 1 || rtY - R < g.topMargin || !Around(run.back().depth - std::int32_t(whole) * step, near) ||
            !(double(g.fileFirstDepth) + s.layout.schemes.gammaLag + 20.0 < double(g.viewTopDepth + step)))
            return;
        const int at = int(rtY);
        painters.DrawDataCurve(target, run, run.size() - 2, 1, R, y, true);
        if (g.Flag(1))
            painters.DrawRecordCurve(target, near, 3, 1, R, at, true);
        if (g.Flag(27))
            painters.DrawLinearCurve(target, near, 3, 1, R, at, true);
        if (g.Flag(22))
            DrawSurveyColumn(dc, g, device, depthColumn, near, 2, 2, R, g.unitWidth, at - R);
        top = top < 0 ? at - R : std::min(top, at - R);
        bottom = std::max(bottom, at + R + 2);
    };
    for (int i = 0; i + 1 < have && i < rows; ++i) {
        const int y = int(g.topMargin + (rowsDown + i) * R);
        if (y < g.topMargin || y >= g.logBottomY)
            continue;
        const wellfile::RECORD& rec = buffer[std::size_t(i) + 1];
        // The ten-unit line under the record above lies on this row's top pixels: what the row restores
        // of it is drawn again, over the row's curves as the full paint draws it.
        const std::int32_t above = buffer[std::size_t(i)].depth;
        const bool lineAbove = g.Flag(22) && g.scaleIndex < 3 && y - R >= g.topMargin && above != 0 && above % 10 == 0;
        unsigned lineParts = 0;
        auto drawLineAbove = [&](unsigned part) {
            if (lineAbove)
                DrawScreenDepthLine(dc, g, depthColumn, above, y - R, R, part);
        };
        if ((parts & ROW_RATE) && s.interaction.dataEntryActive) {
            // A running entry's typed row, with the rows beside it that its curve reaches, as a paint
            // of the entry's records draws them.
            const long long row = rowsDown + i;
            const auto [from, to] = RedrawEntryRateRows(store, g, strips, painters, depthColumn,
                                                        s.layout.schemes.gammaLag, s.interaction.dataEntryRecords,
                                                        int(row - 1), int(row + 1));
            if (from < to) {
                top = top < 0 ? from : std::min(top, from);
                bottom = std::max(bottom, to);
            }
        } else if (parts & ROW_RATE) {
            BlitColumn(dc, strips, g, COLUMN_RATE, y);
            if (g.Flag(22))
                DrawCurve(dc, g, device, curve, buffer, std::size_t(i) + 1, 1, R, y, false);
            // The restored column holds none of the track's other curves: they are drawn again on the
            // row, joined to the two records above it as the paint's whole curves join them.
            std::array<wellfile::RECORD, 4> run{};
            if (!Around(rec.depth, run))
                run = {wellfile::RECORD{}, i > 0 ? buffer[std::size_t(i) - 1] : wellfile::RECORD{}, buffer[std::size_t(i)], rec};
            if (g.Flag(37))
                RealTimeGammaOfRow(run, y);
            // From the row above, which the curves did not reach while its record was the file's last.
            const int from = y - R >= g.topMargin ? 2 : 3;
            if (g.Flag(1))
                painters.DrawRecordCurve(target, run, from, 4 - from, R, y - (3 - from) * R, true);
            if (g.Flag(27))
                painters.DrawLinearCurve(target, run, from, 4 - from, R, y - (3 - from) * R, true);
            if (g.Flag(1) || g.Flag(27))
                top = top < 0 ? y - (3 - from) * R : std::min(top, y - (3 - from) * R);
            lineParts |= DEPTH_LINE_RATE;
        }
        if ((parts & ROW_NEW_LITHOLOGY) && !s.interaction.dataEntryActive && g.Flag(16)) {
            // The row above is drawn first where nothing shows, for the painter's cells of the row
            // above: the edges a row draws against its neighbour's rocks are then the paint's.
            QImage nowhere(1, 1, QImage::Format_RGB32);
            platform::Dc aside(nowhere);
            const PaintTarget above{aside, g, device};
            const int row = int(rowsDown + i);
            for (int interpreted : {0, 1}) {
                if (interpreted == 0 && g.options.sandShaleOnly)
                    continue;
                painters.DrawLithology(above, buffer, std::size_t(i), R, y - R, row - 1, 0, interpreted);
                painters.DrawLithology(target, buffer, std::size_t(i) + 1, R, y, row, 0, interpreted);
            }
        }
        if ((parts & ROW_DEPTH) && (parts & ROW_RATE) && above != 0 && above % 10 == 0 && y - 2 * R >= g.topMargin) {
            // The box of a depth of ten reaches two pixels into the row below it, where the restored
            // rate column cut it: it is drawn again on this row only (above lie marks drawn after it).
            QImage aside = store.copy();
            {
                platform::Dc asideDc(aside);
                asideDc.SetViewportOrg(-g.horizontalScroll, 0);
                DrawSurveyColumn(asideDc, g, device, depthColumn, buffer, std::size_t(i), 1, R, g.unitWidth, y - R);
            }
            for (int line = std::max(y, 0); line < std::min(y + R, store.height()); ++line)
                std::memcpy(store.scanLine(line), aside.constScanLine(line), std::size_t(store.bytesPerLine()));
        }
        if ((parts & ROW_DEPTH) && rec.depth % 10 == 0) {
            DrawSurveyColumn(dc, g, device, depthColumn, buffer, std::size_t(i) + 1, 1, R, g.unitWidth, y);
            // The depth box and the lag time stand a row above the row, the box two pixels past it.
            top = top < 0 ? y - R : std::min(top, y - R);
            bottom = std::max(bottom, y + R + 2);
        }
        if (parts & ROW_GAS) {
            BlitColumn(dc, strips, g, COLUMN_GAS, y);
            if (ChromatographProfile(g.profile, singleGas))
                painters.DrawChromatographTrack(target, buffer, std::size_t(i) + 1, 1, R, y);  // from the row above
            else
                painters.DrawGasCurves(target, buffer, std::size_t(i) + 1, y, i + 1, false, true);  // joined to the row above
            lineParts |= DEPTH_LINE_GAS;
        }
        if ((parts & ROW_SHOWS) && !entryColumns && g.Flag(19) && !wellfile::AlwaysMetricProfile(g.profile)) {
            const Records row = Records(buffer).subspan(std::size_t(i) + 1, 1);
            if (g.porosity.left > 0 && BlitColumn(dc, strips, g, COLUMN_POROSITY, y))
                painters.DrawRatingColumn(target, row, R, y);
            if (g.fluorescence.left > 0 && BlitColumn(dc, strips, g, COLUMN_FLUORESCENCE, y)) {
                drawLineAbove(DEPTH_LINE_FLUORESCENCE);  // under the column, which the full paint draws later
                painters.DrawBoxColumn(target, buffer, std::size_t(i) + 1, 1, R, y);
            }
            if (g.cut.left > 0 && BlitColumn(dc, strips, g, COLUMN_CUT, y)) {
                drawLineAbove(DEPTH_LINE_CUT);
                painters.DrawPorosityColumn(target, row, R, y);
            }
        }
        if ((parts & ROW_SHOWS) && !entryColumns && (g.profile == 115 || (g.Flag(38) && g.hardness.count > 0)) &&
            BlitColumn(dc, strips, g, COLUMN_HARDNESS, y))
            painters.DrawBarColumn(target, buffer, std::size_t(i) + 1, 1, R, y);
        if ((parts & ROW_MUD) && g.Flag(29) && (rec.mudWeightOut > 0 || rec.mudWeightIn > 0)) {
            // The weights stand on the row's lines, their values up to a row above it.
            painters.DrawMudInOut(target, rec, R, y + R);
            top = top < 0 ? y - R : std::min(top, y - R);
            bottom = std::max(bottom, y + R + 1);
        }
        if ((parts & ROW_CO2) && g.Flag(31) && g.profile != 60)
            painters.DrawAveragedCurve(target, buffer, std::size_t(i) + 1, 1, R, y, true);  // from the row above
        if (lineParts)
            drawLineAbove(lineParts);
        if ((parts & ROW_CUSTOM) && s.customTracks.data) {
            const long long at = (long long)rec.depth - well.fileTopDepth;
            // Two rows from the line above the row, down to the file's last depth.
            if (at >= 0 && at < (long long)custom.size())
                painters.PaintCustomTracks(target, Records(buffer).subspan(std::size_t(i), 2),
                                           CustomRecords{custom, std::size_t(at)}, y, 2, R, well.fileBottomDepth,
                                           customMode);
        }
        if (top < 0 || y < top)
            top = y;
        bottom = std::max(bottom, y + R);
    }
    if (top >= 0 && s.view.updateArea)
        s.view.updateArea(0, top, store.width(), bottom);
}

void LogView::RenderLog(app::LogState& s) { logview::RenderLog(s); }

void LogView::EvLButtonDown(app::LogState& s, int x, int y, unsigned keys)
{
    LeftButtonDown(s, MouseContext{mouseWindow_, readout_, &drags_}, x, y, keys);
    if (readout_.Visible())
        readoutPlace_ = PlaceOf(s);
}

void LogView::EvMouseMove(app::LogState& s, int x, int y, unsigned keys)
{
    MouseMove(s, MouseContext{mouseWindow_, readout_, &drags_}, x, y, keys);
}

void LogView::EvLButtonUp(app::LogState& s, int x, int y, unsigned keys)
{
    LeftButtonUp(s, MouseContext{mouseWindow_, readout_, &drags_}, x, y, keys);
}

void LogView::EvCancelMode(app::LogState& s) { CancelDrags(s, MouseContext{mouseWindow_, readout_, &drags_}); }

void LogView::EvLButtonDblClk(app::LogState& s, int x, int y, unsigned keys)
{
    LeftButtonDoubleClick(s, MouseContext{mouseWindow_, readout_, &drags_}, x, y, keys);
}

void LogView::EvRButtonDown(app::LogState& s, int x, int y, unsigned keys)
{
    RightButtonDown(s, MouseContext{mouseWindow_, readout_, &drags_}, x, y, keys);
}

}  // namespace logview
