#include "wits/samplebuffer.h"

#include "wits/dailyfile.h"

namespace wits {

std::int64_t SampleBuffer::KeyOf(const QDateTime& t)
{
    const QTime clock = t.time();
    return t.date().toJulianDay() * wellfile::kSlotsPerDay + wellfile::SlotOfDay(clock.hour(), clock.minute(), clock.second());
}

wellfile::WITSRECORD& SampleBuffer::Fill(const QDateTime& now)
{
    const std::int64_t key = KeyOf(now);
    if (open_ && key != key_)
        Close();
    if (!open_) {
        // A sample of this slot closed already (at the end of a read) goes on where it stopped.
        current_ = key == lastKey_ ? last_ : wellfile::WITSRECORD{};
        key_ = key;
        open_ = true;
    }
    openedAt_ = now;
    return current_;
}

void SampleBuffer::SlotCheck(const QDateTime& now)
{
    if (open_ && KeyOf(now) != key_)
        Close();
}

void SampleBuffer::Close()
{
    if (!open_)
        return;
    open_ = false;
    StampSample(current_, openedAt_);
    if (finish_)
        finish_(current_);
    const bool again = key_ == lastKey_ && lastInBlock_ && count_ > 0;
    if (again)
        block_[std::size_t(count_ - 1)] = current_;
    else
        block_[std::size_t(count_++)] = current_;
    last_ = current_;
    lastKey_ = key_;
    lastInBlock_ = true;
    current_ = wellfile::WITSRECORD{};
    if (count_ < int(block_.size()))
        return;
    const int n = count_;
    count_ = 0;
    lastInBlock_ = false;
    if (write_)
        write_(block_.data(), n);
}

void SampleBuffer::Flush()
{
    Close();
    if (count_ == 0)
        return;
    const int n = count_;
    count_ = 0;
    lastInBlock_ = false;
    if (write_)
        write_(block_.data(), n);
}

}  // namespace wits
