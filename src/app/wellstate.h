#pragma once
// The open well: one role group of the main window's state (app/logstate.h).
#include "app/exchangestate.h"
#include "layout/custchartcfg.h"
#include "wellfile/changewatch.h"
#include "wellfile/openwell.h"
#include "wellfile/record.h"
#include "wellfile/repair.h"
#include "wellfile/sidefiles_settings.h"
#include "wellfile/topsex.h"
#include "wellfile/wellconfig.h"
#include "wellfile/wellheader.h"
#include <QString>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace app {

// Fill value of the report index tables until the first file is opened: each int32 holds the bytes
// "0000", a depth no file reaches.
constexpr std::int32_t kUnfilledDepthIndex = 0x30303030;

// The offset (comparison) well whose rate curve is drawn beside the log. Its depth range stays with
// the data-file state (wellfile::OpenWell::offsetTopDepth, offsetBottomDepth), which bounds its reads.
struct OffsetWell {
    QString file;                    // full path of its data file; empty when none
    std::int32_t shift = 0;          // depth shift set by the depth-match drag
    float kbElevation = 0;
    std::int32_t viewTop = 0;        // view top + shift when the records were loaded
    std::int32_t firstIndex = 0;     // index of the record drawn at the top of the log by a drag
    std::vector<wellfile::RECORD> records;  // its records, zero beyond those read
};

// The open well: the data-file state of wellfile, and what the window derives from it.
struct WellState {
    wellfile::OpenWell file;
    QString captionText;
    QString lastModifiedText;
    QString updateText;  // the refresh's "<12-hour time>,  m/d/yyyy  " in the well's time zone
    std::uint16_t loggerId = 0;  // the logging-company profile
    std::uint16_t secondProfile = 0;  // a second profile number; 11 gives the header its engineer
    QString uniqueWellId;        // shown by the header dialog
    bool scratchWell = false;    // the well name begins with "~"
    // The file the well was opened by: the data file, or the other logging program's file (".xa1") that
    // stands for it, which the recent list keeps so the well opens again with that file's profile.
    QString openedAs;
    bool sharedFolderWell = false;
    bool writeBottomToFirstRecord = false;
    bool tvdFile = false;        // the open file is a true-vertical-depth log: it is never drilled
    std::int32_t lastBookedDepth = 0;  // the depth the gas monitor or a WITS link booked last; 0 for a new file

    std::array<std::int32_t, 100> showDepthIndex{};
    std::array<std::int32_t, 50> dstDepthIndex{};
    std::array<std::int32_t, 300> reportDepthIndex{};
    std::array<std::int32_t, 300> downtimeDepthIndex{};

    bool fileOpened = false;        // a data file has been opened in this process
    std::uint32_t openCount = 0;    // wells opened in this process: tells one opening from the next
    bool fieldSettings = false;     // the well's ".cfg" lives in the data folder (its ".dbc" says)
    bool topsInFieldFolder = false; // the well's ".top" lives in the data folder (its ".dbc" says)
    bool horizontalFieldSettings = false;  // a shared well's horizontal set-up lives in the data folder
    bool customTracksEnabled = false;
    std::int32_t timeZoneAdjust = -1;  // hours; from the ".dbc" of a shared-folder well
    wellfile::WellConfig config{};     // the well's settings record as the open read or made it
    wellfile::WellHeader header{};
    float kbElevation = 0;             // from the header's KB text
    std::string wellTitle;             // the title row's well title (Windows-1252), filled by LoadWellTitle
    std::string wellCompany;           // the header's company (Windows-1252), filled by LoadWellTitle
    bool companyFlag = false;          // the company text names the flagged customer
    QString elogFileName;              // the curve file of the selected scheme; empty when none
    std::int32_t elogDepthOffset = 0;
    OffsetWell offset;
    std::vector<wellfile::TOPSEX> tops;
    bool topsChanged = false;               // the tops were edited since the well was opened
    wellfile::OfficeCopyRecord officeCopy;  // read for a well that came as a package
    wellfile::RepairSummary repair;         // what the last repair pass gathered
    wellfile::FitFile fit;                    // the ".fit": currentFolder + wellName + ".fit", its range and options
    wellfile::WellWatches watches;          // the well's files as another station may rewrite them
    ReceiveState receive;                   // the remote monitor's packages seen and its refresh counter
    BackupState backup;                     // the backup options and the last backups made
};

}  // namespace app
