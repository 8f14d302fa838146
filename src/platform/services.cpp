#include "platform/services.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include <QThread>

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <list>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

namespace platform {

namespace {
std::mutex g_servicesMutex;
Services g_services;

class SteadyClock final : public Clock {
public:
    SteadyClock() { timer_.start(); }
    std::int64_t SteadyMs() const override { return timer_.elapsed(); }
    QDateTime LocalTime() const override { return QDateTime::currentDateTime(); }

private:
    QElapsedTimer timer_;
};

class QtWindowTimers final : public WindowTimers {
public:
    explicit QtWindowTimers(std::function<void(int)> fire) : fire_(std::move(fire)) {}
    ~QtWindowTimers() override { qDeleteAll(timers_); }

    void SetTimer(int id, int ms) override
    {
        QTimer*& t = timers_[id];
        if (!t) {
            t = new QTimer;
            QObject::connect(t, &QTimer::timeout, [this, id] { fire_(id); });
        }
        t->start(TimerPeriod(ms));  // a zero period would fire on every pass of the event loop
    }
    void KillTimer(int id) override
    {
        if (QTimer* t = timers_.take(id)) {
            t->stop();
            t->deleteLater();
        }
    }
    bool IsRunning(int id) const override { return timers_.contains(id); }
    int Period(int id) const override
    {
        QTimer* t = timers_.value(id);
        return t ? t->interval() : 0;
    }

private:
    std::function<void(int)> fire_;
    QHash<int, QTimer*> timers_;
};

class QtTimerFactory final : public TimerFactory {
public:
    std::unique_ptr<WindowTimers> Create(std::function<void(int)> fire) override
    {
        return std::make_unique<QtWindowTimers>(std::move(fire));
    }
};

class QueuedCalls final : public MessageQueue {
public:
    void Post(std::function<void()> work) override
    {
        QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(work), Qt::QueuedConnection);
    }
};

class ProcessShell final : public Shell {
    static constexpr int kOpenerWaitMs = 4000;

public:
    bool ShellOpen(const QString& path, const QString& verb) override
    {
        Q_UNUSED(verb);  // Linux desktops have one verb: open with the associated program
        const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        // A path in double quotes, as callers quote a path with blanks, is opened without them: the
        // argument goes to the opener whole, never through a shell.
        QString file = path;
        if (file.size() >= 2 && file.startsWith(u'"') && file.endsWith(u'"'))
            file = file.mid(1, file.size() - 2);
        if (opener.isEmpty())
            return false;
        // The opener hands the file to the desktop's program and ends; its exit status says whether there
        // was one (xdg-open ends with 3 when no program takes the file). One still running after the wait
        // is taken as the program itself, and left to run.
        auto* p = new QProcess;
        p->setProcessChannelMode(QProcess::ForwardedChannels);
        p->start(opener, {file});
        if (!p->waitForStarted(kOpenerWaitMs)) {
            delete p;
            return false;
        }
        if (!p->waitForFinished(kOpenerWaitMs)) {
            QObject::connect(p, &QProcess::finished, p, &QObject::deleteLater);
            return true;
        }
        const bool opened = p->exitStatus() == QProcess::NormalExit && p->exitCode() == 0;
        delete p;
        return opened;
    }
    bool StartProgram(const QString& program, const QStringList& args) override
    {
        return QProcess::startDetached(program, args);
    }
    int RunProgram(const QString& program, const QStringList& args, int timeoutMs) override
    {
        QProcess p;
        p.setProcessChannelMode(QProcess::ForwardedChannels);
        p.start(program, args);
        if (!p.waitForStarted(5000))
            return -1;
        if (!p.waitForFinished(timeoutMs)) {
            p.kill();
            p.waitForFinished(1000);
            return -1;
        }
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }
};
}  // namespace

Services services()
{
    const std::lock_guard lock(g_servicesMutex);
    return g_services;
}

