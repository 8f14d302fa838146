#include "platform/folders.h"
#include "platform/services.h"
#include "platform/text.h"
#include "platform/ui/realservices.h"
#include "support/testmain.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <optional>
#include <string>
#include <thread>
#include <vector>

using namespace platform;
using testing_support::doubles;

namespace {

// Runs `work` on `count` worker threads while this, the GUI thread, keeps its event loop turning as the
// application's would.
void OnWorkers(int count, const std::function<void(int)>& work)
{
    std::atomic<int> done = 0;
    std::vector<std::thread> threads;
    for (int i = 0; i < count; ++i)
        threads.emplace_back([&, i] {
            work(i);
            ++done;
        });
    const std::int64_t start = RealClock().SteadyMs();
    while (done < count && RealClock().SteadyMs() - start < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    if (done < count) {
        // Joining would hang the test program; the threads use this frame, so they cannot be left behind.
        ADD_FAILURE() << count - done << " worker(s) still running after 20 s";
        std::fflush(stdout);
        std::abort();
    }
    for (std::thread& t : threads)
        t.join();
}

// Joins `thread` as the GUI thread does when it stops the workers: without turning the event loop.
// Returns false when it takes longer than `ms`; the join then goes on in the background and the
// caller must free the thread before returning.
class TimedJoin {
public:
    explicit TimedJoin(std::thread& thread) : joiner_([&] { thread.join(); joined_.set_value(); }) {}
    ~TimedJoin() { joiner_.join(); }
    bool Within(int ms) { return done_.wait_for(std::chrono::milliseconds(ms)) == std::future_status::ready; }

private:
    std::promise<void> joined_;
    std::future<void> done_ = joined_.get_future();
    std::thread joiner_;
};

QString TestDirPath(const QString& name) { return testing_support::TestDir() + name; }

}  // namespace

TEST(Text, Cp1252RoundTripAndFixedFields)
{
    const char bytes[] = {'1', '0', char(0xB0), 'C', char(0x80), char(0x81)};
    const QString s = FromCp1252(bytes, sizeof bytes);
    EXPECT_EQ(s, QString::fromUtf8("10\u00B0C\u20AC") + QChar(0x81));
    EXPECT_EQ(ToCp1252(s), QByteArray(bytes, sizeof bytes));
    EXPECT_EQ(ToCp1252(QString::fromUtf8("\u4E2D")), QByteArray("?"));

    char field[6];
    SetFieldText(field, "ABCDEFGH");
    EXPECT_EQ(std::string(field, 6), std::string("ABCDE\0", 6));
    EXPECT_EQ(FieldText(field), "ABCDE");
    const char full[4] = {'W', 'X', 'Y', 'Z'};  // no NUL inside the width
    EXPECT_EQ(FieldText(full), "WXYZ");
    EXPECT_EQ(CFormat("%d %3.1f", 0, 2.25), "0 2.2");
}

TEST(Services, MessageBoxIsRecordedAndAnsweredAsScripted)
{
    doubles().prompter.answers.push_back(IDYES);
    EXPECT_EQ(MessageBox("Save changes?", "Report info", MB_YESNO), IDYES);
    EXPECT_EQ(MessageBox("Disk full", "File Error", MB_OK), IDOK);
    EXPECT_EQ(MessageBox("Go on?", "ERROR", MB_YESNO), IDCANCEL);  // unscripted questions are cancelled
    ASSERT_EQ(doubles().prompter.messages.size(), 3);
    EXPECT_EQ(doubles().prompter.messages[0].text, "Save changes?");
    EXPECT_EQ(doubles().prompter.messages[0].caption, "Report info");
    MessageBeep(0);
    EXPECT_EQ(doubles().sounder.beeps, 1);
}

TEST(Services, TimersFireOnlyWhileSet)
{
    QList<int> fired;
    auto timers = services().timers->Create([&](int id) { fired << id; });
    timers->SetTimer(3, 10000);
    timers->SetTimer(5, 10000);
    timers->KillTimer(3);
    EXPECT_FALSE(doubles().timers.last->Fire(3));
    EXPECT_TRUE(doubles().timers.last->Fire(5));
    EXPECT_EQ(fired, QList<int>{5});
    EXPECT_EQ(timers->Period(5), 10000);
}

TEST(Services, WorkerThreadsMayAskAndPost)
{
    constexpr int kThreads = 8, kEach = 200;
    OnWorkers(kThreads, [](int t) {
        for (int i = 0; i < kEach; ++i) {
            MessageBox(QString::number(t), "Worker", MB_OK);
            MessageBeep();
            services().queue->Post([] {});
            services().clipboard->SetText(QString::number(i));
        }
    });
    EXPECT_EQ(doubles().prompter.messages.size(), kThreads * kEach);
    EXPECT_EQ(doubles().sounder.beeps, kThreads * kEach);
    EXPECT_EQ(doubles().queue.DeliverAll(), kThreads * kEach);

    // The desktop services build widgets on the GUI thread only: a worker's call runs there.
    QThread* ranOn = nullptr;
    OnWorkers(1, [&](int) { CallOnGuiThread([&] { ranOn = QThread::currentThread(); }); });
    EXPECT_EQ(ranOn, qApp->thread());
    InstallRealServices();
    QThread* changedOn = nullptr;
    QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, qApp,
                     [&] { changedOn = QThread::currentThread(); }, Qt::DirectConnection);
    QString read;
    OnWorkers(1, [&](int) {
        services().clipboard->SetText("from a worker");
        read = services().clipboard->Text();
    });
    QObject::disconnect(QGuiApplication::clipboard(), &QClipboard::dataChanged, qApp, nullptr);
    EXPECT_EQ(read, "from a worker");
    EXPECT_EQ(changedOn, qApp->thread());
}

