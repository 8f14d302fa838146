#include "exchange/remotemonitor.h"

#include "support/files.h"
#include "support/testmain.h"
#include "support/ziptools.h"
#include "wellfile/sidefiles_settings.h"
#include "wellfile/wellpackage.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>

#include <cstring>

#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace exchange;
using testing_support::At;
using testing_support::ReadBytes;
using testing_support::RunTool;
using testing_support::TestDir;
using testing_support::WriteBytes;

namespace {

QMap<QString, QByteArray> Snapshot(const QString& folder)
{
    QMap<QString, QByteArray> all;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        all[QDir(folder).relativeFilePath(path)] = ReadBytes(path);
    }
    return all;
}

QByteArray Records(int count, char fill) { return QByteArray(616 * count, fill); }

// Two stations on one machine: D logs the well and writes packages, M follows it through R.
struct Stations {
    QString d = TestDir() + "D/", m = TestDir() + "M/", r = TestDir() + "R/", dest = TestDir() + "dest/";
    Stations()
    {
        for (const QString& f : {d, m, r, dest})
            QDir().mkpath(f);
        WriteBytes(m + "W.svm", Records(2, 'o'));
        WriteBytes(m + "W.mem", "old memo");
    }
    // D's package writer packs the files of the well `name` names ("<well>.sv8") into R.
    void Send(const QString& name, int records, char fill)
    {
        const QString well = d + name.chopped(4);
        WriteBytes(well + ".svm", Records(records, fill));
        WriteBytes(well + ".mem", QByteArray("memo ") + fill);
        ASSERT_TRUE(wellfile::WritePackage(r + name, {well + ".svm", well + ".mem"}, wellfile::kPackageLevel,
                                           wellfile::PackageWrite::Replace)
                        .ok);
    }
    ReceivePlaces Places(bool copy = false) const { return {r, m, dest, copy}; }
};

}  // namespace

TEST(RemoteMonitor, SettingsRecordIsWrittenWholeAndShownAsTheDialogShowsIt)
{
    const QString folder = TestDir();
    wellfile::RemoteConfig cfg;
    RemoteSetupFields office = SetupFieldsOf(cfg, false, folder);
    EXPECT_EQ(office.interval, "30");  // a fresh record
    EXPECT_EQ(office.receiveFolder, folder);
    EXPECT_EQ(office.destinationFolder, "Not Selected");
    office.start = true;
    office.copy = true;
    office.interval = "5";
    office.receiveFolder = "/x/recv";
    StoreSetupFields(cfg, office, false);
    EXPECT_EQ(int(cfg.interval), 60);
    EXPECT_EQ(int(cfg.copyOn), 0);  // "Not Selected\" names no destination
    EXPECT_EQ(std::string(cfg.destinationFolder), "Not Selected\\");
    cfg.depthUnitsToSend = 7;
    cfg.updatePackage = 1;
    ASSERT_EQ(wellfile::SaveRemoteConfig(folder, cfg), 1);

    const QByteArray bytes = ReadBytes(folder + "svdlcfg.cfg");
    ASSERT_EQ(bytes.size(), 782);
    EXPECT_EQ(At<std::int32_t>(bytes, 0), 1);
    EXPECT_EQ(bytes.mid(4, 9), QByteArray("/x/recv\\\0", 9));
    EXPECT_EQ(At<std::int32_t>(bytes, 264), 0);
    EXPECT_EQ(bytes.mid(268, 13), QByteArray("Not Selected\\"));
    EXPECT_EQ(At<std::int32_t>(bytes, 518), 60);
    EXPECT_EQ(At<std::int32_t>(bytes, 522), 7);
    EXPECT_EQ(At<std::int32_t>(bytes, 526), 1);
    EXPECT_EQ(bytes.mid(530), QByteArray(252, '\0'));

    wellfile::RemoteConfig back;
    ASSERT_EQ(wellfile::LoadDownloadConfig(folder, back), 1);
    EXPECT_EQ(SetupFieldsOf(back, false, folder).interval, "60");
    EXPECT_EQ(SetupFieldsOf(back, false, folder).receiveFolder, "/x/recv\\");

    // Drilling mode: 0 typed is stored as 2 and shown as such; a fresh record shows 10.
    EXPECT_EQ(SetupFieldsOf(wellfile::RemoteConfig{}, true, folder).interval, "10");
    RemoteSetupFields drilling = SetupFieldsOf(back, true, folder);
    drilling.interval = "0";
    drilling.destinationFolder = "/x/dest/";
    drilling.copy = true;
    StoreSetupFields(back, drilling, true);
    EXPECT_EQ(int(back.interval), 2);
    EXPECT_EQ(int(back.updatePackage), 1);
    EXPECT_EQ(SetupFieldsOf(back, true, folder).interval, "2");

    // Texts as long as the fields keep their separator and their NUL.
    drilling.receiveFolder = QString(300, 'r');
    drilling.destinationFolder = QString(300, 'd');
    StoreSetupFields(back, drilling, true);
    EXPECT_EQ(std::string(back.receiveFolder, 259), std::string(258, 'r') + '\\');
    EXPECT_EQ(back.receiveFolder[259], '\0');
    EXPECT_EQ(std::string(back.destinationFolder, 249), std::string(248, 'd') + '\\');

    WriteBytes(folder + "svdlcfg.cfg", bytes.left(781));
    EXPECT_EQ(wellfile::LoadDownloadConfig(folder, back), 0);
    EXPECT_EQ(int(back.interval), 0);
}

