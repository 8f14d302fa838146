// Rows of the lithology column as plans: the painter calls in order, where they go, and what a row
// leaves for the next; on one record, on five averaged, in split mode and on the demo well.
#include "tracks/lithrowplan.h"
#include "tracks/lithtypes.h"

#include "platform/text.h"
#include "support/files.h"
#include "support/testmain.h"
#include "wellfile/demowell.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>
#include <vector>

using namespace tracks;
using wellfile::RECORD;

namespace {

RECORD Rec(std::int32_t depth, const char* lith, const char* interpreted = "")
{
    RECORD r;
    r.depth = depth;
    platform::SetFieldText(r.lith, lith);
    platform::SetFieldText(r.interpretedLith, interpreted);
    return r;
}

std::vector<RECORD> Recs(std::int32_t firstDepth, std::initializer_list<const char*> liths)
{
    std::vector<RECORD> out;
    for (const char* l : liths)
        out.push_back(Rec(firstDepth++, l));
    return out;
}

LithRow Row(const std::vector<RECORD>& recs, std::size_t index = 0, bool split = false, bool interpreted = false)
{
    return {recs, index, /*rowHeight*/ 10, /*rowTop*/ 100, split, interpreted, std::nullopt};
}

// (type, share) of every painted step.
std::vector<std::pair<int, int>> Painted(const LithRowPlan& plan)
{
    std::vector<std::pair<int, int>> out;
    for (const LithPaintStep& s : plan.steps)
        out.emplace_back(s.pattern.type, s.pattern.share);
    return out;
}

using Shares = std::vector<std::pair<int, int>>;

}  // namespace

TEST(LithRowPlan, OneRecordPaintsItsTypesInTheProfilesOrder)
{
    const std::vector<RECORD> recs = Recs(1000, {"80ls,20sh"});
    LithRowSettings s;
    LithRowPlan plan = PlanLithology(Row(recs), s);
    EXPECT_EQ(Painted(plan), (Shares{{LITH_LIMESTONE, 80}, {LITH_SHALE, 20}}));
    ASSERT_EQ(plan.steps.size(), 2u);
    EXPECT_EQ(plan.steps[0].nextType, LITH_SHALE);
    EXPECT_EQ(plan.steps[1].nextType, std::nullopt);  // the last leaves the next type as it was
    EXPECT_EQ(plan.steps[0].painter, LithPainterKind::Screen);
    EXPECT_EQ(plan.steps[0].pattern.y, 100);
    EXPECT_EQ(plan.steps[1].pattern.y, 100);
    EXPECT_TRUE(plan.resetShareUsed);
    EXPECT_TRUE(plan.clearCurrentCells);
    EXPECT_EQ(plan.nextTypeAfter, 0);
    EXPECT_EQ(plan.previous, PreviousCells::CopyCurrent);
    EXPECT_FALSE(plan.countRow);
    EXPECT_EQ(plan.result, 0);

    s.profile = 12;
    EXPECT_EQ(Painted(PlanLithology(Row(recs), s)), (Shares{{LITH_SHALE, 20}, {LITH_LIMESTONE, 80}}));
    s.profile = 116;
    s.shaleOnLeft = true;
    EXPECT_EQ(Painted(PlanLithology(Row(recs), s)), (Shares{{LITH_SHALE, 20}, {LITH_LIMESTONE, 80}}));

    s.printing = true;
    plan = PlanLithology(Row(recs), s);
    EXPECT_EQ(plan.steps[0].painter, LithPainterKind::Printer);
    EXPECT_EQ(plan.steps[1].painter, LithPainterKind::Printer);
}

