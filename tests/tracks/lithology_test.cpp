// The lithology column carried out on the painters' kept state: which pattern painter a row goes to on
// the screen and on paper, the joins and cells it leaves for the next row, and automatic lithology.
#include "tracks/draw/lithology.h"
#include "tracks/lithtypes.h"

#include "shell/draw/viewpainters.h"
#include "platform/draw/dc.h"
#include "platform/text.h"
#include "support/images.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tracks;
using wellfile::RECORD;

namespace {

using Cells = std::array<std::int32_t, 10>;

struct Call {
    bool printer;
    LithPattern pattern;
    int nextType;  // the row's next type when the painter was called
};

// Records every call and fills the row's cells as a pattern painter does.
class RecordingPatterns : public LithPatternPainters {
public:
    std::vector<Call> calls;
    void Screen(const LithPatternTarget& t, const LithPattern& p) override { Add(t, p, false); }
    void Printer(const LithPatternTarget& t, const LithPattern& p) override { Add(t, p, true); }

private:
    void Add(const LithPatternTarget& t, const LithPattern& p, bool printer)
    {
        LithRowState& row = t.state.lith;
        calls.push_back({printer, p, row.nextType});
        for (int c = row.shareUsed / 10; c < (row.shareUsed + p.share) / 10 && c < 10; ++c)
            row.currentCells[std::size_t(c)] = p.type;
        row.shareUsed += p.share;
    }
};

RECORD Rec(std::int32_t depth, const char* lith)
{
    RECORD r;
    r.depth = depth;
    platform::SetFieldText(r.lith, lith);
    return r;
}

class LithologyColumn : public ::testing::Test {
protected:
    int Draw(const std::vector<RECORD>& recs, std::size_t index, bool interpreted = false)
    {
        LithHooks hooks;
        hooks.patterns = &patterns;
        hooks.automaticLith = automatic;
        return DrawLithology(dc, g, device, settings, state, recs, index, g.rowHeight, 200, false, interpreted, hooks);
    }

    QImage image = testing_support::White(100, 100);
    platform::Dc dc{image};
    logview::ViewGeometry g;
    logview::Device device;
    TrackSettings settings;
    PainterState state;
    RecordingPatterns patterns;
    AutomaticLith automatic;
};

}  // namespace

TEST_F(LithologyColumn, APrintedPassGoesToThePrinterPainter)
{
    const std::vector<RECORD> recs{Rec(1000, "80ls,20sh"), Rec(1001, "100sh")};
    device.printing = true;
    Draw(recs, 0);
    Draw(recs, 1);
    ASSERT_EQ(patterns.calls.size(), 3u);
    for (const Call& c : patterns.calls)
        EXPECT_TRUE(c.printer);
    device.printing = false;
    Draw(recs, 0);
    ASSERT_EQ(patterns.calls.size(), 5u);
    EXPECT_FALSE(patterns.calls[3].printer);
    EXPECT_FALSE(patterns.calls[4].printer);
}

TEST_F(LithologyColumn, ARowJoinsItsTypesAndHandsItsCellsToTheNext)
{
    const std::vector<RECORD> recs{Rec(1000, "70ss,30sh"), Rec(1001, "100ls")};
    state.lith.nextType = 9;
    state.lith.shareUsed = 40;
    Draw(recs, 0);
    ASSERT_EQ(patterns.calls.size(), 2u);
    EXPECT_EQ(patterns.calls[0].nextType, LITH_SHALE);
    EXPECT_EQ(patterns.calls[1].nextType, LITH_SHALE);  // the last keeps the one before
    EXPECT_EQ(state.lith.nextType, 0);
    EXPECT_EQ(state.lith.shareUsed, 100);  // the row started again at 0
    const Cells row{2, 2, 2, 2, 2, 2, 2, 8, 8, 8};
    EXPECT_EQ(state.lith.previousCells, row);

    Draw(recs, 1);  // a single item keeps the previous row; in the interpreted column it clears it
    EXPECT_EQ(state.lith.previousCells, row);
    Draw(recs, 1, /*interpreted*/ true);
    EXPECT_EQ(state.lith.previousCells, Cells{});
    EXPECT_EQ(state.lith.rowCounter, 0);
    state.lith.customTrackX = 700;  // rows of a custom lithology track are counted
    Draw(recs, 0);
    EXPECT_EQ(state.lith.rowCounter, 1);
}

TEST_F(LithologyColumn, AutomaticLithologyDrawsTheClassifiersTextOnACopy)
{
    std::vector<RECORD> recs{Rec(1000, "100sh")};
    automatic = [](const RECORD& r) {
        return r.depth == 1000 ? std::optional<std::string>("108SS") : std::nullopt;
    };
    Draw(recs, 0);
    recs[0].depth = 1001;  // where it does not apply, the record's own text
    Draw(recs, 0);
    ASSERT_EQ(patterns.calls.size(), 2u);
    EXPECT_EQ(patterns.calls[0].pattern.type, LITH_SAND);
    EXPECT_EQ(patterns.calls[0].pattern.accessory, 8);
    EXPECT_EQ(patterns.calls[1].pattern.type, LITH_SHALE);
    EXPECT_EQ(platform::FieldText(recs[0].lith), "100sh");
}

TEST_F(LithologyColumn, TheWindowsPainterSetDrawsOnItsKeptState)
{
    shell::ViewPainters window;
    window.trackState = &state;
    const std::vector<RECORD> recs{Rec(1000, "80ls,20sh"), Rec(1001, "100ls")};
    state.lith.previousCells.fill(4);
    EXPECT_EQ(window.DrawLithology({dc, g, device}, recs, 1, 10, 200, 0, 0, 1), 0);
    EXPECT_EQ(state.lith.previousCells, Cells{});
    EXPECT_EQ(window.DrawLithology({dc, g, device}, recs, 0, 10, 200, 0, 1, 0), 0);
    EXPECT_EQ(state.lith.rowCounter, 1);  // split mode counts its rows
    g.scaleIndex = 3;
    EXPECT_EQ(window.DrawLithology({dc, g, device}, recs, 0, 10, 200, 0, 0, 0), 1);
}
