// The survey and TVD dialog as the main window's e-log services run it: the TVD file object made on
// the open well, the dialog modal, or building the TVD log at once without being shown.
#include "app/logstate.h"
#include "elog/tvdfile.h"
#include "elog/ui/elogwindowservices.h"
#include "elog/ui/tvddialog.h"

namespace elog {

namespace {

TvdFile TvdFileOf(app::LogState& log, const std::function<void()>& rebuildMenu)
{
    const wellfile::OpenWell& f = log.well.file;
    TvdSources sources;
    sources.dataFile = f.dataFileName;
    sources.curveFile = log.well.elogFileName;
    sources.headerFile = f.currentFolder + f.wellName + QStringLiteral(".hdr");
    sources.firstDepth = f.fileTopDepth;
    TvdFile file(sources);
    file.rebuildMenu = rebuildMenu;
    return file;
}

}  // namespace

void ElogWindowServices::RunTvdDialog(app::LogState& log, std::span<wellfile::RECORD> records, int mode)
{
    TvdFile file = TvdFileOf(log, rebuildMenu);
    TvdDlg dialog(window_, log, file, records, mode);
    dialog.Execute();
}

bool ElogWindowServices::CreateTvdLog(app::LogState& log, std::span<wellfile::RECORD> records)
{
    TvdFile file = TvdFileOf(log, rebuildMenu);
    TvdDlg dialog(window_, log, file, records, kTvdSurveyMode);
    return dialog.CreateTvdLog();
}

}  // namespace elog
