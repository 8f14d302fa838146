#include "wellfile/reportconversion.h"
#include "reports/showreport.h"

#include "platform/folders.h"
#include "platform/numbers.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/fileattrs.h"
#include "wellfile/profile.h"
#include "wellfile/sidefiles_reports.h"
#include "wellfile/wholefile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace reports {

namespace {

constexpr int kRecordBytes = int(sizeof(wellfile::RECORD));

// Running sums of one side of the interval.
struct Sums {
    float rate = 0;
    float gas[7] = {};  // TG, C1, C2, C3, IC4, NC4, C5
    int records = 0;
    void Add(const wellfile::RECORD& r)
    {
        rate += r.rate2Ft;
        for (int i = 0; i < 7; ++i)
            gas[i] += r.gas[i];
        ++records;
    }
    // The mean of what was added; no record gives 0.
    float Mean(float sum) const { return records > 0 ? sum / float(records) : 0.0f; }
};

void WriteGasRow(char (&row)[6][10], char (&c5)[10], const float (&gas)[7], const ShowFillSettings& s)
{
    if (!ShowGasAsFractions(s)) {
        for (int i = 0; i < 6; ++i)
            platform::SetFieldText(row[i], platform::CFormat("%d", int(gas[i])));
        platform::SetFieldText(c5, platform::CFormat("%d", int(gas[6])));
        return;
    }
    platform::SetFieldText(row[0], platform::CFormat("%d", int(gas[0])));
    for (int i = 1; i < 6; ++i)
        platform::SetFieldText(row[i], platform::CFormat("%2.2f", double(gas[i] / s.divisors[std::size_t(i)])));
}

std::string RateText(float average, const ShowFillSettings& s)
{
    if (ShowRatesPerHour(s))
        return platform::CFormat("%-4.1f M/hr", double(60.0f / (average > 0 ? average : 1.0f)));
    return platform::CFormat("%-4.1f min/M", double(average));
}

int Leading(const char (&field)[10]) { return platform::LeadingInt(platform::FieldText(field)); }

}  // namespace

bool ShowGasAsFractions(const ShowFillSettings& s)
{
    return s.calibratedGas || wellfile::ShowReportFractionsProfile(s.profile);
}

bool ShowRatesPerHour(const ShowFillSettings& s)
{
    return s.ratesPerHour || wellfile::ShowReportFractionsProfile(s.profile);
}

std::array<float, 6> ShowGasDivisors(const wellfile::RECORD* last)
{
    std::array<float, 6> d{1, 1, 1, 1, 1, 1};
    if (last)
        for (std::size_t i = 1; i < d.size(); ++i)
            d[i] = last->testGas[i] > 0.0f ? last->testGas[i] : 1.0f;
    return d;
}

std::int32_t ShowTopDepth(const wellfile::SHOWREPORT& show)
{
    const std::string text = platform::FieldText(show.interval);
    const std::size_t start = text.find_first_not_of(" -");
    if (start == std::string::npos)
        return 0;
    return platform::LeadingInt(text.substr(start, text.find_first_of(" -", start) - start));
}

void SumTotalGas(wellfile::SHOWREPORT& show)
{
    for (auto* row : {&show.gasAbove, &show.gasDuring, &show.gasAfter}) {
        int sum = 0;
        for (int i = 1; i < 6; ++i)
            sum += Leading((*row)[i]);
        platform::SetFieldText((*row)[0], platform::CFormat("%d", sum));
    }
}

void StartShow(wellfile::SHOWREPORT& show, std::int32_t top, std::int32_t bottom, const wellfile::SHOWREPORT* previous,
               const std::string* company, const std::string* well)
{
    show = wellfile::SHOWREPORT{};
    if (company)
        platform::SetFieldText(show.company, *company);
    if (well)
        platform::SetFieldText(show.well, *well);
    platform::SetFieldText(show.interval, platform::CFormat(" %5d to %5d", int(top), int(bottom)));
    show.number = previous ? std::uint16_t(previous->number + 1) : 1;
}

