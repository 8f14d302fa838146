#include "drilling/pumpstrokes.h"

#include <cstdio>

namespace drilling {

void TogglePumpThread(int) { std::fputs("TogglePumpThread: not built yet\n", stderr); }
void ApplyLagSettings() { std::fputs("ApplyLagSettings: not built yet\n", stderr); }
void ClearStrokeBox() { std::fputs("ClearStrokeBox: not built yet\n", stderr); }

}  // namespace drilling