void InstallServices(const Services& s)
{
    const std::lock_guard lock(g_servicesMutex);
    g_services = s;
}

namespace {
// A worker's call waiting for the GUI thread. It runs only while still pending; once the GUI thread
// starts to wait for the workers it is cancelled instead, and its posted call then leaves `work` alone
// (the worker has returned and what `work` refers to may be gone).
struct GuiCall {
    enum class State { Pending, Running, Done, Cancelled };
    State state = State::Pending;
    const std::function<void()>* work = nullptr;
    std::condition_variable finished;
};

// One mutex over the waiting calls, their states and the guard count, so that a call is either
// registered before the guard cancels it or sees the guard and never waits.
std::mutex g_guiCallsMutex;
std::list<std::shared_ptr<GuiCall>> g_guiCalls;
int g_guiWaitsForWorkers = 0;
int g_guiCallsRunning = 0;
// Work put off until no call is running (WhenNoGuiCallRuns).
std::vector<std::function<void()>> g_afterGuiCalls;

// With g_guiCallsMutex held.
void CancelIfPending(GuiCall& call)
{
    if (call.state == GuiCall::State::Pending) {
        call.state = GuiCall::State::Cancelled;
        call.finished.notify_all();
    }
}

// What is posted to the GUI thread. Qt drops posted calls unrun when the application ends: the worker
// is then released as cancelled instead of waiting for ever.
struct PostedGuiCall {
    explicit PostedGuiCall(std::shared_ptr<GuiCall> c) : call(std::move(c)) {}
    ~PostedGuiCall()
    {
        const std::lock_guard lock(g_guiCallsMutex);
        CancelIfPending(*call);
    }
    PostedGuiCall(const PostedGuiCall&) = delete;
    PostedGuiCall& operator=(const PostedGuiCall&) = delete;
    std::shared_ptr<GuiCall> call;
};

void RunGuiCall(const std::shared_ptr<GuiCall>& call)
{
    {
        const std::lock_guard lock(g_guiCallsMutex);
        if (call->state != GuiCall::State::Pending)
            return;
        call->state = GuiCall::State::Running;
        ++g_guiCallsRunning;
    }
    // Marked done even when `work` throws, or its worker would wait for ever. Work put off while it ran
    // is posted once the last running call has returned; it looks again when it comes to run, since
    // another call may have begun by then.
    struct Finish {
        GuiCall& call;
        ~Finish()
        {
            std::vector<std::function<void()>> after;
            {
                const std::lock_guard lock(g_guiCallsMutex);
                call.state = GuiCall::State::Done;
                if (--g_guiCallsRunning == 0)
                    after.swap(g_afterGuiCalls);
            }
            call.finished.notify_all();
            for (std::function<void()>& work : after)
                QMetaObject::invokeMethod(
                    QCoreApplication::instance(), [w = std::move(work)] { WhenNoGuiCallRuns(w); },
                    Qt::QueuedConnection);
        }
    } finish{*call};
    (*call->work)();
}
}  // namespace

GuiWaitsForWorkers::GuiWaitsForWorkers()
{
    // Calls run on the GUI thread only, and it is here, so what waits is pending. A call running below
    // this frame (its message box's event loop reached here) is not cancelled: its worker cannot be
    // joined until it returns, which is why joins go through WhenNoGuiCallRuns.
    const std::lock_guard lock(g_guiCallsMutex);
    ++g_guiWaitsForWorkers;
    for (const std::shared_ptr<GuiCall>& call : g_guiCalls)
        CancelIfPending(*call);
}

GuiWaitsForWorkers::~GuiWaitsForWorkers()
{
    const std::lock_guard lock(g_guiCallsMutex);
    --g_guiWaitsForWorkers;
}

bool GuiCallRunning()
{
    const std::lock_guard lock(g_guiCallsMutex);
    return g_guiCallsRunning > 0;
}

