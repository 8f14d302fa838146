#pragma once
// Deleting files the program consumes or clears: a file is made writable first, as files from other
// stations may arrive read-only.
#include <QString>

namespace wellfile {

// Deletes the file at `path`. 1 whether or not it was there.
int DeleteFiles(const QString& path);

// Deletes every file of `folder` whose name matches `pattern` (wildcards, without regard to case).
// 0 for the patterns "*" and ".*", which would empty the folder, for a pattern with a folder part, and
// when nothing matches; else 1.
int DeleteFiles(const QString& folder, const QString& pattern);

}  // namespace wellfile
