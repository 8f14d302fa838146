#pragma once
// Memo and depth-note records for tests: a depth and a text, everything else zero.
#include "wellfile/memorecords.h"

#include <cstring>

namespace testing_support {

inline wellfile::SVMEMO MakeMemo(std::int32_t depth, const char* text)
{
    wellfile::SVMEMO m;
    m.depth = depth;
    std::strncpy(m.text, text, sizeof m.text - 1);
    return m;
}

inline wellfile::HTEXTEX MakeNote(std::int32_t depth, const char* text)
{
    wellfile::HTEXTEX h;
    h.depth = depth;
    std::strncpy(h.text, text, sizeof h.text - 1);
    return h;
}

}  // namespace testing_support
