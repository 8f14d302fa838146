#pragma once
// The commands that choose the offset well and the e-log curve file and import LAS data, as the main
// window runs them: the order of calls, the file names and the messages. The LAS reader, the import
// dialog and the curve files belong to the e-log subsystem (elog::ElogServices).
#include <QString>

namespace elog { struct LasHeader; class ElogServices; }
namespace app { struct LogState; struct WellServices; }

namespace shell {

// The message for a LAS header the reader refused: the first item out of range, else a general one.
QString LasHeaderError(const elog::LasHeader& header);

// "&ROP...": the offset well chosen in a file dialog, its range, KB elevation, entry and records.
void SelectRop(app::LogState& log, const app::WellServices& services);
// "&Elog...": the e-log curve file chosen in a file dialog, stored and loaded.
void SelectElog(app::LogState& log, const app::WellServices& services);
// "Import Elog Data": a LAS file imported as the well's e-log curves (".svc").
void ImportElog(app::LogState& log, const app::WellServices& services, elog::ElogServices& elog);
// "Import Mudlog Data": a LAS file's columns written into the depth records.
void ImportMudlog(app::LogState& log, const app::WellServices& services, elog::ElogServices& elog);

}  // namespace shell
