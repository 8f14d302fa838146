#pragma once
// The repair passes that bring a well's files back to a consistent state:
//  - LoadAndRepairRecords numbers the data file's records one depth unit apart from the first one,
//    puts invalid fields back to their defaults, gathers a few whole-file values and writes the file
//    back when anything changed;
//  - RenumberCustomRecords makes the custom-data file (".svx") exactly as long as the data file's
//    depth range and renumbers it;
//  - RenumberFitRecords renumbers the ext-record file (".fit").
// They run from validation (every open), after a check finds a gap in the depths, when a depth range is
// found inconsistent, and after a correction of the file depth.
#include "wellfile/customdata.h"
#include "wellfile/openwell.h"
#include "wellfile/record.h"

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

namespace wellfile {

constexpr std::uint32_t kNoLastColour = 0x1000000;  // start value of the last-colour members

// Whether an interval outline code (bytes 16 and 18) is one the outline entry writes, which the repair
// keeps: the marks 0 to 3 or a text character's Windows-1252 byte, sign-extended as a signed char widens
// (bytes above 127 read 0xFF80 on).
constexpr bool IsOutlineCode(std::uint16_t code) { return code < 0x80 || code >= 0xFF80; }

// The whole-file values the data-file pass gathers for the main window. After a pass the window sets
// its redraw-pending flag and, unless painting is held back, invalidates itself.
struct RepairSummary {
    QString fileTimeText;               // the data file's modification time as ctime text, without the newline
    bool busy = false;                  // set while the pass runs
    std::uint32_t lastColourA = kNoLastColour;  // last non-zero colour of the fluorescence columns (360)
    std::uint32_t lastColourB = kNoLastColour;  // ... of the rating columns (324)
    std::uint32_t lastColourC = kNoLastColour;  // ... of the hardness column (405)
    std::int32_t lastDescribedDepth = 0;  // last depth whose lithology is not "100BL", at most last - 10
    std::string lastDescribedLith;        // its lithology text
    std::int32_t maxGasDepth = 0;         // deepest depth with total gas above 1.0 (from first + 20)
    bool gammaPresent = false;            // a gamma value (188 or 192) above 0
    bool curveValuesPresent = false;      // curve value A or B above 0
    float lastMudWeightOut = 0;           // the last mud weight out above 0; 0 when there is none
    bool rewritten = false;               // the last pass wrote the data file back
};

// The state the passes read and set: the open well, its profile, the gathered values and the ".fit"
// file. `sharedCopy` marks a well whose files are another station's shared copy: its custom-data file
// is renumbered in memory only, unless drilling, and its ".fit" only read for its range.
struct RepairTarget {
    OpenWell& well;
    std::uint16_t& loggerId;
    RepairSummary& summary;
    wellfile::FitFile& fit;
    bool sharedCopy = false;
};

// Repairs records in memory: records from the second on get the depth of the one before plus 1 and
// their invalid fields clamped; the first record is left as it is. Gathers the summary values.
void RepairRecords(std::vector<RECORD>& records, RepairSummary& summary);

// The repair pass over well.dataFileName. Sets depthStep 1, the file's first and last depth and
// well.lastMudWeightOut; takes the profile from the first record's text while it is 0 (an empty text
// gives the default profile; no other file is opened); rewrites the file through a temporary file only
// when something changed (a torn record at the end is dropped); then renumbers the custom-data file
// when there is one, and last calls the well's `repaired` hook. 1 done; 0 when the file is missing or holds no whole record, or after "Memory
// Allocation Error" or a message naming the file when it cannot be read or written (left unchanged).
int LoadAndRepairRecords(const RepairTarget& target);

// Fits the ".svx" to the data file's depth range (zeroed records added, extra ones cut) and numbers it
// from the data file's first depth (when above 0, else from its own first record) in steps of 1.0. Sets
// the custom-data range; then renumbers the ".fit" when it exists. Never more records than the data file
// holds (RecordsInDataFile). 1; 0 when the file is missing, the data range is empty, the data file holds
// no record (or is missing), or after a message when it cannot be read or written.
int RenumberCustomRecords(const RepairTarget& target);

// Numbers the ".fit" in steps of 1.0 from its first record and sets the fit range. 1; 0 when the file is
// missing or after a message when it cannot be read or written.
int RenumberFitRecords(wellfile::FitFile& fit);

// Hooks of `target.well` that run the passes above on the same target.
void InstallRepairHooks(const RepairTarget& target);

}  // namespace wellfile
