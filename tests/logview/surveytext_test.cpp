// Survey texts as the log writes them: Windows-1252 bytes, a point for decimals, damaged values
// written out without harm.
#include "logview/surveytext.h"

#include <gtest/gtest.h>

#include <limits>

using logview::SurveyOrder;

TEST(SurveyText, DamagedValuesAreWrittenWhole)
{
    wellfile::RECORD r;
    r.depth = 2500;
    r.tvd = 3.0e38f;
    r.inclination = 4.0f;
    r.azimuth = std::numeric_limits<float>::quiet_NaN();
    r.verticalSection = -1.0e30f;

    // A TVD out of the int range reads 0 in the whole-number fields; the float fields are written in full.
    const std::string line = logview::SurveyLine(SurveyOrder::TvdFirst, r);
    EXPECT_EQ(line.substr(0, 7), "    0' ");
    EXPECT_NE(line.find("nan\xB0"), std::string::npos);
    EXPECT_EQ(line.back(), ' ');
    EXPECT_EQ(logview::SurveyTvdLine(r, true), "    0' ");
    r.tvd = std::numeric_limits<float>::infinity();
    EXPECT_EQ(logview::SurveyTvdLine(r, false), "    0'");

    r.tvd = 3.0e38f;
    const std::vector<std::string> block = logview::SurveyBlock(r);
    ASSERT_EQ(block.size(), 5u);
    EXPECT_EQ(block[0], "MD  2500'");
    EXPECT_GT(block[1].size(), 40u);
    EXPECT_EQ(block[1].substr(0, 6), "TVD 30");
    EXPECT_EQ(block[2], "INC 4.00\xB0");
    EXPECT_GT(block[4].size(), 30u);
}
