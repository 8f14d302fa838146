#include "app/commandids.h"
#include "app/opendatafile.h"
#include "platform/folders.h"
#include "platform/text.h"
#include "shell/menus.h"
#include "shell/ui/logwindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/settingsblock.h"
#include "wellfile/sidefiles_tops.h"
#include "wellfile/wellconfig.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

using testing_support::doubles;

namespace {

// Ids of the pop-up at `position`, in order, sub-pop-ups included.
std::vector<int> IdsIn(const std::vector<shell::MenuItem>& items)
{
    std::vector<int> ids;
    for (const shell::MenuItem& i : items) {
        if (i.kind == shell::MenuItem::Kind::Command)
            ids.push_back(i.id);
        else if (i.kind == shell::MenuItem::Kind::Popup)
            for (int id : IdsIn(i.items))
                ids.push_back(id);
    }
    return ids;
}

int CountOf(const shell::MenuBar& bar, int id)
{
    const std::vector<int> ids = IdsIn(bar.popups);
    return int(std::count(ids.begin(), ids.end(), id));
}

wellfile::TOPSEX Top(std::int32_t depth, const char* name)
{
    wellfile::TOPSEX t;
    t.depth = depth;
    platform::SetFieldText(t.menuName, name);
    return t;
}

// The Qt action of command `id` on the window's menu bar.
QAction* ActionOf(QMenuBar* bar, int id)
{
    for (QAction* a : bar->findChildren<QAction*>())
        if (a->data().isValid() && a->data().toInt() == id)
            return a;
    return nullptr;
}

// A data file of sound records whose company text names `profile`.
QString MakeProfileWell(const QString& folder, const QString& name, int profile)
{
    const QString path = testing_support::MakeWell(folder, name, 1000, 1400);
    auto rows = testing_support::FileRecords<wellfile::RECORD>(path);
    platform::SetFieldText(rows.front().interpretedLith, "PRF" + std::to_string(profile));
    testing_support::WriteRecords(path, rows);
    return path;
}

// The hotwire byte of the open well's settings record on disk.
int StoredHotwire(const app::LogState& s)
{
    wellfile::WellConfig cfg{};
    return wellfile::LoadConfig(cfg, app::PlaceOf(s), s.well.fieldSettings) == 1 ? cfg.hotwire : -1;
}

void StoreHotwire(const app::LogState& s, int value)
{
    wellfile::WellConfig cfg{};
    ASSERT_EQ(wellfile::LoadConfig(cfg, app::PlaceOf(s), s.well.fieldSettings), 1);
    cfg.hotwire = std::uint8_t(value);
    bool field = s.well.fieldSettings;
    ASSERT_EQ(wellfile::SaveConfig(cfg, app::PlaceOf(s), field), 1);
}

class Recorder final : public drilling::DrillingServices {
public:
    QStringList calls;
    void CmDrilling(app::LogState&) override { calls << "CmDrilling"; }
    void CmLagTime(app::LogState&) override { calls << "CmLagTime"; }
    void CmBackupReminder(app::LogState&) override {}
    void EvTimer(app::LogState&, int) override {}
    void EvJoyButton(app::LogState&, unsigned) override {}
};

}  // namespace

TEST(Menus, OnlyTheFirstFiftyTopsGetItemsAndSkippedTopsLeaveGaps)
{
    std::vector<wellfile::TOPSEX> tops;
    for (int i = 0; i < 60; ++i)
        tops.push_back(Top(1010 + 10 * i, ("Top " + std::to_string(i)).c_str()));
    tops[3].depth = 1000;  // at the file's first depth
    tops[5] = Top(1200, "");  // no menu name
    shell::MenuInputs in;
    in.fileTopDepth = 1000;
    in.topsLoaded = true;
    in.tops = &tops;

    for (int resource : {1, 3}) {
        shell::MenuBar bar = shell::MenuBar::Resource(resource);
        shell::BuildMenu(bar, in, 5);
        const int topsPos = resource == 3 ? 5 : 4;
        std::vector<int> expected;
        for (int i = 0; i < 50; ++i)
            if (i != 3 && i != 5)
                expected.push_back(app::cmd::GotoTopFirst + i);
        std::vector<int> got = IdsIn(bar.SubMenu(topsPos)->items);
        got.erase(got.begin());  // the Edit item
        EXPECT_EQ(got, expected) << resource;
        EXPECT_EQ(bar.Find(app::cmd::GotoTopFirst + 49)->text, "Top 49");

        // The Tops pop-up is left alone by a build of another part, and a new build does not repeat items.
        tops[7] = Top(1300, "Moved");
        shell::BuildMenu(bar, in, 6);
        EXPECT_EQ(bar.Find(app::cmd::GotoTopFirst + 7)->text, "Top 7");
        shell::BuildMenu(bar, in, -1);
        EXPECT_EQ(bar.Find(app::cmd::GotoTopFirst + 7)->text, "Moved");
        EXPECT_EQ(CountOf(bar, app::cmd::GotoTopFirst + 7), 1);
        tops[7] = Top(1070, "Top 7");
    }
}

