#include "horizontal/horznotes.h"

#include "entry/memofiles.h"
#include "horizontal/horzpipeline.h"

#include <algorithm>
#include <cstring>

namespace horizontal {

using wellfile::HTEXTEX;

namespace {

bool HasText(const HTEXTEX& h) { return h.text[0] != '\0'; }

// The slot before holds the same note: same depth, and the same text ignoring case or both anchored
// at the same bottom corner.
bool Duplicates(const HTEXTEX& h, const HTEXTEX& before)
{
    if (h.depth != before.depth)
        return false;
    return qstrnicmp(h.text, before.text, sizeof h.text) == 0 || (h.anchoredBottom && before.anchoredBottom) ||
           (h.anchoredRight && before.anchoredRight);
}

// The style fields a template gives a note.
void TakeStyle(HTEXTEX& h, const HTEXTEX& t)
{
    h.textColour = t.textColour;
    h.background = t.background;
    h.transparent = t.transparent;
    h.bold = t.bold;
    h.fontSize = t.fontSize;
    h.drawRectangle = t.drawRectangle;
}

}  // namespace

bool SortNotes(std::span<HTEXTEX> notes, int count)
{
    count = std::min<int>(count, int(notes.size()));
    if (count <= 1)
        return false;
    entry::SortHText(notes, count);
    return true;
}

int CleanNotes(std::span<HTEXTEX> notes, int records)
{
    const int n = std::clamp<int>(records, 0, int(notes.size()));
    SortNotes(notes, n);
    std::vector<HTEXTEX> kept;
    for (int i = 0; i < n; ++i) {
        const HTEXTEX& h = notes[std::size_t(i)];
        // Compared with the slot just before in the sorted input, kept or not: a, b, a at one depth stays.
        const bool duplicate = i > 0 && Duplicates(h, notes[std::size_t(i - 1)]);
        if (!duplicate && h.depth > 0 && HasText(h))
            kept.push_back(h);
    }
    // Numbered again: the dropped ones leave no gaps.
    for (std::size_t k = 0; k < kept.size(); ++k)
        kept[k].number = std::int32_t(k + 1);
    std::copy(kept.begin(), kept.end(), notes.begin());
    return int(kept.size());
}

void PickStyles(std::span<const HTEXTEX> notes, const NoteStyles& styles)
{
    for (const HTEXTEX& h : notes) {
        if (h.defaultNote && styles.style)
            *styles.style = h;
        if (h.defaultDescription && styles.description)
            *styles.description = h;
    }
}

std::optional<NoteTable> LoadNotes(const NoteFile& file, const NoteStyles& styles)
{
    std::optional<entry::HTextArray> a = entry::LoadHText(file.path);
    if (!a)
        return std::nullopt;
    NoteTable t;
    const int n = std::min<int>(a->records, int(a->notes.size()));
    if (n == 0) {
        t.notes.assign(1 + kNoteSpares, HTEXTEX{});
        t.count = 1;
        return t;
    }
    const int kept = CleanNotes(a->notes, n);
    PickStyles(std::span(a->notes).first(std::size_t(n)), styles);
    t.notes.assign(a->notes.begin(), a->notes.begin() + kept);
    t.notes.resize(std::size_t(kept + kNoteSpares));
    t.count = kept;
    if (kept < n)
        SaveNotes(file, t.notes, kept);
    return t;
}

bool SaveNotes(const NoteFile& file, std::span<const HTEXTEX> notes, int count)
{
    const std::size_t n = std::min(std::size_t(std::max(count, 0)), notes.size());
    std::vector<HTEXTEX> out(notes.begin(), notes.begin() + std::ptrdiff_t(n));
    if (!entry::SaveHText(file.path, out, QStringLiteral("File Open Error"), QStringLiteral("Horz Text")))
        return false;
    if (file.copyOut)
        file.copyOut();
    return true;
}

int NoteX(const NoteView& v, std::int32_t depth)
{
    return (depth - v.plotFirstDepth) * v.pixelsPerUnit + v.plotLeft;
}

int NoteFontHeight(std::int32_t fontIndex)
{
    static constexpr int kHeights[4] = {-10, -12, -14, -16};
    return fontIndex >= 1 && fontIndex <= 4 ? kHeights[fontIndex - 1] : kNoteFontHeight;
}

std::vector<QByteArray> NoteLines(const HTEXTEX& note)
{
    const QByteArray text(note.text, int(strnlen(note.text, sizeof note.text)));
    std::vector<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\r' || text[i] == '\n') {
            if (i > start)
                lines.push_back(text.mid(start, i - start));
            start = i + 1;
        }
    }
    return lines;
}

