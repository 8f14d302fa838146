#include "reports/shortreportsave.h"

#include "platform/text.h"
#include "reports/reportfields.h"
#include "reports/shortreports.h"
#include "wellfile/datafile.h"
#include "wellfile/openwell.h"
#include "wellfile/wholefile.h"

#include <QDir>
#include <QFileInfo>

#include <array>
#include <cstdint>

namespace reports {

namespace {

constexpr std::int32_t kFirstWrittenIndex = 25;  // the records after it take the weights
constexpr float kMaxMudWeight = 20.0f;

}  // namespace

std::optional<float> TypedMudWeight(const char* text, std::size_t width)
{
    const std::string typed = platform::FieldText(text, width);
    std::size_t run = 0;
    while (run < typed.size() && ((typed[run] >= '0' && typed[run] <= '9') || typed[run] == '.'))
        ++run;
    if (run == 0)
        return std::nullopt;
    const float value = LeadingFloat(std::string_view(typed).substr(0, run));
    if (!(value >= 0 && value <= kMaxMudWeight))
        return std::nullopt;
    return value;
}

MudWeightWrite WriteReportMudWeights(wellfile::OpenWell& well, const wellfile::QREPORT& r)
{
    const bool typedOut = r.weightOut[0] != '\0';
    const bool typedIn = r.weightIn[0] != '\0';
    const std::int32_t step = well.depthStep > 0 ? well.depthStep : 1;
    const std::int64_t index = (std::int64_t(r.depth) - well.fileTopDepth) / step;
    if ((!typedOut && !typedIn) || index <= kFirstWrittenIndex || index > INT32_MAX)
        return MudWeightWrite::NotAsked;
    const std::optional<float> out = TypedMudWeight(r.weightOut, sizeof r.weightOut);
    const std::optional<float> in = TypedMudWeight(r.weightIn, sizeof r.weightIn);
    if (!out && !in)
        return MudWeightWrite::Unchanged;
    std::array<wellfile::RECORD, 2> rows{};
    if (wellfile::ReadRecords(well, rows, well.dataFileName, int(index), 1) != 1)
        return MudWeightWrite::Failed;
    if (out)
        rows[0].mudWeightOut = *out;
    if (in)
        rows[0].mudWeightIn = *in;
    return wellfile::SaveRecords(well, std::span(rows).first(1), well.dataFileName, int(index), 1) == 1
               ? MudWeightWrite::Written
               : MudWeightWrite::Failed;
}

bool BackupShortReportFile(const QString& folder, const QString& wellName)
{
    const QString backup = folder + QStringLiteral("backup/");
    if (!QDir().mkpath(backup))
        return false;
    return wellfile::CopyFileReplacing(ShortReportFilePath(folder, wellName),
                                       backup + wellName + QStringLiteral(".qpt"));
}

std::optional<std::vector<wellfile::QREPORT>> TruncateShortReportFile(const QString& path, std::int32_t lastDepth)
{
    std::optional<std::vector<wellfile::QREPORT>> reports = ReadShortReportFile(path);
    if (!reports)
        return std::nullopt;
    // Reports appended out of order (a daily report's short report after a plug back) are sorted
    // first, so that a shallow one behind a deep one is kept.
    SortShortReports(*reports);
    std::size_t kept = 0;
    while (kept < reports->size() && (*reports)[kept].depth <= lastDepth)
        ++kept;
    if (kept == reports->size())
        return reports;
    const std::span<const wellfile::QREPORT> cut(reports->data(), kept);
    if (WriteShortReportFile(path, cut))
        reports->resize(kept);
    return reports;
}

}  // namespace reports
