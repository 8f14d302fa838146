#include "wits/draw/chartimage.h"

#include "platform/draw/dc.h"
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

int WholeDepth(float depth)
{
    return WholePixel(double(depth));
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

void DrawGrid(platform::Dc& dc, const ChartBlocks& blocks)
{
    const platform::Pen minor(kMinorGrid), major(kMajorGrid);
    for (int y = kChartFirstRow; y < kChartImageRows; y += 10) {
        const bool majorRow = (y - kChartFirstRow) % 100 == 0;
        for (const WitsChartBlock& b : blocks) {
            dc.SelectObject(majorRow ? major : minor);
            dc.MoveTo(b.left, y);
            dc.LineTo(b.right, y);
            const int count = std::clamp(int(b.blockCount), 0, kMaxChartBlocks);
            const double width = b.blockWidth;
            for (int block = 0; block <= count; ++block) {
                // The chart's right border takes the major pen even when the count is no multiple of 5.
                dc.SelectObject(block % 5 == 0 || block == count ? major : minor);
                const int x = WholePixel(b.left + block * width);
                dc.MoveTo(x, y);
                dc.LineTo(x, y + 20);
            }
        }
    }
    dc.RestorePen();
}

LoadedDepthRange DrawCurves(platform::Dc& dc, const ChartBlocks& blocks, const WITSRECORD* samples, int count,
                            int rowHeight)
{
    LoadedDepthRange range;
    count = std::min(count, kSlotsPerDay);
    if (!samples || count <= 10)
        return range;
    const int last = count - 11;  // the last sample drawn

    const platform::Font oldFont = dc.SelectObject(ChartFont(rowHeight));
    const int oldBkMode = dc.SetBkMode(platform::TRANSPARENT);
    const platform::COLORREF oldTextColour = dc.GetTextColor();
    const platform::Pen tickPen(kBlack);

    for (int k = 0; k < kChartCount; ++k) {
        const WitsChartBlock& b = blocks[k];
        const bool firstChart = k == 0;
        const bool lastChart = k == kChartCount - 1;
        for (int c = 0; c < 2; ++c) {
            const std::vector<float> values = CurveValues(samples, count, b.dataIndex[c], b.minimum[c]);
            const platform::Pen pen(kCurveColour[c]);
            const bool reversed = Reversed(b, c);
            const double scale = b.scale[c];
            const std::string label = platform::FieldText(b.label[c]);
            // Time, depth and lag labels go with the first curve only, so each is drawn once.
            const bool marks = c == 0;
            int lastMinute = -1, lastDepth = -1, lastLag = -1;
            platform::POINT previous{b.left, kChartFirstRow};
            for (int i = 0; i <= last; ++i) {
                const WITSRECORD s = samples[i];
                const double v = values[std::size_t(i)];
                int x = WholePixel(reversed ? b.right - scale * v : b.left + scale * v);
                if (x < b.left)
                    x = b.left + 1;
                else if (x > b.right)
                    x = b.right - 1;
                const int y = kChartFirstRow + i + 1;
                dc.SelectObject(pen);
                dc.MoveTo(previous.x, previous.y);
                dc.LineTo(x, y);
                previous = {x, y};

                if (i % kLabelEvery[c] == 0 && x > b.left + 2 && !label.empty())
                    Text(dc, x, y, kCurveColour[c], label);
                if (!marks)
                    continue;
                if (firstChart) {
                    const int minuteOfDay = s.hour * 60 + s.minute;
                    if (s.minute % 30 == 0 && minuteOfDay != lastMinute) {
                        lastMinute = minuteOfDay;
                        Text(dc, 15, y - 10, kBlack, platform::CFormat("%02d:%02d", int(s.hour), int(s.minute)));
                    }
                    const int depth = WholeDepth(s.holeDepth);
                    if (depth > 0) {
                        if (range.least == 0)
                            range.least = depth;
                        range.greatest = std::max(range.greatest, depth);
                    }
                    if (depth > 0 && depth != lastDepth) {
                        lastDepth = depth;
                        dc.SelectObject(tickPen);
                        dc.MoveTo(b.right - 2 * rowHeight, y);
                        dc.LineTo(b.right, y);
                        if (depth % 10 == 0)
                            Text(dc, b.right - 7 * rowHeight, y, kBlack, platform::CFormat("%d", depth));
                    }
                }
                if (lastChart && i >= 1) {
                    const int lag = s.lagDepth;
                    if (lag > 0 && lag % 10 == 0 && lag != lastLag) {
                        lastLag = lag;
                        Text(dc, b.right - 5 * rowHeight, y, kLagColour, platform::CFormat("%d", lag));
                    }
                }
            }
        }
    }
    dc.RestorePen();
    dc.SelectObject(oldFont);
    dc.SetBkMode(oldBkMode);
    dc.SetTextColor(oldTextColour);
    return range;
}

LoadedDepthRange DrawChartImage(platform::Dc& dc, const ChartBlocks& blocks, const WITSRECORD* samples, int count,
                                int rowHeight)
{
    if (QImage* image = dc.Image())
        image->fill(Qt::white);
    DrawGrid(dc, blocks);
    return DrawCurves(dc, blocks, samples, count, rowHeight);
}

void DrawScales(platform::Dc& dc, const ChartBlocks& blocks, int rowHeight)
{
    constexpr int kHeaderHeight = 40;
    const int top = kChartBandHeight - kHeaderHeight;
    const platform::Pen oldPen = dc.SelectObject(platform::Pen(kBlack));
    const platform::Brush oldBrush = dc.SelectObject(platform::Brush(RGB(255, 255, 255)));
    const platform::Font oldFont = dc.SelectObject(ChartFont(rowHeight));
    const int oldBkMode = dc.SetBkMode(platform::TRANSPARENT);
    const platform::COLORREF oldTextColour = dc.GetTextColor();
    const unsigned oldAlign = dc.GetTextAlign();

    dc.Rectangle(blocks[0].left, top, blocks[kChartCount - 1].right + 2, kChartBandHeight);
    dc.SelectObject(platform::Brush::Null());
    const int lineHeight = (kHeaderHeight - 4) / 2;
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
    dc.SetTextAlign(oldAlign);
    dc.SetTextColor(oldTextColour);
    dc.SetBkMode(oldBkMode);
    dc.SelectObject(oldFont);
    dc.SelectObject(oldBrush);
    dc.SelectObject(oldPen);
}

void ShowImage(platform::Dc& window, const QImage& image, int viewIndex, int viewHeight, bool repaint)
{
    window.BitBlt(0, kChartBandHeight, image.width(), viewHeight, image, 0, ImageSourceRow(viewIndex, repaint),
                  platform::SRCCOPY);
}

}  // namespace wits
