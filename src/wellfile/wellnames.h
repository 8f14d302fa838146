#pragma once
// Names of well files as the user types them: the file-name part of a path, and the cleaning that
// makes a typed name a data file name every station can keep.
#include <QString>

#include <array>
#include <vector>

namespace wellfile {

// The side files of a well that follow its data file, in the order they are copied. The tops are kept
// in ".topx" and, for the stations that read the older name, in ".top" too.
inline constexpr std::array<const char*, 19> kWellSideFiles = {
    ".hdr", ".rpt", ".sho", ".dst", ".top", ".svc", ".hor", ".qpt", ".svx", ".mem",
    ".hxt", ".fit", ".grdx", ".cfg", ".lfg", ".lag", ".sch", ".topx", ".clr"};

// The extensions of every file that belongs to a well by its name: the data file (".SVM"), the side
// files above and the well's settings block (".dbc").
std::vector<QString> WellSetExtensions();

// The first file of the well set of the data file `path` that exists beside it (in any letter case);
// empty when there is none.
QString ExistingWellFile(const QString& path);

// The file-name part (name and extension) of `path`, after its last '/' or '\'.
QString FileNameOf(const QString& path);

// The data file path for a name the user chose on this machine: the folder (up to the last '/') kept; the name cut at its first '.' when it
// holds ".SVM" (in any letter case); each of space, '\', '#', '/', '~', ',', '[', '(', ']', ')', '"' and
// '&' replaced, '#' by '-' and the others by '_'; of two neighbouring '_' or '-' the second dropped (a
// pair becomes one, three become two); then ".SVM" in place of any extension.
QString CleanFileName(const QString& path);

// The data file path of a new well typed into the new-file dialog: the typed text cut to 50
// characters; each of the characters above replaced as CleanFileName does (no pairs dropped); at the
// first '.' followed by exactly three characters at the end the name ends, every earlier '.' becomes
// '-'; the name part upper-cased and put into `dataFolder` (kept as it is) with ".svm". Empty when
// nothing of the name is left.
QString NewWellFileName(const QString& dataFolder, const QString& typed);

}  // namespace wellfile
