#include "tracks/draw/gasheads.h"

#include "layout/draw/penof.h"
#include "platform/draw/dc.h"
#include "tracks/gasscale.h"
#include "wellfile/profile.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tracks {

namespace {

// The gamma head's left, middle and right labels by gamma scale number 1-16.
const std::array<std::array<const char*, 3>, 16> kGammaLabels{{
    {"0", "", "25"}, {"0", "", "50"}, {"0", "", "100"}, {"0", "", "150"}, {"0", "", "200"}, {"0", "", "300"},
    {"0", "", "500"}, {"0", "", "800"}, {"0", "", "1500"}, {".3", "", "-.1"}, {".3", "", "-.1"}, {".2", "", ""},
    {"0", "", "10"}, {"0", "150", ""}, {"0", "", "100"}, {"0", "250", "500"},
}};

void Text(platform::Dc& dc, int x, int y, const char* text)
{
    if (*text)
        dc.TextOut(x, y, text);
}

// Does a label centred at x with its top at y cross what the page has written?
bool OverWritten(const platform::Dc& dc, const logview::Device& device, int x, int y, const char* text)
{
    if (!device.printing || !device.printer.written || !*text)
        return false;
    const platform::SIZE s = dc.GetTextExtent(text);
    const int left = x - int(s.cx) / 2, right = left + int(s.cx), bottom = y + int(s.cy);
    return std::any_of(device.printer.written->begin(), device.printer.written->end(), [&](const platform::RECT& r) {
        return left < r.right && r.left < right && y < r.bottom && r.top < bottom;
    });
}

// A label centred at x, on paper moved in so that it stands whole between the track's edges: the rate
// track may start at the printable area's edge. On paper it gives way to what the page has written there.
void HeadLabel(platform::Dc& dc, const logview::Device& device, int x, int y, int left, int right, const char* text)
{
    if (device.printing && *text) {
        const int half = (dc.GetTextExtent(text).cx + 1) / 2;
        x = std::max(std::min(x, right - half - 1), left + half + 1);
        if (OverWritten(dc, device, x, y, text))
            return;
    }
    Text(dc, x, y, text);
}

// The three labels of a curve-track head in the colour of `colourEntry` and, when `rule`, the line under
// them with the pen of `penEntry`. `rightLabelX` is where the right label stands.
void CurveHead(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device, int penEntry,
               int colourEntry, int y, int rowHeight, int left, int right, int rightLabelX, const std::array<const char*, 3>* labels,
               bool rule)
{
    const platform::KeepDcState keep(dc);
    dc.SelectObject(platform::Font::FromLogFont(device.printing ? device.printFonts.text : g.fonts.scale));
    dc.SetTextAlign(platform::TA_CENTER);
    const layout::PenSpec& pen = g.pens.table[std::size_t(penEntry)];
    dc.SelectObject(PenOf(pen));
    dc.SetTextColor(g.pens.table[std::size_t(colourEntry)].colour);
    if (labels) {
        HeadLabel(dc, device, left, y + rowHeight, left, right, (*labels)[0]);
        HeadLabel(dc, device, left + (right - rowHeight - left) / 2, y + rowHeight, left, right, (*labels)[1]);
        HeadLabel(dc, device, rightLabelX, y + rowHeight, left, right, (*labels)[2]);
    }
    if (rule) {
        // On paper the pen's width stays inside the track.
        const int inset = device.printing ? pen.width / 2 + 1 : 0;
        dc.MoveTo(left + inset, y + rowHeight);
        dc.LineTo(right - inset, y + rowHeight);
    }
}

}  // namespace