TEST(Menus, TheFirstTwoSchemesGetItemsAndTheCurrentOneIsChecked)
{
    shell::MenuInputs in;
    in.schemesLoaded = true;
    in.schemeNames = {"Mudlog", "Custom", "Gas", "", "Elog", "Default6"};
    in.currentScheme = 2;
    shell::MenuBar bar = shell::MenuBar::Resource(1);
    shell::MenuOutcome out = shell::BuildMenu(bar, in, 6);
    // Schemes 3 to 6 keep their commands but get no item; the current one (scheme 3) is not shown checked.
    EXPECT_EQ(IdsIn(bar.SubMenu(5)->items), std::vector<int>({51715, 51716, 51717}));
    EXPECT_EQ(bar.Find(51717)->text, "Custom");
    EXPECT_EQ(bar.Find(51720), nullptr);
    EXPECT_FALSE(bar.Find(51716)->checked);
    EXPECT_FALSE(bar.Find(51717)->checked);
    EXPECT_TRUE(bar.Find(51715)->disabled);
    EXPECT_EQ(out.currentScheme, 2);
    in.currentScheme = 1;
    shell::BuildMenu(bar, in, 6);
    EXPECT_TRUE(bar.Find(51717)->checked);
    EXPECT_FALSE(bar.Find(51716)->checked);

    // Schemes that cannot be loaded: no items, scheme 0 current.
    in.schemesLoaded = false;
    out = shell::BuildMenu(bar, in, -1);
    EXPECT_EQ(IdsIn(bar.SubMenu(5)->items), std::vector<int>({51715}));
    EXPECT_EQ(out.currentScheme, 0);
}

TEST(Menus, EmptyRecentNamesTakeNoIdAndDrillingListsNone)
{
    shell::MenuInputs in;
    in.recentLoaded = true;
    in.recentFiles = {"", "/w/b.svm", "", "/w/d.svm", "/w/e.svm"};
    shell::MenuBar bar = shell::MenuBar::Resource(1);
    shell::BuildMenu(bar, in, -1);
    const shell::MenuItem& file = *bar.SubMenu(0);
    ASSERT_GE(file.items.size(), 3u);
    const auto last3 = std::vector<shell::MenuItem>(file.items.end() - 3, file.items.end());
    EXPECT_EQ(last3[0].id, 51927);
    EXPECT_EQ(last3[0].text, "/w/b.svm");
    EXPECT_EQ(last3[1].id, 51928);
    EXPECT_EQ(last3[2].id, 51929);
    EXPECT_EQ(last3[2].text, "/w/e.svm");
    EXPECT_FALSE(bar.Contains(51930));

    in.drilling = true;
    shell::BuildMenu(bar, in, -1);
    EXPECT_FALSE(bar.Contains(51927));
}

