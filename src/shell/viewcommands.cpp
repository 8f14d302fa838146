#include "shell/viewcommands.h"

#include "app/commandids.h"

#include <algorithm>
#include <initializer_list>

namespace shell {

namespace {

bool InRange(int id, int first, int last) { return id >= first && id <= last; }

bool CommandIn(int id, std::initializer_list<int> ids) { return std::find(ids.begin(), ids.end(), id) != ids.end(); }

}  // namespace

ViewBusyAnswer WhileViewBusy(int id)
{
    using namespace app::cmd;
    if (CommandIn(id, {New, PlugBack, SaveAs}))
        return ViewBusyAnswer::Silent;
    if (InRange(id, SchemeFirst, SchemeLast) || InRange(id, GotoTopFirst, GotoTopLast))
        return ViewBusyAnswer::Beeps;
    // Files, display settings, record edits and imports, and drilling mode.
    if (CommandIn(id, {Open, Restore, ToggleView, OffsetRop, GasPercent, Hotwire, EditTops, SaveReportsText,
                   CorrectFileDepth, AdjustFileDepth, WaterSaturation, LinesAndScales, LogColors, EditSchemes,
                   ImportElog, SelectElog, SelectRop, ImportMudlog, CheckFileDepths, InsertDelete, EnterRates,
                   EnterLithology, EnterGas, EnterShows, FlareData, OutLine, TvdFileData, SurveyData, Drilling}))
        return ViewBusyAnswer::Beeps;
    return ViewBusyAnswer::Runs;
}

}  // namespace shell
