#include "platform/text.h"
#include "support/files.h"
#include "support/testmain.h"
#include "wits/chartsettings.h"
#include "wits/chartview.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

using testing_support::ReadBytes;
using testing_support::TestDir;
using testing_support::WriteBytes;
using wits::ChartBlocks;
using wits::WITSCHARTCFG;

namespace {

const platform::RECT kMainClient{0, 0, 1200, 900};

QString SettingsPath() { return wits::ChartSettingsFileName(TestDir(), QStringLiteral("ALPHA")); }

// A record as a station would have written it: every chart 20 blocks of 10 pixels, curves 0..100.
WITSCHARTCFG SavedRecord()
{
    WITSCHARTCFG rec;
    std::memset(&rec, 0, sizeof rec);
    rec.windowLeft = 5;
    rec.windowTop = 6;
    rec.windowWidth = 700;
    rec.windowHeight = 400;
    for (auto& b : rec.chart) {
        b.blockCount = 20;
        b.blockWidth = 10;
        for (int c = 0; c < 2; ++c) {
            b.minimum[c] = 0;
            b.maximum[c] = 100;
            b.direction[c] = 1;
        }
    }
    return rec;
}

TEST(WitsChartSettings, MissingOrWrongSizedFileIsReplacedByTheDefaults)
{
    for (const qsizetype existing : {qsizetype(-1), qsizetype(1023)}) {
        SCOPED_TRACE(existing);
        QFile::remove(SettingsPath());
        if (existing >= 0)
            WriteBytes(SettingsPath(), QByteArray(existing, '\x7f'));
        WITSCHARTCFG rec;
        ChartBlocks blocks;
        EXPECT_FALSE(wits::LoadSettings(SettingsPath(), 10, kMainClient, rec, blocks));

        const QByteArray file = ReadBytes(SettingsPath());
        ASSERT_EQ(file.size(), 1024);
        EXPECT_EQ(std::memcmp(file.constData(), &rec, 1024), 0);

        const int spans[4][2] = {{10, 210}, {220, 420}, {430, 630}, {640, 840}};
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(blocks[k].left, spans[k][0]);
            EXPECT_EQ(blocks[k].right, spans[k][1]);
            EXPECT_EQ(blocks[k].scaleLeft, spans[k][0]);
            EXPECT_EQ(rec.chart[k].right, spans[k][1]);  // the file keeps the columns the defaults made
        }
        EXPECT_EQ(wits::ChartImageWidth(blocks), 850);

        EXPECT_EQ(blocks[0].dataIndex[0], 0);
        EXPECT_EQ(QString(wits::kChartDataNames[blocks[0].dataIndex[0]]), "WOB");
        EXPECT_EQ(wits::CurveLabel(blocks[0], 0), "WOB");
        EXPECT_EQ(blocks[0].minimum[0], 0.0f);
        EXPECT_EQ(blocks[0].maximum[0], 100.0f);
        EXPECT_EQ(blocks[0].scale[0], 2.0f);
        EXPECT_EQ(blocks[3].dataIndex[1], 10);
        EXPECT_EQ(wits::CurveLabel(blocks[3], 1), "TOTAL GAS");
        EXPECT_EQ(blocks[1].scale[1], 200.0f / 4000.0f);

        EXPECT_EQ(rec.windowLeft, 10);
        EXPECT_EQ(rec.windowTop, 450);
        EXPECT_EQ(rec.windowWidth, 900);
        EXPECT_EQ(rec.windowHeight, 400);
    }
}

TEST(WitsChartSettings, SavedFileGivesColumnsAndScales)
{
    WITSCHARTCFG saved = SavedRecord();
    saved.chart[0].blockWidth = 7.5f;         // 20 x 7.5 = 150 pixels, then 7 pixels to the next chart
    saved.chart[1].maximum[0] = 0;            // reads as 100
    saved.chart[1].maximum[1] = -5;           // likewise
    saved.chart[2].minimum[0] = 50;           // an empty range draws one pixel per unit
    saved.chart[2].maximum[0] = 50;
    saved.chart[2].minimum[1] = 60;           // a range upside down likewise
    saved.chart[2].maximum[1] = 40;
    platform::SetFieldText(saved.chart[3].label[1], "GAS");
    ASSERT_TRUE(wits::WriteConfig(SettingsPath(), saved));
    const QByteArray before = ReadBytes(SettingsPath());

    WITSCHARTCFG rec;
    ChartBlocks blocks;
    ASSERT_TRUE(wits::LoadSettings(SettingsPath(), 10, kMainClient, rec, blocks));
    EXPECT_EQ(std::memcmp(&rec, &saved, sizeof rec), 0);
    EXPECT_EQ(ReadBytes(SettingsPath()), before);  // nothing written back

    EXPECT_EQ(blocks[0].left, 10);
    EXPECT_EQ(blocks[0].right, 160);
    EXPECT_EQ(blocks[1].left, 167);
    EXPECT_EQ(blocks[1].right, 367);
    EXPECT_EQ(blocks[1].maximum[0], 100.0f);
    EXPECT_EQ(blocks[1].maximum[1], 100.0f);
    EXPECT_EQ(blocks[1].scale[0], 2.0f);
    EXPECT_EQ(blocks[2].scale[0], 1.0f);
    EXPECT_EQ(blocks[2].scale[1], 1.0f);
    EXPECT_EQ(wits::CurveLabel(blocks[3], 1), "GAS");
    EXPECT_EQ(wits::ChartImageWidth(blocks), blocks[3].right + 10);
}