TEST(LithRowPlan, ASingleItemPaintsOnceAndKeepsThePreviousRow)
{
    const std::vector<RECORD> recs{Rec(1000, "105dolo", "100ss")};
    LithRowSettings s;
    LithRowPlan plan = PlanLithology(Row(recs), s);
    EXPECT_EQ(Painted(plan), (Shares{{LITH_DOLOMITE, 100}}));
    EXPECT_EQ(plan.steps[0].pattern.accessory, 5);
    EXPECT_EQ(plan.steps[0].nextType, std::nullopt);
    EXPECT_EQ(plan.nextTypeAfter, std::nullopt);
    EXPECT_EQ(plan.previous, PreviousCells::Keep);
    EXPECT_FALSE(plan.countRow);

    plan = PlanLithology(Row(recs, 0, /*split*/ true, /*interpreted*/ true), s);
    EXPECT_EQ(Painted(plan), (Shares{{LITH_SAND, 100}}));
    EXPECT_TRUE(plan.steps[0].pattern.interpreted);
    EXPECT_EQ(plan.nextTypeAfter, 0);
    EXPECT_EQ(plan.previous, PreviousCells::Clear);
    EXPECT_TRUE(plan.countRow);

    // "100bl" paints blank over the whole row.
    EXPECT_EQ(Painted(PlanLithology(Row(Recs(1000, {"100bl"})), s)), (Shares{{0, 100}}));
}

TEST(LithRowPlan, ItemsPastOneHundredAreAllHandedOn)
{
    const std::vector<RECORD> recs = Recs(1000, {"90ls,90sh,90ss"});
    const LithRowPlan plan = PlanLithology(Row(recs), LithRowSettings{});
    // The parse stops at a running total of 100 or more (after the second item); both are painted.
    EXPECT_EQ(Painted(plan), (Shares{{LITH_LIMESTONE, 90}, {LITH_SHALE, 90}}));
}

TEST(LithRowPlan, SplitModeStacksEachItemBelowTheOneBefore)
{
    LithRowSettings s;
    s.unitWidth = 10;
    s.rowUnitCompressed = 12;
    std::vector<RECORD> recs = Recs(1000, {"80ls,20sh"});
    LithRow row = Row(recs, 0, /*split*/ true);
    row.rowHeight = 333;  // the x the stack starts at
    LithRowPlan plan = PlanLithology(row, s);
    ASSERT_EQ(plan.steps.size(), 2u);
    EXPECT_EQ(plan.steps[0].pattern.y, 100);
    EXPECT_EQ(plan.steps[1].pattern.y, 100 + 8 * 10 / 2);
    EXPECT_EQ(plan.steps[1].pattern.x, 333);
    EXPECT_TRUE(plan.steps[1].pattern.split);
    EXPECT_TRUE(plan.countRow);

    // A compressed row called in split mode moves by the row height.
    recs = Recs(1000, {"50ss,50sh", "50ss,50sh", "50ss,50sh", "50ss,50sh", "50ss,50sh"});
    plan = PlanLithologyCompressed(Row(recs, 0, true), s);
    ASSERT_EQ(plan.steps.size(), 2u);
    EXPECT_EQ(plan.steps[0].pattern.y, 100);
    EXPECT_EQ(plan.steps[1].pattern.y, 100 + 5 * 12 / 2);
    // Split mode on a compressed scale stays a one-record row.
    s.scaleIndex = 3;
    EXPECT_EQ(PlanLithology(Row(recs, 0, true), s).result, 0);
}

TEST(LithRowPlan, TextOrderPaintsItemsAsWrittenOnTheScreen)
{
    LithRowSettings s;
    s.textOrder = true;
    s.printing = true;
    const std::vector<RECORD> recs = Recs(1000, {"30ls,30ls,40sh"});
    const LithRowPlan plan = PlanLithology(Row(recs), s);
    EXPECT_EQ(Painted(plan), (Shares{{LITH_LIMESTONE, 30}, {LITH_LIMESTONE, 60}, {LITH_SHALE, 40}}));
    ASSERT_EQ(plan.steps.size(), 3u);
    EXPECT_EQ(plan.steps[2].painter, LithPainterKind::Screen);
    EXPECT_EQ(plan.steps[1].pattern.y, 100 + 3 * 10 / 2);
    EXPECT_EQ(plan.steps[2].pattern.y, 100 + 15 + 6 * 10 / 2);
    EXPECT_EQ(plan.previous, PreviousCells::CopyCurrent);
    EXPECT_TRUE(plan.countRow);
    EXPECT_EQ(plan.result, 1);
}

