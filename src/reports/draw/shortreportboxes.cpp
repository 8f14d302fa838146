#include "reports/draw/shortreportboxes.h"

#include "logview/memoslot.h"
#include "platform/draw/dc.h"
#include "platform/numbers.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace reports {

namespace {

using platform::COLORREF;
using platform::RECT;

constexpr COLORREF kBlack = platform::RGB(0, 0, 0);
constexpr COLORREF kWhite = platform::RGB(255, 255, 255);
constexpr std::uint16_t kBlackTextLogger = 68;  // this company's boxes are always written in black
constexpr int kMechanicalLines = 7;
constexpr int kMudLines = 14;

// A text field up to its NUL, never past its width.
std::string Field(const char* field, std::size_t width) { return std::string(field, strnlen(field, width)); }
#define FIELD(r, name) Field((r).name, sizeof((r).name))

// The drilling-parameter lines by their place (an absent line is empty and keeps its place).
using MechanicalLines = std::array<std::string, kMechanicalLines>;

std::string Labelled(const char* label, const std::string& value) { return value.empty() ? value : label + value; }

MechanicalLines FullMechanicalLines(const wellfile::QREPORT& r)
{
    const std::string mmrpm = FIELD(r, mmrpm);
    return {Labelled("WOB  ", FIELD(r, wob)), Labelled("RPM  ", FIELD(r, rpm)),
            platform::LeadingDouble(mmrpm) > 0 ? Labelled("MRPM  ", mmrpm) : std::string(),
            Labelled("PP  ", FIELD(r, pumpPressure)), Labelled("SPM  ", FIELD(r, spm)),
            FIELD(r, mechanicalCustom1), FIELD(r, mechanicalCustom2)};
}

// The rest of a cut box keeps its custom lines: the page that cut it did not draw them.
MechanicalLines CompactMechanicalLines(const wellfile::QREPORT& r)
{
    return {Labelled("WOB  ", FIELD(r, wob)), Labelled("RPM  ", FIELD(r, rpm)), Labelled("MRPM  ", FIELD(r, mmrpm)),
            Labelled("PP  ", FIELD(r, pumpPressure)), Labelled("SPM  ", FIELD(r, spm)), FIELD(r, mechanicalCustom1),
            FIELD(r, mechanicalCustom2)};
}

// The mud lines packed in order, absent ones taking no place.
struct MudLines {
    std::array<std::string, kMudLines> text;
    int count = 0;
    void Add(std::string line)
    {
        if (!line.empty() && count < kMudLines)
            text[std::size_t(count++)] = std::move(line);
    }
    // A value starting with "<" stands without its label; FIL CK keeps the "<".
    void AddValue(const char* label, const std::string& value, bool keepLess = false)
    {
        if (!value.empty() && value[0] == '<')
            Add(keepLess ? value : value.substr(1));
        else
            Add(Labelled(label, value));
    }
    void AddCustom(const wellfile::QREPORT& r)
    {
        Add(FIELD(r, mudCustom1));
        Add(FIELD(r, mudCustom2));
        Add(FIELD(r, mudCustom3));
        Add(FIELD(r, mudCustom4));
    }
};

MudLines FullMudLines(const wellfile::QREPORT& r)
{
    MudLines m;
    m.AddValue("WT IN     ", FIELD(r, weightIn));
    m.AddValue("WT OUT ", FIELD(r, weightOut));
    m.AddValue("VIS   ", FIELD(r, vis));
    m.AddValue("PH   ", FIELD(r, ph));
    m.AddValue("CHL   ", FIELD(r, chlorides));
    m.AddValue("FIL   ", FIELD(r, filtrate));
    m.AddValue("FIL/CK   ", FIELD(r, filterCake), true);
    m.AddValue("SOL  ", FIELD(r, solids));
    m.AddValue("YP  ", FIELD(r, yp));
    m.AddValue("PV  ", FIELD(r, pv));
    m.AddCustom(r);
    return m;
}

template <class Lines>
int Widest(const platform::Dc& dc, const Lines& lines)
{
    int w = 0;
    for (const std::string& line : lines)
        if (!line.empty())
            w = std::max(w, int(dc.GetTextExtent(line.data(), int(line.size())).cx));
    return w;
}

void Text(platform::Dc& dc, int x, int y, const std::string& line) { dc.TextOut(x, y, line.data(), int(line.size())); }

// The frame of a box, filled with its background (white for none).
void Frame(platform::Dc& dc, const RECT& box, COLORREF background)
{
    const platform::KeepDcState keep(dc);
    dc.SelectObject(platform::Brush(background != kBlack ? background : kWhite));
    dc.SelectObject(platform::Pen(kBlack));
    dc.Rectangle(box);
}

// The boxes' font: the log's text font (on paper the print font), made smaller when a line of it would
// be taller than the row the lines step by.
void SelectBoxFont(const ShortReportTarget& t, int rowHeight)
{
    platform::LOGFONTA font = t.device.printing ? t.device.printFonts.text : t.g.fonts.smallLog;
    t.dc.SelectObject(platform::Font::FromLogFont(font));
    if (rowHeight > 0 && t.dc.GetTextMetrics().tmHeight > rowHeight) {
        font.lfHeight = rowHeight;  // positive: the cell height
        font.lfWidth = 0;
        t.dc.SelectObject(platform::Font::FromLogFont(font));
    }
}

template <class Lines>
int Present(const Lines& lines)
{
    return int(std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return !l.empty(); }));
}

