#pragma once
// The flare entry command: the refusals, the start depth (the remembered one while the entry goes on,
// else asked for), its own buffer of records read from the data file, the view set for the entry and
// put back afterwards, the dialog, and the merge of what was typed into the data file on "DONE".
#include <QString>

#include <cstdint>
#include <functional>

namespace app {
struct LogState;
}

namespace entry {

struct FlareHost {
    // The one-line input box: 1 on OK with the answer in `buffer` (at most size - 1 characters), else 0.
    std::function<int(const QString& title, const QString& prompt, QString& buffer, int size)> askInput;
    // Paints the log at once (the entry's records, once the entry is open); when empty it is invalidated.
    std::function<void()> paintNow;
    // Runs the flare dialog modally over the entry buffer and returns how it closed (IDOK is "DONE").
    std::function<int(app::LogState& log)> runDialog;
};

void RunFlareCommand(app::LogState& log, const FlareHost& host);

}  // namespace entry
