// The main window's log layout, pens, display schemes and custom tracks: the window hands the layout
// routines its state groups; their hosts' callbacks (layout, grid images, menu, repaint) are set by the
// constructor (logwindow_create.cpp).
#include "shell/ui/logwindow.h"

#include "app/activitylines.h"
#include "app/layouthosts.h"
#include "app/opendatafile.h"
#include "app/printtracks.h"
#include "app/wellsettings.h"
#include "elog/schemehost.h"
#include "layout/ui/pendialog.h"
#include "layout/ui/schemedialog.h"
#include "platform/text.h"
#include "wellfile/settingsblock.h"

#include <memory>

namespace shell {

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
    calls.createDepthScrollBar = [this] {
        CreateDepthScrollBar();
        FitHorizontalBar();
    };
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
    elog::RefreshSchemeHost(state_);
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
    elog::RefreshSchemeHost(state_);
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
    elog::RefreshSchemeHost(state_);
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

}  // namespace shell
