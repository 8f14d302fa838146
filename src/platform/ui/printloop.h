#pragma once
// The print loop, in place of the class library's TPrinter::Print: the printout is told the page size,
// the job is opened on the printer, pages are drawn while the printout has them, and an abort dialog
// (the job's title, the printer's name, "Page %d" and Cancel) keeps the window responsive between pages.
#include "platform/draw/printout.h"
#include "platform/printer.h"

class QWidget;

namespace platform {

// The abort dialog's controls.
enum : int { IDC_ABORT_TITLE = 101, IDC_ABORT_DEVICE = 102, IDC_ABORT_PAGE = 103 };

// Prints `printout` on `printer`; files the printer writes without a name of their own go to `folder`.
// False, after telling the user, when the job could not be opened; a cancelled job is true (the pages
// drawn so far are kept). A printout without a first page opens no job at all. A printout of cut sheets
// on a printer with continuous paper is printed on the locale's cut sheet; the printer keeps its paper.
bool PrintJobWithAbortDialog(Printer& printer, Printout& printout, QWidget* parent, const QString& folder);

}  // namespace platform
