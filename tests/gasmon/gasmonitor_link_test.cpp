// The "Gas Monitor" command on a main window against a real instrument (pymodbus on a pty pair): the
// window's settings reach the engine (the CO2 track books CO2, a running WITS link sends the components)
// and the detector's coils are set at start and stop.
#include "app/commandids.h"
#include "app/wellservices.h"
#include "drilling/driller.h"
#include "drilling/drillingstate.h"
#include "drilling/logtime.h"
#include "gasmon/gasmonitor.h"
#include "gasmon/ui/gasdisplaydlg.h"
#include "layout/trackflags.h"
#include "platform/commlinks.h"
#include "platform/folders.h"
#include "shell/ui/logwindow.h"
#include "support/doubles.h"
#include "support/drillerstate.h"
#include "support/files.h"
#include "support/modbuspeer.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/datafile.h"
#include "wits/wits.h"
#include "wits/witshost.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

constexpr int kFirst = 1000, kLast = 1100;

class GasMonitorOnALine : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!PymodbusInstalled())
            GTEST_SKIP() << "python3-pymodbus is not installed (scripts/install-deps.sh installs it)";
        app::LogState& s = window.State();
        QDir().mkpath(TestDir() + "gas");
        wellfile::OpenWell& f = s.well.file;
        f.dataFileName = MakeWell(TestDir(), "ALPHA.svm", kFirst, kLast);
        f.dataFolder = f.currentFolder = TestDir();
        f.wellName = "ALPHA";
        f.fileTopDepth = kFirst;
        f.fileBottomDepth = kLast;
        f.viewTopDepth = kFirst;
        f.viewDepthSpan = 40;
        s.well.fileOpened = true;
        s.well.loggerId = 12;
        s.engineStatus.gasInstrumentType = 3;
        cfg.gasComPort = 3;
        cfg.witsComPort = 2;
        cfg.cycleTime = 300;
        cfg.ratioMode = 1;
        const float shares[7] = {0.5f, 0.25f, 0.125f, 0.0625f, 0.0625f, 0, 0};
        std::copy(shares, shares + 7, cfg.ratios);
        ASSERT_EQ(gasmon::WriteGasmonCfg(cfg, {TestDir(), {}}), 1);
        ASSERT_TRUE(line.Start()) << "socat pty pair";
        platform::WriteSetting(QStringLiteral("Serial/COM3"), line.a);
        // Gain range 1250; the hot wire at register 3, channel 3 at register 7.
        StartPeer(peer, {"--rtu", line.b, "--ir", "2=3", "--ir", "3=4000", "--ir", "7=8000"});
        timers = doubles().timers.last;
    }
    void TearDown() override
    {
        app::LogState& s = window.State();
        if (s.engineStatus.gasMonitorRunning)
            Command();
        drilling::AttachDriller(s, nullptr);
        s.engines.wits = nullptr;
        platform::CloseAllConnectionsForTest();
    }
    void Command() { window.EvCommand(app::cmd::GasMonitor); }
    gasmon::AutoGas* Engine() { return window.State().engines.autoGas; }
    bool Idle() { return Spin([this] { return !Engine()->Readings().requestOutstanding; }, kLoadedMs); }
    // Timer 1 of the window, and the answer to the request it sent.
    bool Tick()
    {
        doubles().clock.Advance(300);
        return timers->Fire(1) && Idle();
    }
    // Drilling mode's driller on the window's state, lag 30 minutes, the lag depth at `lag`.
    void Drilling(float lag)
    {
        app::LogState& s = window.State();
        driller = std::make_unique<drilling::Driller>(facts, wits::WitsAlarmHost{});
        testing_support::EditSteps(*driller, [](drilling::DrillerSteps& v) { v.rebuilding = 0; });
        driller->SetTime(std::make_unique<drilling::LogTime>(*driller, 30.0f));
        driller->SetLagDepth(lag);
        drilling::AttachDriller(s, driller.get());
    }

    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    gasmon::GASMONCFG cfg{};
    FakeTimers* timers = nullptr;
    PtyPair line;
    Child peer;
    drilling::DrillingHost facts{window.State()};
    std::unique_ptr<drilling::Driller> driller;
};

