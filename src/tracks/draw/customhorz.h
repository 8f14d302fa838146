#pragma once
// The custom tracks in the horizontal-well view's image: depth runs to the right (each record two x
// steps), the first four configured tracks are bands stacked upwards from a base line, each as high as
// its blocks. A band shows its grid (linear, ratio, resistivity or decades), its cells (pictures, survey
// values, memos) and its curves with their fills; the first band also shows the mud weights as bars.
// Scale labels stand at regular depths for every configured curve track.
//
// The view paints on a copy of the screen track set: the band edges it lays out go into the copy's
// left-x (lower edge) and right-x (upper edge) fields, never into the set the log and a save read.
// Pictures that cannot be had are skipped and listed for the caller to report once the image is done.
#include "layout/custchartcfg.h"
#include "logview/viewgeometry.h"
#include "tracks/curvevalues.h"
#include "tracks/elogview.h"
#include "tracks/painterstate.h"
#include "wellfile/memorecords.h"
#include "wellfile/record.h"

#include <QString>

#include <cstdint>
#include <span>
#include <vector>

namespace platform {
class Dc;
}

namespace tracks {

// One entry of the well's picture table.
struct HorzPicture {
    std::int32_t depth = 0;
    QString file;  // the name in the pictures folder
};

// A picture the image left out: its file and whether it could not be had in memory (else not read).
struct HorzPictureFailure {
    QString file;
    bool memory = false;
};
// The one message for the pictures left out: "Memory allocation failed" or "Not Loaded", with the files.
QString HorzPictureFailureText(const std::vector<HorzPictureFailure>& failures);
// The largest picture read: a file that claims more pixels is left out as one without memory.
constexpr long long kMaxHorzPicturePixels = 40'000'000;

// What the image reads besides the custom-track object.
struct HorzSources {
    const logview::ViewGeometry& g;  // file depths, scale index, row height, grid and survey pens, fonts
    PainterState& state;             // the remembered mud weights of the curve values
    const CurveValueSettings& values;
    const ElogView* elog = nullptr;
    std::span<const HorzPicture> pictures;
    QString picturesFolder;
    std::span<const wellfile::SVMEMO> memos;  // sorted by depth
    std::vector<HorzPictureFailure>* failures = nullptr;  // where left-out pictures are listed
};

// The range drawn: records[0] precedes the first drawn record, custom[0] is records[0]'s, `count`
// records after it; x runs from leftX (records[0]'s depth, two x steps a record) to rightX; the first
// band stands on baseY. Every curve sample stands at the x of its depth.
struct HorzRange {
    std::span<const wellfile::RECORD> records;
    std::span<const wellfile::CUSTDATAREC> custom;
    int count = 0;
    int xStep = 1;
    int leftX = 0;
    int rightX = 0;
    int baseY = 0;
};

// Everything: the band layout on a copy of the screen set, cells and grids, curves. Returns 1.
int PaintCustomTracks(platform::Dc& dc, layout::CUSTOMDATA& data, const HorzSources& in, const HorzRange& range);
// The same on a copy of `tracks` in place of the screen set (the view's header tracks, laid out by it).
int PaintCustomTracks(platform::Dc& dc, layout::CUSTOMDATA& data, const layout::TrackSet& tracks,
                      const HorzSources& in, const HorzRange& range);

// The parts, on the laid-out band set `bands`.
int PaintHorzCells(platform::Dc& dc, layout::CUSTOMDATA& data, layout::TrackSet& bands, const HorzSources& in,
                   const HorzRange& range);
void PaintHorzCurves(platform::Dc& dc, layout::CUSTOMDATA& data, layout::TrackSet& bands, const HorzSources& in,
                     const HorzRange& range);
void PaintHorzScaleLabels(platform::Dc& dc, const layout::CUSTOMDATA& data, const layout::TrackSet& bands, int x,
                          int xStep);

// The cells of band `track`: memo boxes with the text top at textTopY, pictures in squares standing on
// baseY, survey values. `records` start with the first drawn; the memos' and the survey's `xStep` is the
// pixels per depth unit, the pictures' the pixels per sample (two a record).
int PaintHorzMemos(platform::Dc& dc, const layout::TrackSet& bands, const HorzSources& in,
                   std::span<const wellfile::RECORD> records, int textTopY, int startX, int xStep,
                   std::int32_t stopDepth, int track);
int PaintHorzPictures(platform::Dc& dc, const layout::TrackSet& bands, const HorzSources& in,
                      std::span<const wellfile::RECORD> records, int baseY, int startX, int count, int xStep,
                      std::int32_t stopDepth, int track);
int PaintHorzSurvey(platform::Dc& dc, const HorzSources& in, std::span<const wellfile::RECORD> records, int baseY,
                    int startX, int count, int xStep, std::int32_t stopDepth);

// The grids of band `track` across the image, from its lower edge up.
int PaintHorzRatioGrid(platform::Dc& dc, const layout::CUSTOMDATA& data, const layout::TrackSet& bands,
                       const HorzSources& in, const HorzRange& range, int baseY, int track);
int PaintHorzResistivityGrid(platform::Dc& dc, const layout::CUSTOMDATA& data, const layout::TrackSet& bands,
                             const HorzRange& range, int track);
int PaintHorzLogGrid(platform::Dc& dc, const layout::TrackSet& bands, const HorzSources& in, const HorzRange& range,
                     int baseY, int track);

}  // namespace tracks
