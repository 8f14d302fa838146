#include "entry/rates.h"

#include "entry/entrybuffer.h"
#include "platform/numbers.h"
#include "platform/text.h"

#include <algorithm>
#include <string>

namespace entry {

using wellfile::RECORD;

namespace {

const char* UnitLabel(bool perHour) { return perHour ? "M/Hr" : "Min/M"; }

// The first record typed into: the one after the start depth's (buffer record 11).
constexpr int kFirstIndex = kRowsAboveStart + 1;

}  // namespace

float RateLimit(bool perHour) { return perHour ? 600.0f : 100.0f; }

std::optional<float> TypedRate(const QString& text, bool perHour)
{
    const double v = platform::LeadingDouble(text);
    if (!(v > 0) || v > RateLimit(perHour))
        return std::nullopt;
    return perHour ? float(60.0 / v) : float(v);
}

float ShownRate(float minutes, bool perHour)
{
    if (!perHour)
        return minutes;
    return minutes <= 0 ? 600.0f : 60.0f / minutes;
}

std::int32_t RateEndDepth(std::span<const RECORD> base, std::int32_t lastDepth, std::int32_t depthStep)
{
    const std::size_t n = std::min<std::size_t>(base.size(), kEntryReadRecords);
    if (n == 0 || base[0].depth == 0)
        return lastDepth;
    std::size_t k = 0;
    while (k + 1 < n && base[k + 1].depth != 0 && (long long)base[k + 1].depth == (long long)base[k].depth + depthStep)
        ++k;
    return std::min(lastDepth, base[k].depth);
}

QString RatePrompt(float d, bool perHour)
{
    return QString::fromStdString(platform::CFormat("Enter %s Rates for %.1f TO %.1f Now.. Press enter after each entry  (%s)",
                                                    "1 M", double(d), double(d) + 0.5, UnitLabel(perHour)));
}

QString SecondHalfPrompt(float d, std::int32_t depth, bool perHour)
{
    return QString::fromStdString(platform::CFormat("Enter %s Rate for %.1f TO %.1f Now.. Press enter after each entry  (%s)",
                                                    "", double(d) + 0.5, double(depth), UnitLabel(perHour)));
}

QString PreviousRatesLine(float d, float r4, float r8, float r12)
{
    return QString::fromStdString(platform::CFormat("%.1f=%3.1f   %.1f=%3.1f    1m Avg=%3.1f  AT %.1f", double(d) - 0.5,
                                                    double(r4), double(d), double(r8), double(r12), double(d)));
}

RateEntry::RateEntry(std::vector<RECORD>& buffer, bool perHour, std::int32_t lastDepth, std::int32_t depthStep,
                     int firstRowY, int rowHeight, std::int32_t& rowCounter)
    : buffer_(buffer), perHour_(perHour), rowHeight_(rowHeight), rowCounter_(rowCounter)
{
    row_.index = kFirstIndex;
    row_.y = firstRowY;
    startDepth_ = RecordAt(buffer_, kFirstIndex).depth;
    // The base records: buffer record 1 on, at most 100 of them.
    const std::span<const RECORD> all(buffer_);
    const std::span<const RECORD> base = all.size() > 1 ? all.subspan(1) : std::span<const RECORD>{};
    endDepth_ = RateEndDepth(base, lastDepth, depthStep);
    ShowPrompt();
}

float RateEntry::DepthAbove() { return float(RecordAt(buffer_, row_.index - 1).depth); }

void RateEntry::ShowPrompt()
{
    const RECORD& above = RecordAt(buffer_, row_.index - 1);
    const float d = float(above.depth);
    float r4 = above.rateOdd, r8 = above.rateOne, r12 = above.rate2Ft;
    if (perHour_) {
        r4 = ShownRate(r4, true);
        r8 = ShownRate(r8, true);
        r12 = (r4 + r8) / 2;
    }
    prompt_ = RatePrompt(d, perHour_);
    previous_ = PreviousRatesLine(d, r4, r8, r12);
}

RateKeyResult RateEntry::Enter(const QString& text)
{
    RECORD* typed = BufferRecord(buffer_, row_.index);
    if (!typed || typed->depth == 0 || RecordAt(buffer_, row_.index - 1).depth == endDepth_)
        return {};
    RECORD& current = *typed;
    if (!text.isEmpty()) {
        const std::optional<float> rate = TypedRate(text, perHour_);
        if (!rate)
            return {RateOutcome::OutOfRange};
        if (pass_ == 0) {
            current.rateOdd = *rate;
            prompt_ = SecondHalfPrompt(DepthAbove(), current.depth, perHour_);
            pass_ = 1;
            return {RateOutcome::FirstHalf};
        }
        current.rateOne = *rate;
        current.rate2Ft = (current.rateOdd + current.rateOne) / 2;
        return CompleteStep();
    }
    // An empty box repeats: the rates of the depth above, or the first half.
    if (pass_ == 0) {
        const RECORD& above = RecordAt(buffer_, row_.index - 1);
        current.rateOdd = above.rateOdd;
        current.rateOne = above.rateOne;
        current.rate2Ft = above.rate2Ft;
    } else {
        current.rateOne = current.rateOdd;
        current.rate2Ft = (current.rateOdd + current.rateOne) / 2;
    }
    return CompleteStep();
}

RateKeyResult RateEntry::CompleteStep()
{
    const RateKeyResult done{RateOutcome::StepDone, row_.index, row_.y};
    row_.Down(rowHeight_, rowCounter_);
    pass_ = 0;
    ShowPrompt();
    return done;
}

RateKeyResult RateEntry::Up()
{
    const std::int32_t above = RecordAt(buffer_, row_.index - 1).depth;
    if (above == 0 || above < startDepth_ || row_.index <= kFirstIndex)
        return {};
    row_.Up(rowHeight_, rowCounter_);
    pass_ = 0;
    ShowPrompt();
    return {RateOutcome::Moved};
}

RateKeyResult RateEntry::Down()
{
    // Past the end depth (after its step was stored) the entry goes no further either.
    const std::int32_t depth = RecordAt(buffer_, row_.index).depth;
    if (depth == 0 || depth == endDepth_ || RecordAt(buffer_, row_.index - 1).depth == endDepth_)
        return {};
    row_.Down(rowHeight_, rowCounter_);
    pass_ = 0;
    ShowPrompt();
    return {RateOutcome::Moved};
}

}  // namespace entry