platform::RECT NoteBox(const HTEXTEX& note, int width, int lines, int lineHeight, const NoteView& v)
{
    platform::RECT r;
    r.left = NoteX(v, note.depth);
    r.right = r.left + width + platform::Trunc(0.75 * v.unitWidth);
    // A top from another station's file is held where adding the box's height cannot overflow.
    const int far = int(platform::kFarCoordinate);
    const int top = note.box[1];
    r.top = std::clamp(top, -far, far);
    const int boxHeight = lines * lineHeight + 2;
    if (note.anchoredBottom)
        r.top = v.pathBottom - boxHeight;
    if (note.textTrack || IsDescription(note))
        r.top = v.gasBase + 20;
    if (note.anchoredRight) {
        r.top = v.pathBottom - boxHeight;
        // Ends at its depth, when there is room to its left.
        const int w = r.Width();
        if (w < r.left) {
            r.left -= w;
            r.right -= w;
        }
    }
    r.bottom = r.top + boxHeight;
    if (v.customTracks && r.top < v.gasTop) {
        r.top += v.gasTop;
        r.bottom += v.gasTop;
    }
    if (v.textInOwnTrack && IsDescription(note)) {
        r.top = v.notesBandTop + 2;
        r.bottom = v.notesBandBottom - 1;
    }
    return r;
}

platform::RECT NoteHandle(const platform::RECT& box, int unitWidth)
{
    return {box.right - 2 * unitWidth, box.bottom - 2 * unitWidth, box.right, box.bottom};
}

NoteStore PlaceNote(NoteTable& table, int editIndex, bool newNote, QByteArray text, int x, int y, const NoteView& v,
                    const NoteStyles& styles)
{
    auto& notes = table.notes;
    table.count = std::clamp<int>(table.count, 0, int(notes.size()));
    if (y % 2 != 0)
        ++y;
    if (text.size() > kNoteTextLimit)
        text.truncate(kNoteTextKept);
    if (text.size() < 2)
        text.clear();
    const bool editing = editIndex >= 0 && editIndex < table.count;
    if (text.isEmpty() && !newNote) {
        if (!editing)
            return NoteStore::Nothing;
        std::move(notes.begin() + editIndex + 1, notes.begin() + table.count, notes.begin() + editIndex);
        notes[std::size_t(--table.count)] = HTEXTEX{};
        return NoteStore::Deleted;
    }
    const int index = editing ? editIndex : table.count;
    if (std::size_t(index) >= notes.size())
        notes.resize(std::size_t(index + 1 + kNoteSpares));
    HTEXTEX& h = notes[std::size_t(index)];
    h.oneInch = v.pixelsPerUnit < 8 ? 1 : 0;
    // Close under the gas band's base: it snaps just below it and is a description.
    if (v.gasBase - 10 < y && y < v.gasBase + 10)
        y = v.gasBase + 5;
    std::memset(h.text, 0, sizeof h.text);
    std::memcpy(h.text, text.constData(), std::size_t(std::min<qsizetype>(text.size(), kNoteTextKept)));
    // A note under edit keeps its depth: the editor's x is its box's, which for a note anchored at the
    // bottom-left stands left of its depth.
    if (!editing)
        h.depth = DepthAtColumn(x, v.scrollPos, v.plotLeft, v.pixelsPerUnit, v.plotFirstDepth);
    h.box[0] = NoteX(v, h.depth) + 2;
    h.box[1] = y;
    h.box[2] = h.box[0];
    h.box[3] = y + 16;
    h.number = index == 0 ? 1 : index;
    h.drawRectangle = 1;
    h.transparent = 1;
    if (v.gasBase < y && y < v.gasBase + 20)
        h.onTextTrack = 1;
    if (IsDescription(h) && styles.description && *styles.description)
        TakeStyle(h, **styles.description);
    if (newNote && styles.style && *styles.style)
        TakeStyle(h, **styles.style);
    if (index == table.count)
        ++table.count;
    return NoteStore::Stored;
}

}  // namespace horizontal
