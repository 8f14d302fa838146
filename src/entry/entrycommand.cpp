#include "entry/entrycommand.h"

#include "app/logstate.h"
#include "app/wellsettings.h"
#include "entry/entrystate.h"
#include "platform/services.h"
#include "platform/winapi.h"
#include "wellfile/datafile.h"

#include <algorithm>

namespace entry {

namespace {

bool Inside(std::int32_t depth, std::int32_t from, std::int32_t below) { return depth >= from && depth < below; }

// The start depth a double-click (or the gas and lithology entries' resume depths) give without asking,
// and the text the box proposes otherwise.
std::optional<std::int32_t> PresetStart(const app::LogState& log, EntryKind kind, QString& proposed)
{
    const app::MouseEntryRequest& r = log.interaction.mouseEntry;
    const std::int32_t first = log.well.file.fileTopDepth, last = log.well.file.fileBottomDepth;
    switch (kind) {
    case EntryKind::Rates:
        if (r.set && Inside(r.rateDepth, first, last))
            return r.rateDepth;
        break;
    case EntryKind::Gas:
        if (r.set && Inside(r.gasDepth, first, last))
            return r.gasDepth;
        if (r.gasDepth > first)
            proposed = QString::number(r.gasDepth);
        break;
    case EntryKind::Lithology: {
        const std::int32_t resume = log.entry.lithologyResumeDepth;
        if (r.set && Inside(resume, first + 10, last))
            return r.lithologyDepth > 0 ? r.lithologyDepth : resume;
        if (resume > first + 10)
            proposed = QString::number(resume);
        break;
    }
    case EntryKind::Shows: break;
    }
    return std::nullopt;
}

// The request is used up by the command, whatever became of it.
void ClearRequest(app::LogState& log, EntryKind kind)
{
    app::MouseEntryRequest& r = log.interaction.mouseEntry;
    r.set = false;
    if (kind == EntryKind::Lithology) {
        r.lithologyDepth = 0;
        r.interpreted = false;
    }
}

}  // namespace

QString StartDepthPrompt(EntryKind kind)
{
    switch (kind) {
    case EntryKind::Rates: return QStringLiteral("Enter Depth to start rates");
    case EntryKind::Shows: return QStringLiteral("Enter Depth to start shows");
    case EntryKind::Gas: return QStringLiteral("Enter Depth to start gas");
    case EntryKind::Lithology: return QStringLiteral("Enter Depth to start lithology");
    }
    return {};
}

std::optional<std::int32_t> ReadStartDepth(const QString& text, std::int32_t firstDepth, std::int32_t lastDepth)
{
    bool ok = false;
    const int depth = text.trimmed().toInt(&ok);
    if (!ok || (long long)depth < (long long)firstDepth + 10 || depth > lastDepth)
        return std::nullopt;
    return depth;
}

bool EntryRefused(const app::LogState& log, bool shutOut)
{
    if (log.interaction.dataEntryActive || log.entry.gasEntry || shutOut) {
        platform::MessageBeep(0);
        return true;
    }
    if (!log.interaction.dragGasActive)
        return false;
    platform::MessageBox(QStringLiteral("Press enter or escape to terminate drag gas function \nafter closing this dialog"),
                         QStringLiteral("Input Error"), platform::MB_OK);
    return true;
}

void OpenEntryBuffer(app::LogState& log, int size, int index, int count)
{
    EntryState& e = log.entry;
    e.count = ReadEntryRecords(log.well.file, log.interaction.dataEntryRecords, size, index, count);
    e.recordIndex = index;
    e.snapshot = log.interaction.dataEntryRecords;
    log.interaction.dataEntryActive = 1;
}

void CloseEntry(app::LogState& log, std::int32_t viewTop, std::int32_t scale)
{
    std::vector<wellfile::RECORD>& buffer = log.interaction.dataEntryRecords;
    EntryState& e = log.entry;
    buffer.clear();
    buffer.shrink_to_fit();
    e.snapshot.clear();
    e.snapshot.shrink_to_fit();
    e.count = 0;
    e.gasEntry = false;
    log.interaction.dataEntryActive = 0;
    log.view.viewScale = scale;
    log.well.file.viewTopDepth = viewTop;
    log.view.InvalidateErased();  // the file's log again, nothing of the entry's view left over
}

void RunEntryCommand(app::LogState& log, EntryKind kind, const EntryHost& host)
{
    app::InteractionState& in = log.interaction;
    const bool dataText = host.dataTextOpen && host.dataTextOpen();
    const bool elogText = host.elogTextOpen && host.elogTextOpen();
    // The rate entry alone may run beside the "Data As Text" window.
    if (EntryRefused(log, elogText || (dataText && kind != EntryKind::Rates)))
        return;
    wellfile::OpenWell& well = log.well.file;
    const std::int32_t savedTop = well.viewTopDepth;
    const std::int32_t savedScale = log.view.viewScale;
    // The gas dialog keeps its "Max Entries" count in the well's settings record.
    wellfile::WellConfig config = log.well.config;

    QString proposed;
    std::optional<std::int32_t> start = PresetStart(log, kind, proposed);
    while (!start) {
        QString text = proposed;
        if (!host.askInput || !host.askInput(QStringLiteral("StartDepth"), StartDepthPrompt(kind), text, 6)) {
            ClearRequest(log, kind);
            return;
        }
        start = ReadStartDepth(text, well.fileTopDepth, well.fileBottomDepth);
        if (!start) {
            platform::MessageBox(QStringLiteral("Depth Out Of Range"), QStringLiteral("ERROR"), platform::MB_OK);
            proposed = text;
        }
    }
    // A double-click may ask for a depth nearer the top than ten rows.
    const std::int32_t startDepth = std::max<std::int32_t>(*start, well.fileTopDepth + kRowsAboveStart);
    well.viewTopDepth = startDepth - kRowsAboveStart;
    const int index = EntryRecordIndex(startDepth, well.fileTopDepth, well.depthStep);
    in.mouseEntry.set = false;

    std::vector<wellfile::RECORD>& buffer = in.dataEntryRecords;
    entry::EntryState& e = log.entry;
    OpenEntryBuffer(log, BufferRecords(kind), index, ReadCount(kind));
    log.view.viewScale = kind == EntryKind::Rates ? 1 : std::min<std::int32_t>(savedScale, 2);
    e.gasEntry = kind == EntryKind::Gas;
    // The entry's view from a cleared window: what the paint of the entry's records leaves out (notes,
    // markers, report boxes) must not stay at the previous view's places.
    log.view.eraseOwed = true;
    if (host.paintNow)
        host.paintNow();
    else
        log.view.Invalidate();

    const int result = host.runDialog ? host.runDialog(log, kind, kind == EntryKind::Gas ? &config : nullptr)
                                      : platform::IDCANCEL;
    if (result == platform::IDOK)
        WriteBackEntry(well, well.dataFileName, index, e.count, e.snapshot, buffer, FieldsOf(kind));
    if (kind == EntryKind::Gas) {
        wellfile::ScanRecords(well);  // the lag depth follows the gas typed in
        // Only the dialog's count goes back: the window's record may have changed while the dialog ran.
        wellfile::WellConfig updated = log.well.config;
        updated.maxGasEntries = config.maxGasEntries;
        if (updated.maxGasEntries != log.well.config.maxGasEntries && app::SaveWellConfig(log, updated))
            log.well.config = updated;
    }

    ClearRequest(log, kind);
    CloseEntry(log, savedTop, savedScale);
}

}  // namespace entry
