// A monitoring station as its user runs it: a server station whose remote monitor is set up in its
// dialog and switched on from the Options menu, or started by the settings' start flag however a well is
// opened.
#include "app/commandids.h"
#include "app/copythreads.h"
#include "drilling/driller.h"
#include "drilling/logtime.h"
#include "platform/folders.h"
#include "platform/text.h"
#include "platform/ui/dialog.h"
#include "shell/startup.h"
#include "shell/ui/livemonitordlg.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/reportrecords.h"
#include "wellfile/sidefiles_settings.h"
#include "wellfile/wellpackage.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QProcess>
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
    WriteBytes(install + shell::kServerMarker, "");
}

void Menu(shell::LogWindow& window, int id)
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

QString Status(shell::LogWindow& window) { return window.statusBar()->currentMessage(); }

}  // namespace

// Setup > Remote Monitor filled in as a user does (folders typed without a separator), then Options >
// Enable Remote Monitor: the monitor polls the folder typed. A share that is away is not made here and
// is said at every poll; only a package taken is forwarded; another well's package leaves the open
// well's caption alone; the open well's brings its short reports and show marks.
TEST(RemoteStation, EnableRemoteMonitorTakesPackagesFromTheFolderTheSetupNames)
{
    MakeServerStation();
    doubles().clock.now = QDateTime(QDate(2026, 3, 9), QTime(5, 53));
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    ASSERT_FALSE(testing_support::OpenNewWell(window, "W.svm", 2000, 2400).isEmpty());
    app::LogState& s = window.State();
    ASSERT_TRUE(s.env.serverStation);
    const QString m = s.well.file.dataFolder;
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
    wellfile::QREPORT report{};
    report.number = 1;
    report.depth = 2450;
    WriteBytes(d + "W.qpt", &report, sizeof report);
    wellfile::SHOWREPORT show{};
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
    wellfile::RemoteConfig cfg;
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
        shell::CommandLineFilesTaken() = 0;
        shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
        window.SetupWindow();
        ASSERT_EQ(window.State().well.file.dataFileName, a);
        EXPECT_TRUE(window.State().env.remoteMonitorOn);
        EXPECT_EQ(window.State().well.file.fileBottomDepth, 260);
        EXPECT_FALSE(QFile::exists(r + "/A.sv8"));
    }
    shell::CommandLineFilesTaken() = 0;
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
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
    reopened([&] { shell::OpenSharedWell(window, a, {}); }, a);
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
}

namespace {

// The rig: a station of its own drilling well W, whose Remote Update set-up sends to `r`. Its Send File
// makes a package at 1100 and another 10 units deeper, kept in `kept` as "1.sv8" and "2.sv8".
void RigSendsTwoPackages(const QString& root, const QString& r, const QString& kept)
{
    platform::SetFolderRoots({root + "docs", root + "config", root + "home"});
    shell::LogWindow rig{nullptr, QStringLiteral("StrativM")};
    ASSERT_FALSE(testing_support::OpenNewWell(rig, "W.svm", 1000, 1100).isEmpty());
    app::LogState& s = rig.State();
    rig.EvCommand(app::cmd::Drilling);
    drilling::Driller* driller = s.engines.driller;
    ASSERT_TRUE(s.well.file.drilling && driller && driller->Time());
    platform::Dialog::QueueTestScript([&](platform::Dialog& dlg) {
        dlg.SetCheck(103, platform::BST_CHECKED);
        dlg.SetText(104, r);
        dlg.Click(platform::IDOK);
    });
    rig.EvCommand(app::cmd::RemoteUpdateSetup);
    QDir().mkpath(kept);
    for (const char* package : {"1.sv8", "2.sv8"}) {
        for (int unit = 0; unit < (package[0] == '2' ? 10 : 0); ++unit) {
            for (int tick = 0; tick < 150; ++tick) {
                doubles().clock.Advance(200);
                driller->Time()->Tick();
            }
            driller->MarkStep(drilling::StepSource::Keyboard);
            doubles().clock.Advance(200);
            driller->Time()->Tick();
            driller->Update();
        }
        app::WaitForCopyThread(s, app::CopyKind::File);  // the package the drilling step sends itself
        rig.EvCommand(app::cmd::SendFile);
        app::WaitForCopyThread(s, app::CopyKind::File);
        ASSERT_TRUE(QFile::rename(r + "/W.sv8", kept + package));
    }
    ASSERT_EQ(s.well.file.fileBottomDepth, 1110);
}

}  // namespace

