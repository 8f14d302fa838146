#include "layout/logformat.h"
#include "layout/printlayout.h"

#include <gtest/gtest.h>

using namespace layout;

namespace {

// The screen format of `profile` on a 1280 x 1024 screen: the block counts the printout starts from.
LogLayout Screen(int profile, bool alternate = false)
{
    LayoutInputs in;
    in.screen = {1280, 1024, 1};
    in.clientBottom = 1000;
    LogLayout L;
    L.alternateFormat = alternate;
    SetLogFormat(L, profile, 0, in);
    return L;
}

PrintInputs Inputs(int profile)
{
    PrintInputs in;
    in.profile = profile;
    return in;
}

}  // namespace

// Profile 12 at b = 20: screen counts left 1, rate 25, outline 6, shows 3/4/3, lithology 10,
// description 23, gas 35. Cells: rate and lithology 20, show 0.8 x 20 = 16, gas 0.9 x 20 = 18.
//   rate        0 ..  500   (25 x 20)
//   outline     .. 640      (500 + 7 x 20)
//   lithology 688 ..  888   (640 + 3 x 16, 10 x 20)
//   second show .. 952      (888 + 4 x 16)
//   description 1000        (952 + 3 x 16); gas from 1000 + 24 x 20 = 1480 to 1480 + 35 x 18 = 2110
//   description right 2150  (2110 + 2 x 20); survey at rate right + 2
TEST(PrintLayout, GeneralFormatOfTheDemoProfile)
{
    const LogLayout screen = Screen(12);
    ASSERT_EQ(screen.description.count, 23);
    ASSERT_EQ(screen.outline.count, 6);
    const PrintLayout p = LayoutTracks(screen, Inputs(12), 20.0f);
    EXPECT_EQ(p.rateCell, 20);
    EXPECT_EQ(p.lithologyCell, 20);
    EXPECT_EQ(p.showCell, 16);
    EXPECT_EQ(p.gasCell, 18);
    EXPECT_EQ(p.gas2Cell, 18);
    EXPECT_EQ(p.rateLeft, 0);
    EXPECT_EQ(p.rateRight, 500);
    EXPECT_EQ(p.outlineRight, 640);
    EXPECT_EQ(p.lithologyLeft, 688);
    EXPECT_EQ(p.lithologyRight, 888);
    EXPECT_EQ(p.secondShowRight, 952);
    EXPECT_EQ(p.descriptionLeft, 1000);
    EXPECT_EQ(p.gasLeft, 1480);
    EXPECT_EQ(p.gasRight, 2110);
    EXPECT_EQ(p.descriptionRight, 2150);
    EXPECT_EQ(p.surveyX, 502);
    EXPECT_EQ(p.rightEnd, 2150);

    // The printer margin moves everything right by the print unit; the alternate survey position puts
    // the survey just right of the rate track.
    PrintInputs in = Inputs(12);
    in.options.printerMargin = true;
    in.options.altSurveyPosition = true;
    in.printUnit = 30;
    const PrintLayout m = LayoutTracks(screen, in, 20.0f);
    EXPECT_EQ(m.rateLeft, 30);
    EXPECT_EQ(m.gasRight, 2140);
    EXPECT_EQ(m.surveyX, 531);
}

// Profile 138 at b = 20 (two gas tracks): lithology 0.7 x 20 = 14, text 0.4 x 20 = 8, rate 0.9 x 20 = 18,
// show 0.75 x 20 = 15, gas 20. Counts: left 1, text 10, outline 4, shows 3/4/3, gas 20 + 20, description 26.
//   rate 19 .. 469 (1 x 19, 25 x 18); outline right 469 + 80 + 80 = 629; lithology 674 .. 814;
//   second show 874; gas 919, split 919 + 400 + 1 = 1320, right 1720; description 1740, right
//   1740 + 26 x 20 + 20 = 2280, end 1740 + 28 x 20 = 2300; survey 469 + 80 = 549.
TEST(PrintLayout, WideFormatOfProfile138)
{
    const LogLayout screen = Screen(138);
    ASSERT_TRUE(screen.twoGasTracks);
    const PrintLayout p = LayoutTracks(screen, Inputs(138), 20.0f);
    EXPECT_EQ(p.lithologyCell, 14);
    EXPECT_EQ(p.textCell, 8);
    EXPECT_EQ(p.rateCell, 18);
    EXPECT_EQ(p.showCell, 15);
    EXPECT_EQ(p.gasCell, 20);
    EXPECT_EQ(p.rateLeft, 19);
    EXPECT_EQ(p.rateRight, 469);
    EXPECT_EQ(p.outlineRight, 629);
    EXPECT_EQ(p.lithologyLeft, 674);
    EXPECT_EQ(p.lithologyRight, 814);
    EXPECT_EQ(p.secondShowRight, 874);
    EXPECT_EQ(p.gasLeft, 919);
    EXPECT_EQ(p.gasSplit, 1320);
    EXPECT_EQ(p.gasRight, 1720);
    EXPECT_EQ(p.descriptionLeft, 1740);
    EXPECT_EQ(p.descriptionRight, 2280);
    EXPECT_EQ(p.descriptionEnd, 2300);
    EXPECT_EQ(p.surveyX, 549);
    EXPECT_EQ(p.rightEnd, 2300);

    // Other wide profiles: lithology 0.85 x 20 = 17, text 0.5 x 20 = 10; profile 134 drops the text
    // column unless interpreted lithology is plotted.
    const PrintLayout w = LayoutTracks(Screen(23), Inputs(23), 20.0f);
    EXPECT_EQ(w.lithologyCell, 17);
    EXPECT_EQ(w.textCell, 10);
    const PrintLayout n = LayoutTracks(Screen(134), Inputs(134), 20.0f);
    EXPECT_EQ(n.textCell, 0);
    EXPECT_EQ(n.surveyX, n.rateRight);
}

