#pragma once
// The file helpers every part of the program uses: existence tests, find loops, counting, listing and
// sorting names, and the dates in the names of daily and dated files. Patterns are an absolute folder
// plus a name that may hold the wildcards "*" and "?", matched without regard to letter case (files
// come from Windows stations); the folder part takes no wildcards. Names found are bare names, never
// with their folder. Deleting is wellfile/deletefiles.h; the date suffix is wellfile/datesuffix.h.
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace exchange {

// One match of a find: its bare name and last-write time.
struct FindRecord {
    QString name;
    QDateTime lastWrite;
};

// An open find: the matches, taken once, and the next one to hand out.
struct FindSearch {
    QString folder;
    QStringList names;
    int next = 0;
};

// The bare names matching `pattern` (files and folders), in name order; none for a pattern whose
// folder part holds a wildcard or is not absolute.
QStringList MatchingNames(const QString& pattern);

// 1 when at least one file or folder matches `pattern`, else 0. With `show` set the path is first shown
// in a box captioned "FIND".
int FileExists(const QString& pattern, bool show = false);

// The first match into `record` (and its name into `name` when given); nothing when none matches.
std::optional<FindSearch> FindFirst(const QString& pattern, FindRecord& record, QString* name = nullptr);
// 1 when another match was read into `record`, else 0.
int FindNext(FindSearch& search, FindRecord& record);
// 1 and the first match's name in `name`; 0 with `name` as it was.
int FindFirstName(QString& name, const QString& pattern);

int CountFiles(const QString& pattern);

// Puts the names of the matches into `names` (emptied first) until `capacity` are there or the matches
// end. Returns the index of the last name written, and 0 when nothing matched: one match and none both
// give 0, so callers count first with CountFiles.
int ListFiles(QStringList& names, int capacity, const QString& pattern);
// The same, with each match's last-write time beside its name in `times`.
int ListFilesWithTimes(QStringList& names, int capacity, const QString& pattern, std::vector<QDateTime>& times);

// Exchanges entries i and i + 1. Returns 1.
int SwapNames(QStringList& names, int i);
// Sorts the first `count` names ascending without regard to case (a bubble sort: equal names keep
// their order). Returns 1.
int SortNames(QStringList& names, int count);

// The number after the first "@" of a dated name, up to the next "-" or the end ("w@95-1.svm" gives
// 95: backup copies carry a depth there); `firstDepth` for a name without one.
int DatedNameKey(const QString& name, int firstDepth);
// Sorts the first `count` names by DatedNameKey, equal keys keeping their order. Returns 1.
int SortFileNames(QStringList& names, int count, int firstDepth);

// The month, day and year - 2000 of a dated name ("WELL@3-18-16.cht" gives 3, 18, 16). 1 when the
// name has all three, else 0 (the outputs then as far as read).
int ParseDate(const QString& name, int& month, int& day, int& year);

// A time as the runtime's ctime writes it ("Tue Jan  5 13:07:09 2016\n") as the last-update text
// "%d-%s-%d %2d:%02d %s" of the time moved by `hourOffset` hours: month number, the day (as written
// unless the offset moved the date), year - 2000, the hour on a 12-hour clock, minute, "AM" or "PM".
// Empty when the text is not such a time.
QString FormatTimeText(const QString& text, int hourOffset);

}  // namespace exchange
