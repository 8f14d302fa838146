#pragma once
// Everything the program asks of the user or of the machine that a test must control goes through one
// of these interfaces. The application installs the real implementations; the test main installs doubles
// that record what was asked and answer as the test scripts it.
//
// Threads: the Prompter, Sounder and Clipboard may be called from any thread. Widgets live on the GUI
// thread only, so the desktop ones do their work there and a worker waits for the answer (a beep is
// only posted); the GUI thread must therefore never wait for a worker that may be asking the user
// something. MessageQueue::Post may be called from any thread. Window timers belong to the GUI thread.
// Services are installed before worker threads start.
#include "platform/winapi.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace platform {

class Printers;  // platform/printer.h
class GamePort;  // platform/gameport.h

// What a file dialog is asked: the folder it starts in, the title, and Windows-style filters
// ("Data Files (*.svm)|*.svm|All Files (*.*)|*.*").
struct FileDialogRequest {
    QString title;
    QString folder;
    QString fileName;   // proposed name
    QString filter;
    QString defaultExt;  // without the dot
};

// The 16 custom colours of a colour chooser.
using CustomColours = std::array<COLORREF, 16>;

// Message boxes, questions, file dialogs, the input box and the colour chooser.
class Prompter {
public:
    virtual ~Prompter() = default;
    // Returns IDOK, IDCANCEL, IDYES, IDNO... for the buttons that `flags` names.
    virtual int MessageBox(const QString& text, const QString& caption, unsigned flags) = 0;
    virtual std::optional<QString> OpenFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> SaveFileName(const FileDialogRequest& request) = 0;
    // A one-line text input; nullopt when cancelled. `size`, when above 0, is the size of the buffer the
    // answer goes to: at most size - 1 characters can be typed or are returned.
    virtual std::optional<QString> InputBox(const QString& prompt, const QString& caption, const QString& initial,
                                            int size = 0) = 0;
    // The colour chooser opened on `initial`; `custom`, when given, is the chooser's table of custom
    // colours, shown and kept back as the user left it.
    virtual std::optional<COLORREF> ChooseColor(COLORREF initial, CustomColours* custom) = 0;
};

// Beeps and sound files.
class Sounder {
public:
    virtual ~Sounder() = default;
    virtual void MessageBeep(unsigned type) = 0;
    virtual bool PlaySound(const QString& wavFile) = 0;
};

// The steady millisecond clock and the local time of day.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t SteadyMs() const = 0;
    virtual QDateTime LocalTime() const = 0;
};

// Numbered window timers of one window: SetTimer(n, ms) makes `fire(n)` run every ms milliseconds
// on the GUI thread until KillTimer(n). Setting a running timer again restarts it with the new period.
// A period from 0 to under USER_TIMER_MINIMUM runs at that minimum, a negative one at
// USER_TIMER_MAXIMUM (TimerPeriod), and Period reports it so.
class WindowTimers {
public:
    virtual ~WindowTimers() = default;
    virtual void SetTimer(int id, int ms) = 0;
    virtual void KillTimer(int id) = 0;
    virtual bool IsRunning(int id) const = 0;
    virtual int Period(int id) const = 0;  // 0 when not running
};
// The period a timer set to `ms` runs at.
constexpr int TimerPeriod(int ms)
{
    return ms < 0 ? USER_TIMER_MAXIMUM : ms < USER_TIMER_MINIMUM ? USER_TIMER_MINIMUM : ms;
}

// Work posted to run later on the GUI thread (window messages sent with PostMessage).
class MessageQueue {
public:
    virtual ~MessageQueue() = default;
    virtual void Post(std::function<void()> work) = 0;
};

// Other programs: documents opened with their associated program, helpers started with an argument
// vector (never through a shell).
class Shell {
public:
    virtual ~Shell() = default;
    // Opens `path` with the desktop's program for it; false when there is none or it failed to start
    // (the opener's exit status is waited for a few seconds).
    virtual bool ShellOpen(const QString& path, const QString& verb) = 0;
    // Starts `program` and returns at once; false when it could not be started.
    virtual bool StartProgram(const QString& program, const QStringList& args) = 0;
    // Runs `program` to its end; returns its exit code, or -1 when it could not run or timed out.
    virtual int RunProgram(const QString& program, const QStringList& args, int timeoutMs) = 0;
};

