// The Lines and Scales rules without the dialog: the scale lists each profile offers, the gas-mode rule of
// the alternate format, where "Save and Close" stores each box and number, and the scale writer over
// depth intervals of a real data file.
#include "layout/linesandscales.h"
#include "layout/scaleinterval.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <vector>

using namespace layout;
namespace id = layout::setupid;
using testing_support::doubles;
using testing_support::ReadExistingBytes;
using testing_support::TestDir;
using wellfile::WellConfig;

namespace {

// The byte offsets at which two records differ.
std::set<int> DifferingBytes(const WellConfig& a, const WellConfig& b)
{
    std::set<int> out;
    const auto* pa = reinterpret_cast<const unsigned char*>(&a);
    const auto* pb = reinterpret_cast<const unsigned char*>(&b);
    for (int k = 0; k < int(sizeof(WellConfig)); ++k)
        if (pa[k] != pb[k])
            out.insert(k);
    return out;
}

SetupForm NumbersOnly()
{
    SetupForm form;
    form.highlight = "2.5";
    form.rtResLag = "30.0";
    form.timeZone = "-1";
    form.delay = "4";
    form.autoDrillRate = "3.50";
    return form;
}

// Drilling with the WITS link on, an ordinary profile.
SetupEnvironment DrillingWithWits(int profile = 12)
{
    SetupEnvironment env;
    env.loggerId = profile;
    env.drilling = true;
    env.witsLink = true;
    env.customTracksAvailable = true;
    env.regionCode = [] { return 0; };
    return env;
}

}  // namespace

TEST(ScaleLists, RateListsFollowTheUnitAndGasListsTheProfile)
{
    EXPECT_EQ(RateScaleList(true).size(), 7);
    EXPECT_EQ(RateScaleList(true).at(2), "50 to 450");
    EXPECT_EQ(RateScaleList(false).size(), 8);
    EXPECT_EQ(RateScaleList(false).at(4), "1 to 50");

    const QStringList p17 = GasScaleList(17, false, false);
    EXPECT_EQ(p17.size(), 7);
    EXPECT_EQ(p17.back(), "1000 to 4000");
    EXPECT_EQ(GasScaleList(4, false, false).size(), 6);  // percent gas without the profile-17 entry
    // With the alternate format profile 17 leaves the percent-gas group.
    EXPECT_EQ(GasScaleList(17, true, false).front(), "25 to 175");
    EXPECT_EQ(GasScaleList(16, false, false).size(), 10);
    EXPECT_EQ(GasScaleList(16, false, false).back(), "100 to 10000");
    for (int p : {8, 31}) {
        EXPECT_EQ(GasScaleList(p, false, false), GasScaleList(p, false, true)) << p;
        EXPECT_EQ(GasScaleList(p, false, false).size(), 8);
        EXPECT_EQ(GasScaleList(p, false, false).at(2), "200 to 1600");
    }
    EXPECT_EQ(GasScaleList(12, false, true).back(), "2000 to 14000");
    EXPECT_EQ(GasScaleList(12, false, false).back(), "50 to 10000");

    EXPECT_TRUE(PercentGasGroup(78, true));
    EXPECT_TRUE(PercentGasGroup(88, false));
    EXPECT_FALSE(PercentGasGroup(88, true));
    EXPECT_FALSE(PercentGasGroup(12, false));

    // Codes of the last record, or 1 everywhere without one.
    const ScaleCodes none = ScaleCodesOf(nullptr);
    EXPECT_EQ(none.gas + none.rateMinutes + none.ratePerHour + none.gasPercent, 4);
    wellfile::RECORD last;
    last.rateScale = 3;
    last.minutesScale = 5;
    last.gasScale = 2;
    last.chromatographScale = 4;
    const ScaleCodes codes = ScaleCodesOf(&last);
    EXPECT_EQ(codes.ratePerHour, 3);
    EXPECT_EQ(codes.rateMinutes, 5);
    EXPECT_EQ(codes.gas, 2);
    EXPECT_EQ(codes.gasPercent, 4);
}

