// Manual, 8. Backups, archives and other stations: each instruction of the section done through the
// window's File, Setup and Options menus, and the files it leaves read back.
#include "manual/drillingsteps.h"

#include "app/copythreads.h"
#include "platform/folders.h"
#include "platform/ui/dialog.h"
#include "shell/startup.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "support/ziptools.h"
#include "wellfile/drives.h"
#include "wellfile/remoteconfig.h"
#include "wellfile/sidefiles_settings.h"
#include "wellfile/wellpackage.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

using manual::Choose;
using manual::MenuItem;
using platform::Dialog;
using testing_support::doubles;
using testing_support::ReadBytes;
using testing_support::TestDir;

namespace {

// Drills `units` depth units with the depth box, two pulses a unit.
void Drill(int units)
{
    for (int i = 0; i < 2 * units; ++i) {
        manual::Pulse();
        manual::Tick(1);
    }
}

// The entry `name` of the zip, as unzip gives it.
QByteArray Unzipped(const QString& zip, const QString& name)
{
    QProcess unzip;
    unzip.start("unzip", {"-p", zip, name});
    unzip.waitForFinished();
    return unzip.readAllStandardOutput();
}

QStringList FilesOf(const QString& folder) { return QDir(folder).entryList(QDir::Files, QDir::Name); }

struct DriveRoots {
    explicit DriveRoots(const QStringList& roots) { wellfile::SetTestDriveRoots(roots); }
    ~DriveRoots() { wellfile::SetTestDriveRoots({}); }
};

}  // namespace

// Manual, 8. Backups, archives and other stations: File > Save as... in the office, File > Backup...
// while drilling, File > Restore... keeping what it replaces.
TEST(ManualStations, SaveAsBackupAndRestore)
{
    shell::LogWindow w{nullptr, QStringLiteral("StrativM")};
    ASSERT_TRUE(testing_support::ShowDemoWindow(w));
    app::LogState& s = w.State();
    const QString folder = s.well.file.currentFolder, well = s.well.file.wellName, data = s.well.file.dataFileName;

    // Save as...: the whole well under the new name; Cancel to the question stays in the well.
    doubles().prompter.fileAnswers = {folder + "COPY.SVM"};
    doubles().prompter.answers = {platform::IDCANCEL};
    ASSERT_TRUE(Choose(w, "File", "Save as..."));
    EXPECT_EQ(s.well.file.wellName, well);
    const QStringList sides = QDir(folder).entryList({well + ".*"}, QDir::Files);
    EXPECT_GE(sides.size(), 5) << sides.join(' ').toStdString();
    for (const QString& name : sides) {
        const QString ext = name.mid(well.size()).toLower();
        const QString copy = ext == ".svm" ? folder + "COPY.SVM" : folder + "COPY" + ext;
        EXPECT_EQ(ReadBytes(copy), ReadBytes(folder + name)) << name.toStdString();
    }

    // Drilling: the same item is Backup...; the copy on the drive chosen in its dialog.
    ASSERT_TRUE(Choose(w, "Options", "Drilling"));
    EXPECT_EQ(MenuItem(w, "File", "Save as..."), nullptr);
    const QString usb = TestDir() + "usb/";
    QDir().mkpath(usb);
    const DriveRoots roots({usb});
    Dialog::QueueTestScript([&](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "Backup");
        for (int i = 0; i < d.GetCount(101); ++i)
            if (d.GetString(101, i) == usb)
                d.SetSelIndex(101, i);
        d.Click(platform::IDOK);
    });
    doubles().prompter.messages.clear();
    ASSERT_TRUE(Choose(w, "File", "Backup..."));
    const QString backup = usb + well + "/" + well + ".svm";
    const QByteArray backedUp = ReadBytes(backup);
    ASSERT_FALSE(backedUp.isEmpty());
    EXPECT_EQ(backedUp, ReadBytes(data));
    ASSERT_FALSE(doubles().prompter.messages.isEmpty());
    EXPECT_EQ(doubles().prompter.messages.last().caption, "Back up Success");

    // Two units more, then Restore... from the drive's copy: the file is the copy again and what it
    // replaced is kept in the well's backup folder.
    manual::Tick(1);
    Drill(2);
    const QByteArray drilled = ReadBytes(data);
    ASSERT_GT(drilled.size(), backedUp.size());
    doubles().prompter.fileAnswers = {backup};
    doubles().prompter.answers = {platform::IDOK};
    ASSERT_TRUE(Choose(w, "File", "Restore..."));
    EXPECT_EQ(ReadBytes(data), backedUp);
    const QString kept = s.well.file.dataFolder + "backup/";
    bool found = false;
    for (const QString& name : FilesOf(kept))
        found = found || ReadBytes(kept + name) == drilled;
    EXPECT_TRUE(found) << "nothing in " << kept.toStdString() << " holds the file restore replaced";
    ASSERT_TRUE(Choose(w, "Options", "Drilling"));
}

