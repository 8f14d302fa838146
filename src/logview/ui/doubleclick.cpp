#include "logview/ui/doubleclick.h"

#include "app/logstate.h"
#include "app/notes.h"
#include "app/scrolling.h"
#include "app/wellsettings.h"
#include "elog/curves.h"
#include "elog/curveset.h"
#include "entry/entry_services.h"
#include "logview/geometryof.h"
#include "logview/logview_services.h"
#include "logview/ui/boxdrags.h"
#include "logview/ui/mousewindow.h"
#include "logview/ui/readoutbox.h"
#include "platform/services.h"
#include "platform/text.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace logview {

namespace {

constexpr int kMemoWalk = 50;  // memos tried from the first one on the screen

struct DoubleClick {
    MousePoint p;
    std::int32_t depth = 0;  // the even depth of the clicked row
    bool ctrl = false;
};

// A memo's box as last drawn (the record is packed: copied out, never referenced).
platform::RECT BoxOf(const wellfile::SVMEMO& memo)
{
    platform::RECT r;
    std::memcpy(&r, reinterpret_cast<const char*>(&memo) + offsetof(wellfile::SVMEMO, box), sizeof r);
    return r;
}

// A note's rectangle over the descriptions column: from half a unit into it, as wide as its text room.
void DescriptionSpan(const ViewGeometry& g, platform::RECT& r)
{
    r.left = std::int32_t(g.description.left + 0.5 * g.unitWidth);
    r.right = r.left + g.description.count * g.description.cell + g.unitWidth;
}

// Memos on the screen, from the first one drawn, are edited by their box; elsewhere a new note starts.
bool EditNote(app::LogState& s, const ViewGeometry& g, const DoubleClick& c, bool descriptionsOn)
{
    const int x = c.p.logX, y = c.p.y, U = g.unitWidth;
    const bool notesShown = g.Flag(layout::FLAG_MEMOS);
    const bool floating = notesShown && !g.Flag(layout::FLAG_DESCRIPTIONS);
    const int anchor = g.description.left, descRight = anchor + g.description.count * U;
    const bool outsideDescriptions = !(anchor < x && x < descRight);
    // A description in the descriptions column opens where it stands while the column is shown; the
    // rest of the column starts no note.
    const bool inShownColumn = notesShown && descriptionsOn && !outsideDescriptions && !floating;
    if (c.ctrl || !(floating || (notesShown && descriptionsOn && outsideDescriptions) || inShownColumn))
        return false;
    if (!(g.topMargin < y && y < s.view.logAreaBottom))
        return false;
    const int lithLeft = g.lithology.left;
    if (!(x < lithLeft || (lithLeft + 10 * U < x && x < g.logWidth - 2 * U)))
        return false;

    app::NoteState& n = s.notes;
    const int count = std::min<int>(n.memoCount, int(n.memos.size()));
    // A memo's box starts a row and a half above the row of its depth (an odd depth is drawn at the even
    // one below it). The memos are sorted by depth: those deeper than the row two rows below the click
    // cannot reach up to it, nor can the boxes left from an earlier paint below the screen.
    const std::int32_t reach =
        app::DepthAtRow(app::RowGeometryOf(s), std::min(y + 2 * g.rowHeight, s.view.logAreaBottom));
    for (int i = std::max(n.drawing.hits.firstMemo, 0), walked = 0; i < count && walked < kMemoWalk; ++i, ++walked) {
        const wellfile::SVMEMO& memo = n.memos[std::size_t(i)];
        if (memo.depth > reach)
            break;
        platform::RECT r = BoxOf(memo);
        if (!r.Contains(x, y))
            continue;
        n.currentMemo = i;
        n.editMode = 1;
        if (memo.description) {
            DescriptionSpan(g, r);
            r.bottom += 10 * g.rowHeight;
        }
        if (!outsideDescriptions && !descriptionsOn)
            n.firstColumnNote = memo.description != 0;
        n.editRect = r;
        app::OpenNoteEdit(s, r, QByteArray::fromStdString(platform::FieldText(memo.text)));
        return true;
    }
    if (inShownColumn)
        return false;
    platform::RECT r{};
    if (anchor <= x && x < descRight) {
        DescriptionSpan(g, r);
        n.firstColumnNote = true;
    } else {
        r.left = x;
        r.right = x + 200;
    }
    r.top = y;
    r.bottom = y + 15 * g.rowHeight;
    n.editRect = r;
    app::OpenNoteEdit(s, r);
    return true;
}

// The band under the rate track steps the gamma scale: with e-log curves shown the curve set's own
// index, which the view's takes over; else the view's, while its gamma curve is on. The well's
// settings keep the new index.
void StepGamma(app::LogState& s, const ViewGeometry& g, const DoubleClick& c)
{
    const int B = s.view.logAreaBottom, R = g.rowHeight;
    if (!(g.rate.left < c.p.logX && c.p.logX < g.rate.Right() && B + 2 < c.p.y && c.p.y < B + 2 * R + 2))
        return;
    const int centre = int(g.rate.left + g.rate.count * 0.5 * g.rate.cell);
    const bool up = c.p.logX > centre;
    int index = 0;
    if (elog::Curves* curves = s.engines.elogCurves.get(); curves && s.view.elogShown) {
        index = curves->gammaScaleIndex = StepGammaIndex(curves->gammaScaleIndex, up);
        elog::PrepareCurveDrawing(s.engines, s.layout);
    } else if (g.Flag(layout::FLAG_FIRST_CURVE))
        index = StepGammaIndex(s.well.config.curveSetting, up);
    else
        return;
    s.well.config.curveSetting = index;
    s.view.Invalidate();
    // A settings file that cannot be read is left as it is; the view keeps the new scale.
    app::UpdateWellConfig(s, [index](wellfile::WellConfig& cfg) {
        cfg.curveSetting = index;
        return true;
    });
}

entry::EntryServices* Entry(const MouseContext& m) { return m.window.entry ? m.window.entry() : nullptr; }

// The entry command of the clicked column, asked to start at the clicked depth.
void StartEntry(app::LogState& s, const MouseContext& m, const ViewGeometry& g, const DoubleClick& c)
{
    const bool textViews = m.window.textViewsOpen && m.window.textViewsOpen();
    if (s.interaction.commandLock || s.interaction.dataEntryActive || textViews) {
        platform::MessageBeep(0);
        return;
    }
    if (!(g.topMargin < c.p.y && c.p.y < s.view.logAreaBottom))
        return;
    entry::EntryServices* entry = Entry(m);
    if (!entry)
        return;
    const int x = c.p.logX, U = g.unitWidth, D = c.depth;
    const wellfile::OpenWell& f = s.well.file;
    app::MouseEntryRequest& r = s.interaction.mouseEntry;
    const int lithLeft = g.lithology.left, interpLeft = g.Interpreted().left;
    const bool showsShown = g.porosity.Width() > 0;  // a layout without the show columns has none to hit
    const auto lithology = [&] {
        r.set = true;
        const bool inside = (long long)f.fileTopDepth + 10 < D && D < s.entry.lithologyResumeDepth;
        r.lithologyDepth = inside ? D : 0;
        entry->CmEnterLithology(s);
    };
    // The gas and rate entries start at the depth only well inside the file.
    const auto atDepth = [&](std::int32_t& start) {
        r.set = true;
        start = D;
        if (D >= f.fileBottomDepth || (long long)D < (long long)f.fileTopDepth + 50) {
            r.set = false;
            start = 0;
        }
    };
    if (lithLeft <= x && x <= lithLeft + 10 * g.lithology.cell) {
        lithology();
    } else if (c.ctrl && interpLeft <= x && x <= interpLeft + 10 * g.InterpretedCell()) {
        r.interpreted = true;
        lithology();
    } else if (c.ctrl && g.gas.left <= x && x <= g.gasRight) {
        atDepth(r.gasDepth);
        entry->CmEnterGas(s);
    } else if (c.ctrl && g.rate.left < x && x <= g.rate.Right()) {
        atDepth(r.rateDepth);
        entry->CmEnterRates(s);
    } else if ((c.ctrl && interpLeft + 10 * U < x && x < lithLeft) ||
               (showsShown && g.porosity.left <= x && x <= g.porosity.Right()) ||
               (showsShown && g.porosity.left < x && x < g.cut.Right())) {
        entry->CmEnterShows(s);
    }
}

}  // namespace

int StepGammaIndex(int index, bool up)
{
    if (up)
        return index >= 1 && index < 9 ? index + 1 : 1;
    return index > 1 && index <= 9 ? index - 1 : 9;
}

void LeftButtonDoubleClick(app::LogState& s, const MouseContext& m, int x, int y, unsigned keys)
{
    if (s.notes.edit && s.notes.edit->IsOpen())
        return;
    const ViewGeometry g = GeometryOf(s);
    DoubleClick c;
    c.ctrl = (keys & MK_CONTROL) != 0;
    y -= y % 2;
    c.p = PointOf(g, x, y);
    const std::int32_t d = app::DepthAtRow(app::RowGeometryOf(s), y);
    c.depth = d - d % 2;
    const bool descriptionsOn = g.Flag(layout::FLAG_DESCRIPTIONS) || g.profile == 62;
    if (EditNote(s, g, c, descriptionsOn)) {
        // The double-click's first press showed a read-out under the edit box; it would stand there once
        // the box closes.
        m.readout.Hide();
        return;
    }
    StepGamma(s, g, c);
    StartEntry(s, m, g, c);
}

}  // namespace logview
