// The lag by time: the annular volume of the hole, the rings rebuilt from the file, the correction of
// the lag depth, a new lag time and the lag text of the status row.
#include "commandfixture.h"
#include "drillingfixture.h"

#include "drilling/strokes.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/datafile.h"

#include <vector>

using namespace drilling;
using namespace drilling_testing;
using testing_support::doubles;

namespace {

class LagTest : public DrillingTest {
protected:
    // The well "ALPHA" of records first..last whose rates are all `rate`; record `gapAt` (when given)
    // carries the next depth instead of its own.
    void MakeWellOfRates(int first, int last, float rate, int gapAt = 0)
    {
        MakeWellOnDisk(first, last);
        std::vector<wellfile::RECORD> rows;
        for (int d = first; d <= last; ++d)
            rows.push_back(testing_support::ValidRecord(d == gapAt ? d + 1 : d, rate, "100SH"));
        testing_support::WriteRecords(well.dataFileName, rows);
    }
    // The well 1000..1100 with rates of a minute a unit and a lag time of 30 minutes, drilling started
    // with `keptDepth` as the window's kept correct lag depth (0: none kept).
    void StartOnThirtyMinuteLag(std::int32_t keptDepth)
    {
        MakeWellOfRates(1000, 1100, 1.0f);
        SetLastLagTime(30);
        kept = keptDepth;
        StartDriller();
    }
    void SetLastLagTime(float minutes)
    {
        auto last = wellfile::ReadLastRecord(well, well.dataFileName);
        last->lagTime = minutes;
        ASSERT_EQ(wellfile::WriteLastRecord(*last, well.dataFileName), 1);
    }
    std::int32_t& kept = state.drilling.correctLagDepth;  // the window's kept correct lag depth
};

TEST_F(LagTest, AnnularVolumeLagTimeAndLagStrokes)
{
    MakeWellOnDisk(1000, 1100);
    StartDriller();
    wellfile::LagRecord lag = ExampleHole(2000);
    // The lengths are metres: the volumes are those of as many feet, 3.281 times over.
    EXPECT_NEAR(driller->LagVolume(lag, 2000, true), 120.78 * 3.281, 0.03);
    EXPECT_NEAR(lag.stringVolume, 28.43 * 3.281, 0.03);
    EXPECT_NEAR(lag.stringDisplacement, 10.90 * 3.281, 0.03);
    EXPECT_NEAR(lag.openHoleLength, 1000, 1e-3);
    EXPECT_EQ(lag.lagMinutes, 0);  // the volume alone

    // A pump of a tenth of a barrel a stroke gives a real flow, and the lag strokes with a stroke counter.
    driller->LagVolume(lag, 2000, false);
    EXPECT_NEAR(lag.lagMinutes, 12.08 * 3.281, 0.01);
    EXPECT_EQ(lag.lagStrokes, 0);
    Time().strokes = std::make_unique<STROKES>(*driller);
    driller->LagVolume(lag, 2000, false);
    EXPECT_NEAR(lag.lagStrokes, 1207.8 * 3.281, 0.3);
    EXPECT_NEAR(Time().strokes->lagStrokes, 1207.8 * 3.281, 0.3);
    EXPECT_FLOAT_EQ(Time().strokes->outputPerStroke[0], 0.1f);

    // All pumps off: a lag time of one minute, the lag strokes kept.
    lag.pumpOnHole[0] = 0;
    lag.lagStrokes = 77;
    driller->LagVolume(lag, 2000, false);
    EXPECT_EQ(lag.lagMinutes, 1.0f);
    EXPECT_EQ(lag.lagStrokes, 77);

    // A washout of a tenth on an 8.5 in bit is a 9.35 in hole.
    wellfile::LagRecord washed = ExampleHole(2000);
    washed.washout = 0.1f;
    wellfile::LagRecord wide = ExampleHole(2000);
    wide.openHoleDiameter = 9.35f;
    EXPECT_NEAR(driller->LagVolume(washed, 2000, true), driller->LagVolume(wide, 2000, true), 1e-3);

    // The 21/86 log format's profile as well: its depths are metres too.
    state.well.loggerId = 21;
    wellfile::LagRecord metric = ExampleHole(2000);
    EXPECT_NEAR(driller->LagVolume(metric, 2000, true), 120.78 * 3.281, 0.05);
}

TEST_F(LagTest, RingsAreRebuiltFromTheSecondHalfOfTheFile)
{
    MakeWellOfRates(1000, 1100, 1.0f);
    StartDriller();
    ASSERT_EQ(driller->LoadLagRecords(0), 1);
    EXPECT_EQ(driller->Steps().stepIndex, 100);
    const StepTables& t = driller->Steps().tables;
    for (int r = 0; r < 50; ++r) {
        const auto first = std::size_t(2 * r);
        EXPECT_EQ(t.depth[first], float(1051 + r));
        EXPECT_EQ(t.depth[first + 1], float(1051 + r) + 0.5f);
        EXPECT_FLOAT_EQ(t.clock[first], 0.5f * float(first + 1));
        EXPECT_FLOAT_EQ(t.clock[first + 1], 0.5f * float(first + 2));
    }
    EXPECT_EQ(t.depth[100], 0.0f);
    EXPECT_EQ(driller->Steps().newUnits, 50);
}

TEST_F(LagTest, AGapInTheDepthsLeavesTheRingsEmpty)
{
    MakeWellOfRates(1000, 1100, 1.0f, 1070);
    StartDriller();
    EXPECT_EQ(driller->LoadLagRecords(0), 0);
    ASSERT_FALSE(doubles().prompter.messages.isEmpty());
    EXPECT_EQ(doubles().prompter.messages.back().text, "Invalid Value in data file,\nRun Check File Errors");
    EXPECT_EQ(doubles().prompter.messages.back().caption, "File Error");
    EXPECT_EQ(driller->Steps().stepIndex, 0);
    for (std::size_t i = 0; i < std::size_t(kStepSlots); ++i)
        ASSERT_EQ(driller->Steps().tables.depth[i], 0.0f) << i;
}

TEST_F(LagTest, TheRebuildCorrectsALagDepthShortOfTheKeptOne)
{
    StartOnThirtyMinuteLag(1090);
    // Circulation minutes were added until the returns of the kept depth came up.
    EXPECT_GE(driller->LagDepth(), 1090.0f);
    EXPECT_LT(driller->LagDepth(), 1092.0f);
    EXPECT_GT(Time().lagCorrectionSeconds, 0);

    // A file of fewer than 20 units is never corrected.
    kept = 1014;
    well.fileBottomDepth = 1015;
    MakeWellOfRates(1000, 1015, 1.0f);
    SetLastLagTime(30);
    StartDriller();
    EXPECT_EQ(Time().lagCorrectionSeconds, 0);
    EXPECT_LT(driller->LagDepth(), 1014.0f);
}

// The depth box's half units fill the rings twice as fast as the file grows: on a file of fewer than
// 1,200 units they come round before it does, and the walk goes on round them, the lag depth following
// the bottom a lag time behind.
TEST_F(LagTest, TheLagDepthFollowsWhenTheRingsComeRoundBeforeTheFile)
{
    MakeWellOfRates(1000, 1900, 0.2f);
    SetLastLagTime(2);
    StartDriller();
    QStringList standing;
    for (int unit = 0; unit < 170; ++unit) {
        Run(4.8);
        HalfPulse();
        Run(4.8);
        Pulse(StepSource::Polled);
        const float behind = float(well.fileBottomDepth) - driller->LagDepth();
        if (unit > 20 && (behind < 11 || behind > 14))  // twelve units of ten seconds in two minutes
            standing << QString::asprintf("%d: %g", well.fileBottomDepth, double(driller->LagDepth()));
    }
    EXPECT_GT(driller->Steps().tables.depth[kStepSlots - 1], 0.0f) << "the rings came round";
    EXPECT_LT(well.fileBottomDepth - well.fileTopDepth, kStepSlots);
    EXPECT_TRUE(standing.isEmpty()) << standing.size() << ": " << standing.join("; ").toStdString();
}

TEST_F(LagTest, TheUserCorrectsTheLagDepthWithinTheFile)
{
    StartOnThirtyMinuteLag(1090);
    driller->SetLagDepth(1073);
    auto& prompter = doubles().prompter;
    prompter.inputAnswers = {QString("1010"), QString("1200"), QString("1050"), QString("1100")};
    driller->CorrectLagDepth(true);
    EXPECT_EQ(prompter.inputCaptions, QList<QString>(4, "Lag Depth"));
    EXPECT_EQ(prompter.inputPrompts.front(), "Enter Correct Lag Depth");
    EXPECT_EQ(prompter.inputInitials.front(), "1090");
    ASSERT_EQ(prompter.messages.size(), 3);
    EXPECT_EQ(prompter.messages[0].text, "Depth Out Of Range");
    EXPECT_EQ(prompter.messages[1].text, "Depth Out Of Range");
    EXPECT_EQ(prompter.messages[1].caption, "ERROR");
    EXPECT_EQ(prompter.messages[2].text, "New Lag Depth must be deeper than current Lag Depth");
    // The bottom itself: the returns of every step are up.
    EXPECT_EQ(driller->LagDepth(), 1100.0f);
    EXPECT_EQ(driller->Steps().stepIndex, 0);
    EXPECT_EQ(driller->Steps().tables.depth[0], 0.0f);
    EXPECT_EQ(kept, 1100);

    // Cancelled: nothing changes.
    driller->SetLagDepth(1073);
    driller->CorrectLagDepth(true);
    EXPECT_EQ(driller->LagDepth(), 1073.0f);
}

TEST_F(LagTest, ACorrectionThatCannotReachItsDepthEnds)
{
    StartOnThirtyMinuteLag(0);
    const float before = driller->LagDepth();
    ASSERT_LT(before, 1080.0f);
    // Half a minute of circulation brings up nothing of a 30-minute lag.
    Time().lagTime = 0.5f;
    kept = 1095;
    driller->CorrectLagDepth(false);
    EXPECT_EQ(Time().lagCorrectionSeconds, 30);
    EXPECT_GE(driller->LagDepth(), before);
    EXPECT_LT(driller->LagDepth(), before + 1.0f);

    // By strokes: once the pumped volume has brought up every step, the depth stays at the deepest.
    Time().strokes = std::make_unique<STROKES>(*driller);
    driller->ClearStepTables();
    testing_support::EditSteps(*driller, [](drilling::DrillerSteps& v) {
        v.stepIndex = 3;
        for (std::size_t i = 0; i < 3; ++i) {
            v.tables.depth[i] = 1080.0f + float(i);
            v.tables.clock[i] = 10.0f * float(i);
            v.tables.volume[i] = 5.0f;
        }
    });
    driller->SetLagDepth(1080);
    driller->CorrectLagDepth(false);
    EXPECT_EQ(driller->LagDepth(), 1082.0f);
    EXPECT_LT(Time().strokes->pumpedVolume, 26.0f);
}

TEST_F(LagTest, LagTextSitsOverTheGasTrack)
{
    MakeWellOnDisk(1000, 1100);
    layout::LogLayout& L = state.layout.format;
    L.gas.left = 300;
    L.gasSplitX = 300;
    L.gasRight = 600;
    L.pixelsPerStep = 10;
    state.env.charWidth = 8;
    StartDriller();
    driller->SetLagDepth(1005);
    Time().lagTime = 5.02f;
    canvas.calls.clear();
    driller->ShowLagStatus();
    ASSERT_EQ(canvas.Texts("Lagdepth:").size(), 1);
    const CanvasCall text = canvas.Texts("Lagdepth:").front();
    EXPECT_EQ(text.text, "Lagdepth:  1005.0    Lagtime: 5.02  0");
    EXPECT_EQ(text.x, 300 + 28 * 8);
    EXPECT_EQ(text.y, 30);

    L.gasSplitX = 400;  // a gas track of two parts: the middle of the second
    driller->ShowLagStatus();
    EXPECT_EQ(canvas.Texts("Lagdepth:").back().x, 500);

    state.well.loggerId = 17;
    CustomDataInUse();
    driller->ShowLagStatus();
    EXPECT_EQ(canvas.Texts("Lagdepth:").back().x, (400 + 800) / 2);
}

class LagTimeCommandTest : public DrillingCommandTest {};

TEST_F(LagTimeCommandTest, LagTimeIsAskedUntilItLiesWithinFiveHundredMinutes)
{
    Toggle();
    auto& prompter = doubles().prompter;
    prompter.messages.clear();
    prompter.inputAnswers = {QString("abc"), QString("500.5"), QString("500")};
    commands.CmLagTime(log);
    EXPECT_EQ(prompter.inputCaptions, QList<QString>(3, "Lag Time"));
    EXPECT_EQ(prompter.inputPrompts.front(), "Enter new lag time");
    EXPECT_EQ(prompter.inputInitials.front(), "");
    ASSERT_EQ(prompter.messages.size(), 2);
    for (const auto& m : prompter.messages) {
        EXPECT_EQ(m.text, "Value Out Of Range (Max=500 Min.)");
        EXPECT_EQ(m.caption, "ERROR");
    }
    EXPECT_EQ(Driller().Time()->lagTime, 500.0f);
    const float written = wellfile::ReadLastRecord(log.well.file, log.well.file.dataFileName)->lagTime;
    EXPECT_EQ(written, 500.0f);
    // From a lag time of 0 the rings were rebuilt with the new one: 500 minutes over 1,000 units.
    EXPECT_NEAR(Driller().Steps().tables.lagTime[0], 0.5 * 951, 0.01);

    // While strokes are counted the lag calculator sets the lag.
    Driller().Time()->strokes = std::make_unique<STROKES>(Driller());
    prompter.messages.clear();
    commands.CmLagTime(log);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(prompter.messages[0].text, "Setup Lag data in Lag Calculator when Using Strokes\nSETUP...LAG CALCULATOR");
    EXPECT_EQ(prompter.inputCaptions.size(), 3);
}

}  // namespace
