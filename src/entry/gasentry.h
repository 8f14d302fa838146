#pragma once
// Gas entry: the gas readings of each depth step typed in two passes, the half step first and then the
// full step, each pass total gas and the chromatograph components up to the "Max Entries" count. One
// value per step instead for CO2, the mud weights and the two custom data fields. Total gas is typed in
// percent and the components in ppm; the record keeps both in hundredths of a percent.
//
// GasEntry walks the entry buffer from buffer record 11 (the record after the start depth's) and
// stores into it; what the dialog must draw, move or sound comes back with each key.
#include "entry/entrybuffer.h"
#include "entry/entryrow.h"
#include "wellfile/record.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace entry {

// The entry's modes by the numbers the program keeps them with.
enum class GasMode : int { Gas = 0, Co2 = 1, MudOut = 2, Custom = 3, Custom2 = 4, MudIn = 6 };

constexpr int kGasComponents = 8;  // total gas, C1, C2, C3, iC4, nC4, iC5, nC5
constexpr int kLastComponent = 7;  // nC5: nothing past it is ever written

struct GasEntryOptions {
    bool totalGasFirst = true;   // each pass begins at total gas; clear: at C1
    int profile = 0;             // the logging-company profile (134 shows percent and ppm the other way)
    std::int32_t maxEntries = 0; // the well's "Max Entries"
    int firstRowY = 0;
    int rowHeight = 0;
};

// The count of components per pass a stored "Max Entries" gives: below 1 it is 5; it never walks past
// nC5 (with total gas first 8, else 7, as the walk then starts at C1).
int GasEntryCount(std::int32_t maxEntries, bool totalGasFirst);
// The spinner's next count: one up or down, wrapping past the largest count to 1 and below 1 to it.
int SpinGasCount(int count, int delta, bool totalGasFirst);

// The component labels, the mode labels of a stored value and of a ticked mode box.
QString ComponentLabel(int component, int profile);
QString ModeValueLabel(GasMode mode);
QString ModeBoxLabel(GasMode mode);
QString ModeBoxPrompt(GasMode mode, std::int32_t depth);

// What the log needs after a key: nothing, or the row of a record drawn again.
enum class GasRepaint { None, GasRow };

struct GasKeyResult {
    bool refused = false;  // beep, nothing changed
    GasRepaint repaint = GasRepaint::None;
    int index = 0;  // the buffer record to draw again
};

class GasEntry {
public:
    // `buffer` is the entry buffer; `rowCounter` the painters' row counter, kept in step with the row;
    // `lastMudOut` and `lastMudOutDepth` the open well's last mud weight out and its depth.
    GasEntry(std::vector<wellfile::RECORD>& buffer, const GasEntryOptions& options, std::int32_t& rowCounter,
             float& lastMudOut, std::int32_t& lastMudOutDepth);

    // Enter with the box's text (empty: copy).
    GasKeyResult Enter(const QString& text);
    GasKeyResult Left();
    GasKeyResult Up();
    GasKeyResult Down();

    // "Use Ratios" ticked or cleared; refused (and ratio entry off) when it cannot be used now.
    GasKeyResult SetRatios(bool on);
    // A mode box ticked (its mode) or cleared (GasMode::Gas).
    void SetMode(GasMode mode);
    GasKeyResult Spin(int delta);

    // The prompt and the previous-values line of the current record, by mode and pass.
    QString Prompt() const;
    QString PreviousValues() const;
    QString Label() const;

    // Closing: where the next gas entry should go on, given the one held now.
    std::int32_t ResumeDepth(std::int32_t held) const;

    GasMode Mode() const { return mode_; }
    int Pass() const { return pass_; }
    int Component() const { return component_; }
    int FirstComponent() const { return first_; }
    int Count() const { return count_; }
    bool RatiosOn() const { return ratiosOn_; }
    const EntryRow& Row() const { return row_; }
    std::int32_t StartDepth() const { return startDepth_; }
    std::int32_t EndDepth() const { return endDepth_; }
    const wellfile::RECORD& Current() const { return RecordAt(buffer_, row_.index); }

private:
    bool AtEnd() const;
    int LastComponent() const;
    int CopyLast() const;
    GasKeyResult EnterModeValue(wellfile::RECORD& current, const QString& text);
    GasKeyResult EnterRatioValue(wellfile::RECORD& current, const QString& text);
    void CopyPass(wellfile::RECORD& current, int last);
    GasKeyResult FinishPass(wellfile::RECORD& current, bool typed);
    void StepDown();

    std::vector<wellfile::RECORD>& buffer_;
    GasEntryOptions options_;
    std::int32_t& rowCounter_;
    float& lastMudOut_;
    std::int32_t& lastMudOutDepth_;
    EntryRow row_;
    GasMode mode_ = GasMode::Gas;
    int pass_ = 0;
    int first_ = 0;
    int component_ = 0;
    int count_ = 5;
    bool ratiosOn_ = false;
    std::array<float, kGasComponents> ratios_{};
    std::int32_t startDepth_ = 0;
    std::int32_t endDepth_ = 0;
};

}  // namespace entry
