#pragma once
// The demo well's memos: boxed notes at a few depths, the geologist's descriptions of the cuttings, a red
// "*" memo and a casing point drawn on the compressed scales too. Written as the memo dialog saves them.
#include "demo/demowell.h"
#include "wellfile/memorecords.h"

#include <QString>

#include <cstdint>
#include <utility>
#include <vector>

namespace demo {

// `descriptions`: the cuttings' descriptions by depth; each becomes a memo flagged as a description,
// unless one of the fixed memos describes the rock there already.
using DemoDescriptions = std::vector<std::pair<std::int32_t, const char*>>;
std::vector<wellfile::SVMEMO> DemoMemos(const DemoWellShape& shape, const DemoDescriptions& descriptions = {});
// Writes them to "elogdemo.mem" in `folder`; false when the file could not be written.
bool SaveDemoMemos(const QString& folder, const DemoWellShape& shape, const DemoDescriptions& descriptions = {});

}  // namespace demo
