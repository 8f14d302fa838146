#pragma once
// The settings the track painters read: the gas, curve and lithology options that the window keeps in
// the well's settings record, the option switches and the layout. TrackSettingsOf
// (tracks/tracksettingsof.h) copies them in one place before a pass, so a painter never reads the window.
#include <array>
#include <cstdint>

namespace tracks {

struct TrackSettings {
    // ---- Gas ----
    bool logGasScale = false;          // "Logarithmic Gas Scales"
    bool linearGasScale = false;       // "Linear Gas Scales"
    bool gasPercent = false;           // gas mode "Percent"
    bool drawPpmScale = false;         // "Draw PPM Scale"
    bool combineIc4Nc4 = false;        // "Combine IC4 And NC4"
    bool hotwire = false;              // "&Hotwire": TG is the measured total, labelled "_HW"
    bool componentsInPercent = false;  // the instrument gives the components in percent already
    bool gasPointToPoint = false;      // "Gas Line Style": "Point to Point"; clear is "Blocked"
    bool totalOnly = false;            // the gas painters draw only the total-gas curve
    bool customTracksEnabled = false;  // "Enable Custom Tracks": the gas track's own show flag then counts
    // The width field of the eight gas-curve pen entries: a styled pen, drawn one pixel wide, is laid
    // as that many strokes side by side.
    std::array<std::int32_t, 8> gasStrokes{1, 1, 1, 1, 1, 1, 1, 1};

    // ---- Curves ----
    std::int32_t gammaScale = 1;       // 1-16: the gamma head's row; 1-9 the gamma scales
    std::int32_t co2Scale = 1;         // 1-5
    bool reverseCo2 = false;           // "Reverse Co2 Curve"
    float rtGammaOffset = 12.0f;       // depth units the real-time gamma is drawn above its records
    // E-log curves shown on the printed gas track (six show flags of the window).
    std::array<bool, 6> elogOnGasTrack{};

    // ---- Lithology ----
    bool interpretedLith = true;       // the interpreted-lithology column is drawn
    std::int32_t lithCells = 10;       // cells of 10 % in a lithology row
    bool shaleOnLeft = false;          // "Shale On Left": shales first in every row
    // The horizontal-well view is open and its setup asks for lithology items in the order written.
    bool lithTextOrder = false;
    bool dolomiteColour = false;       // dolomite drawn in (255, 0, 248) instead of (0, 192, 248)
    // The custom-track layout flag and size value: split-mode items of a custom-track layout are one
    // unit plus 1 pixel wide, plus 2 above a size of 600.
    bool customTrackLayout = false;
    std::int32_t customTrackSize = 120;
};

}  // namespace tracks
