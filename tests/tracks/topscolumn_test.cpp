// Formation tops on a white image laid out as the demo well's: which rows draw a top, its label, the
// line across the curve and gas tracks, the boxes of the outer slots, and the drilling markers.
#include "tracks/draw/topscolumn.h"

#include "platform/draw/dc.h"
#include "platform/text.h"
#include "support/images.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tracks;
using platform::COLORREF;
using platform::RGB;

namespace {

constexpr int kW = 1100, kH = 500;
constexpr COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0), kRed = RGB(255, 0, 0);

wellfile::TOPSEX Top(std::int32_t depth, const char* name, std::int32_t slot, std::uint32_t colour = 0)
{
    wellfile::TOPSEX t;
    t.depth = depth;
    t.location = slot;
    t.colour = colour;
    platform::SetFieldText(t.text, name);
    return t;
}

class TopsColumn : public ::testing::Test {
protected:
    void SetUp() override
    {
        g.rowHeight = g.unitWidth = 10;
        g.rate = {9, 25, 10};
        g.description = {509, 23, 10};
        g.ratio = {509, 20, 9};
        g.gas = {739, 35, 9};
        g.gasRight = 1054;
        g.logWidth = 1064;
        g.fileFirstDepth = 1000;
        g.fileLastDepth = 1300;
        g.scaleIndex = 1;
        for (int i = 0; i < int(records.size()); ++i) {
            records[std::size_t(i)].depth = 1190 + i;
            records[std::size_t(i)].bottomDepth = g.fileLastDepth;  // no marker depth
        }
        dc.RecordText(true);
    }
    void Draw(int rows = 29) { DrawTopsColumn(dc, g, device, view, records, 0, rows, 10, 100); }
    // Where and in which colour each text was written.
    struct Text {
        platform::POINT at;
        QString text;
        COLORREF colour;
        bool operator==(const Text&) const = default;
    };
    std::vector<Text> Texts() const
    {
        std::vector<Text> out;
        for (const platform::DcText& t : dc.TextRecord())
            out.push_back({t.at, t.text, t.textColor});
        return out;
    }

    logview::ViewGeometry g;
    logview::Device device = logview::Device::Screen();
    std::vector<wellfile::TOPSEX> tops;
    TopsView view;
    std::vector<wellfile::RECORD> records = std::vector<wellfile::RECORD>(30);  // 1190-1219 from y 100
    QImage image = testing_support::White(kW, kH);
    platform::Dc dc{image};
};

}  // namespace

TEST(TopsRules, RowsThatDrawATopAndItsLabel)
{
    EXPECT_TRUE(TopMatchesRow(1, 1200, 1201));
    EXPECT_TRUE(TopMatchesRow(0, 1200, 1202));
    EXPECT_FALSE(TopMatchesRow(2, 1200, 1200));
    EXPECT_FALSE(TopMatchesRow(2, 1200, 1203));
    EXPECT_TRUE(TopMatchesRow(3, 1200, 1198));
    EXPECT_TRUE(TopMatchesRow(3, 1200, 1202));
    EXPECT_TRUE(TopMatchesRow(3, 1207, 1200));
    EXPECT_FALSE(TopMatchesRow(3, 1208, 1200));
    EXPECT_FALSE(TopMatchesRow(3, 1197, 1200));
    EXPECT_FALSE(TopMatchesRow(4, 1200, 1201));

    wellfile::TOPSEX sand = Top(1200, "Sand A", 1);
    EXPECT_EQ(TopLabel(sand, 250.0f, false), "Sand A");
    sand.appendSubsea = 1;
    EXPECT_EQ(TopLabel(sand, 250.0f, false), "Sand A  (-950.0)");
    EXPECT_EQ(TopLabel(sand, 0.0f, false), "Sand A  (No Kb)");
    // A name filling its whole field is read within it.
    std::memset(sand.text, 'x', sizeof sand.text);
    sand.appendSubsea = 0;
    EXPECT_EQ(TopLabel(sand, 0.0f, false), std::string(30, 'x'));
    wellfile::TOPSEX base = Top(1200, "<Base", 1);
    EXPECT_TRUE(TopHiddenMark(base));
    EXPECT_EQ(TopLabel(base, 0.0f, true), "Base");
}

TEST_F(TopsColumn, ATopWithoutColourIsDrawnRedAndStaysAsStored)
{
    tops = {Top(1200, "Sand A", 19)};
    tops[0].appendSubsea = 1;
    view.tops = tops;
    view.kbElevation = 250.0f;
    Draw();
    // Rows 1201 and 1202 both draw it, at its own depth: the line on the depth line of row 1200 (y 210),
    // 2 pixels wide, from the curve track's left to the ratio column and across the gas track.
    const Text label{{509, 186}, "Sand A  (-950.0)", kRed};
    EXPECT_EQ(Texts(), (std::vector<Text>{label, label}));
    int redRows = 0;
    for (int y = 200; y < 220; ++y)
        redRows += dc.GetPixel(300, y) == kRed;
    EXPECT_EQ(redRows, 2);
    EXPECT_EQ(dc.GetPixel(300, 210), kRed);
    EXPECT_EQ(dc.GetPixel(20, 210), kRed);
    EXPECT_EQ(dc.GetPixel(600, 210), kWhite);
    EXPECT_EQ(dc.GetPixel(900, 210), kRed);
    EXPECT_EQ(dc.GetPixel(1060, 210), kWhite);
    // Slot 19 is boxed: the box's left edge 3 pixels before the label, from 1.6 rows above the line.
    EXPECT_EQ(dc.GetPixel(506, 184), kBlack);
    EXPECT_EQ(dc.GetPixel(506, 188), kBlack);
    const std::uint32_t stored = tops[0].colour;
    EXPECT_EQ(stored, 0u);
}

