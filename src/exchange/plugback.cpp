#include "exchange/plugback.h"

#include "app/opendatafile.h"
#include "app/wellstate.h"
#include "elog/curves.h"
#include "elog/pictures.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "wellfile/datafile.h"
#include "wellfile/deletefiles.h"
#include "wellfile/reportconversion.h"
#include "wellfile/reportindex.h"
#include "wellfile/reportrecords.h"
#include "wellfile/sidefiles_reports.h"
#include "wellfile/wellheader.h"
#include "wellfile/wholefile.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace exchange {

namespace {

const QString kReportCaption = QStringLiteral("Report");

}  // namespace

QString WellPictureFolder(const wellfile::OpenWell& well)
{
    const QString bitmaps = platform::FindFileNoCase(well.dataFolder, QStringLiteral("Bitmaps"));
    return platform::JoinPath(bitmaps, well.wellName) + u'/';
}

QString WellCurveFile(const wellfile::OpenWell& well)
{
    const QString curves = platform::FindFileNoCase(well.currentFolder, well.wellName + QStringLiteral(".svc"));
    return QFileInfo(curves).isFile() ? curves : QString();
}

void CutCurveFileAtDepth(const QString& curves, std::int32_t depth)
{
    if (!elog::Curves::SetCurveFileSize(curves, depth))
        platform::MessageBox(curves + QStringLiteral("\nThe curve file could not be cut"),
                             QStringLiteral("Curve File Error"));
}

int CopyPicturesBelowDepth(const QString& oldFolder, const QString& newFolder, const QString& newWell,
                           std::int32_t depth)
{
    QDir().mkpath(newFolder);
    int copied = 0;
    for (const QString& name : QDir(oldFolder).entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name)) {
        // Only a name with a depth after its "@" ("W@2100-1.jpg") is copied, and renamed from there on.
        const std::int32_t at = elog::PictureDepth(name);
        if (!name.contains(u'@') || at <= 0 || at > depth)
            continue;
        const QString rest = name.mid(name.indexOf(u'@'));
        const QString to = platform::JoinPath(newFolder, newWell + rest);
        if (wellfile::CopyFileReplacing(platform::JoinPath(oldFolder, name), to))
            ++copied;
    }
    return copied;
}

int CutReportsAtDepth(const wellfile::WellPlace& place, std::int32_t depth, bool* rewritten)
{
    const QString path = platform::FindFileNoCase(place.currentFolder, place.wellName + QStringLiteral(".rpt"));
    if (!QFileInfo(path).isFile())
        return 1;
    std::optional<wellfile::LoadedRecords<wellfile::REPORTEX>> loaded = wellfile::LoadReportsEx(place, wellfile::ConvertReports);
    if (!loaded || loaded->records.empty())
        return 1;  // an unreadable file is left as it is
    std::vector<wellfile::REPORTEX>& records = loaded->records;
    records.pop_back();  // the loader's spare record
    std::size_t cut = 0;
    while (cut < records.size() && records[cut].depth <= float(depth))
        ++cut;
    if (cut == records.size())
        return 1;
    records[cut].depth = float(depth);
    records.resize(cut + 1);
    if (!wellfile::WriteWholeFile(path, records.data(), records.size() * sizeof(wellfile::REPORTEX))) {
        platform::MessageBox(QStringLiteral("Report File Error"), kReportCaption);
        return 0;
    }
    if (rewritten)
        *rewritten = true;
    return 1;
}

int CutShowsAtDepth(const wellfile::WellPlace& place, std::int32_t depth, bool* rewritten)
{
    const QString path = platform::FindFileNoCase(place.currentFolder, place.wellName + QStringLiteral(".sho"));
    if (!QFileInfo(path).isFile())
        return 1;
    std::optional<wellfile::LoadedRecords<wellfile::SHOWREPORT>> loaded = wellfile::LoadShows(place, wellfile::ConvertShows);
    if (!loaded || loaded->records.empty())
        return 1;
    loaded->records.pop_back();  // the loader's spare record
    std::vector<wellfile::SHOWREPORT> kept;
    for (const wellfile::SHOWREPORT& show : loaded->records) {
        std::int32_t second = 0;
        if (wellfile::ShowRecordDepth(show, second) <= depth)
            kept.push_back(show);
    }
    if (kept.size() == loaded->records.size())
        return 1;
    if (kept.empty())
        return wellfile::DeleteFiles(path) ? 1 : 0;
    if (!wellfile::WriteWholeFile(path, kept.data(), kept.size() * sizeof(wellfile::SHOWREPORT))) {
        platform::MessageBox(QStringLiteral(" Show Report File Error"), kReportCaption);
        return 0;
    }
    if (rewritten)
        *rewritten = true;
    return 1;
}

void CutPlugBackSideFiles(const app::WellState& well, const QString& oldPictures, std::int32_t depth)
{
    const wellfile::OpenWell& f = well.file;
    CopyPicturesBelowDepth(oldPictures, WellPictureFolder(f), f.wellName, depth);
    const wellfile::WellPlace place = app::PlaceOf(well);
    bool reports = false, shows = false;
    CutReportsAtDepth(place, depth, &reports);
    CutShowsAtDepth(place, depth, &shows);
    if (!f.copyOut || !f.hooks.copyWellFileOut)
        return;
    if (reports)
        f.hooks.copyWellFileOut(QStringLiteral(".rpt"));
    if (shows)
        f.hooks.copyWellFileOut(QStringLiteral(".sho"));
}

void ReadBackPlugBackWell(app::WellState& well)
{
    const wellfile::WellPlace place = app::PlaceOf(well);
    wellfile::WellHeader header{};
    if (wellfile::ReadHeader(header, place))
        wellfile::SaveHeader(header, place);
    wellfile::LoadShowDepthIndex(place, well.showDepthIndex, wellfile::ConvertShows);
    wellfile::LoadReportDepthIndex(place, well.reportDepthIndex);
    wellfile::ScanRecords(well.file);
}

}  // namespace exchange
