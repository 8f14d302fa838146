#pragma once
// What the depth column reads besides the geometry and the device: the view's own switches of the
// column, the survey colours of the pen table, and the layout's words that choose the variants.
// DepthColumnOptionsOf takes them from the window's state right before a paint.
#include "platform/gdi.h"

#include <array>
#include <cstdint>
#include <vector>

namespace app {
struct LogState;
}
namespace wellfile {
struct RECORD;
}

namespace logview {

class NeighbourPainters;

// The view's switches of the depth column; all off until something sets them.
struct DepthColumnSwitches {
    bool surveyText = false;              // surveys as text; off: a survey marker instead
    bool fiveLineSurvey = false;          // surveys as the five-line block (always on for profile 134)
    bool compressedSurveyColumn = false;  // compressed scales: survey text in the description column
    bool verticalNumbers = false;         // depth numbers written downwards
    bool rightEdgeDepth = false;          // a second depth number at the log's right edge
    bool noDepthBox = false;
    bool alternateDepthStyle = false;     // other fonts, no depth box, surveys always as the block
};

// A gas scale head the depth column repeats: the record that gives its scale, its y and inBody.
struct GasHeadAt {
    const wellfile::RECORD* record = nullptr;
    int y = 0;
    int inBody = 0;
};

// A gamma head the depth column repeats on paper: its y and whether it takes the real-time gamma colour.
struct CurveHeadAt {
    int y = 0;
    int flag = 0;
};

struct DepthColumnOptions {
    DepthColumnSwitches switches;
    bool inclFirst = false;  // survey lines in the INCL-first order
    bool tvdFile = false;    // a true-vertical-depth file: " TVD" after every depth number
    // Survey text: colour, transparent background, a frame around it.
    platform::COLORREF surveyColour = 0;
    bool surveyTransparent = false;
    bool surveyFramed = false;
    std::int32_t surveyX = 0;  // where the survey text starts on the screen
    // The two alternate-format flags of the log setup: the first keeps the gas scale head from
    // repeating at a change of the gas scale; either one chooses the second gas width on paper.
    std::array<bool, 2> alternateFormat{};
    // The layout's words that choose the printed gas-track line.
    bool flareColumn = false;
    bool descriptionLayout = false;
    bool showColumn = false;         // also keeps the first extra column's line off the screen
    bool gasDescription = false;
    bool narrowGas = false;
    // The gas and rate scale heads and the vertical text are the track painters'; null draws none.
    NeighbourPainters* painters = nullptr;
    // When set (a printed page), the gas scale heads are listed here instead, for the page to draw after
    // its boxes and notes.
    std::vector<GasHeadAt>* gasHeads = nullptr;
    // The same for the gamma heads: a repeated head gives way to the names the page writes (a top's).
    std::vector<CurveHeadAt>* curveHeads = nullptr;
};

// The options of the window's state as they stand.
DepthColumnOptions DepthColumnOptionsOf(const app::LogState& s);

}  // namespace logview
