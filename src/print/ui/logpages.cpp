#include "print/ui/logpages.h"

#include "app/logstate.h"
#include "logview/depthcolumnoptions.h"
#include "logview/geometryof.h"
#include "logview/ui/paintinputs.h"
#include "print/printdevice.h"

#include <algorithm>
#include <memory>

namespace print {

logview::Device PaperDeviceOf(const app::LogState& log)
{
    logview::Device device;
    FillPaperDevice(log.print, device);
    FillPrinterColumns(log.layout.print, log.layout.format, device.printer);
    return device;
}

std::function<int(platform::Dc&, const LogPage&)> LogPagePainter(app::LogState& log, PrintHeaderFn header,
                                                                 DataTableFn dataTable)
{
    // The rate curve of a run goes on from page to page, never touching the screen's.
    auto memory = std::make_shared<logview::RateCurveMemory>();
    return [&log, header = std::move(header), dataTable = std::move(dataTable), memory](platform::Dc& dc,
                                                                                         const LogPage& page) {
        const PrintState& ps = log.print;
        const wellfile::OpenWell& file = log.well.file;
        if (page.page <= 1)
            *memory = {};
        logview::ViewGeometry g = logview::GeometryOf(log);
        g.rowHeight = ps.rowHeight;
        g.unitWidth = ps.columnUnit;
        g.topMargin = 0;
        g.origin = {};
        g.horizontalScroll = 0;
        g.scaleIndex = page.scaleKind == 3 ? 3 : std::max(1, page.scaleKind);
        // Rows past the file's last depth are printed as blank rows down to the print bottom depth.
        g.fileLastDepth = std::max(file.fileBottomDepth, ps.printBottomDepth);
        const logview::Device device = PaperDeviceOf(log);

        logview::Records records;
        std::size_t first = 0;
        if (page.records) {
            records = logview::Records(page.records - page.preceding, page.preceding + page.available);
            first = page.preceding;
        }
        LogPageFrame frame{g, device, logview::PaintersOf(log), log.print, log.trackPainters, *page.settings};
        frame.records = records;
        frame.first = first;
        frame.rows = page.rowsPerPage;
        frame.pageHeight = page.pageHeight;
        frame.endDepth = page.endDepth;
        frame.fileFirstDepth = file.fileTopDepth;
        frame.depthStep = file.depthStep;
        if (!page.headerOnly)
            frame.custom.all = logview::CustomRecordsAt(log, 0).all;
        frame.depthColumn = logview::DepthColumnOptionsOf(log);
        frame.curveMemory = memory.get();
        LogPageOptions& o = frame.options;
        o.headerOnlyRun = page.headerOnly;
        o.restsOnly = page.restsOnly;
        o.dataAsText = ps.dataAsText;
        o.alternateLayout = log.layout.format.alternateFormat;
        o.alternateHeader = ps.profileOptions.alternateHeader;
        o.pdfPrinter = ps.pdfPrinter;
        o.memos = log.notes.memoCount > 0;
        o.shortReports = !log.well.config.hideShortReports && !log.shortReports.reports.empty();
        o.flareTrack = log.layout.flareTrack != 0;
        frame.header = header;
        frame.dataTable = dataTable;
        if (page.headerOnly || !page.records)
            return PrintLogPage(dc, frame);
        return page.scaleKind == 3 ? PrintLogPageTenFoot(dc, frame) : PrintLogPage(dc, frame);
    };
}

}  // namespace print