TEST(RemoteMonitor, PackagesAreTakenOneATickInNameOrderAndCopiedOn)
{
    Stations s;
    s.Send("W.sv8", 3, 'a');
    const QByteArray sent = ReadBytes(s.d + "W.svm");
    ReceiveState state;
    const PollResult first = TakeReceivedPackage(s.Places(true), state);
    EXPECT_EQ(first.outcome, PollOutcome::Taken);
    EXPECT_EQ(ReadBytes(s.m + "W.svm"), sent);
    EXPECT_EQ(ReadBytes(s.m + "W.mem"), "memo a");
    EXPECT_FALSE(QFile::exists(s.r + "W.sv8"));
    EXPECT_TRUE(QFile::exists(s.dest + "W.sv8"));

    s.Send("B.sv8", 5, 'b');
    s.Send("A.sv8", 4, 'c');
    EXPECT_EQ(TakeReceivedPackage(s.Places(), state).package, "A.sv8");
    EXPECT_EQ(ReadBytes(s.m + "A.svm"), Records(4, 'c'));
    EXPECT_TRUE(QFile::exists(s.r + "B.sv8"));
    EXPECT_EQ(TakeReceivedPackage(s.Places(), state).package, "B.sv8");
    EXPECT_EQ(ReadBytes(s.m + "B.svm"), Records(5, 'b'));
    EXPECT_EQ(TakeReceivedPackage(s.Places(), state).outcome, PollOutcome::None);

    EXPECT_EQ(ReceivedCaption("W", QDateTime(QDate(2026, 1, 15), QTime(10, 5, 0))),
              "W.svm  Last Updated AT 10:05 AM,   1/15/2026  ");
}

TEST(RemoteMonitor, APackageStillArrivingIsLeftUntilItStopsChanging)
{
    Stations s;
    ReceiveState state;
    // A partial package: the first failing look waits, the growth is seen, the whole one is taken.
    s.Send("W.sv8", 3, 'a');
    const QByteArray whole = ReadBytes(s.r + "W.sv8");
    WriteBytes(s.r + "W.sv8", whole.left(whole.size() / 2));
    EXPECT_EQ(TakeReceivedPackage(s.Places(), state).outcome, PollOutcome::Waiting);
    WriteBytes(s.r + "W.sv8", whole);
    EXPECT_EQ(TakeReceivedPackage(s.Places(), state).outcome, PollOutcome::Waiting);
    EXPECT_EQ(TakeReceivedPackage(s.Places(), state).outcome, PollOutcome::Taken);

    // A change of the write time alone counts as well.
    s.Send("X.sv8", 5, 'c');
    state.seen["X.sv8"] = {QFileInfo(s.r + "X.sv8").size(), QDateTime(QDate(2020, 1, 1), QTime(0, 0))};
    EXPECT_EQ(TakeReceivedPackage(s.Places(), state).outcome, PollOutcome::Waiting);
    EXPECT_EQ(TakeReceivedPackage(s.Places(), state).outcome, PollOutcome::Taken);
}

