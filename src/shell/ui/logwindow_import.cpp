// The report, selection and import commands of the main window. The work is shell/importcommands.h's;
// the dialogs are the report and e-log subsystems'.
#include "shell/ui/logwindow.h"

#include "elog/elog_services.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "reports/reports_services.h"
#include "shell/importcommands.h"

#include <QFileInfo>

namespace shell {

void LogWindow::CmShortReport()
{
    if (tools_.horzView) {
        platform::MessageBox(QStringLiteral("You must close the horizontal window to view short reports"), QString(),
                             platform::MB_OK);
        return;
    }
    neighbours_.reports->RunShortReportDialog(state_, -1);
    wellServices_.view->LoadShortReports(state_);
    update();
}

void LogWindow::CmMorningReport()
{
    if (CommandGuardFails())
        return;
    const wellfile::OpenWell& f = state_.well.file;
    if (!state_.engines.driller) {
        const QString path = platform::FindFileNoCase(f.currentFolder, f.wellName + QStringLiteral(".rpt"));
        if (!QFileInfo(path).isFile()) {
            platform::MessageBox(QStringLiteral("No report file available"), path, platform::MB_OK);
            return;
        }
    }
    neighbours_.reports->RunDailyReportDialog(state_, -1);
}

void LogWindow::CmSelectRop()
{
    if (!CommandGuardFails())
        shell::SelectRop(state_, wellServices_);
}

void LogWindow::CmSelectElog()
{
    if (!CommandGuardFails())
        shell::SelectElog(state_, wellServices_);
}

void LogWindow::CmImportElog()
{
    if (!CommandGuardFails())
        shell::ImportElog(state_, wellServices_, *neighbours_.elog);
}

void LogWindow::CmImportMudlog()
{
    if (!CommandGuardFails())
        shell::ImportMudlog(state_, wellServices_, *neighbours_.elog);
}

}  // namespace shell
