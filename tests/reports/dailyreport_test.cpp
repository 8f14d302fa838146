// A new daily report filled from the depth records, the memos and the drilling state; the fields read
// back; stepping, deleting; the mud weight handed to the depth record; the short report made from it.
#include "app/logstate.h"
#include "platform/text.h"
#include "reports/dailyfields.h"
#include "reports/dailyreport.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <utility>

using reports::DrillingNow;
using wellfile::REPORTEX;
using testing_support::doubles;
using testing_support::TestDir;

namespace {

class DailyReport : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(testing_support::PointAtNewWell(s, "W1", 1000, 2600)); }

    // Sets the seven gas values of the record at `depth` (TG first).
    void SetGas(int depth, std::initializer_list<float> gas, const char* lith = nullptr, float tvd = 0)
    {
        auto rows = testing_support::FileRecords<wellfile::RECORD>(s.well.file.dataFileName);
        wellfile::RECORD& r = rows[std::size_t(depth - 1000)];
        int i = 0;
        for (float g : gas)
            r.gas[i++] = g;
        if (lith)
            platform::SetFieldText(r.lith, lith);
        if (tvd > 0) {
            r.tvd = tvd;
            r.azimuth = 45;
            r.inclination = 10;
        }
        testing_support::WriteRecords(s.well.file.dataFileName, rows);
    }
    void Memo(int depth, const char* text)
    {
        wellfile::SVMEMO m;
        m.depth = depth;
        platform::SetFieldText(m.text, text);
        memos.push_back(m);
    }
    reports::ReportWell Well() { return {s.well.file, memos, combine, "3-1-2026", "3-7-2026"}; }

    app::LogState s;
    std::vector<wellfile::SVMEMO> memos;
    bool combine = false;
    const QDateTime now{QDate(2026, 3, 7), QTime(0, 5)};
};

}  // namespace

TEST(DailyReportTexts, TimeOnATwelveHourClockAndDateMonthFirst)
{
    EXPECT_EQ(reports::ReportTimeText(QTime(0, 5)), "12:05 AM");
    EXPECT_EQ(reports::ReportTimeText(QTime(12, 30)), "12:30 PM");
    EXPECT_EQ(reports::ReportTimeText(QTime(9, 7)), " 9:07 AM");
    EXPECT_EQ(reports::ReportTimeText(QTime(23, 59)), "11:59 PM");
    EXPECT_EQ(reports::ReportDateText(QDate(2026, 3, 7)), " 3-7-2026");
    EXPECT_EQ(reports::AverageRateText(600, 20), "30.0");
    EXPECT_EQ(reports::AverageRateText(600, 0), "");
    EXPECT_EQ(reports::GasWindow(30), 50);
    EXPECT_EQ(reports::GasWindow(10), 20);
    EXPECT_EQ(reports::GasWindow(0), 100);
    EXPECT_EQ(reports::GasWindow(80), 100);
}

