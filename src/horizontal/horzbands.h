#pragma once
// The horizontal plot cut into bands from the top: the header of custom tracks, the gas band, the
// well-path area, the notes, picture and shows bands, the fixed lithology band and the lower band
// (rate, gamma, WRT gamma, third curve). Plain values of the set-up and the window's options; the
// painters (horizontal/draw) read them. Also the tracks' full-scale tables and the grid steps.
#include "horizontal/horzsetup.h"
#include "layout/custchartcfg.h"
#include "tracks/curvescales.h"

#include <array>
#include <cstdint>

namespace horizontal {

// Where the bands stand (pixels of the plot image, y grows downwards).
struct HorzBands {
    bool customTracks = false;  // the header of custom tracks is drawn
    bool pictures = false;      // the picture band is drawn
    int textBlockCount = 10;    // as used: 1..20
    double layoutFactor = 1.0;
    int divisionHeight = 8, lithRowHeight = 6, showRowHeight = 5;
    int plotBottom = 0;         // raised when a small window leaves the path area under 20 pixels
    int gasTop = 0, gasBandHeight = 0, gasBase = 0;
    int pathTop = 0, pathBottom = 0;
    int lowerBandHeight = 0, lowerBase = 0, lowerTop = 0;
    int lithBandTop = 0;
    int showsBandBottom = 0;
    int pictureBandTop = 0, pictureBandBottom = 0;
    int notesBandTop = 0, notesBandBottom = 0;
    int plotRight = 0;
    // The rows the show and hardness painters stand on: porosity (lowest), fluorescence and cut, in
    // row units; the hardness strip of four units under the shows band.
    std::array<int, 3> showRowCounts{3, 3, 4};
    int hardnessBase = 0, hardnessHeight = 0;

    int LithBandBottom() const { return lithBandTop + 10 * lithRowHeight; }
    int PictureSize() const { return pictureBandBottom - pictureBandTop - 2; }
};

struct BandInputs {
    std::int32_t plotFirstDepth = 0, plotLastDepth = 0;
    int pixelsPerUnit = 8;
    int plotLeft = 50;
    int plotBottom = 0;           // client height - 20, down to a multiple of 10
    bool customTracks = false;    // the window has custom tracks and the set-up draws them
    int customHeight = 0;         // the kept header tracks' summed height
    bool pictureOption = false;   // the window's picture option
    bool extraShowsStrip = false; // the window's option for the hardness strip under the shows
    bool drawGas = false, drawRates = false, drawShows = false, drawLithPics = false;
    bool drawLithOnWellTrack = false, textInOwnTrack = false;
    std::int32_t textBlockCount = 0;
};
BandInputs BandInputsOf(const HorzViewSettings& s);

// Every band edge. A path area under 20 pixels (small window, many text blocks) lowers plotBottom so
// that it gets 20: the image is then made that tall and the window shows its top.
HorzBands ComputeBandLayout(const BandInputs& in);

// The text block count as the layout uses it: 0 means 10, the rest is held to 1..20.
int TextBlocksOf(std::int32_t textBlockCount);

// The plot's header tracks laid out on a copy of the window's custom-track list: the first ten entries
// walked, kinds 'F' and 'G' switched off, each entry on the horizontal view kept with its end and curve
// factors set ('E' and 'N' take the text block count as unit count), until six are kept, their widths
// reach 250 or a kept entry has no unit size or count. The kept entries, then empty ones, are the
// first six of `tracks`; the list handed in is left as it was.
struct HeaderTracks {
    layout::TrackSet tracks{};
    int kept = 0;
    int height = 0;  // summed unit size x unit count: the gas band's top
};
HeaderTracks LayOutHeaderTracks(const layout::TrackSet& list, int textBlockCount);

// Full scales by the 1-based index; an index outside a table takes a safe entry.
float RateFullScale(int rateScale);         // 2.5 .. 50 minutes per unit; outside 1..6: 1
int RatePerHourFullScale(int rateCode);     // 150 .. 1600 units per hour; outside 1..7: code 1
int GasFullScale(const HorzViewSettings& s, int index);  // the set-up's table; outside 1..9: index 2
using tracks::GammaFullScale;              // 25 .. 1500; outside 1..9: 1
using tracks::Co2FullScale;                // 3.5 .. 70 percent; outside 1..5: 1

// The TVD label step of a section spanning `range` TVD units: 100, 50, 20 or 10.
int TvdLabelStep(double range);

// The offsets t(0..9) of the grid lines in one decade of a log band `height` pixels tall holding
// `decades` decades: t(k) = trunc(ln(k + 1) / ln(10^decades) x height).
std::array<int, 10> LogDecadeOffsets(int height, int decades);

}  // namespace horizontal
