// Numbered partial data files applied to their base on real files, the received picture filed away, and
// the start-up of a real window with partial files waiting.
#include "exchange/partials.h"
#include "exchange/receivedupdates.h"
#include "platform/folders.h"
#include "shell/startup.h"
#include "shell/ui/logwindow.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/sidefiles_settings.h"

#include <QDir>
#include <QFile>

#include <cstring>

#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <fcntl.h>
#include <unistd.h>

using testing_support::doubles;
using testing_support::FileRecords;
using testing_support::ReadBytes;
using testing_support::TestDir;
using wellfile::RECORD;

namespace {

std::vector<RECORD> Records(int first, int last, int step, float rate = 2.5f)
{
    std::vector<RECORD> rows;
    for (int d = first; d <= last; d += step)
        rows.push_back(testing_support::ValidRecord(d, rate, "100SH"));
    return rows;
}

std::vector<int> Depths(const QString& path)
{
    std::vector<int> out;
    for (const RECORD& r : FileRecords<RECORD>(path))
        out.push_back(r.depth);
    return out;
}

QString LogText(const QString& folder) { return QString::fromLatin1(ReadBytes(folder + "download.txt")); }

struct Station {
    QString data = TestDir() + "data/";
    exchange::PartialUpdatePlaces places;
    Station()
    {
        QDir().mkpath(data);
        places.dataFolder = data;
        doubles().clock.now = QDateTime(QDate(2026, 1, 15), QTime(10, 5));
    }
    // The base "W.svm" of 1,000..1,100 step 2; its last record carries values a blank must keep or drop.
    void Base(int first = 1000, int last = 1100, int step = 2)
    {
        std::vector<RECORD> rows = Records(first, last, step);
        RECORD& z = rows.back();
        z.fluorQuality = 't', z.cutRating = 5, z.gasScale = 4, z.minutesScale = 3, z.mudWeightOut = 9.5f;
        z.interpretedLith[0] = 'X';
        z.gas[wellfile::GAS_TG] = 40, z.gas[wellfile::GAS_NC4] = 3, z.gas[wellfile::GAS_IC5] = 2;
        testing_support::WriteRecords(data + "W.svm", rows);
    }
    void Partial(const QString& name, const std::vector<RECORD>& rows)
    {
        testing_support::WriteRecords(data + name, rows);
    }
};

}  // namespace

TEST(PartialUpdates, AppendsFillsGapsAndReplacesFromTheStartDepth)
{
    Station st;
    const QString w = st.data + "W.svm";
    st.Base();
    const QByteArray base = ReadBytes(w);
    ASSERT_EQ(base.size(), 31416);
    st.Partial("W.501", Records(1102, 1120, 2));
    const QByteArray partial = ReadBytes(st.data + "W.501");
    EXPECT_EQ(exchange::ApplyPendingUpdates(st.places, "*.5??"), 1);
    EXPECT_EQ(ReadBytes(w), base + partial);
    EXPECT_FALSE(QFile::exists(st.data + "W.501"));
    EXPECT_TRUE(LogText(st.data).contains(" Update success    " + st.data + "W.501  at 10:05 ,  1/15/2026"));

    // Ten units past the bottom: four blank records for the missing depths.
    st.Base();
    st.Partial("W.501", Records(1110, 1118, 2));
    EXPECT_EQ(exchange::ApplyPendingUpdates(st.places, "*.5??"), 1);
    std::vector<RECORD> rows = FileRecords<RECORD>(w);
    ASSERT_EQ(rows.size(), 60u);
    const RECORD& last = rows[50];
    for (int i = 51; i <= 54; ++i) {
        const RECORD& b = rows[std::size_t(i)];
        EXPECT_EQ(b.depth, 1102 + 2 * (i - 51));
        EXPECT_EQ(b.gasScale, 4);
        EXPECT_EQ(b.minutesScale, 3);
        EXPECT_STREQ(b.lith, "100bl");
        EXPECT_FLOAT_EQ(b.rateOdd, 0.1f);
        EXPECT_FLOAT_EQ(b.rate2Ft, 0.1f);
        EXPECT_EQ(b.interpretedLith[0], 0);
        EXPECT_EQ(b.fluorQuality + b.cutRating, 0);
        EXPECT_EQ(b.gas[wellfile::GAS_TG] + b.gas[wellfile::GAS_NC4], 0.0f);
        // The first blank is the last record (iC5 and the mud weight kept), the others start as zeros.
        EXPECT_EQ(b.gas[wellfile::GAS_IC5], i == 51 ? last.gas[wellfile::GAS_IC5] : 0.0f);
        EXPECT_EQ(b.mudWeightOut, i == 51 ? 9.5f : 0.0f);
    }
    EXPECT_EQ(rows[55].depth, 1110);

    // Starting inside the base: the base's records from 1,050 on are replaced.
    st.Base();
    st.Partial("W.501", Records(1050, 1068, 2, 7));
    exchange::ApplyPendingUpdates(st.places, "*.5??");
    rows = FileRecords<RECORD>(w);
    ASSERT_EQ(rows.size(), 35u);
    EXPECT_EQ(rows[24].depth, 1048);
    EXPECT_EQ(rows[25].depth, 1050);
    EXPECT_FLOAT_EQ(rows[25].rateOne, 7);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(rows.data()), 25 * 616), base.left(25 * 616));

    // A jump in the partial ends the append; the new bottom is the last record appended.
    st.Base();
    std::vector<RECORD> jump = Records(1102, 1106, 2);
    jump.push_back(testing_support::ValidRecord(1110, 1, "100SH"));
    st.Partial("W.501", jump);
    exchange::ApplyPendingUpdates(st.places, "*.5??");
    EXPECT_EQ(Depths(w).back(), 1106);
    EXPECT_EQ(Depths(w).size(), 54u);
}