// The x of a cut box's rest: its slot and offset as on the printed log (slot 0 at the log's left edge).
int RestX(const ShortReportTarget& t, std::int32_t slot, std::int32_t offset, int xOverride)
{
    const logview::Device& d = t.device;
    const double factor = double(d.printer.rowSize / 10) * d.printer.scaleFactor * (d.narrowFormat ? 0.88 : 1.0);
    int x = int(logview::MemoSlotToX(logview::MemoSlotsOf(t.g, d), slot) + offset * factor);
    if (slot == 0)
        x = d.printer.rateLeft + 2;
    x = std::max(x, 2);
    return xOverride != 0 ? xOverride : x;
}

// The lines of a cut box left for the next page, read as on the log, and how its box looks.
struct RestLines {
    std::vector<std::string> lines;
    int x = 0;
    int width = 0;  // the whole box's widest line
    COLORREF text = kBlack;
    COLORREF back = kWhite;
    bool framed = false;
};

RestLines MechanicalRest(const ShortReportTarget& t, const wellfile::QREPORT& r, int resume, int xOverride)
{
    const MechanicalLines lines = CompactMechanicalLines(r);
    RestLines rest;
    for (int k = std::max(resume, 0); k < kMechanicalLines; ++k)
        if (lines[std::size_t(k)].size() > 1)
            rest.lines.push_back(lines[std::size_t(k)]);
    rest.x = RestX(t, r.mechanicalSlot, r.mechanicalOffset, xOverride);
    rest.width = Widest(t.dc, lines);
    rest.text = r.mechanicalText;
    rest.back = r.mechanicalBack;
    rest.framed = r.mechanicalFrame && xOverride == 0;
    return rest;
}

// The mud lines by the same count as the log's box, so that a cut's line number holds.
RestLines MudRest(const ShortReportTarget& t, const wellfile::QREPORT& r, int resume, int xOverride)
{
    const MudLines lines = FullMudLines(r);
    RestLines rest;
    for (int k = std::max(resume, 0); k < lines.count; ++k)
        rest.lines.push_back(lines.text[std::size_t(k)]);
    rest.x = RestX(t, r.mudSlot, r.mudOffset, xOverride);
    rest.width = Widest(t.dc, lines.text);
    rest.text = r.mudText;
    rest.back = r.mudBack;
    rest.framed = r.mudFrame && xOverride == 0;
    return rest;
}

