#pragma once
// Files from other stations may arrive read-only; before the program rewrites one of its own record
// files it makes the file writable by its owner again (what "normal attributes" meant on Windows).
#include <QString>

namespace wellfile {

// Adds owner write permission to an existing file that lacks it. Does nothing to a missing file or one
// already writable by its owner; a failure is left for the following open to report.
void SetNormalAttributes(const QString& path);

}  // namespace wellfile
