#include "print/printdevice.h"

namespace print {

void FillPaperDevice(const PrintState& state, logview::Device& device)
{
    device.printing = true;
    device.printer.rowHeight = state.rowHeight;
    device.printer.rowSize = state.rowHeight;
    device.printer.lineHeight = state.rowHeight;  // the chromatograph track steps a printed row at a time
    device.printer.unitWidth = state.columnUnit;
    device.printer.logUnit = state.columnUnit;
    device.colourPrinting = state.printInColour;
    device.narrowFormat = state.narrowFormat;
    device.rowStep = state.rowStep;
    device.pdfPrinter = state.pdfPrinter;
    device.descriptionsOnOneInch = state.printDescriptions;
    for (std::size_t i = 0; i < device.printPens.size(); ++i)
        if (state.pens[i])
            device.printPens[i] = *state.pens[i];
    // The body font writes the log's numbers and marks, the small font its labels and scales.
    logview::PrintFonts& fonts = device.printFonts;
    if (const auto& body = state.fonts[FONT_BODY]) {
        fonts.text = *body;
        fonts.alternateDepth = *body;
        fonts.surveyBlock = *body;
        fonts.feetStyle = *body;
    }
    if (const auto& small = state.fonts[FONT_SMALL]) {
        fonts.survey = *small;
        fonts.scale = *small;
        fonts.label = *small;
    }
}

void FillPrinterColumns(const layout::PrintLayout& p, const layout::LogLayout& screen,
                        logview::PrinterGeometry& g)
{
    g.rateLeft = p.rateLeft;
    g.rateRight = p.rateRight;
    g.rateCellWidth = p.rateCell;
    g.rateCellCount = 25;
    // Gamma and weight on bit are drawn across the rate track, on paper as on the screen.
    g.curveLeft = p.rateLeft;
    g.curveRight = p.rateRight;
    // The depth numbers stand in the rate track's right end, the next column after it.
    g.depthRight = p.rateRight;
    g.depthLeft = p.rateRight - 5 * g.unitWidth;
    g.nextColumnEdge = p.textLeft > 0 ? p.textLeft : p.rateRight;
    g.lithologyLeft = p.lithologyLeft;
    g.lithologyCellWidth = p.lithologyCell;
    g.lithologyRight = p.lithologyRight;
    // The interpreted lithology column follows the lithology; a cell is a tenth of its width.
    g.interpretedLeft = g.interpretedCellWidth = 0;
    if (p.interpretedRight > p.lithologyRight) {
        g.interpretedLeft = p.lithologyRight;
        g.interpretedCellWidth = (p.interpretedRight - p.lithologyRight) / 10;
    }
    // The show columns: 0 when a column is not printed.
    const bool shows = p.showCell > 0;
    g.porosityLeft = shows && screen.show1.count > 0 ? p.outlineRight : 0;
    g.hardnessLeft = screen.interpreted.count > 0 && p.interpretedRight > p.lithologyRight ? p.lithologyRight : 0;
    g.fluorescenceLeft = shows && screen.show2.count > 0 ? p.interpretedRight : 0;
    g.cutLeft = shows && screen.show3.count > 0 ? p.secondShowRight : 0;
    g.gasLeft = p.gasLeft;
    g.gas2Left = p.gasSplit > p.gasLeft ? p.gasSplit : p.gasLeft;
    g.gasRight = p.gasRight;
    g.gasCellWidth = p.gasCell;
    g.gasUnits = p.gasBlocks;
    g.gas2Units = p.gasSplit > p.gasLeft ? screen.gas2.count : 0;
    // A chromatograph component at its test gas stands five printed units into its track, as on the
    // screen it stands five gas cells in.
    g.gasComponentWidth = 5 * g.unitWidth;
    g.descriptionLeft = p.descriptionLeft;
    g.descriptionCellCount = p.descriptionCount;
    g.logRight = p.rightEnd;
    g.surveyX = p.surveyX;
}

}  // namespace print
