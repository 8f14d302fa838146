#include "layout/predefinedtracks.h"
#include "platform/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

using namespace layout;
using platform::COLORREF;

namespace {

constexpr float D = NAN;  // the layout's own scale
constexpr COLORREF kC5 = 0x123456, kC6 = 0x654321;

COLORREF Colour(char c)
{
    switch (c) {
    case 'R': return 0x0000FF;
    case 'G': return 0x00FF00;
    case 'B': return 0xFF0000;
    case 'M': return 0xFF00FF;
    case 'K': return 0;
    case 'V': return 0xFF0080;
    case '5': return kC5;
    case '6': return kC6;
    default: return 0x01000000;
    }
}

struct Expected {
    const char* label;
    int code;
    char colour;
    float minimum = D, maximum = D;
};

struct Layout {
    int kind;
    const char* title;
    int blocks, width;
    bool log;
    float minimum, maximum;  // of the curves without a scale of their own
    char colour;             // of the curves not listed
    std::vector<Expected> curves;
};

// The layouts as the log's users know them.
const std::vector<Layout> kLayouts = {
    {1, "DRILLING", 20, 6, false, 0, 0, '-',
     {{"RPM", 13, 'R', 0, 400}, {"WOB", 11, 'B', 0, 100}, {"PP", 14, 'G', 0, 3000}, {"SPM", 15, 'M', 0, 400},
      {"TORQ", 51, 'K', 0, 4000}}},
    {2, "CH", 3, 10, false, 0, 0, '-', {{"CH", 27, 'M', 0, 3}}},
    {3, " WET-BAL Ratio", 20, 6, true, 0, 0, '-', {{"WRAT", 25, 'R', 1, 100}, {"BRAT", 26, 'K', 1, 100}}},
    {4, "PIXLER", 20, 6, false, 0, 0, '-',
     {{"C1/C2", 47, 'R', 0, 100}, {"C1/C3", 48, 'B', 0, 100}, {"C1/IC4+NC4", 49, 'G', 0, 100},
      {"C1/IC5+NC5", 50, 'M', 0, 100}}},
    {6, "POROSITY", 20, 6, false, 0, 0, '-',
     {{"DPOR", 33, 'R', -0.1f, 0.3f}, {"NPOR", 34, 'B', -0.1f, 0.3f}, {"CPPOR", 35, 'K', -0.1f, 0.3f},
      {" PE ", 38, 'M', 0, 10}}},
    {7, "Resistivity", 30, 5, true, 0.2f, 2000, '-',
     {{"RES 10", 39, 'R'}, {"RES 30", 41, 'B'}, {"RES 60", 42, 'K'}, {"RES 120", 44, 'M'}}},
    {8, " CHROMATOGRAPH PPM ", 30, 10, true, 0, 0, '-',
     {{"Methane C1(ppm)", 2, 'R', 10, 1e6f}, {"Ethane C2 (ppm)", 3, 'B', 10, 1e6f}, {"Propane C3 (ppm)", 4, 'G', 10, 1e6f},
      {"Butane IC4 (ppm)", 5, 'M', 10, 1e6f}, {"Butane NC4 (ppm)", 6, 'V', 10, 1e6f},
      {"Pentane IC5 (ppm)", 7, 'G', 10, 1e6f}, {"Pentane NC5 (ppm)", 8, 'R', 10, 1e6f}, {"", 0, '-', 10, 1e6f}}},
    {9, "  % of Total ", 20, 6, false, 0, 100, '-',
     {{" C1/Tot ", 55, 'R'}, {" C2/Tot", 56, 'B'}, {" C3/Tot ", 57, 'G'}, {" IC4/Tot ", 58, 'M'},
      {" NC4/Tot ", 59, 'R'}, {" IC5/Tot ", 60, 'B'}, {" NC5/Tot ", 61, 'K'}}},
    {10, " DXC ", 20, 6, false, 0, 100, '-', {{" WOB ", 11, 'G'}, {" RPM ", 13, 'B', 0, 300}, {" DXC ", 28, 'R', 0, 3}}},
    {11, " PERC LITH ", 10, 8, false, 0, 100, '-', {}},
    {12, " INTRP LITH ", 10, 5, false, 0, 100, '-', {}},
    {13, " TEXT ", 20, 10, false, 0, 0, '-', {{"", 69, '-'}}},
    {14, " SHOW ", 3, 10, false, 0, 0, '-', {{"", 73, '-'}}},
    {15, " GAS ", 25, 10, false, 0, 0, '-',
     {{"TG", 1, 'K', 0, 1000}, {"C1", 2, 'R', 0, 500}, {"C2", 3, 'B', 0, 500}, {"C3", 4, 'G', 0, 500},
      {"IC4", 5, 'M', 0, 250}, {"NC4", 6, 'V', 0, 250}, {"IC5", 7, 'G', 0, 100}, {"NC5", 8, 'R', 0, 100}}},
    {22, " THC C1-C5 ", 40, 5, true, 0.01f, 1e6f, '-',
     {{"THC-Units", 91, 'R'}, {"C1-PPM", 92, 'B'}, {"C2-PPM", 93, 'K'}, {"C3-PPM", 94, 'M'}, {"C4-PPM", 95, 'G'},
      {"C5-PPM", 96, 'K'}}},
    {23, " C6-C10 PPM ", 40, 5, true, 0.01f, 1e6f, '-',
     {{"C6", 97, 'R'}, {"C7", 98, 'B'}, {"C8", 99, 'K'}, {"C9", 100, 'M'}, {"C10", 101, 'G'}}},
    {24, " CO2 N2 BEN TOL ", 40, 5, true, 0.01f, 1e6f, '-',
     {{"N2", 103, 'R'}, {"CO2", 102, 'B'}, {"BENZENE", 104, 'K'}, {"TOLUENE", 105, 'M'}, {"XYLENE", 147, 'G'}}},
    {25, "NORM C1 C4 C7  ", 20, 6, false, 0, 0, '-',
     {{"Norm-C1 ", 133, 'R', 0, 100}, {"Norm-C4", 134, 'G', 0, 100}, {"Norm-C7", 135, 'K', 0, 100},
      {"Norm-Ben_Tol", 136, 'M', 0, 100}}},
    {26, "PAR NAPH AROM", 20, 6, false, 0, 0, '-',
     {{"PARA %", 123, 'G', 0, 100}, {" NAPH %", 122, 'B', 0, 100}, {"AROM %", 121, 'R', 0, 100}}},
    {27, " SULFERS ", 20, 6, false, 0, 0, '-',
     {{" SUL 1 ", 117, 'R', 0, 1000}, {" SUL 2", 118, 'B', 0, 10}, {" SUL 3 ", 119, 'M', 0, 10}, {" SUL 4", 120, 'K', 0, 10}}},
    {28, " C4-C9 OBM ", 40, 5, true, 0.01f, 1e6f, '-',
     {{"C4 OBM", 107, 'R'}, {"C5 OBM", 108, 'B'}, {"C6 OBM", 109, 'K'}, {"C7 OBM", 110, 'M'}, {"C8 OBM", 111, '-'},
      {"C9 OBM", 112, '-'}}},
    {29, " FIT PIXLER ", 30, 4, true, 0, 0, '-',
     {{"C1/C2", 113, 'R', 1, 1000}, {"C1/C3", 114, 'B', 1, 1000}, {"C1/C4", 115, 'K', 1, 1000}, {"C1/C5", 116, 'M', 1, 1000}}},
    {30, "FIT BAL-WH Ratio", 20, 6, true, 0, 0, '-', {{"WRAT", 183, 'R', 1, 100}, {"BRAT", 184, 'K', 1, 100}}},
    {31, " AROMATICS ", 20, 6, false, 0, 10, '-',
     {{"BENZENE", 104, 'R', 0, 0.5f}, {"TOLUENE", 105, 'B', 0, 0.5f}, {"XYLENE", 147, 'K', 0, 0.5f}}},
    {32, " ATMOSPHERICS ", 20, 6, false, 0.01f, 5000, '-',
     {{" N2 ppm", 103, 'R', 0.01f, 100000}, {" O2 ppm", 126, 'B', 0.01f, 500000}, {" AR ppm ", 127, 'K', 0.01f, 50000},
      {" H2O ppm", 128, 'M', 0.01f, 50000}}},
    {33, " FIT TOT, GAS %GAS ", 20, 6, false, 0, 100, '-', {{" TOT GAS ", 153, 'R', 0, 1000}, {"  PERC GAS ", 152, 'B', 0, 1}}},
    {34, "Extraction ", 10, 6, false, 0, 1, '-', {{" AIR 1", 129, 'R'}, {" AIR 2", 130, 'B'}}},
    {35, "H/L Ratios /10 ", 30, 6, false, 0, 1, '-',
     {{" R0 ", 194, 'R', 0, 100000}, {" R1 ", 195, 'B', 0, 100000}, {" R2  ", 196, 'K', 0, 100000},
      {" R3 ", 197, 'M', 0, 100000}}},
    {36, "Water Sol Ratios ", 20, 6, false, 0, 1, '-',
     {{" SOL 1 ", 198, 'R', 0, 20}, {" SOL 2 ", 199, 'B', 0, 1}, {" SOl 3  ", 200, 'M', 0, 1}}},
    {37, "Inorganics ", 20, 6, false, 0, 1, '-',
     {{" HE ", 125, 'R', 0, 100}, {" HYD  ", 124, 'B', 0, 35000}, {" CO2(calc2)   ", 166, 'M', 0, 5000}}},
    {38, " THC C1-C10 ", 50, 5, true, 0.01f, 1e6f, '-',
     {{"THC", 91, 'R'}, {"C1", 92, 'B'}, {"C2", 93, 'K'}, {"C3", 94, 'M'}, {"C4", 95, 'G'}, {"C5", 96, '5'},
      {"C6", 97, '6'}, {"C7", 98, 'B'}, {"C8", 99, 'K'}, {"C9", 100, 'M'}, {"C10", 101, 'G'}}},
};

// A track full of another layout's values, so that every field the builder must set is seen to change.
CustomTrackEntry Cluttered()
{
    CustomTrackEntry e;
    std::memset(&e, 0x5A, sizeof e);
    return e;
}

}  // namespace