TEST(SetupRules, AlternateFormatTurnsPercentGasOnLogScalesOnOrOffForItsProfiles)
{
    for (int p : {17, 88}) {
        WellConfig cfg{};
        const auto on = ApplyAltFormatRules(p, true, cfg);
        ASSERT_TRUE(on);
        EXPECT_TRUE(on->percent && on->percentEnabled && on->logGas && on->logGasEnabled && on->ppmScale);
        EXPECT_EQ(+cfg.logGasScale, 1);
        EXPECT_EQ(+cfg.gasPercentMode, 1);
        const auto off = ApplyAltFormatRules(p, false, cfg);
        ASSERT_TRUE(off);
        EXPECT_TRUE(off->percent);
        EXPECT_FALSE(off->percentEnabled || off->units || off->logGas || off->logGasEnabled || off->ppmScale);
        EXPECT_EQ(+cfg.logGasScale, 0);
        EXPECT_EQ(+cfg.gasPercentMode, 0);
    }
    // Profile 78 always has percent gas on linear scales.
    WellConfig cfg{};
    cfg.logGasScale = cfg.gasPercentMode = 1;
    ASSERT_TRUE(ApplyAltFormatRules(78, true, cfg));
    EXPECT_EQ(+cfg.logGasScale, 0);
    EXPECT_EQ(+cfg.gasPercentMode, 0);
    // Other profiles: no rule, nothing changed.
    cfg.logGasScale = cfg.gasPercentMode = 1;
    EXPECT_FALSE(ApplyAltFormatRules(12, false, cfg));
    EXPECT_EQ(+cfg.logGasScale, 1);
}

TEST(SetupStore, EachBoxLandsAtItsOwnFieldAndNowhereElse)
{
    struct Case {
        int box;
        std::set<int> bytes;
    };
    const std::vector<Case> cases = {
        {id::OneMeter, {0}},          {id::TwoFoot, {0}},           {id::TenFoot, {0}},
        {id::TenFootFiveFtRates, {0, 3346}},
        {id::MetresPerHour, {12}},    {id::RatePointToPoint, {4}},  {id::GasPointToPoint, {8}},
        {id::Percent, {48, 56}},      {id::LogGas, {48}},           {id::TopsLine, {78}},
        {id::AlternateFormat, {3374}}, {id::CustomTracks, {4548}},  {id::SendColours, {4670}},
        {id::HideShortReports, {4564}}, {id::ReverseCo2, {4574}},   {id::MarkLagDepth, {3659}},
        {id::UseWitsDepth, {3943}},   {id::UseWitsGas, {3977}},     {id::Unmanned, {3943, 4566}},
        {id::WitsDepthOption, {4676}}, {id::NoAutoSlide, {4681}},   {id::ShaleOnLeft, {3954}},
        {id::LinearGas, {3978}},      {id::SendTops, {4515}},       {id::AutoCreateLas, {4518}},
        {id::BasicLas, {4766}},       {id::AltSurveyPosition, {4769}}, {id::SendConfig, {4517}},
        {id::SendHorzConfig, {4556}}, {id::ReverseRop, {4516}},     {id::LogRate, {3957}},
        {id::CombineIc4Nc4, {3964}},  {id::PpmScale, {4608}},
        // Not this profile's, or not the record's.
        {id::AirFormat, {}},          {id::SandShaleOnly, {}},      {id::SurveyData, {}},
        {id::StoreAllWits, {}},       {id::SendAllPictures, {}},    {id::SendChart, {}},
    };
    const SetupEnvironment env = DrillingWithWits();
    WellConfig base{};
    OutsideSettings baseOutside;
    layout::DrillerSettings baseDriller;
    ASSERT_TRUE(StoreSetup(NumbersOnly(), env, base, baseOutside, &baseDriller).isEmpty());
    EXPECT_EQ(+base.linesAndScalesSet, 1);
    EXPECT_EQ(+base.sendGasViaWits, 1);
    EXPECT_EQ(+base.minSecondsPerUnit, 4);
    EXPECT_EQ(+base.showSurveyData, 0);

    for (const Case& c : cases) {
        SetupForm form = NumbersOnly();
        form.checked.insert(c.box);
        WellConfig cfg{};
        OutsideSettings outside;
        layout::DrillerSettings driller;
        ASSERT_TRUE(StoreSetup(form, env, cfg, outside, &driller).isEmpty()) << c.box;
        EXPECT_EQ(DifferingBytes(base, cfg), c.bytes) << "box " << c.box;
    }

    // What lives outside the record.
    SetupForm form = NumbersOnly();
    form.checked = {id::StoreAllWits, id::SendAllPictures, id::SendChart, id::MarkLagDepth, id::NoAutoSlide,
                    id::MetresPerHour, id::CustomTracks, id::AutoDrill};
    WellConfig cfg{};
    OutsideSettings outside;
    layout::DrillerSettings driller;
    ASSERT_TRUE(StoreSetup(form, env, cfg, outside, &driller).isEmpty());
    EXPECT_TRUE(outside.storeAllWits && outside.sendAllPictures && outside.sendChartFile);
    EXPECT_TRUE(outside.customTracksEnabled && outside.fieldSettings);
    EXPECT_EQ(outside.rateInMetresPerHour, 1);
    EXPECT_EQ(outside.timeZoneAdjust, -1);
    EXPECT_TRUE(driller.markLagDepth && driller.autoSlideOff && driller.autoDrill);
    EXPECT_FLOAT_EQ(driller.autoDrillRate, 3.5f);
    EXPECT_EQ(driller.delay, 4);
    EXPECT_FLOAT_EQ(+cfg.highlightRatesBelow, 2.5f);
    EXPECT_FLOAT_EQ(+cfg.rtResLag, 30.0f);
}

