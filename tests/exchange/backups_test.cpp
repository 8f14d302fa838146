// Backups of a well W of 1000..1235 on real folders; the clock double reads 15 January 2026. A plain
// folder is handed to the program as a mounted removable drive.
#include "exchange/backups.h"

#include "app/commandids.h"
#include "drilling/driller.h"
#include "drilling/drillingstate.h"
#include "platform/text.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "support/cursor.h"
#include "support/demowindow.h"
#include "support/drillerstate.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "support/ziptools.h"
#include "wellfile/drives.h"
#include "wellfile/record.h"
#include "wits/witsalarmhost.h"

#include <QDir>
#include <QFile>
#include <QDirIterator>
#include <QRegularExpression>

#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

using platform::Dialog;
using testing_support::doubles;
using testing_support::FileRecords;
using testing_support::ReadBytes;
using testing_support::TestDir;
using testing_support::WriteBytes;

namespace {

QStringList Messages()
{
    QStringList out;
    for (const auto& m : doubles().prompter.messages)
        out << m.text + "/" + m.caption;
    doubles().prompter.messages.clear();
    return out;
}

// "C:\" is the user's home folder.
QString Warning()
{
    return "Back Ups to " + wellfile::SystemDriveFolder() +
           " WILL NOT be available if the harddrive crashes\nRecommend backing up to USB Thumb drive/Information";
}

QStringList Files(const QString& folder) { return QDir(folder).entryList(QDir::Files, QDir::Name); }

struct Window {
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    QString data, drive = TestDir() + "usb/";
    Window()
    {
        testing_support::OpenNewWell(window, "W.svm", 1000, 1235);
        data = window.State().well.file.dataFolder;
        QDir().mkpath(drive);
        wellfile::SetTestDriveRoots({drive});
        doubles().clock.now = QDateTime(QDate(2026, 1, 15), QTime(14, 7));
        Messages();
    }
    ~Window() { wellfile::SetTestDriveRoots({}); }
    app::LogState& S() { return window.State(); }
    // Command 51682 while drilling, the dialog choosing `chosen` (none: the dialog's own choice) and
    // closed with `button`; `seen` gets the last backed-up depth the dialog showed.
    void Backup(const QString& chosen, int button = platform::IDOK, QString* seen = nullptr,
                std::function<void()> meanwhile = {})
    {
        S().well.file.drilling = true;
        Dialog::QueueTestScript([=](Dialog& d) {
            for (int i = 0; i < d.GetCount(101); ++i)
                if (d.GetString(101, i) == chosen)
                    d.SetSelIndex(101, i);
            if (seen)
                *seen = d.GetText(107);
            if (meanwhile)
                meanwhile();
            d.Click(button);
        });
        window.EvCommand(app::cmd::SaveAs);
        EXPECT_EQ(Dialog::PendingTestScripts(), 0);
    }
};

void Copies(const QString& folder, const QString& well, int from, int to, int step = 10)
{
    QDir().mkpath(folder);
    for (int depth = from; depth <= to; depth += step)
        WriteBytes(folder + QStringLiteral("%1@%2-95.svm").arg(well).arg(depth), "copy");
}

}  // namespace

