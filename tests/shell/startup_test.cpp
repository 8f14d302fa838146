#include "shell/startup.h"

#include "app/commandids.h"
#include "app/logstate.h"
#include "app/opendatafile.h"
#include "platform/folders.h"
#include "platform/text.h"
#include "shell/ui/logwindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/wellconfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include <unistd.h>

using testing_support::doubles;
using testing_support::MakeWell;
using testing_support::TestDir;
using testing_support::WriteBytes;

namespace {

int RunTool(const QString& program, const QStringList& args, const QString& folder)
{
    QProcess p;
    p.setWorkingDirectory(folder);
    p.start(program, args);
    return p.waitForFinished(30000) ? p.exitCode() : -1;
}

// Every file and folder under `folder` with its bytes, hidden ones included.
QMap<QString, QByteArray> Snapshot(const QString& folder)
{
    QMap<QString, QByteArray> all;
    QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        all[QDir(folder).relativeFilePath(path)] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<dir>");
    }
    return all;
}

// Writes a package with Debian's Python (its zipfile module), whatever python is first on the PATH.
void MakePackage(const QString& script, const QString& folder)
{
    QDir().mkpath(folder);
    ASSERT_EQ(RunTool("/usr/bin/python3", {"-c", "import zipfile\n" + script}, folder), 0)
        << script.toStdString();
}

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        shell::CommandLineFilesTaken() = 0;
        app::ApplySetupDefaults(s);
        shell::SettleFolders(s);
        data = s.well.file.dataFolder;
    }
    // The text of the message box of that caption; empty when none was shown.
    QString Asked(const QString& caption) const
    {
        for (const auto& m : doubles().prompter.messages)
            if (m.caption == caption)
                return m.text;
        return {};
    }
    app::LogState s;
    app::WellServices services;
    QString data;
};

}  // namespace

TEST_F(StartupTest, FoldersFollowTheInstallFolder)
{
    EXPECT_EQ(s.env.installFolder, platform::DefaultInstallFolder());
    EXPECT_FALSE(s.env.useDocumentsFolder);
    EXPECT_EQ(data, s.env.installFolder);

    platform::SetInstallFolder(TestDir() + "elsewhere");
    shell::SettleFolders(s);
    EXPECT_EQ(s.env.installFolder, TestDir() + "elsewhere/");
    EXPECT_TRUE(s.env.useDocumentsFolder);
    EXPECT_EQ(s.well.file.dataFolder, platform::DocumentsFolder());

    platform::SetInstallFolder(platform::DefaultInstallFolder());
    QDir().mkpath(platform::DefaultInstallFolder());
    QFile(platform::DefaultInstallFolder() + shell::kDocumentsMarker).open(QIODevice::WriteOnly);
    shell::SettleFolders(s);
    EXPECT_TRUE(s.env.useDocumentsFolder);
}

TEST_F(StartupTest, BrowserRepeatPackageIsUnpackedIntoTheDataFolderAndOpened)
{
    const QString cache = TestDir() + "Temporary Internet Files/";
    MakeWell(cache, "WELL.svm", 500, 900);
    QFile(cache + "WELL.hdr").open(QIODevice::WriteOnly);
    ASSERT_EQ(RunTool("zip", {"-1jq", cache + "WELL[1].sv8", cache + "WELL.svm", cache + "WELL.hdr"}, cache), 0);
    QFile::remove(cache + "WELL.svm");
    QFile::remove(cache + "WELL.hdr");

    s.env.commandLineFile = cache + "WELL[1].sv8";
    s.env.logOpenLines = true;
    ASSERT_EQ(shell::StartUp(s, services, {}), 1);
    EXPECT_EQ(s.well.file.dataFileName, data + "WELL.svm");
    EXPECT_EQ(s.well.file.fileBottomDepth, 900);
    EXPECT_EQ(s.well.file.viewTopDepth, 900 - 40);
    EXPECT_TRUE(s.env.commandLineFile.isEmpty());
    EXPECT_TRUE(QFile::exists(data + "WELL.hdr"));
    EXPECT_FALSE(QFile::exists(data + "WELL[1].sv8"));
    EXPECT_TRUE(QFile::exists(cache + "WELL[1].sv8"));  // the browser's file is not ours to delete
    EXPECT_TRUE(QDir(data).entryList({".staging*"}, QDir::AllEntries | QDir::Hidden).isEmpty());
    QFile log(data + "svdata-M.txt");
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(log.readAll().contains(" Opened By Cmd by "));

    // A second start-up of the process ignores the command line.
    const QString other = MakeWell(TestDir() + "x/", "OTHER.svm", 10, 100);
    s.env.commandLineFile = other;
    shell::StartUp(s, services, {});
    EXPECT_NE(s.well.file.dataFileName, other);
}

