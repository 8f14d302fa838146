#include "gasmon/gasrecord.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wits/sidefiles.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

using testing_support::doubles;
using testing_support::ReadBytes;
using testing_support::ReadExistingBytes;
using testing_support::TestDir;

namespace {

QString DataFolder() { return testing_support::MakePlace(QStringLiteral("ALPHA")).dataFolder; }

using testing_support::At;

}  // namespace

TEST(WitsTextFiles, TrafficAndUnmannedEntriesEndWithLineFeedAndReturn)
{
    const QString data = DataFolder();
    const QDateTime now(QDate(2026, 1, 15), QTime(9, 5, 7));
    wits::LogTraffic(data, now, "0108123.4", false);
    wits::LogTraffic(data, now.addSecs(3600 * 3), "&&\r\n!!\r\n", false);
    wits::LogTraffic(data, now, "svstart\r\n", true);
    EXPECT_EQ(ReadExistingBytes(data + "witsData-IN@1-15-26.txt"),
              QByteArray("0108123.4 at  9:05:07  len=9\n\r&&\r\n!!\r\n at 12:05:07  len=8\n\r"));
    EXPECT_EQ(ReadExistingBytes(data + "witsData-OUT@1-15-26.txt"), QByteArray("svstart\r\n at  9:05:07  len=9\n\r"));

    wits::WriteUnmannedText(data, QDate(2026, 1, 15), "Depth corrected to 1234");
    wits::WriteUnmannedText(data, QDate(2026, 1, 15), "Depth corrected to 1235");
    EXPECT_EQ(ReadExistingBytes(data + "unmanned@1-15-26.txt"),
              QByteArray("Depth corrected to 1234\n\rDepth corrected to 1235\n\r"));

    // Files that cannot be opened are passed over without a word.
    wits::LogTraffic(TestDir() + "missing/", now, "0108123.4", false);
    wits::WriteUnmannedText(TestDir() + "missing/", QDate(2026, 1, 15), "x");
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
}

TEST(WitsGasFile, AppendsWholeRecordsWithLagAndBottomDepth)
{
    const QString data = DataFolder();
    QDir().mkpath(data + "gas");
    const QString gasFile = data + "gas/ALPHA.gas";

    gasmon::GASRECORD record;
    record.totalGas = 55.5f;
    record.errorCount = 9;
    ASSERT_TRUE(wits::AppendGasRecord(data, "ALPHA", record, 1200.2, 1260));
    ASSERT_TRUE(wits::AppendGasRecord(data, "ALPHA", record, 1234.7, 1261));
    const QByteArray bytes = ReadExistingBytes(gasFile);
    ASSERT_EQ(bytes.size(), 1024);
    EXPECT_EQ(At<std::int32_t>(bytes, 0), 1200);
    EXPECT_EQ(At<std::int32_t>(bytes, 512 + 0), 1234);
    EXPECT_EQ(At<std::int32_t>(bytes, 512 + 4), 1261);
    EXPECT_EQ(At<std::int32_t>(bytes, 512 + 296), 0);
    EXPECT_EQ(At<float>(bytes, 512 + 48), 55.5f);

    // A lag depth no int holds is written as none.
    const double lags[] = {3e9, -3e9, std::nan(""), HUGE_VAL, 2147483647.9};
    for (double lag : lags)
        ASSERT_TRUE(wits::AppendGasRecord(data, "ALPHA", record, lag, 1262));
    const QByteArray more = ReadExistingBytes(gasFile);
    ASSERT_EQ(more.size(), 7 * 512);
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(At<std::int32_t>(more, (2 + k) * 512), k < 4 ? 0 : 2147483647) << lags[k];

    // A folder in place of the file: reported, nothing changes. No gas folder: the file cannot be made.
    ASSERT_TRUE(QFile::remove(gasFile));
    QDir().mkpath(gasFile);
    EXPECT_FALSE(wits::AppendGasRecord(data, "ALPHA", record, 1300, 1300));
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, "Gas File Open Failed");
    EXPECT_EQ(doubles().prompter.messages[0].caption, "ERROR");
    EXPECT_TRUE(QFileInfo(gasFile).isDir());
    EXPECT_TRUE(QDir(gasFile).isEmpty());

    EXPECT_FALSE(wits::AppendGasRecord(TestDir() + "nowhere/", "ALPHA", record, 1300, 1300));
    ASSERT_EQ(doubles().prompter.messages.size(), 2);
    EXPECT_EQ(doubles().prompter.messages[1].text, "Gas File Create Failed");
}

TEST(WitsRemoteBlock, FillsSingleGapsFromTheSampleBefore)
{
    const QString path = DataFolder() + "ALPHA.zl8";
    wellfile::WITSRECORD samples[5];
    for (int i = 0; i < 5; ++i) {
        samples[i].slot = std::uint16_t(6000 + i);
        samples[i].holeDepth = float(1000 + i);
        samples[i].torque = std::uint16_t(i);
    }
    samples[2].holeDepth = 0;
    testing_support::WriteBytes(path, QByteArray(2000, 'x'));  // an old, longer file is replaced
    ASSERT_TRUE(wits::WriteRemoteBlock(path, samples, 5));
    const QByteArray bytes = ReadExistingBytes(path);
    ASSERT_EQ(bytes.size(), 640);
    const auto third = At<wellfile::WITSRECORD>(bytes, 256);
    EXPECT_EQ(third.holeDepth, 1001.0f);
    EXPECT_EQ(third.torque, 1);
    EXPECT_EQ(third.slot, 6002);
    EXPECT_EQ(std::memcmp(bytes.constData() + 384, &samples[3], 128), 0);
    EXPECT_EQ(samples[2].holeDepth, 0.0f);  // the caller's block is left as it was

    // Two gaps in a row are not filled.
    samples[3].holeDepth = 0;
    ASSERT_TRUE(wits::WriteRemoteBlock(path, samples, 5));
    EXPECT_EQ(At<wellfile::WITSRECORD>(ReadExistingBytes(path), 256).holeDepth, 0.0f);
    EXPECT_FALSE(wits::WriteRemoteBlock(TestDir() + "nowhere/ALPHA.zl8", samples, 5));
}
