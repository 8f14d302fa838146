#pragma once
// Small steps the paint paths of the log share: a grid strip copied to a row, a profile test.
#include <QImage>

#include <algorithm>
#include <initializer_list>

namespace platform {
class Dc;
}

namespace logview::paint {

// The profile is one of the list.
inline bool OneOf(int profile, std::initializer_list<int> list)
{
    return std::find(list.begin(), list.end(), profile) != list.end();
}

// Copies a grid strip, its whole width, to (x, y); a null strip copies nothing.
void Strip(platform::Dc& dc, const QImage& strip, int x, int y);

}  // namespace logview::paint
