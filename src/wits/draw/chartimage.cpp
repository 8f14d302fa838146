#include "wits/draw/chartimage.h"

#include "platform/draw/dc.h"
#include "platform/numbers.h"
#include "platform/text.h"
#include "wits/chartview.h"

#include <algorithm>
#include <cmath>

namespace wits {

namespace {

using platform::RGB;

constexpr platform::COLORREF kMinorGrid = RGB(192, 192, 192);
constexpr platform::COLORREF kMajorGrid = RGB(0, 0, 255);
constexpr platform::COLORREF kCurveColour[2] = {RGB(255, 0, 0), RGB(0, 0, 0)};
constexpr platform::COLORREF kBlack = RGB(0, 0, 0);
constexpr platform::COLORREF kLagColour = RGB(255, 0, 0);
constexpr int kLabelEvery[2] = {600, 500};  // samples between a curve's labels

// A value truncated to a whole number, held far outside any image so that no conversion overflows;
// a value that is no number counts as far left.
int WholePixel(double v)
{
    constexpr double kFar = 1e7;
    if (!(v > -kFar))
        return int(-kFar);
    if (v > kFar)
        return int(kFar);
    return int(v);
}

bool Reversed(const WitsChartBlock& b, int curve)
{
    return b.direction[curve] != 1;
}

void Text(platform::Dc& dc, int x, int y, platform::COLORREF colour, const std::string& text)
{
    dc.SetTextColor(colour);
    dc.TextOut(x, y, text.c_str(), int(text.size()));
}

}  // namespace

platform::Font ChartFont(int rowHeight)
{
    platform::Font f(QStringLiteral("Courier New"), 1 - rowHeight, platform::FW_NORMAL);
    f.width = 3 - rowHeight;
    f.pitchAndFamily = platform::FIXED_PITCH;
    return f;
}

QImage MakeChartImage(const ChartBlocks& blocks)
{
    QImage image(std::max(1, ChartImageWidth(blocks)), kChartImageRows, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

namespace {

constexpr int kGridPeriod = 100;  // rows from one major minute line to the next

// The minute lines of rows [from, to) with their block ticks: each minute line has a tick 20 rows long
// at every block, drawn over it, so that together the ticks make one line from `from` down.
void DrawGridRows(platform::Dc& dc, const ChartBlocks& blocks, int from, int to)
{
    const platform::Pen minor(kMinorGrid), major(kMajorGrid);
    for (const WitsChartBlock& b : blocks) {
        for (int y = from; y < to; y += 10) {
            dc.SelectObject((y - kChartFirstRow) % kGridPeriod == 0 ? major : minor);
            dc.MoveTo(b.left, y);
            dc.LineTo(b.right, y);
        }
        const int count = std::clamp(int(b.blockCount), 0, kMaxChartBlocks);
        const double width = b.blockWidth;
        for (int block = 0; block <= count; ++block) {
            // The chart's right border takes the major pen even when the count is no multiple of 5.
            dc.SelectObject(block % 5 == 0 || block == count ? major : minor);
            const int x = WholePixel(b.left + block * width);
            dc.MoveTo(x, from);
            dc.LineTo(x, to);
        }
    }
}

}  // namespace

void DrawGrid(platform::Dc& dc, const ChartBlocks& blocks)
{
    const platform::KeepDcState keep(dc);
    QImage* image = dc.Image();
    if (!image) {
        DrawGridRows(dc, blocks, kChartFirstRow, kChartImageRows);
        return;
    }
    // The grid repeats every 100 rows: draw the first period and copy it down the charts, which is
    // far quicker than drawing a day of lines into a tall image.
    const int firstEnd = std::min(kChartFirstRow + kGridPeriod, kChartImageRows);
    DrawGridRows(dc, blocks, kChartFirstRow, firstEnd);
    const QImage period = image->copy(0, kChartFirstRow, image->width(), firstEnd - kChartFirstRow);
    for (int y = firstEnd; y < kChartImageRows; y += kGridPeriod)
        for (const WitsChartBlock& b : blocks)
            dc.BitBlt(b.left, y, b.right - b.left + 1, std::min(kGridPeriod, kChartImageRows - y), period, b.left, 0,
                      platform::SRCCOPY);
}

LoadedDepthRange DrawCurves(platform::Dc& dc, const ChartBlocks& blocks, const wellfile::WITSRECORD* samples, int count,
                            int rowHeight)
{
    LoadedDepthRange range;
    count = std::min(count, wellfile::kSlotsPerDay);
    if (!samples || count <= 10)
        return range;
    const int drawn = count - 10;  // samples 0 to count - 11

    const platform::KeepDcState keep(dc);
    dc.SelectObject(ChartFont(rowHeight));
    dc.SetBkMode(platform::TRANSPARENT);
    const platform::Pen tickPen(kBlack);
    std::vector<platform::POINT> points(std::size_t(drawn) + 1), line;
    line.reserve(points.size());

    for (int k = 0; k < kChartCount; ++k) {
        const WitsChartBlock& b = blocks[k];
        for (int c = 0; c < 2; ++c) {
            const std::vector<float> values = CurveValues(samples, drawn, b.dataIndex[c], b.minimum[c]);
            const bool reversed = Reversed(b, c);
            const double scale = b.scale[c];
            // The curve starts at the chart's left column, row 10; sample i lies on row 10 + i + 1.
            points[0] = {b.left, kChartFirstRow};
            for (int i = 0; i < drawn; ++i) {
                const double v = values[std::size_t(i)];
                int x = WholePixel(reversed ? b.right - scale * v : b.left + scale * v);
                if (x < b.left)
                    x = b.left + 1;
                else if (x > b.right)
                    x = b.right - 1;
                points[std::size_t(i) + 1] = {x, kChartFirstRow + i + 1};
            }
            // A run of samples on one column is one vertical line: the same pixels, far fewer lines.
            line.clear();
            for (const platform::POINT& p : points) {
                const std::size_t n = line.size();
                if (n >= 2 && line[n - 1].x == p.x && line[n - 2].x == p.x)
                    line[n - 1].y = p.y;
                else
                    line.push_back(p);
            }
            dc.SelectObject(platform::Pen(kCurveColour[c]));
            dc.Polyline(line.data(), int(line.size()));

            const std::string label = platform::FieldText(b.label[c]);
            if (!label.empty())
                for (int i = 0; i < drawn; i += kLabelEvery[c])
                    if (points[std::size_t(i) + 1].x > b.left + 2)
                        Text(dc, points[std::size_t(i) + 1].x, points[std::size_t(i) + 1].y, kCurveColour[c], label);
        }

        // Time and hole depth go down the first chart, lag depth down the fourth.
        if (k == 0) {
            int lastMinute = -1, lastDepth = -1;
            for (int i = 0; i < drawn; ++i) {
                const wellfile::WITSRECORD s = samples[i];
                const int y = kChartFirstRow + i + 1;
                const int minuteOfDay = s.hour * 60 + s.minute;
                if (s.minute % 30 == 0 && minuteOfDay != lastMinute) {
                    lastMinute = minuteOfDay;
                    Text(dc, 15, y - 10, kBlack, platform::CFormat("%02d:%02d", int(s.hour), int(s.minute)));
                }
                const int depth = platform::Whole(s.holeDepth);
                if (depth <= 0)
                    continue;
                if (range.least == 0)
                    range.least = depth;
                range.greatest = std::max(range.greatest, depth);
                if (depth == lastDepth)
                    continue;
                lastDepth = depth;
                dc.SelectObject(tickPen);
                dc.MoveTo(b.right - 2 * rowHeight, y);
                dc.LineTo(b.right, y);
                if (depth % 10 == 0)
                    Text(dc, b.right - 7 * rowHeight, y, kBlack, platform::CFormat("%d", depth));
            }
        } else if (k == kChartCount - 1) {
            int lastLag = -1;
            for (int i = 1; i < drawn; ++i) {
                const int lag = samples[i].lagDepth;
                if (lag > 0 && lag % 10 == 0 && lag != lastLag) {
                    lastLag = lag;
                    Text(dc, b.right - 5 * rowHeight, kChartFirstRow + i + 1, kLagColour, platform::CFormat("%d", lag));
                }
            }
        }
    }
    return range;
}

LoadedDepthRange DrawChartImage(platform::Dc& dc, const ChartBlocks& blocks, const wellfile::WITSRECORD* samples, int count,
                                int rowHeight)
{
    if (QImage* image = dc.Image())
        image->fill(Qt::white);
    DrawGrid(dc, blocks);
    return DrawCurves(dc, blocks, samples, count, rowHeight);
}

void DrawScales(platform::Dc& dc, const ChartBlocks& blocks, int rowHeight)
{
    const int top = kChartBandHeight - kChartScaleHeight;
    const platform::KeepDcState keep(dc);
    dc.SelectObject(platform::Pen(kBlack));
    dc.SelectObject(platform::Brush(RGB(255, 255, 255)));
    dc.SelectObject(ChartFont(rowHeight));
    dc.SetBkMode(platform::TRANSPARENT);

    dc.Rectangle(blocks[0].left, top, blocks[kChartCount - 1].right + 2, kChartBandHeight);
    dc.SelectObject(platform::Brush::Null());
    const int lineHeight = (kChartScaleHeight - 4) / 2;
    for (const WitsChartBlock& b : blocks) {
        dc.Rectangle(b.left, top, b.right, kChartBandHeight);
        for (int c = 0; c < 2; ++c) {
            const bool reversed = Reversed(b, c);
            const int atLeft = WholePixel(reversed ? b.maximum[c] : b.minimum[c]);
            const int atRight = WholePixel(reversed ? b.minimum[c] : b.maximum[c]);
            const int y = top + 2 + c * lineHeight;
            dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
            Text(dc, b.left + 2, y, kCurveColour[c], platform::CFormat("<%d", atLeft));
            dc.SetTextAlign(platform::TA_RIGHT | platform::TA_TOP);
            Text(dc, b.right - 2, y, kCurveColour[c], platform::CFormat("%d>", atRight));
        }
    }
}

void ShowImage(platform::Dc& window, const QImage& image, int viewIndex, int viewHeight, bool repaint)
{
    window.BitBlt(0, kChartBandHeight, image.width(), viewHeight, image, 0, ImageSourceRow(viewIndex, repaint),
                  platform::SRCCOPY);
}

}  // namespace wits
