#pragma once
// Whole-file images of fixed-size settings records: read back only when the file has exactly the
// record's size, written through a temporary file and a rename so a failed write never leaves a
// half-written record behind.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstring>
#include <functional>
#include <optional>
#include <vector>

namespace wellfile {

// The whole of `path`; none when it does not open or cannot be read whole (a read error, or fewer bytes
// than the file's size): a file read in part is never taken for a shorter one.
std::optional<QByteArray> ReadWholeFile(const QString& path);

// The whole records of `path`, a torn last record left out; none as for ReadWholeFile.
template <class Record>
std::optional<std::vector<Record>> ReadWholeRecords(const QString& path)
{
    const std::optional<QByteArray> bytes = ReadWholeFile(path);
    if (!bytes)
        return std::nullopt;
    std::vector<Record> rows(std::size_t(bytes->size()) / sizeof(Record));
    if (!rows.empty())
        std::memcpy(static_cast<void*>(rows.data()), bytes->constData(), rows.size() * sizeof(Record));
    return rows;
}

// Fills `size` bytes from `path` when the file is exactly `size` bytes long; false otherwise (missing,
// other length, read error). The buffer is left untouched on false.
bool ReadExactFile(const QString& path, void* buffer, std::size_t size);

// Reads at most `size` bytes of `path` into `buffer`; returns the number read, or -1 when the file does
// not open. Bytes past the end of a shorter file are left as they were.
long long ReadFilePrefix(const QString& path, void* buffer, std::size_t size);

// Replaces `path` with `size` bytes of `data`; false when anything fails (the old file then stays).
// Once the file is in place the saved-file listeners are told its path.
bool WriteWholeFile(const QString& path, const void* data, std::size_t size);

// A listener told of every file WriteWholeFile put in place, on the thread that saved it: the one place
// every saver of a side file passes, so that a saved file can be published from there.
using SavedFileListener = std::function<void(const QString& path)>;
// Adds a listener; the number to remove it with.
int AddSavedFileListener(SavedFileListener listener);
void RemoveSavedFileListener(int id);
// Tells the listeners of a file saved in place (records rewritten or appended) rather than replaced.
void TellSavedFile(const QString& path);

// Replaces `to` with a copy of `from` in one step: the old `to` stays until a complete copy takes its
// place. False when `from` cannot be read or the write fails (`to` is then untouched); `errorNumber`,
// when given, then gets the system's error number of the step that failed (EIO when it gave none).
bool CopyFileReplacing(const QString& from, const QString& to, int* errorNumber = nullptr);

// The copy a monitoring station picks up: `to` replaced by a copy of `from` as CopyFileReplacing does
// (a read-only old copy is replaced too), the new copy left read-only. False when the copy failed.
bool CopyFileLeavingReadOnly(const QString& from, const QString& to);

// `base` when no file has that name, else `base` followed by 1, 2, ...: the name a file set aside takes
// without replacing one set aside before. With `extensions`, a name for a set of files: the first of
// those names under which no file of the name plus one of the extensions exists (returned without one).
QString FreeNumberedPath(const QString& base, const QStringList& extensions = {});

// The bytes of a side file: none when there is no such file; false when it exists but cannot be read.
bool ReadSideFile(const QString& path, std::optional<QByteArray>& bytes);

// A side file of fixed-size records that each hold a depth (memos, depth notes, FIT records), read
// whole with every record's depth passed through `move`; a trailing partial record is carried
// unchanged. `out` gets the bytes when a depth changed. False when the file exists but cannot be read.
template <class Record, class Move>
bool MoveRecordDepths(const QString& path, Move move, std::optional<QByteArray>& out)
{
    std::optional<QByteArray> bytes;
    if (!ReadSideFile(path, bytes))
        return false;
    if (!bytes)
        return true;
    bool moved = false;
    for (qsizetype at = 0; at + qsizetype(sizeof(Record)) <= bytes->size(); at += qsizetype(sizeof(Record))) {
        char* field = bytes->data() + at + offsetof(Record, depth);
        decltype(Record::depth) depth{};
        std::memcpy(&depth, field, sizeof depth);
        const decltype(Record::depth) to = move(depth);
        if (to != depth) {
            std::memcpy(field, &to, sizeof to);
            moved = true;
        }
    }
    if (moved)
        out = std::move(bytes);
    return true;
}

}  // namespace wellfile
