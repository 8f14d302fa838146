#pragma once
// The pictures of the main window's open well: where they live for this station, their import when a
// well opens or while drilling, their list, and the viewer a marker click opens.
#include "elog/pictures.h"

#include <QString>

#include <functional>

namespace app {
struct LogState;
}

namespace elog {

PicturePlace PicturePlaceOf(const app::LogState& log);

// Takes the new pictures of the data folder in under the names of `wellName`; a picture that could not
// be taken in stays where it is and is named in one message.
void ImportNewImages(app::LogState& log, const QString& wellName);
// Lists the well's pictures; the pictures are not shown until the quick bar's "Pics On" asks.
void LoadImageList(app::LogState& log);
// Copies the pictures of a Save As source into the new well's picture folder: from `folder`, or, when it
// holds none, from its sub-folder of the open well (where this program keeps them).
void ImportImagesFromFolder(app::LogState& log, const QString& folder, const QString& wellName);

// The visible picture whose marker lies under y (marker y < y < marker y + 30), or -1.
int PictureMarkerAt(const PictureTable& table, int y);
// Opens the visible picture `index` with the program the desktop associates with it (`shellOpen`
// answers 1 when it started one); when that fails, says so naming the picture. True when opened.
bool OpenImageInViewer(app::LogState& log, int index, const std::function<int(const QString& path)>& shellOpen);

}  // namespace elog
