#include "wits/linkreconnect.h"

#include <utility>

namespace wits {

LinkReconnect::~LinkReconnect()
{
    if (timers_)
        timers_->KillTimer(kPauseTimer);
}

void LinkReconnect::Start(const std::function<void()>& disconnect, std::function<void()> connect)
{
    Cancel();
    if (!timers_) {
        platform::TimerFactory* factory = platform::services().timers;
        if (factory)
            timers_ = factory->Create([this](int id) { Fire(id); });
    }
    wait_.emplace();
    if (disconnect)
        disconnect();
    connect_ = std::move(connect);
    if (timers_) {
        timers_->SetTimer(kPauseTimer, kPauseMs);
    } else {
        Fire(kPauseTimer);  // no timers to wait with: connect at once rather than never
    }
}

void LinkReconnect::Cancel()
{
    if (timers_)
        timers_->KillTimer(kPauseTimer);
    connect_ = nullptr;
    wait_.reset();
}

void LinkReconnect::Fire(int id)
{
    if (id != kPauseTimer)
        return;
    if (timers_)
        timers_->KillTimer(kPauseTimer);
    std::function<void()> connect = std::exchange(connect_, nullptr);
    if (connect)
        connect();
    wait_.reset();
}

}  // namespace wits
