#include "platform/messagewindows.h"
#include "platform/winapi.h"
#include "shell/ui/logwindow.h"
#include "shell/ui/tlogapp.h"
#include "shell/viewcommands.h"
#include "support/testmain.h"

#include <QAction>
#include <QCoreApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <thread>

using namespace platform;
using testing_support::doubles;

namespace {

// Records what the window asked of drilling, the gas monitor, WITS and exchange.
class Recorder final : public drilling::DrillingServices,
                       public gasmon::GasMonitorServices,
                       public wits::WitsServices,
                       public exchange::ExchangeServices {
public:
    QStringList calls;
    void Say(const QString& s) { calls << s; }

    void CmDrilling(app::LogState&) override { Say("CmDrilling"); }
    void CmLagTime(app::LogState&) override { Say("CmLagTime"); }
    void CmBackupReminder(app::LogState&) override { Say("CmBackupReminder"); }
    void EvTimer(app::LogState&, int id) override { Say(QString("EvTimer %1").arg(id)); }
    void EvJoyButton(app::LogState&, unsigned b) override { Say(QString("EvJoyButton %1").arg(b, 0, 16)); }

    void CmGasMonitor(app::LogState&) override { Say("CmGasMonitor"); }
    void CmGasMonitorSetup(app::LogState&) override { Say("CmGasMonitorSetup"); }
    void EvGasResponse(app::LogState&, std::uintptr_t w, std::intptr_t l) override { Say(QString("EvGasResponse %1 %2").arg(w).arg(l)); }

    void CmWits(app::LogState&) override { Say("CmWits"); }
    void CmWitsSetup(app::LogState&) override { Say("CmWitsSetup"); }
    void CmCustomWits(app::LogState&) override { Say("CmCustomWits"); }
    void CmCustomWitsSetup(app::LogState&) override { Say("CmCustomWitsSetup"); }
    void CmWitsAlarms(app::LogState&) override { Say("CmWitsAlarms"); }
    void CmWitsChart(app::LogState&) override { Say("CmWitsChart"); }
    void EvWitsData(app::LogState&, std::uintptr_t w, std::intptr_t l) override { Say(QString("EvWitsData %1 %2").arg(w).arg(l)); }
    void EvCustWitsData(app::LogState&, std::uintptr_t w, std::intptr_t l) override { Say(QString("EvCustWitsData %1 %2").arg(w).arg(l)); }

    void CmRestore(app::LogState&) override { Say("CmRestore"); }
    void CmSendFile(app::LogState&) override { Say("CmSendFile"); }
    void CmRemoteSetup(app::LogState&) override { Say("CmRemoteSetup"); }
    void CmLiveUpdateConfig(app::LogState&) override { Say("CmLiveUpdateConfig"); }
    void CmLiveUsers(app::LogState&) override { Say("CmLiveUsers"); }
};

struct WindowWithRecorder {
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    Recorder recorder;
    WindowWithRecorder()
    {
        window.Neighbours().drilling = &recorder;
        window.Neighbours().gasmon = &recorder;
        window.Neighbours().wits = &recorder;
        window.Neighbours().exchange = &recorder;
    }
};

// The menu, button and accelerator commands the main window answers.
std::vector<int> ExpectedCommands()
{
    std::vector<int> ids = {
        51696, 51932, 51689, 51933, 51934, 51682, 18933, 51707, 51695, 51690, 51692,         // File
        51921, 51917, 51687, 51937, 51685, 51693, 51688, 51950, 51680, 51916, 51924, 51936,  // View
        52802, 9,
        61687, 51694, 51886, 51706, 51798, 51691, 51684, 51697, 51702, 51699, 51683, 51906,  // Options
        51715, 51709, 51807, 51806, 51920, 19872, 51722, 51723,
        51705, 52697, 52696, 51700, 51923, 51725, 51708, 51918,                              // Data entry
        51681, 51698, 111, 51686, 51938, 51775, 51900, 51779, 51800, 51777, 51945, 51939,    // Drilling
        51940, 51710, 51701, 51901, 51944, 51946,
        52698, 51922, 51935,                                                                 // Help
    };
    for (int id = 51927; id <= 51931; ++id)  // recent files
        ids.push_back(id);
    for (int id = 18873; id <= 18922; ++id)  // formation tops
        ids.push_back(id);
    for (int id = 51716; id <= 51721; ++id)  // schemes
        ids.push_back(id);
    return ids;
}

}  // namespace

