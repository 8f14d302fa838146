#include "logview/draw/depthcolumn.h"

#include "layout/draw/penof.h"
#include "logview/draw/neighbourpainters.h"
#include "logview/surveytext.h"
#include "platform/draw/dc.h"
#include "platform/text.h"
#include "wellfile/profile.h"

#include <algorithm>
#include <optional>
#include <string>

namespace logview {

namespace {

using platform::Dc;
using wellfile::RECORD;

// Track flag 27: the rate track's two-ended scale head is repeated down the log.
constexpr int kRepeatTwoEndedHead = 27;
// Track flag 37: the gamma head in the real-time gamma colour.
constexpr int kRealTimeGammaColour = 37;

using platform::Trunc;

void Text(Dc& dc, int x, int y, const std::string& text) { dc.TextOut(x, y, text.c_str(), int(text.size())); }

int TextWidth(const Dc& dc, const std::string& text) { return dc.GetTextExtent(text.c_str(), int(text.size())).cx; }

// Where the depth numbers stand and how often the heads repeat; fixed for one call.
struct Walk {
    int labelStep = 10;
    int tickStep = 10;
    int period = 50;
    int offset = 5;
    int boxLeft = 0;
    int boxRight = 0;
};

// The depth of a row of `advance` records from `depth` that lies `offset` past a multiple of `step`, if any.
std::optional<std::int32_t> HoldsStep(std::int32_t depth, std::size_t advance, int step, int offset)
{
    for (std::size_t k = 0; k < advance; ++k) {
        const std::int32_t d = depth + std::int32_t(k);
        if (d % step == offset)
            return d;
    }
    return std::nullopt;
}

Walk WalkFor(const ViewGeometry& g, const Device& device, const DepthColumnOptions& o, int firstDepth, int U)
{
    Walk w;
    if (g.scaleIndex >= 3) {
        w.labelStep = w.tickStep = 100;
        w.period = 500;
        w.offset = 40;
    }
    if (device.printing)
        w.period = g.scaleIndex == 3 ? 500 : 100;

    // The width is chosen from the first depth of the run: a run that starts below 10,000 keeps the
    // narrow box past 9,999.
    const bool fiveDigits = firstDepth > 9999;
    if (!device.printing) {
        // The first column right of the rate track: the side lithology of the wide formats, else the
        // rate track's right edge itself.
        const int next = g.sideLithology.count > 0 ? g.sideLithology.left : g.rate.Right();
        w.boxRight = g.rate.Right();
        if (wellfile::GammaRateTrackProfile(g.profile))
            w.boxRight = Trunc(next - 0.5 * U);
        if (o.tvdFile)
            w.boxRight = next + 2 * U;
        w.boxLeft = Trunc(w.boxRight - (fiveDigits ? 4.5 : 3.5) * U);
    } else {
        const int next = device.printer.nextColumnEdge;
        w.boxRight = o.tvdFile ? next + 2 * U : Trunc(next - 0.5 * U);
        w.boxLeft = w.boxRight - 5 * U;
        if (fiveDigits)
            w.boxLeft = Trunc(w.boxRight - (device.wideDepth ? 6.5 : 5.5) * U);
    }
    return w;
}

// Everything one call draws with.
struct Column {
    Dc& dc;
    const ViewGeometry& g;
    const Device& device;
    const DepthColumnOptions& o;
    std::span<const RECORD> records;
    NeighbourPainters& painters;
    PaintTarget target;
    int R;
    int U;
    int topY;
    Walk walk;
    int surveyX;
    SurveyOrder order;

    bool Alternate() const { return o.switches.alternateDepthStyle; }

