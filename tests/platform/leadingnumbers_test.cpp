// Numbers read from typed boxes and instrument frames: the leading number as atoi and atof find it,
// never a value that overflows what the caller stores, and '.' as the point in every locale.
#include "platform/numbers.h"

#include <QString>

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <string>

TEST(LeadingNumbers, TheLeadingNumberIsReadAndWhatCannotBeStoredReadsZeroOrTheLimit)
{
    EXPECT_DOUBLE_EQ(platform::LeadingDouble(" 12.5ppg"), 12.5);
    EXPECT_DOUBLE_EQ(platform::LeadingDouble("\t-.5"), -0.5);
    EXPECT_DOUBLE_EQ(platform::LeadingDouble("+4"), 4.0);
    EXPECT_DOUBLE_EQ(platform::LeadingDouble("1e3 ft"), 1000.0);
    for (const char* none : {"", "abc", "--5", "+-5", "- 5", "inf", "-nan", "1e999"})
        EXPECT_EQ(platform::LeadingDouble(none), 0.0) << none;
    EXPECT_DOUBLE_EQ(platform::LeadingDouble("1e300"), 1e300);
    EXPECT_EQ(platform::LeadingFloat("1e300"), 0.0f);  // no float holds it
    EXPECT_FLOAT_EQ(platform::LeadingFloat(QStringLiteral(" 9.6 ppg")), 9.6f);

    EXPECT_EQ(platform::LeadingInt("12.9"), 12);
    EXPECT_EQ(platform::LeadingInt(" \r\n-40 ft"), -40);
    EXPECT_EQ(platform::LeadingInt("99999999999999999999"), INT_MAX);
    EXPECT_EQ(platform::LeadingInt("-99999999999999999999"), INT_MIN);
    EXPECT_EQ(platform::LeadingInt("12345", 3), 123);
    EXPECT_EQ(platform::LeadingInt(QStringLiteral("x1")), 0);
}

TEST(LeadingNumbers, ThePointIsTheDecimalPointInEveryLocale)
{
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE"))
        GTEST_SKIP() << "no German locale on this machine";
    EXPECT_DOUBLE_EQ(platform::LeadingDouble("1.5"), 1.5);
    EXPECT_DOUBLE_EQ(platform::LeadingDouble("1,5"), 1.0);
    std::setlocale(LC_NUMERIC, before.c_str());
}
