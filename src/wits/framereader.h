#pragma once
// The WITS level 0 reader. A rig's data system sends frames of text:
//
//   &&<CR><LF>
//   0108123.4<CR><LF>     four digits (record 01, item 08), then the value
//   ...
//   !!<CR><LF>
//
// The reader is lenient as the links have always been: it does not look for the "&&" line, skips
// anything that is not a digit before an item code, and lets a value end at "!", "&", NUL, CR or LF;
// only an item ending at CR or LF is handed on. Item 1984 carries no value: it marks every later item
// until the next "!" met between items.
//
// Serial ports and sockets cut the text anywhere, so the reader is fed each read's bytes as they come
// and keeps an unended item (at most kCarryLimit bytes of it) for the next read. An item that runs past
// that limit without a line end is junk: it is dropped with the rest of its line.
#include <cstddef>
#include <string_view>

namespace wits {

// One item as read: the four-digit code text, the value text (at most kMaxValueLength characters, the
// rest of a longer value left out) and whether a 1984 mark is in force.
struct WitsItem {
    std::string_view code;
    std::string_view value;
    bool marked = false;
};

// Where the reader hands what it reads. Called on the thread that feeds the reader.
class FrameSink {
public:
    virtual ~FrameSink() = default;
    virtual void Item(const WitsItem& item) = 0;
    // A "!!" between items: the sender's frame is complete.
    virtual void FrameEnd() = 0;
};

class FrameReader {
public:
    static constexpr std::size_t kMaxValueLength = 127;
    static constexpr std::size_t kCarryLimit = 4096;

    explicit FrameReader(FrameSink& sink) : sink_(sink) {}

    // Reads the next bytes of the link's text.
    void Feed(const char* data, std::size_t length);
    void Feed(std::string_view text) { Feed(text.data(), text.size()); }

    // Bytes of an unended item kept for the next read (never above kCarryLimit).
    std::size_t CarriedBytes() const { return state_ == State::Code || state_ == State::Value ? pending_ : 0; }
    // Whether a 1984 mark is in force.
    bool Marked() const { return marked_; }
    // Forgets an unended item and the mark: the text that follows comes from a new sender (a new
    // client, a reopened port) or after a silence, and must not be joined to what came before.
    void Reset();

private:
    enum class State { Between, Code, After1984, Value, DropLine };

    const char* Between(const char* p, const char* end);
    const char* Value(const char* p, const char* end);

    FrameSink& sink_;
    State state_ = State::Between;
    bool marked_ = false;
    int bangs_ = 0;             // "!" met in a row between items
    std::size_t pending_ = 0;   // bytes of the current item so far, code included
    std::size_t codeLength_ = 0;
    std::size_t valueLength_ = 0;
    char code_[4] = {};
    char value_[kMaxValueLength] = {};
};

}  // namespace wits
