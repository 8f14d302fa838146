// The gas monitor set-up without its window: which controls each instrument type, profile and running
// engine show, enable, check and fill, and what Save reads back into the settings record.
#include "gasmon/gasmonsetup.h"
#include "platform/text.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace gasmon;

namespace {

GASMONCFG FirstSetup(int type)
{
    GASMONCFG cfg{};
    ApplyFirstSetupDefaults(cfg, type);
    cfg.witsComPort = 2;
    return cfg;
}

SetupInputs Inputs(int type, int profile = 0, bool engine = false, bool wits = false)
{
    SetupInputs in;
    in.instrumentType = type;
    in.profile = profile;
    in.engineRunning = engine;
    in.engineRange = 2500.0f;
    in.witsRunning = wits;
    in.configWitsComPort = 5;
    return in;
}

bool Shown(const SetupView& v, int id) { return v.At(id).shown.value_or(true); }
bool Enabled(const SetupView& v, int id) { return v.At(id).enabled.value_or(true); }
QString Text(const SetupView& v, int id) { return v.At(id).text.value_or(QStringLiteral("<none>")); }

// The dialog as the user sees it after it opened over `cfg`: the view's texts, checks and shown controls.
class Form final : public SetupForm {
public:
    Form(const SetupInputs& in, GASMONCFG& cfg)
    {
        const SetupView v = ComputeSetupView(in, cfg, SetupPass::Open);
        for (const auto& [id, s] : v.controls) {
            if (s.text)
                texts[id] = *s.text;
            if (s.checked && *s.checked)
                checks.insert(id);
            if (s.shown && !*s.shown)
                hidden.insert(id);
        }
    }
    QString Text(int id) const override
    {
        const auto it = texts.find(id);
        return it == texts.end() ? QString() : it->second;
    }
    bool Checked(int id) const override { return checks.count(id) != 0; }
    bool Shown(int id) const override { return hidden.count(id) == 0; }
    void Check(int id, bool on)
    {
        if (on)
            checks.insert(id);
        else
            checks.erase(id);
    }

    std::map<int, QString> texts;
    std::set<int> checks;
    std::set<int> hidden;
};

}  // namespace

TEST(GasSetupView, TheAddressShowsForTheNetworkedTypesWithItsDefault)
{
    struct Case {
        int type;
        bool address;
    } cases[] = {{7, true}, {5, true}, {9, true}, {0, false}, {1, false}, {10, false}};
    for (const Case& c : cases) {
        GASMONCFG cfg{};  // address 0.0.0.0
        cfg.ipAddress[0] = 0;
        const SetupView v = ComputeSetupView(Inputs(c.type), cfg, SetupPass::Open);
        EXPECT_EQ(Shown(v, kIp1), c.address) << c.type;
        EXPECT_EQ(Shown(v, kIpLabel), c.address) << c.type;
        if (c.address) {
            EXPECT_EQ(Text(v, kIp1), "192");
            EXPECT_EQ(Text(v, kIp4), "222");
            EXPECT_EQ(+cfg.ipAddress[3], 222);
        }
    }
    // An address of its own is kept.
    GASMONCFG cfg = FirstSetup(7);
    const std::uint16_t own[4] = {10, 0, 0, 7};
    for (int i = 0; i < 4; ++i)
        cfg.ipAddress[i] = own[i];
    const SetupView v = ComputeSetupView(Inputs(7), cfg, SetupPass::Open);
    EXPECT_EQ(Text(v, kIp1), "10");
    EXPECT_EQ(Text(v, kIp4), "7");
}