TEST(RemoteMonitor, ABadPackageIsRejectedWholeAndTheNextIsTaken)
{
    Stations s;
    WriteBytes(s.m + "svdlcfg.cfg", QByteArray(782, 'm'));
    WriteBytes(s.m + "OTHER.svm", Records(2, 'm'));
    const QMap<QString, QByteArray> before = Snapshot(s.m);
    const auto pack = [&s](const QString& name, const QStringList& files) {
        ASSERT_TRUE(wellfile::WritePackage(s.r + name, files, 1, wellfile::PackageWrite::Replace).ok);
    };

    s.Send("A.sv8", 3, 'a');  // cut in half
    const QByteArray a = ReadBytes(s.r + "A.sv8");
    WriteBytes(s.r + "A.sv8", a.left(a.size() / 2));
    // Stored by Debian's zip, one byte of its data flipped: the checksum fails.
    WriteBytes(s.d + "B.svm", Records(3, 'b'));
    ASSERT_EQ(RunTool("zip", {"-0jq", s.r + "B.sv8", s.d + "B.svm"}), 0);
    QByteArray b = ReadBytes(s.r + "B.sv8");
    b[b.indexOf(Records(1, 'b')) + 100] = 'x';
    WriteBytes(s.r + "B.sv8", b);
    // A data file of no whole records, and one whose first depth is 0.
    WriteBytes(s.d + "C.svm", QByteArray(700, 'c'));
    pack("C.sv8", {s.d + "C.svm"});
    WriteBytes(s.d + "E.svm", Records(2, '\0'));
    pack("E.sv8", {s.d + "E.svm"});
    // A package of well F that would replace the station's settings and another well.
    WriteBytes(s.d + "svdlcfg.cfg", QByteArray(782, 'f'));
    WriteBytes(s.d + "OTHER.svm", Records(2, 'f'));
    pack("F.sv8", {s.d + "svdlcfg.cfg", s.d + "OTHER.svm"});
    s.Send("W.sv8", 6, 'd');

    ReceiveState state;
    for (const char* name : {"A.sv8", "B.sv8", "C.sv8", "E.sv8", "F.sv8"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(TakeReceivedPackage(s.Places(), state).outcome, PollOutcome::Waiting);
        const PollResult r = TakeReceivedPackage(s.Places(), state);
        EXPECT_EQ(r.outcome, PollOutcome::Rejected);
        EXPECT_EQ(r.package, name);
        EXPECT_TRUE(QFile::exists(s.r + "rejected/" + name));
        EXPECT_FALSE(QFile::exists(s.r + name));
        QMap<QString, QByteArray> now = Snapshot(s.m);
        EXPECT_TRUE(now.contains("download.txt"));
        now.remove("download.txt");
        EXPECT_EQ(now, before);
    }
    const QByteArray log = ReadBytes(s.m + "download.txt");
    EXPECT_EQ(log.count("Package rejected"), 5);
    EXPECT_TRUE(log.contains("\"E.svm\" does not hold whole records from a depth of 1 or more"));
    EXPECT_TRUE(log.contains("\"svdlcfg.cfg\" is not a file of well F"));
    EXPECT_EQ(TakeReceivedPackage(s.Places(), state).outcome, PollOutcome::Taken);
    EXPECT_EQ(ReadBytes(s.m + "W.svm"), Records(6, 'd'));
}

// A package whose entry says it unpacks to 4 GiB (a zip64 size over three stored bytes, written by hand)
// is refused naming the limit a station takes.
TEST(RemoteMonitor, APackageTooLargeToTakeIsRefusedNamingTheLimit)
{
    Stations s;
    const QString script = "import struct, zlib\n"
                           "name, body = b'W.svm', b'abc'\n"
                           "crc, size = zlib.crc32(body), 4 << 30\n"
                           "extra = struct.pack('<HHQQ', 1, 16, size, len(body))\n"
                           "local = struct.pack('<IHHHHHIIIHH', 0x04034b50, 45, 0, 0, 0, 0x21, crc, 0xFFFFFFFF,\n"
                           "                    0xFFFFFFFF, len(name), len(extra)) + name + extra + body\n"
                           "central = struct.pack('<IHHHHHHIIIHHHHHII', 0x02014b50, 45, 45, 0, 0, 0, 0x21, crc,\n"
                           "                      0xFFFFFFFF, 0xFFFFFFFF, len(name), len(extra), 0, 0, 0, 0, 0) + name + extra\n"
                           "end = struct.pack('<IHHHHIIH', 0x06054b50, 0, 0, 1, 1, len(central), len(local), 0)\n"
                           "open('W.sv8', 'wb').write(local + central + end)\n";
    ASSERT_EQ(RunTool("/usr/bin/python3", {"-c", script}, nullptr, s.r), 0);
    ReceiveState state;
    EXPECT_EQ(TakeReceivedPackage(s.Places(), state).outcome, PollOutcome::Waiting);
    const PollResult refused = TakeReceivedPackage(s.Places(), state);
    EXPECT_EQ(refused.outcome, PollOutcome::Rejected);
    EXPECT_EQ(refused.reason, "\"W.svm\" unpacks to more than the 512 MiB a station takes of one file");
}

// Run as a user other than root, for whom a folder's mode counts: a package waits while the data
// folder cannot be written, says so at every look and once in the log it can write (the receive
// folder's, with no "download.txt" in the data folder), and is taken when it can be written again.
TEST(RemoteMonitor, APackageWaitsWhileTheDataFolderCannotBeWritten)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to become another user";
    Stations s;
    s.Send("W.sv8", 3, 'a');
    for (const QString& path : {QFileInfo(TestDir()).absolutePath(), s.r})
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0777), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(s.m).constData(), 0555), 0);
    ReceiveState state;
    const pid_t child = ::fork();
    if (child == 0) {
        const passwd* nobody = ::getpwnam("nobody");
        if (!nobody || ::setgid(nobody->pw_gid) != 0 || ::setuid(nobody->pw_uid) != 0)
            ::_exit(90);
        for (int tick = 0; tick < 3; ++tick) {
            const PollResult waits = TakeReceivedPackage(s.Places(), state);
            if (waits.outcome != PollOutcome::Waiting ||
                !PollStatusText(waits, s.r, "W", {}).endsWith(s.m + " cannot be written"))
                ::_exit(tick + 1);
        }
        ::_exit(QFile::exists(s.r + "W.sv8") ? 0 : 4);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    ::chmod(QFile::encodeName(s.m).constData(), 0755);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_FALSE(QFile::exists(s.m + "download.txt"));
    EXPECT_EQ(ReadBytes(s.r + "download.txt").count("Package waits, " + s.m.toUtf8() + " cannot be written"), 1);
    EXPECT_EQ(TakeReceivedPackage(s.Places(), state).outcome, PollOutcome::Taken);
}

