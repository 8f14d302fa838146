#pragma once
// The files the WITS link writes beside the daily WITS file, all in the data folder: the traffic log,
// the unmanned-mode text file, its appends to the well's gas file and the remote transfer file of the
// last block of samples. Text entries end with a line feed and then a carriage return, as the stations
// reading these files expect.
#include "gasmon/gasrecord.h"
#include "wellfile/witsrecord.h"

#include <QDateTime>
#include <QString>

#include <string_view>

namespace wits {

// "witsData-IN" or "witsData-OUT" + date suffix + ".txt" in the data folder.
QString TrafficLogName(const QString& dataFolder, const QDate& date, bool outgoing);
// "custWitsData-IN-" + date suffix + ".txt" in the data folder: the custom link's traffic log.
QString CustomTrafficLogName(const QString& dataFolder, const QDate& date);
// "unmanned" + date suffix + ".txt" in the data folder.
QString UnmannedFileName(const QString& dataFolder, const QDate& date);

// Appends one entry to the traffic log of `now`'s day: the text as received or sent, then
// " at %2d:%02d:%02d  len=%d" (the time of `now`, the text's length). A log that cannot be opened is
// passed over in silence: the link goes on.
void LogTraffic(const QString& dataFolder, const QDateTime& now, std::string_view text, bool outgoing);

// The same entry in the custom link's traffic log of `now`'s day.
void LogCustomTraffic(const QString& dataFolder, const QDateTime& now, std::string_view text);

// Appends `text` as one line to the unmanned text file of `date`; silent when it cannot be opened.
void WriteUnmannedText(const QString& dataFolder, const QDate& date, std::string_view text);

// Appends the link's gas record to the well's gas file with the booking's lag depth (truncated), the
// well's bottom depth and no error count; the record keeps those. False when nothing was added (see
// gasmon::AppendGasRecord for what is reported).
bool AppendGasRecord(const QString& dataFolder, const QString& wellName, gasmon::GASRECORD& record,
                     double lagDepth, int bottomDepth);

// Writes the last block of samples to the remote transfer file `path` (".zl8") for the copy thread to
// carry to a monitoring station, single gaps filled as in the daily file. The file is replaced whole,
// never seen half written; false when it could not be.
bool WriteRemoteBlock(const QString& path, const wellfile::WITSRECORD* samples, int count);

}  // namespace wits
