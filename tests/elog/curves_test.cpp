// The curve set over real curve files: ranges, flags and KB found by the load, the file sized and saved
// without touching what it should keep, the painters' row view, and damaged files held inside the block.
#include "elog/curves.h"
#include "support/files.h"
#include "support/testmain.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <limits>
#include <vector>

using elog::CurveRecord;
using elog::Curves;
using testing_support::doubles;
using testing_support::ReadBytes;
using testing_support::TestDir;

namespace {

// A curve file of `count` records, record i holding depth i, then shaped by `shape`.
QString WriteCurves(int count, const std::function<void(std::vector<CurveRecord>&)>& shape = {})
{
    std::vector<CurveRecord> rows(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        rows[std::size_t(i)].values[0] = float(i);
    if (shape)
        shape(rows);
    const QString path = TestDir() + "W.svc";
    testing_support::WriteBytes(path, testing_support::BytesOf(rows));
    return path;
}

std::unique_ptr<Curves> Load(const QString& path, float kbSetting = 0)
{
    elog::CurveOwner owner;
    owner.currentCurveFile = path;
    owner.kbSetting = kbSetting;
    auto c = std::make_unique<Curves>(owner);
    EXPECT_EQ(c->LoadCurveFile(path), 1);
    return c;
}

TEST(CurveSet, FindsTheDepthRangeAndWhichCurvesHoldData)
{
    auto empty = Load(WriteCurves(0));
    EXPECT_EQ(empty->Count(), 0);
    EXPECT_EQ(empty->firstDepth, 0);
    EXPECT_EQ(empty->lastDepth, 0);
    for (const elog::CurvePen& p : empty->pens)
        EXPECT_EQ(p.on, 0);
    EXPECT_EQ(empty->View(0).RowAt(0), nullptr);
    EXPECT_EQ(empty->View(0).RowAt(1), nullptr);

    auto c = Load(WriteCurves(1000, [](auto& r) {
        for (int i = 100; i < 900; ++i)
            r[std::size_t(i)].values[elog::SLOT_GAMMA] = 50;
        r[0].values[elog::SLOT_SP] = 7;  // record 0 never counts as data
    }));
    EXPECT_EQ(c->firstDepth, 0);
    EXPECT_EQ(c->lastDepth, 999);
    EXPECT_EQ(c->pens[1].on, 1);
    EXPECT_EQ(c->pens[1].firstDataDepth, 100);
    EXPECT_EQ(c->pens[elog::SLOT_SP].on, 0);
    EXPECT_EQ(c->pens[3].firstDataDepth, 999);

    // The data ends at the first record with depth 0.
    c = Load(WriteCurves(1000, [](auto& r) {
        for (int i = 500; i < 1000; ++i)
            r[std::size_t(i)].values[0] = 0;
        for (int i = 600; i < 900; ++i)
            r[std::size_t(i)].values[elog::SLOT_GAMMA] = 50;
    }));
    EXPECT_EQ(c->lastDepth, 499);
    EXPECT_EQ(c->pens[1].on, 0);
}

TEST(CurveSet, PorosityInPercentAndSonicAsFractionComeFromTheFirstValues)
{
    struct Case { float density, sonic; int percent, optionB; };
    for (const Case k : {Case{25, 0.2f, 1, 1}, Case{0.25f, 80, 0, 0}}) {
        auto c = Load(WriteCurves(200, [&](auto& r) {
            r[40].values[elog::SLOT_DENSITY_POR] = -3;  // negative is no data
            r[50].values[elog::SLOT_DENSITY_POR] = k.density;
            r[51].values[elog::SLOT_DENSITY_POR] = 40;
            r[70].values[elog::SLOT_SONIC] = k.sonic;
        }));
        EXPECT_EQ(c->pens[elog::SLOT_DENSITY_POR].firstDataDepth, 50);
        EXPECT_EQ(c->percentPorosity, k.percent) << k.density;
        EXPECT_EQ(c->scaleOptionB, k.optionB) << k.sonic;
    }
}

TEST(CurveSet, TakesTheKbOfRecordZeroOrTheWellSettingBelowTen)
{
    struct Case { float stored, setting, kb; };
    for (const Case k : {Case{1234.5f, 0, 1234.5f}, Case{5, 250, 250}, Case{5, 0, 5}, Case{0, 250, 250},
                         Case{1234.5f, 250, 1234.5f}}) {
        auto c = Load(WriteCurves(10, [&](auto& r) { r[0].values[elog::SLOT_PE] = k.stored; }), k.setting);
        EXPECT_FLOAT_EQ(c->kbElevation, k.kb) << k.stored << " " << k.setting;
    }
}

TEST(CurveSet, SizesAFileByWholeRecordsAndCreatesNone)
{
    const QString path = WriteCurves(1000, [](auto& r) {
        for (auto& row : r)
            row.values[elog::SLOT_GAMMA] = 3;
    });
    const QByteArray before = ReadBytes(path);
    EXPECT_EQ(Curves::SetCurveFileSize(path, -1), 0);
    EXPECT_EQ(ReadBytes(path), before);
    ASSERT_EQ(Curves::SetCurveFileSize(path, 800), 1);
    EXPECT_EQ(ReadBytes(path), before.left(76800));
    ASSERT_EQ(Curves::SetCurveFileSize(path, 1200), 1);
    const QByteArray grown = ReadBytes(path);
    ASSERT_EQ(grown.size(), 115200);
    EXPECT_EQ(grown.left(76800), before.left(76800));
    EXPECT_EQ(grown.mid(76800), QByteArray(115200 - 76800, '\0'));
    EXPECT_EQ(Curves::SetCurveFileSize(TestDir() + "none.svc", 10), 0);
    EXPECT_FALSE(QFileInfo::exists(TestDir() + "none.svc"));
}

TEST(CurveSet, SavesOnlyTheRecordsReadAndNeverPastTheFile)
{
    const QString path = WriteCurves(1000);
    auto c = Load(path);
    c->Block()[5].values[elog::SLOT_SW] = 0.5f;
    c->Block()[1005].values[0] = 1005;  // a row added in memory beyond the file
    ASSERT_EQ(Curves::SetCurveFileSize(path, 1200), 1);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.seek(1010 * 96);
    f.write(QByteArray(96, 'x'));  // data that came after the load
    f.close();

    ASSERT_EQ(c->SaveCurveFile(), 1);
    const QByteArray after = ReadBytes(path);
    ASSERT_EQ(after.size(), 1200 * 96);
    EXPECT_FLOAT_EQ(testing_support::At<float>(after, 5 * 96 + 4 * elog::SLOT_SW), 0.5f);
    EXPECT_EQ(after.mid(1000 * 96, 10 * 96), QByteArray(10 * 96, '\0'));
    EXPECT_EQ(after.mid(1010 * 96, 96), QByteArray(96, 'x'));

    c->owner.currentCurveFile = TestDir() + "gone.svc";
    EXPECT_EQ(c->SaveCurveFile(), 0);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, "File write failed");
    EXPECT_EQ(doubles().prompter.messages[0].caption, "Curve File Error");
    EXPECT_FALSE(QFileInfo::exists(TestDir() + "gone.svc"));
}

TEST(CurveSet, ViewFindsTheRowOfADepthWithTheShift)
{
    auto c = Load(WriteCurves(1100));
    EXPECT_EQ(c->View(0).RowAt(1020), &c->View(0).rows[1019]);
    EXPECT_FLOAT_EQ((*c->View(0).RowAt(1020))[0], 1019);
    EXPECT_FLOAT_EQ((*c->View(-5).RowAt(1020))[0], 1014);
    EXPECT_EQ(c->View(0).RowAt(0), nullptr);
    EXPECT_EQ(c->View(0).RowAt(1101), nullptr);
}

TEST(CurveSet, DamagedFilesStayInsideTheRecordsAndAreNeverChanged)
{
    // A cut record at the end and a read-only file: loaded as they are, the file left alone.
    QString path = WriteCurves(1000);
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write(QByteArray(50, '\x7f'));
    }
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner));
    const QByteArray before = ReadBytes(path);
    const QFileDevice::Permissions mode = QFile::permissions(path);
    auto c = Load(path);
    EXPECT_EQ(c->Count(), 1000);
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(QFile::permissions(path), mode);
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    // Record 0's depth below 0, far beyond the records or NaN; a last depth no int can hold.
    struct Case { float depth0, depthLast; int on; };
    for (const Case k : {Case{-50, 299, 1}, Case{1e9f, 299, 0}, Case{std::numeric_limits<float>::quiet_NaN(), 299, 1},
                         Case{0, 1e12f, 0}}) {
        c = Load(WriteCurves(300, [&](auto& r) {
            r[0].values[0] = k.depth0;
            r[299].values[0] = k.depthLast;
            r[10].values[elog::SLOT_GAMMA] = 5;
        }));
        EXPECT_EQ(c->pens[1].on, k.on) << k.depth0 << " " << k.depthLast;
    }
    EXPECT_EQ(c->lastDepth, 0);
    CurveRecord r;
    for (std::int32_t bad : {7, 1, 14, -2, 1 << 30}) {
        std::memcpy(&r.values[22], &bad, 4);
        std::memcpy(&r.values[23], &bad, 4);
        EXPECT_EQ(r.PorositySlot(), 0) << bad;
        EXPECT_EQ(r.ResistivitySlot(), 0) << bad;
    }
    std::int32_t good = 3;
    std::memcpy(&r.values[22], &good, 4);
    EXPECT_EQ(r.PorositySlot(), 3);
}

}  // namespace
