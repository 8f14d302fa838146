#include "logview/ui/leftbutton.h"

#include "app/layouthosts.h"
#include "app/logstate.h"
#include "app/notes.h"
#include "app/scrolling.h"
#include "app/shellcommands.h"
#include "elog/picturewindow.h"
#include "layout/custchartcfg.h"
#include "logview/clickhits.h"
#include "logview/compressedrows.h"
#include "logview/depthcolumnoptions.h"
#include "logview/draw/markers.h"
#include "logview/draw/neighbourpainters.h"
#include "logview/draw/viewbitmaps.h"
#include "logview/geometryof.h"
#include "logview/logimagegeometry.h"
#include "logview/logview_services.h"
#include "logview/readouts.h"
#include "logview/recordmarks.h"
#include "logview/ui/boxdrags.h"
#include "logview/ui/depthdrags.h"
#include "logview/ui/dragdcs.h"
#include "logview/ui/elogmatch.h"
#include "logview/ui/logimage.h"
#include "logview/ui/mousewindow.h"
#include "logview/ui/readoutbox.h"
#include "reports/reports_services.h"

#include <QDir>

#include <algorithm>
#include <span>

namespace logview {

namespace {

// What every test of the click reads: where it is, in the window and in the log.
struct Click {
    int x = 0, y = 0;  // client coordinates
    int logX = 0;      // x in the log: the click x plus the horizontal scroll
    std::int32_t depth = 0;
    bool ctrl = false;
    bool inRows = false;  // between the top margin and the log bottom y
};

enum class MarkerColour { None, Show, Dst, DailyReport, Downtime };

MarkerColour ColourAt(const QImage& store, int x, int y)
{
    if (!store.valid(x, y))
        return MarkerColour::None;
    switch (store.pixel(x, y) & 0xFFFFFF) {
    case 0xFF0000: return MarkerColour::Show;
    case 0x00FF00: return MarkerColour::Dst;
    case 0xFFFF00: return MarkerColour::DailyReport;
    case 0xFF00FF: return MarkerColour::Downtime;
    default: return MarkerColour::None;
    }
}

// The marker colour under the click; on a marker's letter, the colour beside it on the click's row
// between `left` and `right` (the marker boxes' edges), so that the whole box answers the click.
MarkerColour ColourUnder(const app::LogState& s, int x, int y, int left, int right)
{
    if (!s.view.bitmaps)
        return MarkerColour::None;
    const QImage& store = s.view.bitmaps->backingStore;
    if (const MarkerColour under = ColourAt(store, x, y); under != MarkerColour::None || !store.valid(x, y))
        return under;
    for (int dx = 1; x - dx >= left || x + dx <= right; ++dx)
        for (const int px : {x - dx, x + dx})
            if (px >= left && px <= right)
                if (const MarkerColour beside = ColourAt(store, px, y); beside != MarkerColour::None)
                    return beside;
    return MarkerColour::None;
}

reports::ReportServices* Reports(const MouseContext& m) { return m.window.reports ? m.window.reports() : nullptr; }

// Tests 1 to 3: a note edit open, or an input or drag under way, takes the click.
bool NoteEditOrDragTakesClick(app::LogState& s)
{
    if (s.notes.edit && s.notes.edit->IsOpen()) {
        app::CancelNoteEdit(s);
        s.view.Invalidate();
        return true;
    }
    const MouseState& drags = s.interaction.mouse;
    if (s.interaction.dragGasActive || s.interaction.dataEntryActive || drags.noteFrame || drags.shortReportDrilling ||
        drags.shortReportMud || drags.memoFrame) {
        app::CancelNoteEdit(s);
        return true;
    }
    return false;
}

// Test 4: Ctrl on the trip or connection area toggles the mark and repaints; in the rate track's first
// block it starts a slide interval. Only on the rows: above or below them the depth of the click is the
// file's last, which nobody pointed at.
bool RecordMarkClick(app::LogState& s, const MouseContext& m, const ViewGeometry& g, const Click& c)
{
    const int U = g.unitWidth, rateRight = g.rate.Right();
    std::optional<MarkToggle> toggled;
    if (!c.inRows)
        return false;
    if (g.gas.left < c.logX && c.logX <= g.gas.left + 2 * U)
        toggled = ToggleTripMark(s.well.file, c.depth);
    else if (rateRight + 5 * U < c.logX && c.logX < rateRight + 6 * U)
        toggled = ToggleConnectionMark(s.well.file, c.depth);
    else
        return StartSlideInterval(s, m, g, PointOf(g, c.x, c.y), c.depth);
    if (toggled)
        s.view.Invalidate();
    return true;
}

// Test 8: Ctrl on a custom track's title moves the track left (left half) or right.
bool CustomTitleClick(app::LogState& s, const Click& c)
{
    layout::CUSTOMDATA* data = s.customTracks.data.get();
    const auto& rects = s.customTracks.host.titleRects;
    for (int t = 0; t < int(rects.size()); ++t) {
        const layout::TitleRect& r = rects[std::size_t(t)];
        if (r.left <= c.logX && c.logX < r.right && r.top <= c.y && c.y < r.bottom) {
            const int direction = c.logX < r.left + (r.right - r.left) / 2 ? 1 : 2;
            app::RefreshCustomTrackHost(s);
            data->MoveTrack(t, direction);
            return true;
        }
    }
    return false;
}

// Test 9: a click in the log-image strip moves the view to the depth it shows there.
bool ImageStripClick(app::LogState& s, const Click& c)
{
    const LogImageStrip& strip = s.view.imageStrip;
    if (!s.view.logImageMode || !HasLogImage(s) || c.x < strip.left || c.x >= strip.right || c.y < strip.top ||
        c.y >= strip.bottom)
        return false;
    wellfile::OpenWell& well = s.well.file;
    s.interaction.mouse.imageStripClickY = c.y;
    std::int32_t top = LogImageDepthAt(c.y, strip.bottom, well.fileTopDepth, well.fileBottomDepth);
    top = std::min<std::int32_t>(top, well.fileBottomDepth - 100);
    well.viewTopDepth = std::max(top, well.fileTopDepth);
    s.view.Invalidate();  // the paint stretches the image with the view's new place
    return true;
}

// The markers beside the rate track start here, those on numbered depths left of the numbers.
int MarkerLeftOf(const app::LogState& s, const ViewGeometry& g)
{
    return MarkerLeft(g, g.Flag(22) ? ScreenDepthNumbers(g, DepthColumnOptionsOf(s), g.viewTopDepth) : DepthNumberPlaces{});
}

// Test 11: a show, DST or daily-report marker beside the rate track opens its report, a picture marker
// its picture. False when the click is taken (a daily report, any click beside the rate track while
// pictures are loaded); true when the tests go on.
bool ReportMarkerClick(app::LogState& s, const MouseContext& m, const ViewGeometry& g, const Click& c)
{
    // Left of the markers' own place only a marker moved aside for a depth number takes the click.
    const bool ownPlace = g.rate.Right() - 2 * g.rowHeight <= c.logX;
    const int scroll = c.logX - c.x;
    const MarkerColour colour = ColourUnder(s, c.x, c.y, MarkerLeftOf(s, g) - scroll, g.rate.Right() - scroll);
    std::span<const std::int32_t> table;
    switch (colour) {
    case MarkerColour::Show: table = s.well.showDepthIndex; break;
    case MarkerColour::Dst: table = s.well.dstDepthIndex; break;
    case MarkerColour::DailyReport: table = s.well.reportDepthIndex; break;
    default:
        // Another colour while pictures are loaded: the picture whose marker is under the click, if any,
        // and the click ends here.
        if (!s.pictures.loaded || !ownPlace)
            return true;
        if (const int picture = elog::PictureMarkerAt(s.pictures, c.y); picture >= 0)
            elog::OpenImageInViewer(s.pictures, picture, m.window.shellOpen);
        return false;
    }
    // On the compressed scales the marks stand on the rows of five records: the click is read the same way.
    const std::int32_t d =
        g.scaleIndex >= 3 ? CompressedDepthAtY(c.y, g.viewTopDepth, g.rowHeight, g.topMargin, g.depthStep) : c.depth;
    const std::optional<int> marker = FindMarker(table, d, MarkerTolerance(g.scaleIndex));
    if (!marker)
        return true;
    s.well.file.viewTopDepth = g.scaleIndex >= 3 ? d - 10 : d;
    s.view.Invalidate();
    reports::ReportServices* reports = Reports(m);
    const int number = *marker + 1;
    const QString& wellName = s.well.file.wellName;
    if (colour == MarkerColour::Show) {
        if (reports)
            reports->OpenShowReport(s, number, wellName);
        return true;
    }
    if (colour == MarkerColour::Dst) {
        if (reports)
            reports->OpenDstReport(s, number, wellName);
        return true;
    }
    if (reports)
        reports->OpenDailyReport(s, number);
    return false;
}

// Test 12: the downtime marker in the gas track opens its note.
bool DowntimeClick(app::LogState& s, const MouseContext& m, const ViewGeometry& g, const Click& c)
{
    if (!c.inRows || c.logX < g.gas.left + g.unitWidth || c.logX > g.gas.left + 5 * g.rowHeight ||
        ColourUnder(s, c.x, c.y, g.gas.left + g.unitWidth - (c.logX - c.x),
                    g.gas.left + 5 * g.unitWidth - (c.logX - c.x)) != MarkerColour::Downtime)
        return false;
    const std::optional<std::int32_t> note = FindDowntimeNote(s.well.downtimeDepthIndex, c.depth);
    if (note && m.window.shellOpen) {
        const wellfile::OpenWell& well = s.well.file;
        m.window.shellOpen(QDir(well.currentFolder).filePath(app::DowntimeNoteName(well.wellName, *note)));
    }
    return true;
}

// The gamma of the curve set at `d` and `d + 1`, while a loaded set is shown on the log.
std::pair<float, float> GammaAt(const app::LogState& s, std::int32_t d)
{
    const tracks::ElogView* elog = s.view.painters ? s.view.painters->ShownElogView() : nullptr;
    if (!s.view.elogShown || !elog)
        return {0.0f, 0.0f};
    const tracks::ElogRow* a = elog->RowAt(d);
    const tracks::ElogRow* b = elog->RowAt(d + 1);
    if (!a || !b)
        return {0.0f, 0.0f};
    return {(*a)[1], (*b)[1]};
}

// Test 18: the values of the clicked row in the read-out box, by column.
void ShowReadout(app::LogState& s, const MouseContext& m, const ViewGeometry& g, const Click& c)
{
    const std::vector<wellfile::RECORD>& cache = s.view.recordCache;
    if (cache.empty() || s.well.file.drilling || g.scaleIndex >= 3 || !c.inRows || g.rowHeight <= 0)
        return;
    const int step = std::max(g.depthStep, 1);
    const long long r = (c.y - g.topMargin) / g.rowHeight;
    // Only rows the cache holds a record of: none past the file's last depth.
    const auto held = [&](long long i) {
        return i >= 0 && i < (long long)cache.size() && (long long)g.viewTopDepth + i * step <= g.fileLastDepth &&
               cache[std::size_t(i)].depth != 0;
    };
    const bool hardnessShown = g.profile == 115 || (g.Flag(layout::FLAG_INTERPRETED_LITH) && g.hardness.count > 0);
    const bool hardnessLabel = s.layout.schemes.hardnessLabel;
    const int U = g.unitWidth, lithLeft = g.lithology.left, lithRight = lithLeft + 10 * g.lithology.cell;
    const int x = c.logX;

    Readout out;
    if (g.rate.left + U < x && x < g.rate.Right() - 2 * U) {
        if (!held(r))
            return;
        const auto [g1, g2] = GammaAt(s, c.depth);
        out = RateReadout(cache[std::size_t(r)], g1, g2, s.view.elogShown);
    } else if (lithLeft < x && x < lithRight) {
        if (!held(r + 1))
            return;  // the description is that of the row below the click
        const wellfile::RECORD& below = cache[std::size_t(r + 1)];
        out.text = BuildLithText(below.lith);
        out.width = m.readout.TextWidth(out.text) + 10;
        out.height = 20;
        if (hardnessShown) {
            out.text += HardnessLine(below, hardnessLabel);
            out.width += 10;
            out.height = 35;
        }
    } else if (g.gas.left + U < x && x < g.gasRight) {
        if (!held(r))
            return;
        GasReadoutOptions options;
        options.hotWire = s.options.hotwire;
        options.percentOfTestGas = GasAsPercentOfTestGas(g.options.gasPercent != 0, g.profile, g.SingleGas());
        options.profile = g.profile;
        options.co2Line = g.Flag(layout::FLAG_CO2);
        out = GasReadout(cache[std::size_t(r)], options);
    } else if ((lithLeft - 3 * U < x && x < lithLeft) || (lithRight < x && x < g.gas.left)) {
        if (!held(r))
            return;
        out.text = BuildShowText(cache[std::size_t(r)]);
        out.width = 120;
        out.height = 60;
        if (hardnessShown) {
            out.text += HardnessLine(cache[std::size_t(r)], hardnessLabel);
            out.height = 75;
        }
    } else {
        return;
    }
    m.readout.Show(out.text, c.x, c.y, out.width, out.height, m.window.clientTop ? m.window.clientTop() : 0);
}

}  // namespace

void LeftButtonDown(app::LogState& s, const MouseContext& m, int x, int y, unsigned keys)
{
    const ViewGeometry g = GeometryOf(s);
    Click c;
    c.x = x;
    c.y = y;
    c.logX = PointOf(g, x, y).logX;
    c.depth = app::DepthAtRow(app::RowGeometryOf(s), y);
    c.ctrl = (keys & MK_CONTROL) != 0;
    c.inRows = g.topMargin < y && y < s.view.logAreaBottom;

    if (NoteEditOrDragTakesClick(s)) {
        if (m.drags)
            ReleaseBoxDc(s, *m.drags);  // a box drag it ended lets go of its image
        return;
    }
    if (g.scaleIndex < 3 && c.ctrl && RecordMarkClick(s, m, g, c))
        return;
    const MouseState& drags = s.interaction.mouse;
    const MousePoint point = PointOf(g, x, y);
    if (g.scaleIndex < 3 && c.inRows && c.ctrl && !drags.BoxMoving() && !drags.memoFrame &&
        StartBoxDrag(s, m, g, point, c.depth))
        return;

    m.readout.Prepare(m.window.window);
    const bool customShown = s.well.customTracksEnabled && s.customTracks.data;
    // The custom tracks end at the log's right edge: the log-image strip beyond it keeps its clicks.
    if (!s.well.file.drilling && customShown && c.inRows && c.logX > g.gasRight && c.logX < g.logWidth) {
        ShowValueBox(s, m, c.depth, x, y);
        return;
    }
    if (customShown && c.ctrl && CustomTitleClick(s, c))
        return;
    if (ImageStripClick(s, c))
        return;
    if (StartElogMatch(s, m, g, point, c.depth, c.ctrl))
        return;
    if (c.inRows && MarkerLeftOf(s, g) <= c.logX && c.logX <= g.rate.Right() &&
        !ReportMarkerClick(s, m, g, c))
        return;
    if (DowntimeClick(s, m, g, c))
        return;
    if (!c.ctrl && s.well.file.drilling && g.gas.left < c.logX && c.logX < g.gas.left + g.unitWidth &&
        StartDragGas(s, m, point))
        return;
    if (!drags.shortReportDrilling && !drags.shortReportMud && !drags.memoFrame && c.ctrl &&
        g.Flag(layout::FLAG_MEMOS) && g.scaleIndex < 3 && !s.notes.memos.empty() && StartNewMemoFrame(s, m, point))
        return;
    if (StartOffsetMatch(s, m, g, point) || StartTopDrag(s, m, g, point, c.depth))
        return;
    if (m.window.verticalScroll) {
        if (y < g.topMargin)
            m.window.verticalScroll(app::SB_PAGEUP);
        else if (y > s.view.logAreaBottom + (s.view.viewLayout ? 5 : 2) * g.rowHeight)
            m.window.verticalScroll(app::SB_PAGEDOWN);
    }
    ShowReadout(s, m, g, c);
}

}  // namespace logview
