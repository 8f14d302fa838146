#pragma once
// Survey stations in the depth records: a station is stored in the record of its measured depth (MD as
// typed at 102, azimuth 268, inclination 272, TVD 276, vertical section 389, dog-leg 397, the entry
// flag 415); a record whose TVD is not 0 is a station. Also the checks of typed values, the station
// lines of the survey dialog's list and the station memo.
#include "elog/tvdinterval.h"
#include "wellfile/record.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace elog {

struct SurveyValues {
    float md = 0;  // as typed, with its decimals
    float tvd = 0;
    float azimuth = 0;
    float inclination = 0;
    float verticalSection = 0;
    float dogLeg = 0;
};

// MD and TVD always; azimuth, inclination, vertical section and dog-leg only when not 0, so a value
// typed as 0 keeps the stored one; the survey-entry flag set.
void StoreStation(wellfile::RECORD& r, const SurveyValues& v);
// Clears TVD, azimuth, inclination, vertical section and dog-leg; MD and the entry flag stay.
void ClearStation(wellfile::RECORD& r);

// "MD=1500.50  Incl=10.0  AZM=45.0  TVD=1400.00  VSec=300.0  DLS=2.0"
QString StationLine(const SurveyValues& v);
// The values after each "=" of a station line up to the next blank: MD, INCL, AZM, TVD, VERT SECT,
// DOG LEG SEVERITY (missing ones empty).
std::array<QString, 6> StationLineValues(const QString& line);
// "Survey@ 1500.50m MD\nIncl:10.00  Azim: 45.00  TVD:1400.00"
QByteArray StationMemo(const SurveyValues& v);

// The TVD typed for whole MD `md` against the last TVD: out of the file's range refuses; far from the
// last TVD, or deeper than the MD, asks. False when refused or not confirmed.
bool CheckTvd(std::int32_t md, float tvd, float lastTvd, std::int32_t firstDepth, std::int32_t lastDepth);
// A vertical section below the last one or more than 500 beyond it asks; false when not confirmed.
bool CheckVertSect(float verticalSection, float lastVerticalSection);

// What the survey dialog finds in the records when it opens.
struct SurveyScan {
    int stationCount = 0;
    // The stations that are TVD intervals (depth - TVD at least 6), each starting where the one before
    // ended (the first at the first depth), then ten zeroed entries.
    std::vector<TvdInterval> stations;
    QStringList lines;  // the list lines, deepest station first
    float lastTvd = 0;
    float lastVerticalSection = 0;
    float maxInclination = 0;  // whole degrees
    bool deviated = false;     // a station well above its MD, below the first 50 units
};
// `records`: the file's records from its first depth on, ended by a record of depth 0 or by the span.
// The first five records are never stations.
SurveyScan ScanStations(std::span<const wellfile::RECORD> records, std::int32_t firstDepth, std::int32_t lastDepth);

}  // namespace elog
