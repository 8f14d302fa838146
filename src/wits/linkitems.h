#pragma once
// What both WITS links do alike with an item's value once read: the value into the sample, the
// driller's live record and the data window; the effects they share (gamma and its depth among them);
// the alarm feed. Each link keeps only its own differences: which rows it takes and how, and its own
// effects.
#include "wellfile/witsrecord.h"
#include "wits/itemtable.h"
#include "wits/witsdisplay.h"

namespace wits {

class WitsAlarms;
class WitsHost;
struct LinkPercent;

// Gamma as a link keeps it: item 0824's last value, whether one above 0 came, and the depth it belongs
// to (item 0821's, or with a sensor offset the file's bottom less the offset).
struct GammaReading {
    float value = 0;
    bool seen = false;
    float depth = 0;
};

// The parts of a link an item's value reaches.
struct ItemTargets {
    WitsHost& host;
    wellfile::WITSRECORD& sample;    // the sample the items arriving now fill
    DisplayLines& lines;   // the data window's texts
    LinkPercent& percent;  // the link's WITS percent
    GammaReading& gamma;
    int gammaSlot;         // the driller's gamma slot a value fills, 0 to 4
};

// Stores `value` of `row` in the sample and, as the row says, in the driller's live record, and shows it
// on the row's display line. Returns the value as stored (in the field's own range; `value` itself for a
// row without a field).
double StoreItem(const ItemRow& row, double value, const ItemTargets& t);
// The effects of `row` both links apply alike: the last bit and hole depths into the window's values,
// the drilling alarm flags, items 0142 and 0145 into the driller, gamma and its depth. Half steps, depth
// tracking, pumps, lag and MWD are each link's own.
void ApplySharedEffect(const ItemRow& row, double value, const ItemTargets& t);
// Feeds `value` to the alarm `channel` of `alarms`: the hole and the bit depth count a value on a limit
// as beyond it.
void FeedLinkAlarm(WitsAlarms& alarms, int channel, double value);

}  // namespace wits
