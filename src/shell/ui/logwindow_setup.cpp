// The "Lines and Scales" command: the window's side of the set-up dialog. The dialog edits a copy of the
// well's settings record; "Save and Close" writes it and only then makes it the window's record, and the
// log is laid out again for what changed.
#include "shell/ui/logwindow.h"

#include "app/opendatafile.h"
#include "app/wellsettings.h"
#include "gasmon/autogas.h"
#include "gasmon/gashost.h"
#include "layout/scaleinterval.h"
#include "layout/ui/setupdialog.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "platform/winapi.h"
#include "wellfile/checkheader.h"
#include "wellfile/datafile.h"
#include "wellfile/profile.h"
#include "wits/witscommands.h"

#include <QFileInfo>

#include <algorithm>

namespace shell {

namespace {

layout::SetupEnvironment SetupEnvironmentOf(const app::LogState& s)
{
    layout::SetupEnvironment env;
    env.loggerId = s.well.loggerId;
    env.drilling = s.engines.driller != nullptr;
    env.witsLink = s.engines.wits != nullptr;
    env.customWitsLink = s.engines.custWits != nullptr;
    env.gasInstrumentType = s.engineStatus.gasInstrumentType;
    env.scratchWell = s.well.scratchWell;
    env.customTracksAvailable = app::CustomTracksAvailable(s);
    const wellfile::WellPlace place = app::PlaceOf(s);
    env.regionCode = [place] { return wellfile::CheckHeader(place); };
    return env;
}

}  // namespace

void LogWindow::CmLinesAndScales()
{
    app::LogState& s = state_;
    if (s.interaction.commandLock || s.interaction.dataEntryActive) {
        platform::MessageBeep(0);
        return;
    }
    const std::int32_t rateBefore = s.view.rateInMetresPerHour;
    const std::int32_t alternateBefore = s.well.config.alternateFormat;
    const std::uint16_t airBefore = s.well.config.airFormat;
    const bool customBefore = s.well.customTracksEnabled;
    const bool drilling = s.engines.driller != nullptr;

    // The record as stored; the window's own changes since the last save, which a Cancel keeps, are
    // taken over.
    wellfile::WellConfig config{};
    if (!wellfile::LoadConfig(config, app::PlaceOf(s), s.well.fieldSettings))
        config = s.well.config;
    config.logRateScale = s.well.config.logRateScale;
    config.co2ScaleCode = s.well.config.co2ScaleCode;
    if (drilling)
        config.minSecondsPerUnit = s.well.config.minSecondsPerUnit;

    layout::OutsideSettings outside;
    outside.rateInMetresPerHour = s.view.rateInMetresPerHour;
    outside.customTracksEnabled = s.well.customTracksEnabled;
    outside.fieldSettings = s.well.fieldSettings;
    outside.timeZoneAdjust = s.well.timeZoneAdjust;
    outside.storeAllWits = s.setupOptions.storeAllWits;
    // These two open unchecked.

    layout::SetupDlgContext context;
    context.env = SetupEnvironmentOf(s);
    context.gasMonitor = s.engines.autoGas != nullptr;
    const wellfile::OpenWell& f = s.well.file;
    context.localConfigExists =
        QFileInfo::exists(platform::FindFileNoCase(f.currentFolder, f.wellName + QStringLiteral(".cfg")));
    context.trackFlags = s.layout.schemes.trackFlags;
    context.codes = layout::ScaleCodesOf(wellfile::ReadLastRecord(f, f.dataFileName).get());
    context.screenWidth = s.env.screenWidth;
    context.screenHeight = s.env.screenHeight;
    context.monitorCount = s.env.monitorCount;
    context.fileTopDepth = f.fileTopDepth;
    context.fileBottomDepth = f.fileBottomDepth;
    context.viewTopDepth = f.viewTopDepth;
    if (drilling)
        context.driller = neighbours_.drilling->Settings(s);

    layout::SetupHost host;
    host.writeInterval = [this](layout::ScaleField field, std::uint16_t code, std::int32_t from, std::int32_t to) {
        app::LogState& st = state_;
        if (layout::WriteScaleInterval(st.well.file, field, code, from, to) == 0)
            return;
        // The records still to be drilled carry the new scale too.
        if (st.engines.driller && to >= st.well.file.fileBottomDepth - 1)
            neighbours_.drilling->SetWorkingRecordsScale(st, int(field), code);
        MarkRedraw();
    };
    host.clearLogRateScale = [this] { state_.well.config.logRateScale = 0; };
    host.setCo2Scale = [this](int code) {
        state_.well.config.co2ScaleCode = code;
        MarkRedraw();
    };
    host.setDelay = [this](std::int32_t delay) {
        state_.well.config.minSecondsPerUnit = delay;
        neighbours_.drilling->SetDelay(state_, delay);
    };
    host.setOnBottomMode = [this](int mode) { neighbours_.drilling->SetOnBottomMode(state_, mode); };
    host.resetDialogs = [this] {
        if (QWidget* bar = tools_.quickBar)  // moved while shown, as the bar's own placing does
            bar->move(mapToGlobal(QPoint(state_.layout.format.logArea.left, state_.layout.format.logArea.top)));
        // The live gas windows to the gas track and the WITS data window to the log's left edge, all at
        // the bottom of the log area.
        const layout::LogLayout& format = state_.layout.format;
        const int bottom = ClientTop() + format.logArea.bottom;
        const QPoint dataHome = mapToGlobal(QPoint(format.logArea.left, bottom));
        const QPoint gasHome = mapToGlobal(QPoint(format.gas.left, bottom));
        if (const gasmon::AutoGas* monitor = state_.engines.autoGas; monitor && monitor->display())
            monitor->display()->ShowAt(gasHome.x(), gasHome.y());
        witsLink_->MoveWindowsHome(dataHome.x(), gasHome.x(), dataHome.y());
    };
    host.toggleFieldSettings = [this] {
        app::LogState& st = state_;
        st.well.fieldSettings = !st.well.fieldSettings;
        const bool field = st.well.fieldSettings;
        app::UpdateDbc(st, [field](wellfile::SettingsBlock& block) { block.fieldSettings = field ? 1 : 0; });
        LoadFileSettings();
        if (st.well.customTracksEnabled)
            LoadCustomTracks(false);
        SetLogFormat(st.well.loggerId);
        wellServices_.view->BuildGridBitmaps(st);
        if (st.engines.elogCurves) {
            wellServices_.view->CloseElog(st);
            if (!st.well.elogFileName.isEmpty())
                wellServices_.view->LoadElog(st, st.well.elogFileName);
        }
        wellfile::OpenWell& w = st.well.file;
        w.viewTopDepth = std::max(w.fileBottomDepth - w.viewDepthSpan, w.fileTopDepth + 10);
        MarkRedraw();
    };
    host.save = [this](const wellfile::WellConfig& cfg, const layout::OutsideSettings& out,
                       const layout::DrillerSettings* driller) {
        app::LogState& st = state_;
        if (!app::SaveWellConfig(st, cfg))
            return false;
        st.well.config = cfg;
        st.view.rateInMetresPerHour = out.rateInMetresPerHour;
        st.well.customTracksEnabled = out.customTracksEnabled;
        st.well.timeZoneAdjust = out.timeZoneAdjust;
        st.well.fieldSettings = true;
        st.setupOptions = {out.storeAllWits, out.sendAllPictures, out.sendChartFile};
        const std::int32_t timeZone = out.timeZoneAdjust;
        app::UpdateDbc(st, [timeZone](wellfile::SettingsBlock& block) {
            block.fieldSettings = 1;
            block.timeZoneAdjust = timeZone;
        });
        if (driller) {
            neighbours_.drilling->ApplySettings(st, *driller);
            neighbours_.drilling->ShowStatusBox(st, cfg.useWitsDepth == 0 || cfg.witsDepthOption != 0);
        }
        if (st.layout.schemes.quickView) {
            st.layout.schemes.quickView = false;
            SetLogFormat(st.well.loggerId);
            wellServices_.view->BuildGridBitmaps(st);
            wellServices_.view->LoadElog(st, st.well.elogFileName);
        }
        return true;
    };

    layout::SetupDlg dialog(this, config, outside, context, host);
    if (dialog.Execute() == platform::IDOK) {
        const int profile = s.well.loggerId;
        const bool customChanged = s.well.customTracksEnabled != customBefore;
        const bool airChanged = s.well.config.airFormat != airBefore;
        const bool alternateChanged = s.well.config.alternateFormat != alternateBefore;
        if (customChanged || airChanged || alternateChanged) {
            if (app::CustomTracksAvailable(s) && profile != 16 && customChanged) {
                if (s.well.customTracksEnabled)
                    LoadCustomTracks(false);
                else
                    s.layout.schemeHost.resetCustomTracks();
                s.well.config.airFormat = 0;
                SetLogFormat(profile);
            }
            if (airChanged) {
                if (s.customTracks.data)
                    s.layout.schemeHost.resetCustomTracks();
                SetLogFormat(profile);
            }
            if (alternateChanged) {
                SetLogFormat(profile);
                if (s.well.customTracksEnabled)
                    LoadCustomTracks(false);
            }
            if (s.engines.elogCurves) {
                wellServices_.view->CloseElog(s);
                if (!s.well.elogFileName.isEmpty())
                    wellServices_.view->LoadElog(s, s.well.elogFileName);
            }
            wellServices_.view->BuildGridBitmaps(s);
        }
        if (wellfile::SandShaleProfile(profile) && s.view.rateInMetresPerHour != rateBefore) {
            SetLogFormat(profile);
            wellServices_.view->BuildGridBitmaps(s);
            LoadFileSettings();
        }
        MarkRedraw();
        CreateDepthScrollBar();
    }
    BuildMenu(-1);
    if (!s.well.config.hideShortReports)
        wellServices_.view->LoadShortReports(s);
    activateWindow();
}

}  // namespace shell
