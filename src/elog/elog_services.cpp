#include "elog/elog_services.h"

#include "app/elogoffset.h"
#include "app/layouthosts.h"
#include "app/logstate.h"
#include "app/nowindow.h"
#include "app/wellservices.h"
#include "elog/curveset.h"
#include "elog/lasread.h"
#include "elog/mudlogimport.h"
#include "elog/mudlogtargets.h"
#include "elog/schemehost.h"
#include "layout/custchartcfg.h"
#include "elog/picturewindow.h"
#include "elog/tvdtargets.h"
#include "logview/draw/neighbourpainters.h"
#include "platform/services.h"
#include "platform/winapi.h"
#include "tracks/autolith.h"
#include "wellfile/wholefile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <utility>

namespace elog {

namespace {

class Windowless final : public ElogServices {
public:
    void CmSaveAsImage(app::LogState&) override { app::NoWindowCommand("elog", "CmSaveAsImage"); }
    void CreateLasFile(app::LogState&) override { app::NoWindowCommand("elog", "CreateLasFile"); }
};
}  // namespace

void ElogServices::EnsureCurves(app::LogState& log)
{
    if (log.engines.elogCurves)
        return;
    log.engines.elogCurves =
        std::make_unique<Curves>(CurveOwnerOf(log.well, log.layout.format.alternateFormat, log.well.elogFileName));
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

int ElogServices::ReadLasHeader(app::LogState&, const QString& lasPath, LasHeader& header, float& bitSize)
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
    // Depths past the deepest an import fills would come to nothing after the dialog.
    if (std::min(header.start, header.stop) > kMaxLasDepth) {
        platform::MessageBox(QStringLiteral("The depths of %1 run from %2 to %3, beyond %4, the deepest depth the "
                                            "program imports.\nNothing was imported.")
                                 .arg(QFileInfo(lasPath).fileName())
                                 .arg(std::min(header.start, header.stop))
                                 .arg(std::max(header.start, header.stop))
                                 .arg(kMaxLasDepth),
                             QStringLiteral("Import Error"), platform::MB_OK);
        return kLasReported;
    }
    // Every well's depths are metres (what our own export writes): feet would land at the wrong records,
    // so they are imported only when the user says so.
    const std::string& unit = extra.depthUnit;
    if (unit == "F" || unit == "FT" || unit == "FEET") {
        const QString text = QStringLiteral("The LAS depths are in %1, the well's depths in M.\nImport anyway?")
                                 .arg(QString::fromStdString(unit));
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
void ElogServices::RunWaterSaturation(app::LogState&, std::int32_t) { app::NoWindowCommand("elog", "SWDlg"); }
int ElogServices::ShowElogReadout(app::LogState&, std::int32_t)
{
    app::NoWindowCommand("elog", "SWDlg2");
    return 0;
}
void ElogServices::ImportImagesFromFolder(app::LogState& log, const QString& folder, const QString& wellName)
{
    elog::ImportImagesFromFolder(log.well.file, folder, wellName);
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
    static Windowless services;
    return services;
}

namespace {

// The set goes without a file behind it: its curves are switched off in the scheme first, and the menu
// is rebuilt only once it is gone, so no e-log item stays.
void DropCurves(app::LogState& s, app::WindowServices& window)
{
    if (!s.engines.elogCurves)
        return;
    for (int k = 0; k <= 16; ++k)
        s.engines.elogCurves->pens[std::size_t(k)].on = 0;
    elog::ReapplyScheme(s);
    CloseElog(s);
    window.RebuildMenu(s);
}

}  // namespace

void PublishCurves(app::LogState& s)
{
    Curves* curves = s.engines.elogCurves.get();
    const tracks::ElogView* view = nullptr;
    tracks::AutomaticLith lith;
    if (curves) {
        view = &curves->View(s.well.elogDepthOffset);
        lith = tracks::MakeAutomaticLith(view, s.well.file.fileTopDepth, tracks::ElogLithThresholdsOf(s.well.config));
        s.depthMatch.elogKbElevation = curves->kbElevation;
    }
    if (s.view.painters) {
        s.view.painters->SetElogCurves(view, std::move(lith));
        s.view.painters->SetElogOutline(curves);
    }
    s.view.elogShown = ElogShown(s.engines, s.layout);
}

void CloseElog(app::LogState& s)
{
    // The painters let go of the rows before they are freed.
    std::shared_ptr<Curves> old = std::move(s.engines.elogCurves);
    PublishCurves(s);
}

int LoadElog(app::LogState& s, app::WindowServices& window, const QString& curveFile)
{
    if (curveFile.isEmpty() || !QFileInfo(curveFile).isFile()) {
        DropCurves(s, window);
        return 1;
    }
    CloseElog(s);
    std::unique_ptr<Curves> curves;
    try {
        curves = std::make_unique<Curves>(CurveOwnerOf(s.well, s.layout.format.alternateFormat, curveFile));
    } catch (const std::bad_alloc&) {
        platform::MessageBox(QStringLiteral("Elog Data Not Loaded"), QStringLiteral("Memory Allocation Error"),
                             platform::MB_OK);
        window.RebuildMenu(s);
        return 0;
    }
    if (!curves->LoadCurveFile(curveFile)) {
        // Nothing half-loaded stays: the window goes on without curves.
        elog::ReapplyScheme(s);
        window.RebuildMenu(s);
        return 1;
    }
    s.engines.elogCurves = std::move(curves);
    if (!s.view.holdRepaint)
        window.RebuildMenu(s);
    app::LoadElogOffset(s, curveFile);
    elog::ReapplyScheme(s);
    Curves& c = *s.engines.elogCurves;
    if (s.layout.format.alternateFormat)
        c.loadedInAlternateLayout = 1;
    // The well's own KB setting wins, so the title row and the curves never disagree.
    if (s.well.kbElevation > 0.0f)
        c.kbElevation = s.well.kbElevation;
    PrepareCurveDrawing(s.engines, s.layout);
    PublishCurves(s);
    return 1;
}

void LinkElogToScheme(app::LogState& s, const QString& curveFile)
{
    s.well.elogFileName = curveFile;
    elog::ShowElogInSchemes(s);
    app::SaveElogOffset(s, curveFile);
    s.view.Invalidate();
}

}  // namespace elog

// The default of the view's services: publishing the curve set is this subsystem's own work.
void app::ViewServices::PublishCurves(app::LogState& log) { elog::PublishCurves(log); }

// The defaults of the view's services: the pictures are this subsystem's own work.
void app::ViewServices::ImportNewImages(app::LogState& log, const QString& wellName)
{
    elog::ImportNewImages(log.pictures, log.well.file, log.witsChart, wellName);
}
void app::ViewServices::LoadImageList(app::LogState& log)
{
    elog::LoadImageList(log.pictures, log.well.file, log.witsChart, log.view);
}
