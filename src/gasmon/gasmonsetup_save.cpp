// What Save reads back from the gas monitor set-up into the settings record.
#include "gasmon/enginehelpers.h"
#include "gasmon/gasmonsetup.h"

#include "platform/numbers.h"
#include "platform/text.h"
#include "wellfile/profile.h"

#include <algorithm>

namespace gasmon {

namespace {

const char* const kGasPortRefusal = "Gas com port out of range, must be less than 10";
const char* const kWitsPortRefusal = "Wits com port out of range, must be less than 10";

float PositiveOrOne(float v) { return v > 0 ? v : 1.0f; }

// Record text fields take what fits, Windows-1252 and NUL-terminated.
template <std::size_t N>
void StoreText(char (&field)[N], const QString& text)
{
    platform::SetFieldText(field, platform::ToCp1252(text).toStdString());
}

}  // namespace

SetupSave ReadSetupForm(const SetupForm& f, const SetupInputs& in, GASMONCFG& cfg)
{
    SetupSave out;
    const int T = in.instrumentType, P = in.profile;
    const auto Int = [&f](int id) { return platform::LeadingInt(f.Text(id)); };
    const auto Float = [&f](int id) { return platform::LeadingFloat(f.Text(id)); };

    cfg.hotWireSpan = Float(kHwSpan);
    cfg.gasComPort = Int(kGasComPort);
    if (cfg.gasComPort < 1 || cfg.gasComPort >= 10) {
        out.refusal = QString::fromLatin1(kGasPortRefusal);
        return out;
    }
    if (cfg.witsComPort < 0 || cfg.witsComPort >= 10) {
        out.refusal = QString::fromLatin1(kWitsPortRefusal);
        return out;
    }

    cfg.chromatSpan = Float(kChSpan);
    for (int i = 0; i < 6; ++i)
        cfg.elutionTime[i] = Int(kElutionIds[i]);
    // The zero base line is read shortly before C1: typed only where the type lets it be.
    const int c1 = cfg.elutionTime[0];
    if (ChromZeroEditable(T, P) && P != 114) {
        const int typed = Int(kChromZero);
        cfg.chromatZero = typed > c1 ? ChromZeroFromC1(c1) : typed < 0 ? 3 : typed;
    } else {
        cfg.chromatZero = ChromZeroFromC1(c1);
    }
    for (int i = 0; i < 6; ++i)
        cfg.drift[i] = Float(kDriftIds[i]);
    cfg.savedClear148 = 0;
    int c4Zero = std::max(0, Int(kC4Zero));
    const int ic4 = cfg.elutionTime[3];
    if (P == 2)
        c4Zero = std::min(c4Zero, ic4 - 15);
    else if (c4Zero > 0)
        c4Zero = std::min(c4Zero, ic4 - 10);
    cfg.c4ZeroTime = c4Zero;

    cfg.hotWireAttenuator = PositiveOrOne(Float(kHwAttenuator));
    cfg.chromatAttenuator = PositiveOrOne(Float(kChAttenuator));
    if ((T == 10 || T == 11) && in.witsRunning)
        out.witsHotWireAttenuator = cfg.hotWireAttenuator;
    cfg.hotWireDelay = Int(kHwDelay);
    if (T == 14 && in.witsRunning)
        out.witsHotWireDelay = cfg.hotWireDelay;
    cfg.calibrationPsi = platform::LeadingFloat(f.Text(kPressure).left(8));
    StoreText(cfg.calibrationDate, f.Text(kDate).left(18));
    cfg.channel3Span = PositiveOrOne(Float(kCh3Span));
    cfg.channel4Span = PositiveOrOne(Float(kCh4Span));
    cfg.channel3Attenuator = PositiveOrOne(Float(kCh3Attenuator));
    if (in.engineRunning)
        cfg.channel4Attenuator = PositiveOrOne(Float(kCh4Attenuator));

    int readings = T == 4 && f.Checked(kPlotMethane) ? 5 : Int(kReadings);
    if (readings > 6 || P == 108)
        readings = 6;
    cfg.readingsPerCycle = readings;
    cfg.ratioSlot0 = 1.0f;
    for (int i = 0; i < 6; ++i)
        cfg.ratios[i] = Float(kRatioIds[i]);
    cfg.connectionTimeout = Float(kConnTimeOut);
    cfg.hotWireZero = Float(kHwZero);
    cfg.channel3Zero = Float(kCh3Zero);
    cfg.channel4Zero = Float(kCh4Zero);
    int lag = Int(kSurfaceLag);
    lag = lag < 10 ? 0 : std::min(lag, 600);
    cfg.surfaceLagTime = lag;
    if ((T == 10 || T == 6) && in.witsRunning)
        out.witsSurfaceLag = float(lag);
    if (T == 7 || T == 5 || T == 9)
        for (int i = 0; i < 4; ++i)
            cfg.ipAddress[i] = std::uint16_t(std::clamp(Int(kIpIds[i]), 0, 255));

    cfg.setupMark = 1;
    cfg.storeCalibration = f.Checked(kStoreCalibration);
    cfg.autoTc = f.Checked(kAutoTc);
    cfg.customOnChannel3 = f.Checked(kCustomOnCh3);
    if (T != 14 && !wellfile::NoTotalChromatProfile(P))
        cfg.totalChromatRatios = f.Checked(kTotalChromat);
    cfg.ownControl = f.Checked(kOwnControl);
    cfg.ppm = f.Checked(kPpm);
    cfg.savedClear383 = 0;

    if (T < 5 || T == 8 || T == 12) {
        // An odd interval that is no multiple of 5 is made even.
        int iso = Int(kIsoInterval);
        if (iso % 2 != 0 && iso % 5 != 0)
            iso -= iso % 2;
        cfg.autoIsoInterval = iso;
        cfg.depthOnModule = f.Checked(kDepthOnModule);
    } else {
        cfg.depthOnModule = 0;
        cfg.offBottomOnModule = 0;
        cfg.engineOption = 0;
    }
    if (cfg.depthOnModule != 0) {
        cfg.voltageThreshold = Float(kThreshold);
        cfg.depthOnModuleSaved = 1;
        cfg.depthChannel = f.Checked(kDepthCh4) ? 4 : 3;
        cfg.offBottomOnModule = f.Checked(kOffBottomOnModule);
        if (cfg.offBottomOnModule != 0)
            cfg.offBottomChannel = f.Checked(kOffBotCh4) ? 4 : 3;
    }
    if (in.witsSettingsFile) {
        cfg.witsTimeout = Int(kWto);
        cfg.witsInterval = Int(kWitsInterval);
    }
    if (wellfile::TypeTwoModeProfile(P) && T == 2)
        cfg.readingsPerCycle = 5;

    StoreText(cfg.integratorFile, f.Text(kIntegratorFile));
    if (T == 3 && in.engineRunning) {
        out.engineIntegratorFile = platform::FieldString(cfg.integratorFile);
        if (in.witsRunning)
            out.witsIntegratorFile = out.engineIntegratorFile;
    }
    if (T == 3 || T == 14) {
        cfg.sriIntegrator = f.Checked(kSri) ? 1 : 0;
        if (cfg.sriIntegrator == 0)
            cfg.baselineIntegrator = f.Checked(kBaselineIntegrator);
        cfg.baselineFid = f.Checked(kBaselineFid);
        if (cfg.baselineFid != 0 || cfg.sriIntegrator != 0)
            cfg.readingsPerCycle = 5;
    } else {
        cfg.sriIntegrator = 0;
        cfg.baselineIntegrator = 0;
        cfg.baselineFid = 0;
    }
    if (cfg.baselineFid != 0) {
        for (int i = 0; i < 19; ++i)
            cfg.correctionFactors[i] = Float(kCorrectionIds[i]);
        if (in.engineRunning)
            for (int i = 0; i < 20; ++i)
                cfg.correctionFactors[i] = PositiveOrOne(cfg.correctionFactors[i]);
    }
    cfg.ratioMode = f.Checked(kRatioCalculated) ? 1 : 0;

    cfg.witsComPort = Int(kWitsComPort);
    if (cfg.witsComPort < 0 || cfg.witsComPort >= 10) {
        out.refusal = QString::fromLatin1(kWitsPortRefusal);
        return out;
    }
    out.witsMode = f.Checked(kPason) ? 1 : 0;
    if (f.Shown(kCycleTime))
        cfg.cycleTime = Int(kCycleTime);
    return out;
}

}  // namespace gasmon
