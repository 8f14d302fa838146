#include "wellfile/memofiles.h"

#include "platform/folders.h"
#include "platform/services.h"
#include "wellfile/wholefile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <new>

namespace wellfile {

namespace {

bool HasText(const char* text) { return text[0] != '\0'; }

// Every whole record of `path` into `rows` (resized to at least `minRows` + `spares`, zero beyond the
// file); -1 when the file does not open, else the number of whole records read. Throws bad_alloc.
template <class R>
long long ReadRecordsInto(const QString& path, std::vector<R>& rows, long long minRows, long long spares)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const long long whole = file.size() / qint64(sizeof(R));
    rows.assign(std::size_t(std::max(whole, minRows) + spares), R{});
    const qint64 bytes = whole * qint64(sizeof(R));
    const qint64 got = bytes > 0 ? file.read(reinterpret_cast<char*>(rows.data()), bytes) : 0;
    // A read cut short leaves the records it did not reach zeroed.
    return std::max<qint64>(got, 0) / qint64(sizeof(R));
}

// Stable by depth with the unused records (depth below 1) behind the rest, then numbered 1, 2, ...
template <class R>
void SortByDepth(std::span<R> rows, int count)
{
    const auto end = rows.begin() + std::clamp<std::ptrdiff_t>(count, 0, std::ptrdiff_t(rows.size()));
    const auto used = std::stable_partition(rows.begin(), end, [](const R& r) { return r.depth >= 1; });
    std::stable_sort(rows.begin(), used, [](const R& a, const R& b) { return a.depth < b.depth; });
    std::int32_t n = 1;
    for (auto it = rows.begin(); it != end; ++it)
        it->number = n++;
}

}  // namespace

QString MemoFilePath(const QString& folder, const QString& wellName)
{
    return platform::FindFileNoCase(folder, wellName + QStringLiteral(".mem"));
}

QString HTextFilePath(const QString& folder, const QString& wellName)
{
    return platform::FindFileNoCase(folder, wellName + QStringLiteral(".hxt"));
}

std::optional<MemoArray> LoadMemoFile(const QString& path)
{
    MemoArray a;
    try {
        const long long read = ReadRecordsInto(path, a.memos, 0, kMemoSpares);
        if (read < 0)
            a.memos.assign(kMemoSpares, wellfile::SVMEMO{});
        a.count = int(std::max<long long>(read, 0));
    } catch (const std::bad_alloc&) {
        platform::MessageBox(QStringLiteral("SVMEMO ALLOCATION FAILED"), QStringLiteral("Report info"), platform::MB_OK);
        return std::nullopt;
    }
    return a;
}

void SortMemos(std::span<wellfile::SVMEMO> memos, int count)
{
    SortByDepth(memos, count);
}

MemoSave SaveMemoFile(const QString& path, std::span<const wellfile::SVMEMO> memos, int count, std::int32_t firstDepth,
                      std::int32_t lastDepth)
{
    std::vector<wellfile::SVMEMO> kept;
    const std::size_t n = std::min<std::size_t>(std::size_t(std::max(count, 0)), memos.size());
    for (std::size_t i = 0; i < n; ++i) {
        const wellfile::SVMEMO& m = memos[i];
        if (m.depth > firstDepth && (long long)m.depth <= (long long)lastDepth + kMemoDepthsBelowLast && HasText(m.text))
            kept.push_back(m);
    }
    if (kept.empty())
        return MemoSave::NothingKept;
    SortMemos(kept, int(kept.size()));
    const bool existed = QFileInfo::exists(path);
    if (!wellfile::WriteWholeFile(path, kept.data(), kept.size() * sizeof(wellfile::SVMEMO))) {
        platform::MessageBox(existed ? QStringLiteral("Memo Write File") : QStringLiteral("Memo Create File"),
                             QStringLiteral("File Error"), platform::MB_OK);
        return MemoSave::Failed;
    }
    return MemoSave::Saved;
}

