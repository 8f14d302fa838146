#pragma once
// Copying a well's whole file set under a new name: Save As, and the backup and plug-back routines of
// the exchange code.
#include <QString>

#include <array>

namespace elog { class ElogServices; }

namespace app {

struct LogState;

// The side files of a well that follow its data file, in the order they are copied.
inline constexpr std::array<const char*, 17> kWellSideFiles = {
    ".hdr", ".rpt", ".sho", ".dst", ".top", ".svc", ".hor", ".qpt", ".svx",
    ".mem", ".hxt", ".fit", ".grdx", ".cfg", ".lfg", ".lag", ".sch"};

// True when both paths name the same existing file; the second is looked up without regard to letter
// case, as the well's names are.
bool SameDataFile(const QString& openFile, const QString& path);

// Copies the well of `fromPath` to the name of `toPath`; both are rewritten as folder + name + ".SVM".
// The data file must copy: when it does not, "Copy Failed..." (the system's error number, both paths)
// is shown and 0 returned, with nothing else copied. Then each side file that exists, while drilling
// "gasmon.cfg" of the current folder into the target's folder, and the pictures of the source's
// "bitmaps/" under the new name. Side files that fail are named in one message; the copy of the data
// file stands and 1 is returned. Every file is copied whole or not at all; an existing target file is
// replaced only by a complete copy.
int CopyFileChecked(LogState& log, elog::ElogServices& elog, QString& fromPath, QString& toPath);

}  // namespace app