TEST_F(DailyReport, FirstAndLaterReportsCarryTheSeriesOn)
{
    std::vector<REPORTEX> list(1);
    int count = 0;
    reports::ReportWell well = Well();
    DrillingNow drilling{true, 0, 0, true, 4500, 45};
    ASSERT_EQ(reports::NewReport(list, count, well, drilling, now), 0);
    EXPECT_EQ(count, 1);
    const REPORTEX& first = list[0];
    EXPECT_EQ(+first.number, 1);
    EXPECT_EQ(+first.daysLogging, 1);
    EXPECT_EQ(+first.dayNumber, 7);
    EXPECT_EQ(+first.lag, 4500);  // counted by strokes
    const reports::DailyTexts t = reports::FillDailyFields(first, {"3-1-2026", "3-7-2026"}, now.date());
    EXPECT_EQ(t[0], "1");
    EXPECT_EQ(t[1], " 3-7-2026");
    EXPECT_EQ(t[2], "12:05 AM");
    EXPECT_EQ(t[3], " 2600");
    EXPECT_EQ(t[5], " 1600");
    EXPECT_EQ(t[14], "1");  // days logging from the start date

    // A later report after one at 2000 copies the settings on, except PF, solids and the daily cost.
    list.resize(1);
    count = 1;
    REPORTEX& p = list[0];
    p.depth = 2000;
    platform::SetFieldText(p.formation, "REEF");
    platform::SetFieldText(p.survey, "MD 1900");
    platform::SetFieldText(p.mudWeight, "10.2");
    platform::SetFieldText(p.solids, "4");
    p.pf = 1.5f;
    p.pm = 2.5f;
    p.dailyCost = 500;
    p.totalCost = 9000;
    p.rpm = 120;
    drilling.lagByStrokes = false;
    ASSERT_EQ(reports::NewReport(list, count, well, drilling, now), 1);
    const REPORTEX& r = list[1];
    EXPECT_EQ(count, 2);
    EXPECT_EQ(+r.number, 2);
    EXPECT_EQ(+r.depth, 2600);
    EXPECT_EQ(+r.footage, 600);
    EXPECT_STREQ(r.presentOperations, "drilling");
    EXPECT_STREQ(r.formation, "REEF");
    EXPECT_STREQ(r.survey, "MD 1900");
    EXPECT_STREQ(r.mudWeight, "10.2");
    EXPECT_STREQ(r.solids, "");
    EXPECT_EQ(+r.pf, 0);
    EXPECT_EQ(+r.pm, 2.5f);
    EXPECT_EQ(+r.totalCost, 9000);
    EXPECT_EQ(+r.rpm, 120);
    EXPECT_EQ(+r.lag, 45);
    EXPECT_EQ(reports::FillDailyFields(r, {}, now.date())[74], " 0.00");
    EXPECT_GE(list.size(), 3u);  // a spare stays after the new report
}

TEST_F(DailyReport, GasScanSortsRecordsByTheirMemos)
{
    SetGas(1500, {50, 10, 2, 1, 1, 1, 1});   // formation maximum
    SetGas(1600, {300, 60, 5, 3, 2, 1, 1});  // connection, "cg 1234"
    SetGas(1700, {80.6f, 20.7f, 9, 8, 7, 6, 5});  // trip
    SetGas(1800, {900, 1, 1, 1, 1, 1, 1});   // kept out by "CLT"
    SetGas(1900, {950, 1, 1, 1, 1, 1, 1});   // kept out by "TT" (within 2 units)
    Memo(1601, "cg 1234");
    Memo(1698, "TRIP GAS");
    Memo(1800, "CLT");
    Memo(1902, "TT");
    REPORTEX r;
    reports::ReportWell well = Well();
    reports::ScanGas(r, 1020, well, DrillingNow{});
    EXPECT_EQ(+r.formationGas[0], 50);
    EXPECT_EQ(+r.formationGasDepth, 1500);
    EXPECT_EQ(+r.connectionGas[0], 300);
    EXPECT_EQ(+r.connectionGas[6], 1);
    EXPECT_EQ(+r.connectionGasDepth, 1600);
    EXPECT_EQ(+r.tripGas[0], 80);  // whole numbers
    EXPECT_EQ(+r.tripGas[1], 20);
    EXPECT_EQ(+r.backgroundGas[0], 0);  // no lag depth: no background
}

