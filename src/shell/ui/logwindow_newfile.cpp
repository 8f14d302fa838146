// New and Plug Back: whatever holds the open well is shut down, then the new-file dialog takes the name
// and depth and hands the job to the well-creation routines of the exchange subsystem.
#include "shell/ui/logwindow.h"

#include "app/opendatafile.h"
#include "layout/custchartcfg.h"
#include "platform/services.h"
#include "wellfile/ui/newfiledlg.h"
#include "wellfile/wellconfig.h"

#include <memory>

namespace shell {

namespace {

// The settings record of the open well, read into a zeroed record (left zeroed when none can be read).
std::unique_ptr<wellfile::WellConfig> ReadOpenWellConfig(const app::LogState& s)
{
    auto config = std::make_unique<wellfile::WellConfig>();
    wellfile::LoadConfig(*config, app::PlaceOf(s), s.well.fieldSettings);
    return config;
}

}  // namespace

bool LogWindow::ShutDownForNewFile(bool plugBack, wellfile::WellConfig& config)
{
    app::LogState& s = state_;
    if (s.interaction.commandLock)
        return false;
    if (DataFileBusy()) {
        platform::MessageBeep(0);
        return false;
    }
    if (s.customTracks.data) {
        layout::ResetCustomTracks(s.customTracks.host, s.customTracks.data.get(), &s.well.config);
        s.customTracks.data.reset();
        s.options.customTracksView = false;
    }
    if (s.view.logImageMode) {
        wellServices_.view->FreeLogImage(s);
        s.view.logImageMode = false;
    }
    wellServices_.window->CloseToolWindows(s);

    if (plugBack)
        config = *ReadOpenWellConfig(s);
    if (s.well.file.drilling) {
        const bool gasOn = s.engines.autoGas || s.engineStatus.gasMonitorRunning;
        const bool witsOn = s.engines.wits || s.engineStatus.witsRunning;
        if (!plugBack && s.engines.custWits)
            neighbours_.wits->CmCustomWits(s);
        if (gasOn)
            neighbours_.gasmon->CmGasMonitor(s);
        if (witsOn)
            neighbours_.wits->CmWits(s);
        if (plugBack && s.engines.custWits)
            neighbours_.wits->CmCustomWits(s);
    }
    // The engines' workers are joined when they stop: no pause is owed before the dialog.
    if (!plugBack)
        config = *ReadOpenWellConfig(s);
    return true;
}

void LogWindow::CmNewFile() { RunNewFileDialog(false); }

void LogWindow::CmPlugBack() { RunNewFileDialog(true); }

void LogWindow::RunNewFileDialog(bool plugBack)
{
    app::LogState& s = state_;
    auto config = std::make_unique<wellfile::WellConfig>();
    if (!ShutDownForNewFile(plugBack, *config))
        return;
    wellServices_.drilling = neighbours_.drilling;
    const wellfile::WellConfig& handed = *config;
    wellfile::NewFileDlg dialog(this, s.well.file, s.well.loggerId, handed, plugBack, [this, &s, &handed, plugBack](const wellfile::NewFileInfo& info) {
        return plugBack ? neighbours_.exchange->OpenWellFiles(s, wellServices_, *neighbours_.elog, info, handed)
                        : neighbours_.exchange->ArchiveFiles(s, wellServices_, info, handed);
    });
    const int answer = dialog.Execute();
    // The window manager may leave the keyboard with the closed dialog: the log takes it back.
    GiveFocusBack();
    if (answer != platform::IDOK) {
        // The shut-down took the quick view bar and the image strip: the paint brings the bar back.
        InvalidateErased();
        return;
    }
    if (!isMinimized())
        SaveWindowPlacement();
    BuildMenu(-1);
    state_.view.redrawPending = true;
    InvalidateErased();
}

}  // namespace shell
