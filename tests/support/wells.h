#pragma once
// Wells on disk for the tests: valid depth records, data files of them, and a well's folders.
#include "wellfile/record.h"
#include "wellfile/wellconfig.h"
#include "wellfile/wellplace.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace app {
struct LogState;
}

namespace testing_support {

// A depth record the checks and the repair pass take as sound: the three rates `rate`, test gas 100,
// every scale 1, lithology `lith`.
wellfile::RECORD ValidRecord(int depth, float rate, const char* lith);

// A data file `fileName` in `folder` (made when missing) of sound records first..last, the first
// one's company text naming profile 12 ("PRF12"). Returns its path; first > last is a failure of the
// test and returns an empty path.
QString MakeWell(const QString& folder, const QString& fileName, int first, int last);

// Makes the well `wellName` (records first..last) in the test's folder and opens it on `s` as far as
// the links need: the data and current folders, the names and the depth range. False when it could
// not be made.
bool PointAtNewWell(app::LogState& s, const QString& wellName, int first, int last);

// A well named `wellName` with its data folder "data/" and local folder "local/" in the test's folder,
// both made.
wellfile::WellPlace MakePlace(const QString& wellName);

// Reads the well's settings file `cfgPath`, hands them to `edit` and writes them back; false (and the
// file left as it was) when it does not hold one whole set.
bool EditWellConfig(const QString& cfgPath, const std::function<void(wellfile::WellConfig&)>& edit);

// The demo well ending at `lastDepth` in `folder`, left drilling at its last exit, its depth from a rig's
// WITS feed that calls `port` on loopback (the station the feed's client), every unit booked however
// quickly it was drilled; false when a file could not be made.
bool MakeDrillingDemoWell(const QString& folder, std::uint16_t port, std::int32_t lastDepth);

}  // namespace testing_support
