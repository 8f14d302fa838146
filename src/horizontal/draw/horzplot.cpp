#include "horizontal/draw/horzplot.h"

#include "horizontal/horztrack.h"
#include "platform/gdi.h"

#include <QString>

#include <algorithm>

namespace horizontal {

namespace {

void Run(const HorzPainters::Step& step, platform::Dc& dc, HorzPlot& plot)
{
    if (step)
        step(dc, plot);
}

}  // namespace

int RecordX(const HorzPlot& plot, std::int32_t depth)
{
    return plot.plotLeft + (depth - plot.plotFirstDepth) * plot.pixelsPerUnit;
}

QString DrawPlot(HorzPlot& plot, const HorzPainters& painters, int visibleLeft)
{
    const HorzViewSettings& s = *plot.settings;
    // 1. The TVD range drawn.
    plot.previousGreatestTvd = plot.greatestTvd;
    const TvdRange range = DrawTvdRange(plot.leastTvd, plot.greatestTvd, plot.plotLastDepth);
    plot.leastTvd = range.least;
    plot.greatestTvd = range.greatest;
    // 2. The tops of the range.
    plot.tops = CollectTops(plot.allTops, plot.drawFrom, plot.greatestTvd);
    // 3. Header, image size, the printout's scale kind.
    if (s.imageFormat != 0)
        plot.headerShown = true;
    plot.plotLeft = plot.headerShown ? kHeaderWidth : kPlotLeftPlain;
    const ImageSize size = PlotImageSize(plot.plotFirstDepth, plot.plotLastDepth, plot.pixelsPerUnit, plot.plotLeft,
                                         plot.clientWidth, plot.clientHeight, plot.scrollHeight);
    plot.printScaleKind = 5;
    // 4. Bands and sections.
    plot.width = size.width;
    plot.height = size.height;
    plot.bands = {};
    if (painters.bandLayout)
        painters.bandLayout(plot);
    plot.tvdSpan = float(plot.greatestTvd - plot.leastTvd);
    SectionInputs in;
    in.leastTvd = plot.leastTvd;
    in.greatestTvd = plot.greatestTvd;
    in.plotFirstDepth = plot.plotFirstDepth;
    in.plotLastDepth = plot.plotLastDepth;
    in.drawFrom = plot.drawFrom;
    in.pixelsPerUnit = plot.pixelsPerUnit;
    in.plotLeft = plot.plotLeft;
    in.pathTop = plot.bands.pathTop;
    in.pathBottom = plot.bands.pathBottom;
    in.sectionMissing = plot.sectionMissing;
    in.scalingAllowed = plot.scalingAllowed;
    in.regionalDip = s.regionalDip;
    static const wellfile::HorzSetupRecord kNone{};
    plot.sections = CheckVerticalSection(plot.setup ? *plot.setup : kNone, in);
    // 5 to 17. The window.
    return RenderWindow(plot, painters, visibleLeft);
}

int WindowWidth(const HorzPlot& plot)
{
    // Room for the screen and pages either side of it: scrolling seldom leaves the window.
    constexpr int kWindow = 8192, kPagesAside = 2000;
    const int wanted = std::max(kWindow, plot.clientWidth + kPagesAside);
    return std::max(1, std::min({plot.width, wanted, platform::kMaxImageSide}));
}

bool WindowHolds(const HorzPlot& plot, int left, int width)
{
    return !plot.image.Empty() && left >= plot.imageLeft && left + width <= plot.imageLeft + plot.image.Width();
}

namespace {

// Steps 5 to 17 into the images in hand, whose columns start at plot.imageLeft.
void RenderSteps(HorzPlot& plot, const HorzPainters& painters)
{
    const HorzViewSettings& s = *plot.settings;
    // 5. Fresh point arrays.
    plot.points = {};
    plot.wellPath.clear();
    plot.pathTrace.clear();
    plot.pathLabels.clear();
    plot.labelBoxes.clear();
    plot.labelPixels.clear();
    plot.pictureFailures.clear();
    // 7. White.
    PlotDc dc(plot, plot.image.image);
    dc.PatBlt(plot.imageLeft, 0, plot.image.Width(), plot.image.Height(), platform::WHITENESS);
    // 8. Path, its trace, track points, picture list, lithology tiles.
    Run(painters.wellPath, dc, plot);
    TraceWellPath(dc, plot);
    // The path traced, the labels it crossed are written whole again; the curves leave them clear too.
    PutBack(dc, plot.labelPixels);
    plot.labelPixels.clear();
    plot.points.count = painters.trackPoints ? painters.trackPoints(plot) : 0;
    // Each section's VS length from the path just walked; stored with the sections.
    for (int i = 0; i < plot.sections.count && i < int(plot.sections.sections.size()); ++i) {
        wellfile::HorzSection& sec = plot.sections.sections[std::size_t(i)];
        auto vs = [&plot](float md) {
            return VsAtDepth(plot.wellPathTable, plot.wellPathRows, std::int32_t(md), plot.fileLastDepth,
                             plot.plotFirstDepth, plot.plotLastDepth);
        };
        sec.sectionVs = vs(sec.endMd) - vs(sec.startMd);
    }
    if (painters.listPictures)
        painters.listPictures(plot);
    if (painters.lithTiles)
        painters.lithTiles(plot);
    // 9. Pictures.
    if (s.drawLithPics && plot.options.pictures)
        DrawPictureBand(dc, plot);
    // 10. Curves and slide marks.
    const std::vector<std::pair<QPoint, QImage>> labels = KeepPixels(dc, plot.labelBoxes);
    if (s.drawGas || !plot.options.customTracks)
        DrawGasCurves(dc, plot);
    DrawSlideMarks(dc, plot);
    if (s.drawRates || !plot.options.customTracks)
        DrawRateCurve(dc, plot);
    if (s.drawGamma && plot.options.gammaData) {
        DrawGammaCurve(dc, plot);
        if (plot.options.thirdCurve)
            DrawThirdCurve(dc, plot);
    }
    if (s.drawWrtGamma)
        DrawWrtGammaCurve(dc, plot);
    PutBack(dc, labels);
    // 11. Show and hardness rows.
    if (s.drawShows)
        DrawShowRows(dc, plot);
    if (plot.options.hardness)
        DrawHardnessRow(dc, plot);
    // 12.
    if (s.drawLithOnWellTrack)
        Run(painters.pathLithology, dc, plot);
    if (plot.targetLoaded)
        Run(painters.targetPath, dc, plot);
    if (!plot.tops.tops.empty() && plot.options.topCrossings)
        Run(painters.topCrossings, dc, plot);
    // 13.
    if (!s.markers.empty())
        DrawMarkers(dc, plot);
    if (plot.surveyDisplay)
        Run(painters.surveyLabels, dc, plot);
    // 14.
    if (plot.headerShown)
        Run(painters.header, dc, plot);
    plot.headerButtonHides = plot.headerShown;
    // 15.
    if (!plot.pictureList.found.empty() && !s.hidePictures)
        Run(painters.pictureMarkers, dc, plot);
    if (plot.anchorGammaLoaded)
        Run(painters.gammaPanel, dc, plot);
    if (s.multipleTargetGammas)
        Run(painters.curveFiles, dc, plot);
    if (plot.targetGammaLoaded)
        Run(painters.targetPanels, dc, plot);
    // 16.
    if (s.drawCustomTracks && plot.options.customTracks)
        Run(painters.customTracks, dc, plot);
    // 17. The copy without the notes (none for columns drawn for a print or a file), then the notes.
    if (!plot.image2.Empty())
        platform::copyimagebits(plot.image, plot.image2);
    if (s.drawMemos)
        Run(painters.notes, dc, plot);
    FreeTrackArrays(plot);
}

}  // namespace

QString RenderWindow(HorzPlot& plot, const HorzPainters& painters, int visibleLeft, int heading)
{
    // Around the columns shown, or ahead of them the way the view is scrolling, two pages kept behind.
    constexpr int kBehind = 1000;
    const int width = WindowWidth(plot);
    const int wanted = heading > 0   ? visibleLeft - kBehind
                       : heading < 0 ? visibleLeft + plot.clientWidth + kBehind - width
                                     : visibleLeft + plot.clientWidth / 2 - width / 2;
    const int left = std::clamp(wanted, 0, std::max(0, plot.width - width));
    // 6. The new images are made before the old ones go: on failure the old window stays.
    platform::ImageDescriptor image, image2;
    if (platform::allocimage(image, width, plot.height, 24) != platform::IMAGE_OK)
        return QStringLiteral("Image Memory allocation failed");
    if (platform::allocimage(image2, width, plot.height, 24) != platform::IMAGE_OK)
        return QStringLiteral("Image2 Memory allocation failed");
    plot.image = std::move(image);
    plot.image2 = std::move(image2);
    plot.imageLeft = left;
    RenderSteps(plot, painters);
    // The header stays in place while the plot scrolls: its columns are kept apart when the window
    // lies right of them.
    plot.headerImage = plot.headerShown && left > 0 ? RenderColumns(plot, painters, 0, plot.plotLeft) : QImage();
    return {};
}

QImage RenderColumns(const HorzPlot& plot, const HorzPainters& painters, int left, int width)
{
    HorzPlot copy = plot;
    platform::ImageDescriptor image;
    if (platform::allocimage(image, width, plot.height, 24) != platform::IMAGE_OK)
        return {};
    copy.image = std::move(image);
    copy.image2 = {};
    copy.imageLeft = left;
    copy.headerImage = {};
    RenderSteps(copy, painters);
    return copy.image.image;
}

bool InWindow(const HorzPlot& plot, int x0, int x1)
{
    if (plot.image.Empty())
        return true;  // drawn without a window: everything counts
    return std::max(x0, x1) >= plot.imageLeft && std::min(x0, x1) < plot.imageLeft + plot.image.Width();
}

std::span<const platform::POINT> PointsInWindow(const HorzPlot& plot, std::span<const platform::POINT> points)
{
    if (plot.image.Empty() || points.empty())
        return points;
    const int lo = plot.imageLeft, hi = plot.imageLeft + plot.image.Width();
    std::size_t first = 0, last = points.size();
    while (first < last && points[first].x < lo)
        ++first;
    while (last > first && points[last - 1].x >= hi)
        --last;
    first = first > 0 ? first - 1 : 0;
    last = std::min(points.size(), last + 1);
    return points.subspan(first, last - first);
}

void FreeTrackArrays(HorzPlot& plot)
{
    const int count = plot.points.count;
    plot.points = {};
    plot.points.count = count;
}

void RestorePlotImage(HorzPlot& plot, const HorzPainters& painters)
{
    if (plot.image.Empty() || plot.image2.Empty())
        return;
    platform::copyimagebits(plot.image2, plot.image);
    PlotDc dc(plot, plot.image.image);
    Run(painters.notes, dc, plot);
}

}  // namespace horizontal
