#include "app/startup.h"

#include "app/logstate.h"
#include "app/ui/logwindow.h"
#include "platform/folders.h"
#include "platform/text.h"
#include "support/testmain.h"
#include "wellfile/record.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <vector>

using testing_support::doubles;
using testing_support::TestDir;

namespace {

QString MakeWell(const QString& folder, const QString& name, int first, int last)
{
    QDir().mkpath(folder);
    std::vector<wellfile::RECORD> rows;
    for (int d = first; d <= last; ++d) {
        wellfile::RECORD r;
        r.depth = d;
        r.rateOdd = r.rateOne = r.rate2Ft = 2.0f;
        for (float& g : r.testGas)
            g = 100;
        r.gasScale = r.minutesScale = r.rateScale = r.temperatureScale = r.chromatographScale = 1;
        platform::SetFieldText(r.lith, "100SH");
        rows.push_back(r);
    }
    platform::SetFieldText(rows.front().interpretedLith, "PRF12");
    const QString path = platform::JoinPath(folder, name);
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(reinterpret_cast<const char*>(rows.data()), qint64(rows.size() * sizeof(wellfile::RECORD)));
    return path;
}

int RunTool(const QString& program, const QStringList& args, const QString& folder)
{
    QProcess p;
    p.setWorkingDirectory(folder);
    p.start(program, args);
    return p.waitForFinished(30000) ? p.exitCode() : -1;
}

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app::CommandLineFilesTaken() = 0;
        app::ApplySetupDefaults(s);
        app::SettleFolders(s);
        data = s.well.file.dataFolder;
    }
    bool Asked(const QString& caption) const
    {
        for (const auto& m : doubles().prompter.messages)
            if (m.caption == caption)
                return true;
        return false;
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
    app::SettleFolders(s);
    EXPECT_EQ(s.env.installFolder, TestDir() + "elsewhere/");
    EXPECT_TRUE(s.env.useDocumentsFolder);
    EXPECT_EQ(s.well.file.dataFolder, platform::DocumentsFolder());

    platform::SetInstallFolder(platform::DefaultInstallFolder());
    QDir().mkpath(platform::DefaultInstallFolder());
    QFile(platform::DefaultInstallFolder() + app::kDocumentsMarker).open(QIODevice::WriteOnly);
    app::SettleFolders(s);
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
    ASSERT_EQ(app::StartUp(s, services, {}), 1);
    EXPECT_EQ(s.well.file.dataFileName, data + "WELL.svm");
    EXPECT_EQ(s.well.file.fileBottomDepth, 900);
    EXPECT_EQ(s.well.file.viewTopDepth, 900 - 40);
    EXPECT_TRUE(s.env.commandLineFile.isEmpty());
    EXPECT_TRUE(QFile::exists(data + "WELL.hdr"));
    EXPECT_FALSE(QFile::exists(data + "WELL[1].sv8"));   // our copy
    EXPECT_FALSE(QFile::exists(cache + "WELL[1].sv8"));  // the browser's, taken from its cache
    QFile log(data + "svdata-M.txt");
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(log.readAll().contains(" Opened By Cmd by "));

    // A second start-up of the process ignores the command line.
    const QString other = MakeWell(TestDir() + "x/", "OTHER.svm", 10, 100);
    s.env.commandLineFile = other;
    app::StartUp(s, services, {});
    EXPECT_NE(s.well.file.dataFileName, other);
}

TEST_F(StartupTest, PackageOutsideACacheKeepsItsSource)
{
    const QString folder = TestDir() + "mail/";
    MakeWell(folder, "W2.svm", 500, 700);
    ASSERT_EQ(RunTool("zip", {"-1jq", folder + "W2.sv8", folder + "W2.svm"}, folder), 0);
    ASSERT_EQ(app::OpenCommandLineFile(s, services, folder + "W2.sv8"), 1);
    EXPECT_EQ(s.well.file.dataFileName, data + "W2.svm");
    EXPECT_TRUE(QFile::exists(folder + "W2.sv8"));
}

TEST_F(StartupTest, PackageWithAPathInAnEntryIsRefusedWholeAndWritesNothing)
{
    const QString folder = TestDir() + "mail/";
    QDir().mkpath(folder);
    const QString absolute = TestDir() + "abs.txt";
    const QString script = QString(R"(
import zipfile
with zipfile.ZipFile('%1evil.sv8', 'w') as z:
    z.writestr('EVIL.svm', b'\0' * 616)
    z.writestr('../x', b'outside')
    z.writestr('%2', b'absolute')
)").arg(folder, absolute);
    ASSERT_EQ(RunTool("python3", {"-c", script}, folder), 0);
    const QStringList before = Entries(TestDir());

    EXPECT_EQ(app::OpenCommandLineFile(s, services, folder + "evil.sv8"), 0);
    EXPECT_TRUE(Asked("ERROR"));
    EXPECT_FALSE(QFile::exists(data + "../x"));
    EXPECT_FALSE(QFile::exists(absolute));
    EXPECT_FALSE(QFile::exists(data + "EVIL.svm"));
    EXPECT_FALSE(QFile::exists(data + "evil.sv8"));
    EXPECT_TRUE(QFile::exists(folder + "evil.sv8"));  // not ours to delete
    EXPECT_EQ(Entries(TestDir()), before);
    EXPECT_FALSE(s.well.fileOpened);
}

TEST_F(StartupTest, SideFileOnTheCommandLineOpensTheLastFileOfTheIni)
{
    const QString last = MakeWell(data, "LAST.svm", 100, 400);
    QFile ini(data + "StrativM.ini");
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(QFile::encodeName(last) + '\0');
    ini.close();
    QFile(data + "LAST.rpt").open(QIODevice::WriteOnly);

    s.env.commandLineFile = data + "LAST.rpt";
    app::StartUp(s, services, {});
    EXPECT_EQ(s.well.file.dataFileName, last);
    EXPECT_TRUE(s.env.logOpenLines);
    EXPECT_FALSE(s.env.commandLineStart && s.well.file.dataFileName.isEmpty());
}

TEST(Startup, FreshUserFolderGetsItsFoldersAndTheDemoWellOpened)
{
    qputenv("USER", "tester");
    LogWindow window(nullptr, QStringLiteral("StrativM"));
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

    QFile log(install + "svdata-M.txt");
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(log.readAll(), (install + "elogdemo.svm Opened by tester at 2600 ft  8:30 AM 01-15-26 PRF12 Demo Logging "
                                        "1 Ft\n\r").toLocal8Bit());
}

TEST(Startup, DemoWellIsTheSameEveryTime)
{
    const QString tool = QCoreApplication::applicationDirPath() + "/../tools/makedemowell";
    ASSERT_TRUE(QFile::exists(tool)) << "build the makedemowell tool";
    ASSERT_EQ(RunTool(tool, {TestDir() + "a"}, TestDir()), 0);
    ASSERT_EQ(RunTool(tool, {TestDir() + "b"}, TestDir()), 0);
    for (const char* name : {"elogdemo.svm", "elogdemo.hdr", "elogdemo.top", "elogdemo.sho"}) {
        QFile a(TestDir() + "a/" + name), b(TestDir() + "b/" + name);
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly)) << name;
        EXPECT_EQ(a.readAll(), b.readAll()) << name;
    }
    EXPECT_GE(QFileInfo(TestDir() + "a/elogdemo.svm").size(), 1501 * wellfile::kRecordSize);
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
