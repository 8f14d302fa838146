#pragma once
// Where a WITS sample ends, for both links. A rig may send its values in several frames (record 01 in
// one, record 12 in the next) or a whole frame in several reads; all that arrives within one 6-second
// slot of the day fills one sample, each item over its own field only. A sample is closed when the slot
// changes, when the link stops and, for a peer that never ends its frames with "!!", at the end of a
// read; a sample closed within its slot is taken up again by the next item of that slot and replaces
// its earlier close. Closed samples gather into blocks; a full block, and at the link's stop an
// unfinished one, goes to the link's writer.
#include "wellfile/witsrecord.h"

#include <QDateTime>

#include <cstdint>
#include <functional>
#include <vector>

namespace wits {

class SampleBuffer {
public:
    // `finish` completes a sample as it closes (its stamps are set already); `writeBlock` takes each
    // block of closed samples.
    using Finish = std::function<void(wellfile::WITSRECORD&)>;
    using WriteBlock = std::function<void(const wellfile::WITSRECORD* samples, int count)>;

    explicit SampleBuffer(int blockSize) : block_(std::size_t(blockSize > 0 ? blockSize : 1)) {}

    void SetFinish(Finish finish) { finish_ = std::move(finish); }
    void SetWriter(WriteBlock write) { write_ = std::move(write); }

    // The sample that items arriving at `now` fill: the open one while its slot lasts, otherwise (after
    // closing it) the one of the new slot.
    wellfile::WITSRECORD& Fill(const QDateTime& now);
    // The open sample, or an empty one when none is open (nothing that is written).
    wellfile::WITSRECORD& Current() { return current_; }
    bool Open() const { return open_; }
    // Closes the open sample when the slot of `now` is not its slot.
    void SlotCheck(const QDateTime& now);
    // Closes the open sample (nothing when none is open).
    void Close();
    // The link stops: the open sample is closed and the unfinished block written.
    void Flush();
    // Closed samples waiting in the unfinished block.
    int Waiting() const { return count_; }
    // The sample closed last (an empty one before the first).
    const wellfile::WITSRECORD& LastClosed() const { return last_; }
    // The block's sample closed last; an empty one while the block holds none.
    wellfile::WITSRECORD InBlockBefore() const { return count_ > 0 ? block_[std::size_t(count_ - 1)] : wellfile::WITSRECORD{}; }

private:
    static std::int64_t KeyOf(const QDateTime& t);

    std::vector<wellfile::WITSRECORD> block_;
    int count_ = 0;
    wellfile::WITSRECORD current_{};
    bool open_ = false;
    QDateTime openedAt_;    // the time the sample is stamped with: its last item's
    std::int64_t key_ = -1;  // the open sample's day and slot
    // The last closed sample, taken up again by a later item of its slot.
    wellfile::WITSRECORD last_{};
    std::int64_t lastKey_ = -1;
    bool lastInBlock_ = false;  // it is the block's last entry still
    Finish finish_;
    WriteBlock write_;
};

}  // namespace wits