bool Overlap(const RECT& a, const RECT& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Draws a rest as the log draws its box, the box's top at `top`; on a printed page (`placed`) moved down
// below every rest already drawn there that it would cover. The y below its box.
int DrawRest(platform::Dc& dc, const RestLines& rest, int h, int top, std::vector<RECT>* placed)
{
    if (rest.lines.empty())
        return top;
    RECT box{rest.x, top, rest.x + rest.width + h, top + int((double(rest.lines.size()) + 0.5) * h)};
    if (placed) {
        for (bool moved = true; moved;) {
            moved = false;
            for (const RECT& other : *placed) {
                if (Overlap(box, other)) {
                    const int down = other.bottom + h / 2 - box.top;
                    box.top += down;
                    box.bottom += down;
                    moved = true;
                }
            }
        }
        placed->push_back(box);
    }
    if (rest.framed)
        Frame(dc, box, rest.back);
    dc.SetTextColor(rest.text);
    int y = box.top + h / 4;
    for (const std::string& line : rest.lines) {
        Text(dc, rest.x + 2, y, line);
        y += h;
    }
    return box.bottom;
}

class Drawing {
public:
    Drawing(const ShortReportTarget& t, ShortReportState& s, const ShortReportRows& rows)
        : t_(t), dc_(t.dc), g_(t.g), d_(t.device), s_(s), rows_(rows), R_(rows.rowHeight),
          screen_(!d_.printing && !d_.imageExport), logPage_(d_.printing && rows.xOverride == 0),
          slots_(logview::MemoSlotsOf(g_, d_))
    {
        const double kx = d_.printing ? double(d_.printer.rowHeight / 10) * d_.printer.scaleFactor : 1.0;
        scale_ = kx * (d_.narrowFormat ? 0.88 : 1.0);
        div_ = g_.scaleIndex == 3 ? 10 : 1;
        // Should a printer's page rows run past its paper, a line a row above the paper's foot is the
        // last: one below would be printed nowhere. The run's last page has no next page for a rest to
        // go on at: its boxes run on below the last row to that foot.
        const bool paper = d_.printing && dc_.GetDeviceCaps(platform::TECHNOLOGY) == platform::DT_RASPRINTER;
        cutLimit_ = rows.pageLimit;
        if (paper)
            cutLimit_ = rows.runEnds ? dc_.GetDeviceCaps(platform::VERTRES) - R_
                                     : std::min(cutLimit_, dc_.GetDeviceCaps(platform::VERTRES) - R_);
    }

    void Run()
    {
        s_.mechanical.Clear();
        s_.mud.Clear();
        s_.mechanicalCut = {};
        s_.mudCut = {};
        // A printed log page: the boxes the last page cut beyond the first of each kind go on at its
        // top. Custom tracks neither take nor leave these.
        if (logPage_) {
            for (const ShortReportCut& cut : std::exchange(s_.furtherCuts, {}))
                Rest(cut);
            s_.restBoxes.clear();
        }
        for (std::size_t i = 0; i < s_.reports.size(); ++i)
            Mechanical(std::int32_t(i));
        for (std::size_t i = 0; i < s_.reports.size(); ++i)
            Mud(std::int32_t(i));
    }

private:
    // Reports are kept at even depths: an odd one stands at the next row.
    static std::int32_t Depth(const wellfile::QREPORT& r)
    {
        const std::int32_t depth = r.depth;
        return depth % 2 != 0 ? depth + 1 : depth;
    }

    bool OneInchAllows(std::uint8_t flag) const { return g_.scaleIndex != 3 || flag != 0; }

    int SlotX(std::int32_t slot, std::int32_t offset) const
    {
        int x = int(logview::MemoSlotToX(slots_, slot) + offset * scale_);
        if (d_.printing && slot == 0)
            x = d_.printer.rateLeft + 2;
        if (rows_.xOverride != 0)
            x = rows_.xOverride;
        return std::max(x, 2);
    }

    int YBase(std::int32_t depth, int offset) const
    {
        return int((long long)(depth - rows_.topDepth) * R_ / div_ + offset);
    }

    // A report more than two depth units below the page's rows is the next page's (which draws those
    // below its top + 2); one nearer starts at this page's foot and goes on at the next page's top. Past
    // the run's last row there is no page for it.
    bool NextPages(std::int32_t depth) const
    {
        if (rows_.runEnds)
            return d_.printing && YBase(depth, rows_.yOffset) >= rows_.pageLimit + R_;
        return d_.printing && YBase(depth - 2, rows_.yOffset) > rows_.pageLimit;
    }

    // A printed line at or past the page's foot is this page's no more: the box is cut there and its
    // rest, from that line, goes on at the next page's top. Only the box cut ends; the others go on.
    bool CutHere(int y, std::int32_t index, int line, bool mud)
    {
        if (!d_.printing || y < cutLimit_)
            return false;
        ShortReportCut& first = mud ? s_.mudCut : s_.mechanicalCut;
        if (first.report < 0)
            first = {index, line, mud};
        else if (logPage_)
            s_.furtherCuts.push_back({index, line, mud});
        return true;
    }

    void Rest(const ShortReportCut& cut)
    {
        if (cut.report < 0 || std::size_t(cut.report) >= s_.reports.size())
            return;
        const wellfile::QREPORT& r = s_.reports[std::size_t(cut.report)];
        DrawRest(dc_, cut.mud ? MudRest(t_, r, cut.line, 0) : MechanicalRest(t_, r, cut.line, 0), R_, rows_.yOffset,
                 &s_.restBoxes);
    }

    void List(ShortReportBoxes& boxes, const RECT& box)
    {
        if (screen_)
            boxes.Add(box, RECT{box.left, box.top, box.right, box.top + 2 * g_.rowHeight});
        if (d_.drawnBoxes)
            d_.drawnBoxes->push_back(box);
    }

    COLORREF TextColour(std::uint32_t stored) const { return g_.profile == kBlackTextLogger ? kBlack : stored; }

    void Mechanical(std::int32_t index)
    {
        const wellfile::QREPORT& r = s_.reports[std::size_t(index)];
        const std::int32_t depth = Depth(r), type = r.type;
        // Reports outside the file's depths are left out (one out of place hides none of the others).
        if (depth < g_.fileFirstDepth + 50 || depth > g_.fileLastDepth)
            return;
        if (depth <= rows_.topDepth + 2 || (type != 0 && type != 2) || !OneInchAllows(r.mechanicalOneInch))
            return;
        dc_.SetTextColor(TextColour(r.mechanicalText));
        const int yBase = YBase(depth, rows_.yOffset);
        int y = int(yBase + 0.75 * R_);
        const std::int32_t slot = r.mechanicalSlot;
        std::int32_t offset = r.mechanicalOffset;
        if (slot == 0 && offset == 10)
            offset = 0;
        const int x = SlotX(slot, offset);
        const MechanicalLines lines = FullMechanicalLines(r);
        const int n = Present(lines);
        RECT box{x, int(y - 0.75 * R_), x + Widest(dc_, lines) + R_, 0};
        box.bottom = box.top + (n + 1) * R_;
        if (d_.printing)
            box.bottom -= int(0.5 * R_);
        if (NextPages(depth))
            return;
        if (n > 0)
            List(s_.mechanical, box);
        if (!d_.printing && !d_.imageExport)
            box.bottom = std::min<int>(box.bottom, g_.logBottomY);
        if (r.mechanicalFrame && n > 0 && rows_.xOverride == 0 && (d_.printing || box.top < g_.logBottomY))
            Frame(dc_, box, r.mechanicalBack);
        for (int k = 0; k < kMechanicalLines; ++k) {
            const std::string& line = lines[std::size_t(k)];
            if (line.size() <= 1)
                continue;
            if (CutHere(y, index, k, false))
                break;
            Text(dc_, x + 2, int(y - 0.5 * R_), line);
            y += R_;
            if (screen_ && y >= g_.logBottomY)
                break;
        }
    }

    void Mud(std::int32_t index)
    {
        const wellfile::QREPORT& r = s_.reports[std::size_t(index)];
        const std::int32_t depth = Depth(r), type = r.type;
        int offsetY = rows_.yOffset;
        if ((r.mechanicalSlot == r.mudSlot && type == 0) || (rows_.xOverride != 0 && type != 1))
            offsetY += 6 * R_;
        else if (r.mudFrame)
            offsetY += int(0.5 * R_);
        if (depth <= rows_.topDepth + 2 || (type != 0 && type != 1) || !OneInchAllows(r.mudOneInch))
            return;
        dc_.SetTextColor(TextColour(r.mudText));
        const int x = SlotX(r.mudSlot, r.mudOffset);
        const MudLines lines = FullMudLines(r);
        const int n = lines.count;
        int y = YBase(depth, offsetY);
        RECT box{x, int(y - 0.75 * R_), x + Widest(dc_, lines.text) + R_, 0};
        box.bottom = box.top + (n + 1) * R_;
        if (d_.printing)
            box.bottom -= int(0.5 * R_);
        if (NextPages(depth))
            return;
        if (n > 0)
            List(s_.mud, box);
        if (!d_.printing && !d_.imageExport)
            box.bottom = std::min<int>(box.bottom, int(g_.logBottomY + 1.5 * R_));
        if (r.mudFrame && n > 0 && rows_.xOverride == 0 && (d_.printing || box.top < g_.logBottomY))
            Frame(dc_, box, r.mudBack);
        for (int k = 0; k < n; ++k) {
            if (CutHere(y, index, k, true))
                break;
            Text(dc_, x + 2, int(y - 0.5 * R_), lines.text[std::size_t(k)]);
            y += R_;
            if (screen_ && y >= g_.logBottomY)
                break;
        }
    }

    const ShortReportTarget& t_;
    platform::Dc& dc_;
    const logview::ViewGeometry& g_;
    const logview::Device& d_;
    ShortReportState& s_;
    const ShortReportRows& rows_;
    const int R_;
    const bool screen_;
    const bool logPage_;
    const logview::MemoSlotLayout slots_;
    double scale_ = 1.0;
    int div_ = 1;
    int cutLimit_ = 0;
};

}  // namespace