TEST_F(StartupTest, PackageReplacesTheWellsFilesWhateverTheirLetterCase)
{
    // The station has the well as "Well.svm"; the package from a Windows station names it "WELL.SVM".
    MakeWell(data, "Well.svm", 100, 200);
    const QString folder = TestDir() + "mail/";
    const QString fresh = MakeWell(folder, "WELL.SVM", 500, 700);
    MakePackage(QString("with zipfile.ZipFile('Well.sv8', 'w', zipfile.ZIP_DEFLATED) as z:\n"
                        "    z.write('%1', 'WELL.SVM')\n").arg(fresh),
                folder);

    ASSERT_EQ(shell::OpenCommandLineFile(s, services, folder + "Well.sv8"), 1);
    EXPECT_EQ(s.well.file.dataFileName, data + "Well.svm");
    EXPECT_EQ(s.well.file.fileBottomDepth, 700);
    EXPECT_EQ(QDir(data).entryList({"*.svm"}, QDir::Files, QDir::IgnoreCase), QStringList{"Well.svm"});
    EXPECT_TRUE(QFile::exists(folder + "Well.sv8"));
}

TEST_F(StartupTest, PackageWithADamagedEntryLeavesTheDataFolderAsItWas)
{
    const QString open = MakeWell(data, "WELL.svm", 100, 200);
    WriteBytes(data + "WELL.hdr", "the header of the open well");
    ASSERT_EQ(app::OpenDataFile(s, services, open), 1);
    const QString folder = TestDir() + "mail/";
    const QString fresh = MakeWell(folder + "src/", "WELL.svm", 500, 900);

    // The first entry is whole; one byte in the middle of the second entry's data is changed, which a
    // stored entry gives away only by its checksum and a deflated one by its stream or checksum.
    for (const char* method : {"ZIP_STORED", "ZIP_DEFLATED"}) {
        SCOPED_TRACE(method);
        MakePackage(QString("with zipfile.ZipFile('WELL.sv8', 'w', zipfile.%1) as z:\n"
                            "    z.writestr('WELL.hdr', b'the header from the package')\n"
                            "    z.write('%2', 'WELL.svm')\n"
                            "    info = z.getinfo('WELL.svm')\n"
                            "with open('WELL.sv8', 'r+b') as f:\n"
                            "    f.seek(info.header_offset + 26)\n"
                            "    n, m = int.from_bytes(f.read(2), 'little'), int.from_bytes(f.read(2), 'little')\n"
                            "    at = info.header_offset + 30 + n + m + info.compress_size // 2\n"
                            "    f.seek(at); b = f.read(1); f.seek(at); f.write(bytes([b[0] ^ 0x5A]))\n")
                        .arg(method, fresh),
                    folder);
        const QMap<QString, QByteArray> before = Snapshot(TestDir());
        doubles().prompter.messages.clear();

        EXPECT_EQ(shell::OpenCommandLineFile(s, services, folder + "WELL.sv8"), 0);
        EXPECT_EQ(Snapshot(TestDir()), before);  // nothing new, nothing replaced, no staging left
        EXPECT_EQ(s.well.file.dataFileName, open);
        EXPECT_EQ(s.well.file.fileBottomDepth, 200);
        EXPECT_TRUE(Asked("Well Package").contains(folder + "WELL.sv8"));
    }
}

