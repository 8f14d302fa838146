// Lag by pump strokes: rates from the depth box's contacts, strokes from the pump threads' counters,
// the text box and the bottoms-up count, the pump-rate alarms, the lag walk by volume and the switch.
#include "commandfixture.h"
#include "drillingfixture.h"

#include "drilling/strokes.h"
#include "support/files.h"
#include "support/strokewaiter.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wits/witsalarms.h"

#include <atomic>
#include <map>
#include <set>
#include <thread>

using namespace drilling;
using namespace drilling_testing;
using testing_support::doubles;

namespace {

class StrokesTest : public DrillingTest {
protected:
    // Drilling on the well 1000..1100 with pump 1 on the hole (`output` barrels a stroke at 100 a
    // minute), lag strokes and barrels known, and the stroke counter started.
    void StartCounting(float output = 0.1f, float lagStrokes = 2000, float lagBarrels = 200)
    {
        MakeWellOnDisk(1000, 1100);
        state.layout.format.pixelsPerStep = 10;
        StartDriller();
        testing_support::EditLag(*driller, [&](wellfile::LagRecord& lag) {
            lag.pump1Output = output;
            lag.pump1Spm = 100;
            lag.pumpEfficiency[0] = 1;
            lag.pumpOnHole[0] = 1;
            lag.lagStrokes = lagStrokes;
            lag.annularVolume = lagBarrels;
        });
        Time().SetStrokes(true);
    }
    STROKES& Strokes() { return *Time().strokes; }
    // One stroke of pump 1 from the depth box, `seconds` after the last tick, and the tick.
    void StrokeAfter(double seconds, int strokes = 1)
    {
        Clock().Advance(std::int64_t(seconds * 1000));
        driller->AddPumpStrokes(0, strokes);
        Strokes().Tick();
    }
    QString LastLine(const QString& prefix) const
    {
        const auto found = canvas.Texts(prefix);
        return found.isEmpty() ? QString() : found.back().text;
    }
};

TEST_F(StrokesTest, RatesFollowTheContactsOfThePump)
{
    StartCounting();
    QList<int> rates;
    for (int i = 0; i < 7; ++i) {
        StrokeAfter(2);
        rates << Strokes().spm[0];
    }
    // The first stroke after the start only starts the timing; from the second on a stroke every 2 s
    // reads 30.
    EXPECT_EQ(rates, (QList<int>{0, 30, 30, 30, 30, 30, 30}));
    EXPECT_EQ(Strokes().pumpStrokes[0], 7);
    EXPECT_NEAR(Strokes().pumpVolume[0], 0.7, 1e-5);

    // Three strokes within one tick are three strokes: with the four before them, 7 strokes in the 10 s
    // of the last five samples.
    StrokeAfter(2, 3);
    EXPECT_EQ(Strokes().pumpStrokes[0], 10);
    EXPECT_NEAR(Strokes().pumpVolume[0], 1.0, 1e-5);
    EXPECT_EQ(Strokes().spm[0], 42);

    // More than 10 s without a stroke: the pump stands.
    Clock().Advance(10200);
    Strokes().Tick();
    EXPECT_EQ(Strokes().spm[0], 0);
    EXPECT_EQ(LastLine("PUMPS"), "PUMPS NOT RUNNING                              ");
}

TEST_F(StrokesTest, ASteadyPumpReadsItsOwnRateBetweenTicks)
{
    StartCounting();
    canvas.recording = false;
    // A pump thread running at known rates gives the depth box's contacts at their own times, to the
    // 100 ms; the drilling tick runs every 200 ms, between them.
    testing_support::FakeStrokeTime time;
    const auto pump = std::make_shared<PumpStrokes>();
    pump->makeWaiter = time.Maker();
    std::array<std::jthread, kPumpCount> threads;
    ASSERT_EQ(StartPumpThread({threads, pump}, 1), 1);
    std::map<int, std::set<int>> read;
    for (const int rate : {30, 60, 100, 120}) {
        pump->SetRate(0, float(rate));
        for (int ms = 100; ms <= 20000; ms += 100) {
            time.Advance(100);
            Clock().Advance(100);
            ASSERT_TRUE(time.Settle());
            if (const std::int32_t strokes = pump->TakeStrokes(0))
                driller->AddPumpStrokes(0, strokes);
            if (ms % 200 != 0)
                continue;
            Strokes().Tick();
            if (ms > 10000)  // the last five strokes all at the new rate
                read[rate].insert(Strokes().spm[0]);
        }
    }
    // By hand: 60,000 ms / rate between strokes, so each reads its rate and only it.
    EXPECT_EQ(read, (std::map<int, std::set<int>>{{30, {30}}, {60, {60}}, {100, {100}}, {120, {120}}}));
}

TEST_F(StrokesTest, BoxShowsTotalsAndTheLagTimeAtThePresentRate)
{
    StartCounting(0.1f, 2000);
    driller->SetLagByStrokesFromWits(true);  // the rates of the WITS record
    testing_support::EditLive(*driller, [](wellfile::WITSRECORD& live) { live.spm1 = 100; });
    StrokeAfter(0.2);
    EXPECT_EQ(LastLine("LAG TIME"), "LAG TIME NOW AT:   100 SPM = 20.0 MIN.    ");
    EXPECT_EQ(LastLine("Pump 1"), "Pump 1 Total:        1     SPM: 100      BBLS=0.10   ");
    EXPECT_EQ(LastLine("Total"), "Total Strokes:        1     SPM: 100      BBLS= 0.10  ");
    const CanvasCall line = canvas.Texts("Pump 1").back();
    EXPECT_EQ(line.y, 65);
    EXPECT_EQ(line.font, FontRole::Strokes);
    EXPECT_EQ(line.align, TextAlign::BottomLeft);
    EXPECT_EQ(line.fill, platform::RGB(255, 255, 255));

    // Any volume draws; the line is formatted, not copied into a fixed buffer.
    Strokes().pumpVolume[0] = 1e30f;
    Strokes().DrawBox();
    EXPECT_TRUE(LastLine("Pump 1").contains("BBLS=1000000015047466219876688855040.00"));
}

TEST_F(StrokesTest, BottomsUpCountsToTheLagStrokes)
{
    StartCounting(0.1f, 3);
    Strokes().ToggleBottomsUp();
    const auto& flag = driller->Alarms()->flags[kAlarmBottomsUp];
    StrokeAfter(2);
    EXPECT_EQ(LastLine("Count"), "Count     1       2 STBU  199.90 BTBU");
    EXPECT_EQ(flag, 0);
    StrokeAfter(2);
    StrokeAfter(2);
    EXPECT_EQ(flag, 1);
    EXPECT_TRUE(LastLine("    3   Bottoms up at").startsWith("    3   Bottoms up at  8:30 AM"));
    StrokeAfter(2);
    EXPECT_EQ(flag, 0);
}

TEST_F(StrokesTest, BottomsUpIsRaisedOnceWhenTheCountPassesTheLagStrokes)
{
    StartCounting(0.1f, 3);
    QStringList raised;
    driller->Alarms()->raiseHook = [&](int, const QString& text) { raised << text; };
    Strokes().ToggleBottomsUp();
    const auto& flag = driller->Alarms()->flags[kAlarmBottomsUp];
    QList<int> flags;
    for (int tick = 0; tick < 4; ++tick) {  // two strokes a tick: 2, 4, 6, 8, never 3
        StrokeAfter(1, 2);
        flags << flag;
        Time().OnBottomTick();
    }
    EXPECT_EQ(flags, (QList<int>{0, 1, 0, 0}));
    EXPECT_EQ(raised, QStringList{"Bottoms Up"});
}

TEST_F(StrokesTest, MissingLagDataWarnsOnceAndBottomsUpAtOnce)
{
    StartCounting(0.1f, 0, 0);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text,
              "Data must be enteered in the Lag calculator\nfor strokes to work properly (SETUP...Lag Calculator)\n");
    EXPECT_EQ(doubles().prompter.messages[0].caption, "Error");
    Strokes().ToggleBottomsUp();
    StrokeAfter(0.2, 0);
    EXPECT_TRUE(LastLine("    0   Bottoms up at").startsWith("    0   Bottoms up at"));
    EXPECT_EQ(driller->Alarms()->flags[kAlarmBottomsUp], 1);
}

