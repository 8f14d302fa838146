#pragma once
// Starting a well from the new-file dialog: a new data file after the old well, or a plug-back file cut
// from the open one at the kick-off depth. The archive and clearing of the old well (exchange/newwell.h)
// and the plug back's pictures, reports, shows and curves (exchange/plugback.h) are built around these.
#include "wellfile/newfile.h"

#include <functional>

namespace app {
struct LogState;
struct WellServices;
}
namespace elog { class ElogServices; }

namespace exchange {

// Writes the new data file of `info` (its blank records, the open well's company text in the first)
// under a temporary name beside it, runs `beforeOpen` (the old well still open), renames the file in,
// saves the settings of `config` as NewWellConfig makes them under the new name, opens the file and
// switches drilling mode on. 1; 0 after a message (caption "File error") when the file cannot be
// written (then `beforeOpen` does not run) or opened, and 0 when `beforeOpen` gives false (it has said
// why): the temporary file is then removed and nothing else done.
int CreateNewWell(app::LogState& log, const app::WellServices& services, const wellfile::NewFileInfo& info,
                  const wellfile::WellConfig& config, const std::function<bool()>& beforeOpen = {});

// Copies the open well's file set to the name of `info`, cuts the copy at the kick-off depth (records
// appended when it lies below the last depth), saves `config` under the new name, opens the copy,
// brings its ".svx" to the same last depth, drops the short reports below it and switches drilling mode on. The open well's files are
// not changed. 1; 0 after a message when the copy, the cut or the open fails.
int CreatePlugBackWell(app::LogState& log, const app::WellServices& services, elog::ElogServices& elog,
                       const wellfile::NewFileInfo& info, const wellfile::WellConfig& config);

}  // namespace exchange
