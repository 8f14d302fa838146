#include "support/strokewaiter.h"

#include <condition_variable>
#include <list>
#include <mutex>

namespace testing_support {

struct FakeStrokeTime::Line {
    std::int64_t elapsed = 0;  // end of the last wait that ended
    std::int64_t target = 0;   // end of the wait under way
    bool blocked = false;
    bool ended = false;
};

struct FakeStrokeTime::Core {
    mutable std::mutex mutex;
    mutable std::condition_variable_any changed;
    std::int64_t now = 0;
    std::list<Line> lines;
};

namespace {

class FakeWaiter final : public drilling::StrokeWaiter {
public:
    FakeWaiter(std::shared_ptr<FakeStrokeTime::Core> core, FakeStrokeTime::Line& line)
        : core_(std::move(core)), line_(line)
    {
    }
    ~FakeWaiter() override
    {
        const std::lock_guard lock(core_->mutex);
        line_.ended = true;
        core_->changed.notify_all();
    }
    bool Wait(std::stop_token stop, std::int32_t ms) override
    {
        std::unique_lock lock(core_->mutex);
        line_.target = line_.elapsed + ms;
        line_.blocked = true;
        core_->changed.notify_all();
        const bool reached = core_->changed.wait(lock, stop, [this] { return core_->now >= line_.target; });
        line_.blocked = false;
        core_->changed.notify_all();
        if (!reached)
            return false;
        line_.elapsed = line_.target;
        return true;
    }

private:
    std::shared_ptr<FakeStrokeTime::Core> core_;
    FakeStrokeTime::Line& line_;
};

}  // namespace

FakeStrokeTime::FakeStrokeTime() : core_(std::make_shared<Core>()) {}

std::function<std::unique_ptr<drilling::StrokeWaiter>()> FakeStrokeTime::Maker() const
{
    return [core = core_]() -> std::unique_ptr<drilling::StrokeWaiter> {
        const std::lock_guard lock(core->mutex);
        Line& line = core->lines.emplace_back();
        return std::make_unique<FakeWaiter>(core, line);
    };
}

void FakeStrokeTime::Advance(std::int64_t ms)
{
    const std::lock_guard lock(core_->mutex);
    core_->now += ms;
    core_->changed.notify_all();
}

bool FakeStrokeTime::Settle(std::chrono::milliseconds limit) const
{
    std::unique_lock lock(core_->mutex);
    return core_->changed.wait_for(lock, limit, [this] {
        for (const Line& l : core_->lines)
            if (!l.ended && !(l.blocked && l.target > core_->now))
                return false;
        return true;
    });
}

int FakeStrokeTime::Running() const
{
    const std::lock_guard lock(core_->mutex);
    int n = 0;
    for (const Line& l : core_->lines)
        n += l.ended ? 0 : 1;
    return n;
}

}  // namespace testing_support
