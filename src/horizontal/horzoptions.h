#pragma once
// The horizontal view's switches that no dialog sets: keys of the program's settings file, section
// [Options], read when the program starts (0 or missing: off).
namespace app {
struct LogState;
}

namespace horizontal {

// HorizontalEditing, HorizontalLithPictures, HorizontalVerticalGas, HorizontalHardness,
// HorizontalThirdCurve, HorizontalScaleNote, HorizontalThickTarget and HorizontalHalfPrint.
void ReadHorizontalOptions(app::LogState& log);

}  // namespace horizontal
