#pragma once
// The drilling status band: while drilling mode is on, the band above the log (from the window's top to
// the log's top margin) shows the bottom depth, the rate of penetration, the lag, the WITS link's
// state, the well name with its depth range and the "DRILLING" banner. The log's title painter draws it
// in place of the title band; the WITS link and the remote update draw their lines again on their own.
#include "layout/pentable.h"
#include "logview/viewgeometry.h"
#include "platform/draw/gdiobjects.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <string>

namespace platform {
class Dc;
}

namespace drilling {

// The main window's status fonts for a log of rows `rowHeight` pixels high: status texts Arial bold of
// character height R + 4, the title line Arial bold R + 6, the link line Arial bold R + 2.
struct StatusFonts {
    platform::Font status;
    platform::Font title;
    platform::Font link;
};
StatusFonts StatusFontsFor(int rowHeight);

// How the WITS link runs, for its line.
enum class LinkKind { None, Serial, TcpClient, TcpServer };
struct LinkLine {
    LinkKind kind = LinkKind::None;
    int port = 0;  // the serial port number, or the server's client count
};
// " Wits " followed by the link's state.
QString LinkStatusText(const LinkLine& link);

// What the band shows besides the geometry.
struct StatusBand {
    int clientWidth = 0;            // the window's client width
    QString wellName;               // the data file's name without extension
    std::string wellTitle;          // Windows-1252, as the header keeps it
    QString logTitle;               // the profile's log title
    bool strokes = false;           // the stroke counter runs: its box reaches 3 units past the band
    std::int32_t rate = 0;          // rate of penetration, units per hour
    bool witsLinkOn = false;
    LinkLine link;
    bool linkSuppressed = false;    // the link line is not drawn
    bool remoteUpdate = false;      // the update-package option is on and a remote update runs
    int screenWidth = 0;
    const layout::LogPens* pens = nullptr;  // for the ppm scale; none: no scale
    // The driller's own lines, drawn on the same Dc: the depth and rate texts, the lag text.
    std::function<void()> depthStatus;
    std::function<void()> lagStatus;
};

// The band's right edge: the larger of the client's and the log's right edge, 3 units further while
// strokes are counted.
int BandRight(const logview::ViewGeometry& g, const StatusBand& band);

// The file line alone, where the band draws it, on the band's white so that the old digits go.
void DrawFileLine(platform::Dc& dc, const logview::ViewGeometry& g, const StatusBand& band, const StatusFonts& fonts);
// Draws the whole band for the profile (the compact layout for 4, 11, 17, 64, 78 and 88); returns the x
// where the banner's text ends. Puts back the Dc's objects, modes and colours.
int DrawDrillingStatus(platform::Dc& dc, const logview::ViewGeometry& g, const StatusBand& band, const StatusFonts& fonts);
int DrawDrillingStatusCompact(platform::Dc& dc, const logview::ViewGeometry& g, const StatusBand& band,
                              const StatusFonts& fonts);

// The link line at the gas track's left edge, on its baseline 2 rows above the top margin, in red; with
// `highlight` in the Dc's background colour, so that alternate calls make it blink. 0 (nothing drawn)
// when suppressed, else 1.
int DrawLinkStatus(platform::Dc& dc, const logview::ViewGeometry& g, const LinkLine& link, bool suppressed,
                   bool highlight, const StatusFonts& fonts);
// " Remote Update Running " centred on half the screen width (a quarter above 1,280 pixels), coloured as
// the link line. Returns 1.
int DrawRemoteUpdate(platform::Dc& dc, const logview::ViewGeometry& g, int screenWidth, bool highlight,
                     const StatusFonts& fonts);

}  // namespace drilling
