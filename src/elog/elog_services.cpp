#include "elog/elog_services.h"

#include "app/notbuilt.h"

namespace elog {

namespace {

class NotBuilt final : public ElogServices {
public:
    void CmSaveAsImage(app::LogState&) override { app::NotBuiltCommand("elog", "CmSaveAsImage"); }
    void CreateLasFile(app::LogState&) override { app::NotBuiltCommand("elog", "CreateLasFile"); }
};
}  // namespace

void ElogServices::EnsureCurves(app::LogState&) { app::NotBuilt("elog", "EnsureCurves"); }
void ElogServices::DeleteCurves(app::LogState&) { app::NotBuilt("elog", "DeleteCurves"); }
void ElogServices::FreeCurveData(app::LogState&) {}
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
void ElogServices::SetCurvesKb(app::LogState&, float) {}
CurveRows ElogServices::CurveData(app::LogState&) { return {}; }
void ElogServices::RunWaterSaturation(app::LogState&, std::int32_t) { app::NotBuiltCommand("elog", "SWDlg"); }
void ElogServices::ImportImagesFromFolder(app::LogState&, const QString&, const QString&)
{
    app::NotBuilt("elog", "ImportImagesFromFolder");
}

void ElogServices::RunTvdDialog(app::LogState&, std::span<wellfile::RECORD>, int)
{
    app::NotBuiltCommand("elog", "TvdDlg");
}
bool ElogServices::CreateTvdLog(app::LogState&, std::span<wellfile::RECORD>)
{
    app::NotBuiltCommand("elog", "CreateTvdLog");
    return false;
}
void ElogServices::ImportTargetData(app::LogState&, const QString&) { app::NotBuiltCommand("elog", "ImportTargetData"); }

ElogServices& DefaultElogServices()
{
    static NotBuilt services;
    return services;
}

}  // namespace elog
