#include "platform/folders.h"
#include "platform/services.h"
#include "platform/text.h"
#include "platform/ui/realservices.h"
#include "support/testmain.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
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
    for (std::thread& t : threads)
        t.join();
}

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
    // The GUI thread joins a worker that wants to ask the user something: the question is answered as
    // cancelled instead of both threads waiting for each other.
    InstallRealServices();
    bool ran = true;
    int answer = 0;
    std::thread worker;
    {
        const GuiWaitsForWorkers waiting;
        worker = std::thread([&] {
            ran = CallOnGuiThread([] {});
            answer = MessageBox("Pump 1 stopped", "Alarm", MB_OK);
        });
        worker.join();
    }
    EXPECT_FALSE(ran);
    EXPECT_EQ(answer, IDCANCEL);
}

TEST(Services, TimerPeriodsBelowTheMinimumRunAtTheMinimum)
{
    int fired = 0;
    auto real = RealTimerFactory().Create([&](int) { ++fired; });
    auto fake = services().timers->Create([](int) {});
    for (auto* timers : {real.get(), fake.get()}) {
        timers->SetTimer(1, 0);
        timers->SetTimer(2, -5);
        timers->SetTimer(3, 9);
        timers->SetTimer(4, 250);
        EXPECT_EQ(timers->Period(1), USER_TIMER_MINIMUM);
        EXPECT_EQ(timers->Period(2), USER_TIMER_MINIMUM);
        EXPECT_EQ(timers->Period(3), USER_TIMER_MINIMUM);
        EXPECT_EQ(timers->Period(4), 250);
    }
    // A zero period must not fire on every pass of the event loop.
    real->KillTimer(2);
    real->KillTimer(3);
    real->KillTimer(4);
    const std::int64_t start = RealClock().SteadyMs();
    while (RealClock().SteadyMs() - start < 100)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    real->KillTimer(1);
    EXPECT_LE(fired, 20);
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
