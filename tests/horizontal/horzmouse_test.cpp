// The rules behind the horizontal view's mouse on a plot of known geometry: plotLeft 50, scrolled to
// 50, first depth 2000, the path area from y 160, one section from TVD 1230 at 2 pixels a TVD unit,
// the lithology band from y 376.
#include "horizontal/horzmouse.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <memory>
#include <vector>

using namespace horizontal;

namespace {

struct Plot {
    std::array<wellfile::HorzSection, 2> sections{};
    MouseGeometry g;
    Plot()
    {
        sections[0].startTvd = 1230;
        sections[0].pxPerTvd = 2.0f;
        sections[0].endX = 100000;
        g.plotFirstDepth = 2000;
        g.plotLastDepth = 2400;
        g.pathTop = 160;
        g.plotBottom = 560;
        g.lowerBase = 558;
        g.lithBandTop = 376;
        g.gasBase = 160;
        g.imageWidth = 3800;
        g.clientRight = 1200;
        g.sections = std::span(sections).first(1);
    }
};

WellPathRow Row(std::int32_t md, float tvd, float vs)
{
    WellPathRow r;
    r.depth = md;
    r.tvd = tvd;
    r.vs = vs;
    return r;
}

}  // namespace

TEST(HorzMouseRules, MarginClickSetsTheDrawFromDepthFromTheTvdOrAHundredDeeper)
{
    Plot f;
    EXPECT_EQ(TvdAtPoint(f.g, 200, 450), 1250);
    // Above the path area: 100 deeper; in it: the TVD clicked.
    EXPECT_EQ(MarginDrawFrom(f.g, 1, true, 20, 100, 1150), 1050);  // above the path: 100 shallower
    EXPECT_EQ(MarginDrawFrom(f.g, 1, true, 20, 200, 0), 1250);
    EXPECT_EQ(MarginDrawFrom(f.g, 0, true, 20, 100, 60), 0);
    // Only with Ctrl, with one section, and 2 to 50 pixels left of plotLeft.
    EXPECT_FALSE(MarginDrawFrom(f.g, 1, false, 20, 200, 0));
    EXPECT_FALSE(MarginDrawFrom(f.g, 2, true, 20, 200, 0));
    EXPECT_FALSE(MarginDrawFrom(f.g, 1, true, 48, 200, 0));
    EXPECT_FALSE(MarginDrawFrom(f.g, 1, true, 0, 200, 0));
    auto r = std::make_unique<wellfile::HorzSetupRecord>();
    StoreDrawFrom(*r, 1250);
    float start = 0;
    std::memcpy(&start, reinterpret_cast<const char*>(r.get()) + 994, 4);
    EXPECT_EQ(start, 1250.0f);
    // A section without a scale reads its start TVD rather than dividing by zero.
    f.sections[0].pxPerTvd = 0;
    EXPECT_EQ(TvdAtPoint(f.g, 300, 450), 1230);
    // A damaged section's TVD no int holds reads as none, so the next drawing finds its own draw-from
    // depth; any other stays whole.
    f.sections[0].pxPerTvd = 2.0f;
    f.sections[0].startTvd = 3e9f;
    EXPECT_EQ(MarginDrawFrom(f.g, 1, true, 20, 200, 0), 0);
    f.sections[0].startTvd = 2e8f;
    EXPECT_EQ(MarginDrawFrom(f.g, 1, true, 20, 200, 0), 200000020);
}

TEST(HorzMouseRules, MeasuringReadsTvdMdAndInclinationFromTheAnchor)
{
    Plot f;
    const MeasureAnchor a{{450, 200}, f.g.DepthAt(450), TvdAtPoint(f.g, 200, 450)};
    EXPECT_EQ(a.md, 2050);
    EXPECT_EQ(MeasureReadout(f.g, a, 530, 220), "   TVD= 1260.00  MD= 2060.00 INCL= 45.00000  ");
    EXPECT_EQ(MeasureReadout(f.g, a, 450, 260), "   TVD= 1280.00  MD= 2050.00 INCL= 90.00000  ");
    EXPECT_EQ(MeasureReadout(f.g, a, 610, 200), "   TVD= 1250.00  MD= 2070.00 INCL= 90.00000  ");
}

TEST(HorzMouseRules, MarkersArePlacedUnderThePointAndStoredPacked)
{
    Plot f;
    f.g.plotLeft = f.g.scroll = 500;
    const wellfile::HorzMarker m = PlaceMarker(f.g, 3, 900, 390, false, 0);
    EXPECT_EQ(m.symbolNumber, 3);
    EXPECT_EQ(m.markerMd, 2050);
    EXPECT_EQ(m.markerTvd, 1345);
    EXPECT_EQ(std::int32_t(m.offsetY), 14);
    EXPECT_EQ(m.placedScaled, 0);
    // A cleared entry leaves no gap in the record.
    std::vector<wellfile::HorzMarker> markers{m, m, m};
    ClearMarker(markers[0]);
    auto r = std::make_unique<wellfile::HorzSetupRecord>();
    r->markers[5].symbolNumber = 9;
    StoreMarkers(*r, markers);
    EXPECT_EQ(int(r->markerCount), 2);
    EXPECT_EQ(r->markers[1].symbolNumber, 3);
    EXPECT_EQ(r->markers[2].symbolNumber, 0);
    EXPECT_EQ(r->markers[5].symbolNumber, 0);
}

