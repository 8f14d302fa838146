#include "elog/mudlogimport.h"

#include "elog/lasread.h"
#include "elog/mudlogtargets.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "platform/text.h"
#include "platform/winapi.h"
#include "wellfile/datafile.h"
#include "wellfile/depthcorrection.h"
#include "wellfile/wholefile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <optional>
#include <vector>

namespace elog {

namespace {

// Packed records: every field goes through its byte offset.
template <class R, class T>
void Put(R& r, int offset, T v)
{
    std::memcpy(reinterpret_cast<char*>(&r) + offset, &v, sizeof v);
}
template <class T, class R>
T Get(const R& r, int offset)
{
    T v{};
    std::memcpy(&v, reinterpret_cast<const char*>(&r) + offset, sizeof v);
    return v;
}

std::uint16_t U16(float v) { return std::uint16_t(std::clamp(std::trunc(v), 0.0f, 65535.0f)); }

using Fields = std::vector<std::string_view>;

struct Reader {
    std::span<const std::int32_t> map;
    float nullValue;
    // The value of `target` on a line: none when it is not mapped, the field is missing or holds the
    // NULL value (nothing is stored); 0 outside [0, high].
    std::optional<float> operator()(const Fields& f, int target, float high) const
    {
        if (target < 1 || std::size_t(target) >= map.size() || map[std::size_t(target)] <= 0)
            return std::nullopt;
        const std::size_t column = std::size_t(map[std::size_t(target)]);
        const std::optional<double> v = column <= f.size() ? LasNumber(f[column - 1]) : std::nullopt;
        if (!v || float(*v) == nullValue)
            return std::nullopt;
        const double x = *v;
        return x >= 0.0 && (high <= 0.0f || x <= double(high)) ? float(std::min(x, 3.0e38)) : 0.0f;
    }
    bool Mapped(int target) const { return std::size_t(target) < map.size() && map[std::size_t(target)] > 0; }
};

template <class R, class D>
R* ByDepth(std::span<R> records, std::int32_t depth, D depthOf)
{
    const auto it = std::lower_bound(records.begin(), records.end(), depth,
                                     [&](const R& r, std::int32_t d) { return depthOf(r) < double(d); });
    return it != records.end() && depthOf(*it) == double(depth) ? &*it : nullptr;
}

// The lines of one whole depth, in file order, and the line of the half unit above it: a mudlog's
// row d + 0.5 carries the half step of record d + 1, which is drilled from d + 0.5 to d + 1.
struct Unit {
    std::vector<Fields> lines;
    std::optional<Fields> half;
};

struct Survey {
    std::optional<std::int32_t> last;  // the depth of the last station stored
};

void FillRecord(wellfile::RECORD& r, std::int32_t depth, const Unit& u, const Reader& value, const LasHeader& h,
                Survey& survey)
{
    const bool wholeStep = h.step == 1.0f;
    const std::size_t n = u.lines.size();
    for (int t = 1; t <= kMudlogRecordTargets; ++t) {
        if (!value.Mapped(t))
            continue;
        const MudlogTarget& m = *MudlogTargetOf(t);
        const auto at = [&](std::size_t k) { return k < n ? value(u.lines[k], t, m.high) : std::nullopt; };
        const std::optional<float> half = u.half ? value(*u.half, t, m.high) : std::nullopt;
        switch (m.fill) {
        case MudlogFill::Rop: {
            // The half unit comes from the half line above; a unit of one line and no half line (one
            // line a unit) gives both its value.
            const auto rate = [&](float v) {
                return v <= 0.0f ? 0.1f : (h.rateAsSpeed ? 60.0f / v : v);
            };
            const std::optional<float> whole = at(0), odd = u.half ? half : n == 1 ? whole : std::nullopt;
            if (whole)
                Put(r, m.offset, rate(*whole));
            if (odd)
                Put(r, m.second, rate(*odd));
            // A unit whose rate the file leaves blank keeps its two-unit rate.
            if (whole)
                r.rate2Ft = (r.rateOne + r.rateOdd) * 0.5f;
            break;
        }
        case MudlogFill::TotalGas:
        case MudlogFill::Chromatograph: {
            const float scale = m.fill == MudlogFill::TotalGas ? 100.0f : (h.gasInPpm ? 0.01f : 1.0f);
            if (const std::optional<float> v = at(0))
                Put(r, m.offset, *v * scale);
            if (half)
                Put(r, m.second, *half * scale);
            break;
        }
        case MudlogFill::Single:
            // The value of the unit's depth: its first line that holds one.
            for (std::size_t k = 0; k < n; ++k)
                if (const std::optional<float> v = at(k)) {
                    Put(r, m.offset, *v);
                    if (m.second >= 0)
                        Put(r, m.second, *v);
                    break;
                }
            break;
        case MudlogFill::TwoU16:
        case MudlogFill::Wob:
            // Sample 1, the whole step, from the unit's line; sample 0, the first half step, from the half
            // line above it, as the gas (a unit of one line and no half line gives both its value).
            for (std::size_t k = 0; k < 2; ++k) {
                const std::optional<float> v = wholeStep || k == 1 ? at(0) : u.half ? half : n == 1 ? at(0) : std::nullopt;
                if (!v)
                    continue;
                const int offset = k == 0 ? m.offset : m.second;
                if (m.fill == MudlogFill::TwoU16)
                    Put(r, offset, U16(*v));
                else
                    Put(r, offset, wholeStep ? float(U16(*v)) : *v);
            }
            break;
        case MudlogFill::FiveSamples:
            Put(r, m.second, h.step);
            for (std::size_t k = 0; k < 5; ++k)
                if (const std::optional<float> v = wholeStep ? at(0) : (k < n ? at(k) : std::nullopt))
                    Put(r, m.offset + int(k) * 4, *v);
            break;
        default:
            break;
        }
    }
    // Survey values: at most one station every 26 units, the first on the first record with data; a
    // value already in the record stays.
    if (!value.Mapped(12))
        return;
    for (const Fields& line : u.lines) {
        const std::optional<float> tvd = value(line, 12, MudlogTargetOf(12)->high);
        if (!tvd || *tvd <= 0.0f || (survey.last && depth < *survey.last + 26))
            continue;
        Put(r, MudlogTargetOf(12)->offset, *tvd);
        for (int t = 13; t <= 16; ++t) {
            const MudlogTarget& m = *MudlogTargetOf(t);
            if (const std::optional<float> v = value(line, t, m.high); v && Get<float>(r, m.offset) == 0.0f)
                Put(r, m.offset, *v);
        }
        survey.last = depth;
    }
}

// The custom-data and extended values of a unit, from its first line.
void FillSide(wellfile::CUSTDATAREC* c, wellfile::EXTRECORD* e, const Fields& line, const Reader& value)
{
    for (int t = 1; t <= kMudlogTargets; ++t) {
        const MudlogTarget& m = *MudlogTargetOf(t);
        if (c && m.customOffset >= 0) {
            if (const std::optional<float> v = value(line, t, m.customHigh)) {
                if (m.fill == MudlogFill::TwoU16)
                    Put(*c, m.customOffset, U16(*v));
                else
                    Put(*c, m.customOffset, *v);
            }
        }
        if (e && m.fill == MudlogFill::Ext && m.offset >= 0)
            if (const std::optional<float> v = value(line, t, 0))
                Put(*e, m.offset, *v);
    }
}

}  // namespace

MudlogInterval MudlogIntervalOf(const LasHeader& header, std::int32_t fileFirst, std::int32_t fileLast)
{
    const std::int32_t top = std::min(header.start, header.stop), bottom = std::max(header.start, header.stop);
    return {std::max(top, fileFirst + 20), std::min(bottom, fileLast)};
}

MudlogTextResult ImportMudlogText(std::string_view text, const LasHeader& header, std::span<const std::int32_t> map,
                                  MudlogInterval interval, MudlogRecords& files)
{
    MudlogTextResult result;
    std::optional<std::vector<std::string_view>> data = LasDataLines(text);
    if (!data || data->empty())
        return result;
    result.dataFound = true;
    // A file logged upwards is read as if written downwards: its lines in depth order, its step a length.
    LasHeader h = header;
    h.step = std::abs(h.step);
    if (LasBottomUp(header)) {
        std::vector<std::pair<double, std::string_view>> byDepth;
        byDepth.reserve(data->size());
        for (std::string_view line : *data)
            byDepth.emplace_back(LasField(line, 1).value_or(-1.0), line);
        std::stable_sort(byDepth.begin(), byDepth.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        for (std::size_t k = 0; k < byDepth.size(); ++k)
            (*data)[k] = byDepth[k].second;
    }
    // The lines of the interval by whole depth (every second one at a step below 0.2, at most five a
    // unit), and each unit's half line: the first line of [d - 0.5, d).
    std::map<std::int32_t, Unit> units;
    std::size_t taken = 0;
    for (std::string_view line : *data) {
        const std::optional<double> depth = LasField(line, 1);
        if (!depth || *depth < 0 || *depth >= double(interval.stop) + 1.0 || *depth < double(interval.start) - 0.5)
            continue;
        const std::int32_t d = std::int32_t(std::floor(*depth));
        const auto half = [&] {
            if (d + 1 <= interval.stop && !units[d + 1].half)
                SplitLasFields(line, units[d + 1].half.emplace());
        };
        if (d < interval.start) {  // only the half line of the first record
            half();
            continue;
        }
        if (h.step < 0.2f && taken++ % 2 == 1)
            continue;
        if (*depth - d >= 0.5)
            half();
        Unit& u = units[d];
        if (u.lines.size() < 5) {
            u.lines.emplace_back();
            SplitLasFields(line, u.lines.back());
        }
        result.lastDepth = std::max(result.lastDepth, d);
    }
    const Reader value{map, h.nullValue};
    const auto recordDepth = [](const wellfile::RECORD& r) { return double(r.depth); };
    const auto floatDepth = [](const auto& r) { return double(r.depth); };
    // Records above the first line take the gamma step, as the lines' records do.
    const auto firstLines = std::find_if(units.begin(), units.end(), [](const auto& u) { return !u.second.lines.empty(); });
    if (value.Mapped(11) && firstLines != units.end())
        for (std::int32_t d = interval.start; d < firstLines->first; ++d)
            if (wellfile::RECORD* r = ByDepth(files.records, d, recordDepth))
                r->gammaStep = h.step;
    Survey survey;
    for (const auto& [depth, u] : units) {
        if (wellfile::RECORD* r = ByDepth(files.records, depth, recordDepth))
            FillRecord(*r, depth, u, value, h, survey);
        if (!u.lines.empty())
            FillSide(ByDepth(files.custom, depth, floatDepth), ByDepth(files.ext, depth, floatDepth), u.lines.front(),
                     value);
    }
    return result;
}

namespace {

template <class R>
std::vector<R> RecordsOf(const QByteArray& bytes)
{
    std::vector<R> records(std::size_t(bytes.size()) / sizeof(R));
    if (!records.empty())
        std::memcpy(records.data(), bytes.constData(), records.size() * sizeof(R));
    return records;
}
// The bytes with their whole records replaced; a trailing partial record is carried unchanged.
template <class R>
QByteArray BytesOf(QByteArray bytes, const std::vector<R>& records)
{
    if (!records.empty())
        std::memcpy(bytes.data(), records.data(), records.size() * sizeof(R));
    return bytes;
}
using wellfile::ReadWholeFile;
void Say(const QString& text, const QString& caption) { platform::MessageBox(text, caption, platform::MB_OK); }

}  // namespace

int ImportMudlogFile(wellfile::OpenWell& well, wellfile::FitFile& fit, const QString& lasPath, const LasHeader& header,
                     std::span<const std::int32_t> map)
{
    const MudlogInterval interval = MudlogIntervalOf(header, well.fileTopDepth, well.fileBottomDepth);
    if (interval.empty()) {
        Say(QString::fromStdString(platform::CFormat("Value out of range start %d  > end %d ", int(interval.start),
                                                     int(interval.stop))),
            QStringLiteral("Import Range Error"));
        return 0;
    }
    const std::optional<QByteArray> text = ReadWholeFile(lasPath);
    if (!text)
        return 0;
    if (text->isEmpty()) {
        Say(QStringLiteral("Memory Error"), QStringLiteral("Import"));
        return 0;
    }
    const std::string_view view(text->constData(), std::size_t(text->size()));
    if (const std::optional<LasImportResult> problem = CheckLasData(view)) {
        Say(problem->message, problem->caption);
        return 0;
    }
    // Read once with no records first: a file with nothing for the interval writes no file at all.
    MudlogRecords none;
    const MudlogTextResult found = ImportMudlogText(view, header, map, interval, none);
    if (!found.dataFound) {
        Say(QStringLiteral("File Read  Error"), QStringLiteral("File Error "));
        return 0;
    }
    if (found.lastDepth < interval.start) {
        Say(QStringLiteral("No data line of %1 lies between From %2 and To %3: nothing was imported.")
                .arg(QFileInfo(lasPath).fileName())
                .arg(interval.start)
                .arg(interval.stop),
            QStringLiteral("Import"));
        return 0;
    }
    // The side files the import writes into exist for the whole file before anything is read.
    const bool extended = fit.dataEnabled;
    if (!QFileInfo(platform::FindFileNoCase(well.currentFolder, well.wellName + QStringLiteral(".svx"))).isFile() &&
        wellfile::CreateCustomDataFile(well, fit, well.fileTopDepth, well.fileBottomDepth + 1) == 0)
        return 0;
    if (extended) {
        if (!QFileInfo(fit.path).isFile())
            wellfile::CreateExtRecords(well, fit, well.fileTopDepth, well.fileBottomDepth + 1);
        else
            wellfile::CorrectExtDepth(well, fit, well.fileBottomDepth);
    }
    const QString customPath = platform::FindFileNoCase(well.currentFolder, well.wellName + QStringLiteral(".svx"));
    const std::optional<QByteArray> dataBytes = ReadWholeFile(well.dataFileName);
    const std::optional<QByteArray> customBytes = ReadWholeFile(customPath);
    const std::optional<QByteArray> extBytes =
        extended ? ReadWholeFile(fit.path) : std::optional<QByteArray>(QByteArray());
    if (!dataBytes || !customBytes || !extBytes) {
        Say(well.dataFileName, QStringLiteral("File Open Failed In Save Records"));
        return 0;
    }
    std::vector<wellfile::RECORD> records = RecordsOf<wellfile::RECORD>(*dataBytes);
    std::vector<wellfile::CUSTDATAREC> custom = RecordsOf<wellfile::CUSTDATAREC>(*customBytes);
    std::vector<wellfile::EXTRECORD> ext = RecordsOf<wellfile::EXTRECORD>(*extBytes);
    MudlogRecords files{records, custom, ext};
    const MudlogTextResult r = ImportMudlogText(view, header, map, interval, files);
    std::vector<wellfile::FileImage> images;
    if (extended)
        images.push_back({fit.path, BytesOf(*extBytes, ext)});
    images.push_back({customPath, BytesOf(*customBytes, custom)});
    images.push_back({well.dataFileName, BytesOf(*dataBytes, records)});
    if (const QString failed = wellfile::ReplaceFilesTogether(images); !failed.isEmpty()) {
        Say(QStringLiteral("%1 could not be written: the well's files are as they were.").arg(failed),
            QStringLiteral("Import"));
        return 0;
    }
    if (well.secondFolderOption && well.drilling && well.copyOut && well.hooks.copyWellFileOut)
        well.hooks.copyWellFileOut(QStringLiteral(".svm"));
    if (r.lastDepth < interval.stop)
        Say(QStringLiteral("The data of %1 end at depth %2, before the stop depth %3: the depths read are imported.")
                .arg(QFileInfo(lasPath).fileName())
                .arg(r.lastDepth)
                .arg(interval.stop),
            QStringLiteral("Import"));
    if (map.size() > 12 && map[12] > 0 && well.allRecords.empty())
        wellfile::ReadAllRecords(well);
    return 1;
}

}  // namespace elog
