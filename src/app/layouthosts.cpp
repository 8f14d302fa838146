#include "app/layouthosts.h"

#include "platform/text.h"
#include "app/opendatafile.h"
#include "wellfile/settingsblock.h"

#include <QFileInfo>

#include <memory>

namespace app {

layout::LayoutInputs LayoutInputsOf(const LogState& s, std::int32_t clientBottom)
{
    layout::LayoutInputs in;
    in.trackFlags = s.layout.schemes.trackFlags;
    // The screen as set up: the whole desktop's width (the primary screen's until it is known) and
    // the number of monitors it is divided among.
    in.screen.width = s.env.desktopWidth > 0 ? s.env.desktopWidth : s.env.screenWidth;
    in.screen.height = s.env.screenHeight;
    in.screen.monitors = s.env.monitorCount > 0 ? s.env.monitorCount : 1;
    in.clientBottom = clientBottom;
    in.drilling = s.well.file.drilling;
    in.customTracksOn = s.well.customTracksEnabled;
    in.customWidth = s.customTracks.host.customTotalWidth;
    in.descriptionOff = s.customTracks.host.textTrackFlag != 0;  // a text track hides the descriptions
    in.altSurveyPosition = s.well.config.altSurveyPosition != 0;
    in.plotInterpretedLith = s.layout.schemes.plotInterpretedLith;
    in.imageView = s.view.logImageMode;
    in.renderBusy = s.scroll.renderingImage;
    return in;
}

layout::PenOptions PenOptionsOf(const LogState& s)
{
    layout::PenOptions o;
    o.loggerId = s.well.loggerId;
    o.hotWire = s.options.hotwire;
    o.quickView = s.layout.schemes.quickView;
    return o;
}

void RefreshCustomTrackHost(LogState& s)
{
    layout::CustomTrackHost& h = s.customTracks.host;
    const layout::LogLayout& L = s.layout.format;
    h.well = &s.well.file;
    h.fit = &s.well.fit;
    h.config = &s.well.config;
    h.sharedFolderWell = s.well.sharedFolderWell;
    h.loggerId = s.well.loggerId;
    h.logWidth = L.logRight;
    h.unitColumnWidth = L.trackUnit;
    h.trackUnitX = L.custom.left;
    h.logTopMargin = L.logAreaTop;
    h.rowHeight = L.pixelsPerStep;
    h.gasTrackRight = L.gasRight;
    h.horizontalOffset = s.scroll.horizontalOffset;
}

void TakeSchemeOptions(LogState& s)
{
    layout::SchemeState& schemes = s.layout.schemes;
    schemes.hardnessLabel = s.well.config.useHardnessLabel != 0;
    schemes.plotInterpretedLith = s.well.config.plotInterpretedLith != 0;
}

bool SaveFieldSchemesFlag(const LogState& s)
{
    // The rest of the user's record is kept as it is on disk; a record that cannot be read is not
    // written over.
    auto block = std::make_unique<wellfile::SettingsBlock>();
    if (!wellfile::LoadUserFile(*block, s.env.userName) && QFileInfo::exists(wellfile::UserFilePath(s.env.userName)))
        return false;
    block->fieldSchemes = s.layout.schemes.fieldSchemes ? 1 : 0;
    return wellfile::SaveUserFile(*block, s.env.userName) == 1;
}

bool LoadFieldSchemesFlag(const LogState& s)
{
    auto block = std::make_unique<wellfile::SettingsBlock>();
    return wellfile::LoadUserFile(*block, s.env.userName) == 1 && block->fieldSchemes != 0;
}

}  // namespace app
