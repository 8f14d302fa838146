// The rate track's grid on paper, drawn row by row under the curve: each row laid out for the scale
// code of its record.
#include "logview/draw/curveplotter.h"

#include "logview/draw/curveplotter_pass.h"
#include "logview/gridlines.h"
#include "platform/draw/dc.h"

namespace logview {

namespace {

// Grid rows: one per record row; on ten-foot rows one per five records (two samples).
int GridRows(const ViewGeometry& g, int count) { return g.scaleIndex == 3 ? count / 2 : count; }

// Every fifth row goes 4 units up on paper with the row-step flag, as the curve's rows do.
int NextRowY(const Device& device, int y, int row, int rowHeight)
{
    y += rowHeight;
    return device.rowStep && (row + 1) % 5 == 0 ? y - 4 : y;
}

}  // namespace

int PrintRateGrid(platform::Dc& dc, const ViewGeometry& g, const Device& device,
                  std::span<const wellfile::RECORD> records, std::size_t first, int count, int rowHeight, int topY)
{
    const PrinterGeometry& P = device.printer;
    if (g.options.logRateScale) {
        PrintRateLogGrid(dc, g, device, rowHeight, count, topY);
        return P.rateRight + 1;
    }
    const platform::KeepDcState keep(dc);
    const auto& pens = device.printPens;
    const std::size_t step = g.scaleIndex == 3 ? 5 : 1;
    const int rows = GridRows(g, count);
    const int unitRow = P.rowHeight;  // the cell corrections go by the printer's row height
    int y = topY;
    int lastX = P.rateRight + 1;
    int spacing = P.rateCellWidth;
    std::vector<int> xs;
    for (int row = 0; row < rows; ++row) {
        // A row past the span keeps the layout of the span's last record.
        const std::size_t at = std::min(first + std::size_t(row) * step, records.empty() ? 0 : records.size() - 1);
        const wellfile::RECORD r = records.empty() ? wellfile::RECORD{} : records[at];
        const int code = MinutesScaleCode(r, g.fixedRate);
        // Minutes codes 2 and 3 have their own 30-cell scale; everything else the track's cells.
        const bool alternate = !g.options.ratePerHour && (code == 2 || code == 3);
        const int lines = alternate ? 31 : P.rateCellCount + 1;
        const int heavy = alternate ? 4 : 5;
        spacing = alternate ? int(0.85 * P.rateCellWidth) : P.rateCellWidth;

        xs.clear();
        for (int j = 0, x = P.rateLeft; j < lines; ++j) {
            xs.push_back(x);
            x += spacing;
            if (alternate && device.gridStep) {
                if ((unitRow == 18 || unitRow == 36) && j % 5 == 0)
                    x -= 1;
                else if ((unitRow == 30 || unitRow >= 60) && j % 3 == 0)
                    x += 1;
            }
        }
        lastX = xs.back();
        Line(dc, PenOf(pens[PRINT_PEN_THIN_GRID]), P.rateLeft, y, lastX, y);
        for (int j = 0; j < lines; ++j) {
            const int pen = j == 0 ? PRINT_PEN_FIRST_GRID : j % heavy == 0 ? PRINT_PEN_HEAVY_GRID : PRINT_PEN_THIN_GRID;
            Line(dc, PenOf(pens[std::size_t(pen)]), xs[std::size_t(j)], y, xs[std::size_t(j)], y + rowHeight);
        }
        Line(dc, PenOf(pens[PRINT_PEN_HEAVY_GRID]), lastX, y, lastX, y + rowHeight);
        y = NextRowY(device, y, row, rowHeight);
    }
    if (rows > 0)
        Line(dc, PenOf(pens[PRINT_PEN_THIN_GRID]), P.rateLeft, y, lastX - spacing, y);
    return lastX;
}

void PrintRateLogGrid(platform::Dc& dc, const ViewGeometry& g, const Device& device, int rowHeight, int count,
                      int topY)
{
    const PrinterGeometry& P = device.printer;
    const platform::KeepDcState keep(dc);
    const auto& pens = device.printPens;
    // Three decades over the track, 0.1 to 100: nine steps a decade.
    const auto t = DecadeOffsets(0.1, 100, P.rateRight - P.rateLeft);
    int y = topY;
    for (int row = 0, rows = GridRows(g, count); row < rows; ++row) {
        Line(dc, PenOf(pens[PRINT_PEN_RATE]), P.rateLeft, y, P.rateLeft, y + rowHeight);
        int x = P.rateLeft;
        for (int decade = 0; decade < 3; ++decade) {
            for (int k = 1; k <= 9; ++k) {
                x += t[std::size_t(k)] - t[std::size_t(k) - 1];
                Line(dc, PenOf(pens[k < 9 ? PRINT_PEN_THIN_GRID : PRINT_PEN_HEAVY_GRID]), x, y, x, y + rowHeight);
            }
        }
        Line(dc, PenOf(pens[PRINT_PEN_THIN_GRID]), P.rateLeft, y, x, y);
        y = NextRowY(device, y, row, rowHeight);
    }
}

}  // namespace logview
