#pragma once
// What the custom-track painters read of the window besides the view's geometry, the device and the
// track settings: its two custom-track objects, its mode flags and the grid strips a WITS step restores.
// The window fills it right before each custom-track paint (tracks::CustomTrackWindowOf).
#include <cstdint>

namespace layout {
class CUSTOMDATA;
}
namespace logview {
struct GridStrips;
}

namespace tracks {

struct CustomTrackWindow {
    layout::CUSTOMDATA* screen = nullptr;   // the screen and log-image object
    layout::CUSTOMDATA* printer = nullptr;  // the printer object
    bool iconic = false;             // the window is minimised: nothing is painted on the screen
    bool drilling = false;           // at most 10 tracks are painted
    bool pictureList = false;        // the well's picture table is loaded: 'M' tracks show pictures
    bool lightGridPrinting = false;  // the printer's minor grid lines light grey instead of grey
    bool surveyDisplay = false;      // whole survey blocks on the ten-records-per-row scale too
    std::int32_t drillingRowY = 0;   // y of the current drilling row (the ratio labels stop there); 0 none
    // The view's grid background, restored under a track's row by a WITS step; null: nothing restored.
    const logview::GridStrips* strips = nullptr;
};

}  // namespace tracks
