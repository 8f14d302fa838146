// What one read answer does: its registers become the channels of the instrument type, the total gas
// is corrected and watched for the gas alarms, the analogue module's depth pulses are counted, the
// chromatograph's peaks are tracked and the live window's lines are written.
#include "gasmon/autogas.h"
#include "gasmon/enginehelpers.h"

#include "drilling/driller.h"
#include "drilling/logalarm.h"
#include "platform/text.h"

#include <algorithm>
#include <cmath>

namespace gasmon {

namespace {

// Answers above the high-gas units before the alarm is set.
int HighGasAnswers(int profile) { return profile == 19 ? 1 : 30; }

}  // namespace

float AutoGas::MillivoltRange() const { return gainRange; }

float AutoGas::TotalGasReference() const { return std::max(testGasReferences[0], 50.0f); }

void AutoGas::TakeAnswer(const std::uint16_t* registers, int result)
{
    AnswerChannels c = TakeChannels(instrumentType, registers);
    if (autoSpanRequest)
        AutoSpanHotWire(c.hw);

    if (instrumentType == 7) {
        c.co2 *= effectiveFactors[2];
        if (!(c.co2 >= 0 && c.co2 <= 100))
            c.co2 = 0;
        c.hw *= record.hotWireSpan * record.hotWireAttenuator;
        c.ch *= record.chromatSpan * record.chromatAttenuator;
    } else if (instrumentType == 1) {
        if (!(c.co2 >= 0 && c.co2 <= 100))
            c.co2 = 0;
        c.co2 *= effectiveFactors[2] / kFullScaleCount;
    }

    // The calibration path writes its own lines.
    if (calibrationCycle) {
        CalibrationResponse(c.ch, c.hw);
    } else {
        TakeChannelValues(c);
        UpdateDisplayLines(result);
    }
    if (display_)
        display_->SetLines(&lines[0], &lines[1], &lines[2], &lines[3]);
}

void AutoGas::TakeChannelValues(const AnswerChannels& c)
{
    record.lastRawTotalGas = c.hw;
    const float range = MillivoltRange();
    channels[6] = c.hw * range / kFullScaleCount;
    channels[7] = instrumentType == 2 ? 0.0f : c.ch * range / kFullScaleCount;
    channels[8] = c.ch3 * range / kFullScaleCount;
    channels[9] = c.ch4 * range / kFullScaleCount;
    if (host.profile == 21 && channels[7] < 0 && host.driller && host.driller->alarms)
        host.driller->alarms->Raise(drilling::kAlarmWitsPercent, QStringLiteral("Chomat MilliVolts less than zero"));
    chartMaxima[0] = std::max(chartMaxima[0], c.hw);
    chartMaxima[1] = std::max(chartMaxima[1], c.ch);

    float hw = c.hw, ch3 = c.ch3, ch4 = c.ch4, co2 = c.co2;
    if (ScalesCounts(instrumentType)) {
        hw = hw * effectiveFactors[0] / kFullScaleCount;
        ch3 = ch3 * effectiveFactors[2] / kFullScaleCount - zeros[3];
        ch4 = ch4 * effectiveFactors[3] / kFullScaleCount - zeros[4];
        if (host.co2Track)
            co2 = ch3;
    }
    if (host.co2Track)
        values[8] = std::max(values[8], co2);
    channels[0] = hw;
    channels[1] = c.ch;
    channels[2] = ch3;
    channels[3] = ch4;
    channels[4] = co2;
    channels[5] = ch4;

    float total = hw - zeros[0];
    const float reference = TotalGasReference();
    correctionBand = 0;
    if (baselineFid) {
        correctionBand = CorrectionBand(total / reference);
        total *= correctionFactors[std::size_t(correctionBand)] * record.channel4Span;
    } else if (sriMode != 0) {
        total = CorrectSriTotalGas(total, reference, record.channel3Span, record.channel4Span, correction);
    }

    record.maxChannel4 = std::max(record.maxChannel4, ch4);
    if (autoTc) {
        if (!host.takeLarger) {
            if (ch4 > 350)
                total = ch4;
        } else {
            total = std::max(total, ch4);
        }
    }
    record.totalGas = std::max(record.totalGas, total);
    currentTotalGas = total;
    values[0] = total;

    // The total gas of the sample: the few answers just after the sample valve opened.
    const int marker = host.driller ? host.driller->connectionMarker : 0;
    if (marker < 1 && cycleSeconds >= hwDelay && cycleSeconds < hwDelay + 3 && sampleTimeCount < 4) {
        if (sampleTimeCount == 0)
            sampleTimeSum = 0.0f;  // a new sample: the last one's average is not part of it
        sampleTimeSum += total;
        ++sampleTimeCount;
        sampleTimeTotalGas = sampleTimeSum / float(std::max(sampleTimeCount, 1));
    }

    WatchGasAlarms(HighGasAnswers(host.profile));
    WatchDepthPulses(c);

    const bool integrator = sriMode != 0 || baselineMode;
    if (!type2Mode && !integrator && instrumentType != 10)
        TrackPeak(c.ch);

    if ((host.profile == 4 || host.profile == 64) && host.temperatureSetting) {
        channels[3] = ch4 + 32;
        record.maxTemperature = std::max(record.maxTemperature, channels[3]);
    }

    if (instrumentType == 7) {
        injectionCounter = c.injection;
        if (injectionCounter == 0 && lastCounter != 0) {
            if (calibrationRequest) {
                calibrationCycle = true;
                calibrationRequest = false;
            }
            StartCycle();
        }
        lastCounter = injectionCounter > 0 ? 10 : injectionCounter;
        status = c.status;
        if (status == 1 && statusArmed) {
            statusArmed = false;
            if (host.driller)
                host.driller->MarkStep(drilling::StepSource::WholeUnitBox);
        } else if (status == 0) {
            statusArmed = true;
        }
    }
}

void AutoGas::WatchGasAlarms(int answersAbove)
{
    drilling::Driller* d = host.driller;
    if (!d || !d->alarms)
        return;
    drilling::LogAlarm& alarms = *d->alarms;
    const drilling::AlarmSettings& s = alarms.settings;
    if (s.highGasUnits > 0 && currentTotalGas > float(s.highGasUnits)) {
        if (++highGasCount > answersAbove) {
            alarms.flags[drilling::kAlarmHighGas] = 1;
            highGasCount = 0;
        }
    }
    if (s.lowGasUnits > 0 && s.lowGasMinutes > 0)
        alarms.flags[drilling::kAlarmLowGas] = currentTotalGas <= float(s.lowGasUnits) ? 1 : 0;
}

void AutoGas::WatchDepthPulses(const AnswerChannels&)
{
    if (!depthOnModule)
        return;
    const float mv = channels[depthChannel == 4 ? 9 : 8];
    if (mv > pulseThreshold) {
        if (pulseArmed) {
            pulseArmed = false;
            if (host.driller)
                host.driller->MarkStep(drilling::StepSource::WholeUnitBox);
        }
    } else {
        pulseArmed = true;
    }
}

void AutoGas::UpdateDisplayLines(int result)
{
    using platform::CFormat;
    const int profile = host.profile;
    if (result == 0 || record.errorCount < 6) {
        const auto v = [this](int i) { return ShownInt(values[std::size_t(i)]); };
        if (sriMode != 0 || baselineMode)
            lines[0] = LineText(CFormat("%-5d %-5d %-5d %-5d %-4d %-4d %-4d %-4d %-2d ", v(0), v(1), v(2), v(3), v(4), v(5),
                                    v(6), v(7), cycleSeconds));
        else if (profile == 2 && instrumentType == 2)
            lines[0] = LineText(CFormat("%-5d%-5d %-5d%-5d %-4d %-4d %-4d  %-4d %-2.3f", v(0), v(1), v(2), v(3), v(4), v(5),
                                    v(6), v(9), double(values[8])));
        else if (profile == 2)
            lines[0] = LineText(CFormat("%-5d%-5d %-5d%-5d %-4d %-4d  %-d      %-2d  ", v(0), v(1), v(2), v(3), v(4), v(5),
                                    componentIndex, cycleSeconds));
        else
            lines[0] = LineText(CFormat("%-5d%-5d %-5d%-5d %-4d %-4d%-4d %-d    %2d ", v(0), v(1), v(2), v(3), v(4), v(5),
                                    v(6), componentIndex, cycleSeconds));
    } else {
        lines[0] = ErrorName(result) + LineText(CFormat("  %-d", cycleSeconds));
    }
    if (!calibrationCycle)
        UpdateChannelLines();
}

void AutoGas::UpdateChannelLines()
{
    using platform::CFormat;
    const double chX = record.chromatAttenuator, hwX = record.hotWireAttenuator;
    const double ch3X = record.channel3Attenuator, ch4X = record.channel4Attenuator;
    const double hwMv = channels[6], chMv = channels[7], ch3Mv = channels[8], ch4Mv = channels[9];
    const double percent = double(currentTotalGas) / double(TotalGasReference()) * 100.0;
    const bool co2Track = host.co2Track;

    if (ScalesCounts(instrumentType))
        lines[1] = LineText(CFormat("Chrom=X %.1f, HW=X %.1f  HWmV=%3.2f  CHmV=%3.2f ", chX, hwX, hwMv, chMv));
    else
        lines[1] = LineText(CFormat("Chrom=X %.1f, HW=X %.1f  INJ=%d ", chX, hwX, injectionCounter));

    if (baselineFid) {
        lines[1] = LineText(CFormat("TGAmV=%5.2f  TGA %%=%5.2f CF=%.2f  P=%d ", hwMv, percent,
                                double(correctionFactors[std::size_t(correctionBand)]), correctionBand));
    } else if (sriMode != 0 && !autoTc) {
        const float b = record.channel4Span;
        if (b > 0 && b <= 2)
            lines[1] = LineText(CFormat("Chrom=X %.1f, TGA=X %.1f  TGAmV=%3.2f  HW %%=%2.2f %.3f", chX, hwX, hwMv, percent,
                                    double(correction.g)));
        else
            lines[1] = LineText(CFormat("Chrom=X %.1f, TGA=X %.1f  TGAmV=%3.2f  HW %%=%2.2f ", chX, hwX, hwMv, percent));
    } else if ((host.profile == 4 || host.profile == 64) && host.temperatureSetting) {
        lines[1] = LineText(CFormat("Chrom = X %.1f,  HW= X %.1f   Temp= %2.2f ", chX, hwX, double(channels[3])));
    } else if (!autoTc && co2Track) {
        if (TypeIn(instrumentType, {0, 1, 2, 3, 4, 5, 8}))
            lines[2] = LineText(CFormat("HWmV=%3.2f CHmV=%3.2f CO2mV=%3.2f CO2=%2.2f ", hwMv, chMv, ch3Mv, double(channels[4])));
        lines[1] = LineText(CFormat("Chrom =X %.1f  HW =X %.1f  CO2= X %.1f ", chX, hwX, ch3X));
    } else if (autoTc && !co2Track) {
        lines[1] = LineText(CFormat("Chrom= X %.1f  HW= X %.1f  TC= X %.1f       ", chX, hwX, ch4X));
        lines[2] = LineText(CFormat("HWmV=%3.2f HWVal=%d  CHmV=%3.2f TCmV=%3.2f TCVal=%.2f ", hwMv, ShownInt(channels[0]), chMv,
                                ch4Mv, double(channels[3])));
    } else if (autoTc && co2Track) {
        lines[3] = LineText(CFormat("HWmV=%3.2f HWVal=%d CHmV=%3.2f  TCmV=%3.2f TCVal=%d ", hwMv, ShownInt(channels[0]), chMv,
                                ch4Mv, ShownInt(channels[3])));
        lines[2] = LineText(CFormat("CO2mV=%3.2f CO2=%2.2f ", ch3Mv, double(channels[4])));
        lines[1] = LineText(CFormat("Chrom= X %.1f  HW= X %.1f  CO2= X %.1f  TC= X %.1f", chX, hwX, ch3X, ch4X));
    }
    if (customOnChannel3)
        lines[autoTc ? 3 : 2] = LineText(CFormat("CH3 MV= %.2f  CH3 Val= %.2f", ch3Mv, double(channels[2])));
}

}  // namespace gasmon