// The text clipboard.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void SetText(const QString& text) = 0;
    virtual QString Text() const = 0;
    virtual void Clear() = 0;
};

// Makes window timers for a window: the real one uses Qt timers, the double fires them by hand.
class TimerFactory {
public:
    virtual ~TimerFactory() = default;
    virtual std::unique_ptr<WindowTimers> Create(std::function<void(int)> fire) = 0;
};

struct Services {
    Prompter* prompter = nullptr;
    Sounder* sounder = nullptr;
    Clock* clock = nullptr;
    TimerFactory* timers = nullptr;
    MessageQueue* queue = nullptr;
    Shell* shell = nullptr;
    Clipboard* clipboard = nullptr;
    Printers* printers = nullptr;
    GamePort* gamePort = nullptr;
};

// The services in force (a copy: installing never tears a read). Installed once by the application,
// and by the test main between tests.
Services services();
void InstallServices(const Services& s);

// Runs `work` on the GUI thread and returns when it has run: at once when called there, else it is
// posted there and the worker waits (the GUI thread must be free to run it). Without an application it
// runs here. Returns false, without running `work`, when the GUI thread starts waiting for the workers
// to end (see GuiWaitsForWorkers) before `work` has begun, or was already waiting: waiting on then
// would hang both.
bool CallOnGuiThread(const std::function<void()>& work);

// Held by the GUI thread while it joins worker threads: their questions to the user, those already
// waiting for the GUI thread included, are then answered at once as cancelled instead of waiting for a
// GUI thread that is waiting for them.
class GuiWaitsForWorkers {
public:
    GuiWaitsForWorkers();
    ~GuiWaitsForWorkers();
    GuiWaitsForWorkers(const GuiWaitsForWorkers&) = delete;
    GuiWaitsForWorkers& operator=(const GuiWaitsForWorkers&) = delete;
};

// Whether a worker's call is running on the GUI thread. Called there, true means this thread is inside
// that call (a message box's event loop), whose worker waits for it to return: joining that worker now
// would hang both.
bool GuiCallRunning();

// Runs `work`, on the GUI thread, at once when no worker's call is running there, else once the running
// calls have returned (posted to the event loop). Joins of worker threads go through it.
void WhenNoGuiCallRuns(std::function<void()> work);

// Shorthands for the calls made everywhere.
int MessageBox(const QString& text, const QString& caption, unsigned flags = MB_OK);
// An OK box of work that runs by itself (a timer's tick): shown at once, or, while any modal box or dialog
// stands (its modal loop runs the ticks on), once none does, after those queued before it. A box is thus
// never lost behind another, and two modal boxes never stand together: a window manager may then give
// neither the focus, and nobody can answer either.
void QueueMessageBox(const QString& text, const QString& caption);
// A modal box or dialog standing, counted from construction to destruction on any thread: the queued
// boxes wait until none stands. `MessageBox` and the desktop's prompts and dialogs hold one.
class ModalBoxOpen {
public:
    ModalBoxOpen();
    ~ModalBoxOpen();
    ModalBoxOpen(const ModalBoxOpen&) = delete;
    ModalBoxOpen& operator=(const ModalBoxOpen&) = delete;
};
void MessageBeep(unsigned type = 0);
std::int64_t SteadyMs();
QDateTime LocalTime();

// Core implementations that need no GUI: steady clock, Qt timers, queued calls on the application
// thread, external programs through QProcess. The GUI ones live in platform/ui.
Clock& RealClock();
TimerFactory& RealTimerFactory();
MessageQueue& RealMessageQueue();
Shell& RealShell();

// ---- For tests only ----
// The number of workers' calls registered and still waiting to run on the GUI thread.
int PendingGuiCallsForTest();

}  // namespace platform
