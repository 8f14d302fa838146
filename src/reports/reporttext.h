#pragma once
// The well's latest reports as the plain text file "<well>.txt" in its local folder: the last daily
// report replaces the file, and the last show and DST reports are added once each, remembered by the
// counters of the well's configuration. Lines end in LF CR as other stations read them; the file is
// written as a text-mode file would put them on disk: CR LF CR.
#include "wellfile/reportrecords.h"
#include "wellfile/wellheader.h"
#include "wellfile/wellplace.h"

#include <QString>

namespace reports {

// The texts of one report, each line ending in CR LF CR.
QByteArray MorningReportText(const wellfile::REPORTEX& report, const wellfile::WellHeader& header, const QString& title,
                             bool hotwire);
QByteArray ShowText(const wellfile::SHOWREPORT& show, bool hotwire);
QByteArray DstText(const wellfile::DSTREPORT& test);

// Adds `text` to the end of the well's text file (made when there is none). The file is replaced in one
// step; when that fails ("Unable to open file", caption "File Error") the old text stays whole. Returns
// the file's path, empty when nothing was written.
QString AddReportText(const wellfile::WellPlace& place, const QByteArray& text);

// Writes the text file of the open well: the last daily report ("No report file found", caption
// "File Error ", when there is none: the old text is kept), then the last show and the last DST report
// when their numbers are above the counters. The file is replaced in one step; when that fails ("Unable
// to open file", caption "File Error") the old text stays whole and no counter moves. The configuration
// is written back only when it was read and a counter changed. `title` is the log title. Returns the
// counters and whether the configuration was written with them.
struct ReportTextCounters {
    int lastDst = 0;
    int lastShow = 0;
    bool saved = false;
};
ReportTextCounters SaveReportsAsText(const wellfile::WellPlace& place, bool& fieldSettings, const QString& title,
                                     bool hotwire);

}  // namespace reports
