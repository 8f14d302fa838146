// Automatic lithology from the wireline values: every rock it names with the default thresholds, the
// open and closed range limits, the scaling of fractional porosities, a threshold row left at zero, and
// the lithology column's hook.
#include "tracks/autolith.h"
#include "tracks/lithtypes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using namespace tracks;

namespace {

// A curve row of gamma `g`, PE `pe` and the porosities giving separation neutron - density.
ElogRow Row(float g, float pe, float neutron, float density = 0.0f, float depth = 1000.0f)
{
    ElogRow r{};
    r[0] = depth;
    r[1] = g;
    r[2] = density;
    r[3] = neutron;
    r[7] = pe;
    return r;
}

std::string Classify(float g, float pe, float s) { return AutoLithFromElog(Row(g, pe, s), DefaultElogLithThresholds()); }

}  // namespace

TEST(AutomaticLithology, EveryRockWithTheDefaultThresholdsParsesToItsTypeAndAccessory)
{
    struct Case {
        float g, pe, s;
        const char* text;
        int type, accessory;
    };
    const Case cases[] = {
        {20, 0.5f, 0, "100CO", LITH_COAL, 0},
        // Clean (gamma at or below the shale minimum of 60).
        {20, 5.0f, 2, "100LS", LITH_LIMESTONE, 0},
        {20, 5.02f, 2, "100LS", LITH_LIMESTONE, 0},  // inside the anhydrite PE too: the lime test comes first
        {20, 5.0f, -1, "105LS", LITH_LIMESTONE, 5},
        {40, 5.0f, 2, "108LS", LITH_LIMESTONE, 8},
        {20, 2.0f, -5, "100ss", LITH_SAND, 0},
        {50, 2.0f, -5, "108ss", LITH_SAND, 8},
        {60, 2.0f, -5, "108ss", LITH_SAND, 8},  // equal to the shale minimum: still clean
        {20, 4.0f, 8, "100dol", LITH_DOLOMITE, 0},
        {50, 3.1f, 35, "100sh", LITH_SHALE, 0},
        {20, 1.65f, 40, "100cht", LITH_CHERT, 0},
        {20, 4.0f, 7, "100bl", LITH_BLANK, 0},
        {20, 3.0f, 40, "100bl", LITH_BLANK, 0},  // the clean dolomite PE range leaves out its limits
        // Shaly.
        {60.5f, 2.0f, -5, "108SS", LITH_SAND, 8},
        {80, 4.0f, -3, "102SH", LITH_SHALE, 2},
        {80, 5.0f, 10, "108LS", LITH_LIMESTONE, 8},
        {80, 4.0f, 2, "104SH", LITH_SHALE, 4},
        {80, 3.0f, 40, "108DOL", LITH_DOLOMITE, 8},  // here the limit counts
        {80, 4.0f, 10, "101SH", LITH_SHALE, 1},
        {250, 4.0f, 40, "100CS", 22, 0},
        {100, 4.0f, 40, "100SH", LITH_SHALE, 0},
    };
    for (const Case& c : cases) {
        const std::string text = Classify(c.g, c.pe, c.s);
        EXPECT_EQ(text, c.text) << "G " << c.g << " PE " << c.pe << " S " << c.s;
        const LithShares shares = ParseLithString(text);
        EXPECT_EQ(shares.share[std::size_t(c.type)], 100) << text;
        EXPECT_EQ(shares.accessory[std::size_t(c.type)], c.accessory) << text;
    }
}

TEST(AutomaticLithology, CoalLimitsAndFractionalPorosities)
{
    const ElogLithThresholds t = DefaultElogLithThresholds();
    EXPECT_EQ(AutoLithFromElog(Row(250, 0.5f, 40), t), "100CO");  // whatever gamma and separation say
    EXPECT_NE(AutoLithFromElog(Row(20, 0.0f, 40), t), "100CO");
    EXPECT_NE(AutoLithFromElog(Row(20, 1.0f, 40), t), "100CO");

    // Fractions are compared in percent: 0.20 - 0.12 is 8, as 20 - 12 is.
    EXPECT_EQ(AutoLithFromElog(Row(20, 4.0f, 0.20f, 0.12f), t), "100dol");
    EXPECT_EQ(AutoLithFromElog(Row(20, 4.0f, 20.0f, 12.0f), t), "100dol");
    EXPECT_EQ(AutoLithFromElog(Row(20, 4.0f, 0.19f, 0.12f), t), "100bl");
    EXPECT_EQ(AutoLithFromElog(Row(20, 4.0f, 0.03f, 0.0f), t), "100LS");   // 3
    EXPECT_EQ(AutoLithFromElog(Row(20, 4.0f, 0.0f, 0.01f), t), "105LS");   // -1
    // A separation of exactly 1 is whole: not scaled into 100.
    EXPECT_EQ(AutoLithFromElog(Row(20, 4.0f, 1.5f, 0.5f), t), "100LS");
    EXPECT_EQ(AutoLithFromElog(Row(20, 4.0f, 0.0f, 0.0f), t), "100LS");    // S 0 is not cherty
}

TEST(AutomaticLithology, AnhydriteNeedsItsOwnLimits)
{
    ElogLithThresholds t = DefaultElogLithThresholds();
    t[ElogLimitIndex(ElogRock::Lime, ElogLimit::MaxPe)] = 4.95f;  // the lime PE no longer covers anhydrite
    EXPECT_EQ(AutoLithFromElog(Row(20, 5.02f, 40), t), "100AN");

    // A row left at zero: PE 0 lies in its range, but no anhydrite is named and chert is not tried.
    t[ElogLimitIndex(ElogRock::Anhydrite, ElogLimit::MinPe)] = 0.0f;
    t[ElogLimitIndex(ElogRock::Anhydrite, ElogLimit::MaxPe)] = 0.0f;
    t[ElogLimitIndex(ElogRock::Chert, ElogLimit::MinPe)] = -1.0f;
    EXPECT_EQ(AutoLithFromElog(Row(20, 0.0f, 40), t), "100bl");
}

TEST(AutomaticLithology, TheColumnsHookReadsTheRowOfTheRecordsDepth)
{
    // Rows 0..99 hold depths 1..100: clean limestone down to 50, coal below.
    std::vector<ElogRow> rows(100);
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = i < 50 ? Row(20, 5.0f, 2, 0, float(i + 1)) : Row(20, 0.5f, 2, 0, float(i + 1));
    ElogView view{rows};
    view.depthOffset = 5;
    const ElogLithThresholds t = DefaultElogLithThresholds();
    EXPECT_FALSE(MakeAutomaticLith(nullptr, 10, t));
    EXPECT_FALSE(MakeAutomaticLith(&view, 10, t));  // no PE curve
    view.present[7] = true;
    const AutomaticLith hook = MakeAutomaticLith(&view, 10, t);
    ASSERT_TRUE(hook);

    wellfile::RECORD rec;
    std::strcpy(rec.lith, "80SH,20SS");
    rec.depth = 40;  // row of depth 45
    EXPECT_EQ(hook(rec), "100LS");
    rec.depth = 50;  // row of depth 55
    EXPECT_EQ(hook(rec), "100CO");
    EXPECT_STREQ(rec.lith, "80SH,20SS");
    rec.depth = 5;  // row of depth 10: not below the file's first depth
    EXPECT_EQ(hook(rec), std::nullopt);
    for (std::int32_t depth : {-10, 96, 100000}) {  // outside the curve file
        rec.depth = depth;
        EXPECT_EQ(hook(rec), std::nullopt) << depth;
    }
}
