#include "print/printpens.h"

#include "wellfile/profile.h"

#include <algorithm>

namespace print {

namespace {

using layout::PenEntry;
using layout::PenSpec;
constexpr platform::COLORREF kBlack = platform::RGB(0, 0, 0);

// A pen that is not solid is made 1 wide, so that its pattern shows.
PenSpec Spec(platform::COLORREF colour, int width, int style)
{
    return {colour, style != layout::PS_SOLID ? 1 : width, style};
}

}  // namespace

std::array<int, 5> PrintWidths(int u) { return {1, 2, u / 10 + 1, u / 6 + 1, u / 15 + 1}; }

void MakePrintPens(PrintState& state, layout::PenTable& table, int profile, int flag)
{
    for (auto& slot : state.pens)
        slot.reset();
    if (flag != 0)
        return;

    const int u = state.columnUnit;
    const std::array<int, 5> widths = PrintWidths(u);
    for (PenEntry& e : table.entry) {
        // A width outside the table (the slide's 6, or a damaged colour file) takes the nearest entry.
        const int index = std::clamp<std::int32_t>(e.width, 0, std::int32_t(widths.size()) - 1);
        e.repeat = widths[std::size_t(index)];
    }

    const bool colour = state.printInColour;
    const auto& pen = table.entry;
    // A table pen in its own colour and print width, or in black.
    auto tablePen = [&](int i) {
        return Spec(colour ? pen[i].colour : kBlack, pen[i].repeat, pen[i].style);
    };
    auto& out = state.pens;
    for (int i = 0; i < 8; ++i)
        out[std::size_t(i)] = tablePen(i);
    out[8] = tablePen(layout::PEN_GAMMA);
    out[9] = tablePen(layout::PEN_RATES);

    const bool blackGrid = wellfile::RedDepthProfile(profile);
    const platform::COLORREF grid = colour && !blackGrid ? platform::RGB(128, 128, 128) : kBlack;
    out[10] = Spec(grid, 1, pen[layout::PEN_GRID].style);

    const PenEntry& heavyGrid = pen[layout::PEN_HEAVY_GRID];
    out[11] = colour ? Spec(heavyGrid.colour, u / 15 + 1, heavyGrid.style) : Spec(kBlack, u / 15 + 2, heavyGrid.style);
    out[12] = Spec(colour ? pen[layout::PEN_NOTES].colour : kBlack, 2, pen[layout::PEN_NOTES].style);
    out[13] = colour ? Spec(pen[layout::PEN_DESCRIPTIONS].colour, 2, pen[layout::PEN_DESCRIPTIONS].style)
                       : Spec(kBlack, 2, pen[layout::PEN_NOTES].style);
    out[14] = Spec(kBlack, 2, pen[layout::PEN_BORDER].style);
    out[15] = Spec(kBlack, u / 6 + 1, pen[layout::PEN_HEAVY_BORDER].style);
    out[16] = colour ? Spec(platform::RGB(0, 0, 255), (u / 15 + 1) * 9, layout::PS_SOLID)
                       : Spec(kBlack, (u / 15 + 1) * 8, layout::PS_SOLID);
    out[17] = tablePen(layout::PEN_WOB);
    out[18] = tablePen(layout::PEN_CO2);
    out[19] = tablePen(layout::PEN_TORQUE);
    out[20] = tablePen(layout::PEN_TEMPERATURE);
    out[21] = Spec(colour ? heavyGrid.colour : kBlack, u / 15 + 3, heavyGrid.style);
}

}  // namespace print
