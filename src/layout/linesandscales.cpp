#include "layout/linesandscales.h"

#include "wellfile/profile.h"

#include <algorithm>
#include <cmath>

namespace layout {

namespace {

using wellfile::WellConfig;
namespace id = setupid;

std::uint8_t Byte(bool on) { return on ? 1 : 0; }

bool InstrumentWithOwnGasFeed(int type) { return type == 6 || type == 10 || type == 11; }

// The numbers of the form, read before anything is stored so that a bad one stores nothing.
struct FormNumbers {
    float highlight = 0;
    float rtResLag = 0;
    std::int32_t timeZone = 0;
    std::int32_t delay = 0;
    float autoDrillRate = 0;
};

bool ParseFloat(const QString& text, float& out)
{
    bool ok = false;
    const float v = text.trimmed().toFloat(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    out = v;
    return true;
}

bool ParseInt(const QString& text, std::int32_t& out)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok)
        return false;
    out = v;
    return true;
}

}  // namespace

QStringList RateScaleList(bool perHour)
{
    if (perHour)
        return {"25 to 125", "25 to 300", "50 to 450", "50 to 600", "10 to 50", "5 to 25", "100 to 800"};
    return {"1 to 5", "1 to 7.5", "1 to 15", "1 to 25", "1 to 50", "1 to 10", ".5 to 2.5", ".25 to 1.25"};
}

QStringList GasScaleList(int profile, bool alternateFormat, bool linearGasScale)
{
    if (PercentGasGroup(profile, alternateFormat)) {
        QStringList list{"50 to 400", "100 to 400", "100 to 800", "250 to 1000", "500 to 2000", "25 to 200"};
        if (profile == 17)
            list << "1000 to 4000";
        return list;
    }
    if (wellfile::NumericShowProfile(profile))
        return {"50 to 400",  "100 to 800",  "200 to 1600",  "500 to 4000",
                "100 to 2000", "250 to 5000", "500 to 10000", "50 to 10000"};
    if (linearGasScale)
        return {"25 to 175",  "50 to 350",    "100 to 700",    "250 to 1750",
                "500 to 3500", "1000 to 7000", "1500 to 10500", "2000 to 14000"};
    QStringList list{"25 to 175",  "25 to 250",  "25 to 500",   "50 to 1000",
                     "100 to 2000", "250 to 5000", "500 to 10000", "50 to 10000"};
    if (profile == 16)
        list << "10 to 1000" << "100 to 10000";
    return list;
}

QStringList GasPercentScaleList() { return {" 2.5 to 10.0", " 5.0  to 20", " 10.0 to 40.0", " 0.5 to 2.0"}; }

QStringList TemperatureScaleList() { return {"Default", "100 to 140", "120 to 160", "120 to 200", "140 to 220"}; }

QStringList Co2ScaleList() { return {"0 to 3.5 %", "0 to 7 %", "0 to 17.5 %", "0 to 35 %", "0 to 70 %"}; }

ScaleCodes ScaleCodesOf(const wellfile::RECORD* last)
{
    ScaleCodes codes;
    if (last) {
        codes.gas = last->gasScale;
        codes.rateMinutes = last->minutesScale;
        codes.ratePerHour = last->rateScale;
        codes.gasPercent = last->chromatographScale;
    }
    return codes;
}

std::optional<GasModeBoxes> ApplyAltFormatRules(int profile, bool alternateChecked, WellConfig& cfg)
{
    if (!wellfile::InclinationFirstProfile(profile))
        return std::nullopt;
    GasModeBoxes boxes;
    if (alternateChecked && profile != 78) {
        boxes.percent = boxes.percentEnabled = true;
        boxes.unitsEnabled = true;
        boxes.logGas = boxes.logGasEnabled = true;
        boxes.ppmScale = true;
        cfg.logGasScale = 1;
        cfg.gasPercentMode = 1;
    } else {
        boxes.percent = true;
        cfg.logGasScale = 0;
        cfg.gasPercentMode = 0;
    }
    return boxes;
}

std::int32_t TimeZoneOrRegion(std::int32_t hours, const std::function<int()>& regionCode)
{
    if (hours >= -10 && hours <= 10)
        return hours;
    return regionCode ? regionCode() : -1;
}

