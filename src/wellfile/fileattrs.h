#pragma once
// Files from other stations may arrive read-only; before the program rewrites one of its own record
// files it makes the file writable by its owner again (what "normal attributes" meant on Windows).
#include <QString>

namespace wellfile {

// Adds owner write permission to an existing file that lacks it. Does nothing to a missing file or one
// already writable by its owner; a failure is left for the following open to report.
void SetNormalAttributes(const QString& path);

// Gives a file made through a private temporary file (mode 0600) the mode of a file opened anew, as the
// well's side files are (0644 under the usual umask 022), so the other users of a shared data folder
// read it as they read those.
void SetNewFileMode(const QString& path);

}  // namespace wellfile
