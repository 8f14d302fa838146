#pragma once
// The printer object of a print run, in place of the class library's TPrinter: what the selected printer
// is (the answers of GetDeviceCaps and of its DEVMODE) and the paged device its pages are drawn on. The
// desktop's printers are the system's default print queue (platform/ui) or, without one, a printer that
// writes PDF files (platform/draw); tests describe printers of their own whose pages go to PDF files.
//
// No Qt GUI here: the device is handed out as a pointer, which only the drawing code uses.
#include "platform/gdi.h"

#include <QLocale>
#include <QMarginsF>
#include <QSizeF>
#include <QString>

#include <memory>

class QPaintDevice;

namespace platform {

// DEVMODE values, with their Windows numbers.
enum : int { DMCOLOR_MONOCHROME = 1, DMCOLOR_COLOR = 2 };
enum : int {
    DMBIN_UPPER = 1, DMBIN_LOWER = 2, DMBIN_MIDDLE = 3, DMBIN_MANUAL = 4, DMBIN_ENVELOPE = 5, DMBIN_ENVMANUAL = 6,
    DMBIN_AUTO = 7, DMBIN_TRACTOR = 8, DMBIN_SMALLFMT = 9, DMBIN_LARGEFMT = 10, DMBIN_LARGECAPACITY = 11,
    DMBIN_CASSETTE = 14, DMBIN_FORMSOURCE = 15,
};

// The paper as it lies under the print head (width across the page) and its unprintable edges, in points.
struct PageSetup {
    QSizeF paper;
    QMarginsF margins;
    friend bool operator==(const PageSetup&, const PageSetup&) = default;
};

// What a printer reports. Sizes and offsets are device pixels.
struct PrinterInfo {
    QString deviceName;
    QString port;    // "LPT1" for a queue on the first parallel port, "FILE:" for a PDF printer
    QString driver;
    int dpiX = 0;
    int dpiY = 0;
    int physicalWidth = 0;   // the whole paper
    int physicalHeight = 0;
    int offsetX = 0;         // where the printable area starts on the paper
    int offsetY = 0;
    int printableWidth = 0;
    int printableHeight = 0;
    int color = DMCOLOR_MONOCHROME;
    int defaultSource = DMBIN_AUTO;
    int copies = 1;

    // GetDeviceCaps on a DC of this printer (TECHNOLOGY, HORZSIZE/VERTSIZE in mm, HORZRES/VERTRES,
    // LOGPIXELSX/Y, PHYSICAL*); 0 for what a printer does not answer.
    int DeviceCaps(int index) const;
};

// A print job: its title, and for a printer that writes files the file to write (empty: `folder` + the
// title + ".pdf").
struct PrintJob {
    QString title;
    QString outputFile;
    QString folder;  // ends with '/'
};

class Printer {
public:
    virtual ~Printer() = default;
    virtual PrinterInfo Info() const = 0;
    virtual PageSetup Page() const = 0;
    virtual void SetPage(const PageSetup& page) = 0;
    virtual void SetCopies(int copies) = 0;
    // Starts a job and gives the device its pages are drawn on from the first page (a Dc over it draws
    // the pages, Dc::NewPage going to the next); nullptr when the job cannot be started (a file that
    // cannot be made). The Dc must be gone before EndJob.
    virtual QPaintDevice* BeginJob(const PrintJob& job) = 0;
    // Ends the job; false when its output could not be completed.
    virtual bool EndJob() = 0;
    // The file the last job went to; empty for a print queue.
    virtual QString JobFile() const = 0;
};

// Printers and the two printer dialogs, through the platform like the other prompts.
class Printers {
public:
    virtual ~Printers() = default;
    // The default printer; nullptr when none can be made.
    virtual std::unique_ptr<Printer> DefaultPrinter() = 0;
    // The print dialog (TPrintDialog, without the selection choice) over `printer`, which it may replace by another printer the user
    // chose; false when cancelled.
    virtual bool PrintDialog(std::unique_ptr<Printer>& printer) = 0;
    // The page set-up dialog (TPrinter::Setup); false when cancelled.
    virtual bool PageSetupDialog(Printer& printer) = 0;
};

// The cut-sheet paper of `locale`, portrait, in points: A4 where it measures in metric, else US Letter.
QSizeF CutSheetPaper(const QLocale& locale);
// Paper that lies wider than it is high is the continuous fan-fold paper a whole log is printed across.
bool IsContinuousPaper(const PageSetup& page);

// The port a print queue reports for its device URI: "parallel:/dev/lp0" is "LPT1", "parallel:/dev/lp1"
// "LPT2" and so on; any other URI is reported as it is.
QString PortForDeviceUri(const QString& uri);

// One point is 1/72 inch.
constexpr double kPointsPerInch = 72.0;

}  // namespace platform
