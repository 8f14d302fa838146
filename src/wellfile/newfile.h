#pragma once
// A new well's data file and settings: what the new-file dialog hands on, the blank records a new
// file starts with, and the settings record a new well takes over from the old one.
#include "wellfile/record.h"
#include "wellfile/wellconfig.h"

#include <QDate>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

namespace wellfile {

// What the new-file dialog hands to the well-creation routines.
struct NewFileInfo {
    QString path;                  // data folder + cleaned, upper-cased name + ".svm"
    std::int32_t startDepth = 60;  // never below 60; the kick-off depth of a plug back
    std::int32_t rateScale = 1;    // the "Rate Scale" list's choice + 1 (record byte 322)
    std::int32_t gasScale = 1;     // the "Gas Scale" list's choice + 1 (record byte 100)
    bool keepCopy = false;         // keep a copy of the old files in the Strativ folder
};

// The first depth of a new file that ends at `startDepth`: 20 above it, at least 10, lowered to a
// multiple of 10.
std::int32_t NewFileFirstDepth(std::int32_t startDepth);

// What a new file's records take over from the well open before it.
struct NewFileSource {
    std::string companyText;      // the logging-company text of the old file's first record
    std::uint16_t loggerId = 10;  // the old well's profile
    std::int32_t gasInstrumentType = -1;
    bool haveLastRecord = false;  // the old file's last record could be read
    float lastTestGas[TEST_COUNT] = {};
    QDate date;                   // today, kept in the first record
};

// The test-gas values of a new file's records: the old file's when its C1 calibration is at least 50
// (and the instrument is not of type 11), the instrument's or profile's own otherwise.
void NewFileTestGas(const NewFileSource& source, float (&testGas)[TEST_COUNT]);

// The blank records of a new file, one per depth unit from NewFileFirstDepth to the start depth: rates
// 0.1, lithology "100BL" (the interpreted one too, but for the first record, which carries the company
// text and the date), no index word, the two scale choices and the test gas of NewFileTestGas.
std::vector<RECORD> NewFileRecords(const NewFileInfo& info, const NewFileSource& source);

// The settings of the old well as a new well takes them: the values bound to the old well's depths and
// files cleared (e-log offset entries, offset wells, the lag settings copy, the report text counters,
// the last printed depth and the view top) and its running values reset (the counters at 40 cleared;
// the flags at 60, 4568, 4618 and 4681 set; the word at 86 2, the curve setting 4).
WellConfig NewWellConfig(const WellConfig& old);

}  // namespace wellfile
