#include "print/ui/listpagesof.h"

#include "app/logstate.h"
#include "app/opendatafile.h"
#include "print/draw/datatablepage.h"
#include "print/draw/dstpage.h"
#include "wellfile/sidefiles_tops.h"

#include <QFile>

#include <vector>

namespace print {

DataTableFn DataTableOf(app::LogState& log)
{
    return [&log](platform::Dc& dc, logview::Records records, std::size_t first, int rows) {
        return PrintDataTablePage(dc, records, first, rows, log.print.rowHeight, log.view.rateInMetresPerHour != 0);
    };
}

int PrintTopsPage(app::LogState& log, platform::Dc& dc)
{
    const wellfile::WellPlace place = app::PlaceOf(log);
    wellfile::TopsPlace topsPlace;
    topsPlace.topsInFieldFolder = log.well.sharedFolderWell && log.well.topsInFieldFolder;
    // A file too short for one top still opens: its page has the title and heading alone.
    if (!QFile(wellfile::TopsFilePath(place, topsPlace)).open(QIODevice::ReadOnly))
        return 0;
    std::vector<entry::TOPSEX> tops;
    wellfile::LoadTops(place, topsPlace, tops);
    DrawTopsList(dc, log.well.file.wellName, tops, log.print.rowHeight);
    return 1;
}

void FillListPagePainters(app::LogState& log, PrintPagePainters& painters)
{
    if (!painters.topsPage)
        painters.topsPage = [&log](platform::Dc& dc) { PrintTopsPage(log, dc); };
    if (!painters.dstPage)
        painters.dstPage = [&log](platform::Dc& dc, std::span<const reports::DSTREPORT> reports, int first) {
            PrintDstPage(dc, reports, first, log.print.rowHeight);
        };
}

} // namespace print