// An office station follows a rig's well W by every way of opening it: what the rig's Send File made
// carries the rig's settings with drilling on at exit, yet W opens in office mode with the monitor
// running, after File > Open, a recent file, the shared-wells bar, a restart of the program after a
// clean exit and after it was killed, and from the command line; no run is said to have ended while
// drilling, and the rig's next package is taken.
TEST(RemoteStation, ARigsWellOpensInOfficeModeWithItsMonitorHoweverItIsOpened)
{
    const QString r = TestDir() + "R", kept = TestDir() + "kept/";
    QDir().mkpath(r);
    RigSendsTwoPackages(TestDir() + "rig/", r, kept);
    if (HasFailure())
        return;
    QDir().mkpath(TestDir() + "look");
    const QStringList inPackage = wellfile::ExtractPackage(kept + "1.sv8", TestDir() + "look/").written;
    ASSERT_TRUE(inPackage.contains("W.cfg")) << inPackage.join(' ').toStdString();
    ASSERT_EQ(ReadBytes(TestDir() + "look/W.cfg").at(61), 1);  // the rig was drilling

    // The office: the real program's folders under `home`.
    const QString home = TestDir() + "office";
    platform::SetFolderRoots({home + "/Documents", home + "/.config/StrativM", home});
    MakeServerStation();
    const QString m = platform::DefaultInstallFolder(), other = MakeWell(m, "O.svm", 100, 200);
    WriteBytes(m + "StrativM.ini", QFile::encodeName(other) + '\0');
    doubles().prompter.messages.clear();
    const auto opensFollowing = [](shell::LogWindow& window, const char* way) {
        const app::LogState& s = window.State();
        EXPECT_EQ(s.well.file.wellName, "W") << way;
        EXPECT_FALSE(s.well.file.drilling) << way;
        EXPECT_TRUE(s.env.remoteMonitorOn) << way;
        for (const auto& message : doubles().prompter.messages)
            EXPECT_NE(message.caption.toStdString(), "Drilling") << way << ": " << message.text.toStdString();
        doubles().prompter.messages.clear();
    };
    // Before each way of opening W, the monitor takes a package of the rig while another well is open.
    const auto rigPackageTaken = [&](const char* package) {
        ASSERT_TRUE(QFile::copy(kept + package, r + "/W.sv8"));
        ASSERT_TRUE(doubles().timers.last->Fire(1));
        ASSERT_FALSE(QFile::exists(r + "/W.sv8"));
    };
    {
        shell::CommandLineFilesTaken() = 0;
        shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
        window.SetupWindow();
        platform::Dialog::QueueTestScript([&](platform::Dialog& dlg) {
            dlg.SetCheck(101, platform::BST_CHECKED);
            dlg.SetText(102, r);
            dlg.Click(platform::IDOK);
        });
        Menu(window, app::cmd::RemoteSetup);
        Menu(window, app::cmd::RemoteMonitor);
        ASSERT_TRUE(window.State().env.remoteMonitorOn);

        rigPackageTaken("1.sv8");
        doubles().prompter.fileAnswers = {m + "W.svm"};
        Menu(window, app::cmd::Open);
        opensFollowing(window, "File > Open");
        doubles().prompter.fileAnswers = {other};
        Menu(window, app::cmd::Open);
        rigPackageTaken("1.sv8");
        Menu(window, app::cmd::RecentFirst);
        opensFollowing(window, "a recent file");
        shell::OpenSharedWell(window, other, {});
        rigPackageTaken("1.sv8");
        shell::OpenSharedWell(window, m + "W.svm", {});
        opensFollowing(window, "the shared-wells bar");
        ASSERT_TRUE(window.CanClose());
    }

    // The real program restarted after that clean exit, then killed.
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home);
    env.insert("XDG_CONFIG_HOME", home + "/.config");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("ASAN_OPTIONS", "detect_leaks=0");
    env.insert("STRATIVM_STARTUP_REPORT", "1");
    program.setProcessEnvironment(env);
    ASSERT_TRUE(QFile::copy(kept + "1.sv8", r + "/W.sv8"));  // taken at the start, with W open
    program.setWorkingDirectory(m);
    program.start(QCoreApplication::applicationDirPath() + "/../src/strativm", QStringList());
    QByteArray report;
    while (!report.contains("remoteMonitor=") && program.waitForReadyRead(60000))
        report += program.readAllStandardOutput();
    EXPECT_TRUE(report.contains("caption=W.svm  Last Updated AT ")) << report.constData();
    EXPECT_TRUE(report.contains("drilling=0\nremoteMonitor=1")) << report.constData();
    program.kill();
    ASSERT_TRUE(program.waitForFinished(30000));

    shell::CommandLineFilesTaken() = 0;
    {
        shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
        window.SetupWindow();
        EXPECT_TRUE(window.State().env.lastRunUnclosed);
        opensFollowing(window, "a restart after a kill");
        rigPackageTaken("2.sv8");
        EXPECT_EQ(window.State().well.file.fileBottomDepth, 1110);
        ASSERT_TRUE(window.CanClose());
    }
    shell::CommandLineFilesTaken() = 0;
    QDir().mkpath(TestDir() + "downloads");
    ASSERT_TRUE(QFile::copy(kept + "2.sv8", TestDir() + "downloads/W.sv8"));
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    window.State().env.commandLineFile = TestDir() + "downloads/W.sv8";
    window.SetupWindow();
    opensFollowing(window, "the command line");
}

