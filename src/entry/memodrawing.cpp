#include "entry/memodrawing.h"

#include <algorithm>
#include <cstring>

namespace entry {

void MemoHits::Clear()
{
    count = 0;
    firstMemo = -1;
}

bool MemoHits::Add(const platform::RECT& box, std::int32_t memoIndex)
{
    if (count < 0 || count >= kMaxMemoHits)
        return false;
    boxes[std::size_t(count)] = box;
    memo[std::size_t(count)] = memoIndex;
    ++count;
    return true;
}

void PendingMemos::Add(std::int32_t memo, std::int32_t firstLine)
{
    if (count < 0 || Full())
        return;
    memos[std::size_t(count++)] = {memo, firstLine};
}

std::int32_t PendingMemos::Take(std::int32_t memo)
{
    for (int i = 0; i < count; ++i) {
        if (memos[std::size_t(i)].memo != memo)
            continue;
        const std::int32_t firstLine = memos[std::size_t(i)].firstLine;
        for (int k = i + 1; k < count; ++k)
            memos[std::size_t(k - 1)] = memos[std::size_t(k)];
        --count;
        return firstLine;
    }
    return -1;
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
