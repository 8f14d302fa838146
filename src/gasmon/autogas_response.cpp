// What one read answer does: its registers become the channels of the instrument type, the total gas
// is corrected and watched for the gas alarms, the analogue module's depth pulses are counted, the
// chromatograph's peaks are tracked and the live window's lines are written.
#include "gasmon/autogas.h"
#include "gasmon/enginehelpers.h"

#include "drilling/driller.h"
#include "drilling/logalarm.h"
#include "platform/numbers.h"
#include "platform/text.h"
#include "wellfile/profile.h"

#include <algorithm>
#include <cmath>

namespace gasmon {

using platform::Whole;

namespace {

// Answers above the high-gas units before the alarm is set.
int HighGasAnswers(int profile) { return profile == 19 ? 1 : 30; }

}  // namespace

float AutoGas::MillivoltRange() const { return readings_.gainRange; }

float AutoGas::TotalGasReference() const { return std::max(readings_.testGasReferences[0], 50.0f); }

void AutoGas::TakeAnswer(const std::uint16_t* registers, int result)
{
    AnswerChannels c = TakeChannels(settings_.instrumentType, registers);
    if (requests_.autoSpanRequest)
        AutoSpanHotWire(c.hw);

    if (settings_.instrumentType == 7) {
        c.co2 *= settings_.effectiveFactors[2];
        if (!(c.co2 >= 0 && c.co2 <= 100))
            c.co2 = 0;
        c.hw *= readings_.record.hotWireSpan * readings_.record.hotWireAttenuator;
        c.ch *= readings_.record.chromatSpan * readings_.record.chromatAttenuator;
    } else if (settings_.instrumentType == 1) {
        if (!(c.co2 >= 0 && c.co2 <= 100))
            c.co2 = 0;
        c.co2 *= settings_.effectiveFactors[2] / kFullScaleCount;
    }

    // The calibration path writes its own lines.
    if (requests_.calibrationCycle) {
        CalibrationResponse(c.ch, c.hw);
    } else {
        TakeChannelValues(c);
        UpdateDisplayLines(result);
    }
    if (display_)
        display_->SetLines(&readings_.lines[0], &readings_.lines[1], &readings_.lines[2], &readings_.lines[3]);
}

void AutoGas::TakeChannelValues(const AnswerChannels& c)
{
    readings_.record.lastRawTotalGas = c.hw;
    const float range = MillivoltRange();
    readings_.channels[6] = c.hw * range / kFullScaleCount;
    readings_.channels[7] = settings_.instrumentType == 2 ? 0.0f : c.ch * range / kFullScaleCount;
    readings_.channels[8] = c.ch3 * range / kFullScaleCount;
    readings_.channels[9] = c.ch4 * range / kFullScaleCount;
    if (host.Profile() == 21 && readings_.channels[7] < 0 && host.Driller() && host.Driller()->Alarms())
        host.Driller()->Alarms()->Raise(drilling::kAlarmWitsPercent, QStringLiteral("Chomat MilliVolts less than zero"));
    readings_.chartMaxima[0] = std::max(readings_.chartMaxima[0], c.hw);
    readings_.chartMaxima[1] = std::max(readings_.chartMaxima[1], c.ch);

    float hw = c.hw, ch3 = c.ch3, ch4 = c.ch4, co2 = c.co2;
    if (ScalesCounts(settings_.instrumentType)) {
        hw = hw * settings_.effectiveFactors[0] / kFullScaleCount;
        ch3 = ch3 * settings_.effectiveFactors[2] / kFullScaleCount - settings_.zeros[3];
        ch4 = ch4 * settings_.effectiveFactors[3] / kFullScaleCount - settings_.zeros[4];
        if (host.Co2Track())
            co2 = ch3;
    }
    if (host.Co2Track())
        readings_.values[8] = std::max(readings_.values[8], co2);
    readings_.channels[0] = hw;
    readings_.channels[1] = c.ch;
    readings_.channels[2] = ch3;
    readings_.channels[3] = ch4;
    readings_.channels[4] = co2;
    readings_.channels[5] = ch4;

    float total = hw - settings_.zeros[0];
    const float reference = TotalGasReference();
    readings_.correctionBand = 0;
    if (settings_.baselineFid) {
        readings_.correctionBand = CorrectionBand(total / reference);
        total *= settings_.correctionFactors[std::size_t(readings_.correctionBand)] * readings_.record.channel4Span;
    } else if (settings_.sriMode != 0) {
        total = CorrectSriTotalGas(total, reference, readings_.record.channel3Span, readings_.record.channel4Span,
                                   readings_.correction);
    }

    readings_.record.maxChannel4 = std::max(readings_.record.maxChannel4, ch4);
    if (settings_.autoTc) {
        if (!host.TakeLarger()) {
            if (ch4 > 350)
                total = ch4;
        } else {
            total = std::max(total, ch4);
        }
    }
    readings_.record.totalGas = std::max(readings_.record.totalGas, total);
    readings_.currentTotalGas = total;
    readings_.values[0] = total;

    // The total gas of the sample: the few answers just after the sample valve opened.
    const int marker = host.Driller() ? host.Driller()->Bottom().connectionMarker : 0;
    if (marker < 1 && cycle_.cycleSeconds >= settings_.hwDelay && cycle_.cycleSeconds < settings_.hwDelay + 3 &&
        cycle_.sampleTimeCount < 4) {
        if (cycle_.sampleTimeCount == 0)
            cycle_.sampleTimeSum = 0.0f;  // a new sample: the last one's average is not part of it
        cycle_.sampleTimeSum += total;
        ++cycle_.sampleTimeCount;
        cycle_.sampleTimeTotalGas = cycle_.sampleTimeSum / float(std::max(cycle_.sampleTimeCount, 1));
    }

    WatchGasAlarms(HighGasAnswers(host.Profile()));
    WatchDepthPulses(c);

    const bool integrator = settings_.sriMode != 0 || settings_.baselineMode;
    if (!settings_.type2Mode && !integrator && settings_.instrumentType != 10)
        TrackPeak(c.ch);

    if (wellfile::AlwaysMetricProfile(host.Profile()) && host.TemperatureSetting()) {
        readings_.channels[3] = ch4 + 32;
        readings_.record.maxTemperature = std::max(readings_.record.maxTemperature, readings_.channels[3]);
    }

    if (settings_.instrumentType == 7) {
        cycle_.injectionCounter = c.injection;
        if (cycle_.injectionCounter == 0 && cycle_.lastCounter != 0) {
            if (requests_.calibrationRequest) {
                requests_.calibrationCycle = true;
                requests_.calibrationRequest = false;
            }
            StartCycle();
        }
        cycle_.lastCounter = cycle_.injectionCounter > 0 ? 10 : cycle_.injectionCounter;
        cycle_.status = c.status;
        if (cycle_.status == 1 && cycle_.statusArmed) {
            cycle_.statusArmed = false;
            if (host.Driller())
                host.Driller()->MarkStep(drilling::StepSource::WholeUnitBox);
        } else if (cycle_.status == 0) {
            cycle_.statusArmed = true;
        }
    }
}

void AutoGas::WatchGasAlarms(int answersAbove)
{
    drilling::Driller* d = host.Driller();
    if (!d || !d->Alarms())
        return;
    drilling::LogAlarm& alarms = *d->Alarms();
    const drilling::AlarmSettings& s = alarms.settings;
    if (s.highGasUnits > 0 && readings_.currentTotalGas > float(s.highGasUnits)) {
        if (++readings_.highGasCount > answersAbove) {
            alarms.flags[drilling::kAlarmHighGas] = 1;
            readings_.highGasCount = 0;
        }
    }
    if (s.lowGasUnits > 0 && s.lowGasMinutes > 0)
        alarms.flags[drilling::kAlarmLowGas] = readings_.currentTotalGas <= float(s.lowGasUnits) ? 1 : 0;
}

void AutoGas::WatchDepthPulses(const AnswerChannels&)
{
    if (!settings_.depthOnModule)
        return;
    const float mv = readings_.channels[settings_.depthChannel == 4 ? 9 : 8];
    if (mv > settings_.pulseThreshold) {
        if (cycle_.pulseArmed) {
            cycle_.pulseArmed = false;
            if (host.Driller())
                host.Driller()->MarkStep(drilling::StepSource::WholeUnitBox);
        }
    } else {
        cycle_.pulseArmed = true;
    }
}

void AutoGas::UpdateDisplayLines(int result)
{
    using platform::CFormat;
    const int profile = host.Profile();
    if (result == 0 || readings_.record.errorCount < 6) {
        const auto v = [this](int i) { return Whole(readings_.values[std::size_t(i)]); };
        if (settings_.sriMode != 0 || settings_.baselineMode)
            readings_.lines[0] = LineText(CFormat("%-5d %-5d %-5d %-5d %-4d %-4d %-4d %-4d %-2d ", v(0), v(1), v(2),
                                                  v(3), v(4), v(5), v(6), v(7), cycle_.cycleSeconds));
        else if (profile == 2 && settings_.instrumentType == 2)
            readings_.lines[0] = LineText(CFormat("%-5d%-5d %-5d%-5d %-4d %-4d %-4d  %-4d %-2.3f", v(0), v(1), v(2),
                                                  v(3), v(4), v(5), v(6), v(9), double(readings_.values[8])));
        else if (profile == 2)
            readings_.lines[0] = LineText(CFormat("%-5d%-5d %-5d%-5d %-4d %-4d  %-d      %-2d  ", v(0), v(1), v(2),
                                                  v(3), v(4), v(5), cycle_.componentIndex, cycle_.cycleSeconds));
        else
            readings_.lines[0] = LineText(CFormat("%-5d%-5d %-5d%-5d %-4d %-4d%-4d %-d    %2d ", v(0), v(1), v(2), v(3),
                                                  v(4), v(5), v(6), cycle_.componentIndex, cycle_.cycleSeconds));
    } else {
        readings_.lines[0] = ErrorName(result) + LineText(CFormat("  %-d", cycle_.cycleSeconds));
    }
    if (!requests_.calibrationCycle)
        UpdateChannelLines();
}

void AutoGas::UpdateChannelLines()
{
    using platform::CFormat;
    const double chX = readings_.record.chromatAttenuator, hwX = readings_.record.hotWireAttenuator;
    const double ch3X = readings_.record.channel3Attenuator, ch4X = readings_.record.channel4Attenuator;
    const double hwMv = readings_.channels[6], chMv = readings_.channels[7], ch3Mv = readings_.channels[8],
                 ch4Mv = readings_.channels[9];
    const double percent = double(readings_.currentTotalGas) / double(TotalGasReference()) * 100.0;
    const bool co2Track = host.Co2Track();

    if (ScalesCounts(settings_.instrumentType))
        readings_.lines[1] =
            LineText(CFormat("Chrom=X %.1f, HW=X %.1f  HWmV=%3.2f  CHmV=%3.2f ", chX, hwX, hwMv, chMv));
    else
        readings_.lines[1] = LineText(CFormat("Chrom=X %.1f, HW=X %.1f  INJ=%d ", chX, hwX, cycle_.injectionCounter));

    if (settings_.baselineFid) {
        readings_.lines[1] = LineText(CFormat(
            "TGAmV=%5.2f  TGA %%=%5.2f CF=%.2f  P=%d ", hwMv, percent,
            double(settings_.correctionFactors[std::size_t(readings_.correctionBand)]), readings_.correctionBand));
    } else if (settings_.sriMode != 0 && !settings_.autoTc) {
        const float b = readings_.record.channel4Span;
        if (b > 0 && b <= 2)
            readings_.lines[1] = LineText(CFormat("Chrom=X %.1f, TGA=X %.1f  TGAmV=%3.2f  HW %%=%2.2f %.3f", chX, hwX,
                                                  hwMv, percent, double(readings_.correction.g)));
        else
            readings_.lines[1] =
                LineText(CFormat("Chrom=X %.1f, TGA=X %.1f  TGAmV=%3.2f  HW %%=%2.2f ", chX, hwX, hwMv, percent));
    } else if (wellfile::AlwaysMetricProfile(host.Profile()) && host.TemperatureSetting()) {
        readings_.lines[1] =
            LineText(CFormat("Chrom = X %.1f,  HW= X %.1f   Temp= %2.2f ", chX, hwX, double(readings_.channels[3])));
    } else if (!settings_.autoTc && co2Track) {
        if (TypeIn(settings_.instrumentType, {0, 1, 2, 3, 4, 5, 8}))
            readings_.lines[2] = LineText(CFormat("HWmV=%3.2f CHmV=%3.2f CO2mV=%3.2f CO2=%2.2f ", hwMv, chMv, ch3Mv,
                                                  double(readings_.channels[4])));
        readings_.lines[1] = LineText(CFormat("Chrom =X %.1f  HW =X %.1f  CO2= X %.1f ", chX, hwX, ch3X));
    } else if (settings_.autoTc && !co2Track) {
        readings_.lines[1] = LineText(CFormat("Chrom= X %.1f  HW= X %.1f  TC= X %.1f       ", chX, hwX, ch4X));
        readings_.lines[2] =
            LineText(CFormat("HWmV=%3.2f HWVal=%d  CHmV=%3.2f TCmV=%3.2f TCVal=%.2f ", hwMv,
                             Whole(readings_.channels[0]), chMv, ch4Mv, double(readings_.channels[3])));
    } else if (settings_.autoTc && co2Track) {
        readings_.lines[3] =
            LineText(CFormat("HWmV=%3.2f HWVal=%d CHmV=%3.2f  TCmV=%3.2f TCVal=%d ", hwMv,
                             Whole(readings_.channels[0]), chMv, ch4Mv, Whole(readings_.channels[3])));
        readings_.lines[2] = LineText(CFormat("CO2mV=%3.2f CO2=%2.2f ", ch3Mv, double(readings_.channels[4])));
        readings_.lines[1] =
            LineText(CFormat("Chrom= X %.1f  HW= X %.1f  CO2= X %.1f  TC= X %.1f", chX, hwX, ch3X, ch4X));
    }
    if (settings_.customOnChannel3)
        readings_.lines[settings_.autoTc ? 3 : 2] =
            LineText(CFormat("CH3 MV= %.2f  CH3 Val= %.2f", ch3Mv, double(readings_.channels[2])));
}

}  // namespace gasmon
