#include "wits/linkcommon.h"

#include "drilling/driller.h"
#include "drilling/logtime.h"
#include "platform/textlink.h"

namespace wits {

void DriveDrillingStatus(drilling::Driller* d, const WITSRECORD& s, const BottomRule& rule)
{
    if (!d)
        return;
    const float bit = s.bitDepth;
    const float hole = s.holeDepth;
    drilling::LogTime* time = d->time.get();
    if (bit >= hole - rule.onBottomGap) {
        d->offBottom = 0;
        if (time && time->offBottom)
            time->GoOnBottom();
        return;
    }
    if (bit >= hole - rule.offBottomGap)
        return;  // between the two: as it was
    d->offBottom = 1;
    if (!time)
        return;
    time->GoOffBottom();
    if (time->strokes)
        return;
    const int pressure = s.pumpPressure;
    const bool pumping = rule.pumpRatesCount && (s.spm1 >= 20 || s.spm2 >= 20);
    const bool pumpsStand = !rule.pumpRatesCount || (s.spm1 < 20 && s.spm2 < 20);
    if (pressure >= rule.circulatingPressure || pumping) {
        time->circulating = 1;
    } else if (pressure < rule.stoppedPressure && pumpsStand) {
        if (time->circulating)
            time->ClearCirculating();
        time->circulating = 0;
    }
}

bool ReplyWait::Ready(std::int64_t nowMs, int timeoutMs)
{
    if (!waiting_)
        return true;
    if (nowMs - sentAtMs_ < std::int64_t(timeoutMs))
        return false;
    waiting_ = false;
    return true;
}

void ReplyWait::Send(std::uint32_t handle, std::string_view text, std::int64_t nowMs)
{
    waiting_ = true;
    sentAtMs_ = nowMs;
    platform::WriteTransparentString(handle, std::uint16_t(text.size()), text.data());
}

}  // namespace wits
