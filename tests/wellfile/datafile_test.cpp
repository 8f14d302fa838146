#include "wellfile/datafile.h"
#include "wellfile/drives.h"
#include "support/files.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <vector>

using namespace wellfile;
using testing_support::doubles;
using testing_support::FileRecords;
using testing_support::TestDir;
using testing_support::WriteBytes;
using testing_support::WriteRecords;

namespace {

// Records of depths first, first + 1, ... with the whole-step rate set to the depth for recognition.
std::vector<RECORD> Rows(int first, int n)
{
    std::vector<RECORD> rows(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        rows[std::size_t(i)].depth = first + i;
        rows[std::size_t(i)].rateOne = float(first + i);
    }
    return rows;
}

// An open well over a file of records first..last.
OpenWell Well(int first, int last)
{
    OpenWell well;
    well.dataFileName = TestDir() + "well.svm";
    well.customDataFileName = TestDir() + "well.svx";
    well.fileTopDepth = first;
    well.fileBottomDepth = last;
    WriteRecords(well.dataFileName, Rows(first, last - first + 1));
    return well;
}

}  // namespace

TEST(SaveRecords, CountIsLimitedToTheFileRange)
{
    OpenWell well = Well(0, 15);
    std::vector<RECORD> buffer = Rows(500, 20);
    EXPECT_EQ(SaveRecords(well, buffer, well.dataFileName, 10, 20), 6);
    std::vector<RECORD> onDisk = FileRecords<RECORD>(well.dataFileName);
    ASSERT_EQ(onDisk.size(), 16u);
    EXPECT_EQ(onDisk[9].depth, 9);
    EXPECT_EQ(onDisk[10].depth, 500);
    EXPECT_EQ(onDisk[15].depth, 505);

    // A file that arrived read-only is made writable again, as before any rewrite.
    QFile::setPermissions(well.dataFileName, QFile::ReadOwner | QFile::ReadGroup);
    EXPECT_EQ(SaveRecords(well, buffer, well.dataFileName, 0, 1), 1);
    EXPECT_TRUE(QFileInfo(well.dataFileName).permissions() & QFile::WriteOwner);

    OpenWell one = Well(7, 7);
    EXPECT_EQ(SaveRecords(one, buffer, one.dataFileName, 0, 5), 1);
    EXPECT_EQ(QFileInfo(one.dataFileName).size(), kRecordSize);
    // A buffer shorter than the count is never read past.
    OpenWell wide = Well(0, 15);
    EXPECT_EQ(SaveRecords(wide, std::span(buffer).first(3), wide.dataFileName, 0, 16), 3);
    EXPECT_EQ(SaveRecords(wide, buffer, wide.dataFileName, 17, 1), 0);  // past the range: nothing
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
}

TEST(SaveRecords, FailuresAreReportedAndNothingCounts)
{
    OpenWell well = Well(0, 3);
    std::vector<RECORD> buffer = Rows(0, 4);
    const QString missing = TestDir() + "gone.svm";
    EXPECT_EQ(SaveRecords(well, buffer, missing, 0, 4), 0);
    EXPECT_FALSE(QFile::exists(missing));  // never created
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, "File Open Failed In Save Records");
    EXPECT_EQ(doubles().prompter.messages[0].caption, missing);

    // A device that takes no data: the write fails and is not counted as done.
    EXPECT_EQ(SaveRecords(well, buffer, "/dev/full", 0, 4), 0);
    ASSERT_EQ(doubles().prompter.messages.size(), 2);
    EXPECT_EQ(doubles().prompter.messages[1].text, "File Write Failed In Save Records");
}

TEST(SaveRecords, CopiesOutOnlyWhileDrillingWithBothOptions)
{
    OpenWell well = Well(0, 3);
    QStringList copied;
    well.hooks.copyWellFileOut = [&](const QString& ext) { copied << ext; };
    const std::vector<RECORD> buffer = Rows(0, 1);
    well.drilling = well.secondFolderOption = true;
    SaveRecords(well, buffer, well.dataFileName, 0, 1);
    EXPECT_TRUE(copied.isEmpty());
    well.copyOut = true;
    SaveRecords(well, buffer, well.dataFileName, 0, 1);
    EXPECT_EQ(copied, QStringList{".svm"});
}

