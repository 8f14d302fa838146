#pragma once
// The remote refresh of a well another station writes: every tick of timer 5 outside drilling.
namespace app {
struct LogState;
struct WellServices;
}
namespace elog { class ElogServices; }

namespace exchange {

// One tick: the counter moved on, the custom LAS every tenth tick with "Auto Create Las", the shared
// folder kept tidy with live update on, the PDFs handed over, and, when the data file changed (or every
// tenth tick), the caption, the depth range, the memos and the log brought up to date. 1 when it ran
// through; 0 while drilling or busy.
int RefreshRemoteFile(app::LogState& log, const app::WellServices& services, elog::ElogServices& elog);

}  // namespace exchange
