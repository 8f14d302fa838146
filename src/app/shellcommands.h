#pragma once
// The GUI-free work of the main window's small commands: path helpers, the downtime notes of a well and
// their depth index, and the About text.
#include "wellfile/depthcorrection.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace app {

// `path` without its last component, ending in '/': "/a/b/c.svm" gives "/a/b/", "/x" gives "/". A name
// without a folder gives "".
QString ParentPath(const QString& path);

// The hour of `time` on a 12-hour clock: 12 for midnight and noon, else 1-11.
int Hour12(const QTime& time);

// A downtime note: "<well>-DT@<depth>.txt", holding one line "DOWNTIME REPORT at <depth> <date> <time>".
QString DowntimeNoteName(const QString& wellName, std::int32_t depth);
QString DowntimeLine(std::int32_t depth, const QDateTime& now);
// Writes the note into `folder` whole, replacing one of the same name; the path, or nothing when the
// note could not be written (no partly written note is left behind).
std::optional<QString> WriteDowntimeNote(const QString& folder, const QString& wellName, std::int32_t depth,
                                         const QDateTime& now);

// The depth a downtime note of `wellName` is named for; nothing for a file that is not one: its name
// before "-DT@" must be the well name (in any letter case) and the text after it a depth.
std::optional<std::int32_t> DowntimeNoteDepth(const QString& fileName, const QString& wellName);

// The downtime notes of `wellName` in `folder` moved by `d` depth units: each note's new file (named for
// its new depth, its line's depth moved, the rest as it was) in `moved`, and the old files that no moved
// note takes the place of in `left`, to be removed once the new ones are in place.
struct MovedDowntimeNotes {
    std::vector<wellfile::FileImage> moved;
    QStringList left;
};
// False, with the note's path in `unread`, when a note cannot be read.
bool MoveDowntimeNotes(const QString& folder, const QString& wellName, std::int32_t d, MovedDowntimeNotes& out,
                       QString& unread);

using DowntimeIndex = std::array<std::int32_t, 300>;
// The depths of the well's downtime notes in `folder`, in the order of their names; entries past the
// notes are 0, and notes past the index's size are left out.
void RebuildDowntimeIndex(DowntimeIndex& index, const QString& folder, const QString& wellName);

// The downtime depth typed into the input box, when it is a number within the well: from the first
// depth + 10 to the last depth.
std::optional<std::int32_t> DowntimeDepth(const QString& text, std::int32_t fileTopDepth, std::int32_t fileBottomDepth);

// What the About box says.
struct AboutFacts {
    QString versionText;
    QString installFolder;
    QString dataFolder;
    QString systemName;  // the operating system the program runs on
};
QString AboutText(const AboutFacts& facts);

}  // namespace app
