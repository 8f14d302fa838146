#include "wits/linkitems.h"

#include "app/witslinkstate.h"
#include "drilling/driller.h"
#include "platform/text.h"
#include "wellfile/openwell.h"
#include "wits/linkcommon.h"
#include "wits/witsalarms.h"
#include "wits/witshost.h"

#include <algorithm>
#include <optional>

namespace wits {

namespace {

constexpr int kGammaLine = 13;
constexpr int kGammaDepthLine = 14;
constexpr float kGammaStep = 0.2f;  // five gamma slots a unit

void SetLine(DisplayLines& lines, int line, std::string text)
{
    if (line >= 0 && line < kDisplayLines)
        lines[std::size_t(line)] = DisplayLine(std::move(text));
}

void ShowGammaDepth(const ItemTargets& t)
{
    if (t.host.Link().mwdDisplay)
        SetLine(t.lines, kGammaDepthLine, platform::CFormat("%-.1f", double(t.gamma.depth)));
}

// Item 0821: the gamma depth, unless a sensor offset places gamma from the file's bottom.
void TakeGammaDepth(double value, const ItemTargets& t)
{
    if (t.host.Link().gammaSensorOffset > 0)
        return;
    t.gamma.depth = float(value);
    ShowGammaDepth(t);
    t.percent.CountGood();
}

// Item 0824: with a sensor offset the value belongs to the file's bottom less the offset and goes into
// the driller's gamma slot.
void TakeGamma(double value, const ItemTargets& t)
{
    const app::WitsLinkState& link = t.host.Link();
    t.gamma.value = float(value);
    t.gamma.seen = t.gamma.seen || t.gamma.value > 0;
    if (link.mwdDisplay)
        SetLine(t.lines, kGammaLine, platform::CFormat("%-5d", int(t.sample.gamma)));
    if (link.gammaSensorOffset <= 0)
        return;
    t.gamma.depth = float(t.host.Well().fileBottomDepth) - link.gammaSensorOffset;
    ShowGammaDepth(t);
    if (drilling::Driller* d = t.host.Driller())
        d->SetGamma(std::clamp(t.gammaSlot, 0, 4), t.gamma.value, kGammaStep);
    t.percent.CountGood();
}

}  // namespace

double StoreItem(const ItemRow& row, double value, const ItemTargets& t)
{
    StoreField(row, t.sample, value);
    const double stored = row.sampleOffset >= 0 ? ReadField(row, t.sample) : value;
    if (drilling::Driller* d = t.host.Driller()) {
        wellfile::WITSRECORD live = d->Live();
        if (row.live == Live::Same)
            StoreField(row, live, stored);
        else if (row.live == Live::Larger)
            StoreField(row, live, std::max(stored, ReadField(row, live)));
        d->SetLive(live);
    }
    if (std::optional<std::string> text = DisplayText(row, stored))
        SetLine(t.lines, row.displayLine, std::move(*text));
    return stored;
}

void ApplySharedEffect(const ItemRow& row, double value, const ItemTargets& t)
{
    drilling::Driller* d = t.host.Driller();
    switch (row.effect) {
    case Effect::HalfStep:
        t.host.Link().lastBitDepth = float(value);
        break;
    case Effect::Tracking:
        t.host.Link().lastHoleDepth = float(value);
        break;
    case Effect::CasingFlag:
    case Effect::PitVolumeFlag:
    case Effect::FlowFlag:
        SetDrillingAlarmFlag(d, row.effect);
        break;
    case Effect::Item0142:
        if (d)
            d->SetItem0142(float(value));
        break;
    case Effect::Item0145:
        if (d)
            d->SetItem0145(float(value));
        break;
    case Effect::GammaDepth:
        TakeGammaDepth(value, t);
        break;
    case Effect::Gamma:
        TakeGamma(value, t);
        break;
    default:
        break;
    }
}

void FeedLinkAlarm(WitsAlarms& alarms, int channel, double value)
{
    const WitsLimits limits =
        channel == kHoleDepthChannel || channel == kBitDepthChannel ? WitsLimits::Inclusive : WitsLimits::Strict;
    alarms.Feed(channel, float(value), limits);
}

}  // namespace wits
