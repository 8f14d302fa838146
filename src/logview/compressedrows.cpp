#include "logview/compressedrows.h"

#include <algorithm>
#include <climits>

namespace logview {

std::int32_t CompressedTop(std::int32_t top, std::int32_t first, std::int32_t last)
{
    long long t = top;  // 64-bit: a damaged file may hold depths near the ends of the range
    if (t > (long long)last - 200)
        t = (long long)last - 200;
    if (t < (long long)first + 10)
        t = (long long)first + 10;
    while (t % 10 != 0 && t < last)
        ++t;
    if (first % 10 != 0 && t == (long long)first + 10)
        while (t % 10 != 0)
            ++t;
    if (t >= last)
        t = first;
    return std::int32_t(t);
}

BodyStart CompressedStart(std::int32_t top, std::int32_t first, std::int32_t depthStep)
{
    const long long step = depthStep > 0 ? depthStep : 1;
    const long long topIndex = ((long long)top - first) / step;
    BodyStart b;
    b.readIndex = int(std::max<long long>(topIndex - kRecordsPerCompressedRow, 0));
    b.firstElement = int(std::clamp<long long>(topIndex - b.readIndex, 0, kRecordsPerCompressedRow));
    return b;
}

RowWalk WalkCompressedRows(std::span<const wellfile::RECORD> records, int firstElement, int rows, int perRow,
                           int topY, int rowHeight, int bottomY, std::int32_t fileLastDepth)
{
    RowWalk w;
    const long long limit = (long long)fileLastDepth - fileLastDepth % 10;
    const int size = int(records.size());
    int element = firstElement;
    int y = topY;
    w.n = rows;
    for (int r = 0; r < rows && element >= 0 && element < size; ++r) {
        w.elements.push_back(element);
        element += perRow;
        const bool end = element >= size || records[std::size_t(element)].depth == 0 ||
                         records[std::size_t(element)].depth > limit;
        if (end) {
            w.n = r;
            break;
        }
        y += rowHeight;
        if (y >= bottomY) {
            w.n = r;
            break;
        }
        ++w.rowCounter;
    }
    w.endElement = std::min(element, size);
    w.endY = y;
    // The last record of the last row; a row that runs past the file's end ends on its last real record,
    // so the marks near the bottom of the file are still drawn.
    const int rowStart = w.elements.empty() ? 0 : w.elements.back();
    for (int i = w.endElement - 1; i >= rowStart && i >= 0; --i)
        if (records[std::size_t(i)].depth != 0) {
            w.bottomDepth = records[std::size_t(i)].depth;
            break;
        }
    return w;
}

namespace {

long long UnitsPerRow(std::int32_t depthStep)
{
    return (long long)kRecordsPerCompressedRow * (depthStep > 0 ? depthStep : 1);
}

}  // namespace

int CompressedMarkY(std::int32_t d, std::int32_t top, int rowHeight, int topMargin, std::int32_t depthStep)
{
    return topMargin + 2 + int(double((long long)d - top) * rowHeight / double(UnitsPerRow(depthStep)));
}

std::int32_t CompressedDepthAtY(int y, std::int32_t top, int rowHeight, int topMargin, std::int32_t depthStep)
{
    if (rowHeight <= 0)
        return top;
    const long long row = ((long long)y - topMargin) / rowHeight;
    return std::int32_t(std::clamp<long long>(top + row * UnitsPerRow(depthStep), INT32_MIN, INT32_MAX));
}

TripMark FirstTripMark(std::span<const wellfile::RECORD> records, std::size_t rowElement)
{
    for (int i = 0; i < kRecordsPerCompressedRow; ++i) {
        const long long at = (long long)rowElement - 1 + i;
        if (at < 0 || at >= (long long)records.size())
            continue;
        const int code = records[std::size_t(at)].tripCode;
        if (code != 0)
            return {code, i};
    }
    return {};
}

int OffsetCurveHalfRows(int keptRecords, int visibleRows)
{
    return keptRecords < 320 ? (keptRecords / kRecordsPerCompressedRow) * 2 : visibleRows * 2;
}

int CompressedOffsetIndex(std::int32_t top, std::int32_t offsetFirst, int scaleIndex)
{
    long long k = ((long long)top - offsetFirst) / 2;
    if (scaleIndex == 3)
        k = std::max<long long>(k - 10, 0);
    return k >= 5 ? int(k) : -1;
}

}  // namespace logview
