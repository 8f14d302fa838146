// Rows of the lithology column as plans: the painter calls in order, where they go, and what a row
// leaves for the next; on one record, on five averaged, in split mode and on the demo well.
#include "tracks/lithrowplan.h"
#include "tracks/lithtypes.h"

#include "demo/demowell.h"
#include "platform/text.h"
#include "support/files.h"
#include "support/testmain.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <utility>
#include <vector>

using namespace tracks;
using wellfile::RECORD;

namespace {

using Shares = std::vector<std::pair<int, int>>;

RECORD Rec(std::int32_t depth, const char* lith, const char* interpreted = "")
{
    RECORD r;
    r.depth = depth;
    platform::SetFieldText(r.lith, lith);
    platform::SetFieldText(r.interpretedLith, interpreted);
    return r;
}

std::vector<RECORD> Recs(std::int32_t depth, std::initializer_list<const char*> liths)
{
    std::vector<RECORD> out;
    for (const char* l : liths)
        out.push_back(Rec(depth++, l));
    return out;
}

LithRow Row(const std::vector<RECORD>& recs, std::size_t index = 0, bool split = false, bool interpreted = false)
{
    return {recs, index, /*rowHeight*/ 10, /*rowTop*/ 100, split, interpreted, std::nullopt};
}

// (type, share) of every painted step.
Shares Painted(const LithRowPlan& plan)
{
    Shares out;
    for (const LithPaintStep& s : plan.steps)
        out.emplace_back(s.pattern.type, s.pattern.share);
    return out;
}

LithRowSettings Compressed()
{
    LithRowSettings s;
    s.scaleIndex = 3;
    s.fileLastDepth = 2600;
    return s;
}

}  // namespace

TEST(LithRowPlan, OneRecordPaintsItsTypesInTheProfilesOrder)
{
    const std::vector<RECORD> recs = Recs(1000, {"80ls,20sh", "105dolo", "90ls,90sh,90ss"});
    LithRowSettings s;
    LithRowPlan plan = PlanLithology(Row(recs), s);
    EXPECT_EQ(Painted(plan), (Shares{{LITH_LIMESTONE, 80}, {LITH_SHALE, 20}}));
    EXPECT_EQ(plan.steps[0].nextType, LITH_SHALE);
    EXPECT_EQ(plan.steps[1].nextType, std::nullopt);  // the last leaves the next type as it was
    EXPECT_EQ(plan.previous, PreviousCells::CopyCurrent);

    s.profile = 116;
    s.shaleOnLeft = true;
    EXPECT_EQ(Painted(PlanLithology(Row(recs), s)), (Shares{{LITH_SHALE, 20}, {LITH_LIMESTONE, 80}}));

    // A single item paints once and leaves the previous row; in the interpreted column it clears it.
    plan = PlanLithology(Row(recs, 1), s);
    EXPECT_EQ(Painted(plan), (Shares{{LITH_DOLOMITE, 100}}));
    EXPECT_EQ(plan.steps[0].pattern.accessory, 5);
    EXPECT_EQ(plan.previous, PreviousCells::Keep);
    EXPECT_EQ(PlanLithology(Row(recs, 1, false, true), s).previous, PreviousCells::Clear);

    // Items past 100 % are all handed on (the parse stops once the total reaches 100).
    EXPECT_EQ(Painted(PlanLithology(Row(recs, 2), s)), (Shares{{LITH_SHALE, 90}, {LITH_LIMESTONE, 90}}));
}

