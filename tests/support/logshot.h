#pragma once
// Places of the log read from a screenshot of the real window: the rate track, the first row, the
// tracks' blue edge lines.
#include <QImage>

#include <vector>

namespace testing_support {

// The rate track's left edge: its first blue division line is 50 pixels right of it (a 250-pixel
// track of five divisions), found on screen row `row`.
int RateLeft(const QImage& image, int row);
// The y of the log's first row: where the rate track's first division line starts.
int LogTop(const QImage& image);
// The x of every blue line that runs down at least a quarter of the log's rows, left to right.
std::vector<int> TrackEdges(const QImage& image);

}  // namespace testing_support