TEST(ReadRecords, ShortFilesAreZeroPaddedAndEndMarked)
{
    OpenWell well = Well(0, 2);
    well.fileBottomDepth = 10;  // the window believes in more records than the file holds
    std::vector<RECORD> buffer = Rows(900, 6);
    EXPECT_EQ(ReadRecords(well, buffer, well.dataFileName, 0, 5), 3);
    EXPECT_EQ(buffer[2].depth, 2);
    EXPECT_EQ(buffer[3].depth, 0);
    EXPECT_EQ(buffer[3].rateOne, 0.0f);
    EXPECT_EQ(buffer[4].depth, 0);
    EXPECT_EQ(buffer[4].rateOne, 0.0f);

    // A torn tail (length not a multiple of the record) is not read as a record.
    WriteRecords(well.dataFileName, Rows(0, 3), QByteArray(100, '\x7F'));
    buffer = Rows(900, 6);
    EXPECT_EQ(ReadRecords(well, buffer, well.dataFileName, 0, 5), 3);
    EXPECT_EQ(buffer[3].depth, 0);
    EXPECT_EQ(buffer[3].rateOdd, 0.0f);

    // A buffer of exactly `count` records still has room for the end mark: one fewer is read.
    std::vector<RECORD> tight(3);
    EXPECT_EQ(ReadRecords(well, tight, well.dataFileName, 0, 3), 2);
    EXPECT_EQ(tight[2].depth, 0);

    // A missing file reads nothing, says nothing and leaves the buffer alone.
    buffer = Rows(900, 6);
    EXPECT_EQ(ReadRecords(well, buffer, TestDir() + "none.svm", 0, 5), 0);
    EXPECT_EQ(buffer[0].depth, 900);
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
}

TEST(ReadRecords, RangeOfTheOffsetWellAndCaption)
{
    OpenWell well = Well(0, 9);
    well.offsetTopDepth = 50;
    well.offsetBottomDepth = 51;  // two records
    std::vector<RECORD> buffer(11);
    EXPECT_EQ(ReadRecords(well, buffer, well.dataFileName, 0, 10, true), 2);
    EXPECT_EQ(ReadRecords(well, buffer, well.dataFileName, 0, 10, false), 10);

    QString caption;
    well.hooks.setCaption = [&](const QString& c) { caption = c; };
    well.captionFlag = well.secondFolderOption = true;
    ReadRecords(well, buffer, well.dataFileName, 0, 1);
    EXPECT_TRUE(caption.startsWith("Strativ    " + well.dataFileName + "  Last Modified at ")) << caption.toStdString();
    caption.clear();
    well.drilling = true;
    ReadRecords(well, buffer, well.dataFileName, 0, 1);
    EXPECT_TRUE(caption.isEmpty());
}

TEST(FirstAndLastRecord, EndDepthChecksAndTornTails)
{
    OpenWell well = Well(10, 14);
    std::vector<RECORD> rows = Rows(10, 5);
    rows[4].depth = 0;
    rows[4].rate2Ft = 1.5f;
    WriteRecords(well.dataFileName, rows);
    EXPECT_EQ(ReadLastRecord(well, well.dataFileName), nullptr);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, "0 1.5");
    EXPECT_EQ(doubles().prompter.messages[0].caption, "0 end depth");

    rows[4].depth = 9;  // above the file's first depth
    WriteRecords(well.dataFileName, rows);
    EXPECT_EQ(ReadLastRecord(well, well.dataFileName), nullptr);
    EXPECT_EQ(doubles().prompter.messages.size(), 2);

    // With a torn tail the last whole record is read and rewritten; its neighbour stays intact.
    WriteRecords(well.dataFileName, Rows(10, 5), QByteArray(300, '\x11'));
    auto last = ReadLastRecord(well, well.dataFileName);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->depth, 14);
    last->rateOne = 99.0f;
    ASSERT_EQ(WriteLastRecord(*last, well.dataFileName), 1);
    std::vector<RECORD> onDisk = FileRecords<RECORD>(well.dataFileName);
    EXPECT_EQ(onDisk[3].rateOne, 13.0f);
    EXPECT_EQ(onDisk[4].rateOne, 99.0f);

    // The first record is rewritten in place; the file keeps its length.
    RECORD first = onDisk[0];
    first.bottomDepth = 14;
    ASSERT_EQ(WriteFirstRecord(first, well.dataFileName), 1);
    EXPECT_EQ(ReadFirstRecord(well.dataFileName)->bottomDepth, 14);
    EXPECT_EQ(QFileInfo(well.dataFileName).size(), 5 * kRecordSize + 300);

    const QString missing = TestDir() + "gone.svm";
    EXPECT_EQ(WriteFirstRecord(first, missing), 0);
    EXPECT_EQ(WriteLastRecord(first, missing), 0);
    EXPECT_FALSE(QFile::exists(missing));
    ASSERT_EQ(doubles().prompter.messages.size(), 4);
    EXPECT_EQ(doubles().prompter.messages[3].text, missing);
    EXPECT_EQ(doubles().prompter.messages[3].caption, "File Error In Read Records");
    EXPECT_EQ(ReadFirstRecord(missing), nullptr);
    EXPECT_EQ(ReadLastRecord(well, missing), nullptr);
}