TEST(LithRowPlan, SplitModeAndTextOrderStackItemsDownwards)
{
    LithRowSettings s;
    s.unitWidth = 10;
    s.rowUnitCompressed = 12;
    std::vector<RECORD> recs = Recs(1000, {"80ls,20sh", "30ls,30ls,40sh"});
    LithRow row = Row(recs, 0, /*split*/ true);
    row.rowHeight = 333;  // the x the stack starts at
    LithRowPlan plan = PlanLithology(row, s);
    ASSERT_EQ(plan.steps.size(), 2u);
    EXPECT_EQ(plan.steps[1].pattern.y, 100 + 8 * 10 / 2);
    EXPECT_EQ(plan.steps[1].pattern.x, 333);
    EXPECT_TRUE(plan.countRow);

    // In text order each item goes at once with its type's share so far, on the screen even on paper.
    s.textOrder = true;
    s.printing = true;
    plan = PlanLithology(Row(recs, 1), s);
    EXPECT_EQ(Painted(plan), (Shares{{LITH_LIMESTONE, 30}, {LITH_LIMESTONE, 60}, {LITH_SHALE, 40}}));
    EXPECT_EQ(plan.steps[2].pattern.y, 100 + 15 + 30);
    EXPECT_EQ(plan.steps[2].painter, LithPainterKind::Screen);
    EXPECT_EQ(plan.result, 1);

    // A compressed row in split mode moves by the row height.
    recs = Recs(1000, {"50ss,50sh", "50ss,50sh", "50ss,50sh", "50ss,50sh", "50ss,50sh"});
    plan = PlanLithologyCompressed(Row(recs, 0, true), Compressed());
    ASSERT_EQ(plan.steps.size(), 2u);
    EXPECT_EQ(plan.steps[1].pattern.y, 100 + 5 * 10 / 2);
}

TEST(LithRowPlan, CompressedRowsAverageFiveRecords)
{
    std::vector<RECORD> recs = Recs(1000, {"100sh", "100sh", "100sh", "50ss,50sh", "100ss"});
    const LithRowPlan plan = PlanLithology(Row(recs), Compressed());
    EXPECT_EQ(Painted(plan), (Shares{{LITH_SAND, 30}, {LITH_SHALE, 70}}));
    EXPECT_EQ(plan.result, 1);

    recs = Recs(1000, {"50ss,50sh", "50ss,50sh", "50ss,50sh", "40ss,60sh", "40ss,60sh"});  // 46 and 54
    EXPECT_EQ(Painted(PlanLithologyCompressed(Row(recs), Compressed())), (Shares{{LITH_SAND, 50}, {LITH_SHALE, 50}}));

    // A group cut short by the end of the buffer counts what it has.
    EXPECT_EQ(Painted(PlanLithologyCompressed(Row(Recs(1000, {"100ls", "100ls"})), Compressed())),
              (Shares{{LITH_LIMESTONE, 40}}));

    // Five small types among blank records each round up to 10; the excess leaves anhydrite at -20,
    // which is not handed to the painter.
    recs = Recs(1000, {"10d,10a,10l,10ch,10sh", "100bl", "100bl", "100bl", "100bl"});
    EXPECT_EQ(Painted(PlanLithologyCompressed(Row(recs), Compressed())),
              (Shares{{LITH_CHERT, 10}, {LITH_DOLOMITE, 10}, {LITH_LIMESTONE, 10}, {LITH_SHALE, 10}, {0, 80}}));
}

TEST(LithRowPlan, ABlankGroupAtTheBottomOfTheFileIsNotDrawn)
{
    std::vector<RECORD> recs = Recs(2594, {"80sh,20ss", "100BL", "100bl", "100bl", "100bl", "100bl"});
    LithRowPlan plan = PlanLithologyCompressed(Row(recs, 1), Compressed());
    EXPECT_TRUE(plan.steps.empty());
    EXPECT_EQ(plan.previous, PreviousCells::Keep);

    for (std::size_t i = 0; i < recs.size(); ++i)  // further up the file it is painted, as blank
        recs[i].depth = 1500 + std::int32_t(i);
    EXPECT_EQ(Painted(PlanLithologyCompressed(Row(recs, 1), Compressed())), (Shares{{0, 100}}));
    // With no record before the group in the buffer it is painted too.
    const std::vector<RECORD> group(recs.begin() + 1, recs.end());
    EXPECT_EQ(Painted(PlanLithologyCompressed(Row(group, 0), Compressed())), (Shares{{0, 100}}));
}

