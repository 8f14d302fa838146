#pragma once
// The numbers of the compressed scales (scale index 3 and up: five depth records a row, ten depth units
// a row on the log image): where the view top may stand, which buffered record each row starts at,
// where the show, DST and report marks go (and which depth a click on one finds) and which record of a
// row carries its connection or trip mark. GUI-free, so the body, the log image and the tests share them.
#include "wellfile/record.h"

#include <cstdint>
#include <span>
#include <vector>

namespace logview {

constexpr int kRecordsPerCompressedRow = 5;

// The compressed view's top: kept 200 units above the last depth and 10 below the first, then moved
// down to a multiple of 10 (while above the last depth; from first + 10 of a file whose first depth is
// no multiple of 10, always). A file so short that this lands at or past its last depth would show
// nothing: its top is then held at the file's first depth.
std::int32_t CompressedTop(std::int32_t top, std::int32_t first, std::int32_t last);

// Where a paint's read starts and which buffered record the first row shows.
struct BodyStart {
    int readIndex = 0;     // record index of the file the read starts at
    int firstElement = 5;  // buffer index of the view top's record: 5, less when the read starts at record 0
};
// Five records above the view top, never before the file's first record.
BodyStart CompressedStart(std::int32_t top, std::int32_t first, std::int32_t depthStep);

// The rows of one pass of five records a row over `records` from `firstElement`.
struct RowWalk {
    std::vector<int> elements;  // the buffer index of each drawn row's first record
    int n = 0;                  // the last row drawn, or the row count asked for when the rows ran out
    int endElement = 0;         // the first record after the last drawn row
    std::int32_t bottomDepth = 0;  // depth of the last record of the last drawn row (its last in the file)
    int rowCounter = 0;         // rows counted after a drawn row
    int endY = 0;               // the row y where the walk ended
};
// Rows stop at the first row whose record has depth 0 or lies past the last full ten units of the file
// (last depth - last depth mod 10), at the buffer's end, or when the next row's y reaches `bottomY`.
// `perRow` records make a row (5 on the screen, 10 on the log image).
RowWalk WalkCompressedRows(std::span<const wellfile::RECORD> records, int firstElement, int rows, int perRow,
                           int topY, int rowHeight, int bottomY, std::int32_t fileLastDepth);

// The y of depth `d` on the compressed rows: five records a row, as the rows and the depth column stand,
// two pixels below the row line.
int CompressedMarkY(std::int32_t d, std::int32_t top, int rowHeight, int topMargin, std::int32_t depthStep);
// The depth of the compressed row under `y` by the same rule: the depth of the row's first record.
std::int32_t CompressedDepthAtY(int y, std::int32_t top, int rowHeight, int topMargin, std::int32_t depthStep);

// The connection, casing-point or trip code that marks a row: the first non-zero code of the five
// records from the one before the row's first record. `position` is its place (0-4) among the five.
struct TripMark {
    int code = 0;      // 0: none
    int position = 0;
};
TripMark FirstTripMark(std::span<const wellfile::RECORD> records, std::size_t rowElement);

// Half rows of the offset well's curve: two a row, or two for each five records when fewer than 320
// were kept (a short read near the offset well's end).
int OffsetCurveHalfRows(int keptRecords, int visibleRows);

// The offset well's record index for a compressed view at `top` (its first depth `offsetFirst`): one
// record for each two depth units, ten fewer on scale index 3; -1 when it would be below 5 (no read).
int CompressedOffsetIndex(std::int32_t top, std::int32_t offsetFirst, int scaleIndex);

}  // namespace logview