TEST(RemoteMonitor, RefreshTicksAndPdfPickUp)
{
    EXPECT_EQ(NextRefreshTick(998), 999);
    EXPECT_EQ(NextRefreshTick(999), 0);
    EXPECT_EQ(NextRefreshTick(0), 1);
    EXPECT_TRUE(RefreshChoresOf(10, true, false, false, 1).exportLas);
    EXPECT_FALSE(RefreshChoresOf(0, true, false, false, 1).exportLas);
    EXPECT_FALSE(RefreshChoresOf(10, false, false, false, 1).exportLas);
    EXPECT_FALSE(RefreshChoresOf(11, true, false, false, 1).exportLas);
    const RefreshChores live = RefreshChoresOf(15, false, true, false, 1);
    EXPECT_TRUE(live.deleteConflicts && live.removeOtherWells);
    EXPECT_FALSE(RefreshChoresOf(16, false, true, false, 1).removeOtherWells);
    EXPECT_FALSE(RefreshChoresOf(15, false, true, false, 66).deleteConflicts);
    EXPECT_FALSE(RefreshChoresOf(15, false, true, true, 1).deleteConflicts);
    EXPECT_FALSE(RefreshChoresOf(15, false, false, false, 1).removeOtherWells);

    const QString pdf = TestDir() + "StrativM.pdf", target = TestDir() + "out/Report.pdf";
    QDir().mkpath(TestDir() + "out");
    WriteBytes(pdf, "%PDF one");
    EXPECT_EQ(PickUpPdf(pdf, target, true), 1);
    EXPECT_EQ(ReadBytes(target), "%PDF one");
    EXPECT_FALSE(QFile::exists(pdf));
    WriteBytes(pdf, "%PDF two");
    EXPECT_EQ(PickUpPdf(pdf, target, false), 0);
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(ReadBytes(target), "%PDF one");
}

TEST(RemoteMonitor, LoadingTheRecordForDrillingAndASecondCopy)
{
    const QString data = TestDir() + "data/";
    QDir().mkpath(data);
    WriteBytes(data + "svdlcfg.cfg", QByteArray(781, '\1'));
    RemoteLoad load = LoadRemoteConfig(data, "W", false, true, true);
    EXPECT_FALSE(load.start);
    EXPECT_EQ(ReadBytes(data + "svdlcfg.cfg"), QByteArray(782, '\0'));

    wellfile::RemoteConfig cfg;
    cfg.startOnOpen = 1;
    cfg.copyOn = 1;
    cfg.depthUnitsToSend = 1;
    cfg.interval = 20;
    std::strcpy(cfg.destinationFolder, "/x/dest/");
    ASSERT_EQ(wellfile::SaveRemoteConfig(data, cfg), 1);
    load = LoadRemoteConfig(data, "W", true, false, true);
    EXPECT_EQ(load.depthUnits, 100);
    EXPECT_EQ(load.sendInterval, 20);
    EXPECT_FALSE(load.copy);
    EXPECT_EQ(load.handOverFolder, data + "sendfile/remote/");
    EXPECT_EQ(load.handOverFile, data + "sendfile/remote/W.zl8");
    EXPECT_EQ(load.destinationFile, "/x/dest/W.zl8");

    EXPECT_FALSE(LoadRemoteConfig(data, "W", false, false, true).start);  // no permission
    EXPECT_TRUE(LoadRemoteConfig(data, "W", false, true, true).start);
    load = LoadRemoteConfig(data, "W", false, true, false);
    EXPECT_TRUE(load.refused);
    EXPECT_FALSE(load.start);
}
