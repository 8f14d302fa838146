// Matching the log against the offset well and the e-log: the comparison texts, the drag steps of the
// offset curve on the backing store, and the drag line of a formation top.
#include "app/depthmatch.h"
#include "app/ui/depthmatchdrag.h"
#include "platform/draw/dc.h"
#include "support/testmain.h"
#include "support/viewfixture.h"
#include "support/wells.h"

#include <gtest/gtest.h>

using namespace testing_support;

TEST(DepthMatchText, OffsetAndElogComparisons)
{
    const app::Subsea v = app::SubseaAt(1000.0f, 990.0f, 0, 2000);
    EXPECT_EQ(app::OffsetComparisonText(v, 2000), "This well =-1000.0:  Offset =-1010.0\n This well is  10.0 M low at 2000 ");
    EXPECT_EQ(app::ElogComparisonText(v), "Mudlog=-1000.0 Elog=-1010.0:  Mudlog is  10 M low  ");

    // The other well shifted 20 units down: this well is now the higher one.
    const app::Subsea high = app::SubseaAt(1000.0f, 990.0f, -20, 2000);
    EXPECT_EQ(app::ElogComparisonText(high), "Mudlog=-1000.0 Elog=-990.0:  Mudlog is  10 M high  ");

    const app::Subsea flat = app::SubseaAt(1000.0f, 990.0f, -10, 2000);
    EXPECT_EQ(app::OffsetComparisonText(flat, 2000), "This well=-1000.0:  Offset=-1000.0\n This well is flat             ");
    EXPECT_EQ(app::ElogComparisonText(flat), "Mudlog=-1000.0 Elog=-1000.0:  Mudlog is flat             ");
}

TEST(DepthMatchText, DragStepsAreHalfRowsAndFiveRecordsCompressed)
{
    EXPECT_EQ(app::DragSteps(300, 295, 10, 1), 1);
    EXPECT_EQ(app::DragSteps(300, 295, 10, 3), 5);
    EXPECT_EQ(app::DragSteps(300, 296, 10, 1), 0);   // toward zero
    EXPECT_EQ(app::DragSteps(300, 311, 10, 1), -2);
}

namespace {

class DepthMatchDrag : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        AttachImages(bitmaps, painters);
        // A coloured log, so that the black drag pen shows under the XOR mix.
        bitmaps.backingStore.fill(0xFF336699);
        SetViewTop(1500);
        wellfile::OpenWell& f = s.well.file;
        f.offsetTopDepth = 1000;
        f.offsetBottomDepth = 2600;
        for (int d = 1000; d <= 2600; ++d)
            s.well.offset.records.push_back(ValidRecord(d, 1.0f + float(d % 4), "100SH"));
        s.well.offset.records.resize(s.well.offset.records.size() + 10);
        s.well.offset.file = "offset.svm";
        s.depthMatch.dragStartRow = 300;
        s.depthMatch.nothingDrawn = true;
        s.view.updateArea = [this](int l, int t, int r, int b) { updates.push_back({l, t, r, b}); };
    }
    logview::ViewBitmaps bitmaps;
    logview::NeighbourPainters painters;
    std::vector<platform::RECT> updates;
};

}  // namespace

TEST_F(DepthMatchDrag, EachStepMovesTheCurveAndTakesTheLastOneOff)
{
    const QImage before = bitmaps.backingStore;
    platform::Dc dc(bitmaps.backingStore);
    dc.SetROP2(platform::R2_XORPEN);

    app::DragDepthMatch(s, dc, 295);
    EXPECT_EQ(s.well.offset.shift, 1);
    EXPECT_EQ(s.well.offset.firstIndex, 501);
    EXPECT_FALSE(s.depthMatch.nothingDrawn);
    EXPECT_NE(bitmaps.backingStore, before);
    EXPECT_FALSE(updates.empty());
    const QImage atOne = bitmaps.backingStore;

    app::DragDepthMatch(s, dc, 250);
    EXPECT_EQ(s.well.offset.shift, 10);
    EXPECT_NE(bitmaps.backingStore, atOne);
    // Back at the first row: the same curve at the same index, and nothing of the other left.
    app::DragDepthMatch(s, dc, 295);
    EXPECT_EQ(bitmaps.backingStore, atOne);
    EXPECT_EQ(doubles().sounder.beeps, 0);
}

