// Writes a sample sheet of the lithology column's 38 rock types to a PNG file: each type over four
// whole rows, then a row of 70 % with an accessory symbol and the fracture mark beside 30 % shale,
// and a row of 50 % with the second mark beside 50 % sandstone.
//   lithsheet out.png
#include "logview/device.h"
#include "logview/viewgeometry.h"
#include "platform/draw/dc.h"
#include "tracks/draw/lithpattern.h"
#include "tracks/lithtypes.h"
#include "lithsamples.h"

#include <QGuiApplication>
#include <QImage>

#include <cstdio>

namespace {

constexpr int kColumns = 6, kCellW = 12, kRowH = 12, kBlockW = 10 * kCellW + 30, kBlockH = 7 * kRowH + 26;

void Block(platform::Dc& dc, int type, int left, int top)
{
    logview::ViewGeometry g;
    g.lithology = {left, 10, kCellW};
    g.rowHeight = kRowH;
    g.unitWidth = kCellW;
    g.afterLithologyX = left + 10 * kCellW + 10;
    tools::SetSampleLithColours(g);
    const logview::Device device;
    const tracks::TrackSettings settings;
    tracks::PainterState state;
    const tracks::LithPatternTarget t{dc, g, device, settings, state};

    dc.TextOut(left, top, (std::to_string(type) + " " + tools::kLithSampleNames[type]).c_str());
    int y = top + 18;
    const auto item = [&](int rockType, int pct, int nextType, int accessory, int mark) {
        state.lith.nextType = nextType;
        tracks::DrawLithPattern(t, {rockType, pct, accessory, 0, y, mark, false, false});
    };
    for (int row = 0; row < 4; ++row, y += kRowH) {
        state.lith.rowCounter = row;
        item(type, 100, 0, 0, 0);
    }
    state.lith.rowCounter = 4;
    item(type, 70, tracks::LITH_SHALE, type % 9 + 1, 1);
    item(tracks::LITH_SHALE, 30, 0, 0, 0);
    y += kRowH;
    state.lith.rowCounter = 5;
    item(type, 50, tracks::LITH_SAND, 39, 2);
    item(tracks::LITH_SAND, 50, 0, 0, 0);
    y += kRowH;
    dc.MoveTo(left, y);
    dc.LineTo(left + 10 * kCellW, y);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: lithsheet out.png\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const int rows = (tracks::kLithTypes + kColumns - 1) / kColumns;
    QImage image(kColumns * kBlockW + 20, rows * kBlockH + 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    platform::Dc dc(image);
    for (int type = 0; type < tracks::kLithTypes; ++type)
        Block(dc, type, 10 + (type % kColumns) * kBlockW, 10 + (type / kColumns) * kBlockH);
    if (!image.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "lithsheet: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
