#pragma once
// The compressed scales' paint as the window runs it: the view top by the compressed top rule, the
// records read from five above it, the offset well and custom-data records, the body drawn through
// PaintLogBody, then the log image of the image view.
#include "logview/draw/logbody.h"
#include "logview/viewgeometry.h"

#include <optional>

namespace app {
struct LogState;
}
namespace platform {
class Dc;
}

namespace logview {

// 1 when the body was drawn. 0 when there is no data file (ViewState::openPending asks the window to run
// the Open command once the paint is over) or no memory for the records ("Not enough memory to draw log"
// left in ViewState::paintFailure): the paint then goes on one record a row.
int DrawLogBody(app::LogState& s, platform::Dc& dc);

// The body drawn with `g` (the view top already by the compressed top rule, a data file named): the
// records read from five above the view top, enough for all of g's rows. On the screen (`offScreen`
// false) it works out whether a shown e-log curve is loaded; off the screen the last paint's flag is
// used and the rate curve keeps its own memory. Nothing when there is no memory for the records.
std::optional<BodyResult> DrawCompressedBody(app::LogState& s, platform::Dc& dc, const ViewGeometry& g, bool offScreen);

}  // namespace logview
