#include "print/draw/logpage.h"

#include "logview/draw/depthcolumn.h"
#include "logview/draw/markers.h"
#include "print/draw/logpagesteps.h"
#include "platform/draw/dc.h"
#include "wellfile/profile.h"

#include <algorithm>
#include <vector>

namespace print {

using wellfile::RECORD;

PageEdges PageEdgesOf(const logview::PrinterGeometry& p)
{
    PageEdges e;
    e.slideX = p.rateLeft;
    e.marksX = p.rateRight;
    e.lithMarksX = p.lithologyLeft;
    e.rightEdge = p.logRight;
    e.pair1Left = p.lithologyLeft;
    e.pair1Right = p.lithologyLeft + 10 * p.lithologyCellWidth;
    if (p.interpretedLeft > 0 && p.interpretedCellWidth > 0) {
        e.pair2Left = p.interpretedLeft;
        e.pair2Right = p.interpretedLeft + 10 * p.interpretedCellWidth;
    } else {
        e.pair2Left = e.pair1Left;
        e.pair2Right = e.pair1Right;
    }
    e.profileSeparator1 = p.gasLeft;
    e.profileSeparator2 = p.gas2Left;
    return e;
}

int ExtraPageRows(float pageLength, bool fullHeader, bool metric)
{
    double k = 0.8 / 11.0 * double(pageLength) * 0.5;
    if (!fullHeader)
        k += 0.5;
    k = std::max(k, 1.0);
    if (!metric)
        return 0;
    // A page factor a rounding hair above 1 is still 1.
    return int(4.0 * k + 1e-9) + (k > 1.0 + 1e-6 ? 1 : 0);
}

namespace {

// The profiles whose connections are boxed beside the lithology column rather than written.
bool BoxedMarks(int p) { return wellfile::RedDepthProfile(p) || wellfile::ChromatographProfile(p) || p == 12; }

struct Page : PageSteps {
    using PageSteps::PageSteps;

    std::vector<int> rowY;  // the y of each row drawn
    int rowsDrawn = 0;
    // The highest a text of the rows is written: where the first row writes its depth number.
    int FirstTextY() const { return rowY.empty() ? 0 : rowY.front() + int(0.25 * Rh()); }
    int endY = 0;  // the row loop's y where it ended

