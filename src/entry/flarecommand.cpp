#include "entry/flarecommand.h"

#include "app/logstate.h"
#include "entry/entrycommand.h"
#include "entry/entrystate.h"
#include "entry/flareentry.h"
#include "platform/services.h"
#include "platform/winapi.h"

#include <algorithm>
#include <optional>

namespace entry {

namespace {

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
    if (EntryRefused(log, false))
        return;
    app::InteractionState& in = log.interaction;
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

    OpenEntryBuffer(log, kFlareBufferRecords, index, FlareReadCount(log.well.loggerId));
    if (host.paintNow)
        host.paintNow();
    else
        log.view.Invalidate();

    const int result = host.runDialog ? host.runDialog(log) : platform::IDCANCEL;
    const EntryState& e = log.entry;
    if (result == platform::IDOK)
        WriteBackEntry(well, well.dataFileName, index, e.count, e.snapshot, in.dataEntryRecords, FlareFields());
    CloseEntry(log, savedTop, savedScale);
}

}  // namespace entry
