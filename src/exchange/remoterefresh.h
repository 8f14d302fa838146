#pragma once
// The remote refresh of a well another station writes: every tick of timer 5 outside drilling.
namespace app {
struct LogState;
struct WellServices;
}
namespace elog { class ElogServices; }

namespace exchange {

// The well shown is another station's (the first or second viewing-station flag): its received WITS
// blocks are taken and the caption names its title.
bool RemoteViewMode(const app::LogState& log);

// One tick: the counter moved on, the custom LAS every tenth tick with "Auto Create Las", the shared
// folder kept tidy with live update on, the PDFs handed over, and, when the data file changed (or every
// tenth tick), the caption, the update text, the depth ranges, the memos, the report indexes and the log
// brought up to date, the curve file followed; a viewed well's received WITS blocks filed. 1 when it ran
// through; 0 while drilling or busy.
int RefreshRemoteFile(app::LogState& log, const app::WellServices& services, elog::ElogServices& elog);

}  // namespace exchange
