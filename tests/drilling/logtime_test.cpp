// The drilling clock: the lag walk, the alarm flags it raises, the keys and the status texts.
#include "drillingfixture.h"

#include "support/files.h"
#include "support/testmain.h"
#include "wellfile/datafile.h"

using namespace drilling;
using namespace drilling_testing;
using testing_support::doubles;

namespace {

class LogTimeTest : public DrillingTest {
protected:
    // Ticks until the unit reaches `second` (at most two minutes).
    void RunToUnitSecond(int second)
    {
        for (int i = 0; i < 600 && Time().unitSeconds < second; ++i)
            Run(0.2);
    }
    // Sets the last record's lag time before the driller starts.
    void SetLagTime(float minutes)
    {
        auto last = wellfile::ReadLastRecord(well, well.dataFileName);
        last->lagTime = minutes;
        ASSERT_EQ(wellfile::WriteLastRecord(*last, well.dataFileName), 1);
    }
    // Ten units of the polled box, pulses 30 s apart.
    void DrillTenPolledUnits()
    {
        for (int unit = 0; unit < 10; ++unit) {
            Run(30);
            HalfPulse();
            Run(30);
            Pulse(StepSource::Polled);
        }
    }
};

TEST_F(LogTimeTest, LagDepthFollowsTheReturnsEveryFourthSecond)
{
    MakeWellOnDisk(900, 1000);
    SetLagTime(5.0f);
    StartDriller();
    DrillTenPolledUnits();
    ASSERT_EQ(well.fileBottomDepth, 1010);
    const float before = driller->LagDepth();
    RunToUnitSecond(3);
    EXPECT_EQ(driller->LagDepth(), before);  // seconds 0 to 3 move nothing
    RunToUnitSecond(4);
    EXPECT_FLOAT_EQ(driller->LagDepth(), 1005.0f);
    RunToUnitSecond(28);
    EXPECT_FLOAT_EQ(driller->LagDepth(), 1005.0f);
    RunToUnitSecond(32);
    EXPECT_FLOAT_EQ(driller->LagDepth(), 1005.5f);
}

TEST_F(LogTimeTest, NoLagTimeNoWalkAndBottomsUpClearsTheRings)
{
    MakeWellOnDisk(900, 1000);
    SetLagTime(0.0f);
    StartDriller();
    DrillTenPolledUnits();
    RunToUnitSecond(20);
    EXPECT_EQ(driller->LagDepth(), 0.0f);

    Time().lagTime = 0.01f;
    RunToUnitSecond(24);
    EXPECT_FLOAT_EQ(driller->LagDepth(), 1010.0f);
    EXPECT_EQ(driller->Steps().stepIndex, 0);
    EXPECT_EQ(driller->Steps().tables.depth[0], 0.0f);
    EXPECT_EQ(driller->Steps().tables.clock[19], 0.0f);
}

TEST_F(LogTimeTest, LagAlarmSoundsOncePerMultipleOfItsInterval)
{
    MakeWellOnDisk(900, 1300);
    StartDriller();
    testing_support::EditSetup(*driller, [](drilling::DrillerSetup& v) { v.lagAlarmInterval = 10; });
    testing_support::EditSteps(*driller, [](drilling::DrillerSteps& v) { v.stepIndex = 1; });
    const auto walkTo = [this](float depth) {
        // Slot 0: up at once.
        testing_support::EditSteps(*driller, [depth](drilling::DrillerSteps& v) { v.tables.depth[0] = depth; });
        Time().UpdateLagDepth(false);
    };
    walkTo(1229);
    walkTo(1230);
    walkTo(1230.5f);
    EXPECT_EQ(doubles().sounder.played, QStringList{well.dataFolder + "Lag Alarm.wav"});
    walkTo(1231);
    walkTo(1240);
    EXPECT_EQ(doubles().sounder.played.size(), 2);
}

TEST_F(LogTimeTest, TimeAlarmHoldsThroughTheAlarmHourOnly)
{
    MakeWellOnDisk(900, 1000);
    Clock().now = QDateTime(QDate(2026, 3, 6), QTime(10, 29, 58));
    StartDriller();
    driller->Alarms()->settings.alarmHour = 10;
    driller->Alarms()->settings.alarmMinute = 30;
    auto& flag = driller->Alarms()->flags[kAlarmTime];
    Run(1);
    EXPECT_EQ(flag, 0);
    Run(2);
    EXPECT_EQ(flag, 1);
    ASSERT_FALSE(raised.isEmpty());
    EXPECT_EQ(raised.back().kind, kAlarmTime);
    EXPECT_EQ(raised.back().text, "Alarm time 10 : 30");
    Run(60);
    EXPECT_EQ(flag, 0);

    driller->Alarms()->settings.alarmMinute = 59;
    Clock().now = QDateTime(QDate(2026, 3, 6), QTime(10, 59, 30));
    Run(1);
    EXPECT_EQ(flag, 1);
    Run(60);  // 11:00: not the alarm hour any more
    EXPECT_EQ(flag, 1);
}

TEST_F(LogTimeTest, SetFlagsAreRaisedOnceASecondInTheirOrder)
{
    MakeWellOnDisk(900, 1000);
    StartDriller();
    auto& f = driller->Alarms()->flags;
    for (int kind : {kAlarmHighGas, kAlarmDepth, kAlarmLongUnit, kAlarmTime, kAlarmBottomsUp, kAlarmDrillingBreak})
        f[std::size_t(kind)] = 1;
    Run(0.2);
    QList<int> kinds;
    QStringList texts;
    for (const Raised& r : raised)
        kinds << r.kind, texts << r.text;
    EXPECT_EQ(kinds, (QList<int>{0, 7, 2, 3, 4}));
    EXPECT_EQ(texts[3], "Long Foot");
    EXPECT_EQ(texts[4], "Alarm High Gas");

    raised.clear();
    f[kAlarmLongUnit] = 0;
    Run(1);
    ASSERT_EQ(raised.size(), 5);
    EXPECT_EQ(raised[3].text, "Alarm Depth");
}

TEST_F(LogTimeTest, DrillingKeys)
{
    MakeWellOnDisk(900, 1000);
    StartDriller();
    LogTime& t = Time();
    t.KeyDown('F', false);
    EXPECT_EQ(doubles().sounder.beeps, 1);
    EXPECT_EQ(driller->Steps().stepPending, 0);
    t.KeyDown('F', true);
    EXPECT_EQ(doubles().sounder.beeps, 2);
    EXPECT_EQ(driller->Steps().stepPending, 1);
    EXPECT_EQ(driller->Steps().keyboardStep, 1);
    testing_support::EditSteps(*driller, [](drilling::DrillerSteps& v) { v.stepPending = v.keyboardStep = 0; });

    t.KeyDown('D', false);
    EXPECT_EQ(t.offBottom, 0);
    t.KeyDown('D', true);
    EXPECT_EQ(t.offBottom, 1);
    t.KeyDown('d', true);
    EXPECT_EQ(t.offBottom, 0);

    t.KeyDown('C', true);
    EXPECT_EQ(t.offBottom, 1);
    EXPECT_EQ(t.circulating, 1);
    t.KeyDown('C', true);
    EXPECT_EQ(t.circulating, 0);
    EXPECT_EQ(doubles().sounder.beeps, 2);
}

TEST_F(LogTimeTest, StatusTextsAtTheirPlaces)
{
    MakeWellOnDisk(900, 1000);
    state.layout.format.trackUnit = 13;
    state.layout.format.pixelsPerStep = 11;
    state.layout.format.logRight = 800;
    StartDriller();
    Run(30);
    HalfPulse();
    Run(40);
    Pulse(StepSource::Polled);
    Run(75);
    const auto rate = canvas.Texts("Rate:");
    ASSERT_FALSE(rate.isEmpty());
    EXPECT_EQ(rate.back().text, "Rate:  1:15    LM: 1.33 ");
    EXPECT_EQ(rate.back().x, 18);
    EXPECT_EQ(rate.back().y, 33);

    Time().KeyDown('D', true);
    Time().offBottomClock = Clock().ms - 3'725'000;
    Run(0.2);
    const auto down = canvas.Texts("Down time:");
    ASSERT_FALSE(down.isEmpty());
    EXPECT_EQ(down.back().text, "Down time: 01: 02: 05  ");
    EXPECT_EQ(down.back().x, 400 - 8 * 13);
    EXPECT_EQ(down.back().y, 4 * 13);

    Time().KeyDown('D', true);
    const auto drilling = canvas.Texts("          DRILLING");
    ASSERT_EQ(drilling.size(), 1);
    EXPECT_EQ(drilling[0].align, TextAlign::Centre);
    EXPECT_EQ(drilling[0].x, 400);
}

TEST_F(LogTimeTest, TheDateMemoGoesToTheLastRecordAtMidnight)
{
    MakeWellOnDisk(900, 1000);
    state.layout.schemes.trackFlags[layout::FLAG_MEMOS] = 1;
    state.layout.format.rate.left = 9;
    state.layout.format.rate.count = 2;
    Clock().now = QDateTime(QDate(2026, 3, 6), QTime(23, 59, 58));
    StartDriller();
    Run(1);
    EXPECT_TRUE(links.memos.isEmpty());
    Run(2);
    ASSERT_EQ(links.memos.size(), 1);
    EXPECT_EQ(links.memos[0].text, " 7/03/2026");
    EXPECT_EQ(links.memos[0].depth, 999);  // record (bottom - first) / step - 1
    EXPECT_EQ(links.memos[0].x, 14);
}

}  // namespace
