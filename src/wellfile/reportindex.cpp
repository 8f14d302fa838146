#include "wellfile/reportindex.h"

#include "platform/folders.h"
#include "platform/numbers.h"
#include "platform/text.h"
#include "wellfile/sidefiles_reports.h"
#include "wellfile/wholefile.h"

#include <QFile>
#include <QFileInfo>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace wellfile {

using wellfile::DSTREPORT;
using wellfile::REPORT;
using wellfile::REPORTEX;
using wellfile::SHOWREPORT;

namespace {

QString SidePath(const WellPlace& place, const char* extension)
{
    return platform::FindFileNoCase(place.currentFolder, place.wellName + QLatin1String(extension));
}

// At most `count` whole records of `path`, read in one go.
template <class Record>
std::vector<Record> LeadingRecords(const QString& path, std::size_t count)
{
    std::vector<Record> records(count);
    const long long got = ReadFilePrefix(path, records.data(), count * sizeof(Record));
    records.resize(got > 0 ? std::size_t(got) / sizeof(Record) : 0);
    return records;
}

}  // namespace

std::int32_t ShowRecordDepth(const SHOWREPORT& record, std::int32_t& second)
{
    // strtok-style: the first part ends at a blank, '-' or 't'; the second at a blank; the rest is
    // the third. Skipping leading separators as strtok does.
    const std::string text = platform::FieldText(record.interval);
    std::size_t pos = text.find_first_not_of(" -t");
    if (pos == std::string::npos)
        return 0;
    std::size_t end = text.find_first_of(" -t", pos);
    const std::string first = text.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
    if (end == std::string::npos)
        return 0;
    pos = text.find_first_not_of(' ', end + 1);
    if (pos == std::string::npos)
        return 0;
    end = text.find(' ', pos);
    if (end == std::string::npos)
        return 0;
    const std::string rest = text.substr(end + 1);
    if (rest.empty())
        return 0;
    second = platform::LeadingInt(rest);
    return platform::LeadingInt(first);
}

void LoadShowDepthIndex(const WellPlace& place, ShowDepthIndex& index, const ConvertShowsFn& convert)
{
    index.fill(0);
    // Through the show loader, which brings an old-layout file to today's first.
    const auto shows = LoadShows(place, convert);
    if (!shows)
        return;
    const std::size_t n = std::min<std::size_t>(shows->records.size(), index.size());
    for (std::size_t i = 0; i < n; ++i) {
        std::int32_t second = 0;
        index[i] = ShowRecordDepth(shows->records[i], second);
    }
}

void LoadDstDepthIndex(const WellPlace& place, DstDepthIndex& index)
{
    index.fill(0);
    const QString path = SidePath(place, ".dst");
    // An old file is read in its own layout, as the report index reads one, and never rewritten here.
    if (IsOldDstLength(QFileInfo(path).size())) {
        const auto tests = LeadingRecords<wellfile::OLDDSTREPORT>(path, index.size());
        for (std::size_t i = 0; i < tests.size(); ++i)
            index[i] = platform::LeadingInt(platform::FieldText(tests[i].fromDepth));
        return;
    }
    const auto tests = LeadingRecords<DSTREPORT>(path, index.size());
    for (std::size_t i = 0; i < tests.size(); ++i)
        index[i] = platform::LeadingInt(platform::FieldText(tests[i].fromDepth));
}

void LoadReportDepthIndex(const WellPlace& place, ReportDepthIndex& index)
{
    index.fill(0);
    const QString path = SidePath(place, ".rpt");
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = f.readAll();
    if (IsOldReportFile(bytes)) {
        const std::size_t n = std::min<std::size_t>(std::size_t(bytes.size()) / sizeof(REPORT), index.size());
        for (std::size_t i = 0; i < n; ++i) {
            std::uint16_t depth = 0;
            std::memcpy(&depth, bytes.constData() + i * sizeof(REPORT) + offsetof(REPORT, depth), sizeof depth);
            index[i] = depth;
        }
        return;
    }
    const std::size_t n = std::min<std::size_t>(std::size_t(bytes.size()) / sizeof(REPORTEX), index.size());
    for (std::size_t i = 0; i < n; ++i) {
        float depth = 0;
        std::memcpy(&depth, bytes.constData() + i * sizeof(REPORTEX) + offsetof(REPORTEX, depth), sizeof depth);
        index[i] = platform::Whole(depth);
    }
}

}  // namespace wellfile
