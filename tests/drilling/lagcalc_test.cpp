// The lag calculator's work on its controls (kept in a table here): the figures of a hole, the inputs
// normalised, the pressures, the washout search, Save, the WITS pumps and the close.
#include "drillingfixture.h"

#include "drilling/lagcalculator.h"
#include "drilling/logtime.h"
#include "drilling/strokes.h"
#include "support/testmain.h"
#include "wellfile/datafile.h"

#include <map>

using namespace drilling;
using namespace drilling::lagid;
using namespace drilling_testing;
using testing_support::doubles;

namespace {

class TableForm final : public LagForm {
public:
    std::map<int, QString> texts;
    std::map<int, bool> checks, disabled, hidden;
    int closedWith = 0;
    QString Text(int id) const override { return texts.count(id) ? texts.at(id) : QString(); }
    void SetText(int id, const QString& text) override { texts[id] = text; }
    bool Checked(int id) const override { return checks.count(id) && checks.at(id); }
    void SetChecked(int id, bool checked) override { checks[id] = checked; }
    void Enable(int id, bool enable) override { disabled[id] = !enable; }
    void Show(int id, bool show) override { hidden[id] = !show; }
    void Close(int result) override { closedWith = result; }
};

class LagCalcTest : public DrillingTest {
protected:
    void SetUp() override
    {
        MakeWellOnDisk(1000, 2000);
        StartDriller();
        host.driller = driller.get();
        host.bottomDepth = 2000;
        host.saveLag = [this](const wellfile::LagRecord& r) {
            saved.push_back(r);
            return saveSucceeds;
        };
        host.lagPath = "ALPHA.lag";
        host.pumpsOn = [this] { ++pumpsOn; };
    }
    LagCalculator& Calc()
    {
        if (!calc)
            calc = std::make_unique<LagCalculator>(form, host);
        return *calc;
    }
    // The example hole typed in: casing 9.625 in x 1,000, open hole 8.5 in, drill pipe 4.5 / 3.826 in
    // over 2,000, one pump of 0.1 bbl at 100 strokes a minute, efficiency 1; measured lag `measured`.
    void TypeExampleHole(const QString& measured = "0")
    {
        form.texts = {{CurrentDepth, "2000"}, {CasingId, "9.625"}, {CasingLength, "1000"}, {OpenHoleDiameter, "8.5"},
                      {OpenHoleLength, "1000"}, {Pipe1Od, "4.5"}, {Pipe1Id, "3.826"}, {Pipe1Length, "2000"},
                      {Pump1Output, "0.1"}, {Pump1Spm, "100"}, {Efficiency1, "1"}, {Washout, "0"},
                      {MeasuredLag, measured}};
        form.checks[Pump1OnHole] = true;
    }
    QString Shown(int id) const { return form.Text(id); }

