#pragma once
// The custom LAS export of the open well: "mudloglas/<well>.las" with the custom curve set, for the LAS
// command and Send File (Basic LAS on) and, with the update copy, for the drilling step's and the remote
// refresh's automatic runs.
#include <QString>

#include <cstdint>
#include <functional>

namespace app {
struct LogState;
}

namespace elog {

// Writes the rows from `start` (raised to the file's first depth) to `stop` - 0.5.
// - update copy (the automatic runs): while drilling the file is copied into the update folder as
//   "<well>.las"; nothing else, and problems go to `report` instead of message boxes;
// - send mode: copies into "sendFile/" and the data folder, no message;
// - else: "Created ..." / "Create Las File", then the file is opened with its program.
// True when everything went without a problem.
bool ExportCustomLas(app::LogState& log, std::int32_t start, std::int32_t stop, bool sendMode, bool updateCopy,
                     const std::function<void(const QString&)>& report = {});

// Where the drilling station's update packages go: the destination folder of the remote settings
// ("svdlcfg.cfg" in `dataFolder`), ending with '/'; empty when none is set.
QString UpdateFolder(const QString& dataFolder);

}  // namespace elog
