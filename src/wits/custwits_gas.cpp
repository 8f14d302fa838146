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
    app::WitsLinkState& state = host.Link();
    float& maximum = gas_.stepGas[0];
    if (!host.Gas() || !settings_.gasMonitorFirst) {
        gas_.gasValues[0] = std::max(value, 0.0f);
        maximum = std::max({maximum, gas_.gasValues[0], 0.0f});
        SetLine(kCustTotalGasText, platform::CFormat("%5.2f", double(maximum)));
        FeedAlarm(kTotalGasChannel, double(value));
        return;
    }
    const float total = value * settings_.thirdFactor;
    state.customLinkTotalGas = total;
    host.Gas()->RaiseTotalGasPeak(total);
    SetLine(kCustTotalGasText, platform::CFormat("%d", TruncInt(double(total))));
}

void CUSTWITS::LagDepthItem(std::int32_t lagDepth)
{
    drilling::Driller* d = host.Driller();
    if (host.Profile() != kProfileTestGasScaled || !host.Link().lagFromWits || !d)
        return;
    d->SetLagDepth(float(lagDepth));
    if (host.showLagStatus)
        host.showLagStatus(lagDepth);
    if (lagDepth % 2 == 0) {
        if (!gas_.stepStored) {
            StoreDepthStep();
            gas_.stepStored = true;
        }
    } else {
        gas_.stepStored = false;
    }
}

void CUSTWITS::GasItem(int item, std::string_view text)
{
    std::array<float, 8>& step = gas_.stepGas;
    if (item >= kItemC1 && item <= kItemIC5) {
        const auto i = std::size_t(item - kItemC1 + 1);
        float v = platform::LeadingFloat(text);
        if (host.Profile() == kProfileTestGasScaled)
            v = v * kTestGasPart * gas_.testGas[i];
        gas_.gasValues[i] = v;
        if (item != kItemC1)
            step[i] = v;  // C1 goes there with its component set (item 1216)
        if (item == kItemNC4 && step[1] != gas_.gasValues[1]) {
            gas_.componentUpdate = true;
            ++gas_.componentSets;
            step[1] = gas_.gasValues[1];
        }
    } else if (item == kItem0101) {
        gas_.item0101 = platform::LeadingInt(text);
    } else if (item == kItemTotalGas) {
        gas_.gasValues[0] = platform::LeadingFloat(text) * settings_.hwAttenuator;
        step[0] = std::max(step[0], gas_.gasValues[0]);
        if (step[0] < 0)
            step[0] = 0;
        polls_.percent.CountGood();
        SetLine(kCustTotalGasText, platform::CFormat("%5.2f", double(step[0])));
    }
    UpdateComponentRatios();
    ShowGasLines();
}

void CUSTWITS::UpdateComponentRatios()
{
    const float sum = gas_.gasValues[1] + gas_.gasValues[2] + gas_.gasValues[3] + gas_.gasValues[4] + gas_.gasValues[5];
    if (gas_.componentUpdate && sum > 0) {
        for (int i = 1; i <= kRatioComponents; ++i) {
            const auto k = std::size_t(i);
            const float v = gas_.gasValues[k];
            // The gas record's floats from 52: C1 to iC5, then nC5 at 76.
            if (i < kRatioComponents)
                gas_.gasRecord.components[i - 1] = v;
            else
                gas_.gasRecord.sampleTotalGas = v;
            if (host.Gas())
                host.Gas()->SetBookedGas(i, v);
            const float ratio = v / sum;
            gas_.gasRecord.fractions[i - 1] = ratio;
            gas_.componentRatios[k] = ratio;
            // Only the link's own copy is capped: the gas file keeps the ratio as it came.
            if (Mode() == CustWitsMode::Bloodhound && v > 0 && ratio >= 1.0f)
                gas_.componentRatios[k] = kRatioCap;
        }
    }
    gas_.componentRatios[0] = 1.0f;
}

