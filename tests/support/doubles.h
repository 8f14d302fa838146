#pragma once
// Test doubles of the platform services: each records what the code under test asked and answers as
// the test scripted. The test main installs one set of them before every test. Like the real services
// they may be called from any thread; a test reads what they recorded once its threads have finished.
#include "platform/gameport.h"
#include "platform/services.h"
#include "support/printers.h"

#include <QList>
#include <QMap>

#include <deque>
#include <functional>
#include <mutex>

namespace testing_support {

struct AskedMessage {
    QString text;
    QString caption;
    unsigned flags = 0;
};

class FakePrompter final : public platform::Prompter {
public:
    // Scripted answers, taken in order; when empty a message box answers IDOK for a lone OK button,
    // IDCANCEL otherwise, and every dialog is cancelled.
    std::deque<int> answers;
    std::deque<std::optional<QString>> fileAnswers;
    std::deque<std::optional<QString>> inputAnswers;
    std::deque<std::optional<platform::COLORREF>> colorAnswers;

    QList<AskedMessage> messages;
    // Runs while each message box is up (after it is recorded), as the program runs on under a box.
    std::function<void(const AskedMessage&)> whileShown;
    QList<platform::FileDialogRequest> fileRequests;
    QList<QString> inputPrompts;
    QList<QString> inputCaptions;
    QList<QString> inputInitials;  // the text each input box proposed

    int MessageBox(const QString& text, const QString& caption, unsigned flags) override;
    std::optional<QString> OpenFileName(const platform::FileDialogRequest& r) override;
    std::optional<QString> SaveFileName(const platform::FileDialogRequest& r) override;
    // The scripted answer, cut to the buffer as the desktop box's field would take it.
    std::optional<QString> InputBox(const QString& prompt, const QString& caption, const QString& initial,
                                    int size) override;
    // Records the colour each chooser opened on and its custom-colour table (null when none).
    QList<platform::COLORREF> colorInitials;
    QList<const platform::CustomColours*> colorTables;
    std::optional<platform::COLORREF> ChooseColor(platform::COLORREF initial, platform::CustomColours* custom) override;

private:
    std::mutex mutex_;
};

class FakeSounder final : public platform::Sounder {
public:
    int beeps = 0;
    QStringList played;
    void MessageBeep(unsigned) override
    {
        const std::lock_guard lock(mutex_);
        ++beeps;
    }
    bool PlaySound(const QString& f) override
    {
        const std::lock_guard lock(mutex_);
        played << f;
        return true;
    }

private:
    std::mutex mutex_;
};

class FakeClock final : public platform::Clock {
public:
    std::int64_t ms = 0;
    QDateTime now = QDateTime(QDate(2026, 1, 15), QTime(8, 30, 0));
    std::int64_t SteadyMs() const override
    {
        const std::lock_guard lock(mutex_);
        return ms;
    }
    QDateTime LocalTime() const override
    {
        const std::lock_guard lock(mutex_);
        return now;
    }
    void Advance(std::int64_t delta)
    {
        const std::lock_guard lock(mutex_);
        ms += delta;
        now = now.addMSecs(delta);
    }

private:
    mutable std::mutex mutex_;
};

// Timers that never fire by themselves: a test calls Fire(id). Periods are kept as the real timers
// run them (TimerPeriod).
class FakeTimers final : public platform::WindowTimers {
public:
    explicit FakeTimers(std::function<void(int)> fire) : fire_(std::move(fire)) {}
    void SetTimer(int id, int ms) override { periods[id] = platform::TimerPeriod(ms); }
    void KillTimer(int id) override { periods.remove(id); }
    bool IsRunning(int id) const override { return periods.contains(id); }
    int Period(int id) const override { return periods.value(id, 0); }
    // Fires a running timer; returns false (and fires nothing) when it is not running.
    bool Fire(int id)
    {
        if (!periods.contains(id))
            return false;
        fire_(id);
        return true;
    }
    QMap<int, int> periods;

private:
    std::function<void(int)> fire_;
};

class FakeTimerFactory final : public platform::TimerFactory {
public:
    std::unique_ptr<platform::WindowTimers> Create(std::function<void(int)> fire) override;
    FakeTimers* last = nullptr;  // the timers of the window made last
};

// Posted work waits until the test delivers it (on the test's thread, as the GUI thread would).
class FakeQueue final : public platform::MessageQueue {
public:
    std::deque<std::function<void()>> pending;
    void Post(std::function<void()> work) override
    {
        const std::lock_guard lock(mutex_);
        pending.push_back(std::move(work));
    }
    int DeliverAll();

private:
    std::mutex mutex_;
};

struct ProgramCall {
    QString program;
    QStringList args;
};

class FakeShell final : public platform::Shell {
public:
    QList<ProgramCall> opened;   // ShellOpen: program = path, args = {verb}
    QList<ProgramCall> started;
    QList<ProgramCall> ran;
    int exitCode = 0;
    bool openFails = false;  // ShellOpen finds no program for the file
    bool ShellOpen(const QString& path, const QString& verb) override
    {
        const std::lock_guard lock(mutex_);
        opened.append({path, {verb}});
        return !openFails;
    }
    bool StartProgram(const QString& program, const QStringList& args) override
    {
        const std::lock_guard lock(mutex_);
        started.append({program, args});
        return true;
    }
    int RunProgram(const QString& program, const QStringList& args, int) override
    {
        const std::lock_guard lock(mutex_);
        ran.append({program, args});
        return exitCode;
    }

private:
    std::mutex mutex_;
};

class FakeClipboard final : public platform::Clipboard {
public:
    QString text;
    void SetText(const QString& t) override
    {
        const std::lock_guard lock(mutex_);
        text = t;
    }
    QString Text() const override
    {
        const std::lock_guard lock(mutex_);
        return text;
    }
    void Clear() override
    {
        const std::lock_guard lock(mutex_);
        text.clear();
    }

private:
    mutable std::mutex mutex_;
};

// The depth box on the game port: records captures and releases, answers readings with `buttons`, and
// delivers button messages to the window that holds the capture as the port would post them.
class FakeGamePort final : public platform::GamePort {
public:
    bool present = true;       // a capture succeeds
    bool readFails = false;    // a reading fails as a lost device's would
    std::uint32_t buttons = 0;  // the state a reading gives
    int captures = 0;
    int releases = 0;
    int reads = 0;
    bool captured = false;
    platform::HWND window = 0;  // the window that holds the capture
    bool SetCapture(platform::HWND w) override
    {
        ++captures;
        if (!present)
            return false;
        captured = true;
        window = w;
        return true;
    }
    void ReleaseCapture() override
    {
        ++releases;
        captured = false;
        window = 0;
    }
    bool ReadButtons(std::uint32_t& word) override
    {
        ++reads;
        if (readFails || !captured)
            return false;
        word = buttons;
        return true;
    }
    // Posts MM_JOY1BUTTONDOWN (`down`) or MM_JOY1BUTTONUP with `word` to the capturing window; false
    // when the port is not captured.
    bool Deliver(bool down, std::uint32_t word);
};

// One set of doubles, installed for the current test.
struct Doubles {
    FakePrompter prompter;
    FakeSounder sounder;
    FakeClock clock;
    FakeTimerFactory timers;
    FakeQueue queue;
    FakeShell shell;
    FakeClipboard clipboard;
    FakePrinters printers;
    FakeGamePort gamePort;
    void Install();
};

// The doubles of the running test.
Doubles& doubles();

}  // namespace testing_support