// The print-scale flag shrinks the block by 0.72 with two gas tracks and 0.75 with one; the factor the
// wide format chose carries over to a general printout.
TEST(PrintLayout, PrintScaleFactorIsChosenByTheWideFormatAndKept)
{
    PrintInputs in = Inputs(138);
    in.options.printScale = true;
    in.options.wideMargin = true;
    const PrintLayout two = LayoutTracks(Screen(138), in, 20.0f);
    EXPECT_FLOAT_EQ(two.printScale, 0.72f);
    EXPECT_FLOAT_EQ(two.block, 20.0f * 0.72f);
    EXPECT_EQ(two.gasCell, 14);    // whole part of 14.4
    EXPECT_EQ(two.margin, 60);     // three unscaled blocks

    const LogLayout oneGas = Screen(138, true);  // the alternate format has one gas track
    ASSERT_FALSE(oneGas.twoGasTracks);
    const PrintLayout one = LayoutTracks(oneGas, in, 20.0f);
    EXPECT_FLOAT_EQ(one.printScale, 0.75f);
    EXPECT_EQ(one.gasCell, 15);

    // Without the flag the block is not scaled, but the factor is still chosen.
    in.options.printScale = false;
    const PrintLayout plain = LayoutTracks(Screen(138), in, 20.0f);
    EXPECT_FLOAT_EQ(plain.block, 20.0f);
    EXPECT_FLOAT_EQ(plain.printScale, 0.72f);

    PrintInputs general = Inputs(12);
    general.options.printScale = true;
    general.printScale = two.printScale;
    const PrintLayout g = LayoutTracks(Screen(12), general, 20.0f);
    EXPECT_FLOAT_EQ(g.block, 14.4f);
    EXPECT_FLOAT_EQ(g.printScale, 0.72f);
    EXPECT_EQ(g.rateCell, 14);
    EXPECT_EQ(g.descriptionCount, 26);  // screen count + 3
}

// Profiles without a print format of their own are printed in the general one, even those shown in the
// wide format on screen.
TEST(PrintLayout, OtherProfilesPrintInTheGeneralFormat)
{
    for (int profile : {10, 99, 126}) {
        const PrintLayout p = LayoutTracks(Screen(profile), Inputs(profile), 20.0f);
        EXPECT_EQ(p.gasCell, 18) << profile;
        EXPECT_EQ(p.showCell, 16) << profile;
        EXPECT_EQ(p.textCell, 0) << profile;
        EXPECT_EQ(p.descriptionEnd, 0) << profile;
        EXPECT_EQ(p.surveyX, p.gasLeft + 10 * p.gasCell) << profile;
    }
}

// With custom tracks the log ends after them: the general format adds their screen width at 0.1 x b
// per pixel after the gas track; the wide format adds the width the print tracks were laid out with,
// once (it is already in printer units).
TEST(PrintLayout, CustomTracksCloseThePrintedLog)
{
    PrintInputs in = Inputs(12);
    in.customTracksOn = true;
    in.customWidth = 125;
    const LogLayout screen = Screen(12);
    const PrintLayout g = LayoutTracks(screen, in, 20.0f);
    EXPECT_EQ(g.customLeft, g.gasRight);
    EXPECT_EQ(g.descriptionRight, g.gasRight + 250);
    EXPECT_EQ(g.rightEnd, g.descriptionRight);

    // Without descriptions, memos or gas they take no room on paper.
    in.trackFlags[FLAG_DESCRIPTIONS] = 0;
    in.trackFlags[FLAG_MEMOS] = 0;
    in.trackFlags[FLAG_GAS] = 0;
    const PrintLayout bare = LayoutTracks(screen, in, 20.0f);
    EXPECT_EQ(bare.descriptionCount, 0);
    EXPECT_EQ(bare.gasCell, 0);
    EXPECT_EQ(bare.gasLeft, bare.descriptionLeft + 20);
    EXPECT_EQ(bare.gasRight, bare.gasLeft);

    PrintInputs wide = Inputs(138);
    wide.customTracksOn = true;
    wide.customWidth = 125;
    wide.customPrintWidth = 250;
    const PrintLayout w = LayoutTracks(Screen(138), wide, 20.0f);
    EXPECT_EQ(w.customLeft, 2280);
    EXPECT_EQ(w.descriptionRight, 2530);
    EXPECT_EQ(w.rightEnd, 2530);
}

// The quick-view printout: every cell one block, a text column of 2.5 blocks, 24 description blocks.
TEST(PrintLayout, QuickViewAndCompactPrintouts)
{
    PrintInputs in = Inputs(10);
    in.quickView = true;
    const PrintLayout q = LayoutTracks(Screen(10), in, 20.0f);
    EXPECT_EQ(q.rateLeft, 20);            // one left block
    EXPECT_EQ(q.lithologyLeft, 560);      // 20 + 500 + 40
    EXPECT_EQ(q.descriptionLeft, 770);    // 560 + 10.5 x 20
    EXPECT_EQ(q.gasLeft, 1272);           // 770 + 2 + 25 x 20
    EXPECT_EQ(q.gasRight, 1972);          // 35 gas blocks
    EXPECT_EQ(q.descriptionRight, 3012);  // 1000 + 20 + 1992

    in.quickView = false;
    in.options.compact = true;
    in.printUnit = 100;
    const PrintLayout c = LayoutTracks(Screen(10), in, 20.0f);
    EXPECT_EQ(c.gasCell, 36);             // 10 x 100 x 1.25 / 34
    EXPECT_EQ(c.rateLeft, 900);           // a margin of 44 blocks and one left block
    EXPECT_EQ(c.rightEnd, c.gasRight);
}