TEST(DepthRange, NamedFileOpenWellAndCustomData)
{
    // ".svm" is added only to a name without a dot; a dot in a folder name does not count.
    const QString folder = TestDir() + "site.v2/";
    ASSERT_TRUE(QDir().mkpath(folder));
    WriteRecords(folder + "alpha.svm", Rows(100, 30));
    WriteRecords(folder + "beta.dat", Rows(5, 3));
    std::int32_t first = -1, last = -1;
    EXPECT_EQ(ReadDataFileDepthRange(folder + "alpha", first, last), 129);
    EXPECT_EQ(first, 100);
    EXPECT_EQ(ReadDataFileDepthRange(folder + "beta.dat", first, last), 7);
    EXPECT_EQ(ReadDataFileDepthRange(folder + "nothing", first, last), 0);
    EXPECT_EQ(first, 0);

    OpenWell well = Well(200, 260);
    std::vector<RECORD> rows = Rows(200, 61);
    rows.back().lagTime = 12.5f;
    WriteRecords(well.dataFileName, rows);
    // A custom-data file whose depths run backwards is renumbered, then read again.
    auto writeCustom = [&](float a, float b) {
        QByteArray bytes(3 * 222, '\0');
        std::memcpy(bytes.data(), &a, 4);
        std::memcpy(bytes.data() + 2 * 222, &b, 4);
        WriteBytes(well.customDataFileName, bytes);
    };
    writeCustom(260.7f, 200.0f);
    int renumbered = 0;
    well.hooks.renumberCustomRecords = [&] { ++renumbered; writeCustom(200.0f, 260.0f); };
    QStringList logged;
    well.hooks.writeActivityLog = [&](const QString& line) { logged << line; };
    well.autoStart = true;
    well.viewTopDepth = 900;
    EXPECT_EQ(ReadFileDepthRange(well, well.fileTopDepth, well.fileBottomDepth, false), 1);
    EXPECT_EQ(well.fileTopDepth, 200);
    EXPECT_EQ(well.fileBottomDepth, 260);
    EXPECT_EQ(well.lagTime, 12.5f);
    EXPECT_EQ(well.viewTopDepth, 220);
    EXPECT_EQ(renumbered, 1);
    EXPECT_EQ(well.customTopDepth, 200);
    EXPECT_EQ(well.customBottomDepth, 260);
    EXPECT_EQ(logged, QStringList{"Auto Start"});

    // A file shorter than the view starts the view at its first depth, not above it.
    WriteRecords(well.dataFileName, Rows(200, 21));
    well.viewTopDepth = 900;
    ReadFileDepthRange(well, well.fileTopDepth, well.fileBottomDepth, false);
    EXPECT_EQ(well.viewTopDepth, 200);
    EXPECT_EQ(DefaultViewTop(1000, 1500, 40), 1460);
}

TEST(Scans, LagDepthFromGas)
{
    OpenWell well = Well(1000, 1100);
    ScanRecords(well);
    EXPECT_EQ(well.lagDepth, 1020);

    std::vector<RECORD> rows = Rows(1000, 101);
    rows[40].gas[GAS_TG] = 5.0f;
    rows[60].gas[GAS_TG] = 1.5f;
    rows[70].gas[GAS_TG] = 1.0f;  // not above 1.0
    WriteRecords(well.dataFileName, rows);
    ScanRecords(well);
    EXPECT_EQ(well.lagDepth, 1060);

    // A deeper lag depth left from the previous well does not survive a scan of a gas-free file.
    WriteRecords(well.dataFileName, Rows(1000, 101));
    well.lagDepth = 2500;
    ScanRecords(well);
    EXPECT_EQ(well.lagDepth, 1020);
}

