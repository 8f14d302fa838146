#pragma once
// The log's layout and custom tracks: role groups of the main window's state (app/logstate.h).
#include "layout/custchartcfg.h"
#include "layout/logformat.h"
#include "layout/pentable.h"
#include "layout/printlayout.h"
#include "layout/schemes.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace app {

// The log's layout: where its columns stand, its pens and the display schemes that decide which tracks
// it shows. The format is rebuilt by LogWindow::SetLogFormat whenever anything that moves a column
// changes.
struct LogLayoutState {
    layout::LogLayout format;  // grid, column edges, fonts; the single source of row height and grid unit
    layout::LogPens pens;      // the pen table (".clr") and the pens made from it
    layout::SchemeState schemes;
    // The flare-track option: 0 draws the flares in the gas track, else in a flare track of their own.
    std::uint16_t flareTrack = 0;
    // The gas track and the descriptions are one combined track: the custom tracks begin right of the
    // descriptions column rather than right of the gas track.
    bool combinedGasTrack = false;
    // The window's side of applying a scheme: its callbacks are set once by the window, its copies of
    // folders and options are refreshed before each use.
    layout::SchemeHost schemeHost;
    // The printed log: the print options and the page set-up's print unit it is laid out with, and the
    // last print layout (its print-scale factor carries over to the next one).
    layout::PrintOptions printOptions;
    std::int32_t printUnit = 0;
    layout::PrintLayout print;
};

// The custom tracks of the open well.
struct CustomTracks {
    // The window's custom-track values (count, total width, title rectangles) and its callbacks; the
    // copies of geometry and folders are refreshed before each use.
    layout::CustomTrackHost host;
    std::unique_ptr<layout::CUSTOMDATA> data;  // while custom tracks are enabled
    std::unique_ptr<layout::CUSTOMDATA> printData;  // the print copy, made again by every print layout
    std::uint8_t useCustomScheme = 0;  // "Use Custom Scheme" of the custom-track setup
    // The custom-data rows by depth - first depth, kept up to date by the depth step while drilling; made
    // by the first paint that shows custom tracks, (last - first + 510) of them. `sizeMark` is the file's
    // last depth when they were sized; drilling grows them once the well is 100 units deeper.
    std::vector<wellfile::CUSTDATAREC> rows;
    std::int32_t sizeMark = 0;
};

}  // namespace app
