#include "logview/draw/gasratiochart.h"

#include "platform/draw/dc.h"

#include <array>
#include <cmath>

namespace logview {

namespace {

const platform::COLORREF kBlue = platform::RGB(0, 0, 255);
const platform::COLORREF kRed = platform::RGB(255, 0, 0);
const platform::COLORREF kGreen = platform::RGB(0, 255, 0);
const platform::COLORREF kGrey = platform::RGB(192, 192, 192);

// One line through the four ratio columns.
void RatioLine(platform::Dc& dc, const GasRatioBox& b, const std::array<float, 4>& values)
{
    const int S = b.Side(), step = S / 4, x0 = b.left + step / 2;
    for (int k = 0; k < 4; ++k) {
        const int x = x0 + k * step, y = GasRatioY(values[std::size_t(k)], b.top, S);
        if (k == 0)
            dc.MoveTo(x, y);
        else
            dc.LineTo(x, y);
    }
}

}  // namespace

void DrawGasRatioGrid(platform::Dc& dc, const platform::RECT& box, int rowHeight)
{
    const int S = box.right - box.left, step = S / 4;
    std::array<int, 10> o{};
    for (int i = 0; i < 10; ++i)
        o[std::size_t(i)] = int(std::log(double(i + 1)) / (std::log(1000.0) - std::log(1.0)) * S);
    const platform::Pen grey(kGrey, 1), blue(kBlue, 1);

    const platform::KeepDcState keep(dc);
    dc.SelectObject(blue);
    for (int k = 0; k < 4; ++k) {
        dc.MoveTo(box.left + k * step, box.top);
        dc.LineTo(box.left + k * step, box.bottom);
    }
    dc.MoveTo(box.left, box.bottom);
    dc.LineTo(box.left, box.bottom + rowHeight);

    int y = box.bottom;
    for (int decade = 0; decade < 3; ++decade) {
        for (int j = 1; j <= 9; ++j) {
            y -= o[std::size_t(j)] - o[std::size_t(j - 1)];
            dc.SelectObject(j == 9 ? blue : grey);
            dc.MoveTo(box.left, y);
            dc.LineTo(box.right, y);
        }
    }

    const int y0 = box.bottom - 5, decade = o[9];
    const char* labels[] = {"1", "10", "100"};
    for (int k = 0; k < 3; ++k)
        dc.TextOut(box.left + 20, y0 - k * decade - 10, labels[k]);
    dc.TextOut(box.left + 20, y0 - 3 * decade + 5, "1000");
}

void DrawGasRatioChart(platform::Dc& dc, const GasRatioBox& b, const std::optional<GasRatios>& ratios)
{
    const int S = b.Side(), step = S / 4, R = b.rowHeight;
    dc.Rectangle(b.left, b.top, b.left + S, b.top + S);
    if (!ratios)
        return;
    const platform::KeepDcState keep(dc);
    DrawGasRatioGrid(dc, {b.left, b.top, b.left + S, b.top + S}, R);

    dc.SetTextColor(kRed);
    const platform::Pen red(kRed, 1, platform::PS_DASH), green(kGreen, 1, platform::PS_DASH), blue(kBlue, 1);
    dc.TextOut(int(b.left + 1.1 * step), int(b.top + 0.6 * step), "Dry Gas");
    dc.SelectObject(red);
    RatioLine(dc, b, kGasRatioBoundaries[0]);
    dc.TextOut(int(b.left + 2.1 * step), int(b.top + 1.65 * step), "Gas Condensate");
    RatioLine(dc, b, kGasRatioBoundaries[1]);
    dc.SetTextColor(kGreen);
    dc.TextOut(int(b.left + 2.1 * step), int(b.top + 2.5 * step), "OIL");
    dc.SelectObject(green);
    RatioLine(dc, b, kGasRatioBoundaries[2]);

    std::array<float, 4> sample = ratios->values;
    for (float& v : sample)
        if (!(v > 0))
            v = 1;
    dc.SelectObject(blue);
    RatioLine(dc, b, sample);
    dc.SetTextColor(keep.KeptTextColor());

    // The caption box keeps the blue pen.
    dc.Rectangle(b.left, b.top + S, b.left + S, b.top + S + 5 * R);
    dc.SetTextAlign(platform::TA_CENTER | platform::TA_TOP);
    dc.TextOut(b.left + S / 2, int(b.top + S + 0.5 * R), QStringLiteral("Depth %1 M").arg(ratios->depth));
    const char* labels[] = {"C1/C2", "C1/C3", "C1/C4", "C1/C5"};
    for (int k = 0; k < 4; ++k)
        dc.TextOut(int(b.left + 0.5 * step) + k * step, b.top + S + 3 * R, labels[k]);
}

}  // namespace logview
