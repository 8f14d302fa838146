#pragma once
// Show entry: the show observations of the cuttings by depth in four columns of the log (porosity,
// fluorescence, cut and calcimeter or hardness). Each column keeps its own cursor, so the columns are
// filled independently over the same interval.
//
// ShowEntry walks the entry buffer from buffer record 11 (the record below the start depth's) in each
// column: it checks and stores the typed value and steps that column down; drawing and messages are
// the dialog's, which it tells through the outcome of each key. Ratings are stored as the lower-case
// letter's code ('t', 'p', 'f', 'g'), or for profiles 8 and 31 as the typed number.
#include "entry/entryrow.h"
#include "entry/entrystate.h"
#include "wellfile/record.h"

#include <QString>

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace entry {

enum ShowColumn : int { SHOW_POROSITY = 0, SHOW_FLUORESCENCE = 1, SHOW_CUT = 2, SHOW_CALCIMETER = 3 };
constexpr int kShowColumns = 4;

// A record's colour field holding this has no colour.
constexpr std::uint32_t kNoColour = 0x01000000;

// The letter check of the porosity and cut columns.
enum class LetterCheck {
    Ok,
    Dropped, // profiles 8 and 31 without a leading digit: nothing happens
    Refused, // a beep and the message; the box is emptied
};
struct LetterResult {
    LetterCheck check = LetterCheck::Ok;
    QString message;
    QString caption;
};
LetterResult CheckShowLetter(char letter, int profile, ShowColumn column);

// A fluorescence reading of up to four characters: the digits before the first letter are the percent,
// that letter (lower case) the quality, 'g' when there is none.
struct FluorescenceReading {
    int percent = 0;
    char quality = 'g';
};
FluorescenceReading ReadFluorescence(std::string_view text);

// The column's name in the prompt; `hardness` is the window's hardness option.
QString ShowColumnName(ShowColumn column, int profile, bool hardness);
// The valid-values line of a column once its button is pressed, and the one shown at set-up.
QString ValidValuesText(ShowColumn column, int profile, bool hardness);
QString SetupValidValuesText(int profile);
// "Enter POR  for  1001".
QString ShowPrompt(const QString& name, std::int32_t depth);

enum class ShowOutcome {
    Refused, // beep
    Dropped, // nothing happens
    WrongLetter, // beep, the message, the box emptied
    OutOfRange, // beep and the message; nothing stored
    Stored, // the value stored: its rows are drawn again and the column's cursor is one step down
    Moved, // Up or Down went one record
};

struct ShowKeyResult {
    ShowOutcome outcome = ShowOutcome::Refused;
    QString message;
    QString caption;
    int index = 0; // Stored: the buffer record whose row is drawn again
    int rows = 1; // and the rows from it (a fluorescence entry colours the record below too)
    bool blackCut = false; // Stored: the cut's colour is black
};

struct ShowSettings {
    int profile = 0;
    bool hardness = false; // the calcimeter column reads hardness
    std::int32_t lastDepth = 0;
};

class ShowEntry {
public:
    // `kept` are the window's colours: the entry starts with them and gives a colour back once an entry
    // stored it. `rowCounter` is the painters' row counter, kept in step with the cursors.
    ShowEntry(std::vector<wellfile::RECORD>& buffer, const ShowSettings& settings, ShowColours& kept, int firstRowY,
        int rowHeight, std::int32_t& rowCounter);

    void Select(ShowColumn column) { selected_ = column; }
    ShowColumn Selected() const { return selected_; }

    // Enter with the box's text in the selected column; an empty text copies the column's value from
    // the record above.
    ShowKeyResult Enter(std::string_view text);
    ShowKeyResult Up();
    ShowKeyResult Down();

    // The colour chosen for the selected column (the porosity column has none).
    void SetColour(std::uint32_t colour);
    std::uint32_t Colour(ShowColumn column) const { return colours_[std::size_t(column)]; }

    const EntryRow& Row(ShowColumn column) const { return rows_[std::size_t(column)]; }
    // The selected column's current depth, 0 past the records read.
    std::int32_t Depth() const;
    std::int32_t StartDepth() const { return startDepth_; }
    QString Prompt() const;
    QString ColumnName(ShowColumn column) const;

private:
    ShowKeyResult Store(wellfile::RECORD& current, std::string_view text);
    ShowKeyResult StoreRating(wellfile::RECORD& current, std::string_view text);
    void CopyFromAbove(wellfile::RECORD& current, const wellfile::RECORD& above);

    std::vector<wellfile::RECORD>& buffer_;
    ShowSettings settings_;
    ShowColours& kept_;
    int rowHeight_;
    std::int32_t& rowCounter_;
    std::array<EntryRow, kShowColumns> rows_ {};
    std::array<std::uint32_t, kShowColumns> colours_ {};
    ShowColumn selected_ = SHOW_POROSITY;
    std::int32_t startDepth_ = 0;
};

}  // namespace entry
