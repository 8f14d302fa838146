#pragma once
// What the memo dialog and the note dialog share: the text box, the depth, number and colour edits,
// the check boxes, the four font sizes and the row of buttons, with the same control numbers in both;
// the reading of the text with its soft line breaks; PREVIOUS and NEXT, the colour buttons and what
// DELETE shows afterwards. Each dialog supplies its records, its transfer and its other buttons.
#include "entry/memobook.h"
#include "platform/gdi.h"
#include "platform/services.h"
#include "platform/ui/dialog.h"

#include <QByteArray>

#include <cstdint>
#include <utility>
#include <vector>

class QPlainTextEdit;

namespace entry {

class NoteDialog : public platform::Dialog {
    Q_OBJECT
public:
    enum : int {
        IDC_HORIZ = 101,  // memo dialog only: "DRAW ON HORIZ"
        IDC_TEXT = 102,
        IDC_TEXT_COLOR = 103,
        IDC_TEXT_COLOR_SHOWN = 104,
        IDC_BACK_COLOR = 105,
        IDC_BACK_COLOR_SHOWN = 106,
        IDC_DEPTH = 107,
        IDC_IMPORT_DESCRIPTIONS = 108,  // memo dialog only, hidden
        IDC_POSITION = 109,             // memo dialog only
        IDC_SAVE = 110,
        IDC_ONE_INCH = 111,
        IDC_PREVIOUS = 112,
        IDC_NEXT = 113,
        IDC_IMPORT_NOTES = 114,  // memo dialog only, hidden
        IDC_NUMBER = 115,
        IDC_DELETE = 116,
        IDC_RECTANGLE = 117,
        IDC_ONE_INCH_ONLY = 119,
        IDC_SIZE_GROUP = 120,
        IDC_SMALL = 121,
        IDC_MEDIUM = 122,
        IDC_MEDIUM_LARGE = 123,
        IDC_LARGE = 124,
        IDC_BOLD = 125,
        IDC_DESCRIPTION = 126,  // memo: "MEMO IS A DESCRIPTION"; note: "Draw On Text Track"
        IDC_NEW = 127,
        IDC_TRANSPARENT = 128,
        IDC_SET_DEFAULT = 129,
        IDC_ALL_CAPS = 130,  // note dialog only
    };

    // Whether Ctrl is held while PREVIOUS or NEXT is pressed.
    static bool CtrlHeld();

    // PREVIOUS and NEXT: one record on, five with Ctrl while more than five lie that way, and the record
    // there shown (edits not saved are dropped); a beep at the first or last record.
    void CmPrevious(bool ctrl);
    void CmNext(bool ctrl);

protected:
    // Whose records the dialog edits: each has its own custom colours.
    enum class Records { Memos, Notes };
    NoteDialog(QWidget* parent, Records records);

    // ---- What each dialog supplies ----
    virtual int RecordCount() const = 0;
    virtual int& ShownRecord() = 0;  // the index of the record shown
    // The record shown into the controls, or (false) the controls into the record.
    virtual void Transfer(bool toControls) = 0;
    enum class Colour { Text, Background };
    virtual std::uint32_t RecordColour(Colour which) = 0;
    virtual void SetRecordColour(Colour which, std::uint32_t colour) = 0;

    // A record is shown (the buttons do nothing without one).
    bool HasRecord();
    // After DELETE took out a record other than the only one: the record now at the index is shown;
    // after one in the middle DELETE is off until the next save.
    void ShowAfterRemoval(Removal removal);

    // The controls, in the order of their tab stops. `depthCaption` names the depth edit; the check
    // boxes are given as (id, text) in their order.
    void Build(const QString& depthCaption, bool withPosition, const std::vector<std::pair<int, QString>>& checks);

    // The text box's contents as a record stores them (soft line breaks "\r\r\n"), at most `limit` bytes.
    QByteArray RecordText(int limit) const;
    // Shows a record's text (soft line breaks joined) in `font`.
    void ShowRecordText(const char* text, std::size_t size, const platform::LOGFONTA& font);
    void SetTextFont(const platform::LOGFONTA& font);

    // The size choice 1-4 of the radio buttons (none of the first three checked: 4), and back (any
    // other value checks "MEDIUM ").
    std::int32_t SizeChoice() const;
    void SetSizeChoice(std::int32_t choice);
    void ClearSizeChoice();

    void ShowColour(int shownId, std::uint32_t colour);
    // The four browsing buttons, on or off together.
    void EnableBrowsing(bool enable);
    // The depth edit enabled, its text selected, the focus on it.
    void EditDepth();

    QPlainTextEdit* text_ = nullptr;

private:
    void Browse(bool forward, bool ctrl);
    // "Text Color" or "BACKGROUND COLOR": the colour chooser on the record's colour, with the custom
    // colours of the records' and the colour's own table, kept while the program runs; on OK the
    // colour goes into the record and its edit.
    void CmColour(Colour which);

    Records records_;
};

}  // namespace entry
