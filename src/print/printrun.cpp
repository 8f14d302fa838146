#include "print/printrun.h"

#include <algorithm>

namespace print {

namespace {

int LayoutWidth(const PrintRunInput& in, int rowHeight, int columnUnit)
{
    return in.layoutWidth ? in.layoutWidth(rowHeight, columnUnit) : 0;
}

// Lays the log out to the paper: the column unit shrinks to fit custom tracks when compression is on,
// and is drawn at three quarters where the rows allow it.
void FitLayout(const PrintRunInput& in, PrintRunPlan& p)
{
    const int minColumnUnit = static_cast<int>(0.6 * p.columnUnit);
    p.layoutWidth = LayoutWidth(in, p.rowHeight, p.columnUnit);
    if (p.layoutWidth < 10) {
        p.layoutWidth = 10;
        p.failure = PrintRunFailure::WidthCalculation;
    }
    p.scaleFactor = static_cast<float>(in.cx) / static_cast<float>(p.layoutWidth);
    if (in.customTracks && p.failure == PrintRunFailure::None && in.compression && in.cx < p.layoutWidth) {
        p.columnUnit = std::max(static_cast<int>(static_cast<float>(p.columnUnit) * p.scaleFactor), minColumnUnit);
        p.layoutWidth = LayoutWidth(in, p.rowHeight, p.columnUnit);
        if (p.layoutWidth > in.cx)
            p.failure = PrintRunFailure::TooWide;
    }
    if (0.75 * p.rowHeight <= p.columnUnit)
        p.columnUnit = static_cast<int>(0.75 * p.columnUnit);
}

}  // namespace

PrintRunPlan PlanPrintRun(const PrintRunInput& in)
{
    PrintRunPlan p;
    p.pageLength = PageLength(in.cy, in.rowHeight);
    p.pageWidth = PageLength(in.cx, in.rowHeight);
    p.rowHeight = in.rowHeight;
    p.columnUnit = in.columnUnit;
    p.scaleKind = in.scaleKind;
    p.narrowFormat = in.narrowFormat;
    p.margins = MarginTablesFor(in.cx, in.cy, in.twoAndHalfInch);
    p.fullHeader = in.fullHeader || p.margins.pageClass;
    p.dstPages = DstPages(in.dstCount);
    p.range = in.range;

    if (in.kind == PrintRunKind::Tops) {
        p.pages = 1;
        return p;
    }
    if (in.kind == PrintRunKind::HeaderOnly) {
        p.pages = 1;
        p.layoutWidth = LayoutWidth(in, p.rowHeight, p.columnUnit);
        if (in.narrowFormat)
            p.columnUnit = static_cast<int>(0.75 * p.columnUnit);
        return p;
    }

    if (in.twoAndHalfInch) {
        p.narrowFormat = false;
        p.rowHeight /= 2;
        p.columnUnit /= 2;
        p.scaleKind = std::min(p.scaleKind, 2);
    }
    FitLayout(in, p);

    p.unitsPerLength = UnitsPerLength(p.scaleKind, false);
    if (in.twoAndHalfInch)
        p.pageLength = PageLength(in.cy, p.rowHeight * 2);
    if (in.dataAsText) {
        p.unitsPerLength = UnitsPerLength(p.scaleKind, true);
        p.scaleKind = std::min(p.scaleKind, 2);
    }
    p.rowsPerPage = RowsPerPage(p.unitsPerLength, p.pageLength, p.scaleKind);

    p.range = PrintedRange(in.range, in.firstDepth, in.lastDepth, p.scaleKind);
    p.logLength = LogLength(p.range, p.unitsPerLength, p.fullHeader, 0, p.dstPages);
    // The DST pages come after the log whole: counting them in page lengths of 11 would take the log's
    // last pages on any longer paper.
    const bool failed = p.failure != PrintRunFailure::None;
    p.pages = PageCount(LogLength(p.range, p.unitsPerLength, p.fullHeader, 0, 0), p.pageLength, failed);
    if (!failed)
        p.pages += p.dstPages;
    p.pdfName = PrintPdfName(in.dataFolder, in.wellName, p.range.end, p.scaleKind);
    return p;
}

}  // namespace print
