// A monitoring station as its user runs it: a server station whose remote monitor is set up in its
// dialog and switched on from the Options menu, or started by the settings' start flag however a well is
// opened.
#include "app/commandids.h"
#include "platform/folders.h"
#include "platform/text.h"
#include "platform/ui/dialog.h"
#include "shell/startup.h"
#include "shell/ui/livemonitordlg.h"
#include "shell/ui/logwindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/reportrecords.h"
#include "wellfile/sidefiles_settings.h"
#include "wellfile/wellpackage.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QStatusBar>

#include <cstring>

#include <gtest/gtest.h>

using testing_support::doubles;
using testing_support::MakeWell;
using testing_support::ReadBytes;
using testing_support::TestDir;
using testing_support::WriteBytes;

namespace {

// The install folder marks this machine a server station before the program starts.
void MakeServerStation()
{
    const QString install = platform::DefaultInstallFolder();
    QDir().mkpath(install);
    WriteBytes(install + app::kServerMarker, "");
}

void Menu(LogWindow& window, int id)
{
    for (QAction* a : window.menuBar()->findChildren<QAction*>())
        if (a->data().isValid() && a->data().toInt() == id) {
            a->trigger();
            return;
        }
    ADD_FAILURE() << "no menu item " << id;
}

void Pack(const QString& zip, const QStringList& files)
{
    ASSERT_TRUE(wellfile::WritePackage(zip, files, wellfile::kPackageLevel, wellfile::PackageWrite::Replace).ok);
}

QString Status(LogWindow& window) { return window.statusBar()->currentMessage(); }

}  // namespace

// Setup > Remote Monitor filled in as a user does (folders typed without a separator), then Options >
// Enable Remote Monitor: the monitor polls the folder typed. A share that is away is not made here and
// is said at every poll; only a package taken is forwarded; another well's package leaves the open
// well's caption alone; the open well's brings its short reports and show marks.
TEST(RemoteStation, EnableRemoteMonitorTakesPackagesFromTheFolderTheSetupNames)
{
    app::CommandLineFilesTaken() = 0;
    MakeServerStation();
    doubles().clock.now = QDateTime(QDate(2026, 3, 9), QTime(5, 53));
    LogWindow window{nullptr, QStringLiteral("StrativM")};
    window.SetupWindow();
    app::LogState& s = window.State();
    ASSERT_TRUE(s.env.serverStation);
    const QString m = s.well.file.dataFolder;
    ASSERT_EQ(window.OpenDataFile(MakeWell(m, "W.svm", 2000, 2400)), 1);
    const QString share = TestDir() + "share/", r = share + "xfer", next = TestDir() + "next", d = TestDir() + "D/";
    QDir().mkpath(next);
    QDir().mkpath(d);
    platform::Dialog::QueueTestScript([&](platform::Dialog& dlg) {
        dlg.SetCheck(101, platform::BST_CHECKED);
        dlg.SetText(102, r);
        dlg.SetCheck(103, platform::BST_CHECKED);
        dlg.SetText(104, next);
        dlg.Click(platform::IDOK);
    });
    doubles().prompter.answers = {platform::IDYES};
    Menu(window, app::cmd::RemoteSetup);
    EXPECT_FALSE(QFileInfo::exists(share));  // never the parents of a receive folder
    ASSERT_EQ(doubles().prompter.messages.size(), 2);
    EXPECT_EQ(doubles().prompter.messages[0].flags, unsigned(platform::MB_YESNO));
    EXPECT_TRUE(doubles().prompter.messages[1].text.contains("could not be made"));
    doubles().prompter.messages.clear();

    Menu(window, app::cmd::RemoteMonitor);
    ASSERT_TRUE(s.env.remoteMonitorOn);
    for (int tick = 0; tick < 2; ++tick) {
        ASSERT_TRUE(doubles().timers.last->Fire(1));
        EXPECT_EQ(Status(window), "Remote Monitor: the receive folder " + r + "/ cannot be found");
    }
    EXPECT_EQ(ReadBytes(m + "download.txt").count("Receive folder not found"), 1);
    QDir().mkpath(r);
    ASSERT_TRUE(doubles().timers.last->Fire(1));
    EXPECT_TRUE(Status(window).isEmpty());

    // Another well's package: taken and forwarded, the open well's caption stays.
    const QString caption = window.windowTitle();
    MakeWell(d, "RIG.svm", 100, 300);
    Pack(r + "/RIG.sv8", {d + "RIG.svm"});
    ASSERT_TRUE(doubles().timers.last->Fire(1));
    EXPECT_TRUE(QFile::exists(m + "RIG.svm"));
    EXPECT_TRUE(QFile::exists(next + "/RIG.sv8"));
    EXPECT_EQ(window.windowTitle(), caption);
    EXPECT_EQ(Status(window), "Remote Monitor: RIG.svm updated AT  5:53 AM (W is open)");

    // A package refused here never reaches the next station.
    WriteBytes(r + "/W.sv8", "not a package");
    ASSERT_TRUE(doubles().timers.last->Fire(1));
    ASSERT_TRUE(doubles().timers.last->Fire(1));
    EXPECT_TRUE(QFile::exists(r + "/rejected/W.sv8"));
    EXPECT_FALSE(QFile::exists(next + "/W.sv8"));

    // The open well's package: its short reports and show marks come with its records.
    MakeWell(d, "W.svm", 2000, 2500);
    reports::QREPORT report{};
    report.number = 1;
    report.depth = 2450;
    WriteBytes(d + "W.qpt", &report, sizeof report);
    reports::SHOWREPORT show{};
    platform::SetFieldText(show.interval, " 2460 to  2470");
    WriteBytes(d + "W.sho", &show, sizeof show);
    Pack(r + "/W.sv8", {d + "W.svm", d + "W.qpt", d + "W.sho"});
    ASSERT_TRUE(doubles().timers.last->Fire(1));
    EXPECT_EQ(window.windowTitle().toStdString(), "W.svm  Last Updated AT  5:53 AM,   3/9/2026  ");
    EXPECT_EQ(s.well.file.fileBottomDepth, 2500);
    ASSERT_EQ(s.shortReports.reports.size(), 1u);
    EXPECT_EQ(s.shortReports.reports[0].depth, 2450);
    EXPECT_EQ(s.well.showDepthIndex[0], 2460);
    EXPECT_TRUE(QFile::exists(next + "/W.sv8"));
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
}

