#pragma once
// One printed page of the depth log: the printed header on the first page, the rows laid down the page
// one row height apart with their marks, separators and row painters, the second lithology pass, then
// the whole-page painters, the short reports, memos and pictures. Every track is drawn by the painters
// the screen uses, on the paper device. PrintLogPage prints one record a row; PrintLogPageTenFoot one
// row for each group of five records. Both return the records the page consumed.
#include "logview/depthcolumnoptions.h"
#include "logview/device.h"
#include "logview/draw/curveplotter.h"
#include "logview/draw/neighbourpainters.h"
#include "logview/viewgeometry.h"
#include "print/printstate.h"
#include "tracks/painterstate.h"
#include "wellfile/printcfg.h"

#include <cstddef>
#include <functional>

namespace platform {
class Dc;
}

namespace print {

// The printed header: draws it with its top at `topY` and returns its height in pixels.
using PrintHeaderFn = std::function<int(platform::Dc&, wellfile::PRINTCFG& settings, int topY)>;
// The data table page: draws the table of `rows` records from records[first] and returns the records
// it wrote.
using DataTableFn = std::function<int(platform::Dc&, logview::Records records, std::size_t first, int rows)>;

// What a page reads of the window besides the geometry's track flags.
struct LogPageOptions {
    bool headerOnlyRun = false;   // a header-only or tops run: the header and no rows
    bool dataAsText = false;      // "Data As Text": the data table instead of the log
    bool alternateLayout = false; // the layout's alternate format
    bool alternateHeader = false; // the profile's own header layout
    bool pdfPrinter = false;
    bool flareTrack = false;      // flares drawn as a track rather than a polygon
    bool memos = false;           // the well has memos
    bool shortReports = false;    // short reports exist and are not hidden
    bool restsOnly = false;       // a page after the run's rows: the rests of the boxes the last page cut
};

struct LogPageFrame {
    const logview::ViewGeometry& geometry;  // the window's, for its flags, options, pens and profile
    const logview::Device& device;          // paper: the printer geometry, pens and fonts
    logview::NeighbourPainters& painters;
    PrintState& print;             // the run's shared state: margins, last printed depth, bottom depth
    tracks::PainterState& tracks;  // the printed-rows counter and what a page leaves to the next
    wellfile::PRINTCFG& settings;

    // The run's record buffer and the index of the first row's record; the one before it is always there.
    logview::Records records{};
    std::size_t first = 1;
    int rows = 0;
    // The printable height of the page: no row is started that would end below it (0: not known).
    int pageHeight = 0;
    std::int32_t endDepth = 0;
    // The custom-data records of the whole file; first: the index of the first row's record in them.
    logview::CustomRecords custom{};
    std::int32_t fileFirstDepth = 0;
    std::int32_t depthStep = 1;

    logview::DepthColumnOptions depthColumn{};
    logview::RateCurveMemory* curveMemory = nullptr;  // the printout's own
    LogPageOptions options{};
    PrintHeaderFn header{};   // empty: no header (height 0)
    DataTableFn dataTable{};  // empty: the table consumes the page's rows and draws nothing
};

// One record a row (scale kinds 0, 1 and 2).
int PrintLogPage(platform::Dc& dc, LogPageFrame& frame);
// One row for each five records (scale kind 3).
int PrintLogPageTenFoot(platform::Dc& dc, LogPageFrame& frame);

// The page's columns on paper, from the printer geometry.
struct PageEdges {
    int slideX = 0;       // the slide bars and their "S" and "R"
    int marksX = 0;       // the connection marks
    int lithMarksX = 0;   // the boxed connection marks of the profiles that box them
    int rightEdge = 0;    // the log's right edge line
    int pair1Left = 0, pair1Right = 0;  // the lithology column
    int pair2Left = 0, pair2Right = 0;  // the interpreted lithology column, else the lithology column
    int profileSeparator1 = 0, profileSeparator2 = 0;
};
PageEdges PageEdgesOf(const logview::PrinterGeometry& p);

// The rows a page holds beyond its own with the metric row step, for a page of `pageLength` tens of
// rows: four for every unit of the page factor, and one more on long pages.
int ExtraPageRows(float pageLength, bool fullHeader, bool metric);

}  // namespace print