TEST(PartialUpdates, RefusedPartialsAreDeletedAndTheBaseStays)
{
    Station st;
    const QString w = st.data + "W.svm";
    st.Base();
    const QByteArray base = ReadBytes(w);
    testing_support::WriteBytes(st.data + "W.501", QByteArray(615, '\1'));
    testing_support::WriteBytes(st.data + "W.502", QByteArray(1000, '\1'));
    st.Partial("W.503", Records(990, 1010, 2));
    // A start so far past the bottom that its gap would be millions of blank records.
    st.Partial("W.504", Records(1900000000, 1900000002, 2));
    EXPECT_EQ(exchange::ApplyPendingUpdates(st.places, "*.5??"), 1);
    EXPECT_EQ(ReadBytes(w), base);
    EXPECT_TRUE(QDir(st.data).entryList({"W.5*"}).isEmpty());
    const QString log = LogText(st.data);
    EXPECT_TRUE(log.contains(" UpdateFailed SIZE ERROR on 4    " + st.data + "W.501"));
    EXPECT_TRUE(log.contains(" UpdateFailed SIZE ERROR on 4    " + st.data + "W.502"));
    EXPECT_TRUE(log.contains(st.data + "W.503 has invalid start depth 990"));
    EXPECT_TRUE(log.contains(st.data + "W.504 has invalid start depth 1900000000"));
    ASSERT_EQ(doubles().prompter.messages.size(), 2u);
    EXPECT_EQ(doubles().prompter.messages[0].caption, "ERROR");

    // No base: the partials go, and only a station without the monitor is told.
    st.Partial("X.501", Records(10, 20, 2));
    st.Partial("x.502", Records(10, 20, 2));
    st.places.monitorRunning = true;
    exchange::ApplyPendingUpdates(st.places, "*.5??");
    EXPECT_TRUE(QDir(st.data).entryList({"X.5*"}).isEmpty());
    EXPECT_TRUE(LogText(st.data).contains(" Base File not found     " + st.data + "X.svm"));
    EXPECT_EQ(doubles().prompter.messages.size(), 2u);
    st.places.monitorRunning = false;
    st.Partial("X.501", Records(10, 20, 2));
    exchange::ApplyPendingUpdates(st.places, "*.5??");
    ASSERT_EQ(doubles().prompter.messages.size(), 3u);
    EXPECT_TRUE(doubles().prompter.messages[2].text.startsWith(" Base File not found, this partial update\nhas no"));
    EXPECT_EQ(doubles().prompter.messages[2].caption, "X");
}