std::optional<HTextArray> LoadHText(const QString& path)
{
    HTextArray a;
    const QFileInfo info(path);
    if (info.isFile() && info.size() > 0 && info.size() < qint64(sizeof(wellfile::HTEXTEX))) {
        // Too short for one note: kept aside for a look rather than read as nothing and overwritten.
        const QString base = path.left(path.size() - info.suffix().size()) + QStringLiteral("hx_");
        QFile::rename(path, wellfile::FreeNumberedPath(base));
    }
    try {
        const long long read = info.isFile() && info.size() >= qint64(sizeof(wellfile::HTEXTEX))
                                   ? ReadRecordsInto(path, a.notes, kHTextSlots, kHTextSpares)
                                   : -1;
        if (read < 0) {
            a.notes.assign(2, wellfile::HTEXTEX{});
            a.count = 1;
            return a;
        }
        a.records = int(read);
    } catch (const std::bad_alloc&) {
        platform::MessageBox(QStringLiteral("HTEXTEX ALLOCATION FAILED"), QStringLiteral("Report info"), platform::MB_OK);
        return std::nullopt;
    }
    a.count = int(std::count_if(a.notes.begin(), a.notes.end(),
                                [](const wellfile::HTEXTEX& h) { return h.depth > 0 && HasText(h.text); }));
    return a;
}

void SortHText(std::span<wellfile::HTEXTEX> notes, int count)
{
    SortByDepth(notes, count);
}

std::optional<int> SaveHText(const QString& path, std::vector<wellfile::HTEXTEX>& notes, const QString& failText,
                             const QString& failCaption)
{
    // A note past an unused slot is still a note: close the holes rather than write a count from the
    // front of the array.
    const auto used = std::stable_partition(notes.begin(), notes.end(),
                                            [](const wellfile::HTEXTEX& h) { return h.depth > 0 && HasText(h.text); });
    const int count = int(used - notes.begin());
    if (count > 2)
        SortHText(notes, count);
    if (!wellfile::WriteWholeFile(path, notes.data(), std::size_t(count) * sizeof(wellfile::HTEXTEX))) {
        platform::MessageBox(failText, failCaption, platform::MB_OK);
        return std::nullopt;
    }
    return count;
}

void SetRecordText(char* field, std::size_t size, const QByteArray& text, int limit)
{
    const std::size_t n = std::min({std::size_t(text.size()), std::size_t(std::max(limit, 0)), size - 1});
    std::memset(field, 0, size);
    std::memcpy(field, text.constData(), n);
}

wellfile::HTEXTEX MakeDepthNote(std::int32_t depth, const QByteArray& text)
{
    wellfile::HTEXTEX h;
    SetRecordText(h.text, sizeof h.text, text.startsWith('~') ? text.mid(1) : text, kHTextCopyMax);
    h.depth = depth;
    h.textTrack = 1;
    h.drawRectangle = 1;
    h.transparent = 1;
    return h;
}

NoteCopy AddDepthNote(const QString& path, const wellfile::HTEXTEX& note, bool once)
{
    std::optional<HTextArray> a = LoadHText(path);
    if (!a)
        return NoteCopy::Failed;
    std::vector<wellfile::HTEXTEX>& notes = a->notes;
    if (once && std::any_of(notes.begin(), notes.end(), [&](const wellfile::HTEXTEX& h) { return h.depth == note.depth; }))
        return NoteCopy::Exists;
    auto slot = std::find_if(notes.begin(), notes.end(), [](const wellfile::HTEXTEX& h) { return h.depth <= 0; });
    // Every slot holds a note: the array grows rather than give up one of them.
    (slot != notes.end() ? *slot : notes.emplace_back()) = note;
    return SaveHText(path, notes) ? NoteCopy::Copied : NoteCopy::Failed;
}

NoteCopy CopyMemoToNotes(const QString& path, const wellfile::SVMEMO& memo)
{
    const QByteArray text(memo.text, int(strnlen(memo.text, sizeof memo.text)));
    wellfile::HTEXTEX h = MakeDepthNote(memo.depth, text);
    h.onTextTrack = memo.description;
    h.textColour = memo.textColour;
    h.background = memo.frameColour;
    return AddDepthNote(path, h, true);
}

}  // namespace wellfile
