// The lithology text: abbreviations to rock types, texts to shares, the rounding of averaged shares and
// the order tables.
#include "tracks/lithtypes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>

using namespace tracks;

namespace {

int TypeOf(const char* code, int* markOut = nullptr)
{
    int mark = -1;
    const int type = LithTypeFromCode(code, mark);
    if (markOut)
        *markOut = mark;
    return type;
}

}  // namespace

TEST(LithTypes, AbbreviationsMatchByPrefixInTheirTestOrder)
{
    struct Case { const char* code; int type; int mark; };
    const Case cases[] = {
        {"~'ls", 4, 2}, {"'sh", 8, 2}, {"~", 0, 1}, {"~ls", 4, 1}, {"", 0, 0},
        {"gsh", 29, 0}, {"gs", 17, 0}, {"gss", 17, 0}, {"sa", 10, 0}, {"SD", 2, 0}, {"qtz", 24, 0}, {"qw", 24, 0},
        {"Clay", 8, 0}, {"Sh", 8, 0}, {"VOLC", 37, 0}, {"vo", 37, 0}, {"dolo", 1, 0}, {"ANH", 3, 0}, {"SLT", 6, 0},
        {"csh", 22, 0}, {"cmt", 25, 0}, {"ce", 25, 0}, {"rsh", 27, 0}, {"osh", 28, 0}, {"c6", 35, 0}, {"ck", 36, 0},
        {"c7", 0, 0}, {"s", 0, 0},
        // Four characters at most, the mark prefixes among them.
        {"~rsh", 27, 1}, {"~'rsh", 0, 2},
    };
    for (const Case& c : cases) {
        int mark = -1;
        EXPECT_EQ(TypeOf(c.code, &mark), c.type) << c.code;
        EXPECT_EQ(mark, c.mark) << c.code;
    }
}

TEST(LithTypes, TextsParseIntoSharesAccessoriesAndMarks)
{
    LithShares p = ParseLithString("50~'rsh,50sh");
    EXPECT_EQ(p.share[0], 50);
    EXPECT_EQ(p.mark[0], 2);
    EXPECT_EQ(p.share[LITH_SHALE], 50);
    p = ParseLithString("50~rsh,50sh");
    EXPECT_EQ(p.share[27], 50);
    EXPECT_EQ(p.mark[27], 1);

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
    EXPECT_EQ(ParseLithString("100bl").share[0], 100);

    const LithShares comma = ParseLithString("80ls,20sh");
    for (const char* text : {"80ls.20sh", "80ls 20sh"}) {
        const LithShares other = ParseLithString(text);
        EXPECT_EQ(other.share, comma.share) << text;
        EXPECT_EQ(other.accessory, comma.accessory) << text;
    }
    EXPECT_EQ(comma.share[LITH_LIMESTONE], 80);
    EXPECT_EQ(comma.share[LITH_SHALE], 20);

    // 100 % needs the single form: with a separator the first field reads 10 and "0sh" is no rock.
    const std::vector<LithItem> items = LithItems("100sh,20ss");
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].percent, 10);
    EXPECT_EQ(items[0].type, 0);
    EXPECT_EQ(items[1].type, LITH_SAND);
}

TEST(LithTypes, BadPercentFieldsAndStraySeparatorsLoseNothingElse)
{
    // A negative field counts as 0; an empty field between separators does not swallow the next item.
    LithShares p = ParseLithString("-5ls,80sh");
    EXPECT_EQ(p.share[LITH_LIMESTONE], 0);
    EXPECT_EQ(p.accessory[LITH_LIMESTONE], 0);
    EXPECT_EQ(p.share[LITH_SHALE], 80);
    p = ParseLithString("80ls,,20sh");
    EXPECT_EQ(p.share[LITH_LIMESTONE], 80);
    EXPECT_EQ(p.share[LITH_SHALE], 20);
    // The company text of a file's first record is no lithology.
    p = ParseLithString("PRF12 Demo Logging");
    EXPECT_EQ(std::accumulate(p.share.begin(), p.share.end(), 0), 0);
    // A short single item reads what there is.
    EXPECT_EQ(LithItems("5").front().percent, 5);
    EXPECT_EQ(LithItems("5").front().type, 0);
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

    // Nothing after the start: the shortfall goes to blank.
    s = {};
    s[2] = 33;
    RoundLithPercents(s, 2, kLithTypes);
    EXPECT_EQ(s[2], 40);
    EXPECT_EQ(s[0], 60);

    // A shortfall goes to the smallest later share, not to blank.
    s = {};
    s[5] = 58, s[9] = 27, s[12] = 1;
    RoundLithPercents(s, 5, kLithTypes);
    EXPECT_EQ(s[5], 50);
    EXPECT_EQ(s[9], 30);
    EXPECT_EQ(s[12], 20);
    EXPECT_EQ(s[0], 0);
}

TEST(LithTypes, SumIntsStaysWithinItsCount)
{
    const std::array<std::int32_t, 3> v{5, 7, 11};
    EXPECT_EQ(SumInts(v, 0), 0);
    EXPECT_EQ(SumInts(v, -3), 0);
    EXPECT_EQ(SumInts(v, 2), 12);
    EXPECT_EQ(SumInts(v, 9), 23);
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
    for (int profile : {12, 17, 11, 4, 64, 20, 78})
        EXPECT_EQ(&LithOrderFor(profile, false), &LithOrderTable(2)) << profile;
    EXPECT_EQ(LithOrderTable(2).front(), LITH_SHALE);
}