TEST(PartialUpdates, NameOrderLetterCaseAndTheBasesOwnStep)
{
    Station st;
    const QString w = st.data + "W.svm";
    st.Base();
    // Written in reverse: ".510" still comes after ".509", and "w.502" belongs to "W".
    st.Partial("W.510", Records(1104, 1106, 2, 5));
    st.Partial("W.509", Records(1102, 1112, 2, 4));
    st.Partial("w.502", Records(1102, 1104, 2, 3));
    exchange::ApplyPendingUpdates(st.places, "*.5??");
    std::vector<RECORD> rows = FileRecords<RECORD>(w);
    ASSERT_EQ(rows.size(), 54u);
    EXPECT_FLOAT_EQ(rows[51].rateOne, 4);
    EXPECT_FLOAT_EQ(rows[53].rateOne, 5);
    EXPECT_EQ(rows[53].depth, 1106);

    // A base of step 1 is cut by its own step, not at half the index.
    st.Base(1000, 1100, 1);
    st.Partial("W.501", Records(1050, 1059, 1));
    exchange::ApplyPendingUpdates(st.places, "*.5??");
    rows = FileRecords<RECORD>(w);
    ASSERT_EQ(rows.size(), 60u);
    EXPECT_EQ(rows[49].depth, 1049);
    EXPECT_EQ(rows[50].depth, 1050);

    // Blank depths past 65,535 keep their 32 bits.
    st.Base(65500, 65534, 2);
    st.Partial("W.501", Records(65540, 65542, 2));
    exchange::ApplyPendingUpdates(st.places, "*.5??");
    const std::vector<int> depths = Depths(w);
    EXPECT_EQ(std::vector<int>(depths.end() - 4, depths.end()), (std::vector<int>{65536, 65538, 65540, 65542}));

    // A well name longer than 80 characters finds its base.
    const QString longName = QString(120, 'L');
    testing_support::WriteRecords(st.data + longName + ".svm", Records(10, 20, 2));
    st.Partial(longName + ".501", Records(22, 24, 2));
    exchange::ApplyPendingUpdates(st.places, "*.5??");
    EXPECT_EQ(Depths(st.data + longName + ".svm").back(), 24);
}

