#include "layout/logformat.h"
#include "platform/draw/fonts.h"
#include "platform/text.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace layout;

namespace {

// A 1280 x 1024 screen, one monitor, client area to y 1000: unit 10, row height 10, header 160.
LayoutInputs Screen1280()
{
    LayoutInputs in;
    in.screen = {1280, 1024, 1};
    in.clientBottom = 1000;
    return in;
}

std::string Face(const platform::LOGFONTA& lf) { return platform::FieldText(lf.lfFaceName); }

void ExpectColumn(const Column& c, int left, int right, const char* what)
{
    EXPECT_EQ(c.left, left) << what;
    EXPECT_EQ(c.Right(), right) << what;
}

}  // namespace

// Profile 10, general format, unit W = 10 (cells of W - 1 = 9), alternate format off. By hand:
//   left    1 x 9  =   9   0 ..    9
//   rate   25 x 10 = 250   9 ..  259
//   outline 5 x 10 =  50 259 ..  309
//   show 1  3 x 9  =  27 309 ..  336
//   lith   10 x 10 = 100 336 ..  436   (interpreted lithology off: no room)
//   show 2  4 x 9  =  36 436 ..  472
//   show 3  3 x 9  =  27 472 ..  499
//   descr  23 x 10 = 230 499 ..  729
//   gas    35 x 9  = 315 729 .. 1044
//   margin  1 x 10       1044 .. 1054 = log right
// Survey x = gas left + 10 x 9 = 819; flare mark 0.9 x 9 -> 8; visible rows (1000 - 160 - 80) / 10 = 76, the count of the window size handler.
TEST(LogFormat, GeneralProfile10Columns)
{
    LogLayout L;
    SetLogFormat(L, 10, 0, Screen1280());
    EXPECT_EQ(L.family, FormatFamily::General);
    ExpectColumn(L.leftColumn, 0, 9, "left");
    ExpectColumn(L.rate, 9, 259, "rate");
    ExpectColumn(L.outline, 259, 309, "outline");
    ExpectColumn(L.show1, 309, 336, "show 1");
    ExpectColumn(L.lithology, 336, 436, "lithology");
    EXPECT_EQ(L.interpreted.Width(), 0);
    ExpectColumn(L.show2, 436, 472, "show 2");
    ExpectColumn(L.show3, 472, 499, "show 3");
    ExpectColumn(L.description, 499, 729, "description");
    ExpectColumn(L.gas, 729, 1044, "gas");
    EXPECT_EQ(L.descriptionRight, 1044);
    EXPECT_EQ(L.gasSplitX, 729);
    EXPECT_EQ(L.logRight, 1054);
    EXPECT_EQ(L.surveyX, 819);
    EXPECT_EQ(L.flareMarkWidth, 8);
    EXPECT_EQ(L.logBodyTop, 260);
    EXPECT_EQ(L.visibleRows, 76);
    EXPECT_EQ(L.logArea, (platform::RECT{0, 160, 1054, 1024 - 170}));
    EXPECT_EQ(L.gasSourceType, 0);
    EXPECT_NE(ProfileTitle(20), ProfileTitle(10));
    EXPECT_EQ(ProfileTitle(20), ProfileTitle(999));  // no format of its own: the default title
}

// Profile 21 with the alternate format set: it is switched off. By hand (W = 10):
//   left   11 x 9  =  99   0 ..  99
//   rate   25 x 9  = 225  99 .. 324
//   outline 2 x 10 =  20 324 .. 344
//   show 1  2 x 9  =  18 344 .. 362
//   lith   10 x 10 = 100 362 .. 462
//   show 2  4 x 9  =  36 462 .. 498
//   show 3  3 x 9  =  27 498 .. 525
//   descr  (23 + 2) x 10 = 250 525 .. 775
//   gas    35 x 9  = 315 775 .. 1090, margin 10 -> log right 1100
TEST(LogFormat, Profile21ForcesAlternateOffAndMakesLabelFont)
{
    LogLayout L;
    L.alternateFormat = true;
    SetLogFormat(L, 21, 0, Screen1280());
    EXPECT_EQ(L.family, FormatFamily::Feet);
    EXPECT_FALSE(L.alternateFormat);
    EXPECT_TRUE(L.feetStyle);
    EXPECT_TRUE(L.hotWire);
    EXPECT_EQ(L.gasSourceType, 11);
    ExpectColumn(L.leftColumn, 0, 99, "left");
    ExpectColumn(L.rate, 99, 324, "rate");
    ExpectColumn(L.outline, 324, 344, "outline");
    ExpectColumn(L.show1, 344, 362, "show 1");
    ExpectColumn(L.lithology, 362, 462, "lithology");
    ExpectColumn(L.show3, 498, 525, "show 3");
    EXPECT_EQ(L.description.left, 525);
    ExpectColumn(L.gas, 775, 1090, "gas");
    EXPECT_EQ(L.logRight, 1100);
    EXPECT_EQ(L.surveyX, 0);
    EXPECT_EQ(L.logArea.right, 1100);

    // Label font: h = 10 -> -(12) high, -(7) wide; the face has no font of its own here.
    ASSERT_TRUE(L.labelFont.has_value());
    EXPECT_EQ(Face(*L.labelFont), "Comic Sans MS");
    EXPECT_EQ(L.labelFont->lfHeight, -12);
    EXPECT_EQ(L.labelFont->lfWidth, -7);
    const platform::FaceChoice sub = platform::SubstituteFace(QStringLiteral("Comic Sans MS"));
    EXPECT_FALSE(sub.family.isEmpty());
    EXPECT_NE(sub.family, QStringLiteral("Comic Sans MS"));

    // The general format leaves the label font of an earlier 21/86 layout alone.
    SetLogFormat(L, 10, 0, Screen1280());
    EXPECT_TRUE(L.labelFont.has_value());
    EXPECT_FALSE(L.feetStyle);

    // Only the 21/86 format has the feet style: a wide format after it has not.
    SetLogFormat(L, 21, 0, Screen1280());
    SetLogFormat(L, 23, 0, Screen1280());
    EXPECT_FALSE(L.feetStyle);
}

