#include "elog/picturewindow.h"

#include "app/viewstate.h"
#include "app/windowgroups.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "wellfile/openwell.h"

#include <QDir>

namespace elog {

PicturePlace PicturePlaceOf(const wellfile::OpenWell& f, const app::WitsChartLink& witsChart)
{
    const auto& viewing = witsChart.viewingStation;
    PicturePlace p;
    p.fieldFolder = f.dataFolder;
    p.localFolder = f.currentFolder;
    p.wellName = f.wellName;
    p.viewingStation = viewing[0] || viewing[1] || viewing[2];
    p.importFromLocal = viewing[0];
    p.drilling = f.drilling;
    if (f.secondFolderOption)
        p.secondFolder = platform::SecondDataFolder();
    return p;
}

void ImportNewImages(PictureTable& pictures, const wellfile::OpenWell& well, const app::WitsChartLink& witsChart,
                     const QString& wellName)
{
    PicturePlace place = PicturePlaceOf(well, witsChart);
    place.wellName = wellName;
    QStringList failures, incomplete;
    ImportNewImages(pictures, place, &failures, &incomplete);
    if (!incomplete.isEmpty())
        platform::MessageBox(QStringLiteral("These photos have not changed for a while but are not whole JPEG files "
                                            "(their copy may have stopped); they are taken in once they are whole:\n") +
                                 incomplete.join(u'\n'),
                             QStringLiteral("Pictures"), platform::MB_OK);
    if (!failures.isEmpty())
        platform::MessageBox(QStringLiteral("These pictures could not be taken in and were left where they are:\n") +
                                 failures.join(u'\n'),
                             QStringLiteral("Pictures"), platform::MB_OK);
}

void LoadImageList(PictureTable& pictures, const wellfile::OpenWell& well, const app::WitsChartLink& witsChart,
                   app::ViewState& view)
{
    const PicturePlace place = PicturePlaceOf(well, witsChart);
    SetImageFolder(pictures, place, false);  // the folder of the well open now
    view.picturesShown = false;
    view.picturesPresent = LoadImageList(pictures, place, well.viewTopDepth);
}

void ImportImagesFromFolder(const wellfile::OpenWell& well, const QString& folder, const QString& wellName)
{
    const QString field = well.dataFolder;
    if (!elog::ImportImagesFromFolder(folder, field, wellName))
        elog::ImportImagesFromFolder(platform::FindFileNoCase(folder, well.wellName), field, wellName);
}

int PictureMarkerAt(const PictureTable& table, int y)
{
    for (std::size_t i = 0; i < table.visible.size(); ++i) {
        const int mark = table.visible[i].markY;
        if (mark < y && y < mark + 30)
            return int(i);
    }
    return -1;
}

bool OpenImageInViewer(const PictureTable& t, int index, const std::function<int(const QString& path)>& shellOpen)
{
    if (index < 0 || std::size_t(index) >= t.visible.size() || !SafePictureName(t.visible[std::size_t(index)].name))
        return false;
    const QString path = platform::FindFileNoCase(t.folder, t.visible[std::size_t(index)].name);
    if (shellOpen && shellOpen(path) != 0)
        return true;
    platform::MessageBox(QStringLiteral("No program could open the picture\n") + QDir::toNativeSeparators(path),
                         QStringLiteral("Pictures"), platform::MB_OK);
    return false;
}

}  // namespace elog