TEST(PartialUpdates, AFailedWriteLeavesTheBaseAndAStuckPartialIsMetOnce)
{
    Station st;
    const QString w = st.data + "W.svm";
    st.Base();
    const QByteArray base = ReadBytes(w);
    st.Partial("W.501", Records(1102, 1200, 2));
    st.places.monitorRunning = true;
    {
        testing_support::FileSizeLimit limit(35000);  // the new base would be 61,600 bytes
        exchange::ApplyPendingUpdates(st.places, "*.5??");
    }
    EXPECT_EQ(ReadBytes(w), base);
    const QString log = LogText(st.data);
    EXPECT_TRUE(log.contains(" Dest file open failed 6    " + w));
    // The disk failed, not the partial: it stays for the next try, which applies it; with the monitor
    // on the failure is only logged.
    EXPECT_TRUE(log.contains(" Append failed,file kept for the next try    " + st.data + "W.501"));
    EXPECT_FALSE(log.contains("file deleted"));
    EXPECT_TRUE(doubles().prompter.messages.empty());
    EXPECT_EQ(exchange::ApplyPendingUpdates(st.places, "*.5??"), 1);
    EXPECT_FALSE(QFile::exists(st.data + "W.501"));
    EXPECT_EQ(Depths(w).back(), 1200);

    // A partial that cannot be deleted: one pass, not a loop.
    st.Partial("W.502", Records(1102, 1104, 2));
    const QString stuck = st.data + "W.502";
    const int fd = ::open(QFile::encodeName(stuck).constData(), O_RDONLY);
    int flags = FS_IMMUTABLE_FL;
    const bool immutable = fd >= 0 && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    if (!immutable)
        QFile::setPermissions(st.data, QFile::ReadOwner | QFile::ExeOwner);
    if (QFile::exists(stuck) && QFile(stuck).remove()) {
        GTEST_SKIP() << "no way to keep a file from being deleted here";
    }
    EXPECT_EQ(exchange::ApplyPendingUpdates(st.places, "*.5??"), 1);
    EXPECT_TRUE(QFile::exists(stuck));
    EXPECT_EQ(LogText(st.data).count("Append failed,file deleted 1    " + stuck), 1);
    flags = 0;
    if (immutable)
        ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
    if (fd >= 0)
        ::close(fd);
    QFile::setPermissions(st.data, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(PartialUpdates, ReceivedPicturesAreNumberedIntoJpegs)
{
    Station st;
    const QString jpegs = st.data + "Jpegs/";
    auto store = [&] {
        testing_support::WriteBytes(st.data + "W.jpg", "picture");
        EXPECT_EQ(exchange::StoreReceivedImage(st.data, "W"), 1);
    };
    store();
    EXPECT_TRUE(QFile::exists(jpegs + "W.j01"));
    store(), store();
    store();
    EXPECT_TRUE(QFile::exists(jpegs + "W.j04"));
    for (int i = 0; i < 5; ++i)
        store();
    store();
    EXPECT_TRUE(QFile::exists(jpegs + "W.j10"));
    EXPECT_FALSE(QFile::exists(st.data + "W.jpg"));

    // On a monitoring station of profile 2 an update files the picture that came with it, and the well's
    // set is copied on to the destination of the remote settings.
    st.Base();
    st.Partial("W.501", Records(1102, 1104, 2));
    testing_support::WriteBytes(st.data + "W.jpg", "picture");
    wellfile::RemoteConfig cfg;
    cfg.copyOn = 1;
    QDir().mkpath(TestDir() + "dest");
    std::strcpy(cfg.destinationFolder, qPrintable(TestDir() + "dest/"));
    ASSERT_EQ(wellfile::SaveRemoteConfig(st.data, cfg), 1);
    st.places.monitorRunning = true;
    st.places.profile = 2;
    exchange::ApplyPendingUpdates(st.places, "*.5??");
    EXPECT_TRUE(QFile::exists(jpegs + "W.j11"));
    EXPECT_EQ(ReadBytes(TestDir() + "dest/W.svm"), ReadBytes(st.data + "W.svm"));
}

TEST(PartialUpdates, StartUpAppliesThemToTheOpenWellAndAReceivedPictureIsRenamed)
{
    const QString install = platform::DefaultInstallFolder();
    const QString well = testing_support::MakeWell(install, "W.svm", 1000, 1100);
    testing_support::WriteRecords(install + "W.501", Records(1101, 1120, 1));
    doubles().clock.now = QDateTime(QDate(2026, 1, 15), QTime(10, 5));
    shell::CommandLineFilesTaken() = 0;
    shell::LogWindow window(nullptr, QStringLiteral("StrativM"));
    window.State().env.commandLineFile = well;
    window.SetupWindow();
    app::LogState& s = window.State();
    ASSERT_EQ(s.well.file.wellName, "W");
    EXPECT_EQ(s.well.file.fileBottomDepth, 1120);
    EXPECT_EQ(Depths(well).size(), 121u);
    EXPECT_FALSE(QFile::exists(install + "W.501"));
    EXPECT_EQ(window.windowTitle().toStdString(), "StrativM    W.svm...   Last Updated  10:05,  1/15/2026 ");

    // The open takes the data folder's pictures in; one received after it is offered for renaming.
    testing_support::WriteBytes(install + "W.jpg", "picture");
    doubles().prompter.fileAnswers.push_back(install + "Core sample.JPG");
    window.WellServices().exchange->RenameReceivedImage(s);
    ASSERT_EQ(doubles().prompter.fileRequests.size(), 1);
    EXPECT_EQ(doubles().prompter.fileRequests[0].filter, "Image Files (*.jpg)|*.JPG");
    EXPECT_EQ(doubles().prompter.fileRequests[0].defaultExt, "JPG");
    EXPECT_EQ(doubles().prompter.fileRequests[0].fileName, "W.jpg");
    ASSERT_FALSE(doubles().prompter.messages.empty());
    EXPECT_TRUE(doubles().prompter.messages[0].text.endsWith("automaticlly, click OK to continue"));
    EXPECT_EQ(doubles().prompter.messages[0].caption, "W.jpg");
    EXPECT_EQ(ReadBytes(install + "Core sample.JPG"), "picture");
    EXPECT_FALSE(QFile::exists(install + "W.jpg"));

    // Another well's update names it; the live view of a shared well keeps its caption.
    exchange::SetUpdateTitle(s.well, s.now, s.view.liveView, "X");
    EXPECT_EQ(window.windowTitle().toStdString(), "StrativM    W.svm...X Last Updated  10:05,  1/15/2026 ");
    s.view.liveView = true;
    doubles().clock.now = QDateTime(QDate(2026, 1, 15), QTime(11, 0));
    exchange::SetUpdateTitle(s.well, s.now, s.view.liveView, "W");
    EXPECT_TRUE(window.windowTitle().contains("10:05"));
}

// Partials kept for the next start are applied however that start opens its first well: the last well
// of the ini, or on a first start (no ini) the demo well, while the partial is another well's.
TEST(PartialUpdates, EveryStartAppliesThemWhateverWellItOpens)
{
    const QString install = platform::DefaultInstallFolder();
    const QString well = testing_support::MakeWell(install, "W.svm", 1000, 1100);
    for (const bool fromIni : {true, false}) {
        testing_support::WriteRecords(install + "W.501", Records(fromIni ? 1101 : 1121, fromIni ? 1120 : 1140, 1));
        if (fromIni)
            testing_support::WriteBytes(install + "StrativM.ini", QFile::encodeName(well) + '\0');
        else
            QFile::remove(install + "StrativM.ini");
        shell::CommandLineFilesTaken() = 0;
        shell::LogWindow window(nullptr, QStringLiteral("StrativM"));
        window.SetupWindow();
        EXPECT_EQ(window.State().well.file.wellName, fromIni ? "W" : "elogdemo");
        EXPECT_FALSE(QFile::exists(install + "W.501"));
        EXPECT_EQ(Depths(well).back(), fromIni ? 1120 : 1140);
    }
}
