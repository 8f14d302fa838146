#include "app/notes.h"

#include "app/logstate.h"
#include "app/scrolling.h"
#include "logview/geometryof.h"
#include "logview/memoslot.h"
#include "platform/services.h"
#include "wellfile/memofiles.h"

#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <span>

namespace app {

namespace {

constexpr platform::COLORREF kWhite = platform::RGB(255, 255, 255);

// The memo at `index`, or null.
wellfile::SVMEMO* MemoAt(LogState& s, std::int32_t index)
{
    NoteState& n = s.notes;
    if (index < 0 || index >= n.memoCount || std::size_t(index) >= n.memos.size())
        return nullptr;
    return &n.memos[std::size_t(index)];
}

// Puts `text` into a memo's text field, cut to what it holds, the rest of the field zeroed.
void SetMemoText(wellfile::SVMEMO& m, const QByteArray& text)
{
    wellfile::SetRecordText(m.text, sizeof m.text, text, wellfile::kMemoTextMax);
}

// A new memo at the end of the array (room for it is made when the spares are used up).
wellfile::SVMEMO& AppendMemo(NoteState& n)
{
    n.memoCount = std::max(n.memoCount, 0);
    if (n.memos.size() <= std::size_t(n.memoCount))
        n.memos.resize(std::size_t(n.memoCount) + wellfile::kMemoSpares);
    wellfile::SVMEMO& m = n.memos[std::size_t(n.memoCount)];
    m = wellfile::SVMEMO{};
    ++n.memoCount;
    return m;
}

void FillNewMemo(LogState& s, wellfile::SVMEMO& m, int x)
{
    NoteState& n = s.notes;
    const logview::MemoSlotLayout layout = logview::ScreenMemoSlots(logview::GeometryOf(s));
    const logview::SlotPlace place = logview::XToMemoSlot(layout, n.firstColumnNote ? layout.rightLeft : x);
    m.slot = place.slot;
    m.slotOffset = place.offset;
    m.drawRectangle = 1;
    m.shown = 1;
    m.transparent = 1;
    m.frameColour = kWhite;
    m.font = DefaultNoteFont(s);
    const std::int32_t index = n.memoCount - 1;
    if (index > 0) {
        const wellfile::SVMEMO& before = n.memos[std::size_t(index - 1)];
        m.textColour = before.textColour;
        m.frameColour = before.frameColour != 0 ? before.frameColour : kWhite;
    }
    if (n.firstColumnNote) {
        m.description = 1;
        m.drawRectangle = 0;
    }
    if (const std::optional<wellfile::SVMEMO>& style = n.firstColumnNote ? n.styleDescription : n.styleMemo) {
        m.textColour = style->textColour;
        m.frameColour = style->frameColour;
        m.font = style->font;
        m.fontSize = style->fontSize;
        m.drawRectangle = style->drawRectangle;
        m.transparent = style->transparent;
    }
}

}  // namespace

QString MemoPath(const LogState& s)
{
    return wellfile::MemoFilePath(s.well.file.currentFolder, s.well.file.wellName);
}

bool LoadMemos(LogState& s)
{
    NoteState& n = s.notes;
    const wellfile::OpenWell& f = s.well.file;
    const QString path = MemoPath(s);
    // The style memos stay the window's until a memo of the file marks others.
    n.oneInchDescriptions = false;
    // The boxes and pending memos of the last drawings belong to the array being replaced.
    n.drawing = MemoDrawState{};
    if (!QFileInfo::exists(path)) {
        // A well without memos starts with the date memo, written at once (when it lies in the file).
        n.memos.assign(3, wellfile::SVMEMO{});
        n.memoCount = 1;
        wellfile::SVMEMO& m = n.memos[0];
        m.depth = f.fileTopDepth + 50;
        m.number = 1;
        m.slot = 1;
        m.drawRectangle = 1;
        m.frameColour = kWhite;
        m.font = DefaultNoteFont(s);
        const QDate today = platform::LocalTime().date();
        SetMemoText(m, QStringLiteral("%1-%2-%3")
                           .arg(today.month())
                           .arg(today.day(), 2, 10, QLatin1Char('0'))
                           .arg(today.year(), 2, 10, QLatin1Char('0'))
                           .toLatin1());
        if (m.depth <= f.fileBottomDepth)
            SaveMemos(s);
        return true;
    }
    std::optional<wellfile::MemoArray> a = wellfile::LoadMemoFile(path);
    if (!a) {
        n.memos.clear();
        n.memoCount = 0;
        return false;
    }
    n.memos = std::move(a->memos);
    n.memoCount = a->count;
    for (std::int32_t i = 0; i < n.memoCount; ++i) {
        const wellfile::SVMEMO& m = n.memos[std::size_t(i)];
        if (m.oneInch && m.description && m.depth > f.fileTopDepth + 50)
            n.oneInchDescriptions = true;
        if (m.defaultDescription)
            n.styleDescription = m;
        if (m.defaultMemo)
            n.styleMemo = m;
    }
    return true;
}

bool SaveMemos(LogState& s)
{
    const wellfile::OpenWell& f = s.well.file;
    const QString path = MemoPath(s);
    const wellfile::MemoSave r =
        wellfile::SaveMemoFile(path, s.notes.memos, s.notes.memoCount, f.fileTopDepth, f.fileBottomDepth);
    if (r == wellfile::MemoSave::Failed)
        return false;
    if (r == wellfile::MemoSave::Saved && f.drilling && f.copyOut && f.hooks.copyWellFileOut)
        f.hooks.copyWellFileOut(QStringLiteral(".mem"));
    return true;
}

platform::LOGFONTA DefaultNoteFont(const LogState& s)
{
    const platform::LOGFONTA& own = s.notes.defaultFont;
    return own.lfFaceName[0] != '\0' ? own : s.layout.format.logFont;
}

void StripSeparators(LogState& s)
{
    wellfile::SVMEMO* m = MemoAt(s, s.notes.currentMemo);
    if (!m)
        return;
    const std::size_t length = strnlen(m->text, sizeof m->text - 1);
    s.notes.noteBuffer.assign(m->text, length);
    char* end = std::remove_if(m->text, m->text + length, [](char c) { return c == '\r' || c == '\n'; });
    std::fill(end, m->text + sizeof m->text, '\0');
}

void OpenNoteEdit(LogState& s, const platform::RECT& rect, const QByteArray& text)
{
    if (s.notes.edit)
        s.notes.edit->Open(rect, text);
}

void CancelNoteEdit(LogState& s)
{
    NoteState& n = s.notes;
    if (!n.noteBuffer.empty()) {
        if (wellfile::SVMEMO* m = MemoAt(s, n.currentMemo))
            SetMemoText(*m, QByteArray::fromStdString(n.noteBuffer));
        n.noteBuffer.clear();
    }
    n.frameRect = {};
    n.gasFrameRect = {};
    n.editMode = 0;
    n.firstColumnNote = false;
    n.frameStarting = false;
    n.editRect = {};
    n.currentMemo = -1;
    // The drags of memos, note frames and short-report boxes end with the placement.
    s.interaction.mouse.EndNoteDrags();
    if (n.edit)
        n.edit->Destroy();
}

bool AddMemo(LogState& s, const QByteArray& given, int x, int y, std::int32_t depth, bool marked)
{
    NoteState& n = s.notes;
    const wellfile::OpenWell& f = s.well.file;
    if (depth == 0)
        depth = DepthAtRow(RowGeometryOf(s), y);
    depth = std::min(std::max(depth, f.fileTopDepth + 12), f.fileBottomDepth);

    // Work on a copy: a memo file that cannot be written leaves the memos as they were.
    const std::vector<wellfile::SVMEMO> before = n.memos;
    const std::int32_t countBefore = n.memoCount;
    wellfile::SVMEMO* m = MemoAt(s, n.currentMemo);
    if (!m) {
        m = &AppendMemo(n);
        m->depth = depth;
        FillNewMemo(s, *m, x);
    }
    QByteArray text = given.left(wellfile::kMemoTextMax);
    bool copyToNotes = false;
    if (text.startsWith('~')) {
        text.remove(0, 1);
        copyToNotes = !m->copiedToHorz;
        m->copiedToHorz = 1;
    } else if (text.startsWith('>')) {
        text.remove(0, 1);
        m->oneInch = 1;
    }
    SetMemoText(*m, text);
    if (marked) {
        m->oneInch = 1;
        m->drawRectangle = 1;
        m->fontSize = 2;
    }
    if (n.tvdMemoMark) {
        m->drawRectangle = 1;
        m->description = 1;
    }
    const std::int32_t memoDepth = m->depth;

    if (!SaveMemos(s)) {
        n.memos = before;
        n.memoCount = countBefore;
        return false;
    }
    // The notes are written once the memo that records the copy is safely stored.
    if (copyToNotes)
        AddHTextNote(s, text, memoDepth);
    LoadMemos(s);
    n.noteBuffer.clear();
    n.firstColumnNote = false;
    return true;
}

namespace {

// Stores a depth note through `store` unless the horizontal view is open (said to the user); copies
// the written file out while drilling.
wellfile::NoteCopy StoreDepthNote(LogState& s, const std::function<wellfile::NoteCopy(const QString&)>& store)
{
    if (s.notes.horizontalViewOpen && s.notes.horizontalViewOpen()) {
        platform::MessageBox(QStringLiteral("You must close the horizontal view to save reports to the Horizontal"),
                             QString(), platform::MB_OK);
        return wellfile::NoteCopy::Failed;
    }
    const wellfile::NoteCopy r = store(HTextPath(s));
    if (r == wellfile::NoteCopy::Copied && s.well.file.drilling && s.well.file.copyOut &&
        s.well.file.hooks.copyWellFileOut)
        s.well.file.hooks.copyWellFileOut(QStringLiteral(".hxt"));
    return r;
}

}  // namespace

bool AddHTextNote(LogState& s, const QByteArray& given, std::int32_t depth)
{
    const wellfile::HTEXTEX note = wellfile::MakeDepthNote(depth, given);
    return StoreDepthNote(s, [&](const QString& path) { return wellfile::AddDepthNote(path, note, false); }) ==
           wellfile::NoteCopy::Copied;
}

wellfile::NoteCopy CopyMemoToHorzNotes(LogState& s, const wellfile::SVMEMO& memo)
{
    if (memo.text[0] == '\0')
        return wellfile::NoteCopy::Exists;
    return StoreDepthNote(s, [&](const QString& path) { return wellfile::CopyMemoToNotes(path, memo); });
}

QString HTextPath(const LogState& s)
{
    return wellfile::HTextFilePath(s.well.file.currentFolder, s.well.file.wellName);
}

}  // namespace app
