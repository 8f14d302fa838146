#pragma once
// Track entries of the custom-track layout for the layout tests.
#include "layout/custchartcfg.h"
#include "platform/text.h"

#include <string>

namespace layout_tests {

// An active track of `blocks` blocks of `width` pixels with one red curve from 0 to `maximum`.
inline void Track(layout::CustomTrackEntry& e, int width, int blocks, float maximum, const char* title)
{
    e = layout::CustomTrackEntry{};
    e.blockWidth = width;
    e.blockCount = blocks;
    e.maximum[0] = maximum;
    e.colour[0] = 0x0000FF;
    e.lineWidth[0] = 2;
    e.direction[0] = 1;
    platform::SetFieldText(e.title, title);
}

inline std::string Title(const layout::CustomTrackEntry& e) { return platform::FieldText(e.title); }

}  // namespace layout_tests
