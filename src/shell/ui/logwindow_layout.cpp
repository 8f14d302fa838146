// The main window's log layout, pens, display schemes and custom tracks: the window hands the layout
// routines its state groups and answers their callbacks (layout, grid images, menu, repaint).
#include "shell/ui/logwindow.h"

#include "app/activitylines.h"
#include "app/commandids.h"
#include "app/layouthosts.h"
#include "app/opendatafile.h"
#include "app/printtracks.h"
#include "app/wellsettings.h"
#include "elog/elog_services.h"
#include "layout/ui/pendialog.h"
#include "layout/ui/schemedialog.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/settingsblock.h"

#include <memory>

int LogWindow::ClientHeight() const { return height() - ClientTop(); }

void LogWindow::MarkRedraw()
{
    state_.view.redrawPending = true;
    InvalidateLog();
}

void LogWindow::InstallLayoutHosts()
{
    app::LogState& s = state_;

    layout::SchemeHost& sh = s.layout.schemeHost;
    sh.loadConfig = [this](wellfile::WellConfig& c) {
        return wellfile::LoadConfig(c, app::PlaceOf(state_), state_.well.fieldSettings) == 1;
    };
    sh.saveConfig = [this](const wellfile::WellConfig& c) {
        if (!app::SaveWellConfig(state_, c))
            return false;
        state_.well.config = c;
        return true;
    };
    sh.saveFieldSchemesFlag = [this] {
        if (!app::SaveFieldSchemesFlag(state_))
            platform::MessageBox(QStringLiteral("The user settings could not be saved"), QStringLiteral("File Error"),
                                 platform::MB_OK);
    };
    sh.setCurveFile = [this](const QString& file, std::int32_t depthOffset) {
        state_.well.elogFileName = file;
        state_.well.elogDepthOffset = depthOffset;
        elog::PublishCurves(state_);
    };
    sh.setLogFormat = [this] { SetLogFormat(state_.well.loggerId); };
    sh.buildGridBitmaps = [this] { wellServices_.view->BuildGridBitmaps(state_); };
    sh.loadCustomTracks = [this] { LoadCustomTracks(false); };
    sh.resetCustomTracks = [this] {
        layout::ResetCustomTracks(state_.customTracks.host, state_.customTracks.data.get(), &state_.well.config);
    };
    sh.buildMenu = [this] { BuildMenu(6); };
    sh.checkSchemeMenu = [this](int scheme) {
        for (int k = 0; k <= app::cmd::SchemeLast - app::cmd::SchemeFirst; ++k)
            menu_.Check(app::cmd::SchemeFirst + k, k == scheme);
        MirrorMenuBar();
    };
    sh.markRedraw = [this] { state_.view.redrawPending = true; };
    sh.invalidate = [this] { InvalidateLog(); };
    sh.refreshGasDisplay = [this] { neighbours_.gasmon->RefreshGasDisplay(state_); };
    sh.reloadCurves = [this] { wellServices_.view->LoadElog(state_, state_.well.elogFileName); };

    layout::CustomTrackHost& ch = s.customTracks.host;
    ch.markFieldCustomTracks = [this] {
        app::UpdateDbc(state_, [](wellfile::SettingsBlock& block) { block.customTrackSource = 1; });
    };
    ch.depthAtRow = [this](int row) { return DepthAtRow(row); };
    ch.custCfgDlg = [this](layout::CUSTCHARTCFGEX& config, std::int32_t, int track) {
        return RunCustomTrackDialog(config, track);
    };
    ch.setLogFormat = [this] { SetLogFormat(state_.well.loggerId); };
    ch.buildGridBitmaps = [this] { wellServices_.view->BuildGridBitmaps(state_); };
    ch.repaint = [this] { MarkRedraw(); };

    s.lists.loadSchemeNames = [this](std::array<QString, 6>& names) { return app::LoadSchemeNames(state_, names); };

    // The passes are ready before any well is open; opening a well installs them again with its own
    // shared-copy flag. After each pass the log is drawn again.
    wellfile::OpenWell& well = s.well.file;
    well.hooks.repaired = [this] { MarkRedraw(); };
    wellfile::InstallRepairHooks(
        wellfile::RepairTarget{well, s.well.loggerId, s.well.repair, s.well.fit, s.well.sharedFolderWell});
}

