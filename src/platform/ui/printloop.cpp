#include "platform/ui/printloop.h"

#include "platform/services.h"
#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"
#include "platform/winapi.h"

#include <QCoreApplication>
#include <QWidget>

namespace platform {

namespace {

// The small modeless window of a running job; its Cancel marks the printout cancelled.
class AbortDialog final : public Dialog {
public:
    AbortDialog(QWidget* parent, Printout& printout, const QString& device) : Dialog(parent, printout.Title())
    {
        setObjectName(QStringLiteral("AbortDialog"));
        AddStatic(IDC_ABORT_TITLE, printout.Title());
        NewRow();
        AddStatic(IDC_ABORT_DEVICE, device);
        NewRow();
        AddStatic(IDC_ABORT_PAGE, QString());
        NewRow();
        AddButton(IDCANCEL, QStringLiteral("Cancel"), true);
        On(IDCANCEL, BN_CLICKED, [this, &printout] {
            printout.Cancel();
            Enable(IDCANCEL, false);
        });
    }
    void SetPage(int page) { SetText(IDC_ABORT_PAGE, QStringLiteral("Page %1").arg(page)); }
};

// The paper of one job: a printout of cut sheets on a printer with continuous paper gets the locale's cut
// sheet, and the printer its own paper back when the job is done.
class JobPaper {
public:
    JobPaper(Printer& printer, bool cutSheet) : printer_(printer), kept_(printer.Page())
    {
        changed_ = cutSheet && IsContinuousPaper(kept_);
        if (changed_)
            printer.SetPage({CutSheetPaper(QLocale()), kept_.margins});
    }
    ~JobPaper()
    {
        if (changed_)
            printer_.SetPage(kept_);
    }
    JobPaper(const JobPaper&) = delete;
    JobPaper& operator=(const JobPaper&) = delete;

private:
    Printer& printer_;
    const PageSetup kept_;
    bool changed_ = false;
};

}  // namespace

bool PrintJobWithAbortDialog(Printer& printer, Printout& printout, QWidget* parent, const QString& folder)
{
    const JobPaper paper(printer, printout.cutSheet);
    const PrinterInfo info = printer.Info();
    const int cx = info.printableWidth, cy = info.printableHeight;
    printout.BeginPrinting(cx, cy);
    // A printout with nothing to print opens no job: no empty page, no empty file.
    if (!printout.HasPage(1)) {
        printout.EndPrinting();
        return true;
    }

    QPaintDevice* device = printer.BeginJob({printout.Title(), printout.OutputFile(), folder});
    if (!device) {
        printer.EndJob();
        printout.EndPrinting();
        const QString file = printout.OutputFile();
        MessageBox(file.isEmpty() ? QStringLiteral("The print job could not be started on %1").arg(info.deviceName)
                                  : QStringLiteral("%1\nThe print file could not be created").arg(file),
                   QStringLiteral("Printer Error"));
        return false;
    }

    AbortDialog abort(parent, printout, info.deviceName);
    abort.Create();
    const RECT page{0, 0, cx, cy};
    {
        Dc dc(*device);
        // A page is only started when it will be drawn: a cancelled job ends after its last drawn page.
        for (int n = 1;; ++n) {
            abort.SetPage(n);
            QCoreApplication::processEvents();
            if (printout.Cancelled() || !printout.HasPage(n))
                break;
            if (n > 1)
                dc.NewPage();
            printout.PrintPage(dc, n, page, 0);
            printout.PagePrinted();
        }
    }
    const bool ended = printer.EndJob();
    abort.close();
    if (parent)
        parent->setFocus();
    printout.EndPrinting();
    return ended;
}

}  // namespace platform