TEST_F(StrokesTest, NoStrokeOfAPumpThreadIsLost)
{
    StartCounting(0.5f);
    canvas.recording = false;  // the box of every tick is not kept
    driller->SetLagByStrokesFromWits(true);
    WitsLinkOn();
    PumpStrokes& counters = *state.engines.pumpStrokes;
    constexpr int kStrokes = 100000;
    std::atomic<bool> done = false;
    std::thread pump([&] {
        for (int i = 0; i < kStrokes; ++i)
            ++counters.strokes[0];
        done = true;
    });
    for (int ticks = 0; !done && ticks < 1000000; ++ticks)
        Strokes().Tick();
    pump.join();
    Strokes().Tick();
    EXPECT_EQ(Strokes().pumpStrokes[0], kStrokes);
    EXPECT_EQ(Strokes().pumpVolume[0], kStrokes * 0.5f);
    EXPECT_EQ(Strokes().pumpedVolume - Strokes().volumeBase, kStrokes * 0.5f);
}

TEST_F(StrokesTest, PumpRateAlarmWithoutAWitsLink)
{
    StartCounting();
    wits::WitsAlarmEntry& entry = driller->WitsAlarmTable().Entry(wits::kSpm1Channel);
    entry.Enabled = 1;
    entry.Low = 50;
    entry.Delay = 1.5f;
    driller->SetLagByStrokesFromWits(true);
    testing_support::EditLive(*driller, [](wellfile::WITSRECORD& live) { live.spm1 = 30; });
    Clock().Advance(1000);
    for (int minute = 0; minute < 3; ++minute) {
        Strokes().Tick();
        if (minute < 2)
            Clock().Advance(60000);
    }
    EXPECT_EQ(entry.Value, 30.0f);
    EXPECT_FLOAT_EQ(entry.MinutesOut, 2.0f);
    EXPECT_EQ(doubles().sounder.played.size(), 1);  // out of range longer than its time: checked and raised

    // With a WITS link its own feed checks the rates.
    WitsLinkOn();
    entry.Value = 0;
    Strokes().Tick();
    EXPECT_EQ(entry.Value, 0.0f);
}

