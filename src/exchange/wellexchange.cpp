#include "exchange/wellexchange.h"

#include "app/opendatafile.h"
#include "app/wellstate.h"
#include "app/welltops.h"
#include "app/windowgroups.h"
#include "exchange/backups.h"
#include "exchange/receivedupdates.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/changewatch.h"
#include "wellfile/datafile.h"
#include "wellfile/depthcorrection.h"
#include "wellfile/sidefiles_settings.h"
#include "wellfile/wellheader.h"

#include <QDir>
#include <QFileInfo>

namespace exchange {

bool FollowSharedBottom(wellfile::OpenWell& well, bool& moved)
{
    moved = false;
    if (platform::SameFolder(well.currentFolder, well.dataFolder))
        return false;
    const std::int32_t lastDepth = well.fileBottomDepth;
    wellfile::ReadFileDepthRange(well, well.fileTopDepth, well.fileBottomDepth, false);
    moved = well.fileBottomDepth != lastDepth && well.fileBottomDepth % 2 == 0;
    return true;
}

PollResult PollReceiveFolder(const wellfile::OpenWell& well, const QString& receiveFolder, ReceiveState& state)
{
    wellfile::RemoteConfig config;
    wellfile::LoadDownloadConfig(well.dataFolder, config);
    ReceivePlaces places;
    places.receiveFolder = receiveFolder.isEmpty() ? well.dataFolder : receiveFolder;
    places.dataFolder = well.dataFolder;
    places.destinationFolder = wellfile::RemoteFolder(platform::FieldString(config.destinationFolder));
    places.copyOn = config.copyOn != 0;
    return TakeReceivedPackage(places, state);
}

void TakeReceivedRecords(app::WellState& state)
{
    wellfile::OpenWell& well = state.file;
    wellfile::ReadFileDepthRange(well, well.fileTopDepth, well.fileBottomDepth, false);
    const QString caption = ReceivedCaption(well.wellName, platform::services().clock->LocalTime());
    state.captionText = caption;
    if (well.hooks.setCaption)
        well.hooks.setCaption(caption);
}

void ReloadReceivedSideFiles(app::WellState& state)
{
    wellfile::OpenWell& well = state.file;
    const wellfile::WellPlace place = app::PlaceOf(state);
    if (wellfile::ReadHeader(state.header, place))
        state.kbElevation = wellfile::KbElevationFromText(state.header.kellyBushing, sizeof state.header.kellyBushing);
    wellfile::LoadTops(place, app::TopsPlaceOf(state), state.tops);
    wellfile::ReadCustomFileDepthRange(well, well.customTopDepth, well.customBottomDepth);
}

bool CurveFileChanged(app::WellState& state, const QString& path)
{
    const wellfile::OpenWell& well = state.file;
    wellfile::ChangeWatch& watch = state.watches.curve;
    wellfile::Watch(watch, platform::FindFileNoCase(well.currentFolder, well.wellName + QStringLiteral(".svc")));
    return wellfile::WatchedFileChanged(watch, path);
}

bool DataFileChanged(app::WellState& state, const QString& path)
{
    wellfile::ChangeWatch& watch = state.watches.data;
    wellfile::Watch(watch, state.file.dataFileName);
    return wellfile::WatchedFileChanged(watch, path);
}

}  // namespace exchange