TEST_F(DailyReport, BackgroundAveragesTheWindowAboveTheLagDepthAndNc4JoinsIc4)
{
    for (int d = 2395; d <= 2455; ++d)
        SetGas(d, {d > 2400 && d < 2450 ? 10.f : 1000.f, 4, 3, 2, 1, 2, 0}, d == 2450 ? "100SH" : nullptr);
    SetGas(2300, {0, 0, 0, 0, 0, 0, 0}, nullptr, 1400);
    combine = true;
    REPORTEX r;
    reports::ReportWell well = Well();
    reports::ScanGas(r, 2000, well, DrillingNow{true, 2450, 30, false, 0, 0});
    EXPECT_FLOAT_EQ(+r.backgroundGas[0], 10);  // 2401..2449 only: 1000 lies on both sides
    EXPECT_FLOAT_EQ(+r.backgroundGas[4], 3);   // IC4 + NC4
    EXPECT_FLOAT_EQ(+r.backgroundGas[5], 0);
    EXPECT_FLOAT_EQ(+r.formationGas[4], 3);
    EXPECT_EQ(platform::FieldText(r.lithology[0]), "100% shale at 2450 ");
    EXPECT_STREQ(r.survey, "MD 2300' TVD 1400.0' AZM 45.0 INCL 10.0");

    // A record of depth 0 ends the scan (a damaged file): nothing after it is read.
    auto rows = testing_support::FileRecords<wellfile::RECORD>(s.well.file.dataFileName);
    rows[2200 - 1000].depth = 0;
    testing_support::WriteRecords(s.well.file.dataFileName, rows);
    REPORTEX cut;
    reports::ScanGas(cut, 2000, well, DrillingNow{true, 2450, 30, false, 0, 0});
    EXPECT_EQ(+cut.backgroundGas[0], 0);
    EXPECT_STREQ(cut.survey, "");
}

TEST(DailyReportSteps, CtrlStepsFiveAndEndsBeepAndMarksShowTheLastAtOneDepth)
{
    using reports::StepReport;
    EXPECT_EQ(StepReport(5, 10, false, true), 4);
    EXPECT_EQ(StepReport(6, 10, false, true), 1);
    EXPECT_EQ(StepReport(3, 10, true, true), 8);
    EXPECT_EQ(StepReport(6, 10, true, true), 7);
    EXPECT_EQ(StepReport(0, 10, false, false), std::nullopt);
    EXPECT_EQ(StepReport(9, 10, true, false), std::nullopt);

    std::vector<REPORTEX> list(4);
    list[0].depth = 1500;
    list[1].depth = 1501;
    list[2].depth = 1700;
    EXPECT_EQ(reports::RequestedReport(list, 3, 1), 1);
    EXPECT_EQ(reports::RequestedReport(list, 3, 3), 2);
    EXPECT_EQ(reports::RequestedReport(list, 3, 4), std::nullopt);

    int count = 3;
    for (int i = 0; i < 3; ++i)
        list[std::size_t(i)].number = 10 + i;
    EXPECT_EQ(reports::DeleteReport(list, count, 2), 1);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(+list[0].number, 1);
    EXPECT_EQ(+list[1].number, 2);
    EXPECT_EQ(+list[1].depth, 1501);
}

TEST(DailyReportFields, NumbersReadAsTheirLeadingNumberAndTextsCutToTheField)
{
    REPORTEX r;
    r.lag = 45;
    r.spm = 100;
    r.connectionGasDepth = 1234.9f;
    r.gasSource[1] = 1;
    reports::DailyTexts t = reports::FillDailyFields(r, {"12/30/15", ""}, QDate(2016, 1, 2));
    EXPECT_EQ(t[7], " 45 min,  4500 stk");
    EXPECT_EQ(t[39], " 1234");
    EXPECT_EQ(t[91], "1");
    // A depth no int holds is written as none; one it holds whole, then cut to the field's 9 characters.
    for (const auto& [depth, text] : {std::pair{3e9f, "    0"}, {-3e9f, "    0"}, {std::nanf(""), "    0"},
                                      {2.1e9f, "210000000"}}) {
        REPORTEX damaged = r;
        damaged.connectionGasDepth = depth;
        EXPECT_EQ(reports::FillDailyFields(damaged, {}, QDate(2016, 1, 2))[39], text) << depth;
    }
    t[7] = " 4500 stk ";
    t[4] = std::string(200, 'x');      // present operations: 39 characters stored
    t[50] = "10.5ppg and more";        // mud weight field: 5 characters
    t[17] = "20 hrs";
    t[13] = "abc";
    reports::HeaderDates dates;
    REPORTEX back = reports::ReadDailyFields(t, dates);
    EXPECT_EQ(+back.lag, 4500);
    EXPECT_EQ(std::strlen(back.presentOperations), 39u);
    EXPECT_STREQ(back.mudWeight, "10.5p");
    EXPECT_EQ(+back.hoursOnBottom, 20);
    EXPECT_EQ(+back.dayNumber, 0);
    EXPECT_EQ(+back.gasSource[1], 1);
    EXPECT_EQ(dates.spud, "12/30/15");
    // The day number counts from the spud date: Dec 30, 2015 to Jan 2, 2016 is day 4.
    std::strcpy(r.date, " 1-2-2016");
    EXPECT_EQ(reports::FillDailyFields(r, {"12-30-15", ""}, QDate(2026, 1, 1))[13], "4");
}

