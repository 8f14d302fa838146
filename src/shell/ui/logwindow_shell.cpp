// The main window's small commands: the downtime notes, About, the image view toggle and
// the commands that open the report dialogs and the live-user list.
#include "shell/ui/logwindow.h"

#include "app/shellcommands.h"
#include "platform/folders.h"
#include "platform/inputbox.h"
#include "platform/services.h"

#include <QDir>
#include <QFileInfo>
#include <QSysInfo>

namespace shell {

void LogWindow::CmDowntimeReport()
{
    app::LogState& s = state_;
    const wellfile::OpenWell& f = s.well.file;
    QString text = QString::number(f.fileBottomDepth - f.fileBottomDepth % 2);
    std::optional<std::int32_t> depth;
    // Asked until the depth lies within the well or the user cancels.
    for (;;) {
        if (!platform::AskInput(QStringLiteral("Start Depth"), QStringLiteral("Enter Depth for Downtime Report"),
                                text, 6))
            return;
        depth = app::DowntimeDepth(text, f.fileTopDepth, f.fileBottomDepth);
        if (depth)
            break;
        platform::MessageBox(QStringLiteral("Depth Out Of Range"), QStringLiteral("ERROR"), platform::MB_OK);
    }
    const std::optional<QString> note = app::WriteDowntimeNote(f.currentFolder, f.wellName, *depth, platform::LocalTime());
    if (!note) {
        platform::MessageBox(QStringLiteral("FILE OPEN FAILED"), QStringLiteral("ERROR"), platform::MB_OK);
        return;
    }
    DowntimeReport();
    InvalidateLog();  // the new note's marker
    platform::services().shell->ShellOpen(*note, QStringLiteral("open"));
}

int LogWindow::DowntimeReport()
{
    const wellfile::OpenWell& f = state_.well.file;
    app::RebuildDowntimeIndex(state_.well.downtimeDepthIndex, f.currentFolder, f.wellName);
    return 1;
}

void LogWindow::CmAbout()
{
    const app::LogState& s = state_;
    app::AboutFacts facts;
    facts.versionText = s.env.versionText;
    facts.installFolder = s.env.installFolder;
    facts.dataFolder = s.well.file.dataFolder;
    facts.systemName = QStringLiteral("OS=") + QSysInfo::prettyProductName();
    platform::MessageBox(app::AboutText(facts), QStringLiteral("Info"), platform::MB_OK);
}

void LogWindow::CmToggleView9()
{
    app::LogState& s = state_;
    s.view.logImageMode = !s.view.logImageMode;
    if (s.engines.elogCurves) {
        wellServices_.view->CloseElog(s);
        if (!s.well.elogFileName.isEmpty())
            wellServices_.view->LoadElog(s, s.well.elogFileName);
    }
    SetLogFormat(s.well.loggerId);
    wellServices_.view->BuildGridBitmaps(s);
    BuildMenu(-1);
    if (s.view.logImageMode)
        wellServices_.view->CreateLogImage(s);
    else
        wellServices_.view->FreeLogImage(s);
    if (s.well.customTracksEnabled)
        LoadCustomTracks(false);
    // The other view's grid, scale bars and strip go with it: the paint starts from a cleared window.
    s.view.redrawPending = true;
    InvalidateErased();
    setFocus();
}

void LogWindow::SetViewMode1()
{
    state_.view.viewScale = 1;
    MarkRedraw();
    setFocus();
}

void LogWindow::CmLiveUsers() { neighbours_.exchange->CmLiveUsers(state_); }

void LogWindow::CmDst() { RunReportDialog(true); }
void LogWindow::CmShowReport() { RunReportDialog(false); }

void LogWindow::RunReportDialog(bool dst)
{
    app::LogState& s = state_;
    if (tools_.readoutA || tools_.readoutB || s.interaction.dataEntryActive) {
        platform::MessageBeep(0);
        return;
    }
    const wellfile::OpenWell& f = s.well.file;
    // A server station views wells from other folders than its data folder: there the report file must
    // be present before its dialog is worth opening.
    if (s.env.serverStation && QDir(f.currentFolder) != QDir(f.dataFolder)) {
        const QString name = f.wellName + (dst ? QStringLiteral(".dst") : QStringLiteral(".sho"));
        if (!QFileInfo(platform::FindFileNoCase(f.currentFolder, name)).isFile()) {
            platform::MessageBox(dst ? QStringLiteral("No DST file Available") : QStringLiteral("No SHOW file Available"),
                                 QString(), platform::MB_OK);
            return;
        }
    }
    if (dst)
        neighbours_.reports->RunDstDialog(s, reports::kDstDialogKind, f.wellName);
    else
        neighbours_.reports->RunShowDialog(s, reports::kShowDialogKind, f.wellName);
}

}  // namespace shell
