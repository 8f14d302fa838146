// The band layout of the horizontal plot, its header of custom tracks laid out on a copy of the
// window's list, the full-scale tables and the grid steps.
#include "horizontal/horzbands.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace horizontal;

namespace {

// MD 2,000-2,400, a window 615 high: plotBottom 590, every option off.
BandInputs Plain()
{
    BandInputs in;
    in.plotFirstDepth = 2000;
    in.plotLastDepth = 2400;
    in.plotBottom = 590;
    return in;
}

layout::CustomTrackEntry Entry(std::uint16_t letter, int unitSize, int unitCount, bool on = true)
{
    layout::CustomTrackEntry e{};
    e.dataCode[0] = letter;
    e.blockWidth = unitSize;
    e.blockCount = unitCount;
    e.onHorizontalView = on ? 1 : 0;
    e.leftX = 10;
    e.maximum[0] = 50;
    e.maximum[1] = 25;
    e.minimum[1] = 5;
    return e;
}

}  // namespace

TEST(HorzBands, PlainLayoutAndWhatEachOptionTakesFromThePathArea)
{
    const HorzBands plain = ComputeBandLayout(Plain());
    EXPECT_EQ(plain.gasTop, 0);
    EXPECT_EQ(plain.gasBase, 160);
    EXPECT_EQ(plain.pathTop, 160);
    EXPECT_EQ(plain.lowerBase, 588);
    EXPECT_EQ(plain.lowerTop, 428);
    EXPECT_EQ(plain.lithBandTop, 376);
    EXPECT_EQ(plain.pathBottom, 376);
    EXPECT_EQ(plain.plotRight, 3240);

    BandInputs in = Plain();
    in.drawLithOnWellTrack = true;
    EXPECT_EQ(ComputeBandLayout(in).pathBottom, 428);

    in = Plain();
    in.drawShows = true;
    HorzBands b = ComputeBandLayout(in);
    EXPECT_EQ(b.showsBandBottom, 376);
    EXPECT_EQ(b.pathBottom, 326);

    in = Plain();
    in.textInOwnTrack = true;
    in.textBlockCount = 10;
    b = ComputeBandLayout(in);
    EXPECT_EQ(b.notesBandTop, 276);
    EXPECT_EQ(b.notesBandBottom, 376);
    EXPECT_EQ(b.pathBottom, 276);

    in = Plain();
    in.drawLithPics = true;
    EXPECT_EQ(ComputeBandLayout(in).pathBottom, 376);  // the window's picture option is off
    in.pictureOption = true;
    b = ComputeBandLayout(in);
    EXPECT_EQ(b.pictureBandTop, 306);
    EXPECT_EQ(b.pictureBandBottom, 378);
    EXPECT_EQ(b.pathBottom, 306);
}

TEST(HorzBands, CustomTracksShrinkTheRowsAndMayDropTheGasAndLowerBands)
{
    BandInputs in = Plain();
    in.customTracks = true;
    in.customHeight = 100;
    in.drawGas = in.drawRates = true;
    HorzBands b = ComputeBandLayout(in);
    EXPECT_EQ(b.divisionHeight, 6);
    EXPECT_EQ(b.lithRowHeight, 4);
    EXPECT_EQ(b.showRowHeight, 3);
    EXPECT_EQ(b.gasTop, 100);
    EXPECT_EQ(b.gasBase, 220);
    EXPECT_EQ(b.lowerTop, 468);
    EXPECT_EQ(b.lithBandTop, 396);
    in.drawGas = false;
    EXPECT_EQ(ComputeBandLayout(in).gasBase, 100);
    in.drawRates = false;
    b = ComputeBandLayout(in);
    EXPECT_EQ(b.lowerTop, b.lowerBase);
}

TEST(HorzBands, HandEditedBlockCountsAndSmallWindowsKeepAPathArea)
{
    // Over 20 text blocks count as 20; 0 still means 10.
    BandInputs in = Plain();
    in.textInOwnTrack = true;
    in.textBlockCount = 25;
    HorzBands b = ComputeBandLayout(in);
    EXPECT_EQ(b.notesBandBottom - b.notesBandTop, 200);
    EXPECT_EQ(b.plotBottom, 600);  // 16 pixels of path area: the plot grows by 10
    EXPECT_EQ(b.pathBottom, 186);
    in.textBlockCount = 0;
    EXPECT_EQ(ComputeBandLayout(in).pathBottom, 276);

    // A window 300 high would put the path's bottom above its top: the plot grows to 400.
    in = Plain();
    in.plotBottom = 300;
    b = ComputeBandLayout(in);
    EXPECT_EQ(b.plotBottom, 400);
    EXPECT_EQ(b.lowerBase, 398);
    EXPECT_GE(b.pathBottom - b.pathTop, 20);
}