TEST(LogWindow, StartsAndShowsTheMainWindowTitledStrativM)
{
    shell::TLogApp logApp;
    logApp.InitMainWindow();
    logApp.Show();
    QCoreApplication::processEvents();
    shell::LogWindow* w = logApp.MainWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), "StrativM");
    EXPECT_TRUE(w->windowState().testFlag(Qt::WindowMaximized));
    EXPECT_EQ(doubles().sounder.beeps, 0);
}

TEST(LogWindow, EveryCommandReachesItsHandlerAndNoOtherIdDoes)
{
    WindowWithRecorder f;
    const std::vector<int> expected = ExpectedCommands();
    ASSERT_EQ(expected.size(), 135u);

    const std::vector<int> table = shell::LogWindow::Commands().Ids();
    EXPECT_EQ(std::set<int>(table.begin(), table.end()), std::set<int>(expected.begin(), expected.end()));
    EXPECT_EQ(table.size(), 135u) << "an id is answered twice";

    // Built handlers of the window that answer without a beep here: Exit closes a window that asks
    // nothing out of drilling mode; Open asks for a file, which the test dialog cancels; the scheme and
    // colour editors, the page set-up and Lines and Scales are cancelled; the schemes are selected among
    // the defaults. They have tests of their own. The downtime report's input box is cancelled, the view
    // toggle and About need nothing. The depth corrections' input boxes and the ROP, e-log and LAS file
    // dialogs are cancelled; the morning report finds no report file; the show report's first interval is cancelled. The entry commands' and the flare
    // entry's start-depth boxes, the outline dialog and the tops editor are cancelled. Save As and Offset ROP have their file dialogs cancelled; the gas-percent and
    // hotwire toggles, the e-log text view and Sw (no curves), Test Gas Values (no last record) and the
    // remote-monitor switch (off) answer without a beep, and the recent files and formation tops have no
    // entries here. New and Plug Back have their dialogs cancelled. Print finds no depths to print.
    // Archive's question, the target-data file dialog and the Insert Delete dialog (both modes) are
    // cancelled; the legend toggles, Alarms needs a drilling object, no manual is installed and the
    // release notes go to the shell. The header, short and DST report dialogs are closed; the reports
    // as text find no report file. The survey dialog (both modes) is closed, and the TVD log finds no
    // stations to build from (said in a message box). The horizontal view finds no well to show (said
    // in a message box).
    std::set<int> quiet = {51916, 51708, 51918, 51936, 51685, 51696, 51932, 51692, 51689, 51906, 51715, 51716, 51717, 51718, 51719, 51720, 51721, 51695, 51683,
                           52802, 9,     52698, 51687, 51697, 51702, 51709, 51807, 51806, 19872,
                           51705, 52697, 52696, 51700, 51923, 51725, 51798,
                           51682, 61687, 51694, 51886, 51706, 51699, 51775, 51710, 51690,
                           51933, 51920, 51722, 51723, 51950, 51686, 51922, 51935, 51937, 51693, 51688, 51691, 51684};
    for (int id = 51927; id <= 51931; ++id)
        quiet.insert(id);
    for (int id = 18873; id <= 18922; ++id)
        quiet.insert(id);
    for (int id : expected) {
        const int beeps = doubles().sounder.beeps;
        const qsizetype calls = f.recorder.calls.size();
        EXPECT_TRUE(f.window.EvCommand(id)) << id;
        // Every handler answers: the window's own not-built ones and the other subsystems' not-built
        // ones beep; the recorded subsystems note the call.
        if (!quiet.contains(id)) {
            EXPECT_EQ((doubles().sounder.beeps - beeps) + (f.recorder.calls.size() - calls), 1) << id;
        }
    }

    // Alt+D's command and the ids just outside the runs reach no handler and change nothing.
    const int beeps = doubles().sounder.beeps;
    f.recorder.calls.clear();
    for (int id : {116, 18872, 18923, 51926, 51951, 52803, 0, -1})
        EXPECT_FALSE(f.window.EvCommand(id)) << id;
    EXPECT_EQ(doubles().sounder.beeps, beeps);
    EXPECT_TRUE(f.recorder.calls.isEmpty());
}

