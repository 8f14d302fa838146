#pragma once
// The pictures of the main window's open well: where they live for this station, their import when a
// well opens or while drilling, their list, and the viewer a marker click opens.
#include "elog/pictures.h"

#include <QString>

#include <functional>

namespace app {
struct ViewState;
struct WitsChartLink;
}  // namespace app
namespace wellfile {
struct OpenWell;
}

namespace elog {

// The picture places of the open well for this station (`witsChart` says whether it views the wells of
// other stations).
PicturePlace PicturePlaceOf(const wellfile::OpenWell& well, const app::WitsChartLink& witsChart);

// Takes the new pictures of the data folder in under the names of `wellName`; a picture that could not
// be taken in stays where it is and is named in one message.
void ImportNewImages(PictureTable& pictures, const wellfile::OpenWell& well, const app::WitsChartLink& witsChart,
                     const QString& wellName);
// Lists the well's pictures; the pictures are not shown until the quick bar's "Pics On" asks.
void LoadImageList(PictureTable& pictures, const wellfile::OpenWell& well, const app::WitsChartLink& witsChart,
                   app::ViewState& view);
// Copies the pictures of a Save As source into the new well's picture folder: from `folder`, or, when it
// holds none, from its sub-folder of the open well (where this program keeps them).
void ImportImagesFromFolder(const wellfile::OpenWell& well, const QString& folder, const QString& wellName);

// The visible picture whose marker lies under y (marker y < y < marker y + 30), or -1.
int PictureMarkerAt(const PictureTable& table, int y);
// Opens the visible picture `index` with the program the desktop associates with it (`shellOpen`
// answers 1 when it started one); when that fails, says so naming the picture. True when opened.
bool OpenImageInViewer(const PictureTable& table, int index, const std::function<int(const QString& path)>& shellOpen);

}  // namespace elog
