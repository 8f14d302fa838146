#pragma once
// What the memo dialog and the note dialog share: the text box, the depth, number and colour edits,
// the check boxes, the four font sizes and the row of buttons, with the same control numbers in both;
// the colour choosers and the reading of the text with its soft line breaks.
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

protected:
    NoteDialog(QWidget* parent);

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

    // The custom colours of each colour chooser, kept while the program runs.
    enum class Chooser { MemoText, MemoBackground, NoteText, NoteBackground };
    // The colour chooser on `colour` with its own custom colours; on OK the colour is stored and shown
    // in `shownId`.
    void ChooseColour(std::uint32_t& colour, Chooser chooser, int shownId);
    void ShowColour(int shownId, std::uint32_t colour);

    // PREVIOUS (`forward` false) or NEXT: moves `index` among `count` records and says true, or beeps
    // at the first or last record.
    static bool Browse(int& index, int count, bool forward, bool ctrl);
    // The four browsing buttons, on or off together.
    void EnableBrowsing(bool enable);
    // The depth edit enabled, its text selected, the focus on it.
    void EditDepth();

    QPlainTextEdit* text_ = nullptr;
};

}  // namespace entry
