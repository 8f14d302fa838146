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

std::size_t PrintTopsPage(app::LogState& log, platform::Dc& dc, std::size_t first)
{
    const wellfile::WellPlace place = app::PlaceOf(log);
    wellfile::TopsPlace topsPlace;
    topsPlace.topsInFieldFolder = log.well.sharedFolderWell && log.well.topsInFieldFolder;
    // A file too short for one top still opens: its page has the title and heading alone.
    if (!QFile(wellfile::TopsFilePath(place, topsPlace)).open(QIODevice::ReadOnly))
        return 0;
    std::vector<wellfile::TOPSEX> tops;
    wellfile::LoadTops(place, topsPlace, tops);
    const int written = DrawTopsList(dc, log.well.file.wellName, tops, log.print.rowHeight, first);
    const std::size_t next = first + std::size_t(written);
    // A page that takes no top ends the list too, so that a page too short never prints blank pages on.
    return next > first && next < tops.size() ? next : 0;
}

void FillListPagePainters(app::LogState& log, PrintPagePainters& painters)
{
    if (!painters.topsPage)
        painters.topsPage = [&log](platform::Dc& dc, std::size_t first) { return PrintTopsPage(log, dc, first); };
    if (!painters.dstPage)
        painters.dstPage = [&log](platform::Dc& dc, std::span<const wellfile::DSTREPORT> reports, int first) {
            PrintDstPage(dc, reports, first, log.print.rowHeight);
        };
}

} // namespace print
