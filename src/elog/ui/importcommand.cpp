// The import dialog of the e-log and mudlog import commands, on the ~Curve list of the LAS text the curve set holds.
#include "app/logstate.h"
#include "elog/curves.h"
#include "elog/lasread.h"
#include "elog/mudlogtargets.h"
#include "elog/ui/elogwindowservices.h"
#include "elog/ui/importdialog.h"
#include "elog/ui/lascommand.h"
#include "platform/waitcursor.h"

#include <cstring>

namespace elog {

int ElogWindowServices::RunImportDialog(app::LogState& log, const QString& lasPath, const QString& destination,
                                        LasHeader& header, std::span<std::byte> columnMap, int mode)
{
    const Curves* curves = log.engines.elogCurves.get();
    const std::optional<std::string_view> list = curves ? LasCurveList(curves->lasText) : std::nullopt;
    ImportDlgSetup setup;
    setup.source = lasPath;
    setup.destination = destination;
    setup.dataFolder = log.well.file.dataFolder;
    setup.wellName = log.well.file.wellName;
    setup.curveList = list.value_or(std::string_view{});
    setup.mode = mode;
    if (mode != kImportCurves)
        setup.targets = MudlogImportTargets(log.well.fit.dataEnabled);
    setup.presets = log.well.fit.dataEnabled && log.well.file.drilling;
    setup.header = &header;
    std::int32_t map[kMudlogMapEntries] = {};
    ImportDlg dlg(window_, setup, std::span(map, mode == kImportCurves ? kElogMapEntries : kMudlogMapEntries));
    const int answer = dlg.Execute();
    std::memcpy(columnMap.data(), map, std::min(columnMap.size(), sizeof map));
    static_assert(kMudlogMapEntries >= kElogMapEntries);
    return answer;
}

void ElogWindowServices::ImportLas(app::LogState& log, const QString& lasPath, const QString& curveFile,
                                   const LasHeader& header, std::span<const std::byte> columnMap, float bitSize)
{
    const platform::WaitCursor wait;
    rest_.ImportLas(log, lasPath, curveFile, header, columnMap, bitSize);
}

void ElogWindowServices::MergeLas(app::LogState& log, const QString& lasPath, const QString& curveFile,
                                  const LasHeader& header, std::span<const std::byte> columnMap, float bitSize)
{
    const platform::WaitCursor wait;
    rest_.MergeLas(log, lasPath, curveFile, header, columnMap, bitSize);
}

}  // namespace elog

namespace elog {

void ElogWindowServices::ImportAscii(app::LogState& log, const QString& lasPath, const LasHeader& header,
                                     std::span<const std::byte> columnMap)
{
    const platform::WaitCursor wait;
    rest_.ImportAscii(log, lasPath, header, columnMap);
}

}  // namespace elog
