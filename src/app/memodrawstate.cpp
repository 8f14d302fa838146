#include "app/memodrawstate.h"

#include <cstddef>

namespace app {

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

}  // namespace app
