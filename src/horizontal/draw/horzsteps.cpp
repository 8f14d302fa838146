// The steps of the drawing that other parts of the view fill: the pictures and lithology tiles, the
// target, tops, header, panels, custom tracks and notes. Until they are filled each does nothing. The
// well path (with the frame), its lithology, the track points and the survey labels are the view's own.
#include "horizontal/draw/horzplot.h"

#include "horizontal/draw/horzlogpainters.h"

#include <algorithm>

namespace horizontal {

void LayOutPlotBands(HorzPlot& plot)
{
    const HorzViewSettings& s = *plot.settings;
    BandInputs in = BandInputsOf(s);
    in.plotFirstDepth = plot.plotFirstDepth;
    in.plotLastDepth = plot.plotLastDepth;
    in.pixelsPerUnit = plot.pixelsPerUnit;
    in.plotLeft = plot.plotLeft;
    in.plotBottom = std::max(0, plot.clientHeight - 20) / 10 * 10;
    in.customTracks = s.drawCustomTracks && plot.options.customTracks && plot.customList;
    in.pictureOption = plot.options.pictures;
    in.extraShowsStrip = plot.options.hardness;
    plot.headerTracks = {};
    if (in.customTracks) {
        // On a copy: the window's list, which a save of the custom tracks stores, stays as it was.
        const HeaderTracks header = LayOutHeaderTracks(*plot.customList, TextBlocksOf(s.textBlockCount));
        plot.headerTracks = header.tracks;
        in.customHeight = header.height;
    }
    plot.bands = ComputeBandLayout(in);
    // A path area too small for the window: the image is made taller and the window shows its top.
    plot.height = std::max(plot.height, plot.bands.plotBottom);
}

HorzPainters DefaultPainters()
{
    HorzPainters p;
    p.bandLayout = LayOutPlotBands;
    p.wellPath = [](platform::Dc& dc, HorzPlot& plot) { DrawWellPath(dc, plot); };
    p.trackPoints = FillTrackPoints;
    p.pathLithology = [](platform::Dc& dc, HorzPlot& plot) { DrawPathLithology(dc, plot); };
    p.surveyLabels = [](platform::Dc& dc, HorzPlot& plot) { DrawSurveyLabels(dc, plot); };
    // Every drawing starts without a palette: only a drawn header leaves its legend boxes there.
    p.lithTiles = [](HorzPlot& plot) {
        plot.symbolPalette = {};
        BuildLithTiles(plot);
    };
    p.header = [](platform::Dc& dc, HorzPlot& plot) { DrawHeader(dc, plot); };
    AddLogPainters(p);
    return p;
}

}  // namespace horizontal
