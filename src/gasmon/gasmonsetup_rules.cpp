// Which controls of the gas monitor set-up show, are enabled and checked, and what the fields read.
#include "gasmon/enginehelpers.h"
#include "gasmon/gasmonsetup.h"

#include "platform/text.h"
#include "wellfile/profile.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <limits>

namespace gasmon {

namespace {

// Every control whose state a type can change, shown and enabled unless the resource says otherwise.
constexpr int kTypeControls[] = {
    kChromZero, kHwSpan, kHwAttenuator, kHwZero, kConnTimeOut, kChSpan, kChAttenuator, kCh3Span,
    kCh3Attenuator, kCh3Zero, kCh3Label, kCh4Span, kCh4Attenuator, kCh4Zero, kCh4Label, kHwDelay, kGasComPort,
    kWitsComPort, kWitsComPortLabel, kPressure, kCycleTime, kCycleTimeLabel, kMvRange, kMvRangeLabel, kThreshold,
    kThresholdLabel, kWitsInterval, kWto, kMaxChar, kBps, kChTimeOut, kIsoInterval, kIntegratorFile,
    kIntegratorLabel, kBrowse, kSpanInfo, kPlotMethane, kPlotSummary, kDepthCh3, kDepthCh4, kOffBotCh3,
    kOffBotCh4, kPason, kOther, kDepthOnModule, kOffBottomOnModule, kTriggerOnHigh, kStoreCalibration, kAutoTc,
    kCustomOnCh3, kOwnControl, kPpm, kTotalChromat, kSri, kBaselineIntegrator, kBaselineFid, kDisplayOn,
    kFitChromat, kAutoBypass, kInstrumentList, kSaveToFile, kViewGas, kViewChart, kSetElution, kSetSpan,
    kSampleNow, kCloseBlock, kIsoSampleNow, kOpenClear, kClearRatios, kAdvanced, kIsoLabel, kWitsIntervalLabel,
    kWtoLabel, kMaxCharLabel, kBpsLabel, kChTimeOutLabel, kMethaneFrame, kDepthFrame, kOffBottomFrame,
    kReadings, kIp1, kIp2, kIp3, kIp4, kIpLabel, kStatusDepthNote,
};

class ViewBuilder {
public:
    explicit ViewBuilder(SetupView& v) : v_(v) {}
    void Show(std::initializer_list<int> ids, bool shown)
    {
        for (int id : ids)
            v_.controls[id].shown = shown;
    }
    void Enable(std::initializer_list<int> ids, bool enabled)
    {
        for (int id : ids)
            v_.controls[id].enabled = enabled;
    }
    void Check(int id, bool checked) { v_.controls[id].checked = checked; }
    void Text(int id, const QString& text) { v_.controls[id].text = text; }
    void Format(int id, const std::string& text) { Text(id, QString::fromLatin1(text.c_str())); }

private:
    SetupView& v_;
};

std::string Fmt(const char* format, double v) { return platform::CFormat(format, v); }
std::string Int(int v) { return platform::CFormat("%d", v); }

// A correction factor as the dialog shows it: 0 or less reads 1.0.
double ShownFactor(float f) { return f > 0 ? f : 1.0; }

}  // namespace

ControlState SetupView::At(int id) const
{
    const auto it = controls.find(id);
    return it == controls.end() ? ControlState{} : it->second;
}

bool ChromZeroEditable(int type, int profile)
{
    return type == 12 || type == 7 || (type == 9 && profile == 2) || wellfile::ChromZeroProfile(profile);
}

int ChromZeroFromC1(int c1) { return int(c1 - 0.2 * c1); }

platform::LOGFONTA DataListFont(int screenWidth, int textHeight, int textWidth)
{
    if (screenWidth <= 1024)
        return platform::MakeLogFont("Courier New", -(4 + textHeight), -int(1.4 * (textWidth - 3)),
                                     platform::FIXED_PITCH, platform::FW_NORMAL);
    return platform::MakeLogFont("Courier New", -(2 + textHeight), 0, 0, platform::FW_NORMAL);
}

SetupView ComputeSetupView(const SetupInputs& in, GASMONCFG& cfg, SetupPass pass)
{
    SetupView view;
    ViewBuilder v(view);
    const bool open = pass == SetupPass::Open;
    const int T = in.instrumentType, P = in.profile;
    const bool engine = in.engineRunning;

    for (int id : kTypeControls) {
        view.controls[id].shown = true;
        view.controls[id].enabled = true;
    }
    // Hidden in the resource.
    v.Show({kC4Zero, kC4ZeroLabel, kReadings, kReadingsLabel, kIp1, kIp2, kIp3, kIp4, kIpLabel, kTcHighField,
            kSpanInfo, kDataList, kDataHeading},
           false);

    // The integrator file and its controls belong to the outside integrator types.
    const bool integratorType = T == 3 || T == 14;
    v.Show({kIntegratorFile, kIntegratorLabel, kBrowse}, integratorType);
    const bool totalChromat = T != 14 && !wellfile::NoTotalChromatProfile(P);
    v.Show({kTotalChromat}, totalChromat);
    if (open && totalChromat)
        v.Check(kTotalChromat, cfg.totalChromatRatios != 0);
    v.Show({kIsoLabel, kIsoInterval, kIsoSampleNow}, P == 2);
    v.Show({kOpenClear, kSpanInfo, kStoreCalibration, kTriggerOnHigh, kAutoTc, kAutoBypass, kCustomOnCh3, kFitChromat,
            kBps, kBpsLabel, kChTimeOut, kChTimeOutLabel, kMaxChar, kMaxCharLabel},
           false);
    v.Enable({kOpenClear}, false);
    if (!in.witsSettingsFile)
        v.Show({kWto, kWtoLabel, kWitsInterval, kWitsIntervalLabel}, false);

    v.Show({kPpm}, T == 10 || T == 6);
    if (T == 10 || T == 6) {
        if (open)
            v.Check(kPpm, cfg.ppm != 0);
        v.Enable({kPpm}, !in.witsRunning);
    }

    // The thermal-conductivity options of the analogue channels.
    const bool tcTypes = (T < 5 && T != 1 && P != 88 && P != 23) || T == 12 || T == 8 || T == 15;
    v.Show({kAutoTc, kCustomOnCh3}, tcTypes);
    v.Text(kCh3Label, tcTypes ? QStringLiteral(" TC on Ch4") : QStringLiteral("Channel 3"));
    v.Text(kCh4Label, QStringLiteral("Channel 4"));
    if (open && tcTypes)
        v.Format(kIsoInterval, Int(cfg.autoIsoInterval));

    // The analogue module's depth and off-bottom inputs.
    if (TypeIn(T, {5, 1, 10, 6, 11, 9, 7}))
        v.Show({kIsoInterval, kIsoLabel, kThreshold, kThresholdLabel, kAutoBypass, kDepthCh3, kDepthCh4, kOffBotCh3,
                kOffBotCh4, kDepthOnModule, kOffBottomOnModule, kTriggerOnHigh, kDepthFrame, kOffBottomFrame},
               false);
    v.Show({kOffBotCh3, kOffBotCh4, kOffBottomOnModule, kOffBottomFrame}, false);
    // The TCP Series 2000 instrument steps the depth itself, by its status register: said where the
    // module's depth inputs stand for the other types.
    v.Show({kStatusDepthNote}, T == 7);
    if (T == 7)
        v.Show({kDepthFrame}, true);

    v.Enable({kChromZero}, ChromZeroEditable(T, P));

    // The engine's buttons and the cycle of the program's own interface box.
    const bool ownCycle = T == 8 || T == 15 || (T == 12 && cfg.ownControl != 0);
    v.Show({kCycleTime, kCycleTimeLabel}, ownCycle);
    v.Show({kSampleNow}, engine && ownCycle);
    v.Show({kCloseBlock}, engine && ownCycle && wellfile::CloseBlockProfile(P));
    v.Show({kOwnControl}, T == 8 || T == 12 || T == 15);
    v.Show({kSaveToFile, kViewGas, kViewChart}, engine);
    v.Show({kSetElution}, engine && T != 9);
    v.Show({kSetSpan}, engine && (T == 0 || T == 4));
    v.Enable({kSetSpan}, T == 0 || T == 4);
    if (P == 37) {
        v.Text(kSetSpan, QStringLiteral("Set HW Span"));
        v.Show({kSetSpan}, engine);
        v.Enable({kSetSpan}, true);
    }

    // The outside integrators are options of types 3 and 14 only.
    if (!integratorType) {
        v.Show({kSri, kBaselineIntegrator, kBaselineFid, kTotalChromat}, false);
        v.Check(kSri, false);
        v.Check(kBaselineIntegrator, false);
        v.Check(kBaselineFid, false);
        cfg.sriIntegrator = 0;
        cfg.baselineIntegrator = 0;
        cfg.baselineFid = 0;
    }
    v.Show({kAdvanced}, cfg.baselineFid != 0);
    if (cfg.sriIntegrator != 0 && P != 35) {
        v.Text(kCh3Label, QStringLiteral("10% Factor"));
        v.Text(kCh4Label, QStringLiteral("50% Factor"));
    }

    // The instrument's network address.
    const bool addressed = T == 7 || T == 5 || T == 9;
    v.Show({kIpLabel, kIp1, kIp2, kIp3, kIp4}, addressed);
    if (addressed) {
        if (cfg.ipAddress[0] == 0)
            for (int i = 0; i < 4; ++i)
                cfg.ipAddress[i] = kDefaultInstrumentAddress[i];
        for (int i = 0; i < 4; ++i)
            v.Format(kIpIds[i], Int(cfg.ipAddress[i]));
    }

    for (int t = 0; t < kInstrumentTypeCount; ++t)
        if (t < 15 || P == 23)
            view.typeList.push_back(InstrumentTypeText(t));
    view.selectedType = T;
    v.Enable({kInstrumentList, kGasComPort}, !engine);

    // The WITS mode: the older Bloodhound is always the "IBALL" kind.
    if (T == 11) {
        v.Check(kOther, true);
        v.Check(kPason, false);
        v.Text(kOther, QStringLiteral("IBALL"));
        v.Enable({kPason, kOther}, false);
    } else {
        v.Text(kOther, QStringLiteral("Other"));
        if (open) {
            v.Check(kPason, in.configWitsMode == 1);
            v.Check(kOther, in.configWitsMode != 1);
        }
    }
    if (in.witsRunning) {
        v.Enable({kWitsComPort, kWto, kMaxChar, kWitsInterval, kBps, kChTimeOut, kPason, kOther}, false);
        if (TypeIn(T, {10, 11, 6, 13}))
            v.Enable({kInstrumentList, kGasComPort}, false);
    }

    v.Show({kSaveToFile}, false);
    for (int id : kRatioIds)
        v.Enable({id}, false);

    const bool range = engine && !TypeIn(T, {7, 5, 9, 1});
    v.Show({kMvRange, kMvRangeLabel}, range);
    if (range)
        v.Format(kMvRange, Fmt("%.1f", in.engineRange));

    // The gas comes over the WITS link: nothing of the instrument's own is set here.
    if (TypeIn(T, {10, 11, 6})) {
        v.Show({kClearRatios}, false);
        v.Enable({kHwSpan, kChSpan, kCh3Span, kCh4Span, kHwAttenuator, kChAttenuator, kCh3Attenuator,
                  kCh4Attenuator, kHwZero, kCh3Zero, kCh4Zero, kHwDelay, kChromZero, kPressure},
                 false);
        for (int i = 0; i < 6; ++i)
            v.Enable({kElutionIds[i], kDriftIds[i]}, false);
    }

    const bool outsideResults = cfg.sriIntegrator != 0 || cfg.baselineIntegrator != 0;
    if (outsideResults) {
        cfg.readingsPerCycle = 6;
        v.Text(kReadings, QStringLiteral("6"));
        v.Enable({kReadings}, false);
        v.Show({kSetSpan, kSetElution}, false);
    }

    // Methane mode of the one-column analyser.
    v.Show({kPlotMethane, kPlotSummary, kMethaneFrame}, T == 4);
    const bool methane = T == 4 && cfg.plotMethane != 0;
    if (T == 4) {
        v.Check(kPlotMethane, methane);
        v.Check(kPlotSummary, !methane);
    }
    v.Text(kC1RowLabel, methane ? QStringLiteral("SUM") : QStringLiteral("C1"));
    v.Text(kC5RowLabel, methane ? QStringLiteral("METH") : QStringLiteral("C5"));

    if (ownCycle)
        v.Format(kCycleTime, Int(cfg.cycleTime));
    v.Show({kDisplayOn}, false);

    if (pass == SetupPass::TypeChange) {
        if (T == 7) {
            cfg.hotWireSpan = cfg.chromatSpan = 0.1f;
            v.Format(kHwSpan, Fmt("%.2f", cfg.hotWireSpan));
            v.Format(kChSpan, Fmt("%.2f", cfg.chromatSpan));
        }
        if (methane)
            v.Text(kReadings, QStringLiteral("5"));
        if (T == 2) {
            v.Text(kReadings, QStringLiteral("6"));
            v.Enable({kReadings}, false);
        }
        return view;
    }

    // ---- The fields, when the dialog is set up ----
    if (cfg.chromatZero < 0)
        cfg.chromatZero = 0;
    if (cfg.c4ZeroTime < 0)
        cfg.c4ZeroTime = 0;
    cfg.surfaceLagTime = std::clamp(cfg.surfaceLagTime, 0, 600);
    for (int i = 0; i < 6; ++i) {
        v.Format(kElutionIds[i], Int(cfg.elutionTime[i]));
        v.Format(kDriftIds[i], Fmt("%2.2f", cfg.drift[i]));
        v.Format(kRatioIds[i], Fmt("%2.2f", cfg.ratios[i]));
    }
    v.Format(kChromZero, Int(cfg.chromatZero));
    v.Format(kC4Zero, Int(cfg.c4ZeroTime));
    v.Format(kHwSpan, Fmt("%.2f", cfg.hotWireSpan));
    v.Format(kHwAttenuator, Fmt("%.1f", cfg.hotWireAttenuator));
    v.Format(kHwZero, Fmt("%2.1f", cfg.hotWireZero));
    v.Format(kConnTimeOut, Fmt("%2.1f", cfg.connectionTimeout));
    v.Format(kChSpan, Fmt("%.2f", cfg.chromatSpan));
    v.Format(kChAttenuator, Fmt("%.1f", cfg.chromatAttenuator));
    const char* channelSpan = T == 3 && cfg.sriIntegrator != 0 ? "%.3f" : "%.f";
    v.Format(kCh3Span, Fmt(channelSpan, cfg.channel3Span));
    v.Format(kCh3Attenuator, Fmt("%.2f", cfg.channel3Attenuator));
    v.Format(kCh3Zero, Fmt("%2.2f", cfg.channel3Zero));
    v.Format(kCh4Span, Fmt(channelSpan, cfg.channel4Span));
    v.Format(kCh4Attenuator, Fmt("%.1f", cfg.channel4Attenuator));
    v.Format(kCh4Zero, Fmt("%2.1f", cfg.channel4Zero));
    if (!outsideResults)
        v.Format(kReadings, Int(cfg.readingsPerCycle));
    v.Format(kHwDelay, Int(cfg.hotWireDelay));
    v.Format(kGasComPort, Int(cfg.gasComPort));
    v.Format(kPressure, Fmt("%.1f", cfg.calibrationPsi));
    const std::string date = platform::FieldText(cfg.calibrationDate);
    v.Text(kDate, date.size() >= 7 && date.size() <= 14 ? platform::FromCp1252(QByteArray::fromStdString(date)) : QString());
    v.Format(kSurfaceLag, Int(cfg.surfaceLagTime));
    v.Text(kIntegratorFile, platform::FieldString(cfg.integratorFile));
    if (cfg.baselineFid != 0)
        for (int i = 0; i < 19; ++i)
            v.Format(kCorrectionIds[i], Fmt("%.2f", ShownFactor(cfg.correctionFactors[i])));

    v.Check(kDisplayOn, true);
    v.Check(kStoreCalibration, cfg.storeCalibration != 0);
    if (T < 5 || T == 8 || T == 12 || T == 15) {
        v.Check(kAutoTc, cfg.autoTc != 0);
        v.Check(kCustomOnCh3, cfg.customOnChannel3 != 0);
    }
    v.Check(kOwnControl, cfg.ownControl != 0);

    // The channel and threshold of the depth pulses stand greyed until "Depth On Acromag" is ticked: a
    // ticked channel never reads as a depth source that is off.
    const bool depthFields = !in.witsRunning && !in.witsDepthTracking && (T < 5 || T == 8 || T == 12);
    v.Enable({kDepthCh3, kDepthCh4, kThreshold}, depthFields && cfg.depthOnModule != 0);
    if (depthFields) {
        v.Check(kDepthOnModule, cfg.depthOnModule != 0);
        v.Format(kThreshold, Fmt("%2.1f", cfg.voltageThreshold));
        v.Check(kTriggerOnHigh, true);
        v.Enable({kTriggerOnHigh}, false);
        v.Check(kDepthCh4, cfg.depthChannel == 4);
        v.Check(kDepthCh3, cfg.depthChannel != 4);
        v.Check(kOffBottomOnModule, cfg.offBottomOnModule != 0);
        if (cfg.offBottomOnModule != 0) {
            v.Check(kOffBotCh3, cfg.offBottomChannel == 3);
            v.Check(kOffBotCh4, cfg.offBottomChannel != 3);
        }
    }

    v.Format(kWto, Int(cfg.witsTimeout < 1000 ? 2000 : cfg.witsTimeout));
    v.Format(kWitsInterval, Int(cfg.witsInterval < 1 || cfg.witsInterval > 10 ? 4 : cfg.witsInterval));
    v.Format(kBps, Int(cfg.serialSpeed < 9600 ? 9600 : cfg.serialSpeed));

    if (integratorType) {
        v.Check(kSri, cfg.sriIntegrator != 0);
        v.Check(kBaselineIntegrator, cfg.sriIntegrator == 0 && cfg.baselineIntegrator != 0);
        v.Check(kBaselineFid, cfg.baselineFid != 0);
    }
    v.Check(kRatioCalculated, cfg.ratioMode == 1);
    v.Check(kRatioNone, cfg.ratioMode != 1);
    v.Format(kWitsComPort, Int(cfg.witsComPort >= 1 ? cfg.witsComPort : in.configWitsComPort));
    return view;
}


}  // namespace gasmon
