#pragma once
// Reconnecting a running link after its settings were saved: with the wait cursor shown, the link is
// disconnected at once and connected again after a pause of 1,000 ms. The pause is a one-shot window
// timer of its own, so the GUI thread goes on meanwhile; the connect runs when it fires.
#include "platform/services.h"
#include "platform/waitcursor.h"

#include <functional>
#include <memory>
#include <optional>

namespace wits {

class LinkReconnect {
public:
    static constexpr int kPauseMs = 1000;
    static constexpr int kPauseTimer = 1;  // the one timer of its own timer set

    LinkReconnect() = default;
    ~LinkReconnect();
    LinkReconnect(const LinkReconnect&) = delete;
    LinkReconnect& operator=(const LinkReconnect&) = delete;

    // Runs `disconnect` now and `connect` once the pause is over. A reconnect still pending is
    // dropped first.
    void Start(const std::function<void()>& disconnect, std::function<void()> connect);
    // Drops a pending connect (the link went off during the pause) and puts the cursor back.
    void Cancel();
    bool Pending() const { return static_cast<bool>(connect_); }
    // The pause's timers (tests fire them).
    platform::WindowTimers* Timers() const { return timers_.get(); }

private:
    void Fire(int id);

    std::optional<platform::WaitCursor> wait_;  // shown from the disconnect until the connect has run
    std::function<void()> connect_;
    std::unique_ptr<platform::WindowTimers> timers_;
};

}  // namespace wits