QString StoreSetup(const SetupForm& form, const SetupEnvironment& env, WellConfig& cfg, OutsideSettings& outside,
                   layout::DrillerSettings* driller)
{
    const int p = env.loggerId;
    const bool drilling = env.drilling && driller;
    const bool withWits = drilling && env.witsLink;

    // The numbers first: a field that holds none stops the store before anything changed.
    FormNumbers n;
    if (!ParseFloat(form.highlight, n.highlight))
        return QStringLiteral("High light rates below (x min/M)");
    if (!ParseFloat(form.rtResLag, n.rtResLag))
        return QStringLiteral("RT Res Lag ( M from Bit)");
    if (!ParseInt(form.timeZone, n.timeZone))
        return QStringLiteral("Time Zone Adjust");
    bool autoDrillRead = false;
    if (drilling) {
        if (!ParseInt(form.delay, n.delay))
            return QStringLiteral("Delay (anti-bounce)");
        // With the depth from WITS the rate is not read: auto drill goes off.
        const bool useWitsDepth = env.witsLink && form.Checked(id::UseWitsDepth);
        autoDrillRead = form.Checked(id::AutoDrill) && !useWitsDepth;
        if (autoDrillRead && !ParseFloat(form.autoDrillRate, n.autoDrillRate))
            return QStringLiteral("Auto Drill ROP (min/M)");
    }

    // Scale kind: the first checked of the four radios.
    if (form.Checked(id::OneMeter)) {
        cfg.logScaleKind = 1;
    } else if (form.Checked(id::TwoFoot)) {
        cfg.logScaleKind = 2;
    } else if (form.Checked(id::TenFoot)) {
        cfg.logScaleKind = 3;
        cfg.tenFootRatesFromFive = 0;
    } else if (form.Checked(id::TenFootFiveFtRates)) {
        cfg.logScaleKind = 3;
        cfg.tenFootRatesFromFive = 1;
    }
    cfg.rateLineStyle = form.Checked(id::RatePointToPoint);
    cfg.gasLineStyle = form.Checked(id::GasPointToPoint);
    cfg.rateUnitPerHour = form.Checked(id::MetresPerHour);
    outside.rateInMetresPerHour = cfg.rateUnitPerHour;

    cfg.gasPercentMode = PercentGasGroup(p, cfg.alternateFormat != 0) ? 0 : form.Checked(id::Percent);
    if (cfg.gasPercentMode == 1) {
        cfg.logGasScale = 1;
        cfg.drawPpmScale = Byte(form.Checked(id::PpmScale));
    } else {
        cfg.logGasScale = form.Checked(id::LogGas);
    }
    cfg.highlightRatesBelow = n.highlight;

    cfg.topsLine = form.Checked(id::TopsLine);
    cfg.alternateFormat = form.Checked(id::AlternateFormat);
    cfg.showSurveyData = 0;

    if (env.scratchWell) {
        outside.customTracksEnabled = false;
        cfg.customTracksEnabled = 0;
    } else if (env.customTracksAvailable && p != 16) {
        outside.customTracksEnabled = form.Checked(id::CustomTracks);
        cfg.customTracksEnabled = outside.customTracksEnabled;
    }
    if (cfg.customTracksEnabled != 0)
        cfg.airFormat = 0;

    cfg.sendColourFile = Byte(form.Checked(id::SendColours));
    cfg.hideShortReports = Byte(form.Checked(id::HideShortReports));
    cfg.reverseCo2 = Byte(form.Checked(id::ReverseCo2));
    if (SandShaleProfile(p))
        cfg.sandShaleOnly = Byte(form.Checked(id::SandShaleOnly));

    if (drilling) {
        driller->delay = std::max(n.delay, 2);
        cfg.minSecondsPerUnit = driller->delay;
        driller->markLagDepth = form.Checked(id::MarkLagDepth);
        cfg.markLagDepth = driller->markLagDepth;
        if (!env.witsLink) {
            cfg.useWitsDepth = 0;
            cfg.witsDepthCompanion = 0;
        } else {
            cfg.useWitsDepth = form.Checked(id::UseWitsDepth);
            cfg.witsDepthCompanion = Byte(form.Checked(id::UseWitsGas));
            cfg.sendGasViaWits = Byte(!(p == 134 || InstrumentWithOwnGasFeed(env.gasInstrumentType)));
            cfg.witsMirror = 0;
        }
        if (withWits) {
            cfg.unmannedUnit = Byte(form.Checked(id::Unmanned));
            if (cfg.unmannedUnit)
                cfg.useWitsDepth = 1;
        } else {
            cfg.unmannedUnit = 0;
        }
        driller->autoDrill = false;
        driller->autoDrillRate = 0;
        if (autoDrillRead) {
            driller->autoDrillRate = n.autoDrillRate;
            driller->autoDrill = n.autoDrillRate > 0;
        }
        cfg.witsDepthOption = Byte(form.Checked(id::WitsDepthOption));
        cfg.disableAutoSlide = Byte(form.Checked(id::NoAutoSlide));
        driller->autoSlideOff = cfg.disableAutoSlide != 0;
    }

    cfg.linesAndScalesSet = 1;
    if (withWits || env.customWitsLink)
        outside.storeAllWits = form.Checked(id::StoreAllWits);
    cfg.shaleOnLeft = Byte(p != 2 && form.Checked(id::ShaleOnLeft));

    cfg.linearGasScale = form.Checked(id::LinearGas);
    cfg.sendTopsFile = Byte(form.Checked(id::SendTops));
    cfg.autoCreateLas = Byte(form.Checked(id::AutoCreateLas));
    cfg.basicLas = Byte(form.Checked(id::BasicLas));
    cfg.altSurveyPosition = Byte(form.Checked(id::AltSurveyPosition));
    cfg.sendConfigFile = Byte(form.Checked(id::SendConfig));
    cfg.sendHorzConfigFile = form.Checked(id::SendHorzConfig);
    cfg.reverseRop = Byte(form.Checked(id::ReverseRop));
    cfg.logRateScale = form.Checked(id::LogRate);
    if (p == 37)
        cfg.airFormat = form.Checked(id::AirFormat);

    cfg.combineIc4Nc4 = Byte(form.Checked(id::CombineIc4Nc4));
    cfg.drawPpmScale = Byte(form.Checked(id::PpmScale));
    outside.sendAllPictures = form.Checked(id::SendAllPictures);
    if (drilling && !InstrumentWithOwnGasFeed(env.gasInstrumentType))
        outside.sendChartFile = form.Checked(id::SendChart);

    cfg.rtResLag = n.rtResLag;

    outside.timeZoneAdjust = TimeZoneOrRegion(n.timeZone, env.regionCode);
    outside.fieldSettings = true;

    ApplyAltFormatRules(p, form.Checked(id::AlternateFormat), cfg);
    return {};
}

}  // namespace layout
