#include "logview/draw/scalelabels.h"

#include "layout/logformat.h"
#include "platform/draw/dc.h"

#include <QString>

#include <array>
#include <vector>

namespace logview {

namespace {

// One minutes-per-unit scale: its labels in normal order and the decimals they are written with.
struct UnitScale {
    std::array<double, 7> values;
    int count;
    int decimals;
};

const std::array<UnitScale, 9> kUnitScales{{
    {{1, 2, 3, 4, 5}, 5, 0},
    {{1, 2, 3, 4, 5, 6, 7}, 7, 0},
    {{2, 4, 6, 8, 10, 12, 14}, 7, 0},
    {{5, 10, 15, 20, 25}, 5, 0},
    {{10, 20, 30, 40, 50}, 5, 0},
    {{2, 4, 6, 8, 10}, 5, 0},
    {{0.5, 1.0, 1.5, 2.0, 2.5}, 5, 1},
    {{0.25, 0.50, 0.75, 1.00, 1.25}, 5, 2},
    {{1, 10, 100}, 3, 0},
}};

// Depth units per hour, codes 1-6, normal order (the high end first).
const std::array<std::array<int, 4>, 6> kHourScales{{
    {100, 75, 50, 25},
    {200, 100, 50, 25},
    {300, 150, 100, 50},
    {400, 200, 100, 50},
    {40, 30, 20, 10},
    {20, 15, 10, 5},
}};

const std::array<int, 9> kElogFullScale{25, 50, 100, 150, 200, 300, 500, 800, 1500};

bool FeetStyle(const ViewGeometry& g) { return layout::FamilyOf(g.profile) == layout::FormatFamily::Feet; }

// The scale's numbers are always written with a point, whatever the user's locale.
QString Number(double v, int decimals) { return decimals ? QString::number(v, 'f', decimals) : QString::number(int(v)); }

// The curve set's rate scale on a printed page: "0" and the full scale on the line 3 cells above the
// labels, and with `both` "0" and "60" 3 cells below.
void PrintedElogScale(platform::Dc& dc, const Device& device, const ElogRateScale& elog, int line, int cell, bool both)
{
    if (!device.printing || !elog.loaded || !elog.curvesOption || !elog.rateTrackFlag)
        return;
    const platform::KeepDcState keep(dc);
    dc.SelectObject(platform::Font::FromLogFont(device.printFonts.scale));
    dc.SetBkMode(platform::TRANSPARENT);
    if (device.colourPrinting)
        dc.SetTextColor(elog.colour);
    const int left = device.printer.rateLeft, right = device.printer.elogLabelX;
    dc.TextOut(left, line - 3 * cell, QStringLiteral("0"));
    // An index outside the table names no full scale: the maximum is left out rather than guessed.
    if (elog.scaleIndex >= 0 && elog.scaleIndex < int(kElogFullScale.size()))
        dc.TextOut(right, line - 3 * cell, QString::number(kElogFullScale[std::size_t(elog.scaleIndex)]));
    if (both) {
        dc.TextOut(left, line + 3 * cell, QStringLiteral("0"));
        dc.TextOut(right, line + 3 * cell, QStringLiteral("60"));
    }
}

// The x of each minutes label of `code` (1-9), left to right.
std::vector<int> UnitLabelXs(const ViewGeometry& g, const Device& device, int code, int count, int cell, int left,
                             bool reversed)
{
    const bool paper = device.printing;
    std::vector<int> xs;
    if (code == 9) {
        const bool fromLeft = g.profile == 74 || paper;
        int x = fromLeft ? left + 10 : int(left + cell * 8.5);
        for (int i = 0; i < count; ++i) {
            xs.push_back(x);
            x = g.profile == 74 ? x + 9 * cell : int(x + cell * 8.25);
        }
        return xs;
    }
    const bool alternate = code == 2 || code == 3;
    int step = alternate ? (paper ? int(cell * 0.85) : cell - 1) : cell;
    if (!paper && g.profile == 16)
        --step;
    if (!alternate) {
        int x = reversed ? left : left + 5 * cell;
        for (int i = 0; i < count; ++i, x += 5 * step)
            xs.push_back(x);
        return xs;
    }
    // Every fourth cell of the alternate strip, whose lines drift left on 800-pixel and wide screens.
    const bool adjust = paper && device.printer.labelAdjust && device.printer.pitch % 15 == 0;
    int x = reversed ? left : left + 4 * step;
    for (int i = 0; i < count; ++i) {
        if (adjust && i % 3 == 2)
            x = int(x + cell * 0.4);
        xs.push_back(x);
        x += 4 * step;
        if (!paper && ((g.screenWidth == 800 && i < 2) || g.screenWidth >= 1024))
            x -= 2;
    }
    return xs;
}

}  // namespace

void DrawScaleLabels(platform::Dc& dc, const ViewGeometry& g, const Device& device, const wellfile::RECORD& rec, int y,
                     int hourOffset, int unitOffset, const ElogRateScale& elog)
{
    if (elog.displayOption && elog.loaded)
        return;
    if (g.options.ratePerHour) {
        DrawScaleText(dc, g, device, rec, y, hourOffset, elog);
        return;
    }
    const int code = g.options.logRateScale ? 9 : int(rec.minutesScale);
    const bool paper = device.printing, feet = FeetStyle(g);
    const int cell = paper ? device.printer.rateCellWidth : g.rate.cell;
    const int left = paper ? device.printer.rateLeft : g.rate.left;
    const int line = paper ? int(y - unitOffset * 1.3) : y - unitOffset;

    const platform::KeepDcState keep(dc);
    dc.SelectObject(platform::Font::FromLogFont(paper ? device.printFonts.scale : g.fonts.scale));
    dc.SetTextAlign(platform::TA_CENTER | platform::TA_TOP);
    if (!feet)
        dc.SetBkMode(platform::TRANSPARENT);

    if (code >= 1 && code <= 9) {
        const UnitScale& scale = kUnitScales[std::size_t(code - 1)];
        const bool reversed = g.options.reverseRop && code != 9;
        const double raise = !feet ? 0.5 : (paper ? 1.2 : 0.85);
        const int top = int(line - cell * raise);
        const std::vector<int> xs = UnitLabelXs(g, device, code, scale.count, cell, left, reversed);
        for (int i = 0; i < scale.count; ++i) {
            const double v = scale.values[std::size_t(reversed ? scale.count - 1 - i : i)];
            dc.TextOut(xs[std::size_t(i)], top, Number(v, scale.decimals));
        }
    }
    PrintedElogScale(dc, device, elog, line, cell, true);
}

void DrawScaleText(platform::Dc& dc, const ViewGeometry& g, const Device& device, const wellfile::RECORD& rec, int y,
                   int offset, const ElogRateScale& elog)
{
    int code = rec.rateScale;
    if (code >= 7)
        code = 5;
    if (code == 0)
        code = 1;
    const bool paper = device.printing, feet = FeetStyle(g);
    const int cell = paper ? device.printer.rateCellWidth : g.rate.cell;
    const int left = paper ? device.printer.rateLeft : g.rate.left;
    int line;
    if (paper)
        line = feet ? y - offset - 2 : int(y - offset * 1.3);
    else
        line = y - offset - 1 - (feet ? 2 : 0);

    const platform::LOGFONTA& lf = feet ? (paper ? device.printFonts.feetStyle : g.fonts.feetStyle)
                                        : (paper ? device.printFonts.scale : g.fonts.scale);
    const platform::KeepDcState keep(dc);
    dc.SelectObject(platform::Font::FromLogFont(lf));
    dc.SetTextAlign(platform::TA_CENTER | platform::TA_TOP);
    dc.SetBkMode(feet ? platform::OPAQUE : platform::TRANSPARENT);

    if (g.profile == 74 && g.options.logRateScale) {
        const std::array<int, 3> values = code == 1 ? std::array<int, 3>{300, 30, 3} : std::array<int, 3>{600, 60, 6};
        int x = paper ? left + offset : g.rate.left;
        for (int v : values) {
            dc.TextOut(x, line, QString::number(v));
            x += 12 * cell;
        }
    } else {
        const std::array<int, 4>& values = kHourScales[std::size_t(code - 1)];
        const bool reversed = g.options.reverseRop && code != 6;
        int x = left + 5 * cell;
        for (int i = 0; i < 4; ++i, x += 5 * cell)
            dc.TextOut(x, line, QString::number(values[std::size_t(reversed ? 3 - i : i)]));
    }
    PrintedElogScale(dc, device, elog, line, cell, false);
    if (feet)
        dc.TextOut(paper ? int(left + cell * 1.5) : int(left + g.unitWidth * 1.5), int(line - cell * 1.5),
                   QStringLiteral("FPH"));
}

}  // namespace logview
