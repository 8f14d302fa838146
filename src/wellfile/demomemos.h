#pragma once
// The demo well's memos: boxed notes at a few depths, descriptions of the upper and lower sands, a red
// "*" memo and a casing point drawn on the compressed scales too. Written as the memo dialog saves them.
#include "entry/memorecords.h"
#include "wellfile/demowell.h"

#include <QString>

#include <vector>

namespace wellfile {

std::vector<entry::SVMEMO> DemoMemos(const DemoWellShape& shape);
// Writes them to "elogdemo.mem" in `folder`; false when the file could not be written.
bool SaveDemoMemos(const QString& folder, const DemoWellShape& shape);

}  // namespace wellfile
