#pragma once
// The numbers a paint of the log starts from: where the view top may stand and how many records one
// paint reads. GUI-free, so the window, the paint and the tests share them.
#include <cstdint>

namespace logview {

// The view top a paint draws from: an odd top goes to the next even depth, then it is kept at least
// first + 2 and at most last - span, and never above the file's first depth (a file shorter than the
// span is drawn from its first depth).
std::int32_t PaintTop(std::int32_t top, std::int32_t first, std::int32_t last, std::int32_t span);

// Records one paint reads for `visibleRows` rows: twice the rows and ten more, so that the compressed
// scales and the curves that look ahead find theirs.
inline int PaintReadCount(int visibleRows) { return 2 * (visibleRows > 0 ? visibleRows : 0) + 10; }

// What the record buffer and the record cache hold for that read: ten records more than the read, so
// the end mark written after the last record always fits.
inline int PaintBufferSize(int visibleRows) { return PaintReadCount(visibleRows) + 10; }

}  // namespace logview
