#pragma once
// The targets of the mudlog import ("Import As.." in mudlog mode) and where each lands: the depth
// record fields of targets 1-26, four reserved entries, and the gas analysis values of the extended
// records (targets 31-143), with the two preset maps of the spectrometer's own LAS files.
#include <QStringList>

#include <cstdint>
#include <span>

namespace elog {

// The mudlog column map: one int32 a target (entry 0 unused), 160 of them.
constexpr int kMudlogMapEntries = 160;
constexpr int kMudlogRecordTargets = 26;
constexpr int kMudlogTargets = 143;
constexpr int kFirstExtTarget = 31;

// How a target's value is stored.
enum class MudlogFill : std::uint8_t {
    Rop,           // rate of the whole and of the first half unit, and their mean
    TotalGas,      // x 100, full-step or half-step block
    Chromatograph, // x 0.01 with gas in ppm, full-step or half-step block
    Single,        // one float
    Survey,        // one float by the survey rule
    TwoU16,        // two 16-bit samples
    Wob,           // two float samples, and the custom-data value
    FiveSamples,   // five float samples and the step field
    CustomOnly,    // the custom-data value only
    Ext,           // one float of the extended record
    Reserved,      // listed, never imported
};

struct MudlogTarget {
    const char* name;
    MudlogFill fill;
    float high;         // inclusive upper limit; 0: none. The lower limit is 0 for all.
    int offset;         // RECORD byte offset of the (first) field, or the EXTRECORD offset; -1: not stored
    int second;         // the half-step block, the second sample, the five samples' step field, or a
                        // single value's second place
    int customOffset;   // CUSTDATAREC byte offset; -1: none
    float customHigh;
};

// Target t (1-143); null for any other number.
const MudlogTarget* MudlogTargetOf(int target);
// The "Import As.." entries: targets 1-26, and with extended data all 143.
QStringList MudlogImportTargets(bool extendedData);

// The preset maps: the whole map zeroed, then the columns of the mass spectrometer's "D" and "A" files.
void LoadLasDMap(std::span<std::int32_t> map);
void LoadLasAMap(std::span<std::int32_t> map);

}  // namespace elog
