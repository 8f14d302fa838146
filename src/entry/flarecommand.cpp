#include "entry/flarecommand.h"

#include "app/logstate.h"
#include "entry/entrycommand.h"
#include "entry/flareentry.h"
#include "platform/services.h"
#include "platform/winapi.h"

#include <algorithm>
#include <optional>

namespace entry {

namespace {

void Invalidate(app::LogState& log)
{
    if (log.view.invalidate)
        log.view.invalidate();
}

// The start depth: the remembered one while the entry goes on, else asked until it lies in range.
std::optional<std::int32_t> StartDepth(app::LogState& log, const FlareHost& host)
{
    const wellfile::OpenWell& well = log.well.file;
    const std::int32_t first = well.fileTopDepth, last = well.fileBottomDepth;
    EntryState& e = log.entry;
    const bool carryOn = e.flareContinue && e.flareStartDepth >= first && e.flareStartDepth < last;
    e.flareContinue = false;
    if (carryOn)
        return e.flareStartDepth;
    QString proposed = e.flareStartDepth > first ? QString::number(e.flareStartDepth) : QString();
    for (;;) {
        QString text = proposed;
        if (!host.askInput ||
            !host.askInput(QStringLiteral("StartDepth"), QStringLiteral("Enter Depth to start flare input"), text, 6))
            return std::nullopt;
        if (const std::optional<std::int32_t> start = ReadStartDepth(text, first, last))
            return start;
        platform::MessageBox(QStringLiteral("Depth Out Of Range"), QStringLiteral("ERROR"), platform::MB_OK);
        proposed = text;
    }
}

}  // namespace

void RunFlareCommand(app::LogState& log, const FlareHost& host)
{
    app::InteractionState& in = log.interaction;
    if (in.dataEntryActive || log.entry.gasEntry) {
        platform::MessageBeep(0);
        return;
    }
    if (in.dragGasActive) {
        platform::MessageBox(QStringLiteral("Press enter or escape to terminate drag gas function \nafter closing this dialog"),
                             QStringLiteral("Input Error"), platform::MB_OK);
        return;
    }
    wellfile::OpenWell& well = log.well.file;
    const std::int32_t savedTop = well.viewTopDepth;
    const std::int32_t savedScale = log.view.viewScale;
    const std::optional<std::int32_t> start = StartDepth(log, host);
    if (!start)
        return;
    const std::int32_t startDepth = std::max<std::int32_t>(*start, well.fileTopDepth + kFlareLowestStartRows);
    well.viewTopDepth = startDepth - kFlareRowsAboveStart;
    log.view.viewScale = std::min<std::int32_t>(savedScale, 2);
    const int index = int(((long long)well.viewTopDepth - well.fileTopDepth) / std::max(well.depthStep, 1));

    std::vector<wellfile::RECORD>& buffer = in.dataEntryRecords;
    EntryState& e = log.entry;
    e.count = ReadEntryRecords(well, buffer, kFlareBufferRecords, index, FlareReadCount(log.well.loggerId));
    e.recordIndex = index;
    e.snapshot = buffer;
    in.dataEntryActive = 1;
    if (host.paintNow)
        host.paintNow();
    else
        Invalidate(log);

    const int result = host.runDialog ? host.runDialog(log) : platform::IDCANCEL;
    if (result == platform::IDOK)
        WriteBackEntry(well, well.dataFileName, index, e.count, e.snapshot, buffer, FlareFields());

    buffer.clear();
    buffer.shrink_to_fit();
    e.snapshot.clear();
    e.snapshot.shrink_to_fit();
    e.count = 0;
    in.dataEntryActive = 0;
    log.view.viewScale = savedScale;
    well.viewTopDepth = savedTop;
    Invalidate(log);
}

}  // namespace entry
