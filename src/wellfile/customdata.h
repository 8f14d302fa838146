#pragma once
// The two per-depth files beside the data file that feed the custom tracks: the custom-data file
// ".svx" (one 222-byte CUSTDATAREC per depth step: drilling values from the WITS link and other custom
// values) and, with the FIT data option, the ext-record file ".fit" (one 622-byte EXTRECORD per step).
//
// Both are bare arrays of records, one per depth unit; the record index of a depth is depth minus the
// depth of the file's first record. The routines here move whole records and set only the depth (and
// the length word of EXTRECORD); every other byte is carried unchanged.
#include "wellfile/openwell.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <type_traits>

namespace wellfile {

constexpr int kCustomRecordSize = 222;
constexpr int kExtRecordSize = 622;

#pragma pack(push, 1)
// Packed members: read and assign them by value, never bind a reference or pointer to one.
struct CUSTDATAREC {
    float depth = 0;                  //   0 whole depth units stored as a float
    float las4 = 0;                   //   4 read by the LAS export
    float las8 = 0;                   //   8 read by the LAS export
    std::uint8_t values12[16] = {};   //  12
    float las28 = 0;                  //  28 read by the LAS export
    float rpm = 0;                    //  32 "RPM"
    std::uint8_t values36[16] = {};   //  36
    float caliper = 0;                //  52 "CALIPER"
    float motorFactor = 0;            //  56 mud-motor factor
    float spm = 0;                    //  60 "SPM"
    float custom[6] = {};             //  64 "Custom 3", 68 "Custom 4", then four more custom values
    std::uint8_t values88[82] = {};   //  88
    float casingPressure = 0;         // 170 "CASING PSI"
    float flow = 0;                   // 174 "FLOW"
    float totalMud = 0;               // 178 "TOT MUD (PVT)"
    float pumpOutput = 0;             // 182 pump output per stroke
    float gainLoss = 0;               // 186 "GAIN OR LOSS"
    float downholePressure = 0;       // 190 "DH PRESS"
    float downholeTemperature = 0;    // 194 "DH TEMP"
    std::uint8_t values198[4] = {};   // 198
    float las202 = 0;                 // 202 read by the LAS export
    std::uint8_t values206[16] = {};  // 206
};

struct EXTRECORD {
    float depth = 0;                   //   0 whole depth units stored as a float
    std::uint8_t values4[4] = {};      //   4
    float fitA[41] = {};               //   8 FIT values at 8 + 4i: 8 "FIT NORMC1" ... 168 "FIT O2/ATM"
    std::uint16_t recordLength = 0;    // 172 kExtRecordSize in every record this program writes
    float fitB[72] = {};               // 174 FIT values at 174 + 4i: 174 "FIT ARG/ATM" ... 458 "FIT CS2"
    std::uint8_t values462[160] = {};  // 462
};
#pragma pack(pop)

static_assert(sizeof(CUSTDATAREC) == kCustomRecordSize);
static_assert(sizeof(EXTRECORD) == kExtRecordSize);
static_assert(std::is_trivially_copyable_v<CUSTDATAREC> && std::is_trivially_copyable_v<EXTRECORD>);
static_assert(offsetof(CUSTDATAREC, rpm) == 32 && offsetof(CUSTDATAREC, caliper) == 52);
static_assert(offsetof(CUSTDATAREC, spm) == 60 && offsetof(CUSTDATAREC, custom) == 64);
static_assert(offsetof(CUSTDATAREC, casingPressure) == 170 && offsetof(CUSTDATAREC, flow) == 174);
static_assert(offsetof(CUSTDATAREC, totalMud) == 178 && offsetof(CUSTDATAREC, gainLoss) == 186);
static_assert(offsetof(CUSTDATAREC, downholePressure) == 190 && offsetof(CUSTDATAREC, downholeTemperature) == 194);
static_assert(offsetof(CUSTDATAREC, las202) == 202);
static_assert(offsetof(CUSTDATAREC, las28) == 28 && offsetof(CUSTDATAREC, motorFactor) == 56);
static_assert(offsetof(CUSTDATAREC, pumpOutput) == 182);
static_assert(offsetof(EXTRECORD, fitA) == 8 && offsetof(EXTRECORD, recordLength) == 172);
static_assert(offsetof(EXTRECORD, fitB) == 174 && offsetof(EXTRECORD, fitB[71]) == 458);

// The ".fit" file of the open well and its options; the main window keeps one, set when a file opens.
struct FitFile {
    QString path;                   // currentFolder + wellName + ".fit"
    std::int32_t topDepth = 0;      // first and last depth of the file
    std::int32_t bottomDepth = 0;
    bool dataEnabled = false;       // the FIT data option: new custom-data files get a ".fit" too
    bool extRecordOption = false;   // the ext-record option: depth corrections reach the ".fit"
};

// Reads up to `count` records from record `index` of the ".svx" `path` into `buffer`, zeroed first. The
// count is limited to the custom-data depth range of `well` and to the buffer less one; the record after
// the run gets depth 0. Returns the limited count (records past the file's end stay zero); 0 when the
// file does not open.
int ReadCustomRecords(const wellfile::OpenWell& well, std::span<CUSTDATAREC> buffer, const QString& path, int index,
                      int count);
// Writes `count` records at record `index` of the existing ".svx" `path`, limited to the custom-data
// range. Returns the number written; 0 after "SaveEx File Open Failed " / "ERROR" when the file does not
// open or the write fails.
int WriteCustomRecords(const wellfile::OpenWell& well, std::span<const CUSTDATAREC> buffer, const QString& path,
                       int index, int count);

// As ReadCustomRecords over the ".fit" range; returns the number of whole records actually read.
int ReadExtRecords(const FitFile& fit, std::span<EXTRECORD> buffer, const QString& path, int index, int count);
// As WriteCustomRecords over the ".fit" range; the failure message is "File Open Failed" / "ERROR".
int WriteExtRecords(const FitFile& fit, std::span<const EXTRECORD> buffer, const QString& path, int index, int count);

// Neither file is made with, or extended by, more records than the data file (well.dataFileName) holds
// (wellfile::RecordsInDataFile; with no data file on disk a new file gets its one record and nothing is
// added), so depths from a damaged file cannot make them grow without bound.

// Makes a new ".svx" of records from min(from, the data file's first depth) up to `to` - 1 (the
// following step's extension adds `to`), at least one record, and sets the well's custom-data range to
// what was written; a box then says that the file was made, for which depths, and where. With the FIT
// data option the ".fit" is made the same way. 1, or 0 after a message.
int CreateCustomDataFile(wellfile::OpenWell& well, FitFile& fit, std::int32_t from, std::int32_t to);
// Makes the ".fit" as above when the FIT data option is on: 1 made, 0 not. Its range runs to `to`, so
// the record of depth `to` can be written (appended) with WriteExtRecords right away.
int CreateExtRecords(const wellfile::OpenWell& well, FitFile& fit, std::int32_t from, std::int32_t to);

// Brings the ".svx" to end at `newLast`: cuts it after that depth, or appends copies of its last record
// with the depth counting up by 1.0. The well's custom-data range becomes the file's. Copies the file out
// when drilling with the copy-out options on. 1 done, 0 when the file is missing, holds no record or no
// sound first and last depth (NaN, out of range: left for the repair pass to renumber), or after
// "SaveEx File Open Failed " / "ERROR" when it cannot be changed.
int ExtendCustomDataFile(wellfile::OpenWell& well, std::int32_t newLast);
// The same on the ".fit" when the ext-record option is on, appending blank records (depth and length
// word only). The fit range becomes the file's. 1 done, 0 not.
int CorrectExtDepth(const wellfile::OpenWell& well, FitFile& fit, std::int32_t newLast);

// Takes the depth range of an existing ".fit" (the depths of its first and last whole record) into
// `fit`. False, the range left as it was, when the file is missing, holds no record or no sound depths.
bool ReadExtDepthRange(FitFile& fit);

// The last whole record of the file; null when it holds none or does not open.
std::unique_ptr<CUSTDATAREC> ReadLastCustomRecord(const QString& path);
std::unique_ptr<EXTRECORD> ReadLastExtRecord(const QString& path);

}  // namespace wellfile
