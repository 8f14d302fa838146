#pragma once
// A neighbour-painter set that draws nothing and records every call: its name, its numbers and the
// depths of the records it was given, so a test of a view painter sees what it asked of the track
// painters, memos, short reports and pictures.
#include "logview/draw/neighbourpainters.h"

#include <string>
#include <vector>

namespace testing_support {

struct PainterCall {
    std::string name;
    std::vector<long long> args;        // the call's numbers, in order
    std::vector<std::int32_t> depths;   // the depths of the records passed (one for a per-row painter)
    std::string text;                   // the text of a text painter
};

class RecordingPainters : public logview::NeighbourPainters {
public:
    std::vector<PainterCall> calls;
    // The picture table's depths FindNextImageAtDepth searches; none unless a test sets them.
    std::vector<std::int32_t> pictureDepths;
    // The calls of that name.
    std::vector<PainterCall> Named(const std::string& name) const;

    using Target = logview::PaintTarget;
    using Record = wellfile::RECORD;
    using Records = logview::Records;

    void DrawTextColumn(const Target&, const Record& r, int y, int rowHeight) override;
    int DrawLithology(const Target&, Records r, std::size_t index, int rowHeight, int y, int rowCounter, int split,
                      int interpreted) override;
    void DrawGasCurves(const Target&, Records r, std::size_t index, int y, int rowCounter, bool percent,
                       bool previous) override;
    int DrawGasScaleHeader(const Target&, const Record& r, int y, int rowHeight, int flag) override;
    void DrawMudInOut(const Target&, const Record& r, int rowHeight, int y) override;
    // The record curves and the chromatograph track record the depths of their rows (records[first] on).
    void DrawAveragedCurve(const Target&, Records r, std::size_t first, int count, int rowHeight, int topY,
                           bool continued) override;
    void DrawDataCurve(const Target&, Records r, std::size_t first, int count, int rowHeight, int topY,
                       bool continued) override;
    void DrawRecordCurve(const Target&, Records r, std::size_t first, int count, int rowHeight, int topY,
                         bool continued) override;
    void DrawLinearCurve(const Target&, Records r, std::size_t first, int count, int rowHeight, int topY,
                         bool continued) override;
    void DrawChromatographTrack(const Target&, Records r, std::size_t first, int count, int rowHeight,
                                int topY) override;
    void DrawTopsColumn(const Target&, Records r, int rowHeight, int topY) override;
    void DrawRatingColumn(const Target&, Records r, int rowHeight, int topY) override;
    // The fluorescence and hardness columns record the depths of their rows and, as their third argument,
    // the depth of the record before the first row (0: none in the buffer).
    void DrawBoxColumn(const Target&, Records r, std::size_t first, int count, int rowHeight, int topY) override;
    void DrawPorosityColumn(const Target&, Records r, int rowHeight, int topY) override;
    void DrawBarColumn(const Target&, Records r, std::size_t first, int count, int rowHeight, int topY) override;
    void DrawBarColumn2(const Target&, Records r, int rowHeight, int topY) override;
    void DrawTrackScaleHeader(const Target&, int y, int rowHeight, int flag) override;
    void DrawTrackScaleHeader2(const Target&, int y, int rowHeight) override;
    void DrawVerticalText(const Target&, const std::string& text, int x, int y, int step) override;
    // Records topY, rows, rowHeight, stopDepth, instantMode and the first custom record's index.
    void PaintCustomTracks(const Target&, Records r, logview::CustomRecords custom, int topY, int rows, int rowHeight,
                           std::int32_t stopDepth, int instantMode) override;
    void DrawMemosAt(const Target&, std::int32_t firstDepth, int height, int rowHeight, int y, int x) override;
    void DrawMemoBox(const Target&, int memo, int rowHeight, int y, int x) override;
    void DrawShortReportsAt(const Target&, std::int32_t firstDepth, int height, int rowHeight, int y, int x) override;
    void DrawShortReportsCompact(const Target&, int report, int rowHeight, int y, int x) override;
    void DrawImageAt(const Target&, int picture, int y, int x, int width, bool actualSize, bool continuation) override;
    void DrawMemos(const Target&, std::int32_t topDepth, logview::PageBottomY pageBottom, int rowHeight, int topY) override;
    void DrawFlarePolygon(const Target&, Records r, std::size_t first, int count, int rowHeight, int topY, int x,
                          int width, float scale) override;
    void DrawFlareTrack(const Target&, Records r, std::size_t first, int count, int rowHeight, int topY) override;
    void DrawFlareTrackLines(const Target&, Records r, std::size_t first, int count, int rowHeight, int topY) override;
    void DrawShortReports(const Target&, std::int32_t from, std::int32_t to, int rowHeight, int topY,
                          bool runEnds) override;
    int FindNextImageAtDepth(std::int32_t depth, int start) override;
    void DrawImage(const Target&, int picture, int y) override;
    void DrawImageMarkers(const Target&) override;
    int DrawCurveLines(const Target&, int rows, std::int32_t topDepth) override;
    void DrawDrillingStatus(const Target&) override;

private:
    void Add(const char* name, std::vector<long long> args, Records records = {});
};

}  // namespace testing_support