TEST(LithRowPlan, TheInterpretedColumnOnCompressedScalesAveragesItsTexts)
{
    std::vector<RECORD> recs;
    for (int i = 0; i < 5; ++i)
        recs.push_back(Rec(1000 + i, "100sh", i < 3 ? "100ss" : "100ls"));
    LithRowSettings s = Compressed();
    LithRowPlan plan = PlanLithology(Row(recs, 0, false, /*interpreted*/ true), s);
    EXPECT_EQ(Painted(plan), (Shares{{LITH_LIMESTONE, 40}, {LITH_SAND, 60}}));
    EXPECT_TRUE(plan.steps[0].pattern.interpreted);

    s.interpretedColumn = false;  // with the column off the row reads the lithology
    EXPECT_EQ(Painted(PlanLithology(Row(recs, 0, false, true), s)), (Shares{{LITH_SHALE, 100}}));
}

TEST(LithRowPlan, TextsAreReadWithinTheirFields)
{
    // Thirty bytes without a NUL, then the interpreted text: the lithology ends at its field.
    RECORD r = Rec(1000, "", "90ss");
    const char full[] = "10ls,10sh,10ss,10dl,10an,10sl,";
    static_assert(sizeof(full) - 1 == sizeof(r.lith));
    std::copy(full, full + sizeof(r.lith), r.lith);
    Shares painted = Painted(PlanLithology(Row({r}), LithRowSettings{}));
    EXPECT_EQ(painted.size(), 6u);
    EXPECT_TRUE(std::all_of(painted.begin(), painted.end(), [](auto p) { return p.second == 10; }));

    // The first record's company text draws nothing in the interpreted column.
    const std::vector<RECORD> first{Rec(1000, "100sh", "PRF12 Demo Logging")};
    EXPECT_TRUE(PlanLithology(Row(first, 0, false, true), LithRowSettings{}).steps.empty());

    // Automatic lithology draws the classifier's text in place of the record's.
    LithRow row = Row(first);
    row.automaticText = "108LS";
    EXPECT_EQ(Painted(PlanLithology(row, LithRowSettings{})), (Shares{{LITH_LIMESTONE, 100}}));
}

TEST(LithRowPlan, EveryRowOfTheDemoWellFillsTheColumn)
{
    const QString folder = testing_support::TestDir() + "demo/";
    ASSERT_TRUE(demo::MakeDemoWell(folder));
    const std::vector<RECORD> recs = testing_support::FileRecords<RECORD>(folder + demo::kDemoWellName + ".svm");
    ASSERT_GT(recs.size(), 1500u);
    LithRowSettings s;
    s.profile = 12;
    s.fileLastDepth = recs.back().depth;
    auto sum = [](const LithRowPlan& plan) {
        int total = 0;
        for (const LithPaintStep& step : plan.steps)
            total += step.pattern.share;
        return total;
    };
    int silt = 0;
    for (std::size_t i = 0; i < recs.size(); ++i) {
        const LithRowPlan plan = PlanLithology(Row(recs, i), s);
        ASSERT_EQ(sum(plan), 100) << "depth " << recs[i].depth;
        if (platform::FieldText(recs[i].lith) == "60SS,30SH,10SLT") {
            ++silt;
            EXPECT_EQ(Painted(plan), (Shares{{LITH_SHALE, 30}, {LITH_SAND, 60}, {LITH_SILT, 10}}));
        }
    }
    EXPECT_GT(silt, 0);
    EXPECT_EQ(Painted(PlanLithology(Row(Recs(2100, {"80ANH,20DOL"})), s)),
              (Shares{{LITH_ANHYDRITE, 80}, {LITH_DOLOMITE, 20}}));
    s.scaleIndex = 3;  // its compressed rows fill the column too
    for (std::size_t i = 1; i + 5 < recs.size(); i += 5)
        ASSERT_EQ(sum(PlanLithology(Row(recs, i), s)), 100) << "depth " << recs[i].depth;
}
