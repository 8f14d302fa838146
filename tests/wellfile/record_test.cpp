#include "wellfile/datafile.h"
#include "wellfile/record.h"
#include "support/files.h"
#include "support/testmain.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using namespace wellfile;

TEST(Record, FieldsLandOnTheirFileBytes)
{
    RECORD r;
    r.lagTime = 12.5f;
    r.depth = 0x01020304;
    r.gas[GAS_TG] = -1.0f;  // a labelled gas value keeps its sign bit
    const auto* b = reinterpret_cast<const unsigned char*>(&r);
    EXPECT_EQ(b[385], 0x00);
    EXPECT_EQ(b[386], 0x00);
    EXPECT_EQ(b[387], 0x48);
    EXPECT_EQ(b[388], 0x41);
    EXPECT_EQ(b[0], 0x04);
    EXPECT_EQ(b[3], 0x01);
    EXPECT_EQ(b[31], 0xBF);
    // Everything else of a new record is zero.
    int nonZero = 0;
    for (int i = 0; i < kRecordSize; ++i)
        nonZero += b[i] != 0;
    EXPECT_EQ(nonZero, 2 + 4 + 2);  // lag time (2 bytes), depth (4), gas (2)
}

// A record passes through the file unchanged, including the bytes no routine interprets.
TEST(Record, WrittenAndReadBackIsByteIdentical)
{
    std::vector<RECORD> rows(2);
    for (int k = 0; k < 2; ++k) {
        auto* b = reinterpret_cast<unsigned char*>(&rows[std::size_t(k)]);
        for (int i = 0; i < kRecordSize; ++i)
            b[i] = static_cast<unsigned char>(i * 7 + k + 1);
        rows[std::size_t(k)].depth = 100 + k;
    }
    OpenWell well;
    well.dataFileName = testing_support::TestDir() + "w.svm";
    well.fileTopDepth = 100;
    well.fileBottomDepth = 101;
    testing_support::WriteBytes(well.dataFileName, QByteArray(2 * kRecordSize, '\0'));
    ASSERT_EQ(SaveRecords(well, rows, well.dataFileName, 0, 2), 2);
    std::vector<RECORD> back(3);
    ASSERT_EQ(ReadRecords(well, back, well.dataFileName, 0, 2), 2);
    EXPECT_EQ(std::memcmp(back.data(), rows.data(), 2 * kRecordSize), 0);

    RECORD last = rows[1];
    last.unused506[109] = 0x5A;
    ASSERT_EQ(WriteLastRecord(last, well.dataFileName), 1);
    auto again = ReadLastRecord(well, well.dataFileName);
    ASSERT_TRUE(again);
    EXPECT_EQ(std::memcmp(again.get(), &last, kRecordSize), 0);
    auto firstBack = ReadFirstRecord(well.dataFileName);
    ASSERT_TRUE(firstBack);
    EXPECT_EQ(std::memcmp(firstBack.get(), &rows[0], kRecordSize), 0);
}
