#pragma once
// The custom tracks of the log body: the frame that paints them on the screen, in log images, on paper
// and for the one new row of a drilling or WITS step, and the painters of their grids and cells. The
// frame refreshes the grid pens and the working track set, walks the tracks left to right handing each
// to the painter of its type and kind letter (the plain block grid for curve tracks), writes the mud
// weights into the tracks that ask for them, then draws the curves (customcurves.h) and, on the screen
// object, the title strips (customtitles.h).
//
// Track types: 3 and 30 ratio tracks, 7 resistivity, 11 and 12 percent and interpreted lithology, 13
// text tracks, 14 show tracks; any other type is a curve track, on a logarithmic or the linear grid.
// The kind letter of a text or show track is its curve 1's data code read as a character.
//
// Rows: records[0] is the record of the top line at topY; row k (from 0) ends on the line of
// records[k + 1] (ten records a row on scale index 3). Every walk stops at the end of the records given.
#include "layout/custchartcfg.h"
#include "logview/device.h"
#include "logview/draw/neighbourpainters.h"
#include "logview/viewgeometry.h"
#include "tracks/customtrackwindow.h"
#include "tracks/draw/customcurves.h"
#include "tracks/draw/lithology.h"
#include "tracks/elogview.h"
#include "tracks/painterstate.h"
#include "tracks/tracksettings.h"

#include <cstdint>

namespace platform {
class Dc;
}

namespace tracks {

// Track types and kind letters of the custom tracks.
enum CustomTrackType : int {
    kRatioTrack = 3,
    kPorosityTrack = 6,
    kResistivityTrack = 7,
    kPercentLithTrack = 11,
    kInterpretedLithTrack = 12,
    kTextTrack = 13,
    kShowTrack = 14,
    kFitRatioTrack = 30,
};
enum CustomKind : char {
    kDescriptionsKind = 'E',
    kDepthKind = 'F',
    kShortReportKind = 'G',
    kSurveyKind = 'H',
    kFluorescenceKind = 'I',
    kCutKind = 'J',
    kRatingKind = 'K',
    kPicturesKind = 'M',
    kMemosKind = 'N',
};
inline char KindLetter(const layout::CustomTrackEntry& e) { return char(e.dataCode[0] & 0xFF); }

// Everything one paint of the custom tracks reads besides the object and its rows.
struct CustomPass {
    platform::Dc& dc;
    const logview::ViewGeometry& g;
    const logview::Device& device;
    const TrackSettings& settings;
    PainterState& state;
    logview::NeighbourPainters& neighbours;  // short reports, memos and pictures
    const CurveValueSettings& values;
    const ElogView* elog = nullptr;
    CustomTrackWindow window;
    // The lithology tracks' pattern painters (the real ones when none) and the e-log lithology of the
    // first interpreted track (unset: none).
    LithHooks lith;
    CustomCurveRows rows;
    int instantMode = kFullPaint;
};

// The frame. Returns 1 when tracks and curves were painted; 0 when nothing was (a minimised window's
// screen paint) or only the tracks (a file of fewer than 20 depth units gets no curves).
int PaintLogBody(layout::CUSTOMDATA& data, CustomPass& pass);
// The track walk: every track up to the first without blocks, then the mud weights. Returns 1.
int PaintTracks(layout::CUSTOMDATA& data, CustomPass& pass);

// The grids and cells of track `track` over the pass's rows. The grids use the object's three grid
// pens (minor, medium, heavy).
int PaintLinearGrid(layout::CUSTOMDATA& data, CustomPass& pass, int track);
int PaintRatioGrid(layout::CUSTOMDATA& data, CustomPass& pass, int track);
// 0 when the first curve's range holds no power of ten from 0.001 to 1000000: nothing is drawn.
int PaintLogGrid(layout::CUSTOMDATA& data, CustomPass& pass, int track);
int PaintResistivityGrid(layout::CUSTOMDATA& data, CustomPass& pass, int track);
int PaintLithologyTrack(layout::CUSTOMDATA& data, CustomPass& pass, int track, bool interpreted);
int PaintPictureTrack(layout::CUSTOMDATA& data, CustomPass& pass, int track);
int PaintSurveyTrack(layout::CUSTOMDATA& data, CustomPass& pass, int track);
int PaintTextTrack(layout::CUSTOMDATA& data, CustomPass& pass, int track);
int PaintShowTrack(layout::CUSTOMDATA& data, CustomPass& pass, int track);

}  // namespace tracks
