#pragma once
// Drilling mode's state: the Driller exists only while drilling mode is on and turns depth steps into
// depth records. A depth source marks a step pending; the next drilling tick's Update times it,
// advances the bottom depth by one unit, fills the working record and custom record from the live
// WITS values and the pump settings, writes both, draws the new line and makes the periodic copies.
// It also keeps the per-step rings from which the lag depth is found.
//
// Everything runs on the GUI thread. What the driller works on is handed to it in a DrillingHost; its own
// state is kept in value groups (drilling/drillervalues.h) that the calls below hand out.
#include "app/runningdriller.h"
#include "drilling/drillervalues.h"
#include "drilling/drillinghost.h"
#include "drilling/pumpthreads.h"
#include "wellfile/activitylog.h"
#include "wellfile/customdata.h"
#include "wellfile/lagrecord.h"
#include "wellfile/record.h"
#include "wellfile/wellconfig.h"
#include "wellfile/witsrecord.h"
#include "wits/witsalarms.h"

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace drilling {

class LogTime;
class LogAlarm;
class STROKES;

class Driller : public app::RunningDriller, private DrillerValues {
public:
    // `host` outlives the object; `alarmHost` makes its WITS alarm table.
    Driller(DrillingHost& host, wits::WitsAlarmHost alarmHost);
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
    // Drilling stops: the units kept while the file could not be written go in now, one a step, as far
    // as the file takes them; those it does not are said in a box with their depths and the reason,
    // since nothing keeps them after drilling mode.
    void WriteKeptUnitsBeforeStop();
    // The rig's hole depth against the depth the file reaches once the units waiting for the next tick
    // are written: a hole a whole unit or more past it means units the file never got. Said on the
    // status line while it lasts and in a box once a spell, naming both depths and the command that
    // mends it. Not with the unmanned unit, whose link corrects the file's depth itself, nor while the
    // file cannot be written.
    void CompareRigDepth(float holeDepth);
    // The link found the rig's hole at `rig` when it connected, more than a unit past the file's bottom
    // `from`, and corrected the file's depth to `to` (`from` when it could not): said on the status line
    // and in a box.
    void SayFileDepthCorrected(std::int32_t from, std::int32_t to, std::int32_t rig);

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
    // Whether the rings came round since they were last cleared, and the slot of the last step.
    bool RingsCameRound() const;
    int LastStepSlot() const;
    // Walks the rings back from the slot of the last step while `notUpYet(slot)`, round past slot 0
    // only when the rings came round, at most 1,200 slots; the first slot that is up
    // gives the lag depth when it is deeper: the lag depth never moves up the hole.
    void WalkLag(const std::function<bool(std::size_t slot)>& notUpYet);
    // The units kept while the data file cannot be written are drilled depth too: the lag depth walks
    // on through those drilled `lagMinutes` ago or more, and does not walk back from them once they
    // are written. The depth the lag may reach before bottoms up: the file's bottom and the units kept.
    void WalkKeptUnits(float lagMinutes);
    std::int32_t DeepestDrilled() const;
    // Plays "Lag Alarm.wav" when the lag depth reaches a multiple of the lag alarm interval and the
    // alarm is armed (the lag by time and the lag by strokes each have their own); a depth off the
    // multiples arms it again.
    void SoundLagAlarm(bool byStrokes);
    // Bottoms up: the lag depth is the bottom depth and the rings start again empty.
    void LagAtBottom();
    // The stroke counter while the lag follows pump strokes, else none.
    STROKES* Strokes() const;
    // Its lag strokes, and the lag time of the drilling time while it runs.
    std::optional<float> LagStrokes() const override;
    std::optional<float> LagMinutes() const override;
    // Empties the step rings (a plug back): the next step writes slot 0.
    void ClearStepTables();

    // The activity log's figures: rate and unit seconds.
    wellfile::DrillingFigures Figures() const;

    // ---- What the WITS links, the gas monitor and the depth box hand over ----
    // The WITS bit depth passed the middle of the unit: the next tick steps the half (the polled box's
    // toggle is left as it is).
    void MarkWitsHalfStep() { halfStepPending = 1; }
    float LagDepth() const override { return lagDepth; }
    void SetLagDepth(float depth) { lagDepth = depth; }
    // Items 0142 and 0145 of the WITS links: both halves of the unit take the value.
    void SetItem0142(float value) { item0142[0] = item0142[1] = value; }
    void SetItem0145(float value) { item0145[0] = item0145[1] = value; }
    // The gamma value of sub-step `slot` (0 to 4), and the fraction of a unit one sub-step covers.
    void SetGamma(int slot, float gamma, float step)
    {
        gammaSlots[slot] = gamma;
        gammaStep = step;
    }
    // Takes the depth-from-WITS switches of `config` (forced on for the gas instruments that bring the
    // depth over WITS) whenever they change while drilling: a source that turns to WITS waits for the
    // first WITS depth, one that turns away waits no more. True when the depth comes from WITS.
    bool FollowWitsDepthSetting(const wellfile::WellConfig& config);
    // The first WITS depth deeper than the tracked one came: the driller waits for WITS depths no more.
    void EndWitsDepthWait()
    {
        waitingForWitsDepth = 0;
        witsDepthWait = 0;
    }
    // The on/off-bottom switch as the depth box or a link reads it.
    void SetOffBottom(bool off) { offBottom = off ? 1 : 0; }
    // The connection marker: 2 marks a connection (the bit off bottom without circulation for more than
    // 10 s, or a jump of the booked gas), which the gas monitor's cycles count down.
    void SetConnectionMarker(std::int32_t marker) { connectionMarker = marker; }
    // Strokes of pump `pump` (0 to 2) from the depth box's contact, counted at the next tick and timed
    // now (the tick comes up to 200 ms later: the pump's rate is measured by the contacts' own times);
    // the strokes waiting, taken; and the steady ms of the latest.
    void AddPumpStrokes(int pump, std::int32_t strokes);
    std::int32_t TakePumpStrokes(int pump) { return std::exchange(pumpStrokePending[pump], 0); }
    std::int64_t PumpStrokeTime(int pump) const { return pumpStrokeAtMs[pump]; }
    // Test value `index` of both working records, carried into the next depth steps.
    void SetTestGas(int index, float value) override
    {
        previous.testGas[index] = value;
        working.testGas[index] = value;
    }
    // Neither working record marks sliding.
    void ClearSlide() override { previous.slide = working.slide = 0; }
    // One more drilling tick: its count, 1 to 10,000 and round again.
    std::int32_t CountTick();
    // A step (whole or half) waits for the next tick.
    bool StepWaiting() const { return stepPending || halfStepPending; }
    // Depth units between lag alarms; 0 or less: none.
    void SetLagAlarmInterval(std::int32_t units) { lagAlarmInterval = units; }
    // The lag by strokes counts the pump threads' strokes at the WITS rates (else the depth box's).
    void SetLagByStrokesFromWits(bool on) { lagByStrokesFromWits = on ? 1 : 0; }
    // The rate of penetration, units per hour.
    std::int32_t Rate() const override { return rate; }

    // ---- Its parts ----
    // The drilling time (from the start on) and the alarms (from the start or the alarm set-up on); a
    // test may set its own, and drilling mode's end takes them away.
    LogTime* Time() const { return time_.get(); }
    void SetTime(std::unique_ptr<LogTime> time);
    LogAlarm* Alarms() const { return alarms_.get(); }
    void SetAlarms(std::unique_ptr<LogAlarm> alarms);
    wits::WitsAlarms& WitsAlarmTable() const { return *witsAlarms_; }
    // The live WITS values, kept current by the WITS links.
    const wellfile::WITSRECORD& Live() const override { return live_; }
    void SetLive(const wellfile::WITSRECORD& live) { live_ = live; }
    // The lag settings; current while they are the ".lag" file's (read at the start or saved since).
    const wellfile::LagRecord& Lag() const override { return lag_; }
    void SetLag(const wellfile::LagRecord& lag) { lag_ = lag; }
    bool LagCurrent() const { return lagCurrent_; }
    void SetLagCurrent(bool current) { lagCurrent_ = current; }
    // The "Drilling Status" box is shown.
    bool StatusBoxShown() const { return statusBox_; }
    void SetStatusBoxShown(bool shown) { statusBox_ = shown; }

    DrillingWindow Window() const { return host_.Window(); }
    DrillingHost& Host() const { return host_; }
    wellfile::OpenWell& Well() const { return host_.Well(); }
    StatusCanvas& Canvas() const { return host_.Canvas(); }

    // ---- The state, by groups (tests set up a case with the setters) ----
    const DrillerSetup& Setup() const { return *this; }
    void SetSetup(const DrillerSetup& v) { static_cast<DrillerSetup&>(*this) = v; }
    const DrillerSteps& Steps() const { return *this; }
    void SetSteps(const DrillerSteps& v) { static_cast<DrillerSteps&>(*this) = v; }
    const DrillerRecords& Records() const { return *this; }
    void SetRecords(const DrillerRecords& v) { static_cast<DrillerRecords&>(*this) = v; }
    const DrillerLag& LagState() const { return *this; }
    void SetLagState(const DrillerLag& v) { static_cast<DrillerLag&>(*this) = v; }
    const DrillerBottom& Bottom() const { return *this; }
    void SetBottom(const DrillerBottom& v) { static_cast<DrillerBottom&>(*this) = v; }
    const DrillerWitsItems& WitsItems() const { return *this; }
    void SetWitsItems(const DrillerWitsItems& v) { static_cast<DrillerWitsItems&>(*this) = v; }

private:
    void StepDepth(const DrillingWindow& w);
    bool AppendRecord(const DrillingWindow& w, QString& reason);
    void AppendCustomRecord(const wellfile::CUSTDATAREC& record);
    void FillCustomFromWits();
    void GrowCustomRows();
    void DrawNewLine(const DrillingWindow& w);
    void PeriodicWork(const DrillingWindow& w);
    void UpdateStep();
    void SetPending(StepSource from);
    // What the user is told of a data or custom-data file that cannot be written, and when it can again.
    void SayWriteFailed(const QString& reason);
    void SayWrittenAgain();
    void SayCustomWriteFailed(std::int32_t depth, const QString& reason);
    void SayCustomWrittenAgain();
    // The whole units marked and not yet written: a pending step, or each unit of a rise.
    std::int32_t UnitsWaiting() const;
    // Books the units waiting that have no booking yet with the live values and an even share of the
    // on-bottom seconds not booked yet.
    void BookWaitingUnits(const LogTime& t);

    // A unit drilled while the data file could not be written: the values measured at its own depth and
    // its own time, with which it is written once the file can be written again.
    struct BookedUnit {
        wellfile::WITSRECORD live;
        std::int32_t seconds = 1;
        std::int64_t endMs = 0;  // steady ms when it was booked: the next unit is timed from here
    };

    DrillingHost& host_;
    std::unique_ptr<LogTime> time_;
    std::unique_ptr<LogAlarm> alarms_;
    std::unique_ptr<wits::WitsAlarms> witsAlarms_;
    wellfile::WITSRECORD live_{};
    wellfile::LagRecord lag_{};
    bool lagCurrent_ = false;
    bool statusBox_ = false;
    bool writeFailing_ = false;  // the data file could not be written: the box once per spell
    QString writeReason_;        // the system's reason of the data file's last failed write
    bool customFailing_ = false;
    QString customSaid_;             // the status line the custom-data failure wrote last
    bool rigGapSaid_ = false;        // the box of a rig deeper than the file was shown for this gap
    float rigHoleSaid_ = 0;          // the rig's hole depth that gap was said with last
    QString statusSaid_;             // the status line's text set last by the driller
    std::vector<std::pair<QString, QString>> boxes_;  // text and caption, shown when the step is done
    std::deque<BookedUnit> booked_;  // oldest first: the units waiting for a file that could not be written
    float keptLagDepth_ = 0;         // the lag depth reached through kept units, until the walk passes it
};

}  // namespace drilling
