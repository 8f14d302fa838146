#include "horizontal/horzplace.h"

#include "app/engines.h"
#include "app/layoutstate.h"
#include "app/wellsettings.h"
#include "app/wellstate.h"
#include "app/windowgroups.h"
#include "elog/curves.h"
#include "wellfile/copyout.h"

namespace horizontal {

HorzFiles FilesOf(app::WellState& state)
{
    const wellfile::OpenWell& well = state.file;
    HorzFiles f;
    f.currentFolder = well.currentFolder;
    f.dataFolder = well.dataFolder;
    f.wellName = well.wellName;
    f.sharedMode = state.sharedFolderWell;
    f.useFieldSettings = &state.horizontalFieldSettings;
    f.drilling = well.drilling;
    f.copyOutOn = well.secondFolderOption && well.copyOut;
    f.copyOutFolder = well.copyOutFolder;
    const QString dataFolder = well.dataFolder, wellName = well.wellName, copyOut = well.copyOutFolder;
    f.copyWellFileOut = [dataFolder, wellName, copyOut](const QString& extension, const QString& folder) {
        wellfile::CopyOutFolders folders;
        folders.copyOut = copyOut;
        wellfile::CopyWellFileOut(dataFolder, wellName, extension, folder, folders);
    };
    const app::WellState* s = &state;
    // Rewritten with its own content: the shared folder's service then sends it on with the record.
    f.rewriteDbc = [s] { return app::UpdateDbc(*s, [](wellfile::SettingsBlock&) {}); };
    return f;
}

HorzApplyInputs ApplyInputsOf(const app::WellState& well, const app::Engines& engines,
                              const app::CustomTracks& customTracks, const app::OptionSettings& options)
{
    HorzApplyInputs in;
    in.kbElevation = well.kbElevation;
    if (engines.elogCurves)
        in.curvesGammaScale = engines.elogCurves->gammaScaleIndex;
    in.customTracks = customTracks.data != nullptr;
    in.lithPictures = options.horizontalLithPictures;
    in.verticalGasOption = options.horizontalVerticalGas;
    return in;
}

}  // namespace horizontal
