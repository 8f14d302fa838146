#pragma once
// The title row: the grey band above the first log row with the file and curve-file lines, the well
// title, the column titles, the ppm scale, the lithology legend, the flare scale and the remote-monitor
// notice. While a log image is rendered the band is the log header page; while drilling it is drilling's
// status display. The window paint, the compressed body, the off-screen render, the image export and the
// commands that change what the band shows all draw it through DrawTrackTitles.
#include "layout/pentable.h"
#include "logview/device.h"
#include "logview/draw/headerpage.h"
#include "logview/draw/lithlegend.h"
#include "logview/viewgeometry.h"
#include "platform/gdi.h"

#include <QString>

#include <optional>
#include <string>

namespace platform {
class Dc;
}

namespace logview {

class NeighbourPainters;

// The e-log curve set's part of the band.
struct TitleCurveSet {
    QString path;  // the curve file; its name and extension are shown
    std::int32_t firstDepth = 0;
    std::int32_t lastDepth = 0;
    float kb = 0;
};

// What the band reads besides the geometry and the pens. The well title is loaded by the caller.
struct TitleRow {
    bool imageRender = false;          // the band is the log header page
    bool drilling = false;             // the band is drilling's status display
    bool oneBitImage = false;          // the image is rendered at one bit per pixel
    bool colourPrinting = false;
    bool customTracksShown = false;
    bool noPanelBrush = false;         // the panel keeps the Dc's brush
    bool importedCurves = false;       // imported curves shown: no font choice, curve-file lines or ppm scale
    bool tallTitle = false;            // file lines 5 rows down, the well title 8 rows down
    bool lithLegend = false;           // the "Lith Legend" switch
    bool tvdFile = false;              // the depth range is marked TVD
    bool rightEdgeDepth = false;       // the depths stand at the right edge: the well title moves left
    bool alternateDepthStyle = false;  // column titles in the survey-block font
    bool descriptionLayout = false;
    bool showColumn = false;
    bool gasDescription = false;       // the gas-percent description column is shown
    bool hardnessLabel = false;        // " HD " instead of " CA "
    bool flareScale = false;           // the flare column's scale is drawn at flareLeft
    std::int32_t flareLeft = 0;
    bool remoteMonitor = false;        // the remote monitor runs
    std::int32_t clientWidth = 0;      // the window's client width
    QString wellName;                  // the data file's name without extension
    std::string wellTitle;             // Windows-1252, as the header keeps it
    float kb = 0;                      // the KB elevation of the well
    std::optional<TitleCurveSet> curves;  // the loaded curve set
    HeaderPage headerPage;             // what the header page reads while a log image is rendered
};

// The rate track's title: per minute, per five units at scale index 3, or per hour (which wins).
QString RateTitle(const ViewGeometry& g);

// Draws the band (or the header page, or drilling's status display) and keeps the band's rectangle in
// `titleRect` (left 1, top 0, the window's or the log's right edge, the top margin; the page frame for
// the header page; unchanged while drilling). Puts back the Dc's objects, modes and colours.
void DrawTrackTitles(platform::Dc& dc, const ViewGeometry& g, const layout::LogPens& pens, const TitleRow& in,
                     NeighbourPainters& painters, platform::RECT& titleRect);

}  // namespace logview
