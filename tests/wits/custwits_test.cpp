// The custom WITS link without a port: its items as it takes them (the differences from the standard
// link, the depth tracking and its correction branch), the end of an answer, the blocks of the daily
// file by mode, the percent window and the frames it sends.
#include "drilling/driller.h"
#include "drilling/logalarm.h"
#include "drilling/logtime.h"
#include "linkwell.h"
#include "support/doubles.h"
#include "support/drillerstate.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/witsengine.h"
#include "wits/custwits.h"
#include "wits/sidefiles.h"
#include "wits/wits.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace wits;
using testing_support::doubles;
using testing_support::TestDir;
using testing_support::EditDepth;
using testing_support::EditPolls;
using testing_support::EditSettings;

namespace {

class CustWits : public ::testing::Test {
protected:
    CustWits()
    {
        lw.driller->SetTime(std::make_unique<drilling::LogTime>(*lw.driller, 30.0f));
        host.writeBlock = [this](const wellfile::WITSRECORD*, int count) { blocks << count; };
        host.correctFileDepth = [this](std::int32_t depth) {
            corrections << depth;
            lw.well.fileBottomDepth = depth;
            return 1;
        };
        for (std::size_t i = 0; i < lw.state.tables.witsOutTestGas.size(); ++i)
            lw.state.tables.witsOutTestGas[i] = kPattern[i];
        WitsAlarmHost alarmHost;
        alarmHost.dataFolder = [] { return TestDir(); };
        link = std::make_unique<CUSTWITS>(host, alarmHost);
        EditDepth(*link, [&](auto& v) { v.trackedDepth = 1200; });
    }
    void Item(const char* code, const char* value) { link->ProcessItem(code, value); }
    // One answer of hole and bit depth, closed.
    void Answer(float hole, float bit)
    {
        link->ParseItems(ItemText("0108", bit) + ItemText("0110", hole) + "!!\r\n");
    }
    static std::string ItemText(const char* code, float v) { return std::string(code) + std::to_string(v) + "\r\n"; }
    void EnableAlarm(int channel, float low, float high)
    {
        WitsAlarmEntry& e = link->Alarms().Entry(channel);
        e.Enabled = 1;
        e.Delay = 100;  // minutes: no alarm is raised while the test runs
        e.Low = low;
        e.High = high;
    }

