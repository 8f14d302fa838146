// The gas monitor set-up's engine buttons, help window, data views, exports and "Browse", the dialog
// driven by control numbers over real gas and chart files, its questions answered by the prompter.
#include "app/commandids.h"
#include "app/opendatafile.h"
#include "gasmon/autogas.h"
#include "gasmon/chartfile.h"
#include "gasmon/gasfile.h"
#include "gasmon/gasmonsetup.h"
#include "gasmon/gasmonsetup_session.h"
#include "gasmon/ui/autogasdlg.h"
#include "platform/modbus.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/gasengine.h"
#include "support/modbuspeer.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/wellconfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using testing_support::EditSettings;

using namespace gasmon;
using testing_support::doubles;
using testing_support::TestDir;

namespace {

const QDate kToday(2026, 1, 15);

class SetupRequests : public ::testing::Test {
protected:
    SetupRequests()
    {
        app::LogState& s = window.State();
        EXPECT_TRUE(testing_support::PointAtNewWell(s, "ALPHA", 1000, 1100));
        s.well.loggerId = 1;
        s.engineStatus.gasInstrumentType = 0;
        wellfile::WellConfig config = wellfile::DefaultWellConfig({});
        bool field = false;
        EXPECT_TRUE(wellfile::SaveConfig(config, app::PlaceOf(s), field));
        s.well.config = config;
        doubles().clock.now = QDateTime(kToday, QTime(10, 0));
    }

    // An engine of `type` that links to no instrument: the dialog only sets its requests.
    AutoGas& Engine(int type)
    {
        window.State().engineStatus.gasInstrumentType = type;
        engine = std::make_unique<AutoGas>(host, type, 0);
        return *engine;
    }
    void Profile(int p) { window.State().well.loggerId = p; }

    // Runs the dialog over a first-setup record (changed by `edit`) with `script` driving it.
    void RunDialog(const std::function<void(platform::Dialog&)>& script,
                   const std::function<void(GASMONCFG&)>& edit = {})
    {
        GASMONCFG cfg{};
        ApplyFirstSetupDefaults(cfg, window.State().engineStatus.gasInstrumentType);
        if (edit)
            edit(cfg);
        GasSetupHooks hooks;
        hooks.gasChartOpen = [this] { return chartOpen; };
        hooks.closeGasChart = [this] {
            chartOpen = false;
            ++chartsClosed;
        };
        GasSetupSession session(window.State(), engine.get(), cfg, std::move(hooks));
        bool ran = false;
        platform::Dialog::QueueTestScript([&](platform::Dialog& d) {
            ran = true;
            script(d);
        });
        RunAutoGasDlg(&window, session, window.Tools().helpWindow);
        EXPECT_TRUE(ran);
    }

    // The well's gas file with records booked at `depths`, in order.
    void WriteGas(std::initializer_list<int> depths)
    {
        ASSERT_TRUE(QDir().mkpath(TestDir() + "gas"));
        std::vector<GASRECORD> rows;
        for (int depth : depths) {
            GASRECORD r{};
            r.lagDepth = depth - 5;
            r.bottomDepth = depth;
            r.totalGas = float(depth - 990);
            rows.push_back(r);
        }
        testing_support::WriteRecords(GasFileName(TestDir(), "ALPHA"), rows);
    }
    // Today's day file, made whole, with a sample at 10:00:00 at `depth`.
    void WriteToday(int depth)
    {
        const QString path = ChartFileName(TestDir() + "chart/", "ALPHA", kToday);
        ASSERT_TRUE(QDir().mkpath(TestDir() + "chart"));
        ASSERT_EQ(WriteChartRecords(ChartPlace{}, nullptr, 0, path), 1);
        CHARTRECORD r = PresetChartRecord(kToday, 10 * 1800);
        r.depth = std::uint16_t(depth);
        ASSERT_EQ(WriteChartRecords(ChartPlace{}, &r, 1, path), 1);
    }

