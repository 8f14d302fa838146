// Manual, 7. Drilling mode: each instruction of the section done on the first start's window through its
// menus, the depth box's pulses and the dialogs, and what the section says the user then sees or has.
#include "manual/drillingsteps.h"

#include "drilling/alarmform.h"
#include "drilling/driller.h"
#include "drilling/lagcalc.h"
#include "drilling/logtime.h"
#include "drilling/ui/toolbar.h"
#include "entry/ui/gaspercdlg.h"
#include "gasmon/autogas.h"
#include "gasmon/gasmonsetup.h"
#include "layout/linesandscales.h"
#include "platform/folders.h"
#include "platform/gameport.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/files.h"
#include "support/modbuspeer.h"
#include "support/testmain.h"
#include "support/xsession.h"
#include "wellfile/record.h"
#include "wits/ui/witsalarmwindows.h"

#include <QApplication>
#include <QImage>
#include <QTcpServer>
#include <QTcpSocket>

#include <memory>

#include <gtest/gtest.h>

using manual::Choose;
using manual::MenuItem;
using manual::Tick;
using platform::Dialog;
using testing_support::doubles;
using wellfile::RECORD;

namespace {

std::vector<RECORD> Records(shell::LogWindow& w)
{
    return testing_support::FileRecords<RECORD>(w.State().well.file.dataFileName);
}

// The band above the log as the window shows it now.
QImage Band(shell::LogWindow& w)
{
    w.PaintLog();
    return w.BackingStore().copy(0, 0, w.BackingStore().width(), w.State().layout.format.logAreaTop);
}

drilling::TOOLBAR* StatusBox(shell::LogWindow& w)
{
    const auto boxes = w.findChildren<drilling::TOOLBAR*>();
    return boxes.size() == 1 ? boxes[0] : nullptr;
}

bool WindowShown(const QString& caption)
{
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->windowTitle() == caption)
            return true;
    return false;
}

constexpr unsigned kBannerGreen = 0x00FF00;

}  // namespace

