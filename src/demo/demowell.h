#pragma once
// The demo well "elogdemo": a made-up but plausible well that the program opens when it has nothing
// else to show. It is generated, not shipped: the same seed gives the same well byte for byte, so the
// tool tools/makedemowell and the first start of the program write identical files.
#include "wellfile/profile.h"  // kDemoProfile: the profile its company text gives

#include <QString>

#include <cstdint>

namespace demo {

constexpr char kDemoWellName[] = "elogdemo";
constexpr std::uint32_t kDemoSeed = 20260115;

struct DemoWellShape {
    std::int32_t firstDepth = 1000;
    std::int32_t lastDepth = 2600;  // at least 1,500 units below the first
    std::uint32_t seed = kDemoSeed;
};

// Writes the demo well into `folder` through the program's own savers: the header (".hdr"), the
// formation tops (".top"), the show reports (".sho"), the well's settings with the custom tracks on
// (".cfg"), its display schemes (".sch"), the downtime notes, the short reports (".qpt"), a daily report
// (".rpt") and a drill-stem test (".dst"), the horizontal
// view's depth notes (".hxt"), the custom-data
// and FIT files of the custom tracks (".svx", ".fit"), their layout (".grdx") and last the data file
// ("elogdemo.svm", put in place by a rename, so a data file present
// is a whole one). Returns false when any file could not be written.
bool MakeDemoWell(const QString& folder, const DemoWellShape& shape = {});

// Writes the demo well into `folder` unless an "elogdemo.svm" is there already (any letter case).
// Returns true when the demo well is there afterwards.
bool InstallDemoWell(const QString& folder);

}  // namespace demo
