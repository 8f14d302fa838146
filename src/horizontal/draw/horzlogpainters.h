#pragma once
// The painters of what lies across the well path: the formation tops with their dip, base and label,
// the anchor and target gamma panels, and the planned target path; and the loaders of their files.
#include "horizontal/draw/horzplot.h"

namespace horizontal {

// Each top marked for the view, once per section from the one that holds it on, in a 2-pixel pen of
// its colour (red for colour 0, on the drawing's copy only); each line traced back from the image into
// plot.logs.topTraces.
void DrawTopCrossings(platform::Dc& dc, HorzPlot& plot);
// One gamma panel of `count` samples standing at `column`; a target panel also fills and shades.
void DrawGammaPanel(platform::Dc& dc, const HorzPlot& plot, std::span<const GammaSlot> samples, int count, int column,
                    float offset, float rise, bool target);
// The target log (or one curve file per panel) every 150 records along the plot.
void DrawTargetPanels(platform::Dc& dc, const HorzPlot& plot);
void DrawTargetPath(platform::Dc& dc, const HorzPlot& plot);

// Fills the steps and loaders above into `p`.
void AddLogPainters(HorzPainters& p);

}  // namespace horizontal
