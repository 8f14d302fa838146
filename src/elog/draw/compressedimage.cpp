#include "elog/draw/compressedimage.h"

#include "logview/draw/depthcolumn.h"
#include "logview/draw/logbody.h"
#include "logview/draw/markers.h"
#include "logview/draw/paintsteps.h"
#include "platform/draw/dc.h"

#include <algorithm>

namespace elog {

namespace {

using wellfile::RECORD;

// The buffer index of depth `d`, or -1 outside the buffer.
long long IndexOf(const CompressedImage& im, std::int32_t d)
{
    const long long i = (long long)(d - im.firstDepth) / std::max(im.depthStep, 1);
    return i >= 0 && i < (long long)im.records.size() ? i : -1;
}

}  // namespace

int DrawCompressedImage(platform::Dc& dc, const CompressedImage& im)
{
    const logview::ViewGeometry& g = im.geometry;
    const int R = g.rowHeight, U = g.unitWidth, T = g.topMargin;
    const logview::PaintTarget target{dc, g, im.device};

    // Row i + 1 holds the last record of row i; row 0 the record on the line above the first row.
    std::vector<RECORD> rows;
    rows.reserve(im.rowDepths.size() + 2);
    for (std::int32_t d : im.rowDepths) {
        const long long i = IndexOf(im, d);
        if (i < 0 || im.records[std::size_t(i)].depth == 0)
            break;
        if (rows.empty()) {
            const long long a = IndexOf(im, g.viewTopDepth);
            rows.push_back(im.records[std::size_t(a >= 0 ? a : i)]);
        }
        rows.push_back(im.records[std::size_t(i)]);
    }
    const int count = std::max(int(rows.size()) - 1, 0);
    for (int i = 0; i < count + 5; ++i)
        logview::paint::Strip(dc, im.strips.main, g.origin.x, T + i * R);
    if (count == 0)
        return 0;
    rows.push_back(RECORD{});  // the end mark the curves stop at
    const logview::Records rowRecords(rows);

    for (int row = 0; row < count; ++row) {
        const int y = T + row * R;
        im.painters.DrawGasCurves(target, rowRecords, std::size_t(row) + 1, y, row, false, false);
        if (row == 0)
            continue;
        // The row's records: from the one below the line above it to its last.
        const long long first = IndexOf(im, im.rowDepths[std::size_t(row) - 1] + im.depthStep);
        const long long last = IndexOf(im, im.rowDepths[std::size_t(row)]);
        if (first < 0 || last < first)
            continue;
        if (g.Flag(22)) {
            const std::size_t n = std::size_t(std::min<long long>(last - first + 1, 10));
            logview::DrawMarkerLines(dc, g, im.device, im.records.subspan(std::size_t(first), n), 1, R, U, y);
            logview::DrawConnectionTripMarks(dc, g, im.device, im.records, std::size_t(first), R, U, y);
        }
        if (g.Flag(29) && first >= 5) {
            const RECORD& back = im.records[std::size_t(first - 5)];
            if (back.mudWeightIn > 0 || back.mudWeightOut > 0)
                im.painters.DrawMudInOut(target, back, R, y);
        }
    }
    if (g.Flag(22))
        logview::DrawCurve(dc, g, im.device, im.curve, rowRecords, 1, count, R, T, false);
    if (g.Flag(1))
        im.painters.DrawRecordCurve(target, rowRecords, 1, count, R, T, false);
    if (g.Flag(27))
        im.painters.DrawLinearCurve(target, rowRecords, 1, count, R, T, false);
    if (g.Flag(22))
        logview::DrawSurveyColumn(dc, g, im.device, im.depthColumn, rowRecords, 1, count, R, U, T);
    if (im.trackTitles)
        im.trackTitles(dc);
    return count;
}

}  // namespace elog
