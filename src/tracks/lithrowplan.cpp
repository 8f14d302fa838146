#include "tracks/lithrowplan.h"

#include "platform/text.h"
#include "tracks/lithtypes.h"

#include <cctype>
#include <limits>

namespace tracks {

namespace {

constexpr int kRecordsPerCompressedRow = 5;

// The painted share's advance down the stack of split mode.
int SplitAdvance(int share, std::int32_t unit) { return (share / 10 * unit) / 2; }

std::string RowText(const wellfile::RECORD& rec, bool interpreted)
{
    return interpreted ? platform::FieldText(rec.interpretedLith) : platform::FieldText(rec.lith);
}

// The text of an all-blank row ("100BL" in any case).
bool IsBlankRowText(const std::string& text)
{
    constexpr std::string_view blank = "100bl";
    if (text.size() != blank.size())
        return false;
    for (std::size_t i = 0; i < blank.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != blank[i])
            return false;
    return true;
}

// The type painted after position i of the order: the next one with a share, none when there is none.
std::optional<int> NextType(const LithOrder& order, const LithShares& shares, std::size_t i)
{
    for (std::size_t j = i + 1; j < order.size(); ++j)
        if (shares.share[std::size_t(order[j])] > 0)
            return order[j];
    return std::nullopt;
}

LithPattern Pattern(const LithRow& row, int type, const LithShares& shares, int y, bool interpreted)
{
    const auto t = std::size_t(type);
    return {type, shares.share[t], shares.accessory[t], row.rowHeight, y, shares.mark[t], row.split, interpreted};
}

// The types of `shares` in table order, each joined to the next; stops once `limit` percent are painted.
void PaintInOrder(LithRowPlan& plan, const LithRow& row, const LithRowSettings& s, const LithShares& shares,
                  std::int32_t splitUnit, bool interpreted, int limit)
{
    const LithOrder& order = LithOrderFor(s.profile, s.shaleOnLeft);
    const LithPainterKind painter = s.printing ? LithPainterKind::Printer : LithPainterKind::Screen;
    int y = row.rowTop, painted = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const int type = order[i];
        const int share = shares.share[std::size_t(type)];
        if (share <= 0)
            continue;
        plan.steps.push_back({NextType(order, shares, i), painter, Pattern(row, type, shares, y, interpreted)});
        if (row.split)
            y += SplitAdvance(share, splitUnit);
        painted += share;
        if (painted >= limit)
            break;
    }
}

}  // namespace

bool LithRowIsCompressed(const LithRowSettings& s, bool split) { return s.scaleIndex >= 3 && !split; }

LithRowPlan PlanLithology(const LithRow& row, const LithRowSettings& s)
{
    if (LithRowIsCompressed(s, row.split)) {
        LithRow compressed = row;
        compressed.split = false;
        LithRowPlan plan = PlanLithologyCompressed(compressed, s);
        plan.resetShareUsed = true;
        plan.result = 1;
        return plan;
    }
    LithRowPlan plan;
    plan.resetShareUsed = true;
    plan.clearCurrentCells = true;
    if (row.index >= row.records.size())
        return plan;
    const std::string text = row.automaticText ? *row.automaticText : RowText(row.records[row.index], row.interpreted);
    const bool counted = row.split || s.customTrack;

    if (!IsMultiItemLith(text)) {
        LithShares shares;
        const LithItem item = LithItems(text).front();
        AddLithItem(shares, item);
        const LithPainterKind painter = s.printing ? LithPainterKind::Printer : LithPainterKind::Screen;
        plan.steps.push_back({std::nullopt, painter, Pattern(row, item.type, shares, row.rowTop, row.interpreted)});
        plan.countRow = counted;
        if (row.interpreted) {
            plan.nextTypeAfter = 0;
            plan.previous = PreviousCells::Clear;
        }
        return plan;
    }

    if (s.textOrder) {
        // The items as written, each at once with its type's share so far, always on the screen painter.
        LithShares shares;
        int y = row.rowTop;
        std::int32_t total = 0;
        for (const LithItem& item : LithItems(text)) {
            const std::int32_t share = AddLithItem(shares, item);
            plan.steps.push_back({std::nullopt, LithPainterKind::Screen, Pattern(row, item.type, shares, y, row.interpreted)});
            y += SplitAdvance(share, s.unitWidth);
            total += share;
            if (total >= 100)
                break;
        }
        plan.nextTypeAfter = 0;
        plan.previous = PreviousCells::CopyCurrent;
        plan.countRow = true;
        plan.result = 1;
        return plan;
    }

    // Every type with a share is painted, even past 100 %: the pattern painter keeps to the ten cells.
    PaintInOrder(plan, row, s, ParseLithString(text), s.unitWidth, row.interpreted, std::numeric_limits<int>::max());
    plan.nextTypeAfter = 0;
    plan.previous = PreviousCells::CopyCurrent;
    plan.countRow = counted;
    return plan;
}

LithRowPlan PlanLithologyCompressed(const LithRow& row, const LithRowSettings& s)
{
    LithRowPlan plan;
    const bool interpreted = row.interpreted && s.interpretedColumn;
    const std::span<const wellfile::RECORD> recs = row.records;
    // Blank records near the bottom of the file are not drawn yet.
    if (row.index >= 1 && row.index < recs.size() &&
        (long long)recs[row.index - 1].depth > (long long)s.fileLastDepth - 10 &&
        IsBlankRowText(platform::FieldText(recs[row.index].lith)))
        return plan;

    LithShares shares;
    for (std::size_t k = 0; k < kRecordsPerCompressedRow; ++k) {
        const std::size_t at = row.index + k;
        const std::string text = at < recs.size() ? RowText(recs[at], interpreted) : std::string();
        if (!IsMultiItemLith(text)) {
            AddLithItem(shares, LithItems(text).front());
            continue;
        }
        std::int32_t total = 0;
        for (const LithItem& item : LithItems(text)) {
            AddLithItem(shares, item);
            total += item.percent - item.percent % 10;
            if (total >= 100)
                break;
        }
    }
    for (std::int32_t& share : shares.share)
        share /= kRecordsPerCompressedRow;
    for (int t = 0; t < kLithTypes; ++t)
        if (shares.share[std::size_t(t)] % 10 != 0)
            RoundLithPercents(shares.share, t, kLithTypes);

    PaintInOrder(plan, row, s, shares, s.rowUnitCompressed, interpreted, 100);
    plan.previous = PreviousCells::CopyCurrent;
    plan.countRow = row.split || s.customTrack;
    return plan;
}

}  // namespace tracks
