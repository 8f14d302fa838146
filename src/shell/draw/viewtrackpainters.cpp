// The track painters as the view's neighbour painters: the window's set forwards its calls here.
#include "shell/draw/viewpainters.h"
#include "tracks/draw/chromatograph.h"
#include "tracks/draw/customtracks.h"
#include "tracks/draw/gascurves.h"
#include "tracks/draw/gasheads.h"
#include "tracks/draw/lithology.h"
#include "tracks/draw/mudoutline.h"
#include "tracks/draw/printedgas.h"
#include "tracks/draw/recordcurves.h"
#include "tracks/draw/showcolumns.h"
#include "tracks/draw/topscolumn.h"
#include "tracks/draw/verticaltext.h"

namespace shell {

using logview::PaintTarget;
using logview::Records;
using logview::CustomRecords;

void ViewPainters::DrawGasCurves(const PaintTarget& t, Records records, std::size_t index, int y, int rowCounter,
                                 bool percent, bool previous)
{
    tracks::PainterState& state = TrackState();
    state.rowCounter = rowCounter;
    tracks::DrawGasCurves(t.dc, t.geometry, t.device, TrackSettingsNow(), state, records, index, y, percent, previous);
}

int ViewPainters::DrawLithology(const PaintTarget& t, Records records, std::size_t index, int rowHeight, int y,
                                int rowCounter, int split, int interpreted)
{
    tracks::LithHooks hooks;
    hooks.automaticLith = automaticLith;
    tracks::PainterState& state = TrackState();
    // Split rows and custom lithology tracks count their own rows; the view's rows follow its pass.
    if (split == 0 && state.lith.customTrackX == 0)
        state.lith.rowCounter = rowCounter;
    return tracks::DrawLithology(t.dc, t.geometry, t.device, TrackSettingsNow(), state, records, index, rowHeight,
                                 y, split != 0, interpreted != 0, hooks);
}

int ViewPainters::DrawGasScaleHeader(const PaintTarget& t, const wellfile::RECORD& rec, int y, int rowHeight, int flag)
{
    return tracks::DrawGasScaleHeader(t.dc, t.geometry, t.device, TrackSettingsNow(), rec, y, rowHeight, flag);
}

void ViewPainters::DrawTrackScaleHeader(const PaintTarget& t, int y, int rowHeight, int flag)
{
    tracks::DrawTrackScaleHeader(t.dc, t.geometry, t.device, TrackSettingsNow(), y, rowHeight, flag != 0);
}

void ViewPainters::DrawTrackScaleHeader2(const PaintTarget& t, int y, int rowHeight)
{
    tracks::DrawTrackScaleHeader2(t.dc, t.geometry, t.device, y, rowHeight);
}

void ViewPainters::DrawAveragedCurve(const PaintTarget& t, Records records, std::size_t first, int count, int rowHeight,
                                     int topY, bool continued)
{
    tracks::DrawAveragedCurve(t.dc, t.geometry, t.device, TrackSettingsNow(), records, first, count, rowHeight, topY,
                              continued);
}

void ViewPainters::DrawDataCurve(const PaintTarget& t, Records records, std::size_t first, int count, int rowHeight,
                                 int topY, bool continued)
{
    tracks::DrawDataCurve(t.dc, t.geometry, t.device, TrackSettingsNow(), records, first, count, rowHeight, topY,
                          continued);
}

void ViewPainters::DrawRecordCurve(const PaintTarget& t, Records records, std::size_t first, int count, int rowHeight,
                                   int topY, bool continued)
{
    tracks::DrawRecordCurve(t.dc, t.geometry, t.device, TrackSettingsNow(), records, first, count, rowHeight, topY,
                            continued);
}

void ViewPainters::DrawLinearCurve(const PaintTarget& t, Records records, std::size_t first, int count, int rowHeight,
                                   int topY, bool continued)
{
    tracks::DrawLinearCurve(t.dc, t.geometry, t.device, records, first, count, rowHeight, topY, continued);
}

void ViewPainters::DrawChromatographTrack(const PaintTarget& t, Records records, std::size_t first, int count,
                                          int rowHeight, int topY)
{
    tracks::DrawChromatographTrack(t.dc, t.geometry, t.device, TrackSettingsNow(), TrackState(), records, first,
                                   rowHeight, topY, count);
}

void ViewPainters::DrawTextColumn(const PaintTarget& t, const wellfile::RECORD& rec, int y, int rowHeight)
{
    tracks::DrawTextColumn(t.dc, t.geometry, t.device, rec, y, rowHeight);
}

void ViewPainters::DrawMudInOut(const PaintTarget& t, const wellfile::RECORD& rec, int rowHeight, int y)
{
    tracks::DrawMudInOut(t.dc, t.geometry, t.device, rec, 0, rowHeight, y, 0);
}

// The whole-log columns: `records` are the rows' records, the first at topY.
void ViewPainters::DrawTopsColumn(const PaintTarget& t, Records records, int rowHeight, int topY)
{
    const tracks::TopsView view = tops ? tops() : tracks::TopsView{};
    tracks::DrawTopsColumn(t.dc, t.geometry, t.device, view, records, 0, int(records.size()) - 1, rowHeight, topY);
}

void ViewPainters::DrawRatingColumn(const PaintTarget& t, Records records, int rowHeight, int topY)
{
    tracks::DrawRatingColumn(t.dc, t.geometry, t.device, records, 0, rowHeight, int(records.size()) - 1, topY);
}

void ViewPainters::DrawBoxColumn(const PaintTarget& t, Records records, std::size_t first, int count, int rowHeight,
                                 int topY)
{
    tracks::DrawBoxColumn(t.dc, t.geometry, t.device, records, first, rowHeight, count, topY, {});
}

// The cut rating column.
void ViewPainters::DrawPorosityColumn(const PaintTarget& t, Records records, int rowHeight, int topY)
{
    tracks::DrawCutColumn(t.dc, t.geometry, t.device, records, 0, rowHeight, int(records.size()) - 1, topY, {});
}

void ViewPainters::DrawBarColumn(const PaintTarget& t, Records records, std::size_t first, int count, int rowHeight,
                                 int topY)
{
    tracks::DrawBarColumn(t.dc, t.geometry, t.device, records, first, rowHeight, count - 1, topY);  // rows 0 to count - 1
}

void ViewPainters::DrawBarColumn2(const PaintTarget& t, Records records, int rowHeight, int topY)
{
    tracks::DrawBarColumn2(t.dc, t.geometry, t.device, records, 0, rowHeight, int(records.size()), topY, {});
}

int ViewPainters::PrintCurveTrack(const PaintTarget& t, Records records, std::size_t index, int rowHeight, bool ratio,
                                  int y)
{
    return tracks::PrintCurveTrack(t.dc, t.geometry, t.device, TrackSettingsNow(), TrackState(), elogView, records,
                                   index, rowHeight, ratio, y);
}

int ViewPainters::PrintCurveTrack2(const PaintTarget& t, Records records, std::size_t first, int rowHeight, int count,
                                   bool ratio, int y)
{
    return tracks::PrintCurveTrack2(t.dc, t.geometry, t.device, TrackSettingsNow(), TrackState(), elogView, records,
                                    first, rowHeight, count, ratio, y);
}

void ViewPainters::DrawVerticalText(const PaintTarget& t, const std::string& text, int x, int y, int step)
{
    tracks::DrawVerticalText(t.dc, text, x, y, step);
}

void ViewPainters::PaintCustomTracks(const PaintTarget& t, Records records, CustomRecords custom, int topY, int rows,
                                     int rowHeight, std::int32_t stopDepth, int instantMode)
{
    if (!customTrackWindow)
        return;
    const tracks::CustomTrackWindow window = customTrackWindow();
    layout::CUSTOMDATA* data = t.device.printing ? window.printer : window.screen;
    if (!data)
        return;
    const tracks::TrackSettings settings = TrackSettingsNow();
    const tracks::CurveValueSettings values = curveValueSettings ? curveValueSettings() : tracks::CurveValueSettings{};
    tracks::CustomPass pass{t.dc, t.geometry, t.device, settings, TrackState(), *this, values, elogView, window,
                            tracks::LithHooks{nullptr, automaticLith}, {}, instantMode};
    pass.rows.records = records;
    pass.rows.custom = custom.all;
    pass.rows.first = custom.first;
    pass.rows.topY = topY;
    pass.rows.rows = rows;
    pass.rows.rowHeight = rowHeight;
    pass.rows.stopDepth = stopDepth;
    tracks::PaintLogBody(*data, pass);
}

}  // namespace shell