    TableForm form;
    LagCalcHost host;
    std::unique_ptr<LagCalculator> calc;
    std::vector<wellfile::LagRecord> saved;
    bool saveSucceeds = true;
    int pumpsOn = 0;
};

TEST_F(LagCalcTest, FiguresOfTheExampleHole)
{
    TypeExampleHole();
    form.texts[CasingLength] = "2500";  // more casing than the hole is deep: cut back to the depth
    form.texts[Pipe1Length] = "7";
    form.texts[CurrentDepth] = "2000";
    Calc().DepthChanged();
    EXPECT_EQ(Shown(CasingLength), "2000.00");
    EXPECT_EQ(Shown(OpenHoleLength), "0.00");
    form.texts[CasingLength] = "1000";
    Calc().OpenHoleFromDepth();
    EXPECT_EQ(Shown(OpenHoleLength), "1000.00");
    EXPECT_EQ(Shown(Pipe1Length), "2000.00");

    Calc().ReadInputs();
    Calc().Compute();
    EXPECT_EQ(Shown(InsideVolume), "28.43");
    EXPECT_EQ(Shown(Displacement), "10.90");
    EXPECT_EQ(Shown(Annular), "120.78");
    EXPECT_EQ(Shown(LagMinutes), "12.08");
    EXPECT_EQ(Shown(LagStrokes), "1207.83");
    EXPECT_EQ(Shown(BarrelsPerMinute), "10.00");
    EXPECT_EQ(Shown(GallonsPerMinute), "420.00");
    EXPECT_EQ(Shown(GallonsPerStroke), "4.20");
    EXPECT_TRUE(Shown(SurfaceToBit).endsWith("strokes  2.84 Min")) << Shown(SurfaceToBit).toStdString();
    // A measured lag of 0 takes the calculated one, and the strokes at the pumps' rate.
    EXPECT_EQ(Shown(MeasuredLag), "12.08");
    EXPECT_FLOAT_EQ(Time().lagTime, Calc().record.lagMinutes);
    EXPECT_EQ(Shown(MeasuredStrokes), "1207");
    EXPECT_TRUE(Calc().settingsComplete);

    // The same lengths in metres: every volume 3.281 times larger, the lag with it.
    const float feetAnnular = Calc().record.annularVolume;
    host.metric = true;
    LagCalculator metres(form, host);
    metres.ReadInputs();
    metres.Compute();
    EXPECT_NEAR(metres.record.annularVolume / feetAnnular, 3.281, 1e-4);
    EXPECT_NEAR(metres.record.stringVolume, 28.43 * 3.281, 0.01);
}

TEST_F(LagCalcTest, InputsAreNormalisedAndWrittenBack)
{
    TypeExampleHole();
    form.texts[Efficiency1] = "95";
    form.texts[Efficiency2] = "0.4";
    form.texts[Pipe1Od] = "3.826";  // below the inside diameter: the two are swapped
    form.texts[Pipe1Id] = "4.5";
    form.texts[CasingLength] = "-300";
    form.texts[Liner1Id] = "nan";
    form.texts[Liner2Id] = "abc";
    form.texts[Washout] = "-0.1";  // the washout is taken as it is
    Calc().ReadInputs();
    const wellfile::LagRecord& r = Calc().record;
    EXPECT_FLOAT_EQ(r.pumpEfficiency[0], 0.95f);
    EXPECT_FLOAT_EQ(r.pumpEfficiency[1], 1.0f);
    EXPECT_EQ(Shown(Efficiency1), "0.950");
    EXPECT_EQ(Shown(Efficiency2), "1.000");
    EXPECT_FLOAT_EQ(r.pipe1Od, 4.5f);
    EXPECT_FLOAT_EQ(r.pipe1Id, 3.826f);
    EXPECT_EQ(Shown(Pipe1Od), "4.50");
    EXPECT_EQ(Shown(Pipe1Id), "3.83");
    EXPECT_EQ(r.casingLength, 0);
    EXPECT_EQ(r.liner1Id, 0);
    EXPECT_EQ(r.liner2Id, 0);
    EXPECT_FLOAT_EQ(r.washout, -0.1f);
    EXPECT_EQ(r.pumpOnHole[0], 1);
    EXPECT_EQ(r.pumpOnHole[1], 0);

    // No pump on the hole: no lag, and the rates of a total of 1 stroke a minute (no division by 0).
    form.checks[Pump1OnHole] = false;
    Calc().ReadInputs();
    Calc().Compute();
    EXPECT_EQ(Shown(LagMinutes), "0.00");
    EXPECT_EQ(Shown(LagStrokes), "0.00");
    EXPECT_EQ(Shown(GallonsPerStroke), "0.00");
    EXPECT_EQ(Shown(SurfaceToBit), "");
}

TEST_F(LagCalcTest, PressuresFollowTheDepthAndMudWeight)
{
    TypeExampleHole();
    form.texts[MudWeight] = "10";
    Calc().Pressures();
    EXPECT_EQ(Shown(Hydrostatic), "1040.00");
    EXPECT_EQ(Shown(Formation), "930.00");
    EXPECT_EQ(Shown(MatrixStress), "1070.00");
    EXPECT_EQ(Shown(Differential), "110.00");
    form.texts[CurrentDepth] = "-50";
    Calc().Pressures();
    EXPECT_EQ(Shown(Hydrostatic), "0.00");
    EXPECT_EQ(Shown(Differential), "0.00");
    form.texts[CurrentDepth] = "2000";
    form.texts[MudWeight] = "0";
    Calc().Pressures();
    EXPECT_EQ(Shown(Hydrostatic), "0.00");  // left as they were
    EXPECT_EQ(Calc().record.mudWeight, 0);
}

TEST_F(LagCalcTest, RangeMessages)
{
    wellfile::LagRecord r = ExampleHole(2000);
    r.annularVolume = 100;
    EXPECT_EQ(RangeErrorText(r, 0), "Values (s) out of range\nSPM \n");
    EXPECT_EQ(RangeErrorText(r, 100), "Values (s) out of range\nUnknown Value\n");
    r.collarId[0] = 2.8f;
    r.collarOd[0] = 2.0f;
    EXPECT_EQ(RangeErrorText(r, 100), "Values (s) out of range\nDC )D\n");
    r.pipe1Od = 3.0f;
    EXPECT_EQ(RangeErrorText(r, 100), "Values (s) out of range\nDP OD\n");

    // A liner wider than the casing is told, and the figures still come.
    TypeExampleHole();
    form.texts[Liner1Id] = "10";
    form.texts[Liner1Length] = "100";
    Calc().totalSpm = 100;
    Calc().ReadInputs();
    Calc().Compute();
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, "Values (s) out of range\nAnnular Volume\n");
    EXPECT_FALSE(Shown(LagMinutes).isEmpty());
}

