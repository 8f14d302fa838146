#include "print/ui/logprintout.h"

#include "app/logstate.h"
#include "app/opendatafile.h"
#include "app/printtracks.h"
#include "elog/curveset.h"
#include "platform/services.h"
#include "print/draw/logpage.h"
#include "print/printfonts.h"
#include "print/printsetup.h"
#include "wellfile/reportconversion.h"
#include "wellfile/sidefiles_reports.h"

#include <algorithm>

namespace print {

namespace {

// Keeps the reports a run prints: the whole records of a file of `fileSize` bytes up to the first whose
// from-depth is empty (it ends the list), then one zeroed record. A torn record at the end of the file
// is no report. Returns their count.
int ListedDsts(std::vector<wellfile::DSTREPORT>& dsts, qint64 fileSize)
{
    const auto whole = std::size_t(std::max<qint64>(0, fileSize / wellfile::kDstSize));
    std::size_t count = 0;
    while (count < whole && count < dsts.size() && dsts[count].fromDepth[0] != '\0')
        ++count;
    dsts.resize(count + 1);
    dsts[count] = {};
    return int(count);
}

}  // namespace

LogPrintout::LogPrintout(const QString& title, app::LogState& log, PrintRunKind kind, DepthRange range,
                         wellfile::PRINTCFG& settings, PrintPagePainters painters)
    : Printout(title), log_(log), kind_(kind), range_(range), settings_(settings), painters_(std::move(painters))
{
}

bool LogPrintout::Horizontal() const
{
    return kind_ == PrintRunKind::Log && log_.print.horizontalPrint && painters_.horizontalPage;
}

void LogPrintout::BeginPrinting(int cx, int cy)
{
    pageHeight_ = cy;
    PlanRun(cx, cy);
    if (kind_ == PrintRunKind::Log && pagesLeft_ > 0 && !Horizontal()) {
        ReadRecords();
        CountLogPages();
    }
}

void LogPrintout::CountLogPages()
{
    const PrintState& ps = log_.print;
    const int R = ps.rowHeight;
    if (!records_ || pagesLeft_ == 0 || !painters_.headerHeight || plan_.scaleKind >= 3 || ps.pageClass ||
        ps.dataAsText || R <= 0)
        return;
    // The rows to print: from the current record while records of the range follow.
    const std::vector<wellfile::RECORD>& buffer = records_->buffer;
    int rows = 0;
    for (std::size_t i = current_; i < buffer.size(); ++i, ++rows) {
        const std::int32_t depth = buffer[i].depth;
        if (depth < 1 || depth > range_.end || depth > ps.printBottomDepth)
            break;
    }
    // The first page gives its top to the header, as the page painter takes it.
    const bool fullHeader = settings_.fullHeader != 0;
    int headerRows = 0, headerY = 0;
    if (fullHeader) {
        headerY = std::max(0, painters_.headerHeight(settings_));
        headerRows = headerY / R;
    } else if (settings_.shortHeader && !ps.profileOptions.alternateHeader) {
        headerY = int(14.3 * R);
        headerRows = kShortHeaderRows;
    }
    // No more rows than stand whole on the printable area, as the page painter lays them.
    const int first = RowsOnPage(
        plan_.rowsPerPage - headerRows + ExtraPageRows(settings_.pageLength, fullHeader, ps.rowStep), headerY,
        pageHeight_, R);
    const int later =
        RowsOnPage(plan_.rowsPerPage + ExtraPageRows(settings_.pageLength, false, ps.rowStep), 0, pageHeight_, R);
    plan_.pages = LogPagesFor(rows, first, later) + dstPages_;
    pagesLeft_ = plan_.pages;
}

void LogPrintout::PlanRun(int cx, int cy)
{
    PrintState& ps = log_.print;
    const wellfile::OpenWell& file = log_.well.file;
    checkedRowHeight_ = ps.rowHeight;
    checkedColumnUnit_ = ps.columnUnit;
    ps.scaleFactor = 1.0f;
    ps.headerPage = true;
    ps.lastPrintedDepth = 0;
    ps.marginIndex = 0;
    pagesLeft_ = 0;
    // No box an earlier run cut goes on in this one.
    log_.trackPainters.pending.shortReports = {-1, -1};
    log_.shortReports.furtherCuts.clear();

    if (kind_ == PrintRunKind::Log && ps.dstPages) {
        if (auto dsts = wellfile::LoadDsts(app::PlaceOf(log_), wellfile::ConvertDsts)) {
            dstCount_ = ListedDsts(dsts->records, dsts->size);
            dsts_ = std::move(dsts->records);
        }
    }

    PrintRunInput in;
    in.kind = kind_;
    in.cx = cx;
    in.cy = cy;
    in.rowHeight = ps.rowHeight;
    in.columnUnit = ps.columnUnit;
    in.scaleKind = ps.scaleKind;
    in.twoAndHalfInch = ps.twoAndHalfInch;
    in.narrowFormat = ps.narrowFormat;
    in.dataAsText = ps.dataAsText;
    in.fullHeader = settings_.fullHeader != 0;
    in.customTracks = log_.well.customTracksEnabled;
    in.compression = ps.compression;
    in.range = range_;
    in.firstDepth = file.fileTopDepth;
    in.lastDepth = file.fileBottomDepth;
    in.dstCount = dstCount_;
    in.dataFolder = file.dataFolder;
    in.wellName = file.wellName;
    // The printed columns are laid out in blocks of the column unit; the print unit is the printer's
    // tenth of an inch.
    log_.layout.printUnit = ps.columnUnit;
    in.layoutWidth = layoutWidth ? layoutWidth : [this](int, int columnUnit) {
        return app::LayoutPrintTracks(log_, float(columnUnit)).rightEnd;
    };
    plan_ = PlanPrintRun(in);

    ps.margins = plan_.margins;
    ps.pageClass = plan_.margins.pageClass;
    if (ps.pageClass)
        settings_.fullHeader = 1;
    dstPages_ = plan_.dstPages;
    settings_.pageLength = PageLength(cy, ps.rowHeight);
    settings_.pageWidth = plan_.pageWidth;
    settings_.rowHeight = ps.rowHeight;
    settings_.columnUnit = ps.columnUnit;

    if (kind_ == PrintRunKind::Tops) {
        pagesLeft_ = 1;
        return;
    }
    if (Horizontal()) {
        // The view ends the run by what its pages return.
        pagesLeft_ = 2;
        if (ps.pdfPrinter) {
            const HorizontalViewFacts view = HorizontalViewOf(log_);
            ps.pdfName = PrintPdfName(file.dataFolder, file.wellName, settings_.endDepth, view.scaleKind, true);
        }
        return;
    }
    const int profile = log_.well.loggerId;
    if (kind_ == PrintRunKind::HeaderOnly) {
        pagesLeft_ = 1;
        ps.columnUnit = plan_.columnUnit;
        SetPrintFonts(ps, profile);
        return;
    }

    ps.narrowFormat = plan_.narrowFormat;
    ps.rowHeight = plan_.rowHeight;
    ps.columnUnit = plan_.columnUnit;
    ps.scaleKind = plan_.scaleKind;
    if (plan_.failure == PrintRunFailure::WidthCalculation)
        platform::MessageBox(QStringLiteral("Width calculation error"), QStringLiteral("Print Error"));
    if (plan_.failure == PrintRunFailure::TooWide)
        platform::MessageBox(QStringLiteral("Print out is too wide to fit on this paperTry removing one or more grids, "
                                            "or use a wider paper"),
                             QStringLiteral("Print Compression Warning"));
    ps.scaleFactor = plan_.scaleFactor;
    ps.layoutWidth = plan_.layoutWidth;
    SetPrintFonts(ps, profile);
    range_ = plan_.range;
    pagesLeft_ = plan_.pages;
    if (ps.pdfPrinter)
        ps.pdfName = plan_.pdfName;
}

void LogPrintout::ReadRecords()
{
    records_ = ReadPrintRecords(log_.well.file, range_, plan_.scaleKind);
    if (!records_) {
        pagesLeft_ = 0;  // no records: the run ends before its first page
        return;
    }
    log_.print.printBottomDepth = records_->printBottomDepth;
    current_ = records_->current;
}

QString LogPrintout::OutputFile() const
{
    return kind_ == PrintRunKind::Log && log_.print.pdfPrinter ? log_.print.pdfName : QString();
}

bool LogPrintout::HasPage(int)
{
    if (Horizontal())
        return pagesLeft_ != 0;
    // A page is started only for what is left to draw: never a log page past the range.
    if (kind_ == PrintRunKind::Log && pagesLeft_ != 0 && LogPrinted() && DstPagesToCome() == 0 && !RestsToCome())
        pagesLeft_ = 0;
    return pagesLeft_ != 0;
}

bool LogPrintout::RestsToCome() const
{
    const auto& cut = log_.trackPainters.pending.shortReports;
    return cut[0] >= 0 || cut[1] >= 0 || !log_.shortReports.furtherCuts.empty();
}

int LogPrintout::DstPagesToCome() const
{
    if (dstPages_ <= 0 || dstIndex_ >= dstCount_)
        return 0;
    return (dstCount_ - dstIndex_ + 1) / 2;
}

void LogPrintout::PrintPage(platform::Dc& dc, int page, const platform::RECT& rect, unsigned)
{
    if (Horizontal()) {
        pagesLeft_ = page != 0 ? painters_.horizontalPage(dc, settings_, float(log_.print.rowHeight), page) : 0;
        return;
    }
    if (kind_ == PrintRunKind::Tops) {
        pagesLeft_ = 1;
        const std::size_t next = painters_.topsPage ? painters_.topsPage(dc, topsNext_) : 0;
        pagesLeft_ = next > topsNext_ ? 1 : 0;
        topsNext_ = next;
        return;
    }
    if (kind_ == PrintRunKind::HeaderOnly) {
        settings_.fullHeader = 1;
        LogPage header;
        header.page = page;
        header.headerOnly = true;
        header.scaleKind = log_.print.scaleKind;
        header.settings = &settings_;
        if (painters_.logPage)
            painters_.logPage(dc, header);
        settings_.fullHeader = 0;
        settings_.shortHeader = 0;
        pagesLeft_ = 0;
        log_.view.Invalidate();
        return;
    }
    // A box the run's last page could not hold goes on at the top of a page of its own.
    if (LogPrinted() && RestsToCome() && records_) {
        LogPage rests;
        rests.page = page;
        rests.restsOnly = true;
        rests.scaleKind = plan_.scaleKind;
        rests.settings = &settings_;
        if (painters_.logPage)
            painters_.logPage(dc, rests);
        log_.trackPainters.pending.shortReports = {-1, -1};
        log_.shortReports.furtherCuts.clear();
        pagesLeft_ = DstPagesToCome();
        return;
    }
    // The DST reports follow the log's last record; no log page is started once the range is printed.
    if (LogPrinted() && DstPagesToCome() > 0) {
        log_.trackPainters.pending.pageBottomY = 0;
        if (painters_.dstPage)
            painters_.dstPage(dc, dsts_, dstIndex_);
        dstIndex_ += 2;
        --pagesLeft_;
        if (dstIndex_ >= dstCount_)
            pagesLeft_ = 0;
        return;
    }
    if (page != 0 && range_.start < range_.end && records_ && !LogPrinted()) {
        if (Cancelled()) {
            pagesLeft_ = 0;
            return;
        }
        PrintLogPage(dc, page, rect.bottom - rect.top);
        return;
    }
    // No kind of page is left to draw: the run ends here rather than being asked for this page forever.
    pagesLeft_ = 0;
}

void LogPrintout::PrintLogPage(platform::Dc& dc, int page, int pageHeight)
{
    const std::vector<wellfile::RECORD>& buffer = records_->buffer;
    LogPage p;
    p.page = page;
    p.records = buffer.data() + current_;
    p.available = buffer.size() - current_;
    p.preceding = current_;
    p.rowsPerPage = plan_.rowsPerPage;
    p.pageHeight = pageHeight;
    p.endDepth = range_.end;
    p.scaleKind = plan_.scaleKind;
    p.settings = &settings_;
    const int consumed = painters_.logPage ? painters_.logPage(dc, p) : 0;
    // The next page starts within the buffer, with the record before its first row in it too.
    const auto next = std::int64_t(current_) + consumed;
    current_ = std::size_t(std::clamp<std::int64_t>(next, 1, std::int64_t(buffer.size()) - 1));
    --pagesLeft_;
    // Where the page count is an estimate (the ten-foot rows, the page-class margins): while records
    // remain one more log page comes before the DST pages, and once they are printed only the DST
    // pages are left.
    if (LogPrinted())
        pagesLeft_ = DstPagesToCome() + (RestsToCome() ? 1 : 0);
    else if (consumed > 0)
        pagesLeft_ = std::max(pagesLeft_, DstPagesToCome() + 1);
    settings_.fullHeader = 0;
    settings_.shortHeader = 0;
}

bool LogPrintout::LogPrinted() const
{
    if (!records_)
        return true;
    const std::vector<wellfile::RECORD>& buffer = records_->buffer;
    if (current_ >= buffer.size())
        return true;
    const std::int32_t depth = buffer[current_].depth;
    return depth < 1 || depth > range_.end || depth > log_.print.printBottomDepth;
}

void LogPrintout::EndPrinting()
{
    PrintState& ps = log_.print;
    ps.printBottomDepth = log_.well.file.fileBottomDepth;
    if (kind_ == PrintRunKind::Log) {
        ReleasePrintFonts(ps);
        records_.reset();
        dsts_.clear();
        log_.customTracks.printData.reset();
        ps.twoAndHalfInch = false;
        if (reloadMemos)
            reloadMemos();
    }
    ps.rowHeight = checkedRowHeight_;
    ps.columnUnit = checkedColumnUnit_;
    // The curve set's drawing is the screen's again.
    elog::PrepareCurveDrawing(log_.engines, log_.layout);
}

}  // namespace print