TEST(Menus, ProfileRulesForHotwireFlaresAndGasPercent)
{
    shell::MenuInputs in;
    in.drilling = true;
    shell::MenuBar bar = shell::MenuBar::Resource(3);

    in.loggerId = 12;  // keeps the item, shows the setting, stores nothing while it is off
    shell::MenuOutcome out = shell::BuildMenu(bar, in, -1);
    ASSERT_TRUE(bar.Contains(app::cmd::Hotwire));
    EXPECT_FALSE(bar.Find(app::cmd::Hotwire)->checked);
    EXPECT_FALSE(out.storeHotwire);
    in.hotwire = true;
    out = shell::BuildMenu(bar, in, -1);
    EXPECT_TRUE(bar.Find(app::cmd::Hotwire)->checked);
    EXPECT_TRUE(out.storeHotwire);

    bar = shell::MenuBar::Resource(3);
    in.loggerId = 4;  // no hotwire choice: setting on, item gone; no out line, shows or gas percent
    in.hotwire = false;
    out = shell::BuildMenu(bar, in, -1);
    EXPECT_TRUE(out.hotwire);
    for (int id : {app::cmd::Hotwire, app::cmd::OutLine, app::cmd::EnterShows, app::cmd::GasPercent})
        EXPECT_FALSE(bar.Contains(id)) << id;
    // Flares come back while drilling, in Enter Data, whatever the profile.
    EXPECT_TRUE(bar.Contains(3, app::cmd::FlareData));
    EXPECT_EQ(bar.Find(app::cmd::FlareData)->text, "Flare Data...");

    // No ratio plot: gas as percent is switched off and grayed.
    bar = shell::MenuBar::Resource(1);
    in = {};
    in.gasPercent = true;
    in.gasRatioPlotAllowed = false;
    out = shell::BuildMenu(bar, in, -1);
    EXPECT_FALSE(out.gasPercent);
    EXPECT_TRUE(bar.Find(app::cmd::GasPercent)->grayed);
    EXPECT_FALSE(bar.Find(app::cmd::GasPercent)->checked);
}

TEST(Menus, SwitchingDrillingTwiceLeavesEachDynamicItemOnce)
{
    shell::LogWindow window(nullptr, QStringLiteral("StrativM"));
    app::LogState& s = window.State();
    s.env.serverStation = false;
    for (int round = 0; round < 2; ++round) {
        for (bool drilling : {true, false}) {
            s.well.file.drilling = drilling;
            window.AssignMenu(drilling ? 3 : 1);
            window.BuildMenu(-1);
            window.BuildMenu(-1);  // a second build in the same mode adds nothing
            const shell::MenuBar& bar = window.Menu();
            EXPECT_EQ(bar.resource, drilling ? 3 : 1);
            for (int id : {51916, 52801, 52802, 51921, 51924, 51681, 19872})
                EXPECT_EQ(CountOf(bar, id), 1) << id << " drilling " << drilling;
            for (int id : {51917, 51698, 51901, 51779, 51777, 51939, 51940, 51945})
                EXPECT_EQ(CountOf(bar, id), drilling ? 1 : 0) << id << " drilling " << drilling;
            EXPECT_EQ(bar.Find(51681)->checked, drilling);
        }
    }
    // The Qt menu bar carries the same items, each action with its command id.
    QAction* drillingItem = ActionOf(window.menuBar(), 51681);
    ASSERT_NE(drillingItem, nullptr);
    EXPECT_EQ(drillingItem->text(), "Drilling");
    EXPECT_FALSE(drillingItem->isChecked());
    EXPECT_EQ(ActionOf(window.menuBar(), 51715)->isEnabled(), false);
}

TEST(Menus, ACommandIsHeldBackWhileAnInputFunctionOwnsTheWindow)
{
    shell::LogWindow window(nullptr, QStringLiteral("StrativM"));
    Recorder recorder;
    window.Neighbours().drilling = &recorder;
    window.BuildMenu(-1);
    QAction* drillingItem = ActionOf(window.menuBar(), 51681);
    ASSERT_NE(drillingItem, nullptr);
    app::InteractionState& i = window.State().interaction;

    i.commandLock = true;
    drillingItem->trigger();
    i.commandLock = false;
    i.dataEntryActive = 1;
    drillingItem->trigger();
    window.MenuCommand(51692);  // not even Exit
    EXPECT_EQ(doubles().sounder.beeps, 3);
    EXPECT_TRUE(recorder.calls.isEmpty());
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
    EXPECT_TRUE(window.State().view.windowReady) << "exit ran";

    // During a drag or with the memo box open, the user is told why.
    i.dataEntryActive = 0;
    i.dragGasActive = true;
    window.MenuCommand(51681);
    i.dragGasActive = false;
    QWidget memo;
    window.Tools().memoEdit = &memo;
    window.MenuCommand(51681);
    window.Tools().memoEdit = nullptr;
    ASSERT_EQ(doubles().prompter.messages.size(), 2);
    EXPECT_EQ(doubles().prompter.messages[0].text, "Press enter or escape to terminate drag gas function \nafter closing this dialog ");
    EXPECT_EQ(doubles().prompter.messages[1].text, "You must close the Memo edit box to proceed");
    EXPECT_EQ(doubles().prompter.messages[1].caption, "Input Error");
    EXPECT_TRUE(recorder.calls.isEmpty());

    drillingItem->trigger();
    EXPECT_EQ(recorder.calls, QStringList({"CmDrilling"}));
}

