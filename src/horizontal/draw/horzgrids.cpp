// The plot's frame: the grids of the gas and lower bands (linear or in decades), the MD grid with its
// depth labels, the TVD grid of the vertical-scaling sections, the VS labels and the tracks' full-scale
// labels. Grey and blue 1-pixel lines; the lower band's frame 2 pixels, the path area's 3.
#include "horizontal/draw/horzplot.h"

#include "layout/draw/penof.h"
#include "platform/gdi.h"
#include "platform/text.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace horizontal {

using platform::Dc;
using platform::Pen;
using platform::RGB;

namespace {

constexpr platform::COLORREF kGrey = RGB(192, 192, 192), kBlue = RGB(0, 0, 255), kRed = RGB(255, 0, 0);
constexpr unsigned kCentreTop = platform::TA_CENTER | platform::TA_TOP;
constexpr unsigned kLeftBottom = platform::TA_LEFT | platform::TA_BOTTOM;

Pen Grey() { return Pen(kGrey); }
Pen Blue(int width = 1) { return Pen(kBlue, width); }

// A label; one that stands well outside the window's image is passed over (a long lateral has
// thousands of them).
void Text(Dc& dc, int x, int y, const std::string& text)
{
    constexpr int kLabelReach = 400;
    if (const QImage* image = dc.Image()) {
        const int column = x + dc.GetViewportOrg().x;
        if (column < -kLabelReach || column > image->width() + kLabelReach)
            return;
    }
    dc.TextOut(x, y, text.c_str(), int(text.size()));
}

// The box of `text` written at (x, y) in the Dc's font and alignment (left or centred, top or bottom).
platform::RECT TextBox(const Dc& dc, int x, int y, const std::string& text)
{
    const platform::SIZE size = dc.GetTextExtent(text.c_str());
    const unsigned align = dc.GetTextAlign();
    const int left = (align & platform::TA_CENTER) == platform::TA_CENTER ? x - size.cx / 2 : x;
    const int top = (align & platform::TA_BASELINE) == platform::TA_BOTTOM ? y - size.cy : y;
    return {left, top, left + size.cx, top + size.cy};
}

// The depth labels' top in the gas band: under the header of custom tracks when it is drawn.
int DepthLabelTop(const HorzPlot& plot)
{
    return plot.bands.customTracks ? plot.bands.gasTop + 10 : 10;
}

// Calls `f(record, x)` for the plot's records from the first drawn up to the plot's last depth.
template <class F>
void ForEachRecord(const HorzPlot& plot, F f)
{
    for (std::size_t i = std::size_t(std::max(0, plot.first)); i < plot.records.size(); ++i) {
        const wellfile::RECORD& r = plot.records[i];
        if (r.depth >= plot.plotLastDepth || r.depth <= 0)
            break;
        f(r, RecordX(plot, r.depth));
    }
}

// The vertical MD lines every 10 depth units (blue every 50) from `top` down to the client height.
void MdLines(Dc& dc, const HorzPlot& plot, int top)
{
    ForEachRecord(plot, [&](const wellfile::RECORD& r, int x) {
        if (r.depth % 10 == 0)
            platform::Line(dc, r.depth % 50 == 0 ? Blue() : Grey(), x, top, x, plot.clientHeight);
    });
}

// Grid lines of `decades` decades upwards from `base` over `height` pixels, the tenth of each blue.
void DecadeLines(Dc& dc, const HorzPlot& plot, int base, int height, int decades)
{
    const std::array<int, 10> t = LogDecadeOffsets(height, decades);
    int y = base;
    for (int d = 0; d < decades; ++d)
        for (int k = 1; k <= 9; ++k) {
            y -= t[std::size_t(k)] - t[std::size_t(k - 1)];
            platform::Line(dc, k == 9 ? Blue() : Grey(), plot.plotLeft, y, plot.bands.plotRight, y);
        }
}

// x of the decade label columns: one every 200 depth units.
template <class F>
void ForEachLabelColumn(const HorzPlot& plot, F f)
{
    const int columns = (plot.plotLastDepth - plot.plotFirstDepth) / 200;
    for (int n = 0; n < columns; ++n)
        f(plot.plotLeft + 20 + n * 200 * plot.pixelsPerUnit);
}

void ColouredText(Dc& dc, platform::COLORREF colour, int x, int y, const std::string& text)
{
    const platform::KeepDcState keep(dc);
    dc.SetTextColor(colour);
    Text(dc, x, y, text);
}

// Labels stand on the plot's white: the grid lines under their cells give way to them.
void BeginLabels(Dc& dc, const HorzPlot& plot)
{
    dc.SelectObject(LabelFont(plot));
    dc.SetTextAlign(kCentreTop);
    dc.SetBkMode(platform::OPAQUE);
    dc.SetBkColor(RGB(255, 255, 255));
}

const wellfile::HorzSection& SectionAt(const HorzPlot& plot, int index)
{
    const int count = std::clamp(plot.sections.count, 1, kMaxSections);
    return plot.sections.sections[std::size_t(std::clamp(index, 0, count - 1))];
}

}  // namespace