int DrawGasScaleHeader(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device,
                       const TrackSettings& s, const wellfile::RECORD& rec, int y, int h, int inBody)
{
    const bool paper = device.printing;
    const logview::PrinterGeometry& pr = device.printer;
    double p = g.gas.cell;
    double labelUnit = g.splitGas ? 5 : p;
    if (paper) {
        const std::int32_t units = pr.gasUnits + pr.gas2Units;
        // A page laid out without gas units keeps the gas cell rather than dividing by nothing.
        p = labelUnit = units > 0 ? (pr.gasRight - pr.gasLeft) / units : pr.gasCellWidth;
    }
    const platform::KeepDcState keep(dc);
    dc.SelectObject(platform::Font::FromLogFont(paper ? device.printFonts.text : g.fonts.scale));

    const int ytop = int(y - 1.4 * h);
    const int ylab = ytop + 3 * h;
    const int code = rec.gasScale;
    // On paper a repeated label gives way to what the page has written there.
    const auto Label = [&](int lx, int ly, const char* text) {
        if (!OverWritten(dc, device, lx, ly, text))
            Text(dc, lx, ly, text);
    };
    // These profiles always show the PPM labels; the saved "Draw PPM Scale" setting is left as it is.
    const bool ppm = s.drawPpmScale || wellfile::PpmScaleProfile(g.profile);
    dc.SetTextAlign(platform::TA_CENTER);
    const bool unitLabels = g.profile != 134;

    if ((s.logGasScale || g.profile == 134) && inBody == 0) {
        if (paper) {
            const double step = (g.splitGas ? 4 : 7) * p;
            double x = pr.gasLeft + step;
            for (std::size_t i = 0; i < 6; ++i, x += step) {
                if (s.gasPercent || g.profile == 134)
                    Label(int(x), ylab - 2, kGasPercentLabels[i]);
                if (ppm)
                    Label(int(x - (pr.gas2Left - pr.gasLeft)), ylab + 3 * h, kGasPpmLabels[i]);
                if (unitLabels)
                    Label(int(x - 7 * p), ylab + 3 * h, kGasUnitLabels[i]);
            }
        } else if (s.logGasScale) {
            double x = std::trunc(g.gas.left + 7 * labelUnit);
            for (std::size_t i = 0; i < 6; ++i, x += 7 * labelUnit) {
                if (s.gasPercent || wellfile::PpmScaleProfile(g.profile))
                    Label(int(x), ylab, g.profile == 138 ? kGasUnitLabels[i] : kGasPercentLabels[i]);
                if (ppm)
                    Label(int(x + (g.gasSecondLeft - g.gas.left)), ylab + 25, kGasPpmLabels[i]);
                if (unitLabels)
                    Label(int(x - 7 * labelUnit), ylab - 3 * h, kGasUnitLabels[i]);
            }
        }
    }
    if (!s.logGasScale) {
        const std::int32_t left = paper ? pr.gasLeft : g.gas.left;
        const double unit = paper ? pr.unitWidth : g.gas.cell;
        const auto& labels = CompressedLabels(code);
        for (int j = 1; j <= 7; ++j)
            Label(int(left + 5 * unit * j), ytop, labels[std::size_t(j - 1)]);
    }
    return 1;
}

int DrawTrackScaleHeader(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device,
                         const TrackSettings& s, int printY, int rowHeight, bool altColour)
{
    const bool paper = device.printing;
    const int y = paper ? printY : g.logBottomY + rowHeight;
    const int left = paper ? device.printer.curveLeft : g.rate.left;
    const int right = paper ? device.printer.curveRight : g.rate.Right();
    // A gamma scale number without a row of labels draws the rule alone.
    const bool known = s.gammaScale >= 1 && s.gammaScale <= int(kGammaLabels.size());
    CurveHead(dc, g, device, layout::PEN_GAMMA, altColour ? layout::PEN_RT_GAMMA : layout::PEN_GAMMA, y, rowHeight,
              left, right, right - rowHeight, known ? &kGammaLabels[std::size_t(s.gammaScale - 1)] : nullptr, true);
    return 1;
}

int DrawTrackScaleHeader2(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device,
                          int printY, int rowHeight)
{
    static const std::array<const char*, 3> kLabels{"0", "", "60"};
    const bool paper = device.printing;
    const int y = paper ? printY : g.logBottomY + 3 * rowHeight;
    const int left = paper ? device.printer.curveLeft : g.rate.left;
    const int right = paper ? device.printer.curveRight : g.rate.Right();
    CurveHead(dc, g, device, layout::PEN_WOB, layout::PEN_WOB, y, rowHeight, left, right,
              paper ? right - 2 * rowHeight : right - rowHeight, &kLabels, !paper);
    return 1;
}

int PrintGasLogGrid(platform::Dc& dc, const logview::Device& device, PainterState& state, int rowHeight, int y,
                    int rows, int x0)
{
    const std::int32_t width = device.printer.gasUnits * device.printer.unitWidth;
    std::array<std::int32_t, 11> offset{};
    for (int k = 2; k <= 10; ++k)
        offset[std::size_t(k)] = DecadeLineOffset(k, width);
    const auto pen = [&](int entry) { return PenOf(device.printPens[std::size_t(entry)]); };

    const platform::KeepDcState keep(dc);
    // With no row drawn the edge is still where the grid ends: five decades from x0.
    std::int32_t x = x0 + 5 * offset[10];
    for (int row = 0; row < rows; ++row, y += rowHeight) {
        x = x0;
        dc.SelectObject(pen(logview::PRINT_PEN_RATE));
        dc.MoveTo(x, y);
        dc.LineTo(x, y + rowHeight);
        for (int decade = 0; decade < 5; ++decade) {
            dc.SelectObject(pen(logview::PRINT_PEN_THIN_GRID));
            for (int k = 2; k <= 10; ++k) {
                x += offset[std::size_t(k)] - offset[std::size_t(k - 1)];
                dc.MoveTo(x, y);
                dc.LineTo(x, y + rowHeight);
                if (k == 9)
                    dc.SelectObject(pen(logview::PRINT_PEN_HEAVY_GRID));
            }
        }
    }
    state.printedGridRight = x;
    return 1;
}

}  // namespace tracks