TEST(Backups, DatedCopiesAreNamedByEvenBottomAndTimeAndSkippedWhileBusyOrCritical)
{
    Window w;
    const QString backup = w.data + "backup/";
    WriteBytes(w.data + "W.svx", "custom");
    // Through one of its callers: the insert and delete dialog opening.
    Dialog::QueueTestScript([](Dialog& d) { d.Click(platform::IDCANCEL); });
    w.window.EvCommand(app::cmd::InsertDelete);
    EXPECT_EQ(Files(backup), (QStringList{"W@1234-147.svm", "W@1234-147.svx"}));
    EXPECT_EQ(ReadBytes(backup + "W@1234-147.svm"), ReadBytes(w.data + "W.svm"));
    EXPECT_EQ(ReadBytes(backup + "W@1234-147.svx"), "custom");

    doubles().clock.now.setTime(QTime(9, 5));
    EXPECT_EQ(exchange::BackupData(w.S().well, w.S().interaction, w.S().engines.driller, 0), 1);
    EXPECT_TRUE(QFile::exists(backup + "W@1234-95.svm"));
    // 1:47 gives the name 14:07 gave, and so does a second copy in one minute: each takes the next.
    WriteBytes(w.data + "W.svx", "edited");
    doubles().clock.now.setTime(QTime(1, 47));
    EXPECT_EQ(exchange::BackupData(w.S().well, w.S().interaction, w.S().engines.driller, 0), 1);
    EXPECT_EQ(exchange::BackupData(w.S().well, w.S().interaction, w.S().engines.driller, 0), 1);
    EXPECT_EQ(ReadBytes(backup + "W@1234-147.svx"), "custom");
    EXPECT_EQ(ReadBytes(backup + "W@1234-1471.svx"), "edited");
    EXPECT_EQ(w.S().well.backup.lastBackupPath, backup + "W@1234-1472.svm");

    doubles().clock.now.setTime(QTime(10, 0));
    w.S().interaction.commandLock = true;
    EXPECT_EQ(exchange::BackupData(w.S().well, w.S().interaction, w.S().engines.driller, 0), 0);
    w.S().interaction.commandLock = false;
    drilling::DrillingHost facts(w.S());
    drilling::Driller driller(facts, wits::MakeWitsAlarmHost(w.S()));
    testing_support::EditRecords(driller, [](drilling::DrillerRecords& v) { v.backupSkip[1] = 1; });
    w.S().engines.driller = &driller;
    EXPECT_EQ(exchange::BackupData(w.S().well, w.S().interaction, w.S().engines.driller, 1), 0);
    w.S().engines.driller = nullptr;
    EXPECT_EQ(Files(backup).size(), 8);
}

// A well of profile 21 in this station's shared folder: its custom data's dated copies go to the shared
// folder's "backup/" (made at start-up), where the ten deepest are kept; the data file's stay in the data
// folder's; the restore finds the custom data there.
TEST(Backups, ASharedWellsCustomDataCopiesGoToTheSharedBackupFolder)
{
    Window w;
    QDir().mkpath(w.data + "Dropbox");
    w.window.CreateWellFolders();
    const QString shared = w.S().env.sharedFolder;
    ASSERT_TRUE(shared.startsWith(w.data + "Dropbox/")) << shared.toStdString();
    const QString path = testing_support::MakeWell(shared, "W.svm", 1000, 1235);
    auto rows = FileRecords<wellfile::RECORD>(path);
    platform::SetFieldText(rows.front().interpretedLith, "PRF21");
    testing_support::WriteRecords(path, rows);
    ASSERT_EQ(w.window.OpenDataFile(path), 1);
    ASSERT_TRUE(w.S().well.sharedFolderWell);
    WriteBytes(shared + "W.svx", "custom");
    Copies(shared + "backup/", "W", 1000, 1100);  // eleven ".svm" names: made ".svx" below
    for (const QString& name : Files(shared + "backup/"))
        QFile::rename(shared + "backup/" + name, shared + "backup/" + QFileInfo(name).completeBaseName() + ".svx");

    Dialog::QueueTestScript([](Dialog& d) { d.Click(platform::IDCANCEL); });
    w.window.EvCommand(app::cmd::InsertDelete);
    EXPECT_EQ(Files(w.data + "backup/"), QStringList{"W@1234-147.svm"});
    EXPECT_EQ(ReadBytes(shared + "backup/W@1234-147.svx"), "custom");
    const QStringList kept = Files(shared + "backup/");
    EXPECT_EQ(kept.size(), 11);  // pruned to ten before the new one
    EXPECT_FALSE(kept.contains("W@1000-95.svx"));

    WriteBytes(shared + "W.svx", "edited");
    doubles().prompter.fileAnswers = {w.data + "backup/W@1234-147.svm"};
    w.window.EvCommand(app::cmd::Restore);
    EXPECT_EQ(ReadBytes(shared + "W.svx"), "custom");
}

