// The cell tracks of the log body: pictures, survey values, depth labels and the show columns drawn
// inside a custom track.
#include "platform/draw/dc.h"
#include "platform/text.h"
#include "tracks/draw/customrows.h"
#include "tracks/draw/customtrackdraw.h"
#include "tracks/draw/customtracks.h"
#include "tracks/draw/showcolumns.h"
#include "tracks/draw/verticaltext.h"

#include <algorithm>
#include <string>

namespace tracks {

namespace {

using namespace custom;

// Survey lines; the degree sign is the Windows-1252 byte 0xB0.
std::string CompactSurveyLine(const wellfile::RECORD& r)
{
    if (r.inclination > 0.0f)
        return platform::CFormat("%5d' %5.1f' %3.2f\xB0 %3.2f\xB0 %4.1f'", r.depth, double(r.tvd),
                                 double(r.inclination), double(r.azimuth), double(r.verticalSection));
    return platform::CFormat("%5d'%5.1f'", r.depth, double(r.tvd));
}

// Rows of the cell painters that step through every record: five times the rows above scale index 1.
int CellRows(const CustomPass& p) { return p.g.scaleIndex > 1 ? 5 * p.rows.rows : p.rows.rows; }

// The next row's y of the cell painters: a tenth of a row more on the ten-records-a-row scale.
int NextCellY(const CustomPass& p, int y)
{
    double next = y;
    if (TenPerRow(p.g))
        next = Trunc(next + 0.1 * p.rows.rowHeight);
    return Trunc(next + p.rows.rowHeight);
}

}  // namespace

int PaintPictureTrack(layout::CUSTOMDATA& data, CustomPass& p, int track)
{
    const layout::CustomTrackEntry& e = data.paintSet[std::size_t(track)];
    const logview::PaintTarget target{p.dc, p.g, p.device};
    const int R = p.rows.rowHeight, width = e.rightX - e.leftX, rows = CellRows(p);
    const bool actualSize = e.picturesActualSize != 0;
    PendingCells& pending = p.state.pending;
    // -1: the search starts at the first picture, which a picture at the first row's depth must find.
    int picture = -1;
    int y = p.rows.topY;
    for (int k = 0; k < rows; ++k) {
        const wellfile::RECORD* rec = RecordAt(p, k + 1);
        if (!rec)
            break;
        if (k == 0 && p.g.scaleIndex < 3 && pending.picture >= 0 && pending.pictureRemaining > 0) {
            p.neighbours.DrawImageAt(target, pending.picture, p.rows.topY, e.leftX, width, actualSize, true);
            pending.picture = -1;
            pending.pictureRemaining = 0;
            pending.pageBottomY = 0;
        }
        picture = p.neighbours.FindNextImageAtDepth(rec->depth, picture);
        if (picture >= 0 && (data.printing || (long long)y > (long long)p.g.topMargin + R))
            p.neighbours.DrawImageAt(target, picture, y, e.leftX, width, actualSize, false);
        y = NextCellY(p, y);
        if (rec->depth >= p.rows.stopDepth || rec->depth == 0)
            break;
        if (OnScreen(data, p) && (long long)y > (long long)p.g.logBottomY - R)
            break;
        if (p.device.printing && pending.pageBottomY > 0 && (long long)y > (long long)pending.pageBottomY - R)
            break;
    }
    return 1;
}

int PaintSurveyTrack(layout::CUSTOMDATA& data, CustomPass& p, int track)
{
    const layout::CustomTrackEntry& e = data.paintSet[std::size_t(track)];
    const int R = p.rows.rowHeight, rows = CellRows(p);
    const int x = Trunc(e.leftX + R * 0.5);
    const bool colour = !data.printing || p.device.colourPrinting;
    const platform::KeepDcState keep(p.dc);
    p.dc.SelectObject(platform::Font::FromLogFont(data.printing ? p.device.printFonts.survey : p.g.fonts.smallLog));
    if (colour)
        p.dc.SetTextColor(p.g.pens.table[layout::PEN_SURVEY].colour);
    p.dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
    const bool compact = TenPerRow(p.g) && !p.window.surveyDisplay;
    int y = p.rows.topY - R;
    for (int k = 0; k < rows; ++k) {
        const wellfile::RECORD* rec = RecordAt(p, k);
        if (!rec)
            break;
        if (rec->tvd > 0.0f) {
            if (compact) {
                p.dc.TextOut(x, y + 4 * R, CompactSurveyLine(*rec).c_str());
            } else {
                p.dc.TextOut(x, y, platform::CFormat("MD %5d'", rec->depth).c_str());
                p.dc.TextOut(x, y + R, platform::CFormat("TVD %5.1f'", double(rec->tvd)).c_str());
                if (rec->inclination > 0.0f) {
                    p.dc.TextOut(x, y + 2 * R, platform::CFormat("INC %3.2f\xB0", double(rec->inclination)).c_str());
                    p.dc.TextOut(x, y + 3 * R, platform::CFormat("AZM %3.2f\xB0", double(rec->azimuth)).c_str());
                    p.dc.TextOut(x, y + 4 * R, platform::CFormat("VS %4.2f'", double(rec->verticalSection)).c_str());
                }
            }
        }
        y = NextCellY(p, y);
        if (rec->depth >= p.rows.stopDepth || rec->depth == 0)
            break;
    }
    p.dc.MoveTo(e.rightX, p.rows.topY);
    p.dc.LineTo(e.rightX, Trunc(p.rows.topY + double(rows) * R));
    return 1;
}

int PaintTextTrack(layout::CUSTOMDATA& data, CustomPass& p, int track)
{
    const layout::CustomTrackEntry& e = data.paintSet[std::size_t(track)];
    const int R = p.rows.rowHeight;
    const platform::KeepDcState keep(p.dc);
    p.dc.SelectObject(FontOf(data.labelFont));
    p.dc.SetBkMode(platform::TRANSPARENT);
    p.dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
    const bool depths = KindLetter(e) == kDepthKind;
    long long index = TenPerRow(p.g) ? -1 : 1;
    if (TenPerRow(p.g) && !RecordAt(p, index))
        index = 0;  // no record before the first given
    int y = p.rows.topY;
    for (int k = 0; k < p.rows.rows; ++k) {
        const wellfile::RECORD* rec = RecordAt(p, index);
        if (!rec)
            break;
        if (depths && rec->depth % 10 == 0)
            DrawVerticalText(p.dc, platform::CFormat("%d", rec->depth), Trunc(e.leftX + 2.0 * R), y - 2 * R,
                             Trunc(R * 1.5));
        y = NextRowY(data, y, R, k);
        if (rec->depth >= p.rows.stopDepth || rec->depth == 0)
            break;
        index += RecordStep(p.g);
    }
    return 1;
}

int PaintShowTrack(layout::CUSTOMDATA& data, CustomPass& p, int track)
{
    const layout::CustomTrackEntry& e = data.paintSet[std::size_t(track)];
    const int R = p.rows.rowHeight, top = p.rows.topY;
    const Records records = p.rows.records;
    if (records.empty())
        return 1;
    const int rows = CellRows(p);
    // The column painters read rows 0 to `last` from the first record; never past the records given.
    const int last = int(std::min<long long>(rows, (long long)records.size() - 1));
    const Cell cell{e.leftX, e.blockWidth};
    switch (KindLetter(e)) {
    case kFluorescenceKind:
        if (p.g.scaleIndex < 2)
            DrawBoxColumn(p.dc, p.g, p.device, records, 0, R, last, top - R, cell);
        else
            DrawBarColumn2(p.dc, p.g, p.device, records, 0, R, last, top, cell);
        break;
    case kCutKind: {
        Cell cut = cell;
        if (data.printing)
            cut.unit = Trunc(double(e.blockWidth) * double(p.device.printer.scaleFactor));
        DrawCutColumn(p.dc, p.g, p.device, records, 0, R, last, top - R, cut);
        break;
    }
    case kRatingKind: DrawRatingColumn2(p.dc, p.g, p.device, records, 0, R, last, top - R, cell); break;
    default: break;
    }
    return 1;
}

}  // namespace tracks