void LogWindow::SetLogFormat(int profile, int rowHeight)
{
    app::LogState& s = state_;
    layout::LogLayout& L = s.layout.format;
    // The format reads and may change the alternate-format setting and the hot-wire mode; the settings
    // record and the menu keep them between calls.
    L.alternateFormat = s.well.config.alternateFormat != 0;
    L.hotWire = s.options.hotwire;

    layout::LayoutCalls calls;
    calls.setPens = [this] { SetPens(false); };
    calls.createDepthScrollBar = [this] { CreateDepthScrollBar(); };
    calls.trace = [this](const QString& line) {
        if (state_.env.verboseActivityLog)
            app::WriteActivityLine(state_, platform::ToCp1252(line).toStdString());
    };
    layout::SetLogFormat(L, profile, rowHeight, app::LayoutInputsOf(s, ClientHeight()), calls);

    s.options.hotwire = L.hotWire;
    s.well.file.viewDepthSpan = L.viewDepthSpan;
    app::RefreshCustomTrackHost(s);
}

void LogWindow::SetPens(bool reset)
{
    layout::SetPens(state_.layout.pens, state_.well.file, app::PenOptionsOf(state_), reset);
}

int LogWindow::ApplyScheme(int scheme, bool repaint)
{
    app::RefreshSchemeHost(state_);
    return layout::ApplyScheme(state_.layout.schemes, state_.layout.schemeHost, scheme, repaint);
}

void LogWindow::LoadCustomTracks(bool freeObject)
{
    app::LogState& s = state_;
    app::RefreshCustomTrackHost(s);
    layout::CustomTrackHost& host = s.customTracks.host;
    // A shared-folder well's ".dbc" says whether its custom tracks live in the data folder.
    host.customTrackSource = 0;
    if (s.well.sharedFolderWell) {
        auto block = std::make_unique<wellfile::SettingsBlock>();
        if (wellfile::LoadDbc(*block, app::PlaceOf(s)))
            host.customTrackSource = block->customTrackSource;
    }
    layout::LoadCustomTracks(host, s.customTracks.data, freeObject);
}

const layout::PrintLayout& LogWindow::LayoutTracks(float b) { return app::LayoutPrintTracks(state_, b); }

void LogWindow::SelectScheme(int scheme)
{
    state_.view.viewLayout = false;
    app::RefreshSchemeHost(state_);
    layout::SelectScheme(state_.layout.schemes, state_.layout.schemeHost, scheme);
}

void LogWindow::CmSelectScheme1() { SelectScheme(0); }
void LogWindow::CmSelectScheme2() { SelectScheme(1); }
void LogWindow::CmSelectScheme3() { SelectScheme(2); }
void LogWindow::CmSelectScheme4() { SelectScheme(3); }
void LogWindow::CmSelectScheme5() { SelectScheme(4); }
void LogWindow::CmSelectScheme6() { SelectScheme(5); }

void LogWindow::CmEditSchemes()
{
    app::RefreshSchemeHost(state_);
    layout::EditSchemesContext context;
    context.alternateFormat = state_.layout.format.alternateFormat;
    context.notesLoaded = false;  // the notes belong to data entry, which does not load them yet
    layout::CmEditSchemes(state_.layout.schemes, state_.layout.schemeHost, context, this);
}

void LogWindow::CmEditLogColors()
{
    bool gridChanged = false;
    if (!layout::EditLogColours(this, state_.layout.pens, state_.well.file, app::PenOptionsOf(state_), &gridChanged))
        return;  // cancelled, or the failure was reported: nothing to draw again
    if (gridChanged)
        wellServices_.view->BuildGridBitmaps(state_);
    MarkRedraw();
}
