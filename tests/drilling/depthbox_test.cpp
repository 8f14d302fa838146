// The depth box on the game port as the drilling command leaves it: pulses, the on/off-bottom switch,
// the chromatograph trigger, the WITS depth taking over, and the poll of the switch.
#include "commandfixture.h"

#include "drilling/driller.h"
#include "drilling/logtime.h"
#include "shell/ui/logwindow.h"
#include "support/testmain.h"
#include "support/wells.h"

using namespace drilling;
using testing_support::doubles;

namespace drilling_testing {
namespace {

class DepthBox : public DrillingCommandTest {
protected:
    // Drilling on with `polarity` for the switch; the well's profile `profile`.
    void Start(int polarity = 0, int profile = 12)
    {
        config.switchPolarity = polarity;
        log.well.loggerId = std::uint16_t(profile);
        WriteConfig();
        Toggle();
        ASSERT_NE(log.engines.driller, nullptr);
    }
    bool OffBottom() { return Driller().Time()->offBottom != 0; }
};

TEST_F(DepthBox, PolledPulsesGiveHalfAndWholeStepsAndAPulseNeverQueues)
{
    Start();
    ASSERT_TRUE(log.drilling.polledKind);
    const int before = RecordCount();
    const bool expected[] = {true, false, true, false};  // the toggle after each pulse
    for (int pulse = 0; pulse < 4; ++pulse) {
        Tick(5);
        Press(kButton1);
        EXPECT_EQ(log.drilling.halfStepToggle, expected[pulse]) << pulse;
        EXPECT_EQ(Driller().Steps().halfStepPending, expected[pulse] ? 1 : 0) << pulse;
        EXPECT_EQ(Driller().Steps().stepPending, expected[pulse] ? 0 : 1) << pulse;
        Tick(0.2);
    }
    EXPECT_EQ(RecordCount(), before + 2);
    EXPECT_EQ(log.well.file.fileBottomDepth, 1002);

    // Within one tick: a half step pending still takes the second pulse; a whole step pending loses the third.
    Tick(5);
    Press(kButton1);
    Press(kButton1);
    EXPECT_FALSE(log.drilling.halfStepToggle);
    EXPECT_EQ(Driller().Steps().stepPending, 1);
    Press(kButton1);
    EXPECT_FALSE(log.drilling.halfStepToggle);
    Tick(0.2);
    EXPECT_EQ(RecordCount(), before + 3);

    // The toggle outlives a stop: the pulse after a restart completes the unit begun before it.
    Tick(5);
    Press(kButton1);
    Tick(0.2);
    Toggle();
    Toggle();
    EXPECT_TRUE(log.drilling.halfStepToggle);
    Tick(5);
    Press(kButton1);
    EXPECT_EQ(Driller().Steps().stepPending, 1);
}

TEST_F(DepthBox, TheSwitchRuleByPolarityAndProfile)
{
    struct Case {
        int polarity, profile;
        std::uint32_t word;
        bool offBottom;
    } cases[] = {
        {0, 12, kButton5, true},  {0, 12, 0, false},        {1, 12, 0, true},  {1, 12, kButton5, false},
        {2, 12, kButton5, false}, {2, 12, 0, false},        {0, 21, kButton5, false}, {1, 86, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "polarity " << c.polarity << " profile " << c.profile << " word " << c.word);
        if (log.engines.driller)
            Toggle();
        Start(c.polarity, c.profile);
        commands.JoyButton(log, c.word);
        EXPECT_EQ(OffBottom(), c.offBottom);
        EXPECT_EQ(Driller().Bottom().offBottom, c.offBottom ? 1 : 0);
        // The poll reads the same switch.
        doubles().gamePort.buttons = c.word ^ kButton5;
        Tick(4);
        const bool switchRead = c.profile == 12 && c.polarity != 2;
        EXPECT_EQ(OffBottom(), switchRead && !c.offBottom);
    }
}

TEST_F(DepthBox, ClosedOnBottomWithTheSwitchHeldDrills)
{
    doubles().gamePort.buttons = kButton5;  // the switch closed from the start
    Start(1);
    EXPECT_FALSE(OffBottom());
    const int before = RecordCount();
    for (int pulse = 0; pulse < 4; ++pulse) {
        Tick(5);
        Press(kButton1, kButton5);
        EXPECT_FALSE(OffBottom());
    }
    Tick(0.2);
    EXPECT_EQ(RecordCount(), before + 2);
}

TEST_F(DepthBox, WholeUnitKindTakesButton4AsTheSwitchAndAPulseAsAUnit)
{
    Start(0);
    log.drilling.polledKind = false;
    const int before = RecordCount();
    commands.JoyButton(log, kButton4 | kButton4Changed);
    EXPECT_TRUE(OffBottom());
    Tick(5);
    Press(kButton1, kButton4);  // off bottom: lost
    EXPECT_EQ(Driller().Steps().stepPending, 0);
    commands.JoyButton(log, kButton4Changed);
    EXPECT_FALSE(OffBottom());
    Tick(5);
    Press(kButton1);
    Tick(0.2);
    EXPECT_EQ(RecordCount(), before + 1);
    EXPECT_EQ(commands.JoyButton(log, 0), 0);  // the whole-unit kind answers 0, the polled kind 1
    log.drilling.polledKind = true;
    EXPECT_EQ(commands.JoyButton(log, 0), 1);
}

TEST_F(DepthBox, WitsDepthTakesOverTheSwitchAndPulsesButNotTheTrigger)
{
    config.useWitsDepth = 1;
    config.witsLinkOn = 1;
    config.gasMonitorOn = 1;
    Start(0);
    ASSERT_TRUE(wits.link);
    ASSERT_TRUE(gas.running);
    gas.calls.clear();
    log.engineStatus.gasInstrumentType = 3;
    Tick(5);
    commands.JoyButton(log, kButton5);
    Press(kButton1);
    EXPECT_FALSE(OffBottom());
    EXPECT_EQ(Driller().Steps().halfStepPending, 0);
    Press(kButton2);
    EXPECT_EQ(gas.calls, QStringList{"StartCycle"});  // a closing only

    log.engineStatus.gasInstrumentType = 0;
    Press(kButton2);
    EXPECT_EQ(gas.calls.size(), 3);  // closing and opening

    wits.link = false;  // the link stops: the box's switch is read again
    commands.JoyButton(log, kButton5);
    EXPECT_TRUE(OffBottom());
}

TEST_F(DepthBox, CaptureAtStartRecaptureEvery50TicksReleaseAtStop)
{
    testing_support::FakeGamePort& port = doubles().gamePort;
    port.buttons = kButton5;  // open on bottom with the switch open: off bottom at once
    Start(0);
    EXPECT_EQ(port.captures, 1);
    EXPECT_EQ(port.reads, 1);
    EXPECT_TRUE(OffBottom());

    port.readFails = true;  // the box was unplugged: the poll captures it again and keeps the last word
    port.buttons = 0;
    Tick(4);
    EXPECT_EQ(port.captures, 2);
    EXPECT_TRUE(OffBottom());
    EXPECT_EQ(log.drilling.joystickButtons, kButton5);
    port.readFails = false;
    Tick(6);  // tick 50
    EXPECT_EQ(port.captures, 3);
    EXPECT_FALSE(OffBottom());
    Toggle();
    EXPECT_EQ(port.releases, 1);
    EXPECT_FALSE(port.captured);
}

// The window's own path: the port posts to the window's handle, the window's drilling services step.
TEST(DepthBoxWindow, PostedButtonMessagesReachTheDriller)
{
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    app::LogState& s = window.State();
    ASSERT_FALSE(testing_support::MakeWell(testing_support::TestDir(), "ALPHA.svm", 900, 1000).isEmpty());
    wellfile::OpenWell& f = s.well.file;
    f.dataFolder = f.currentFolder = testing_support::TestDir();
    f.wellName = "ALPHA";
    f.dataFileName = testing_support::TestDir() + "ALPHA.svm";
    f.fileTopDepth = 900;
    f.fileBottomDepth = 1000;
    s.well.fileOpened = true;
    s.env.firstInstance = 1;
    window.CmDrilling();
    ASSERT_NE(s.engines.driller, nullptr);
    ASSERT_TRUE(doubles().timers.last->IsRunning(2));

    testing_support::FakeGamePort& port = doubles().gamePort;
    doubles().clock.Advance(5000);
    ASSERT_TRUE(port.Deliver(true, kButton1 | kButton1Changed));
    doubles().queue.DeliverAll();
    EXPECT_EQ(s.engines.driller->Steps().halfStepPending, 1);
    // A new log format while drilling leaves the box's kind: half pulses never turn into whole units.
    window.SetLogFormat(12);
    EXPECT_TRUE(s.drilling.polledKind);
    window.CmDrilling();
    EXPECT_EQ(s.engines.driller, nullptr);
}

}  // namespace
}  // namespace drilling_testing
