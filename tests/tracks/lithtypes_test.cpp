// The lithology text: abbreviations to rock types, texts to shares, the rounding of averaged shares and
// the order tables.
#include "tracks/lithtypes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

using namespace tracks;

TEST(LithTypes, AbbreviationsMatchByPrefixInTheirTestOrder)
{
    struct Case { const char* code; int type; int mark; };
    const Case cases[] = {
        {"~'ls", 4, 2}, {"'sh", 8, 2}, {"~", 0, 1}, {"", 0, 0}, {"gsh", 29, 0}, {"gs", 17, 0}, {"sa", 10, 0},
        {"SD", 2, 0}, {"qtz", 24, 0}, {"Clay", 8, 0}, {"VOLC", 37, 0}, {"dolo", 1, 0}, {"csh", 22, 0}, {"ce", 25, 0},
        {"c6", 35, 0}, {"c7", 0, 0}, {"s", 0, 0},
        {"~rsh", 27, 1}, {"~'rsh", 0, 2},  // four characters at most, the mark prefixes among them
    };
    for (const Case& c : cases) {
        int mark = -1;
        EXPECT_EQ(LithTypeFromCode(c.code, mark), c.type) << c.code;
        EXPECT_EQ(mark, c.mark) << c.code;
    }
}

TEST(LithTypes, TextsParseIntoSharesAccessoriesAndMarks)
{
    LithShares p = ParseLithString("50~'rsh,50sh");
    EXPECT_EQ(p.share[0], 50);
    EXPECT_EQ(p.mark[0], 2);
    EXPECT_EQ(p.share[LITH_SHALE], 50);

    p = ParseLithString("55ls,45sh");
    EXPECT_EQ(p.share[LITH_LIMESTONE], 50);
    EXPECT_EQ(p.accessory[LITH_LIMESTONE], 5);
    EXPECT_EQ(p.share[LITH_SHALE], 40);
    EXPECT_EQ(p.accessory[LITH_SHALE], 5);

    p = ParseLithString("30ls,30ls,40sh");
    EXPECT_EQ(p.share[LITH_LIMESTONE], 60);
    EXPECT_EQ(p.share[LITH_SHALE], 40);

    p = ParseLithString("108ls");
    EXPECT_EQ(p.share[LITH_LIMESTONE], 100);
    EXPECT_EQ(p.accessory[LITH_LIMESTONE], 8);

    for (const char* text : {"80ls.20sh", "80ls 20sh"})
        EXPECT_EQ(ParseLithString(text).share, ParseLithString("80ls,20sh").share) << text;

    // 100 % needs the single form: with a separator the first field reads 10 and "0sh" is no rock.
    const std::vector<LithItem> items = LithItems("100sh,20ss");
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].percent, 10);
    EXPECT_EQ(items[0].type, 0);
}

TEST(LithTypes, BadPercentFieldsAndStraySeparatorsLoseNothingElse)
{
    LithShares p = ParseLithString("-5ls,80sh");  // a negative field counts as 0
    EXPECT_EQ(p.share[LITH_LIMESTONE] + p.accessory[LITH_LIMESTONE], 0);
    EXPECT_EQ(p.share[LITH_SHALE], 80);
    p = ParseLithString("80ls,,20sh");
    EXPECT_EQ(p.share[LITH_SHALE], 20);
    // The company text of a file's first record is no lithology.
    p = ParseLithString("PRF12 Demo Logging");
    EXPECT_EQ(std::accumulate(p.share.begin(), p.share.end(), 0), 0);

    const std::array<std::int32_t, 3> v{5, 7, 11};
    EXPECT_EQ(SumInts(v, 0), 0);
    EXPECT_EQ(SumInts(v, 9), 23);
}

TEST(LithTypes, RoundingBringsAveragedSharesToTensSummingTo100)
{
    std::array<std::int32_t, kLithTypes> s{};
    s[2] = 33, s[8] = 33, s[10] = 34;
    EXPECT_EQ(RoundLithPercents(s, 2, kLithTypes), 1);
    EXPECT_EQ(s[2], 40);
    EXPECT_EQ(s[8], 20);  // the excess comes off the first of the equal largest
    EXPECT_EQ(s[10], 40);

    s = {};
    s[2] = 46, s[8] = 54;
    RoundLithPercents(s, 2, kLithTypes);
    EXPECT_EQ(s[2], 50);
    EXPECT_EQ(s[8], 50);

    s = {};
    s[2] = 33;  // nothing after the start: the shortfall goes to blank
    RoundLithPercents(s, 2, kLithTypes);
    EXPECT_EQ(s[0], 60);

    s = {};
    s[5] = 58, s[9] = 27, s[12] = 1;  // else to the smallest later share
    RoundLithPercents(s, 5, kLithTypes);
    EXPECT_EQ(s[5], 50);
    EXPECT_EQ(s[9], 30);
    EXPECT_EQ(s[12], 20);
}

TEST(LithTypes, OrderTablesArePermutationsChosenByProfile)
{
    for (int t = 1; t <= 4; ++t) {
        LithOrder sorted = LithOrderTable(t);
        std::sort(sorted.begin(), sorted.end());
        for (int i = 0; i < kLithTypes; ++i)
            EXPECT_EQ(sorted[std::size_t(i)], i) << "table " << t;
    }
    EXPECT_EQ(&LithOrderFor(0, false), &LithOrderTable(1));
    EXPECT_EQ(&LithOrderFor(116, false), &LithOrderTable(4));
    EXPECT_EQ(&LithOrderFor(116, true), &LithOrderTable(2));
    EXPECT_EQ(&LithOrderFor(91, false), &LithOrderTable(3));
    EXPECT_EQ(&LithOrderFor(12, false), &LithOrderTable(2));
}
