#include "elog/schemehost.h"

#include "app/logstate.h"
#include "elog/curves.h"
#include "platform/text.h"

#include <memory>

namespace elog {

void RefreshSchemeHost(app::LogState& s)
{
    layout::SchemeHost& h = s.layout.schemeHost;
    const wellfile::OpenWell& well = s.well.file;
    h.files.dataFolder = well.dataFolder;
    h.files.currentFolder = well.currentFolder;
    h.files.wellName = well.wellName;
    h.files.sendOption = well.secondFolderOption;
    h.files.remoteStation = s.env.remoteMonitorOn;
    h.files.copyOption = well.copyOut;
    h.files.copyWellFileOut = well.hooks.copyWellFileOut;
    h.loggerId = s.well.loggerId;
    h.customTracksOn = s.well.customTracksEnabled;
    h.curvesLoaded = s.engines.elogCurves != nullptr;
    // Looked up at the call: the set may be replaced between two schemes.
    h.curvePresent = [&s](int curve) {
        const elog::Curves* c = s.engines.elogCurves.get();
        return c && curve >= 0 && curve < elog::Curves::kSlots && c->pens[std::size_t(curve)].on != 0;
    };
    h.setCurveOptions = [&s](bool densityOnRateGrid, bool wrap) {
        if (elog::Curves* c = s.engines.elogCurves.get()) {
            c->scaleOptionA = densityOnRateGrid ? 1 : 0;
            c->wrapOption = wrap ? 1 : 0;
        }
    };
}

void ShowElogInSchemes(app::LogState& s)
{
    RefreshSchemeHost(s);
    const layout::SchemeFiles& files = s.layout.schemeHost.files;
    std::unique_ptr<layout::SchemeSet> schemes = layout::LoadSchemes(files, s.layout.schemes.fieldSchemes);
    if (!schemes)
        return;
    (*schemes)[0].flags[1] = 1;
    layout::SaveSchemes(files, s.layout.schemes.fieldSchemes, *schemes);
}

void ReapplyScheme(app::LogState& s)
{
    RefreshSchemeHost(s);
    layout::ApplyScheme(s.layout.schemes, s.layout.schemeHost, s.layout.schemes.currentScheme, false);
}

bool LoadSchemeNames(app::LogState& s, std::array<QString, 6>& names)
{
    RefreshSchemeHost(s);
    const auto set = layout::LoadSchemes(s.layout.schemeHost.files, s.layout.schemes.fieldSchemes);
    if (!set)
        return false;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string name = platform::FieldText((*set)[i].name);
        names[i] = platform::FromCp1252(name.data(), name.size());
    }
    return true;
}

}  // namespace elog