TEST_F(DailyReport, MudWeightGoesOnlyToASoundRecordOfTheFile)
{
    const QString path = s.well.file.dataFileName;
    const QByteArray before = testing_support::ReadBytes(path);
    char wt[6] = "25";
    EXPECT_FALSE(reports::StoreMudWeight(s.well.file, 1500, wt));
    std::strcpy(wt, "10.5");
    EXPECT_FALSE(reports::StoreMudWeight(s.well.file, 1020, wt));  // index 20
    EXPECT_FALSE(reports::StoreMudWeight(s.well.file, 2700, wt));  // past the file
    EXPECT_EQ(testing_support::ReadBytes(path), before);
    EXPECT_TRUE(reports::StoreMudWeight(s.well.file, 1500, wt));
    const auto rows = testing_support::FileRecords<wellfile::RECORD>(path);
    EXPECT_FLOAT_EQ(+rows[500].mudWeightOut, 10.5f);
    const qsizetype field = 500 * wellfile::kRecordSize + 348;  // mud weight out of record 500
    for (qsizetype at : testing_support::DifferingBytes(before, testing_support::ReadBytes(path)))
        EXPECT_TRUE(at >= field && at < field + 4) << at;
}

TEST(DailyShortReport, AppendedAtAWholeRecordFromTheLastOne)
{
    const QString path = TestDir() + "W1.qpt";
    std::vector<wellfile::QREPORT> rows(2);
    rows[1].mechanicalSlot = 7;
    rows[1].mudText = 0xFF;
    std::strcpy(rows[1].mmrpm, "55");
    testing_support::WriteRecords(path, rows, QByteArray(100, 'z'));  // a torn tail
    REPORTEX r;
    r.depth = 2450.7f;
    r.rpm = 120;
    r.yieldPoint = 12;
    r.plasticViscosity = 9;
    std::strcpy(r.mudWeight, "10.1");
    ASSERT_TRUE(reports::AppendShortReport(path, r));
    qint64 size = 0;
    const auto back = testing_support::FileRecords<wellfile::QREPORT>(path, &size);
    ASSERT_EQ(size, 1536);
    const wellfile::QREPORT& q = back[2];
    EXPECT_EQ(+q.depth, 2450);
    EXPECT_EQ(+q.type, 0);
    EXPECT_STREQ(q.rpm, "120");
    EXPECT_STREQ(q.yp, "12");
    EXPECT_STREQ(q.pv, "9");
    EXPECT_STREQ(q.weightOut, "10.1");
    EXPECT_EQ(+q.mechanicalSlot, 7);
    EXPECT_EQ(+q.mudText, 0xFFu);
    EXPECT_STREQ(q.mmrpm, "55");
    // A damaged daily depth no int holds is stored as none.
    r.depth = 3e9f;
    ASSERT_TRUE(reports::AppendShortReport(path, r));
    EXPECT_EQ(+testing_support::FileRecords<wellfile::QREPORT>(path).back().depth, 0);

    // A file that cannot be opened is said and nothing is made.
    doubles().prompter.messages.clear();
    EXPECT_FALSE(reports::AppendShortReport(TestDir() + "missing/W1.qpt", r));
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, "File Error");
}
