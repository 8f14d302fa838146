#pragma once
// The demo well's depth notes of the horizontal view (".hxt"): a landing note, a description below the
// gas band, a note anchored at the bottom of the plot and a red gas note, all in the horizontal part
// the view draws. Written as the note routines save them.
#include "demo/demowell.h"
#include "wellfile/memorecords.h"

#include <QString>

#include <vector>

namespace demo {

std::vector<wellfile::HTEXTEX> DemoDepthNotes(const DemoWellShape& shape);
// Writes them to "elogdemo.hxt" in `folder`; false when the file could not be written.
bool SaveDemoDepthNotes(const QString& folder, const DemoWellShape& shape);

}  // namespace demo
