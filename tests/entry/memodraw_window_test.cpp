// Memos on the demo well's log as the window paints it: a memo placed with the mouse is drawn on the
// cell it was placed on and found again in the hit table; the slot numbers go over the painted log and
// come off again.
#include "app/notes.h"
#include "entry/ui/memodlg.h"
#include "logview/draw/viewbitmaps.h"
#include "shell/draw/viewpainters.h"
#include "logview/ui/logview.h"
#include "platform/draw/dc.h"
#include "support/viewfixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class MemoWindow : public testing_support::ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        painters.memos = [this] { return entry::MemoSourceOf(s); };
        AttachImages(bitmaps, painters);
        SetViewTop(1590);
        s.layout.schemes.trackFlags[layout::FLAG_MEMOS] = 1;
    }
    int RedPixels(int top, int bottom) const
    {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < bitmaps.backingStore.width(); ++x)
                n += bitmaps.backingStore.pixel(x, y) == qRgb(255, 0, 0);
        return n;
    }

    logview::ViewBitmaps bitmaps;
    shell::ViewPainters painters;
    logview::LogView view;
};

}  // namespace

TEST_F(MemoWindow, APlacedMemoIsPaintedWhereItWasPlacedAndFoundByItsBox)
{
    // Placed at x 527 (the description column's cell 519-529) at an odd depth.
    ASSERT_TRUE(app::AddMemo(s, "Sandstone, fine", 527, 0, 1601, false));
    const auto it = std::find_if(s.notes.memos.begin(), s.notes.memos.begin() + s.notes.memoCount,
                                 [](const wellfile::SVMEMO& m) { return m.depth == 1601; });
    ASSERT_NE(it, s.notes.memos.begin() + s.notes.memoCount);
    const int index = int(it - s.notes.memos.begin());

    platform::Dc dc(bitmaps.backingStore);
    dc.RecordText(true);
    view.Paint(s, dc);
    const std::vector<platform::DcText>& texts = dc.TextRecord();
    const auto drawn = std::find_if(texts.begin(), texts.end(),
                                    [](const platform::DcText& t) { return t.text == "Sandstone, fine"; });
    ASSERT_NE(drawn, texts.end());
    // Two pixels into the cell, and a quarter row inside the box; the row of 1602, where it is drawn
    // (its record keeps 1601).
    EXPECT_EQ(drawn->at.x, 519 + 2 + 2);
    EXPECT_EQ(drawn->at.y, 160 - 10 + 1 - 5 + 12 * 10 + 2);
    EXPECT_EQ(std::int32_t(s.notes.memos[std::size_t(index)].depth), 1601);
    const app::MemoHits& hits = s.notes.drawing.hits;
    // The demo's descriptions of the reef's show (1604, 1636) are drawn below it.
    ASSERT_EQ(hits.count, 3);
    EXPECT_EQ(hits.firstMemo + 0, index);
    EXPECT_EQ(hits.memo[0], index);
    EXPECT_EQ(hits.boxes[0].left, 521);

    // The memo dialog's slot numbers over the painted log, and off again.
    const int labelRow = 160 + 2 * 10;
    const int before = RedPixels(labelRow - 15, labelRow + 4);  // the title band has red of its own
    entry::WriteMemoLabels(s, false);
    EXPECT_GT(RedPixels(labelRow - 15, labelRow + 4), before + 25);
    entry::WriteMemoLabels(s, true);
    EXPECT_LE(RedPixels(labelRow - 15, labelRow + 4), before);
}

TEST_F(MemoWindow, TheDemoWellsMemosAndDescriptionsAreOnItsLog)
{
    // The demo's description of the upper sand (1184) and its red connection-gas memo (1220).
    SetViewTop(1170);
    s.layout.schemes.trackFlags[layout::FLAG_DESCRIPTIONS] = 1;
    platform::Dc dc(bitmaps.backingStore);
    dc.RecordText(true);
    view.Paint(s, dc);
    const std::vector<platform::DcText>& texts = dc.TextRecord();
    const auto said = [&](const QString& text) {
        return std::find_if(texts.begin(), texts.end(), [&](const platform::DcText& t) { return t.text == text; });
    };
    const auto sand = said("SS: lt gy, f-m gr, sbrnd, mod srt,");
    ASSERT_NE(sand, texts.end());
    EXPECT_EQ(sand->at.x, 509 + 2 + 2);  // the right-hand region
    ASSERT_NE(said("fast strmg cut"), texts.end());
    const auto gas = said("Connection gas 45 units");
    ASSERT_NE(gas, texts.end());
    EXPECT_EQ(gas->textColor, platform::RGB(255, 0, 0));
    EXPECT_GE(s.notes.drawing.hits.count, 2);
}
