#pragma once
// The left button double-clicked over the log: edits a note over the log or in the descriptions column,
// steps the gamma scale from the band below the rate track, or starts a manual entry at the clicked
// depth by column and Ctrl. Columns are told apart in log coordinates (the click x plus the horizontal
// scroll).
namespace app {
struct LogState;
}

namespace logview {

struct MouseContext;

// `x`, `y` are client coordinates (the menu bar not included); `keys` the MK_ flags of the event.
void LeftButtonDoubleClick(app::LogState& s, const MouseContext& m, int x, int y, unsigned keys);

// The gamma scale index one step on: up from the right half of the band (after 9 comes 1), down from
// the left half (before 1 comes 9). An index outside 1-9 steps to 1 or 9.
int StepGammaIndex(int index, bool up);

}  // namespace logview
