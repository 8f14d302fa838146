#include "horizontal/horzplace.h"

#include "app/logstate.h"
#include "app/wellsettings.h"
#include "elog/curves.h"
#include "exchange/copyout.h"

namespace horizontal {

HorzFiles FilesOf(app::LogState& log)
{
    const wellfile::OpenWell& well = log.well.file;
    HorzFiles f;
    f.currentFolder = well.currentFolder;
    f.dataFolder = well.dataFolder;
    f.wellName = well.wellName;
    f.sharedMode = log.well.sharedFolderWell;
    f.useFieldSettings = &log.well.horizontalFieldSettings;
    f.drilling = well.drilling;
    f.copyOutOn = well.secondFolderOption && well.copyOut;
    f.copyOutFolder = well.copyOutFolder;
    const QString dataFolder = well.dataFolder, wellName = well.wellName, copyOut = well.copyOutFolder;
    f.copyWellFileOut = [dataFolder, wellName, copyOut](const QString& extension, const QString& folder) {
        exchange::CopyOutFolders folders;
        folders.copyOut = copyOut;
        exchange::CopyWellFileOut(dataFolder, wellName, extension, folder, folders);
    };
    app::LogState* s = &log;
    // Rewritten with its own content: the shared folder's service then sends it on with the record.
    f.rewriteDbc = [s] { return app::UpdateDbc(*s, [](wellfile::SettingsBlock&) {}); };
    return f;
}

HorzApplyInputs ApplyInputsOf(const app::LogState& log)
{
    HorzApplyInputs in;
    in.kbElevation = log.well.kbElevation;
    if (log.engines.elogCurves)
        in.curvesGammaScale = log.engines.elogCurves->gammaScaleIndex;
    in.customTracks = log.customTracks.data != nullptr;
    in.lithPictures = log.options.horizontalLithPictures;
    in.verticalGasOption = log.options.horizontalVerticalGas;
    return in;
}

}  // namespace horizontal