TEST_F(StrokesTest, LagDepthByPumpedVolume)
{
    MakeWellOnDisk(1000, 1100);
    StartDriller();
    wellfile::LagRecord lag = ExampleHole(1100);
    lag.lagStrokes = 1000;
    lag.annularVolume = 80;
    driller->SetLag(lag);
    Time().SetStrokes(true);
    driller->SetLagDepth(0);  // the lag depth never moves up: this walk starts above the start's
    // Each half unit of the file took a minute at 100 strokes: 10 barrels. The step of 1,081 was drilled
    // at 610 barrels and its annulus of metres holds 74.38 x 3.281 = 244.04, that of 1,081.5 at 620 with
    // 74.41 x 3.281 = 244.14: with 860 barrels pumped the returns of 1,081 are up, those of 1,081.5 are not.
    Strokes().pumpedVolume = 860;
    Strokes().CheckLagAlarm(false);
    EXPECT_EQ(driller->LagDepth(), 1081.0f);

    // Bottoms up: the rings are emptied, circulation goes on.
    Time().circulating = 1;
    Strokes().pumpedVolume = 1e6f;
    Strokes().CheckLagAlarm(false);
    EXPECT_EQ(driller->LagDepth(), 1100.0f);
    EXPECT_EQ(driller->Steps().stepIndex, 0);
    EXPECT_EQ(driller->Steps().tables.volume[0], 0.0f);
    EXPECT_EQ(Time().circulating, 1);
}

TEST_F(StrokesTest, LagAlarmsByTimeAndByStrokesKeepTheirOwnArming)
{
    StartCounting();
    testing_support::EditSetup(*driller, [](drilling::DrillerSetup& v) { v.lagAlarmInterval = 10; });
    driller->ClearStepTables();
    driller->SetLagDepth(0);  // the lag depth never moves up: these walks start above the start's
    testing_support::EditSteps(*driller, [](drilling::DrillerSteps& v) {
        v.stepIndex = 1;
        v.tables.volume[0] = -1;  // up at once by time and by volume
    });
    const auto walkBoth = [this](float depth) {
        testing_support::EditSteps(*driller, [depth](drilling::DrillerSteps& v) { v.tables.depth[0] = depth; });
        Time().UpdateLagDepth(false);
        Strokes().CheckLagAlarm(false);
    };
    walkBoth(1029);
    walkBoth(1030);
    Strokes().CheckLagAlarm(false);
    const QString sound = well.dataFolder + "Lag Alarm.wav";
    EXPECT_EQ(doubles().sounder.played, (QStringList{sound, sound}));
    testing_support::EditSteps(*driller, [](drilling::DrillerSteps& v) { v.tables.depth[0] = 1031; });
    Strokes().CheckLagAlarm(false);
    testing_support::EditSteps(*driller, [](drilling::DrillerSteps& v) { v.tables.depth[0] = 1040; });
    Strokes().CheckLagAlarm(false);
    EXPECT_EQ(doubles().sounder.played.size(), 3);
}

class PumpsOnTest : public DrillingCommandTest {};

TEST_F(PumpsOnTest, SwitchesCountingAndThePumpThreadsOnAndOff)
{
    commands.PumpsOn(log);  // no drilling: a beep
    EXPECT_EQ(doubles().sounder.beeps, 1);

    Toggle();
    wits.link = true;
    testing_support::EditLag(Driller(), [](wellfile::LagRecord& lag) {
        lag.lagStrokes = 1000;
        lag.annularVolume = 100;
    });
    commands.PumpsOn(log);
    ASSERT_TRUE(Driller().Time()->strokes);
    EXPECT_EQ(Driller().Setup().lagByStrokesFromWits, 1);
    EXPECT_EQ(Driller().Lag().allPumps, 1);
    for (const std::jthread& t : log.engines.pumpThreads)
        EXPECT_TRUE(t.joinable());
    // The tick takes the strokes before the drilling time's tick, and the pumps-on byte serves the start only.
    Tick(0.2);
    EXPECT_EQ(Driller().Lag().allPumps, 0);

    testing_support::EditSteps(Driller(), [](drilling::DrillerSteps& v) { v.tables = {}; });
    commands.PumpsOn(log);
    EXPECT_FALSE(Driller().Time()->strokes);
    for (const std::jthread& t : log.engines.pumpThreads)
        EXPECT_FALSE(t.joinable());
    EXPECT_EQ(Driller().Steps().tables.depth[0], 951.0f);  // rebuilt by time
    EXPECT_EQ(doubles().sounder.beeps, 1);
}

}  // namespace
