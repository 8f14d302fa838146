// A new well's file name from the typed text, its first depth, its blank records and the settings it
// takes over from the old well.
#include "wellfile/newfile.h"

#include "wellfile/wellnames.h"

#include <gtest/gtest.h>

using namespace wellfile;

TEST(NewWellFileName, TypedNamesBecomeUpperCaseDataFileNames)
{
    const QString folder = "/data/Wells/";
    EXPECT_EQ(NewWellFileName(folder, "my well#2.svm"), "/data/Wells/MY_WELL-2.svm");
    EXPECT_EQ(NewWellFileName(folder, "a.bc"), "/data/Wells/A-BC.svm");
    EXPECT_EQ(NewWellFileName(folder, "well.1.2.3"), "/data/Wells/WELL-1.svm");
    EXPECT_EQ(NewWellFileName(folder, "a.b.c"), "/data/Wells/A.svm");
    EXPECT_EQ(NewWellFileName(folder, "x/y\\z(1)&[2],~\"q"), "/data/Wells/X_Y_Z_1___2____Q.svm");
    const QString sixty = QString(45, u'n') + "." + QString(14, u'k');
    EXPECT_EQ(NewWellFileName(folder, sixty), folder + QString(45, u'N') + "-KKKK.svm");  // cut to 50 first
    EXPECT_EQ(NewWellFileName(folder, ""), "");
    EXPECT_EQ(NewWellFileName(folder, ".svm"), "");
}

TEST(NewFileRecords, BlankRecordsFromTwentyAboveTheStartDepth)
{
    EXPECT_EQ(NewFileFirstDepth(60), 40);
    EXPECT_EQ(NewFileFirstDepth(137), 110);
    EXPECT_EQ(NewFileFirstDepth(25), 10);
    EXPECT_EQ(NewFileFirstDepth(1000), 980);

    NewFileInfo info;
    info.startDepth = 137;
    info.rateScale = 3;
    info.gasScale = 4;
    NewFileSource source;
    source.companyText = "PRF12 LOGGING";
    source.date = QDate(2026, 12, 7);
    const auto rows = NewFileRecords(info, source);
    ASSERT_EQ(rows.size(), 28u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const RECORD& r = rows[i];
        ASSERT_EQ(r.depth, 110 + int(i));
        EXPECT_FLOAT_EQ(r.rateOne, 0.1f);
        EXPECT_STREQ(r.lith, "100BL");
        EXPECT_EQ(r.minutesScale, 3);
        EXPECT_EQ(r.gasScale, 4);
        EXPECT_EQ(r.indexWord, -1);
        EXPECT_FLOAT_EQ(r.testGas[TEST_C1], 100);
    }
    EXPECT_STREQ(rows[0].interpretedLith, "PRF12 LOGGING");
    EXPECT_STREQ(rows[1].interpretedLith, "100BL");
    EXPECT_EQ(rows[0].porosity, 12);
    EXPECT_EQ(rows[0].cutRating, 2026);
}

TEST(NewFileRecords, TestGasComesFromTheOldWellOrTheDefaults)
{
    NewFileSource s;
    float gas[TEST_COUNT];
    NewFileTestGas(s, gas);
    EXPECT_FLOAT_EQ(gas[0], 1.0f);
    EXPECT_FLOAT_EQ(gas[2], 140);
    s.loggerId = 17;
    NewFileTestGas(s, gas);
    EXPECT_FLOAT_EQ(gas[0], 50);

    s.loggerId = 10;
    s.haveLastRecord = true;
    for (int i = 0; i < 8; ++i)
        s.lastTestGas[i] = 60.0f + float(i);
    NewFileTestGas(s, gas);
    EXPECT_FLOAT_EQ(gas[1], 61);
    EXPECT_FLOAT_EQ(gas[7], 67);
    s.gasInstrumentType = 11;
    NewFileTestGas(s, gas);
    EXPECT_FLOAT_EQ(gas[1], 100);
}

TEST(NewWellConfig, ClearsWhatBelongsToTheOldWellsDepths)
{
    WellConfig old{};
    old.viewTopDepth = 4000;
    old.lastPrintedDepth = 3900;
    old.lastDstReportText = 3;
    old.lastShowReportText = 4;
    old.elogOffsets[2].depthOffset = 12;
    old.offsetWells[1].active = 1;
    old.lagSettings.casingId = 8.5f;
    old.rateUnitPerHour = 1;
    old.currentScheme = 2;
    const WellConfig c = NewWellConfig(old);
    EXPECT_EQ(+c.viewTopDepth, 0);
    EXPECT_EQ(+c.lastPrintedDepth, 0);
    EXPECT_EQ(+c.lastDstReportText, 0);
    EXPECT_EQ(+c.lastShowReportText, 0);
    EXPECT_EQ(+c.elogOffsets[2].depthOffset, 0);
    EXPECT_EQ(+c.offsetWells[1].active, 0);
    EXPECT_EQ(+c.lagSettings.casingId, 0.0f);
    EXPECT_EQ(+c.rateUnitPerHour, 1);
    EXPECT_EQ(+c.currentScheme, 2);
}
