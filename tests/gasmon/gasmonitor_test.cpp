// The "Gas Monitor" command on the main window: on and off with the instrument that opens no link here
// (the UDP interface) or with a com port that cannot be opened, the TVD refusal, the answers with no
// engine, and the live window with its heading and lines.
#include "app/commandids.h"
#include "app/opendatafile.h"
#include "gasmon/gasdisplayheading.h"
#include "gasmon/gasmonitor.h"
#include "gasmon/ui/gasdisplaydlg.h"
#include "platform/folders.h"
#include "shell/ui/logwindow.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/wellconfig.h"

#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <cstring>

using testing_support::doubles;
using testing_support::TestDir;

namespace {

class GasMonitorCommand : public ::testing::Test {
protected:
    GasMonitorCommand()
    {
        app::LogState& s = window.State();
        EXPECT_FALSE(testing_support::MakeWell(TestDir(), "ALPHA.svm", 900, 1000).isEmpty());
        wellfile::OpenWell& f = s.well.file;
        f.dataFolder = f.currentFolder = TestDir();
        f.wellName = "ALPHA";
        f.dataFileName = TestDir() + "ALPHA.svm";
        f.fileTopDepth = 900;
        f.fileBottomDepth = 1000;
        s.well.fileOpened = true;
        s.well.loggerId = 12;
        s.engineStatus.gasInstrumentType = 9;
        config = wellfile::DefaultWellConfig({});
        bool field = false;
        EXPECT_TRUE(wellfile::SaveConfig(config, app::PlaceOf(s), field));
        timers = doubles().timers.last;
    }
    std::int32_t SavedFlag()
    {
        wellfile::WellConfig c{};
        const QByteArray bytes = testing_support::ReadBytes(wellfile::OwnConfigPath(app::PlaceOf(window.State()), false));
        if (bytes.size() != qsizetype(sizeof c))
            return -1;
        std::memcpy(&c, bytes.constData(), sizeof c);
        return c.gasMonitorOn;
    }
    int SetupItems() const
    {
        const shell::MenuItem* popup = window.Menu().SubMenu(4);
        int n = 0;
        for (const shell::MenuItem& item : popup ? popup->items : std::vector<shell::MenuItem>{})
            n += item.id == app::cmd::GasMonitorSetup ? 1 : 0;
        return n;
    }
    void Command() { window.EvCommand(app::cmd::GasMonitor); }

    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    wellfile::WellConfig config{};
    testing_support::FakeTimers* timers = nullptr;
};

TEST_F(GasMonitorCommand, OnAndOffKeepTheTimerTheMenuAndTheWellsRecordInStep)
{
    app::LogState& s = window.State();
    ASSERT_NE(timers, nullptr);
    for (int round = 0; round < 2; ++round) {
        Command();
        ASSERT_NE(s.engines.autoGas, nullptr) << round;
        EXPECT_TRUE(s.engineStatus.gasMonitorRunning);
        EXPECT_EQ(timers->Period(1), 300);
        EXPECT_EQ(SavedFlag(), 1);
        EXPECT_EQ(SetupItems(), 1) << "once, however often it is switched on";

        Command();
        EXPECT_EQ(s.engines.autoGas, nullptr);
        EXPECT_FALSE(s.engineStatus.gasMonitorRunning);
        EXPECT_FALSE(timers->IsRunning(1));
        EXPECT_EQ(SavedFlag(), 0);
    }

    // An answer with no engine does nothing (and the window takes the message).
    EXPECT_NO_FATAL_FAILURE(window.EvGasResponse(5, 0));

    s.well.tvdFile = true;
    Command();
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, QStringLiteral("Can Not enable gas monitor in a TVD file"));
    EXPECT_EQ(doubles().prompter.messages[0].caption, QStringLiteral("StrativM"));
    EXPECT_EQ(s.engines.autoGas, nullptr);
    EXPECT_EQ(SavedFlag(), 0);
}

