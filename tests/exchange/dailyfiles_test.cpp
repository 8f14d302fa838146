#include "exchange/dailyfiles.h"
#include "wellfile/changewatch.h"

#include "platform/folders.h"
#include "shell/startup.h"
#include "shell/ui/logwindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wits/dailyfile.h"
#include "wits/sidefiles.h"

#include <QDir>
#include <QFile>

#include <cstring>

#include <gtest/gtest.h>

using namespace exchange;
using testing_support::doubles;
using testing_support::ReadBytes;
using testing_support::TestDir;
using testing_support::WriteBytes;
using wellfile::WITSRECORD;

namespace {

const QDate kDay(2026, 1, 15);

void Touch(const QString& path, const QDateTime& when)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(when, QFileDevice::FileModificationTime));
}

}  // namespace

TEST(DailyFiles, StartUpFilesTodaysLooseChartAndWitsFilesAway)
{
    const QString install = platform::DefaultInstallFolder();
    const QString well = testing_support::MakeWell(install, "W.svm", 100, 200);
    WriteBytes(install + "W@1-15-26.cht", "today's chart");
    WriteBytes(install + "W@1-15-26.wit", "today's wits");
    QDir().mkpath(install + "WITS");
    WriteBytes(install + "WITS/W@1-15-26.wit", "older wits copy");
    shell::CommandLineFilesTaken() = 0;
    shell::LogWindow window(nullptr, QStringLiteral("StrativM"));
    window.State().env.commandLineFile = well;
    window.SetupWindow();
    ASSERT_EQ(window.State().well.file.wellName, "W");
    EXPECT_FALSE(QFile::exists(install + "W@1-15-26.cht"));
    EXPECT_EQ(ReadBytes(install + "chart/W@1-15-26.cht"), "today's chart");
    EXPECT_FALSE(QFile::exists(install + "W@1-15-26.wit"));
    EXPECT_EQ(ReadBytes(install + "WITS/W@1-15-26.wit"), "today's wits");

    // A chart file of the day already filed blocks the move: both stay as they are.
    WriteBytes(install + "W@1-15-26.cht", "second chart");
    EXPECT_EQ(ArchiveChartFile(install + "W@1-15-26.cht", install, "W", kDay), 1);
    EXPECT_EQ(ReadBytes(install + "W@1-15-26.cht"), "second chart");
    EXPECT_EQ(ReadBytes(install + "chart/W@1-15-26.cht"), "today's chart");
}

TEST(DailyFiles, AWitsFileIsDeletedOnlyOnceItsCopyIsThere)
{
    const QString data = TestDir() + "data/";
    QDir().mkpath(data);
    WriteBytes(data + "W@1-15-26.wit", "loose");
    WriteBytes(data + "wits", "a plain file where the folder belongs");
    EXPECT_EQ(ArchiveWitsFile(data + "W@1-15-26.wit", data, "W", kDay), 1);
    EXPECT_EQ(ReadBytes(data + "W@1-15-26.wit"), "loose");

    QFile::remove(data + "wits");
    QDir().mkpath(data + "wits/W@1-15-26.wit");  // a folder in the copy's way
    EXPECT_EQ(ArchiveWitsFile(data + "W@1-15-26.wit", data, "W", kDay), 1);
    EXPECT_EQ(ReadBytes(data + "W@1-15-26.wit"), "loose");
    QDir(data + "wits/W@1-15-26.wit").removeRecursively();
    EXPECT_EQ(ArchiveWitsFile(data + "W@1-15-26.wit", data, "W", kDay), 1);
    EXPECT_FALSE(QFile::exists(data + "W@1-15-26.wit"));
    EXPECT_EQ(ReadBytes(data + "wits/W@1-15-26.wit"), "loose");
}

