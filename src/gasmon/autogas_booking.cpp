// The gas of a depth step booked at the lag depth (the depth whose returns reach the surface now): into
// the depth record there, the records held in memory, the log on screen and the well's gas file. And the
// chart sample of every even second, written to the day's chart file ten at a time.
#include "gasmon/autogas.h"
#include "gasmon/enginehelpers.h"

#include "drilling/driller.h"
#include "drilling/logtime.h"
#include "gasmon/gasfile.h"
#include "wellfile/datafile.h"
#include "wellfile/openwell.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace gasmon {

namespace {

// Records read around the target, and where the target lies among them.
constexpr int kBookedRun = 10;
constexpr int kTargetInRun = 5;

// A value kept in a 16-bit field of the chart sample: within 0..65,535, not a number gives 0.
std::uint16_t U16(double v)
{
    if (!(v > 0))
        return 0;
    return std::uint16_t(std::min(v, 65535.0));
}

// A test-gas value used as a divisor: one that is not a positive number counts as 1.0.
float Reference(float v) { return v > 0 ? v : 1.0f; }

}  // namespace

void AutoGas::ResetStep()
{
    readings_.record.totalGas = 0;
    std::fill(std::begin(readings_.record.components), std::end(readings_.record.components), 0.0f);
    readings_.record.nc5 = 0;
    readings_.values[8] = 0;  // the CO2 maximum
    readings_.record.maxTemperature = 0;
    readings_.record.maxChannel4 = 0;
    readings_.record.errorCount = 0;
    readings_.record.cleared304 = 0;
    readings_.record.cleared336 = 0;
    const drilling::Driller* d = host.Driller();
    const bool integrator = settings_.sriMode != 0 || settings_.baselineMode;
    if (!integrator && !coilState_.coil3 &&
        (!d || d->Bottom().connectionMarker < d->Bottom().connectionMarkerLimit))
        readings_.currentTotalGas = 0;
    booking_.bookingAttempted = true;
}

void AutoGas::BookAtLagDepth()
{
    drilling::Driller* d = host.Driller();
    wellfile::OpenWell* w = host.Well();
    if (!d || !w || w->dataFileName.isEmpty() || d->Steps().rebuilding)
        return;
    const std::int32_t lag = readings_.record.lagDepth;
    const std::int32_t lastBooked = host.LastBookedDepth() ? *host.LastBookedDepth() : 0;
    if (lag < w->fileTopDepth + kFirstBookedUnits || lag < lastBooked || (d->Time() && d->Time()->lagTime == 0)) {
        booking_.bookingAttempted = true;
        return;
    }
    const int index = (lag - w->fileTopDepth) / std::max(w->depthStep, 1);
    std::array<wellfile::RECORD, kBookedRun + 1> run{};  // and the end mark ReadRecords writes
    const int have = index < 10 ? 0 : wellfile::ReadRecords(*w, run, w->dataFileName, index - kTargetInRun, kBookedRun);
    if (have <= kTargetInRun) {  // the target is not in the file
        booking_.bookingAttempted = true;
        return;
    }
    wellfile::RECORD& target = run[kTargetInRun];
    if (std::fabs(target.gas[wellfile::GAS_TG]) > kBookedTotalGas) {
        ResetStep();
        return;
    }

    const float total = readings_.record.totalGas;
    const bool ratio = readings_.record.ratioMode == 1 && !settings_.type2Mode;
    for (int k = 1; k <= settings_.components; ++k) {
        readings_.testGasReferences[std::size_t(k)] = Reference(target.testGas[k]);
        const float v = ratio ? total * readings_.record.fractions[k - 1] : readings_.record.components[k - 1];
        target.gas[k] = v;
        if (host.setWitsLiveGas)
            host.setWitsLiveGas(k, v);
    }
    target.gas[wellfile::GAS_TG] = total;

    if (settings_.sriMode != 0 || settings_.baselineMode) {
        float nc5 = total * readings_.record.fractions[6];
        if (host.Profile() == 37 && settings_.sriMode != 0)
            nc5 = nc5 / Reference(target.testGas[wellfile::TEST_NC5]) * 100;
        target.gas[wellfile::GAS_NC5] = nc5;
    }
    if (host.Co2Track() && !settings_.type2Mode && readings_.values[8] >= 0 && readings_.values[8] <= 100)
        target.gas[wellfile::GAS_NINTH] = readings_.values[8];
    if (settings_.customOnChannel3)
        target.custom1 = readings_.channels[2];
    if (settings_.type2Mode) {
        if (readings_.record.nc5 >= 0)
            target.gas[wellfile::GAS_NC5] = readings_.record.nc5;
        if (readings_.record.co2 >= 0 && readings_.record.co2 <= 100)
            target.gas[wellfile::GAS_NINTH] = readings_.record.co2;
        readings_.record.nc5 = 0;
        readings_.record.co2 = 0;
    }
    // C1 is never the whole of the total gas on the log.
    if (target.gas[wellfile::GAS_C1] == total && total > 2)
        target.gas[wellfile::GAS_C1] = total - 1;
    for (int i = 0; i <= wellfile::GAS_NC5; ++i)
        readings_.bookedGas[std::size_t(i)] = target.gas[i];

    // The records held in memory: the one of the target's depth, wherever it lies in the run.
    std::vector<wellfile::RECORD>& all = w->allRecords;
    for (wellfile::RECORD& r : all) {
        if (r.depth == 0)
            break;
        if (r.depth == target.depth) {
            for (int i = 0; i <= wellfile::GAS_NINTH; ++i)
                r.gas[i] = target.gas[i];
            break;
        }
    }

    const int saved = wellfile::SaveRecords(*w, std::span(run.data(), std::size_t(have)), w->dataFileName,
                                            index - kTargetInRun, have);
    const bool inView = target.depth >= w->viewTopDepth && target.depth <= w->viewTopDepth + w->viewDepthSpan;
    if (saved > 0 && !host.Busy() && inView)
        host.RowsBooked(target.depth, 2);
    if (host.LastBookedDepth())
        *host.LastBookedDepth() = target.depth;
    if (w->secondFolderOption && w->copyOut && d->Bottom().offBottom && host.copyWellFileOut)
        host.copyWellFileOut(QStringLiteral(".svm"));
    if (!settings_.type2Mode)
        readings_.record.sampleTotalGas = cycle_.sampleTimeTotalGas;
    readings_.record.bottomDepth = w->fileBottomDepth;
    AppendGasRecord(booking_.gasFileName, readings_.record, &booking_.gasFileSpell);
    if (settings_.baselineMode) {
        // A jump of the total gas marks a connection's gas, which gives no ratios.
        if (std::fabs(total - booking_.lastBookedTotalGas) > 0.2f * booking_.lastBookedTotalGas)
            d->SetConnectionMarker(2);
        booking_.lastBookedTotalGas = total;
    }
    ResetStep();
}