TEST(LogWindow, SubsystemCommandsReachTheirSubsystem)
{
    WindowWithRecorder f;
    for (int id : {51681, 51698, 111, 51779, 51800, 51777, 51945, 51939, 51940, 51921, 51934, 51707, 51701, 51901, 51944,
                   51946})
        f.window.EvCommand(id);
    EXPECT_EQ(f.recorder.calls,
              QStringList({"CmDrilling", "CmLagTime", "CmBackupReminder", "CmGasMonitor", "CmGasMonitorSetup", "CmWits",
                           "CmWitsSetup", "CmCustomWits", "CmCustomWitsSetup", "CmWitsChart", "CmRestore", "CmSendFile",
                           "CmRemoteSetup", "CmRemoteSetup", "CmLiveUpdateConfig", "CmLiveUsers"}));
    EXPECT_EQ(doubles().sounder.beeps, 0);
}

TEST(LogWindow, AViewFunctionUnderWayHoldsBackOnlyTheViewCommands)
{
    WindowWithRecorder f;
    f.window.State().interaction.commandLock = true;

    // Instruments, charts and set-ups run; the same posted.
    f.window.MenuCommand(51777);  // WITS
    f.window.PostMessage(WM_COMMAND, 51921);  // WITS chart
    doubles().queue.DeliverAll();
    EXPECT_EQ(f.recorder.calls, QStringList({"CmWits", "CmWitsChart"}));
    EXPECT_EQ(doubles().sounder.beeps, 0);
    for (int id : {52698, 51927, 51931, 51692, 51690})  // About, the recent files, Exit, Print
        EXPECT_EQ(shell::WhileViewBusy(id), shell::ViewBusyAnswer::Runs) << id;

    // What would change the view under it: drilling mode, a restore, a scheme, a top, the Lines and
    // Scales; a new well or Save As does nothing at all.
    for (int id : {51681, 51934, 51716, 18873, 51683})
        f.window.MenuCommand(id);
    EXPECT_EQ(doubles().sounder.beeps, 5);
    f.window.MenuCommand(51696);
    f.window.MenuCommand(51682);
    EXPECT_EQ(doubles().sounder.beeps, 5);
    EXPECT_EQ(f.recorder.calls.size(), 2);

    // The close box still closes the window.
    EXPECT_TRUE(f.window.close());
    EXPECT_FALSE(f.window.State().view.windowReady);
}

TEST(LogWindow, TimersOneToNineReachEvTimer)
{
    WindowWithRecorder f;
    testing_support::FakeTimers* timers = doubles().timers.last;
    ASSERT_NE(timers, nullptr);
    for (int n = 1; n <= 9; ++n)
        f.window.SetTimer(n, 100 * n);
    EXPECT_EQ(timers->Period(5), 500);
    for (int n = 1; n <= 9; ++n)
        EXPECT_TRUE(timers->Fire(n));
    QStringList expected;
    for (int n = 1; n <= 9; ++n)
        expected << QString("EvTimer %1").arg(n);
    EXPECT_EQ(f.recorder.calls, expected);

    f.window.KillTimer(5);
    EXPECT_FALSE(f.window.TimerRunning(5));
    EXPECT_FALSE(timers->Fire(5));
    EXPECT_EQ(f.recorder.calls.size(), 9);
}

