#pragma once
// Rate entry: the drilling rate of each depth step typed in two halves. Rates are stored as minutes per
// depth unit whatever the unit typed; a rate in metres per hour is 60 divided by it.
//
// RateEntry walks the entry buffer: it starts on buffer record 11 (the record after the start depth's,
// whose rates describe the step from the start depth down), takes the first half step, then the second
// with their mean, and moves one record down. It stores and steps; drawing and messages are the
// dialog's, which it tells through the outcome of each key.
#include "entry/entryrow.h"
#include "wellfile/record.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace entry {

// The largest rate that may be typed: 100 minutes per unit, or 600 metres per hour.
float RateLimit(bool perHour);
// The typed rate in minutes per unit; none when it is 0 or less or above the limit.
std::optional<float> TypedRate(const QString& text, bool perHour);
// A stored rate as shown: per hour 60 / rate, 600 for a rate of 0 or less.
float ShownRate(float minutes, bool perHour);
// The last depth the entry may reach: the file's last depth, or the last depth of the first run of
// depths each one step deeper than the one before among `base` (at most 100 records), when that run
// ends earlier (at a gap or at the end of what was read).
std::int32_t RateEndDepth(std::span<const wellfile::RECORD> base, std::int32_t lastDepth, std::int32_t depthStep);

// The prompt for the step below depth `d`, and the one for its second half.
QString RatePrompt(float d, bool perHour);
QString SecondHalfPrompt(float d, std::int32_t depth, bool perHour);
// The rates of the record of depth `d`, as shown.
QString PreviousRatesLine(float d, float r4, float r8, float r12);

enum class RateOutcome {
    Refused,     // beep
    OutOfRange,  // "Value out of range": nothing stored, the box emptied
    FirstHalf,   // the first half stored; the prompt asks the second
    StepDone,    // the step stored: its row is drawn again and the entry is one record down
    Moved,       // Up or Down went one record
};

struct RateKeyResult {
    RateOutcome outcome = RateOutcome::Refused;
    int index = 0;  // StepDone: the buffer record stored
    int y = 0;      // and its row
};

class RateEntry {
public:
    // `buffer` is the entry buffer (it may grow meanwhile: records are addressed by index); `rowCounter`
    // the painters' row counter, kept in step with the row.
    RateEntry(std::vector<wellfile::RECORD>& buffer, bool perHour, std::int32_t lastDepth, std::int32_t depthStep,
              int firstRowY, int rowHeight, std::int32_t& rowCounter);

    // Enter with the box's text; an empty text copies the record above (first half) or the first half.
    RateKeyResult Enter(const QString& text);
    RateKeyResult Up();
    RateKeyResult Down();
    // Fills the prompt and the previous-rates line for the current record (Prompt, PreviousRates).
    void ShowPrompt();

    const QString& Prompt() const { return prompt_; }
    const QString& PreviousRates() const { return previous_; }
    int Pass() const { return pass_; }
    const EntryRow& Row() const { return row_; }
    std::int32_t StartDepth() const { return startDepth_; }
    std::int32_t EndDepth() const { return endDepth_; }

private:
    float DepthAbove();
    RateKeyResult CompleteStep();

    std::vector<wellfile::RECORD>& buffer_;
    bool perHour_;
    int rowHeight_;
    std::int32_t& rowCounter_;
    EntryRow row_;
    int pass_ = 0;
    std::int32_t startDepth_ = 0;
    std::int32_t endDepth_ = 0;
    QString prompt_;
    QString previous_;
};

}  // namespace entry
