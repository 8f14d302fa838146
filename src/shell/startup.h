#pragma once
// Start-up decisions of the main window, free of any window: the folders, the single-instance test,
// the first data file (command line, last file, demo well), the well's folder tree and the
// housekeeping timers.
#include "app/wellservices.h"

#include <QString>

#include <functional>

namespace app { struct LogState; }

namespace shell {

// Marker files of the install folder.
inline constexpr char kLiveServerMarker[] = "svLiveServer.cfg";  // live-data server: no single-instance test
inline constexpr char kDocumentsMarker[] = "RXVNServer.cfg";     // the data folder is the documents folder
inline constexpr char kServerMarker[] = "QKRT_Server.cfg";       // a server station

bool MarkerFileExists(const QString& installFolder, const char* marker);

// The folders and the user: currentFolder (the working folder), installFolder (settings value, else
// the default), documentsFolder, useDocumentsFolder, userName, dataFolder and chartFolder. The data
// folder is made when missing.
void SettleFolders(app::LogState& log);

// Takes the single-instance lock ("tempM" in the documents folder, which every copy of this user
// shares whatever its working folder). 1 for the first copy, 0 when another running copy holds it.
// When no lock can be made in the documents folder, the one of SharedInstanceLockPath is taken instead.
// Only when neither can be made does the copy count as the first (with a line in the activity log): the
// test exists to stop two copies drilling at once, not to stop a lone copy from drilling.
int CreateInstanceMap(app::LogState& log);
// The second place of the lock: "strativm-<user>/tempM" in the user's runtime folder (XDG_RUNTIME_DIR),
// else in the temporary folder. Its folder must belong to this user (it is made owner-only); one made
// by anyone else cannot hold the lock.
QString SharedInstanceLockPath(const QString& userName);
void ReleaseInstanceMap(app::LogState& log);

// How many times this process took a command-line file (a second start-up ignores the command line).
int& CommandLineFilesTaken();

// The Open command as start-up runs it when there is nothing else to open.
using OpenCommand = std::function<void()>;

// Opens the file named on the command line: a data file directly, a well package by unpacking it into
// the data folder and opening the data file of its name. The package is left where it was. 1 when the
// data file was opened, else 0.
int OpenCommandLineFile(app::LogState& log, const app::WellServices& services, const QString& path);

// After a run that ended without closing (its lock left behind) while the well now open was drilling:
// a box says so, and whether drilling mode came back on. Nothing otherwise, nor a second time. The
// window calls it once it is on the screen, so that the box stands above it.
void TellUnclosedDrilling(app::LogState& log);

// Chooses and opens the first file, makes the well's folders, writes the activity-log lines and
// starts timers 3 and 5. Returns 1.
int StartUp(app::LogState& log, const app::WellServices& services, const OpenCommand& openCommand);

// The folder tree under the data folder ("remote", "VIEWS/FIT", "WITS", "chart", "gas", "sendfile",
// "mudloglas", "bitmaps", "archives", "backup") and the shared-folder paths.
void CreateWellFolders(app::LogState& log);

}  // namespace shell