TEST_F(StartupTest, HostilePackagesAreRefusedWithTheOneMessageAndLeaveEveryFolderAsItWas)
{
    const QString open = MakeWell(data, "WELL.svm", 100, 200);
    WriteBytes(data + "WELL.hdr", "the header of the open well");
    ASSERT_EQ(app::OpenDataFile(s, services, open), 1);
    const QString folder = TestDir() + "mail/";
    // Each package has a good first entry and one hostile part.
    const QString good = "    z.writestr('EVIL.svm', b'\\0' * 616)\n";
    const struct {
        const char* what;
        QString script;
        QString named;  // in the message
    } packages[] = {
        {"a step up", good + "    z.writestr('../x', b'outside')\n", "../x"},
        {"an absolute path", good + QString("    z.writestr('%1', b'outside')\n").arg(TestDir() + "abs.txt"),
         TestDir() + "abs.txt"},
        {"a sub-folder", good + "    z.writestr('sub/WELL.svm', b'x')\n", "sub/WELL.svm"},
        {"a link", good + "    i = zipfile.ZipInfo('WELL.hdr'); i.create_system = 3; i.external_attr = 0o120777 << 16\n"
                          "    z.writestr(i, '/etc/passwd')\n",
         "WELL.hdr"},
        {"10,000 entries", "    for i in range(10000): z.writestr('W%d.txt' % i, b'x')\n", "10000 entries"},
    };
    for (const auto& p : packages) {
        SCOPED_TRACE(p.what);
        MakePackage("with zipfile.ZipFile('evil.sv8', 'w') as z:\n" + p.script, folder);
        const QMap<QString, QByteArray> before = Snapshot(TestDir());
        doubles().prompter.messages.clear();

        EXPECT_EQ(shell::OpenCommandLineFile(s, services, folder + "evil.sv8"), 0);
        EXPECT_EQ(Snapshot(TestDir()), before);
        ASSERT_EQ(doubles().prompter.messages.size(), 1);
        const QString told = Asked("Well Package");
        EXPECT_TRUE(told.startsWith("The well package " + folder + "evil.sv8 could not be opened. Nothing was taken from it.\n"))
            << told.toStdString();
        EXPECT_TRUE(told.contains(p.named)) << told.toStdString();
        EXPECT_EQ(s.well.file.dataFileName, open);
    }

    // An entry that says it unpacks to 4 GiB (a zip64 size; three bytes are stored), written by hand.
    MakePackage("import struct, zlib\n"
                "name, body = b'WELL.svm', b'abc'\n"
                "crc, size = zlib.crc32(body), 4 << 30\n"
                "extra = struct.pack('<HHQQ', 1, 16, size, len(body))\n"
                "local = struct.pack('<IHHHHHIIIHH', 0x04034b50, 45, 0, 0, 0, 0x21, crc, 0xFFFFFFFF, 0xFFFFFFFF,\n"
                "                    len(name), len(extra)) + name + extra + body\n"
                "central = struct.pack('<IHHHHHHIIIHHHHHII', 0x02014b50, 45, 45, 0, 0, 0, 0x21, crc, 0xFFFFFFFF,\n"
                "                      0xFFFFFFFF, len(name), len(extra), 0, 0, 0, 0, 0) + name + extra\n"
                "end = struct.pack('<IHHHHIIH', 0x06054b50, 0, 0, 1, 1, len(central), len(local), 0)\n"
                "open('huge.sv8', 'wb').write(local + central + end)\n",
                folder);
    const QMap<QString, QByteArray> before = Snapshot(TestDir());
    doubles().prompter.messages.clear();
    EXPECT_EQ(shell::OpenCommandLineFile(s, services, folder + "huge.sv8"), 0);
    EXPECT_EQ(Snapshot(TestDir()), before);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_TRUE(Asked("Well Package").endsWith("The entry \"WELL.svm\" is too large for a well package."))
        << Asked("Well Package").toStdString();
}

