#pragma once
// What the standard and the custom WITS links do alike: the drilling status from a sample's depths and
// pumps, and the exchange of a poll and its reply on the serial line.
#include "wits/witsrecord.h"

#include <cstdint>
#include <string_view>

namespace drilling {
class Driller;
}

namespace wits {

// How a link reads on and off bottom and circulation from a sample. The bit at least `onBottomGap`
// above the hole's bottom is on bottom; more than `offBottomGap` above it, off bottom (between the two
// the status stays). Off bottom, without counted strokes: a pump pressure of `circulatingPressure` or
// more (or, with `pumpRatesCount`, pump 1 or 2 at 20 strokes a minute or more) circulates; a pressure
// below `stoppedPressure` (and with `pumpRatesCount` both pumps below 20) stops circulating.
struct BottomRule {
    float onBottomGap = 0;
    float offBottomGap = 0;
    int circulatingPressure = 0;
    int stoppedPressure = 0;
    bool pumpRatesCount = false;
};

inline constexpr BottomRule kStandardBottomRule{0.15f, 0.5f, 300, 280, true};
inline constexpr BottomRule kCustomBottomRule{0.5f, 0.5f, 501, 501, false};

// Sets the drilling object's on/off-bottom and circulating status from the sample `s`.
void DriveDrillingStatus(drilling::Driller* d, const WITSRECORD& s, const BottomRule& rule);

// A poll and its reply: the next poll goes out once the reply was read, or once the time-out passed
// without one (that poll then counts as unanswered).
class ReplyWait {
public:
    // Whether a poll may go out at `nowMs`; a wait past `timeoutMs` ends here.
    bool Ready(std::int64_t nowMs, int timeoutMs);
    // Sends `text` on the serial link `handle` and waits for its reply.
    void Send(std::uint32_t handle, std::string_view text, std::int64_t nowMs);
    void Replied() { waiting_ = false; }
    bool Waiting() const { return waiting_; }

private:
    bool waiting_ = false;
    std::int64_t sentAtMs_ = 0;
};

}  // namespace wits
