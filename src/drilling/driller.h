#pragma once
// Drilling mode's state: the Driller exists only while drilling mode is on and turns depth steps into
// depth records. A depth source marks a step pending; the next drilling tick's Update times it,
// advances the bottom depth by one unit, fills the working record and custom record from the live
// WITS values and the pump settings, writes both, draws the new line and makes the periodic copies.
// It also keeps the per-step rings from which the lag depth is found.
//
// Everything runs on the GUI thread.
#include "drilling/drillinghost.h"
#include "drilling/pumpthreads.h"
#include "wellfile/activitylog.h"
#include "wellfile/customdata.h"
#include "wellfile/lagrecord.h"
#include "wellfile/record.h"
#include "wellfile/wellconfig.h"
#include "wits/witsalarms.h"
#include "wits/witsrecord.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace drilling {

class LogTime;
class LogAlarm;
class STROKES;

constexpr int kStepSlots = 1200;      // slots of the step rings in use
constexpr int kStepTableSize = 1210;  // floats allocated (and cleared) per ring

// Where a pending step came from. Only the polled box's pulses are half units, whose seconds count
// double; every other source is timed as measured.
enum class StepSource : std::uint8_t { Polled, WholeUnitBox, Keyboard, Automatic, Wits };

// The five parallel rings of the steps, indexed by the step index.
struct StepTables {
    std::array<float, kStepTableSize> minutes{};      // minutes per unit measured by the step
    std::array<float, kStepTableSize> clock{};        // lag clock (time) or pumped volume (strokes)
    std::array<float, kStepTableSize> volume{};       // annular volume to the step's depth (strokes)
    std::array<float, kStepTableSize> lagTime{};      // lag time in force (time)
    std::array<float, kStepTableSize> depth{};        // bottom depth reached; + 0.5 for a half step
};

// The values one step changes; kept apart so that a step whose record could not be written is undone
// whole and tried again at the next tick.
struct DrillerValues {
    std::int32_t stepIndex = 0;  // slot the next step writes, 0..1199
    wellfile::RECORD previous{};  // the record of the line drawn last
    wellfile::RECORD working{};   // the record being built for the next depth unit
    layout::CUSTDATAREC previousCustom{};
    layout::CUSTDATAREC workingCustom{};
    std::array<wellfile::RECORD, 5> recordWindow{};  // 0 previous line, 1 new line, for the custom tracks

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
    std::uint8_t lagMarks = 0;           // mark the lag depth with the bottom depth every 10 units
    std::uint8_t depthMarker = 0;        // the log writes the depth markers of the records; off until set
    std::uint8_t automaticDrilling = 0;  // a step each time the unit reaches autoMinutesPerUnit
    std::int32_t lagTextX = 0;
    std::int32_t customRowIndex = 0;     // bottom - first: row of the new custom record
    std::int32_t pumpStrokePending[kPumpCount] = {};  // strokes of pumps 1 to 3 not counted yet
    std::int32_t connectionMarker = 0;   // 2: off bottom without circulation for more than 10 s
    std::int32_t connectionMarkerLimit = 0;
    std::uint8_t updatePackageOn = 0;        // the remote settings make update packages
    std::int32_t updatePackageInterval = 0;  // depth units between update packages; 0 none
    std::int32_t depthUnitsToSend = 0;
    std::int32_t startDepth = 0;             // the bottom depth when drilling mode started
    std::int32_t minSecondsPerUnit = 4;      // a unit timed shorter is dropped while on bottom
    std::int32_t tickCount = 0;              // drilling ticks 1..10,000
    float keptLagTime = 0;                   // lag time at the last whole step
    float lagClock = 0;                      // running minutes of drilling time
    float autoMinutesPerUnit = 0;
    StepTables tables;
    float meanStepMinutes = 0;
    float flow = 0;
    std::int32_t switchPolarity = 0;   // 0, 1 or 2
    std::int32_t rate = 0;             // units per hour
    std::int32_t lagAlarmInterval = 10;
    float lagDepth = 0;
    std::uint8_t lagAlarmOn = 1;
    std::uint8_t offBottom = 0;        // the on/off-bottom switch reads off bottom
    std::uint8_t noSlideMarking = 1;
    std::uint8_t lagAlarmArmed = 1;         // the lag alarm by time may sound again
    std::uint8_t strokesLagAlarmArmed = 1;  // the same for the lag by strokes
    float firstHalfMinutes = 0;        // the first half's minutes, carried to the whole step

    // Kept for the main window while drilling.
    float lastStepMinutes = 0;
    std::int32_t interfaceSteps = 0;   // steps of the depth interface
    std::int32_t drilledDepth = 0;
    std::int32_t newUnits = 0;
    std::uint8_t halfStepToggle = 0;   // the polled box is between the two pulses of a unit
    std::int32_t optionWord = 0;       // well configuration int at 3370
    std::int32_t newLineY = 0;         // y of the new line drawn last
    std::int32_t lastFullBackupDepth = 0;
    std::int32_t customGrowthDepth = 0;

    // Set by the WITS links and the dialogs.
    std::uint8_t waitingForWitsDepth = 0;
    std::int32_t witsDepthWait = 0;
    float item0142[2] = {};
    float item0145[2] = {};
    float gammaSlots[5] = {};
    float gammaStep = 0.2f;
    std::uint8_t depthFromWits = 0;          // the main window's flag: depth comes from WITS
    std::uint8_t depthFromWitsCompanion = 0; // well configuration byte 3977
    std::uint8_t lagByStrokesFromWits = 0;  // well configuration int at 5002
    std::uint8_t backupSkip[2] = {};        // the dated backup copy is skipped while either is set
};

