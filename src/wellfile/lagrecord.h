#pragma once
// LagRecord: the well's lag settings (".lag", 256 bytes): hole and string sections for the lag
// calculation, the three mud pumps with their outputs, rates and efficiencies. Lengths in depth units,
// diameters in inches, volumes in barrels.
#include "wellfile/wellplace.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace wellfile {

#pragma pack(push, 1)
struct LagRecord {
    float casingId;            // 0
    float casingLength;        // 4
    float liner1Id;            // 8
    float liner2Id;            // 12
    float liner1Length;        // 16
    float liner2Length;        // 20
    float openHoleDiameter;    // 24
    float openHoleLength;      // 28, written by the volume computation
    float totalHoleVolume;     // 32
    float pipe1Od;             // 36
    float pipe2Od;             // 40
    float pipe1Id;             // 44
    float pipe2Id;             // 48
    float pipe1Length;         // 52
    float pipe2Length;         // 56
    float collarOd[3];         // 60
    float collarId[3];         // 72
    float collarLength[3];     // 84
    float stringDisplacement;  // 96, steel volume
    float annularVolume;       // 100, taken by the stroke counter when above 0
    float pump1Output;         // 104, per stroke
    float pump1Spm;            // 108
    float washout;             // 112, fraction of the open hole diameter
    float lagMinutes;          // 116
    float lagStrokes;          // 120, taken by the stroke counter when above 0
    float stringVolume;        // 124
    float pump2Output;         // 128
    float pump2Spm;            // 132
    float mudWeight;           // 136
    float motorRevsPerGallon;  // 140, the pump output's overall factor
    std::int32_t pumpOnHole[3];  // 144, stroke counting on for pumps 1 to 3
    float pump3Output;         // 156
    float pump3Spm;            // 160
    float pumpEfficiency[3];   // 164
    std::uint8_t allPumps;     // 176, counts every pump as on hole
    std::uint8_t unused177;
    float spmSum;              // 178, unaligned
    std::uint8_t rest[74];
};
#pragma pack(pop)

static_assert(sizeof(LagRecord) == 256);
static_assert(offsetof(LagRecord, casingLength) == 4);
static_assert(offsetof(LagRecord, liner1Id) == 8);
static_assert(offsetof(LagRecord, liner2Id) == 12);
static_assert(offsetof(LagRecord, liner1Length) == 16);
static_assert(offsetof(LagRecord, liner2Length) == 20);
static_assert(offsetof(LagRecord, openHoleDiameter) == 24);
static_assert(offsetof(LagRecord, openHoleLength) == 28);
static_assert(offsetof(LagRecord, totalHoleVolume) == 32);
static_assert(offsetof(LagRecord, pipe1Od) == 36);
static_assert(offsetof(LagRecord, pipe2Od) == 40);
static_assert(offsetof(LagRecord, pipe1Id) == 44);
static_assert(offsetof(LagRecord, pipe2Id) == 48);
static_assert(offsetof(LagRecord, pipe1Length) == 52);
static_assert(offsetof(LagRecord, pipe2Length) == 56);
static_assert(offsetof(LagRecord, collarOd) == 60);
static_assert(offsetof(LagRecord, collarId) == 72);
static_assert(offsetof(LagRecord, collarLength) == 84);
static_assert(offsetof(LagRecord, stringDisplacement) == 96);
static_assert(offsetof(LagRecord, annularVolume) == 100);
static_assert(offsetof(LagRecord, pump1Output) == 104);
static_assert(offsetof(LagRecord, pump1Spm) == 108);
static_assert(offsetof(LagRecord, washout) == 112);
static_assert(offsetof(LagRecord, lagMinutes) == 116);
static_assert(offsetof(LagRecord, lagStrokes) == 120);
static_assert(offsetof(LagRecord, stringVolume) == 124);
static_assert(offsetof(LagRecord, pump2Output) == 128);
static_assert(offsetof(LagRecord, pump2Spm) == 132);
static_assert(offsetof(LagRecord, mudWeight) == 136);
static_assert(offsetof(LagRecord, motorRevsPerGallon) == 140);
static_assert(offsetof(LagRecord, pumpOnHole) == 144);
static_assert(offsetof(LagRecord, pump3Output) == 156);
static_assert(offsetof(LagRecord, pump3Spm) == 160);
static_assert(offsetof(LagRecord, pumpEfficiency) == 164);
static_assert(offsetof(LagRecord, allPumps) == 176);
static_assert(offsetof(LagRecord, spmSum) == 178);

// What saving the lag settings touches of drilling mode.
struct PumpStrokeState {
    // Hands the saved settings to the drilling object; none while drilling mode is off.
    std::function<void(const LagRecord&)> takeLag;
    bool strokeCounting = false;      // lag by pump strokes is on
    bool strokeSourceConfigured = false;
    std::array<bool, 3> threadRunning{};  // stroke thread of pumps 1 to 3
    // Starts or stops the stroke thread of pump 0 to 2 (drilling's TogglePumpThread); none: nothing.
    std::function<int(int pump)> togglePump;
    // Hands the new settings to the stroke counter and erases its box; set while strokes are counted.
    std::function<void()> strokesTakeSettings;
};

// The pumps whose stroke thread must be toggled so that exactly the pumps on hole (every pump when
// byte 176 is set) have one running.
std::array<bool, 3> PumpThreadsToToggle(const LagRecord& lag, const std::array<bool, 3>& running);

QString LagFilePath(const WellPlace& place);

// The shortest ".lag" that is taken: one that reaches the end of the pump settings (byte 177). A
// shorter file was cut off while being written; taking it would switch every pump's stroke counting off.
constexpr long long kMinLagFileSize = offsetof(LagRecord, allPumps) + 1;

// Reads the first 256 bytes of data folder + well name + ".lag" into `lag`, zero past the end of a
// shorter file (a longer one is read as far as the record goes); 1 when read, 0 (record untouched)
// when the file is missing or shorter than kMinLagFileSize.
int LoadLag(LagRecord& lag, const WellPlace& place);

// Writes the ".lag" file; 0 when the write fails, and then nothing else is done. Afterwards hands the
// record to the drilling object, brings the pump-stroke threads in line and, while drilling, copies
// the file to the backup drive (`backupDrive`, the well configuration's text; CopyToBackupDrive).
int SaveLag(const LagRecord& lag, const WellPlace& place, const std::string& backupDrive, PumpStrokeState& pumps);

}  // namespace wellfile