    void Row(int r, int y);
    void ConnectionMarks(const RECORD& rec, int y);
    void SlideMarks(int r, const RECORD& rec, const RECORD& before, int y);
    void BoxedConnection(const RECORD& before, int y);
    void RowLoop(int rows, int y);
    void SecondLithologyPass();
    void WholePage(int topY, int y);
};

void Page::ConnectionMarks(const RECORD& rec, int y)
{
    const int R = Rh();
    if (rec.tripCode == 3) {
        logview::DrawDepthMarkers(dc, g, f.device, y + R, R);
        return;
    }
    if (rec.tripCode != 1 && rec.tripCode != 2)
        return;
    const platform::KeepDcState keep(dc);
    dc.SelectObject(platform::Font::FromLogFont(f.device.printFonts.text));
    dc.TextOut(edges.marksX + 1, rec.tripCode == 1 ? y + int(0.4 * R) : std::max(y - 2, FirstTextY()), "_c");
}

void Page::SlideMarks(int r, const RECORD& rec, const RECORD& before, int y)
{
    const int R = Rh();
    const bool slide = rec.slide == 1, slideBefore = before.slide == 1;
    const char* letter = nullptr;
    int letterY = 0;
    if (slide && r > 0) {
        {
            const platform::KeepDcState keep(dc);
            dc.SelectObject(PrintPenOf(16));
            Line(edges.slideX + 2, y, edges.slideX + 2, y + R);
        }
        if (!slideBefore) {
            letter = "S";
            letterY = y - int(1.5 * R);
        }
    } else if (!slide && slideBefore) {
        letter = "R";
        letterY = y - int(0.5 * R);
    }
    if (!letter)
        return;
    // A letter that belongs above the page's first row is written on that row.
    letterY = std::max(letterY, FirstTextY());
    const platform::KeepDcState keep(dc);
    if (f.device.colourPrinting)
        dc.SetTextColor(platform::RGB(0, 0, 255));
    dc.SelectObject(platform::Font::FromLogFont(f.device.printFonts.text));
    dc.TextOut(edges.slideX + R, letterY, letter);
}

void Page::BoxedConnection(const RECORD& before, int y)
{
    const int R = Rh();
    if (before.tripCode == 3) {
        logview::DrawDepthMarkers(dc, g, f.device, y + R, f.device.printer.unitWidth);
        return;
    }
    if (before.tripCode != 1 && before.tripCode != 2)
        return;
    const platform::KeepDcState keep(dc);
    dc.SelectObject(platform::Font::FromLogFont(f.device.printFonts.label));
    dc.SetBkMode(platform::OPAQUE);
    const int x = edges.lithMarksX;
    dc.Rectangle(x - 1, y - R, x + int(1.75 * R), y - R + int(1.85 * R));
    dc.TextOut(x + 5, y - R, "KD");
}

void Page::Row(int r, int y)
{
    const std::size_t i = f.first + std::size_t(r);
    const RECORD& rec = f.records[i];
    const RECORD& before = f.records[i - 1];
    const int R = Rh(), p = g.profile;
    const bool marks = g.Flag(layout::FLAG_ROP);
    logview::NeighbourPainters& n = f.painters;

    if (marks && rec.tripCode != 0 && !BoxedMarks(p))
        ConnectionMarks(rec, y);
    if (marks)
        SlideMarks(r, rec, before, y);
    if (ProfileSeparatorRow())
        SeparatorLine(edges.profileSeparator1 + 1, y, 11);
    if (wellfile::FluorescenceFirstProfile(p))
        SeparatorLine(edges.profileSeparator2 + 1, y, 11);
    if (g.Flag(layout::FLAG_OUTLINES))
        n.DrawTextColumn(target, rec, y, R);
    const logview::Records one = f.records.subspan(i, 1);
    if (g.Flag(layout::FLAG_SHOWS) && f.device.printer.porosityLeft > 0)
        n.DrawRatingColumn(target, one, R, y);
    if (!(g.customTracks && !g.Flag(layout::FLAG_LITHOLOGY))) {
        SeparatorLine(edges.pair1Left, y, 11);
        SeparatorLine(edges.pair2Right, y, 11);
    }
    if (g.Flag(kFlagMudWeights) && rec.mudWeightOut > 0)
        n.DrawMudInOut(laterTarget, rec, R, y);
    if (Lithology())
        n.DrawLithology(target, f.records, i, R, y, f.tracks.printRowCounter, 0, 0);
    SeparatorLine(edges.pair1Right, y, 11);
    if (g.Flag(layout::FLAG_SHOWS)) {
        n.DrawBoxColumn(target, f.records, i, 1, R, y);  // from the row above, the last page's last row too
        n.DrawPorosityColumn(target, one, R, y);
    }
    if (RateCurveRow())
        n.PrintCurveTrack(target, f.records, i, R, false, y);
    // The box of the row before stands on that row: a page's first row leaves it to the page before.
    if (marks && BoxedMarks(p) && (r > 0 || before.tripCode == 3))
        BoxedConnection(before, y);
    if (!f.print.pageClass && g.Flag(layout::FLAG_GAS) && f.settings.scaleKind < 3) {
        n.PrintCurveTrack(target, f.records, i, R, true, y);
        if ((rec.depth - 2) % 200 == 20)
            gasHeads.push_back({&rec, y, 1});
    }
    SeparatorLine(edges.rightEdge, y, 11);
    if (p == 88 && f.options.alternateLayout)
        SeparatorLine(2, y, 11);
}

void Page::RowLoop(int rows, int y)
{
    const int R = Rh();
    for (int r = 0; r < rows; ++r) {
        const std::size_t i = f.first + std::size_t(r);
        // A record past the range is never drawn, not even as a page's first row.
        if (i >= f.records.size() || Stops(f.records[i])) {
            runEnds = true;
            break;
        }
        if (!RowFits(y))
            break;
        rowY.push_back(y);
        Row(r, y);
        rowsDrawn = r + 1;
        const RECORD* next = i + 1 < f.records.size() ? &f.records[i + 1] : nullptr;
        if (next && Described(*next))
            f.settings.lastDescribedDepth = next->depth;
        if (!next || Stops(*next)) {
            runEnds = true;
            break;
        }
        f.print.lastPrintedDepth = next->depth;
        ++f.tracks.printRowCounter;
        y += R;
        if (Metric() && r % 5 == 0)
            y -= 4;
    }
    endY = y;
    // The last row's own connection box, which the next row would draw.
    if (rowsDrawn > 0 && g.Flag(layout::FLAG_ROP) && BoxedMarks(g.profile)) {
        const RECORD& last = f.records[f.first + std::size_t(rowsDrawn - 1)];
        if (last.tripCode != 3)
            BoxedConnection(last, rowY.back() + R);
    }
}

void Page::SecondLithologyPass()
{
    f.tracks.StartPrintingPass();
    for (int r = 0; r < rowsDrawn; ++r) {
        const std::size_t i = f.first + std::size_t(r);
        f.painters.DrawLithology(target, f.records, i, Rh(), rowY[std::size_t(r)], f.tracks.printRowCounter, 0, 1);
        if (i + 1 >= f.records.size() || Stops(f.records[i + 1]))
            break;
        ++f.tracks.printRowCounter;
    }
}

void Page::WholePage(int topY, int y)
{
    logview::NeighbourPainters& n = f.painters;
    const int R = Rh(), U = f.device.printer.unitWidth, rows = rowsDrawn;
    const std::size_t first = f.first;
    const logview::Records rowRecords = Run(first, rows);

    if (g.Flag(layout::FLAG_ROP) && rows > 0)
        logview::DrawCurve(dc, g, f.device, CurveOptions(), f.records, first, rows, R, topY, false);
    if (f.print.pageClass && g.Flag(layout::FLAG_GAS))
        n.PrintCurveTrack2(target, f.records, first, R, rows, false, topY);
    if (ChromatographProfile())
        n.DrawChromatographTrack(target, f.records, first, int(Run(first, rows + 1).size()), R, topY);
    if (g.Flag(layout::FLAG_ROP) && rows > 0) {
        logview::DepthColumnOptions column = f.depthColumn;
        column.gasHeads = &gasHeads;
        column.curveHeads = &curveHeads;
        logview::DrawSurveyColumn(dc, g, f.device, column, f.records, first, rows, R, U, topY);
    }
    if (!rowRecords.empty())
        n.DrawTopsColumn(target, rowRecords, R, topY);
    WholePageColumns(rowRecords, first, rows, topY);
    f.tracks.pending.pageBottomY = y + 10 * R;
    if (g.Flag(layout::FLAG_FIRST_CURVE))
        n.DrawRecordCurve(target, f.records, first, int(Run(first, 2 * rows).size()), R, topY, false);
    // From the record before the first row, whose custom-data record is the top line's.
    if (first < f.records.size())
        CustomTracks(Run(first - 1, rows + 1), f.records[first].depth, rows + 1, topY);
}

}  // namespace

int PrintLogPage(platform::Dc& dc, LogPageFrame& f)
{
    const logview::ViewGeometry& g = f.geometry;
    Page page(dc, f);
    const platform::KeepDcState kept(dc);
    dc.SetBkMode(platform::TRANSPARENT);  // text is written transparent until the end
    // What the page writes is recorded: the labels written last keep off it.
    struct TextRecord {
        platform::Dc& dc;
        ~TextRecord() { dc.RecordText(false); }
    } recording{dc};
    dc.RecordText(true);
    page.ClipRightEdge();
    if (f.options.restsOnly) {
        int rows = 0;
        page.Rests(page.Header(rows, false));
        return 0;
    }
    if (f.options.dataAsText) {
        f.settings.fullHeader = 0;
        f.settings.shortHeader = 0;
        return page.DataTable();
    }
    int rows = f.rows;
    int y = page.Header(rows, false);
    if (f.options.headerOnlyRun)
        return 0;
    const bool fullHeader = f.settings.fullHeader != 0;
    y = page.PageClassMargins(y, rows, 1);
    rows += ExtraPageRows(f.settings.pageLength, fullHeader, page.Metric());

    const int topY = y;
    page.RowLoop(rows, y);
    if (g.Flag(layout::FLAG_LITHOLOGY))
        page.SecondLithologyPass();
    page.WholePage(topY, page.endY);
    page.ShortReportsAndMemos(topY, page.rowY.empty() ? topY : page.rowY.back() + page.Rh());
    page.Pictures(page.rowY);
    page.LabelsLast(page.FirstTextY());
    const int reduction = page.NextMargin(1);
    f.print.headerPage = false;
    return page.rowsDrawn - reduction;
}

}  // namespace print
