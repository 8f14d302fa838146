#pragma once
// The horizontal view's depth notes: the well's ".hxt" (shared with the depth log's note dialog and the
// "~" memo copies) read into the view's table, cleaned and written back, a note stored from the
// in-place editor, and where a note's box lands on the plot. Plain functions over HTEXTEX records; the
// file itself goes through entry::LoadHText and entry::SaveHText.
#include "platform/gdi.h"
#include "wellfile/memorecords.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace horizontal {

constexpr int kNoteSpares = 20;      // zeroed records after the notes of the view's table
constexpr int kNoteTextLimit = 500;  // what the in-place editor takes
constexpr int kNoteTextKept = 499;   // a longer text is cut to this
constexpr int kNoteEditRead = 498;   // Ctrl+Enter reads at most this many characters
constexpr int kNoteFontHeight = -12; // the view's note font: "VERDANA", this height, weight 400

// The view's note table: `count` notes, then at least kNoteSpares zeroed records.
struct NoteTable {
    std::vector<wellfile::HTEXTEX> notes;
    int count = 0;
};

// The main window's style templates of new notes and new description notes.
struct NoteStyles {
    std::optional<wellfile::HTEXTEX>* style = nullptr;
    std::optional<wellfile::HTEXTEX>* description = nullptr;
};

// The note file as the view reads and writes it; `copyOut` is set when the copy-out flag is on.
struct NoteFile {
    QString path;
    std::function<void()> copyOut;
};

// Stable by depth (records without a depth behind), numbered 1, 2, ...; false with fewer than two.
bool SortNotes(std::span<wellfile::HTEXTEX> notes, int count);
// Sorts the first `records`, then keeps in order those with a depth and text that are no duplicate of
// the slot just before them (same depth and the same text ignoring case, or both anchored bottom-left,
// or both anchored bottom-right). The kept notes go to the front; the rest of the sorted input stays
// behind them as it was. The number kept.
int CleanNotes(std::span<wellfile::HTEXTEX> notes, int records);
// A slot marked as the default style (or default description style) fills that template; the last
// marked slot wins.
void PickStyles(std::span<const wellfile::HTEXTEX> notes, const NoteStyles& styles);

// The view's load: the file read, cleaned, the styles picked; written back at once when anything was
// dropped. A missing, empty or too short file gives one zeroed record as its only "note". Nothing when
// the array cannot be had (said to the user).
std::optional<NoteTable> LoadNotes(const NoteFile& file, const NoteStyles& styles);
// Writes every note with a depth and text, whatever its depth: the file is shared with the depth log's
// notes. With none, the file is emptied. "File Open Error" titled "Horz Text" and false when it cannot
// be written (the file and the table stay as they were); copied out after a write.
bool SaveNotes(const NoteFile& file, std::span<const wellfile::HTEXTEX> notes, int count);

// The view's geometry as the notes use it (image pixels).
struct NoteView {
    int plotLeft = 50;
    int scrollPos = 50;
    int pixelsPerUnit = 8;
    std::int32_t plotFirstDepth = 0, plotLastDepth = 0, drawFrom = 0;
    int gasTop = 0, gasBase = 0, pathBottom = 0, notesBandTop = 0, notesBandBottom = 0;
    int imageWidth = 0;
    int unitWidth = 10;  // the log layout's grid unit
    bool textInOwnTrack = false;
    bool customTracks = false;  // custom tracks are drawn above the gas band
};

int NoteX(const NoteView& v, std::int32_t depth);
// The LOGFONT height of a note's font index: 1..4 give -10, -12, -14, -16; anything else -12.
int NoteFontHeight(std::int32_t fontIndex);
// The note's text (at most its 500 bytes) split at carriage returns and line feeds; runs of them are
// one break, so empty lines vanish.
std::vector<QByteArray> NoteLines(const wellfile::HTEXTEX& note);
// A description note: drawn below the gas band or in the notes band.
inline bool IsDescription(const wellfile::HTEXTEX& n) { return n.onTextTrack != 0; }

// The box of a note measured `width` wide (its widest line) and `lines` lines of `lineHeight`.
platform::RECT NoteBox(const wellfile::HTEXTEX& note, int width, int lines, int lineHeight, const NoteView& v);
// The resize handle at the box's bottom-right corner.
platform::RECT NoteHandle(const platform::RECT& box, int unitWidth);

enum class NoteStore { Nothing, Deleted, Stored };
// The editor's `text` stored at editor position (x, y): into note `editIndex` (which keeps its depth),
// or as a new note at the depth under x at the end when none is under edit. A text under 2 characters
// deletes the note under edit unless `newNote`. The templates are applied as the note's kind asks. The
// caller saves and loads the table again.
NoteStore PlaceNote(NoteTable& table, int editIndex, bool newNote, QByteArray text, int x, int y,
                    const NoteView& v, const NoteStyles& styles);

}  // namespace horizontal