TEST(PredefinedTracks, EveryLayoutBuildsItsTitleSizeAndCurves)
{
    for (const Layout& want : kLayouts) {
        SCOPED_TRACE(want.kind);
        CustomTrackEntry e = Cluttered();
        ASSERT_TRUE(BuildPredefinedTrack(e, want.kind, kC5, kC6));
        EXPECT_EQ(e.kind, want.kind);
        EXPECT_EQ(platform::FieldText(e.title), want.title);
        EXPECT_EQ(e.blockCount, want.blocks);
        EXPECT_EQ(e.blockWidth, want.width);
        EXPECT_EQ(e.logarithmic, want.log ? 1 : 0);
        EXPECT_EQ(e.mudWeight, 0);
        for (int c = 0; c < kCurvesPerTrack; ++c) {
            SCOPED_TRACE(c);
            const Expected listed = c < int(want.curves.size()) ? want.curves[std::size_t(c)] : Expected{"", 0, want.colour};
            EXPECT_EQ(platform::FieldText(e.label[c]), listed.label);
            EXPECT_EQ(e.dataCode[c], listed.code);
            EXPECT_EQ(e.colour[c], Colour(listed.colour));
            EXPECT_FLOAT_EQ(e.minimum[c], std::isnan(listed.minimum) ? want.minimum : listed.minimum);
            EXPECT_FLOAT_EQ(e.maximum[c], std::isnan(listed.maximum) ? want.maximum : listed.maximum);
            EXPECT_EQ(e.lineWidth[c], 2);
            EXPECT_EQ(e.curveValue[c], 1);
            EXPECT_EQ(e.fill[c], 0);
        }
    }
}

