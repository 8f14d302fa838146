#pragma once
// The drilling object's settings as the "Lines and Scales" dialog shows and sets them.
#include <cstdint>

namespace layout {

struct DrillerSettings {
    std::int32_t delay = 2;      // anti-bounce delay, at least 2
    bool markLagDepth = false;   // the lag depth is marked on the log
    bool autoDrill = false;
    float autoDrillRate = 0;     // minutes per unit
    bool autoSlideOff = false;
    int onBottomMode = 0;        // 0 open on bottom, 1 closed on bottom, 2 disabled
};

}  // namespace layout
