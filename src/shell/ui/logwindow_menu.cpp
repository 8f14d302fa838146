#include "shell/ui/logwindow.h"

#include "app/commandids.h"
#include "app/wellsettings.h"
#include "platform/services.h"
#include "shell/ui/qbtndlg.h"
#include "wellfile/sidefiles_recent.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

#include <utility>

namespace shell {

// The menu bar: the builder works on the data of shell::MenuBar; the Qt menu bar is then made again
// from it, each action carrying its command id, which runs through the message filter and the dispatch
// (MenuCommand).

int LogWindow::RebuildMenu() { return BuildMenu(-1); }

int LogWindow::BuildMenu(int part)
{
    app::LogState& s = state_;
    // A change of resource (drilling on or off, a scratch well) starts from the fixed items again.
    if (menu_.resource != s.view.menuResource)
        menu_ = shell::MenuBar::Resource(s.view.menuResource);

    shell::MenuInputs in;
    in.drilling = s.well.file.drilling;
    in.scratchWell = s.well.scratchWell;
    in.loggerId = s.well.loggerId;
    in.serverStation = s.env.serverStation;
    if (!in.drilling) {
        wellfile::RecentFiles recent;
        in.recentLoaded = wellfile::LoadRecent(s.well.file.dataFolder, recent) == 1;
        if (in.recentLoaded) {
            s.env.recentFiles = recent;
            in.recentFiles = recent;
        }
    }
    in.lithLegend = s.options.lithLegend;
    in.hotwire = s.options.hotwire;
    // Tops added since the well was opened are listed too.
    s.lists.topsLoaded = !s.well.tops.empty();
    in.topsLoaded = s.lists.topsLoaded;
    in.tops = &s.well.tops;
    in.fileTopDepth = s.well.file.fileTopDepth;
    if (part == 6 || part == -1)
        in.schemesLoaded = s.lists.loadSchemeNames && s.lists.loadSchemeNames(in.schemeNames);
    in.currentScheme = s.layout.schemes.currentScheme;
    in.elogLoaded = s.engines.elogCurves != nullptr;
    // The records' TVD scan (wellfile::ReadAllRecords: at the open, after survey entry and imports).
    s.lists.hasTvdData = s.well.file.maxTvd > 0;
    in.hasTvdData = s.lists.hasTvdData;
    in.realTimeChart = s.options.realTimeChart;
    in.gasRatioPlotAllowed = s.options.gasRatioPlotAllowed;
    in.customTracksView = s.options.customTracksView;
    in.gasPercent = s.options.gasPercent;
    in.offsetRop = s.options.offsetRop;
    in.remoteMonitorRunning = s.env.remoteMonitorOn;
    in.gasInstrumentType = s.engineStatus.gasInstrumentType;
    in.gasMonitorRunning = s.engineStatus.gasMonitorRunning;
    in.witsRunning = s.engineStatus.witsRunning;
    in.custWitsRunning = s.engines.custWits != nullptr;

    const shell::MenuOutcome out = shell::BuildMenu(menu_, in, part);
    s.options.hotwire = out.hotwire;
    s.options.gasPercent = out.gasPercent;
    s.options.realTimeChart = out.realTimeChart;
    if (part == 6 || part == -1)
        s.layout.schemes.currentScheme = out.currentScheme;
    if (out.storeHotwire)
        StoreHotwire(true);
    s.version = shell::ParseVersion(s.env.versionText);
    menu_.Check(app::cmd::WitsChart, tools_.witsChart != nullptr);
    menu_.Check(app::cmd::GasChart, tools_.gasChart != nullptr);
    menu_.Check(app::cmd::HorizontalView, tools_.horzView != nullptr);
    MirrorMenuBar();
    return 1;
}

void LogWindow::CheckMenuItem(int id, bool checked)
{
    menu_.Check(id, checked);
    MirrorMenuBar();
}

void LogWindow::AppendMenuItem(int position, int id, const QString& text)
{
    if (menu_.AppendIfAbsent(position, id, text))
        MirrorMenuBar();
}

void LogWindow::SyncMenuChecks()
{
    // A checkable action flips its own mark when clicked, even for a command that was refused: the
    // marks are set back to what the menu says.
    QMenuBar* bar = menuBar();
    for (QAction* a : bar->findChildren<QAction*>()) {
        if (!a->data().isValid())
            continue;
        const shell::MenuItem* item = menu_.Find(a->data().toInt());
        const bool checked = item && item->checked;
        a->setCheckable(checked);
        a->setChecked(checked);
    }
}

void LogWindow::BuildMudlogMenu()
{
    state_.version = shell::ParseVersion(state_.env.versionText);
    shell::AppendMudlogItem(menu_);
    MirrorMenuBar();
}

namespace {

void AddItems(QMenu* menu, const std::vector<shell::MenuItem>& items, LogWindow* window)
{
    for (const shell::MenuItem& item : items) {
        switch (item.kind) {
        case shell::MenuItem::Kind::Separator: menu->addSeparator(); break;
        case shell::MenuItem::Kind::Popup: AddItems(menu->addMenu(item.text), item.items, window); break;
        case shell::MenuItem::Kind::Command: {
            QAction* a = menu->addAction(item.text);
            a->setData(item.id);
            a->setCheckable(item.checked);
            a->setChecked(item.checked);
            a->setEnabled(!item.grayed && !item.disabled);
            const int id = item.id;
            QObject::connect(a, &QAction::triggered, window, [window, id] { window->MenuCommand(id); });
            break;
        }
        }
    }
}

}  // namespace

void LogWindow::MirrorMenuBar()
{
    // A new bar each time. Outside a menu command the old one goes with deleteLater (setMenuBar). Under a
    // running menu command it is taken out of the window and kept: a modal dialog of that command runs
    // deferred deletes in its own event loop, which would free the menu and the action still signalling.
    auto* bar = new QMenuBar(this);
    for (const shell::MenuItem& popup : menu_.popups)
        AddItems(bar->addMenu(popup.text), popup.items, this);
    if (auto* old = qobject_cast<QMenuBar*>(menuWidget()); old && menuCommandDepth_ > 0) {
        layout()->setMenuBar(nullptr);
        old->hide();
        old->setParent(nullptr);
        retiredMenuBars_.emplace_back(old);
    }
    setMenuBar(bar);
    // The quick view bar stands right of the last menu title: other titles (the drilling menus) place it
    // again.
    QStringList titles;
    for (const shell::MenuItem& popup : menu_.popups)
        titles << popup.text;
    auto* quick = qobject_cast<QBTNDLG*>(tools_.quickBar.data());
    if (std::exchange(menuTitles_, titles) != titles && quick && !state_.view.holdRepaint && !isMinimized())
        quick->Place();
}

void LogWindow::AssignMenu(int resource)
{
    // The resource as it comes, fixed items and all, whatever the last well deleted from it; the caller
    // builds it for the well next (BuildMenu(-1)).
    state_.view.menuResource = resource;
    menu_ = shell::MenuBar::Resource(resource);
    MirrorMenuBar();
}

void LogWindow::MenuCommand(int id)
{
    ++menuCommandDepth_;
    if (!PreProcessMsg(platform::WM_COMMAND))
        EvCommand(id);
    --menuCommandDepth_;
    SyncMenuChecks();
    // The menu whose action brought the command here is still on the stack until this returns to the
    // event loop: the bars the command replaced go with the loop's next turn.
    if (menuCommandDepth_ == 0) {
        for (const QPointer<QMenuBar>& bar : std::exchange(retiredMenuBars_, {}))
            if (bar)
                bar->deleteLater();
    }
}

void LogWindow::StoreHotwire(bool on)
{
    // Byte 60 of the open well's record on disk, the rest as it is there. A well without a readable
    // record gets none written over it.
    app::LogState& s = state_;
    const std::uint8_t value = on ? 1 : 0;
    s.well.config.hotwire = value;
    app::UpdateWellConfig(s, [value](wellfile::WellConfig& cfg) {
        if (cfg.hotwire == value)
            return false;
        cfg.hotwire = value;
        return true;
    });
}

}  // namespace shell