TEST(WitsChartSettings, DamagedBlocksAreHeldToSaneBounds)
{
    WITSCHARTCFG saved = SavedRecord();
    saved.chart[0].blockCount = 2000000000;
    saved.chart[0].blockWidth = 1e30f;
    saved.chart[1].blockCount = -7;
    saved.chart[1].blockWidth = std::numeric_limits<float>::quiet_NaN();
    saved.chart[2].blockCount = 100;
    saved.chart[2].blockWidth = 100;
    saved.chart[3].minimum[0] = std::numeric_limits<float>::infinity();
    saved.chart[3].maximum[1] = std::numeric_limits<float>::quiet_NaN();
    std::memset(saved.chart[3].label[0], 'A', 20);  // no terminator
    ASSERT_TRUE(wits::WriteConfig(SettingsPath(), saved));

    WITSCHARTCFG rec;
    ChartBlocks blocks;
    ASSERT_TRUE(wits::LoadSettings(SettingsPath(), 10, kMainClient, rec, blocks));
    EXPECT_EQ(rec.chart[0].blockCount, 2000000000);  // the record keeps what it held
    for (const auto& b : blocks) {
        EXPECT_GE(b.blockCount, 1);
        EXPECT_LE(b.blockCount, wits::kMaxChartBlocks);
        EXPECT_GE(b.blockWidth, 1.0f);
        EXPECT_LE(b.blockWidth, wits::kMaxBlockWidth);
        EXPECT_LE(b.right - b.left, wits::kMaxChartPixels);
        for (int c = 0; c < 2; ++c)
            EXPECT_TRUE(std::isfinite(b.scale[c]));
    }
    EXPECT_LE(wits::ChartImageWidth(blocks), 4 * (wits::kMaxChartPixels + 100) + 20);
    EXPECT_EQ(wits::CurveLabel(blocks[3], 0), QString(20, 'A'));
}

TEST(WitsChartSettings, ChangedBlocksAreKeptAndReadBack)
{
    WITSCHARTCFG rec;
    ChartBlocks blocks;
    wits::LoadSettings(SettingsPath(), 10, kMainClient, rec, blocks);
    EXPECT_EQ(wits::ChartAt(blocks, 300), 1);
    EXPECT_EQ(wits::ChartAt(blocks, 835), 3);
    EXPECT_EQ(wits::ChartAt(blocks, 215), 0);  // between two charts
    EXPECT_EQ(wits::ChartAt(blocks, 220), 0);  // on a border
    EXPECT_EQ(wits::ChartAt(blocks, 900), 0);

    blocks[1].blockCount = 30;
    blocks[1].blockWidth = 5;
    blocks[1].minimum[1] = 1000;
    blocks[1].maximum[1] = 3000;
    blocks[1].direction[1] = 0;
    blocks[1].dataIndex[1] = 14;
    platform::SetFieldText(blocks[1].label[1], "HOOK LOAD TONNES ABOVE ROTARY");  // 29 characters
    wits::StoreWorkingBlocks(blocks, rec);
    EXPECT_EQ(rec.chart[1].blockCount, 30);
    EXPECT_EQ(rec.chart[1].scale[1], 0.1f);  // 200 pixels of the columns in use over 2,000 units
    EXPECT_EQ(rec.chart[1].right, 420);      // the record's columns stay
    ASSERT_TRUE(wits::WriteConfig(SettingsPath(), rec));

    ASSERT_TRUE(wits::LoadSettings(SettingsPath(), 10, kMainClient, rec, blocks));
    EXPECT_EQ(blocks[1].left, 220);
    EXPECT_EQ(blocks[1].right, 370);
    EXPECT_EQ(blocks[2].left, 375);
    EXPECT_EQ(blocks[1].scale[1], 150.0f / 2000.0f);
    EXPECT_EQ(wits::CurveLabel(blocks[1], 1), "HOOK LOAD TONNES AB");
}

