// The engine's gas: the gas items as they feed the gas monitor or the engine's own values, the hold
// buffer of total gas while the pumps stand, the component shares and the MWD slots of a depth record.
#include "wits/wits.h"

#include "gasmon/autogas.h"
#include "platform/numbers.h"
#include "platform/text.h"
#include "wellfile/datafile.h"

#include <algorithm>
#include <array>

namespace wits {

namespace {

constexpr int kC1 = 1212;
constexpr int kNC5 = 1218;
constexpr int kCo2 = 1222;
constexpr int kTotalGasHeld = 140;
constexpr int kTotalGas = 170;
constexpr int kItem0101 = 101;
constexpr float kPpm = 0.0001f;

}  // namespace

// Mode A: the gas monitor takes the values as its current ones and raises its peaks with them.
void Wits::FeedGasMonitor(int item, float value, bool marked)
{
    gasmon::AutoGas& g = *host.gas;
    const bool skipped = (marked && host.profile == 88) || fileInputMode;
    if (item >= kC1 && item <= kNC5) {
        if (skipped)
            return;
        g.TakeWitsGas(item - kC1 + 1, value);
        if (item == kC1) {
            CountGoodFrame();
            SetLine(7, platform::CFormat("%2.1f", double(WitsPercent())));
        }
    } else if (item == kCo2) {
        g.TakeWitsGas(8, value);
    }
}

// Mode B: gas over the WITS link feeds the engine's own gas values.
void Wits::TakeLinkGas(int item, std::string_view text, bool marked)
{
    WitsLinkState& link = *host.link;
    if (item == kItem0101) {
        item0101 = platform::LeadingInt(text);
    } else if (item == kTotalGasHeld) {
        HoldTotalGas(platform::LeadingFloat(text));
    } else if (item == kTotalGas) {
        if (host.profile == 88)
            return;
        float total = platform::LeadingFloat(text);
        if (pasonFeed == 1)
            total *= gasScale[0];
        gasValues[0] = total;
        if (!host.gas)
            Sample().totalGas = total;
        SetTotalGasMaximum(total, host.profile == 2 && !host.gas);
        CountGoodFrame();
        if (host.profile != 23)
            SetLine(9, platform::CFormat("%5.2f", double(link.gasMaxima[0])));
    } else if (item >= kC1 && item <= kNC5) {
        if (item == kC1 && marked && host.profile == 88)
            return;
        const int i = item - kC1 + 1;
        float v = std::max(platform::LeadingFloat(text), 0.0f);
        if (pasonFeed == 1 || host.profile == 2)
            v *= gasScale[1];
        if (chromatographSwitch)
            v = v * kPpm * testGas[std::size_t(i)];
        gasValues[std::size_t(i)] = v;
        if (item == kC1)
            CountGoodFrame();
    } else if (item == kCo2) {
        co2Maximum = std::max(platform::LeadingFloat(text), 0.0f);
        link.co2Maximum = std::max(link.co2Maximum, co2Maximum);
    }
}

// While the pumps stand the first hold length / 2 values (500 at most) are kept; once the pumps run
// again they are delivered one per item before live values resume.
float Wits::HoldTotalGas(float value)
{
    float total = value;
    if (holdLength > 0) {
        const float limit = std::min(holdLength * 0.5f, float(kHoldBufferSize));
        if (!firstFrame && pumpRateSum < 2)
            holding = true;
        if (holding && float(holdCount) < limit) {
            holdBuffer[std::size_t(holdCount)] = value;
            ++holdCount;
            if (float(holdCount) == limit)
                holding = false;
        }
        if (pumpRateSum < 2 || holdCount < 1 || holdCount <= holdNext) {
            total = value;
        } else {
            total = holdBuffer[std::size_t(holdNext)];
            ++holdNext;
            if (float(holdCount) >= limit)
                holding = false;
            if (holdCount <= holdNext)
                holdCount = holdNext = 0;
        }
    }
    total = std::max(total, 0.0f);
    if (host.profile == 134 && !host.link->rawTotalGas)
        total *= profileGasMultiplier;
    gasValues[0] = total;
    if (!host.gas)
        Sample().totalGas = total;
    SetTotalGasMaximum(total, false);
    CountGoodFrame();
    return total;
}

void Wits::SetTotalGasMaximum(float totalGas, bool always)
{
    float& maximum = host.link->gasMaxima[0];
    if (always || totalGas > maximum)
        maximum = totalGas;
    if (maximum < 0)
        maximum = 0;
}

void Wits::ComputeGasShares()
{
    Refresh();
    const int n = std::clamp(componentCount, 0, kComponentCount);
    float sum = 0;
    for (int i = 1; i <= n; ++i)
        sum += gasValues[std::size_t(i)];
    sum = std::max(sum, 1.0f);
    componentSum = sum;
    gasRecord.sampleTotalGas = sum;
    if (gasValues[1] > 1.0f) {
        host.link->gasMaxima[1] = gasValues[1];
        gasShares.fill(0);
        for (int i = 1; i <= n; ++i) {
            const float v = gasValues[std::size_t(i)];
            // The gas record's floats from 52 on: C1 to iC5, then nC5 in the float at 76.
            if (i <= 6)
                gasRecord.components[i - 1] = v;
            else
                gasRecord.sampleTotalGas = v;
            float share = v / sum;
            if (v > 0 && share >= 1.0f && i < 5)
                share = 0.95f;
            gasShares[std::size_t(i)] = share;
        }
    }
    gasShares[0] = 1.0f;
}

bool Wits::WriteMwdSlots(std::int32_t depth)
{
    Refresh();
    wellfile::OpenWell& well = *host.well;
    // The depth comes off the link unchecked: only a depth of the file is written, at its own record.
    if (well.depthStep <= 0 || depth < well.fileTopDepth || depth > well.fileBottomDepth)
        return false;
    const int index = int((std::int64_t(depth) - well.fileTopDepth) / well.depthStep);
    std::array<wellfile::RECORD, 2> buffer{};
    if (wellfile::ReadRecords(well, buffer, well.dataFileName, index, 1) < 1)
        return false;
    wellfile::RECORD& r = buffer[0];
    for (int i = 0; i < 5; ++i) {
        r.resistivityA[i] = mwdSlotsA[std::size_t(i)];
        r.resistivityB[i] = mwdSlotsB[std::size_t(i)];
    }
    r.resistivityAStep = mwdSlotsA[5];
    r.resistivityBStep = mwdSlotsB[5];
    return wellfile::SaveRecords(well, std::span<const wellfile::RECORD>(buffer.data(), 1), well.dataFileName, index, 1) == 1;
}

}  // namespace wits
