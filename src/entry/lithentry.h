#pragma once
// Lithology entry: the lithology text of each depth step typed as percentages of rock types
// ("80ls,20sh"), or, in interpreted mode, the interpreted lithology. A percentage text must total 100;
// the interpreted lithology is then made from its first item.
//
// LithEntry walks the entry buffer from buffer record 11 (the record below the start depth's): it
// checks and stores the typed text and steps down; drawing and messages are the dialog's, which it tells
// through the outcome of each key. Texts are Windows-1252 bytes, as the record keeps them.
#include "entry/entryrow.h"
#include "wellfile/record.h"

#include <QString>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace entry {

// A typed lithology text is cut to this many characters: the record's field holds 30 bytes with its NUL.
constexpr int kLithTextChars = 29;

// True when the percentages of `text` total 100. Without a separator (',', '.' or ' ') the first three
// characters are the percentage; with separators each item's first two are, and the walk stops at an
// item whose third character is a digit or a comma. Only the tens of a percentage count.
bool CheckPercent(std::string_view text);
// The interpreted lithology of a percentage text: the text itself without a separator; otherwise the
// first item's rock at 100 % with that item's accessory digit ("85ls,15sh" gives "105ls").
std::string InterpretPercent(std::string_view text);

// The prompts of the entry: at set-up, after the "Intrp Lith" box changed, and after each step.
enum class LithPromptKind { Setup, ModeChanged, Step };
QString LithPrompt(LithPromptKind kind, bool interpreted, std::int32_t depth);

enum class LithOutcome {
    Refused, // beep
    Invalid, // "You have entered more or\nless than 100 percent": nothing stored, the entry stays
    Stored, // the row's text stored (or kept, for a plain key): its row is drawn again, one step down
    Moved, // Up or Down went one record
};

struct LithKeyResult {
    LithOutcome outcome = LithOutcome::Refused;
    int index = 0; // Stored: the buffer record of the row to draw again
};

class LithEntry {
public:
    // `buffer` is the entry buffer, `lastDepth` the data file's last depth, `interpreted` the mode the
    // entry starts in; `rowCounter` is the painters' row counter, kept in step with the row.
    LithEntry(std::vector<wellfile::RECORD>& buffer, std::int32_t lastDepth, bool interpreted, int firstRowY,
        int rowHeight, std::int32_t& rowCounter);

    // Enter with the box's text: an empty text copies the record above (both texts, or in interpreted
    // mode the interpreted one).
    LithKeyResult Enter(std::string_view text);
    LithKeyResult Up();
    LithKeyResult Down();
    // Any other key that reaches the entry: the row is drawn again and the entry goes one step down
    // without storing.
    LithKeyResult OtherKey();

    void SetInterpreted(bool on) { interpreted_ = on; }
    bool Interpreted() const { return interpreted_; }

    const EntryRow& Row() const { return row_; }
    std::int32_t Depth() const; // the current record's depth
    std::int32_t StartDepth() const { return startDepth_; }
    // The text of the record above in the current mode, as the previous-lithology line shows it.
    std::string Previous() const;
    // The lithology resume depth once the entry closes with "Done": the current depth - 1 when the
    // percentage entry reached below `resume`, else `resume`.
    std::int32_t ResumeDepthAfter(std::int32_t resume) const;

private:
    LithKeyResult StepDown();

    std::vector<wellfile::RECORD>& buffer_;
    std::int32_t lastDepth_;
    bool interpreted_;
    int rowHeight_;
    std::int32_t& rowCounter_;
    EntryRow row_;
    std::int32_t startDepth_ = 0;
};

}  // namespace entry