    static bool Hidden(platform::Dialog& d, int id) { return d.Control(id)->isHidden(); }
    static QString Text(const QByteArray& bytes) { return QString::fromLatin1(bytes); }
    const testing_support::AskedMessage* LastMessage() const
    {
        return doubles().prompter.messages.isEmpty() ? nullptr : &doubles().prompter.messages.back();
    }

    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    GasHost host{window.State()};
    std::unique_ptr<AutoGas> engine;
    bool chartOpen = false;
    int chartsClosed = 0;
};

TEST_F(SetupRequests, TheElutionSetupAsksByProfileAndTypeAndItsAnswerSetsOrClearsTheRequest)
{
    struct Case {
        int profile, type;
        const char* phrase;
    };
    for (const Case& c : {Case{17, 0, "(Sum-NC4)"}, Case{1, 8, "You have 20 seconds"}, Case{1, 15, "You have 20 seconds"},
                          Case{1, 3, "(C5 must be entered manually)"}}) {
        SCOPED_TRACE(c.type);
        Profile(c.profile);
        AutoGas& e = Engine(c.type);
        doubles().prompter.answers = {platform::IDOK};
        RunDialog([](platform::Dialog& d) {
            d.Command(kSetElution);
            EXPECT_FALSE(d.isVisible()) << "OK closes the set-up";
        });
        ASSERT_NE(LastMessage(), nullptr);
        EXPECT_TRUE(LastMessage()->text.contains(c.phrase)) << LastMessage()->text.toStdString();
        EXPECT_EQ(LastMessage()->caption, "Elution Time Setup");
        EXPECT_TRUE(e.Requests().calibrationRequest);
    }

    // Cancel takes a pending request back and leaves the dialog open.
    doubles().prompter.answers = {platform::IDCANCEL};
    RunDialog([](platform::Dialog& d) {
        d.Command(kSetElution);
        EXPECT_TRUE(d.isVisible());
    });
    EXPECT_FALSE(engine->Requests().calibrationRequest);
}

TEST_F(SetupRequests, TheElutionSetupClosesTheChartOutsideItsProfilesAndWaitsForAnIdleEngine)
{
    Engine(0);
    chartOpen = true;
    Profile(2);
    RunDialog([](platform::Dialog& d) { d.Click(kSetElution); });
    EXPECT_EQ(chartsClosed, 0) << "profile 2 keeps its chart";
    Profile(5);
    RunDialog([](platform::Dialog& d) { d.Click(kSetElution); });
    EXPECT_EQ(chartsClosed, 1);
    EXPECT_EQ(doubles().prompter.messages.size(), 2);

    // While an integrator run is on, or without an engine, nothing happens at all.
    chartOpen = true;
    EditSettings(*engine, [&](auto& v) { v.baselineMode = true; });
    doubles().prompter.answers = {platform::IDOK};
    RunDialog([](platform::Dialog& d) { d.Command(kSetElution); });
    engine.reset();
    RunDialog([](platform::Dialog& d) { d.Command(kSetElution); });
    EXPECT_EQ(doubles().prompter.messages.size(), 2);
    EXPECT_EQ(chartsClosed, 1);
}

TEST_F(SetupRequests, TheSpanButtonTogglesTheAdjustmentAndProfile37AsksForTheHotWireCalibration)
{
    AutoGas& e = Engine(0);
    EditSettings(e, [&](auto& v) { v.elutionTimes[1] = 30; });
    RunDialog([&e](platform::Dialog& d) {
        ASSERT_FALSE(Hidden(d, kSetSpan));
        EXPECT_TRUE(Hidden(d, kSpanInfo));
        d.Click(kSetSpan);
        EXPECT_FALSE(Hidden(d, kSpanInfo));
        EXPECT_TRUE(d.GetText(kSpanInfo).startsWith("Wait until the cycle time reaches 33 seconds. Then use the zero pod"))
            << d.GetText(kSpanInfo).toStdString();
        EXPECT_TRUE(e.Requests().spanAdjustment);
        d.Click(kSetSpan);
        EXPECT_TRUE(Hidden(d, kSpanInfo));
        EXPECT_FALSE(e.Requests().spanAdjustment);
        EXPECT_TRUE(d.isVisible());
    });
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());

    Profile(37);
    doubles().prompter.answers = {platform::IDCANCEL, platform::IDOK};
    RunDialog([&e](platform::Dialog& d) {
        EXPECT_EQ(d.GetText(kSetSpan), "Set HW Span");
        d.Click(kSetSpan);
        EXPECT_FALSE(e.Requests().autoSpanRequest) << "Cancel leaves the engine alone";
        EXPECT_FALSE(e.Requests().spanAdjustment);
        d.Click(kSetSpan);
        EXPECT_FALSE(d.isVisible());
    });
    ASSERT_EQ(doubles().prompter.messages.size(), 2);
    EXPECT_EQ(LastMessage()->caption, "HW CALIBRATION");
    EXPECT_TRUE(e.Requests().autoSpanRequest);
    EXPECT_TRUE(e.Requests().spanAdjustment);
}