// Manual, 7. Drilling mode: Options > Drilling, the title band, the depth box, the lag, the alarms and
// the test gas.
TEST(ManualDrilling, DrillingModeTheDepthBoxTheLagTheAlarmsAndTheTestGas)
{
    shell::LogWindow w{nullptr, QStringLiteral("StrativM")};
    ASSERT_TRUE(testing_support::ShowDemoWindow(w));
    app::LogState& s = w.State();
    EXPECT_FALSE(manual::MenuTitles(w).contains("Enter Data"));
    const int officeGreen = manual::PixelsOf(Band(w), s.layout.format.logAreaTop, kBannerGreen);

    // Options > Drilling: the drilling menu, with Enter Data and the set-up items the section names.
    ASSERT_TRUE(Choose(w, "Options", "Drilling"));
    ASSERT_TRUE(s.well.file.drilling && s.engines.driller);
    EXPECT_TRUE(MenuItem(w, "Options", "Drilling")->isChecked());
    EXPECT_TRUE(manual::MenuTitles(w).contains("Enter Data"));
    for (const auto& [menu, item] : std::initializer_list<std::pair<const char*, const char*>>{
             {"Setup", "Lag Calculator"}, {"Enter Data", "Lagtime..."}, {"Setup", "Alarms..."},
             {"Setup", "Gas Monitor Setup..."}, {"Options", "Gas Monitor"}, {"View", "Real Time Gas Chart"},
             {"Setup", "Setup TCP Wits Feed"}, {"Options", "Wits Monitor"}, {"Setup", "Wits Alarms"},
             {"View", "Wits Chart.."}, {"Setup", "Test Gas Values..."}})
        EXPECT_TRUE(MenuItem(w, menu, item)) << menu << " > " << item;

    // The title band: the green DRILLING banner, the depth and rate texts, the lag.
    const int top = s.layout.format.logAreaTop;
    const QImage band = Band(w);
    EXPECT_GT(manual::PixelsOf(band, top, kBannerGreen), officeGreen + 1000) << "no DRILLING banner";

    // The depth box: two pulses of the box make one depth unit, the record drawn and the band's depth
    // text changed.
    const std::size_t count = Records(w).size();
    const int bottom = Records(w).back().depth;
    Tick(1);
    manual::Pulse();
    Tick(1);
    EXPECT_EQ(Records(w).size(), count) << "half a unit writes no record";
    manual::Pulse();
    Tick(1);
    ASSERT_EQ(Records(w).size(), count + 1);
    EXPECT_EQ(Records(w).back().depth, bottom + 1);
    EXPECT_GT(testing_support::DifferentPixels(band, Band(w)), 0) << "the depth text stayed";

    // The on-bottom switch, with Lines and Scales' On Bottom Mode at "Open On Bottom", read every 4 s: open,
    // the bit is off bottom; the box's buttons only show the state.
    const auto onBottomMode = [&w](int mode) {
        Dialog::QueueTestScript([mode](Dialog& d) {
            d.Click(mode);
            d.Click(platform::IDOK);
        });
        ASSERT_TRUE(Choose(w, "Setup", "Lines and Scales..."));
    };
    onBottomMode(layout::setupid::OpenOnBottom);
    drilling::TOOLBAR* box = StatusBox(w);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), "Drilling Status");
    EXPECT_EQ(box->GetText(drilling::TOOLBAR::ID_BOTTOM), "On Bottom");
    EXPECT_FALSE(box->IsEnabled(drilling::TOOLBAR::ID_BOTTOM));
    doubles().gamePort.buttons = platform::kJoyButton5;
    Tick(20, 200);
    EXPECT_EQ(box->GetText(drilling::TOOLBAR::ID_BOTTOM), "Off Bottom");
    doubles().gamePort.buttons = 0;
    Tick(20, 200);
    EXPECT_EQ(box->GetText(drilling::TOOLBAR::ID_BOTTOM), "On Bottom");

    // With the mode "Disabled" the buttons set the state by hand.
    onBottomMode(layout::setupid::OnBottomDisabled);
    box = StatusBox(w);
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(box->IsEnabled(drilling::TOOLBAR::ID_BOTTOM));
    box->Click(drilling::TOOLBAR::ID_BOTTOM);
    EXPECT_EQ(box->GetText(drilling::TOOLBAR::ID_BOTTOM), "Off Bottom");
    EXPECT_EQ(s.engines.driller->Time()->offBottom, 1);
    box->Click(drilling::TOOLBAR::ID_PUMP);
    EXPECT_EQ(box->GetText(drilling::TOOLBAR::ID_PUMP), "Pump On");
    box->Click(drilling::TOOLBAR::ID_BOTTOM);
    EXPECT_EQ(box->GetText(drilling::TOOLBAR::ID_BOTTOM), "On Bottom");
    EXPECT_EQ(s.engines.driller->Time()->offBottom, 0);

    // Setup > Lag Calculator: the lag from the hole and the pump output (500 m cased 9.625 in, 500 m open
    // hole 8.5 in, around 4.5 in pipe; 0.1 bbl a stroke at 100 strokes a minute).
    QString calculated;
    Dialog::QueueTestScript([&](Dialog& d) {
        using namespace drilling::lagid;
        EXPECT_EQ(d.windowTitle(), "STRATIV LAG CALCULATOR");
        d.SetCheck(Metric, platform::BST_CHECKED);
        for (int id : {Liner1Id, Liner1Length, Liner2Id, Liner2Length, Collar1Id, Collar1Od, Collar1Length,
                       Collar2Id, Collar2Od, Collar2Length, Collar3Id, Collar3Od, Collar3Length, Pipe2Id, Pipe2Od,
                       Pipe2Length, Pump2Spm, Pump2Output, Pump3Spm, Pump3Output, Washout})
            d.SetText(id, "0");
        for (const auto& [id, text] : std::initializer_list<std::pair<int, const char*>>{
                 {CasingId, "9.625"}, {CasingLength, "500"}, {OpenHoleDiameter, "8.5"}, {OpenHoleLength, "500"},
                 {Pipe1Od, "4.5"}, {Pipe1Id, "3.826"}, {Pipe1Length, "1000"}, {Pump1Output, "0.1"},
                 {Pump1Spm, "100"}, {Efficiency1, "1"}})
            d.SetText(id, text);
        d.SetCheck(Pump1OnHole, platform::BST_CHECKED);
        d.SetCheck(Pump2OnHole, platform::BST_UNCHECKED);
        d.SetCheck(Pump3OnHole, platform::BST_UNCHECKED);
        d.Click(Calculate);
        calculated = d.GetText(LagMinutes);
        d.Click(Close);
    });
    ASSERT_TRUE(Choose(w, "Setup", "Lag Calculator"));
    const double feet = 500 * 3.281;
    EXPECT_EQ(calculated, QString::asprintf("%.2f", (feet * (9.625 * 9.625 - 4.5 * 4.5) + feet * (8.5 * 8.5 - 4.5 * 4.5)) *
                                                        0.000971 / 10));

    // Enter Data > Lagtime...: the lag time typed is the driller's; the band's lag text follows.
    const QImage beforeLag = Band(w);
    doubles().prompter.inputAnswers = {QStringLiteral("25")};
    ASSERT_TRUE(Choose(w, "Enter Data", "Lagtime..."));
    EXPECT_FLOAT_EQ(s.engines.driller->Time()->lagTime, 25.0f);
    EXPECT_GT(testing_support::DifferentPixels(beforeLag, Band(w)), 0) << "the band's lag text stayed";

    // Setup > Alarms...: a depth alarm two units down, with the sound the user put in the data folder,
    // sounds and shows when the bit gets there; with Notify By Email ticked the next one goes to the mailer.
    testing_support::WriteBytes(s.well.file.dataFolder + "Bell.wav", QByteArray("RIFF"));
    const auto depthAlarm = [&w](int depth, bool mail) {
        Dialog::QueueTestScript([=](Dialog& d) {
            EXPECT_EQ(d.GetString(drilling::alarmid::Sounds, d.GetSelIndex(drilling::alarmid::Sounds)), "Bell.wav");
            d.SetText(drilling::alarmid::Depth, QString::number(depth));
            d.SetCheck(drilling::alarmid::MailCheck, mail ? platform::BST_CHECKED : platform::BST_UNCHECKED);
            d.Click(platform::IDOK);
        });
        ASSERT_TRUE(Choose(w, "Setup", "Alarms..."));
    };
    const auto drillTo = [&w](int depth) {
        while (Records(w).back().depth < depth) {
            manual::Pulse();
            Tick(1);
        }
        Tick(2);
    };
    int alarmAt = Records(w).back().depth + 2;
    depthAlarm(alarmAt, false);
    EXPECT_FALSE(WindowShown("Alarm Status"));
    drillTo(alarmAt);
    EXPECT_TRUE(doubles().sounder.played.contains(s.well.file.dataFolder + "Bell.wav"));
    EXPECT_TRUE(WindowShown("Alarm Status"));
    alarmAt += 2;
    testing_support::WriteBytes(s.well.file.dataFolder + "SVSmtp.exe", QByteArray("mailer"));
    depthAlarm(alarmAt, true);
    drillTo(alarmAt);
    ASSERT_EQ(doubles().shell.started.size(), 1);
    EXPECT_EQ(doubles().shell.started[0].program, s.well.file.dataFolder + "SVSmtp.exe");
    EXPECT_EQ(doubles().shell.started[0].args, QStringList({"/ALARM", "Alarm Depth"}));

    // Setup > Test Gas Values...: the 1 % readings for the whole file, each record's read back.
    Dialog::QueueTestScript([&](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "Gas Percent Values");
        d.SetText(entry::GasPercDlg::IDC_FROM, QString::number(s.well.file.fileTopDepth));
        d.SetText(entry::GasPercDlg::IDC_C1, "250");
        d.SetText(entry::GasPercDlg::IDC_C2, "180");
        d.Click(entry::GasPercDlg::IDC_SAVE);
        d.Click(platform::IDCANCEL);
    });
    ASSERT_TRUE(Choose(w, "Setup", "Test Gas Values..."));
    const std::vector<RECORD> rows = Records(w);
    for (std::size_t i = 10; i + 1 < rows.size(); ++i) {
        ASSERT_FLOAT_EQ(rows[i].testGas[wellfile::TEST_C1], 250.0f) << rows[i].depth;
        ASSERT_FLOAT_EQ(rows[i].testGas[wellfile::TEST_C2], 180.0f) << rows[i].depth;
    }

    // Options > Drilling again: the office menu and band.
    ASSERT_TRUE(Choose(w, "Options", "Drilling"));
    EXPECT_FALSE(s.well.file.drilling);
    EXPECT_FALSE(manual::MenuTitles(w).contains("Enter Data"));
    EXPECT_EQ(manual::PixelsOf(Band(w), s.layout.format.logAreaTop, kBannerGreen), officeGreen);
}

