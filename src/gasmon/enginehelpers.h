#pragma once
// Small helpers the engine's files share.
#include <QString>

#include <algorithm>
#include <initializer_list>
#include <string>

namespace gasmon {

// Whether the gas instrument type `type` is one of `types`.
inline bool TypeIn(int type, std::initializer_list<int> types)
{
    return std::find(types.begin(), types.end(), type) != types.end();
}

// A formatted line of the live window.
inline QString LineText(const std::string& s) { return QString::fromLatin1(s.c_str()); }

// The types whose counts are scaled by span and attenuator over the full-scale count.
inline bool ScalesCounts(int type) { return (type >= 0 && type <= 5) || type == 8 || type == 12 || type == 15; }

}  // namespace gasmon