TEST(LithRowPlan, CompressedRowsAverageFiveRecords)
{
    LithRowSettings s;
    s.scaleIndex = 3;
    s.fileLastDepth = 2600;
    std::vector<RECORD> recs = Recs(1000, {"100sh", "100sh", "100sh", "50ss,50sh", "100ss"});
    LithRowPlan plan = PlanLithology(Row(recs), s);
    EXPECT_EQ(Painted(plan), (Shares{{LITH_SAND, 30}, {LITH_SHALE, 70}}));
    EXPECT_EQ(plan.result, 1);
    EXPECT_TRUE(plan.resetShareUsed);
    EXPECT_FALSE(plan.clearCurrentCells);
    EXPECT_EQ(plan.previous, PreviousCells::CopyCurrent);
    EXPECT_EQ(plan.nextTypeAfter, std::nullopt);

    // 46 and 54 are rounded to 50 and 50; painting stops once 100 % is painted.
    recs = Recs(1000, {"50ss,50sh", "50ss,50sh", "50ss,50sh", "40ss,60sh", "40ss,60sh"});
    EXPECT_EQ(Painted(PlanLithologyCompressed(Row(recs), s)), (Shares{{LITH_SAND, 50}, {LITH_SHALE, 50}}));

    // A group cut short by the end of the buffer counts what it has.
    const std::vector<RECORD> two = Recs(1000, {"100ls", "100ls"});
    EXPECT_EQ(Painted(PlanLithologyCompressed(Row(two), s)), (Shares{{LITH_LIMESTONE, 40}}));
}

TEST(LithRowPlan, RoundingNeverHandsThePainterANegativeShare)
{
    // Five small types among blank records: each 2 % rounds up to 10, the excess of 30 comes off the
    // first later type (anhydrite), which is left at -20 and is not painted.
    LithRowSettings s;
    s.scaleIndex = 3;
    s.fileLastDepth = 2600;
    const std::vector<RECORD> recs = Recs(1000, {"10d,10a,10l,10ch,10sh", "100bl", "100bl", "100bl", "100bl"});
    const LithRowPlan plan = PlanLithologyCompressed(Row(recs), s);
    EXPECT_EQ(Painted(plan), (Shares{{LITH_CHERT, 10}, {LITH_DOLOMITE, 10}, {LITH_LIMESTONE, 10}, {LITH_SHALE, 10},
                                     {0, 80}}));
}

TEST(LithRowPlan, ABlankGroupAtTheBottomOfTheFileIsNotDrawn)
{
    LithRowSettings s;
    s.scaleIndex = 3;
    s.fileLastDepth = 2600;
    std::vector<RECORD> recs = Recs(2594, {"80sh,20ss", "100BL", "100bl", "100bl", "100bl", "100bl"});
    LithRowPlan plan = PlanLithologyCompressed(Row(recs, 1), s);
    EXPECT_TRUE(plan.steps.empty());
    EXPECT_EQ(plan.previous, PreviousCells::Keep);
    EXPECT_FALSE(plan.countRow);

    // Further up the file the same group is painted, as blank.
    for (std::size_t i = 0; i < recs.size(); ++i)
        recs[i].depth = 1500 + std::int32_t(i);
    EXPECT_EQ(Painted(PlanLithologyCompressed(Row(recs, 1), s)), (Shares{{0, 100}}));
    // With no record before the group in the buffer it is painted too.
    recs.erase(recs.begin());
    for (RECORD& r : recs)
        r.depth += 1100;
    EXPECT_EQ(Painted(PlanLithologyCompressed(Row(recs, 0), s)), (Shares{{0, 100}}));
}

TEST(LithRowPlan, TheInterpretedColumnOnCompressedScalesAveragesItsTexts)
{
    LithRowSettings s;
    s.scaleIndex = 3;
    s.fileLastDepth = 2600;
    std::vector<RECORD> recs;
    for (int i = 0; i < 5; ++i)
        recs.push_back(Rec(1000 + i, "100sh", i < 3 ? "100ss" : "~100ls"));
    LithRowPlan plan = PlanLithology(Row(recs, 0, false, /*interpreted*/ true), s);
    EXPECT_EQ(Painted(plan), (Shares{{LITH_SAND, 60}}));  // "~100ls" is no rock
    EXPECT_TRUE(plan.steps[0].pattern.interpreted);

    // With the interpreted column off the row reads the lithology.
    s.interpretedColumn = false;
    plan = PlanLithology(Row(recs, 0, false, true), s);
    EXPECT_EQ(Painted(plan), (Shares{{LITH_SHALE, 100}}));
    EXPECT_FALSE(plan.steps[0].pattern.interpreted);
}

