#include "logview/ui/renderlog.h"

#include "app/logstate.h"
#include "logview/compressedrows.h"
#include "logview/draw/viewbitmaps.h"
#include "logview/geometryof.h"
#include "logview/paintrows.h"
#include "logview/ui/directpaint.h"
#include "logview/ui/logbodypaint.h"
#include "platform/draw/dc.h"

#include <QImage>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <utility>

namespace logview {

namespace {

// The rows the ten-foot log draws below the window's own.
constexpr int kTenFootExtraRows = 18;

// A render runs at idle time, where a message box would come from nowhere: a failure is said once on
// the error stream and the last image stays.
void ReportNoMemory()
{
    static bool said = false;
    if (!std::exchange(said, true))
        std::fprintf(stderr, "strativm: not enough memory to render the off-screen log; horizontal scrolling shows the last one\n");
}

// A white image for a render, or a null one when it cannot be had.
QImage RenderImage(int width, int height)
{
    if (width <= 0 || height <= 0)
        return {};
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    image.setDevicePixelRatio(1);
    image.fill(Qt::white);
    return image;
}

// As tall as the window's own paint draws: its rows and the one more below them with the closing line,
// and the scale heads under the log, down to the client's bottom. A shorter image would leave the last
// row and the heads standing while the rest of the log scrolls sideways.
int OffScreenLogHeight(const ViewGeometry& g)
{
    const int rowsDrawn = std::max(g.topMargin + (std::max(g.visibleRows, 0) + 1) * g.rowHeight + 1, 1);
    return std::max(rowsDrawn, g.clientHeight);
}

}  // namespace

void RenderLog(app::LogState& s)
{
    if (s.view.firstPaint || s.view.elogImport || s.scroll.renderingImage || !s.scroll.horizontalBar || !s.view.bitmaps)
        return;
    if (s.view.viewScale >= 3) {
        RenderTenFootLog(s);
        return;
    }
    wellfile::OpenWell& well = s.well.file;
    well.viewTopDepth = PaintTop(well.viewTopDepth, well.fileTopDepth, well.fileBottomDepth, well.viewDepthSpan);
    ViewGeometry g = GeometryOf(s);
    g.horizontalScroll = 0;
    QImage image = RenderImage(g.logWidth, OffScreenLogHeight(g));
    if (image.isNull()) {
        ReportNoMemory();
        return;
    }
    std::optional<PaintResult> drawn;
    {
        platform::Dc dc(image);
        drawn = DrawDirectLog(s, dc, g, true);
    }
    if (!drawn) {
        ReportNoMemory();
        return;
    }
    s.view.bitmaps->offScreenLog = std::move(image);
}

int RenderTenFootLog(app::LogState& s)
{
    wellfile::OpenWell& well = s.well.file;
    if (s.view.elogImport || !s.view.bitmaps || well.dataFileName.isEmpty())
        return 0;
    well.viewTopDepth = CompressedTop(well.viewTopDepth, well.fileTopDepth, well.fileBottomDepth);
    ViewGeometry g = GeometryOf(s);
    g.horizontalScroll = 0;
    g.visibleRows = std::max(g.visibleRows, 0) + kTenFootExtraRows;
    QImage image = RenderImage(g.logWidth + 2 * g.unitWidth, g.visibleRows * g.rowHeight);
    if (image.isNull()) {
        ReportNoMemory();
        return 0;
    }
    std::optional<BodyResult> drawn;
    {
        platform::Dc dc(image);
        drawn = DrawCompressedBody(s, dc, g, true);
    }
    if (!drawn) {
        ReportNoMemory();
        return 0;
    }
    s.view.bitmaps->offScreenLog = std::move(image);
    return 1;
}

}  // namespace logview
