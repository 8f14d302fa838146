// The engine's ticks and answers: the poll of timer 1, the cycle, the coils of the interface box and
// what an answer does before its values are decoded.
#include "gasmon/autogas.h"
#include "gasmon/enginehelpers.h"

#include "drilling/driller.h"
#include "drilling/logalarm.h"
#include "drilling/logtime.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wits/tenthsdigit.h"

#include <cmath>
#include <vector>

namespace gasmon {

bool AutoGas::TypeReadsGainRange() const { return TypeIn(instrumentType, {0, 2, 3, 4, 8, 12}); }

bool AutoGas::RunsCoilCycle() const { return instrumentType == 8 || (instrumentType == 12 && ownControl); }

// The detectors and chromatographs of types 0 to 4 have the box's coils too: they are set at start and
// stop, though only the interface box runs the cycle.
bool AutoGas::WritesCoils() const { return RunsCoilCycle() || (instrumentType >= 0 && instrumentType <= 4); }

void AutoGas::Poll()
{
    if (host.refresh)
        host.refresh(host);
    // The seconds come from the clock at every tick: ticks are late whenever the window is busy.
    const std::int64_t now = platform::SteadyMs();
    cycleSeconds = std::int32_t((now - cycleStartMs) / 1000);

    if (sriMode != 0 || baselineMode) {
        // A new day's results have a new name; an earlier day's file is no longer looked for.
        if (platform::LocalTime().date().day() != exportDay)
            UpdateExportName();
        if (cycleSeconds % (sriMode != 0 ? 2 : 5) == 0)
            ReadOutsideFile();
    }
    if (cycleSeconds > kLongestCycleSeconds) {
        cycleStartMs = now;
        cycleSeconds = 0;
        if (host.profile == 12 && host.driller && host.driller->alarms)
            host.driller->alarms->Raise(drilling::kAlarmDrillingBreak, QStringLiteral("Cycle Time out of range"));
    }

    if (instrumentType == 9)
        DecodeUdpPacket();
    else if (RunsCoilCycle() && shiftPoint < cycleTime)
        CoilCycle();

    if (drilling::Driller* d = host.driller) {
        const float lag = d->lagDepth;
        if (host.witsLinkOn) {
            lagDepthDecimal = float(wits::TenthsDigit2(lag));
            if (lagDepthDecimal >= 5 && !halfUnitBooked) {
                halfUnitBooked = true;
                BookAtLagDepth();
            }
        }
        const std::int32_t whole = std::isfinite(lag) ? std::int32_t(lag) : record.lagDepth;
        if (whole != record.lagDepth) {
            record.lagDepth = whole;
            halfUnitBooked = false;
            bookingAttempted = true;
            BookAtLagDepth();
        } else {
            bookingAttempted = false;
        }
    }

    SendRequest();

    if (!calibrationCycle)
        AdvanceComponent();

    // The sample's slot is the clock's, whatever the ticks: a late tick misses a slot, never shifts one.
    const QDateTime local = platform::LocalTime();
    const std::int64_t key = local.date().toJulianDay() * kChartSlotsPerDay + ChartSlot(local.time());
    if (local.time().second() % 2 == 0 && key != lastChartKey) {
        lastChartKey = key;
        FillChartSample(local);
    }
}

void AutoGas::SendRequest()
{
    if (!handle || requestOutstanding)
        return;
    if (coils_.Next())
        return;  // a coil write went out, or waits its turn: the read comes at a later tick
    const bool gain = TypeReadsGainRange() && gainRange == -1.0f;
    firstRegister = gain ? 2 : normalFirstRegister;
    const platform::ModbusRequest request{std::uint8_t(slaveAddress), functionCode, firstRegister,
                                          std::uint16_t(gain ? 1 : registerCount)};
    requestOutstanding = calls.poll(handle, request) == 0;
    lastRequest_ = request;
}

void AutoGas::AdvanceComponent()
{
    if (cycleEnded || componentIndex < 1 || componentIndex > 7)
        return;
    const std::size_t k = std::size_t(componentIndex);
    if (cycleSeconds > elutionTimes[k] + windowEnd[k]) {
        ++componentIndex;
        if (componentIndex > components) {
            EndCycle();
            cycleEnded = true;
        }
    }
}

void AutoGas::StartCycle()
{
    sampleTimeCount = 0;
    if (!(sriMode != 0 || baselineMode)) {
        if (!startPending && !cycleEnded)
            EndCycle();
        for (int k = 1; k <= 7; ++k)
            values[std::size_t(k)] = 0;
    }
    // Each cycle after a connection counts the connection marker down, unless the pumps are still off
    // with the bit off bottom; a marker past its limit is a stale one.
    if (drilling::Driller* d = host.driller) {
        const bool stillOff = d->time && d->time->offBottom && !d->time->circulating;
        if (!stillOff) {
            d->connectionMarker = std::max(d->connectionMarker - 1, 0);
            const int limit = baselineFid ? 3 : d->connectionMarkerLimit;
            if (d->connectionMarker > limit)
                d->connectionMarker = 0;
        }
    }
    startPending = false;
    for (int k = 0; k < 4; ++k)
        peakEndSeconds[std::size_t(k)] = 0;
    cycleStartMs = platform::SteadyMs();
    cycleSeconds = 0;
    componentIndex = 1;
    cycleEnded = false;
    spanAdjustment = false;
    newCycle = true;
}

// ---- Coils ----------------------------------------------------------------------------------------

void AutoGas::QueueCoils(int delayMs)
{
    // Every write carries the state of all four coils, so the box always mirrors the engine.
    coils_.Add({{std::uint16_t(coil1), std::uint16_t(sampleBlockClosed), std::uint16_t(coil3), std::uint16_t(coil4)}},
               delayMs);
    if (!requestOutstanding)
        SendRequest();
}

void AutoGas::ToggleCoil1()
{
    if (coil1) {
        // Off is written twice, 100 ms apart: the valve must not stay open on a lost write.
        coil1 = false;
        QueueCoils();
        QueueCoils(100);
    } else {
        coil1 = true;
        QueueCoils();
    }
}

void AutoGas::CoilCycle()
{
    const int t = cycleSeconds;
    const bool ownProfiles = host.profile == 2 || host.profile == 91;
    if (ownProfiles) {
        if (startRequest) {
            calibrationCycle = false;
            ToggleCoil1();
            StartCycle();
            startRequest = false;
            return;
        }
        if (sampleBlockRequest || (calibrationRequest && !sampleBlockClosed)) {
            ToggleSampleBlockCoil();
            return;
        }
        if (sampleBlockClosed && t >= closingSecond + 20) {
            calibrationCycle = false;
            ToggleCoil1();
            StartCycle();
            return;
        }
    }
    const bool pending = startPending && instrumentType != 12;
    if (t >= cycleTime || pending || (startRequest && t > shiftPoint + 2 && !ownProfiles)) {
        if (!ownProfiles) {
            calibrationCycle = calibrationRequest;
            calibrationRequest = false;
        }
        ToggleCoil1();
        StartCycle();
        startRequest = false;
        return;
    }
    if (t >= shiftPoint && coil1)
        ToggleCoil1();
}

void AutoGas::ToggleSampleBlockCoil()
{
    const int t = cycleSeconds;
    if (!sampleBlockClosed) {
        if (t >= 20 && t <= cycleTime - 20) {
            sampleBlockClosed = true;
            closingSecond = t;
            sampleBlockRequest = false;
            QueueCoils();
            return;
        }
        sampleBlockRequest = false;
        calibrationRequest = false;
        if (!startPending)
            platform::MessageBox(QStringLiteral("CycleTime must be greater than 20 seconds\n\r and less than 20 seconds "
                                                "before shift point\n\rto close the chromat sample block"),
                                 QStringLiteral("StrativM"));
        return;
    }
    sampleBlockClosed = false;
    sampleBlockRequest = false;
    if (calibrationRequest) {
        calibrationCycle = true;
        calibrationRequest = false;
    }
    QueueCoils();
}

// ---- Answers --------------------------------------------------------------------------------------

void AutoGas::EvResponse(std::uintptr_t wParam, std::intptr_t)
{
    // A notice of a link this engine no longer has (or never had) is not ours.
    if (!handle || wParam != handle || !requestOutstanding)
        return;
    if (host.refresh)
        host.refresh(host);
    if (!display_)
        OpenGasDisplay();
    for (QString& line : lines)
        line.clear();

    std::vector<std::uint16_t> registers(std::size_t(registerCount) + 1, 0);
    const int result = calls.response(handle, lastRequest_, registers.data(), std::uint16_t(registers.size() * 2));
    requestOutstanding = false;
    record.modbusResult = result;
    if (result == 0 || instrumentType == 9 || instrumentType == 10) {
        if (++goodAnswers > 5000)
            goodAnswers = 0;
    } else {
        ++record.errorCount;
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
            gainRange = GainRangeOf(std::int16_t(registers[0]));
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