TEST(Backups, PruningKeepsTheTenDeepestCopiesOfTheWellOnlyAndNeverTouchesOtherWells)
{
    const QString folder = TestDir() + "prune/";
    Copies(folder, "W", 1000, 1110);
    for (const char* side : {"W@1000-95.svx", "W@1000-95.mem", "W@1000-95.hxt", "W@1010-95.SVX", "W@1020-95.mem"})
        WriteBytes(folder + side, "side");
    WriteBytes(folder + "OTHER@1200-95.svm", "other");
    WriteBytes(folder + "WW@1200-95.svm", "other");
    EXPECT_EQ(exchange::PruneDatedCopies(folder, "w", 1235), 1);
    QStringList left = Files(folder);
    EXPECT_EQ(left.filter(QRegularExpression("^W@.*\\.svm$")).size(), 10);
    for (const char* gone : {"W@1000-95.svm", "W@1000-95.svx", "W@1000-95.mem", "W@1000-95.hxt", "W@1010-95.svm", "W@1010-95.SVX"})
        EXPECT_FALSE(left.contains(gone)) << gone;
    for (const char* kept : {"W@1020-95.mem", "OTHER@1200-95.svm", "WW@1200-95.svm"})
        EXPECT_TRUE(left.contains(kept)) << kept;

    // A copy at or below the bottom stays even when it is among the shallowest.
    QDir(folder).removeRecursively();
    Copies(folder, "W", 1000, 1110);
    exchange::PruneDatedCopies(folder, "W", 1005);
    EXPECT_EQ(Files(folder).size(), 11);
    EXPECT_FALSE(QFile::exists(folder + "W@1000-95.svm"));
    EXPECT_EQ(exchange::PruneDatedCopies(TestDir() + "none/", "W", 1005), 0);

    // Ten copies and two backups: the prune runs before each copy.
    Window w;
    Copies(w.data + "backup/", "W", 1000, 1090);
    EXPECT_EQ(exchange::BackupData(w.S().well, w.S().interaction, w.S().engines.driller, 0), 1);
    doubles().clock.now.setTime(QTime(14, 8));
    EXPECT_EQ(exchange::BackupData(w.S().well, w.S().interaction, w.S().engines.driller, 0), 1);
    EXPECT_EQ(Files(w.data + "backup/").filter(".svm").size(), 11);
}

TEST(Backups, AWellSetAsideBySaveAsOutlivesThePruningAndANewWell)
{
    Window w;
    const QString backup = w.data + "backup/";
    WriteBytes(w.data + "W.top", "tops of the old W");
    // A deeper well saved over W: W's set is put aside ("W@2026-01-15.*"), and the copy opened as W.
    ASSERT_EQ(w.window.OpenDataFile(testing_support::MakeWell(w.data, "DEEP.svm", 1000, 2101)), 1);
    doubles().prompter.fileAnswers = {w.data + "W.svm"};
    doubles().prompter.answers = {platform::IDOK};
    w.window.EvCommand(app::cmd::SaveAs);
    const QStringList setAside = Files(backup);
    ASSERT_TRUE(setAside.contains("W@2026-01-15.svm") && setAside.contains("W@2026-01-15.top"));
    for (int minute = 0; minute < 12; ++minute) {
        doubles().clock.now.setTime(QTime(10, minute));
        ASSERT_EQ(exchange::BackupData(w.S().well, w.S().interaction, w.S().engines.driller, 0), 1);
    }
    EXPECT_EQ(Files(backup), setAside + Files(backup).filter("W@2100-")) << "the set and 11 dated copies";
    EXPECT_EQ(Files(backup).filter("W@2100-").size(), 11);

    Dialog::QueueTestScript([](Dialog& d) { d.SetText(101, "NEW"), d.SetText(102, "137"), d.Click(platform::IDOK); });
    w.window.EvCommand(app::cmd::New);
    w.window.EvCommand(app::cmd::Drilling);  // off again
    EXPECT_EQ(w.S().well.file.wellName, "NEW");
    EXPECT_EQ(Files(backup), setAside) << "the dated copies go with the old well, the set stays";
}