TEST(Menus, EachOpenedWellGetsTheWholeMenuItsTopsAndItsOwnHotwireSetting)
{
    qputenv("USER", "tester");
    shell::LogWindow window(nullptr, QStringLiteral("StrativM"));
    window.SetupWindow();  // the demo well, profile 12, with its formation tops
    app::LogState& s = window.State();
    const shell::MenuBar& bar = window.Menu();

    // Its tops are listed; the first lies at the file's first depth and gets none.
    ASSERT_GT(s.well.tops.size(), 2u);
    EXPECT_FALSE(bar.Contains(app::cmd::GotoTopFirst));
    const shell::MenuItem* second = bar.Find(app::cmd::GotoTopFirst + 1);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->text.toStdString(), platform::FieldText(s.well.tops[1].menuName));

    const QString data = s.well.file.dataFolder;
    const QString p12 = MakeProfileWell(data, "P12.svm", 12);
    const QString p4 = MakeProfileWell(data, "P4.svm", 4);
    ASSERT_EQ(window.OpenDataFile(p12), 1);
    StoreHotwire(s, 0);  // saved with hotwire off

    // Profile 4: no gas-as-percent item; hotwire is on for it, in memory only; a well without tops
    // lists none of the last well's.
    ASSERT_EQ(window.OpenDataFile(p4), 1);
    window.RebuildMenu();
    ASSERT_EQ(s.well.loggerId, 4);
    EXPECT_FALSE(bar.Contains(app::cmd::GasPercent));
    EXPECT_TRUE(s.options.hotwire);
    EXPECT_FALSE(bar.Contains(app::cmd::GotoTopFirst + 1));
    // Tops entered after the open are listed by the next build of the Tops pop-up.
    s.well.tops = {Top(1100, "Entered")};
    window.BuildMenu(5);
    ASSERT_TRUE(bar.Contains(app::cmd::GotoTopFirst));
    EXPECT_EQ(bar.Find(app::cmd::GotoTopFirst)->text, "Entered");
    // Emptying the list takes its items away at the next build.
    s.well.tops.clear();
    window.BuildMenu(5);
    EXPECT_FALSE(bar.Contains(app::cmd::GotoTopFirst));

    // Profile 12 again: the item is back, and the well's own setting (off) is shown and left as saved.
    ASSERT_EQ(window.OpenDataFile(p12), 1);
    window.RebuildMenu();
    EXPECT_TRUE(bar.Contains(app::cmd::GasPercent));
    EXPECT_FALSE(s.options.hotwire);
    EXPECT_EQ(StoredHotwire(s), 0);
    // In the drilling menu the item shows it too.
    window.AssignMenu(3);
    window.BuildMenu(-1);
    ASSERT_TRUE(bar.Contains(app::cmd::Hotwire));
    EXPECT_FALSE(bar.Find(app::cmd::Hotwire)->checked);
    EXPECT_EQ(StoredHotwire(s), 0);

    // Saved with hotwire on: on, checked, and the record keeps it.
    StoreHotwire(s, 1);
    ASSERT_EQ(window.OpenDataFile(p12), 1);
    window.AssignMenu(3);
    window.BuildMenu(-1);
    EXPECT_TRUE(s.options.hotwire);
    EXPECT_TRUE(bar.Find(app::cmd::Hotwire)->checked);
    EXPECT_EQ(StoredHotwire(s), 1);
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
}

TEST(Menus, TheHotwireItemFollowsTheProfileOfTheWellJustOpened)
{
    qputenv("USER", "tester");
    shell::LogWindow window(nullptr, QStringLiteral("StrativM"));
    window.SetupWindow();
    app::LogState& s = window.State();
    const QString data = s.well.file.dataFolder;
    // Each open builds the menu for the new well's profile, with nothing more asked of the window. The
    // item lives in the drilling menu, which a scratch well ("~") gets; the office menu has none.
    for (const int profile : {12, 4, 12, 80, 11}) {
        for (const QString& prefix : {QStringLiteral("~S"), QStringLiteral("H")}) {
            const QString path = MakeProfileWell(data, prefix + QStringLiteral("%1.svm").arg(profile), profile);
            ASSERT_EQ(window.OpenDataFile(path), 1);
            ASSERT_EQ(s.well.loggerId, profile);
            const bool shown = s.well.scratchWell && (profile == 12 || profile == 80);
            ASSERT_EQ(window.Menu().resource, s.well.scratchWell ? 3 : 1);
            EXPECT_EQ(window.Menu().Contains(app::cmd::Hotwire), shown) << profile;
            EXPECT_EQ(ActionOf(window.menuBar(), app::cmd::Hotwire) != nullptr, shown) << profile;
        }
    }
}

