#pragma once
// The main window's menu bar as data: menu resource 1 (office) and 3 (drilling) with their pop-ups,
// items and command ids, the few operations the menu builder uses on them (look-up, delete, append,
// check, gray), and the builder itself. The window mirrors the result into its Qt menu bar.
#include "wellfile/topsex.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

namespace app { struct VersionNumbers; }

namespace shell {

struct MenuItem {
    enum class Kind { Command, Separator, Popup };
    Kind kind = Kind::Command;
    int id = 0;
    QString text;
    bool checked = false;
    bool grayed = false;    // shown gray and refused
    bool disabled = false;  // refused but not gray (as the resource marks the scheme editor)
    std::vector<MenuItem> items;  // the items of a pop-up

    static MenuItem Command(int id, const QString& text) { return {Kind::Command, id, text, false, false, false, {}}; }
    static MenuItem Separator() { return {Kind::Separator, 0, {}, false, false, false, {}}; }
    static MenuItem Popup(const QString& text, std::vector<MenuItem> items)
    {
        return {Kind::Popup, 0, text, false, false, false, std::move(items)};
    }
};

class MenuBar {
public:
    // Menu resource 1 (office menu) or 3 (drilling menu); any other number gives resource 1.
    static MenuBar Resource(int resource);

    int resource = 1;
    std::vector<MenuItem> popups;  // the top-level pop-ups, by position

    // The pop-up at `position`; null when there is none.
    MenuItem* SubMenu(int position);
    const MenuItem* SubMenu(int position) const;
    // The first item of command `id` anywhere on the bar, sub-pop-ups included; null when absent.
    MenuItem* Find(int id);
    const MenuItem* Find(int id) const;
    bool Contains(int id) const { return Find(id) != nullptr; }
    // Whether the pop-up at `position` (its sub-pop-ups included) holds command `id`.
    bool Contains(int position, int id) const;
    // Number of items of every kind directly in the pop-up at `position`.
    int ItemCount(int position) const;

    // Deletes every item of command `id` on the whole bar; absent items are no error.
    void Delete(int id);
    // Deletes the items of command `id` from the pop-up at `position` only.
    void Delete(int position, int id);
    // Appends a plain item to the pop-up at `position` unless that pop-up holds `id` already; true when
    // it was appended.
    bool AppendIfAbsent(int position, int id, const QString& text);
    void Check(int id, bool checked);
    void Enable(int id, bool enabled);  // not enabled: grayed
};

// What the menu bar reflects, gathered by the window.
struct MenuInputs {
    bool drilling = false;
    bool scratchWell = false;
    int loggerId = 0;             // the logging-company profile
    bool serverStation = false;
    bool recentLoaded = false;    // the recent list could be read
    std::array<QString, 5> recentFiles;
    bool lithLegend = false;
    bool hotwire = false;
    bool topsLoaded = false;
    const std::vector<wellfile::TOPSEX>* tops = nullptr;
    std::int32_t fileTopDepth = 0;
    bool schemesLoaded = false;
    std::array<QString, 6> schemeNames;
    int currentScheme = 0;
    bool elogLoaded = false;
    bool hasTvdData = false;
    bool realTimeChart = false;
    bool gasRatioPlotAllowed = true;
    bool customTracksView = false;
    bool gasPercent = false;
    bool offsetRop = false;
    bool remoteMonitorRunning = false;
    int gasInstrumentType = -1;
    bool gasMonitorRunning = false;
    bool witsRunning = false;
    bool custWitsRunning = false;
};

// The settings the builder changes, for the window to take over.
struct MenuOutcome {
    bool hotwire = false;        // the hotwire setting after the build
    bool storeHotwire = false;   // the setting is to be written to the well's configuration record
    bool gasPercent = false;
    bool realTimeChart = false;
    int currentScheme = 0;
};

// Brings `bar` up to date: `part` -1 does everything, 5 also the Tops pop-up, 6 also the Schemes
// pop-up, other values everything but those two.
MenuOutcome BuildMenu(MenuBar& bar, const MenuInputs& in, int part);

// Splits "Strativ Ver 26.5.31" into 26, 5 and 31 (zero for a piece that is missing).
app::VersionNumbers ParseVersion(const QString& versionText);
// Appends "Mudlog data" (19872) to the Import pop-up when absent.
void AppendMudlogItem(MenuBar& bar);

// The menu-bar title that Alt with `letter` opens when titles share their underlined letter: the first
// title with it, or, while the title `open` has it, the next one after that (back to the first after the
// last). -1 when fewer than two titles have it (the menu bar's own handling then holds).
int TitleForSharedLetter(const QStringList& titles, QChar letter, int open);

// Formation tops that get a menu item: the first this many.
constexpr int kMaxTopItems = 50;

}  // namespace shell