platform::Font LabelFont(const HorzPlot& plot)
{
    return platform::Font(QStringLiteral("Arial Bold"), plot.options.screenWidth < 1025 ? 16 : 14);
}

void DrawGasGrid(Dc& dc, const HorzPlot& plot)
{
    if (plot.settings->logGas) {
        DrawGasLogGrid(dc, plot);
        return;
    }
    platform::KeepDcState keep(dc);
    const HorzBands& b = plot.bands;
    platform::Line(dc, Blue(), plot.plotLeft + 2, 0, b.plotRight, 0);
    platform::Line(dc, plot.plotLeft + 2, 1, b.plotRight, 1);
    if (b.gasBandHeight > 0)
        for (int k = 0; k < 20; ++k) {
            const int y = b.gasBase + 1 - k * b.divisionHeight;
            platform::Line(dc, k % 5 == 0 ? Blue() : Grey(), plot.plotLeft + 2, y, b.plotRight, y);
        }
    BeginLabels(dc, plot);
    ForEachRecord(plot, [&](const wellfile::RECORD& r, int x) {
        if (r.depth % 50 == 0)
            Text(dc, x + 2, DepthLabelTop(plot), platform::CFormat("%d ", r.depth));
    });
}

void DrawGasLogGrid(Dc& dc, const HorzPlot& plot)
{
    platform::KeepDcState keep(dc);
    const HorzBands& b = plot.bands;
    platform::Line(dc, Blue(), plot.plotLeft, b.gasBase, plot.plotLeft, b.gasBase + 10);
    if (b.gasBandHeight <= 0)
        return;
    DecadeLines(dc, plot, b.gasBase, b.gasBandHeight, 5);
    static const char* const kPercent[6] = {".001%", ".01%", ".1%", "1%", "10%", "100%"};
    static const char* const kPpm[6] = {"10ppm", "100ppm", "1000", "10k", "100k", "1000k"};
    const int decade = LogDecadeOffsets(b.gasBandHeight, 5)[9];
    BeginLabels(dc, plot);
    const auto width = [&](const char* text) { return dc.GetTextExtent(text).cx; };
    // The MD labels of the band's top rows, every 50 units, centred 2 pixels right of their line.
    std::vector<std::pair<int, int>> depthLabels;
    ForEachRecord(plot, [&](const wellfile::RECORD& r, int x) {
        if (r.depth % 50 == 0) {
            const int half = width(platform::CFormat("%d ", r.depth).c_str()) / 2 + 2;
            depthLabels.emplace_back(x + 2 - half, x + 2 + half);
        }
    });
    const int percentHalf = width(kPercent[0]) / 2, ppmHalf = width(kPpm[1]) / 2;
    ForEachLabelColumn(plot, [&](int x) {
        // A column that would meet an MD label stands right of it.
        for (const auto& [left, right] : depthLabels)
            if (left <= x + 50 + ppmHalf && x - percentHalf <= right)
                x = right + percentHalf + 2;
        // Each label just above its decade line, the base's clear of the path's first TVD label (its
        // bottom 8 pixels under the base); the top line's label just under it.
        for (int j = 0; j < 6; ++j) {
            dc.SetTextAlign(j < 5 ? platform::TA_CENTER | platform::TA_BOTTOM : kCentreTop);
            const int y = j == 0 ? b.gasBase - 9 : j < 5 ? b.gasBase - j * decade - 1 : b.gasBase - j * decade + 1;
            Text(dc, x, y, kPercent[j]);
            Text(dc, x + 50, y, kPpm[j]);
        }
    });
}

