#pragma once
// The download log "download.txt": one dated line per copy, package, unzip or refused-open event,
// appended in the folder the event belongs to.
#include <QString>

namespace wellfile {

// The word between the two texts of a line.
enum DownloadLogWord : int {
    kDownloadNoWord = -1,     // " %s %s  at ..." (no word)
    kDownloadCopyFailed = 0,  // "copy failed to"
    kDownloadCopied = 1,      // "files copied to"
    kDownloadBlank = 2,       // " "
};

// Appends " <text> <word>  <name>  at hh:mm , m/d/yyyy" (or, without a word, " <text> <name>  at ...")
// to `folder` + "download.txt". Returns 1, or 0 when the file cannot be opened or written.
int WriteDownloadLog(const QString& folder, const QString& text, const QString& name, int word);

}  // namespace wellfile
