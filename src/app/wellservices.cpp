#include "app/wellservices.h"

#include "app/logstate.h"
#include "app/notbuilt.h"
#include "app/notes.h"
#include "elog/picturewindow.h"
#include "exchange/backups.h"
#include "exchange/receivedupdates.h"
#include "reports/shortreports.h"

namespace app {

void WindowServices::AssignMenu(LogState&, int) { NotBuilt("app", "AssignMenu"); }
void WindowServices::BuildMenu(LogState&, int) { NotBuilt("app", "BuildMenu"); }
void WindowServices::RebuildMenu(LogState&) { NotBuilt("app", "RebuildMenu"); }
void WindowServices::CloseToolWindows(LogState&) { NotBuilt("app", "CloseToolWindows"); }
void WindowServices::DestroyQuickBar(LogState&) { NotBuilt("app", "DestroyQuickBar"); }
void WindowServices::Invalidate(LogState&) { NotBuilt("app", "Invalidate"); }
void WindowServices::DowntimeReport(LogState&) { NotBuilt("app", "DowntimeReport"); }
bool WindowServices::DataFileBusy(LogState& log) { return log.interaction.dataEntryActive != 0; }
void WindowServices::ShowStatus(LogState&, const QString&, const QString&) {}
void WindowServices::CloseStatus(LogState&, int) {}
void WindowServices::SetStatusText(LogState&, const QString&) {}
void WindowServices::LoadRemoteConfig(LogState&) { NotBuilt("app", "LoadRemoteConfig"); }

void ViewServices::SetLogFormat(LogState&, int) { NotBuilt("layout", "SetLogFormat"); }
void ViewServices::BuildGridBitmaps(LogState&) { NotBuilt("logview", "BuildGridBitmaps"); }
void ViewServices::ApplyScheme(LogState&, int) { NotBuilt("layout", "ApplyScheme"); }
void ViewServices::LinkElogToScheme(LogState&, const QString&) { NotBuilt("layout", "LinkElogToScheme"); }
void ViewServices::LoadCustomTracks(LogState&) { NotBuilt("layout", "LoadCustomTracks"); }
void ViewServices::LoadMemos(LogState& log) { app::LoadMemos(log); }
int ViewServices::LoadElog(LogState&, const QString&)
{
    NotBuilt("elog", "LoadElog");
    return 1;
}
void ViewServices::CloseElog(LogState&) { NotBuilt("elog", "CloseElog"); }
void ViewServices::ImportNewImages(LogState& log, const QString& wellName)
{
    elog::ImportNewImages(log.pictures, log.well.file, log.witsChart, wellName);
}
void ViewServices::LoadImageList(LogState& log)
{
    elog::LoadImageList(log.pictures, log.well.file, log.witsChart, log.view);
}
void ViewServices::LoadShortReports(LogState& log) { reports::LoadShortReports(log.shortReports, log.well, log.env.remoteMonitorOn); }
void ViewServices::LoadWellTitle(LogState&) { NotBuilt("drilling", "LoadWellTitle"); }
void ViewServices::CreateLogImage(LogState&) { NotBuilt("logview", "CreateLogImage"); }
void ViewServices::FreeLogImage(LogState&) { NotBuilt("logview", "FreeLogImage"); }

void ExchangeWellServices::ApplyPendingUpdates(LogState& log, const QString& pattern)
{
    exchange::ApplyPendingUpdates(log.well, log.view, log.now, log.env.remoteMonitorOn, pattern);
}
void ExchangeWellServices::CopyWellFiles(LogState&, const QString&, const QString&) { NotBuilt("exchange", "CopyWellFiles"); }
void ExchangeWellServices::CopyWellFilesLogged(LogState&, const QString&, const QString&)
{
    NotBuilt("exchange", "CopyWellFilesLogged");
}
void ExchangeWellServices::CopyFromFieldFolder(LogState&) { NotBuilt("exchange", "CopyFromFieldFolder"); }
void ExchangeWellServices::ArchiveChartFile(LogState&, const QString&) { NotBuilt("exchange", "ArchiveChartFile"); }
void ExchangeWellServices::ArchiveWitsFile(LogState&, const QString&) { NotBuilt("exchange", "ArchiveWitsFile"); }
void ExchangeWellServices::RenameReceivedImage(LogState& log) { exchange::RenameReceivedImage(log.well.file); }
void ExchangeWellServices::PollReceiveDir(LogState&, const WellServices&) { NotBuilt("exchange", "PollReceiveDir"); }
int ExchangeWellServices::BackupWellFiles(LogState& log, int flag)
{
    return exchange::BackupWellFiles(log.well, flag, log.env.sharedFolder);
}
int ExchangeWellServices::BackupData(LogState& log, int flag)
{
    return exchange::BackupData(log.well, log.interaction, log.engines.driller, flag, log.env.sharedFolder);
}

WindowServices& DefaultWindowServices()
{
    static WindowServices services;
    return services;
}

ViewServices& DefaultViewServices()
{
    static ViewServices services;
    return services;
}

ExchangeWellServices& DefaultExchangeWellServices()
{
    static ExchangeWellServices services;
    return services;
}

}  // namespace app