TEST_F(SetupRequests, TheHelpWindowTogglesStaysWithTheMainWindowAndGoesWithTheDialog)
{
    QPointer<QWidget>& help = window.Tools().helpWindow;
    RunDialog([&help](platform::Dialog& d) {
        d.Click(kHelp);
        ASSERT_TRUE(help);
        EXPECT_EQ(help->windowTitle(), "GAS MONITOR HELP");
        EXPECT_TRUE(help->isVisible());
        const auto* text = help->findChild<QPlainTextEdit*>();
        ASSERT_NE(text, nullptr);
        EXPECT_TRUE(text->toPlainText().startsWith("Please refer to the Manual ( Help..Strativ Manual)"));
        EXPECT_TRUE(text->toPlainText().contains("CALCULATED RATIO'S"));

        d.Click(kHelp);
        EXPECT_FALSE(help) << "hidden and destroyed";
        d.Click(kHelp);
        ASSERT_TRUE(help);
        QWidget* same = help;
        help->hide();
        d.Click(kHelp);
        EXPECT_EQ(help, same) << "a hidden one is shown again";
        EXPECT_TRUE(help->isVisible());

        // Closing the window itself forgets it.
        help->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(help);
        d.Click(kHelp);
        EXPECT_TRUE(help);
    });
    EXPECT_FALSE(help) << "the dialog takes its help window with it";
}

TEST_F(SetupRequests, TheViewsListEveryRecordAndReplaceEachOtherWithoutAnEngine)
{
    WriteGas({1001, 1002, 1003, 1004, 1005});
    WriteToday(1005);
    RunDialog([](platform::Dialog& d) {
        EXPECT_TRUE(Hidden(d, kDataList));
        d.Command(kViewGas);
        ASSERT_FALSE(Hidden(d, kDataList));
        EXPECT_FALSE(Hidden(d, kDataHeading));
        EXPECT_TRUE(Hidden(d, kSaveToFile)) << "nothing to export without the engine";
        EXPECT_EQ(d.GetText(kDataHeading), "LagDepth  Depth   HW    C1   C2   C3  IC4  NC4   IC5  NC5 SHW   Errors");
        ASSERT_EQ(d.GetCount(kDataList), 5);
        EXPECT_EQ(d.GetString(kDataList, 0), "1000      1005    15    0    0    0    0    0    0    0    0     0");
        EXPECT_TRUE(d.GetString(kDataList, 4).startsWith("996       1001")) << "the oldest is listed";

        d.Command(kViewGas);
        EXPECT_TRUE(Hidden(d, kDataList));
        EXPECT_TRUE(Hidden(d, kDataHeading));
        EXPECT_EQ(d.GetCount(kDataList), 0);

        d.Command(kViewGas);
        d.Command(kViewChart);
        ASSERT_FALSE(Hidden(d, kDataList)) << "the chart replaces the gas list";
        EXPECT_EQ(d.GetText(kDataHeading), "LagDepth  Depth   HW  Chrom  Day Hour  Min  Sec  Index");
        ASSERT_EQ(d.GetCount(kDataList), kChartSlotsPerDay);
        // Newest first: the 10:00:00 sample stands at the slot counted from the end of the day.
        EXPECT_TRUE(d.GetString(kDataList, kChartSlotsPerDay - 1 - 10 * 1800).startsWith("0        1005"));
        d.Command(kViewChart);
        EXPECT_TRUE(Hidden(d, kDataList));
    });
    EXPECT_EQ(window.State().engines.autoGas, nullptr);
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
}

TEST_F(SetupRequests, SaveToFileWritesBothExportsIntoTheWellsFolder)
{
    Engine(0);
    WriteGas({1001, 1002, 1003, 1004, 1005});
    WriteToday(1005);
    RunDialog([](platform::Dialog& d) {
        d.Click(kViewGas);
        ASSERT_FALSE(Hidden(d, kSaveToFile));
        d.Click(kSaveToFile);
        d.Click(kViewChart);
        d.Click(kSaveToFile);
        d.Click(kSave);
        EXPECT_TRUE(Hidden(d, kDataList)) << "a saved record ends the view";
        EXPECT_TRUE(Hidden(d, kSaveToFile));
    });
    const QStringList gas = Text(testing_support::ReadBytes(TestDir() + "gasmon.txt")).split("\r\n");
    ASSERT_EQ(gas.size(), 7) << "heading, five records, the last line end";
    EXPECT_EQ(gas[0], "LagDepth   Depth     HW       C1       C2      C3      IC4      NC4 ");
    EXPECT_TRUE(gas[1].startsWith(" 996       1001      11 ")) << "oldest first";
    EXPECT_TRUE(gas[5].startsWith(" 1000      1005      15 ")) << "the newest is exported";

    const QByteArray chart = testing_support::ReadBytes(TestDir() + "chart.txt");
    EXPECT_TRUE(chart.startsWith("LagDepth  Depth   HW  Chrom  Day Hour  Min  Sec  Index\r\n 0        0 "));
    EXPECT_EQ(chart.count("\r\n"), kChartSlotsPerDay + 1);
    EXPECT_FALSE(QFile::exists(QDir::currentPath() + "/gasmon.txt"));

    // A gasmon.txt that cannot be written is reported.
    QFile::remove(TestDir() + "gasmon.txt");
    ASSERT_TRUE(QDir().mkpath(TestDir() + "gasmon.txt"));
    doubles().prompter.messages.clear();
    RunDialog([](platform::Dialog& d) {
        d.Click(kViewGas);
        d.Click(kSaveToFile);
    });
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(LastMessage()->text, "Unable to open file");
    EXPECT_EQ(LastMessage()->caption, "File Error");
}

