#pragma once
// What the memo and note dialogs do to their records, apart from the controls: the working copy of the
// memo file, browsing, adding and removing records, the depth checks and the save of the memo dialog.
// The copy of a memo to the horizontal view's depth notes is a file routine (wellfile/memofiles.h).
#include "entry/memofiles.h"
#include "wellfile/memorecords.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace entry {

// The LOGFONT height of font size choice 1-4 (any other choice is "MEDIUM").
std::int32_t MemoFontHeight(std::int32_t sizeChoice);
// A colour value as the dialogs show it: "RD=255  GN=0 BL=0".
QString ColourText(std::uint32_t colour);

// Where PREVIOUS (`forward` false) or NEXT moves from `index` among `count` records: one record, five
// with Ctrl while more than five lie that way; nullopt at the first or last record (the caller beeps).
std::optional<int> BrowseStep(int index, int count, bool forward, bool ctrl);

// The depth a record is shown at: not above first + 10, not below last - 20.
std::int32_t ShownDepth(std::int32_t depth, std::int32_t firstDepth, std::int32_t lastDepth);
// A memo saved from the dialog lies from first + 10 to last + 50.
bool MemoDepthAllowed(std::int32_t depth, std::int32_t firstDepth, std::int32_t lastDepth);
// A note saved from the dialog, rounded up to an even depth for the check, lies from first + 10 to last.
bool NoteDepthAllowed(std::int32_t depth, std::int32_t firstDepth, std::int32_t lastDepth);

// The memo dialog's own copy of the well's memos: `count` records, then zeroed spares (room for the
// record NEW adds is made when needed), the index shown and the dialog's flags.
struct MemoBook {
    std::vector<wellfile::SVMEMO> memos;
    int count = 0;
    int shown = 0;
    bool noFile = false;   // the well had no memo file: one zeroed record is shown
    bool deleted = false;  // a memo was removed since the last save
    bool adding = false;   // NEW was pressed and not yet saved

    wellfile::SVMEMO& Shown() { return memos[std::size_t(shown)]; }
};

// Reads the memo file into `book`: a missing file gives one zeroed record and the no-file flag. False
// (said as "SVMEMO ALLOCATION FAILED") without memory.
bool LoadMemoBook(const QString& path, MemoBook& book);
// Shows `requested` (below 0: the last memo); the memos are sorted when it is not the first.
void OpenMemoBook(MemoBook& book, int requested);

// Appends a copy of the memo shown, numbered with its own index, and shows it.
void NewMemo(MemoBook& book);

enum class Removal {
    Only,    // the only record went: nothing is left
    Last,    // the last record went: the one before is shown
    Middle,  // the records after it moved down: the one now at the index is shown
};
Removal RemoveMemo(MemoBook& book, int index);

// SET AS DEFAULT: marks the memo shown as the template of memos (or, for a description, of
// descriptions) among the book's memos and gives the template, its text emptied.
wellfile::SVMEMO SetMemoAsDefault(MemoBook& book);

enum class BookSave {
    Saved,
    NothingKept,  // no memo deeper than the first depth has text: the file was not touched
    Failed,       // said as "File Error" titled "Memo Dialog Save"
};
// Writes the book's memos deeper than `firstDepth` with text, sorted, as the whole memo file.
BookSave SaveMemoBook(const QString& path, const MemoBook& book, std::int32_t firstDepth);

// The note dialog's records: the horizontal view's array, `count` notes in it.
// Appends a copy of note `index` at `count` (the array grows when full) and returns the new index.
int NewNote(std::vector<wellfile::HTEXTEX>& notes, int& count, int index);
// Removes note `index`: the records after it move down and the vacated last one is zeroed.
Removal RemoveNote(std::vector<wellfile::HTEXTEX>& notes, int& count, int& index);
// Marks note `index` as the template of notes and gives the template, its text emptied.
wellfile::HTEXTEX SetNoteAsDefault(std::vector<wellfile::HTEXTEX>& notes, int count, int index);
// Writes the first `count` notes as the whole depth-note file; "File Error" titled "Report" and false
// when it cannot be written.
bool SaveNotes(const QString& path, const std::vector<wellfile::HTEXTEX>& notes, int count);

}  // namespace entry