TEST(WitsChartSettings, UnwritableFileIsNoSuccess)
{
    WITSCHARTCFG rec = SavedRecord();
    EXPECT_FALSE(wits::WriteConfig(TestDir() + "missing/folder/ALPHA.wfg", rec));
    EXPECT_FALSE(wits::ReadConfig(TestDir() + "missing/folder/ALPHA.wfg", rec));
    EXPECT_EQ(rec.windowWidth, 700);  // a missing file leaves the record as it was
}

TEST(WitsChartSettings, CurveValuesOfEveryDataIndex)
{
    wellfile::WITSRECORD s;
    s.wob = 30;
    s.pumpPressure = 2500;
    s.rpm = 120;
    s.torque = 400;
    s.spm1 = 60;
    s.spm2 = 70;
    s.spm3 = 5;
    s.flow = 900;
    s.pitVolume = 310.5f;
    s.totalGas = 45.25f;
    s.rop = 90;
    s.blockHeight = 22;
    const float hookload = 180.5f;
    std::memcpy(reinterpret_cast<char*>(&s) + 50, &hookload, sizeof hookload);
    s.gasMonitorValue = 12;
    s.gamma = 75;
    s.witsPercent = 98.5f;

    struct Case {
        int index;
        float minimum;
        float expected;
    };
    const Case cases[] = {
        {0, 10, 20},       {1, 500, 2000},   {2, 10.7f, 110},   {3, 100, 300},   {4, 10, 50},
        {5, 10, 60},       {6, 1, 4},        {7, 10, 135},      {8, 100, 800},   {9, 10, 300.5f},
        {10, 5, 40.25f},   {11, 0.5f, 1.0f}, {12, 10, 80},      {13, 2, 20},     {14, 0.5f, 180},
        {15, 5, 7},        {15, 10, 0},      {16, 25, 50},      {17, 8.5f, 90},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        const auto v = wits::CurveValues(&s, 1, c.index, c.minimum);
        ASSERT_EQ(v.size(), 1u);
        EXPECT_FLOAT_EQ(v[0], c.expected);
    }
    for (const int outside : {18, -1, 65535}) {
        const wellfile::WITSRECORD two[2] = {s, s};
        EXPECT_EQ(wits::CurveValues(two, 2, outside, 0), std::vector<float>(2, 0.0f));
    }
}

TEST(WitsChartView, Scrolling)
{
    using namespace app;
    const int count = 14400, view = 300;
    EXPECT_EQ(wits::ScrollViewIndex(1000, SB_LINEDOWN, 0, false, count, view), 1050);
    EXPECT_EQ(wits::ScrollViewIndex(1000, SB_LINEDOWN, 0, true, count, view), 1010);
    EXPECT_EQ(wits::ScrollViewIndex(1000, SB_PAGEDOWN, 0, false, count, view), 1250);
    EXPECT_EQ(wits::ScrollViewIndex(1000, SB_PAGEDOWN, 0, true, count, view), 1100);
    EXPECT_EQ(wits::ScrollViewIndex(30, SB_PAGEUP, 0, false, count, view), 0);
    EXPECT_EQ(wits::ScrollViewIndex(1000, SB_TOP, 0, false, count, view), 0);
    EXPECT_EQ(wits::ScrollViewIndex(1000, SB_THUMBTRACK, 4321, false, count, view), 4321);
    EXPECT_EQ(wits::ScrollViewIndex(1000, SB_BOTTOM, 0, false, count, view), 14100);
    // A part day: "bottom" and scrolling past the end stop at the samples - the view.
    EXPECT_EQ(wits::ScrollViewIndex(1000, SB_BOTTOM, 0, false, 5000, view), 4700);
    EXPECT_EQ(wits::ScrollViewIndex(4690, SB_LINEDOWN, 0, false, 5000, view), 4700);
    EXPECT_EQ(wits::ScrollViewIndex(0, SB_PAGEDOWN, 0, false, 100, view), 0);
    EXPECT_EQ(wits::ScrollViewIndex(777, SB_ENDSCROLL, 0, false, count, view), 777);

    EXPECT_EQ(wits::ImageSourceRow(150, true), 0);
    EXPECT_EQ(wits::ImageSourceRow(1000, true), 800);
    EXPECT_EQ(wits::ImageSourceRow(1000, false), 1000);

}

}  // namespace
