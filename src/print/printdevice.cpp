#include "print/printdevice.h"

namespace print {

void FillPaperDevice(const PrintState& state, logview::Device& device)
{
    device.printing = true;
    device.printer.rowHeight = state.rowHeight;
    device.printer.rowSize = state.rowHeight;
    device.printer.unitWidth = state.columnUnit;
    device.colourPrinting = state.printInColour;
    device.narrowFormat = state.narrowFormat;
    device.rowStep = state.rowStep;
    for (std::size_t i = 0; i < device.printPens.size(); ++i)
        if (state.pens[i])
            device.printPens[i] = *state.pens[i];
}

}  // namespace print