// A package from elsewhere whose files together unpack to more than a station takes of one package,
// each below the limit of one file: refused with the limit named, the well as it was.
TEST(RemoteStation, APackageOverTheTotalIsRefusedWithTheLimitNamed)
{
    MakeServerStation();
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    ASSERT_FALSE(testing_support::OpenNewWell(window, "W.svm", 2000, 2400).isEmpty());
    const QString m = window.State().well.file.dataFolder, r = TestDir() + "R", d = TestDir() + "D/";
    const QByteArray before = ReadBytes(m + "W.svm");
    QDir().mkpath(r);
    MakeWell(d, "W.svm", 2000, 2500);
    QStringList files{d + "W.svm"};
    for (const char* name : {"W.las", "W.pdf", "W.txt", "W.hxt"}) {
        QFile file(d + name);  // sparse: no disk is used
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(qint64(300) << 20));
        files << file.fileName();
    }
    Pack(r + "/W.sv8", files);
    platform::Dialog::QueueTestScript([&](platform::Dialog& dlg) {
        dlg.SetText(102, r);
        dlg.Click(platform::IDOK);
    });
    Menu(window, app::cmd::RemoteSetup);
    Menu(window, app::cmd::RemoteMonitor);
    for (int tick = 0; tick < 2; ++tick)  // one that fails at first sight may still be arriving
        ASSERT_TRUE(doubles().timers.last->Fire(1));
    EXPECT_EQ(Status(window), "Remote Monitor: package W.sv8 rejected (it unpacks to more than the 1024 MiB a station "
                              "takes of one package), moved to \"rejected\"");
    EXPECT_TRUE(QFile::exists(r + "/rejected/W.sv8"));
    EXPECT_EQ(ReadBytes(m + "W.svm"), before);
}