TEST(GasSetupView, RunningEnginesAndTheWitsLinkLockWhatTheyUse)
{
    GASMONCFG cfg = FirstSetup(0);
    // The millivolt range belongs to a running engine and not to the types without one.
    for (int type : {0, 1, 7}) {
        const SetupView v = ComputeSetupView(Inputs(type, 0, true), cfg, SetupPass::Open);
        EXPECT_EQ(Shown(v, kMvRange), type == 0) << type;
        EXPECT_FALSE(Enabled(v, kInstrumentList)) << type;
        EXPECT_FALSE(Enabled(v, kGasComPort)) << type;
    }
    EXPECT_EQ(Text(ComputeSetupView(Inputs(0, 0, true), cfg, SetupPass::Open), kMvRange), "2500.0");
    EXPECT_FALSE(Shown(ComputeSetupView(Inputs(0), cfg, SetupPass::Open), kMvRange));
    EXPECT_TRUE(Enabled(ComputeSetupView(Inputs(0), cfg, SetupPass::Open), kInstrumentList));

    // The WITS link: its own fields always; the instrument and gas port where the gas comes over it.
    for (int type : {10, 11, 6, 13, 0, 3}) {
        const SetupView v = ComputeSetupView(Inputs(type, 0, false, true), cfg, SetupPass::Open);
        const bool gasOverWits = type == 10 || type == 11 || type == 6 || type == 13;
        EXPECT_FALSE(Enabled(v, kWitsComPort)) << type;
        EXPECT_FALSE(Enabled(v, kPason)) << type;
        EXPECT_EQ(Enabled(v, kInstrumentList), !gasOverWits) << type;
        EXPECT_EQ(Enabled(v, kGasComPort), !gasOverWits) << type;
    }
    // Types 10, 11 and 6 take nothing of the instrument's own.
    const SetupView t10 = ComputeSetupView(Inputs(10), cfg, SetupPass::Open);
    EXPECT_FALSE(Enabled(t10, kHwSpan));
    EXPECT_FALSE(Enabled(t10, kElutionNC4));
    EXPECT_FALSE(Shown(t10, kClearRatios));
    EXPECT_TRUE(Shown(t10, kPpm));
}

TEST(GasSetupView, TypeDependentGroupsAndLabels)
{
    // The one-column analyser's methane mode.
    GASMONCFG cfg = FirstSetup(4);
    cfg.plotMethane = 1;
    SetupView v = ComputeSetupView(Inputs(4), cfg, SetupPass::Open);
    EXPECT_TRUE(Shown(v, kPlotMethane));
    EXPECT_TRUE(v.At(kPlotMethane).checked.value_or(false));
    EXPECT_EQ(Text(v, kC1RowLabel), "SUM");
    EXPECT_EQ(Text(v, kC5RowLabel), "METH");
    EXPECT_EQ(Text(ComputeSetupView(Inputs(4), cfg, SetupPass::TypeChange), kReadings), "5");
    v = ComputeSetupView(Inputs(0), cfg, SetupPass::Open);
    EXPECT_FALSE(Shown(v, kPlotMethane));
    EXPECT_EQ(Text(v, kC1RowLabel), "C1");

    SetupInputs pason = Inputs(0);
    pason.configWitsMode = 1;
    v = ComputeSetupView(pason, cfg, SetupPass::Open);
    EXPECT_EQ(Text(v, kOther), "Other");
    EXPECT_TRUE(v.At(kPason).checked.value_or(false));

    // The chromatograph zero is typed in only where the instrument reports its own base line.
    struct Zero {
        int type, profile;
        bool editable;
    } zeros[] = {{12, 0, true}, {7, 0, true}, {9, 2, true}, {9, 0, false}, {0, 37, true}, {0, 114, true}, {0, 0, false}};
    for (const Zero& z : zeros)
        EXPECT_EQ(Enabled(ComputeSetupView(Inputs(z.type, z.profile), cfg, SetupPass::Open), kChromZero), z.editable)
            << z.type << " " << z.profile;

    // The instrument list: type 15 only in its profile.
    EXPECT_EQ(ComputeSetupView(Inputs(0), cfg, SetupPass::Open).typeList.size(), 15u);
    EXPECT_EQ(ComputeSetupView(Inputs(0, 23), cfg, SetupPass::Open).typeList.size(), 16u);
}