TEST_F(LagCalcTest, WashoutFromAMeasuredLag)
{
    TypeExampleHole("13.0");
    Calc().settingsComplete = true;
    Calc().WashoutFromMeasured();
    EXPECT_NEAR(Calc().record.washout, 0.064, 0.0011);
    EXPECT_NEAR(Calc().record.lagMinutes, 13.0, 0.02);
    EXPECT_EQ(Shown(Washout), "0.06");

    // A lag no washout can lengthen (no open hole; no pump output) ends the search at once.
    TypeExampleHole("13.0");
    form.texts[OpenHoleLength] = "0";
    Calc().WashoutFromMeasured();
    EXPECT_LT(Calc().record.washout, 0.01f);
    TypeExampleHole("13.0");
    form.texts[Pump1Output] = "0";
    Calc().settingsComplete = true;
    Calc().WashoutFromMeasured();
    EXPECT_LT(Calc().record.washout, 0.01f);
    EXPECT_EQ(Calc().record.lagMinutes, 0);
    // A liner wider than the casing is told once for the whole search.
    TypeExampleHole("13.0");
    form.texts[Liner1Id] = "10";
    form.texts[Liner1Length] = "100";
    doubles().prompter.messages.clear();
    Calc().settingsComplete = true;
    Calc().WashoutFromMeasured();
    EXPECT_EQ(doubles().prompter.messages.size(), 1);
}

TEST_F(LagCalcTest, SaveSettlesTheMeasuredLag)
{
    // Far below the calculated lag: the calculated one is taken.
    TypeExampleHole("10.0");
    Calc().Save();
    EXPECT_EQ(Shown(MeasuredLag), "12.08");
    EXPECT_NEAR(Time().lagTime, 12.08, 0.005);
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_NEAR(saved[0].lagMinutes, 12.08, 0.005);
    EXPECT_TRUE(driller->LagCurrent());

    // A little above it, with no washout and 1,000 units of open hole: the washout that explains it.
    TypeExampleHole("12.5");
    Calc().Save();
    EXPECT_NEAR(saved.back().washout, 0.03, 0.01);
    EXPECT_NEAR(Time().lagTime, 12.5, 1e-4);

    // A save that fails is told.
    saveSucceeds = false;
    Calc().Save();
    ASSERT_FALSE(doubles().prompter.messages.isEmpty());
    EXPECT_EQ(doubles().prompter.messages.back().text, "ALPHA.lag");
    EXPECT_EQ(doubles().prompter.messages.back().caption, "File Error");
}

TEST_F(LagCalcTest, SetupTakesTheDrillersSettingsAndTheWitsPumps)
{
    driller->SetLag(ExampleHole(2000));
    driller->SetLagCurrent(true);
    host.witsLinkRunning = true;
    // The pump on the hole stands.
    testing_support::EditLive(*driller, [](wellfile::WITSRECORD& live) { live.spm1 = 0; });
    Time().lagTime = 0;
    Calc().SetupWindow();
    ASSERT_FALSE(doubles().prompter.messages.isEmpty());
    EXPECT_EQ(doubles().prompter.messages[0].text, "Values (s) out of range\nSPM \n");
    EXPECT_FALSE(Calc().witsPumps);
    EXPECT_FALSE(form.Checked(UseWitsStrokes));
    EXPECT_TRUE(form.disabled[UseWitsStrokes]);
    EXPECT_TRUE(form.hidden[Help] && form.hidden[UpdateWashout] && form.hidden[ShowAllPumps]);
    EXPECT_EQ(Shown(CurrentDepth), " 2000");
    EXPECT_EQ(Shown(Pump1Spm), "0");
    EXPECT_TRUE(Calc().writeOnClose);
    EXPECT_EQ(Shown(LagNow), "PUMPS NOT RUNNING");

    // Above 10 strokes a minute the lag now is the lag strokes at that rate.
    EXPECT_EQ(LagNowText(1207.83f, 10), "PUMPS NOT RUNNING");
    EXPECT_EQ(LagNowText(1207.83f, 11), "109.80 at 11 SPM");

    // A ".lag" that cannot be read: the record zeroed and the settings incomplete.
    driller->SetLagCurrent(false);
    host.loadLag = [](wellfile::LagRecord&) { return false; };
    LagCalculator fresh(form, host);
    fresh.record.casingId = 5;
    fresh.SetupWindow();
    EXPECT_FALSE(fresh.settingsComplete);
    EXPECT_EQ(fresh.record.casingId, 0);
    EXPECT_TRUE(form.disabled[LagUsingStrokes]);
}

