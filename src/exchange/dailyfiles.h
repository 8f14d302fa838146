#pragma once
// The daily chart (".cht") and WITS (".wit") files of a well filed away under dated names in the data
// folder's "chart/" and "wits/", WITS blocks received from a rig (".zl8") turned into daily files and
// a well's daily files moved between folders. A source is deleted only once its copy was written whole.
#include "wellfile/witsrecord.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

namespace exchange {

// Moves the chart file `path` to data folder + "chart/" + well + date suffix of `date` + ".cht"; a file
// already there is left alone and so is the source. Returns 1.
int ArchiveChartFile(const QString& path, const QString& dataFolder, const QString& wellName, const QDate& date);

// Copies the WITS file `path` over data folder + "wits/" + well + date suffix of `date` + ".wit" and
// deletes it once the copy is there. Returns 1.
int ArchiveWitsFile(const QString& path, const QString& dataFolder, const QString& wellName, const QDate& date);

// Makes `folder` + "wits/" the WITS folder (`witsFolder`, created when missing) and copies every ".wit"
// of `folder` into it, replacing older copies. 1 when there was at least one.
int ArchiveWitsFiles(const QString& folder, QString& witsFolder);

// Each ".zl8" of `receiveFolder` becomes data folder + "wits/" + its name up to the first "." + ".wit",
// its samples on their slots' records, and is deleted. With a `forwardFolder` each is first copied
// there, the copy logged in the data folder's "download.txt". 0 when one cannot be read: the import
// stops there and it stays for the next try; else 1.
int ImportReceivedWitsFiles(const QString& receiveFolder, const QString& dataFolder, const QString& forwardFolder);

// Moves every ".cht" (".wit") of `sourceFolder` whose name before the first "@" is `wellName` (in any
// letter case) into `targetFolder` under the same name. 1 when the pattern matched anything; 0 for an
// empty well name.
int MoveWellChartFiles(const QString& sourceFolder, const QString& targetFolder, const QString& wellName);
int MoveWellWitsFiles(const QString& sourceFolder, const QString& targetFolder, const QString& wellName);

}  // namespace exchange