    void DepthBoxes(int y) const;
    void DepthNumber(const RECORD& rec, int y) const;
    void LagTime(const RECORD& rec, int x, int y) const;
    void DepthLines(int depth, int y) const;
    void PrintedGasLine(int y) const;
    void Survey(std::size_t index, int y, bool firstRow);
    void ScreenSurvey(const RECORD& rec, int y, bool firstRow) const;
    void CompressedScreenSurvey(std::size_t index, int y);
    void PrintedSurvey(const RECORD& rec, int y) const;
    void CompressedPrintedSurvey(std::size_t index, int y);
    // The record at `index` or one of the four before it (never before the span) that has a survey,
    // with an inclination when `needIncl`; null when none has.
    const RECORD* RecentSurvey(std::size_t index, bool needIncl) const;
    void SurveyBox(int left, int top, int right, int bottom) const;
};

void Column::DepthBoxes(int y) const
{
    const int p = g.profile;
    const bool compressed = g.scaleIndex >= 3;
    const bool plain = !compressed && !o.switches.noDepthBox && !Alternate() &&
                       !wellfile::NoDepthBoxProfile(p);
    const bool feet = Alternate() && wellfile::FeetFormatProfile(p);
    const bool red = wellfile::RedDepthProfile(p) && !Alternate() && !compressed;
    if (plain || feet || red)
        dc.Rectangle(walk.boxLeft, y - R, walk.boxRight, y + R + 2);

    if (!device.printing && o.switches.rightEdgeDepth &&
        (wellfile::RedDepthProfile(p) || (Alternate() && !wellfile::FeetFormatProfile(p))))
        dc.Rectangle(Trunc(g.logWidth - 3.5 * U), y - R, g.logWidth - 2, y + R);
    if (device.printing && p == 25 && o.switches.rightEdgeDepth && !o.switches.verticalNumbers) {
        const PrinterGeometry& pr = device.printer;
        dc.Rectangle(Trunc(pr.logRight - 2.5 * pr.logUnit), y - R, pr.logRight - pr.logUnit, y + R);
    }
}

void Column::LagTime(const RECORD& rec, int x, int y) const
{
    // NaN compares false: a damaged lag time writes nothing.
    if (!g.Flag(layout::FLAG_LAG_TIME) || rec.depth % 100 != 0 || !(rec.lagTime > 0))
        return;
    dc.SetTextColor(platform::RGB(0, 0, 0));
    dc.SetTextAlign(platform::TA_RIGHT | platform::TA_TOP);
    // It reaches above its row: on paper the first row of a page writes it where it writes its number.
    int top = Trunc(y - 0.75 * R);
    if (device.printing && top < topY)
        top = Trunc(topY + 0.25 * R);
    Text(dc, x, top, LagTimeText(rec.lagTime));
}

void Column::DepthNumber(const RECORD& rec, int y) const
{
    const int p = g.profile;
    const bool vertical = o.switches.verticalNumbers;
    const std::string number = platform::CFormat("%d", rec.depth);
    if (vertical) {
        const platform::KeepDcState keep(dc);
        dc.SelectObject(platform::Font::FromLogFont(g.fonts.verticalText));
        if (!device.printing) {
            const int atY = g.fileLastDepth > 9999 ? Trunc(y - 1.5 * R) : y - R;
            painters.DrawVerticalText(target, number, g.rate.Right() + 2 * U, atY, g.rowHeight - 1);
        } else if (rec.depth % 100 == 0) {
            const int atY = rec.depth > 9999 ? Trunc(y - 1.5 * R) : y - R;
            painters.DrawVerticalText(target, number, device.printer.depthRight + 2 * U, atY, R);
        }
    }

    const std::string text = o.tvdFile ? number + " TVD" : number;
    const int numberX = Trunc(walk.boxRight - 0.25 * U);
    dc.SetTextAlign(platform::TA_RIGHT | platform::TA_TOP);
    if (!device.printing || vertical) {
        const bool alternateFont = Alternate() && !wellfile::FeetFormatProfile(p);
        dc.SelectObject(platform::Font::FromLogFont(alternateFont ? g.fonts.alternateDepth : g.fonts.smallLog));
        if (wellfile::RedDepthProfile(p))
            dc.SetTextColor(platform::RGB(255, 0, 0));
        if (!vertical)
            Text(dc, numberX, Alternate() ? y - 3 : y - 1, text);
        if (o.switches.rightEdgeDepth)
            Text(dc, Trunc(g.logWidth - 0.5 * U), Trunc(y - 0.75 * R), text);
        LagTime(rec, g.gasRight - U, y);
    } else {
        if (Alternate() && !wellfile::FeetFormatProfile(p)) {
            dc.SelectObject(platform::Font::FromLogFont(device.printFonts.alternateDepth));
            Text(dc, numberX, Trunc(y - 0.7 * R), text);
        } else {
            dc.SelectObject(platform::Font::FromLogFont(device.printFonts.text));
            Text(dc, numberX, Trunc(y + 0.25 * R), text);
        }
        LagTime(rec, device.printer.gasRight - U, y);
    }
}

void Column::DepthLines(int depth, int y) const
{
    if (!device.printing) {
        DrawScreenDepthLine(dc, g, o, depth, y, R);
        return;
    }
    const PrinterGeometry& pr = device.printer;
    dc.SelectObject(PenOf(device.printPens[depth % 50 == 0 ? PRINT_PEN_FIRST_GRID : PRINT_PEN_HEAVY_GRID]));
    const int ly = y + R;
    auto line = [&](int from, int to) {
        dc.MoveTo(from, ly);
        dc.LineTo(to, ly);
    };
    line(pr.depthLeft, pr.depthRight);
    if (pr.gasLeft > 0 && g.profile != 131)
        line(pr.gasLeft, pr.gasRight);
    if (pr.extraLeft > 0 && !o.showColumn)
        line(pr.extraLeft + 1, pr.extraLeft + 1 + pr.extraCellCount * pr.extraCellWidth);
    PrintedGasLine(ly);
}

}  // namespace

void DrawScreenDepthLine(platform::Dc& dc, const ViewGeometry& g, const DepthColumnOptions& o, std::int32_t depth,
                         int y, int rowHeight, unsigned parts)
{
    const bool fifty = depth % 50 == 0 && !wellfile::GammaRateTrackProfile(g.profile);
    const platform::KeepDcState keep(dc);
    dc.SelectObject(PenOf(fifty ? g.pens.Grid50() : g.pens.Grid10()));
    const int ly = y + rowHeight + (fifty ? 1 : 0);
    auto line = [&](int from, int to) {
        dc.MoveTo(from, ly);
        dc.LineTo(to, ly);
    };
    if (parts & DEPTH_LINE_RATE)
        line(g.rate.left, g.rate.Right());
    if ((parts & DEPTH_LINE_CUT) && g.cut.left > 0 && !o.showColumn)
        line(g.cut.left + 1, g.cut.left + 1 + g.cut.Width());
    if ((parts & DEPTH_LINE_FLUORESCENCE) && g.fluorescence.left > 0 && !o.showColumn &&
        wellfile::FluorescenceLineProfile(g.profile))
        line(g.fluorescence.left + 1, g.fluorescence.left + 1 + g.fluorescence.Width());
    if (parts & DEPTH_LINE_GAS)
        line(g.gas.left + 1, g.gasRight);
}

namespace {

// The printed gas-track line, in the variant the layout's words choose.
void Column::PrintedGasLine(int ly) const
{
    const PrinterGeometry& pr = device.printer;
    auto line = [&](int from, int to) {
        dc.MoveTo(from, ly);
        dc.LineTo(to, ly);
    };
    const bool gasOn = g.Flag(layout::FLAG_GAS);
    const bool alternate = (o.alternateFormat[0] || o.alternateFormat[1]) && gasOn;
    int gasEnd = pr.gasRight;
    if (o.narrowGas || alternate)
        gasEnd = pr.gasLeft + (alternate ? pr.secondGasWidth : pr.firstGasWidth);
    const int cell = pr.gasCellWidth;

    if (o.flareColumn) {
        line(pr.gasLeft, pr.gasRight);
    } else if (!o.descriptionLayout && !o.showColumn) {
        if (o.gasDescription) {
            line(pr.gasLeft - 23 * cell, Trunc(pr.gasLeft - 3.3 * cell));
            line(pr.gasLeft + 1, gasEnd);
        } else if (g.profile != 131 && pr.gasLeft > 0) {
            line(pr.gasLeft + 1, gasEnd);
        }
    } else if (!o.gasDescription) {
        if (g.profile != 131)
            line(pr.gasLeft, pr.gasRight);
    } else {
        line(pr.gasLeft, pr.gasRight);
        line(Trunc(pr.gasRight + 1.3 * R), pr.gasRight + cell * (pr.descriptionCellCount + 2));
    }
}

void Column::SurveyBox(int left, int top, int right, int bottom) const
{
    const platform::KeepDcState keep(dc);
    dc.SelectObject(PenOf(g.pens.Grid10()));
    dc.SelectObject(platform::Brush::Null());
    dc.Rectangle(left, top, right, bottom);
}

const RECORD* Column::RecentSurvey(std::size_t index, bool needIncl) const
{
    for (std::size_t back = 0; back < 5 && back <= index; ++back) {
        const RECORD& r = records[index - back];
        if (r.tvd > 0 && (!needIncl || r.inclination > 0))
            return &r;
    }
    return nullptr;
}

void Column::ScreenSurvey(const RECORD& rec, int y, bool firstRow) const
{
    const int p = g.profile;
    const int x = surveyX;
    dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
    dc.SetTextColor(o.surveyColour);
    if (firstRow && y < g.topMargin + 5 * g.rowHeight && !o.switches.fiveLineSurvey && !Alternate() &&
        !wellfile::FeetFormatProfile(p) && !wellfile::AlternateSurveyProfile(p)) {
        dc.SelectObject(platform::Font::FromLogFont(g.fonts.smallLog));
        const std::string head = SurveyHeader(order);
        dc.Rectangle(x + 1, y - 1, x + TextWidth(dc, head) + 4, Trunc(y + 1.65 * R));
        Text(dc, x + 2, y, head);
        return;
    }
    if (!(rec.tvd > 0))
        return;
    if (Alternate() || o.switches.fiveLineSurvey || wellfile::AlternateSurveyProfile(p)) {
        const bool vertical =
            wellfile::FeetFormatProfile(p) || wellfile::AlternateSurveyProfile(p) || o.switches.fiveLineSurvey;
        dc.SelectObject(platform::Font::FromLogFont(vertical ? g.fonts.verticalText : g.fonts.surveyBlock));
        int k = 0;
        for (const std::string& line : SurveyBlock(rec))
            Text(dc, x + 2, y + k++ * g.rowHeight, line);
        return;
    }
    dc.SelectObject(platform::Font::FromLogFont(p == 78 ? g.fonts.verticalText : g.fonts.smallLog));
    if (o.surveyTransparent || o.surveyFramed)
        dc.SetBkMode(platform::TRANSPARENT);
    const std::string line = SurveyLine(order, rec);
    if (o.surveyFramed || wellfile::DiagonalAnhydriteProfile(p)) {
        const int w = TextWidth(dc, line);
        if (p == 78)
            SurveyBox(x + 1, y - 1, x + w, y + R + 3);
        else
            SurveyBox(x + 1, y - R + 2, x + w + 4, y + R + 1);
    }
    Text(dc, x + 2, p == 78 ? y : Trunc(y - 0.5 * R), line);
}

void Column::CompressedScreenSurvey(std::size_t index, int y)
{
    const int p = g.profile;
    surveyX = std::max(surveyX, g.rate.left);
    if (o.switches.compressedSurveyColumn && !wellfile::AlternateFormatProfile(p))
        surveyX = g.description.left;
    const RECORD* rec = RecentSurvey(index, true);
    if (!rec)
        return;
    const int x = surveyX;
    const platform::LOGFONTA& font = order == SurveyOrder::InclFirst ? g.fonts.smallLog
                                     : Alternate()                     ? g.fonts.surveyBlock
                                                                       : g.fonts.verticalText;
    dc.SelectObject(platform::Font::FromLogFont(font));
    dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
    dc.SetTextColor(o.surveyColour);
    if (o.surveyTransparent || o.surveyFramed)
        dc.SetBkMode(platform::TRANSPARENT);
    const std::string line = SurveyLine(order, *rec);
    if (o.surveyFramed) {
        const int w = TextWidth(dc, line);
        if (p == 78)
            SurveyBox(x + 1, y - R - 1, x + w + 4, y + 3);
        else
            SurveyBox(x + 1, Trunc(y - 1.6 * R), x + w + 4, y);
    }
    Text(dc, x + 2, p == 78 ? y - R : Trunc(y - 1.5 * R), line);
}

void Column::PrintedSurvey(const RECORD& rec, int y) const
{
    if (!(rec.tvd > 0))
        return;
    const int p = g.profile;
    const int x = surveyX;
    dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
    if (o.switches.fiveLineSurvey) {
        dc.SelectObject(platform::Font::FromLogFont(device.printFonts.survey));
        int k = 0;
        for (const std::string& line : SurveyBlock(rec))
            Text(dc, x + 2, y + k++ * R, line);
        return;
    }
    dc.SelectObject(platform::Font::FromLogFont(p == 78 ? device.printFonts.survey : device.printFonts.text));
    const std::string line = rec.inclination > 0 ? SurveyLine(order, rec) : SurveyTvdLine(rec, false);
    if (o.surveyFramed || wellfile::DiagonalAnhydriteProfile(p)) {
        const int w = TextWidth(dc, line);
        if (p == 78)
            SurveyBox(x + 2, y, x + w + 2, y + R);
        else
            SurveyBox(x - 2, Trunc(y - 1.25 * R), x + w + 2, Trunc(y + 0.6 * R));
    }
    if (p == 78) {
        dc.SetTextAlign(platform::TA_LEFT | platform::TA_BOTTOM);
        Text(dc, x + 4, y + R, line);
    } else {
        Text(dc, x + 4, y - R, line);
    }
}

void Column::CompressedPrintedSurvey(std::size_t index, int y)
{
    const int p = g.profile;
    surveyX = std::max(surveyX, device.printer.depthLeft);
    if (o.switches.compressedSurveyColumn && !wellfile::AlternateFormatProfile(p))
        surveyX = device.printer.descriptionLeft;
    const RECORD* rec = RecentSurvey(index, false);
    if (!rec)
        return;
    const int x = surveyX;
    const platform::LOGFONTA& font = order == SurveyOrder::InclFirst        ? device.printFonts.text
                                     : Alternate() && !wellfile::FeetFormatProfile(p) ? device.printFonts.surveyBlock
                                                                      : device.printFonts.survey;
    dc.SelectObject(platform::Font::FromLogFont(font));
    dc.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
    const std::string line = rec->inclination > 0 ? SurveyLine(order, *rec) : SurveyTvdLine(*rec, true);
    if (o.surveyFramed) {
        const int w = TextWidth(dc, line);
        if (p == 78)
            SurveyBox(x + 2, y - R, x + w + 4, y);
        else
            SurveyBox(x + 2, y - 2 * R, x + w + 2, Trunc(y - 0.5 * R));
    }
    Text(dc, x + 4, p == 78 ? y - R : Trunc(y - 1.75 * R), line);
}

void Column::Survey(std::size_t index, int y, bool firstRow)
{
    const bool compressed = g.scaleIndex >= 3;
    if (!device.printing) {
        if (compressed)
            CompressedScreenSurvey(index, y);
        else
            ScreenSurvey(records[index], y, firstRow);
        return;
    }
    if (device.colourPrinting)
        dc.SetTextColor(o.surveyColour);
    dc.SetBkMode(o.surveyTransparent || o.surveyFramed ? platform::TRANSPARENT : platform::OPAQUE);
    if (compressed)
        CompressedPrintedSurvey(index, y);
    else
        PrintedSurvey(records[index], y);
}

// A gas scale head at y, or its place listed for the page that asked for it.
void GasHead(NeighbourPainters& painters, const PaintTarget& target, const DepthColumnOptions& o, const RECORD& rec,
             int y, int R)
{
    if (o.gasHeads)
        o.gasHeads->push_back({&rec, y, 0});
    else
        painters.DrawGasScaleHeader(target, rec, y, R, 0);
}

// Does the walk stop before the record at `index`?
bool EndOfRun(std::span<const RECORD> records, std::size_t index, const ViewGeometry& g)
{
    return index >= records.size() || records[index].depth == 0 || records[index].depth > g.fileLastDepth;
}

}  // namespace

int DrawSurveyColumn(Dc& dc, const ViewGeometry& g, const Device& device, const DepthColumnOptions& o,
                     std::span<const RECORD> records, std::size_t first, int count, int rowHeight, int unitWidth,
                     int topY, const ElogRateScale& elog)
{
    if (EndOfRun(records, first, g))
        return 1;
    const platform::KeepDcState keep(dc);

    NeighbourPainters& painters = o.painters ? *o.painters : NoNeighbourPainters();
    const SurveyOrder order =
        o.inclFirst || wellfile::InclinationFirstProfile(g.profile) ? SurveyOrder::InclFirst : SurveyOrder::TvdFirst;
    Column c{dc,
             g,
             device,
             o,
             records,
             painters,
             PaintTarget{dc, g, device},
             rowHeight,
             unitWidth,
             topY,
             WalkFor(g, device, o, records[first].depth, unitWidth),
             device.printing ? device.printer.surveyX : o.surveyX,
             order};
    dc.SelectObject(platform::Font::FromLogFont(g.fonts.smallLog));

    const bool rop = g.Flag(layout::FLAG_ROP), gas = g.Flag(layout::FLAG_GAS);
    const bool perHour = g.options.ratePerHour;
    // Scale index 3 shows five records a row and compares each row's codes with the row before.
    const std::size_t advance = g.scaleIndex == 3 ? 5 : 1;
    const Walk& w = c.walk;
    const int R = rowHeight;

    bool rateChanged = false, gasChanged = false;
    bool rateHeadDrawn = false, gasHeadDrawn = false;
    int y = topY, rows = 0;
    std::size_t i = first;
    const RECORD* last = &records[first];
    for (int walked = 0; walked < count && !EndOfRun(records, i, g); walked += int(advance), i += advance) {
        const RECORD& rec = records[i];
        last = &rec;
        const std::int32_t depth = rec.depth;
        if (i >= advance) {
            const RECORD& before = records[i - advance];
            if (perHour ? rop && rec.rateScale != before.rateScale : rec.minutesScale != before.minutesScale)
                rateChanged = true;
            if (rec.gasScale != before.gasScale)
                gasChanged = true;
        }
        const bool onPeriod = HoldsStep(depth, advance, w.period, w.offset).has_value();
        // A changed scale's labels reach from half a row above its row into it: on the screen they wait
        // for a row whose depth number, and the one above, leave the rate track's right end free.
        const bool numberNear = !device.printing && (HoldsStep(depth, advance, w.labelStep, 0) ||
                                                     HoldsStep(depth - std::int32_t(advance), advance, w.labelStep, 0));
        if (rop && y > topY + 2 * R) {
            if (onPeriod || (rateChanged && !numberNear)) {
                DrawScaleLabels(dc, g, device, rec, y + R, unitWidth, R, elog);
                rateHeadDrawn = true;
                rateChanged = false;
            }
            if (gas && ((gasChanged && !o.alternateFormat[0]) || onPeriod)) {
                GasHead(painters, c.target, o, rec, y + R, R);
                gasHeadDrawn = true;
                gasChanged = false;
            }
        }
        if (rop && depth % w.period == 45) {
            if (g.Flag(kRepeatTwoEndedHead))
                painters.DrawTrackScaleHeader2(c.target, y, g.rowHeight);
            // Paper has no foot under the log where the screen keeps the gamma head: it is repeated with
            // the weight-on-bit head, two rows above it as at the screen's foot, or two rows below it
            // at the top of a page.
            if (device.printing && g.Flag(layout::FLAG_FIRST_CURVE)) {
                const int above = y - 2 * g.rowHeight;
                const CurveHeadAt head{above >= topY ? above : y + 2 * g.rowHeight,
                                       g.Flag(kRealTimeGammaColour) ? 1 : 0};
                if (o.curveHeads)
                    o.curveHeads->push_back(head);
                else
                    painters.DrawTrackScaleHeader(c.target, head.y, g.rowHeight, head.flag);
            }
        }

        // A row of five records is labelled with the step it holds, wherever its first record lies.
        if (const std::optional<std::int32_t> label = HoldsStep(depth, advance, w.labelStep, 0)) {
            // Every box in the pen the caller left, not the pen of the last depth line.
            dc.SelectObject(keep.KeptPen());
            dc.SetTextColor(keep.KeptTextColor());
            c.DepthBoxes(y);
            RECORD labelled = rec;
            labelled.depth = *label;
            c.DepthNumber(labelled, y);
        }
        if (const std::optional<std::int32_t> tick = HoldsStep(depth, advance, w.tickStep, 0))
            c.DepthLines(*tick, y);
        if (device.printing && g.profile == 116) {
            dc.SelectObject(PenOf(device.printPens[PRINT_PEN_FIRST_GRID]));
            dc.MoveTo(device.printer.gasLeft, y);
            dc.LineTo(device.printer.gasLeft, y + 2 * R);
        }
        if (rop && rec.tvd > 0 && !o.switches.surveyText)
            DrawSurveyMarker(dc, g, device, y, R);
        if (o.switches.surveyText) {
            c.Survey(i, y, rows == 0);
            dc.SetBkMode(keep.KeptBkMode());
        }

        y += R;
        ++rows;
        if (device.printing && device.rowStep && rows % 5 == 0)
            y -= 4;
    }

    // A run of more than two records always shows its scales: when no head was drawn on the way, they
    // are drawn near the top with the record after the run (the last one walked when the run ended
    // the data).
    if (g.profile != 23 && count > 2 && rop) {
        const RECORD& after = EndOfRun(records, i, g) ? *last : records[i];
        if (!rateHeadDrawn)
            DrawScaleLabels(dc, g, device, after, topY + 5 * R, unitWidth, R, elog);
        if (gas && !gasHeadDrawn)
            GasHead(painters, c.target, o, after, topY + 5 * R, R);
    }
    return 1;
}

DepthNumberPlaces ScreenDepthNumbers(const ViewGeometry& g, const DepthColumnOptions& options, std::int32_t firstDepth)
{
    const Walk w = WalkFor(g, Device{}, options, firstDepth, g.unitWidth);
    return {w.labelStep, w.boxLeft, w.boxRight};
}

int DrawSurveyMarker(Dc& dc, const ViewGeometry& g, const Device& device, int y, int height)
{
    const int w = device.printing ? device.printer.lithologyCellWidth : g.lithology.cell;
    const int x = (device.printing ? device.printer.lithologyLeft : g.lithology.left) - 2 * w;
    const platform::KeepDcState keep(dc);
    dc.SelectObject(PenOf(device.printing ? device.printPens[PRINT_PEN_FIRST_GRID] : g.pens.SurveyMarker()));
    dc.SelectObject(platform::Brush(platform::RGB(0, 0, 0)));
    const platform::POINT triangle[3] = {{x, y}, {x, y - height}, {x + w, y}};
    dc.Polygon(triangle, 3);
    dc.MoveTo(x, y);
    dc.LineTo(x + 2 * w, y - 2 * height);
    dc.LineTo(x + 2, y - 2 * height);
    return 1;
}

}  // namespace logview