TEST(GasSetupView, IntegratorOptionsBelongToTheirTypes)
{
    GASMONCFG cfg = FirstSetup(3);
    cfg.sriIntegrator = 1;
    cfg.baselineFid = 1;
    cfg.correctionFactors[0] = 0;
    cfg.correctionFactors[18] = 2.5f;
    SetupView v = ComputeSetupView(Inputs(3, 0, true), cfg, SetupPass::Open);
    EXPECT_EQ(Text(v, kReadings), "6");
    EXPECT_FALSE(Enabled(v, kReadings));
    EXPECT_EQ(+cfg.readingsPerCycle, 6);
    EXPECT_FALSE(Shown(v, kSetElution));
    EXPECT_TRUE(Shown(v, kAdvanced));
    EXPECT_EQ(Text(v, kCorrectionIds[0]), "1.00");
    EXPECT_EQ(Text(v, kCorrectionIds[18]), "2.50");
    EXPECT_EQ(Text(v, kCh3Label), "10% Factor");
    EXPECT_EQ(Text(v, kCh3Span), "1.000");

    // Another type drops them from the dialog's record.
    v = ComputeSetupView(Inputs(0), cfg, SetupPass::TypeChange);
    EXPECT_FALSE(Shown(v, kSri));
    EXPECT_FALSE(Shown(v, kAdvanced));
    EXPECT_EQ(+cfg.sriIntegrator, 0);
    EXPECT_EQ(+cfg.baselineFid, 0);
}

TEST(GasSetupView, FieldsAreFilledWithinTheirBounds)
{
    GASMONCFG cfg = FirstSetup(0);
    cfg.surfaceLagTime = 700;
    cfg.chromatZero = -4;
    cfg.witsComPort = 0;
    cfg.witsTimeout = 10;
    cfg.witsInterval = 11;
    platform::SetFieldText(cfg.calibrationDate, "01/02/26");
    SetupView v = ComputeSetupView(Inputs(0), cfg, SetupPass::Open);
    EXPECT_EQ(Text(v, kSurfaceLag), "600");
    EXPECT_EQ(Text(v, kChromZero), "0");
    EXPECT_EQ(Text(v, kWitsComPort), "5") << "the well configuration's port when the record has none";
    EXPECT_EQ(Text(v, kWto), "2000");
    EXPECT_EQ(Text(v, kWitsInterval), "4");
    EXPECT_EQ(Text(v, kDate), "01/02/26");
    EXPECT_EQ(Text(v, kHwAttenuator), "1.0");
    // Dates of another length are not shown.
    platform::SetFieldText(cfg.calibrationDate, "1/2/26");
    EXPECT_EQ(Text(ComputeSetupView(Inputs(0), cfg, SetupPass::Open), kDate), "");
}

TEST(GasSetupSave, ZerosIntervalsAndTimesFollowTheirRules)
{
    struct Case {
        int type, profile;
        const char* zero;
        int savedZero;
    } zeros[] = {{12, 0, "40", 24}, {12, 0, "-5", 3}, {12, 0, "20", 20}, {0, 0, "20", 24}, {0, 114, "20", 24}};
    for (const Case& c : zeros) {
        GASMONCFG cfg = FirstSetup(c.type);
        Form f(Inputs(c.type, c.profile), cfg);
        f.texts[kElutionC1] = "30";
        f.texts[kChromZero] = c.zero;
        EXPECT_TRUE(ReadSetupForm(f, Inputs(c.type, c.profile), cfg).refusal.isEmpty());
        EXPECT_EQ(+cfg.chromatZero, c.savedZero) << c.type << " " << c.zero;
    }

    struct Number {
        int id;
        const char* typed;
        int saved;
    } numbers[] = {{kIsoInterval, "7", 6}, {kIsoInterval, "15", 15}, {kIsoInterval, "8", 8},
                   {kSurfaceLag, "5", 0},  {kSurfaceLag, "700", 600}, {kSurfaceLag, "300", 300}};
    for (const Number& n : numbers) {
        GASMONCFG cfg = FirstSetup(0);
        Form f(Inputs(0), cfg);
        f.texts[n.id] = n.typed;
        ReadSetupForm(f, Inputs(0), cfg);
        EXPECT_EQ(n.id == kIsoInterval ? int(cfg.autoIsoInterval) : int(cfg.surfaceLagTime), n.saved) << n.typed;
    }

    // Attenuators and channel spans of nothing, or of no number, are 1.0.
    GASMONCFG cfg = FirstSetup(0);
    Form f(Inputs(0), cfg);
    f.texts[kHwAttenuator] = "0";
    f.texts[kChAttenuator] = "abc";
    f.texts[kCh3Span] = "-2";
    f.texts[kDate] = "0123456789012345678901234";
    f.texts[kPressure] = "123456789";
    ReadSetupForm(f, Inputs(0), cfg);
    EXPECT_FLOAT_EQ(+cfg.hotWireAttenuator, 1.0f);
    EXPECT_FLOAT_EQ(+cfg.chromatAttenuator, 1.0f);
    EXPECT_FLOAT_EQ(+cfg.channel3Span, 1.0f);
    EXPECT_EQ(platform::FieldText(cfg.calibrationDate), "012345678901234567");
    EXPECT_FLOAT_EQ(+cfg.calibrationPsi, 12345678.0f);
    EXPECT_FLOAT_EQ(+cfg.ratioSlot0, 1.0f);
    EXPECT_EQ(+cfg.setupMark, 1);
}

