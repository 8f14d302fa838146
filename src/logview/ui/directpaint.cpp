#include "logview/ui/directpaint.h"

#include "app/logstate.h"
#include "logview/draw/viewbitmaps.h"
#include "logview/paintrows.h"
#include "logview/ui/paintinputs.h"
#include "platform/draw/dc.h"
#include "wellfile/datafile.h"

#include <algorithm>
#include <new>
#include <vector>

namespace logview {

namespace {

// The offset well's records for the view, from the one above its first row; empty when none is drawn.
std::vector<wellfile::RECORD> OffsetRecords(app::LogState& s, int visibleRows)
{
    wellfile::OpenWell& well = s.well.file;
    const std::int32_t top = well.viewTopDepth;
    if (!OffsetShown(s))
        return {};
    const std::int32_t k = (top - well.offsetTopDepth) / 2;
    if (k < 0)
        return {};
    std::vector<wellfile::RECORD> buffer(std::size_t(2 * visibleRows + 20));
    if (wellfile::ReadRecords(well, buffer, s.well.offset.file, k, 2 * visibleRows + 10, true) == 0)
        return {};
    return buffer;
}

enum class Run { Screen, OffScreen, Image };

std::optional<PaintResult> Draw(app::LogState& s, platform::Dc& dc, const ViewGeometry& g, Run run, const Device& device,
                                bool header)
{
    const bool offScreen = run != Run::Screen;
    wellfile::OpenWell& well = s.well.file;
    const int step = well.depthStep > 0 ? well.depthStep : 1;
    const int recordIndex = (well.viewTopDepth - well.fileTopDepth) / step;
    const int visibleRows = std::max(s.layout.format.visibleRows, 0);
    const int readCount = PaintReadCount(visibleRows);
    const std::size_t bufferSize = std::size_t(PaintBufferSize(visibleRows));
    const bool dragEntry = s.interaction.dataEntryActive != 0;
    const bool fillCache = !offScreen && !well.drilling;

    std::vector<wellfile::RECORD> own;
    Records records;
    if (!PaintBuffer(s, bufferSize, own, records))
        return std::nullopt;
    try {
        if (fillCache && s.view.recordCache.size() < bufferSize)
            s.view.recordCache.resize(bufferSize);  // made by the first paint, grown with the window
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }

    PaintFrame frame{g, device, StripsOf(s), PaintersOf(s)};
    frame.dataFile = !well.dataFileName.isEmpty();
    frame.dragEntry = dragEntry;
    frame.count = readCount;
    std::vector<wellfile::RECORD> offset;
    if (frame.dataFile && !dragEntry) {
        frame.count = wellfile::ReadRecords(well, own, well.dataFileName, recordIndex, readCount);
        offset = OffsetRecords(s, visibleRows);
    }
    frame.count = std::min<int>(frame.count, int(records.size()) - 1);
    if (frame.dataFile && !dragEntry && fillCache)
        std::copy_n(records.begin(), std::min<std::size_t>(std::size_t(std::max(frame.count, 0)), s.view.recordCache.size()),
                    s.view.recordCache.begin());
    frame.records = records;
    frame.offsetRecords = offset;
    RateCurveMemory memoryCopy;
    FillSharedFrame(s, frame, offScreen, memoryCopy);
    frame.gasPercentOfTotal = s.options.gasPercent;
    frame.singleGas = !s.layout.format.twoGasTracks;
    frame.gammaLag = s.layout.schemes.gammaLag;
    frame.downtime = s.well.downtimeDepthIndex;
    // The off-screen render leaves the pictures and their markers to the paint.
    frame.pictures = run != Run::OffScreen && s.view.picturesShown && s.pictures.loaded;
    frame.imageMarkers = run == Run::Screen && s.pictures.loaded && !s.pictures.all.empty();
    frame.imageLog = run == Run::Image;
    if (run == Run::Image && !header)
        frame.trackTitles = nullptr;
    if (frame.dataFile)
        frame.custom = CustomRecordsAt(s, 1);
    return PaintLog(dc, frame);
}

}  // namespace

std::optional<PaintResult> DrawDirectLog(app::LogState& s, platform::Dc& dc, const ViewGeometry& g, bool offScreen)
{
    return Draw(s, dc, g, offScreen ? Run::OffScreen : Run::Screen, Device::Screen(), false);
}

std::optional<PaintResult> DrawImageLog(app::LogState& s, platform::Dc& dc, const ViewGeometry& g, const Device& device,
                                        bool header)
{
    return Draw(s, dc, g, Run::Image, device, header);
}

}  // namespace logview