TEST_F(GasMonitorCommand, AComPortThatCannotBeOpenedLeavesTheMonitorOffAndSaysSo)
{
    app::LogState& s = window.State();
    s.engineStatus.gasInstrumentType = 3;
    gasmon::GASMONCFG cfg{};
    cfg.gasComPort = 4;
    cfg.witsComPort = 2;
    ASSERT_EQ(gasmon::WriteGasmonCfg(cfg, {TestDir(), {}}), 1);
    platform::WriteSetting(QStringLiteral("Serial/COM4"), TestDir() + QStringLiteral("missing-tty"));
    config.gasMonitorOn = 1;
    bool field = false;
    ASSERT_TRUE(wellfile::SaveConfig(config, app::PlaceOf(s), field));

    Command();
    EXPECT_EQ(s.engines.autoGas, nullptr);
    EXPECT_FALSE(s.engineStatus.gasMonitorRunning);
    EXPECT_FALSE(timers->IsRunning(1));
    EXPECT_EQ(SavedFlag(), 0);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_TRUE(doubles().prompter.messages[0].text.startsWith(QStringLiteral("Unable to connect to Com 4 \n\rCom 4 may")));
}

TEST(GasMonitorSwitchOff, AnOpenChartIsClosedThroughTheChartCommand)
{
    app::LogState log;
    log.well.file.dataFolder = log.well.file.currentFolder = TestDir();
    log.well.file.wellName = "ALPHA";
    log.engineStatus.gasInstrumentType = 9;
    QStringList calls;
    bool chartOpen = true;
    gasmon::GasMonitorWindow w;
    w.buildMenu = [&](app::LogState&, int part) { calls << QStringLiteral("BuildMenu %1").arg(part); };
    w.buildMudlogMenu = [&](app::LogState&) { calls << "BuildMudlogMenu"; };
    w.checkMenuItem = [&](app::LogState&, int id, bool on) { calls << QStringLiteral("Check %1 %2").arg(id).arg(on); };
    w.appendMenuItem = [&](app::LogState&, int pos, int id, const QString&) { calls << QStringLiteral("Append %1 %2").arg(pos).arg(id); };
    w.gasChartOpen = [&](app::LogState&) { return chartOpen; };
    w.closeGasChart = [&](app::LogState&) {
        calls << "CmGasChart";
        chartOpen = false;
    };
    gasmon::GasMonitorCommands commands(std::move(w));
    commands.CmGasMonitor(log);
    EXPECT_EQ(calls, QStringList({"BuildMudlogMenu", "Check 51779 1", "Append 4 51800"}));
    calls.clear();
    commands.CmGasMonitor(log);
    EXPECT_EQ(calls, QStringList({"Check 51779 0", "CmGasChart", "BuildMudlogMenu"}));
    EXPECT_EQ(log.engines.autoGas, nullptr);
}

TEST(GasDisplay, HeadingsFollowTheInstrumentAndTheProfile)
{
    gasmon::HeadingInputs in;
    in.instrumentType = 14;
    EXPECT_EQ(gasmon::GasDisplayHeading(in), QStringLiteral("TG     C1    C2    C3    IC4   Nc4   IC5    NC5   Run"));
    in.instrumentType = 4;
    EXPECT_EQ(gasmon::GasDisplayHeading(in), QStringLiteral("HW    S   C2   C3   IC4  Nc4  C1 Index Cycletime"));
    in.instrumentType = 3;
    in.profile = 91;
    EXPECT_EQ(gasmon::GasDisplayHeading(in), QStringLiteral("HW    C1   C2   C3   IC4  Nc4  Index  CycleTime"));
    in.profile = 12;
    EXPECT_EQ(gasmon::GasDisplayHeading(in), QStringLiteral("HW    C1   C2   C3   IC4  Nc4  C5 Index CycleTime"));
    in.type2Mode = true;
    in.profile = 2;
    EXPECT_EQ(gasmon::GasDisplayHeading(in), QStringLiteral("TG    C1   C2   C3   IC4  Nc4  IC5   NC5   CO2"));
    in.customLinkMode = 5;
    EXPECT_TRUE(gasmon::GasDisplayHeading(in).endsWith(QStringLiteral("CO2  Run")));
}

