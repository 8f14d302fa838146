#include "logview/ui/logimage.h"

#include "app/logstate.h"
#include "logview/draw/logimage.h"
#include "logview/draw/viewbitmaps.h"
#include "logview/geometryof.h"
#include "logview/ui/paintinputs.h"
#include "platform/draw/dc.h"
#include "platform/draw/imagelib.h"
#include "wellfile/datafile.h"

#include <new>
#include <vector>

namespace logview {

namespace {

void Fail(app::LogState& s, const char* text, bool captioned)
{
    s.view.paintFailure = QString::fromLatin1(text);
    s.view.paintFailureUncaptioned = !captioned;
}

LogImageStrip StripOf(const app::LogState& s, const ViewGeometry& g, int clientWidth)
{
    LogImageStripInputs in;
    in.logRight = g.logWidth;
    in.logBottom = s.view.logAreaBottom;
    in.logWidth = g.logWidth;
    in.scrollBarWidth = s.view.scrollBarWidth;
    in.unitWidth = g.unitWidth;
    in.clientWidth = clientWidth;
    in.profile = g.profile;
    in.singleGas = !g.splitGas;
    return PlaceLogImageStrip(in);
}

}  // namespace

bool HasLogImage(const app::LogState& s) { return s.view.bitmaps && !s.view.bitmaps->logImage.Empty(); }

void CreateLogImage(app::LogState& s, platform::Dc* window)
{
    wellfile::OpenWell& well = s.well.file;
    if (!s.view.bitmaps || well.dataFileName.isEmpty() || !LogImageFits(well.fileTopDepth, well.fileBottomDepth))
        return;
    ViewBitmaps& bitmaps = *s.view.bitmaps;
    const ViewGeometry g = GeometryOf(s);
    const int clientWidth = bitmaps.backingStore.isNull() ? g.logWidth : bitmaps.backingStore.width();
    s.view.imageStrip = StripOf(s, g, clientWidth);
    const LogImageStrip& strip = s.view.imageStrip;
    if (window)
        window->Rectangle(strip.left, 0, strip.right, strip.bottom);

    const int rows = LogImageRows(well.fileTopDepth, well.fileBottomDepth);
    const int height = LogImageHeight(rows, g.rowHeight);
    const ViewGeometry build = LogImageGeometry(g, height);
    const int width = build.gasRight + 2 * g.unitWidth;
    const int step = well.depthStep > 0 ? well.depthStep : 1;
    const long long count = ((long long)well.fileBottomDepth - well.fileTopDepth) / step + 10;

    std::vector<wellfile::RECORD> records;
    try {
        records.assign(std::size_t(count), wellfile::RECORD{});
    } catch (const std::bad_alloc&) {
        Fail(s, "Not enough memory to create image", true);
        return;
    }
    FreeLogImage(s);
    platform::ImageDescriptor image;
    if (platform::allocimage(image, width, height, 24) != platform::IMAGE_OK) {
        Fail(s, "Memory allocation failed", false);
        return;
    }
    s.view.imageBuild = true;
    wellfile::ReadRecords(well, records, well.dataFileName, 0, int(count));
    {
        Device device = Device::Screen();
        device.imageTotalOnly = true;
        LogImageFrame frame{build, device, PaintersOf(s), records, rows, width, height, {}};
        platform::Dc dc(image.image);
        DrawLogImage(dc, frame);
    }
    bitmaps.logImage = std::move(image);
    s.view.imagePixelsPerUnit = LogImagePixelsPerUnit(strip.bottom, well.fileTopDepth, well.fileBottomDepth);
    s.view.imageY = LogImageY(well.viewTopDepth, well.fileTopDepth, s.view.imagePixelsPerUnit);
    s.view.imageBuild = false;
    s.view.rowCounter = 0;
}

void StretchLogImage(app::LogState& s, platform::Dc& dc)
{
    if (!HasLogImage(s))
        return;
    const platform::KeepDcState keep(dc);
    dc.SetViewportOrg(0, 0);  // the strip stays put while the log scrolls
    if (!StretchImageIntoStrip(dc, s.view.bitmaps->logImage.image, s.view.imageStrip, s.view.imageY,
                               s.layout.format.pixelsPerStep))
        Fail(s, "Zoom Image Failed ", false);
}

void FreeLogImage(app::LogState& s)
{
    if (s.view.bitmaps)
        platform::freeimage(s.view.bitmaps->logImage);
}

void PaintLogImage(app::LogState& s, platform::Dc& dc)
{
    if (!s.view.logImageMode || s.view.imageBuild)
        return;
    // The paint drew the log anew: a depth label over the strip went with it.
    s.interaction.mouse.stripLabel = false;
    if (s.view.bitmaps)
        s.view.bitmaps->stripLabelArea = QImage();
    if (!HasLogImage(s))
        CreateLogImage(s, &dc);
    if (!HasLogImage(s))
        return;
    const wellfile::OpenWell& well = s.well.file;
    s.view.imageY = LogImageY(well.viewTopDepth, well.fileTopDepth, s.view.imagePixelsPerUnit);
    StretchLogImage(s, dc);
}

}  // namespace logview
