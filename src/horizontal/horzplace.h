#pragma once
// The open well's folders, modes and values as the horizontal set-up record needs them.
#include "horizontal/horzsetup.h"

namespace app {
struct CustomTracks;
struct Engines;
struct OptionSettings;
struct WellState;
}  // namespace app

namespace horizontal {

// `useFieldSettings` points into `state` (the well's flag), so WriteRecord's choice sticks.
HorzFiles FilesOf(app::WellState& state);
// The well's KB, the loaded curves' gamma choice, whether custom tracks are on and the horizontal options.
HorzApplyInputs ApplyInputsOf(const app::WellState& well, const app::Engines& engines,
                              const app::CustomTracks& customTracks, const app::OptionSettings& options);

}  // namespace horizontal