TEST(LithRowPlan, TextsAreReadWithinTheirFields)
{
    // Thirty bytes without a NUL, then the interpreted text: the lithology ends at its field.
    RECORD r = Rec(1000, "", "90ss");
    const char full[] = "10ls,10sh,10ss,10dl,10an,10sl,";
    static_assert(sizeof(full) - 1 == sizeof(r.lith));
    std::copy(full, full + sizeof(r.lith), r.lith);
    const std::vector<RECORD> recs{r};
    const LithRowPlan plan = PlanLithology(Row(recs), LithRowSettings{});
    EXPECT_EQ(Painted(plan), (Shares{{LITH_ANHYDRITE, 10}, {LITH_DOLOMITE, 10}, {LITH_LIMESTONE, 10}, {LITH_SAND, 10},
                                     {LITH_SILT, 10}, {LITH_SHALE, 10}}));

    // The first record's company text draws nothing in the interpreted column.
    const std::vector<RECORD> first{Rec(1000, "100sh", "PRF12 Demo Logging")};
    EXPECT_TRUE(PlanLithology(Row(first, 0, false, true), LithRowSettings{}).steps.empty());

    // Automatic lithology draws the classifier's text in place of the record's.
    LithRow row = Row(first);
    row.automaticText = "108LS";
    const LithRowPlan automatic = PlanLithology(row, LithRowSettings{});
    EXPECT_EQ(Painted(automatic), (Shares{{LITH_LIMESTONE, 100}}));
    EXPECT_EQ(automatic.steps[0].pattern.accessory, 8);
}

TEST(LithRowPlan, EveryRowOfTheDemoWellFillsTheColumn)
{
    const QString folder = testing_support::TestDir() + "demo/";
    ASSERT_TRUE(wellfile::MakeDemoWell(folder));
    const std::vector<RECORD> recs =
        testing_support::FileRecords<RECORD>(folder + wellfile::kDemoWellName + ".svm");
    ASSERT_GT(recs.size(), 1500u);
    LithRowSettings s;
    s.profile = 12;
    s.fileLastDepth = recs.back().depth;
    bool sawAnhydrite = false, sawSilt = false;
    for (std::size_t i = 0; i < recs.size(); ++i) {
        const LithRowPlan plan = PlanLithology(Row(recs, i), s);
        int sum = 0;
        for (const LithPaintStep& step : plan.steps)
            sum += step.pattern.share;
        ASSERT_EQ(sum, 100) << "depth " << recs[i].depth;
        const std::string text = platform::FieldText(recs[i].lith);
        if (text == "70ANH,30SH") {
            sawAnhydrite = true;
            EXPECT_EQ(Painted(plan), (Shares{{LITH_SHALE, 30}, {LITH_ANHYDRITE, 70}}));
        }
        if (text == "60SS,30SH,10SLT") {
            sawSilt = true;
            EXPECT_EQ(Painted(plan), (Shares{{LITH_SHALE, 30}, {LITH_SAND, 60}, {LITH_SILT, 10}}));
        }
    }
    EXPECT_TRUE(sawAnhydrite);
    EXPECT_TRUE(sawSilt);
    // The anhydrite formation's other mix (the seed happens not to pick it).
    EXPECT_EQ(Painted(PlanLithology(Row(Recs(2100, {"80ANH,20DOL"})), s)),
              (Shares{{LITH_ANHYDRITE, 80}, {LITH_DOLOMITE, 20}}));
    // Its compressed rows fill the column too.
    s.scaleIndex = 3;
    for (std::size_t i = 1; i + 5 < recs.size(); i += 5) {
        int sum = 0;
        for (const LithPaintStep& step : PlanLithology(Row(recs, i), s).steps)
            sum += step.pattern.share;
        ASSERT_EQ(sum, 100) << "depth " << recs[i].depth;
    }
}
