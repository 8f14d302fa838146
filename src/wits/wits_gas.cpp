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
    gasmon::AutoGas& g = *host.Gas();
    const bool skipped = (marked && host.Profile() == 88) || gasSettings_.fileInputMode;
    if (item >= kC1 && item <= kNC5) {
        if (skipped)
            return;
        g.TakeWitsGas(item - kC1 + 1, value);
        if (item == kC1) {
            frames_.percent.CountGood();
            SetLine(7, platform::CFormat("%2.1f", double(frames_.percent.Percent())));
        }
    } else if (item == kCo2) {
        g.TakeWitsGas(8, value);
    }
}

// Mode B: gas over the WITS link feeds the engine's own gas values.
void Wits::TakeLinkGas(int item, std::string_view text, bool marked)
{
    app::WitsLinkState& link = host.Link();
    if (item == kItem0101) {
        gas_.item0101 = platform::LeadingInt(text);
    } else if (item == kTotalGasHeld) {
        HoldTotalGas(platform::LeadingFloat(text));
    } else if (item == kTotalGas) {
        if (host.Profile() == 88)
            return;
        float total = platform::LeadingFloat(text);
        if (gasSettings_.pasonFeed == 1)
            total *= gasSettings_.gasScale[0];
        gas_.gasValues[0] = total;
        if (!host.Gas())
            Sample().totalGas = total;
        SetTotalGasMaximum(total, host.Profile() == 2 && !host.Gas());
        frames_.percent.CountGood();
        if (host.Profile() != 23)
            SetLine(9, platform::CFormat("%5.2f", double(link.gasMaxima[0])));
    } else if (item >= kC1 && item <= kNC5) {
        if (item == kC1 && marked && host.Profile() == 88)
            return;
        const int i = item - kC1 + 1;
        float v = std::max(platform::LeadingFloat(text), 0.0f);
        if (gasSettings_.pasonFeed == 1 || host.Profile() == 2)
            v *= gasSettings_.gasScale[1];
        if (gasSettings_.chromatographSwitch)
            v = v * kPpm * gasSettings_.testGas[std::size_t(i)];
        gas_.gasValues[std::size_t(i)] = v;
        if (item == kC1)
            frames_.percent.CountGood();
    } else if (item == kCo2) {
        gas_.co2Maximum = std::max(platform::LeadingFloat(text), 0.0f);
        link.co2Maximum = std::max(link.co2Maximum, gas_.co2Maximum);
    }
}

// While the pumps stand the first hold length / 2 values (500 at most) are kept; once the pumps run
// again they are delivered one per item before live values resume.
float Wits::HoldTotalGas(float value)
{
    float total = value;
    if (gasSettings_.holdLength > 0) {
        const float limit = std::min(gasSettings_.holdLength * 0.5f, float(kHoldBufferSize));
        if (!frames_.firstFrame && depth_.pumpRateSum < 2)
            hold_.holding = true;
        if (hold_.holding && float(hold_.holdCount) < limit) {
            hold_.holdBuffer[std::size_t(hold_.holdCount)] = value;
            ++hold_.holdCount;
            if (float(hold_.holdCount) == limit)
                hold_.holding = false;
        }
        if (depth_.pumpRateSum < 2 || hold_.holdCount < 1 || hold_.holdCount <= hold_.holdNext) {
            total = value;
        } else {
            total = hold_.holdBuffer[std::size_t(hold_.holdNext)];
            ++hold_.holdNext;
            if (float(hold_.holdCount) >= limit)
                hold_.holding = false;
            if (hold_.holdCount <= hold_.holdNext)
                hold_.holdCount = hold_.holdNext = 0;
        }
    }
    total = std::max(total, 0.0f);
    if (host.Profile() == 134 && !host.Link().rawTotalGas)
        total *= gasSettings_.profileGasMultiplier;
    gas_.gasValues[0] = total;
    if (!host.Gas())
        Sample().totalGas = total;
    SetTotalGasMaximum(total, false);
    frames_.percent.CountGood();
    return total;
}

void Wits::SetTotalGasMaximum(float totalGas, bool always)
{
    float& maximum = host.Link().gasMaxima[0];
    gas_.gasSinceBooking = true;
    if (always || totalGas > maximum)
        maximum = totalGas;
    if (maximum < 0)
        maximum = 0;
}

void Wits::ComputeGasShares()
{
    const int n = std::clamp(gas_.componentCount, 0, kComponentCount);
    float sum = 0;
    for (int i = 1; i <= n; ++i)
        sum += gas_.gasValues[std::size_t(i)];
    sum = std::max(sum, 1.0f);
    gas_.componentSum = sum;
    gas_.gasRecord.sampleTotalGas = sum;
    if (gas_.gasValues[1] > 1.0f) {
        host.Link().gasMaxima[1] = gas_.gasValues[1];
        gas_.gasShares.fill(0);
        for (int i = 1; i <= n; ++i) {
            const float v = gas_.gasValues[std::size_t(i)];
            // The gas record's floats from 52 on: C1 to iC5, then nC5 in the float at 76.
            if (i <= 6)
                gas_.gasRecord.components[i - 1] = v;
            else
                gas_.gasRecord.sampleTotalGas = v;
            float share = v / sum;
            if (v > 0 && share >= 1.0f && i < 5)
                share = 0.95f;
            gas_.gasShares[std::size_t(i)] = share;
        }
    }
    gas_.gasShares[0] = 1.0f;
}

bool Wits::WriteMwdSlots(std::int32_t depth)
{
    wellfile::OpenWell& well = host.Well();
    // The depth comes off the link unchecked: only a depth of the file is written, at its own record.
    if (well.depthStep <= 0 || depth < well.fileTopDepth || depth > well.fileBottomDepth)
        return false;
    const int index = int((std::int64_t(depth) - well.fileTopDepth) / well.depthStep);
    std::array<wellfile::RECORD, 2> buffer{};
    if (wellfile::ReadRecords(well, buffer, well.dataFileName, index, 1) < 1)
        return false;
    wellfile::RECORD& r = buffer[0];
    for (int i = 0; i < 5; ++i) {
        r.resistivityA[i] = mwd_.mwdSlotsA[std::size_t(i)];
        r.resistivityB[i] = mwd_.mwdSlotsB[std::size_t(i)];
    }
    r.resistivityAStep = mwd_.mwdSlotsA[5];
    r.resistivityBStep = mwd_.mwdSlotsB[5];
    return wellfile::SaveRecords(well, std::span<const wellfile::RECORD>(buffer.data(), 1), well.dataFileName, index, 1) == 1;
}

}  // namespace wits
