#include "tracks/draw/customtracks.h"

#include "layout/draw/penof.h"
#include "logview/draw/gridstrips.h"
#include "platform/draw/dc.h"
#include "platform/text.h"
#include "tracks/draw/customrows.h"
#include "tracks/draw/customtitles.h"
#include "tracks/draw/customtrackdraw.h"
#include "tracks/draw/mudoutline.h"

#include <algorithm>
#include <string>

namespace tracks {

namespace custom {

void DepthLabel(layout::CUSTOMDATA& data, CustomPass& p, int track, std::int32_t depth, int interval, int y)
{
    if (p.g.profile == 134 || track <= 0 || track % 3 != 0 || depth % interval != 0)
        return;
    const layout::CustomTrackEntry& e = data.paintSet[std::size_t(track)];
    const std::string text = platform::CFormat("%d", depth);
    const platform::KeepDcState keep(p.dc);
    p.dc.SetTextAlign(platform::TA_RIGHT);
    p.dc.TextOut(Trunc(double(e.rightX) - 2), Trunc(y - 1.6 * p.rows.rowHeight), text.c_str(), int(text.size()));
}

void TrackBorders(CustomPass& p, const layout::CustomTrackEntry& e, int rows)
{
    const int top = p.rows.topY;
    const int bottom = Trunc(double(top) + double(rows) * p.rows.rowHeight);
    for (const int x : {e.leftX, e.rightX}) {
        p.dc.MoveTo(x, top);
        p.dc.LineTo(x, bottom);
    }
}

void RestoreStrip(CustomPass& p, int x, int width)
{
    if (p.window.strips && width > 0)
        logview::BlitColumn(p.dc, *p.window.strips, p.g, logview::COLUMN_POROSITY, p.rows.topY, std::max(x, 1), width);
}

}  // namespace custom

namespace {

using namespace custom;

constexpr int kMostTracksWhileDrilling = 10;
constexpr int kShortFileDepths = 20;

void MakeGridPens(layout::CUSTOMDATA& data, const CustomTrackWindow& window, int rowHeight)
{
    const platform::COLORREF lightGrey = platform::RGB(192, 192, 192), blue = platform::RGB(0, 0, 255);
    if (!data.printing) {
        data.gridPens = {layout::PenSpec{lightGrey, 1, layout::PS_SOLID}, layout::PenSpec{blue, 1, layout::PS_SOLID},
                         layout::PenSpec{0, 2, layout::PS_SOLID}};
        return;
    }
    const platform::COLORREF minor = window.lightGridPrinting ? lightGrey : platform::RGB(128, 128, 128);
    data.gridPens = {layout::PenSpec{minor, 1, layout::PS_SOLID}, layout::PenSpec{blue, 2, layout::PS_SOLID},
                     layout::PenSpec{0, std::max(rowHeight / 6, 1), layout::PS_SOLID}};
}

// The short reports or memos of a 'G' or 'N' track: the pending ones of the last printed page first,
// then all that lie in the rows.
void ReportsOrMemos(CustomPass& p, const layout::CustomTrackEntry& e, bool reports)
{
    const logview::PaintTarget target{p.dc, p.g, p.device};
    const int R = p.rows.rowHeight, y = p.rows.topY - R, x = Trunc(e.leftX + R * 0.5);
    PendingCells& pending = p.state.pending;
    if (reports) {
        pending.TakeShortReports([&](std::int32_t report) { p.neighbours.DrawShortReportsCompact(target, report, R, y, x); });
    } else {
        if (pending.memo >= 0)
            p.neighbours.DrawMemoBox(target, pending.memo, R, y, x);
        pending.memo = -1;
    }
    const std::int32_t firstDepth = p.rows.records.empty() ? 0 : p.rows.records[0].depth;
    const int height = Trunc(double(p.rows.rows) * R);
    if (reports)
        p.neighbours.DrawShortReportsAt(target, firstDepth, height, R, y, x);
    else
        p.neighbours.DrawMemosAt(target, firstDepth, height, R, y, x);
}

void PaintCellTrack(layout::CUSTOMDATA& data, CustomPass& p, int track)
{
    const layout::CustomTrackEntry& e = data.paintSet[std::size_t(track)];
    switch (KindLetter(e)) {
    case kPicturesKind:
        if (p.window.pictureList)
            PaintPictureTrack(data, p, track);
        else
            PaintTextTrack(data, p, track);
        break;
    case kSurveyKind: PaintSurveyTrack(data, p, track); break;
    case kShortReportKind: ReportsOrMemos(p, e, true); break;
    case kMemosKind: ReportsOrMemos(p, e, false); break;
    default: PaintTextTrack(data, p, track); break;
    }
    TrackBorders(p, e, p.rows.rows);
}

void PaintTrack(layout::CUSTOMDATA& data, CustomPass& p, int track)
{
    const layout::CustomTrackEntry& e = data.paintSet[std::size_t(track)];
    switch (e.kind) {
    case kRatioTrack:
    case kFitRatioTrack:
        if (p.instantMode == kWitsStepRepaint)
            RestoreStrip(p, e.leftX + 2, e.rightX - e.leftX - 2);
        PaintRatioGrid(data, p, track);
        return;
    case kResistivityTrack: PaintResistivityGrid(data, p, track); return;
    case kPercentLithTrack: PaintLithologyTrack(data, p, track, false); return;
    case kInterpretedLithTrack:
        PaintLithologyTrack(data, p, track, true);
        // The e-log lithology goes to the first interpreted track of the paint only.
        p.lith.automaticLith = {};
        return;
    case kTextTrack: PaintCellTrack(data, p, track); return;
    case kShowTrack:
        PaintShowTrack(data, p, track);
        TrackBorders(p, e, p.rows.rows);
        return;
    default:
        if (e.logarithmic != 0) {
            if (p.instantMode == kWitsStepRepaint)
                RestoreStrip(p, e.leftX, e.rightX - e.leftX - 2);
            PaintLogGrid(data, p, track);
        } else {
            PaintLinearGrid(data, p, track);
        }
        return;
    }
}

// The mud weights of every track that asks for them, whatever draws the track.
void PaintMudWeights(layout::CUSTOMDATA& data, CustomPass& p, int tracks)
{
    const int R = p.rows.rowHeight;
    for (int t = 0; t < tracks; ++t) {
        const layout::CustomTrackEntry& e = data.paintSet[std::size_t(t)];
        if (e.mudWeight == 0)
            continue;
        const int width = layout::TrackWidth(e);
        int y = p.rows.topY;
        long long index = 0;
        for (int row = 0; row < p.rows.rows; ++row) {
            const wellfile::RECORD* rec = RecordAt(p, index);
            if (!rec || rec->depth == 0)
                break;
            if (rec->mudWeightOut > 0.0f || rec->mudWeightIn > 0.0f)
                DrawMudInOut(p.dc, p.g, p.device, *rec, width, R, y, e.leftX);
            if (rec->depth == p.g.fileLastDepth)
                break;
            y = Trunc(double(y) + R);
            index += RecordStep(p.g);
        }
    }
}

}  // namespace

int PaintLinearGrid(layout::CUSTOMDATA& data, CustomPass& p, int track)
{
    const layout::CustomTrackEntry& e = data.paintSet[std::size_t(track)];
    const logview::ViewGeometry& g = p.g;
    const int R = p.rows.rowHeight, top = p.rows.topY;
    int rows = p.rows.rows;
    int endY = TenPerRow(g) ? Trunc(top + double(rows) * R * 0.1) : Trunc(top + double(rows) * R - 4.0 * R);
    if (ScreenObject(data, p) && p.instantMode == kFullPaint) {
        rows = g.visibleRows;
        endY = g.logBottomY;
    }
    if (p.instantMode != kFullPaint)
        endY = std::min<long long>(2LL * endY, g.logBottomY);
    const int heavyInterval = TenPerRow(g) ? 100 : 50;
    const int mediumInterval = TenPerRow(g) ? 100 : 10;

    const platform::KeepDcState keep(p.dc);
    const platform::Pen pens[3] = {PenOf(data.gridPens[0]), PenOf(data.gridPens[1]), PenOf(data.gridPens[2])};
    long long x = e.leftX;
    for (int j = 0; j <= e.blockCount; ++j) {
        if (p.instantMode == kWitsStepRepaint && j == 0)
            RestoreStrip(p, e.leftX, e.rightX - e.leftX - 2);
        const GridPen pen = j == 0 ? kHeavyPen : (j % 5 == 0 || j == e.blockCount) ? kMediumPen : kMinorPen;
        p.dc.SelectObject(pens[pen]);
        const int lx = Trunc(double(x));
        p.dc.MoveTo(lx, top);
        p.dc.LineTo(lx, endY);
        if (data.printing && j == 0) {
            p.dc.MoveTo(lx - 1, top);
            p.dc.LineTo(lx - 1, endY);
        }
        x += e.blockWidth;
    }

    p.dc.SelectObject(FontOf(data.labelFont));
    long long index = TenPerRow(g) ? -1 : 0;
    int y = top;
    for (int k = 0; k < rows; ++k) {
        const std::optional<std::int32_t> depth = DepthAt(p, index);
        if (!depth)
            break;
        GridPen pen = kMinorPen;
        if (*depth > 0 && *depth % heavyInterval == 0)
            pen = kHeavyPen;
        else if (*depth > 0 && *depth % mediumInterval == 0)
            pen = kMediumPen;
        p.dc.SelectObject(pens[pen]);
        p.dc.MoveTo(e.leftX, y);
        p.dc.LineTo(e.rightX, y);
        DepthLabel(data, p, track, *depth, 50, y);
        y = NextRowY(data, y, R, k);
        if (*depth == 0 || *depth == g.fileLastDepth)
            break;
        index += RecordStep(g);
        if (ScreenObject(data, p) && y > endY)
            break;
        if (data.printing) {
            const std::optional<std::int32_t> next = DepthAt(p, index);
            if (!next || *next == 0 || *next >= p.rows.stopDepth)
                break;
        }
    }
    return 1;
}

int PaintTracks(layout::CUSTOMDATA& data, CustomPass& given)
{
    // An image is drawn five times the rows it is given, so its grids and cells reach its bottom.
    CustomPass p = given;
    if (!data.printing && p.device.imageExport)
        p.rows.rows *= 5;
    int tracks = data.trackCount;
    if (p.window.drilling)
        tracks = std::min(tracks, kMostTracksWhileDrilling);
    tracks = std::clamp(tracks, 1, layout::kCustomTrackCount);
    data.tracksToPaint = tracks;
    if (data.printing && p.rows.topY > 0)
        DrawPrintedTitles(p.dc, data, p.g, p.device, p.rows.records, p.rows.topY);

    const platform::KeepDcState keep(p.dc);
    for (int t = 0; t < tracks && layout::TrackActive(data.paintSet[std::size_t(t)]); ++t)
        PaintTrack(data, p, t);
    PaintMudWeights(data, p, tracks);
    return 1;
}

int PaintLogBody(layout::CUSTOMDATA& data, CustomPass& p)
{
    // A minimised window shows nothing; prints and images still get their tracks.
    if (p.window.iconic && OnScreen(data, p))
        return 0;
    MakeGridPens(data, p.window, p.rows.rowHeight);
    data.paintSet = data.printing ? data.printSet : data.screenSet;

    {
        const platform::KeepDcState keep(p.dc);
        p.dc.SetROP2(platform::R2_MASKPEN);
        CustomPass tracksPass = p;
        if (p.instantMode != kFullPaint)
            tracksPass.rows.rows = 1;
        PaintTracks(data, tracksPass);
    }

    if ((long long)p.g.fileLastDepth < (long long)p.g.fileFirstDepth + kShortFileDepths)
        return 0;
    PaintCurves(p.dc, data, p.g, p.device, p.rows, p.values, p.elog, p.state, p.instantMode);  // keeps the Dc's state
    if (!data.printing)
        DrawTrackTitles(p.dc, data, p.g, p.device, p.rows.records, p.rows.rowHeight, p.window.drilling);
    return 1;
}

}  // namespace tracks
