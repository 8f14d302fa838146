#include "wits/witswindow.h"

#include "app/logstate.h"
#include "platform/folders.h"
#include "wellfile/changewatch.h"
#include "wellfile/datesuffix.h"
#include "wits/chartdays.h"
#include "wits/dailyfile.h"

#include <QFileInfo>

namespace wits {

namespace {

QString WitsFolder(const app::LogState& log)
{
    return log.env.witsFolder.isEmpty() ? platform::FindFileNoCase(log.well.file.dataFolder, QStringLiteral("wits"))
                                        : log.env.witsFolder;
}

}  // namespace

QString TodaysWitsFile(app::LogState& log)
{
    wellfile::MakeDateSuffix(log.now);
    return DailyWitsFileName(WitsFolder(log), log.well.file.wellName, log.now.date());
}

namespace {

// Writes one day's samples into `name` (the file of `date`) and copies it on for a monitoring station.
bool WriteDay(app::LogState& log, const QString& name, const QDate& date, const wellfile::WITSRECORD* samples, int count)
{
    if (!WriteDailyRecords(name, date, samples, count))
        return false;
    const app::WitsCopyOptions& copy = log.witsCopy;
    if (log.well.fileOpened && copy.remoteCopy) {
        const QString folder = copy.alternateRemoteFolder
                                   ? copy.remoteFolder
                                   : platform::FindFileNoCase(log.well.file.dataFolder, QStringLiteral("remote"));
        CopyDailyFile(name, folder, log.well.file.wellName + wellfile::DateSuffix(date) + QStringLiteral(".wit"));
    }
    return true;
}

}  // namespace

bool WriteWitsRecord(app::LogState& log, const wellfile::WITSRECORD* samples, const QString& path, int count)
{
    const QString today = TodaysWitsFile(log);
    if (!path.isEmpty())
        return WriteDay(log, path, log.now.date(), samples, count);
    // A block across midnight: each day's samples go into that day's file.
    bool written = true;
    for (int first = 0; first < count;) {
        QDate day = DateOfSample(samples[first]);
        int end = first + 1;
        while (end < count && DateOfSample(samples[end]) == day)
            ++end;
        if (!day.isValid())
            day = log.now.date();
        const QString name = day == log.now.date() ? today : DailyWitsFileName(WitsFolder(log), log.well.file.wellName, day);
        written = WriteDay(log, name, day, samples + first, end - first) && written;
        first = end;
    }
    return written;
}

std::optional<std::vector<wellfile::WITSRECORD>> OpenWitsFile(app::LogState& log, const QString& path)
{
    return ReadDailyFile(path.isEmpty() ? TodaysWitsFile(log) : path);
}

bool RefreshLiveWits(app::LogState& log, const std::function<void(std::vector<wellfile::WITSRECORD>&)>& updateLive)
{
    wellfile::ChangeWatch& watch = log.well.watches.wits;
    TodaysWitsFile(log);  // the clock read now
    // With the chart's offset the time shown may lie in the day before or after: that day's file is read.
    const int offset = ChartTimeZoneOffset(log.well.timeZoneAdjust, log.well.file.drilling);
    const QString day =
        DailyWitsFileName(WitsFolder(log), log.well.file.wellName, WitsWindowDay(log.now, offset));
    wellfile::Watch(watch, day);
    if (!wellfile::WatchedFileChanged(watch, day))
        return false;
    // The samples up to now: the last one handed on is the newest, never the empty end of the day.
    int bytes = 0;
    std::optional<std::vector<wellfile::WITSRECORD>> samples = ReadRecentWitsRecords(day, log.now.time(), offset, bytes);
    if (!samples)
        return false;
    updateLive(*samples);
    return true;
}

}  // namespace wits