TEST_F(DepthMatchDrag, AStepOffTheOffsetRecordsBeepsAndDrawsNothing)
{
    platform::Dc dc(bitmaps.backingStore);
    dc.SetROP2(platform::R2_XORPEN);
    app::DragDepthMatch(s, dc, 295);
    const QImage drawn = bitmaps.backingStore;

    // The view top sits 500 records into the offset well: 500 half rows up brings the index to 0. The
    // shift and the index stay those of the curve on the screen, which the button's release stores.
    const std::int32_t shown = s.well.offset.shift, shownIndex = s.well.offset.firstIndex;
    s.depthMatch.shiftAtDragStart = -501;
    app::DragDepthMatch(s, dc, 295);
    EXPECT_EQ(s.well.offset.shift, shown);
    EXPECT_EQ(s.well.offset.firstIndex, shownIndex);
    EXPECT_EQ(doubles().sounder.beeps, 1);
    EXPECT_EQ(bitmaps.backingStore, drawn);

    // A later step takes off the curve that is on the screen, not one that was never drawn.
    s.depthMatch.shiftAtDragStart = 0;
    app::DragDepthMatch(s, dc, 290);
    app::DragDepthMatch(s, dc, 295);
    EXPECT_EQ(bitmaps.backingStore, drawn);
}

TEST_F(DepthMatchDrag, TheDragLineMovesAndRowsOutsideTheLogBeep)
{
    QImage& store = bitmaps.backingStore;
    store.fill(Qt::white);
    platform::Dc dc(store);
    dc.SetROP2(platform::R2_XORPEN);
    dc.SelectObject(platform::StockPen(platform::WHITE_PEN));
    const logview::ViewGeometry g = Geometry();
    const int x = (g.rate.left + g.gasRight) / 2;
    s.depthMatch.dragOriginRow = 400;
    store.setPixel(x, 400, 0xFF000000);  // the mouse handler's line at the origin

    EXPECT_TRUE(app::DrawTopDragLine(s, dc, 500));
    EXPECT_TRUE(app::DrawTopDragLine(s, dc, 600));
    EXPECT_EQ(store.pixel(x, 400), 0xFFFFFFFFu);
    EXPECT_EQ(store.pixel(x, 500), 0xFFFFFFFFu);
    EXPECT_EQ(store.pixel(x, 600), 0xFF000000u);
    EXPECT_EQ(store.pixel(g.gasRight + 1, 600), 0xFFFFFFFFu);

    EXPECT_FALSE(app::DrawTopDragLine(s, dc, g.topMargin - 1));
    EXPECT_FALSE(app::DrawTopDragLine(s, dc, g.logBottomY + 1));
    EXPECT_EQ(doubles().sounder.beeps, 2);
    EXPECT_EQ(store.pixel(x, 600), 0xFF000000u);
    EXPECT_EQ(*s.depthMatch.lastLineRow, 600);
}

TEST_F(DepthMatchDrag, TheComparisonTextsStandBelowTheLog)
{
    s.well.kbElevation = 1000.0f;
    s.well.offset.kbElevation = 990.0f;
    s.depthMatch.elogKbElevation = 995.0f;
    platform::Dc dc(bitmaps.backingStore);
    dc.RecordText(true);
    const logview::ViewGeometry g = Geometry();
    const int row = g.topMargin + 5 * g.rowHeight;  // depth 1505
    app::DepthMatchStatus(s, dc, row);
    app::DrawDepthMatchText(s, dc, {300, row});
    s.depthMatch.secondTitleRow = true;
    app::DrawDepthMatchText(s, dc, {300, row});
    const auto& texts = dc.TextRecord();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, "This well =-505.0:  Offset =-515.0\n This well is  10.0 M low at 1505 ");
    EXPECT_EQ(texts[0].rect.top, g.logBottomY + 2 * g.rowHeight);
    EXPECT_EQ(texts[0].rect.right, g.description.left);
    EXPECT_EQ(texts[1].text, "Mudlog=-505.0 Elog=-510.0:  Mudlog is   5 M low  ");
    EXPECT_EQ(texts[1].at.y, g.logBottomY + 3 * g.rowHeight);
    EXPECT_EQ(texts[2].at.y, g.logBottomY + 6 * g.rowHeight);
}
