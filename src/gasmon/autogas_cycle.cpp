// The chromatograph's cycle: the peak of each component inside its time window, the end of a cycle
// that turns the components into the gas of the step, the calibration cycle that learns the elution
// times from a test gas, and the hot-wire span set from a test gas.
#include "gasmon/autogas.h"
#include "gasmon/enginehelpers.h"

#include "drilling/driller.h"
#include "platform/numbers.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/profile.h"

#include <algorithm>
#include <cmath>

namespace gasmon {

using platform::Whole;

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
    const int t = cycle_.cycleSeconds;
    const float factor =
        ScalesCounts(settings_.instrumentType) ? settings_.effectiveFactors[1] / kFullScaleCount : 1.0f;
    if (requests_.spanAdjustment && t > settings_.elutionTimes[1] + 3) {
        // The operator watches the signal itself while setting the span.
        readings_.values[1] = (ch - settings_.zeros[1]) * factor;
        readings_.currentChromat = std::max(readings_.values[1], 0.0f);
        return;
    }
    if (t > settings_.baselineSecond - 2 && t < settings_.baselineSecond + 2 && cycle_.baselineCount < 3) {
        if (cycle_.baselineCount == 0)
            cycle_.baselineSum = 0;
        cycle_.baselineSum += ch;
        ++cycle_.baselineCount;
    }
    const int k = cycle_.componentIndex;
    if (k < 1 || k > 7)
        return;
    const std::size_t i = std::size_t(k);
    if (!(settings_.elutionTimes[i] - settings_.windowStart[i] < t &&
          t < settings_.elutionTimes[i] + settings_.windowEnd[i]))
        return;
    if (k == 1 && cycle_.baselineCount > 0) {
        settings_.zeros[1] = cycle_.baselineSum / float(cycle_.baselineCount);
        cycle_.baselineCount = 0;
        settings_.zeros[2] = settings_.zeros[1];
        cycle_.chartBaselines = {settings_.zeros[1], settings_.zeros[1]};
    }
    float value = (ch - (k <= 3 ? settings_.zeros[1] : settings_.zeros[2])) * factor - settings_.componentOffsets[i];
    value = std::max(value, 0.0f);
    readings_.values[i] = std::max(readings_.values[i], value);
    if (cycle_.peakEndSeconds[i] == 0 && value < readings_.values[i] - 0.01f * readings_.values[i])
        cycle_.peakEndSeconds[i] = t;
    readings_.currentChromat = value;
}

void AutoGas::EndCycle()
{
    if (requests_.calibrationCycle || settings_.instrumentType == 10)
        return;
    const bool integrator = settings_.sriMode != 0 || settings_.baselineMode;
    const int n = std::clamp(settings_.components, 1, 7);
    if (settings_.instrumentType == 4) {
        if (settings_.plotMethane == 1)
            readings_.values[1] = readings_.values[6];
        else
            readings_.values[6] = 0;
    }
    readings_.record.totalGas = std::max(readings_.record.totalGas, readings_.currentTotalGas);
    for (float& r : readings_.testGasReferences)
        if (!(r > 0))
            r = 1.0f;

    if (readings_.values[1] > readings_.record.components[0]) {
        for (int k = 1; k <= std::min(n, 6); ++k) {
            float v = readings_.values[std::size_t(k)];
            const float reference = readings_.testGasReferences[std::size_t(k)];
            if (settings_.testGasPercent && !integrator && reference > 1)
                v = v * 100.0f / reference;
            readings_.record.components[k - 1] = v;
        }
    }

    cycle_.cycleEnded = true;
    float sum = 0;
    for (int k = 1; k <= n; ++k) {
        const float v = readings_.values[std::size_t(k)];
        sum += (!integrator && v < 1) ? 0.0f : v;
    }
    if (n == 6 && settings_.instrumentType != 4)
        sum += readings_.values[7];
    if (!(sum > 0))
        sum = 1.0f;
    cycle_.componentSum = sum;
    float sampleTotal = cycle_.sampleTimeTotalGas;
    if (!(sampleTotal > 1))
        sampleTotal = readings_.currentTotalGas;
    if (!(sampleTotal > 1))
        sampleTotal = sum;
    sampleTotal = std::max(sampleTotal, 1.0f);

    const float threshold = integrator ? 0.0f : 1.0f;
    const int marker = host.Driller() ? host.Driller()->Bottom().connectionMarker : 0;
    if (readings_.values[1] > threshold && marker < 1) {
        const float denominator = settings_.ratioSetting ? sum : sampleTotal;
        for (int k = 1; k <= std::min(n, 7); ++k)
            readings_.record.fractions[k - 1] = readings_.values[std::size_t(k)] / denominator;
        if (settings_.ratioSetting && readings_.record.fractions[0] > 0.95f)
            readings_.record.fractions[0] = 0.95f;
        if (integrator) {
            readings_.record.fractions[6] = readings_.values[9] / denominator;
            readings_.lines[3] = LineText(
                platform::CFormat("%d  %.3f  %.3f  %.3f %.3f %.3f  %.3f %.3f ", Whole(readings_.currentTotalGas),
                                  double(readings_.record.fractions[0]), double(readings_.record.fractions[1]),
                                  double(readings_.record.fractions[2]), double(readings_.record.fractions[3]),
                                  double(readings_.record.fractions[4]), double(readings_.record.fractions[5]),
                                  double(readings_.record.fractions[6])));
            if (display_)
                display_->SetLines(nullptr, nullptr, nullptr, &readings_.lines[3]);
        }
    }
    // Small readings are noise: what follows a missing lighter component is not kept.
    if (readings_.currentTotalGas < 25) {
        if (readings_.values[1] < 2)
            std::fill(readings_.record.fractions + 1, readings_.record.fractions + 6, 0.0f);
        if (readings_.values[2] < 1)
            std::fill(readings_.record.fractions + 2, readings_.record.fractions + 6, 0.0f);
    }
    if (readings_.values[3] < 1)
        std::fill(readings_.record.fractions + 3, readings_.record.fractions + 7, 0.0f);

    if (host.WitsLinkOn() && host.setWitsLiveGas)
        for (int k = 1; k < n; ++k)
            host.setWitsLiveGas(k, readings_.currentTotalGas * readings_.record.fractions[k - 1]);
    if (ShowsRetentionTimes(host.Profile()) && host.showRetentionTimes)
        host.showRetentionTimes(cycle_.peakEndSeconds);
    cycle_.peakEndSeconds.fill(0);
}

