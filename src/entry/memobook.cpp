#include "entry/memobook.h"

#include "entry/memofiles.h"
#include "platform/services.h"
#include "wellfile/wholefile.h"

#include <QFileInfo>

#include <algorithm>
#include <cstring>

namespace entry {

namespace {

constexpr int kBrowseJump = 5;

bool HasText(const char* text) { return text[0] != '\0'; }

// Makes sure the record at `index` exists, with a spare zeroed one after it.
template <class R>
void MakeRoom(std::vector<R>& rows, int index)
{
    if (rows.size() <= std::size_t(index) + 1)
        rows.resize(std::size_t(index) + 2);
}

// Takes record `index` out of the first `count`: the later ones move down, the vacated one is zeroed.
template <class R>
void TakeOut(std::vector<R>& rows, int count, int index)
{
    const auto end = rows.begin() + std::min<std::ptrdiff_t>(count, std::ptrdiff_t(rows.size()));
    std::move(rows.begin() + index + 1, end, rows.begin() + index);
    *(end - 1) = R{};
}

}  // namespace

std::int32_t MemoFontHeight(std::int32_t sizeChoice)
{
    switch (sizeChoice) {
    case 1: return -10;
    case 3: return -16;
    case 4: return -18;
    default: return -12;
    }
}

QString ColourText(std::uint32_t colour)
{
    return QStringLiteral("RD=%1  GN=%2 BL=%3")
        .arg(platform::GetRValue(colour))
        .arg(platform::GetGValue(colour))
        .arg(platform::GetBValue(colour));
}

std::optional<int> BrowseStep(int index, int count, bool forward, bool ctrl)
{
    const int room = forward ? count - 1 - index : index;  // records lying that way
    if (room <= 0)
        return std::nullopt;
    const int step = ctrl && room > kBrowseJump ? kBrowseJump : 1;
    return forward ? index + step : index - step;
}

std::int32_t ShownDepth(std::int32_t depth, std::int32_t firstDepth, std::int32_t lastDepth)
{
    if (depth < firstDepth + 10)
        return firstDepth + 10;
    if (depth > lastDepth)
        return lastDepth - 20;
    return depth;
}

bool MemoDepthAllowed(std::int32_t depth, std::int32_t firstDepth, std::int32_t lastDepth)
{
    return depth >= firstDepth + 10 && (long long)depth <= (long long)lastDepth + kMemoDepthsBelowLast;
}

bool NoteDepthAllowed(std::int32_t depth, std::int32_t firstDepth, std::int32_t lastDepth)
{
    const std::int64_t even = std::int64_t(depth) + (depth % 2 != 0 ? 1 : 0);
    return even >= std::int64_t(firstDepth) + 10 && even <= lastDepth;
}

bool LoadMemoBook(const QString& path, MemoBook& book)
{
    book.memos.clear();
    book.count = 0;
    book.noFile = false;
    const QFileInfo info(path);
    if (info.exists()) {
        // A file that is there but cannot be read must not be replaced by what is typed here.
        if (!info.isReadable())
            return false;
        std::optional<MemoArray> a = LoadMemoFile(path);
        if (!a)
            return false;
        book.memos = std::move(a->memos);
        book.count = a->count;
    }
    if (book.count <= 0) {
        // No memo to show: one empty record to fill in, and a spare for NEW.
        book.memos.assign(2, wellfile::SVMEMO{});
        book.count = 1;
        book.noFile = true;
    }
    return true;
}

void OpenMemoBook(MemoBook& book, int requested)
{
    book.shown = std::clamp(requested >= 0 ? requested : book.count - 1, 0, book.count - 1);
    if (book.shown > 0)
        SortMemos(book.memos, book.count);
}

void NewMemo(MemoBook& book)
{
    MakeRoom(book.memos, book.count);
    wellfile::SVMEMO& added = book.memos[std::size_t(book.count)];
    added = book.memos[std::size_t(book.shown)];
    added.number = book.count;
    book.shown = book.count;
    ++book.count;
    book.adding = true;
}

Removal RemoveMemo(MemoBook& book, int index)
{
    book.deleted = true;
    if (book.count <= 1) {
        book.memos.clear();
        book.count = 0;
        book.shown = -1;
        return Removal::Only;
    }
    TakeOut(book.memos, book.count, index);
    --book.count;
    if (index >= book.count) {
        book.shown = book.count - 1;
        return Removal::Last;
    }
    book.shown = index;
    return Removal::Middle;
}

wellfile::SVMEMO SetMemoAsDefault(MemoBook& book)
{
    wellfile::SVMEMO& m = book.Shown();
    const bool description = m.description != 0;
    for (int i = 0; i < book.count; ++i) {
        wellfile::SVMEMO& other = book.memos[std::size_t(i)];
        (description ? other.defaultDescription : other.defaultMemo) = 0;
    }
    wellfile::SVMEMO style = m;
    SetRecordText(style.text, sizeof style.text, {}, 0);
    style.defaultMemo = 0;
    if (description) {
        m.defaultDescription = 1;
        m.defaultMemo = 0;
    } else {
        m.defaultMemo = 1;
    }
    m.shown = 1;
    return style;
}

BookSave SaveMemoBook(const QString& path, const MemoBook& book, std::int32_t firstDepth)
{
    std::vector<wellfile::SVMEMO> kept;
    const int n = std::min(book.count, int(book.memos.size()));
    for (int i = 0; i < n; ++i) {
        const wellfile::SVMEMO& m = book.memos[std::size_t(i)];
        if (m.depth > firstDepth && HasText(m.text))
            kept.push_back(m);
    }
    if (kept.empty())
        return BookSave::NothingKept;
    SortMemos(kept, int(kept.size()));
    if (!wellfile::WriteWholeFile(path, kept.data(), kept.size() * sizeof(wellfile::SVMEMO))) {
        platform::MessageBox(QStringLiteral("File Error"), QStringLiteral("Memo Dialog Save"), platform::MB_OK);
        return BookSave::Failed;
    }
    return BookSave::Saved;
}

int NewNote(std::vector<wellfile::HTEXTEX>& notes, int& count, int index)
{
    count = std::max(count, 0);
    MakeRoom(notes, count);
    wellfile::HTEXTEX& added = notes[std::size_t(count)];
    added = notes[std::size_t(std::clamp(index, 0, count))];
    added.number = count;
    return count++;
}

Removal RemoveNote(std::vector<wellfile::HTEXTEX>& notes, int& count, int& index)
{
    TakeOut(notes, count, index);
    --count;
    if (index >= count) {
        index = count - 1;
        return count <= 0 ? Removal::Only : Removal::Last;
    }
    return Removal::Middle;
}

wellfile::HTEXTEX SetNoteAsDefault(std::vector<wellfile::HTEXTEX>& notes, int count, int index)
{
    for (int i = 0; i < count && std::size_t(i) < notes.size(); ++i)
        notes[std::size_t(i)].defaultNote = 0;
    wellfile::HTEXTEX& h = notes[std::size_t(index)];
    wellfile::HTEXTEX style = h;
    SetRecordText(style.text, sizeof style.text, {}, 0);
    h.defaultNote = 1;
    h.defaultDescription = 0;
    return style;
}

bool SaveNotes(const QString& path, const std::vector<wellfile::HTEXTEX>& notes, int count)
{
    const std::size_t n = std::min(std::size_t(std::max(count, 0)), notes.size());
    if (!wellfile::WriteWholeFile(path, notes.data(), n * sizeof(wellfile::HTEXTEX))) {
        platform::MessageBox(QStringLiteral("File Error"), QStringLiteral("Report"), platform::MB_OK);
        return false;
    }
    return true;
}

}  // namespace entry
