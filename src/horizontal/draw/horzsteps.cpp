// The steps of the drawing that other parts of the view fill: the well path and its lithology, the
// track points, the pictures and lithology tiles, the target, tops, survey labels, header, panels,
// custom tracks and notes. Until they are filled each does nothing; the frame of grids and labels
// stands in the well path's place.
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
    p.wellPath = [](platform::Dc& dc, HorzPlot& plot) { DrawFrame(dc, plot); };
    // Two track points a record: the rows and marks walk half as many records as there are points.
    p.trackPoints = [](HorzPlot& plot) { return 2 * plot.toDraw; };
    AddLogPainters(p);
    return p;
}

}  // namespace horizontal
