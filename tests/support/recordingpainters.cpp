#include "support/recordingpainters.h"

#include "logview/averages.h"

#include <algorithm>

namespace testing_support {

std::vector<PainterCall> RecordingPainters::Named(const std::string& name) const
{
    std::vector<PainterCall> out;
    for (const PainterCall& c : calls)
        if (c.name == name)
            out.push_back(c);
    return out;
}

namespace {

// The `count` records from `first`, as far as there are any.
logview::Records Rows(logview::Records r, std::size_t first, int count)
{
    if (first >= r.size() || count <= 0)
        return {};
    return r.subspan(first, std::min(r.size() - first, std::size_t(count)));
}

// The depth of the record before records[first], 0 when the buffer has none.
long long Before(logview::Records r, std::size_t first) { return first > 0 && first <= r.size() ? r[first - 1].depth : 0; }

}  // namespace

void RecordingPainters::Add(const char* name, std::vector<long long> args, Records records)
{
    PainterCall c{name, std::move(args), {}};
    for (const Record& r : records)
        c.depths.push_back(r.depth);
    calls.push_back(std::move(c));
}

void RecordingPainters::DrawTextColumn(const Target&, const Record& r, int y, int rowHeight)
{
    Add("DrawTextColumn", {y, rowHeight}, {&r, 1});
}
int RecordingPainters::DrawLithology(const Target&, Records r, std::size_t index, int rowHeight, int y, int rowCounter,
                                     int split, int interpreted)
{
    Add("DrawLithology", {rowHeight, y, rowCounter, split, interpreted}, index < r.size() ? r.subspan(index, 1) : Records{});
    return 0;
}
void RecordingPainters::DrawGasCurves(const Target&, Records r, std::size_t index, int y, int rowCounter,
                                      bool percent, bool previous)
{
    Add("DrawGasCurves", {y, rowCounter, percent, previous}, index < r.size() ? r.subspan(index, 1) : Records{});
}
int RecordingPainters::DrawGasScaleHeader(const Target&, const Record& r, int y, int rowHeight, int flag)
{
    Add("DrawGasScaleHeader", {y, rowHeight, flag}, {&r, 1});
    return 1;
}
void RecordingPainters::DrawMudInOut(const Target&, const Record& r, int rowHeight, int y)
{
    Add("DrawMudInOut", {rowHeight, y}, {&r, 1});
}
void RecordingPainters::DrawAveragedCurve(const Target&, Records r, std::size_t first, int count, int rowHeight, int topY,
                                     bool continued)
{
    Add("DrawAveragedCurve", {rowHeight, topY, continued}, Rows(r, first, count));
}
void RecordingPainters::DrawDataCurve(const Target&, Records r, std::size_t first, int count, int rowHeight, int topY,
                                     bool continued)
{
    Add("DrawDataCurve", {rowHeight, topY, continued}, Rows(r, first, count));
}
void RecordingPainters::DrawRecordCurve(const Target&, Records r, std::size_t first, int count, int rowHeight, int topY,
                                     bool continued)
{
    Add("DrawRecordCurve", {rowHeight, topY, continued}, Rows(r, first, count));
}
void RecordingPainters::DrawLinearCurve(const Target&, Records r, std::size_t first, int count, int rowHeight, int topY,
                                     bool continued)
{
    Add("DrawLinearCurve", {rowHeight, topY, continued}, Rows(r, first, count));
}
void RecordingPainters::DrawChromatographTrack(const Target&, Records r, std::size_t first, int count, int rowHeight,
                                               int topY)
{
    Add("DrawChromatographTrack", {rowHeight, topY}, Rows(r, first, count));
}
void RecordingPainters::DrawTopsColumn(const Target&, Records r, int rowHeight, int topY)
{
    Add("DrawTopsColumn", {rowHeight, topY}, r);
}
void RecordingPainters::DrawRatingColumn(const Target&, Records r, int rowHeight, int topY)
{
    Add("DrawRatingColumn", {rowHeight, topY}, r);
}
void RecordingPainters::DrawBoxColumn(const Target&, Records r, std::size_t first, int count, int rowHeight, int topY)
{
    Add("DrawBoxColumn", {rowHeight, topY, Before(r, first)}, Rows(r, first, count));
}
void RecordingPainters::DrawPorosityColumn(const Target&, Records r, int rowHeight, int topY)
{
    Add("DrawPorosityColumn", {rowHeight, topY}, r);
}
void RecordingPainters::DrawBarColumn(const Target& t, Records r, std::size_t first, int count, int rowHeight, int topY)
{
    // On the compressed scales a row stands for five records: all of them are recorded.
    const int records = t.geometry.scaleIndex >= 3 ? count * logview::kGroupSize : count;
    Add("DrawBarColumn", {rowHeight, topY, Before(r, first)}, Rows(r, first, records));
}
void RecordingPainters::DrawBarColumn2(const Target&, Records r, int rowHeight, int topY)
{
    Add("DrawBarColumn2", {rowHeight, topY}, r);
}
void RecordingPainters::DrawTrackScaleHeader(const Target&, int y, int rowHeight, int flag)
{
    Add("DrawTrackScaleHeader", {y, rowHeight, flag});
}
void RecordingPainters::DrawTrackScaleHeader2(const Target&, int y, int rowHeight)
{
    Add("DrawTrackScaleHeader2", {y, rowHeight});
}
void RecordingPainters::DrawVerticalText(const Target&, const std::string& text, int x, int y, int step)
{
    Add("DrawVerticalText", {x, y, step});
    calls.back().text = text;
}
void RecordingPainters::PaintCustomTracks(const Target&, Records r, logview::CustomRecords custom, int topY, int rows,
                                          int rowHeight, std::int32_t stopDepth, int instantMode)
{
    Add("PaintCustomTracks", {topY, rows, rowHeight, stopDepth, instantMode, (long long)custom.first}, r);
}
void RecordingPainters::DrawMemosAt(const Target&, std::int32_t firstDepth, int height, int rowHeight, int y, int x)
{
    Add("DrawMemosAt", {firstDepth, height, rowHeight, y, x});
}
void RecordingPainters::DrawMemoBox(const Target&, int memo, int rowHeight, int y, int x)
{
    Add("DrawMemoBox", {memo, rowHeight, y, x});
}
void RecordingPainters::DrawShortReportsAt(const Target&, std::int32_t firstDepth, int height, int rowHeight, int y,
                                           int x)
{
    Add("DrawShortReportsAt", {firstDepth, height, rowHeight, y, x});
}
void RecordingPainters::DrawShortReportsCompact(const Target&, int report, int rowHeight, int y, int x)
{
    Add("DrawShortReportsCompact", {report, rowHeight, y, x});
}
void RecordingPainters::DrawImageAt(const Target&, int picture, int y, int x, int width, bool actualSize,
                                    bool continuation)
{
    Add("DrawImageAt", {picture, y, x, width, actualSize, continuation});
}
void RecordingPainters::DrawMemos(const Target&, std::int32_t topDepth, logview::PageBottomY pageBottom, int rowHeight,
                                  int topY)
{
    Add("DrawMemos", {topDepth, pageBottom.y, rowHeight, topY});
}
void RecordingPainters::DrawFlarePolygon(const Target&, Records r, std::size_t first, int count, int rowHeight,
                                         int topY, int x, int width, float)
{
    Add("DrawFlarePolygon", {rowHeight, topY, x, width}, Rows(r, first, count));
}
void RecordingPainters::DrawFlareTrack(const Target&, Records r, std::size_t first, int count, int rowHeight, int topY)
{
    Add("DrawFlareTrack", {rowHeight, topY}, Rows(r, first, count));
}
void RecordingPainters::DrawFlareTrackLines(const Target&, Records r, std::size_t first, int count, int rowHeight,
                                            int topY)
{
    Add("DrawFlareTrackLines", {rowHeight, topY}, Rows(r, first, count));
}
void RecordingPainters::DrawShortReports(const Target&, std::int32_t from, std::int32_t to, int rowHeight, int topY,
                                         bool)
{
    Add("DrawShortReports", {from, to, rowHeight, topY});
}
int RecordingPainters::FindNextImageAtDepth(std::int32_t depth, int start)
{
    Add("FindNextImageAtDepth", {depth, start});
    for (std::size_t i = std::size_t(std::max(start + 1, 0)); i < pictureDepths.size(); ++i)
        if (pictureDepths[i] == depth)
            return int(i);
    return -1;
}
void RecordingPainters::DrawImage(const Target&, int picture, int y) { Add("DrawImage", {picture, y}); }
void RecordingPainters::DrawImageMarkers(const Target&) { Add("DrawImageMarkers", {}); }
int RecordingPainters::DrawCurveLines(const Target&, int rows, std::int32_t topDepth)
{
    Add("DrawCurveLines", {rows, topDepth});
    return 1;
}
void RecordingPainters::DrawDrillingStatus(const Target&) { Add("DrawDrillingStatus", {}); }

}  // namespace testing_support