namespace {

// Runs `work` in a child process as the user "nobody" (directly when this is not root), the test
// folders opened to that user first: its result, or -1 when there is no such user.
int AsNormalUser(const std::function<int()>& work)
{
    const passwd* nobody = getpwnam("nobody");
    if (geteuid() != 0 || !nobody)
        return geteuid() != 0 ? work() : -1;
    QDirIterator it(TestDir(), QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    for (QString path = TestDir(); !path.isEmpty(); path = it.hasNext() ? it.next() : QString())
        QFile::setPermissions(path, QFileDevice::Permissions(0x7777));
    const pid_t child = fork();
    if (child == 0)
        _exit(setgid(nobody->pw_gid) == 0 && setuid(nobody->pw_uid) == 0 ? work() : 99);
    int status = -1;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 98;
}

}  // namespace

TEST(Backups, AUserWhoIsNotRootIsOfferedWhatTheyCanWriteAndGetsTheSvFileBuilt)
{
    Window w;
    WriteBytes(w.data + "W.hdr", "header");
    const QString home = wellfile::SystemDriveFolder();
    const int result = AsNormalUser([&] {
        w.S().well.file.drilling = true;
        Dialog::QueueTestScript([](Dialog& d) { d.SetCheck(105, platform::BST_CHECKED), d.Click(platform::IDOK); });
        w.window.EvCommand(app::cmd::SaveAs);  // "Create SV_ file on drive" ticked
        const QStringList drives = w.S().well.file.drives;
        for (const QString& root : drives)
            if (!QFileInfo(root).isWritable() || root == "/")
                return 1;
        // "C:\" of a new well's settings is the home folder, last in the list and named in the boxes.
        const QStringList package = testing_support::ZipEntries(home + "W.sv_");
        return drives.first() == w.drive && drives.last() == home &&
                       Messages() == QStringList{Warning(), "Source file size= 145376 \n\rBackup file size= 145376\n\r"
                                                            "Backed up to " + home + "W//Back up Success"} &&
                       ReadBytes(home + "W/W.svm") == ReadBytes(w.data + "W.svm") && package.contains("W.hdr")
                   ? 0
                   : 2;
    });
    if (result == -1)
        GTEST_SKIP() << "this machine has no user \"nobody\" to back up as";
    EXPECT_EQ(result, 0);
}

TEST(Backups, DriveBackupCopiesChecksSizesAndAsksBeforeReplacingADeeperCopy)
{
    Window w;
    w.Backup(w.drive);
    const QString copy = w.drive + "W/W.svm";
    ASSERT_EQ(QFileInfo(w.data + "W.svm").size(), 145376);
    EXPECT_EQ(ReadBytes(copy), ReadBytes(w.data + "W.svm"));
    // Nothing configured yet: the warning first.
    EXPECT_EQ(Messages(), (QStringList{Warning(), "Source file size= 145376 \n\rBackup file size= 145376\n\rBacked up to " +
                                                      w.drive + "W//Back up Success"}));
    EXPECT_EQ(w.S().well.backup.lastBackedUpDepth, 1235);
    EXPECT_GE(testing_support::cursor().shown, 1);
    EXPECT_EQ(testing_support::cursor().waiting, 0);

    // The chosen drive is remembered though its path is longer than the settings field; the dialog
    // shows it and the last depth next time. A deeper copy on the drive asks; Cancel keeps it.
    WriteBytes(copy, ReadBytes(copy) + QByteArray(616, 'x'));
    const QByteArray deeper = ReadBytes(copy);
    doubles().prompter.answers.push_back(platform::IDCANCEL);
    QString seen;
    w.Backup(QString(), platform::IDOK, &seen);
    EXPECT_EQ(seen, "1235");
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].caption, "Back Up");
    EXPECT_EQ(doubles().prompter.messages[0].flags, unsigned(platform::MB_OKCANCEL));
    Messages();
    EXPECT_EQ(ReadBytes(copy), deeper);

    // The drive is gone between the choice and the copy.
    QDir(w.drive + "W").removeRecursively();
    w.Backup(w.drive, platform::IDOK, nullptr, [&] { QDir(w.drive).removeRecursively(); });
    EXPECT_EQ(Messages(), QStringList{"Failure reading drive /Backup"});
    EXPECT_FALSE(QFile::exists(w.drive));
    EXPECT_EQ(testing_support::cursor().waiting, 0) << "put back on the early return too";
}

