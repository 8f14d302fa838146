#pragma once
// Logical-font records as CreateFont takes them, for code that keeps fonts as records.
#include "platform/gdi.h"

namespace platform {

// A LOGFONTA of `face` (Windows-1252, cut to the field): height < 0 a character height, > 0 a cell
// height; the default character set, no slant or underline.
LOGFONTA MakeLogFont(const char* face, int height, int width = 0, std::uint8_t pitchAndFamily = 0,
                     int weight = FW_NORMAL);

}  // namespace platform
