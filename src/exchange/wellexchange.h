#pragma once
// The exchange work on the open well: the remote monitor's look into the receive folder and what a
// package brought, and the watches of the well's curve and data files. The window's services around
// them are in exchange/exchange_services.h; the defaults of the open's exchange services are in
// wellexchange.cpp.
#include "exchange/remotemonitor.h"

#include <QString>

namespace app {
struct WellState;
}
namespace wellfile {
struct OpenWell;
}

namespace exchange {

// A shared well opened where another station writes it (the folder of the open file is not the data
// folder) follows its bottom: its depth range is read again and `moved` tells whether the bottom moved
// on to a new even depth. False, reading nothing, for a well of the data folder.
bool FollowSharedBottom(wellfile::OpenWell& well, bool& moved);

// One package of the receive folder taken into the data folder (TakeReceivedPackage): the receive folder
// is `receiveFolder`, or the data folder when that is empty; the remote settings name the folder the
// packages are copied on to.
PollResult PollReceiveFolder(const wellfile::OpenWell& well, const QString& receiveFolder, ReceiveState& state);

// After a package was taken: the depth range read again and the caption naming the time it came.
void TakeReceivedRecords(app::WellState& well);

// What a package of the open well brought besides its records, read again as opening the well reads
// it: the header (with the KB elevation), the tops and the custom-data range.
void ReloadReceivedSideFiles(app::WellState& well);

// True when `path` is the well's curve file (the open file's folder + well + ".svc", where another
// station writes it beside the data file) or its open data file, written since the last look (see
// wellfile::WatchedFileChanged).
bool CurveFileChanged(app::WellState& well, const QString& path);
bool DataFileChanged(app::WellState& well, const QString& path);

}  // namespace exchange
