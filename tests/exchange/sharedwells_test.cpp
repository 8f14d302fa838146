// The shared wells an office user follows, on real folders, and their bar on a real window; "now" is
// 10:05 on 15 January 2026.
#include "exchange/sharedwells.h"
#include "shell/ui/livemonitordlg.h"

#include "app/commandids.h"
#include "exchange/liveupdate.h"
#include "platform/folders.h"
#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"
#include "shell/startup.h"
#include "shell/ui/logwindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QMenuBar>
#include <QFile>

#include <gtest/gtest.h>

using testing_support::doubles;
using testing_support::TestDir;

namespace {

const QDateTime kNow(QDate(2026, 1, 15), QTime(10, 5));

// A data file of records first..last, last changed `age` seconds before now, with `gas` at depths.
QString MakeShared(const QString& folder, const QString& name, int first, int last, qint64 age = 0,
                   const std::vector<std::pair<int, float>>& gas = {})
{
    std::vector<wellfile::RECORD> rows;
    for (int d = first; d <= last; ++d)
        rows.push_back(testing_support::ValidRecord(d, 1, "100bl"));
    for (const auto& [depth, value] : gas)
        rows[std::size_t(depth - first)].gas[0] = value;
    QDir().mkpath(folder);
    const QString path = folder + name;
    testing_support::WriteBytes(path, rows.data(), qsizetype(rows.size() * sizeof(wellfile::RECORD)));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadWrite));
    EXPECT_TRUE(f.setFileTime(kNow.addSecs(-age), QFileDevice::FileModificationTime));
    return path;
}

}  // namespace

TEST(SharedWells, FontFollowsRowHeightAndScreen)
{
    auto pair = [](exchange::LiveBarFontSize s) { return std::make_pair(s.height, s.width); };
    EXPECT_EQ(pair(exchange::LiveBarFont(9, 8, 1920)), std::make_pair(-10, -9));
    EXPECT_EQ(pair(exchange::LiveBarFont(12, 8, 800)), std::make_pair(-15, -8));
    EXPECT_EQ(pair(exchange::LiveBarFont(12, 8, 1024)), std::make_pair(-16, -7));
    EXPECT_EQ(pair(exchange::LiveBarFont(12, 8, 1920)), std::make_pair(-26, -10));
}

TEST(SharedWells, BarStandsUnderTheCaptionAsWideAsTheNarrowerOfLogAndWindow)
{
    const exchange::LiveBarPlace a = exchange::PlaceLiveBar(100, 50, 1280, 1200, 30);
    EXPECT_EQ(std::make_tuple(a.x, a.y, a.width), std::make_tuple(104, 95, 1170));
    EXPECT_EQ(exchange::PlaceLiveBar(100, 50, 1280, 1300, 30).width, 1250);
}

TEST(SharedWells, SummaryLineTimeZoneAndShortFiles)
{
    const QString folder = TestDir() + "W/";
    const QString path = MakeShared(folder, "W.svm", 1000, 1235, 0, {{1220, 45.7f}, {1230, 12.0f}, {1231, 1.0f}});
    exchange::WellSummary s;
    ASSERT_EQ(exchange::ReadWellSummary(path, 0, s), 1);
    const QString line = exchange::WellLine(path, s);
    EXPECT_EQ(line, QString("W").leftJustified(25) + " at 1235   Mod 1-15-26 10:05 AM  Gas at 1230  =12U   ");
    EXPECT_EQ(line.size(), 78);
    ASSERT_EQ(exchange::ReadWellSummary(path, -3, s), 1);
    EXPECT_EQ(s.timeText, "1-15-26  7:05 AM");
    // A shift past midnight: 10 + 16 is 2 AM of the next day, not "14 PM".
    ASSERT_EQ(exchange::ReadWellSummary(path, 16, s), 1);
    EXPECT_EQ(s.timeText, "1-16-26  2:05 AM");

    // Gas above 1.0 only before the last 250 records counts for nothing.
    const QString old = MakeShared(folder, "OLD.svm", 1, 400, 0, {{100, 80.0f}});
    ASSERT_EQ(exchange::ReadWellSummary(old, 0, s), 1);
    EXPECT_EQ(std::make_pair(s.gasDepth, s.gasValue), std::make_pair(0, 0));

    EXPECT_EQ(exchange::ReadWellSummary(MakeShared(folder, "S25.svm", 1, 25), 0, s), 0);
    EXPECT_EQ(exchange::ReadWellSummary(MakeShared(folder, "S26.svm", 1, 26), 0, s), 1);
    EXPECT_EQ(exchange::ReadWellSummary(folder + "none.svm", 0, s), 0);
    EXPECT_TRUE(exchange::WellLine(folder + "none.svm", s)
                    .startsWith(QString("none").leftJustified(25) + " at 0      Mod   Gas"));
}

