#pragma once
// Opening a data file: the steps that make one well current in the main window's state, free of any
// window. The window's Open command, start-up, the recent-file commands and the exchange routines all
// open through OpenDataFile; the window work it needs (menus, tool windows, layout, view) goes through
// app::WellServices.
#include "app/wellservices.h"
#include "wellfile/datafile.h"  // DefaultViewTop: the view top of a freshly opened well
#include "wellfile/wellplace.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace app {
struct LogState;
struct WellState;

// Where the open well's settings files are, as the settings loaders want it.
wellfile::WellPlace PlaceOf(const app::LogState& log);
wellfile::WellPlace PlaceOf(const app::WellState& well);

// Whether this station receives wells from a drilling station: it has the server marker
// ("QKRT_Server.cfg"), or its remote settings ("svdlcfg.cfg" of the data folder) ask for the remote
// monitor at start. Such a station follows the rig's well and never drills it: a saved drilling flag
// (which every package of a drilling rig carries) does not bring drilling back, and no run of it is
// said to have ended while drilling.
bool ReceivingStation(const app::LogState& log);

// Whether the well may have custom tracks: not for some profiles, narrow screens, or a scratch well
// ("~..."), whatever its saved settings say.
bool CustomTracksAvailable(const app::LogState& log);

// One line into the activity log of the data folder (nothing for an empty text).
void WriteLogLine(app::LogState& log, std::string text);

// The data file to open for `path`, and the profile it opens with when the name decides it: a file of
// another logging program (an extension of the profile table, such as ".xa1") stands for the data file
// "<name>.svm" beside it, opened with that extension's profile. Nothing, after a box that says why
// (caption "Open"), when there is no such data file.
struct DataFileChoice {
    QString path;
    std::optional<std::uint16_t> profile;
};
std::optional<DataFileChoice> DataFileToOpen(const QString& path);

// The path that opens the open well again as it is open: the other program's file it was opened by while
// that still stands for the open data file, else the data file.
QString ReopenPath(const app::WellState& well);

// Makes the well of `path` (through DataFileToOpen) current. A file that fails validation is refused and the well that
// was open is opened again; only when that fails too (or none was open) is the message box "Not A Valid StrativM File"
// (its text the path) shown and the demo well of the install folder opened instead. The opened well's remote settings
// are read last (`WindowServices::LoadRemoteConfig`), so their start flag starts the remote monitor however the well
// was opened. 1 when a well was opened; 0 when none could be, and then nothing of the state is changed.
int OpenDataFile(app::LogState& log, const app::WellServices& services, const QString& path);

// Takes the well's names from `path`: wellName, currentFolder, the data, custom-data and fit file
// names, and whether the well lies in a shared ("DROPBOX") folder. Returns 1.
int SetFileName(app::LogState& log, const app::WellServices& services, const QString& path);

// Reads the well's settings and side data once its names are set: header, ".dbc" of a shared-folder
// well, the well configuration (made with defaults and saved when missing), the curve file of the
// selected scheme, the offset well, tops and short reports. `viewTopTaken` tells whether the saved
// view top depth was used. Returns 1.
int LoadFileSettings(app::LogState& log, const app::WellServices& services, bool& viewTopTaken);

// Opens `path` in place of the open well, checked first: only when the file is accepted does `letGo`
// run (the window lets go of what it shows of the open well) and the open well go (drilling off, custom
// tracks reset, the well put on the recent list) before the file is opened and the menu rebuilt. An
// empty path, or a refused file while a well is open, changes nothing: 0. Otherwise returns what
// OpenDataFile returned.
int OpenCheckedDataFile(app::LogState& log, const app::WellServices& services, const QString& path,
                        const std::function<void()>& letGo = {});

// The Open command: asks for a data file (starting in the data folder), checks it, and only when it is
// accepted runs `letGo` (the window closes its tool windows), lets the open well go (drilling off,
// custom tracks reset, the well put on the recent list) and opens it. Cancelling, or a refused file
// while a well is open, changes nothing: 0. Otherwise returns what OpenDataFile returned.
int ChooseAndOpenDataFile(app::LogState& log, const app::WellServices& services,
                          const std::function<void()>& letGo = {});

}  // namespace app