namespace {

// The top-level windows shown now but the main window.
QList<QWidget*> OtherWindows(shell::LogWindow& w)
{
    QList<QWidget*> shown;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top != &w)
            shown << top;
    return shown;
}

// Chooses the item and gives the window it opened (null, with a failure, when none came).
QWidget* Opened(shell::LogWindow& w, const QString& menu, const QString& item)
{
    const QList<QWidget*> before = OtherWindows(w);
    if (!Choose(w, menu, item))
        return nullptr;
    for (QWidget* top : OtherWindows(w))
        if (!before.contains(top))
            return top;
    ADD_FAILURE() << menu.toStdString() << " > " << item.toStdString() << " opened no window";
    return nullptr;
}

}  // namespace

// Manual, 7. Drilling mode: the gas monitor set up in its dialog and started from Options against a
// MODBUS instrument, its real-time chart, and the WITS feed from a rig on loopback with its alarms and
// chart.
TEST(ManualDrilling, GasMonitorAndWitsFromTheirMenus)
{
    if (!testing_support::PymodbusInstalled())
        GTEST_SKIP() << "python3-pymodbus is not installed (scripts/install-deps.sh installs it)";
    testing_support::PtyPair line;
    ASSERT_TRUE(line.Start()) << "socat pty pair";
    platform::WriteSetting(QStringLiteral("Serial/COM3"), line.a);
    testing_support::Child peer;
    testing_support::StartPeer(peer, {"--rtu", line.b, "--ir", "2=3", "--ir", "3=4000"});
    QTcpServer rigServer;
    ASSERT_TRUE(rigServer.listen(QHostAddress::LocalHost, 0));

    shell::LogWindow w{nullptr, QStringLiteral("StrativM")};
    ASSERT_TRUE(testing_support::ShowDemoWindow(w));
    app::LogState& s = w.State();
    ASSERT_TRUE(Choose(w, "Options", "Drilling"));

    // Setup > Gas Monitor Setup...: the instrument and its serial line; Options > Gas Monitor polls it.
    Dialog::QueueTestScript([](Dialog& d) {
        d.SetSelIndex(gasmon::kInstrumentList, 3);
        d.Command(gasmon::kInstrumentList, platform::CBN_SELCHANGE);
        d.SetText(gasmon::kGasComPort, "3");
        EXPECT_TRUE(d.Click(gasmon::kSave));
        d.Click(gasmon::kClose);
    });
    ASSERT_TRUE(Choose(w, "Setup", "Gas Monitor Setup..."));
    ASSERT_TRUE(Choose(w, "Options", "Gas Monitor"));
    EXPECT_TRUE(MenuItem(w, "Options", "Gas Monitor")->isChecked());
    EXPECT_TRUE(testing_support::Spin([] { return !testing_support::PeerLogText().isEmpty(); }, testing_support::kLoadedMs))
        << "the instrument was never asked";

    // Gas is booked at the lag depth: a lag of one minute, half a unit drilled every 6.3 s (drilling ticks
    // of 200 ms) and the instrument polled meanwhile; the record at the lag depth holds the instrument's total gas, the units drilled
    // since (still on their way up) none.
    doubles().prompter.inputAnswers = {QStringLiteral("1")};
    ASSERT_TRUE(Choose(w, "Enter Data", "Lagtime..."));
    gasmon::AutoGas* gas = s.engines.autoGas;
    ASSERT_NE(gas, nullptr);
    const auto poll = [gas] {
        doubles().clock.Advance(300);
        ASSERT_TRUE(doubles().timers.last->Fire(1));
        ASSERT_TRUE(testing_support::Spin([gas] { return !gas->Readings().requestOutstanding; }, testing_support::kLoadedMs));
    };
    for (int half = 0; half < 24; ++half) {
        manual::Pulse();
        Tick(30, 200);
        poll();
    }
    const int lag = int(s.engines.driller->LagDepth()), bottom = s.well.file.fileBottomDepth;
    ASSERT_NEAR(lag, bottom - 5, 1) << "a minute is about five units of 12.6 s";
    const std::vector<RECORD> rows = Records(w);
    const auto at = [&rows](int depth) { return rows.at(std::size_t(depth - rows.front().depth)); };
    EXPECT_GT(at(lag).gas[wellfile::GAS_TG], 0);
    EXPECT_FLOAT_EQ(at(lag).gas[wellfile::GAS_TG], gas->Readings().record.totalGas);
    for (int depth = lag + 1; depth <= bottom; ++depth)
        EXPECT_EQ(at(depth).gas[wellfile::GAS_TG], 0) << depth;

    QWidget* gasChart = Opened(w, "View", "Real Time Gas Chart");
    ASSERT_NE(gasChart, nullptr);
    gasChart->close();

    // Setup > Setup TCP Wits Feed: the client of the rig's server; Options > Wits Monitor starts the link.
    Dialog::QueueTestScript([&](Dialog& d) {
        d.SetCheck(119, platform::BST_CHECKED);
        d.SetCheck(127, platform::BST_UNCHECKED);
        d.SetText(120, QString::number(rigServer.serverPort()));
        for (int i = 0; i < 4; ++i)
            d.SetText(121 + i, QString::number(i == 0 ? 127 : i == 3 ? 1 : 0));
        d.Click(platform::IDOK);
    });
    ASSERT_TRUE(Choose(w, "Setup", "Setup TCP Wits Feed"));
    ASSERT_TRUE(Choose(w, "Options", "Wits Monitor"));
    ASSERT_TRUE(testing_support::Spin([&] { return rigServer.hasPendingConnections(); }, testing_support::kLoadedMs));
    std::unique_ptr<QTcpSocket> rig(rigServer.nextPendingConnection());
    // A rig frame, parsed when it comes: the hole depth names the frame, the weight on bit as given.
    int frames = 0;
    const auto frame = [&](const QByteArray& wob) {
        const QByteArray depth = QByteArray::number(s.well.file.fileBottomDepth + 0.1 * ++frames, 'f', 2);
        const float hole = depth.toFloat();
        rig->write("&&\r\n0108" + depth + "\r\n0110" + depth + "\r\n0116" + wob + "\r\n!!\r\n");
        rig->flush();
        ASSERT_TRUE(testing_support::Spin([&] { return s.witsLink.holeDepth == hole; }, testing_support::kLoadedMs));
    };
    frame("12.5");

    // Setup > Wits Alarms: a weight on bit above 20 for no time at all raises the alarm.
    Dialog::QueueTestScript([](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "Wits Alarms");
        d.SetSelIndex(101, 14);
        d.Command(101, platform::CBN_SELCHANGE);
        EXPECT_EQ(d.GetString(101, 14), "WOB");
        d.SetText(102, "0");
        d.SetText(103, "20");
        d.SetText(104, "0");
        d.Click(105);
        d.Click(platform::IDOK);
    });
    ASSERT_TRUE(Choose(w, "Setup", "Wits Alarms"));
    EXPECT_TRUE(w.findChildren<wits::WitsAlarmDisplay*>().isEmpty());
    frame("23.5");
    doubles().clock.Advance(61000);
    frame("23.5");
    const auto popups = w.findChildren<wits::WitsAlarmDisplay*>();
    ASSERT_EQ(popups.size(), 1);
    EXPECT_TRUE(popups[0]->isVisible());
    EXPECT_EQ(popups[0]->GetText(105), "WOB OUT OF RANGE");

    QWidget* chart = Opened(w, "View", "Wits Chart..");
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(chart->windowTitle().contains("WITS")) << chart->windowTitle().toStdString();
    chart->close();
    ASSERT_TRUE(Choose(w, "Options", "Drilling"));
}
