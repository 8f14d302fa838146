// Records appended below the last depth, the file cut, every depth shifted, several files replaced
// together, and the KB elevation read from a well's header.
#include "wellfile/depthcorrection.h"

#include "platform/text.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/wellheader.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cstring>

using namespace wellfile;
using testing_support::FileRecords;
using testing_support::ReadBytes;
using testing_support::TestDir;
using testing_support::WriteRecords;

namespace {

// A well of 1000..1200 whose last record carries drilling values, gas and a partly empty test-gas set.
QString WellWithDrilledLastRecord()
{
    const QString path = testing_support::MakeWell(TestDir(), "W.svm", 1000, 1200);
    auto rows = FileRecords<RECORD>(path);
    RECORD& last = rows.back();
    last.rate2Ft = 3.0f;
    last.rateOne = 7.0f;
    last.gas[GAS_TG] = 55.0f;
    last.gas[GAS_TENTH] = 9.0f;
    last.halfGas[GAS_C1] = 4.0f;
    last.testGas[TEST_C2] = 0.0f;
    last.testGas[TEST_C3] = -2.0f;
    last.azimuth = 120.0f;
    last.slide = 1;
    last.mudWeightIn = 10.2f;
    platform::SetFieldText(last.shortText, "FLARE");
    WriteRecords(path, rows);
    return path;
}

TEST(AppendDepthRecords, RepeatsTheLastRecordClearedOfItsDrillingValues)
{
    const QString path = WellWithDrilledLastRecord();
    const QByteArray before = ReadBytes(path);
    ASSERT_TRUE(AppendDepthRecords(path, 200, 1));

    const auto rows = FileRecords<RECORD>(path);
    ASSERT_EQ(rows.size(), 401u);
    EXPECT_EQ(ReadBytes(path).left(before.size()), before);
    for (std::size_t i = 201; i < rows.size(); ++i) {
        const RECORD& r = rows[i];
        ASSERT_EQ(r.depth, 1000 + int(i));
        EXPECT_EQ(r.rateOdd, 3.0f);
        EXPECT_EQ(r.rateOne, 3.0f);
        EXPECT_EQ(r.rate2Ft, 3.0f);
    }
    const RECORD& r = rows.back();
    EXPECT_EQ(platform::FieldText(r.lith), "100bl");
    EXPECT_EQ(platform::FieldText(r.shortText), "");
    EXPECT_EQ(r.gas[GAS_TG], 0.0f);
    EXPECT_EQ(r.halfGas[GAS_C1], 0.0f);
    EXPECT_EQ(r.gas[GAS_TENTH], 9.0f);  // past the cleared block
    EXPECT_EQ(r.indexWord, -1);
    EXPECT_EQ(r.testGas[TEST_C2], 1.0f);
    EXPECT_EQ(r.testGas[TEST_C3], 1.0f);
    EXPECT_EQ(r.testGas[TEST_TG], 100.0f);
    EXPECT_EQ(r.azimuth, 0.0f);
    EXPECT_EQ(r.slide, 0);
    EXPECT_EQ(r.mudWeightIn, 0.0f);
}

TEST(AppendDepthRecords, AFailedWriteLeavesTheFileAsItWas)
{
    const QString path = WellWithDrilledLastRecord();
    const QByteArray before = ReadBytes(path);
    // A disk that fills up after three more records.
    bool appended = true;
    {
        testing_support::FileSizeLimit limit(rlim_t(before.size() + 3 * kRecordSize));
        appended = AppendDepthRecords(path, 200, 1);
    }

    EXPECT_FALSE(appended);
    EXPECT_EQ(ReadBytes(path), before);
}

TEST(AppendDepthRecords, RefusesAFileWithoutRecords)
{
    const QString path = TestDir() + "empty.svm";
    testing_support::WriteBytes(path, QByteArray(100, 'x'));
    EXPECT_FALSE(AppendDepthRecords(path, 5, 1));
    EXPECT_EQ(ReadBytes(path).size(), 100);
    EXPECT_FALSE(AppendDepthRecords(TestDir() + "missing.svm", 5, 1));
}

TEST(CutDataFile, KeepsTheFirstRecords)
{
    const QString path = testing_support::MakeWell(TestDir(), "C.svm", 1000, 1200);
    const QByteArray before = ReadBytes(path);
    ASSERT_TRUE(CutDataFile(path, 101));
    EXPECT_EQ(ReadBytes(path), before.left(101 * kRecordSize));
    EXPECT_EQ(FileRecords<RECORD>(path).back().depth, 1100);
}

TEST(ShiftRecordDepths, RenumbersFromTheShiftedFirstDepth)
{
    std::vector<RECORD> rows(4);
    rows[0].depth = 1000;
    rows[0].slide = 1;
    rows[2].depth = 5;  // a damaged depth is renumbered too
    rows[2].testGas[TEST_C1] = -1;
    EXPECT_EQ(ShiftRecordDepths(rows, 10), 0u);
    EXPECT_EQ(rows[0].depth, 1010);
    EXPECT_EQ(rows[0].slide, 0);
    EXPECT_EQ(rows[3].depth, 1013);
    EXPECT_EQ(rows[2].testGas[TEST_C1], 1.0f);
}

TEST(ShiftRecordDepths, DropsLeadingDepthsBelowOneAndKeepsTheCompanyText)
{
    std::vector<RECORD> rows(10);
    rows[0].depth = 5;
    platform::SetFieldText(rows[0].interpretedLith, "PRF12");
    EXPECT_EQ(ShiftRecordDepths(rows, -10), 6u);  // -5 .. 0 go
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].depth, 1);
    EXPECT_EQ(platform::FieldText(rows[0].interpretedLith), "PRF12");
}

