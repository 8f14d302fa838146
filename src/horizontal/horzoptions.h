#pragma once
// The horizontal view's switches that no dialog sets: keys of the program's settings file, section
// [Options], read when the program starts (0 or missing: off).
namespace app {
struct OptionSettings;
}

namespace horizontal {

// HorizontalEditing, HorizontalLithPictures, HorizontalVerticalGas, HorizontalHardness,
// HorizontalThirdCurve, HorizontalScaleNote and HorizontalThickTarget into `options`;
// HorizontalHalfPrint into `halfScalePrint` (the printout's half-scale horizontal view).
void ReadHorizontalOptions(app::OptionSettings& options, bool& halfScalePrint);

}  // namespace horizontal