TEST(DailyFiles, OnlyTheOpenWellsDailyFilesMove)
{
    const QString from = TestDir() + "from/", to = TestDir() + "to/";
    QDir().mkpath(from);
    for (const char* name : {"well@1-14-26.cht", "WELL@1-15-26.cht", "WELL2@1-15-26.cht", "OTHER@1-15-26.cht"})
        WriteBytes(from + name, name);
    EXPECT_EQ(MoveWellChartFiles(from, to, "WELL"), 1);  // no target folder: nothing is lost
    EXPECT_EQ(QDir(from).entryList(QDir::Files).size(), 4);
    QDir().mkpath(to);
    EXPECT_EQ(MoveWellChartFiles(from, to, ""), 0);
    EXPECT_EQ(MoveWellChartFiles(from, to, "WELL"), 1);
    EXPECT_EQ(QDir(to).entryList(QDir::Files, QDir::Name), (QStringList{"WELL@1-15-26.cht", "well@1-14-26.cht"}));
    EXPECT_EQ(QDir(from).entryList(QDir::Files, QDir::Name), (QStringList{"OTHER@1-15-26.cht", "WELL2@1-15-26.cht"}));
    EXPECT_EQ(ReadBytes(to + "well@1-14-26.cht"), "well@1-14-26.cht");
    EXPECT_EQ(MoveWellWitsFiles(from, to, "WELL"), 0);

    QString witsFolder;
    WriteBytes(from + "a.wit", "a");
    EXPECT_EQ(ArchiveWitsFiles(from, witsFolder), 1);
    EXPECT_EQ(witsFolder, from + "wits/");
    EXPECT_EQ(ReadBytes(from + "wits/a.wit"), "a");
    EXPECT_TRUE(QFile::exists(from + "a.wit"));
}

TEST(DailyFiles, WatchesAnswerOnceForEachWrite)
{
    const QString path = TestDir() + "W.svc";
    WriteBytes(path, "curves");
    const QDateTime t = QFileInfo(path).lastModified();
    wellfile::ChangeWatch watch;
    wellfile::Watch(watch, path);
    EXPECT_FALSE(wellfile::WatchedFileChanged(watch, path));  // the first look keeps the time
    EXPECT_FALSE(wellfile::WatchedFileChanged(watch, path));
    Touch(path, t.addSecs(1));
    EXPECT_FALSE(wellfile::WatchedFileChanged(watch, TestDir() + "other.svc"));
    EXPECT_TRUE(wellfile::WatchedFileChanged(watch, path.toUpper().replace(TestDir().toUpper(), TestDir())));
    EXPECT_FALSE(wellfile::WatchedFileChanged(watch, path));
    Touch(path, t.addSecs(2));
    watch.reset = true;
    EXPECT_FALSE(wellfile::WatchedFileChanged(watch, path));
    EXPECT_FALSE(watch.reset);
    Touch(path, t.addSecs(3));
    EXPECT_TRUE(wellfile::WatchedFileChanged(watch, path));
    QFile::remove(path);
    EXPECT_FALSE(wellfile::WatchedFileChanged(watch, path));
}

TEST(DailyFiles, ReceivedWitsBlocksBecomeDailyFilesAndGoOnFirst)
{
    const QString receive = TestDir() + "receive/", data = TestDir() + "data/", forward = TestDir() + "forward/";
    QDir().mkpath(receive);
    QDir().mkpath(data);
    QDir().mkpath(forward);
    std::vector<WITSRECORD> block(5);
    for (int i = 0; i < 5; ++i) {
        wits::StampSample(block[std::size_t(i)], QDateTime(kDay, QTime(10, 0, i * 6)));
        block[std::size_t(i)].holeDepth = float(1200 + i);
    }
    ASSERT_TRUE(wits::WriteRemoteBlock(receive + "W@1-15-26.zl8", block.data(), 5));
    ASSERT_EQ(QFileInfo(receive + "W@1-15-26.zl8").size(), 640);

    // One that cannot be read stops the import, and every block waits for the next try.
    ASSERT_TRUE(QFile::link(receive + "gone", receive + "A.zl8"));
    EXPECT_EQ(ImportReceivedWitsFiles(receive, data, {}), 0);
    EXPECT_EQ(QDir(receive).entryList({"*.zl8"}, QDir::Files | QDir::System).size(), 2);
    QFile::remove(receive + "A.zl8");

    EXPECT_EQ(ImportReceivedWitsFiles(receive, data, forward), 1);
    EXPECT_FALSE(QFile::exists(receive + "W@1-15-26.zl8"));
    EXPECT_EQ(QFileInfo(forward + "W@1-15-26.zl8").size(), 640);
    EXPECT_TRUE(ReadBytes(data + "download.txt").contains((receive + "W@1-15-26.zl8").toUtf8()));
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
    const QByteArray day = ReadBytes(data + "wits/W@1-15-26.wit");
    ASSERT_EQ(day.size(), wellfile::kDailyFileSize);
    for (const WITSRECORD& s : block) {
        WITSRECORD stored;
        std::memcpy(&stored, day.constData() + qsizetype(wits::RecordOfSlot(s.slot)) * 128, sizeof stored);
        EXPECT_EQ(stored.holeDepth, s.holeDepth);
    }
}
