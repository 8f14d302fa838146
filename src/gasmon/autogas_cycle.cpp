// The chromatograph's cycle: the peak of each component inside its time window, the end of a cycle
// that turns the components into the gas of the step, the calibration cycle that learns the elution
// times from a test gas, and the hot-wire span set from a test gas.
#include "gasmon/autogas.h"
#include "gasmon/enginehelpers.h"

#include "drilling/driller.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/profile.h"

#include <algorithm>
#include <cmath>

namespace gasmon {

namespace {

// A calibration cycle that never sees its peaks ends here, seconds into the cycle.
constexpr int kLongestCalibration = 600;
// The hot-wire span's limits while it is set from a test gas; at the upper one the filament is worn.
constexpr float kLowestSpan = 2.0f;
constexpr float kWornFilamentSpan = 1170.0f;

// Seconds into a calibration cycle from which its peaks count.
int CalibrationStartSecond(int profile, int type)
{
    if (profile == 37)
        return 8;
    if (type == 12)
        return 6;
    return 15;
}

// How far below its peak a component's signal must be to count as past it.
float CalibrationTolerance(int profile) { return wellfile::ProfileIn(profile, {2, 37, 91, 114, 71}) ? 0.03f : 0.01f; }

// Profiles whose peaks are passed only once the signal stops falling.
bool WaitsForPeakToSettle(int profile) { return wellfile::ProfileIn(profile, {35, 2, 114, 91, 71, 77}); }

// Profiles whose elution times are taken a little later than the peak's end.
bool ShiftsElutionTimes(int profile) { return wellfile::ProfileIn(profile, {2, 91, 92, 114}); }

// Profiles whose chart shows the retention times.
bool ShowsRetentionTimes(int profile) { return wellfile::ProfileIn(profile, {12, 2, 114, 91, 92}); }

}  // namespace

void AutoGas::TrackPeak(float ch)
{
    const int t = cycleSeconds;
    const float factor = ScalesCounts(instrumentType) ? effectiveFactors[1] / kFullScaleCount : 1.0f;
    if (spanAdjustment && t > elutionTimes[1] + 3) {
        // The operator watches the signal itself while setting the span.
        values[1] = (ch - zeros[1]) * factor;
        currentChromat = std::max(values[1], 0.0f);
        return;
    }
    if (t > baselineSecond - 2 && t < baselineSecond + 2 && baselineCount < 3) {
        if (baselineCount == 0)
            baselineSum = 0;
        baselineSum += ch;
        ++baselineCount;
    }
    const int k = componentIndex;
    if (k < 1 || k > 7)
        return;
    const std::size_t i = std::size_t(k);
    if (!(elutionTimes[i] - windowStart[i] < t && t < elutionTimes[i] + windowEnd[i]))
        return;
    if (k == 1 && baselineCount > 0) {
        zeros[1] = baselineSum / float(baselineCount);
        baselineCount = 0;
        zeros[2] = zeros[1];
        chartBaselines = {zeros[1], zeros[1]};
    }
    float value = (ch - (k <= 3 ? zeros[1] : zeros[2])) * factor - componentOffsets[i];
    value = std::max(value, 0.0f);
    values[i] = std::max(values[i], value);
    if (peakEndSeconds[i] == 0 && value < values[i] - 0.01f * values[i])
        peakEndSeconds[i] = t;
    currentChromat = value;
}

void AutoGas::EndCycle()
{
    if (calibrationCycle || instrumentType == 10)
        return;
    const bool integrator = sriMode != 0 || baselineMode;
    const int n = std::clamp(components, 1, 7);
    if (instrumentType == 4) {
        if (plotMethane == 1)
            values[1] = values[6];
        else
            values[6] = 0;
    }
    record.totalGas = std::max(record.totalGas, currentTotalGas);
    for (float& r : testGasReferences)
        if (!(r > 0))
            r = 1.0f;

    if (values[1] > record.components[0]) {
        for (int k = 1; k <= std::min(n, 6); ++k) {
            float v = values[std::size_t(k)];
            const float reference = testGasReferences[std::size_t(k)];
            if (testGasPercent && !integrator && reference > 1)
                v = v * 100.0f / reference;
            record.components[k - 1] = v;
        }
    }

    cycleEnded = true;
    float sum = 0;
    for (int k = 1; k <= n; ++k) {
        const float v = values[std::size_t(k)];
        sum += (!integrator && v < 1) ? 0.0f : v;
    }
    if (n == 6 && instrumentType != 4)
        sum += values[7];
    if (!(sum > 0))
        sum = 1.0f;
    componentSum = sum;
    float sampleTotal = sampleTimeTotalGas;
    if (!(sampleTotal > 1))
        sampleTotal = currentTotalGas;
    if (!(sampleTotal > 1))
        sampleTotal = sum;
    sampleTotal = std::max(sampleTotal, 1.0f);

    const float threshold = integrator ? 0.0f : 1.0f;
    const int marker = host.driller ? host.driller->connectionMarker : 0;
    if (values[1] > threshold && marker < 1) {
        const float denominator = ratioSetting ? sum : sampleTotal;
        for (int k = 1; k <= std::min(n, 7); ++k)
            record.fractions[k - 1] = values[std::size_t(k)] / denominator;
        if (ratioSetting && record.fractions[0] > 0.95f)
            record.fractions[0] = 0.95f;
        if (integrator) {
            record.fractions[6] = values[9] / denominator;
            lines[3] = LineText(platform::CFormat("%d  %.3f  %.3f  %.3f %.3f %.3f  %.3f %.3f ", ShownInt(currentTotalGas),
                                              double(record.fractions[0]), double(record.fractions[1]),
                                              double(record.fractions[2]), double(record.fractions[3]),
                                              double(record.fractions[4]), double(record.fractions[5]),
                                              double(record.fractions[6])));
            if (display_)
                display_->SetLines(nullptr, nullptr, nullptr, &lines[3]);
        }
    }
    // Small readings are noise: what follows a missing lighter component is not kept.
    if (currentTotalGas < 25) {
        if (values[1] < 2)
            std::fill(record.fractions + 1, record.fractions + 6, 0.0f);
        if (values[2] < 1)
            std::fill(record.fractions + 2, record.fractions + 6, 0.0f);
    }
    if (values[3] < 1)
        std::fill(record.fractions + 3, record.fractions + 7, 0.0f);

    if (host.witsLinkOn && host.setWitsLiveGas)
        for (int k = 1; k < n; ++k)
            host.setWitsLiveGas(k, currentTotalGas * record.fractions[k - 1]);
    if (ShowsRetentionTimes(host.profile) && host.showRetentionTimes)
        host.showRetentionTimes(peakEndSeconds);
    peakEndSeconds.fill(0);
}

// ---- Calibration ----------------------------------------------------------------------------------

void AutoGas::ShowCalibrationLine(float hw, float ch)
{
    const auto v = [this](int i) { return ShownInt(calibrationPeaks[std::size_t(i)]); };
    lines[0] = LineText(platform::CFormat("%-5d %-4d %-4d %-4d %-4d %-4d %-5d %d", ShownInt(hw), v(1), v(2), v(3), v(4), v(5),
                                      componentIndex, cycleSeconds));
    lines[1] = LineText(platform::CFormat("      %-4d %-4d %-4d %-4d  ", elutionTimes[1], elutionTimes[2], elutionTimes[3],
                                      elutionTimes[4]));
    (void)ch;
}

void AutoGas::CalibrationResponse(float ch, float hw)
{
    const int profile = host.profile;
    const int t = cycleSeconds;
    const int w = CalibrationStartSecond(profile, instrumentType);
    const int n = instrumentType == 4 ? 6 : 5;
    chartMaxima[0] = std::max(chartMaxima[0], hw);
    chartMaxima[1] = std::max(chartMaxima[1], ch);
    channels[6] = hw / kFullScaleCount * MillivoltRange();
    channels[7] = ch / kFullScaleCount * MillivoltRange();

    if (!calibrationStarted) {
        calibrationStarted = true;
        calibrationPeaks.fill(0);
        componentIndex = 1;
        lastCalibrationValue = 0;
        calibrationBaselineSum = 0;
        calibrationBaselineCount = 0;
        calibrationBaseline = 0;
        if (display_) {
            display_->SetHeading(instrumentType == 4 ? QStringLiteral("HW   S     C2   C3   IC4   Nc4   C1   Index  CT")
                                                     : QStringLiteral("HW    C1   C2   C3   IC4  Nc4 Index Cycle Time"));
            display_->SetCaption(QStringLiteral("Elution Time Setup"));
        }
    }

    if (t > w - 3 && t < w) {
        calibrationBaselineSum += ch;
        ++calibrationBaselineCount;
    } else if (t > w && t < w + 3 && calibrationBaselineCount > 0) {
        calibrationBaseline = calibrationBaselineSum / float(calibrationBaselineCount);
    }
    const bool scales = ScalesCounts(instrumentType);
    float value = ch - calibrationBaseline;
    if (scales) {
        value = value * effectiveFactors[1] / kFullScaleCount;
        hw = hw * effectiveFactors[0] / kFullScaleCount;
    }
    calibrationPeaks[0] = std::max(calibrationPeaks[0], hw);

    const float threshold = instrumentType == 8 ? 15.0f : 25.0f;
    if (value <= threshold || t < w) {
        ShowCalibrationLine(hw, value);
        lastCalibrationValue = value;
        if (t >= kLongestCalibration)
            FinishCalibration();
        return;
    }

    const std::size_t k = std::size_t(std::clamp(componentIndex, 1, 7));
    if (value < calibrationPeaks[k] || !(value > lastCalibrationValue)) {
        const bool passed = WaitsForPeakToSettle(profile)
                                ? value >= lastCalibrationValue &&
                                      value < calibrationPeaks[k] * (1 - CalibrationTolerance(profile))
                                : value < calibrationPeaks[k];
        if (passed) {
            elutionTimes[k] = t;
            componentIndex = std::min(componentIndex + 1, 7);
            if (int(k) == n)
                componentIndex = n + 1;
        }
    } else {
        calibrationPeaks[k] = value;
    }
    lastCalibrationValue = value;
    ShowCalibrationLine(hw, value);
    if (componentIndex > n || t >= kLongestCalibration)
        FinishCalibration();
}

void AutoGas::FinishCalibration()
{
    calibrationCycle = false;
    calibrationStarted = false;
    componentIndex = 1;
    if (instrumentType == 4)
        elutionTimes[6] = std::max(elutionTimes[6], elutionTimes[5] + 20);
    else
        elutionTimes[6] = elutionTimes[5] + 20;
    if (ShiftsElutionTimes(host.profile)) {
        for (int k = 1; k <= 3; ++k)
            elutionTimes[std::size_t(k)] += 2;
        for (int k = 4; k <= 5; ++k)
            elutionTimes[std::size_t(k)] += 3;
    }
    const int e1 = elutionTimes[1];
    baselineSecond = std::max(int(e1 - (instrumentType == 7 ? 0.3 : 0.2) * e1), 0);

    GASMONCFG cfg{};
    if (host.readConfig)
        host.readConfig(cfg);
    for (int k = 1; k <= 6; ++k)
        cfg.elutionTime[k - 1] = elutionTimes[std::size_t(k)];
    cfg.chromatZero = baselineSecond;
    const QDate today = platform::LocalTime().date();
    const std::string date = platform::CFormat("%d/%d/%d", today.month(), today.day(), today.year());
    std::fill(std::begin(cfg.calibrationDate), std::end(cfg.calibrationDate), '\0');
    std::copy_n(date.c_str(), std::min<std::size_t>(date.size(), sizeof cfg.calibrationDate - 1), cfg.calibrationDate);
    if (host.writeConfig)
        host.writeConfig(cfg);

    // The test gas's peaks are the references of the depths logged from here on.
    std::optional<wellfile::RECORD> last = host.readLastRecord ? host.readLastRecord() : std::nullopt;
    for (int k = 1; k <= 6; ++k) {
        const float peak = calibrationPeaks[std::size_t(k)];
        if (!(peak > 0))
            continue;
        if (last)
            last->testGas[k] = peak;
        if (drilling::Driller* d = host.driller) {
            d->previous.testGas[k] = peak;
            d->working.testGas[k] = peak;
        }
    }
    if (last && calibrationPeaks[1] > 10 && host.writeLastRecord)
        host.writeLastRecord(*last);

    lines[0] = QStringLiteral("Calibrate Done");
    lines[1] = LineText(platform::CFormat("%-4d %-4d%-4d %-4d %-4d ", elutionTimes[1], elutionTimes[2], elutionTimes[3],
                                      elutionTimes[4], elutionTimes[5]));
    if (display_)
        display_->SetCaption(QStringLiteral("StrativM Gas Monitor"));
    calibrationPeaks.fill(0);
    std::fill(std::begin(record.fractions), std::end(record.fractions), 0.0f);
}

void AutoGas::AutoSpanHotWire(float rawHw)
{
    const float attenuator = record.hotWireAttenuator;
    float span = std::clamp(record.hotWireSpan, kLowestSpan, kWornFilamentSpan);
    const auto scaled = [&] { return rawHw * attenuator * span / kFullScaleCount; };
    // A reading of 0 or below never reaches 100: the span stops at its limits.
    while (scaled() > 100 && span > kLowestSpan)
        span -= 2;
    while (scaled() < 100 && span < kWornFilamentSpan)
        span += 2;
    span = std::clamp(span, kLowestSpan, kWornFilamentSpan);
    if (span >= kWornFilamentSpan && !filamentWarned) {
        filamentWarned = true;
        platform::MessageBox(QStringLiteral("Filiment needs to be replaced as soon as possible"), QStringLiteral("StrativM"));
    }
    record.hotWireSpan = span;
    effectiveFactors[0] = span * record.hotWireAttenuator;
    GASMONCFG cfg{};
    if (host.readConfig && host.readConfig(cfg) == 1) {
        cfg.hotWireSpan = span;
        if (host.writeConfig)
            host.writeConfig(cfg);
    }
    autoSpanRequest = false;
}

}  // namespace gasmon
