#include "elog/elog_services.h"

#include "app/logstate.h"
#include "app/notbuilt.h"
#include "elog/curveset.h"
#include "elog/lasread.h"
#include "elog/mudlogimport.h"
#include "elog/mudlogtargets.h"
#include "layout/custchartcfg.h"
#include "elog/picturewindow.h"
#include "elog/tvdtargets.h"
#include "platform/services.h"
#include "platform/winapi.h"
#include "wellfile/profile.h"
#include "wellfile/wholefile.h"

#include <QFile>

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
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
namespace {
// The whole LAS file as text; none when it cannot be read whole.
std::optional<std::string> ReadLasFile(const QString& path)
{
    const std::optional<QByteArray> bytes = wellfile::ReadWholeFile(path);
    return bytes ? std::optional<std::string>(bytes->toStdString()) : std::nullopt;
}

// The column map the dialog filled: one int32 a target.
LasImportInput ImportInput(const LasHeader& header, std::span<const std::byte> columnMap, float bitSize)
{
    LasImportInput in;
    in.header = header;
    std::memcpy(in.map, columnMap.data(), std::min(columnMap.size(), sizeof in.map));
    in.bitSize = bitSize;
    return in;
}

void Report(const LasImportResult& r)
{
    platform::MessageBox(r.message, r.caption, platform::MB_OK);
}
}  // namespace

int ElogServices::ReadLasHeader(app::LogState& log, const QString& lasPath, LasHeader& header, float& bitSize)
{
    const std::optional<std::string> text = ReadLasFile(lasPath);
    if (!text) {
        platform::MessageBox(QStringLiteral("Invalid Source"), lasPath, platform::MB_OK);
        return kLasReported;
    }
    LasHeaderExtra extra;
    const int read = ReadLasHeaderText(*text, lasPath, header, extra);
    bitSize = extra.bitSize;
    if (read != kLasRead)
        return read;
    // Data that cannot be imported are refused before any column is mapped.
    if (const std::optional<LasImportResult> problem = CheckLasData(*text)) {
        Report(*problem);
        return kLasReported;
    }
    // Depths in the other unit would land at the wrong records: imported only when the user says so.
    const bool metric = wellfile::MetricProfile(log.well.loggerId, log.well.config.rateUnitPerHour);
    const std::string& unit = extra.depthUnit;
    const bool lasFeet = unit == "F" || unit == "FT" || unit == "FEET";
    const bool lasMetres = unit == "M" || unit == "METRES" || unit == "METERS";
    if ((metric && lasFeet) || (!metric && lasMetres)) {
        const QString text = QStringLiteral("The LAS depths are in %1, the well's depths in %2.\nImport anyway?")
                                 .arg(QString::fromStdString(unit), metric ? QStringLiteral("M") : QStringLiteral("F"));
        if (platform::MessageBox(text, QStringLiteral("Depth Units"), platform::MB_YESNO) != platform::IDYES)
            return kLasReported;
    }
    return kLasRead;
}
int ElogServices::ReadLasData(app::LogState& log, const QString& lasPath)
{
    std::optional<std::string> text = ReadLasFile(lasPath);
    if (!text)
        return 0;
    if (text->empty()) {
        platform::MessageBox(QStringLiteral("The LAS file is empty"), QStringLiteral("FILE ERROR"), platform::MB_OK);
        return 0;
    }
    if (!LasCurveList(*text)) {
        platform::MessageBox(QStringLiteral("No Data"), QStringLiteral("FILE ERROR"), platform::MB_OK);
        return 0;
    }
    EnsureCurves(log);
    log.engines.elogCurves->lasText = std::move(*text);
    return 1;
}
// The dialog needs a window: the window's services run it.
int ElogServices::RunImportDialog(app::LogState&, const QString&, const QString&, LasHeader&, std::span<std::byte>, int)
{
    return platform::IDCANCEL;
}
void ElogServices::ImportLas(app::LogState& log, const QString& lasPath, const QString& curveFile, const LasHeader& header,
                             std::span<const std::byte> columnMap, float bitSize)
{
    const std::optional<std::string> text = ReadLasFile(lasPath);
    if (!text)
        return;
    LasImportInput in = ImportInput(header, columnMap, bitSize);
    in.depthColumn = std::max(1, LasDepthColumn());
    Curves* curves = log.engines.elogCurves.get();
    float kb = curves ? curves->kbElevation : 0.0f;
    if (kb < 1.0f && header.ekb > 0.0f)
        kb = header.ekb;
    if (curves)
        curves->kbElevation = kb;
    in.kb = kb;
    const LasImportResult r = BuildCurveFile(*text, in);
    if (!r.message.isEmpty())
        Report(r);
    else if (!wellfile::WriteWholeFile(curveFile, r.bytes.constData(), std::size_t(r.bytes.size())))
        platform::MessageBox(QStringLiteral(" open failed"), QStringLiteral("las test"), platform::MB_OK);
}
void ElogServices::MergeLas(app::LogState& log, const QString& lasPath, const QString& curveFile, const LasHeader& header,
                            std::span<const std::byte> columnMap, float bitSize)
{
    const std::optional<std::string> text = ReadLasFile(lasPath);
    std::optional<QByteArray> old;
    if (!text || !wellfile::ReadSideFile(curveFile, old) || !old) {
        platform::MessageBox(QStringLiteral("Open failed"), QStringLiteral("Import las "), platform::MB_OK);
        return;
    }
    LasImportInput in = ImportInput(header, columnMap, bitSize);
    Curves* curves = log.engines.elogCurves.get();
    float kb = curves ? curves->kbElevation : 0.0f;
    if (kb < 1.0f || kb == header.nullValue)
        kb = header.ekb > 0.0f ? header.ekb : log.well.kbElevation;
    if (curves)
        curves->kbElevation = kb;
    in.kb = kb;
    const LasImportResult r = MergeCurveFile(*text, in, *old);
    if (!r.message.isEmpty())
        Report(r);
    else if (!wellfile::WriteWholeFile(curveFile, r.bytes.constData(), std::size_t(r.bytes.size())))
        platform::MessageBox(QStringLiteral("Open failed"), QStringLiteral("Import las "), platform::MB_OK);
}
void ElogServices::ImportAscii(app::LogState& log, const QString& lasPath, const LasHeader& header,
                               std::span<const std::byte> columnMap)
{
    std::int32_t map[kMudlogMapEntries] = {};
    std::memcpy(map, columnMap.data(), std::min(columnMap.size(), sizeof map));
    if (ImportMudlogFile(log.well.file, log.well.fit, lasPath, header, map) == 0)
        return;
    // What the window shows of the files is read again.
    log.customTracks.rows.clear();
    if (log.well.fit.dataEnabled && log.customTracks.data && !log.customTracks.data->extRecords.empty())
        log.customTracks.data->LoadExtRecords();
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
