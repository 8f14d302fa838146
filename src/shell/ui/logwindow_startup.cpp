// The main window's start-up: what SetupWindow does once the window exists.
#include "shell/ui/logwindow.h"

#include "app/infocommands.h"
#include "app/layouthosts.h"
#include "demo/demowell.h"
#include "demo/draw/demowell_pictures.h"
#include "horizontal/horzoptions.h"
#include "platform/folders.h"
#include "shell/startup.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

namespace shell {

void LogWindow::SetupWindow()
{
    app::ApplySetupDefaults(state_);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        state_.env.screenWidth = screen->geometry().width();
        state_.env.screenHeight = screen->geometry().height();
    }
    // The layout divides the whole desktop among its monitors.
    const QList<QScreen*> screens = QGuiApplication::screens();
    state_.env.monitorCount = int(screens.size());
    state_.env.desktopWidth = 0;
    for (const QScreen* screen : screens)
        state_.env.desktopWidth += screen->geometry().width();
    state_.view.holdRepaint = true;
    // The data-file routines write their "Auto Start" trace when the activity log is verbose.
    state_.well.file.autoStart = state_.env.verboseActivityLog;

    shell::SettleFolders(state_);
    horizontal::ReadHorizontalOptions(state_.options, state_.print.horizontalHalfScale);
    // The user's settings record says whether the schemes are kept in the data folder.
    state_.layout.schemes.fieldSchemes = app::LoadFieldSchemesFlag(state_);
    // A first start has no well to show: the demo well is made in the install folder, with the release
    // notes that New Features opens and the manual shipped with the program.
    const QString demoFile = QString::fromLatin1(demo::kDemoWellName) + QStringLiteral(".svm");
    const bool demoThere = QFileInfo::exists(platform::FindFileNoCase(state_.env.installFolder, demoFile));
    // Its pictures come with a new demo well; pictures a user removed stay removed.
    if (demo::InstallDemoWell(state_.env.installFolder) && !demoThere)
        demo::MakeDemoPictures(state_.env.installFolder);
    app::InstallFeaturesText(state_.env.installFolder);
    app::InstallManual(state_.env.installFolder, state_.env.programFolder);
    state_.env.firstInstance = shell::MarkerFileExists(state_.env.installFolder, shell::kLiveServerMarker)
        ? 1
        : shell::CreateInstanceMap(state_);
    StartUp();
    state_.view.holdRepaint = false;
    InvalidateLog();
}

int LogWindow::StartUp()
{
    wellServices_.drilling = neighbours_.drilling;
    return shell::StartUp(state_, wellServices_, [this] { CmOpen(); });
}

int LogWindow::OpenCommandLineFile(const QString& path)
{
    wellServices_.drilling = neighbours_.drilling;
    return shell::OpenCommandLineFile(state_, wellServices_, path);
}

void LogWindow::CreateWellFolders() { shell::CreateWellFolders(state_); }

}  // namespace shell
