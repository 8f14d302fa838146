#include "entry/memodrawing.h"

#include "app/logstate.h"

#include <algorithm>
#include <cstring>

namespace entry {

MemoSource MemoSourceOf(app::LogState& s)
{
    app::NoteState& n = s.notes;
    const std::size_t count = std::min(std::size_t(std::max(n.memoCount, 0)), n.memos.size());
    MemoSource source;
    source.memos = std::span<wellfile::SVMEMO>(n.memos.data(), count);
    source.state = &n.drawing;
    source.options.drilling = s.well.file.drilling;
    source.options.customTracks = s.well.customTracksEnabled && s.customTracks.data != nullptr;
    source.options.allCaps = n.allCapsDescriptions;
    source.options.pageReserve = n.pageReserve;
    return source;
}

void SplitMemoLines(const char* text, std::size_t size, int maxLines, MemoLines& out)
{
    out.count = 0;
    const int limit = std::clamp(maxLines, 0, kMemoLineSlots);
    std::size_t i = 0;
    while (i < size && text[i] != '\0' && out.count < limit) {
        if (text[i] == '\r' || text[i] == '\n') {
            ++i;
            continue;
        }
        std::array<char, kMemoLineChars>& line = out.text[std::size_t(out.count)];
        int n = 0;
        for (; i < size && text[i] != '\0' && text[i] != '\r' && text[i] != '\n'; ++i)
            if (n < kMemoLineChars - 1)
                line[std::size_t(n++)] = text[i];
        line[std::size_t(n)] = '\0';
        out.length[std::size_t(out.count)] = n;
        ++out.count;
    }
}

void MemoDrawnText(const wellfile::SVMEMO& memo, const MemoOptions& options, char* out, std::size_t size)
{
    if (size == 0)
        return;
    const std::size_t length = strnlen(memo.text, sizeof memo.text);
    const std::size_t from = memo.text[0] == '*' && !options.drilling ? 1 : 0;
    const std::size_t n = std::min(length - std::min(from, length), size - 1);
    std::memcpy(out, memo.text + from, n);
    out[n] = '\0';
    if (memo.description && options.allCaps)
        for (std::size_t k = 0; k < n; ++k)
            if (out[k] >= 'a' && out[k] <= 'z')
                out[k] = char(out[k] - 'a' + 'A');
}

platform::COLORREF MemoTextColour(const wellfile::SVMEMO& memo)
{
    return memo.text[0] == '*' ? platform::RGB(255, 0, 0) : platform::COLORREF(memo.textColour);
}

}  // namespace entry
