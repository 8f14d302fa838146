#include "logview/depthcolumnoptions.h"

#include "app/logstate.h"

namespace logview {

DepthColumnOptions DepthColumnOptionsOf(const app::LogState& s)
{
    DepthColumnOptions o;
    o.switches = s.view.depthColumn;
    // The quick view bar's survey button writes the surveys as text instead of their marks.
    o.switches.surveyText = o.switches.surveyText || s.view.surveyShown;
    o.inclFirst = s.layout.format.altSurveyOrder;
    o.tvdFile = s.well.scratchWell;
    const layout::PenEntry& survey = s.layout.pens.table.entry[layout::PEN_SURVEY];
    o.surveyColour = survey.colour;
    o.surveyTransparent = survey.transparent != 0;
    o.surveyFramed = survey.boxText != 0;
    o.surveyX = s.layout.format.surveyX;
    o.alternateFormat[0] = s.layout.format.alternateFormat;
    o.painters = s.view.painters;
    return o;
}

}  // namespace logview