void DrawLowerGrid(Dc& dc, const HorzPlot& plot)
{
    const HorzViewSettings& s = *plot.settings;
    if (s.logRop || s.logGamma) {
        DrawLowerLogGrid(dc, plot);
        return;
    }
    platform::KeepDcState keep(dc);
    const HorzBands& b = plot.bands;
    platform::Line(dc, Blue(2), plot.plotLeft + 2, b.pathBottom, b.plotRight, b.pathBottom);
    platform::Line(dc, plot.plotLeft + 2, b.lowerTop, b.plotRight, b.lowerTop);
    platform::Line(dc, plot.plotLeft - 1, 0, plot.plotLeft - 1, b.plotBottom);
    if (b.lowerBandHeight > 0)
        for (int k = 0; k < 20; ++k) {
            const int y = b.lowerBase - k * b.divisionHeight;
            platform::Line(dc, k % 5 == 0 ? Blue() : Grey(), plot.plotLeft + 2, y, b.plotRight, y);
        }
    MdLines(dc, plot, 1);
    BeginLabels(dc, plot);
    ForEachRecord(plot, [&](const wellfile::RECORD& r, int x) {
        if (r.depth % 50 != 0)
            return;
        const std::string label = platform::CFormat("%d ", r.depth);
        Text(dc, x + 2, b.lowerTop + 5, label);
        Text(dc, x + 2, DepthLabelTop(plot), label);
    });
    platform::Line(dc, Blue(), plot.plotLeft + 1, b.lowerBase + 1, b.plotRight, b.lowerBase + 1);
}

void DrawLowerLogGrid(Dc& dc, const HorzPlot& plot)
{
    platform::KeepDcState keep(dc);
    const HorzViewSettings& s = *plot.settings;
    const HorzBands& b = plot.bands;
    platform::Line(dc, Blue(2), plot.plotLeft + 2, b.pathBottom, b.plotRight, b.pathBottom);
    platform::Line(dc, plot.plotLeft + 2, b.lowerTop, b.plotRight, b.lowerTop);
    platform::Line(dc, plot.plotLeft + 2, b.lowerTop + 1, b.plotRight, b.lowerTop + 1);
    platform::Line(dc, plot.plotLeft - 1, 0, plot.plotLeft - 1, b.plotBottom);
    if (b.lowerBandHeight > 0)
        DecadeLines(dc, plot, b.lowerBase, b.lowerBandHeight, 3);
    MdLines(dc, plot, 0);
    BeginLabels(dc, plot);
    ForEachRecord(plot, [&](const wellfile::RECORD& r, int x) {
        if (r.depth % 50 != 0)
            return;
        const std::string label = platform::CFormat("%d ", r.depth);
        Text(dc, x, b.lowerTop + 5, label);
        if (s.logGas)
            Text(dc, x, 10, label);
    });
    if (b.lowerBandHeight <= 0)
        return;
    static const char* const kRates[4] = {".1", "1", "10", "100"};
    static const char* const kGamma[4] = {"1", "10", "100", "1000"};
    const int decade = LogDecadeOffsets(b.lowerBandHeight, 3)[9];
    const platform::COLORREF rate = plot.pens[layout::PEN_RATES].colour, gamma = plot.pens[layout::PEN_GAMMA].colour;
    ForEachLabelColumn(plot, [&](int x) {
        for (int j = 0; j < 4; ++j) {
            const int y = b.lowerBase - j * decade - 12;
            if (s.logRop)
                ColouredText(dc, rate, x, y, kRates[j]);
            if (s.logGamma)
                ColouredText(dc, gamma, x + 50, y, kGamma[j]);
        }
    });
}