TEST(SetupStore, ProfileAndLinkRulesDecideWhatIsKept)
{
    // Profile 37 keeps the air format; custom tracks turn it off again.
    SetupEnvironment env = DrillingWithWits(37);
    SetupForm form = NumbersOnly();
    form.checked = {id::AirFormat};
    WellConfig cfg{};
    OutsideSettings outside;
    layout::DrillerSettings driller;
    ASSERT_TRUE(StoreSetup(form, env, cfg, outside, &driller).isEmpty());
    EXPECT_EQ(+cfg.airFormat, 1);
    // Sand and shale for profile 64; shale on the left never for profile 2; percent-gas profiles store
    // no gas mode whatever the box says.
    env = DrillingWithWits(64);
    form.checked = {id::SandShaleOnly, id::Percent, id::LogGas};
    cfg = {};
    ASSERT_TRUE(StoreSetup(form, env, cfg, outside, &driller).isEmpty());
    EXPECT_EQ(+cfg.sandShaleOnly, 1);
    EXPECT_EQ(+cfg.gasPercentMode, 0);
    EXPECT_EQ(+cfg.logGasScale, 1);
    env = DrillingWithWits(2);
    form.checked = {id::ShaleOnLeft};
    cfg = {};
    ASSERT_TRUE(StoreSetup(form, env, cfg, outside, &driller).isEmpty());
    EXPECT_EQ(+cfg.shaleOnLeft, 0);

    // Instruments with their own gas feed send no gas over WITS; without the link the WITS choices go.
    env = DrillingWithWits();
    env.gasInstrumentType = 10;
    form.checked = {id::UseWitsDepth, id::UseWitsGas, id::AutoDrill};
    cfg = {};
    cfg.witsMirror = 1;
    driller.autoDrill = true;
    ASSERT_TRUE(StoreSetup(form, env, cfg, outside, &driller).isEmpty());
    EXPECT_EQ(+cfg.sendGasViaWits, 0);
    EXPECT_EQ(+cfg.witsMirror, 0);
    EXPECT_EQ(+cfg.useWitsDepth, 1);
    EXPECT_FALSE(driller.autoDrill) << "the depth comes from WITS: no auto drill";
    env.witsLink = false;
    cfg = {};
    ASSERT_TRUE(StoreSetup(form, env, cfg, outside, &driller).isEmpty());
    EXPECT_EQ(+cfg.useWitsDepth, 0);
    EXPECT_EQ(+cfg.witsDepthCompanion, 0);
    EXPECT_TRUE(driller.autoDrill);

    // Not drilling: the drilling fields stay as they were.
    env.drilling = false;
    cfg = {};
    cfg.minSecondsPerUnit = 7;
    form.checked = {id::MarkLagDepth, id::Unmanned};
    ASSERT_TRUE(StoreSetup(form, env, cfg, outside, nullptr).isEmpty());
    EXPECT_EQ(+cfg.minSecondsPerUnit, 7);
    EXPECT_EQ(+cfg.markLagDepth, 0);
    EXPECT_EQ(+cfg.unmannedUnit, 0);

    // A scratch well never keeps custom tracks.
    env.scratchWell = true;
    form.checked = {id::CustomTracks};
    cfg = {};
    cfg.customTracksEnabled = 1;
    outside.customTracksEnabled = true;
    ASSERT_TRUE(StoreSetup(form, env, cfg, outside, nullptr).isEmpty());
    EXPECT_EQ(+cfg.customTracksEnabled, 0);
    EXPECT_FALSE(outside.customTracksEnabled);
}

