// The custom-track setup from the main window: what the dialog shows of the open well, and the window's
// side of its immediate actions (the maximum gas scale, views and the settings source, the e-log
// lithology table), and the quick view bar's switch of the custom tracks.
#include "shell/ui/logwindow.h"

#include "app/commandids.h"
#include "app/layouthosts.h"
#include "app/opendatafile.h"
#include "app/wellsettings.h"
#include "drilling/drilling_services.h"
#include "elog/schemehost.h"
#include "layout/custchartcfg.h"
#include "layout/scaleinterval.h"
#include "layout/ui/custcfgdialog.h"
#include "platform/draw/syscolors.h"
#include "platform/services.h"
#include "tracks/ui/eloglithdialog.h"
#include "wellfile/settingsblock.h"

#include <memory>

namespace shell {

bool LogWindow::RunCustomTrackDialog(layout::CUSTCHARTCFGEX& config, int track)
{
    app::LogState& s = state_;
    const wellfile::OpenWell& f = s.well.file;
    layout::CustomTrackHost& tracks = s.customTracks.host;

    layout::CustCfgContext context;
    context.dataFolder = f.dataFolder;
    context.currentFolder = f.currentFolder;
    context.wellName = f.wellName;
    context.configPath = s.customTracks.data ? s.customTracks.data->ConfigPath() : QString();
    context.fileTopDepth = f.fileTopDepth;
    context.fileBottomDepth = f.fileBottomDepth;
    context.viewTopDepth = f.viewTopDepth;
    context.loggerId = s.well.loggerId;
    context.drilling = s.engines.driller != nullptr;
    context.elogLoaded = s.engines.elogCurves != nullptr;
    context.sharedFolderWell = s.well.sharedFolderWell;
    context.predefinedTracksOption = s.well.fit.extRecordOption;
    context.fitDataEnabled = s.well.fit.dataEnabled;
    context.secondFolderOption = f.secondFolderOption;
    context.hardnessColumn = s.well.config.useHardnessLabel != 0;
    context.customTrackSource = tracks.customTrackSource;
    context.useCustomScheme = s.customTracks.useCustomScheme != 0;
    const layout::PenTable& pens = s.layout.pens.table;
    context.fitC5 = platform::ResolveColor(pens.entry[45].colour);
    context.fitC6 = platform::ResolveColor(pens.entry[46].colour);

    layout::CustCfgHost host;
    host.setUseCustomScheme = [this](bool on) { state_.customTracks.useCustomScheme = on ? 1 : 0; };
    host.loadSchemeNames = [this](std::array<QString, 6>& names) { return elog::LoadSchemeNames(state_, names); };
    host.writeMaxGasScale = [this](std::uint16_t value, std::int32_t from, std::int32_t to) {
        app::LogState& st = state_;
        if (layout::WriteScaleInterval(st.well.file, layout::ScaleField::MaxGas, value, from, to) == 0)
            return;
        // The records still to be drilled carry the new scale too.
        if (st.engines.driller && neighbours_.drilling && st.well.file.fileBottomDepth - 1 <= to)
            neighbours_.drilling->SetWorkingRecordsScale(st, int(layout::ScaleField::MaxGas), value);
        MarkRedraw();
    };
    host.setTrackSource = [this](std::int32_t source) {
        if (!app::UpdateDbc(state_, [source](wellfile::SettingsBlock& block) { block.customTrackSource = source; }))
            return false;
        state_.customTracks.host.customTrackSource = source;
        return true;
    };
    host.reloadTracks = [this] {
        app::LogState& st = state_;
        LoadCustomTracks(false);
        SetLogFormat(st.well.loggerId);
        wellServices_.view->BuildGridBitmaps(st);
        if (st.customTracks.data)
            st.customTracks.data->LoadTrackConfig();
        MarkRedraw();
    };
    host.advanced = [this](QWidget* parent) {
        app::LogState& st = state_;
        wellfile::WellConfig stored{};
        const bool loaded = wellfile::LoadConfig(stored, app::PlaceOf(st), st.well.fieldSettings) == 1;
        if (!loaded)
            stored = st.well.config;
        tracks::ELOGLITHDLG dialog(parent, stored, [this, loaded](const tracks::ElogLithThresholds& table) {
            app::LogState& log = state_;
            if (!loaded) {
                platform::MessageBox(QStringLiteral("The settings of the well could not be read; the table was not saved"),
                                     QStringLiteral("File Error"), platform::MB_OK);
                return false;
            }
            const auto saved = app::UpdateWellConfig(log, [&table](wellfile::WellConfig& c) {
                tracks::SetElogLithThresholds(c, table);
                return true;
            });
            if (!saved)
                return false;
            tracks::SetElogLithThresholds(log.well.config, table);
            MarkRedraw();
            return true;
        });
        dialog.Execute();
    };

    layout::CustCfgDlg dialog(this, config, track, context, host);
    return dialog.Execute() == platform::IDOK;
}

void LogWindow::ToggleCustomTracks()
{
    app::LogState& s = state_;
    const bool linked = s.options.schemeLinkedCustomTracks;
    if (linked)
        for (int id = app::cmd::SchemeFirst; id <= app::cmd::SchemeFirst + 3; ++id)
            menu_.Check(id, false);
    const bool on = !s.options.customTracksView;
    if (on) {
        s.well.customTracksEnabled = true;
        LoadCustomTracks(false);
    } else {
        layout::ResetCustomTracks(s.customTracks.host, s.customTracks.data.get(), &s.well.config);
        s.customTracks.data.reset();
        s.well.customTracksEnabled = false;
    }
    s.options.customTracksView = on;
    if (linked) {
        // Scheme 2 goes with the custom tracks, scheme 1 without them.
        ApplyScheme(on ? 1 : 0, false);
        menu_.Check(app::cmd::SchemeFirst + (on ? 1 : 0), true);
        MirrorMenuBar();
    }
    SetLogFormat(s.well.loggerId);
    wellServices_.view->BuildGridBitmaps(s);
    // The log's bottom moves with the tracks: nothing of the old picture may stay below the new one.
    s.view.redrawPending = true;
    InvalidateErased();
}

}  // namespace shell
