#pragma once
// The open well as the data-file routines see it: its folders and file names, its depth range and the
// values derived from its records. The main window owns one of these; the record routines of
// wellfile/datafile.h read and set its members and call back into the window through `hooks` for the
// work that belongs to other parts of the program (repair pass, activity log, copy-out, caption).
#include "wellfile/record.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace wellfile {

// What the record routines ask of the rest of the program. Each may be left empty.
struct DataFileHooks {
    std::function<void()> loadAndRepairRecords;        // the record repair pass of the open file
    std::function<void()> renumberCustomRecords;       // renumbers the depths of the ".svx" file
    std::function<void()> repaired;                    // after a repair pass of the data file: redraw owed
    std::function<void(const QString&)> writeActivityLog;  // one line into the activity log
    std::function<void(const QString&)> copyWellFileOut;   // copies the well's file of that extension out
    std::function<void(const QString&)> setCaption;        // the main window's caption text
};

// At most this many entries in the drive list.
constexpr int kMaxDrives = 10;

struct OpenWell {
    // Folders and file names.
    QString dataFolder;          // folder of the wells' data, ends with '/'
    QString currentFolder;       // folder of the open data file, ends with '/'
    QString wellName;            // the open file's name without folder and extension
    QString dataFileName;        // currentFolder + wellName + ".svm"
    QString customDataFileName;  // currentFolder + wellName + ".svx"

    // Depth range of the open file and of the view.
    std::int32_t fileTopDepth = 0;
    std::int32_t fileBottomDepth = 0;
    std::int32_t depthStep = 1;       // depth units per record
    std::int32_t viewTopDepth = 0;
    std::int32_t viewDepthSpan = 40;  // depth units shown on one screen
    std::int32_t offsetTopDepth = 0;     // the offset (comparison) well's first and last depth
    std::int32_t offsetBottomDepth = 0;
    std::int32_t customTopDepth = 0;     // first and last depth of the custom-data file
    std::int32_t customBottomDepth = 0;

    // Values derived from the records (ScanRecords, ReadAllRecords, ReadFileDepthRange).
    std::int32_t lagDepth = 0;        // the deepest depth whose gas has come up
    float lagTime = 0;                // current lag time, minutes (lag time of the last record)
    float maxTvd = 0;                 // greatest true vertical depth
    std::int32_t firstTvdOffset = 0;  // first depth with a true vertical depth, minus fileTopDepth
    float lastMudWeightOut = 0;
    std::int32_t lastMudWeightOutDepth = 0;
    bool directional = false;  // five or more records inclined 10 degrees or more
    bool deviated = false;     // a survey whose TVD lies well above its depth
    std::vector<RECORD> allRecords;  // the full-file copy made by ReadAllRecords, ended by a depth-0 record
    bool allRecordsKept = false;     // allRecords stay as read: the WITS booking does not bring them up to date

    // Mode flags the record routines test.
    bool drilling = false;
    bool secondFolderOption = false;
    bool copyOut = false;
    bool liveUpdate = false;   // the well's "Live Update On": files written elsewhere are followed
    QString copyOutFolder;     // where copies of the well's day files go with both copy switches on; empty: none
    bool captionFlag = false;  // show the file's last-modified time in the caption
    bool autoStart = false;

    QStringList drives;  // mount points, at most kMaxDrives (ListDrives)

    DataFileHooks hooks;
};

// A copy of `well` without its full-file records, which stay with `well`: a check of another file works
// on such a copy, and neither pays for copying some megabytes nor takes them for that file's records.
inline OpenWell CopyWithoutRecords(OpenWell& well)
{
    std::vector<RECORD> kept = std::move(well.allRecords);
    well.allRecords.clear();
    struct PutBack {
        OpenWell& well;
        std::vector<RECORD>& records;
        ~PutBack() { well.allRecords = std::move(records); }
    } putBack{well, kept};
    return well;  // copied before `putBack` runs
}

}  // namespace wellfile