TEST(SetupStore, NumbersAreCheckedBeforeAnythingIsStoredAndKeptInTheirBounds)
{
    const SetupEnvironment env = DrillingWithWits();
    struct Bad {
        QString SetupForm::*field;
        const char* caption;
    };
    const Bad bad[] = {
        {&SetupForm::highlight, "High light rates below (x min/M)"},
        {&SetupForm::rtResLag, "RT Res Lag ( M from Bit)"},
        {&SetupForm::timeZone, "Time Zone Adjust"},
        {&SetupForm::delay, "Delay (anti-bounce)"},
        {&SetupForm::autoDrillRate, "Auto Drill ROP (min/M)"},
    };
    for (const Bad& b : bad)
        for (const char* text : {"", "abc", "nan"}) {
            SetupForm form = NumbersOnly();
            form.checked = {id::AutoDrill, id::TopsLine};
            form.*b.field = text;
            WellConfig cfg{};
            cfg.highlightRatesBelow = 9.5f;
            const WellConfig before = cfg;
            OutsideSettings outside;
            layout::DrillerSettings driller;
            EXPECT_EQ(StoreSetup(form, env, cfg, outside, &driller), b.caption) << text;
            EXPECT_TRUE(DifferingBytes(before, cfg).empty()) << b.caption;
            EXPECT_FALSE(outside.fieldSettings);
        }
    // Fields that are not read need no number: the delay when not drilling, the rate without auto drill.
    SetupForm form = NumbersOnly();
    form.delay = "";
    form.autoDrillRate = "";
    WellConfig cfg{};
    OutsideSettings outside;
    EXPECT_TRUE(StoreSetup(form, SetupEnvironment{}, cfg, outside, nullptr).isEmpty());
    layout::DrillerSettings driller;
    form.delay = "1";
    EXPECT_TRUE(StoreSetup(form, env, cfg, outside, &driller).isEmpty());
    EXPECT_EQ(+cfg.minSecondsPerUnit, 2);
    EXPECT_EQ(driller.delay, 2);

    // A time zone beyond ten hours is replaced by the header's region code.
    for (const char* tz : {"15", "-11"}) {
        form.timeZone = tz;
        EXPECT_TRUE(StoreSetup(form, env, cfg, outside, &driller).isEmpty());
        EXPECT_EQ(outside.timeZoneAdjust, 0) << tz;
    }
    form.timeZone = " 10 ";
    EXPECT_TRUE(StoreSetup(form, env, cfg, outside, &driller).isEmpty());
    EXPECT_EQ(outside.timeZoneAdjust, 10);
}

