#pragma once
// The coil writes of the gas monitor's own interface box, one at a time on the instrument's link.
// A write may have to wait a while after the one before it ("write off, wait 100 ms, write off
// again"): it is held by a single-shot timer, never by sleeping, so the GUI thread runs on meanwhile.
#include "gasmon/gashost.h"

#include <QTimer>

#include <deque>
#include <functional>

namespace gasmon {

class CoilWriter {
public:
    // `send` puts one write on the link: 0 when it went out (its answer comes as a notice).
    explicit CoilWriter(std::function<int(const platform::CoilValues&)> send);

    // Queues the write of `values`, to go `delayMs` after the answer to the write before it.
    void Add(const platform::CoilValues& values, int delayMs = 0);
    bool Pending() const { return !steps_.empty(); }
    // Call while the link is free: sends the next write, or starts waiting for it. True when a write
    // went out or one is being waited for (the link is then not free for a read).
    bool Next();
    // Called when a wait is over; the owner then calls Next as soon as the link is free.
    std::function<void()> ready;

private:
    struct Step {
        platform::CoilValues values;
        int delayMs;
    };
    std::function<int(const platform::CoilValues&)> send_;
    std::deque<Step> steps_;
    QTimer wait_;
    bool waited_ = false;
};

// Ends a link once its last writes are answered: takes the link over from its engine (its answers come
// here from then on), sends `writes`, waits `finalWaitMs` and closes it. An answer still awaited when it
// starts is waited for first. Every wait is bounded: a link that stays silent is closed after a few
// seconds all the same. Deletes itself when done; the engine may go at once.
void CloseLinkAfterWrites(const ModbusCalls& calls, std::uint32_t handle, const platform::ModbusRequest& writeRequest,
                          bool answerAwaited, const std::deque<std::pair<platform::CoilValues, int>>& writes,
                          int finalWaitMs);

}  // namespace gasmon