TEST_F(SetupRequests, BrowseEmptiesTheFieldAndTakesTheChosenFileWithTheIntegratorsFilter)
{
    Engine(3);
    doubles().prompter.fileAnswers = {QStringLiteral("/data/run1.res"), std::nullopt};
    RunDialog(
        [](platform::Dialog& d) {
            ASSERT_FALSE(Hidden(d, kBrowse));
            d.SetText(kIntegratorFile, "old.res");
            d.Click(kBrowse);
            EXPECT_EQ(d.GetText(kIntegratorFile), "/data/run1.res");
            d.Click(kBrowse);
            EXPECT_EQ(d.GetText(kIntegratorFile), "") << "a cancelled choice leaves the field empty";
        },
        [](GASMONCFG& cfg) { cfg.baselineIntegrator = 1; });
    doubles().prompter.fileAnswers = {std::nullopt};
    RunDialog([](platform::Dialog& d) { d.Click(kBrowse); });
    const auto& asked = doubles().prompter.fileRequests;
    ASSERT_EQ(asked.size(), 3);
    EXPECT_EQ(asked[0].filter, "Intergrator Files (*.TXT)|*.txt|StrativM Files (*.TXT)|*.txt|");
    EXPECT_EQ(asked[2].filter, "Intergrator Files (*.RES)|*.res|StrativM Files (*.TXT)|*.txt|");
    EXPECT_EQ(asked[2].defaultExt, "TXT");
    EXPECT_TRUE(asked[2].folder.isEmpty());
}

TEST_F(SetupRequests, TheBaselineIntegratorClickSwitchesTheRunningEnginesIntegrator)
{
    AutoGas& e = Engine(3);
    Profile(17);
    RunDialog([&e](platform::Dialog& d) {
        d.Click(kSri);
        d.Click(kBaselineIntegrator);
        EXPECT_EQ(d.GetCheck(kBaselineIntegrator), platform::BST_UNCHECKED);
        EXPECT_NE(e.Settings().sriMode, 0);
        EXPECT_FALSE(e.Settings().baselineMode);
        d.Click(kSri);
        d.Click(kBaselineIntegrator);
        EXPECT_EQ(e.Settings().sriMode, 0);
        EXPECT_TRUE(e.Settings().baselineMode);
        d.Click(kBaselineIntegrator);
        EXPECT_EQ(e.Settings().sriMode, 0);
        EXPECT_FALSE(e.Settings().baselineMode);
    });
    // Other profiles keep the integrator the engine started with.
    Profile(1);
    RunDialog([](platform::Dialog& d) { d.Click(kBaselineIntegrator); });
    EXPECT_FALSE(e.Settings().baselineMode);
}

TEST_F(SetupRequests, TheCommandClosesTheOpenChartForTheElutionSetup)
{
    app::LogState& s = window.State();
    s.well.loggerId = 5;
    s.engineStatus.gasInstrumentType = 9;  // the UDP interface: its start token goes to a loopback port
    platform::RedirectModbusTcpPortForTest(testing_support::FreeTcpPort());
    GASMONCFG cfg{};
    ApplyFirstSetupDefaults(cfg, 9);
    cfg.ipAddress[0] = 127;
    cfg.ipAddress[1] = 0;
    cfg.ipAddress[2] = 0;
    cfg.ipAddress[3] = 1;
    ASSERT_EQ(WriteGasmonCfg(cfg, {TestDir(), {}}), 1);
    WriteToday(1000);
    window.EvCommand(app::cmd::GasMonitor);
    ASSERT_NE(s.engines.autoGas, nullptr);
    ASSERT_TRUE(window.EvCommand(app::cmd::GasChart));
    ASSERT_TRUE(window.Tools().gasChart);

    doubles().prompter.answers = {platform::IDOK};
    bool ran = false;
    platform::Dialog::QueueTestScript([&](platform::Dialog& d) {
        ran = true;
        d.Command(kSetElution);
    });
    window.EvCommand(app::cmd::GasMonitorSetup);
    EXPECT_TRUE(ran);
    EXPECT_FALSE(window.Tools().gasChart);
    EXPECT_TRUE(s.engines.autoGas->Requests().calibrationRequest);
    window.EvCommand(app::cmd::GasMonitor);
    platform::RedirectModbusTcpPortForTest(0);
}

}  // namespace