    static constexpr float kPattern[20] = {100, 90.5f, 92.6f, 80.5f, 81.4f, 100, 95, 92, 80, 60,
                                           50,  20.5f, 10.8f, 5.6f,  4.8f,  10.4f, 100, 150.9f, 160, 170.8f};
    wits_testing::LinkWell lw;
    CustWitsHost host{lw.state, lw.services};
    QList<int> blocks;  // outlives the link, which writes its last block as it goes
    std::unique_ptr<CUSTWITS> link;
    QList<int> corrections;
};

TEST_F(CustWits, DepthItemsNeedTrackDepthAndTheHoleDepthNeverFallsBack)
{
    Item("0108", "1201.5");
    Item("0110", "1201.5");
    EXPECT_EQ(link->Sample().bitDepth, 0.0f);
    EXPECT_EQ(link->Sample().holeDepth, 0.0f);
    EXPECT_EQ(link->Polls().percent.good, 0.0f);
    EXPECT_EQ(lw.driller->Steps().stepPending, 0);
    EXPECT_EQ(lw.link.lastHoleDepth, 0.0f);

    EditSettings(*link, [&](auto& v) { v.trackDepth = true; });
    Item("0110", "1200.8");
    Item("0108", "1200.7");
    EXPECT_EQ(link->Sample().holeDepth, 1200.8f);
    EXPECT_EQ(lw.link.lastBitDepth, 1200.7f);
    EXPECT_EQ(link->Lines()[5], "1200.80");
    link->EndFrame();
    Item("0110", "1190");  // a bad sample: the previous sample's depth stays
    EXPECT_EQ(link->Sample().holeDepth, 1200.8f);
    Item("0110", "1201.2");
    EXPECT_EQ(link->Sample().holeDepth, 1201.2f);
}

TEST_F(CustWits, TorqueCountsAndTheRowsThisLinkTakesOtherwise)
{
    Item("0118", "300");
    Item("0119", "250");  // the same field: the last one stands, the maximum keeps the larger
    EXPECT_EQ(link->Sample().torque, 250);
    EXPECT_EQ(link->Depth().torqueMaximum, 300);
    EXPECT_EQ(link->Lines()[4], "250");
    EXPECT_EQ(lw.driller->Live().torque, 0);
    EXPECT_EQ(link->Sample().item0119, 0);

    // Whole numbers of which 16 bits are kept, with no range check; pump pressure above 10,000 is 0.
    Item("0116", "70000");
    EXPECT_EQ(link->Sample().wob, 70000 & 0xFFFF);
    Item("0121", "12000");
    EXPECT_EQ(link->Sample().pumpPressure, 0);
    Item("0121", "512.9");
    EXPECT_EQ(link->Sample().pumpPressure, 512);
    EXPECT_EQ(lw.driller->Live().pumpPressure, 512);

    // Gamma: no negative value, no alarm; with a sensor offset the first slot and a good poll.
    EnableAlarm(20, 10, 0);
    lw.link.gammaSensorOffset = 15;
    Item("0824", "-40");
    EXPECT_EQ(link->Sample().gamma, 0);
    Item("0824", "85");
    EXPECT_EQ(link->Sample().gamma, 85);
    EXPECT_EQ(lw.driller->WitsItems().gammaSlots[0], 85.0f);
    EXPECT_EQ(link->Depth().gamma.depth, 1185.0f);
    EXPECT_EQ(link->Polls().percent.good, 1.0f);
    EXPECT_EQ(link->Alarms().Entry(20).Value, 0.0f);

    // 1818, 1819 and 1821 feed their channels, not the live record.
    for (int channel : {18, 19, 20})
        EnableAlarm(channel, 0, 100000);
    Item("1818", "4100");
    Item("1819", "95");
    Item("1821", "66");
    EXPECT_EQ(link->Sample().downholePressure, 4100);
    EXPECT_EQ(link->Sample().downholeTemperature, 95);
    EXPECT_EQ(link->Sample().gamma, 66);
    EXPECT_EQ(link->Alarms().Entry(18).Value, 4100.0f);
    EXPECT_EQ(link->Alarms().Entry(19).Value, 95.0f);
    EXPECT_EQ(link->Alarms().Entry(20).Value, 66.0f);
    EXPECT_EQ(lw.driller->Live().downholePressure, 0);
    EXPECT_EQ(lw.driller->Live().downholeTemperature, 0);
}

TEST_F(CustWits, ItemsWithNoEffectLeaveTheSampleAsItWas)
{
    lw.link.gammaSensorOffset = 0;
    for (const char* code : {"0115", "0130", "0813", "0816", "0820", "0835", "0913", "0936", "1984", "0555"})
        Item(code, "1234.5");
    const wellfile::WITSRECORD empty{};
    EXPECT_EQ(std::memcmp(&link->Sample(), &empty, sizeof empty), 0);
    EXPECT_EQ(std::memcmp(&lw.driller->Live(), &empty, sizeof empty), 0);
    EXPECT_EQ(link->Polls().percent.good, 0.0f);
}

TEST_F(CustWits, AJumpMarksOneStepAndTheHoleDepthCountsTheAnswerOnce)
{
    EditSettings(*link, [&](auto& v) { v.trackDepth = true; });
    EditPolls(*link, [&](auto& v) { v.percent.exchanges = 4; });
    link->ParseItems("0110 1205.3\r\n0110 1205.4\r\n!!\r\n");  // the value after a blank is taken
    EXPECT_EQ(lw.driller->Steps().stepPending, 1);
    EXPECT_EQ(link->Depth().trackedDepth, 1205);
    EXPECT_EQ(lw.link.holeDepth, 1205.4f);
    EXPECT_EQ(link->Polls().percent.good, 1.0f);
    EXPECT_EQ(lw.driller->Live().witsPercent, 25.0f);
    EXPECT_EQ(link->Lines()[7], "25.0");
    EXPECT_EQ(link->SamplesWaiting(), 0);  // the slot's sample stays open for its later frames

    // Not deeper than the tracked depth: no step.
    testing_support::EditSteps(*lw.driller, [](drilling::DrillerSteps& v) { v.stepPending = 0; });
    Item("0110", "1205.9");
    EXPECT_EQ(lw.driller->Steps().stepPending, 0);

    // The depth from WITS, a jump of two units past the answer before: the file catches up, no step.
    drilling::DrillerSetup setup = lw.driller->Setup();
    setup.depthFromWits = 1;
    lw.driller->SetSetup(setup);
    Item("0110", "1208.1");
    EXPECT_EQ(corrections, QList<int>({1208}));
    EXPECT_EQ(lw.driller->Steps().stepPending, 0);
    EXPECT_EQ(link->Depth().trackedDepth, 1208);

    // Fast drilling: a frame less than two units on that crosses two unit lines books both units.
    Item("0110", "1210.05");
    EXPECT_EQ(corrections.size(), 1);
    EXPECT_EQ(lw.driller->Steps().stepPending, 1);
    EXPECT_EQ(lw.driller->Steps().riseUnits, 2);
    EXPECT_EQ(link->Depth().trackedDepth, 1210);
}

TEST_F(CustWits, TheUnmannedUnitStepsTheNextUnitAndCorrectsAnyOtherChange)
{
    EditSettings(*link, [&](auto& v) { v.trackDepth = true; });
    lw.state.well.config.unmannedUnit = 1;
    lw.state.well.loggerId = 79;
    doubles().clock.now = QDateTime(QDate(2026, 1, 15), QTime(14, 5, 30));

    Answer(1201, 1201);
    EXPECT_EQ(lw.driller->Steps().stepPending, 1);
    EXPECT_TRUE(corrections.isEmpty());
    // The drilling tick makes the step; the next answer at the same depth marks none.
    testing_support::EditSteps(*lw.driller, [](drilling::DrillerSteps& v) { v.stepPending = 0; });
    lw.well.fileBottomDepth = 1201;
    Answer(1201, 1201);
    EXPECT_EQ(lw.driller->Steps().stepPending, 0);

    EditDepth(*link, [&](auto& v) { v.trackedDepth = 1200; });
    lw.well.fileBottomDepth = 1200;
    Answer(1203, 1203);
    EXPECT_EQ(corrections, QList<int>({1203}));
    EXPECT_EQ(lw.driller->Steps().stepPending, 0);
    EXPECT_EQ(link->Depth().trackedDepth, 1203);  // the file's bottom depth after the correction
    const QByteArray text = testing_support::ReadBytes(UnmannedFileName(TestDir(), QDate(2026, 1, 15)));
    EXPECT_EQ(text, QByteArray(" Depth Correction from 1200 to 1203 at 14:05\n\r"));

    // The bit off bottom: the plain branch.
    Answer(1206.5f, 1206.2f);
    EXPECT_EQ(lw.driller->Steps().stepPending, 1);
    EXPECT_EQ(corrections.size(), 1);
}

TEST_F(CustWits, EndFrameSetsOnAndOffBottomFromHalfAUnit)
{
    drilling::LogTime& t = *lw.driller->Time();
    EditSettings(*link, [&](auto& v) { v.trackDepth = true; });
    wellfile::WITSRECORD& s = link->Sample();
    s.bitDepth = 1199.4f;
    s.holeDepth = 1200.0f;
    s.pumpPressure = 501;
    link->EndFrame();
    EXPECT_EQ(lw.driller->Bottom().offBottom, 1);
    EXPECT_NE(t.offBottom, 0);
    EXPECT_EQ(t.circulating, 1);

    wellfile::WITSRECORD& next = link->Sample();
    next.bitDepth = 1199.4f;
    next.holeDepth = 1200.0f;
    next.pumpPressure = 500;
    link->EndFrame();
    EXPECT_EQ(t.circulating, 0);

    wellfile::WITSRECORD& on = link->Sample();
    on.bitDepth = 1199.5f;
    on.holeDepth = 1200.0f;
    link->EndFrame();
    EXPECT_EQ(lw.driller->Bottom().offBottom, 0);
    EXPECT_EQ(t.offBottom, 0);

    // The stamp of the test clock and, in mode 1, the hole depth following a deeper bit.
    EditSettings(*link, [&](auto& v) { v.mode = 1; });
    wellfile::WITSRECORD& deeper = link->Sample();
    deeper.bitDepth = 1201.0f;
    deeper.holeDepth = 1200.0f;
    link->EndFrame();
    const wellfile::WITSRECORD& closed = link->LastClosed();
    EXPECT_EQ(closed.holeDepth, 1201.0f);
    EXPECT_EQ(closed.hour, 8);
    EXPECT_EQ(closed.minute, 30);
    EXPECT_EQ(closed.slot, 8 * 600 + 30 * 10);
}

TEST_F(CustWits, BlocksOfTenReachTheDailyFileInTheTwoPlainModesOnly)
{
    for (int mode = 0; mode <= 4; ++mode) {
        blocks.clear();
        EditSettings(*link, [&](auto& v) { v.mode = mode; });
        for (int i = 0; i < 10; ++i) {
            link->Sample().holeDepth = 1200;
            link->EndFrame();
            doubles().clock.Advance(6000);
        }
        EXPECT_EQ(blocks.size(), mode <= 1 ? 1 : 0) << "mode " << mode;
        EXPECT_TRUE(blocks.isEmpty() || blocks.front() == 10);
        EXPECT_EQ(link->SamplesWaiting(), 0);
    }
}

TEST_F(CustWits, PollsWaitForTheAnswerOrTheTimeOutAndTheWindowRestartsAfterFifty)
{
    link->SendOutput();
    EXPECT_TRUE(link->AwaitingReply());
    EXPECT_EQ(link->Polls().percent.exchanges, 1.0f);
    doubles().clock.Advance(2499);
    link->SendOutput();  // still awaited: nothing
    EXPECT_EQ(link->Polls().percent.exchanges, 1.0f);
    doubles().clock.Advance(1);
    link->SendOutput();  // the time-out passed: the poll counted unanswered, the next one goes
    EXPECT_EQ(link->Polls().percent.exchanges, 2.0f);
    EXPECT_EQ(link->Lines()[7], "0.0");

    // The percent falls with unanswered polls until the alarm's low limit.
    EnableAlarm(kWitsPercentChannel, 60, 0);
    EditPolls(*link, [&](auto& v) { v.percent.good = 1; });
    link->ReplyRead();
    link->SendOutput();
    EXPECT_EQ(link->Lines()[7], "50.0");
    EXPECT_EQ(link->Alarms().Entry(kWitsPercentChannel).Value, 50.0f);
    EXPECT_EQ(lw.driller->Live().witsPercent, 50.0f);

    EditPolls(*link, [&](auto& v) { v.percent.exchanges = 49; });
    link->ReplyRead();
    link->SendOutput();
    EXPECT_EQ(link->Polls().percent.exchanges, 50.0f);
    link->ReplyRead();
    link->SendOutput();
    EXPECT_EQ(link->Polls().percent.exchanges, 1.0f);
    EXPECT_EQ(link->Polls().percent.good, 0.0f);
    EXPECT_EQ(link->Lines()[16], std::to_string(link->Polls().bytesOut));
}

TEST_F(CustWits, ThePollFrameAndTheWitsOutFrames)
{
    lw.driller->SetLagDepth(1180);
    EXPECT_EQ(link->BuildOutputFrame(), "&&\r\n01391180.00\r\n0140 0.10\r\n!!\r\n");

    EditSettings(*link, [&](auto& v) { v.mode = 4; });
    EXPECT_EQ(link->BuildWitsOutFrame(),
              "&&\r\n01081200\r\n01101200\r\n0140100\r\n121275\r\n121350\r\n121425\r\n121512\r\n12167\r\n12170\r\n"
              "12222.5\r\n!!\r\n");
    std::string tenth;
    for (int call = 2; call <= 10; ++call)
        tenth = link->BuildWitsOutFrame();
    EXPECT_NE(tenth.find("\r\n014090\r\n"), std::string::npos) << tenth;
    EXPECT_NE(tenth.find("\r\n121267\r\n"), std::string::npos) << tenth;

    // The pattern wraps past its last entry.
    EditPolls(*link, [&](auto& v) { v.patternIndex = 19; v.patternCalls = 19; });
    EXPECT_NE(link->BuildWitsOutFrame().find("0140170\r\n"), std::string::npos);
    EXPECT_EQ(link->Polls().patternIndex, 0);

    // With the standard link running, its last depths go out, two decimals each.
    Wits standard(lw.host, WitsAlarmHost{});
    lw.state.engines.wits = &standard;
    lw.link.lastBitDepth = 1199.25f;
    lw.link.lastHoleDepth = 1201.5f;
    EXPECT_EQ(link->BuildWitsOutFrame(), "&&\r\n01081199.25\r\n01101201.50\r\n!!\r\n");
    EXPECT_EQ(link->Lines()[10], "1199.25");
    EXPECT_EQ(link->Lines()[5], "1201.50");
    lw.state.engines.wits = nullptr;
}

TEST_F(CustWits, AnAnswerCutAnywhereIsReadWhole)
{
    EditSettings(*link, [&](auto& v) { v.trackDepth = true; });
    link->ParseItems("&&\r\n01");
    link->ParseItems("10120");
    link->ParseItems("3.5\r\n012");  // a whole line so far, an item begun: the sample stays open
    link->ParseItems("1 700\r\n!!\r\n");
    EXPECT_EQ(link->SamplesWaiting(), 0);
    // Codes of fewer than four digits are no items.
    link->ParseItems("110 5\r\n");
    // The slot passes: the sample holds both items of the answer.
    doubles().clock.Advance(6000);
    link->SendOutput();
    EXPECT_EQ(link->SamplesWaiting(), 1);
    EXPECT_EQ(link->LastClosed().holeDepth, 1203.5f);
    EXPECT_EQ(link->LastClosed().pumpPressure, 700);
}

}  // namespace