TEST(HorzBands, HeaderTracksAreLaidOutOnACopy)
{
    layout::TrackSet list{};
    list[0] = Entry('F', 20, 5);           // pictures: never shown
    list[1] = Entry('A', 20, 5);
    list[2] = Entry('B', 30, 2, false);    // not on the horizontal view
    list[3] = Entry('N', 10, 2);           // memos: the text block count as unit count
    list[3].kind = 3;                      // no curve factors
    list[4] = Entry('G', 5, 5);
    const layout::TrackSet before = list;
    const HeaderTracks h = LayOutHeaderTracks(list, 12);
    EXPECT_EQ(std::memcmp(&before, &list, sizeof list), 0);
    ASSERT_EQ(h.kept, 2);
    EXPECT_EQ(h.tracks[0].dataCode[0], 'A');
    EXPECT_EQ(h.tracks[0].rightX, 110);
    EXPECT_FLOAT_EQ(h.tracks[0].pixelsPerUnit[0], 2.0f);
    EXPECT_FLOAT_EQ(h.tracks[0].pixelsPerUnit[1], 5.0f);
    EXPECT_FLOAT_EQ(h.tracks[0].pixelsPerUnit[2], 0.0f);  // stops at a curve whose maximum is its minimum
    EXPECT_EQ(h.tracks[1].blockCount, 12);
    EXPECT_FLOAT_EQ(h.tracks[1].pixelsPerUnit[0], 0.0f);
    EXPECT_EQ(h.height, 100 + 120);
    EXPECT_EQ(h.tracks[2].blockCount, 0);  // then empty entries

    // Six at most, and the widths stop at 250.
    layout::TrackSet many{};
    for (auto& e : many)
        e = Entry('A', 2, 5);
    EXPECT_EQ(LayOutHeaderTracks(many, 10).kept, 6);
    many[1] = Entry('A', 60, 4);
    EXPECT_EQ(LayOutHeaderTracks(many, 10).kept, 2);
    // A kept entry without units ends the walk.
    many[1] = Entry('A', 0, 4);
    EXPECT_EQ(LayOutHeaderTracks(many, 10).kept, 2);
}

TEST(HorzBands, FullScalesLabelStepsAndDecades)
{
    HorzViewSettings s;
    const std::int32_t plain[10] = {0, 100, 250, 500, 1000, 1500, 2000, 2500, 5000, 10000};
    std::copy(std::begin(plain), std::end(plain), s.gasScales);
    EXPECT_EQ(GasFullScale(s, 4), 1000);
    EXPECT_EQ(GasFullScale(s, 0), 250);   // a blank record's code
    EXPECT_EQ(GasFullScale(s, 10), 250);
    EXPECT_FLOAT_EQ(RateFullScale(2), 5.0f);
    EXPECT_FLOAT_EQ(RateFullScale(7), 2.5f);
    EXPECT_EQ(RatePerHourFullScale(3), 450);
    EXPECT_EQ(RatePerHourFullScale(0), 150);
    EXPECT_EQ(RatePerHourFullScale(8), 150);
    EXPECT_EQ(GammaFullScale(9), 1500);
    EXPECT_FLOAT_EQ(Co2FullScale(3), 17.5f);
    EXPECT_FLOAT_EQ(Co2FullScale(6), 3.5f);

    for (auto [range, step] : {std::pair{501, 100}, {500, 50}, {101, 50}, {100, 20}, {51, 20}, {50, 10}, {0, 10}})
        EXPECT_EQ(TvdLabelStep(range), step) << range;

    const std::array<int, 10> lower = LogDecadeOffsets(160, 3);
    EXPECT_EQ(lower[0], 0);
    EXPECT_EQ(lower[1], 16);
    EXPECT_EQ(lower[9], 53);
    EXPECT_EQ(LogDecadeOffsets(160, 5)[9], 32);
    EXPECT_EQ(LogDecadeOffsets(0, 5)[9], 0);
}
