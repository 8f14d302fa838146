#include "wits/framereader.h"

#include <algorithm>
#include <cstring>

namespace wits {

namespace {

inline bool IsDigit(unsigned char c) { return unsigned(c - '0') < 10u; }
inline bool IsLineEnd(unsigned char c) { return c == '\r' || c == '\n'; }
inline bool EndsValue(unsigned char c) { return c == '\r' || c == '\n' || c == '!' || c == '&' || c == 0; }

}  // namespace

void FrameReader::Reset()
{
    state_ = State::Between;
    marked_ = false;
    bangs_ = 0;
    pending_ = codeLength_ = valueLength_ = 0;
}

// Skips to the next digit. Each "!" clears the mark; the second in a row ends a frame.
const char* FrameReader::Between(const char* p, const char* end)
{
    for (; p < end; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        if (IsDigit(c)) {
            bangs_ = 0;
            code_[0] = char(c);
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
    while (q < stop && !EndsValue(static_cast<unsigned char>(*q)))
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
    if (IsLineEnd(static_cast<unsigned char>(*q)))
        sink_.Item({std::string_view(code_, 4), std::string_view(value_, valueLength_), marked_});
    // An item ended by "!", "&" or NUL is dropped. The character that ended it is read as between items.
    state_ = State::Between;
    pending_ = 0;
    return q;
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
            const auto c = static_cast<unsigned char>(*p);
            if (!IsDigit(c)) {  // a code needs four digits; this character is read as between items
                state_ = State::Between;
                pending_ = 0;
                break;
            }
            code_[codeLength_++] = char(c);
            ++pending_;
            ++p;
            if (codeLength_ == 4) {
                if (std::memcmp(code_, "1984", 4) == 0) {
                    marked_ = true;
                    state_ = State::After1984;
                } else {
                    valueLength_ = 0;
                    state_ = State::Value;
                }
            }
            break;
        }
        case State::After1984:
            // Handed on only when the line ends right after the code; either way the mark holds.
            if (IsLineEnd(static_cast<unsigned char>(*p)))
                sink_.Item({std::string_view(code_, 4), std::string_view("0", 1), true});
            state_ = State::Between;
            pending_ = 0;
            break;
        case State::Value:
            p = Value(p, end);
            break;
        case State::DropLine: {
            const char* q = p;
            while (q < end && !IsLineEnd(static_cast<unsigned char>(*q))) {
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