// ---- Calibration ----------------------------------------------------------------------------------

void AutoGas::ShowCalibrationLine(float hw, float ch)
{
    const auto v = [this](int i) { return Whole(cycle_.calibrationPeaks[std::size_t(i)]); };
    readings_.lines[0] = LineText(platform::CFormat("%-5d %-4d %-4d %-4d %-4d %-4d %-5d %d", Whole(hw), v(1), v(2),
                                                    v(3), v(4), v(5), cycle_.componentIndex, cycle_.cycleSeconds));
    readings_.lines[1] =
        LineText(platform::CFormat("      %-4d %-4d %-4d %-4d  ", settings_.elutionTimes[1], settings_.elutionTimes[2],
                                   settings_.elutionTimes[3], settings_.elutionTimes[4]));
    (void)ch;
}

void AutoGas::CalibrationResponse(float ch, float hw)
{
    const int profile = host.Profile();
    const int t = cycle_.cycleSeconds;
    const int w = CalibrationStartSecond(profile, settings_.instrumentType);
    const int n = settings_.instrumentType == 4 ? 6 : 5;
    readings_.chartMaxima[0] = std::max(readings_.chartMaxima[0], hw);
    readings_.chartMaxima[1] = std::max(readings_.chartMaxima[1], ch);
    readings_.channels[6] = hw / kFullScaleCount * MillivoltRange();
    readings_.channels[7] = ch / kFullScaleCount * MillivoltRange();

    if (!cycle_.calibrationStarted) {
        cycle_.calibrationStarted = true;
        cycle_.calibrationPeaks.fill(0);
        cycle_.componentIndex = 1;
        cycle_.lastCalibrationValue = 0;
        cycle_.calibrationBaselineSum = 0;
        cycle_.calibrationBaselineCount = 0;
        cycle_.calibrationBaseline = 0;
        if (display_) {
            display_->SetHeading(settings_.instrumentType == 4
                                     ? QStringLiteral("HW   S     C2   C3   IC4   Nc4   C1   Index  CT")
                                     : QStringLiteral("HW    C1   C2   C3   IC4  Nc4 Index Cycle Time"));
            display_->SetCaption(QStringLiteral("Elution Time Setup"));
        }
    }

    if (t > w - 3 && t < w) {
        cycle_.calibrationBaselineSum += ch;
        ++cycle_.calibrationBaselineCount;
    } else if (t > w && t < w + 3 && cycle_.calibrationBaselineCount > 0) {
        cycle_.calibrationBaseline = cycle_.calibrationBaselineSum / float(cycle_.calibrationBaselineCount);
    }
    const bool scales = ScalesCounts(settings_.instrumentType);
    float value = ch - cycle_.calibrationBaseline;
    if (scales) {
        value = value * settings_.effectiveFactors[1] / kFullScaleCount;
        hw = hw * settings_.effectiveFactors[0] / kFullScaleCount;
    }
    cycle_.calibrationPeaks[0] = std::max(cycle_.calibrationPeaks[0], hw);

    const float threshold = settings_.instrumentType == 8 ? 15.0f : 25.0f;
    if (value <= threshold || t < w) {
        ShowCalibrationLine(hw, value);
        cycle_.lastCalibrationValue = value;
        if (t >= kLongestCalibration)
            FinishCalibration();
        return;
    }

    const std::size_t k = std::size_t(std::clamp(cycle_.componentIndex, 1, 7));
    if (value < cycle_.calibrationPeaks[k] || !(value > cycle_.lastCalibrationValue)) {
        const bool passed = WaitsForPeakToSettle(profile)
                                ? value >= cycle_.lastCalibrationValue &&
                                      value < cycle_.calibrationPeaks[k] * (1 - CalibrationTolerance(profile))
                                : value < cycle_.calibrationPeaks[k];
        if (passed) {
            settings_.elutionTimes[k] = t;
            cycle_.componentIndex = std::min(cycle_.componentIndex + 1, 7);
            if (int(k) == n)
                cycle_.componentIndex = n + 1;
        }
    } else {
        cycle_.calibrationPeaks[k] = value;
    }
    cycle_.lastCalibrationValue = value;
    ShowCalibrationLine(hw, value);
    if (cycle_.componentIndex > n || t >= kLongestCalibration)
        FinishCalibration();
}