TEST(Backups, AnUnmountedDriveFallsBackWithAWarningAndABrokenFileIsRepairedNotCopied)
{
    Window w;
    w.Backup(w.drive);  // stored, then unmounted
    wellfile::SetTestDriveRoots({});
    Messages();
    w.Backup(QString(), platform::IDCANCEL);
    EXPECT_EQ(Messages(), QStringList{Warning()});

    wellfile::SetTestDriveRoots({w.drive});
    auto rows = FileRecords<wellfile::RECORD>(w.data + "W.svm");
    for (std::size_t i = 101; i < rows.size(); ++i)
        rows[i].depth += 1;  // 1100 then 1102
    testing_support::WriteRecords(w.data + "W.svm", rows);
    QDir(w.drive).removeRecursively();
    QDir().mkpath(w.drive);
    w.Backup(w.drive);
    EXPECT_EQ(Messages(), QStringList{"Error in file Back up Aborted/Backup"});
    EXPECT_FALSE(QFile::exists(w.drive + "W/W.svm"));
    EXPECT_EQ(FileRecords<wellfile::RECORD>(w.data + "W.svm")[102].depth, 1102) << "the repair renumbered the file";

    // A file of every second depth is whole.
    std::vector<wellfile::RECORD> blank(5);
    for (std::size_t i = 0; i < blank.size(); ++i)
        blank[i].depth = std::int32_t(2 + 2 * i);
    testing_support::WriteRecords(TestDir() + "B.svm", blank);
    int repairs = 0;
    EXPECT_EQ(exchange::CheckDataFileSequence(TestDir() + "B.svm", [&] { ++repairs; }), 1);
    blank[3].depth = 7;
    testing_support::WriteRecords(TestDir() + "B.svm", blank);
    EXPECT_EQ(exchange::CheckDataFileSequence(TestDir() + "B.svm", [&] { ++repairs; }), 0);
    EXPECT_EQ(repairs, 1);
}

TEST(Backups, CompressedBackupZipsTheWellAndTodaysChartWithBareNames)
{
    Window w;
    w.S().well.loggerId = 2;
    WriteBytes(w.data + "gasmon.cfg", "gas settings");
    WriteBytes(w.data + "W.hdr", "header");
    QDir().mkpath(w.data + "chart");
    WriteBytes(w.data + "chart/W@1-15-26.cht", "chart");
    w.Backup(w.drive);
    const QString zip = w.drive + "W/W.zip";
    EXPECT_TRUE(testing_support::ZipTestsSound(zip));
    const QStringList entries = testing_support::ZipEntries(zip);
    for (const char* name : {"W.svm", "W.hdr", "gasmon.cfg"})
        EXPECT_TRUE(entries.contains(name)) << name;
    EXPECT_TRUE(entries.filter("/").isEmpty());
    EXPECT_EQ(ReadBytes(w.drive + "gasmon.cfg"), "gas settings");
    const QString chartZip = w.drive + "W/W@1-15-26.ch_";
    EXPECT_EQ(testing_support::ZipEntries(chartZip), QStringList{"W@1-15-26.cht"});
    EXPECT_EQ(Messages(), (QStringList{Warning(), "Chart file compressed to " + chartZip + "/" + w.data + "chart/W@1-15-26.cht"}));
    EXPECT_EQ(w.S().well.backup.lastBackedUpDepth, 1235);
    EXPECT_FALSE(QFile::exists(w.drive + "W/W.svm"));
}