TEST(GasSetupSave, ReadingsPerCycle)
{
    struct Case {
        int type, profile;
        const char* typed;
        bool methane, sri;
        int saved;
    } cases[] = {
        {0, 0, "8", false, false, 6}, {0, 0, "3", false, false, 3}, {0, 108, "2", false, false, 6},
        {4, 0, "3", true, false, 5},  {4, 0, "3", false, false, 3}, {3, 0, "6", false, true, 5},
        {2, 60, "4", false, false, 5},
    };
    for (const Case& c : cases) {
        GASMONCFG cfg = FirstSetup(c.type);
        Form f(Inputs(c.type, c.profile), cfg);
        f.texts[kReadings] = c.typed;
        f.Check(kPlotMethane, c.methane);
        f.Check(kSri, c.sri);
        ReadSetupForm(f, Inputs(c.type, c.profile), cfg);
        EXPECT_EQ(+cfg.readingsPerCycle, c.saved) << c.type << " " << c.profile << " " << c.typed;
        EXPECT_EQ(+cfg.sriIntegrator, c.sri ? 1 : 0);
    }
}

TEST(GasSetupSave, ComPortsOutOfRangeAreRefused)
{
    GASMONCFG cfg = FirstSetup(0);
    Form f(Inputs(0), cfg);
    f.texts[kWitsComPort] = "12";
    f.texts[kHwDelay] = "9";
    EXPECT_EQ(ReadSetupForm(f, Inputs(0), cfg).refusal, "Wits com port out of range, must be less than 10");
    EXPECT_EQ(+cfg.hotWireDelay, 9) << "the dialog's record took the other fields";

    // A port in range saves, and the WITS link gets its values where its type uses them.
    GASMONCFG ok = FirstSetup(10);
    Form g(Inputs(10, 0, false, true), ok);
    g.texts[kSurfaceLag] = "120";
    g.texts[kWitsComPort] = "3";
    g.Check(kPason, true);
    const SetupSave saved = ReadSetupForm(g, Inputs(10, 0, false, true), ok);
    EXPECT_TRUE(saved.refusal.isEmpty());
    EXPECT_EQ(+ok.witsComPort, 3);
    EXPECT_EQ(+saved.witsMode, 1);
    EXPECT_EQ(+saved.witsSurfaceLag.value_or(-1), 120.0f);
    EXPECT_FLOAT_EQ(+saved.witsHotWireAttenuator.value_or(-1), 1.0f);
    EXPECT_FALSE(saved.witsHotWireDelay.has_value());
}

TEST(GasSetupFont, TheListFontFollowsTheScreen)
{
    platform::LOGFONTA small = DataListFont(1024, 10, 10);
    EXPECT_STREQ(small.lfFaceName, "Courier New");
    EXPECT_EQ(small.lfHeight, -14);
    EXPECT_EQ(small.lfWidth, -9);
    EXPECT_EQ(small.lfPitchAndFamily & 3, platform::FIXED_PITCH);
    platform::LOGFONTA large = DataListFont(1280, 10, 10);
    EXPECT_EQ(large.lfHeight, -12);
    EXPECT_EQ(large.lfWidth, 0);
    EXPECT_EQ(large.lfWeight, 400);
}