// Manual, 8. Backups, archives and other stations: File > Send File... in the office and while drilling
// with Setup > Remote Update..., then File > Archive at TD.
TEST(ManualStations, SendFileRemoteUpdateAndArchive)
{
    shell::LogWindow w{nullptr, QStringLiteral("StrativM")};
    ASSERT_TRUE(testing_support::ShowDemoWindow(w));
    app::LogState& s = w.State();
    const QString well = s.well.file.wellName, dataFolder = s.well.file.dataFolder;

    // Send File...: the package in "sendfile", holding the well's data file as it is.
    ASSERT_TRUE(Choose(w, "File", "Send File..."));
    const QString package = dataFolder + "sendfile/" + well + ".sv8";
    ASSERT_TRUE(testing_support::ZipTestsSound(package));
    EXPECT_EQ(Unzipped(package, well + ".svm"), ReadBytes(s.well.file.dataFileName));
    ASSERT_FALSE(doubles().prompter.messages.isEmpty());
    EXPECT_TRUE(doubles().prompter.messages.last().text.endsWith("ready for mail"));

    // Drilling, Setup > Remote Update...: a package every 4 units, copied to the town's folder.
    ASSERT_TRUE(Choose(w, "Options", "Drilling"));
    const QString town = TestDir() + "town/";
    QDir().mkpath(town);
    Dialog::QueueTestScript([&](Dialog& d) {
        d.SetCheck(103, platform::BST_CHECKED);
        d.SetText(104, town);
        d.SetText(105, "4");
        d.Click(platform::IDOK);
    });
    ASSERT_TRUE(Choose(w, "Setup", "Remote Update..."));
    wellfile::RemoteConfig remote;
    ASSERT_EQ(wellfile::LoadDownloadConfig(dataFolder, remote), 1);
    EXPECT_EQ(+remote.interval, 4);
    EXPECT_EQ(+remote.updatePackage, 1);
    manual::Tick(1);
    const int bottom = s.well.file.fileBottomDepth;
    const int units = 4 - bottom % 4;
    Drill(units - 1);
    app::WaitForCopyThread(s, app::CopyKind::File);
    EXPECT_FALSE(QFile::exists(town + well + ".sv8")) << "a package before the interval";
    Drill(1);
    app::WaitForCopyThread(s, app::CopyKind::File);
    ASSERT_TRUE(testing_support::ZipTestsSound(town + well + ".sv8"));
    EXPECT_EQ(Unzipped(town + well + ".sv8", well + ".svm"), ReadBytes(s.well.file.dataFileName));

    // Archive at TD: the well's daily WITS, chart and gas files go into the zip and leave their folders;
    // the well's own files are in the zip and stay.
    const QString day = well + "@1-15-26";
    for (const QString& name : {"wits/" + day + ".wit", "chart/" + day + ".cht", "gas/" + well + ".gas"}) {
        QDir().mkpath(QFileInfo(dataFolder + name).path());
        testing_support::WriteBytes(dataFolder + name, name.toLatin1());
    }
    doubles().prompter.answers = {platform::IDOK};
    ASSERT_TRUE(Choose(w, "File", "Archive"));
    const QString zip = dataFolder + "archives/" + well + "/" + well + ".zip";
    ASSERT_TRUE(testing_support::ZipTestsSound(zip));
    EXPECT_EQ(Unzipped(zip, day + ".wit"), "wits/" + day + ".wit");
    EXPECT_EQ(Unzipped(zip, day + ".cht"), "chart/" + day + ".cht");
    EXPECT_EQ(Unzipped(zip, well + ".gas"), "gas/" + well + ".gas");
    EXPECT_EQ(Unzipped(zip, well + ".svm"), ReadBytes(s.well.file.dataFileName));
    EXPECT_FALSE(QFile::exists(dataFolder + "wits/" + day + ".wit"));
    EXPECT_FALSE(QFile::exists(dataFolder + "chart/" + day + ".cht"));
    EXPECT_FALSE(QFile::exists(dataFolder + "gas/" + well + ".gas"));
    ASSERT_TRUE(Choose(w, "Options", "Drilling"));
}

