#pragma once
// A deviated well for the horizontal view's tests: vertical down to the kick-off, then the inclination
// builds past 85 degrees to 89.5, the TVD levels off and the vertical section grows; gas, slides and
// shows along the way so that every row of the plot has something to draw.
#include "wellfile/record.h"

#include <QString>

#include <vector>

namespace testing_support {

// Records first..last (one per depth unit). Build `buildPerUnit` degrees a unit from `kickOff`; by
// default the kick-off lies a quarter of the way down and the well is horizontal three quarters down.
// Every record is sound for the file checks; the first names profile 12.
std::vector<wellfile::RECORD> DeviatedRecords(int first, int last, int kickOff = -1, float buildPerUnit = -1);
// The same written as the data file `fileName` in `folder` (made when missing); its path.
QString MakeDeviatedWell(const QString& folder, const QString& fileName, int first, int last, int kickOff = -1);

// A lateral logged as real wells are: one record a unit from `first` to `last`, a survey station every
// `stationEvery` units from `first` (TVD, inclination, azimuth and vertical section only there), the
// inclination building from `startInclination` to 89.7 degrees over the first 300 units, the TVD
// `firstTvd` at `first`; rate, gas, 0.875 % CO2 and gamma (LateralGamma) on every record.
struct LateralShape {
    int first = 9000, last = 19000;
    float firstTvd = 8400, startInclination = 60;
    int stationEvery = 90;
};
std::vector<wellfile::RECORD> LateralRecords(const LateralShape& shape);
QString MakeLateralWell(const QString& folder, const QString& fileName, const LateralShape& shape);
// The gamma of the lateral's record at `depth`: 30 to 130 API, one swing every 157 units.
float LateralGamma(int depth);

}  // namespace testing_support
