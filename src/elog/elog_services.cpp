#include "elog/elog_services.h"

#include "app/logstate.h"
#include "app/notbuilt.h"
#include "elog/curveset.h"
#include "elog/picturewindow.h"
#include "elog/tvdtargets.h"

#include <memory>
#include <string>

namespace elog {

namespace {

class NotBuilt final : public ElogServices {
public:
    void CmSaveAsImage(app::LogState&) override { app::NotBuiltCommand("elog", "CmSaveAsImage"); }
    void CreateLasFile(app::LogState&) override { app::NotBuiltCommand("elog", "CreateLasFile"); }
};
}  // namespace

void ElogServices::EnsureCurves(app::LogState& log)
{
    if (log.engines.elogCurves)
        return;
    log.engines.elogCurves = std::make_unique<Curves>(CurveOwnerOf(log, log.well.elogFileName));
    PublishCurves(log);
}
void ElogServices::DeleteCurves(app::LogState& log) { CloseElog(log); }
void ElogServices::FreeCurveData(app::LogState& log)
{
    if (log.engines.elogCurves)
        std::string().swap(log.engines.elogCurves->lasText);
}
int ElogServices::ReadLasHeader(app::LogState&, const QString&, LasHeader&, float&)
{
    app::NotBuilt("elog", "ReadLasHeader");
    return kLasNotBuilt;
}
int ElogServices::ReadLasData(app::LogState&, const QString&)
{
    app::NotBuilt("elog", "ReadLasData");
    return 0;
}
int ElogServices::RunImportDialog(app::LogState&, const QString&, const QString&, LasHeader&, std::span<std::byte>, int)
{
    app::NotBuilt("elog", "ImportDlg");
    return 2;  // IDCANCEL
}
void ElogServices::ImportLas(app::LogState&, const QString&, const QString&, const LasHeader&, std::span<const std::byte>,
                             float)
{
    app::NotBuilt("elog", "ImportLas");
}
void ElogServices::MergeLas(app::LogState&, const QString&, const QString&, const LasHeader&, std::span<const std::byte>,
                            float)
{
    app::NotBuilt("elog", "MergeLas");
}
void ElogServices::ImportAscii(app::LogState&, const QString&, const LasHeader&, std::span<const std::byte>)
{
    app::NotBuilt("elog", "ImportAscii");
}
void ElogServices::SetCurvesKb(app::LogState& log, float kb)
{
    if (!log.engines.elogCurves)
        return;
    log.engines.elogCurves->kbElevation = kb;
    log.depthMatch.elogKbElevation = kb;
}
CurveRows ElogServices::CurveData(app::LogState& log)
{
    return log.engines.elogCurves ? log.engines.elogCurves->Rows() : CurveRows{};
}
void ElogServices::RunWaterSaturation(app::LogState&, std::int32_t) { app::NotBuiltCommand("elog", "SWDlg"); }
int ElogServices::ShowElogReadout(app::LogState&, std::int32_t)
{
    app::NotBuiltCommand("elog", "SWDlg2");
    return 0;
}
void ElogServices::ImportImagesFromFolder(app::LogState& log, const QString& folder, const QString& wellName)
{
    elog::ImportImagesFromFolder(log, folder, wellName);
}

void ElogServices::ExportCustomLas(app::LogState&, std::int32_t, std::int32_t, bool, bool) {}

// The dialog needs a window: the window's services (elog/ui) run it.
void ElogServices::RunTvdDialog(app::LogState&, std::span<wellfile::RECORD>, int) {}
bool ElogServices::CreateTvdLog(app::LogState&, std::span<wellfile::RECORD>) { return false; }

void ElogServices::ImportTargetData(app::LogState& log, const QString& path)
{
    const wellfile::OpenWell& f = log.well.file;
    elog::ImportTargetData(path, f.currentFolder + f.wellName + QStringLiteral(".trg"));
}

ElogServices& DefaultElogServices()
{
    static NotBuilt services;
    return services;
}

}  // namespace elog