TEST(HorzMouseRules, ADroppedNoteTakesTheDepthUnderItsLeftAndLosesItsFlags)
{
    Plot f;
    wellfile::HTEXTEX note;
    note.depth = 2000;
    note.box[0] = 52, note.box[1] = 300, note.box[2] = 252, note.box[3] = 400;
    note.textTrack = note.anchoredRight = note.anchoredBottom = 1;
    DropNote(note, f.g, 450, 250, 2000, 1000);
    EXPECT_EQ(note.depth, 2050);
    EXPECT_EQ(note.box[0], 452);
    EXPECT_EQ(note.box[1], 250);
    EXPECT_EQ(note.box[2], 652);
    EXPECT_EQ(note.box[3], 350);
    EXPECT_EQ(note.textTrack, 0);
    EXPECT_EQ(note.anchoredRight, 1);  // 50 units: kept
    DropNote(note, f.g, 458, 155, 2000, 1000);
    EXPECT_EQ(note.depth, 2051);
    EXPECT_EQ(note.box[1], 165);  // near the gas base: just under it
    EXPECT_EQ(note.anchoredRight + note.anchoredBottom, 0);
    // Past the plot's last depth, or above the file's first: 50 before the last.
    DropNote(note, f.g, 3500, 300, 2000, 1000);
    EXPECT_EQ(note.depth, 2350);
    DropNote(note, f.g, 450, 300, 2000, 2100);
    EXPECT_EQ(note.depth, 2350);
}

TEST(HorzMouseRules, PointBoxShowsTheEntryUnderThePointInterpolatedBetweenStations)
{
    Plot f;
    std::vector<WellPathRow> table(111);
    for (int i = 0; i < 111; ++i)
        table[std::size_t(i)].depth = 2000 + i;
    table[0] = Row(2000, 1240, 800);
    table[100] = Row(2100, 1260, 900);
    table[50] = Row(2050, 1250.5f, 850.12f);
    table[50].inclination = 88.5f;
    table[50].azimuth = 270.25f;
    table[50].totalGas = 125;
    table[50].rate = 2.5f;
    EXPECT_EQ(PointBoxEntry(f.g, 450, 101), 50);
    EXPECT_EQ(PointInfoText(table, 101, 50, 2400, 30),
              " MD=2050 (-2020)\n INCL=88.50\n AZM=270.25\n TVD=1250.50 (-1220.50)\n  VS=850.12\n HW=1.25 \n ROP= 2.5 M/Min");
    table[50] = Row(2050, 0, 0);
    EXPECT_TRUE(PointInfoText(table, 101, 50, 2400, 30).contains("TVD=1250.00 (-1220.00)\n  VS=850.00"));
    // Inclination and azimuth halfway too, the azimuth turning through north.
    table[0].inclination = 80;
    table[0].azimuth = 350;
    table[100].inclination = 90;
    table[100].azimuth = 10;
    EXPECT_TRUE(PointInfoText(table, 101, 50, 2400, 30).contains(" INCL=85.00\n AZM=0.00\n"));
    // Held to the table at both sides; no station after: the TVD before; two at one MD: no division.
    EXPECT_EQ(PointBoxEntry(f.g, 10, 101), 0);
    EXPECT_EQ(PointBoxEntry(f.g, 5000, 101), 100);
    EXPECT_EQ(PointBoxEntry(f.g, 450, 0), -1);
    EXPECT_TRUE(PointInfoText(table, 60, 55, 2400, 30).contains("TVD=1240.00"));
    table[100].depth = 2000;
    EXPECT_TRUE(PointInfoText(table, 101, 50, 2400, 30).contains("TVD=1240.00"));
}

TEST(HorzMouseRules, AMoveIsHeldInsideTheViewsEdges)
{
    Plot f;
    EXPECT_FALSE(HoldMove(f.g, 600, 300).held);
    const HeldMove low = HoldMove(f.g, 600, 549);
    EXPECT_TRUE(low.held);
    EXPECT_EQ(low.y, 518);
    EXPECT_EQ(HoldMove(f.g, 600, 5).y, 10);
    EXPECT_EQ(HoldMove(f.g, 20, 300).x, 50);
    // Past the right margin: held at the margin, not at a column of the image far beyond the window.
    EXPECT_EQ(HoldMove(f.g, 1190, 300).x, 1150);
}
