// One value from five records for the compressed scales.
#include "logview/averages.h"

#include <gtest/gtest.h>

#include <vector>

using wellfile::RECORD;

namespace {

std::vector<RECORD> Group(int first = 1000, std::size_t n = 5)
{
    std::vector<RECORD> g(n);
    for (std::size_t i = 0; i < n; ++i)
        g[i].depth = first + int(i);
    return g;
}

}  // namespace

TEST(Averages, RatingsAverageAsLettersOverFiveRecords)
{
    std::vector<RECORD> g = Group();
    std::uint16_t letter = 99;
    EXPECT_EQ(logview::AvgCutRating(g, letter), 4);
    EXPECT_EQ(letter, 0);  // none at all

    g[0].cutRating = 'g';
    g[1].cutRating = 'g';
    logview::AvgCutRating(g, letter);
    EXPECT_EQ(letter, 't');  // 8 / 5 = 1

    for (RECORD& r : g)
        r.porosity = 'p';
    EXPECT_EQ(logview::AvgPorosityRating(g, letter), 4);
    EXPECT_EQ(letter, 'p');
    g[4].porosity = 'x';  // anything else counts 0: 8 / 5
    logview::AvgPorosityRating(g, letter);
    EXPECT_EQ(letter, 't');

    // A group cut short by the end of the records counts the missing ones as blank.
    std::vector<RECORD> cut = Group(1000, 2);
    cut[0].cutRating = cut[1].cutRating = 'f';
    logview::AvgCutRating(cut, letter);
    EXPECT_EQ(letter, 't');  // 6 / 5
    logview::AvgCutRating({}, letter);
    EXPECT_EQ(letter, 0);
}

TEST(Averages, PercentsAreIntegerMeansOverFive)
{
    std::vector<RECORD> g = Group();
    const std::uint16_t fluor[] = {10, 10, 10, 10, 14};
    for (int i = 0; i < 5; ++i) {
        g[i].fluorPercent = fluor[i];
        g[i].hardness = std::uint16_t(100);
    }
    EXPECT_EQ(logview::AvgFluorescencePercent(g), 10);  // 54 / 5
    int mean = -1;
    EXPECT_EQ(logview::AvgHardnessPercent(g, mean), 5);
    EXPECT_EQ(mean, 100);
    // Largest values do not overflow, and only the first five count.
    std::vector<RECORD> seven = Group(1000, 7);
    for (RECORD& r : seven)
        r.hardness = 65535;
    seven[5].hardness = seven[6].hardness = 0;
    logview::AvgHardnessPercent(seven, mean);
    EXPECT_EQ(mean, 65535);
    EXPECT_EQ(logview::AvgFluorescencePercent(std::span(g).first(3)), 6);  // 30 / 5
}

TEST(Averages, MaximaNeverFallBelowZero)
{
    std::vector<RECORD> g = Group();
    for (RECORD& r : g)
        for (int k = 0; k < 8; ++k)
            r.gas[k] = -3;
    g[2].gas[wellfile::GAS_C2] = 7.5f;
    g[4].gas[wellfile::GAS_TG] = 120;
    std::array<float, 8> maxima;
    maxima.fill(55);
    EXPECT_EQ(logview::MaxGasComponents(g, maxima), 1);
    EXPECT_EQ(maxima, (std::array<float, 8>{120, 0, 7.5f, 0, 0, 0, 0, 0}));

    int count = 0;
    g[1].flareLength = 12;
    g[3].flareLength = 30;
    EXPECT_EQ(logview::MaxFlareLength(g, count), 30);
    EXPECT_EQ(count, 5);
    EXPECT_EQ(logview::MaxFlareLength(std::span(g).first(1), count), 0);
    EXPECT_EQ(count, 5);
}

TEST(Averages, CurveMaximumStopsAtTheFilesDepthRange)
{
    // File 1000-1010; the curve value is the gas-block float after NC5.
    std::vector<RECORD> g = Group(1006);
    const float values[] = {2, 9, 4, 50, 60};  // depths 1006..1010
    for (int i = 0; i < 5; ++i)
        g[i].gas[wellfile::GAS_NINTH] = values[i];
    int count = 0;
    // 1009 and 1010 are outside: at the last depth the walk stops.
    EXPECT_FLOAT_EQ(logview::MaxCurveValueInRange(g, 1000, 1009, count), 9);
    EXPECT_EQ(count, 5);
    EXPECT_FLOAT_EQ(logview::MaxCurveValueInRange(g, 1000, 2000, count), 60);
    // The first record at the last depth: nothing is read.
    count = 0;
    EXPECT_FLOAT_EQ(logview::MaxCurveValueInRange(g, 1000, 1006, count), 0);
    EXPECT_EQ(count, 5);
    // A record above the first depth stops it as well; negative values never count.
    g[0].gas[wellfile::GAS_NINTH] = -4;
    EXPECT_FLOAT_EQ(logview::MaxCurveValueInRange(g, 1000, 1008, count), 9);
    EXPECT_FLOAT_EQ(logview::MaxCurveValueInRange(g, 1007, 2000, count), 0);
    EXPECT_FLOAT_EQ(logview::MaxCurveValueInRange(std::span(g).first(1), 1000, 2000, count), 0);
}
