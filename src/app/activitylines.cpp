#include "app/activitylines.h"

#include "app/logstate.h"

namespace app {

wellfile::ActivityLogContext ActivityContextOf(const LogState& s)
{
    wellfile::ActivityLogContext context;
    context.dataFolder = s.well.file.dataFolder;
    context.viewScale = s.view.viewScale;
    if (s.engines.driller) {
        wellfile::DrillingFigures figures = s.engines.drillerFigures ? s.engines.drillerFigures() : wellfile::DrillingFigures{};
        figures.maxGasDepth = s.well.repair.maxGasDepth;
        context.drilling = figures;
    }
    return context;
}

void WriteActivityLine(LogState& s, std::string text) { wellfile::WriteActivityLog(text, ActivityContextOf(s)); }

}  // namespace app
