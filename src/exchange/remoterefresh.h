#pragma once
// The remote refresh of a well another station writes: every tick of timer 5 outside drilling. The
// tick itself, with the window's loaders, is exchange::ExchangeServices::RefreshRemoteFile
// (exchange/exchange_services.h); this is its work on the well's files and state.
#include "exchange/remotemonitor.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <cstdint>

namespace app {
struct DrillingShell;
struct Environment;
struct WellState;
struct WitsChartLink;
}
namespace wellfile {
struct OpenWell;
}

namespace exchange {

// The well shown is another station's (the first or second viewing-station flag): its received WITS
// blocks are taken and the caption names its title.
bool RemoteViewMode(const app::WitsChartLink& chart);

// The tick's counter moved on and what this tick does besides reloading.
RefreshChores NextRefreshChores(app::WellState& well);

// The tick's chores after the custom LAS: the shared folder kept tidy with live update on (only this
// station's shared folders and the shared-wells root) and the PDFs waiting for a hand-over picked up.
void RunRefreshChores(const RefreshChores& chores, const app::WellState& well, const app::Environment& env,
                      app::DrillingShell& drilling);

// The well's curve file as another station writes it: `path` (empty when there is none), seen for the
// first time, or written since the last look.
struct CurveFileNews {
    QString path;
    bool firstSight = false;
    bool changed = false;
};
CurveFileNews LookAtCurveFile(app::WellState& well);

// The data file was written elsewhere (or the tenth tick came): the caption (naming the well's title in
// a remote view) with the file's last write, the update text of `now` in the well's time zone, the
// depth ranges, and the view following the bottom (`lastDepth` before the tick) when it showed it.
void TakeRewrittenRecords(app::WellState& well, const QDateTime& now, bool remoteView, std::int32_t lastDepth);

// The bottom moved from `lastDepth` on to an even depth: the show, DST and report indexes are read again.
bool BottomMoved(const wellfile::OpenWell& well, std::int32_t lastDepth);
void ReloadDepthIndexes(app::WellState& well);

// The folder holding the memos and pictures another station sent along (the folder of the open file
// with the second-folder copies on, else the data folder), and whether it holds pictures.
QString SentAlongFolder(const wellfile::OpenWell& well);
bool HasPictures(const QString& folder);

// The received WITS blocks of a viewed well become its daily WITS files (from `receiveFolder`, else the
// remote settings' receive folder, else the data folder). Today's loose daily file of the data folder,
// to be filed into "wits/", or empty when there is none.
QString TakeReceivedWits(const wellfile::OpenWell& well, const QString& receiveFolder, const QDate& today);

// A well viewed from another station, or opened outside the data folder, follows its bottom: its depth
// range is read again. False, reading nothing, for this station's own well.
bool FollowOtherStation(wellfile::OpenWell& well, bool remoteView);

}  // namespace exchange
