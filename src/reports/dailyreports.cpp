#include "wellfile/reportconversion.h"
#include "reports/dailyreports.h"

#include "platform/folders.h"
#include "platform/services.h"
#include "wellfile/sidefiles_reports.h"
#include "wellfile/wholefile.h"

#include <QFileInfo>

namespace reports {

namespace {

QString ReportPath(const wellfile::WellPlace& place)
{
    return platform::FindFileNoCase(place.currentFolder, place.wellName + QStringLiteral(".rpt"));
}

}  // namespace

std::optional<std::vector<wellfile::REPORTEX>> LoadDailyReports(const wellfile::WellPlace& place)
{
    if (!QFileInfo::exists(ReportPath(place)))
        return std::vector<wellfile::REPORTEX>(1);
    std::optional<wellfile::LoadedRecords<wellfile::REPORTEX>> loaded = wellfile::LoadReportsEx(place, wellfile::ConvertReports);
    if (!loaded)
        return std::nullopt;
    return std::move(loaded->records);
}

bool SaveDailyReports(const wellfile::WellPlace& place, std::span<const wellfile::REPORTEX> reports)
{
    if (wellfile::WriteWholeFile(ReportPath(place), reports.data(), reports.size_bytes()))
        return true;
    platform::MessageBox(QStringLiteral("File Error"), QStringLiteral("Report"));
    return false;
}

}  // namespace reports
