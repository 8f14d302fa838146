// The track painters as the view's neighbour painters: the window's set forwards its calls here.
#include "logview/draw/viewpainters.h"
#include "tracks/draw/chromatograph.h"
#include "tracks/draw/gascurves.h"
#include "tracks/draw/gasheads.h"
#include "tracks/draw/lithology.h"
#include "tracks/draw/recordcurves.h"

namespace logview {

void ViewPainters::DrawGasCurves(const PaintTarget& t, Records records, std::size_t index, int y, int rowCounter,
                                 bool percent, bool previous)
{
    tracks::PainterState& state = TrackState();
    state.rowCounter = rowCounter;
    tracks::DrawGasCurves(t.dc, t.geometry, t.device, TrackSettingsNow(), state, records, index, y, percent, previous);
}

int ViewPainters::DrawLithology(const PaintTarget& t, Records records, std::size_t index, int rowHeight, int y,
                                int split, int interpreted)
{
    tracks::LithHooks hooks;
    hooks.automaticLith = automaticLith;
    return tracks::DrawLithology(t.dc, t.geometry, t.device, TrackSettingsNow(), TrackState(), records, index, rowHeight,
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

}  // namespace logview