TEST(ReplaceFilesTogether, AFailureChangesNoFile)
{
    const QString a = TestDir() + "a.bin";
    testing_support::WriteBytes(a, QByteArray("old"));
    const QString unwritable = TestDir() + "no/such/folder/b.bin";
    EXPECT_EQ(ReplaceFilesTogether({{a, "new"}, {unwritable, "new"}}), unwritable);
    EXPECT_EQ(ReadBytes(a), QByteArray("old"));
    EXPECT_EQ(QDir(TestDir()).entryList({"*~"}, QDir::Files).size(), 0);

    const QString b = TestDir() + "b.bin";
    EXPECT_TRUE(ReplaceFilesTogether({{a, "new a"}, {b, "new b"}}).isEmpty());
    EXPECT_EQ(ReadBytes(a), QByteArray("new a"));
    EXPECT_EQ(ReadBytes(b), QByteArray("new b"));
}

TEST(ReplaceFilesTogether, OneThatCannotBePutInPlaceGivesTheOthersTheirOldFilesBack)
{
    const QString folder = TestDir() + "together/";
    ASSERT_TRUE(QDir().mkpath(folder + "W.svm/inside"));  // a folder in the way of the data file
    testing_support::WriteBytes(folder + "W.svx", "old svx");
    testing_support::WriteBytes(folder + "W.fit", "old fit");
    const std::vector<FileImage> images{{folder + "W.svx", "new svx"}, {folder + "W.fit", "new fit"},
                                        {folder + "W.mem", "new memos"}, {folder + "W.svm", "new data"}};
    EXPECT_EQ(ReplaceFilesTogether(images), folder + "W.svm");
    EXPECT_EQ(ReadBytes(folder + "W.svx"), "old svx");
    EXPECT_EQ(ReadBytes(folder + "W.fit"), "old fit");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList({"W.fit", "W.svm", "W.svx"}));  // no new file, temporary or kept copy is left

    ASSERT_TRUE(QDir(folder + "W.svm").removeRecursively());
    testing_support::WriteBytes(folder + "W.svm", "old data");
    EXPECT_TRUE(ReplaceFilesTogether(images).isEmpty());
    EXPECT_EQ(ReadBytes(folder + "W.svm"), "new data");
    EXPECT_EQ(ReadBytes(folder + "W.mem"), "new memos");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 4);
}

TEST(KbElevation, ReadsTheNumberOfTheFieldOnly)
{
    const char text[30] = "KB abc 123.4 ft";
    EXPECT_FLOAT_EQ(KbElevationFromText(text, sizeof text), 123.4f);
    const char below[30] = "KB -12.5";
    EXPECT_FLOAT_EQ(KbElevationFromText(below, sizeof below), -12.5f);
    const char none[30] = "n/a";
    EXPECT_EQ(KbElevationFromText(none, sizeof none), 0.0f);

    // A KB text filling its whole field runs straight into the API number on disk.
    const WellPlace place = testing_support::MakePlace("K");
    const QString data = testing_support::MakeWell(place.currentFolder, "K.svm", 1000, 1010);
    WellHeader h{};
    std::memset(h.kellyBushing, ' ', sizeof h.kellyBushing);
    std::memcpy(h.kellyBushing + 28, "12", 2);
    std::memcpy(h.apiNumber, "3456", 5);
    testing_support::WriteBytes(HeaderFilePath(place, data, true), &h, sizeof h);
    EXPECT_FLOAT_EQ(GetKbElevation(place, data), 12.0f);
    EXPECT_EQ(GetKbElevation(place, place.currentFolder + "none.svm"), 0.0f);
}

}  // namespace