void DrawShortReports(const ShortReportTarget& t, ShortReportState& state, const ShortReportRows& rows)
{
    const platform::KeepDcState kept(t.dc);
    t.dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
    t.dc.SetBkMode(platform::TRANSPARENT);
    SelectBoxFont(t, rows.rowHeight);
    Drawing(t, state, rows).Run();
}

void DrawShortReportsCompact(const ShortReportTarget& t, ShortReportState& state, std::int32_t report, int h,
                             int startY, int xOverride)
{
    if (report < 0 || std::size_t(report) >= state.reports.size())
        return;
    platform::Dc& dc = t.dc;
    const platform::KeepDcState kept(dc);
    dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
    dc.SetBkMode(platform::TRANSPARENT);
    SelectBoxFont(t, h);
    const wellfile::QREPORT& r = state.reports[std::size_t(report)];
    const std::int32_t type = r.type;
    // On a printed page each rest finds its own place below the ones drawn before it.
    std::vector<RECT>* placed = xOverride == 0 ? &state.restBoxes : nullptr;

    int y = startY;
    const std::int32_t mechanicalResume = state.mechanicalCut.line;
    if (state.mechanicalCut.report >= 0 && mechanicalResume >= 0 && (type == 0 || type == 2))
        y = DrawRest(dc, MechanicalRest(t, r, mechanicalResume, xOverride), h, startY, placed);
    // Only the mud box cut is drawn on: another report's mud box was printed whole.
    if (state.mudCut.report != report || state.mudCut.line == -1)
        return;
    if (placed)
        y = startY;
    else if (r.mechanicalSlot == r.mudSlot && mechanicalResume > 0)
        y += h;
    else if (type != 1)
        y = startY + (6 - mechanicalResume) * h;
    else
        y = startY;
    if (type == 0 || type == 1)
        DrawRest(dc, MudRest(t, r, state.mudCut.line, xOverride), h, y, placed);
}

}  // namespace reports
