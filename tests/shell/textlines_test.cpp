// The lines of the text views: depth records, e-log curve rows and the lag tables.
#include "shell/textlines.h"
#include "platform/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace {

using wellfile::RECORD;

RECORD Record(int depth)
{
    RECORD r;
    r.depth = depth;
    r.rateOdd = 4.0f;
    r.rateOne = 6.0f;
    return r;
}

std::vector<RECORD> Records(int first, int count)
{
    std::vector<RECORD> rows;
    for (int i = 0; i < count; ++i)
        rows.push_back(Record(first + i));
    return rows;
}

shell::MudlogTextContext Well(int first, int last)
{
    shell::MudlogTextContext in;
    in.fileTopDepth = first;
    in.fileBottomDepth = last;
    in.loggerId = 12;
    return in;
}

}  // namespace

TEST(TextLines, MudlogLinesAlternateHalfStepAndDepthInTheirExactFormat)
{
    RECORD r = Record(1500);
    r.halfGas[wellfile::GAS_TG] = 250.0f;
    r.halfGas[wellfile::GAS_C1] = 12.7f;
    r.gas[wellfile::GAS_TG] = 1234.0f;
    for (int i = 1; i <= 7; ++i)
        r.gas[i] = float(i * 11);
    r.gasScale = 3;
    platform::SetFieldText(r.lith, "70SH,30SS");
    r.tvd = 1480.5f;
    r.azimuth = 12.25f;
    r.inclination = 3.5f;
    for (int i = 0; i < 5; ++i)
        r.gamma[i] = float(40 + i) + 0.9f;
    for (int i = 0; i < 8; ++i)
        r.testGas[i] = float(100 + i);
    const std::vector<std::string> lines = shell::MudlogTextLines(std::span(&r, 1), Well(1000, 2000));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Depth     ROP       TG %   C1       C2     C3     IC4    NC4     IC5     NC5     GS    Lithology"
                        "                        TVD        AZM        INCL    Gam1  Gam2  Gam3  Gam4  Gam5        Test Gas "
                        "Valuies  ");
    EXPECT_EQ(lines[1], "1499.50  4.00      2.50    12      0       0       0       0       0       0      3    70SH,30SS"
                        "                      1480.50      12.25       3.50     40    41    42    43    44         101 102 "
                        "103 104 105 106 107");
    EXPECT_EQ(lines[2], "1500.00  6.00     12.34    11      22      33      44      55      66      77     3    70SH,30SS"
                        "                      1480.50      12.25       3.50     40    41    42    43    44         101 102 "
                        "103 104 105 106 107");
}

TEST(TextLines, RatesPerHourAndProfile134Components)
{
    RECORD r = Record(1500);
    r.rateOdd = 2.0f;
    r.rateOne = 0.0f;
    r.gas[wellfile::GAS_C1] = 1.25f;
    shell::MudlogTextContext in = Well(1000, 2000);
    in.ratePerHour = true;
    in.loggerId = 134;
    const std::vector<std::string> lines = shell::MudlogTextLines(std::span(&r, 1), in);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].substr(0, 22), "1499.50  30.00     0.0");
    EXPECT_EQ(lines[2].substr(0, 36), "1500.00  0.00      0.00    125     0");
}

TEST(TextLines, MudlogListingSkipsTheFirstTenUnitsAndEndsAtTheLastRecordOrTheRows)
{
    // Records 1000..1014 of a well 1000..1014: the first eleven are skipped, the last shows only its
    // half step.
    std::vector<RECORD> rows = Records(1000, 15);
    std::vector<std::string> lines = shell::MudlogTextLines(rows, Well(1000, 1014));
    ASSERT_EQ(lines.size(), 1u + 2 + 2 + 2 + 1);
    EXPECT_EQ(lines[1].substr(0, 8), "1010.50 ");
    EXPECT_EQ(lines.back().substr(0, 8), "1013.50 ");

    // A record above the file's first depth (the end mark of a buffer) stops it after its half step.
    rows = Records(1020, 3);
    rows[2].depth = 0;
    lines = shell::MudlogTextLines(rows, Well(1000, 2000));
    ASSERT_EQ(lines.size(), 1u + 2 + 2 + 1);

    // A well from depth 0 has no end mark that stops it: the rows given bound the listing, two lines each.
    rows = Records(0, 100);
    lines = shell::MudlogTextLines(rows, Well(0, 5000));
    EXPECT_EQ(lines.size(), 1u + 2 * 89);
    EXPECT_EQ(lines.back().substr(0, 6), "99.00 ");
}