TEST_F(LagCalcTest, LagByStrokesAsksForThePumps)
{
    TypeExampleHole("12.08");
    Calc().ReadInputs();
    Calc().Compute();
    // Pump 2 runs but is not on the hole.
    testing_support::EditLive(*driller, [](wellfile::WITSRECORD& live) { live.spm2 = 25; });
    form.checks[LagUsingStrokes] = true;
    doubles().prompter.answers = {platform::IDCANCEL};
    Calc().LagUsingStrokes();
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_TRUE(doubles().prompter.messages[0].text.startsWith("PUMP 2 IS RUNNING BUT IS NOT CHECKED AS ON THE HOLE\n"));
    EXPECT_EQ(doubles().prompter.messages[0].caption, "Update Pump Info");
    EXPECT_FALSE(form.Checked(LagUsingStrokes));
    EXPECT_EQ(pumpsOn, 0);

    // Without the WITS pumps lag by strokes is refused and the dialog closes.
    testing_support::EditLive(*driller, [](wellfile::WITSRECORD& live) { live.spm2 = 0; });
    form.checks[LagUsingStrokes] = true;
    driller->SetLagByStrokesFromWits(true);
    Calc().totalSpm = 100;
    Calc().LagUsingStrokes();
    EXPECT_TRUE(doubles().prompter.messages.back().text.startsWith("YOU MUST BE  DRILLING, OR CIRCULATING,WITH WITS FEED ON"));
    EXPECT_EQ(form.closedWith, 2);
    EXPECT_FALSE(form.Checked(LagUsingStrokes));
    EXPECT_EQ(driller->Setup().lagByStrokesFromWits, 0);
    EXPECT_EQ(pumpsOn, 0);

    // With them it is switched on.
    host.witsLinkRunning = true;
    LagCalculator withWits(form, host);
    withWits.witsPumps = true;
    withWits.totalSpm = 100;
    form.checks[LagUsingStrokes] = true;
    testing_support::EditLive(*driller, [](wellfile::WITSRECORD& live) { live.spm1 = 100; });
    withWits.ReadInputs();
    withWits.LagUsingStrokes();
    EXPECT_EQ(pumpsOn, 1);
    EXPECT_EQ(driller->Setup().lagByStrokesFromWits, 1);
    EXPECT_TRUE(form.disabled[lagid::Save]);
}

TEST_F(LagCalcTest, CloseWritesTheMeasuredLagIntoTheLastRecord)
{
    TypeExampleHole("0");
    Calc().ReadInputs();
    Calc().Compute();
    Time().lagTime = 14.5f;
    EmptyRings();
    Calc().writeOnClose = true;
    EXPECT_TRUE(Calc().CanClose());
    EXPECT_FLOAT_EQ(wellfile::ReadLastRecord(well, well.dataFileName)->lagTime, 14.5f);
    EXPECT_GT(driller->Steps().tables.depth[0], 0);  // the lag tables rebuilt from the records
}

TEST_F(LagCalcTest, ResetWitsStrokesAndTheBottomsUpCounter)
{
    // Reset: no washout, and the measured lag is the calculated one again.
    TypeExampleHole("15.0");
    form.texts[Washout] = "0.2";
    Calc().settingsComplete = true;
    Calc().ResetToCalculated();
    EXPECT_EQ(Shown(Washout), "0.00");
    EXPECT_EQ(Shown(MeasuredLag), "12.08");
    EXPECT_NEAR(saved.back().lagMinutes, 12.08, 0.005);

    // "Use Wits Strokes" sets the driller's flag and saves.
    const std::size_t saves = saved.size();
    form.checks[UseWitsStrokes] = true;
    Calc().UseWitsStrokes();
    EXPECT_EQ(driller->Setup().lagByStrokesFromWits, 1);
    EXPECT_GT(saved.size(), saves);

    // The counter button starts and stops the bottoms-up count while strokes are counted.
    Calc().ToggleCounter();  // no lag by strokes: nothing
    EXPECT_EQ(Shown(StartCounter), "");
    driller->SetLag(saved.back());
    Time().SetStrokes(true);
    Calc().ToggleCounter();
    EXPECT_TRUE(Time().strokes->bottomsUpCounting);
    EXPECT_EQ(Shown(StartCounter), "Stop Counter");
    Calc().ToggleCounter();
    EXPECT_FALSE(Time().strokes->bottomsUpCounting);
    EXPECT_EQ(Shown(StartCounter), "Start Counter");
}

}  // namespace
