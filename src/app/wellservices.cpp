#include "app/wellservices.h"

#include "app/logstate.h"
#include "app/nowindow.h"
#include "app/notes.h"

namespace app {

void WindowServices::AssignMenu(LogState&, int) { NoWindow("app", "AssignMenu"); }
void WindowServices::BuildMenu(LogState&, int) { NoWindow("app", "BuildMenu"); }
void WindowServices::RebuildMenu(LogState&) { NoWindow("app", "RebuildMenu"); }
void WindowServices::CloseToolWindows(LogState&) { NoWindow("app", "CloseToolWindows"); }
void WindowServices::DestroyQuickBar(LogState&) { NoWindow("app", "DestroyQuickBar"); }
void WindowServices::Invalidate(LogState&) { NoWindow("app", "Invalidate"); }
void WindowServices::DowntimeReport(LogState&) { NoWindow("app", "DowntimeReport"); }
bool WindowServices::DataFileBusy(LogState& log) { return log.interaction.dataEntryActive != 0; }
void WindowServices::ShowStatus(LogState&, const QString&, const QString&) {}
void WindowServices::CloseStatus(LogState&, int) {}
void WindowServices::SetStatusText(LogState&, const QString&) {}
void WindowServices::LoadRemoteConfig(LogState&) { NoWindow("app", "LoadRemoteConfig"); }

void ViewServices::SetLogFormat(LogState&, int) { NoWindow("layout", "SetLogFormat"); }
void ViewServices::BuildGridBitmaps(LogState&) { NoWindow("logview", "BuildGridBitmaps"); }
void ViewServices::ApplyScheme(LogState&, int) { NoWindow("layout", "ApplyScheme"); }
void ViewServices::LinkElogToScheme(LogState&, const QString&) { NoWindow("layout", "LinkElogToScheme"); }
void ViewServices::LoadCustomTracks(LogState&) { NoWindow("layout", "LoadCustomTracks"); }
void ViewServices::LoadMemos(LogState& log) { app::LoadMemos(log); }
int ViewServices::LoadElog(LogState&, const QString&)
{
    NoWindow("elog", "LoadElog");
    return 1;
}
void ViewServices::CloseElog(LogState&) { NoWindow("elog", "CloseElog"); }
void ViewServices::LoadWellTitle(LogState&) { NoWindow("drilling", "LoadWellTitle"); }
void ViewServices::CreateLogImage(LogState&) { NoWindow("logview", "CreateLogImage"); }
void ViewServices::FreeLogImage(LogState&) { NoWindow("logview", "FreeLogImage"); }

void ExchangeWellServices::CopyWellFiles(LogState&, const QString&, const QString&) { NoWindow("exchange", "CopyWellFiles"); }
void ExchangeWellServices::CopyWellFilesLogged(LogState&, const QString&, const QString&)
{
    NoWindow("exchange", "CopyWellFilesLogged");
}
void ExchangeWellServices::CopyFromFieldFolder(LogState&) { NoWindow("exchange", "CopyFromFieldFolder"); }
void ExchangeWellServices::ArchiveChartFile(LogState&, const QString&) { NoWindow("exchange", "ArchiveChartFile"); }
void ExchangeWellServices::ArchiveWitsFile(LogState&, const QString&) { NoWindow("exchange", "ArchiveWitsFile"); }
void ExchangeWellServices::PollReceiveDir(LogState&, const WellServices&) { NoWindow("exchange", "PollReceiveDir"); }

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
