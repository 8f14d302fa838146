#pragma once
// The display schemes as the window applies them: the scheme host's copies of the well's folders and
// options, with the hooks by which a scheme switches the curves of the loaded e-log curve set. Refreshed
// right before a scheme is applied or listed, so the copies never lag behind the open well.
#include <QString>

#include <array>

namespace app {
struct LogState;
}

namespace elog {

// Brings the value members of the scheme host (folders, send and copy options, profile, custom tracks,
// curve set) up to date.
void RefreshSchemeHost(app::LogState& s);
// Sets the e-log track on in the first display scheme and saves the schemes, so loaded curves show.
void ShowElogInSchemes(app::LogState& s);
// Applies the current display scheme again (after the curve set changed).
void ReapplyScheme(app::LogState& s);
// The names of the well's six schemes for the menu; false when the schemes cannot be loaded.
bool LoadSchemeNames(app::LogState& s, std::array<QString, 6>& names);

}  // namespace elog
