#pragma once
// The small per-installation files of the data folder and the install-folder setting:
//  "StrativM.ini"  the path of the last data file, NUL-terminated
//  "startupM.ini"  the main window's placement (read back by shell::ReadStartupIni)
//  "strativ.pfg"   the print settings of the last log print
//  "svdlcfg.cfg"   the remote monitor settings
// and the well's office-copy record (".ofc").
#include "wellfile/printcfg.h"
#include "wellfile/remoteconfig.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <type_traits>

namespace wellfile {

// Writes `dataFilePath` with its terminating NUL to data folder + "StrativM.ini". 0 when the path is
// empty or the write failed, else 1.
int SaveIni(const QString& dataFolder, const QString& dataFilePath);

// Reads "StrativM.ini": 0 when it is missing, names less than 2 characters or more than 259 bytes.
// A bare file name is taken in the data folder. When that file exists it becomes `dataFilePath`;
// otherwise `dataFilePath` is cleared and `openDemoFile` runs. 1 in both cases.
int LoadIni(const QString& dataFolder, QString& dataFilePath, const std::function<void()>& openDemoFile);

// The main window's frame as the window placement is saved from it.
struct WindowPlacement {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool maximised = false;
    int unitColumnWidth = 0;  // of the log layout
    int rowHeight = 0;        // of the log layout
    int gasTrackRight = 0;    // right edge of the log's gas track
};

// Writes "startupM.ini" in `folder`: `name`, then "Left=", "Top=", "Width=", "Height=", "End=" lines,
// then "true" when `addTrue`. A maximised window is saved moved in by two units and rows and shrunk by
// four, so that it comes back as a normal window inside the screen. 0 when `name` is empty or the write
// failed, else 1. `folder` must be the folder shell::ReadStartupIni reads.
int SaveWindowPos(const QString& folder, const WindowPlacement& placement, const QString& name, bool addTrue);

// Writes the print settings to data folder + "strativ.pfg". 1, or 0 when the write failed.
int SavePrintConfig(const QString& dataFolder, const wellfile::PRINTCFG& config);

// Clears `config` and fills it from data folder + "svdlcfg.cfg" when that file is exactly 782 bytes.
// 1 when read, else 0.
int LoadDownloadConfig(const QString& dataFolder, wellfile::RemoteConfig& config);
// Writes the record whole as "svdlcfg.cfg" (temporary file and rename); 1, or 0 when it could not be written.
int SaveRemoteConfig(const QString& dataFolder, const wellfile::RemoteConfig& config);

// The install folder from the settings store ("INSTDIR/INSTALL DIR"). 1 and `folder` set when the value
// is there and shorter than 256 bytes; 0 and `folder` unchanged otherwise.
int GetInstallDir(QString& folder);

constexpr int kOfficeCopySize = 1036;

#pragma pack(push, 1)
// The well's office-copy record: when its flag is set and drilling is off, opening the well copies its
// files to the folder.
struct OfficeCopyRecord {
    std::int32_t copyFlag = 0;   //  0
    char folder[1032] = {};      //  4 NUL-terminated; bytes after the NUL are kept as read
};
#pragma pack(pop)
static_assert(sizeof(OfficeCopyRecord) == kOfficeCopySize);
static_assert(offsetof(OfficeCopyRecord, folder) == 4);
static_assert(std::is_trivially_copyable_v<OfficeCopyRecord>);

// Clears `record` and reads data folder + well name + ".ofc" into it (a shorter file fills its first
// bytes). 1 when the file was read, 0 when it is missing or does not open.
int LoadOfc(const QString& dataFolder, const QString& wellName, OfficeCopyRecord& record);

}  // namespace wellfile
