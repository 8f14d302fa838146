// The well's gas file on disk: appends after whole records only, reads bounded by the file, and a file
// that cannot be written said once per spell.
#include "gasmon/gasfile.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <vector>

using namespace testing_support;

namespace {

gasmon::GASRECORD Booked(int lagDepth, float totalGas)
{
    gasmon::GASRECORD r;
    r.lagDepth = lagDepth;
    r.bottomDepth = lagDepth + 60;
    r.totalGas = totalGas;
    return r;
}

TEST(GasFile, AppendsAfterTheWholeRecordsAndReadsNoMoreThanTheFileHolds)
{
    QDir().mkpath(TestDir() + "gas");
    const QString path = gasmon::GasFileName(TestDir(), "ALPHA");
    ASSERT_EQ(path, TestDir() + "gas/ALPHA.gas");

    // A crash left a record and a torn one behind.
    const gasmon::GASRECORD first = Booked(1000, 7);
    WriteBytes(path, QByteArray(reinterpret_cast<const char*>(&first), 512) + QByteArray(488, '\x7f'));
    std::vector<gasmon::GASRECORD> buffer(4);
    EXPECT_EQ(gasmon::ReadGasFile(path, buffer, 0, -1), 1);
    ASSERT_TRUE(gasmon::AppendGasRecord(path, Booked(1001, 9)));
    const QByteArray bytes = ReadExistingBytes(path);
    ASSERT_EQ(bytes.size(), 1024) << "the new record lands at byte 512, over the torn one";
    EXPECT_EQ(At<std::int32_t>(bytes, 512), 1001);
    EXPECT_EQ(At<std::int32_t>(bytes, 512 + 4), 1061);
    EXPECT_EQ(At<float>(bytes, 512 + 48), 9.0f);
    EXPECT_EQ(gasmon::ReadGasFile(path, buffer, 0, -1), 2);

    // Reads are bounded by the records present and by the buffer; the result is the records read less one.
    buffer.assign(4, Booked(5, 5));
    EXPECT_EQ(gasmon::ReadGasFile(path, buffer, 0, 10), 1);
    EXPECT_EQ(+buffer[1].lagDepth, 1001);
    EXPECT_EQ(+buffer[2].lagDepth, 5) << "nothing past the records the file holds";
    EXPECT_EQ(gasmon::ReadGasFile(path, std::span(buffer).first(1), 1, 10), 0);
    EXPECT_EQ(+buffer[0].lagDepth, 1001);
    EXPECT_EQ(+buffer[1].lagDepth, 1001) << "nothing past the buffer";
    EXPECT_EQ(gasmon::ReadGasFile(path, buffer, 7, 2), -1) << "nothing at record 7";

    // An empty file counts as one record, of which nothing is read.
    WriteBytes(path, QByteArray());
    EXPECT_EQ(gasmon::ReadGasFile(path, buffer, 0, -1), 0);
    EXPECT_EQ(gasmon::ReadGasFile(path, buffer, 0, 3), -1);
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());

    EXPECT_EQ(gasmon::ReadGasFile(TestDir() + "gas/NONE.gas", buffer, 0, -1), 0);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, TestDir() + "gas/NONE.gas");
    EXPECT_EQ(doubles().prompter.messages[0].caption, "File Read Error In");
}

TEST(GasFile, AFileThatCannotBeWrittenIsSaidOncePerSpell)
{
    const QString path = TestDir() + "gas/ALPHA.gas";
    gasmon::FailureSpell spell;
    // No gas folder: the file cannot be made.
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(gasmon::AppendGasRecord(path, Booked(1000 + i, 1), &spell));
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, "Gas File Create Failed");
    EXPECT_EQ(doubles().prompter.messages[0].caption, "ERROR");

    // It works again, then fails to open (a folder where the file was): said once more.
    QDir().mkpath(TestDir() + "gas");
    ASSERT_TRUE(gasmon::AppendGasRecord(path, Booked(1003, 1), &spell));
    ASSERT_TRUE(QFile::remove(path));
    QDir().mkpath(path);
    EXPECT_FALSE(gasmon::AppendGasRecord(path, Booked(1004, 1), &spell));
    EXPECT_FALSE(gasmon::AppendGasRecord(path, Booked(1005, 1), &spell));
    ASSERT_EQ(doubles().prompter.messages.size(), 2);
    EXPECT_EQ(doubles().prompter.messages[1].text, "Gas File Open Failed");
    EXPECT_TRUE(QDir(path).isEmpty());
}

}  // namespace