TEST(PredefinedTracks, DirectionsPicturesAndTheOtherFieldsOfTheTrack)
{
    // Porosity reverses all but the PE curve; the aromatics reverse only xylene.
    CustomTrackEntry e = Cluttered();
    BuildPredefinedTrack(e, 6);
    EXPECT_EQ(e.direction[0], 0);
    EXPECT_EQ(e.direction[3], 1);
    EXPECT_EQ(e.direction[11], 0);
    BuildPredefinedTrack(e, 31);
    EXPECT_EQ(e.direction[1], 1);
    EXPECT_EQ(e.direction[2], 0);

    // The gas and cell layouts drop the pictures-at-actual-size flag; the FIT ratio layouts keep it, and
    // no builder touches what it does not name.
    for (int kind : {8, 13, 15, 22, 38, 29, 30, 1}) {
        e = Cluttered();
        BuildPredefinedTrack(e, kind);
        const bool cleared = kind != 29 && kind != 30 && kind != 1;
        EXPECT_EQ(e.picturesActualSize, cleared ? 0 : 0x5A) << kind;
        EXPECT_EQ(e.ppm, 0x5A);
        EXPECT_EQ(e.scaleInterval, 0x5A5A5A5A);
        EXPECT_EQ(e.schemeIndex, 0x5A5A5A5A);
        EXPECT_EQ(e.verticalLabel, 0x5A);
    }
}