std::vector<platform::RECT> DrawTvdGrid(Dc& dc, const HorzPlot& plot)
{
    platform::KeepDcState keep(dc);
    std::vector<platform::RECT> labels;
    BeginLabels(dc, plot);
    dc.SetTextAlign(kLeftBottom);
    const HorzBands& b = plot.bands;
    const int count = std::clamp(plot.sections.count, 1, kMaxSections);
    for (int j = 0; j < count; ++j) {
        const wellfile::HorzSection& sec = plot.sections.sections[std::size_t(j)];
        const double range = double(sec.endTvd) - sec.startTvd;
        const int step = TvdLabelStep(range);
        int x0 = plot.plotLeft;
        double length = (double(sec.endMd) - plot.plotFirstDepth) * plot.pixelsPerUnit;
        if (j > 0) {
            const float previousEnd = plot.sections.sections[std::size_t(j - 1)].endMd;
            x0 = RecordX(plot, platform::Trunc(previousEnd));
            length = (double(sec.endMd) - previousEnd) * plot.pixelsPerUnit;
        }
        const int x1 = platform::Trunc(x0 + length - 10);
        long long v = platform::Trunc(sec.startTvd);
        int y = b.pathTop;
        const long long times = platform::Trunc(range * 0.1) + 10LL;
        for (long long n = 0; n < times && v % 10 == 0; ++n) {
            platform::Line(dc, v % 50 == 0 ? Blue() : Grey(), x0, y, x1, y);
            if (v % step == 0 && y < plot.clientHeight + 10) {
                const std::string label = platform::CFormat("%lld ", v);
                Text(dc, x0 + 2, y + 8, label);
                labels.push_back(TextBox(dc, x0 + 2, y + 8, label));
            }
            v += 10;
            if (v > plot.plotLastDepth)
                break;
            y = b.pathTop + platform::Trunc((double(v) - sec.startTvd) * sec.pxPerTvd);
            if (y > b.pathBottom)
                break;
        }
    }
    platform::Line(dc, Blue(3), plot.plotLeft, b.pathTop + 1, b.plotRight, b.pathTop + 1);
    platform::Line(dc, plot.plotLeft, b.lowerBase, b.plotRight, b.lowerBase);
    return labels;
}

std::vector<platform::RECT> DrawTvdLabels(Dc& dc, const HorzPlot& plot, int x, int section)
{
    platform::KeepDcState keep(dc);
    std::vector<platform::RECT> labels;
    BeginLabels(dc, plot);
    dc.SetTextAlign(kLeftBottom);
    const wellfile::HorzSection& sec = SectionAt(plot, section);
    const double range = double(sec.endTvd) - sec.startTvd;
    const int step = TvdLabelStep(range);
    long long v = platform::Trunc(sec.startTvd);
    int y = plot.bands.pathTop;
    const long long times = platform::Trunc(range * 0.1);
    for (long long n = 0; n < times; ++n) {
        if (v % step == 0 && y < plot.clientHeight + 10) {
            const std::string label = platform::CFormat("%lld ", v);
            Text(dc, x + 2, y + 8, label);
            labels.push_back(TextBox(dc, x + 2, y + 8, label));
        }
        v += 10;
        if (v > plot.plotLastDepth)
            break;
        y = plot.bands.pathTop + platform::Trunc((double(v) - sec.startTvd) * sec.pxPerTvd);
        if (y >= plot.bands.pathBottom)
            break;
    }
    return labels;
}

