#pragma once
// What the standard and the custom WITS links do alike: the drilling status from a sample's depths and
// pumps, the exchange of a poll and its reply on the serial line, the WITS percent of the exchanges and
// the tracking of the hole depth.
#include "wellfile/witsrecord.h"
#include "wits/itemtable.h"

#include <QString>

#include <cstdint>
#include <string_view>

namespace app {
struct WitsLinkState;
}
namespace drilling {
class Driller;
}

namespace wits {

class WitsAlarms;
class WitsHost;

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
void DriveDrillingStatus(drilling::Driller* d, const wellfile::WITSRECORD& s, const BottomRule& rule);

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

// The share of a link's exchanges (frames or polls) that brought good data, kept over windows of 50.
struct LinkPercent {
    float exchanges = 0;   // in the current window
    float good = 0;        // of them, those that brought good data
    bool counted = false;  // the current exchange counted as good already
    // The current exchange brought good data: it counts once, however its reply is cut.
    void CountGood();
    // The percent of good exchanges (of at least one).
    float Percent() const;
    // One more exchange: the 50th starts the counts again at 1 and 0.
    void Next();
};

// The drilling alarm's WITS-percent flag: set while `percent` is below the alarm settings' minimum (a
// minimum of 0 leaves it as it is).
void SetWitsPercentFlag(drilling::Driller& d, float percent);
// A link's WITS percent of its counted frames or polls: into the driller's live record, the "WITS
// PERCENT" channel of the link's `alarms` (a percent on its low limit is low already) and the drilling
// alarm's flag.
void PublishWitsPercent(float percent, drilling::Driller* d, WitsAlarms& alarms);
// The drilling alarm's flag of a casing-pressure, pit-volume or flow item from the driller's live record
// and its alarm limits.
void SetDrillingAlarmFlag(drilling::Driller* d, Effect effect);

// ---- The hole depth as both links track it ----
// A hole-depth item counts its exchange as good when it brings a depth; the percent (of at least one
// exchange) goes into the driller's live record and is returned for the data window.
float CountHoleDepth(LinkPercent& percent, float holeDepth, drilling::Driller* d);
// The hole depth of an item into the window's values, with the driller's WITS-low flag from its live
// percent; returns the hole's whole unit.
std::int32_t TakeHoleDepth(app::WitsLinkState& link, drilling::Driller* d, float holeDepth);
// The tracked depth (the whole unit the hole reached as the link sees it) follows a shallower hole at
// once and takes the first depth; deeper only by the steps the link marks. Not with the unmanned unit,
// whose file depth is corrected instead. A file depth set by hand (`depthSet`, 0 for none) stays the
// least tracked depth until the hole reaches it: a rig still sending the depth it had then moves nothing.
void FollowShallowerHole(std::int32_t& tracked, std::int32_t& depthSet, const app::WitsLinkState& link,
                         bool unmannedUnit);
// A hole deeper than the tracked depth marks one step however many units it jumped (a single bad sample
// never appends many records), and the tracked depth takes the hole's.
void StepToHole(drilling::Driller* d, std::int32_t& tracked, std::int32_t hole);
// A hole deeper than the tracked depth while connected. A hole depth (`holeDepth`) two units or more
// below the rig's last one (`lastHole`, 0 for none), and two whole units past the tracked depth, was
// drilled unseen: the file catches up with the rig as after a restart (`CatchUpWithRig`), so no record
// takes another depth's values. A frame of fast drilling that crosses two unit lines in less than two
// units marks both. Otherwise, or where the file cannot be corrected, one step (`StepToHole`).
void StepOrCatchUp(WitsHost& host, std::int32_t& tracked, float lastHole, float holeDepth, std::int32_t hole);
// The first hole depth since the link connected, while the depth comes from WITS and not with the
// unmanned unit: a rig more than one unit past the file's bottom drilled while nothing logged, so the
// file's depth is corrected to the rig's (the units between stay unlogged), noted in the day's unmanned
// text file and told by the driller; the tracked depth takes the file's. True when it corrected.
bool CatchUpWithRig(WitsHost& host, std::int32_t& tracked, std::int32_t hole);
// The unmanned unit's line of a depth correction from `from` to `to` (`done`: the file's depth was
// corrected) in the day's unmanned text file of `dataFolder`.
void WriteDepthCorrection(const QString& dataFolder, std::int32_t from, std::int32_t to, bool done);

}  // namespace wits
