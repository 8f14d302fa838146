#pragma once
// The demo well's daily report (".rpt") and drill-stem test (".dst"), made with its records: the report
// of the last day of logging with its gas, survey and mud, and a test over the show in the Main Sand.
#include "demo/demowell_data.h"
#include "wellfile/wellplace.h"

namespace demo {

// The dates of the demo well as its header gives them (month-day-year).
inline constexpr char kDemoSpudDate[] = "01-02-26";
inline constexpr char kDemoStartDate[] = "01-03-26";  // start of logging
inline constexpr char kDemoEndDate[] = "01-15-26";

bool SaveDemoDailyReport(const wellfile::WellPlace& place, const DemoData& data, const DemoWellShape& shape);
// Nothing is written when the well has no show to test.
bool SaveDemoDst(const wellfile::WellPlace& place, const DemoData& data);

}  // namespace demo
