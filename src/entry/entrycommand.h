#pragma once
// The one command path of the four entry commands (rates, shows, gas, lithology): the refusals, the
// start depth (from a double-click's request or asked for), the entry buffer, the view set for the entry
// and put back afterwards, the dialog, and the merge of what was typed into the data file on "Done".
#include "entry/entrybuffer.h"
#include "wellfile/wellconfig.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

namespace app {
struct LogState;
}

namespace entry {

// What the command asks of the main window.
struct EntryHost {
    std::function<bool()> dataTextOpen;  // the "Data As &Text" window is open
    std::function<bool()> elogTextOpen;  // the "Elog Data As Text" window is open
    // The one-line input box: 1 on OK with the answer in `buffer` (at most size - 1 characters), else 0.
    std::function<int(const QString& title, const QString& prompt, QString& buffer, int size)> askInput;
    // Paints the log into the window at once (the entry's records, once the entry is open); when empty
    // the log is only invalidated.
    std::function<void()> paintNow;
    // Runs the entry dialog of `kind` modally over the entry buffer and returns how it closed (IDOK is
    // "Done"). The gas dialog gets the copy of the well's settings record it may change.
    std::function<int(app::LogState& log, EntryKind kind, wellfile::WellConfig* config)> runDialog;
};

// The prompt of the start-depth box of `kind`.
QString StartDepthPrompt(EntryKind kind);
// A typed start depth: a whole number from first depth + 10 to the last depth; none otherwise.
std::optional<std::int32_t> ReadStartDepth(const QString& text, std::int32_t firstDepth, std::int32_t lastDepth);

// The guard before every entry command; true when the entry may not start. While another entry runs
// or `shutOut` (a window that shuts this entry out is open) it beeps; while the drag-gas function runs
// it says so.
bool EntryRefused(const app::LogState& log, bool shutOut);
// Opens an entry: up to `count` records from `index` of the data file read into the view's entry buffer
// of `size` records and kept as read; the entry-open flag set.
void OpenEntryBuffer(app::LogState& log, int size, int index, int count);
// Closes an entry: the buffer and what was read released, the entry flags cleared, the view top and
// scale index put back and the log repainted.
void CloseEntry(app::LogState& log, std::int32_t viewTop, std::int32_t scale);

// Runs the entry command of `kind`.
void RunEntryCommand(app::LogState& log, EntryKind kind, const EntryHost& host);

}  // namespace entry
