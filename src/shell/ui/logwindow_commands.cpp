#include "shell/ui/logwindow.h"

#include "app/commandids.h"
#include "app/depthcorrection.h"
#include "app/elogoffset.h"
#include "app/opendatafile.h"
#include "app/wellsettings.h"
#include "drilling/driller.h"
#include "exchange/remotemonitor.h"
#include "layout/custchartcfg.h"
#include "logview/draw/viewbitmaps.h"
#include "logview/ui/logview.h"
#include "platform/draw/dc.h"
#include "platform/services.h"
#include "platform/text.h"
#include "shell/importcommands.h"
#include "wellfile/datafile.h"
#include "wellfile/profile.h"
#include "wellfile/sidefiles_settings.h"

#include <QFileInfo>

#include <algorithm>
#include <limits>

namespace shell {

// The window's own commands, and those whose work belongs to another subsystem and hands over to its
// services.

void LogWindow::CmRestore() { neighbours_.exchange->CmRestore(state_); }
void LogWindow::CmSaveAsImage()
{
    // The image is drawn from the data file, which a running entry may be changing.
    if (DataFileBusy()) {
        platform::MessageBeep(0);
        return;
    }
    neighbours_.elog->CmSaveAsImage(state_);
    MarkRedraw();
}
void LogWindow::CmSendFile() { neighbours_.exchange->CmSendFile(state_); }
void LogWindow::CmPageSetup() { neighbours_.print->CmPageSetup(state_); }
void LogWindow::CmPrint() { neighbours_.print->CmPrint(state_); }
void LogWindow::CmWitsChart() { neighbours_.wits->CmWitsChart(state_); }
void LogWindow::CmHeader() { neighbours_.print->CmHeader(state_); }
void LogWindow::CmCreateLasFile()
{
    // The export reads the data file the open text views or an entry may be changing.
    if (DataFileBusy()) {
        platform::MessageBeep(0);
        return;
    }
    neighbours_.elog->CreateLasFile(state_);
}
void LogWindow::CmAppendFileDepth()
{
    if (DataFileBusy()) {
        platform::MessageBeep(0);
        return;
    }
    app::CorrectFileDepth(state_, wellServices_, 0, 0);
}

void LogWindow::CmAdjustFileDepth()
{
    if (state_.interaction.commandLock || DataFileBusy()) {
        platform::MessageBeep(0);
        return;
    }
    app::AdjustFileDepth(state_, wellServices_);
}

void LogWindow::CmEnterRates() { neighbours_.entry->CmEnterRates(state_); }
void LogWindow::CmEnterLithology() { neighbours_.entry->CmEnterLithology(state_); }
void LogWindow::CmEnterGas() { neighbours_.entry->CmEnterGas(state_); }
void LogWindow::CmEnterShows() { neighbours_.entry->CmEnterShows(state_); }
void LogWindow::CmFlareData() { neighbours_.entry->CmFlareData(state_); }
void LogWindow::CmDrilling() { neighbours_.drilling->CmDrilling(state_); }
void LogWindow::CmLagTime() { neighbours_.drilling->CmLagTime(state_); }
void LogWindow::CmBackupReminder() { neighbours_.drilling->CmBackupReminder(state_); }
void LogWindow::CmWitsAlarms() { neighbours_.wits->CmWitsAlarms(state_); }
void LogWindow::CmGasMonitor() { neighbours_.gasmon->CmGasMonitor(state_); }
void LogWindow::CmGasMonitorSetup() { neighbours_.gasmon->CmGasMonitorSetup(state_); }
void LogWindow::CmWits() { neighbours_.wits->CmWits(state_); }
void LogWindow::CmWitsSetup() { neighbours_.wits->CmWitsSetup(state_); }
void LogWindow::CmCustomWits() { neighbours_.wits->CmCustomWits(state_); }
void LogWindow::CmCustomWitsSetup() { neighbours_.wits->CmCustomWitsSetup(state_); }
void LogWindow::CmRemoteSetup() { neighbours_.exchange->CmRemoteSetup(state_); }
void LogWindow::CmLiveUpdateConfig() { neighbours_.exchange->CmLiveUpdateConfig(state_); }

// ---- Recent files and formation tops ----

void LogWindow::CmOpenRecent(int id)
{
    app::LogState& s = state_;
    const int entry = id - app::cmd::RecentFirst;
    if (entry < 0 || entry >= int(s.env.recentFiles.size()))
        return;
    const QString name = s.env.recentFiles[std::size_t(entry)];
    if (name.isEmpty() || !QFileInfo(name).isFile())
        return;  // a file that has gone is passed over
    wellServices_.drilling = neighbours_.drilling;
    // What the window shows of the open well goes only once the chosen file is accepted.
    app::OpenCheckedDataFile(s, wellServices_, name, [this, &s] {
        logView_->HideReadout();
        if (s.options.gasPercent) {
            s.options.gasPercent = false;
            CheckMenuItem(app::cmd::GasPercent, false);
        }
        s.options.schemeLinkedCustomTracks = false;
        if (s.customTracks.data) {
            layout::ResetCustomTracks(s.customTracks.host, s.customTracks.data.get(), &s.well.config);
            s.customTracks.data.reset();
            s.options.customTracksView = false;
        }
        DestroyQuickBar();  // its position is the open well's
        if (s.view.logImageMode) {
            wellServices_.view->FreeLogImage(s);
            s.view.logImageMode = false;
        }
        CloseHorizontalView();
        s.well.file.customDataFileName.clear();
    });
}

void LogWindow::CmGotoTop(int id)
{
    app::LogState& s = state_;
    const int i = id - app::cmd::GotoTopFirst;
    if (i < 0 || i >= int(s.well.tops.size()))
        return;
    const std::int32_t depth = s.well.tops[std::size_t(i)].depth;
    wellfile::OpenWell& f = s.well.file;
    if (depth > f.fileBottomDepth) {
        platform::MessageBox(QStringLiteral("Top depth is greater than maximum file depth"), QStringLiteral("Error"),
                             platform::MB_OK);
        return;
    }
    if (depth < f.fileTopDepth) {
        platform::MessageBox(QStringLiteral("Top depth is less than minimum file depth"), QStringLiteral("Error"),
                             platform::MB_OK);
        return;
    }
    f.viewTopDepth = depth - (s.view.viewScale > 2 ? 50 : 10);
    MarkRedraw();
    SyncDepthBar();
}

void LogWindow::CmEditTops()
{
    if (CommandGuardFails())
        return;
    app::LogState& s = state_;
    CloseHorizontalView();
    if (neighbours_.entry->RunTopsDialog(s) != platform::IDOK)
        return;
    BuildMenu(-1);
    MarkRedraw();
    s.well.topsChanged = true;
    if (s.well.file.drilling && s.well.file.copyOut && s.well.file.hooks.copyWellFileOut)
        s.well.file.hooks.copyWellFileOut(QStringLiteral(".top"));
}

// ---- Display toggles ----

void LogWindow::CmGasPercent()
{
    if (CommandGuardFails())
        return;
    app::LogState& s = state_;
    const int p = s.well.loggerId;
    const bool available = !wellfile::SandShaleProfile(p) &&
                           (!wellfile::AlternateFormatProfile(p) || s.well.config.alternateFormat != 0) &&
                           s.options.gasRatioPlotAllowed;
    if (!available) {
        platform::MessageBox(QStringLiteral("Ratio Plot Not Available"), QStringLiteral("Info"), platform::MB_OK);
        s.options.gasPercent = false;
        CheckMenuItem(app::cmd::GasPercent, false);
        return;
    }
    s.options.gasPercent = !s.options.gasPercent;
    CheckMenuItem(app::cmd::GasPercent, s.options.gasPercent);
    MarkRedraw();
}

void LogWindow::CmOffsetRop()
{
    if (CommandGuardFails())
        return;
    app::LogState& s = state_;
    if (s.options.offsetRop) {
        s.options.offsetRop = false;
        CheckMenuItem(app::cmd::OffsetRop, false);
    } else {
        if (s.well.offset.file.isEmpty())
            shell::SelectRop(s, wellServices_);
        if (s.well.offset.file.isEmpty())
            return;
        s.options.offsetRop = true;
        CheckMenuItem(app::cmd::OffsetRop, true);
        app::LoadOffsetRecords(s);
    }
    MarkRedraw();
}

void LogWindow::CmHotwire()
{
    const bool on = !state_.options.hotwire;
    state_.options.hotwire = on;
    CheckMenuItem(app::cmd::Hotwire, on);
    StoreHotwire(on);
}

// ---- Dialogs of other subsystems behind the busy rule ----

void LogWindow::CmWaterSaturation()
{
    if (CommandGuardFails())
        return;
    app::LogState& s = state_;
    if (!s.engines.elogCurves || neighbours_.elog->CurveData(s).rows.empty()) {
        platform::MessageBox(QStringLiteral("No curve data available"), QString(), platform::MB_OK);
        return;
    }
    neighbours_.elog->RunWaterSaturation(s, s.well.file.viewTopDepth);
}

void LogWindow::CmSaveReportsText()
{
    if (!CommandGuardFails())
        neighbours_.reports->SaveReportsAsText(state_, state_.well.file.wellName);
}

void LogWindow::CmLagCalculator()
{
    app::LogState& s = state_;
    s.interaction.dialogOpen = true;
    neighbours_.drilling->RunLagCalculator(s);
    s.interaction.dialogOpen = false;
}

void LogWindow::CmTestGasValues()
{
    app::LogState& s = state_;
    const std::unique_ptr<wellfile::RECORD> last = wellfile::ReadLastRecord(s.well.file, s.well.file.dataFileName);
    if (last)
        neighbours_.entry->RunTestGasDialog(s, *last);
}

// ---- Remote monitor ----

void LogWindow::CmRemoteMonitor()
{
    app::LogState& s = state_;
    wellfile::RemoteConfig cfg;
    wellfile::LoadDownloadConfig(s.well.file.dataFolder, cfg);
    const QString folder = wellfile::RemoteFolder(platform::FieldString(cfg.receiveFolder));
    s.env.remoteReceiveFolder = folder.isEmpty() ? s.well.file.dataFolder : folder;

    if (!s.env.remoteMonitorOn && s.env.serverStation && s.env.firstInstance) {
        CheckMenuItem(app::cmd::RemoteMonitor, true);
        s.env.remoteMonitorOn = true;
        // Seconds from the record; a period no timer holds runs at the longest.
        const std::int64_t ms = std::int64_t(cfg.interval) * 1000;
        SetTimer(1, int(std::min<std::int64_t>(ms, std::numeric_limits<int>::max())));
        DrawRemoteMonitorNotice();
        return;
    }
    if (!s.env.firstInstance && !s.view.holdRepaint)
        platform::MessageBox(QStringLiteral("Remote Monitor can only be enabled with the\nfirst instance of StrativM"),
                             QStringLiteral("ERROR"), platform::MB_OK);
    CheckMenuItem(app::cmd::RemoteMonitor, false);
    s.env.remoteMonitorOn = false;
    KillTimer(1);
    MarkRedraw();  // the title band without the notice
}

int LogWindow::LoadRemoteConfig()
{
    app::LogState& s = state_;
    const wellfile::OpenWell& well = s.well.file;
    const exchange::RemoteLoad load = exchange::LoadRemoteConfig(well.dataFolder, well.wellName, well.drilling,
                                                                 s.env.serverStation, s.env.firstInstance != 0);
    if (well.drilling && s.engines.driller) {
        drilling::DrillerSetup setup = s.engines.driller->Setup();
        setup.updatePackageInterval = load.sendInterval;
        setup.depthUnitsToSend = load.depthUnits;
        s.engines.driller->SetSetup(setup);
    }
    if (load.refused && !s.view.holdRepaint)
        platform::MessageBox(QStringLiteral("Remote Monitor can only be enabled with the\nfirst instance of StrativM"),
                             QStringLiteral("ERROR 2"), platform::MB_OK);
    // Drilling switches the monitor off at once: it is not started only to be stopped.
    if (load.start && !s.env.remoteMonitorOn && !well.drilling)
        CmRemoteMonitor();
    return 1;
}

void LogWindow::DrawRemoteMonitorNotice()
{
    const app::LogState& s = state_;
    QImage& store = bitmaps_->backingStore;
    if (store.isNull())
        return;
    const layout::LogLayout& L = s.layout.format;
    const int x = s.env.screenWidth > 1280 ? s.env.screenWidth / 4 : s.env.screenWidth / 2;
    const int y = L.logAreaTop - 4 * L.pixelsPerStep;
    const QString text = QStringLiteral(" Remote Monitor Running ");
    platform::Dc dc(store);
    dc.SelectObject(platform::Font(QStringLiteral("Arial"), -L.pixelsPerStep, platform::FW_BOLD));
    dc.SetTextAlign(platform::TA_CENTER | platform::TA_TOP);
    dc.SetTextColor(platform::RGB(255, 0, 0));
    dc.TextOut(x, y, text);
    const platform::SIZE size = dc.GetTextExtent(text);
    update(x - size.cx / 2 - 1, ClientTop() + y, size.cx + 2, size.cy + 1);
}

}  // namespace shell