// Profile 10 with the alternate format: the gas comes before the description, one spare block of the
// show cell after the third show column. By hand (W = 10): show 3 472 .. 499, spare 499 .. 508,
// gas 35 x 9 508 .. 823, description left 823 + 5 = 828, right 828 + 24 x 10 = 1068, margin -> 1078.
TEST(LogFormat, GeneralAlternateFormatKeepsTheThirdShowColumnsBlocks)
{
    LogLayout L;
    L.alternateFormat = true;
    SetLogFormat(L, 10, 0, Screen1280());
    EXPECT_EQ(L.show3.count, 3);
    ExpectColumn(L.show3, 472, 499, "show 3");
    ExpectColumn(L.gas, 508, 823, "gas");
    EXPECT_EQ(L.description.left, 828);
    EXPECT_EQ(L.descriptionRight, 1068);
    EXPECT_EQ(L.logRight, 1078);
    EXPECT_EQ(L.surveyX, 508);
    SetLogFormat(L, 10, 0, Screen1280());  // the same on every call
    EXPECT_EQ(L.gas.left, 508);
}

// Profile 23, wide format, two gas tracks (alternate off). By hand (W = 10, half block 5, lith cell 8):
//   left    1 x 9  =   9   0 ..   9
//   rate   25 x 9  = 225   9 .. 234
//   text   10 x 5  =  50 234 .. 284
//   outline 4 x 10 =  40 284 .. 324
//   show 1  3 x 9  =  27 324 .. 351
//   lith   10 x 8  =  80 351 .. 431
//   show 2  4 x 9  =  36 431 .. 467
//   show 3  3 x 9  =  27 467 .. 494
//   gas    20 x 9  = 180 494 .. 674, second gas 20 x 9 674 .. 854
//   description left = 854 + 5 = 859; right = 859 + 27 x 10 = 1129; log right = 859 + 260 + 10 = 1129
TEST(LogFormat, WideProfile23TwoGasTracks)
{
    LogLayout L;
    SetLogFormat(L, 23, 0, Screen1280());
    EXPECT_EQ(L.family, FormatFamily::Wide);
    ExpectColumn(L.rate, 9, 234, "rate");
    ExpectColumn(L.textColumn, 234, 284, "text");
    ExpectColumn(L.outline, 284, 324, "outline");
    ExpectColumn(L.lithology, 351, 431, "lithology");
    EXPECT_EQ(L.lithology.Right(), L.show2.left);
    ExpectColumn(L.show3, 467, 494, "show 3");
    ExpectColumn(L.gas, 494, 674, "gas");
    ExpectColumn(L.gas2, 674, 854, "second gas");
    EXPECT_TRUE(L.twoGasTracks);
    EXPECT_EQ(L.gasSplitX, 674);
    EXPECT_EQ(L.gasRight, 854);
    EXPECT_EQ(L.description.left, 859);
    EXPECT_EQ(L.descriptionRight, 1129);
    EXPECT_EQ(L.logRight, 1129);
    EXPECT_EQ(L.surveyX, 284);
    EXPECT_EQ(L.gasSourceType, 10);
    EXPECT_EQ(Face(L.logFont), " Courier New ");

    // Out Lines off clears the outline column in the wide formats even without custom tracks.
    LayoutInputs in = Screen1280();
    in.trackFlags[FLAG_OUTLINES] = 0;
    SetLogFormat(L, 23, 0, in);
    EXPECT_EQ(L.outline.Width(), 0);
    EXPECT_EQ(L.show1.left, 284);
}

