#include "elog/picturewindow.h"

#include "app/logstate.h"
#include "platform/folders.h"
#include "platform/services.h"

#include <QDir>

namespace elog {

PicturePlace PicturePlaceOf(const app::LogState& log)
{
    const wellfile::OpenWell& f = log.well.file;
    const auto& viewing = log.witsChart.viewingStation;
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

void ImportNewImages(app::LogState& log, const QString& wellName)
{
    PicturePlace place = PicturePlaceOf(log);
    place.wellName = wellName;
    QStringList failures;
    ImportNewImages(log.pictures, place, &failures);
    if (!failures.isEmpty())
        platform::MessageBox(QStringLiteral("These pictures could not be taken in and were left where they are:\n") +
                                 failures.join(u'\n'),
                             QStringLiteral("Pictures"), platform::MB_OK);
}

void LoadImageList(app::LogState& log)
{
    const PicturePlace place = PicturePlaceOf(log);
    SetImageFolder(log.pictures, place, false);  // the folder of the well open now
    log.view.picturesShown = false;
    log.view.picturesPresent = LoadImageList(log.pictures, place, log.well.file.viewTopDepth);
}

void ImportImagesFromFolder(app::LogState& log, const QString& folder, const QString& wellName)
{
    const QString field = log.well.file.dataFolder;
    if (!elog::ImportImagesFromFolder(folder, field, wellName))
        elog::ImportImagesFromFolder(platform::FindFileNoCase(folder, log.well.file.wellName), field, wellName);
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

bool OpenImageInViewer(app::LogState& log, int index, const std::function<int(const QString& path)>& shellOpen)
{
    const PictureTable& t = log.pictures;
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
