#pragma once
// The drill-stem test reports printed after the log, two to a page: each report's depths, formation,
// pressures and times, recoveries and comments, laid down the page in Arial.
#include "wellfile/reportrecords.h"

#include <span>

namespace platform {
class Dc;
}

namespace print {

// The width of the page's pen at row height `rowHeight`.
int DstPenWidth(int rowHeight);

// The report at `first` and the one after it. A report whose from-depth is empty ends the list, and so
// does the end of `reports`. Returns the reports printed.
int PrintDstPage(platform::Dc& dc, std::span<const wellfile::DSTREPORT> reports, int first, int rowHeight);

} // namespace print
