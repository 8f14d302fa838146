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
    record.totalGas = 0;
    std::fill(std::begin(record.components), std::end(record.components), 0.0f);
    record.nc5 = 0;
    values[8] = 0;  // the CO2 maximum
    record.maxTemperature = 0;
    record.maxChannel4 = 0;
    record.errorCount = 0;
    record.cleared304 = 0;
    record.cleared336 = 0;
    const drilling::Driller* d = host.driller;
    const bool integrator = sriMode != 0 || baselineMode;
    if (!integrator && !coil3 && (!d || d->connectionMarker < d->connectionMarkerLimit))
        currentTotalGas = 0;
    bookingAttempted = true;
}

void AutoGas::BookAtLagDepth()
{
    drilling::Driller* d = host.driller;
    wellfile::OpenWell* w = host.well;
    if (!d || !w || w->dataFileName.isEmpty() || d->rebuilding)
        return;
    const std::int32_t lag = record.lagDepth;
    const std::int32_t lastBooked = host.lastBookedDepth ? *host.lastBookedDepth : 0;
    if (lag < w->fileTopDepth + kFirstBookedUnits || lag < lastBooked || (d->time && d->time->lagTime == 0)) {
        bookingAttempted = true;
        return;
    }
    const int index = (lag - w->fileTopDepth) / std::max(w->depthStep, 1);
    std::array<wellfile::RECORD, kBookedRun + 1> run{};  // and the end mark ReadRecords writes
    const int have = index < 10 ? 0 : wellfile::ReadRecords(*w, run, w->dataFileName, index - kTargetInRun, kBookedRun);
    if (have <= kTargetInRun) {  // the target is not in the file
        bookingAttempted = true;
        return;
    }
    wellfile::RECORD& target = run[kTargetInRun];
    if (std::fabs(target.gas[wellfile::GAS_TG]) > kBookedTotalGas) {
        ResetStep();
        return;
    }

    const float total = record.totalGas;
    const bool ratio = record.ratioMode == 1 && !type2Mode;
    for (int k = 1; k <= components; ++k) {
        testGasReferences[std::size_t(k)] = Reference(target.testGas[k]);
        const float v = ratio ? total * record.fractions[k - 1] : record.components[k - 1];
        target.gas[k] = v;
        if (host.setWitsLiveGas)
            host.setWitsLiveGas(k, v);
    }
    target.gas[wellfile::GAS_TG] = total;

    if (sriMode != 0 || baselineMode) {
        float nc5 = total * record.fractions[6];
        if (host.profile == 37 && sriMode != 0)
            nc5 = nc5 / Reference(target.testGas[wellfile::TEST_NC5]) * 100;
        target.gas[wellfile::GAS_NC5] = nc5;
    }
    if (host.co2Track && !type2Mode && values[8] >= 0 && values[8] <= 100)
        target.gas[wellfile::GAS_NINTH] = values[8];
    if (customOnChannel3)
        target.custom1 = channels[2];
    if (type2Mode) {
        if (record.nc5 >= 0)
            target.gas[wellfile::GAS_NC5] = record.nc5;
        if (record.co2 >= 0 && record.co2 <= 100)
            target.gas[wellfile::GAS_NINTH] = record.co2;
        record.nc5 = 0;
        record.co2 = 0;
    }
    // C1 is never the whole of the total gas on the log.
    if (target.gas[wellfile::GAS_C1] == total && total > 2)
        target.gas[wellfile::GAS_C1] = total - 1;
    for (int i = 0; i <= wellfile::GAS_NC5; ++i)
        bookedGas[std::size_t(i)] = target.gas[i];

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
    if (saved > 0 && !host.busy && inView && host.repaintRows)
        host.repaintRows(target.depth, 2);
    if (host.lastBookedDepth)
        *host.lastBookedDepth = target.depth;
    if (w->secondFolderOption && w->copyOut && d->offBottom && host.copyWellFileOut)
        host.copyWellFileOut(QStringLiteral(".svm"));
    if (!type2Mode)
        record.sampleTotalGas = sampleTimeTotalGas;
    record.bottomDepth = w->fileBottomDepth;
    AppendGasRecord(gasFileName, record, &gasFileSpell);
    if (baselineMode) {
        // A jump of the total gas marks a connection's gas, which gives no ratios.
        if (std::fabs(total - lastBookedTotalGas) > 0.2f * lastBookedTotalGas)
            d->connectionMarker = 2;
        lastBookedTotalGas = total;
    }
    ResetStep();
}

// ---- Chart samples -------------------------------------------------------------------------------

void AutoGas::FillChartSample(const QDateTime& now)
{
    const QTime t = now.time();
    CHARTRECORD s;
    s.depth = U16(host.well ? host.well->fileBottomDepth : 0);
    s.lagDepth = U16(record.lagDepth);
    s.month = std::uint16_t(now.date().month());
    s.day = std::uint16_t(now.date().day());
    s.hour = std::uint16_t(t.hour());
    s.minute = std::uint16_t(t.minute());
    s.second = std::uint16_t(t.second());

    const bool scaled = TypeIn(instrumentType, {0, 1, 2, 3, 4, 5, 8, 12});
    const bool integrator = sriMode != 0 || baselineMode;
    float hw = chartMaxima[0];
    if (sriMode != 0) {
        hw = currentTotalGas;
    } else {
        if (scaled)
            hw = hw * effectiveFactors[0] / kFullScaleCount;
        if (scaled || instrumentType == 9)
            hw -= zeros[0];
    }
    float ch = 0;
    if (!type2Mode && !integrator) {
        ch = chartMaxima[1];
        if (scaled || instrumentType == 9) {
            ch -= chartBaselines[1];
            if (instrumentType != 9)
                ch = ch / kFullScaleCount * effectiveFactors[1];
        }
        ch = std::max(ch, 0.0f);
    }
    s.hotWire = hw;
    s.chromat = ch;
    chartMaxima = {0, 0};

    s.index = U16(std::min(componentIndex, components + 1));
    s.recordNumber = std::uint32_t(ChartSlot(t));
    s.cycleEnd = cycleEnded ? 1 : 0;
    if (lastChartSample.peakEnd == 0 && componentIndex >= 1 && componentIndex <= 7)
        s.peakEnd = U16(peakEndSeconds[std::size_t(componentIndex)]);
    if (autoTc) {
        const float c4 = channels[5];
        const double v = std::isfinite(c4) ? std::trunc(double(c4)) : -1.0;
        s.channel4 = v == 0 ? 1 : (v < 0 || v > 10000 ? 0 : std::uint16_t(v));
    }
    lastChartSample = s;
    if (host.addChartSample)
        host.addChartSample(s);

    // A batch holds one day's samples: the day's last ones are written before the new day's first.
    if (!chartBatch.empty() && chartBatchDay != now.date())
        WriteChartBatch();
    chartBatchDay = now.date();
    chartBatch.push_back(s);
    if (int(chartBatch.size()) >= kChartBatch)
        WriteChartBatch();
}

void AutoGas::WriteChartBatch()
{
    if (chartBatch.empty())
        return;
    if (host.writeChart)
        host.writeChart(chartBatch.data(), int(chartBatch.size()), chartBatchDay, chartFileSpell);
    chartBatch.clear();
}

}  // namespace gasmon
