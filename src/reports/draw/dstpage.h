#pragma once
// The printed page of one drill-stem test, laid out in tenths of an inch.
#include "platform/draw/dc.h"
#include "wellfile/reportrecords.h"

#include <QString>
#include <string>

namespace reports {

// Draws `test` as one page with unit `u` (a tenth of an inch in device units): `title` (the log title)
// and "DST REPORT" centred, then `company` and `well` (from the well header) and the test's fields.
void DrawDstPage(platform::Dc& dc, int u, const wellfile::DSTREPORT& test, const QString& title, const std::string& company,
                 const std::string& well);

}  // namespace reports
