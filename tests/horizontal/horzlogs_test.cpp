// The gamma, curve and target files read from real files in a temporary data folder.
#include "horizontal/horzlogs.h"
#include "support/files.h"
#include "support/testmain.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace horizontal;
using testing_support::WriteBytes;

namespace {

// `count` curve rows, row i holding depth i and gamma 2i; float 28 of the first row the KB.
QByteArray CurveRows(int count, float kb = 0)
{
    QByteArray bytes(count * 96, 0);
    for (int i = 0; i < count; ++i) {
        float row[24] = {float(i), float(2 * i)};
        if (i == 0)
            row[7] = kb;
        std::memcpy(bytes.data() + i * 96, row, sizeof row);
    }
    return bytes;
}

void SetDepth(QByteArray& bytes, int row, float depth)
{
    std::memcpy(bytes.data() + row * 96, &depth, sizeof depth);
}

}  // namespace

TEST(HorzLogs, GammaFileKeepsEverySecondRecordFromTheStart)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("g.svc");
    WriteBytes(path, CurveRows(1000) + QByteArray(50, 1));  // a torn tail is not a record
    std::optional<GammaLog> log = LoadGammaFile(path, 500);
    ASSERT_TRUE(log);
    EXPECT_EQ(log->count, 250);
    EXPECT_EQ(log->samples[0].depth, 500);
    EXPECT_EQ(log->samples[0].gamma, 1000);
    EXPECT_EQ(log->samples[249].depth, 998);
    EXPECT_EQ(log->samples[250].depth, 0);
    EXPECT_FALSE(LoadGammaFile(path, 992));  // 9 records from the start
    EXPECT_EQ(LoadGammaFile(path, 991)->count, 5);
    EXPECT_FALSE(LoadGammaFile(dir.filePath("none.svc"), 0));

    // A least TVD within 1000 of the surface starts at the file's first record, not before it.
    EXPECT_EQ(GammaStartRecord(1230), 230);
    EXPECT_EQ(GammaStartRecord(500), 0);
    log = LoadGammaFile(path, 500 - 1000);
    ASSERT_TRUE(log);
    EXPECT_EQ(log->count, 500);
    EXPECT_EQ(log->samples[0].depth, 0);
}

TEST(HorzLogs, ADepthPastTheFileOrNotFiniteEndsTheWalkWithTheCountKept)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("g.svc");
    QByteArray rows = CurveRows(1000);
    SetDepth(rows, 600, 1000);
    WriteBytes(path, rows);
    std::optional<GammaLog> log = LoadGammaFile(path, 500);
    ASSERT_TRUE(log);
    EXPECT_EQ(log->count, 250);
    EXPECT_EQ(log->samples[49].depth, 598);
    EXPECT_EQ(log->samples[50].depth, 0);
    EXPECT_EQ(log->samples[249].depth, 0);

    SetDepth(rows, 600, std::numeric_limits<float>::quiet_NaN());
    WriteBytes(path, rows);
    log = LoadGammaFile(path, 500);
    EXPECT_EQ(log->samples[50].depth, 0);
}

TEST(HorzLogs, EveryCurveFileOfTheWellIsLoadedUpToTheLastDepth)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + '/';
    WriteBytes(folder + "h1.svc", CurveRows(1000));
    WriteBytes(folder + "H1@5000.svc", CurveRows(1000, 1210.5f));
    WriteBytes(folder + "h1@5200.svc", CurveRows(1000, 1190));
    WriteBytes(folder + "other@5100.svc", CurveRows(1000));
    WriteBytes(folder + "h1@5250x.svc", CurveRows(1000));  // not a whole depth
    CurveFiles list = ListCurveFiles(folder, "H1", 1000, 6000, 500);
    ASSERT_EQ(list.curves.size(), 2u);
    EXPECT_EQ(list.curves[0].depth, 5000);
    EXPECT_EQ(list.curves[0].kb, 1210.5f);
    EXPECT_EQ(list.curves[0].log.count, 250);
    EXPECT_EQ(list.curves[1].depth, 5200);
    EXPECT_EQ(list.curves[1].kb, 1190);

    // Without the well's own file the first curve file is the first loaded.
    QFile::remove(folder + "h1.svc");
    list = ListCurveFiles(folder, "h1", 1000, 6000, 500);
    ASSERT_EQ(list.curves.size(), 2u);
    EXPECT_EQ(list.curves[0].depth, 5000);

    // One past the last drawn depth ends the list; twelve matching names give ten curves.
    WriteBytes(folder + "H1@9000.svc", CurveRows(20));
    WriteBytes(folder + "H1@5300.svc", CurveRows(20));
    list = ListCurveFiles(folder, "h1", 1000, 6000, 500);
    ASSERT_EQ(list.curves.size(), 3u);
    EXPECT_FALSE(list.curves[2].log.Loaded());  // too short from the start record
    for (int i = 0; i < 12; ++i)
        WriteBytes(folder + QStringLiteral("h1@%1.svc").arg(5400 + i), CurveRows(20));
    EXPECT_EQ(ListCurveFiles(folder, "h1", 1000, 6000, 0).curves.size(), 10u);
}

TEST(HorzLogs, TargetFileGivesOnePointARecordAndAClosingZero)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("h1.trg");
    QByteArray bytes;
    for (int i = 0; i < 5; ++i) {
        const float record[6] = {2100.7f + 10 * i, 1250.9f + i, 0, 89, 0, 0};
        bytes.append(reinterpret_cast<const char*>(record), sizeof record);
    }
    WriteBytes(path, bytes + QByteArray(10, 1));
    std::optional<TargetPath> target = LoadTargetFile(path);
    ASSERT_TRUE(target);
    EXPECT_EQ(target->count, 5);
    ASSERT_EQ(target->points.size(), 6u);
    EXPECT_EQ(target->points[0], (platform::POINT{2100, 1250}));
    EXPECT_EQ(target->points[4], (platform::POINT{2140, 1254}));
    EXPECT_EQ(target->points[5], (platform::POINT{0, 0}));

    WriteBytes(path, QByteArray());
    target = LoadTargetFile(path);
    ASSERT_TRUE(target);
    EXPECT_EQ(target->count, 0);
    EXPECT_EQ(target->points.size(), 1u);
}