TEST(GasDisplay, LinesAreReplacedOnlyWhereGivenAndControlsStandInTheirRows)
{
    QWidget parent;
    gasmon::GasDisplayDlg dlg(&parent);
    dlg.SetHeading(QStringLiteral("HEAD"));
    ASSERT_TRUE(dlg.Create());
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("STRATIV GAS MONITOR"));
    EXPECT_EQ(dlg.GetText(gasmon::GasDisplayDlg::kHeading), QStringLiteral("HEAD"));
    const QString one = "one", two = "two", three = "three", four = "four";
    dlg.SetLines(&one, &two, &three, &four);
    dlg.SetLines(nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(dlg.GetText(199), one);
    EXPECT_EQ(dlg.GetText(200), two);
    EXPECT_EQ(dlg.GetText(202), three);
    EXPECT_EQ(dlg.GetText(201), four);
    const QString fresh = "fresh";
    dlg.SetLines(&fresh, nullptr, nullptr, nullptr);
    EXPECT_EQ(dlg.GetText(199), fresh);
    EXPECT_EQ(dlg.GetText(200), two);

    // Top to bottom: heading, line 1, line 2, then 202 above 201; all as wide as each other.
    const auto y = [&](int id) { return dlg.Control(id)->geometry().top(); };
    EXPECT_LT(y(141), y(199));
    EXPECT_LT(y(199), y(200));
    EXPECT_LT(y(200), y(202));
    EXPECT_LT(y(202), y(201));
    EXPECT_EQ(dlg.Control(199)->width(), dlg.Control(201)->width());
    EXPECT_GT(dlg.width(), dlg.Control(199)->geometry().right());
    EXPECT_TRUE(qobject_cast<QLineEdit*>(dlg.Control(199))->isReadOnly());
}

}  // namespace

namespace {

TEST(GasMonitorChart, TheRunningMonitorWritesItsSamplesIntoTheOpenWellsChartFolder)
{
    app::LogState log;
    wellfile::OpenWell& f = log.well.file;
    f.dataFolder = TestDir() + "data/";
    f.currentFolder = TestDir();
    f.wellName = "ALPHA";
    f.dataFileName = testing_support::MakeWell(TestDir(), "ALPHA.svm", 1000, 1100);
    f.fileTopDepth = 1000;
    f.fileBottomDepth = 1100;
    log.engineStatus.gasInstrumentType = 9;
    gasmon::GasMonitorCommands commands{gasmon::GasMonitorWindow{}};
    commands.CmGasMonitor(log);
    ASSERT_NE(commands.engine(), nullptr);
    for (int i = 0; i < 70; ++i) {  // 21 s of ticks: eleven samples, ten of them written
        doubles().clock.Advance(300);
        commands.Poll(log);
    }
    const QByteArray day = testing_support::ReadExistingBytes(TestDir() + "chart/ALPHA@1-15-26.cht");
    ASSERT_EQ(day.size(), 2419200);
    const int slot = 8 * 1800 + 30 * 30;  // 08:30:00
    EXPECT_EQ(+testing_support::At<gasmon::CHARTRECORD>(day, qsizetype(slot + 9) * 56).depth, 1100);
    EXPECT_EQ(+testing_support::At<gasmon::CHARTRECORD>(day, qsizetype(slot + 10) * 56).depth, 0);
    commands.CmGasMonitor(log);  // off: the last sample is written too
    EXPECT_EQ(+testing_support::At<gasmon::CHARTRECORD>(
                   testing_support::ReadExistingBytes(TestDir() + "chart/ALPHA@1-15-26.cht"), qsizetype(slot + 10) * 56)
                   .depth,
              1100);
}

}  // namespace
