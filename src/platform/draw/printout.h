#pragma once
// A printout, in place of the class library's TPrintout: what a print job draws, page by page, on the
// printer's device. The print loop (platform/ui/printloop.h) drives it.
#include "platform/draw/dc.h"
#include "platform/gdi.h"

#include <QString>

namespace platform {

class Printout {
public:
    explicit Printout(QString title) : title_(std::move(title)) {}
    virtual ~Printout() = default;
    Printout(const Printout&) = delete;
    Printout& operator=(const Printout&) = delete;

    const QString& Title() const { return title_; }

    // Before the job opens, with the printable page in device pixels.
    virtual void BeginPrinting(int /*cx*/, int /*cy*/) {}
    // The file a printer that writes files is to write; empty: the printer's own choice.
    virtual QString OutputFile() const { return {}; }
    virtual bool HasPage(int page) = 0;
    // Draws page `page` (from 1) on `dc` within `rect`. Pages are drawn whole: `flags` is always 0.
    virtual void PrintPage(Dc& dc, int page, const RECT& rect, unsigned flags) = 0;
    // After the last page, also when the job could not be opened or was cancelled.
    virtual void EndPrinting() {}

    // The user's Cancel in the abort dialog: no further page is started.
    bool Cancelled() const { return cancelled_; }
    void Cancel() { cancelled_ = true; }
    // The pages the print loop has drawn: none when the run had nothing to print and opened no job.
    int PagesPrinted() const { return pagesPrinted_; }
    void PagePrinted() { ++pagesPrinted_; }

    // The pages are cut sheets (the reports): a printer on continuous paper takes the locale's cut sheet
    // for this job only.
    bool cutSheet = false;
    // Banding is accepted and ignored.
    bool banding = false;
    bool forceAllBands = false;

private:
    QString title_;
    bool cancelled_ = false;
    int pagesPrinted_ = 0;
};

}  // namespace platform
