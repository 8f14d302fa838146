#include "support/doubles.h"

namespace testing_support {

namespace {
template <typename T>
std::optional<T> Take(std::deque<std::optional<T>>& q)
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
    messages.append({text, caption, flags});
    if (!answers.empty()) {
        const int a = answers.front();
        answers.pop_front();
        return a;
    }
    return (flags & platform::MB_TYPEMASK) == platform::MB_OK ? platform::IDOK : platform::IDCANCEL;
}

std::optional<QString> FakePrompter::OpenFileName(const platform::FileDialogRequest& r)
{
    fileRequests.append(r);
    return Take(fileAnswers);
}

std::optional<QString> FakePrompter::SaveFileName(const platform::FileDialogRequest& r)
{
    fileRequests.append(r);
    return Take(fileAnswers);
}

std::optional<QString> FakePrompter::InputBox(const QString& prompt, const QString&, const QString&)
{
    inputPrompts.append(prompt);
    return Take(inputAnswers);
}

std::optional<platform::COLORREF> FakePrompter::ChooseColor(platform::COLORREF)
{
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
    while (!pending.empty()) {
        auto work = std::move(pending.front());
        pending.pop_front();
        work();
        ++n;
    }
    return n;
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
    platform::InstallServices(s);
}

}  // namespace testing_support