void WhenNoGuiCallRuns(std::function<void()> work)
{
    {
        const std::lock_guard lock(g_guiCallsMutex);
        if (g_guiCallsRunning > 0) {
            g_afterGuiCalls.push_back(std::move(work));
            return;
        }
    }
    work();
}

int PendingGuiCallsForTest()
{
    const std::lock_guard lock(g_guiCallsMutex);
    int pending = 0;
    for (const std::shared_ptr<GuiCall>& call : g_guiCalls)
        pending += call->state == GuiCall::State::Pending ? 1 : 0;
    return pending;
}

bool CallOnGuiThread(const std::function<void()>& work)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread()) {
        work();
        return true;
    }
    auto call = std::make_shared<GuiCall>();
    call->work = &work;
    std::list<std::shared_ptr<GuiCall>>::iterator entry;
    {
        const std::lock_guard lock(g_guiCallsMutex);
        if (g_guiWaitsForWorkers > 0)
            return false;
        entry = g_guiCalls.insert(g_guiCalls.end(), call);
    }
    // Not a blocking queued call: the wait below can be ended by the GUI thread without running it.
    auto posted = std::make_shared<PostedGuiCall>(call);
    QMetaObject::invokeMethod(app, [posted] { RunGuiCall(posted->call); }, Qt::QueuedConnection);
    posted.reset();
    std::unique_lock lock(g_guiCallsMutex);
    call->finished.wait(lock, [&] {
        return call->state == GuiCall::State::Done || call->state == GuiCall::State::Cancelled;
    });
    g_guiCalls.erase(entry);
    return call->state == GuiCall::State::Done;
}

int MessageBox(const QString& text, const QString& caption, unsigned flags)
{
    Prompter* prompter = services().prompter;
    if (!prompter) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
        return IDCANCEL;
    }
    const ModalBoxOpen open;
    return prompter->MessageBox(text, caption, flags);
}

namespace {
std::atomic<int> g_modalBoxes{0};
std::atomic<int> g_boxesWaiting{0};
std::deque<std::pair<QString, QString>> g_waitingBoxes;  // GUI thread only

// The queued boxes one after another while no other box stands; the ticks that run inside each box's
// loop queue theirs behind.
void ShowWaitingBoxes()
{
    while (!g_waitingBoxes.empty() && g_modalBoxes.load() == 0) {
        auto [text, caption] = std::move(g_waitingBoxes.front());
        g_waitingBoxes.pop_front();
        --g_boxesWaiting;
        MessageBox(text, caption, MB_OK);
    }
}
}  // namespace

ModalBoxOpen::ModalBoxOpen() { ++g_modalBoxes; }

ModalBoxOpen::~ModalBoxOpen()
{
    // The last box closed: the waiting ones come from the event loop, not inside the closer's call.
    if (--g_modalBoxes == 0 && g_boxesWaiting.load() > 0) {
        MessageQueue* queue = services().queue;
        (queue ? *queue : RealMessageQueue()).Post(ShowWaitingBoxes);
    }
}

void QueueMessageBox(const QString& text, const QString& caption)
{
    g_waitingBoxes.emplace_back(text, caption);
    ++g_boxesWaiting;
    ShowWaitingBoxes();
}

void MessageBeep(unsigned type)
{
    if (Sounder* sounder = services().sounder)
        sounder->MessageBeep(type);
}

namespace {
Clock& ClockInForce()
{
    Clock* clock = services().clock;
    return clock ? *clock : RealClock();
}
}  // namespace

std::int64_t SteadyMs() { return ClockInForce().SteadyMs(); }
QDateTime LocalTime() { return ClockInForce().LocalTime(); }

Clock& RealClock()
{
    static SteadyClock c;
    return c;
}
TimerFactory& RealTimerFactory()
{
    static QtTimerFactory f;
    return f;
}
MessageQueue& RealMessageQueue()
{
    static QueuedCalls q;
    return q;
}
Shell& RealShell()
{
    static ProcessShell s;
    return s;
}

}  // namespace platform