// Custom tracks of 300 px with flags 16-22 off: only the left column, the rate track, the custom tracks
// and the margin take room. Header 18 x 10 = 180. Edges: left 0..9, rate 9..259, custom 259..559,
// margin 559..569; the log area reaches one block further, 579.
TEST(LogFormat, CustomTracksWithColumnsSwitchedOff)
{
    LayoutInputs in = Screen1280();
    in.customTracksOn = true;
    in.customWidth = 300;
    for (int k = FLAG_LITHOLOGY; k <= FLAG_ROP; ++k)
        in.trackFlags[std::size_t(k)] = 0;
    LogLayout L;
    SetLogFormat(L, 10, 0, in);
    EXPECT_EQ(L.logAreaTop, 180);
    ExpectColumn(L.rate, 9, 259, "rate");
    for (const Column* c : {&L.outline, &L.show1, &L.lithology, &L.show2, &L.show3, &L.description, &L.gas})
        EXPECT_EQ(c->Width(), 0);
    ExpectColumn(L.custom, 259, 559, "custom");
    EXPECT_EQ(L.logRight, 569);
    EXPECT_EQ(L.logArea.right, 579);
}

TEST(LogFormat, ScreenSettingsAndFonts)
{
    // 6,000 pixels on "one" monitor is three monitors of 2,000, and stays so on every later call.
    LayoutInputs in = Screen1280();
    in.screen = {6000, 1200, 1};
    LogLayout L;
    SetLogFormat(L, 10, 0, in);
    EXPECT_EQ(L.monitorCount, 3);
    EXPECT_EQ(L.screenWidth, 2000);
    SetLogFormat(L, 10, 0, in);
    EXPECT_EQ(L.screenWidth, 2000);
    // A width over 1,024: "Courier New", -(10 + 5), -(10 - 1), fixed pitch, modern.
    EXPECT_EQ(Face(L.logFont), "Courier New");
    EXPECT_EQ(L.logFont.lfHeight, -15);
    EXPECT_EQ(L.logFont.lfWidth, -9);
    EXPECT_EQ(L.logFont.lfPitchAndFamily, 0x31);
    EXPECT_EQ(L.textFace, QStringLiteral("Verdana"));

    // A monitor count of 0 is taken as one monitor rather than a division by zero.
    in.screen = {2400, 1200, 0};
    SetLogFormat(L, 10, 0, in);
    EXPECT_EQ(L.screenWidth, 2400);
    EXPECT_EQ(L.monitorCount, 1);

    // The log-image export's fonts: H 26 and W 17 whatever the grid.
    in = Screen1280();
    in.imageFont = true;
    SetLogFormat(L, 21, 0, in);
    EXPECT_EQ(L.pixelsPerStep, 10);
    EXPECT_EQ(L.titleFont.lfHeight, -32);
    EXPECT_EQ(L.subtitleFont.lfHeight, -28);
    EXPECT_EQ(L.companyFont.lfHeight, 28);
    EXPECT_EQ(Face(L.companyFont), "CopperPlate Gothic Bold");
    EXPECT_EQ(L.logFont.lfHeight, -31);
    EXPECT_EQ(L.logFont.lfWidth, -16);
    EXPECT_EQ(L.labelFont->lfHeight, -9);  // 0.75 x 10 -> 7, + 2

    // While the export draws, the grid it set is kept.
    L.pixelsPerStep = 30;
    L.trackUnit = 22;
    in.renderBusy = true;
    SetBlockHeight(L, in);
    EXPECT_EQ(L.pixelsPerStep, 30);
    EXPECT_EQ(L.trackUnit, 22);
}

TEST(LogFormat, CallsOutAndRowHeight)
{
    int pens = 0, bars = 0;
    QStringList traced;
    LayoutCalls calls{[&] { ++pens; }, [&] { ++bars; }, [&](const QString& t) { traced << t; }};
    LogLayout L;
    LayoutInputs in = Screen1280();
    SetLogFormat(L, 10, 13, in, calls);
    EXPECT_EQ(L.pixelsPerStep, 12);  // profile 10 makes the row height even
    SetLogFormat(L, 21, 13, in, calls);
    EXPECT_EQ(L.pixelsPerStep, 13);
    EXPECT_EQ(pens, 2);
    EXPECT_EQ(bars, 2);
    EXPECT_EQ(traced, (QStringList{"Set Block ht", "Set screen fonts", "Set Block ht", "Set screen fonts"}));
    in.suppressScrollBar = true;
    SetLogFormat(L, 10, 0, in, calls);
    EXPECT_EQ(bars, 2);
}
