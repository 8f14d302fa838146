#pragma once
// The driller's state, in the groups its calls hand out and take back as values: how it works (from the
// well's settings and the set-up dialogs), the pending step and the step rings, the records being built,
// the lag depth, the bottom switch and the pumps, and what the WITS links hand in.
#include "drilling/pumpthreads.h"
#include "wellfile/customdata.h"
#include "wellfile/record.h"

#include <array>
#include <cstdint>

namespace drilling {

constexpr int kStepSlots = 1200;      // slots of the step rings in use
constexpr int kStepTableSize = 1210;  // floats allocated (and cleared) per ring

// Where a pending step came from. Only the polled box's pulses are half units, whose seconds count
// double; every other source is timed as measured. A one-unit Correct File Depth (FileDepth) is an
// interface step like the box's: counted, and slide-marked from the WITS link's new data.
enum class StepSource : std::uint8_t { Polled, WholeUnitBox, Keyboard, Automatic, Wits, FileDepth };

// The five parallel rings of the steps, indexed by the step index.
struct StepTables {
    std::array<float, kStepTableSize> minutes{};      // minutes per unit measured by the step
    std::array<float, kStepTableSize> clock{};        // lag clock (time) or pumped volume (strokes)
    std::array<float, kStepTableSize> volume{};       // annular volume to the step's depth (strokes)
    std::array<float, kStepTableSize> lagTime{};      // lag time in force (time)
    std::array<float, kStepTableSize> depth{};        // bottom depth reached; + 0.5 for a half step
};

// How the driller works: taken from the well's settings at the start, and from the set-up dialogs.
struct DrillerSetup {
    std::int32_t minSecondsPerUnit = 4;      // a unit timed shorter is dropped while on bottom
    std::int32_t switchPolarity = 0;         // 0, 1 or 2
    std::uint8_t lagMarks = 0;               // mark the lag depth with the bottom depth every 10 units
    std::uint8_t automaticDrilling = 0;      // a step each time the unit reaches autoMinutesPerUnit
    float autoMinutesPerUnit = 0;
    std::uint8_t noSlideMarking = 1;
    std::int32_t lagAlarmInterval = 10;
    std::uint8_t lagAlarmOn = 1;
    std::uint8_t depthFromWits = 0;          // the main window's flag: depth comes from WITS
    std::uint8_t depthFromWitsCompanion = 0; // well configuration byte 3977
    std::uint8_t lagByStrokesFromWits = 0;   // well configuration int at 5002
    std::int32_t optionWord = 0;             // well configuration int at 3370
    std::uint8_t depthMarker = 0;            // the log writes the depth markers of the records; off until set
    std::uint8_t updatePackageOn = 0;        // the remote settings make update packages
    std::int32_t updatePackageInterval = 0;  // depth units between update packages; 0 none
    std::int32_t depthUnitsToSend = 0;
};

// The pending step and the rings it writes.
struct DrillerSteps {
    std::int32_t stepIndex = 0;  // slot the next step writes, 0..1199
    StepTables tables;
    std::uint8_t firstStep = 0;      // the first whole step copies its own time into the first half
    std::uint8_t keyboardStep = 0;   // the pending step came from Ctrl+F
    std::uint8_t rebuilding = 1;     // the rings are being rebuilt from the file
    std::uint8_t halfStepPending = 0;
    std::uint8_t stepPending = 0;
    StepSource source = StepSource::WholeUnitBox;
    // A depth that rose by several whole units at once (a link that was silent for a while): the units
    // still to step, the pending one included, and the seconds left to share among them (-1 until the
    // first of them is stepped).
    std::int32_t riseUnits = 0;
    std::int32_t riseSeconds = -1;
    std::uint8_t halfStepToggle = 0;   // the polled box is between the two pulses of a unit
    std::int32_t tickCount = 0;        // drilling ticks 1..10,000
    std::int32_t startDepth = 0;       // the bottom depth when drilling mode started
    float meanStepMinutes = 0;
    float firstHalfMinutes = 0;        // the first half's minutes, carried to the whole step
    float lastStepMinutes = 0;
    std::int32_t rate = 0;             // units per hour
    std::int32_t interfaceSteps = 0;   // steps of the depth interface
    std::int32_t drilledDepth = 0;
    std::int32_t newUnits = 0;
};

// The records being built for the next depth unit, and where the last line went.
struct DrillerRecords {
    wellfile::RECORD previous{};  // the record of the line drawn last
    wellfile::RECORD working{};   // the record being built for the next depth unit
    wellfile::CUSTDATAREC previousCustom{};
    wellfile::CUSTDATAREC workingCustom{};
    std::array<wellfile::RECORD, 5> recordWindow{};  // 0 previous line, 1 new line, for the custom tracks
    std::int32_t customRowIndex = 0;     // bottom - first: row of the new custom record
    std::int32_t customGrowthDepth = 0;
    std::int32_t newLineY = 0;           // y of the new line drawn last
    std::int32_t lastFullBackupDepth = 0;
    std::uint8_t backupSkip[2] = {};     // the dated backup copy is skipped while either is set
};

// The lag depth and the clock the step rings are timed by.
struct DrillerLag {
    float lagDepth = 0;
    float keptLagTime = 0;               // lag time at the last whole step
    float lagClock = 0;                  // running minutes of drilling time
    float flow = 0;
    std::int32_t lagTextX = 0;
    std::uint8_t lagAlarmArmed = 1;         // the lag alarm by time may sound again
    std::uint8_t strokesLagAlarmArmed = 1;  // the same for the lag by strokes
};

// The bottom switch, the connection marker and the pumps' strokes of the depth box.
struct DrillerBottom {
    std::uint8_t offBottom = 0;          // the on/off-bottom switch reads off bottom
    std::int32_t connectionMarker = 0;   // 2: off bottom without circulation for more than 10 s
    std::int32_t connectionMarkerLimit = 0;
    std::int32_t pumpStrokePending[kPumpCount] = {};  // strokes of pumps 1 to 3 not counted yet
    std::int64_t pumpStrokeAtMs[kPumpCount] = {};     // steady ms of the latest of them
};

// What the WITS links hand in beside the live record.
struct DrillerWitsItems {
    std::uint8_t waitingForWitsDepth = 0;
    std::int32_t witsDepthWait = 0;
    float item0142[2] = {};
    float item0145[2] = {};
    float gammaSlots[5] = {};
    float gammaStep = 0.2f;
};

// The values one step changes; kept together so that a step whose record could not be written is undone
// whole and tried again at the next tick.
struct DrillerValues : DrillerSetup, DrillerSteps, DrillerRecords, DrillerLag, DrillerBottom, DrillerWitsItems {};

}  // namespace drilling
