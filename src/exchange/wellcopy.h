#pragma once
// Copying a well's whole file set under a new name: Save As, and the backup and plug-back routines.
#include <QString>

class QDate;

#include "wellfile/wellnames.h"

namespace elog { class ElogServices; }

namespace app {
struct LogState;
}

namespace exchange {

using wellfile::kWellSideFiles;

// True when both paths name the same existing file; the second is looked up without regard to letter
// case, as the well's names are.
bool SameDataFile(const QString& openFile, const QString& path);

// Moves every file of the well set of `path` (its data file and side files) that exists into the data
// folder's "backup/", named after the well and `date` ("name@yyyy-MM-dd.ext"; "-2", "-3" ... added when
// that name is taken), so a copy written over that well finds none of its files. Nothing is deleted.
// Gives the file that could not be moved (those moved before it are put back), or an empty text.
QString MoveWellSetAside(const QString& path, const QString& dataFolder, const QDate& date);

// Copies the well of `fromPath` to the name of `toPath`; both are rewritten as folder + name + ".SVM".
// The data file must copy: when it does not, "Copy Failed..." (the system's error number, both paths)
// is shown and 0 returned, with nothing else copied. Then each side file that exists, while drilling
// "gasmon.cfg" of the current folder into the target's folder, and the pictures of the source's
// "bitmaps/" under the new name. Side files that fail are named in one message; the copy of the data
// file stands and 1 is returned. Every file is copied whole or not at all; an existing target file is
// replaced only by a complete copy.
int CopyFileChecked(app::LogState& log, elog::ElogServices& elog, QString& fromPath, QString& toPath);

}  // namespace exchange
