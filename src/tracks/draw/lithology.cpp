#include "tracks/draw/lithology.h"


namespace tracks {

namespace {

int Apply(const LithPatternTarget& t, const LithHooks& hooks, const LithRowPlan& plan)
{
    LithPatternPainters defaults;
    LithPatternPainters& painters = hooks.patterns ? *hooks.patterns : defaults;
    LithRowState& row = t.state.lith;
    if (plan.resetShareUsed)
        row.shareUsed = 0;
    if (plan.clearCurrentCells)
        row.currentCells.fill(0);
    for (const LithPaintStep& step : plan.steps) {
        if (step.nextType)
            row.nextType = *step.nextType;
        if (step.painter == LithPainterKind::Printer)
            painters.Printer(t, step.pattern);
        else
            painters.Screen(t, step.pattern);
    }
    if (plan.nextTypeAfter)
        row.nextType = *plan.nextTypeAfter;
    if (plan.previous == PreviousCells::CopyCurrent)
        row.previousCells = row.currentCells;
    else if (plan.previous == PreviousCells::Clear)
        row.previousCells.fill(0);
    if (plan.countRow)
        ++row.rowCounter;
    return plan.result;
}

LithRow RowOf(std::span<const wellfile::RECORD> records, std::size_t index, int rowHeight, int rowTop, bool split,
              bool interpreted)
{
    return {records, index, rowHeight, rowTop, split, interpreted, std::nullopt};
}

}  // namespace

LithRowSettings LithRowSettingsOf(const logview::ViewGeometry& g, const logview::Device& device,
                                  const TrackSettings& s, const PainterState& state)
{
    LithRowSettings r;
    r.profile = g.profile;
    r.shaleOnLeft = s.shaleOnLeft;
    r.scaleIndex = g.scaleIndex;
    r.printing = device.printing;
    r.interpretedColumn = s.interpretedLith;
    r.textOrder = s.lithTextOrder;
    r.unitWidth = g.unitWidth;
    r.rowUnitCompressed = g.rowHeight;
    r.customTrack = state.lith.customTrackX != 0;
    r.fileLastDepth = g.fileLastDepth;
    return r;
}

int DrawLithology(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device,
                  const TrackSettings& s, PainterState& state, std::span<const wellfile::RECORD> records,
                  std::size_t index, int rowHeight, int rowTop, bool split, bool interpreted, const LithHooks& hooks)
{
    const LithRowSettings settings = LithRowSettingsOf(g, device, s, state);
    LithRow row = RowOf(records, index, rowHeight, rowTop, split, interpreted);
    if (hooks.automaticLith && !LithRowIsCompressed(settings, split) && index < records.size())
        row.automaticText = hooks.automaticLith(records[index]);
    return Apply({dc, g, device, s, state}, hooks, PlanLithology(row, settings));
}

}  // namespace tracks
