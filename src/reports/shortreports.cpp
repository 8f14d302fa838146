#include "reports/shortreports.h"

#include "app/wellstate.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "reports/shortreportsave.h"
#include "reports/shortreportslots.h"
#include "wellfile/wholefile.h"

#include <QFile>

#include <algorithm>
#include <cstring>
#include <new>

namespace reports {

QString ShortReportFilePath(const QString& folder, const QString& wellName)
{
    return platform::FindFileNoCase(folder, wellName + QStringLiteral(".qpt"));
}

std::optional<std::vector<wellfile::QREPORT>> ReadShortReportFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    try {
        std::vector<wellfile::QREPORT> reports(std::size_t(f.size() / wellfile::kShortReportSize));
        const qint64 wanted = qint64(reports.size()) * wellfile::kShortReportSize;
        const qint64 got = wanted > 0 ? f.read(reinterpret_cast<char*>(reports.data()), wanted) : 0;
        // A read cut short keeps the records it brought whole.
        reports.resize(std::size_t(std::max<qint64>(got, 0) / wellfile::kShortReportSize));
        return reports;
    } catch (const std::bad_alloc&) {
        platform::MessageBox(QStringLiteral("QREPORT ALLOCATION FAILED"), QStringLiteral("Report info"));
        return std::nullopt;
    }
}

void SortShortReports(std::span<wellfile::QREPORT> reports)
{
    std::stable_sort(reports.begin(), reports.end(),
                     [](const wellfile::QREPORT& a, const wellfile::QREPORT& b) { return a.depth < b.depth; });
    for (std::size_t i = 0; i < reports.size(); ++i)
        reports[i].number = std::int32_t(i + 1);
}

bool WriteShortReportFile(const QString& path, std::span<const wellfile::QREPORT> reports)
{
    return wellfile::WriteWholeFile(path, reports.data(), reports.size_bytes());
}

namespace {

QString PathOf(const app::WellState& well)
{
    return ShortReportFilePath(well.file.currentFolder, well.file.wellName);
}

}  // namespace

void LoadShortReports(ShortReportState& state, const app::WellState& well, bool remoteMonitorOn)
{
    std::optional<std::vector<wellfile::QREPORT>> read = ReadShortReportFile(PathOf(well));
    state.reports = read ? std::move(*read) : std::vector<wellfile::QREPORT>{};
    // The boxes of the last paint stood for the reports read before; the next paint lists them again.
    state.mechanical.Clear();
    state.mud.Clear();
    // A monitoring station only watches the rig's files: the rig converts its own and sends it on.
    if (remoteMonitorOn)
        return;
    // The log layout keeps no column multiplier; its default 0 holds.
    constexpr std::int32_t kColumnMultiplier = 0;
    if (ConvertShortReportSlots(state.reports, well.loggerId, kColumnMultiplier))
        SaveShortReports(state, well);
}

bool SaveShortReports(ShortReportState& state, const app::WellState& well)
{
    std::vector<wellfile::QREPORT>& reports = state.reports;
    SortShortReports(reports);
    if (!WriteShortReportFile(PathOf(well), reports)) {
        platform::MessageBox(QStringLiteral("File Save Error"), QStringLiteral(" Short Report"));
        return false;
    }
    const wellfile::OpenWell& f = well.file;
    if (f.drilling && f.copyOut && f.hooks.copyWellFileOut)
        f.hooks.copyWellFileOut(QStringLiteral(".qpt"));
    return true;
}

bool ChangeShortReport(ShortReportState& state, const app::WellState& well, bool remoteMonitorOn, std::size_t index,
                       const std::function<void(wellfile::QREPORT&)>& change)
{
    if (index >= state.reports.size())
        return false;
    const wellfile::QREPORT known = state.reports[index];
    std::optional<std::vector<wellfile::QREPORT>> file = ReadShortReportFile(PathOf(well));
    const auto same = [&known](const wellfile::QREPORT& r) { return std::memcmp(&r, &known, sizeof r) == 0; };
    if (!file) {
        state.reports.clear();
        return false;
    }
    // The record at its own place first, else the first one like it.
    auto at = file->begin() + std::ptrdiff_t(std::min(index, file->size()));
    if (at == file->end() || !same(*at))
        at = std::find_if(file->begin(), file->end(), same);
    if (at == file->end()) {
        state.reports = std::move(*file);
        return false;
    }
    change(*at);
    state.reports = std::move(*file);
    const bool saved = SaveShortReports(state, well);
    LoadShortReports(state, well, remoteMonitorOn);  // the file's order and numbers, or its old content after a failure
    return saved;
}

void TruncateShortReports(ShortReportState& state, const app::WellState& well)
{
    if (std::optional<std::vector<wellfile::QREPORT>> kept = TruncateShortReportFile(PathOf(well), well.file.fileBottomDepth))
        state.reports = std::move(*kept);
}

}  // namespace reports