// ---- Chart samples -------------------------------------------------------------------------------

void AutoGas::FillChartSample(const QDateTime& now)
{
    const QTime t = now.time();
    CHARTRECORD s;
    s.depth = U16(host.Well() ? host.Well()->fileBottomDepth : 0);
    s.lagDepth = U16(readings_.record.lagDepth);
    s.month = std::uint16_t(now.date().month());
    s.day = std::uint16_t(now.date().day());
    s.hour = std::uint16_t(t.hour());
    s.minute = std::uint16_t(t.minute());
    s.second = std::uint16_t(t.second());

    const bool scaled = TypeIn(settings_.instrumentType, {0, 1, 2, 3, 4, 5, 8, 12});
    const bool integrator = settings_.sriMode != 0 || settings_.baselineMode;
    float hw = readings_.chartMaxima[0];
    if (settings_.sriMode != 0) {
        hw = readings_.currentTotalGas;
    } else {
        if (scaled)
            hw = hw * settings_.effectiveFactors[0] / kFullScaleCount;
        if (scaled || settings_.instrumentType == 9)
            hw -= settings_.zeros[0];
    }
    float ch = 0;
    if (!settings_.type2Mode && !integrator) {
        ch = readings_.chartMaxima[1];
        if (scaled || settings_.instrumentType == 9) {
            ch -= cycle_.chartBaselines[1];
            if (settings_.instrumentType != 9)
                ch = ch / kFullScaleCount * settings_.effectiveFactors[1];
        }
        ch = std::max(ch, 0.0f);
    }
    s.hotWire = hw;
    s.chromat = ch;
    readings_.chartMaxima = {0, 0};

    s.index = U16(std::min(cycle_.componentIndex, settings_.components + 1));
    s.recordNumber = std::uint32_t(ChartSlot(t));
    s.cycleEnd = cycle_.cycleEnded ? 1 : 0;
    if (booking_.lastChartSample.peakEnd == 0 && cycle_.componentIndex >= 1 && cycle_.componentIndex <= 7)
        s.peakEnd = U16(cycle_.peakEndSeconds[std::size_t(cycle_.componentIndex)]);
    if (settings_.autoTc) {
        const float c4 = readings_.channels[5];
        const double v = std::isfinite(c4) ? std::trunc(double(c4)) : -1.0;
        s.channel4 = v == 0 ? 1 : (v < 0 || v > 10000 ? 0 : std::uint16_t(v));
    }
    booking_.lastChartSample = s;
    if (host.addChartSample)
        host.addChartSample(s);

    // A batch holds one day's samples: the day's last ones are written before the new day's first.
    if (!booking_.chartBatch.empty() && booking_.chartBatchDay != now.date())
        WriteChartBatch();
    booking_.chartBatchDay = now.date();
    booking_.chartBatch.push_back(s);
    if (int(booking_.chartBatch.size()) >= kChartBatch)
        WriteChartBatch();
}

void AutoGas::WriteChartBatch()
{
    if (booking_.chartBatch.empty())
        return;
    if (host.writeChart)
        host.writeChart(booking_.chartBatch.data(), int(booking_.chartBatch.size()), booking_.chartBatchDay,
                        booking_.chartFileSpell);
    booking_.chartBatch.clear();
}

}  // namespace gasmon
