#pragma once
// The open well's folders, modes and values as the horizontal set-up record needs them.
#include "horizontal/horzsetup.h"

namespace app {
struct LogState;
}

namespace horizontal {

// `useFieldSettings` points into `log` (the well's flag), so WriteRecord's choice sticks.
HorzFiles FilesOf(app::LogState& log);
HorzApplyInputs ApplyInputsOf(const app::LogState& log);

}  // namespace horizontal
