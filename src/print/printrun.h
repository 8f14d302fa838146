#pragma once
// What a print run works out before its first page: the page geometry, the row height and column unit it
// draws with, the depth range, the pages and the PDF output name. The track layout is done by the caller
// (it needs the window's formats); the run asks it for the layout width at a row height and column unit.
#include "print/printgeometry.h"

#include <QString>

#include <functional>

namespace print {

enum class PrintRunKind { Log, HeaderOnly, Tops };

enum class PrintRunFailure {
    None,
    WidthCalculation,  // the layout came out narrower than 10 pixels
    TooWide,           // custom tracks wider than the paper even after compression
};

struct PrintRunInput {
    PrintRunKind kind = PrintRunKind::Log;
    int cx = 0, cy = 0;           // the printable page in printer pixels
    int rowHeight = 0;            // the window's print geometry
    int columnUnit = 0;
    int scaleKind = 1;
    bool twoAndHalfInch = false;
    bool narrowFormat = false;
    bool dataAsText = false;
    bool fullHeader = false;
    bool customTracks = false;    // custom tracks in use
    bool compression = false;     // the window's compression option
    DepthRange range;             // start and (rounded) end depth of the run
    int firstDepth = 0, lastDepth = 0;
    int dstCount = 0;             // DST reports printed after the log (0 unless asked for)
    QString dataFolder, wellName;
    // The width of the track layout at a row height and column unit.
    std::function<int(int rowHeight, int columnUnit)> layoutWidth;
};

struct PrintRunPlan {
    float pageLength = 0;   // in tens of rows of the window's row height
    float pageWidth = 0;
    int rowHeight = 0;      // what the pages are drawn with
    int columnUnit = 0;
    int scaleKind = 1;
    bool narrowFormat = false;
    bool fullHeader = false;
    MarginTables margins;
    int dstPages = 0;
    int unitsPerLength = 10;
    int rowsPerPage = 0;
    DepthRange range;
    int layoutWidth = 0;
    float scaleFactor = 1.0f;  // printable width over layout width
    float logLength = 0;
    int pages = 0;
    PrintRunFailure failure = PrintRunFailure::None;
    QString pdfName;
};

PrintRunPlan PlanPrintRun(const PrintRunInput& in);

}  // namespace print