bool FillShowFromRecords(wellfile::SHOWREPORT& show, const QString& path, std::int32_t firstDepth, std::int32_t lastDepth,
                         std::int32_t top, std::int32_t bottom, const ShowFillSettings& settings)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        platform::MessageBox(QStringLiteral("Show File Open failed"), QStringLiteral("Error"));
        return false;
    }
    const std::int64_t start = std::max<std::int64_t>(0, std::int64_t(top) - 10 - firstDepth);
    file.seek(start * kRecordBytes);
    const std::int32_t evenLast = lastDepth - lastDepth % 2;
    Sums above, after, during;
    float duringGas[7] = {};
    wellfile::RECORD r;
    while (file.read(reinterpret_cast<char*>(&r), kRecordBytes) == kRecordBytes) {
        if (r.depth < top) {
            above.Add(r);
        } else if (r.depth > bottom) {
            after.Add(r);
        } else if (r.depth > top) {
            if (r.gas[0] > duringGas[0])
                std::copy(r.gas, r.gas + 7, duringGas);
            during.rate += r.rate2Ft;
            ++during.records;
        }
        if (r.depth == evenLast || r.depth >= bottom + 10)
            break;
    }
    float aboveGas[7], afterGas[7];
    for (int i = 0; i < 7; ++i) {
        aboveGas[i] = above.Mean(above.gas[i]);
        afterGas[i] = after.Mean(after.gas[i]);
    }
    WriteGasRow(show.gasAbove, show.gasAboveC5, aboveGas, settings);
    WriteGasRow(show.gasDuring, show.gasDuringC5, duringGas, settings);
    WriteGasRow(show.gasAfter, show.gasAfterC5, afterGas, settings);
    platform::SetFieldText(show.ropAbove, RateText(above.Mean(above.rate), settings));
    platform::SetFieldText(show.ropDuring, RateText(during.Mean(during.rate), settings));
    platform::SetFieldText(show.ropAfter, RateText(after.Mean(after.rate), settings));
    return true;
}

std::optional<std::vector<wellfile::SHOWREPORT>> LoadShowFile(const wellfile::WellPlace& place, bool* unreadable)
{
    if (unreadable)
        *unreadable = false;
    const QString path = platform::FindFileNoCase(place.currentFolder, place.wellName + QStringLiteral(".sho"));
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    auto loaded = wellfile::LoadShows(place, wellfile::ConvertShows);
    if (!loaded || !QFile(path).open(QIODevice::ReadOnly)) {
        if (unreadable)
            *unreadable = true;
        return std::nullopt;
    }
    // Only whole records count: a torn tail is no show.
    const std::size_t whole = std::size_t(QFileInfo(path).size() / wellfile::kShowSize);
    std::vector<wellfile::SHOWREPORT> shows = std::move(loaded->records);
    shows.resize(std::min(whole, shows.size()));
    if (shows.empty())
        return std::nullopt;
    return shows;
}

bool SaveShowFile(const wellfile::WellPlace& place, std::vector<wellfile::SHOWREPORT>& shows, int& current)
{
    std::vector<std::size_t> order(shows.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return ShowTopDepth(shows[a]) < ShowTopDepth(shows[b]);
    });
    std::vector<wellfile::SHOWREPORT> sorted;
    sorted.reserve(shows.size());
    int shown = current;
    for (std::size_t i = 0; i < order.size(); ++i) {
        sorted.push_back(shows[order[i]]);
        sorted.back().number = std::uint16_t(i + 1);
        if (int(order[i]) == current)
            shown = int(i);
    }
    const QString path = platform::FindFileNoCase(place.currentFolder, place.wellName + QStringLiteral(".sho"));
    wellfile::SetNormalAttributes(path);
    if (!wellfile::WriteWholeFile(path, sorted.data(), sorted.size() * sizeof(wellfile::SHOWREPORT))) {
        platform::MessageBox(path, QStringLiteral("Save failed"));
        return false;
    }
    shows = std::move(sorted);
    current = shown;
    return true;
}

int DeleteShow(std::vector<wellfile::SHOWREPORT>& shows, int current)
{
    if (current < 0 || current >= int(shows.size()))
        return current;
    shows.erase(shows.begin() + current);
    for (std::size_t i = std::size_t(current); i < shows.size(); ++i)
        --shows[i].number;
    return std::min(current, int(shows.size()) - 1);
}

int OpeningShow(int count, int requested)
{
    return requested > 0 && requested < count ? requested - 1 : count - 1;
}

}  // namespace reports
