#pragma once
// The well's memo file (".mem", SVMEMO records) and depth-note file (".hxt", HTEXTEX records): bare
// arrays of packed records in the open data file's folder. These routines read, sort and write them;
// the main window, the note edit on the log and the memo and note dialogs all go through them (the
// entry code by the names of entry/memofiles.h).
//
// A file whose length is not a whole number of records is read up to its last whole record; the torn
// tail goes when the file is next written. Files are replaced whole, so a failed write leaves the old
// file as it was.
#include "wellfile/memorecords.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace wellfile {

constexpr int kMemoSpares = 5;       // zeroed records after the memos of a loaded array
constexpr int kHTextSlots = 450;     // a loaded note array has at least this many slots
constexpr int kHTextSpares = 2;      // and two zeroed records after them
constexpr int kMemoTextMax = 499;    // characters a memo text holds
constexpr int kHTextCopyMax = 498;   // characters a memo copied to the notes keeps
// A memo may stand up to this far below the file's last depth, ahead of the drilling.
constexpr int kMemoDepthsBelowLast = 50;

// `folder` + `wellName` + extension; an existing file whose name differs only in letter case (one that
// came from a Windows station) is taken instead.
QString MemoFilePath(const QString& folder, const QString& wellName);
QString HTextFilePath(const QString& folder, const QString& wellName);

// A loaded memo array: `count` memos, then kMemoSpares zeroed records (a zero depth ends a scan).
struct MemoArray {
    std::vector<wellfile::SVMEMO> memos;
    int count = 0;
};
// Reads every whole record of `path`; a missing file gives no memos. Without memory for the array it
// says "SVMEMO ALLOCATION FAILED" and gives nothing.
std::optional<MemoArray> LoadMemoFile(const QString& path);

// Sorts the first `count` records by depth, keeping records of equal depth in their order and records
// of depth below 1 behind the others; then numbers them 1, 2, ... in that order.
void SortMemos(std::span<wellfile::SVMEMO> memos, int count);

enum class MemoSave {
    Saved,
    NothingKept,  // no memo in range with text: the file was not touched
    Failed,       // said as "Memo Create File" or "Memo Write File" with "File Error"
};
// Writes those of the first `count` memos that lie deeper than `firstDepth` and not deeper than
// `lastDepth` + kMemoDepthsBelowLast (as the memo dialog accepts them) and have text, sorted by depth.
MemoSave SaveMemoFile(const QString& path, std::span<const wellfile::SVMEMO> memos, int count, std::int32_t firstDepth,
                      std::int32_t lastDepth);

// A loaded note array: the slots (at least kHTextSlots) and kHTextSpares zeroed records; `count` is the
// number of records holding a note (a depth above 0 and text); `records` the whole records the file held.
// A missing or empty (0-byte) file gives two zeroed records and a count of 1, as the horizontal view
// expects; so does a file shorter than one record, which is first set aside as ".hx_" (".hx_1", ... when
// that name is taken) so that nothing another station wrote is lost.
struct HTextArray {
    std::vector<wellfile::HTEXTEX> notes;
    int count = 0;
    int records = 0;
};
// Without memory for the array it says "HTEXTEX ALLOCATION FAILED" and gives nothing.
std::optional<HTextArray> LoadHText(const QString& path);

// The depth notes' sort: as SortMemos, numbering field 540.
void SortHText(std::span<wellfile::HTEXTEX> notes, int count);

// Writes every record of `notes` with a depth above 0 and text (the holes of unused slots closed, the
// array compacted in place), sorted by depth when there are more than two; with none it writes an empty
// file, so a deleted last note stays deleted. When the file cannot be written it says `failText` titled
// `failCaption` and returns nullopt (the old file stays); else the number of notes written.
std::optional<int> SaveHText(const QString& path, std::vector<wellfile::HTEXTEX>& notes,
                             const QString& failText = QStringLiteral("File Error"),
                             const QString& failCaption = QStringLiteral("Report"));

// Puts `text` into a record's text field of `size` bytes: at most `limit` characters (and never more
// than the field holds with its NUL), the rest of the field zeroed.
void SetRecordText(char* field, std::size_t size, const QByteArray& text, int limit);

enum class NoteCopy {
    Copied,
    Exists,  // a note of the memo's depth is there already
    Failed,  // the notes could not be read or written (said to the user)
};
// A depth note of `depth` with `text` (a leading "~" skipped, at most 498 characters), placed on the
// view's text track, framed and drawn transparent.
wellfile::HTEXTEX MakeDepthNote(std::int32_t depth, const QByteArray& text);
// Adds `note` to the depth-note file in its first free slot; with `once`, nothing changes when a note of
// its depth is there already.
NoteCopy AddDepthNote(const QString& path, const wellfile::HTEXTEX& note, bool once);
// The memo dialog's copy of a memo to the notes: its text, depth, description flag and colours, once.
NoteCopy CopyMemoToNotes(const QString& path, const wellfile::SVMEMO& memo);

}  // namespace wellfile
