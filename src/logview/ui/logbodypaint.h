#pragma once
// The compressed scales' paint as the window runs it: the view top by the compressed top rule, the
// records read from five above it, the offset well and custom-data records, the body drawn through
// PaintLogBody, then the log image of the image view.
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

}  // namespace logview
