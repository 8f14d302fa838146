#pragma once
// Memos placed on the log: the window's memo array loaded and saved, a memo added or updated from the
// note edit over the log (or from drilling mode's day-change memo and the TVD dialog), a "~" memo copied
// to the depth notes of the horizontal view, and the end of a placement. The user's clipboard is never
// touched here.
#include "platform/gdi.h"
#include "wellfile/memofiles.h"

#include <QString>

#include <QByteArray>

#include <cstdint>

namespace app {

struct LogState;

// The edit control over the log as this code drives it; the window provides it (NoteState::edit).
// Texts are Windows-1252 with "\r\n" line breaks.
class NoteEditHost {
public:
    virtual ~NoteEditHost() = default;
    virtual bool IsOpen() const = 0;
    // Creates and shows the edit on `rect` with `text`, all of it selected, and gives it the focus.
    virtual void Open(const platform::RECT& rect, const QByteArray& text) = 0;
    // Moves the open edit to `rect` (without activating it), gives it `text` and shows it.
    virtual void Place(const platform::RECT& rect, const QByteArray& text) = 0;
    virtual void Hide() = 0;
    virtual void Destroy() = 0;
};

// Reads the well's ".mem" into the window's memos and picks out the style memos; false (no memos)
// when the array cannot be had.
bool LoadMemos(LogState& log);
// Writes the window's memos (in the file's range, with text, sorted) and, while drilling with copies
// out, copies the file out. False when the file could not be written (said to the user).
bool SaveMemos(LogState& log);

// The font new memos take: the window's default note font, or the log font while it has none.
platform::LOGFONTA DefaultNoteFont(const LogState& log);

// Keeps the current memo's text in the note buffer and takes every CR and LF out of the memo's text.
void StripSeparators(LogState& log);

// Opens the note edit on `rect` with `text` (none: empty).
void OpenNoteEdit(LogState& log, const platform::RECT& rect, const QByteArray& text = {});

// Ends a placement without storing: the memo's text back from the note buffer, the edit destroyed and
// the placement state cleared, with the mouse drags of memos, note frames and short-report boxes.
void CancelNoteEdit(LogState& log);

// Adds a memo at `depth` (0: the depth of row `y`) in the memo column under `x`, or, while a memo is
// edited, replaces its text; a "~" memo is copied once to the horizontal view's notes, a ">" memo is
// drawn on the compressed scales too. `marked` gives the marked kind. The memos are saved and loaded
// again. False when the memo file could not be written: the memos are then as they were, and the
// placement stays so that nothing typed is lost.
bool AddMemo(LogState& log, const QByteArray& text, int x, int y, std::int32_t depth, bool marked);

// Appends a depth note of the horizontal view (the text without a leading "~"). While the view is
// open it says so and stores nothing. False when nothing was stored.
bool AddHTextNote(LogState& log, const QByteArray& text, std::int32_t depth);

// The memo dialog's copy of `memo` to the depth notes: once per depth, with the memo's description
// flag and colours; refused while the horizontal view is open. An empty memo is not copied.
wellfile::NoteCopy CopyMemoToHorzNotes(LogState& log, const wellfile::SVMEMO& memo);

// The well's memo file and depth-note file.
QString MemoPath(const LogState& log);
QString HTextPath(const LogState& log);

}  // namespace app