TEST_F(StartupTest, SideFileOnTheCommandLineOpensTheLastFileOfTheIni)
{
    const QString last = MakeWell(data, "LAST.svm", 100, 400);
    WriteBytes(data + "StrativM.ini", QFile::encodeName(last) + '\0');
    QFile(data + "LAST.rpt").open(QIODevice::WriteOnly);

    // The well was left with its view at 250: a refused command line does not stop that coming back.
    wellfile::WellPlace place;
    place.dataFolder = place.currentFolder = place.workingFolder = data;
    place.wellName = "LAST";
    wellfile::ConfigDefaults defaults;
    defaults.loggerId = 12;
    wellfile::WellConfig cfg = wellfile::DefaultWellConfig(defaults);
    cfg.viewTopDepth = 250;
    bool field = false;
    ASSERT_EQ(wellfile::SaveConfig(cfg, place, field), 1);

    s.env.commandLineFile = data + "LAST.rpt";
    shell::StartUp(s, services, {});
    EXPECT_EQ(s.well.file.dataFileName, last);
    EXPECT_TRUE(s.env.logOpenLines);
    EXPECT_FALSE(s.env.commandLineStart);
    EXPECT_EQ(s.well.file.viewTopDepth, 250);
}

TEST_F(StartupTest, OnlyALockHeldByAnotherCopyMakesASecondInstance)
{
    platform::InstanceLock other;
    ASSERT_TRUE(other.TryAcquire(platform::JoinPath(s.env.documentsFolder, "tempM")));
    EXPECT_EQ(shell::CreateInstanceMap(s), 0);
    other.Release();
    EXPECT_EQ(shell::CreateInstanceMap(s), 1);
    ASSERT_NE(s.env.instanceLock, nullptr);
    EXPECT_TRUE(s.env.instanceLock->IsHeld());
    shell::ReleaseInstanceMap(s);
}

TEST_F(StartupTest, WithoutADocumentsLockTheTemporaryFolderHoldsItAndOnlyWithNeitherIsACopyFirst)
{
    // The temporary folder of this test and no runtime folder; restored when it ends.
    struct EnvVar {
        const char* name;
        QByteArray saved = qgetenv(name);
        EnvVar(const char* n, const QString& value) : name(n)
        {
            value.isNull() ? qunsetenv(name) : qputenv(name, QFile::encodeName(value));
        }
        ~EnvVar() { saved.isNull() ? qunsetenv(name) : qputenv(name, saved); }
    } tmp("TMPDIR", TestDir() + "tmp"), runtime("XDG_RUNTIME_DIR", QString());
    QDir().mkpath(TestDir() + "tmp");
    s.env.userName = "tester";
    const QString fallback = TestDir() + "tmp/strativm-tester/tempM";
    ASSERT_EQ(shell::SharedInstanceLockPath("tester"), fallback);

    // No lock can be made where the documents folder should be (a file stands there).
    WriteBytes(TestDir() + "notafolder", "x");
    s.env.documentsFolder = TestDir() + "notafolder/StrativM/";
    EXPECT_EQ(shell::CreateInstanceMap(s), 1);  // its folder is made
    ASSERT_NE(s.env.instanceLock, nullptr);
    EXPECT_TRUE(s.env.instanceLock->IsHeld());
    shell::ReleaseInstanceMap(s);
    // The shared temporary folder's one is kept to this user.
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                            QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                            QFileDevice::WriteOther | QFileDevice::ExeOther;
    EXPECT_FALSE(QFileInfo(TestDir() + "tmp/strativm-tester").permissions() & others);

    platform::InstanceLock other;
    ASSERT_TRUE(other.TryAcquire(fallback));
    EXPECT_EQ(shell::CreateInstanceMap(s), 0);
    EXPECT_EQ(s.env.instanceLock, nullptr);
    other.Release();

    // The user's runtime folder, when there is one, holds it instead.
    QDir().mkpath(TestDir() + "run");
    QFile::setPermissions(TestDir() + "run", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(TestDir() + "run"));
    EXPECT_EQ(shell::SharedInstanceLockPath("tester"), TestDir() + "run/strativm-tester/tempM");
    EXPECT_EQ(shell::CreateInstanceMap(s), 1);
    EXPECT_TRUE(QFileInfo::exists(TestDir() + "run/strativm-tester/tempM"));
    shell::ReleaseInstanceMap(s);
    qunsetenv("XDG_RUNTIME_DIR");

    // Neither place can hold one: the lone copy is the first, and says so in the activity log.
    qputenv("TMPDIR", QFile::encodeName(TestDir() + "notafolder"));
    EXPECT_EQ(shell::CreateInstanceMap(s), 1);
    EXPECT_EQ(s.env.instanceLock, nullptr);
    EXPECT_TRUE(testing_support::ReadBytes(data + "svdata-M.txt").contains("No single-instance lock could be made"));

    // Nor can a folder there that another user made first (and could hold the lock in).
    if (::geteuid() == 0) {
        const QString foreign = TestDir() + "tmp2/strativm-tester";
        QDir().mkpath(foreign);
        ASSERT_EQ(::chown(QFile::encodeName(foreign).constData(), 12345, 12345), 0);
        qputenv("TMPDIR", QFile::encodeName(TestDir() + "tmp2"));
        EXPECT_EQ(shell::CreateInstanceMap(s), 1);
        EXPECT_EQ(s.env.instanceLock, nullptr);
        EXPECT_FALSE(QFileInfo::exists(foreign + "/tempM"));
    }
}

