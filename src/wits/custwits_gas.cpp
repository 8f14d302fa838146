#include "wits/custwits.h"

#include "drilling/driller.h"
#include "gasmon/autogas.h"
#include "gasmon/gashost.h"
#include "logview/logview_services.h"
#include "platform/numbers.h"
#include "platform/text.h"
#include "wellfile/datafile.h"
#include "wellfile/openwell.h"
#include "wits/itemtable.h"
#include "wits/sidefiles.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>

namespace wits {

namespace {

using wellfile::RECORD;

constexpr int kItem0101 = 101;
constexpr int kItemLagDepth = 139;
constexpr int kItemTotalGas = 140;
constexpr int kItemC1 = 1212;
constexpr int kItemNC4 = 1216;
constexpr int kItemIC5 = 1217;
constexpr int kProfileTestGasScaled = 23;  // its components come as parts of the test gas
constexpr float kTestGasPart = 0.0001f;
constexpr float kRatioCap = 0.95f;         // a lone component's ratio in the Bloodhound mode
constexpr int kRatioComponents = 7;        // C1 to nC5
constexpr int kRecordsRead = 10;
constexpr int kLagRecordInRun = 5;         // the lag depth's record is the sixth of the ten read
constexpr int kFirstUnitsUnbooked = 20;
constexpr int kBookedFloats = wellfile::GAS_NINTH + 1;  // total gas, C1 to nC5 and the float after them

// Whole part of a gas value for the gas window (0 for one that is no number).
int Whole(float v) { return TruncInt(double(v)); }

// The record of `depth` in the entry's records: within the run of consecutive depths from the first,
// none past it.
RECORD* EntryRecordOf(std::vector<RECORD>& entry, std::int32_t depth, int step)
{
    if (entry.empty() || entry[0].depth == 0 || depth < entry[0].depth)
        return nullptr;
    std::size_t end = 1;
    while (end < entry.size() && entry[end].depth == entry[end - 1].depth + step)
        ++end;
    const std::int64_t k = (std::int64_t(depth) - entry[0].depth) / step;
    if (k >= std::int64_t(end) || entry[std::size_t(k)].depth != depth)
        return nullptr;
    return &entry[std::size_t(k)];
}

}  // namespace

void CUSTWITS::ProcessGasItem(int item, std::string_view value)
{
    if (item == kItemTotalGas)
        Sample().totalGas = platform::LeadingFloat(value);
    if (item == kItemLagDepth)
        LagDepthItem(platform::LeadingInt(value));
    else if (item == kItemTotalGas && Mode() == CustWitsMode::Gas)
        TotalGasFirstPass(value);
    if (GasMode())
        GasItem(item, value);
}

void CUSTWITS::TotalGasFirstPass(std::string_view text)
{
    const float value = platform::LeadingFloat(text);
    WitsLinkState& state = *host.link;
    float& maximum = stepGas[0];
    if (!host.gas || !gasMonitorFirst) {
        gasValues[0] = std::max(value, 0.0f);
        maximum = std::max({maximum, gasValues[0], 0.0f});
        SetLine(kCustTotalGasText, platform::CFormat("%5.2f", double(maximum)));
        FeedAlarm(kTotalGasChannel, double(value));
        return;
    }
    const float total = value * thirdFactor;
    state.customLinkTotalGas = total;
    host.customLinkTotalGas = total;
    host.gas->RaiseTotalGasPeak(total);
    SetLine(kCustTotalGasText, platform::CFormat("%d", TruncInt(double(total))));
}

void CUSTWITS::LagDepthItem(std::int32_t lagDepth)
{
    drilling::Driller* d = host.driller;
    if (host.profile != kProfileTestGasScaled || !host.link->lagFromWits || !d)
        return;
    d->lagDepth = float(lagDepth);
    if (host.showLagStatus)
        host.showLagStatus(lagDepth);
    if (lagDepth % 2 == 0) {
        if (!stepStored) {
            StoreDepthStep();
            stepStored = true;
        }
    } else {
        stepStored = false;
    }
}

void CUSTWITS::GasItem(int item, std::string_view text)
{
    std::array<float, 8>& step = stepGas;
    if (item >= kItemC1 && item <= kItemIC5) {
        const auto i = std::size_t(item - kItemC1 + 1);
        float v = platform::LeadingFloat(text);
        if (host.profile == kProfileTestGasScaled)
            v = v * kTestGasPart * testGas[i];
        gasValues[i] = v;
        if (item != kItemC1)
            step[i] = v;  // C1 goes there with its component set (item 1216)
        if (item == kItemNC4 && step[1] != gasValues[1]) {
            componentUpdate = true;
            ++componentSets;
            step[1] = gasValues[1];
        }
    } else if (item == kItem0101) {
        item0101 = platform::LeadingInt(text);
    } else if (item == kItemTotalGas) {
        gasValues[0] = platform::LeadingFloat(text) * hwAttenuator;
        step[0] = std::max(step[0], gasValues[0]);
        if (step[0] < 0)
            step[0] = 0;
        CountGoodPoll();
        SetLine(kCustTotalGasText, platform::CFormat("%5.2f", double(step[0])));
    }
    UpdateComponentRatios();
    ShowGasLines();
}

void CUSTWITS::UpdateComponentRatios()
{
    const float sum = gasValues[1] + gasValues[2] + gasValues[3] + gasValues[4] + gasValues[5];
    if (componentUpdate && sum > 0) {
        for (int i = 1; i <= kRatioComponents; ++i) {
            const auto k = std::size_t(i);
            const float v = gasValues[k];
            // The gas record's floats from 52: C1 to iC5, then nC5 at 76.
            if (i < kRatioComponents)
                gasRecord.components[i - 1] = v;
            else
                gasRecord.sampleTotalGas = v;
            if (host.gas)
                host.gas->SetBookedGas(i, v);
            const float ratio = v / sum;
            gasRecord.fractions[i - 1] = ratio;
            componentRatios[k] = ratio;
            // Only the link's own copy is capped: the gas file keeps the ratio as it came.
            if (Mode() == CustWitsMode::Bloodhound && v > 0 && ratio >= 1.0f)
                componentRatios[k] = kRatioCap;
        }
    }
    componentRatios[0] = 1.0f;
}

CustGasLines CUSTWITS::GasWindowLines() const
{
    const auto& g = gasValues;
    const auto& r = componentRatios;
    const int sum = TruncInt(double(g[1] + g[2] + g[3] + g[4] + g[5]));
    CustGasLines lines;
    if (Mode() == CustWitsMode::Bloodhound) {
        lines.first = platform::CFormat("%-5d%-5d %-5d%-5d %-4d %-4d   %-4d ", Whole(g[0]), Whole(g[1]), Whole(g[2]),
                                        Whole(g[3]), Whole(g[4]), Whole(g[5]), item0101);
        lines.second = platform::CFormat("%-d  %-.2f  %-.2f %-.2f  %.2f  %.2f ", sum, double(r[1]), double(r[2]),
                                         double(r[3]), double(r[4]), double(r[5]));
    } else if (Mode() == CustWitsMode::Gas) {
        // The float after the components is never set by the link: it shows 0.0.
        lines.first = platform::CFormat("%-4d  %-4d %-4d %-4d  %-4d  %-4d %-4d %-2.1f   %d", Whole(g[0]), Whole(g[1]),
                                        Whole(g[2]), Whole(g[3]), Whole(g[4]), Whole(g[5]), Whole(g[6]), 0.0,
                                        componentSets);
        lines.second = platform::CFormat("%-d  %-.2f %-.2f  %-.2f %.2f  %.2f  %.2f", sum, double(r[1]), double(r[2]),
                                         double(r[3]), double(r[4]), double(r[5]), double(r[6]));
    }
    return lines;
}

void CUSTWITS::ShowGasLines()
{
    if (!gasWindow)
        return;
    CustGasLines lines = GasWindowLines();
    gasLine = lines.first;
    const QString heading = QString::fromLatin1(lines.first);
    const QString second = QString::fromLatin1(lines.second);
    gasWindow->SetHeading(heading);
    gasWindow->SetLines(&second, nullptr, nullptr, nullptr);
}

bool CUSTWITS::StoreDepthStep()
{
    Refresh();
    if (!host.driller)
        return false;
    const float lagDepth = host.driller->lagDepth;
    wellfile::OpenWell& well = *host.well;
    // Above the gas start depth (or no number): nothing, and the step's gas waits for the next booking.
    const double lag = lagDepth;
    if (!(lag >= double(well.lagDepth)))
        return false;

    // The lag depth's record stands sixth of the ten read. Where it would not (an index of 5 or less),
    // or where the file ends before it, there is no record to fill: the record steps are left out.
    const int step = std::max(well.depthStep, 1);
    const double lagIndex = std::trunc((lag - well.fileTopDepth) / step);
    std::array<RECORD, 2 * kRecordsRead> buffer{};
    int have = 0;
    int index = 0;
    if (lagIndex > kLagRecordInRun && lagIndex <= std::numeric_limits<int>::max() && !well.dataFileName.isEmpty()) {
        index = int(lagIndex) - kLagRecordInRun;
        have = wellfile::ReadRecords(well, buffer, well.dataFileName, index, kRecordsRead);
    }
    RECORD& r = buffer[kLagRecordInRun];
    bool written = false;
    if (have > kLagRecordInRun && r.depth != 0) {
        r.gas[wellfile::GAS_TG] = stepGas[0];
        for (int i = 1; i <= kRatioComponents; ++i)
            r.gas[i] = stepGas[0] * componentRatios[std::size_t(i)];
        if (host.gas)
            for (int i = 0; i <= kRatioComponents; ++i)
                host.gas->SetBookedGas(i, r.gas[i]);

        // A running entry writes its records back on "Done": its copy of the record gets the booked gas
        // too, but the gas entry's, whose typing it is.
        if (host.entryRecords) {
            if (std::int64_t(r.depth) <= std::int64_t(well.fileTopDepth) + kFirstUnitsUnbooked)
                return false;
            if (RECORD* typed = EntryRecordOf(*host.entryRecords, r.depth, step); typed && !host.gasEntryOpen)
                std::copy_n(r.gas, kBookedFloats, typed->gas);
        }
        // Written before the row is drawn: the row is drawn from the file.
        written = wellfile::SaveRecords(well, std::span<const RECORD>(buffer.data(), std::size_t(have)),
                                        well.dataFileName, index, have) > kLagRecordInRun;
        if (written)
            DrawBookedRow(host, lagDepth, r.depth, logview::ROW_GAS);
    }

    gasRecord.totalGas = stepGas[0];
    AppendGasRecord(lagDepth);
    stepGas.fill(0);
    stepStored = true;
    return written;
}

void CUSTWITS::TakeLagDepth(float lagDepth, int digit, std::int32_t bottomDepth)
{
    if (!(lagDepth > 0))
        return;
    if (digit >= 5)
        stepStored = false;
    else if (lagDepth <= float(bottomDepth) && !stepStored)
        StoreDepthStep();
}

bool CUSTWITS::AppendGasRecord(float lagDepth)
{
    const wellfile::OpenWell& well = *host.well;
    return wits::AppendGasRecord(well.dataFolder, well.wellName, gasRecord, lagDepth, well.fileBottomDepth);
}

}  // namespace wits
