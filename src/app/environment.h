#pragma once
// Where the program runs: one role group of the main window's state (app/logstate.h).
#include "platform/instancelock.h"
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace app {

// Where the program runs: folders, user, station and the activity-log switches. The data folder
// itself is the open well's (wellfile::OpenWell::dataFolder).
struct Environment {
    QString installFolder;    // ends with '/'
    // Where the documents shipped with the program (the manual) are: the program's own folder unless set
    // before start-up.
    QString programFolder;
    QString documentsFolder;  // the user's documents folder + "StrativM/"
    QString chartFolder;      // data folder + "chart/"
    QString witsFolder;       // data folder + "wits/"
    QString commandLineFile;  // the file named on the command line, empty once used
    QString userName;
    QString versionText = QStringLiteral("Strativ Ver 26.5.31");
    QString logLine;                     // the activity-log line being formatted
    std::array<QString, 5> recentFiles;  // the recent-file list

    std::int32_t screenWidth = 0;    // the primary screen
    std::int32_t screenHeight = 0;
    std::int32_t charWidth = 8;      // the average character width of the main window's font
    std::int32_t monitorCount = 0;
    std::int32_t desktopWidth = 0;   // the whole desktop: every screen's width added up

    bool serverStation = false;       // the install folder holds "QKRT_Server.cfg"
    bool useDocumentsFolder = false;  // the data folder is the documents folder
    std::int32_t firstInstance = 1;   // 1 when this is the only running copy: only it may log
    bool lastRunUnclosed = false;     // the copy before this one ended without closing (killed, a crash)
    bool windowShown = false;         // the main window was on the screen (app/windowboxes.h)
    std::vector<std::pair<QString, QString>> boxesForWindow;  // text and caption, said once it is
    bool ntPlatform = true;
    bool logOpenLines = false;        // "Opened by" lines go to the activity log
    bool verboseActivityLog = false;
    bool commandLineStart = false;    // the first file of this start came from the command line
    bool remoteMonitorOn = false;
    QString remoteReceiveFolder;      // the folder the remote monitor polls; the data folder when none is set

    // The shared-folder ("Dropbox") paths of this station; made only when a "Dropbox" folder exists.
    QString sharedFolder;
    QString sharedChartFolder;

    // Held by the first running copy for its whole life (see firstInstance).
    std::unique_ptr<platform::InstanceLock> instanceLock;
};

}  // namespace app