TEST(Scans, DirectionalAndSurveyValues)
{
    OpenWell well = Well(0, 200);
    auto scan = [&](int inclined) {
        std::vector<RECORD> rows = Rows(0, 201);
        for (int i = 0; i < 6; ++i) {
            RECORD& r = rows[std::size_t(i * 20)];
            r.tvd = float(r.depth) - 1.0f + (i == 0 ? 2.0f : 0.0f);  // the first survey lies at depth 0
            r.inclination = i < inclined ? 12.0f : 3.0f;
        }
        rows[150].mudWeightOut = 1.2f;
        rows[200].tvd = 199.0f;  // the last record is outside the scan
        rows[200].inclination = 45.0f;
        WriteRecords(well.dataFileName, rows);
        ReadAllRecords(well);
    };
    scan(5);
    EXPECT_TRUE(well.directional);
    EXPECT_EQ(well.firstTvdOffset, 0);
    EXPECT_EQ(well.maxTvd, 99.0f);
    EXPECT_FALSE(well.deviated);
    EXPECT_EQ(well.lastMudWeightOut, 1.2f);
    EXPECT_EQ(well.lastMudWeightOutDepth, 150);
    ASSERT_EQ(well.allRecords.size(), 201u);
    EXPECT_EQ(well.allRecords.back().depth, 0);

    scan(4);
    EXPECT_FALSE(well.directional);

    std::vector<RECORD> rows = Rows(0, 201);
    rows[120].tvd = 100.0f;  // 20 units above its depth, below first + 50
    WriteRecords(well.dataFileName, rows);
    ReadAllRecords(well);
    EXPECT_TRUE(well.deviated);
    EXPECT_EQ(well.firstTvdOffset, 120);
}

TEST(Scans, DamagedDepthsBoundNeitherTheBuffersNorTheArithmetic)
{
    // Two records whose stored depths claim two thousand million: only what the file holds is read.
    OpenWell well = Well(1, 2);
    std::vector<RECORD> rows = Rows(1, 2);
    rows[1].depth = 2000000000;
    WriteRecords(well.dataFileName, rows);
    well.fileBottomDepth = 2000000000;
    ScanRecords(well);
    EXPECT_EQ(well.lagDepth, 21);
    ReadAllRecords(well);
    ASSERT_EQ(well.allRecords.size(), 2u);  // the first record and the end mark
    EXPECT_EQ(well.allRecords[0].depth, 1);

    // Depths at the ends of the int32 range.
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    rows = Rows(0, 3);
    rows[0].depth = kMin;
    rows[1].depth = kMax;
    rows[2].depth = kMax;
    for (RECORD& r : rows) {
        r.tvd = 10.0f;
        r.mudWeightOut = 1.1f;
    }
    WriteRecords(well.dataFileName, rows);
    well.fileTopDepth = kMax - 10;
    well.fileBottomDepth = kMax;
    ScanRecords(well);
    EXPECT_EQ(well.lagDepth, kMax);
    well.fileTopDepth = kMin;
    ReadAllRecords(well);
    EXPECT_EQ(well.allRecords.size(), 3u);
    EXPECT_EQ(well.firstTvdOffset, 0);
    EXPECT_EQ(well.lastMudWeightOutDepth, kMax);
    EXPECT_EQ(DefaultViewTop(kMin, kMin + 5, kMax), kMin);
}

TEST(Drives, MountPointsStandInForDriveLetters)
{
    OpenWell well;
    const int n = ListDrives(well);
    ASSERT_GE(n, 1);
    EXPECT_LE(n, kMaxDrives);
    EXPECT_EQ(well.drives.size(), n);
    // "C:\\" is the home folder, last; the system's own root is never offered.
    EXPECT_EQ(well.drives.last(), SystemDriveFolder());
    EXPECT_FALSE(well.drives.contains("/"));
}
