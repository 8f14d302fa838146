#pragma once
// The printed page of one show report, laid out in tenths of an inch.
#include "platform/draw/dc.h"
#include "wellfile/reportrecords.h"

#include <QString>

namespace reports {

// Draws `show` as one page with unit `u` (a tenth of an inch in device units): `title` (the log title)
// and "SHOW REPORT" centred, then the fields. The gas heading reads "TG" with `hotwire`, else "TOT".
void DrawShowPage(platform::Dc& dc, int u, const wellfile::SHOWREPORT& show, const QString& title, bool hotwire);

}  // namespace reports
