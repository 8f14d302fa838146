#pragma once
// The predefined custom tracks: ready-made layouts (drilling parameters, gas ratios, porosity and
// resistivity curves, chromatograph gas, lithology columns, text and show cells, the FIT layouts) that
// the custom-track setup turns a track into in one step. A track's kind is the position of its layout
// in the Predefined Tracks list and tells the painters how to draw it; 0 is a track of the user's own.
//
// Each kind is one row of data; BuildPredefinedTrack applies a row to a track entry.
#include "layout/custchartcfg.h"

#include <QString>
#include <QStringList>

#include <cstdint>

namespace layout {

constexpr int kPlainTrackKinds = 16;    // the kinds listed without FIT data
constexpr int kLastTrackKind = 38;      // "FIT-17 THC, C1-C10"
constexpr int kPlainDataCodes = 82;     // curve codes 0..81 without FIT data
constexpr int kFitDataCodes = 204;      // 0..203 with it
constexpr platform::COLORREF kNoOwnColour = 0x01000000;  // the curve takes no colour of its own

// The controls of the custom-track setup that a layout may disable.
enum TrackControl : unsigned {
    CtlBlocks = 1u << 0,
    CtlWidth = 1u << 1,
    CtlMaximum = 1u << 2,
    CtlMinimum = 1u << 3,
    CtlLogarithmic = 1u << 4,
    CtlReverse = 1u << 5,
    CtlFill = 1u << 6,
};
constexpr unsigned kScaleControls = CtlBlocks | CtlWidth | CtlMaximum | CtlMinimum | CtlLogarithmic | CtlReverse | CtlFill;

// What a layout does to "Allow On Horz".
enum class HorizontalView { Unchanged, Checked, Unchecked, UncheckedDisabled };

struct TrackKindControls {
    HorizontalView horizontal = HorizontalView::Unchanged;
    unsigned disabled = 0;        // TrackControl bits
    bool reverseChecked = false;  // "Reverse Curve" checked after the build
};

// The texts of the Data list: 82, or 204 with FIT data. Code 23 reads "HARDNESS" with the hardness
// column, else "CALCIMITER". Trailing blanks are kept: they are part of the names.
QStringList DataListNames(bool fitData, bool hardnessColumn);
// The texts of the Predefined Tracks list: 16, or 39 with FIT data.
QStringList PredefinedTrackNames(bool fitData);

// The kinds whose scales the setup never lets the user change.
bool FixedScaleKind(int kind);

// Turns `track` into the layout of `kind`: kind, title, blocks and width, logarithmic flag, the 12
// curves (codes, labels, colours, scales, directions). `fitC5C6` are the colours of the C5 and C6
// curves of "FIT-17 THC, C1-C10" (the log's pens of those components). Kinds without a layout
// ("RESERVE", and any unknown number) change only the kind; false then. Other fields of the entry keep
// their values.
bool BuildPredefinedTrack(CustomTrackEntry& track, int kind, platform::COLORREF fitC5 = 0,
                          platform::COLORREF fitC6 = 0);
// How the setup's controls look after building `kind`; Unchanged and nothing disabled for a kind
// without a layout.
TrackKindControls PredefinedTrackControls(int kind);

}  // namespace layout