TEST(SharedWells, DollarUserSeesTheFilteredRootWithoutChartFolders)
{
    const QString root = TestDir() + "Dropbox/";
    MakeShared(root + "OPS-1/", "OPS-1.svm", 1, 30);
    MakeShared(root + "ops-2/", "ops-2.svm", 1, 30);
    MakeShared(root + "OPS-1_chart/", "OPS-1.svm", 1, 30);
    MakeShared(root + "OTHER-3/", "OTHER-3.svm", 1, 30);
    QDir().mkpath(root + "OPS-4");
    QStringList list;
    EXPECT_EQ(exchange::ListSharedWells(root, "ops$x", list), 2);
    EXPECT_EQ(list, QStringList({root + "OPS-1/OPS-1.svm", root + "ops-2/ops-2.svm"}));
    list.clear();
    // The all-wells right lists every folder of 6 or more characters, short ones only by the filter.
    EXPECT_EQ(exchange::ListSharedWells(root, "KIT4", list), 1);
    EXPECT_EQ(list, QStringList{root + "OTHER-3/OTHER-3.svm"});
}

TEST(SharedWells, IdleWellsAreRetiredFromTheUsersFolderOnly)
{
    const QString root = TestDir() + "Dropbox/", mine = TestDir() + "me/";
    const QString idle = MakeShared(root + "IDLE/", "IDLE.svm", 1, 30, exchange::kIdleWellSeconds);
    const QString young = MakeShared(root + "YOUNG/", "YOUNG.svm", 1, 30, exchange::kIdleWellSeconds - 1);
    const QString open = MakeShared(root + "OPEN/", "OPEN.svm", 1, 30, 10 * exchange::kIdleWellSeconds);
    MakeShared(mine, "IDLE.svm", 1, 30);
    testing_support::WriteBytes(mine + "IDLE.hdr", QByteArray("h"));
    testing_support::WriteBytes(mine + "YOUNG.hdr", QByteArray("h"));
    const exchange::SharedWellsUser user{"ann", mine, "open", kNow};
    EXPECT_EQ(exchange::KeepWell(user, idle), 0);
    EXPECT_EQ(exchange::KeepWell(user, young), 1);
    EXPECT_EQ(exchange::KeepWell(user, open), 1);
    EXPECT_TRUE(QFile::exists(idle));  // the shared copy stays for every other station
    EXPECT_EQ(QDir(mine).entryList(QDir::Files), QStringList{"YOUNG.hdr"});
}

TEST(SharedWells, ListStoresAtMostFiftyAndIsSavedOnlyWhenTheRecordWasRead)
{
    const QString root = TestDir() + "Dropbox/";
    for (int i = 0; i < 60; ++i) {
        const QString name = QString("WELL%1").arg(i, 2, 10, QChar('0'));
        MakeShared(root + name + "/", name + ".svm", 1, 30, 60);
    }
    auto block = std::make_unique<wellfile::SettingsBlock>();
    bool store = false;
    const exchange::SharedWellsUser all{"overseergroup", TestDir() + "me/", "WELL07", kNow};
    exchange::SharedWellList list = exchange::FillWellList(all, root, 0, *block, true, store);
    EXPECT_TRUE(store);
    EXPECT_EQ(block->fileCount, 50);
    EXPECT_EQ(exchange::ListedFile(*block, 49), root + "WELL49/WELL49.svm");
    EXPECT_EQ(list.lines.size(), 50);
    EXPECT_EQ(list.selected, 7);

    // A user without the right keeps the stored wells that still exist; an unread record is not saved.
    QFile::remove(root + "WELL03/WELL03.svm");
    list = exchange::FillWellList({"ann", {}, {}, kNow}, root, 0, *block, false, store);
    EXPECT_FALSE(store);
    EXPECT_EQ(list.paths.size(), 49);
    EXPECT_EQ(list.paths.value(3), root + "WELL04/WELL04.svm");
    EXPECT_EQ(list.selected, 0);
}