TEST(Startup, FreshUserFolderGetsItsFoldersAndTheDemoWellOpened)
{
    qputenv("USER", "tester");
    shell::LogWindow window(nullptr, QStringLiteral("StrativM"));
    window.SetupWindow();
    const app::LogState& s = window.State();
    const QString install = platform::DefaultInstallFolder();

    EXPECT_EQ(s.env.firstInstance, 1);
    EXPECT_EQ(s.well.loggerId, 12);
    EXPECT_EQ(s.well.file.fileTopDepth, 1000);
    EXPECT_EQ(s.well.file.fileBottomDepth, 2600);
    EXPECT_EQ(s.well.captionText, "StrativM    " + install + "elogdemo.svm");
    EXPECT_EQ(window.windowTitle(), s.well.captionText);
    for (const char* folder : {"remote", "VIEWS/FIT", "WITS", "chart", "gas", "sendfile", "mudloglas", "bitmaps",
                               "archives", "backup"})
        EXPECT_TRUE(QFileInfo(install + folder).isDir()) << folder;
    EXPECT_GT(s.well.showDepthIndex[0], 1000);
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
    // Timer 3 runs for the window's life although the open has set the first-record flag.
    ASSERT_TRUE(s.well.writeBottomToFirstRecord);
    EXPECT_EQ(doubles().timers.last->Period(3), 10000);
    EXPECT_EQ(doubles().timers.last->Period(5), 10000);

    QFile log(install + "svdata-M.txt");
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(log.readAll(), (install + "elogdemo.svm Opened by tester at 2600 ft  8:30 AM 01-15-26 PRF12 Demo Logging "
                                        "1 Ft\n\r").toLocal8Bit());
}

// The installation's switches that no dialog sets are read from the settings file's [Options] at start.
TEST(Startup, TheOptionsSwitchesOfTheSettingsFileAreTakenAtStart)
{
    for (const char* key : {"FlareTrack", "FlareContinue", "CombinedGasTrack", "MemoAllCaps"}) {
        shell::LogWindow off(nullptr, QStringLiteral("StrativM"));
        off.SetupWindow();
        EXPECT_FALSE(off.State().layout.flareTrack || off.State().entry.flareContinue ||
                     off.State().layout.combinedGasTrack || off.State().notes.allCapsDescriptions);
        platform::WriteSetting(QStringLiteral("Options/") + key, " 1 ");
        shell::LogWindow on(nullptr, QStringLiteral("StrativM"));
        on.SetupWindow();
        const app::LogState& s = on.State();
        const bool taken = std::string(key) == "FlareTrack"     ? s.layout.flareTrack == 1
                           : std::string(key) == "FlareContinue" ? s.entry.flareContinue
                           : std::string(key) == "CombinedGasTrack" ? s.layout.combinedGasTrack
                                                                    : s.notes.allCapsDescriptions;
        EXPECT_TRUE(taken) << key;
        platform::WriteSetting(QStringLiteral("Options/") + key, "0");
    }
}

