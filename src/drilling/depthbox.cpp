// The depth box on the game port: button messages and the poll of the on/off-bottom switch turned into
// pending depth steps, pump strokes, on/off-bottom changes and chromatograph cycles.
#include "app/logstate.h"
#include "drilling/driller.h"
#include "drilling/drillingcommands.h"
#include "drilling/logtime.h"
#include "gasmon/gasmon_services.h"
#include "platform/gameport.h"
#include "platform/services.h"
#include "wits/wits_services.h"

namespace drilling {

namespace {

// A pulse: the button is down and this message reports its change.
bool Pulse(std::uint32_t buttons, std::uint32_t down, std::uint32_t changed)
{
    return (buttons & down) && (buttons & changed);
}

bool OnBottom(const Driller& d) { return !d.Time() || !d.Time()->offBottom; }

}  // namespace

void DrillingCommands::EvJoyButton(app::LogState& log, unsigned buttons) { JoyButton(log, buttons); }

int DrillingCommands::JoyButton(app::LogState& log, std::uint32_t buttons)
{
    Driller* d = log.engines.driller;
    if (!log.well.file.drilling || !d || log.drilling.holdButtons)
        return 0;
    if (log.drilling.polledKind) {
        EvJoyButtonPolled(log, buttons);
        return 1;
    }
    ChromatographTrigger(log, buttons);
    // Strokes are counted, not flagged: two contacts before a tick are two strokes.
    if (!d->Setup().lagByStrokesFromWits && d->Strokes() && Pulse(buttons, kButton3, kButton3Changed))
        d->AddPumpStrokes(0, 1);
    if (!links_.Wits().LinkRunning(log) || !d->Setup().depthFromWits) {
        ApplySwitch(log, *d, (buttons & kButton4) != 0);
        // While the data file cannot be written the pending step waits, and each unit drilled meanwhile
        // is kept behind it.
        if ((!d->Steps().stepPending || d->WriteFailing()) && OnBottom(*d) && Pulse(buttons, kButton1, kButton1Changed))
            d->MarkStep(StepSource::WholeUnitBox);
    }
    return 0;
}

void DrillingCommands::EvJoyButtonPolled(app::LogState& log, std::uint32_t buttons)
{
    Driller* d = log.engines.driller;
    if (!d)
        return;
    ChromatographTrigger(log, buttons);
    if (!d->Setup().lagByStrokesFromWits && d->Strokes()) {
        const wellfile::LagRecord& lag = d->Lag();
        const bool allPumps = lag.allPumps != 0;
        if (Pulse(buttons, kButton3, kButton3Changed) && (lag.pumpOnHole[0] || allPumps))
            d->AddPumpStrokes(0, 1);
        if (Pulse(buttons, kButton4, kButton4Changed) && (lag.pumpOnHole[1] || allPumps))
            d->AddPumpStrokes(1, 1);
    }
    if (links_.Wits().LinkRunning(log) && d->Setup().depthFromWits)
        return;  // the bit depth comes from WITS: the box's switch and pulses are not read
    ApplySwitch(log, *d, (buttons & kButton5) != 0);
    // A pulse never queues: one that comes while a whole step waits, or off bottom, is lost (two pulses
    // within one tick are a bounce of the contact, not drilling).
    // While the data file cannot be written, the units drilled meanwhile (two pulses each) wait behind
    // the pending step, whole: their halves are not timed.
    const bool stepPending = d->Steps().stepPending != 0;
    const bool waitsForFile = stepPending && d->WriteFailing();
    if ((stepPending && !waitsForFile) || !OnBottom(*d) || !Pulse(buttons, kButton1, kButton1Changed))
        return;
    DrillerSetup setup = d->Setup();
    setup.automaticDrilling = 0;
    setup.autoMinutesPerUnit = 0;
    d->SetSetup(setup);
    if (log.drilling.halfStepToggle) {
        d->MarkStep(StepSource::Polled);
    } else if (waitsForFile) {
        DrillerSteps steps = d->Steps();
        steps.halfStepToggle = 1;
        d->SetSteps(steps);
    } else {
        d->MarkHalfStep();
    }
    log.drilling.halfStepToggle = d->Steps().halfStepToggle != 0;
}

std::uint32_t DrillingCommands::ReadJoystickButtons(app::LogState& log)
{
    platform::GamePort* port = platform::services().gamePort;
    std::uint32_t word = 0;
    if (port && port->ReadButtons(word))
        log.drilling.joystickButtons = word;
    else if (port)
        port->SetCapture(log.window);  // a lost box is opened again; this reading keeps the last word
    return log.drilling.joystickButtons;
}

void DrillingCommands::JoyButtonsToBottom(app::LogState& log, std::uint32_t polled)
{
    if (Driller* d = log.engines.driller)
        ApplySwitch(log, *d, (polled & kButton5) != 0);
}

void DrillingCommands::ApplySwitch(app::LogState&, Driller& d, bool switchDown)
{
    // Polarity 0: open on bottom; 1: closed on bottom; anything else: the switch is not read.
    const int polarity = d.Setup().switchPolarity;
    LogTime* time = d.Time();
    if (polarity == 0 || polarity == 1) {
        const bool offBottom = polarity == 0 ? switchDown : !switchDown;
        if (offBottom) {
            d.SetOffBottom(true);
            if (time)
                time->GoOffBottom();
        } else {
            if (time && time->offBottom)
                time->GoOnBottom();
            d.SetOffBottom(false);
        }
    }
    if (d.StatusBoxShown() && time)
        d.Host().Box().ShowStatus(time->offBottom != 0, time->circulating != 0, polarity);
}

void DrillingCommands::ChromatographTrigger(app::LogState& log, std::uint32_t buttons)
{
    if (!(buttons & (kButton2 | kButton2Changed)) || !links_.Gas().MonitorRunning(log))
        return;
    // Instrument type 0 starts a cycle on each change of its contact, the others on a closing only.
    const bool changed = (buttons & kButton2Changed) != 0;
    const bool starts = log.engineStatus.gasInstrumentType == 0 ? changed : changed && (buttons & kButton2);
    if (starts)
        links_.Gas().StartCycle(log);
}

}  // namespace drilling