// The live view is the settings file's "LiveView" of [Options]; the live-update set-up and the live
// users are items of the Setup menu.
TEST(SharedWells, BarOfTheWindowListsOpensAndFollowsTheWindow)
{
    doubles().clock.now = kNow;
    shell::CommandLineFilesTaken() = 0;
    platform::WriteSetting("Options/LiveView", "1");
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    window.SetupWindow();
    app::LogState& s = window.State();
    ASSERT_TRUE(s.view.liveView);
    QStringList captions;
    for (QAction* item : window.menuBar()->findChildren<QAction*>()) {
        const int id = item->data().toInt();
        if (id != app::cmd::LiveUpdateConfig && id != app::cmd::LiveUsers)
            continue;
        platform::Dialog::QueueTestScript([&captions](platform::Dialog& d) {
            captions << d.windowTitle();
            d.Click(platform::IDCANCEL);
        });
        item->trigger();
        captions << item->text();
    }
    EXPECT_EQ(captions, (QStringList{"Strativ Live Update Configuration", "Strativ Live Update Configuration...",
                                     "Strativ Live User Setup", "Strativ Live User Setup..."}));
    const QString data = s.well.file.dataFolder, root = data + "dropbox/";
    ASSERT_EQ(window.OpenDataFile(testing_support::MakeWell(data, "W.svm", 100, 200)), 1);
    MakeShared(root + "OPS-1/", "OPS-1.svm", 1, 30, 60);
    const QString two = MakeShared(root + "ops-2/", "ops-2.svm", 1000, 1235, 0, {{1230, 12.0f}});
    MakeShared(root + "OTHER-3/", "OTHER-3.svm", 1, 30);
    s.env.userName = "ops$x";
    s.env.documentsFolder = TestDir() + "docs/";
    window.resize(1280, 700);
    window.PaintLog();
    auto* bar = qobject_cast<shell::SV_LIVEDLG*>(window.Tools().liveBar.data());
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->GetCount(shell::SV_LIVEDLG::ID_WELLS), 2);
    EXPECT_TRUE(
        bar->GetString(shell::SV_LIVEDLG::ID_WELLS, 1).startsWith(QString("ops-2").leftJustified(25) + " at 1235"));
    // A strip of the window itself, it moves with the window.
    const QPoint at = bar->pos();
    window.move(100, 50);
    window.EvMove();
    EXPECT_EQ(bar->parentWidget(), &window);
    EXPECT_FALSE(bar->isWindow());
    EXPECT_EQ(bar->pos(), at);
    window.PaintLog();
    EXPECT_EQ(window.Tools().liveBar.data(), bar);  // one bar for the live view

    // A data-as-text view holds the data file: choosing a well only beeps.
    window.EvCommand(app::cmd::DataAsText);
    ASSERT_TRUE(window.Tools().dataAsText);
    const int beeps = doubles().sounder.beeps;
    EXPECT_EQ(shell::OpenSharedWell(window, two, "t"), 0);
    EXPECT_EQ(doubles().sounder.beeps, beeps + 1);
    window.Tools().dataAsText->close();
    delete window.Tools().dataAsText.data();

    // A missing path is shown; a file that does not open leaves the open well.
    doubles().prompter.messages.clear();
    EXPECT_EQ(shell::OpenSharedWell(window, root + "gone.svm", "t"), 0);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].caption, "File error in Open");
    QDir().mkpath(root + "BAD");
    testing_support::WriteBytes(root + "BAD/BAD.svm", QByteArray(100, 'x'));
    doubles().prompter.messages.clear();
    EXPECT_EQ(shell::OpenSharedWell(window, root + "BAD/BAD.svm", "t"), 0);
    EXPECT_EQ(s.well.file.wellName, "W");

    bar->SetSelIndex(shell::SV_LIVEDLG::ID_WELLS, 1);
    bar->Command(shell::SV_LIVEDLG::ID_WELLS, platform::CBN_SELCHANGE);
    EXPECT_EQ(s.well.file.wellName, "ops-2");
    EXPECT_TRUE(window.windowTitle().startsWith("StrativM    "));
    EXPECT_TRUE(window.windowTitle().endsWith("  Last Updated 1-15-26 10:05 AM")) << window.windowTitle().toStdString();
}

// The bar takes a room of its own under the menu bar, where the log's header would otherwise lie under
// it; with no well to list it takes none.
TEST(SharedWells, TheBarTakesItsOwnRoomOnlyWhileItListsWells)
{
    doubles().clock.now = kNow;
    shell::CommandLineFilesTaken() = 0;
    platform::WriteSetting("Options/LiveView", "1");
    const auto open = [](shell::LogWindow& window, bool shared) {
        window.SetupWindow();
        app::LogState& s = window.State();
        s.env.userName = "ops$x";
        s.env.documentsFolder = TestDir() + "docs/";
        if (shared)
            MakeShared(s.well.file.dataFolder + "dropbox/OPS-1/", "OPS-1.svm", 1, 30, 60);
        window.show();
        window.resize(1280, 700);
        QCoreApplication::processEvents();
        window.PaintLog();
        QCoreApplication::processEvents();
        return window.Tools().liveBar.data();
    };
    shell::LogWindow empty{nullptr, QStringLiteral("StrativM")}, listing{nullptr, QStringLiteral("StrativM")};
    QWidget* none = open(empty, false);
    QWidget* bar = open(listing, true);
    ASSERT_TRUE(none && bar);
    EXPECT_TRUE(none->isHidden());
    ASSERT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->y(), listing.menuBar()->height());
    EXPECT_EQ(listing.BackingStore().height(), empty.BackingStore().height() - bar->height());  // below the bar
}
