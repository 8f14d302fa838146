#pragma once
// The main window's side of the daily WITS file: the file of today (or one named), written and read
// with the window's folders, well name and clock, and copied on for a monitoring station.
#include "wellfile/witsrecord.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace app {
struct LogState;
}

namespace wits {

// Writes `count` samples into the daily file `path`, or, when `path` is empty, each sample into the daily
// file of the open well of the day it was taken (see WriteDailyRecords): a block across midnight is
// split between the two days' files. The window's clock is refreshed. With a data file open and
// the remote copy on, the file is then copied to the remote folder. False when the write failed (it
// was reported).
bool WriteWitsRecord(app::LogState& log, const wellfile::WITSRECORD* samples, const QString& path, int count);

// The samples of the daily file `path`, or of today's daily file of the open well when `path` is
// empty; nothing when the file does not open.
std::optional<std::vector<wellfile::WITSRECORD>> OpenWitsFile(app::LogState& log, const QString& path = {});

// Today's daily file name of the open well (the window's clock is refreshed).
QString TodaysWitsFile(app::LogState& log);

// The chart's live refresh: watches today's file and, when its last-write time changed since the last
// call (not on the first), reads its samples of the last ten minutes up to now (exchange's
// ReadRecentWitsRecords, with the chart's hour offset) and hands them to `updateLive`. A missing file
// does nothing. True when the samples were handed on.
bool RefreshLiveWits(app::LogState& log, const std::function<void(std::vector<wellfile::WITSRECORD>&)>& updateLive);

}  // namespace wits