TEST(Startup, TheDataFileRoutinesTraceLinesReachTheActivityLog)
{
    qputenv("USER", "tester");
    shell::LogWindow window(nullptr, QStringLiteral("StrativM"));
    window.State().env.verboseActivityLog = true;
    window.SetupWindow();
    const QByteArray log = testing_support::ReadBytes(platform::DefaultInstallFolder() + "svdata-M.txt");
    EXPECT_TRUE(log.contains("Auto Start 1 Ft\n\r")) << log.constData();
    EXPECT_TRUE(log.contains("initilize 1 Ft\n\r"));
}

// Two copies of the real program, started one after the other while the first still runs.
class RunningCopies : public ::testing::Test {
protected:
    void SetUp() override
    {
        program = QCoreApplication::applicationDirPath() + "/../src/strativm";
        ASSERT_TRUE(QFile::exists(program)) << "build the strativm program";
        home = TestDir() + "home";
        env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home);
        env.insert("XDG_CONFIG_HOME", home + "/.config");
        env.insert("USER", "tester");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("ASAN_OPTIONS", "detect_leaks=0");
        env.insert("STRATIVM_STARTUP_REPORT", "1");
    }
    void TearDown() override
    {
        for (QProcess* p : copies) {
            p->closeWriteChannel();
            if (!p->waitForFinished(10000))
                p->kill();
            delete p;
        }
    }
    // Starts a copy in `folder` and reads its start-up report: "firstInstance" and "caption".
    QMap<QString, QString> Start(const QString& folder, const QStringList& args = {})
    {
        QDir().mkpath(folder);
        auto* p = new QProcess;
        copies << p;
        p->setProcessEnvironment(env);
        p->setWorkingDirectory(folder);
        p->start(program, args);
        QMap<QString, QString> report;
        while (report.size() < 2 && p->waitForReadyRead(20000))
            while (p->canReadLine()) {
                const QString line = QString::fromLocal8Bit(p->readLine()).trimmed();
                report[line.section('=', 0, 0)] = line.section('=', 1);
            }
        return report;
    }
    QString program, home;
    QProcessEnvironment env;
    QList<QProcess*> copies;
};

TEST_F(RunningCopies, SecondCopyIsNotTheFirstInstanceAndStillOpensItsFile)
{
    const QString well = MakeWell(TestDir() + "wells/", "W.svm", 100, 300);
    const auto first = Start(TestDir() + "one");
    EXPECT_EQ(first.value("firstInstance"), "1");
    const auto second = Start(TestDir() + "two", {well});
    EXPECT_EQ(second.value("firstInstance"), "0");
    EXPECT_EQ(second.value("caption").toStdString(), ("StrativM    " + well).toStdString());
}

TEST_F(RunningCopies, LiveServerMarkerMakesEveryCopyFirst)
{
    QDir().mkpath(home + "/StrativM");
    QFile(home + "/StrativM/svLiveServer.cfg").open(QIODevice::WriteOnly);
    EXPECT_EQ(Start(TestDir() + "one").value("firstInstance"), "1");
    EXPECT_EQ(Start(TestDir() + "two").value("firstInstance"), "1");
}

// A fresh well opened after the demo well (whose rates show in minutes per unit) takes the default rate
// unit, per hour: written into its new settings and shown by the window at that same open.
TEST(Startup, AFreshWellTakesTheDefaultRateUnitNotTheLastWells)
{
    qputenv("USER", "tester");
    shell::LogWindow window(nullptr, QStringLiteral("StrativM"));
    window.SetupWindow();
    const app::LogState& s = window.State();
    ASSERT_EQ(s.view.rateInMetresPerHour, 0);
    const QString fresh = MakeWell(TestDir() + "wells/", "NEW.svm", 100, 300);
    doubles().prompter.fileAnswers = {fresh};
    window.EvCommand(app::cmd::Open);
    ASSERT_EQ(s.well.file.dataFileName, fresh);
    EXPECT_EQ(s.view.rateInMetresPerHour, 1);
    EXPECT_EQ(testing_support::At<std::int32_t>(testing_support::ReadBytes(TestDir() + "wells/NEW.cfg"), 12), 1);
}