CustGasLines CUSTWITS::GasWindowLines() const
{
    const auto& g = gas_.gasValues;
    const auto& r = gas_.componentRatios;
    const int sum = TruncInt(double(g[1] + g[2] + g[3] + g[4] + g[5]));
    CustGasLines lines;
    if (Mode() == CustWitsMode::Bloodhound) {
        lines.first = platform::CFormat("%-5d%-5d %-5d%-5d %-4d %-4d   %-4d ", TruncInt(g[0]), TruncInt(g[1]),
                                        TruncInt(g[2]), TruncInt(g[3]), TruncInt(g[4]), TruncInt(g[5]), gas_.item0101);
        lines.second = platform::CFormat("%-d  %-.2f  %-.2f %-.2f  %.2f  %.2f ", sum, double(r[1]), double(r[2]),
                                         double(r[3]), double(r[4]), double(r[5]));
    } else if (Mode() == CustWitsMode::Gas) {
        // The float after the components is never set by the link: it shows 0.0.
        lines.first = platform::CFormat("%-4d  %-4d %-4d %-4d  %-4d  %-4d %-4d %-2.1f   %d", TruncInt(g[0]),
                                        TruncInt(g[1]), TruncInt(g[2]), TruncInt(g[3]), TruncInt(g[4]), TruncInt(g[5]),
                                        TruncInt(g[6]), 0.0, gas_.componentSets);
        lines.second = platform::CFormat("%-d  %-.2f %-.2f  %-.2f %.2f  %.2f  %.2f", sum, double(r[1]), double(r[2]),
                                         double(r[3]), double(r[4]), double(r[5]), double(r[6]));
    }
    return lines;
}

void CUSTWITS::ShowGasLines()
{
    if (!gasWindow_)
        return;
    CustGasLines lines = GasWindowLines();
    gas_.gasLine = lines.first;
    const QString heading = QString::fromLatin1(lines.first);
    const QString second = QString::fromLatin1(lines.second);
    gasWindow_->SetHeading(heading);
    gasWindow_->SetLines(&second, nullptr, nullptr, nullptr);
}

bool CUSTWITS::StoreDepthStep()
{
    if (!host.Driller())
        return false;
    const float lagDepth = host.Driller()->LagDepth();
    wellfile::OpenWell& well = host.Well();
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
        r.gas[wellfile::GAS_TG] = gas_.stepGas[0];
        for (int i = 1; i <= kRatioComponents; ++i)
            r.gas[i] = gas_.stepGas[0] * gas_.componentRatios[std::size_t(i)];
        if (host.Gas())
            for (int i = 0; i <= kRatioComponents; ++i)
                host.Gas()->SetBookedGas(i, r.gas[i]);

        // A running entry writes its records back on "Done": its copy of the record gets the booked gas
        // too, but the gas entry's, whose typing it is.
        if (host.EntryRecords()) {
            if (std::int64_t(r.depth) <= std::int64_t(well.fileTopDepth) + kFirstUnitsUnbooked)
                return false;
            if (RECORD* typed = EntryRecordOf(*host.EntryRecords(), r.depth, step); typed && !host.GasEntryOpen())
                std::copy_n(r.gas, kBookedFloats, typed->gas);
        }
        // Written before the row is drawn: the row is drawn from the file.
        written = wellfile::SaveRecords(well, std::span<const RECORD>(buffer.data(), std::size_t(have)),
                                        well.dataFileName, index, have) > kLagRecordInRun;
        if (written)
            DrawBookedRow(host, lagDepth, r.depth, logview::ROW_GAS);
    }

    gas_.gasRecord.totalGas = gas_.stepGas[0];
    AppendGasRecord(lagDepth);
    gas_.stepGas.fill(0);
    gas_.stepStored = true;
    return written;
}

void CUSTWITS::TakeLagDepth(float lagDepth, int digit, std::int32_t bottomDepth)
{
    if (!(lagDepth > 0))
        return;
    if (digit >= 5)
        gas_.stepStored = false;
    else if (lagDepth <= float(bottomDepth) && !gas_.stepStored)
        StoreDepthStep();
}

bool CUSTWITS::AppendGasRecord(float lagDepth)
{
    const wellfile::OpenWell& well = host.Well();
    return wits::AppendGasRecord(well.dataFolder, well.wellName, gas_.gasRecord, lagDepth, well.fileBottomDepth);
}

}  // namespace wits
