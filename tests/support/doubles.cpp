#include "support/doubles.h"

#include "platform/messagewindows.h"
#include "support/cursor.h"

namespace testing_support {

namespace {
template <typename T>
std::optional<T> Take(std::deque<std::optional<T>>& q)  // under the prompter's lock
{
    if (q.empty())
        return std::nullopt;
    auto v = q.front();
    q.pop_front();
    return v;
}
}  // namespace

int FakePrompter::MessageBox(const QString& text, const QString& caption, unsigned flags)
{
    std::function<void(const AskedMessage&)> shown;
    int answer = (flags & platform::MB_TYPEMASK) == platform::MB_OK ? platform::IDOK : platform::IDCANCEL;
    {
        const std::lock_guard lock(mutex_);
        messages.append({text, caption, flags});
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        shown = whileShown;
    }
    if (shown)
        shown({text, caption, flags});
    return answer;
}

std::optional<QString> FakePrompter::OpenFileName(const platform::FileDialogRequest& r)
{
    const std::lock_guard lock(mutex_);
    fileRequests.append(r);
    return Take(fileAnswers);
}

std::optional<QString> FakePrompter::SaveFileName(const platform::FileDialogRequest& r)
{
    const std::lock_guard lock(mutex_);
    fileRequests.append(r);
    return Take(fileAnswers);
}

std::optional<QString> FakePrompter::InputBox(const QString& prompt, const QString& caption, const QString& initial,
                                              int size)
{
    const std::lock_guard lock(mutex_);
    inputPrompts.append(prompt);
    inputCaptions.append(caption);
    inputInitials.append(initial);
    std::optional<QString> answer = Take(inputAnswers);
    if (answer && size > 0)
        *answer = answer->left(size - 1);
    return answer;
}

std::optional<platform::COLORREF> FakePrompter::ChooseColor(platform::COLORREF initial,
                                                             platform::CustomColours* custom)
{
    const std::lock_guard lock(mutex_);
    colorInitials.append(initial);
    colorTables.append(custom);
    return Take(colorAnswers);
}

std::unique_ptr<platform::WindowTimers> FakeTimerFactory::Create(std::function<void(int)> fire)
{
    auto t = std::make_unique<FakeTimers>(std::move(fire));
    last = t.get();
    return t;
}

int FakeQueue::DeliverAll()
{
    int n = 0;
    for (;;) {
        std::function<void()> work;
        {
            const std::lock_guard lock(mutex_);
            if (pending.empty())
                return n;
            work = std::move(pending.front());
            pending.pop_front();
        }
        work();  // unlocked: the work may post more
        ++n;
    }
}

void Doubles::Install()
{
    platform::Services s;
    s.prompter = &prompter;
    s.sounder = &sounder;
    s.clock = &clock;
    s.timers = &timers;
    s.queue = &queue;
    s.shell = &shell;
    s.clipboard = &clipboard;
    s.printers = &printers;
    s.gamePort = &gamePort;
    platform::InstallServices(s);
    cursor() = FakeCursor{};
    platform::InstallCursor(&cursor());
}

FakeCursor& cursor()
{
    static FakeCursor theCursor;
    return theCursor;
}

bool FakeGamePort::Deliver(bool down, std::uint32_t word)
{
    if (!captured)
        return false;
    platform::PostWindowMessage(window, down ? platform::MM_JOY1BUTTONDOWN : platform::MM_JOY1BUTTONUP, word, 0);
    return true;
}

}  // namespace testing_support
