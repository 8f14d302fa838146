#pragma once
// The printout of the print command: the log pages of the open well (then its DST reports), the
// printed header alone or the tops list. It works out the run before the first page, hands each page to
// its page painter and gives the window back its print values at the end.
#include "platform/draw/printout.h"
#include "print/printrecords.h"
#include "print/printrun.h"
#include "wellfile/printcfg.h"
#include "wellfile/reportrecords.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace app {
struct LogState;
}

namespace print {

// One log page as a page painter gets it.
struct LogPage {
    int page = 0;
    // The record of the first row; the record before it is always in the buffer (records[-1]).
    const wellfile::RECORD* records = nullptr;
    std::size_t available = 0;  // records from `records` to the end of the buffer
    std::size_t preceding = 0;  // records of the buffer before `records`
    int rowsPerPage = 0;
    int pageHeight = 0;  // the printable height in printer pixels: rows end above it
    int endDepth = 0;
    int scaleKind = 1;
    bool headerOnly = false;  // the header-only page: the header and no rows
    bool restsOnly = false;   // a page after the run's rows for the boxes its last page cut: no rows
    wellfile::PRINTCFG* settings = nullptr;
};

// What draws the pages. A log page returns the records it consumed (the run moves on by that many).
struct PrintPagePainters {
    std::function<int(platform::Dc&, const LogPage&)> logPage;
    // The report at `first` and the one after it (a report with an empty from-depth ends the list).
    std::function<void(platform::Dc&, std::span<const wellfile::DSTREPORT> reports, int first)> dstPage;
    // The tops from `first`; returns the top the next page starts with, 0 when the list is done.
    std::function<std::size_t(platform::Dc&, std::size_t first)> topsPage;
    // The height in printer pixels of the full header the first log page will draw; unset: the run
    // counts its pages with the estimated header length.
    std::function<int(const wellfile::PRINTCFG&)> headerHeight;
    // A page of the horizontal view (the set-up's "Horizontal"): the pages left including this one.
    std::function<int(platform::Dc&, wellfile::PRINTCFG&, float rowHeight, int page)> horizontalPage;
};

class LogPrintout final : public platform::Printout {
public:
    LogPrintout(const QString& title, app::LogState& log, PrintRunKind kind, DepthRange range, wellfile::PRINTCFG& settings,
                PrintPagePainters painters);

    void BeginPrinting(int cx, int cy) override;
    QString OutputFile() const override;
    bool HasPage(int page) override;
    void PrintPage(platform::Dc& dc, int page, const platform::RECT& rect, unsigned flags) override;
    void EndPrinting() override;

    // Reads the well's memo list again after a log run.
    std::function<void()> reloadMemos;
    // The printed log's width at a row height and column unit; unset: the window's print layout.
    std::function<int(int rowHeight, int columnUnit)> layoutWidth;

    // The run as BeginPrinting worked it out.
    const PrintRunPlan& Plan() const { return plan_; }
    int PagesLeft() const { return pagesLeft_; }
    const std::vector<wellfile::RECORD>* Records() const { return records_ ? &records_->buffer : nullptr; }
    int DstCount() const { return dstCount_; }

private:
    void PlanRun(int cx, int cy);
    void ReadRecords();
    void PrintLogPage(platform::Dc& dc, int page, int pageHeight);
    bool Horizontal() const;
    // No record of the range is left to print.
    bool LogPrinted() const;
    // The DST pages not printed yet.
    int DstPagesToCome() const;
    // A short-report box the last log page cut, whose rest is still to print.
    bool RestsToCome() const;
    // The log pages of a run of one record a row, counted with the header's real height.
    void CountLogPages();

    app::LogState& log_;
    PrintRunKind kind_;
    DepthRange range_;
    wellfile::PRINTCFG& settings_;
    PrintPagePainters painters_;

    PrintRunPlan plan_;
    int pagesLeft_ = 0;
    std::optional<PrintRecords> records_;
    std::size_t current_ = 0;
    std::vector<wellfile::DSTREPORT> dsts_;
    int dstCount_ = 0, dstPages_ = 0, dstIndex_ = 0;
    int pageHeight_ = 0;        // the printable height in printer pixels
    std::size_t topsNext_ = 0;  // the first top of the tops list's next page
    // The print geometry of the printer check, given back at the end.
    int checkedRowHeight_ = 0, checkedColumnUnit_ = 0;
};

}  // namespace print
