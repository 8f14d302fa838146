#include "entry/lithentry.h"

#include "entry/entrybuffer.h"
#include "platform/numbers.h"
#include "platform/text.h"

#include <algorithm>
#include <cstring>

namespace entry {

using wellfile::RECORD;

namespace {

constexpr std::string_view kSeparators = ",. ";
// The first record typed into: the one below the start depth's (buffer record 11).
constexpr int kFirstIndex = kRowsAboveStart + 1;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The number less its units digit, as integer division by ten leaves it.
int Tens(int n)
{
    return n / 10 * 10;
}

char At(std::string_view s, std::size_t i)
{
    return i < s.size() ? s[i] : '\0';
}

}  // namespace

bool CheckPercent(std::string_view text)
{
    if (text.find_first_of(kSeparators) == std::string_view::npos)
        return Tens(platform::LeadingInt(text, 3)) == 100;
    int sum = 0;
    std::size_t item = 0;
    while (true) {
        const char third = At(text, item + 2);
        if (IsDigit(third) || third == ',')
            break;
        sum += Tens(platform::LeadingInt(text.substr(item), 2));
        const std::size_t next = text.find_first_of(kSeparators, item);
        if (next == std::string_view::npos)
            break;
        item = next + 1;
    }
    return sum == 100;
}

std::string InterpretPercent(std::string_view text)
{
    const std::size_t end = text.find_first_of(kSeparators);
    if (end == std::string_view::npos)
        return std::string(text.substr(0, kLithTextChars));
    const std::string_view first = text.substr(0, end);
    std::size_t k = 0;
    while (k < first.size() && IsDigit(first[k]))
        ++k;
    const int accessory = platform::LeadingInt(first, 2) % 10;
    std::string result = std::to_string(accessory + 100);
    result.append(first.substr(k));
    result.resize(std::min<std::size_t>(result.size(), kLithTextChars));
    return result;
}

QString LithPrompt(LithPromptKind kind, bool interpreted, std::int32_t depth)
{
    const char* format = "Enter lith for %5d to %5d";
    switch (kind) {
    case LithPromptKind::Setup:
        format = interpreted ? "Enter Intrp lith for %5d to %5d" : "Enter Perc lith for %5d to %5d";
        break;
    case LithPromptKind::ModeChanged:
        format = interpreted ? "Enter Intrp Lith for %5d to %5d" : "Enter Perc Lith for %5d to %5d";
        break;
    case LithPromptKind::Step:
        if (interpreted)
            format = "Enter Intrp Lith for %5d to %5d";
        break;
    }
    return QString::fromStdString(platform::CFormat(format, int(depth - 1), int(depth)));
}

LithEntry::LithEntry(std::vector<RECORD>& buffer, std::int32_t lastDepth, bool interpreted, int firstRowY,
    int rowHeight, std::int32_t& rowCounter)
    : buffer_(buffer)
    , lastDepth_(lastDepth)
    , interpreted_(interpreted)
    , rowHeight_(rowHeight)
    , rowCounter_(rowCounter)
{
    row_.index = kFirstIndex;
    row_.y = firstRowY;
    startDepth_ = Depth();
}



std::int32_t LithEntry::Depth() const
{
    const RECORD* r = BufferRecord(buffer_, row_.index);
    return r ? r->depth : 0;
}

std::string LithEntry::Previous() const
{
    const RECORD* above = BufferRecord(buffer_, row_.index - 1);
    if (!above)
        return {};
    return interpreted_ ? platform::FieldText(above->interpretedLith) : platform::FieldText(above->lith);
}

LithKeyResult LithEntry::StepDown()
{
    const LithKeyResult done { LithOutcome::Stored, row_.index };
    row_.Down(rowHeight_, rowCounter_);
    return done;
}

LithKeyResult LithEntry::Enter(std::string_view typed)
{
    RECORD* current = BufferRecord(buffer_, row_.index);
    const RECORD* above = BufferRecord(buffer_, row_.index - 1);
    if (!current || !above || current->depth == 0)
        return {};
    const std::string_view text = typed.substr(0, kLithTextChars);
    if (text.empty()) {
        if (!interpreted_)
            std::memcpy(current->lith, above->lith, sizeof current->lith);
        std::memcpy(current->interpretedLith, above->interpretedLith, sizeof current->interpretedLith);
        return StepDown();
    }
    if (!CheckPercent(text))
        return { LithOutcome::Invalid, 0 };
    if (interpreted_) {
        platform::SetFieldText(current->interpretedLith, std::string(text));
    } else {
        platform::SetFieldText(current->lith, std::string(text));
        platform::SetFieldText(current->interpretedLith, InterpretPercent(text));
    }
    return StepDown();
}

LithKeyResult LithEntry::OtherKey()
{
    // The end of the buffer is as far as the entry goes.
    if (Depth() == 0 || !BufferRecord(buffer_, row_.index + 1))
        return {};
    return StepDown();
}

LithKeyResult LithEntry::Up()
{
    const RECORD* above = BufferRecord(buffer_, row_.index - 1);
    if (!above || row_.index <= kFirstIndex || above->depth < startDepth_)
        return {};
    row_.Up(rowHeight_, rowCounter_);
    return { LithOutcome::Moved, 0 };
}

LithKeyResult LithEntry::Down()
{
    const std::int32_t depth = Depth();
    if (depth == 0 || depth >= lastDepth_ || !BufferRecord(buffer_, row_.index + 1))
        return {};
    row_.Down(rowHeight_, rowCounter_);
    return { LithOutcome::Moved, 0 };
}

std::int32_t LithEntry::ResumeDepthAfter(std::int32_t resume) const
{
    const std::int32_t depth = Depth();
    return !interpreted_ && depth > resume ? depth - 1 : resume;
}

}  // namespace entry