TEST(Services, WorkersAskingWhileTheGuiThreadJoinsThemDoNotHang)
{
    // The GUI thread joins workers that want to ask the user something: their questions are answered
    // as cancelled instead of both threads waiting for each other, whether a worker asked before the GUI
    // thread began to wait or after.
    InstallRealServices();
    std::atomic<int> ranOnGui = 0;
    int earlyAnswer = 0;
    bool earlyRan = true;
    std::thread early([&] {
        earlyAnswer = MessageBox("Pump 1 stopped", "Alarm", MB_OK);
    });
    std::thread earlyCall([&] {
        earlyRan = CallOnGuiThread([&] { ++ranOnGui; });
    });
    // Both now wait for this thread.
    const std::int64_t deadline = RealClock().SteadyMs() + 10000;
    while (PendingGuiCallsForTest() < 2 && RealClock().SteadyMs() < deadline)
        std::this_thread::yield();
    ASSERT_EQ(PendingGuiCallsForTest(), 2) << "the workers' calls never reached the GUI thread";

    // Should a box come up after all, it is dismissed rather than left waiting for an answer.
    int boxes = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            ++boxes;
            box->close();
        }
    });
    closer.start(10);

    std::optional<GuiWaitsForWorkers> waiting;
    waiting.emplace();
    bool lateRan = true;
    int lateAnswer = 0;
    std::thread late([&] {
        lateRan = CallOnGuiThread([&] { ++ranOnGui; });
        lateAnswer = MessageBox("Pump 2 stopped", "Alarm", MB_OK);
    });
    {
        TimedJoin e(early), c(earlyCall), l(late);
        const bool joined = e.Within(5000) && c.Within(5000) && l.Within(5000);
        EXPECT_TRUE(joined) << "the GUI thread and a worker wait for each other";
        if (!joined) {
            // Free the workers before their frames go: let their calls run.
            waiting.reset();
            while (!(e.Within(0) && c.Within(0) && l.Within(0)))
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
    }
    EXPECT_EQ(earlyAnswer, IDCANCEL);
    EXPECT_FALSE(earlyRan);
    EXPECT_FALSE(lateRan);
    EXPECT_EQ(lateAnswer, IDCANCEL);

    // The cancelled calls are still posted: when the event loop turns again they must leave their
    // work, whose worker has gone, alone.
    waiting.reset();
    const std::int64_t start = RealClock().SteadyMs();
    while (RealClock().SteadyMs() - start < 100)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    EXPECT_EQ(ranOnGui, 0);
    EXPECT_EQ(boxes, 0);
}

TEST(Services, WorkPutOffWhileAWorkersCallRunsWaitsForItToReturn)
{
    // The GUI thread, inside a worker's call (as in its message box), is asked to do what must wait
    // until that call has returned: joining the worker, say.
    std::vector<std::string> order;
    bool runningInside = false;
    OnWorkers(1, [&](int) {
        CallOnGuiThread([&] {
            runningInside = GuiCallRunning();
            WhenNoGuiCallRuns([&] { order.push_back("put off"); });
            order.push_back("call returns");
        });
    });
    EXPECT_TRUE(runningInside);
    EXPECT_FALSE(GuiCallRunning());
    const std::int64_t deadline = RealClock().SteadyMs() + 5000;
    while (order.size() < 2 && RealClock().SteadyMs() < deadline)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    EXPECT_EQ(order, (std::vector<std::string>{"call returns", "put off"}));

    // With no call running it runs at once.
    WhenNoGuiCallRuns([&] { order.push_back("at once"); });
    EXPECT_EQ(order.back(), "at once");
}

