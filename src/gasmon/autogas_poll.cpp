// The engine's ticks and answers: the poll of timer 1, the cycle, the coils of the interface box and
// what an answer does before its values are decoded.
#include "gasmon/autogas.h"
#include "gasmon/enginehelpers.h"

#include "drilling/driller.h"
#include "drilling/logalarm.h"
#include "drilling/logtime.h"
#include "platform/numbers.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/profile.h"
#include "wits/tenthsdigit.h"

#include <cmath>
#include <vector>

namespace gasmon {

bool AutoGas::TypeReadsGainRange() const
{
    return TypeIn(settings_.instrumentType, {0, 2, 3, 4, 8, 12});
}

bool AutoGas::RunsCoilCycle() const
{
    return settings_.instrumentType == 8 || (settings_.instrumentType == 12 && settings_.ownControl);
}

// The detectors and chromatographs of types 0 to 4 have the box's coils too: they are set at start and
// stop, though only the interface box runs the cycle.
bool AutoGas::WritesCoils() const
{
    return RunsCoilCycle() || (settings_.instrumentType >= 0 && settings_.instrumentType <= 4);
}

void AutoGas::Poll()
{
    // The seconds come from the clock at every tick: ticks are late whenever the window is busy.
    const std::int64_t now = platform::SteadyMs();
    cycle_.cycleSeconds = std::int32_t((now - cycle_.cycleStartMs) / 1000);

    if (settings_.sriMode != 0 || settings_.baselineMode) {
        // A new day's results have a new name; an earlier day's file is no longer looked for.
        if (platform::LocalTime().date().day() != cycle_.exportDay)
            UpdateExportName();
        if (cycle_.cycleSeconds % (settings_.sriMode != 0 ? 2 : 5) == 0)
            ReadOutsideFile();
    }
    if (cycle_.cycleSeconds > kLongestCycleSeconds) {
        cycle_.cycleStartMs = now;
        cycle_.cycleSeconds = 0;
        if (host.Profile() == 12 && host.Driller() && host.Driller()->Alarms())
            host.Driller()->Alarms()->Raise(drilling::kAlarmDrillingBreak, QStringLiteral("Cycle Time out of range"));
    }

    if (settings_.instrumentType == 9)
        DecodeUdpPacket();
    else if (RunsCoilCycle() && settings_.shiftPoint < settings_.cycleTime)
        CoilCycle();

    if (drilling::Driller* d = host.Driller()) {
        const float lag = d->LagDepth();
        if (host.WitsLinkOn()) {
            booking_.lagDepthDecimal = float(wits::TenthsDigit2(lag));
            if (booking_.lagDepthDecimal >= 5 && !booking_.halfUnitBooked) {
                booking_.halfUnitBooked = true;
                BookAtLagDepth();
            }
        }
        const std::int32_t whole = std::isfinite(lag) ? platform::TruncInt(lag) : readings_.record.lagDepth;
        if (whole != readings_.record.lagDepth) {
            readings_.record.lagDepth = whole;
            booking_.halfUnitBooked = false;
            booking_.bookingAttempted = true;
            BookAtLagDepth();
        } else {
            booking_.bookingAttempted = false;
        }
    }

    SendRequest();

    if (!requests_.calibrationCycle)
        AdvanceComponent();

    // The sample's slot is the clock's, whatever the ticks: a late tick misses a slot, never shifts one.
    const QDateTime local = platform::LocalTime();
    const std::int64_t key = local.date().toJulianDay() * kChartSlotsPerDay + ChartSlot(local.time());
    if (local.time().second() % 2 == 0 && key != booking_.lastChartKey) {
        booking_.lastChartKey = key;
        FillChartSample(local);
    }
}

void AutoGas::SendRequest()
{
    if (!handle_ || readings_.requestOutstanding)
        return;
    if (coils_.Next())
        return;  // a coil write went out, or waits its turn: the read comes at a later tick
    const bool gain = TypeReadsGainRange() && readings_.gainRange == -1.0f;
    settings_.firstRegister = gain ? 2 : settings_.normalFirstRegister;
    const platform::ModbusRequest request {std::uint8_t(settings_.slaveAddress), settings_.functionCode,
                                           settings_.firstRegister, std::uint16_t(gain ? 1 : settings_.registerCount)};
    readings_.requestOutstanding = calls_.poll(handle_, request) == 0;
    lastRequest_ = request;
}

void AutoGas::AdvanceComponent()
{
    if (cycle_.cycleEnded || cycle_.componentIndex < 1 || cycle_.componentIndex > 7)
        return;
    const std::size_t k = std::size_t(cycle_.componentIndex);
    if (cycle_.cycleSeconds > settings_.elutionTimes[k] + settings_.windowEnd[k]) {
        ++cycle_.componentIndex;
        if (cycle_.componentIndex > settings_.components) {
            EndCycle();
            cycle_.cycleEnded = true;
        }
    }
}

void AutoGas::StartCycle()
{
    cycle_.sampleTimeCount = 0;
    if (!(settings_.sriMode != 0 || settings_.baselineMode)) {
        if (!cycle_.startPending && !cycle_.cycleEnded)
            EndCycle();
        for (int k = 1; k <= 7; ++k)
            readings_.values[std::size_t(k)] = 0;
    }
    // Each cycle after a connection counts the connection marker down, unless the pumps are still off
    // with the bit off bottom; a marker past its limit is a stale one.
    if (drilling::Driller* d = host.Driller()) {
        const bool stillOff = d->Time() && d->Time()->offBottom && !d->Time()->circulating;
        if (!stillOff) {
            std::int32_t marker = std::max(d->Bottom().connectionMarker - 1, 0);
            const int limit = settings_.baselineFid ? 3 : d->Bottom().connectionMarkerLimit;
            if (marker > limit)
                marker = 0;
            d->SetConnectionMarker(marker);
        }
    }
    cycle_.startPending = false;
    for (int k = 0; k < 4; ++k)
        cycle_.peakEndSeconds[std::size_t(k)] = 0;
    cycle_.cycleStartMs = platform::SteadyMs();
    cycle_.cycleSeconds = 0;
    cycle_.componentIndex = 1;
    cycle_.cycleEnded = false;
    requests_.spanAdjustment = false;
    cycle_.newCycle = true;
}

// ---- Coils ----------------------------------------------------------------------------------------

void AutoGas::QueueCoils(int delayMs)
{
    // Every write carries the state of all four coils, so the box always mirrors the engine.
    coils_.Add({{std::uint16_t(coilState_.coil1), std::uint16_t(coilState_.sampleBlockClosed),
                 std::uint16_t(coilState_.coil3), std::uint16_t(coilState_.coil4)}},
               delayMs);
    if (!readings_.requestOutstanding)
        SendRequest();
}

void AutoGas::ToggleCoil1()
{
    if (coilState_.coil1) {
        // Off is written twice, 100 ms apart: the valve must not stay open on a lost write.
        coilState_.coil1 = false;
        QueueCoils();
        QueueCoils(100);
    } else {
        coilState_.coil1 = true;
        QueueCoils();
    }
}

void AutoGas::CoilCycle()
{
    const int t = cycle_.cycleSeconds;
    const bool ownProfiles = wellfile::CoilCycleProfile(host.Profile());
    if (ownProfiles) {
        if (requests_.startRequest) {
            requests_.calibrationCycle = false;
            ToggleCoil1();
            StartCycle();
            requests_.startRequest = false;
            return;
        }
        if (requests_.sampleBlockRequest || (requests_.calibrationRequest && !coilState_.sampleBlockClosed)) {
            ToggleSampleBlockCoil();
            return;
        }
        if (coilState_.sampleBlockClosed && t >= coilState_.closingSecond + 20) {
            requests_.calibrationCycle = false;
            ToggleCoil1();
            StartCycle();
            return;
        }
    }
    const bool pending = cycle_.startPending && settings_.instrumentType != 12;
    if (t >= settings_.cycleTime || pending ||
        (requests_.startRequest && t > settings_.shiftPoint + 2 && !ownProfiles)) {
        if (!ownProfiles) {
            requests_.calibrationCycle = requests_.calibrationRequest;
            requests_.calibrationRequest = false;
        }
        ToggleCoil1();
        StartCycle();
        requests_.startRequest = false;
        return;
    }
    if (t >= settings_.shiftPoint && coilState_.coil1)
        ToggleCoil1();
}

void AutoGas::ToggleSampleBlockCoil()
{
    const int t = cycle_.cycleSeconds;
    if (!coilState_.sampleBlockClosed) {
        if (t >= 20 && t <= settings_.cycleTime - 20) {
            coilState_.sampleBlockClosed = true;
            coilState_.closingSecond = t;
            requests_.sampleBlockRequest = false;
            QueueCoils();
            return;
        }
        requests_.sampleBlockRequest = false;
        requests_.calibrationRequest = false;
        if (!cycle_.startPending)
            platform::MessageBox(QStringLiteral("CycleTime must be greater than 20 seconds\n\r and less than 20 seconds "
                                                "before shift point\n\rto close the chromat sample block"),
                                 QStringLiteral("StrativM"));
        return;
    }
    coilState_.sampleBlockClosed = false;
    requests_.sampleBlockRequest = false;
    if (requests_.calibrationRequest) {
        requests_.calibrationCycle = true;
        requests_.calibrationRequest = false;
    }
    QueueCoils();
}

// ---- Answers --------------------------------------------------------------------------------------

void AutoGas::EvResponse(std::uintptr_t wParam, std::intptr_t)
{
    // A notice of a link this engine no longer has (or never had) is not ours.
    if (!handle_ || wParam != handle_ || !readings_.requestOutstanding)
        return;
    if (!display_)
        OpenGasDisplay();
    for (QString& line : readings_.lines)
        line.clear();

    std::vector<std::uint16_t> registers(std::size_t(settings_.registerCount) + 1, 0);
    const int result = calls_.response(handle_, lastRequest_, registers.data(), std::uint16_t(registers.size() * 2));
    readings_.requestOutstanding = false;
    readings_.record.modbusResult = result;
    if (result == 0 || settings_.instrumentType == 9 || settings_.instrumentType == 10) {
        if (++readings_.goodAnswers > 5000)
            readings_.goodAnswers = 0;
    } else {
        ++readings_.record.errorCount;
    }

    // Only a coil write that waits goes out now: reads go one per tick.
    if (lastRequest_.function == 15) {
        coils_.Next();
        return;
    }
    if (lastRequest_.first == 2 && lastRequest_.count == 1) {
        // The gain range: only a good answer sets it (a failed one is asked again at the next tick). A
        // code past the table takes the table's nearest range.
        if (result == 0) {
            readings_.gainRange = GainRangeOf(std::int16_t(registers[0]));
            if (host.rebuildMenu)
                host.rebuildMenu();
        }
        coils_.Next();
        return;
    }
    TakeAnswer(registers.data(), result);
    coils_.Next();
}

}  // namespace gasmon
