#pragma once
// Names of well files as the user types them: the file-name part of a path, and the cleaning that
// makes a typed name a data file name every station can keep.
#include <QString>

namespace wellfile {

// The file-name part (name and extension) of `path`, after its last '/' or '\'.
QString FileNameOf(const QString& path);

// The data file path for a name the user chose on this machine: the folder (up to the last '/') kept; the name cut at its first '.' when it
// holds ".SVM" (in any letter case); each of space, '\', '#', '/', '~', ',', '[', '(', ']', ')', '"' and
// '&' replaced, '#' by '-' and the others by '_'; of two neighbouring '_' or '-' the second dropped (a
// pair becomes one, three become two); then ".SVM" in place of any extension.
QString CleanFileName(const QString& path);

}  // namespace wellfile
