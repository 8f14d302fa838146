#pragma once
// The archive of a finished well: its daily WITS, chart and gas files, its package and its file set
// packed into data folder + "archives/<well>/<well>.zip", the daily files moved out of the working
// folders.
#include <QString>

namespace exchange {

struct ArchivePlaces {
    QString dataFolder;  // ends with '/'
    QString openFolder;  // the folder of the open file, ends with '/'
    QString wellName;
    bool drilling = false;  // the daily files and the gas file are archived only while drilling
};

// The daily-file folders of an archive: "wits" and "chart", on a remote station's folder ("Remote12")
// followed by the folder name from its first "1" on ("wits12", "chart12").
QString ArchiveWitsFolderName(const QString& openFolder);
QString ArchiveChartFolderName(const QString& openFolder);

// Gathers the files in a fresh staging folder inside the open file's folder and adds them to the
// well's zip (entries of the same name replaced, others kept); the staging folder is removed after.
// The well's own files stay; its daily and gas files leave the working folders only once in the zip.
// 1 done; 0 after the message "Archive Failed" (no open file's folder) or "Error No. <libzip error>"
// (caption "Zip failed in archive").
int ArchiveWell(const ArchivePlaces& places);

}  // namespace exchange
