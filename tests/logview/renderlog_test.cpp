// The off-screen log rendered at idle time for horizontal scrolling: when it is drawn, its size, what it
// leaves of the window's view, and that a copy from it shows what the window's own paint shows.
#include "logview/draw/viewbitmaps.h"
#include "logview/ui/logview.h"
#include "platform/draw/dc.h"
#include "support/recordingpainters.h"
#include "support/testmain.h"
#include "support/viewfixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using testing_support::PainterCall;

namespace {

// Records the calls and draws the rate track's scale head as the track painters do: its rule two rows
// below the log's bottom line.
class HeadPainters : public testing_support::RecordingPainters {
public:
    void DrawTrackScaleHeader(const Target& t, int y, int rowHeight, int flag) override
    {
        RecordingPainters::DrawTrackScaleHeader(t, y, rowHeight, flag);
        const int rule = t.geometry.logBottomY + 2 * rowHeight;
        const platform::Pen old = t.dc.SelectObject(platform::Pen(platform::RGB(0, 0, 0), 1, platform::PS_SOLID));
        t.dc.MoveTo(t.geometry.rate.left, rule);
        t.dc.LineTo(t.geometry.rate.Right(), rule);
        t.dc.SelectObject(old);
    }
};

class RenderLog : public testing_support::ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        AttachImages(bitmaps, painters);
        s.view.firstPaint = false;
        s.scroll.horizontalBar = true;
    }
    void Paint()
    {
        painters.calls.clear();
        bitmaps.backingStore.fill(Qt::white);
        platform::Dc dc(bitmaps.backingStore);
        view.Paint(s, dc);
    }
    void Render()
    {
        painters.calls.clear();
        view.RenderLog(s);
    }
    const QImage& OffScreen() const { return bitmaps.offScreenLog; }

    // The first row in [top, bottom) where the window's store, from column 0, differs from the render
    // from column k (over the width both hold); -1 when none.
    int FirstDifferentRow(int k, int top, int bottom) const
    {
        const QImage& store = bitmaps.backingStore;
        const QImage& log = OffScreen();
        const int w = std::min(store.width(), log.width() - k);
        for (int y = top; y < bottom; ++y)
            if (std::memcmp(store.constScanLine(y), log.constScanLine(y) + 4 * k, std::size_t(w) * 4) != 0)
                return y;
        return -1;
    }

    logview::ViewBitmaps bitmaps;
    HeadPainters painters;
    logview::LogView view;
};

}  // namespace

TEST_F(RenderLog, WaitsForTheFirstPaintAnImportAnExportAndTheBar)
{
    SetViewTop(1600);
    bool* holds[] = {&s.view.firstPaint, &s.view.elogImport, &s.scroll.renderingImage};
    for (bool* hold : holds) {
        *hold = true;
        Render();
        *hold = false;
        EXPECT_TRUE(OffScreen().isNull());
    }
    s.scroll.horizontalBar = false;
    Render();
    EXPECT_TRUE(OffScreen().isNull());
    EXPECT_TRUE(painters.calls.empty());

    s.scroll.horizontalBar = true;
    Render();
    ASSERT_FALSE(OffScreen().isNull());
    // Log width 1064; as tall as the window's client (1080), which holds the 72 rows of 10 below the top
    // margin of 160, the one more the paint draws and the scale heads below them.
    EXPECT_EQ(OffScreen().size(), QSize(1064, 1080));
}

TEST_F(RenderLog, TheRendersLeaveTheWindowsRowsAndCacheAsThePaintLeftThem)
{
    for (int scale : {1, 3}) {
        s.view.viewScale = scale;
        SetViewTop(1600);
        Paint();
        const int rows = s.layout.format.visibleRows, top = s.layout.format.logAreaTop;
        const int bottom = s.view.logAreaBottom, rowY = s.view.currentRowY, lastX = s.view.rateCurve.lastRateX;
        const std::int32_t bottomDepth = s.view.bottomDepth;
        s.view.recordCache.assign(s.view.recordCache.size(), wellfile::RECORD{});
        Render();
        EXPECT_EQ(s.layout.format.visibleRows, rows) << scale;
        EXPECT_EQ(s.layout.format.logAreaTop, top) << scale;
        EXPECT_EQ(s.view.logAreaBottom, bottom) << scale;
        EXPECT_EQ(s.view.currentRowY, rowY) << scale;
        EXPECT_EQ(s.view.bottomDepth, bottomDepth) << scale;
        EXPECT_EQ(s.view.rateCurve.lastRateX, lastX) << scale;
        // The mouse handlers' records are the screen's: the render reads into its own.
        for (const wellfile::RECORD& r : s.view.recordCache)
            ASSERT_EQ(r.depth, 0) << scale;
    }
}

TEST_F(RenderLog, ACopyAtAnOffsetIsTheWindowsPaintScrolledThatFar)
{
    // Connection, trip and slide marks, the show markers, the last row and the scale head under the log
    // are part of what must match.
    s.view.viewScale = 1;
    s.layout.schemes.trackFlags[1] = 1;
    SetViewTop(1590);
    Paint();
    Render();
    ASSERT_FALSE(OffScreen().isNull());
    const int headRule = s.view.logAreaBottom + 2 * 10;
    ASSERT_EQ(s.view.logAreaBottom, 160 + 73 * 10);
    ASSERT_EQ(OffScreen().pixel(100, headRule), qRgb(0, 0, 0));
    const int top = 160, bottom = OffScreen().height();
    for (int k : {0, 10, 250, 700}) {
        s.scroll.horizontalOffset = k;
        Paint();
        EXPECT_EQ(FirstDifferentRow(k, top, bottom), -1) << "scale 1, offset " << k;
    }

    s.scroll.horizontalOffset = 0;
    s.view.viewScale = 3;
    // The report mark at 2220 is inside the window's rows. (A mark between the two bottom depths is only
    // the render's: the marks stop at the depth of the last row drawn.)
    SetViewTop(2000);
    Paint();
    Render();
    ASSERT_FALSE(OffScreen().isNull());
    // The window's rows above its closing line, the last left out: the render goes on below it, and the
    // marks of its next row reach up into that one.
    const int rowsBottom = s.view.logAreaBottom - 10;
    for (int k : {0, 10, 250, 700}) {
        s.scroll.horizontalOffset = k;
        Paint();
        EXPECT_EQ(FirstDifferentRow(k, top, rowsBottom), -1) << "scale 3, offset " << k;
    }
}

TEST_F(RenderLog, TheTenFootLogHas18MoreRowsOfFiveRecordsFromATopOnTheTens)
{
    s.view.viewScale = 3;
    const int rows = s.layout.format.visibleRows;
    // Tops go down to a multiple of ten, and stay 200 above the last depth (2600).
    const std::pair<int, int> tops[] = {{1234, 1240}, {2550, 2400}};
    for (auto [asked, top] : tops) {
        SetViewTop(asked);
        Render();
        EXPECT_EQ(s.well.file.viewTopDepth, top) << asked;
    }
    EXPECT_EQ(OffScreen().size(), QSize(1064 + 2 * 10, (rows + 18) * 10));

    SetViewTop(1500);
    Render();
    const std::vector<PainterCall> lith = painters.Named("DrawLithology");
    ASSERT_GT(int(lith.size()), rows);  // more rows than the window shows
    for (std::size_t r = 0; r < lith.size(); ++r)
        ASSERT_EQ(lith[r].depths.at(0), 1500 + 5 * int(r)) << "row " << r;
    EXPECT_EQ(s.layout.format.visibleRows, rows);
}
