#pragma once
// "startupM.ini": the main window's placement as the program left it. Line 1 names the data file,
// lines 2-5 are "Left=%d", "Top=%d", "Width=%d", "Height=%d" (a sixth, "End=%d", is not read).
#include <QString>

#include <optional>

namespace shell {

struct StartupPlacement {
    std::optional<int> x;
    std::optional<int> y;
    std::optional<int> width;
    std::optional<int> height;
};

// Reads "startupM.ini" in `strativmFolder` (the StrativM folder under the documents folder). Only the
// first five lines count, each cut to 259 characters. Line 2 must hold "=" or nothing is taken; lines
// 3-5 each count only when they hold "=". The number after "=" is read as atoi reads it. Returns true
// when the position was taken.
bool ReadStartupIni(const QString& strativmFolder, StartupPlacement& placement);

}  // namespace shell