// The settings' start flag starts the monitor after every way of opening a well: a start on the last
// well (which then takes the package waiting, untouched), a start with a file on the command line,
// File > Open, a recent file and the shared-wells bar.
TEST(RemoteStation, TheStartFlagStartsTheMonitorHoweverAWellIsOpened)
{
    MakeServerStation();
    const QString m = platform::DefaultInstallFolder(), r = TestDir() + "R", d = TestDir() + "D/";
    QDir().mkpath(r);
    QDir().mkpath(d);
    exchange::RemoteConfig cfg;
    cfg.startOnOpen = 1;
    std::strcpy(cfg.receiveFolder, qPrintable(r + "\\"));  // as the set-up stores it
    cfg.interval = 30;
    ASSERT_EQ(wellfile::SaveRemoteConfig(m, cfg), 1);
    const QString a = MakeWell(m, "A.svm", 100, 200), b = MakeWell(m, "B.svm", 100, 200),
                  c = MakeWell(m, "C.svm", 100, 200);
    WriteBytes(m + "StrativM.ini", QFile::encodeName(a) + '\0');
    MakeWell(d, "A.svm", 100, 260);
    Pack(r + "/A.sv8", {d + "A.svm"});
    {
        app::CommandLineFilesTaken() = 0;
        LogWindow window{nullptr, QStringLiteral("StrativM")};
        window.SetupWindow();
        ASSERT_EQ(window.State().well.file.dataFileName, a);
        EXPECT_TRUE(window.State().env.remoteMonitorOn);
        EXPECT_EQ(window.State().well.file.fileBottomDepth, 260);
        EXPECT_FALSE(QFile::exists(r + "/A.sv8"));
    }
    app::CommandLineFilesTaken() = 0;
    LogWindow window{nullptr, QStringLiteral("StrativM")};
    app::LogState& s = window.State();
    s.env.commandLineFile = b;
    window.SetupWindow();
    ASSERT_EQ(s.well.file.dataFileName, b);
    EXPECT_TRUE(s.env.remoteMonitorOn);
    EXPECT_EQ(doubles().timers.last->Period(1), 30000);

    const auto reopened = [&](const std::function<void()>& open, const QString& expected) {
        Menu(window, app::cmd::RemoteMonitor);  // switched off by hand
        ASSERT_FALSE(s.env.remoteMonitorOn);
        open();
        EXPECT_EQ(s.well.file.dataFileName.toStdString(), expected.toStdString());
        EXPECT_TRUE(s.env.remoteMonitorOn) << expected.toStdString();
    };
    reopened([&] {
        doubles().prompter.fileAnswers = {c};
        Menu(window, app::cmd::Open);
    }, c);
    reopened([&] { Menu(window, app::cmd::RecentFirst); }, b);  // the well open before C
    reopened([&] { exchange::OpenSharedWell(window, a, {}); }, a);
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
}
