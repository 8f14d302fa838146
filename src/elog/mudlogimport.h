#pragma once
// The mudlog import: the columns of a LAS file written into the open well's depth records, custom-data
// records and, with extended data, its extended records, by the column map of the import dialog.
#include "elog/elog_services.h"
#include "wellfile/customdata.h"
#include "wellfile/openwell.h"
#include "wellfile/record.h"

#include <QString>

#include <cstdint>
#include <span>
#include <string_view>

namespace elog {

// The depths imported: the header's STRT and STOP within the data file, never its first 20 units.
struct MudlogInterval {
    std::int32_t start = 0, stop = 0;
    bool empty() const { return stop < start; }
};
MudlogInterval MudlogIntervalOf(const LasHeader& header, std::int32_t fileFirst, std::int32_t fileLast);

// The records of the three files (whole files; found by their depths).
struct MudlogRecords {
    std::span<wellfile::RECORD> records;
    std::span<wellfile::CUSTDATAREC> custom;
    std::span<wellfile::EXTRECORD> ext;  // empty without extended data
};
struct MudlogTextResult {
    bool dataFound = false;          // the text has data lines after its "~A" line
    std::int32_t lastDepth = -1;     // the deepest whole depth read within the interval; -1 none
};
// Writes the values of the text's data lines of whole depth start..stop into the records of their
// depths. Each whole depth takes up to five lines (every second one at a step below 0.2); the half-step
// gas and rate of record d come from the first line of [d - 0.5, d), the half unit drilled before d, as
// our LAS export writes them. A NULL or missing value stores nothing, one outside its limits stores 0.
MudlogTextResult ImportMudlogText(std::string_view text, const LasHeader& header, std::span<const std::int32_t> map,
                                  MudlogInterval interval, MudlogRecords& files);

// The import into the open well's files (the data file, ".svx", and ".fit" when `fit` has the FIT data
// option): all three are read whole, changed in memory and replaced together, so a failure leaves
// them as they were. A file with no data line between the interval's start and stop says so and writes
// no file. Says its own problems; 1 imported, 0 refused or failed.
int ImportMudlogFile(wellfile::OpenWell& well, wellfile::FitFile& fit, const QString& lasPath, const LasHeader& header,
                     std::span<const std::int32_t> map);

}  // namespace elog
