#include "logview/ui/logbodypaint.h"

#include "app/logstate.h"
#include "logview/compressedrows.h"
#include "logview/draw/logbody.h"
#include "logview/draw/viewbitmaps.h"
#include "logview/geometryof.h"
#include "logview/ui/logimage.h"
#include "logview/ui/paintinputs.h"
#include "platform/draw/dc.h"
#include "wellfile/datafile.h"

#include <algorithm>
#include <new>
#include <optional>
#include <vector>

namespace logview {

namespace {

// The offset well's records from its index for the view top, and how many its curve keeps; empty when
// none is drawn.
std::vector<wellfile::RECORD> OffsetRecords(app::LogState& s, std::size_t size, int readCount, int& kept)
{
    wellfile::OpenWell& well = s.well.file;
    const std::int32_t top = well.viewTopDepth;
    kept = readCount;
    if (!OffsetShown(s))
        return {};
    const int index = CompressedOffsetIndex(top, well.offsetTopDepth, s.view.viewScale);
    if (index < 0)
        return {};  // nothing read: no curve over blank records
    std::vector<wellfile::RECORD> buffer;
    try {
        buffer.assign(size, wellfile::RECORD{});
    } catch (const std::bad_alloc&) {
        return {};
    }
    kept = wellfile::ReadRecords(well, buffer, s.well.offset.file, index, readCount, true);
    if (kept == 0)
        return {};
    return buffer;
}

}  // namespace

std::optional<BodyResult> DrawCompressedBody(app::LogState& s, platform::Dc& dc, const ViewGeometry& g, bool offScreen)
{
    wellfile::OpenWell& well = s.well.file;
    const BodyStart start = CompressedStart(well.viewTopDepth, well.fileTopDepth, well.depthStep);
    const int visibleRows = std::max(s.layout.format.visibleRows, 0);
    // Twenty records a visible row; enough for every row of a taller geometry too.
    const int readCount = std::max(visibleRows * 20, (std::max(g.visibleRows, 0) + 2) * kRecordsPerCompressedRow);
    const std::size_t bufferSize = std::size_t(readCount) + 10;
    const bool dragEntry = s.interaction.dataEntryActive != 0;

    std::vector<wellfile::RECORD> own;
    Records records;
    if (!PaintBuffer(s, bufferSize, own, records))
        return std::nullopt;

    const Device device = Device::Screen();
    BodyFrame frame{g, device, StripsOf(s), PaintersOf(s)};
    std::vector<wellfile::RECORD> offset;
    if (!dragEntry) {
        wellfile::ReadRecords(well, own, well.dataFileName, start.readIndex, readCount);
        offset = OffsetRecords(s, bufferSize, readCount, frame.offsetKept);
    }
    frame.records = records;
    frame.firstElement = dragEntry ? kRecordsPerCompressedRow : start.firstElement;
    frame.dragEntry = dragEntry;
    frame.recordCurveOffset = s.layout.schemes.gammaLag;
    frame.markFont = s.view.markFont;
    frame.custom = CustomRecordsAt(s, 0);
    frame.offsetRecords = offset;
    RateCurveMemory memoryCopy;
    FillSharedFrame(s, frame, offScreen, memoryCopy);
    return PaintLogBody(dc, frame);
}

int DrawLogBody(app::LogState& s, platform::Dc& dc)
{
    wellfile::OpenWell& well = s.well.file;
    if (well.dataFileName.isEmpty()) {
        // No file dialog from inside a paint: the window asks for a file once the paint is over.
        s.view.openPending = true;
        return 0;
    }
    well.viewTopDepth = CompressedTop(well.viewTopDepth, well.fileTopDepth, well.fileBottomDepth);
    const std::optional<BodyResult> painted = DrawCompressedBody(s, dc, GeometryOf(s), false);
    if (!painted) {
        s.view.paintFailure = QStringLiteral("Not enough memory to draw log");
        s.view.paintFailureUncaptioned = false;
        return 0;
    }
    const BodyResult& r = *painted;
    s.view.logAreaBottom = r.logBottomY;
    s.view.currentRowY = s.view.lastRowY = r.currentRowY;
    s.view.rowCounter = r.rowCounter;
    s.view.lineEndX = r.lineEndX;
    s.view.bottomDepth = r.bottomDepth;
    PaintLogImage(s, dc);
    if (r.redrawPending)
        s.view.redrawPending = true;
    return 1;
}

}  // namespace logview