std::vector<platform::RECT> DrawVsLabels(Dc& dc, const HorzPlot& plot, std::span<const platform::RECT> taken)
{
    platform::KeepDcState keep(dc);
    std::vector<platform::RECT> labels;
    BeginLabels(dc, plot);
    dc.SelectObject(Blue());
    const int top = plot.bands.pathTop;
    const int most = std::max(0, (plot.plotLastDepth - plot.plotFirstDepth) / 2);
    int lastX = 0;  // the first label may stand anywhere right of x = 60
    int n = 0;
    ForEachRecord(plot, [&](const wellfile::RECORD& r, int x) {
        if (n++ >= most)
            return;
        const float vs = r.verticalSection;
        if (vs == 0.0f || x <= lastX + 60 || x <= plot.plotLeft)
            return;
        const std::string label = platform::CFormat("VS %d", platform::Trunc(vs));
        const platform::SIZE size = dc.GetTextExtent(label.c_str());
        const int half = size.cx / 2 + 1, bottom = std::max(top + 35, top + 5 + size.cy);
        if (std::any_of(taken.begin(), taken.end(), [&](const platform::RECT& r) {
                return r.left <= x + half && x - half <= r.right && r.top <= bottom && top + 5 <= r.bottom;
            }))
            return;
        platform::Line(dc, x, top + 20, x, top + 35);
        Text(dc, x, top + 5, label);
        labels.push_back(TextBox(dc, x, top + 5, label));
        lastX = x;
    });
    return labels;
}

void DrawScaleLabels(Dc& dc, HorzPlot& plot, int index, int x)
{
    if (index < 0 || index >= int(plot.records.size()))
        return;
    const HorzViewSettings& s = *plot.settings;
    const HorzBands& b = plot.bands;
    const wellfile::RECORD& r = plot.records[std::size_t(index)];
    const wellfile::RECORD before = index > 0 ? plot.records[std::size_t(index - 1)] : wellfile::RECORD{};
    platform::KeepDcState keep(dc);
    BeginLabels(dc, plot);
    auto track = [&](int pen) {
        dc.SelectObject(layout::PenOf(plot.pens[std::size_t(pen)]));
        dc.SetTextColor(plot.pens[std::size_t(pen)].colour);
    };
    if (!s.logRop) {
        track(layout::PEN_RATES);
        if (plot.options.ratesPerHour)
            Text(dc, x + 50, b.lowerBase - 20, platform::CFormat(" %d ", RatePerHourFullScale(plot.rateCode)));
        else
            Text(dc, x + 50, b.lowerTop, platform::CFormat(" %.1f ", double(RateFullScale(s.rateScale))));
    }
    if (!s.logGas) {
        track(layout::PEN_TG);
        // Codes outside the table count as the second entry, as the track points take them.
        auto indexOf = [](int code) { return code >= 1 && code <= 9 ? code : 2; };
        if (s.verticalGasScales)
            plot.gasScaleOverride = indexOf(r.gasScale);
        const int gasIndex = plot.gasScaleOverride > 0 ? plot.gasScaleOverride : s.gasScale;
        if (s.verticalGasScales && r.gasScale != before.gasScale) {
            const platform::KeepDcState keep(dc);
            dc.SetTextColor(kRed);
            dc.SetBkMode(platform::OPAQUE);
            dc.SetTextAlign(kLeftBottom);
            dc.SelectObject(platform::Font(LabelFont(plot).face, LabelFont(plot).height, platform::FW_BOLD));
            Text(dc, x + 10, b.gasTop + 30,
                 platform::CFormat("Scale change from %d to %d ", GasFullScale(s, indexOf(before.gasScale)),
                                   GasFullScale(s, gasIndex)));
        } else {
            Text(dc, x + 100, b.gasTop + 10, platform::CFormat(" %d ", GasFullScale(s, gasIndex)));
        }
        if (plot.options.co2Track) {
            track(layout::PEN_CO2);
            Text(dc, x + 120, b.gasBase / 2, " % Co2 ");
            Text(dc, x + 130, 0, "0");
            Text(dc, x + 130, b.gasBase - 2 * b.divisionHeight,
                 platform::CFormat("%.1f", double(Co2FullScale(plot.options.co2Scale))));
        }
    }
    if (!s.logGamma) {
        track(layout::PEN_GAMMA);
        Text(dc, x + 150, b.lowerTop, platform::CFormat(" %d ", GammaFullScale(s.gammaScale)));
        dc.SetTextColor(RGB(0, 0, 0));
    }
    if (plot.options.thirdCurve) {
        track(layout::PEN_SONIC);
        Text(dc, x + 200, b.lowerTop, " -.10 ");
        Text(dc, x + 200, b.lowerBase - 2 * b.divisionHeight, " .30 ");
        dc.SetTextColor(RGB(0, 0, 0));
    }
}

}  // namespace horizontal
