#include "logview/ui/rightbutton.h"

#include "app/layouthosts.h"
#include "app/logstate.h"
#include "app/scrolling.h"
#include "entry/entry_services.h"
#include "layout/custchartcfg.h"
#include "logview/boxdrops.h"
#include "logview/draw/gasratiochart.h"
#include "logview/draw/viewbitmaps.h"
#include "logview/gasratios.h"
#include "logview/geometryof.h"
#include "logview/logview_services.h"
#include "logview/recordmarks.h"
#include "logview/ui/boxdrags.h"
#include "logview/ui/mousewindow.h"
#include "logview/ui/readoutbox.h"
#include "platform/draw/dc.h"
#include "reports/reports_services.h"
#include "reports/shortreports.h"
#include "wellfile/datafile.h"

#include <algorithm>
#include <array>

namespace logview {

namespace {

constexpr int kGasTrackKind = 4;
constexpr int kRatioRecordKind = 29;
constexpr std::int32_t kPageDepth = 500;

struct RightClick {
    MousePoint p;
    std::int32_t depth = 0;
    bool ctrl = false;
    bool inRows = false;
};

bool Busy(const app::LogState& s)
{
    const MouseState& ms = s.interaction.mouse;
    return s.interaction.dataEntryActive || s.interaction.commandLock || ms.shortReportDrilling || ms.shortReportMud ||
           ms.memoFrame || s.notes.editMode != 0;
}

// A memo's box opens the memo dialog on that memo; the dialog's services load the memos again.
bool MemoBoxClick(app::LogState& s, const MouseContext& m, const ViewGeometry& g, const RightClick& c)
{
    const app::MemoHits& hits = s.notes.drawing.hits;
    if (s.notes.memoCount <= 0 || !g.Flag(layout::FLAG_MEMOS))
        return false;
    const int boxes = std::clamp(hits.count, 0, app::kMaxMemoHits);
    for (int k = 0; k < boxes; ++k) {
        if (!hits.boxes[std::size_t(k)].Contains(c.p.logX, c.p.y))
            continue;
        const std::int32_t memo = hits.memo[std::size_t(k)];
        entry::EntryServices* entry = m.window.entry ? m.window.entry() : nullptr;
        if (entry && memo >= 0 && memo < s.notes.memoCount)
            entry->RunMemoDialog(s, memo);
        return true;
    }
    return false;
}

// A short report's box opens the short-report dialog on the report it stands for: the first at or below
// the even depth of the box's top. A box with no report there opens nothing.
bool ReportBoxClick(app::LogState& s, const MouseContext& m, const RightClick& c, bool mud)
{
    const reports::ShortReportBoxes& table = mud ? s.shortReports.mud : s.shortReports.mechanical;
    const int count = std::clamp(table.count, 0, reports::kMaxShortReportBoxes);
    for (int i = 0; i < count; ++i) {
        const platform::RECT box = table.box[std::size_t(i)];
        if (!box.Contains(c.p.logX, c.p.y))
            continue;
        const std::int32_t top = app::DepthAtRow(app::RowGeometryOf(s), box.top);
        const std::optional<int> report = ReportOfBox(s.shortReports.reports, top - top % 2);
        reports::ReportServices* services = m.window.reports ? m.window.reports() : nullptr;
        if (!report || !services)
            return true;
        services->RunShortReportDialog(s, *report);
        // The dialog has written what it changed: the window's copy, older than the file, is only read
        // again, never written over it.
        reports::LoadShortReports(s.shortReports, s.well, s.env.remoteMonitorOn);
        s.view.Invalidate();
        return true;
    }
    return false;
}

bool CustomTrackClick(app::LogState& s, const ViewGeometry& g, const RightClick& c)
{
    // With a combined gas track the custom tracks begin right of the descriptions column.
    const int customLeft = s.layout.combinedGasTrack ? g.description.left + g.description.count * g.unitWidth : g.gasRight;
    if (!s.well.customTracksEnabled || !s.customTracks.data || !c.inRows || c.p.logX <= customLeft)
        return false;
    if (c.ctrl && ShowGasRatioPopup(s, c.depth, c.p.x))
        return true;
    app::RefreshCustomTrackHost(s);
    layout::EditCustomTracks(s.customTracks.host, s.customTracks.data, c.p.x, c.p.y);
    return true;
}

bool CasingClick(app::LogState& s, const ViewGeometry& g, const RightClick& c)
{
    const int x = c.p.logX, U = g.unitWidth, rateRight = g.rate.Right(), lithLeft = g.lithology.left;
    if (!((c.ctrl && rateRight <= x && x < rateRight + U) || (lithLeft - U <= x && x <= lithLeft)))
        return false;
    if (ToggleCasingMark(s.well.file, c.depth))
        s.view.Invalidate();
    return true;
}

void Page(app::LogState& s, const MouseContext& m, const ViewGeometry& g, const RightClick& c)
{
    wellfile::OpenWell& f = s.well.file;
    std::int32_t top = f.viewTopDepth;
    if (c.p.y < g.topMargin)
        top -= kPageDepth;
    else if (c.p.y > s.view.logAreaBottom)
        top += kPageDepth;
    else
        return;
    const app::DepthRange range{f.fileTopDepth, f.fileBottomDepth, f.viewDepthSpan};
    f.viewTopDepth = app::LimitTop(top, range);
    if (m.window.depthBarPosition)
        m.window.depthBarPosition(PagedBarPosition(f.viewTopDepth, f.fileTopDepth, f.fileBottomDepth, f.viewDepthSpan));
    s.view.redrawPending = true;
    s.view.Invalidate();
}

// The source of the chart's ratios under client x: the depth records, the ".fit" (a ratio-record
// track), or none (another kind of custom track).
enum class RatioSource { DepthRecords, ExtRecords, None };

RatioSource SourceAt(const app::LogState& s, int x)
{
    const layout::CUSTOMDATA* data = s.customTracks.data.get();
    if (!data)
        return RatioSource::DepthRecords;
    const long long at = (long long)x + s.customTracks.host.horizontalOffset;
    RatioSource source = RatioSource::DepthRecords;
    for (int t = 0; t < layout::kCustomTrackCount; ++t) {
        const layout::CustomTrackEntry& e = data->screenSet[std::size_t(t)];
        if (!(e.leftX < at && at < e.rightX))
            continue;
        if (e.kind == kRatioRecordKind)
            source = RatioSource::ExtRecords;
        else if (e.kind != kGasTrackKind)
            return RatioSource::None;
    }
    return source;
}

}  // namespace

int PagedBarPosition(std::int32_t top, std::int32_t first, std::int32_t last, std::int32_t span)
{
    if (top <= first || last <= first)
        return 0;  // a one-record well has nothing to scroll
    if (top >= (long long)last - span)
        return 100;
    return int(double((long long)top - first) / double((long long)last - first) * 100);
}

bool ShowGasRatioPopup(app::LogState& s, std::int32_t depth, int x)
{
    const RatioSource source = SourceAt(s, x);
    if (source == RatioSource::None || !s.view.bitmaps || s.view.bitmaps->backingStore.isNull())
        return false;
    const ViewGeometry g = GeometryOf(s);
    wellfile::OpenWell& f = s.well.file;
    const std::int32_t even = depth - depth % 2;
    const int step = std::max(f.depthStep, 1);
    std::optional<GasRatios> ratios;
    const long long index = ((long long)even - f.fileTopDepth) / step;
    std::array<wellfile::RECORD, 10> records{};
    int read = 0;
    if (index >= 0 && index <= 0x7FFFFFFF && !f.dataFileName.isEmpty())
        read = wellfile::ReadRecords(f, records, f.dataFileName, int(index), 5);
    if (read > 0)
        ratios = source == RatioSource::ExtRecords ? ReadExtRatios(s.well.fit, even, read) : RatiosOfRecord(records[0]);

    QImage& store = s.view.bitmaps->backingStore;
    platform::Dc dc(store);
    dc.SetViewportOrg(-g.horizontalScroll, 0);
    const GasRatioBox box{g.lithology.left, g.topMargin, g.unitWidth, g.rowHeight};
    DrawGasRatioChart(dc, box, ratios);
    if (s.view.updateArea) {
        const int left = box.left - g.horizontalScroll;
        s.view.updateArea(left, box.top, left + box.Side() + 1, box.top + box.Side() + 5 * box.rowHeight + 1);
    }
    return ratios.has_value();
}

void RightButtonDown(app::LogState& s, const MouseContext& m, int x, int y, unsigned keys)
{
    if (Busy(s))
        return;
    const ViewGeometry g = GeometryOf(s);
    RightClick c;
    c.p = PointOf(g, x, y);
    c.depth = app::DepthAtRow(app::RowGeometryOf(s), y);
    c.ctrl = (keys & MK_CONTROL) != 0;
    c.inRows = g.topMargin < y && y < s.view.logAreaBottom;
    const bool largeScale = g.scaleIndex < 3;

    if (largeScale && c.inRows &&
        (MemoBoxClick(s, m, g, c) || ReportBoxClick(s, m, c, true) || ReportBoxClick(s, m, c, false))) {
        // What the dialog changed is drawn anew under a read-out that may no longer say it.
        m.readout.Hide();
        return;
    }
    if (CustomTrackClick(s, g, c))
        return;
    if (largeScale && c.ctrl && g.gas.left < c.p.logX && c.p.logX < g.gasRight) {
        if (m.window.labelGases)
            m.window.labelGases(c.depth);
        return;
    }
    if (largeScale && CasingClick(s, g, c))
        return;
    if (s.engines.elogCurves && c.p.logX > g.gas.left && c.inRows) {
        if (m.window.elogReadout)
            m.window.elogReadout(c.depth);
        return;
    }
    Page(s, m, g, c);
}

}  // namespace logview
