// Writes a PDF sheet of the 38 rock types as the printer draws them: each type at 100 % on an even
// and an odd printed row, in colour, at 300 dots per inch (printed cells 30 units wide, rows 30 high).
// "Cust 4" prints as crosses ("Lith is Custom"), "Cust 5" as bold dashes ("Draw As Clay").
//   printlithsheet out.pdf
#include "logview/device.h"
#include "logview/viewgeometry.h"
#include "platform/draw/dc.h"
#include "tracks/draw/lithpattern.h"
#include "tracks/lithtypes.h"
#include "lithsamples.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include <cstdio>
#include <string>

namespace {

constexpr int kDpi = 300, kCell = 30, kRow = 30, kTop = 60, kLeft = 420;

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: printlithsheet out.pdf\n");
        return 2;
    }
    QGuiApplication app(argc, argv);

    logview::ViewGeometry g;
    tools::SetSampleLithColours(g);
    logview::Device device;
    device.printing = true;
    device.colourPrinting = true;
    device.printer.lithologyLeft = kLeft;
    device.printer.lithologyCellWidth = kCell;
    device.printer.rowHeight = kRow;
    device.printer.rowSize = kRow;
    const tracks::TrackSettings settings;
    tracks::PainterState state;

    const int rows = 2 * tracks::kLithTypes;
    const double inches = (kTop * 2 + rows * kRow) / double(kDpi);
    QPdfWriter writer(QString::fromLocal8Bit(argv[1]));
    writer.setResolution(kDpi);
    writer.setPageLayout(QPageLayout(QPageSize(QSizeF(3 * 72, inches * 72), QPageSize::Point),
                                     QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    platform::Dc dc(writer);
    dc.SelectObject(platform::Font(QStringLiteral("Arial"), -24));
    const tracks::LithPatternTarget t{dc, g, device, settings, state};
    for (int row = 0; row < rows; ++row) {
        const int type = row / 2, y = kTop + row * kRow;
        state.printRowCounter = row;
        if (row % 2 == 0)
            dc.TextOut(40, y + 2, (std::to_string(type) + " " + tools::kLithSampleNames[type]).c_str());
        tracks::PrintLithPattern(t, {type, 100, 0, kRow, y, 0, false, false});
    }
    dc.MoveTo(kLeft, kTop + rows * kRow);
    dc.LineTo(kLeft + 10 * kCell, kTop + rows * kRow);
    return 0;
}
