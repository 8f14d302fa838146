#include "wits/framereader.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace wits {

namespace {

// What each byte is to the reader, looked up once per byte.
enum : unsigned char { kOther = 0, kDigit = 1, kValueEnd = 2, kLineEnd = 2 | 4 };

constexpr std::array<unsigned char, 256> MakeKinds()
{
    std::array<unsigned char, 256> kinds{};
    for (int c = '0'; c <= '9'; ++c)
        kinds[std::size_t(c)] = kDigit;
    for (unsigned char c : {'!', '&', '\0'})
        kinds[c] = kValueEnd;
    kinds['\r'] = kinds['\n'] = kLineEnd;
    return kinds;
}
constexpr std::array<unsigned char, 256> kKinds = MakeKinds();

inline unsigned char KindOf(char c) { return kKinds[static_cast<unsigned char>(c)]; }
inline bool IsDigit(char c) { return KindOf(c) == kDigit; }
inline bool IsLineEnd(char c) { return KindOf(c) == kLineEnd; }
inline bool EndsValue(char c) { return (KindOf(c) & kValueEnd) != 0; }

}  // namespace

// Skips to the next digit. Each "!" clears the mark; the second in a row ends a frame.
const char* FrameReader::Between(const char* p, const char* end)
{
    for (; p < end; ++p) {
        const char c = *p;
        if (IsDigit(c)) {
            bangs_ = 0;
            code_[0] = c;
            codeLength_ = 1;
            pending_ = 1;
            state_ = State::Code;
            return p + 1;
        }
        if (c == '!') {
            marked_ = false;
            if (++bangs_ == 2)
                sink_.FrameEnd();
        } else {
            bangs_ = 0;
        }
    }
    return p;
}

// Takes value characters up to the end of the value, the end of the read or the carry limit.
const char* FrameReader::Value(const char* p, const char* end)
{
    const std::size_t room = kCarryLimit - pending_;
    const char* stop = end - p > std::ptrdiff_t(room) ? p + room : end;
    const char* q = p;
    while (q < stop && !EndsValue(*q))
        ++q;
    const std::size_t taken = std::size_t(q - p);
    const std::size_t kept = std::min(taken, kMaxValueLength - valueLength_);
    std::memcpy(value_ + valueLength_, p, kept);
    valueLength_ += kept;
    pending_ += taken;
    if (q == stop) {
        if (pending_ >= kCarryLimit)
            state_ = State::DropLine;  // no line end in sight: junk
        return q;
    }
    if (IsLineEnd(*q))
        sink_.Item({std::string_view(code_, 4), std::string_view(value_, valueLength_), marked_});
    // An item ended by "!", "&" or NUL is dropped. The character that ended it is read as between items.
    state_ = State::Between;
    pending_ = 0;
    return q;
}

void FrameReader::Reset()
{
    state_ = State::Between;
    marked_ = false;
    bangs_ = 0;
    pending_ = 0;
    codeLength_ = 0;
    valueLength_ = 0;
}

void FrameReader::Feed(const char* data, std::size_t length)
{
    const char* p = data;
    const char* const end = data + length;
    while (p < end) {
        switch (state_) {
        case State::Between:
            p = Between(p, end);
            break;
        case State::Code: {
            // A code needs four digits; the first other character is read as between items.
            while (p < end && codeLength_ < 4 && IsDigit(*p)) {
                code_[codeLength_++] = *p++;
                ++pending_;
            }
            if (p == end && codeLength_ < 4)
                break;
            if (codeLength_ < 4) {
                state_ = State::Between;
                pending_ = 0;
            } else if (std::memcmp(code_, "1984", 4) == 0) {
                marked_ = true;
                state_ = State::After1984;
            } else {
                valueLength_ = 0;
                state_ = State::Value;
            }
            break;
        }
        case State::After1984:
            // Handed on only when the line ends right after the code; either way the mark holds.
            if (IsLineEnd(*p))
                sink_.Item({std::string_view(code_, 4), std::string_view("0", 1), true});
            state_ = State::Between;
            pending_ = 0;
            break;
        case State::Value:
            p = Value(p, end);
            break;
        case State::DropLine: {
            const char* q = p;
            while (q < end && !IsLineEnd(*q)) {
                if (*q == '!')
                    marked_ = false;
                ++q;
            }
            p = q;
            if (q < end) {
                state_ = State::Between;
                pending_ = 0;
            }
            break;
        }
        }
    }
}

}  // namespace wits
