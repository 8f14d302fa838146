#pragma once
// Starting a well from the new-file dialog: a new data file after the old well, or a plug-back file cut
// from the open one at the kick-off depth. The window's side (the open, drilling mode, the e-log) is in
// exchange/exchange_services.cpp; the archive and clearing of the old well (exchange/newwell.h) and the
// plug back's pictures, reports, shows and curves (exchange/plugback.h) are built around these.
#include "wellfile/newfile.h"

#include <cstdint>
#include <functional>

namespace wellfile {
struct OpenWell;
}

namespace exchange {

// Writes the new data file of `info` (its blank records, the open well's company text in the first)
// under a temporary name beside it, runs `beforeOpen` (the old well still open), renames the file in
// and saves the settings of `config` as NewWellConfig makes them under the new name; the caller then
// opens it. `well` is the open well, `profile` its logging-company profile. 1; 0 after a message
// (caption "File error") when the file cannot be written (then `beforeOpen` does not run), and 0 when
// `beforeOpen` gives false (it has said why): the temporary file is then removed and nothing else done.
int WriteNewWellFile(const wellfile::OpenWell& well, std::uint16_t profile, const wellfile::NewFileInfo& info,
                     const wellfile::WellConfig& config, const std::function<bool()>& beforeOpen = {});

// The plug back's copy `to` of the open well's data file cut at the kick-off depth (records appended
// when it lies below the last depth) and `config` saved under its name. 1; 0 after a message when the
// copy cannot be brought to the kick-off depth.
int CutPlugBackCopy(const wellfile::OpenWell& well, const QString& to, std::int32_t startDepth,
                    const wellfile::WellConfig& config);

// The opened plug-back well's ".svx", when there is one, brought to the same last depth.
void ExtendPlugBackCustomData(wellfile::OpenWell& opened);

}  // namespace exchange
