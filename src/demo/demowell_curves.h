#pragma once
// The demo well's e-log curves (".svc"): a wireline log over the drilled interval, gamma read three
// units deeper than the mudlog's (for the depth match to set right), density and neutron porosity,
// shallow and deep resistivity that follow the porosity and the water each rock holds (rising over the
// shows), caliper, and Archie Sw and BVw worked out with the import's parameters. Made from the records,
// so the same well gives the same curves.
#include "demo/demowell_data.h"
#include "elog/curverecord.h"

#include <vector>

namespace demo {

// Record i holds depth i, from 0 to ten units above the last depth.
std::vector<elog::CurveRecord> MakeDemoCurves(const DemoData& data, const DemoWellShape& shape);

}  // namespace demo