TEST(Services, TimerPeriodsAreKeptWithinTheirLimits)
{
    QMap<int, int> fired;
    auto real = RealTimerFactory().Create([&](int id) { ++fired[id]; });
    auto fake = services().timers->Create([](int) {});
    for (auto* timers : {real.get(), fake.get()}) {
        timers->SetTimer(1, 0);
        timers->SetTimer(2, -5);  // a huge period to Windows: in practice never
        timers->SetTimer(3, 9);
        timers->SetTimer(4, 250);
        EXPECT_EQ(timers->Period(1), USER_TIMER_MINIMUM);
        EXPECT_EQ(timers->Period(2), USER_TIMER_MAXIMUM);
        EXPECT_EQ(timers->Period(3), USER_TIMER_MINIMUM);
        EXPECT_EQ(timers->Period(4), 250);
    }
    // A zero period must not fire on every pass of the event loop, and a negative one not at all.
    real->KillTimer(3);
    real->KillTimer(4);
    const std::int64_t start = RealClock().SteadyMs();
    while (RealClock().SteadyMs() - start < 100)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    real->KillTimer(1);
    real->KillTimer(2);
    EXPECT_LE(fired.value(1), 20);
    EXPECT_EQ(fired.value(2), 0);
}

TEST(Services, RealTimersAndQueueRunOnTheEventLoop)
{
    QList<int> fired;
    auto timers = RealTimerFactory().Create([&](int id) { fired << id; });
    timers->SetTimer(2, 5);
    bool posted = false;
    RealMessageQueue().Post([&] { posted = true; });
    const std::int64_t start = RealClock().SteadyMs();
    while ((fired.isEmpty() || !posted) && RealClock().SteadyMs() - start < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    timers->KillTimer(2);
    EXPECT_TRUE(posted);
    ASSERT_FALSE(fired.isEmpty());
    EXPECT_EQ(fired.first(), 2);
}

TEST(Services, RealShellRunsProgramsWithoutAShell)
{
    const QString file = testing_support::TestDir() + "a b;c";
    EXPECT_EQ(RealShell().RunProgram("/bin/sh", {"-c", "touch \"$0\"", file}, 5000), 0);
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_EQ(RealShell().RunProgram("/nonexistent/program", {}, 1000), -1);
    EXPECT_EQ(RealShell().RunProgram("/bin/sh", {"-c", "exit 3"}, 5000), 3);
}

TEST(Folders, RootsReadWhileAnotherThreadSetsThemComeWhole)
{
    const FolderRoots a{TestDirPath("a/docs"), TestDirPath("a/config"), TestDirPath("a/home")};
    const FolderRoots b{TestDirPath("b/docs"), TestDirPath("b/config"), TestDirPath("b/home")};
    SetFolderRoots(a);
    std::atomic<int> torn = 0;
    OnWorkers(4, [&](int t) {
        for (int i = 0; i < 20000; ++i) {
            if (t == 0) {
                SetFolderRoots(i % 2 ? a : b);
                continue;
            }
            const FolderRoots r = CurrentFolderRoots();
            const FolderRoots& from = r.documents == a.documents ? a : b;
            torn += r.documents != from.documents || r.config != from.config || r.home != from.home;
        }
    });
    EXPECT_EQ(torn, 0);
}

TEST(Folders, DocumentsAndInstallFolders)
{
    const QString docs = DocumentsFolder();
    EXPECT_TRUE(docs.endsWith("/docs/StrativM/"));
    EXPECT_TRUE(QDir(docs).exists());  // made when missing
    EXPECT_TRUE(InstallFolder().endsWith("/home/StrativM/"));
    SetInstallFolder(testing_support::TestDir() + "inst");
    EXPECT_EQ(InstallFolder(), testing_support::TestDir() + "inst/");
    EXPECT_TRUE(QFile::exists(SettingsFile()));

    QFile f(testing_support::TestDir() + "WELL.SVM");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_EQ(FindFileNoCase(testing_support::TestDir(), "well.svm"), testing_support::TestDir() + "WELL.SVM");
    EXPECT_EQ(FindFileNoCase(testing_support::TestDir(), "none.svm"), testing_support::TestDir() + "none.svm");
}
