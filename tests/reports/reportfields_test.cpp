// The report helpers: typed numbers read back, texts held to their limits, the lag text in both units
// and the day of the well counted over month, year and leap-day ends.
#include "reports/reportfields.h"
#include "support/testmain.h"
#include "wellfile/reportrecords.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace reports;

TEST(ReportFields, TypedNumbersReadAsTheirLeadingNumber)
{
    EXPECT_FLOAT_EQ(LeadingFloat("12.5ppg"), 12.5f);
    EXPECT_FLOAT_EQ(LeadingFloat(" 7"), 7.f);
    EXPECT_FLOAT_EQ(LeadingFloat("abc"), 0.f);
    EXPECT_FLOAT_EQ(LeadingFloat("1e300"), 0.f);
    EXPECT_EQ(LeadingInt("12.9"), 12);
    EXPECT_EQ(LeadingInt(" -40 ft"), -40);
    EXPECT_EQ(LeadingU16("70000"), 65535);
    EXPECT_EQ(LeadingU16("-3"), 0);
    EXPECT_EQ(LeadingU16("120 spm"), 120);

    // Texts keep at most their limit and the field's width - 1.
    wellfile::REPORTEX r;
    std::memset(r.presentOperations, 'x', sizeof r.presentOperations);
    wellfile::SetReportText(r.presentOperations, std::string(50, 'D'), 39);
    EXPECT_EQ(std::string(r.presentOperations), std::string(39, 'D'));
    EXPECT_EQ(r.presentOperations[79], 0);
    wellfile::QREPORT q;
    wellfile::SetReportText(q.wob, "1234567890");  // ten typed characters
    EXPECT_STREQ(q.wob, "123456789");
}

TEST(ReportFields, TheLagShowsMinutesAndStrokes)
{
    EXPECT_EQ(LagText(45.f, 100), " 45 min,  4500 stk");
    EXPECT_EQ(LagText(4500.f, 100), " 45 min,  4500 stk");
    EXPECT_EQ(LagText(600.f, 0), "  600 stk ");
    EXPECT_EQ(LagText(45.f, 0), " 45 min ");
    EXPECT_EQ(LagText(500.f, 0), "500 min ");
}

TEST(ReportFields, DaysAreCountedByTheCalendar)
{
    const QDate today(2024, 3, 2);
    EXPECT_EQ(DayCount("12-30-15", "1-2-2016", today), 4);
    EXPECT_EQ(DayCount("2-27-2023", "3-2-2023", today), 4);
    EXPECT_EQ(DayCount("2-27-2024", "3-2-2024", today), 5);
    EXPECT_EQ(DayCount("2/27/24", "", today), 5);  // no report date: today
    EXPECT_EQ(DayCount("", "3-2-2024", today), 0);
    EXPECT_EQ(DayCount("1-1-1999", "1-1-15", today), 5845);  // whole years kept whole
    EXPECT_EQ(DayCount("3-5-2024", "3-2-2024", today), 0);  // before the spud
    EXPECT_EQ(DayCount("13-1-2024", "3-2-2024", today), 0);
    EXPECT_EQ(DayCount("2-30-2024", "3-2-2024", today), 0);
    EXPECT_EQ(DayCount("3-1-0", "3-2-2024", today), 0);
    EXPECT_EQ(DayCount(" 3-1-2024 10:00", " 3-2-2024", today), 2);
}
