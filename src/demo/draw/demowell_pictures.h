#pragma once
// The demo well's pictures: three made-up well-site photographs in its picture folder ("bitmaps/
// elogdemo/"), beside the show of the reef limestone, so the pictures' markers and the pictures
// themselves have something to show. Generated from the demo's seed: the same files every time.
#include <QString>

namespace demo {

// Writes the pictures into `folder` + "bitmaps/elogdemo/"; false when one could not be written.
bool MakeDemoPictures(const QString& folder);
// Writes them unless the demo well's picture folder holds a picture already; true when they are there.
bool InstallDemoPictures(const QString& folder);

}  // namespace demo