TEST(Menus, AHotwireStoredForASharedFolderWellIsWhatTheNextOpenReadsAfterTheExit)
{
    qputenv("USER", "tester");
    shell::LogWindow window(nullptr, QStringLiteral("StrativM"));
    window.SetupWindow();
    app::LogState& s = window.State();

    // A Dropbox well whose ".dbc" keeps its record beside the data file, saved there with hotwire off.
    const QString shared = testing_support::TestDir() + "Dropbox/";
    const QString path = MakeProfileWell(shared, "SH12.svm", 12);
    wellfile::WellPlace place;
    place.dataFolder = s.well.file.dataFolder;
    place.currentFolder = shared;
    place.workingFolder = place.dataFolder;
    place.wellName = "SH12";
    place.sharedFolderWell = true;
    auto dbc = std::make_unique<wellfile::SettingsBlock>();
    ASSERT_EQ(wellfile::SaveDbc(*dbc, place), 1);
    wellfile::WellConfig cfg = wellfile::DefaultWellConfig({});
    cfg.hotwire = 0;
    testing_support::WriteBytes(shared + "SH12.cfg", &cfg, sizeof cfg);
    ASSERT_EQ(window.OpenDataFile(path), 1);
    ASSERT_TRUE(s.well.sharedFolderWell);
    ASSERT_FALSE(s.well.fieldSettings);
    ASSERT_FALSE(s.options.hotwire);

    // Turned on: the menu build stores it, which moves the record to the data folder.
    s.options.hotwire = true;
    window.BuildMenu(-1);
    EXPECT_TRUE(s.well.fieldSettings);
    EXPECT_EQ(StoredHotwire(s), 1);

    s.well.file.viewTopDepth = 1100;
    ASSERT_TRUE(window.CanClose());
    ASSERT_EQ(wellfile::LoadDbc(*dbc, place), 1);
    ASSERT_EQ(dbc->fieldSettings, 1);
    ASSERT_EQ(wellfile::LoadConfig(cfg, place, true), 1);
    EXPECT_EQ(cfg.hotwire, 1);
    EXPECT_EQ(cfg.viewTopDepth, 1100);  // and the exit's own settings with it
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
}

TEST(Menus, CheckMarksShowTheStateAfterEveryCommand)
{
    shell::LogWindow window(nullptr, QStringLiteral("StrativM"));
    Recorder recorder;  // drilling mode answers without switching
    window.Neighbours().drilling = &recorder;
    window.State().well.file.drilling = true;
    window.AssignMenu(3);
    window.BuildMenu(-1);
    auto drillingItem = [&] { return ActionOf(window.menuBar(), app::cmd::Drilling); };
    ASSERT_NE(drillingItem(), nullptr);
    ASSERT_TRUE(drillingItem()->isChecked());

    drillingItem()->trigger();  // Qt flips the mark; the command changed nothing
    EXPECT_EQ(recorder.calls, QStringList({"CmDrilling"}));
    EXPECT_TRUE(drillingItem()->isChecked());

    window.State().interaction.commandLock = true;  // refused with a beep
    drillingItem()->trigger();
    EXPECT_EQ(doubles().sounder.beeps, 1);
    EXPECT_TRUE(drillingItem()->isChecked());

    // An unchecked item whose action can take a mark stays unchecked when its command is refused.
    QAction* offsetRop = ActionOf(window.menuBar(), app::cmd::OffsetRop);
    ASSERT_NE(offsetRop, nullptr);
    ASSERT_FALSE(window.Menu().Find(app::cmd::OffsetRop)->checked);
    offsetRop->setCheckable(true);
    offsetRop->trigger();  // Qt marks it
    EXPECT_FALSE(offsetRop->isChecked());
}