// A file of another logging program (".xa1", profile 4 by the profile table) stands for the StrativM data
// file beside it, opened with that profile, by File > Open and on the command line; without such a data
// file the box says why and the open well stays.
TEST(Startup, AnotherProgramsFileOpensTheDataFileBesideItWithItsProfile)
{
    qputenv("USER", "tester");
    shell::LogWindow window(nullptr, QStringLiteral("StrativM"));
    window.SetupWindow();
    const app::LogState& s = window.State();
    const QString folder = TestDir() + "wells/";
    const QString rig = MakeWell(folder, "RIG.svm", 100, 300);
    WriteBytes(folder + "RIG.xa1", "another program's file");
    WriteBytes(folder + "LONE.xa1", "another program's file");
    const QString before = s.well.file.dataFileName;

    doubles().prompter.messages.clear();
    doubles().prompter.fileAnswers = {folder + "LONE.xa1"};
    window.EvCommand(app::cmd::Open);
    EXPECT_EQ(s.well.file.dataFileName, before);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].caption, "Open");
    EXPECT_EQ(doubles().prompter.messages[0].text,
              folder + "LONE.xa1\nis a file of another logging program (profile 4): its well is opened from the "
                       "StrativM data file LONE.svm beside it,\nand there is none. Nothing was opened.");

    doubles().prompter.fileAnswers = {folder + "RIG.xa1"};
    window.EvCommand(app::cmd::Open);
    EXPECT_EQ(s.well.file.dataFileName, rig);
    EXPECT_EQ(s.well.loggerId, 4);
    EXPECT_EQ(s.well.file.fileBottomDepth, 300);
    EXPECT_EQ(window.windowTitle(), "StrativM    " + rig);
    // The dialog offers the other program's files too, in either case.
    const QStringList filter = doubles().prompter.fileRequests.back().filter.split(u'|');
    ASSERT_GE(filter.size(), 2);
    EXPECT_TRUE(filter[1].split(u';').contains("*.xa*")) << filter[1].toStdString();
    EXPECT_TRUE(filter[1].split(u';').contains("*.svm") && filter[1].split(u';').contains("*.SVM"));

    // The recent list opens it again the same way, after another well (profile 12) was opened.
    EXPECT_EQ(s.env.recentFiles[0], folder + "RIG.xa1");
    const QString other = MakeWell(folder, "OTHER.svm", 100, 200);
    doubles().prompter.fileAnswers = {other};
    window.EvCommand(app::cmd::Open);
    ASSERT_EQ(s.well.file.dataFileName, other);
    ASSERT_NE(s.well.loggerId, 4);
    const auto at = std::find(s.env.recentFiles.begin(), s.env.recentFiles.end(), folder + "RIG.xa1");
    ASSERT_NE(at, s.env.recentFiles.end());
    window.EvCommand(app::cmd::RecentFirst + int(at - s.env.recentFiles.begin()));
    EXPECT_EQ(s.well.file.dataFileName, rig);
    EXPECT_EQ(s.well.loggerId, 4);
}

TEST_F(StartupTest, AnotherProgramsFileOnTheCommandLineOpensTheDataFileBesideIt)
{
    const QString rig = MakeWell(TestDir() + "field/", "RIG.svm", 100, 300);
    WriteBytes(TestDir() + "field/RIG.xa1", "another program's file");
    s.env.commandLineFile = TestDir() + "field/RIG.xa1";
    ASSERT_EQ(shell::StartUp(s, services, {}), 1);
    EXPECT_EQ(s.well.file.dataFileName, rig);
    EXPECT_EQ(s.well.loggerId, 4);
    EXPECT_TRUE(s.env.commandLineStart);
}
