// Records inserted and deleted at a depth in the data file and its custom-data file, the typed entry
// checked against the file, the depth check, and rewrites that fail leaving both files as they were.
#include "wellfile/insertdelete.h"

#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/customdata.h"
#include "wellfile/memorecords.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <unistd.h>

using namespace wellfile;
using wellfile::CUSTDATAREC;
using testing_support::FileRecords;
using testing_support::ReadBytes;
using testing_support::TestDir;
using testing_support::WriteRecords;

namespace {

// A well of 1000..1100 whose records carry values of their own, with a ".svx" of the same depths.
struct Well {
    QString svm;
    QString svx;
    RecordFiles files;

    explicit Well(const QString& folder = TestDir())
    {
        QDir().mkpath(folder);
        svm = testing_support::MakeWell(folder, "W.svm", 1000, 1100);
        auto rows = FileRecords<RECORD>(svm);
        for (RECORD& r : rows) {
            r.gas[GAS_TG] = float(r.depth) / 10;
            r.mudWeightIn = 9.5f;
            r.testGas[TEST_C1] = 120;
            r.indexWord = r.depth;
        }
        rows.back().gasScale = 4;
        rows.back().minutesScale = 3;
        WriteRecords(svm, rows);
        std::vector<CUSTDATAREC> custom(101);
        for (std::size_t i = 0; i < custom.size(); ++i) {
            custom[i].depth = 1000.0f + float(i);
            custom[i].rpm = 60.0f + float(i);
        }
        svx = folder + "W.svx";
        WriteRecords(svx, custom);
        files.dataFile = svm;
        files.customFile = svx;
        files.step = 1;
    }
};

bool SameButDepth(RECORD a, RECORD b)
{
    a.depth = b.depth = 0;
    return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace

TEST(InsertRecords, NewBlankRecordsTakeTheDepthAndTheRecordsBelowMoveDown)
{
    Well w;
    const auto before = FileRecords<RECORD>(w.svm);
    const auto customBefore = FileRecords<CUSTDATAREC>(w.svx);

    const RecordShift r = InsertRecords(w.files, 1050, 3);
    ASSERT_EQ(r.status, RecordShift::Done);
    EXPECT_EQ(r.lastDepth, 1103);

    const auto rows = FileRecords<RECORD>(w.svm);
    ASSERT_EQ(rows.size(), 104u);
    for (std::size_t i = 0; i < rows.size(); ++i)
        ASSERT_EQ(rows[i].depth, 1000 + int(i));
    for (int n = 0; n < 3; ++n) {
        const RECORD& added = rows[std::size_t(50 + n)];
        EXPECT_FLOAT_EQ(added.rateOdd, 0.1f);
        EXPECT_FLOAT_EQ(added.rateOne, 0.1f);
        EXPECT_FLOAT_EQ(added.rate2Ft, 0.1f);
        EXPECT_STREQ(added.lith, "100bl");
        EXPECT_EQ(added.gas[GAS_TG], 0.0f);
        EXPECT_EQ(added.indexWord, -1);
        EXPECT_FLOAT_EQ(added.testGas[TEST_C1], 120);   // the last record's test gas
        EXPECT_EQ(added.gasScale, 4);                   // and scale codes
        EXPECT_EQ(added.minutesScale, 3);
        EXPECT_FLOAT_EQ(added.mudWeightIn, 9.5f);
    }
    EXPECT_TRUE(SameButDepth(rows[53], before[50]));
    EXPECT_TRUE(SameButDepth(rows[103], before[100]));
    EXPECT_TRUE(SameButDepth(rows[49], before[49]));

    // The custom data shift the same way: zeroed records at 1050..1052, the old 1050 now at 1053.
    ASSERT_TRUE(r.customChanged);
    EXPECT_EQ(r.customFirst, 1000);
    EXPECT_EQ(r.customLast, 1103);
    const auto custom = FileRecords<CUSTDATAREC>(w.svx);
    ASSERT_EQ(custom.size(), 104u);
    for (std::size_t i = 0; i < custom.size(); ++i)
        ASSERT_EQ(float(custom[i].depth), 1000.0f + float(i));
    EXPECT_EQ(float(custom[51].rpm), 0.0f);
    EXPECT_EQ(float(custom[53].rpm), float(customBefore[50].rpm));
    EXPECT_EQ(float(custom[103].rpm), float(customBefore[100].rpm));
}

TEST(InsertRecords, ShiftsTheCustomDataAlsoNearTheTopAndDropsATornRecord)
{
    Well w;
    QFile f(w.svm);
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write(QByteArray(100, 'x'));
    f.close();

    const RecordShift r = InsertRecords(w.files, 1015, 2);
    ASSERT_EQ(r.status, RecordShift::Done);
    EXPECT_EQ(QFileInfo(w.svm).size(), 103 * 616);
    const auto custom = FileRecords<CUSTDATAREC>(w.svx);
    ASSERT_EQ(custom.size(), 103u);
    EXPECT_EQ(float(custom[15].rpm), 0.0f);
    EXPECT_EQ(float(custom[17].rpm), 75.0f);  // the old 1015
    EXPECT_EQ(float(custom.back().depth), 1102.0f);
}

TEST(DeleteRecords, RecordsGoAndTheOnesBelowMoveUpInBothFiles)
{
    Well w;
    const auto before = FileRecords<RECORD>(w.svm);
    const qint64 svmSize = QFileInfo(w.svm).size();
    const qint64 svxSize = QFileInfo(w.svx).size();

    const RecordShift r = DeleteRecords(w.files, 1050, 3);
    ASSERT_EQ(r.status, RecordShift::Done);
    EXPECT_EQ(r.lastDepth, 1097);
    EXPECT_EQ(QFileInfo(w.svm).size(), svmSize - 1848);
    EXPECT_EQ(QFileInfo(w.svx).size(), svxSize - 666);
    const auto rows = FileRecords<RECORD>(w.svm);
    for (std::size_t i = 0; i < rows.size(); ++i)
        ASSERT_EQ(rows[i].depth, 1000 + int(i));
    EXPECT_TRUE(SameButDepth(rows[50], before[53]));
    EXPECT_TRUE(SameButDepth(rows[49], before[49]));
    const auto custom = FileRecords<CUSTDATAREC>(w.svx);
    EXPECT_EQ(float(custom[50].rpm), 113.0f);
    EXPECT_EQ(float(custom[50].depth), 1050.0f);
    EXPECT_EQ(r.customLast, 1097);

    // More records than lie at and below the depth would take records above it.
    const QByteArray kept = ReadBytes(w.svm);
    EXPECT_EQ(DeleteRecords(w.files, 1090, 50).status, RecordShift::Refused);
    EXPECT_EQ(ReadBytes(w.svm), kept);
}

TEST(RecordEntry, DepthAndCountAreCheckedAgainstTheFile)
{
    const auto refused = [](RecordOperation op, std::optional<int> depth, std::optional<int> count) {
        const auto r = RefuseRecordEntry(op, 1000, 1100, 1, depth, count);
        return r ? r->text : QString();
    };
    const QString range = "Depth out of Range";
    const QString none = "Number of records must be greater than 0";
    EXPECT_EQ(refused(RecordOperation::Insert, 1009, 1), range);
    EXPECT_EQ(refused(RecordOperation::Insert, 1091, 1), range);
    EXPECT_EQ(refused(RecordOperation::Insert, std::nullopt, 1), range);
    EXPECT_EQ(refused(RecordOperation::Insert, 1010, 1), "");
    EXPECT_EQ(refused(RecordOperation::Insert, 1090, 500), "");
    EXPECT_EQ(refused(RecordOperation::Insert, 1050, 0), none);
    EXPECT_EQ(refused(RecordOperation::Insert, 1050, std::nullopt), none);
    // A delete near the top would change nothing: refused rather than reported done.
    EXPECT_EQ(refused(RecordOperation::Delete, 1015, 1), range);
    EXPECT_EQ(refused(RecordOperation::Delete, 1020, 1), "");
    EXPECT_EQ(refused(RecordOperation::Delete, 1090, 11), "");
    EXPECT_EQ(refused(RecordOperation::Delete, 1090, 50), "Only 11 records lie at and below 1090");
}

TEST(CheckDepths, FindsTheRecordBeforeTheFirstGap)
{
    Well w;
    DepthCheck c = CheckDepths(w.svm, 1);
    EXPECT_TRUE(c.readable);
    EXPECT_FALSE(c.gapAfter);

    auto rows = FileRecords<RECORD>(w.svm);
    for (std::size_t i = 11; i < rows.size(); ++i)
        rows[i].depth += 5;
    WriteRecords(w.svm, rows);
    c = CheckDepths(w.svm, 1);
    ASSERT_TRUE(c.gapAfter);
    EXPECT_EQ(*c.gapAfter, 1010);
    EXPECT_FALSE(CheckDepths(TestDir() + "none.svm", 1).readable);
}

TEST(InsertRecords, AFailedRewriteLeavesBothFilesAsTheyWere)
{
    Well w;
    const QByteArray svm = ReadBytes(w.svm);
    const QByteArray svx = ReadBytes(w.svx);
    // The data file's temporary file cannot be made once the custom data's is written.
    ASSERT_TRUE(QDir().mkpath(w.svm + ".adj~"));
    RecordShift r = InsertRecords(w.files, 1050, 3);
    EXPECT_EQ(r.status, RecordShift::WriteFailed);
    EXPECT_EQ(r.path, w.svm);
    r = DeleteRecords(w.files, 1050, 3);
    EXPECT_EQ(r.status, RecordShift::WriteFailed);
    EXPECT_EQ(ReadBytes(w.svm), svm);
    EXPECT_EQ(ReadBytes(w.svx), svx);
    EXPECT_FALSE(QFileInfo::exists(w.svx + ".adj~"));
}

TEST(InsertRecords, AFolderThatCannotBeWrittenLeavesBothFilesAsTheyWere)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into any folder";
    const QString folder = TestDir() + "locked/";
    Well w(folder);
    const QByteArray svm = ReadBytes(w.svm);
    const QByteArray svx = ReadBytes(w.svx);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const RecordShift r = InsertRecords(w.files, 1050, 3);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(r.status, RecordShift::WriteFailed);
    EXPECT_EQ(ReadBytes(w.svm), svm);
    EXPECT_EQ(ReadBytes(w.svx), svx);
}

// The well with every file that holds depths: a ".fit" of its own values, memos and depth notes.
TEST(InsertRecords, EverySideFileMovesWithTheRecordsAndDeletingThemAgainGivesEachFileBack)
{
    Well w;
    const QString base = w.svm.chopped(4);
    std::vector<wellfile::EXTRECORD> fit(101);
    for (std::size_t i = 0; i < fit.size(); ++i) {
        fit[i].depth = 1000.0f + float(i);
        fit[i].recordLength = wellfile::kExtRecordSize;
        fit[i].fitA[0] = 5.0f + float(i);
    }
    WriteRecords(base + ".fit", fit);
    std::vector<wellfile::SVMEMO> memos(4);
    const int memoDepths[] = {1040, 1050, 1070, 0};  // the last slot unused
    for (std::size_t i = 0; i < memos.size(); ++i) {
        memos[i].depth = memoDepths[i];
        std::snprintf(memos[i].text, sizeof memos[i].text, "memo %d", int(i));
    }
    WriteRecords(base + ".mem", memos);
    std::vector<wellfile::HTEXTEX> notes(2);
    notes[0].depth = 1049;
    notes[1].depth = 1060;
    WriteRecords(base + ".hxt", notes);
    w.files.fitFile = base + ".fit";
    w.files.memoFile = base + ".mem";
    w.files.noteFile = base + ".hxt";
    std::map<QString, QByteArray> before;
    for (const char* ext : {".svm", ".svx", ".fit", ".mem", ".hxt"})
        before[ext] = ReadBytes(base + ext);

    RecordShift r = InsertRecords(w.files, 1050, 3);
    ASSERT_EQ(r.status, RecordShift::Done);
    EXPECT_TRUE(r.fitChanged);
    EXPECT_EQ(r.fitLast, 1103);
    const auto fitAfter = FileRecords<wellfile::EXTRECORD>(base + ".fit");
    ASSERT_EQ(fitAfter.size(), 104u);
    EXPECT_EQ(float(fitAfter[63].depth), 1063.0f);
    EXPECT_EQ(float(fitAfter[63].fitA[0]), float(fit[60].fitA[0]));  // the old 1060's record
    EXPECT_EQ(float(fitAfter[51].fitA[0]), 0.0f);
    EXPECT_EQ(int(fitAfter[51].recordLength), wellfile::kExtRecordSize);
    EXPECT_EQ(float(fitAfter[49].fitA[0]), float(fit[49].fitA[0]));
    const auto memosAfter = FileRecords<wellfile::SVMEMO>(base + ".mem");
    EXPECT_EQ((std::vector<int>{memosAfter[0].depth, memosAfter[1].depth, memosAfter[2].depth, memosAfter[3].depth}),
              (std::vector<int>{1040, 1053, 1073, 0}));
    const auto notesAfter = FileRecords<wellfile::HTEXTEX>(base + ".hxt");
    EXPECT_EQ(int(notesAfter[0].depth), 1049);
    EXPECT_EQ(int(notesAfter[1].depth), 1063);

    r = DeleteRecords(w.files, 1050, 3);
    ASSERT_EQ(r.status, RecordShift::Done);
    for (const auto& [ext, bytes] : before)
        EXPECT_EQ(ReadBytes(base + ext), bytes) << ext.toStdString();

    // What lay in a deleted span stays at the point; what lay above it never moves.
    EXPECT_EQ(MovedDepth(1051, 1050, -3), 1050);
    EXPECT_EQ(MovedDepth(1053, 1050, -3), 1050);
    EXPECT_EQ(MovedDepth(1049, 1050, -3), 1049);
    EXPECT_EQ(MovedDepth(0, 0, 3), 0);

    // A side file that is there but cannot be read stops the insert before any file changes.
    QFile::remove(base + ".hxt");
    ASSERT_TRUE(QFile::link("/proc/self/mem", base + ".hxt"));
    r = InsertRecords(w.files, 1050, 3);
    EXPECT_EQ(r.status, RecordShift::ReadFailed);
    EXPECT_EQ(r.path, base + ".hxt");
    for (const char* ext : {".svm", ".svx", ".fit", ".mem"})
        EXPECT_EQ(ReadBytes(base + ext), before[ext]) << ext;
}