// Manual, 8. Backups, archives and other stations: a monitoring station's Setup > Remote Monitor and
// Options > Enable Remote Monitor follow a well from its packages; Setup > Strativ Live Update
// Configuration... publishes the well, Setup > Strativ Live User Setup... gives a user a well.
TEST(ManualStations, RemoteMonitorAndLiveExchange)
{
    const QString install = platform::DefaultInstallFolder();
    QDir().mkpath(install + "Dropbox");  // the folder a file-synchronising service carries to town
    testing_support::WriteBytes(install + shell::kServerMarker, "");
    shell::LogWindow w{nullptr, QStringLiteral("StrativM")};
    ASSERT_TRUE(testing_support::ShowDemoWindow(w));
    app::LogState& s = w.State();
    ASSERT_TRUE(s.env.serverStation);
    const QString m = s.well.file.dataFolder;
    ASSERT_EQ(m, install);
    ASSERT_EQ(w.OpenDataFile(testing_support::MakeWell(m, "W.svm", 2000, 2400)), 1);

    const QString r = TestDir() + "receive/", rig = TestDir() + "rig/";
    QDir().mkpath(r);
    Dialog::QueueTestScript([&](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "STRATIV REMOTE MONITOR SETUP");
        d.SetText(102, r);
        d.SetText(105, "10");
        d.Click(platform::IDOK);
    });
    ASSERT_TRUE(Choose(w, "Setup", "Remote Monitor"));
    ASSERT_TRUE(Choose(w, "Options", "Enable Remote Monitor"));
    EXPECT_TRUE(MenuItem(w, "Options", "Enable Remote Monitor")->isChecked());
    testing_support::MakeWell(rig, "W.svm", 2000, 2500);
    ASSERT_TRUE(wellfile::WritePackage(r + "W.sv8", {rig + "W.svm"}, wellfile::kPackageLevel,
                                       wellfile::PackageWrite::Replace).ok);
    ASSERT_TRUE(doubles().timers.last->Fire(1));
    EXPECT_EQ(ReadBytes(m + "W.svm"), ReadBytes(rig + "W.svm"));
    EXPECT_EQ(s.well.file.fileBottomDepth, 2500);
    EXPECT_TRUE(w.windowTitle().contains("Last Updated")) << w.windowTitle().toStdString();
    ASSERT_TRUE(Choose(w, "Options", "Enable Remote Monitor"));
    EXPECT_FALSE(MenuItem(w, "Options", "Enable Remote Monitor")->isChecked());

    // Live update on: the warning, and the well's files in the shared folder at once.
    doubles().prompter.messages.clear();
    Dialog::QueueTestScript([](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "Strativ Live Update Configuration");
        d.SetCheck(101, platform::BST_CHECKED);
        d.Click(platform::IDOK);
    });
    ASSERT_TRUE(Choose(w, "Setup", "Strativ Live Update Configuration..."));
    ASSERT_FALSE(doubles().prompter.messages.isEmpty());
    EXPECT_TRUE(doubles().prompter.messages[0].text.startsWith("Live updates are enabled."));
    ASSERT_FALSE(s.env.sharedFolder.isEmpty());
    EXPECT_EQ(ReadBytes(s.env.sharedFolder + "W.svm"), ReadBytes(m + "W.svm"));

    // The live users: the well added to the user "geo" is in that user's list on disk.
    const QString users = TestDir() + "Users/";
    QDir().mkpath(users + "geo/Documents/StrativM");
    platform::WriteSetting(QStringLiteral("LiveUsersRoot"), users);
    doubles().prompter.fileAnswers = {m + "W.svm"};
    Dialog::QueueTestScript([](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "Strativ Live User Setup");
        EXPECT_EQ(d.GetCount(110), 19) << "the client list";
        ASSERT_EQ(d.GetCount(115), 1);
        d.SetSelIndex(115, 0);
        d.Command(115, platform::LBN_SELCHANGE);
        d.Click(106);
        EXPECT_EQ(d.GetCount(112), 1);
        d.Click(platform::IDCANCEL);
    });
    ASSERT_TRUE(Choose(w, "Setup", "Strativ Live User Setup..."));
    EXPECT_TRUE(ReadBytes(users + "geo/Documents/StrativM/geo.usr").contains((m + "W.svm").toLatin1()));
}
