#pragma once
// The printer check of a print run: what the selected printer is decides the print geometry (row height
// and width unit from its resolution) and the printer flags of the print state.
#include "print/printstate.h"

#include <array>
#include <cstdint>

namespace print {

// Printer models known for wide continuous paper; only kContinuousPaperModel is compared.
extern const std::array<const char*, 7> kPrinterModels;
constexpr int kContinuousPaperModel = 3;  // "Epson Stylus 1000 ESC/P 2"

// Reads `info` into `state`; returns 1 for a wide continuous-paper printer on the first parallel port,
// else 0. `info` must report a resolution of at least 10 dpi (see HasUsableResolution).
std::uint8_t CheckPrinter(const platform::PrinterInfo& info, PrintState& state);

// A printer reporting less than this many dots per inch is no printer: its row height would be 0.
constexpr int kMinimumPrinterDpi = 10;
bool HasUsableResolution(const platform::PrinterInfo& info);

}  // namespace print