// ---- scale changes over depth intervals -------------------------------------------------------------

namespace {

// A well of depths 1000..1100, one record per unit, as the open well.
struct IntervalWell {
    wellfile::OpenWell well;
    QByteArray original;

    IntervalWell()
    {
        well.dataFileName = testing_support::MakeWell(TestDir() + "data/", "W.svm", 1000, 1100);
        well.fileTopDepth = 1000;
        well.fileBottomDepth = 1100;
        well.depthStep = 1;
        original = ReadExistingBytes(well.dataFileName);
    }
    QByteArray Now() const { return ReadExistingBytes(well.dataFileName); }
    // Byte offsets of the file that differ from the original.
    std::vector<qsizetype> Changed() const
    {
        const QByteArray now = Now();
        std::vector<qsizetype> out;
        for (qsizetype k = 0; k < std::min(now.size(), original.size()); ++k)
            if (now[k] != original[k])
                out.push_back(k);
        return out;
    }
    std::uint16_t Code(int depth, int byte) const
    {
        std::uint16_t v = 0;
        std::memcpy(&v, Now().constData() + qsizetype(depth - 1000) * wellfile::kRecordSize + byte, sizeof v);
        return v;
    }
};

}  // namespace

TEST(ScaleInterval, OneRecordAnIntervalOrEverythingToTheBottom)
{
    IntervalWell w;
    // From = To: exactly one field of one record.
    EXPECT_EQ(WriteScaleInterval(w.well, ScaleField::RateMinutes, 5, 1050, 1050), 1);
    const std::vector<qsizetype> changed = w.Changed();
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0], 50 * wellfile::kRecordSize + 322);
    EXPECT_EQ(w.Code(1050, 322), 5);
    EXPECT_EQ(w.Now().size(), w.original.size());

    // To below From: From to the last depth.
    EXPECT_EQ(WriteScaleInterval(w.well, ScaleField::Gas, 7, 1050, 1040), 51);
    EXPECT_EQ(w.Code(1049, 100), 1);
    EXPECT_EQ(w.Code(1050, 100), 7);
    EXPECT_EQ(w.Code(1100, 100), 7);

    // The odd-placed field of the custom gas curve, over an interval inside the file.
    EXPECT_EQ(WriteScaleInterval(w.well, ScaleField::MaxGas, 0x0A0B, 1010, 1012), 3);
    EXPECT_EQ(w.Code(1011, 413), 0x0A0B);
    EXPECT_EQ(w.Code(1013, 413), 0);
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
}

TEST(ScaleInterval, AFromOutsideTheFileIsRefusedAndAToPastItsEndIsCut)
{
    IntervalWell w;
    for (int from : {999, 1101, -5}) {
        EXPECT_EQ(WriteScaleInterval(w.well, ScaleField::Temperature, 2, from, from + 10), 0) << from;
        ASSERT_FALSE(doubles().prompter.messages.isEmpty());
        EXPECT_EQ(doubles().prompter.messages.back().text, "Start Value out of Range");
    }
    EXPECT_TRUE(w.Changed().empty());

    // The stored depths say 1100, but the file lost its last twenty records: the run stops at 1080.
    QFile f(w.well.dataFileName);
    ASSERT_TRUE(f.resize(qint64(81) * wellfile::kRecordSize + 100));  // and a torn record
    w.original = w.Now();
    EXPECT_EQ(WriteScaleInterval(w.well, ScaleField::GasPercent, 3, 1070, 1100), 11);
    EXPECT_EQ(w.Code(1080, 262), 3);
    EXPECT_EQ(w.Now().size(), w.original.size());
    EXPECT_EQ(w.Changed().back(), 80 * wellfile::kRecordSize + 262);
    // A From in the lost part is outside the file.
    const auto before = doubles().prompter.messages.size();
    EXPECT_EQ(WriteScaleInterval(w.well, ScaleField::GasPercent, 3, 1090, 1100), 0);
    EXPECT_EQ(doubles().prompter.messages.size(), before + 1);
}
