#include "logview/ui/paintinputs.h"

#include "app/layouthosts.h"
#include "app/logstate.h"
#include "elog/curveset.h"
#include "logview/depthcolumnoptions.h"
#include "logview/draw/logbody.h"
#include "logview/draw/logpaint.h"
#include "logview/draw/viewbitmaps.h"
#include "logview/ui/titlerowpaint.h"
#include "wellfile/datafile.h"

#include <algorithm>
#include <new>

namespace logview {

CustomRecords CustomRecordsAt(app::LogState& s, long long offset)
{
    app::CustomTracks& c = s.customTracks;
    const wellfile::OpenWell& well = s.well.file;
    if (!s.well.customTracksEnabled || !c.data)
        return {};
    const long long span = (long long)well.fileBottomDepth - well.fileTopDepth;
    if (span < 0)
        return {};
    bool fresh = false;
    if (c.rows.empty()) {
        // Never more than the data file holds: a damaged range must not size the buffer.
        const long long want = std::min<long long>(span + 510, wellfile::RecordsInDataFile(well.dataFileName) + 510);
        c.rows.assign(std::size_t(want), wellfile::CUSTDATAREC{});
        c.sizeMark = well.fileBottomDepth;
        fresh = true;
    }
    if (fresh || !well.drilling) {
        const int count = int(std::min<long long>(span + 500, (long long)c.rows.size() - 1));
        if (wellfile::ReadCustomRecords(well, c.rows, well.customDataFileName, 0, count) == 0) {
            c.rows.clear();
            c.rows.shrink_to_fit();
            c.data.reset();
            app::RefreshCustomTrackHost(s);
            layout::LoadCustomTracks(c.host, c.data, false);
            return {};
        }
    }
    // An object made when the tracks were switched on or the well opened is prepared before its first
    // paint: without its track layout it would paint nothing.
    if (!c.data->loaded) {
        app::RefreshCustomTrackHost(s);
        c.data->Load();
    }
    // A well of twenty units or less has no custom tracks drawn; its records are still read above.
    if ((long long)well.fileTopDepth + 20 >= well.fileBottomDepth)
        return {};
    const long long index = (long long)well.viewTopDepth - well.fileTopDepth + offset;
    if (index < 0 || index >= (long long)c.rows.size())
        return {};
    return CustomRecords{c.rows, std::size_t(index)};
}

bool PaintBuffer(app::LogState& s, std::size_t size, std::vector<wellfile::RECORD>& own, Records& records)
{
    try {
        if (s.interaction.dataEntryActive != 0) {
            // The entry's records, grown with the window (the new ones blank): it is never read past.
            if (s.interaction.dataEntryRecords.size() < size)
                s.interaction.dataEntryRecords.resize(size);
            records = s.interaction.dataEntryRecords;
        } else {
            own.assign(size, wellfile::RECORD{});
            records = own;
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

const GridStrips& StripsOf(const app::LogState& s)
{
    static const GridStrips none;
    return s.view.bitmaps ? s.view.bitmaps->grid : none;
}

NeighbourPainters& PaintersOf(const app::LogState& s) { return s.view.painters ? *s.view.painters : NoNeighbourPainters(); }

bool OffsetShown(const app::LogState& s)
{
    const wellfile::OpenWell& well = s.well.file;
    const std::int32_t top = well.viewTopDepth;
    return s.options.offsetRop && !s.well.offset.file.isEmpty() && top >= well.offsetTopDepth &&
           top < well.offsetBottomDepth;
}

template <class Frame>
void FillSharedFrame(app::LogState& s, Frame& frame, bool offScreen, RateCurveMemory& memoryCopy)
{
    frame.elogShown = offScreen ? s.view.elogShown : (s.view.elogShown = elog::ElogShown(s.engines, s.layout));
    // The depth match's outline follows the layout of this paint (a changed scale, width or pen table).
    if (s.engines.elogCurves && frame.elogShown)
        elog::PrepareCurveDrawing(s.engines, s.layout);
    frame.horizontalBar = s.scroll.horizontalBar;
    frame.flareMode = s.layout.flareTrack;
    frame.memos = s.notes.memoCount > 0;
    frame.shortReports = !s.well.config.hideShortReports && !s.shortReports.reports.empty();
    frame.shows = s.well.showDepthIndex;
    frame.dsts = s.well.dstDepthIndex;
    frame.reports = s.well.reportDepthIndex;
    memoryCopy = s.view.rateCurve;
    frame.curve.drilling = s.well.file.drilling;
    frame.curve.memory = offScreen ? &memoryCopy : &s.view.rateCurve;
    frame.depthColumn = DepthColumnOptionsOf(s);
    frame.trackTitles = [&s, &frame](platform::Dc& d) {
        PaintTrackTitles(s, d, d.Image() ? d.Image()->width() : 0, frame.painters);
    };
}

template void FillSharedFrame<PaintFrame>(app::LogState&, PaintFrame&, bool, RateCurveMemory&);
template void FillSharedFrame<BodyFrame>(app::LogState&, BodyFrame&, bool, RateCurveMemory&);

}  // namespace logview
