// Manual, 11. The menus at a glance: the manual's table read against the office and the drilling menu bars
// of the first start's window (every item the bar shows is named by the table, every name of the table is
// on a bar, on the bar the table says), the grey items, and the menu letters pressed with Alt.
#include "manual/lasfilessteps.h"
#include "manual/menuitems.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "support/testmain.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <map>

using manual::Shown;

namespace {

// One row of the manual's table: the menu, whether the table puts it on the drilling bar only, and what
// the row says the menu holds.
struct Row {
    QString menu;
    bool drillingOnly = false;
    QStringList holds;
};

QList<Row> ManualTable()
{
    QFile f(QStringLiteral(STRATIVM_MANUAL_MD));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    const qsizetype from = text.indexOf("## 11. The menus at a glance");
    EXPECT_GE(from, 0);
    QList<Row> rows;
    const QString section = text.mid(from);
    const QRegularExpression row(R"(^\| \*\*([^*]+)\*\* \| (.+) \|$)", QRegularExpression::MultilineOption);
    for (auto it = row.globalMatch(section); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString drillingOnly = "the whole **" + m.captured(1) + "** menu is on the menu bar only while drilling";
        rows.append({m.captured(1), section.simplified().contains(drillingOnly), m.captured(2).split(", ")});
    }
    return rows;
}

// Which bar a name of the table is on: "(drilling menu)" and "(office menu)" say; else both.
enum class Bar { Both, Office, Drilling };
Bar BarOf(const QString& name)
{
    return name.endsWith("(drilling menu)") ? Bar::Drilling : name.endsWith("(office menu)") ? Bar::Office : Bar::Both;
}

using Matcher = std::function<bool(const QString&)>;
Matcher Items(const QStringList& items)
{
    return [items](const QString& item) { return items.contains(item); };
}

// What each name of the table means on the bar: the items it stands for.
std::map<QString, Matcher> Meanings(shell::LogWindow& w)
{
    QStringList tops, schemes;
    for (const QString menu : {"Tops", "Schemes"})
        for (const QString& item : manual::ItemsOf(manual::BarMenu(w, menu)))
            if (!item.startsWith("Edit"))
                (QString(menu) == "Tops" ? tops : schemes) << item;
    return {
        {"new well", Items({"New..."})},
        {"plug back (drilling menu)", Items({"Plug Back For Horizontal or Sidetrack"})},
        {"open", Items({"Open..."})},
        {"save as or backup", Items({"Save as...", "Backup..."})},
        {"restore (drilling menu)", Items({"Restore..."})},
        {"save as image", Items({"Save As Image"})},
        {"archive", Items({"Archive"})},
        {"send", Items({"Send File..."})},
        {"page setup", Items({"Page Setup..."})},
        {"print", Items({"Print..."})},
        {"exit", Items({"Exit"})},
        {"the recent wells (office menu)",
         [](const QString& item) { return item.endsWith(".svm", Qt::CaseInsensitive); }},
        {"morning", Items({"Morning Report..."})},
        {"short (drilling menu)", Items({"Short Report"})},
        {"show", Items({"Show Report..."})},
        {"DST and downtime reports", Items({"Dst...", "Down Time Report"})},
        {"header", Items({"Header..."})},
        {"legend (office menu)", Items({"Lith Legend"})},
        {"data as text", Items({"Data As Text", "Elog Data As Text"})},
        {"horizontal view", Items({"Horizontal"})},
        {"end of well report", Items({"End Of Well Report"})},
        {"charts", Items({"Wits Chart", "Wits Chart..", "Real Time Gas Chart"})},
        {"TVD log", Items({"TVD Log"})},
        {"add note (office menu)", Items({"Add Note..."})},
        {"drilling mode", Items({"Drilling"})},
        {"gas monitor (drilling menu)", Items({"Gas Monitor", "Gas Monitor Setup..."})},
        {"WITS and custom WITS (drilling menu)", Items({"Wits Monitor", "Custom Wits"})},
        {"offset ROP", Items({"Offset ROP"})},
        {"gas as percent", Items({"Gas As Percent of Total"})},
        {"reports as text", Items({"Save Reports As Text"})},
        {"LAS file", Items({"Create  Las File..."})},
        {"file depths",
         Items({"Append File depth...", "Adjust File Depth...", "Correct File Depth...", "Check File Depths.."})},
        {"insert and delete records (drilling menu)", Items({"Insert Delete Records..."})},
        {"hotwire (drilling menu)", Items({"Hotwire"})},
        {"lithology", Items({"Lithology..."})},
        {"gas", Items({"Gas..."})},
        {"rates", Items({"Rates..."})},
        {"shows", Items({"Shows..."})},
        {"outline", Items({"Out Line..."})},
        {"surveys and TVD", Items({"TVD File Data", "Survey and/or Horizontal  Data..."})},
        {"flares", Items({"Flare Data..."})},
        {"lag time", Items({"Lagtime..."})},
        {"lines and scales", Items({"Lines and Scales..."})},
        {"log colours", Items({"Log Colors..."})},
        {"alarms (drilling menu)", Items({"Alarms..."})},
        {"lag calculator (drilling menu)", Items({"Lag Calculator"})},
        {"test gas (drilling menu)", Items({"Test Gas Values..."})},
        {"Sw", Items({"Sw..."})},
        {"WITS (drilling menu)", Items({"Wits Alarms", "Setup Custom Wits Feed", "Setup TCP Wits Feed"})},
        {"remote update (drilling menu)", Items({"Remote Update..."})},
        {"horizontal options", Items({"Horizontal Options..."})},
        {"live update and live users", Items({"Strativ Live Update Configuration...", "Strativ Live User Setup..."})},
        {"the tops editor and one item for each formation top",
         [tops](const QString& item) { return item == "Edit" || item == "Edit..." || tops.contains(item); }},
        {"the schemes editor and the first two display schemes",
         [schemes](const QString& item) {
             return item == "Edit ..." || item == "Edit Schemes..." || schemes.contains(item);
         }},
        {"e-log data", Items({"Import Elog data..", "Import Elog Data.."})},
        {"the choice of curves", Items({"Elog...", "ELOG...", "ROP..."})},
        {"mudlog data", Items({"Mudlog data", "Import Mudlog Data"})},
        {"horizontal target data", Items({"Import Horizontal Target Data.."})},
        {"About", Items({"About"})},
        {"this manual", Items({"Strativ Manual"})},
        {"the new features", Items({"New Features"})},
    };
}

// The items of a menu of the bar, sub-menu titles left out (their items count).
QStringList Leaves(QMenu* menu)
{
    QStringList out;
    for (QAction* a : menu->actions())
        if (!a->isSeparator())
            out << (a->menu() ? Leaves(a->menu()) : QStringList{Shown(a->text())});
    return out;
}

QStringList GreyItems(shell::LogWindow& w)
{
    QStringList grey;
    for (QAction* top : w.menuBar()->actions())
        for (QAction* a : top->menu()->findChildren<QAction*>())
            if (!a->isSeparator() && !a->menu() && !a->isEnabled() && !a->text().isEmpty())
                grey << Shown(top->text()) + " > " + Shown(a->text());
    grey.removeDuplicates();
    grey.sort();
    return grey;
}

struct ShownWindow {
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    ShownWindow()
    {
        qputenv("USER", "tester");
        window.SetupWindow();
        window.show();
        QApplication::setActiveWindow(&window);
        QCoreApplication::processEvents();
    }
    QString OpenMenu() const
    {
        const QMenu* m = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        return m ? Shown(m->title()) : QString();
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QCoreApplication::processEvents();  // what the last command showed is up before the next key
        QWidget* to = QApplication::activePopupWidget();
        if (!to)
            QApplication::setActiveWindow(&window);  // as the window manager gives it back after a dialog
        QTest::keyClick(to ? to : &window, key, mods);
        QCoreApplication::processEvents();
    }
    void CloseMenus()
    {
        while (QApplication::activePopupWidget())
            Press(Qt::Key_Escape);
    }
};

TEST(ManualMenus, TheTableNamesEveryItemOfBothBarsWhereItStands)
{
    ShownWindow f;
    shell::LogWindow& w = f.window;
    const QList<Row> table = ManualTable();
    ASSERT_EQ(table.size(), 9);
    const std::map<QString, Matcher> meanings = Meanings(w);
    std::map<QString, int> found;  // the items each name of the table stood for, over both bars

    for (const Bar bar : {Bar::Office, Bar::Drilling}) {
        const char* barName = bar == Bar::Office ? "office" : "drilling";
        ASSERT_EQ(w.State().well.file.drilling, bar == Bar::Drilling);
        // The bar's menus are the table's, in its order.
        QStringList titles, expected;
        for (QAction* a : w.menuBar()->actions())
            titles << Shown(a->text());
        for (const Row& r : table)
            if (!r.drillingOnly || bar == Bar::Drilling)
                expected << r.menu;
        EXPECT_EQ(titles, expected) << barName;

        for (const Row& r : table) {
            QMenu* menu = manual::BarMenu(w, r.menu);
            if (!menu)
                continue;
            for (const QString& item : Leaves(menu)) {
                QStringList names;
                for (const QString& name : r.holds) {
                    const auto m = meanings.find(name);
                    if (m != meanings.end() && m->second(item)) {
                        names << name;
                        ++found[name];
                        EXPECT_NE(BarOf(name), bar == Bar::Office ? Bar::Drilling : Bar::Office)
                            << r.menu.toStdString() << " > " << item.toStdString() << " is on the " << barName
                            << " bar";
                    }
                }
                EXPECT_FALSE(names.isEmpty()) << barName << " bar: " << r.menu.toStdString() << " > "
                                              << item.toStdString() << " is not in the manual's table";
            }
        }
        if (bar == Bar::Office) {
            ASSERT_TRUE(manual::Choose(w, {"Options", "Drilling"}));
        }
    }
    for (const Row& r : table)
        for (const QString& name : r.holds) {
            EXPECT_TRUE(meanings.count(name)) << "the table names \"" << name.toStdString() << "\", unknown here";
            EXPECT_GT(found[name], 0) << "\"" << name.toStdString() << "\" is no item of " << r.menu.toStdString();
        }
}

TEST(ManualMenus, GreyItemsAndMenuLetters)
{
    ShownWindow f;
    shell::LogWindow& w = f.window;
    // The grey items of each bar: the manual's, no more.
    EXPECT_EQ(GreyItems(w), QStringList({"Options > Add Note...", "Schemes > Edit ...", "View > End Of Well Report"}));

    // Office bar: Alt+S opens Setup, the next press Schemes, the next Setup again.
    for (const char* expected : {"Setup", "Schemes", "Setup"}) {
        f.Press(Qt::Key_S, Qt::AltModifier);
        EXPECT_EQ(f.OpenMenu(), expected);
    }
    f.CloseMenus();
    // Drilling bar: Setup has P, Schemes keeps S alone; the grey items there.
    ASSERT_TRUE(manual::Choose(w, {"Options", "Drilling"}));
    EXPECT_EQ(GreyItems(w), QStringList({"Schemes > Edit Schemes...", "View > End Of Well Report"}));
    f.Press(Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(f.OpenMenu(), "Setup");
    f.CloseMenus();
    for (int press = 0; press < 2; ++press) {
        f.Press(Qt::Key_S, Qt::AltModifier);
        EXPECT_EQ(f.OpenMenu(), "Schemes") << press;
        f.CloseMenus();
    }
    ASSERT_TRUE(manual::Choose(w, {"Options", "Drilling"}));

    // Back on the office bar: in File, S is shared by "Save as..." and "Save As Image": it moves the
    // highlight and runs nothing; Enter runs the item highlighted.
    f.Press(Qt::Key_F, Qt::AltModifier);
    ASSERT_EQ(f.OpenMenu(), "File");
    auto* file = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    f.Press(Qt::Key_S);
    ASSERT_NE(file->activeAction(), nullptr);
    EXPECT_EQ(Shown(file->activeAction()->text()), "Save as...");
    f.Press(Qt::Key_S);
    EXPECT_EQ(Shown(file->activeAction()->text()), "Save As Image");
    EXPECT_EQ(f.OpenMenu(), "File");
    int dialogs = 0;
    platform::Dialog::QueueTestScript([&dialogs](platform::Dialog&) { ++dialogs; });
    f.Press(Qt::Key_Return);
    EXPECT_EQ(f.OpenMenu(), "");
    EXPECT_EQ(dialogs + testing_support::doubles().prompter.fileRequests.size(), 1);
    platform::Dialog::ClearTestScripts();
}

}  // namespace