TEST_F(TopsColumn, MiddleSlotsAndTwoProfilesGetNoBox)
{
    tops = {Top(1200, "Shale", 5, RGB(0, 0, 200)), Top(1210, "Lime", 0, RGB(0, 0, 200))};
    view.tops = tops;
    Draw();
    ASSERT_EQ(Texts().size(), 4u);
    EXPECT_EQ(Texts()[0].at, (platform::POINT{259, 186}));  // slot 5: 5 x 5 rate cells from 9
    EXPECT_EQ(Texts()[0].colour, RGB(0, 0, 200));
    EXPECT_EQ(dc.GetPixel(256, 188), kWhite);               // no box
    EXPECT_EQ(Texts()[2].at, (platform::POINT{11, 286}));   // slot 0 at the rate track's left + 2
    EXPECT_EQ(dc.GetPixel(8, 288), kBlack);                 // boxed

    image.fill(Qt::white);
    g.profile = 86;
    Draw();
    EXPECT_EQ(dc.GetPixel(8, 288), kWhite);
}

TEST_F(TopsColumn, SwitchesScalesAndTheLastRow)
{
    tops = {Top(1203, "Sand B", 1)};
    view.tops = tops;
    // The run ends at the record of the last depth made even: 1205 ends at 1204, so only that row
    // draws the top.
    g.fileLastDepth = 1205;
    Draw();
    EXPECT_EQ(Texts().size(), 1u);
    dc.RecordText(true);
    g.fileLastDepth = 1206;
    Draw();
    EXPECT_EQ(Texts().size(), 2u);
    // At most one row more than it is given.
    dc.RecordText(true);
    Draw(13);  // rows 1190-1203
    EXPECT_TRUE(Texts().empty());
    dc.RecordText(true);
    Draw(14);
    EXPECT_EQ(Texts().size(), 1u);

    // Switched off for this output, or on scale index 4: nothing.
    dc.RecordText(true);
    view.screenShown = false;
    Draw();
    EXPECT_TRUE(Texts().empty());
    view.screenShown = true;
    g.scaleIndex = 4;
    Draw();
    EXPECT_TRUE(Texts().empty());

    // Scale index 3: five records a row; the rows of 1200 and 1205 both reach 1203.
    g.scaleIndex = 3;
    Draw(5);
    ASSERT_EQ(Texts().size(), 2u);
    EXPECT_EQ(Texts()[0].at.y, int(100 + 13 * 10 * 0.1 - 14));
}

TEST_F(TopsColumn, LessMarkedTopsStayOffPaperAndLoseTheMarkOnScreen)
{
    tops = {Top(1200, "<Base", 1)};
    view.tops = tops;
    g.profile = 25;
    Draw();
    ASSERT_EQ(Texts().size(), 2u);
    EXPECT_EQ(Texts()[0].text, "Base");

    dc.RecordText(true);
    device.printing = true;
    Draw();
    EXPECT_TRUE(Texts().empty());
    g.profile = 12;
    Draw();
    ASSERT_EQ(Texts().size(), 2u);
    EXPECT_EQ(Texts()[0].text, "<Base");
    EXPECT_EQ(Texts()[0].colour, kBlack);  // a black-and-white page: the text black,
    // the line in the top's colour across the gas track.
    image.fill(Qt::white);
    device.printer.gasLeft = 700;
    device.printer.gasRight = 900;
    Draw();
    int red = 0, black = 0;
    for (int y = 0; y < kH; ++y) {
        red += dc.GetPixel(800, y) == kRed;
        black += dc.GetPixel(800, y) == kBlack;
    }
    EXPECT_GT(red, 0);
    EXPECT_EQ(black, 0);
}

TEST_F(TopsColumn, DrillingMarkers)
{
    records[10].bottomDepth = 1180;  // record 1200, row 10
    view.drillingMarker = true;
    Draw();
    // Marker y 95 + 10 rows, less (1200 - 1180) / 2 rows, plus one row.
    EXPECT_EQ(Texts(), (std::vector<Text>{{{261, 105}, "< 1200", kRed}}));
    EXPECT_EQ(dc.GetTextColor(), kBlack);

    dc.RecordText(true);
    view.drillingMarker = false;
    Draw();
    EXPECT_TRUE(Texts().empty());
}