class Driller : public DrillerValues {
public:
    // `window` outlives the object; `alarmHost` makes its WITS alarm table.
    Driller(DrillingWindow& window, wits::WitsAlarmHost alarmHost);
    ~Driller();
    Driller(const Driller&) = delete;
    Driller& operator=(const Driller&) = delete;

    // Loads the alarms, the lag settings and the last record and takes the drilling settings of
    // `config`. Returns 1.
    int Start(const wellfile::WellConfig& config);

    // Marks a whole unit pending from `from`; a half unit of the polled box.
    void MarkStep(StepSource from);
    void MarkHalfStep();
    // Marks `units` whole units from `from` at once: one is stepped per tick, each timed as its share of
    // the rise's unit time and none dropped as too fast, so that no depth record is lost. A unit marked
    // while the data file cannot be written waits behind the pending one in the same way.
    void MarkSteps(StepSource from, int units);
    // The data file could not be written at the last step and has not been since: the step waits.
    bool WriteFailing() const { return writeFailing_; }
    // The rig's hole depth against the file's bottom once no step waits: a hole a whole unit or more
    // past the bottom means units the file never got. Said on the status line while it lasts and in a
    // box once, naming both depths and the command that mends it. Not with the unmanned unit, whose
    // link corrects the file's depth itself.
    void CompareRigDepth(float holeDepth);

    // The step work of one tick with a step or a half step pending.
    void Update();
    // The float sum of `count` entries of `table` walking back from `start`: round to slot 1,199 past
    // slot 0 only when the file holds more than 1,200 units.
    float SumStepTimes(const std::array<float, kStepTableSize>& table, int count, int start) const;
    // Seeds the working records from the data file's last record.
    void LoadLastRecord();
    // Copies the scale codes of the last record into both working records; 1.
    int CarryRecordCodes();
    // The annular volume from surface to `depth` by the lag settings `lag` (whose volume fields it
    // writes); unless `volumeOnly`, also the lag time and, while strokes are counted, the lag strokes at
    // the rate of the pumps counted, and the flow.
    float LagVolume(wellfile::LagRecord& lag, float depth, bool volumeOnly);
    // Rebuilds the rings from the file's last records; `startClock` of 0 or more restarts the lag clock
    // there. 0 when the records could not be read or have a gap (the rings are then empty), else 1.
    int LoadLagRecords(float startClock);
    // Moves the lag depth down to the window's kept correct lag depth, or with `ask` to one the user
    // enters.
    void CorrectLagDepth(bool ask);
    // A new lag time in minutes: taken, shown and written into the data file's last record; from a lag
    // time of 0 the rings are rebuilt.
    void ChangeLagTime(float minutes);
    // Draws the lag text of the status row (the stroke counter's lag line while strokes are counted).
    int ShowLagStatus();
    // Draws the depth text (with the WITS or UDP hole depth while that drives the depth) and the rate of
    // penetration in the status band.
    void ShowDepthStatus();
    // The lag depth's hand-over to the WITS and custom links after a walk that started at tenths digit
    // `digit`; `lastHanded` is the whole lag depth handed last.
    void HandLagDepthToLinks(int digit, std::int32_t& lastHanded);
    // Plays "Lag Alarm.wav" when the lag depth reaches a multiple of the lag alarm interval and `armed`;
    // a depth off the multiples arms it again.
    void SoundLagAlarm(std::uint8_t& armed);
    // Walks the rings back from the slot before the step index while `notUpYet(slot)`, round past slot 0
    // only when the file holds more than 1,199 units, at most 1,200 slots; the first slot that is up
    // gives the lag depth (when its depth is above 0).
    void WalkLag(const std::function<bool(std::size_t slot)>& notUpYet);
    // The stroke counter while the lag follows pump strokes, else none.
    STROKES* Strokes() const;
    // Empties the step rings (a plug back).
    void ClearStepTables();

    // The activity log's figures: rate and unit seconds.
    wellfile::DrillingFigures Figures() const;

    // Brings the window's values up to date (each drilling call starts with it).
    void RefreshWindow();
    DrillingWindow& Window() { return window_; }
    wellfile::OpenWell& Well();
    DrillingLinks& Links();
    StatusCanvas& Canvas();

    std::unique_ptr<LogTime> time;
    std::unique_ptr<LogAlarm> alarms;
    std::unique_ptr<wits::WitsAlarms> witsAlarms;
    wits::WITSRECORD live{};        // kept current by the WITS link
    wellfile::LagRecord lag{};      // the lag settings
    bool lagCurrent = false;        // the lag settings are the ".lag" file's (read at the start or saved since)
    bool statusBox = false;         // the status box is shown

private:
    void StepDepth();
    bool AppendRecord(QString& reason);
    void AppendCustomRecord(const layout::CUSTDATAREC& record);
    void FillCustomFromWits();
    void GrowCustomRows();
    void DrawNewLine();
    void PeriodicWork();
    void UpdateStep();
    void SetPending(StepSource from);
    // What the user is told of a data or custom-data file that cannot be written, and when it can again.
    void SayWriteFailed(const QString& reason);
    void SayWrittenAgain();
    void SayCustomWriteFailed(std::int32_t depth, const QString& reason);

    DrillingWindow& window_;
    bool writeFailing_ = false;  // the data file could not be written: the box once per spell
    bool customFailing_ = false;
    bool rigGapSaid_ = false;        // the box of a rig deeper than the file was shown for this gap
    QString statusSaid_;             // the status line's text set last by the driller
    std::vector<std::pair<QString, QString>> boxes_;  // text and caption, shown when the step is done
};

}  // namespace drilling
