// The custom link's items, stage 1: the standard link's rows (itemtable.h) with this link's differences,
// the percent of polls answered with a hole depth, and the depth tracking.
#include "wits/custwits.h"

#include "drilling/driller.h"
#include "platform/numbers.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/openwell.h"
#include "wits/wits.h"

#include <algorithm>

namespace wits {

namespace {

constexpr int kCorrectionProfile = 79;  // the unmanned unit corrects the file's depth to the bit's
constexpr int kTorqueItem = 118;
constexpr int kPumpPressureItem = 121;
constexpr double kPumpPressureMaximum = 10000;

// Item 1821, gamma, which the standard link does not take.
constexpr ItemRow kGamma1821{1821, Conversion::Low16, int(offsetof(wellfile::WITSRECORD, gamma)), FieldType::U16, Live::No,
                             20, -1, Shown::None, "", Effect::None, 0};

// Items that change nothing here.
bool NoEffect(int item)
{
    switch (item) {
    case 115:
    case 130:
    case 813:
    case 816:
    case 820:
    case 835:
    case 913:
    case 936:
    case 1984:
        return true;
    default:
        return false;
    }
}

// Items read as whole numbers of which the field keeps the low 16 bits, with no range check.
bool Low16Item(int item)
{
    switch (item) {
    case 112:
    case 116:
    case 117:
    case 118:
    case 119:
    case 120:
    case 121:
    case 123:
    case 124:
    case 125:
    case 128:
    case 1818:
        return true;
    default:
        return false;
    }
}

}  // namespace

void CUSTWITS::FeedAlarm(int channel, double value) { FeedLinkAlarm(*alarms_, channel, value); }

void CUSTWITS::ProcessItem(std::string_view code, std::string_view value)
{
    const int item = platform::LeadingInt(code);
    gas_.componentUpdate = false;
    StageOne(item, value);
    ProcessGasItem(item, value);
}

void CUSTWITS::StageOne(int item, std::string_view value)
{
    if (NoEffect(item))
        return;
    if ((item == 108 || item == 110) && !settings_.trackDepth)
        return;
    if (item == 125 && host.Link().gasOverWits)
        return;

    ItemRow row;
    if (item == 1821) {
        row = kGamma1821;
    } else if (const ItemRow* standard = FindItem(item == 119 ? kTorqueItem : item)) {
        row = *standard;
    } else {
        return;
    }
    switch (item) {
    case 118:
    case 119:
    case 1818:
    case 1819:
        row.live = Live::No;  // torque and the downhole values stay out of the live record
        break;
    case 120:
        row.effect = Effect::None;  // no RPM-received flag
        break;
    case 824:
        row.alarmChannel = -1;
        break;
    default:
        break;
    }

    double v = 0;
    if (Low16Item(item)) {
        v = double(std::uint16_t(platform::LeadingInt(value) & 0xFFFF));
        if (item == kPumpPressureItem && v > kPumpPressureMaximum)
            v = 0;
    } else if (item == 824) {
        v = std::max(double(platform::LeadingInt(value)), 0.0);
    } else {
        v = ConvertValue(row, value);
    }
    if (item == 110)
        v = std::max(v, double(samples_.InBlockBefore().holeDepth));  // a hole depth never falls back within a block

    // The custom link keeps gamma in slot 0 only.
    const ItemTargets targets{host, Sample(), lines_, polls_.percent, depth_.gamma, 0};
    const double stored = StoreItem(row, v, targets);
    if (item == 118 || item == 119)
        depth_.torqueMaximum = std::max(depth_.torqueMaximum, TruncInt(stored));
    else
        ApplyEffect(row, item == 824 ? v : stored, targets);
    if (row.alarmChannel >= 0)
        FeedAlarm(row.alarmChannel, stored);
}

void CUSTWITS::ApplyEffect(const ItemRow& row, double value, const ItemTargets& targets)
{
    ApplySharedEffect(row, value, targets);
    switch (row.effect) {
    case Effect::Tracking:
        TrackDepth(float(value));
        break;
    case Effect::PumpRate:
        // No rate into the lag settings: only the stroke threads' interval follows the pump.
        if (host.StrokesCounted() && host.Link().pumpRatesFromWits && host.Pumps())
            host.Pumps()->SetRate(row.pump, float(value));
        break;
    default:
        break;  // 0139's lag depth and the gas rows are the gas items' (ProcessGasItem)
    }
}

void CUSTWITS::TrackDepth(float holeDepth)
{
    drilling::Driller* d = host.Driller();
    app::WitsLinkState& link = host.Link();
    const wellfile::OpenWell& well = host.Well();

    SetLine(7, platform::CFormat("%2.1f", double(CountHoleDepth(polls_.percent, holeDepth, d))));
    const float lastHole = link.holeDepth;
    const std::int32_t hole = TakeHoleDepth(link, d, holeDepth);
    std::int32_t& tracked = depth_.trackedDepth;
    FollowShallowerHole(tracked, depth_.depthSet, link, host.UnmannedUnit());
    if (!depth_.rigCompared && hole > 0) {
        depth_.rigCompared = true;
        CatchUpWithRig(host, tracked, hole);
    }

    const float bitDepth = Sample().bitDepth;
    if (host.UnmannedUnit() && host.Profile() == kCorrectionProfile && bitDepth > 0 && bitDepth == holeDepth) {
        // The bit on bottom: the next unit is a step, any other change corrects the file's depth.
        const std::int32_t depth = TruncInt(holeDepth);
        if (depth != tracked) {
            if (std::int64_t(depth) == std::int64_t(tracked) + 1) {
                // The step is owed already: the next answer at this depth marks none.
                StepToHole(d, tracked, depth);
            } else {
                if (host.correctFileDepth)
                    host.correctFileDepth(depth);
                WriteDepthCorrection(well.dataFolder, tracked, depth, true);
                tracked = well.fileBottomDepth;
            }
        }
    } else if (hole > tracked) {
        StepOrCatchUp(host, tracked, lastHole, holeDepth, hole);
    }
    if (host.showDepthStatus)
        host.showDepthStatus();
}

}  // namespace wits