TEST(LogWindow, PostedMessagesReachTheirHandlersWhenDelivered)
{
    WindowWithRecorder f;
    f.window.PostMessage(WM_USER + 1, 7, 8);
    f.window.PostMessage(WM_USER + 3, 1, 2);
    f.window.PostMessage(WM_USER + 4, 3, 4);
    f.window.PostMessage(WM_USER + 5, 5, 6);
    f.window.PostMessage(MM_JOY1BUTTONDOWN, JOY_BUTTON1 | JOY_BUTTON1CHG);
    f.window.PostMessage(MM_JOY1BUTTONUP, JOY_BUTTON4CHG);
    f.window.PostMessage(WM_TIMER, 2);
    f.window.PostMessage(WM_COMMAND, 51681);
    // The communication library posts to the window's handle.
    platform::PostWindowMessage(f.window.State().window, WM_USER + 1, 9, 0);
    EXPECT_TRUE(f.recorder.calls.isEmpty()) << "nothing runs before the queue delivers";

    EXPECT_EQ(doubles().queue.DeliverAll(), 9);
    EXPECT_EQ(f.recorder.calls, QStringList({"EvGasResponse 7 8", "EvWitsData 1 2", "EvCustWitsData 3 4", "EvJoyButton 101",
                                             "EvJoyButton 800", "EvTimer 2", "CmDrilling", "EvGasResponse 9 0"}));
    EXPECT_TRUE(f.window.HandleMessage(WM_USER + 5, 0, 0));
    EXPECT_FALSE(f.window.HandleMessage(WM_USER + 2, 0, 0));
}

TEST(LogWindow, MessagesPostedToAClosedWindowAreDropped)
{
    Recorder recorder;
    auto window = std::make_unique<shell::LogWindow>(nullptr, QStringLiteral("StrativM"));
    window->Neighbours().wits = &recorder;
    window->PostMessage(WM_USER + 3, 1, 2);
    platform::PostWindowMessage(window->State().window, WM_USER + 3, 3, 4);
    window.reset();
    EXPECT_EQ(doubles().queue.DeliverAll(), 2);  // runs, finds no window
    EXPECT_TRUE(recorder.calls.isEmpty());
}

TEST(LogWindow, SetUpDefaultsThatOtherRoutinesRelyOn)
{
    WindowWithRecorder f;
    const app::LogState& s = f.window.State();
    EXPECT_EQ(s.well.file.depthStep, 1);
    EXPECT_EQ(s.well.file.viewDepthSpan, 40);
    EXPECT_EQ(s.layout.format.pixelsPerStep, 10);
    EXPECT_EQ(s.layout.format.logAreaTop, 160);
    EXPECT_EQ(s.env.firstInstance, 1);
    EXPECT_EQ(s.view.menuResource, 1);
    EXPECT_EQ(s.now, doubles().clock.now);

    // Rock types by index, as the lithology strings name them.
    auto rock = [&](int i) { return QString(s.tables.rockAbbreviations[i].data()); };
    EXPECT_EQ(rock(0), "BL");
    EXPECT_EQ(rock(6), "SH");
    EXPECT_EQ(rock(21), "CMT");
    EXPECT_EQ(rock(27), "C6");
    EXPECT_EQ(rock(31), "BL");
    EXPECT_EQ(rock(32), "");
    EXPECT_EQ(rock(37), "BL");

    EXPECT_FLOAT_EQ(s.tables.witsOutTestGas[2], 92.6f);
    EXPECT_FLOAT_EQ(s.tables.witsOutTestGas[19], 170.8f);
    EXPECT_EQ(s.tables.witsOutTestGasLast, 19);

    for (std::int32_t v : s.well.reportDepthIndex)
        ASSERT_EQ(v, 0x30303030);
    EXPECT_EQ(s.well.showDepthIndex[99], 0x30303030);
    EXPECT_EQ(s.well.dstDepthIndex[49], 0x30303030);
}

TEST(LogWindow, ClosingStopsAndJoinsTheWorkerThreads)
{
    auto f = std::make_unique<WindowWithRecorder>();
    std::atomic<bool> ended = false;
    f->window.State().engines.pumpThreads[1] = std::jthread([&ended](std::stop_token stop) {
        while (!stop.stop_requested())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        ended = true;
    });
    f.reset();
    EXPECT_TRUE(ended);
}