TEST(PredefinedTracks, NoneEmptiesTheTrackAndReserveOnlyStoresTheKind)
{
    CustomTrackEntry e = Cluttered();
    ASSERT_TRUE(BuildPredefinedTrack(e, 0));
    EXPECT_EQ(e.kind, 0);
    EXPECT_EQ(platform::FieldText(e.title), "");
    EXPECT_EQ(e.blockCount, 20);
    EXPECT_EQ(e.blockWidth, 5);
    for (int c = 0; c < kCurvesPerTrack; ++c) {
        EXPECT_EQ(e.dataCode[c], 0);
        EXPECT_EQ(e.colour[c], 0u);
        EXPECT_FLOAT_EQ(e.minimum[c], 0);
        EXPECT_FLOAT_EQ(e.maximum[c], 100);
    }

    for (int kind : {5, 16, 21, 39, 1000}) {
        CustomTrackEntry r = Cluttered();
        EXPECT_FALSE(BuildPredefinedTrack(r, kind));
        CustomTrackEntry expected = Cluttered();
        expected.kind = kind;
        EXPECT_EQ(std::memcmp(&r, &expected, sizeof r), 0) << kind;
    }
}

TEST(PredefinedTracks, ListsHoldTheFitEntriesOnlyWithFitData)
{
    const QStringList plain = DataListNames(false, true);
    ASSERT_EQ(plain.size(), 82);
    EXPECT_EQ(plain.last(), "NORMALIZED TG");
    EXPECT_EQ(plain[23], "HARDNESS");
    EXPECT_EQ(plain[25], "WETNESS RATIO ");  // trailing blanks kept
    EXPECT_EQ(DataListNames(false, false)[23], "CALCIMITER");
    const QStringList fit = DataListNames(true, false);
    ASSERT_EQ(fit.size(), 204);
    EXPECT_EQ(fit[90], "Reserve");
    EXPECT_EQ(fit[91], "FIT THC");
    EXPECT_EQ(fit[118], "FIT SO ");
    EXPECT_EQ(fit[203], "FIT AUX 2");

    EXPECT_EQ(PredefinedTrackNames(false).size(), 16);
    const QStringList kinds = PredefinedTrackNames(true);
    ASSERT_EQ(kinds.size(), 39);
    EXPECT_EQ(kinds[13], "TEXT ");
    EXPECT_EQ(kinds[38], "FIT-17 THC, C1-C10");
}
