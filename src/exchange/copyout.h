#pragma once
// Copies of a well's saved files to the places other stations pick them up from.
#include <QString>

namespace exchange {

// Copies data folder + well name + extension into `targetFolder`, or into the configured copy-out
// folder when `targetFolder` is empty, unless the copy there is larger.
void CopyWellFileOut(const QString& dataFolder, const QString& wellName, const QString& extension,
                     const QString& targetFolder = {});

}  // namespace exchange