TEST(LogWindow, WorkersStoppedFromInsideAWorkersQuestionAreJoinedOnceItReturns)
{
    // The workers are stopped while the GUI thread shows one worker's question (the exit reached from
    // its message box): that worker waits for the question to return, so joining it there would hang.
    auto engines = std::make_unique<app::Engines>();
    app::Engines* e = engines.get();
    std::atomic<bool> stopCalled = false, ended = false, finished = false;
    e->threadA = std::jthread([&, e](std::stop_token stop) {
        platform::CallOnGuiThread([&] {
            e->StopWorkers();
            stopCalled = true;
        });
        while (!stop.stop_requested())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        ended = true;
    });
    std::thread watchdog([&] {
        for (int i = 0; i < 2000 && !finished; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (!finished) {
            std::fprintf(stderr, "the GUI thread joins a worker waiting for its question\n");
            std::abort();  // the frames the threads use cannot be left behind
        }
    });
    const std::int64_t deadline = platform::RealClock().SteadyMs() + 10000;
    while (!ended && platform::RealClock().SteadyMs() < deadline)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);  // the join put off till now
    engines.reset();
    finished = true;
    watchdog.join();
    EXPECT_TRUE(stopCalled);
    EXPECT_TRUE(ended);
}

namespace {
class MouseRecorder final : public logview::LogViewServices {
public:
    QStringList calls;
    void Say(const char* what, int x, int y, unsigned keys) { calls << QString("%1 %2,%3 %4").arg(what).arg(x).arg(y).arg(keys); }
    void EvLButtonDown(app::LogState&, int x, int y, unsigned k) override { Say("down", x, y, k); }
    void EvMouseMove(app::LogState&, int x, int y, unsigned k) override { Say("move", x, y, k); }
    void EvLButtonUp(app::LogState&, int x, int y, unsigned k) override { Say("up", x, y, k); }
    void EvLButtonDblClk(app::LogState&, int x, int y, unsigned k) override { Say("dblclk", x, y, k); }
    void EvRButtonDown(app::LogState&, int x, int y, unsigned k) override { Say("rdown", x, y, k); }
};

void SendMouse(QWidget& w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
               Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QMouseEvent e(type, QPointF(at), w.mapToGlobal(QPointF(at)), button, held, mods);
    QCoreApplication::sendEvent(&w, &e);
}
}  // namespace

TEST(LogWindow, MouseOverTheLogReachesTheViewInClientCoordinatesWithWindowsKeyFlags)
{
    shell::LogWindow window(nullptr, QStringLiteral("StrativM"));
    MouseRecorder mouse;
    window.Neighbours().logview = &mouse;
    window.show();
    const int top = window.menuWidget() ? window.menuWidget()->height() : 0;
    ASSERT_GT(top, 0);  // the menu bar is above the client area
    SendMouse(window, QEvent::MouseButtonPress, {30, 200}, Qt::LeftButton, Qt::LeftButton, Qt::ControlModifier);
    SendMouse(window, QEvent::MouseMove, {31, 210}, Qt::NoButton, Qt::LeftButton, Qt::ShiftModifier);
    SendMouse(window, QEvent::MouseButtonRelease, {32, 220}, Qt::LeftButton, Qt::NoButton);
    SendMouse(window, QEvent::MouseButtonDblClick, {33, 230}, Qt::LeftButton, Qt::LeftButton);
    SendMouse(window, QEvent::MouseButtonPress, {34, 240}, Qt::RightButton, Qt::RightButton);
    auto at = [&](const char* what, int x, int y, int keys) { return QString("%1 %2,%3 %4").arg(what).arg(x).arg(y - top).arg(keys); };
    EXPECT_EQ(mouse.calls, QStringList({at("down", 30, 200, 9), at("move", 31, 210, 5), at("up", 32, 220, 0),
                                        at("dblclk", 33, 230, 1), at("rdown", 34, 240, 2)}));
}

TEST(LogWindow, AltDReachesNoHandler)
{
    shell::LogWindow window(nullptr, QStringLiteral("StrativM"));
    QAction* altD = nullptr;
    for (QAction* a : window.actions())
        if (a->shortcut() == QKeySequence(Qt::ALT | Qt::Key_D))
            altD = a;
    ASSERT_NE(altD, nullptr);
    altD->trigger();
    EXPECT_EQ(doubles().sounder.beeps, 0);
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
}