void AutoGas::FinishCalibration()
{
    requests_.calibrationCycle = false;
    cycle_.calibrationStarted = false;
    cycle_.componentIndex = 1;
    if (settings_.instrumentType == 4)
        settings_.elutionTimes[6] = std::max(settings_.elutionTimes[6], settings_.elutionTimes[5] + 20);
    else
        settings_.elutionTimes[6] = settings_.elutionTimes[5] + 20;
    if (ShiftsElutionTimes(host.Profile())) {
        for (int k = 1; k <= 3; ++k)
            settings_.elutionTimes[std::size_t(k)] += 2;
        for (int k = 4; k <= 5; ++k)
            settings_.elutionTimes[std::size_t(k)] += 3;
    }
    const int e1 = settings_.elutionTimes[1];
    settings_.baselineSecond = std::max(int(e1 - (settings_.instrumentType == 7 ? 0.3 : 0.2) * e1), 0);

    GASMONCFG cfg{};
    if (host.readConfig)
        host.readConfig(cfg);
    for (int k = 1; k <= 6; ++k)
        cfg.elutionTime[k - 1] = settings_.elutionTimes[std::size_t(k)];
    cfg.chromatZero = settings_.baselineSecond;
    const QDate today = platform::LocalTime().date();
    const std::string date = platform::CFormat("%d/%d/%d", today.month(), today.day(), today.year());
    std::fill(std::begin(cfg.calibrationDate), std::end(cfg.calibrationDate), '\0');
    std::copy_n(date.c_str(), std::min<std::size_t>(date.size(), sizeof cfg.calibrationDate - 1), cfg.calibrationDate);
    if (host.writeConfig)
        host.writeConfig(cfg);

    // The test gas's peaks are the references of the depths logged from here on.
    std::optional<wellfile::RECORD> last = host.readLastRecord ? host.readLastRecord() : std::nullopt;
    for (int k = 1; k <= 6; ++k) {
        const float peak = cycle_.calibrationPeaks[std::size_t(k)];
        if (!(peak > 0))
            continue;
        if (last)
            last->testGas[k] = peak;
        if (drilling::Driller* d = host.Driller())
            d->SetTestGas(k, peak);
    }
    if (last && cycle_.calibrationPeaks[1] > 10 && host.writeLastRecord)
        host.writeLastRecord(*last);

    readings_.lines[0] = QStringLiteral("Calibrate Done");
    readings_.lines[1] =
        LineText(platform::CFormat("%-4d %-4d%-4d %-4d %-4d ", settings_.elutionTimes[1], settings_.elutionTimes[2],
                                   settings_.elutionTimes[3], settings_.elutionTimes[4], settings_.elutionTimes[5]));
    if (display_)
        display_->SetCaption(QStringLiteral("StrativM Gas Monitor"));
    cycle_.calibrationPeaks.fill(0);
    std::fill(std::begin(readings_.record.fractions), std::end(readings_.record.fractions), 0.0f);
}

void AutoGas::AutoSpanHotWire(float rawHw)
{
    const float attenuator = readings_.record.hotWireAttenuator;
    float span = std::clamp(readings_.record.hotWireSpan, kLowestSpan, kWornFilamentSpan);
    const auto scaled = [&] { return rawHw * attenuator * span / kFullScaleCount; };
    // A reading of 0 or below never reaches 100: the span stops at its limits.
    while (scaled() > 100 && span > kLowestSpan)
        span -= 2;
    while (scaled() < 100 && span < kWornFilamentSpan)
        span += 2;
    span = std::clamp(span, kLowestSpan, kWornFilamentSpan);
    if (span >= kWornFilamentSpan && !cycle_.filamentWarned) {
        cycle_.filamentWarned = true;
        platform::MessageBox(QStringLiteral("Filiment needs to be replaced as soon as possible"), QStringLiteral("StrativM"));
    }
    readings_.record.hotWireSpan = span;
    settings_.effectiveFactors[0] = span * readings_.record.hotWireAttenuator;
    GASMONCFG cfg{};
    if (host.readConfig && host.readConfig(cfg) == 1) {
        cfg.hotWireSpan = span;
        if (host.writeConfig)
            host.writeConfig(cfg);
    }
    requests_.autoSpanRequest = false;
}

}  // namespace gasmon
