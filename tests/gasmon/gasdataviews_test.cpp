// The set-up dialog's data views and exports without the dialog: the lines of real gas and chart
// records, the export texts and buffers bounded by the files' own lengths.
#include "gasmon/chartfile.h"
#include "gasmon/gasdataviews.h"
#include "gasmon/gasfile.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/testmain.h"

#include <QDir>

#include <gtest/gtest.h>

#include <limits>

using namespace gasmon;
using testing_support::doubles;
using testing_support::TestDir;

namespace {

// A gas record booked at `depth` (lag depth two units above) with round values.
GASRECORD GasAt(std::int32_t depth)
{
    GASRECORD r{};
    r.lagDepth = depth - 2;
    r.bottomDepth = depth;
    r.totalGas = 20;
    return r;
}

GASRECORD SampleGas()
{
    GASRECORD r{};
    r.lagDepth = 998;
    r.bottomDepth = 1004;
    r.totalGas = 123.7f;
    const float components[6] = {45.9f, 12, 7, 3, 2, 1};
    for (int i = 0; i < 6; ++i)
        r.components[i] = components[i];
    r.nc5 = 2000;
    r.sampleTotalGas = 88.2f;
    r.errorCount = 3;
    return r;
}

CHARTRECORD SampleChart()
{
    CHARTRECORD r = PresetChartRecord(QDate(2026, 1, 15), 10 * 1800 + 3 * 30 + 2);
    r.lagDepth = 1490;
    r.depth = 1502;
    r.hotWire = 55.8f;
    r.chromat = 20.1f;
    r.index = 2;
    return r;
}

}  // namespace

TEST(GasDataViews, TheGasViewListsEveryRecordNewestFirstUntilOneAboveTheFirstDepth)
{
    std::vector<GASRECORD> records = {GasAt(1000), GasAt(1001), GasAt(1002), GasAt(1003), SampleGas()};
    QStringList lines = GasViewLines(records, 1000);
    ASSERT_EQ(lines.size(), 5) << "the oldest record is listed too";
    EXPECT_EQ(lines[0], "998       1004    123   45   12   7    3    2    1    10   88    3");
    EXPECT_TRUE(lines[4].startsWith("998       1000")) << lines[4].toStdString();
    EXPECT_FLOAT_EQ(records[4].nc5, 10.0f) << "the out-of-range nC5 is mended in the buffer";

    // A record of an earlier file, above this one's first depth, ends the list.
    records[1].bottomDepth = 950;
    lines = GasViewLines(records, 1000);
    EXPECT_EQ(lines.size(), 3);

    // Values that are no number or beyond an int show as none.
    GASRECORD odd = GasAt(1001);
    odd.totalGas = std::numeric_limits<float>::quiet_NaN();
    odd.components[0] = 1e30f;
    odd.components[1] = -3e9f;
    odd.components[2] = 7;
    odd.nc5 = -5;
    std::vector<GASRECORD> one = {odd};
    lines = GasViewLines(one, 1000);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].startsWith("999       1001    0     0    0    7 ")) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].contains(" 10   0 ")) << lines[0].toStdString();
}

TEST(GasDataViews, TheChartViewAndBothExportsKeepTheirColumnsAndOrder)
{
    std::vector<CHARTRECORD> chart = {PresetChartRecord(QDate(2026, 1, 15), 0), SampleChart()};
    const QStringList lines = ChartViewLines(chart);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], "1490     1502    55     20    15  10   3    4       2 ");
    EXPECT_EQ(ChartViewHeading(), "LagDepth  Depth   HW  Chrom  Day Hour  Min  Sec  Index");

    EXPECT_EQ(ChartExportText(chart),
              "LagDepth  Depth   HW  Chrom  Day Hour  Min  Sec  Index\r\n"
              " 0        0       0      0     15  0    0    0     0 \r\n"
              "1490     1502    55     20    15  10   3    4     2 \r\n");

    const std::vector<GASRECORD> gas = {GasAt(1000), SampleGas()};
    const QList<QByteArray> rows = GasExportText(gas).split('\n');
    ASSERT_EQ(rows.size(), 4) << "heading, two records, nothing after the last line end";
    EXPECT_EQ(rows[0], "LagDepth   Depth     HW       C1       C2      C3      IC4      NC4 \r");
    EXPECT_TRUE(rows[1].startsWith(" 998       1000      20 ")) << "oldest first";
    EXPECT_EQ(rows[2], " 998       1004      123      45       12       7        3       2          1\r");
    EXPECT_TRUE(rows[3].isEmpty());
}

TEST(GasDataViews, TheBuffersFollowTheFilesOwnLengths)
{
    ASSERT_TRUE(QDir().mkpath(TestDir() + "gas"));
    const QString gasPath = GasFileName(TestDir(), "ALPHA");
    // Five records and the torn tail of a sixth.
    testing_support::WriteRecords(gasPath, std::vector<GASRECORD>{GasAt(1000), GasAt(1001), GasAt(1002), GasAt(1003),
                                                                  GasAt(1004)},
                                  QByteArray(100, '\x7f'));
    const std::vector<GASRECORD> gas = ReadGasViewRecords(gasPath);
    ASSERT_EQ(gas.size(), 5u);
    EXPECT_EQ(gas.front().bottomDepth, 1000);
    EXPECT_EQ(gas.back().bottomDepth, 1004);
    testing_support::WriteBytes(gasPath, QByteArray());
    EXPECT_TRUE(ReadGasViewRecords(gasPath).empty()) << "an empty file lists nothing";

    doubles().clock.now = QDateTime(QDate(2026, 1, 15), QTime(10, 0));
    ChartPlace place;
    place.chartFolder = TestDir() + "chart/";
    place.wellName = "ALPHA";
    ASSERT_TRUE(QDir().mkpath(place.chartFolder));
    const QString today = TodaysChartFile(place);
    // A day file a little longer than a day: only one day's slots are read.
    std::vector<CHARTRECORD> day(kChartSlotsPerDay + 10);
    day[5] = SampleChart();
    testing_support::WriteRecords(today, day);
    std::vector<CHARTRECORD> chart = ReadChartViewRecords(place);
    ASSERT_EQ(chart.size(), std::size_t(kChartSlotsPerDay));
    EXPECT_EQ(chart[5].depth, 1502);
    // A short one is read as it is.
    testing_support::WriteRecords(today, std::vector<CHARTRECORD>{SampleChart(), SampleChart(), SampleChart()});
    EXPECT_EQ(ReadChartViewRecords(place).size(), 3u);
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
}

TEST(GasDataViews, AnExportTheDiskCutsShortIsSaidAndKeepsTheOldFile)
{
    const QString path = TestDir() + "gasmon.txt";
    testing_support::WriteBytes(path, QByteArray("old export\r\n"));
    {
        testing_support::FileSizeLimit limit(64);
        EXPECT_FALSE(WriteExportFile(path, QByteArray(4096, 'x')));
    }
    const auto& m = doubles().prompter.messages;
    ASSERT_EQ(m.size(), 1);
    EXPECT_EQ(m[0].text, "Unable to write file\n" + path);
    EXPECT_EQ(m[0].caption, "File Error");
    EXPECT_EQ(testing_support::ReadBytes(path), QByteArray("old export\r\n"));
    EXPECT_EQ(QDir(TestDir()).entryList(QDir::Files), QStringList{"gasmon.txt"});
}
