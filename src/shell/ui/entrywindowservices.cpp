#include "shell/ui/entrywindowservices.h"

#include "app/logstate.h"
#include "entry/draw/depthlines.h"
#include "entry/draw/flares.h"
#include "entry/entrycommand.h"
#include "entry/flarecommand.h"
#include "entry/ui/enterflaredlg.h"
#include "entry/ui/enterlithdlg.h"
#include "entry/ui/enterrate.h"
#include "entry/ui/entershow.h"
#include "entry/ui/loggasinput.h"
#include "logview/draw/viewbitmaps.h"
#include "logview/geometryof.h"
#include "logview/logview_services.h"
#include "platform/draw/dc.h"
#include "platform/inputbox.h"
#include "platform/winapi.h"
#include "shell/ui/logwindow.h"

#include <QScreen>

#include <algorithm>

namespace shell {

namespace {

// The log's columns an entry dialog types into, as log x from `left` to `right`.
struct EntryColumn {
    int left = 0, right = 0;
};

EntryColumn EntryColumnOf(const logview::ViewGeometry& g, entry::EntryKind kind)
{
    const auto of = [](const layout::Column& c) { return EntryColumn{c.left, c.Right()}; };
    switch (kind) {
    case entry::EntryKind::Rates: return of(g.rate);
    case entry::EntryKind::Lithology: return of(g.lithology.count > 0 ? g.lithology : g.sideLithology);
    case entry::EntryKind::Shows: {
        EntryColumn c = of(g.porosity.count > 0 ? g.porosity : g.lithology);
        for (const layout::Column* more : {&g.fluorescence, &g.cut})
            if (more->count > 0)
                c.right = std::max(c.right, more->Right());
        return c;
    }
    case entry::EntryKind::Gas: break;
    }
    return {g.gas.left, g.gasRight};  // the gas and flare entries
}

// An entry dialog stands beside the log's column it types into, so that the rows being typed stay in
// sight and the eye does not travel: right of the column when the screen has room there, else left of
// it, level with the log's top.
void PlaceBesideLog(QWidget& dialog, LogWindow& main, entry::EntryKind kind)
{
    dialog.adjustSize();
    const QSize size = dialog.size();
    const logview::ViewGeometry g = logview::GeometryOf(main.State());
    const EntryColumn column = EntryColumnOf(g, kind);
    const int scroll = g.horizontalScroll;
    const QPoint left = main.mapToGlobal(QPoint(column.left - scroll, 0));
    const QPoint right = main.mapToGlobal(QPoint(column.right - scroll, 0));
    const QRect screen = main.screen() ? main.screen()->availableGeometry() : QRect();
    int x = right.x() + 4;
    if (!screen.isEmpty() && x + size.width() > screen.right())
        x = left.x() - size.width() - 4;
    if (!screen.isEmpty())
        x = std::clamp(x, screen.left(), std::max(screen.left(), screen.right() - size.width()));
    int y = main.mapToGlobal(QPoint(0, 0)).y() + main.State().layout.format.logAreaTop;
    if (!screen.isEmpty())
        y = std::clamp(y, screen.top(), std::max(screen.top(), screen.bottom() - size.height()));
    dialog.move(x, y);
}

// The gas entry's row marker, XOR-drawn over the log's backing store and shown at once.
void ToggleRowMarker(app::LogState& s, int y, bool up, bool single)
{
    if (!s.view.bitmaps || s.view.bitmaps->backingStore.isNull())
        return;
    const logview::ViewGeometry g = logview::GeometryOf(s);
    {
        platform::Dc dc(s.view.bitmaps->backingStore);
        dc.SetViewportOrg(-g.horizontalScroll, 0);
        entry::DrawDepthLines(dc, g, y, up, single);
    }
    if (s.view.updateArea)
        s.view.updateArea(0, y - g.rowHeight, s.view.bitmaps->backingStore.width(), y + 2 * g.rowHeight + 1);
}

// A stored flare step, drawn on the log's backing store and shown at once.
void DrawFlareEntryRows(app::LogState& s, int index, int y)
{
    if (!s.view.bitmaps || s.view.bitmaps->backingStore.isNull())
        return;
    const logview::ViewGeometry g = logview::GeometryOf(s);
    const logview::Device screen = logview::Device::Screen();
    entry::FlareRows rows;
    {
        platform::Dc dc(s.view.bitmaps->backingStore);
        dc.SetViewportOrg(-g.horizontalScroll, 0);
        rows = entry::DrawFlareEntryStep(logview::PaintTarget{dc, g, screen}, s.view.bitmaps->grid,
                                  s.interaction.dataEntryRecords, index, y, s.layout.flareTrack != 0);
    }
    if (s.view.updateArea && rows.bottom > rows.top)
        s.view.updateArea(0, rows.top, s.view.bitmaps->backingStore.width(), rows.bottom);
}

}  // namespace

EntryWindowServices::EntryWindowServices(QWidget* window, entry::EntryServices& rest) : window_(window), rest_(rest) {}

void EntryWindowServices::CmEnterRates(app::LogState& log) { Run(log, entry::EntryKind::Rates); }
void EntryWindowServices::CmEnterLithology(app::LogState& log) { Run(log, entry::EntryKind::Lithology); }
void EntryWindowServices::CmEnterGas(app::LogState& log) { Run(log, entry::EntryKind::Gas); }
void EntryWindowServices::CmEnterShows(app::LogState& log) { Run(log, entry::EntryKind::Shows); }

void EntryWindowServices::Run(app::LogState& log, entry::EntryKind kind)
{
    auto* main = qobject_cast<LogWindow*>(window_.data());
    if (!main)
        return;
    entry::EntryHost host;
    host.dataTextOpen = [main] { return !main->Tools().dataAsText.isNull(); };
    host.elogTextOpen = [main] { return !main->Tools().elogAsText.isNull(); };
    host.askInput = platform::AskInput;
    host.paintNow = [main] { main->PaintLog(); };
    host.runDialog = [main](app::LogState& s, entry::EntryKind k, wellfile::WellConfig* config) {
        switch (k) {
        case entry::EntryKind::Rates: {
            entry::EnterRate dialog(main, s, [main, &s](std::int32_t depth) {
                main->Neighbours().logview->RepaintRows(s, depth, 1, logview::ROW_RATE);
            });
            PlaceBesideLog(dialog, *main, k);
            return dialog.Execute();
        }
        case entry::EntryKind::Shows: {
            entry::EnterShow dialog(main, s, [main, &s](std::int32_t depth, int rows) {
                main->Neighbours().logview->RepaintRows(s, depth, rows, logview::ROW_SHOWS);
            });
            PlaceBesideLog(dialog, *main, k);
            return dialog.Execute();
        }
        case entry::EntryKind::Lithology: {
            entry::EnterLithDlg dialog(main, s, main, main->Tools().lithologyHelp, [main, &s](std::int32_t depth) {
                main->Neighbours().logview->RepaintRows(s, depth, 1, logview::ROW_LITHOLOGY);
            });
            PlaceBesideLog(dialog, *main, k);
            return dialog.Execute();
        }
        case entry::EntryKind::Gas: {
            if (!config)
                break;
            // A stored row: the gas track restored with its curves, the CO2 curve and the mud weights.
            entry::LogGasInput::LogDrawing drawing;
            drawing.repaintRow = [main, &s](std::int32_t depth) {
                main->Neighbours().logview->RepaintRows(s, depth, 1,
                                                        logview::ROW_GAS | logview::ROW_CO2 | logview::ROW_MUD);
            };
            drawing.marker = [&s](int y, bool up, bool single) { ToggleRowMarker(s, y, up, single); };
            entry::LogGasInput dialog(main, s, *config, std::move(drawing));
            PlaceBesideLog(dialog, *main, k);
            return dialog.Execute();
        }
        }
        return int(platform::IDCANCEL);
    };
    entry::RunEntryCommand(log, kind, host);
}

void EntryWindowServices::CmFlareData(app::LogState& log)
{
    auto* main = qobject_cast<LogWindow*>(window_.data());
    if (!main)
        return;
    entry::FlareHost host;
    host.askInput = platform::AskInput;
    host.paintNow = [main] { main->PaintLog(); };
    host.runDialog = [main](app::LogState& s) {
        entry::EnterFlareDlg dialog(main, s, [&s](int index, int y) { DrawFlareEntryRows(s, index, y); });
        PlaceBesideLog(dialog, *main, entry::EntryKind::Gas);
        return dialog.Execute();
    };
    entry::RunFlareCommand(log, host);
}

}  // namespace shell
