#pragma once
// What goes into a well's send package ("sendfile/<well>.sv8", mailed or carried away) and into the
// update package a drilling station makes every five minutes for the monitoring stations. The lists are
// made by listing the folders here (names in any letter case: files come from Windows stations).
// Side files that must not travel are simply left out of the list; they are never renamed on disk.
#include "wellfile/wellpackage.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace wellfile {
struct HorzSetupRecord;
}

namespace exchange {

// The files of `folder` named `<stem>.<anything>` (any letter case), less those whose extension is one
// of `heldOut` (lower case, without the dot); full paths in name order. Folders are never taken.
QStringList StemFilesIn(const QString& folder, const QString& stem, const QStringList& heldOut = {});
// The files of `folder` matching the wildcard `pattern` (any letter case); full paths in name order.
QStringList FilesMatching(const QString& folder, const QString& pattern);

// The data folder's send folder, as it is on disk ("sendfile" in any letter case), ending with '/'.
QString SendFolderOf(const QString& dataFolder);
// Today's dated copy of a daily file in the send folder: "<well>@m-dd-yy<extension>".
QString DatedSendCopy(const QString& dataFolder, const QString& wellName, const QDate& today,
                      const QString& extension);

// A monitoring station keeps its own WITS chart layout, log scheme and lag settings.
QStringList UpdateHeldOut();
// The update package: `<well>.*` of the data folder less the held-out files, "sendfile/*.jpg" and
// "sendfile/*.wit".
QStringList UpdatePackageFiles(const QString& dataFolder, const QString& wellName);
// Takes out of `files` each file larger than a receiving station unpacks (wellfile::kMaxPackageEntryBytes)
// and returns the sentence that says so, naming them and the limit; empty when none is.
QString LeaveOutTooLarge(QStringList& files);
// Empty when `files` together stay within what a receiving station unpacks of one package
// (wellfile::kMaxPackageBytes); else the sentence that the package is not sent, naming the files that make
// it too large: the largest, biggest first, until the rest would fit.
QString TooLargeTogether(const QStringList& files);

// The send options of the well's settings that decide which side files travel.
struct SendOptions {
    bool config = false;  // "Send Config File"
    bool horz = false;    // "Send Horz Config File"
    bool tops = false;    // "Send Tops File"
    bool colour = false;  // "Send Color File"
};
QStringList SendHeldOut(const SendOptions& options);

struct SendPlaces {
    QString dataFolder;     // ends with '/'
    QString currentFolder;  // the folder of the open data file, ends with '/'
    QString wellName;
};
// The two lists of Send File: the full one (the well, its TVD twin, the pictures, today's chart copy
// and the horizontal view's gamma files `horzFiles`) and the shorter one tried when the first cannot be
// packed (the well, the pictures, the chart copy).
struct SendLists {
    QStringList full;
    QStringList retry;
};
SendLists SendFileLists(const SendPlaces& places, const SendOptions& options, const QDate& today,
                        const QStringList& horzFiles);

// Reads the well's horizontal set-up (data folder + well + ".hor") whole into `r`; 1 only when the
// file is exactly one record long, else 0 with `r` untouched.
int ReadHorzSetup(const QString& dataFolder, const QString& wellName, wellfile::HorzSetupRecord& r);
// The gamma curve files the set-up names that travel with the well: the anchor file when it exists,
// the target file when it exists and is not the anchor (any letter case); none when the anchor file is
// the well's own curve file (current folder + well + ".svc").
QStringList HorzGammaFiles(const wellfile::HorzSetupRecord& r, const QString& currentFolder,
                           const QString& wellName);

// A fresh package of `files` at `zipPath` (packed fast, bare names). The old package is gone whatever
// the outcome: a failed write leaves no package at all.
wellfile::PackageWriteResult WriteFreshPackage(const QString& zipPath, const QStringList& files);

}  // namespace exchange