TEST_F(GasMonitorOnALine, TheLogsCo2TrackBooksCo2AndARunningWitsLinkSendsTheComponents)
{
    app::LogState& s = window.State();
    s.layout.schemes.trackFlags[layout::FLAG_CO2] = 1;
    Drilling(1050);
    // A WITS link of the profile whose output frame carries the components.
    s.well.loggerId = 134;
    app::WellServices services;
    wits::WitsHost witsHost(s, services);
    wits::Wits link(witsHost, wits::WitsAlarmHost{});
    s.engines.wits = &link;
    s.engineStatus.witsRunning = true;

    Command();
    s.well.config.sendGasViaWits = 1;  // the command took the well's settings again
    ASSERT_NE(Engine(), nullptr);
    ASSERT_TRUE(Idle());
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(Tick()) << i;
    const float co2 = Engine()->Readings().values[8];
    const float total = Engine()->Readings().record.totalGas;
    EXPECT_GT(co2, 0) << "channel 3 is CO2 with the track on";
    EXPECT_GT(total, 0);

    driller->SetLagDepth(1060);
    timers->Fire(1);  // the lag depth moved: the step is booked
    const wellfile::RECORD booked = FileRecords<wellfile::RECORD>(s.well.file.dataFileName).at(1060 - kFirst);
    EXPECT_FLOAT_EQ(booked.gas[wellfile::GAS_TG], total);
    EXPECT_FLOAT_EQ(booked.gas[wellfile::GAS_NINTH], co2) << "CO2 at record offset 60";

    const std::string frame = link.BuildOutputFrame();
    EXPECT_NE(frame.find("1212" + std::to_string(int(total * 0.5f)) + "\r\n"), std::string::npos) << frame;
    EXPECT_NE(frame.find("1213" + std::to_string(int(total * 0.25f)) + "\r\n"), std::string::npos) << frame;
    Command();
    s.engines.wits = nullptr;
}

TEST_F(GasMonitorOnALine, TheDetectorsCoilsAreSetOffAtStartAndCoilThreeAgainBeforeTheLinkCloses)
{
    Command();
    ASSERT_NE(Engine(), nullptr);
    ASSERT_TRUE(Idle());
    EXPECT_TRUE(PeerLogText().startsWith("247 15 1 4\n247 coils 1 0,0,0,0\n")) << PeerLogText().toStdString();
    ASSERT_TRUE(Tick());
    ASSERT_TRUE(Tick());
    EXPECT_TRUE(PeerLogText().endsWith("247 4 3 12\n")) << "then the detector is read";

    const std::uint32_t handle = Engine()->Handle();
    QElapsedTimer clock;
    clock.start();
    Command();
    EXPECT_EQ(Engine(), nullptr);
    ASSERT_TRUE(Spin([&] { return platform::FindCommLink(handle) == nullptr; }, kLoadedMs)) << "the link is closed";
    EXPECT_GE(clock.elapsed(), 900) << "a second after the last write";
    EXPECT_TRUE(PeerLogText().endsWith("247 4 3 12\n247 15 1 4\n247 coils 1 0,0,0,0\n")) << PeerLogText().toStdString();
}

}  // namespace

// "Gas Monitor" for the first time (no window place saved yet): the live window opens inside the main
// window below its menu bar, so the menus stay within reach.
TEST_F(GasMonitorOnALine, TheFirstLiveWindowOpensBelowTheMenuBarInsideTheMainWindow)
{
    window.AssignMenu(1);
    window.BuildMenu(-1);
    window.setGeometry(20, 40, 760, 520);  // within the screen
    window.show();
    QCoreApplication::processEvents();
    const QWidget* menu = window.menuWidget();
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(menu->isVisible());

    Command();
    ASSERT_NE(Engine(), nullptr);
    ASSERT_TRUE(Idle());  // the window opens with the first answer
    const QList<gasmon::GasDisplayDlg*> shown = window.findChildren<gasmon::GasDisplayDlg*>();
    ASSERT_EQ(shown.size(), 1);
    const QRect live = shown[0]->frameGeometry();
    const int menuBottom = window.mapToGlobal(QPoint(0, menu->geometry().bottom())).y();
    EXPECT_GT(live.top(), menuBottom) << "over the menu bar";
    EXPECT_TRUE(window.frameGeometry().contains(live.topLeft()));
    Command();
}
