#include "print/draw/logpagesteps.h"
#include "platform/draw/textcells.h"
#include "wellfile/profile.h"

#include <QByteArray>

#include <algorithm>
#include <limits>
#include <optional>

namespace print {

using wellfile::RECORD;

namespace {
constexpr int kMaxPendingMemos = 1000;
}

bool Described(const RECORD& rec)
{
    const QByteArray text(rec.lith, int(qstrnlen(rec.lith, sizeof rec.lith)));
    return !text.isEmpty() && text.compare("100bl", Qt::CaseInsensitive) != 0;
}

PageSteps::PageSteps(platform::Dc& d, LogPageFrame& frame)
    : dc(d), f(frame), g(frame.geometry), edges(PageEdgesOf(frame.device.printer)),
      target{d, frame.geometry, frame.device}, laterDevice(frame.device), laterTarget{d, frame.geometry, laterDevice}
{
    laterDevice.laterLabels = &laterLabels;
}

bool PageSteps::ProfileSeparatorRow() const
{
    const int p = g.profile;
    return wellfile::PercentGasGroup(p, f.options.alternateLayout) || wellfile::SeparatorRowProfile(p) ||
           f.options.alternateHeader || f.options.pdfPrinter;
}

bool PageSteps::RateCurveRow() const
{
    const int p = g.profile;
    return !f.print.pageClass && !wellfile::PercentGasGroup(p, f.options.alternateLayout);
}

bool PageSteps::ChromatographProfile() const
{
    const int p = g.profile;
    return wellfile::PercentGasGroup(p, f.options.alternateLayout);
}

bool PageSteps::Stops(const RECORD& rec) const
{
    return rec.depth < 1 || rec.depth > f.print.printBottomDepth || (f.endDepth > 0 && rec.depth > f.endDepth);
}

logview::Records PageSteps::Run(std::size_t first, int n) const
{
    if (n <= 0 || first >= f.records.size())
        return {};
    return f.records.subspan(first, std::min<std::size_t>(std::size_t(n), f.records.size() - first));
}

platform::Pen PageSteps::PrintPenOf(int slot) const
{
    const std::optional<layout::PenSpec>& spec = f.print.pens[std::size_t(slot)];
    if (!spec)
        return platform::Pen(platform::RGB(0, 0, 0), 1);
    return platform::Pen(spec->colour, spec->width, spec->style);
}

logview::CurveOptions PageSteps::CurveOptions()
{
    logview::CurveOptions o;
    o.memory = f.curveMemory ? f.curveMemory : &ownMemory;
    return o;
}

void PageSteps::SeparatorLine(int x, int y, int slot)
{
    const platform::KeepDcState keep(dc);
    dc.SelectObject(PrintPenOf(slot));
    Line(x, y, x, y + Rh());
}

void PageSteps::ClipRightEdge()
{
    const double paper = 10.0 * Rh() * double(f.settings.pageWidth);
    if (paper < edges.rightEdge)
        edges.rightEdge = int(paper - 5);
}

int PageSteps::DataTable()
{
    if (!f.dataTable)
        return f.rows;
    return f.dataTable(dc, f.records, f.first, f.rows);
}

int PageSteps::Header(int& rows, bool tenFoot)
{
    const int R = Rh();
    int y = 0;
    auto header = [&](int topY) { return f.header ? std::max(0, f.header(dc, f.settings, topY)) : 0; };
    if (f.settings.fullHeader) {
        y = header(0);
        if (tenFoot && wellfile::FeetFormatProfile(g.profile))
            y += 2 * R;
        rows -= R > 0 ? y / R : 0;
    } else if (f.settings.shortHeader && !f.options.alternateHeader) {
        const int height = header(y);
        if (tenFoot) {
            y = height;
            rows -= R > 0 ? y / R : 0;
        } else {
            y = int(14.3 * R);
            rows -= kShortHeaderRows;
        }
    }
    return y;
}

int PageSteps::PageClassMargins(int y, int& rows, int recordsPerBack)
{
    if (!f.print.pageClass)
        return y;
    const int m = std::clamp(f.print.marginIndex, 0, 4);
    const MarginTables& t = f.print.margins;
    // The record before the first row must stay in the buffer.
    const std::size_t back = std::min<std::size_t>(std::size_t(t.recordsBack[std::size_t(m)] * recordsPerBack),
                                                   f.first > 0 ? f.first - 1 : 0);
    f.first -= back;
    rows += t.extraRows[std::size_t(m)];
    return y - t.yOffsets[std::size_t(m)];
}

void PageSteps::WholePageColumns(logview::Records rowRecords, std::size_t first, int rows, int topY)
{
    logview::NeighbourPainters& n = f.painters;
    const int R = Rh();
    const logview::PrinterGeometry& p = f.device.printer;
    if (g.Flag(kFlagFlarePolygon) && !f.options.flareTrack) {
        // The flare column stands at the gas track's right end, ten gas cells wide.
        const int unit = p.gasCellWidth;
        n.DrawFlarePolygon(target, f.records, first, int(rowRecords.size()), R, topY, p.gasRight - 10 * unit, 10 * unit,
                           0.01f * float(10 * unit));
    }
    if (f.options.flareTrack)
        n.DrawFlareTrack(target, f.records, first, int(rowRecords.size()), R, topY);
    if (g.Flag(kFlagAveragedCurve))
        n.DrawAveragedCurve(target, f.records, first, rows, R, topY, true);
    if (g.Flag(kFlagLinearCurve))
        n.DrawLinearCurve(target, f.records, first, rows, R, topY, false);
    if (g.Flag(kFlagBarColumn))
        n.DrawBarColumn(target, f.records, first, logview::BarColumnRows(g, rowRecords.size()), R, topY);
}

void PageSteps::CustomTracks(logview::Records run, std::int32_t depth, int rows, int topY)
{
    if (!g.customTracks || f.custom.all.empty() || run.empty())
        return;
    // The custom-data records follow the depth; none is read before the file's first.
    const std::int64_t index = (std::int64_t(depth) - f.fileFirstDepth) / std::max<std::int32_t>(f.depthStep, 1);
    if (index < 1)
        return;
    logview::CustomRecords custom = f.custom;
    custom.first = std::size_t(index);
    if (custom.Present())
        f.painters.PaintCustomTracks(target, run, custom, topY, rows, Rh(), f.print.printBottomDepth, 0);
}

void PageSteps::ShortReportsAndMemos(int topY, int rowsEndY)
{
    const std::int32_t firstDepth = f.first < f.records.size() ? f.records[f.first].depth : 0;
    ReportsAndMemos(firstDepth, f.print.lastPrintedDepth, topY, rowsEndY);
}

void PageSteps::Rests(int topY) { ReportsAndMemos(std::nullopt, std::nullopt, topY, topY); }

void PageSteps::ReportsAndMemos(std::optional<std::int32_t> firstDepth, std::optional<std::int32_t> lastDepth, int topY,
                                int rowsEndY)
{
    logview::NeighbourPainters& n = f.painters;
    tracks::PendingCells& pending = f.tracks.pending;
    const int R = Rh();
    pending.TakeShortReports([&](std::int32_t report) {
        if (f.options.shortReports)
            n.DrawShortReportsCompact(target, report, R, topY, 0);
    });
    // Without rows, rows that start below every report: the pass draws only the further rests it holds.
    constexpr std::int32_t kBelowAll = std::numeric_limits<std::int32_t>::max() / 2;
    if (f.options.shortReports)
        n.DrawShortReports(target, firstDepth.value_or(kBelowAll), lastDepth.value_or(kBelowAll), R, topY, runEnds);
    // The memos the last page cut off go on at the top of this one; each drawn is forgotten, and a
    // painter that keeps one cannot hold the page.
    for (int k = 0, memo = n.PendingMemo(); memo >= 0 && k < kMaxPendingMemos; ++k, memo = n.PendingMemo())
        n.DrawMemoBox(target, memo, R, topY, 0);
    if (f.options.memos && firstDepth)
        n.DrawMemos(target, *firstDepth, logview::PageBottomY{rowsEndY}, R, topY);
}

void PageSteps::Pictures(const std::vector<int>& rowY)
{
    if (f.settings.pictures == 0)
        return;
    // The rest of a picture the last page cut off comes first, at the top of this one.
    tracks::PendingCells& pending = f.tracks.pending;
    if (pending.picture >= 0 && pending.pictureRemaining > 0 && !rowY.empty())
        f.painters.DrawImageAt(target, pending.picture, rowY.front(), 0, 0, false, true);
    int picture = 0;
    for (std::size_t r = 0; r < rowY.size() && f.first + r < f.records.size(); ++r) {
        picture = f.painters.FindNextImageAtDepth(f.records[f.first + r].depth, picture);
        if (picture >= 0)
            f.painters.DrawImage(target, picture, rowY[r]);
    }
}

void PageSteps::LabelsLast(int firstTextY)
{
    if (!laterLabels.empty()) {
        const std::vector<platform::RECT> written = platform::RecordedTextCells(dc, Rh() / 2);
        const platform::KeepDcState keep(dc);
        for (const logview::LaterLabel& l : laterLabels) {
            const platform::Font font = platform::Font::FromLogFont(l.font);
            const QString text = QString::fromLatin1(l.text.c_str());
            if (platform::Crosses(platform::TextCell(dc, l.x, l.y, text, l.align, font), written))
                continue;
            dc.SelectObject(font);
            dc.SetTextColor(l.colour);
            dc.SetTextAlign(l.align);
            dc.TextOut(l.x, l.y, l.text.c_str());
        }
        laterLabels.clear();
    }
    if (!gasHeads.empty() || !curveHeads.empty()) {
        const std::vector<platform::RECT> written = platform::RecordedTextCells(dc, Rh() / 2);
        logview::Device device = f.device;
        device.printer.written = &written;
        const logview::PaintTarget heads{dc, g, device};
        for (const logview::CurveHeadAt& h : curveHeads)
            f.painters.DrawTrackScaleHeader(heads, h.y, Rh(), h.flag);
        // A head reaches 1.4 rows above its y: a page's first rows write it lower.
        const int lowest = firstTextY + int(1.4 * Rh()) + 1;
        for (const logview::GasHeadAt& h : gasHeads)
            f.painters.DrawGasScaleHeader(heads, *h.record, std::max(h.y, lowest), Rh(), h.inBody);
        gasHeads.clear();
        curveHeads.clear();
    }
}

int PageSteps::NextMargin(int recordsPerIndex)
{
    if (!f.print.pageClass)
        return 0;
    const int before = f.print.marginIndex;
    f.print.marginIndex = (before + 1) % 5;
    return f.print.marginIndex == 0 ? before * recordsPerIndex : 0;
}

}  // namespace print