TEST(TextLines, DamagedValuesAreShownWithoutUndefinedConversions)
{
    RECORD r = Record(1500);
    r.gas[wellfile::GAS_C1] = std::nanf("");
    r.gas[wellfile::GAS_C2] = 3e20f;
    r.gas[wellfile::GAS_C3] = 33.0f;
    r.gamma[0] = -3e20f;
    r.gamma[1] = 41.0f;
    std::memset(r.lith, 'A', sizeof r.lith);  // no terminating NUL
    const std::vector<std::string> lines = shell::MudlogTextLines(std::span(&r, 1), Well(1000, 2000));
    ASSERT_EQ(lines.size(), 3u);
    // No number, or one no int holds, shows as none.
    EXPECT_NE(lines[2].find("    0       0       33    "), std::string::npos) << lines[2];
    EXPECT_NE(lines[2].find(" 0     41  "), std::string::npos) << lines[2];
    EXPECT_NE(lines[2].find(std::string(30, 'A') + " "), std::string::npos) << lines[2];
    EXPECT_EQ(lines[2].find(std::string(31, 'A')), std::string::npos);
}

TEST(TextLines, ElogRowsInTheirFormatUntilTheLastCurveDepth)
{
    std::vector<elog::CurveRecord> rows(5);
    for (int i = 0; i < 5; ++i) {
        float* v = rows[std::size_t(i)].values.data();
        v[0] = float(2000 + i);
        v[1] = 85.5f;
        v[2] = 0.2f;
        v[3] = 0.25f;
        v[4] = 0.22f;
        for (int s = 8; s <= 13; ++s)
            v[s] = float(s);
        v[14] = 0.5f;
        v[18] = 0.04f;
        v[19] = 1.0f;
        v[20] = 2.0f;
    }
    const std::int32_t res120 = 13, index2 = 2, bad = 99;
    std::memcpy(&rows[0].values[23], &res120, 4);
    std::memcpy(&rows[1].values[23], &index2, 4);
    std::memcpy(&rows[2].values[23], &bad, 4);
    shell::ElogTextContext in;
    in.curveLastDepth = 2002;
    in.fileBottomDepth = 3000;
    std::vector<std::string> lines = shell::ElogTextLines(rows, in);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_TRUE(lines[0].starts_with("Depth      Rw        SwA"));
    EXPECT_EQ(lines[1], " 2000     0.040     1.000     2.00      0.50       85.50        0.10      0.200       0.250       "
                        "0.220       8.00       9.00      10.00      11.00      12.00      13.00   R120        ");
    EXPECT_TRUE(lines[2].ends_with("   R30         ")) << lines[2];
    EXPECT_TRUE(lines[3].ends_with("13.00" + std::string(15, ' '))) << lines[3];  // no curve of that number

    // The data file's last depth, or a row of depth 0, ends it too.
    in.curveLastDepth = 5000;
    in.fileBottomDepth = 2001;
    EXPECT_EQ(shell::ElogTextLines(rows, in).size(), 3u);
    rows[1].values[0] = 0;
    in.fileBottomDepth = 3000;
    EXPECT_EQ(shell::ElogTextLines(rows, in).size(), 3u);
}

TEST(TextLines, LagListLines)
{
    const std::vector<drilling::LagEntry> entries = {{1500.5f, 12.126f, 9.0f}, {0, 0, 0}};
    EXPECT_EQ(shell::LagListLines(entries),
        (std::vector<std::string> { " 1500.5  12.13  9.00   0", " 0.0  0.00  0.00   1" }));
}
