#include "elog/tvdfile.h"

#include "elog/curverecord.h"
#include "elog/curves.h"
#include "platform/numbers.h"
#include "platform/services.h"
#include "platform/text.h"
#include "platform/winapi.h"
#include "wellfile/record.h"
#include "wellfile/wellconfig.h"
#include "wellfile/wellheader.h"
#include "wellfile/wholefile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <vector>

namespace elog {

namespace {

using wellfile::RECORD;

// Whole records of `path` from record `first` on, at most `count` of them; nullopt when the file does
// not open. A torn last record is left out.
template <typename T>
std::optional<std::vector<T>> ReadRun(const QString& path, std::int64_t first, std::int64_t count)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    std::vector<T> out;
    const std::int64_t held = f.size() / std::int64_t(sizeof(T));
    if (first < 0 || first >= held || count <= 0)
        return out;
    count = std::min(count, held - first);
    if (!f.seek(first * std::int64_t(sizeof(T))))
        return std::nullopt;
    out.resize(std::size_t(count));
    const qint64 want = qint64(count) * qint64(sizeof(T));
    const qint64 got = f.read(reinterpret_cast<char*>(out.data()), want);
    if (got < 0)
        return std::nullopt;
    out.resize(std::size_t(got / qint64(sizeof(T))));
    return out;
}

template <typename T>
bool WriteAll(const QString& path, const std::vector<T>& rows)
{
    return wellfile::WriteWholeFile(path, rows.data(), rows.size() * sizeof(T));
}

void ClearSurvey(RECORD& r)
{
    r.tvd = 0;
    r.inclination = 0;
    r.azimuth = 0;
    r.dogLeg = 0;
}

// The stations stored in `source`, the records from the one at `firstIndex` records past the file's
// first depth (the first five records of a file are never stations), in MD order, ended by the
// interval's own station; the MD as typed where it lies in its record, else the record's depth.
std::vector<PathPoint> StationsOf(std::span<const RECORD> source, std::int64_t firstIndex, const TvdInterval& iv)
{
    std::vector<PathPoint> out;
    for (std::size_t k = 0; k < source.size(); ++k) {
        const RECORD& r = source[k];
        if (!(r.tvd > 0) || firstIndex + std::int64_t(k) < 5 || r.depth >= platform::Whole(iv.mdEnd))
            continue;
        const bool typed = platform::Whole(r.surveyMeasuredDepth) == r.depth;
        out.push_back({typed ? double(r.surveyMeasuredDepth) : double(r.depth), double(r.tvd)});
    }
    out.push_back({double(iv.mdEnd), double(iv.tvdEnd)});
    return out;
}

// The MD record (the nearest whole unit) that TVD unit `tvd` takes on the path through `stations`.
std::int64_t MdRecordOf(std::int64_t tvd, std::span<const PathPoint> stations)
{
    return std::llround(std::clamp(MdAtTvd(double(tvd), stations), -1.0e15, 1.0e15));
}

std::string HeaderWellName(const QString& path)
{
    char bytes[160] = {};
    if (wellfile::ReadFilePrefix(path, bytes, sizeof bytes) < 0)
        return {};
    return platform::FieldText(bytes + 80, 80);
}

}  // namespace

double MdAtTvd(double tvd, std::span<const PathPoint> stations)
{
    if (stations.empty() || tvd < stations.front().tvd)
        return tvd;
    for (std::size_t k = 1; k < stations.size(); ++k) {
        const PathPoint& a = stations[k - 1];
        const PathPoint& b = stations[k];
        if (tvd < std::min(a.tvd, b.tvd) || tvd > std::max(a.tvd, b.tvd))
            continue;
        return a.tvd == b.tvd ? a.md : a.md + (tvd - a.tvd) * (b.md - a.md) / (b.tvd - a.tvd);
    }
    return stations.back().md;
}

QString TvdSidePath(const QString& path, const char* extension)
{
    const QFileInfo info(path);
    return info.path() + u'/' + info.completeBaseName() + QLatin1String(extension);
}

bool TvdFile::BelongsToWell(const QString& path) const
{
    const QString tvdHeader = TvdSidePath(path, ".hdr");
    if (!QFileInfo(path).isFile() || !QFileInfo(tvdHeader).isFile())
        return true;
    const std::string theirs = HeaderWellName(tvdHeader);
    const std::string ours = HeaderWellName(sources_.headerFile);
    if (theirs == ours)
        return true;
    platform::MessageBox(QStringLiteral("%1 holds the TVD log of well \"%2\",\nnot of well \"%3\".\nNothing has been written.")
                             .arg(QFileInfo(path).fileName(), QString::fromLatin1(theirs), QString::fromLatin1(ours)),
                         QStringLiteral("TVD Error"), platform::MB_OK);
    return false;
}

int TvdFile::Update(const QString& path, TvdInterval& iv)
{
    const std::int32_t first = sources_.firstDepth;
    const std::int64_t tvdEnd = platform::Whole(iv.tvdEnd);
    if (platform::Whole(iv.tvdStart) < first || tvdEnd < first)
        return 0;
    if (!BelongsToWell(path))
        return 0;
    const std::int64_t n = std::max<std::int64_t>(platform::Whole(iv.mdEnd) - first, 0);
    const std::int64_t t = tvdEnd - first;
    std::int64_t d = std::max(n, t) - t;
    if (d > 1)
        --d;

    const std::optional<std::vector<RECORD>> source = ReadRun<RECORD>(sources_.dataFile, 0, n + 1);
    if (!source || source->empty()) {
        platform::MessageBox(QStringLiteral("Can't open data file for read"), QStringLiteral("Exit and then restart program"),
                             platform::MB_OK);
        return 0;
    }
    const std::vector<PathPoint> stations = StationsOf(*source, 0, iv);
    std::vector<RECORD> out;
    out.reserve(std::size_t(t + 1));
    float m = 0;
    for (std::int64_t k = 0; k <= t; ++k) {
        const std::int64_t i =
            std::clamp<std::int64_t>(MdRecordOf(first + k, stations) - first, 0, std::int64_t(source->size()) - 1);
        RECORD r = (*source)[std::size_t(i)];
        if (r.depth == 0)
            break;
        if (k < t) {  // the station's own record keeps its survey
            m = std::max(m, float(r.inclination));
            ClearSurvey(r);
        }
        r.depth = std::int32_t(first + k);
        out.push_back(r);
    }
    if (out.empty() || !WriteAll(path, out)) {
        platform::MessageBox(QStringLiteral("Destination Open Failed"), QStringLiteral("File Error"), platform::MB_OK);
        return 0;
    }
    if (curvesLoaded && gammaFlag)
        gammaFlag = StartGamma(curvePath, iv, stations) != 0;
    if ((iv.copyDescriptions != 0 || createTvd) && m < 70)
        CopyMemos(path, iv, std::int32_t(d), stations, true);
    else
        QFile::remove(TvdSidePath(path, ".mem"));  // a new TVD log keeps no memos of an old one

    iv.mdStart = iv.mdEnd;
    iv.tvdStart = float(first + std::int64_t(out.size()) - 1);
    if (!SaveInterval(path, iv) || !LoadInterval(path, iv))
        return 0;
    if (rebuildMenu)
        rebuildMenu();
    return 1;
}

int TvdFile::BuildInterval(const QString& path, TvdInterval& iv)
{
    const std::int64_t mdStart = platform::Whole(iv.mdStart);
    const std::int64_t tvdStart = platform::Whole(iv.tvdStart);
    const std::int64_t tvdEnd = platform::Whole(iv.tvdEnd);
    const std::int64_t n = std::max<std::int64_t>(platform::Whole(iv.mdEnd) - mdStart, 1);

    if (tvdEnd < tvdStart - 4 && iv.inclination < 90) {
        const std::string text = platform::CFormat(
            "TVD file depth will be REDUCED to %d\nThis will result in loss of data below %d\nOK  to continue CANCEL to abort",
            int(tvdEnd), int(tvdEnd));
        if (platform::MessageBox(QString::fromStdString(text), QStringLiteral("File depth adjustment"),
                                 platform::MB_OKCANCEL) != platform::IDOK)
            return 0;
        if (!CutTvdFile(path, iv) || !SaveInterval(path, iv) || !LoadInterval(path, iv))
            return 0;
        return 1;
    }
    const std::int64_t t = std::max<std::int64_t>(tvdEnd - tvdStart, 1);
    const std::int64_t d = std::max(n, t) - t;
    if (!BelongsToWell(path))
        return 0;

    const std::optional<std::vector<RECORD>> source =
        ReadRun<RECORD>(sources_.dataFile, mdStart - sources_.firstDepth, n + 1);
    if (!source || source->empty()) {
        platform::MessageBox(QStringLiteral("Source Open Failed"), QStringLiteral("File Error"), platform::MB_OK);
        return 0;
    }
    std::optional<std::vector<RECORD>> out = wellfile::ReadWholeRecords<RECORD>(path);
    if (!out) {
        platform::MessageBox(QStringLiteral("Destination Open Failed"), QStringLiteral("File Error"), platform::MB_OK);
        return 0;
    }
    // The path starts at the station the TVD log reached, with its TVD as stored in its record.
    std::vector<PathPoint> stations = StationsOf(std::span(*source).subspan(1), mdStart - sources_.firstDepth + 1, iv);
    const RECORD& reached = source->front();
    const bool stored = reached.tvd > 0 && platform::Whole(reached.tvd) == tvdStart;
    stations.insert(stations.begin(), {double(iv.mdStart), stored ? double(reached.tvd) : double(iv.tvdStart)});
    float m = 0;
    std::int64_t depth = tvdStart;
    for (std::int64_t k = 1; k <= t; ++k) {
        const std::int64_t i = std::clamp<std::int64_t>(MdRecordOf(tvdStart + k, stations) - mdStart, 0,
                                                        std::int64_t(source->size()) - 1);
        RECORD r = (*source)[std::size_t(i)];
        if (r.depth == 0)
            break;
        m = std::max(m, float(r.inclination));
        ClearSurvey(r);
        depth = tvdStart + k;
        r.depth = std::int32_t(depth);
        out->push_back(r);
        if (m > 90)
            break;
    }
    if (!WriteAll(path, *out)) {
        platform::MessageBox(QStringLiteral("Destination Open Failed"), QStringLiteral("File Error"), platform::MB_OK);
        return 0;
    }
    if (curvesLoaded && gammaFlag && m < 90)
        gammaFlag = AppendGamma(curvePath, iv, stations) != 0;
    if ((iv.copyDescriptions != 0 || createTvd) && m < 70)
        CopyMemos(path, iv, std::int32_t(d), stations);
    iv.mdStart = iv.mdEnd;
    iv.tvdStart = float(depth);
    return SaveInterval(path, iv);
}

int TvdFile::StartGamma(const QString& tvdCurvePath, const TvdInterval& iv, std::span<const PathPoint> stations)
{
    // Row p of a curve file is drawn at depth p + 1 and gets that depth; rows above the first depth
    // are copied as they are, deeper ones take the rows of the MD records the data file took.
    const std::int64_t first = sources_.firstDepth;
    const std::int64_t tvdEnd = platform::Whole(iv.tvdEnd);
    const std::int64_t mdEnd = platform::Whole(iv.mdEnd);
    const std::optional<std::vector<CurveRecord>> rows =
        ReadRun<CurveRecord>(sources_.curveFile, 0, std::max(mdEnd, first) + 1);
    if (!rows) {
        platform::MessageBox(QStringLiteral("Can't open gamma file for read"), QStringLiteral("File Rrror"), platform::MB_OK);
        return 0;
    }
    std::vector<CurveRecord> out;
    for (std::int64_t depth = 1; depth <= tvdEnd; ++depth) {
        const std::int64_t md = depth <= first ? depth : std::clamp(MdRecordOf(depth, stations), first, std::max(mdEnd, first));
        if (md - 1 >= std::int64_t(rows->size()))
            break;
        CurveRecord row = (*rows)[std::size_t(md - 1)];
        row.values[SLOT_DEPTH] = float(depth);
        out.push_back(row);
    }
    if (!WriteAll(tvdCurvePath, out)) {
        platform::MessageBox(QStringLiteral("Destination Open Failed"), tvdCurvePath, platform::MB_OK);
        return 0;
    }
    return 1;
}

int TvdFile::AppendGamma(const QString& tvdCurvePath, const TvdInterval& iv, std::span<const PathPoint> stations)
{
    const std::int64_t mdStart = platform::Whole(iv.mdStart);
    const std::int64_t tvdStart = platform::Whole(iv.tvdStart);
    const std::int64_t measured = platform::Whole(iv.mdEnd) - mdStart;
    const std::int64_t vertical = platform::Whole(iv.tvdEnd) - tvdStart;
    if (vertical > measured + 5) {
        const std::string text = platform::CFormat("Input error, vertical interval %d greater than measured interval %d",
                                                   platform::Whole(iv.tvdEnd - iv.tvdStart), int(measured));
        platform::MessageBox(QString::fromStdString(text), QStringLiteral("Append Gamma"), platform::MB_OK);
        return 0;
    }
    const std::int64_t n = std::max<std::int64_t>(measured, 1);
    const std::int64_t t = std::max<std::int64_t>(vertical, 1);
    // The rows drawn at MD depths mdStart + 1 .. mdStart + n.
    const std::optional<std::vector<CurveRecord>> source = ReadRun<CurveRecord>(sources_.curveFile, mdStart, n);
    if (!source) {
        platform::MessageBox(QStringLiteral("Source Open Failed"), sources_.curveFile, platform::MB_OK);
        return 0;
    }
    std::optional<std::vector<CurveRecord>> out = wellfile::ReadWholeRecords<CurveRecord>(tvdCurvePath);
    if (!out) {
        platform::MessageBox(QStringLiteral("Destination Open Failed"), tvdCurvePath, platform::MB_OK);
        return 0;
    }
    // The rows end at the TVD reached, so the new ones stand at their own depths.
    const std::size_t reached = std::size_t(std::max<std::int64_t>(tvdStart, 0));
    const std::size_t held = out->size();
    out->resize(reached);
    for (std::size_t p = held; p < reached; ++p)
        (*out)[p].values[SLOT_DEPTH] = float(p + 1);
    for (std::int64_t k = 1; k <= t; ++k) {
        const std::int64_t i = std::clamp(MdRecordOf(tvdStart + k, stations), mdStart + 1, mdStart + n) - mdStart - 1;
        if (i < 0 || i >= std::int64_t(source->size()))
            break;
        CurveRecord row = (*source)[std::size_t(i)];
        row.values[SLOT_DEPTH] = float(tvdStart + k);
        out->push_back(row);
    }
    if (!WriteAll(tvdCurvePath, *out)) {
        platform::MessageBox(QStringLiteral("Destination Open Failed"), tvdCurvePath, platform::MB_OK);
        return 0;
    }
    return 1;
}

QByteArray TvdConfigOf(const QByteArray& wellConfig, const QString& curveFile, const QString& tvdCurveFile)
{
    wellfile::WellConfig cfg{};
    if (wellConfig.size() != qsizetype(sizeof cfg))
        return wellConfig;
    std::memcpy(&cfg, wellConfig.constData(), sizeof cfg);
    const std::string name = platform::ToCp1252(tvdCurveFile).toStdString();
    const QString source = QFileInfo(curveFile).fileName();
    for (wellfile::ElogOffsetEntry& e : cfg.elogOffsets) {
        const QString named = platform::FieldString(e.fileName);
        if (named.isEmpty())
            continue;
        const QString base = named.mid(std::max(named.lastIndexOf(u'/'), named.lastIndexOf(u'\\')) + 1);
        if (source.isEmpty() || base.compare(source, Qt::CaseInsensitive) != 0)
            e.depthOffset = 0;
        if (name.size() >= sizeof e.fileName) {
            std::memset(e.fileName, 0, sizeof e.fileName);
            e.depthOffset = 0;
        } else {
            platform::SetFieldText(e.fileName, name);
        }
    }
    return QByteArray(reinterpret_cast<const char*>(&cfg), sizeof cfg);
}

int TvdFile::CopyMemos(const QString& path, const TvdInterval& iv, std::int32_t d, std::span<const PathPoint> stations,
                       bool afresh)
{
    const QString memPath = TvdSidePath(path, ".mem");
    std::vector<wellfile::SVMEMO> out;
    if (!afresh && QFileInfo(memPath).exists()) {
        std::optional<std::vector<wellfile::SVMEMO>> held = wellfile::ReadWholeRecords<wellfile::SVMEMO>(memPath);
        if (!held)
            return 0;
        out = std::move(*held);
    }
    out.reserve(out.size() + memos.size() + std::size_t(std::max(d, 0)) + 5);
    const std::int64_t mdStart = platform::Whole(iv.mdStart);
    const std::int64_t mdEnd = platform::Whole(iv.mdEnd);
    const std::int64_t tvdStart = platform::Whole(iv.tvdStart);
    const std::int64_t t = std::max<std::int64_t>(platform::Whole(iv.tvdEnd) - tvdStart, 1);
    // The MD record of each TVD unit of the interval, as the data file took them.
    std::vector<std::int64_t> mdOf(std::size_t(t + 1));
    for (std::int64_t k = 0; k <= t; ++k)
        mdOf[std::size_t(k)] = MdRecordOf(tvdStart + k, stations);
    std::int64_t lastKept = 0;
    const std::size_t before = out.size();
    for (const wellfile::SVMEMO& memo : memos) {
        const std::int64_t depth = memo.depth;
        if (depth <= 0 || depth < mdStart || depth >= mdEnd)
            continue;
        // The TVD depth whose record holds the memo's MD record, or the next record kept.
        const auto at = std::find_if(mdOf.begin(), mdOf.end(), [depth](std::int64_t md) { return md >= depth; });
        const std::int64_t tvd = tvdStart + (at == mdOf.end() ? t : std::int64_t(at - mdOf.begin()));
        if (tvd <= lastKept)
            continue;
        wellfile::SVMEMO copy = memo;
        copy.depth = std::int32_t(tvd);
        copy.copiedToHorz = 0;
        out.push_back(copy);
        lastKept = tvd;
    }
    if (!afresh && out.size() == before)
        return 1;
    return WriteAll(memPath, out) ? 1 : 0;
}

int TvdFile::CutTvdFile(const QString& path, TvdInterval& iv)
{
    std::optional<std::vector<RECORD>> rows = wellfile::ReadWholeRecords<RECORD>(path);
    const std::int64_t cut = platform::Whole(iv.tvdStart - iv.tvdEnd);
    if (!rows) {
        platform::MessageBox(QStringLiteral("Destination Open Failed"), QStringLiteral("File Error"), platform::MB_OK);
        return 0;
    }
    rows->resize(std::size_t(std::max<std::int64_t>(std::int64_t(rows->size()) - std::max<std::int64_t>(cut, 0), 0)));
    if (!WriteAll(path, *rows)) {
        platform::MessageBox(QStringLiteral("Destination Open Failed"), QStringLiteral("File Error"), platform::MB_OK);
        return 0;
    }
    iv.mdStart = iv.mdEnd;
    iv.tvdStart = iv.tvdEnd;
    return 1;
}

int TvdFile::SaveInterval(const QString& path, const TvdInterval& iv)
{
    return wellfile::WriteWholeFile(TvdSidePath(path, ".tvd"), &iv, sizeof iv) ? 1 : 0;
}

int TvdFile::LoadInterval(const QString& path, TvdInterval& iv)
{
    TvdInterval read{};
    QFile f(TvdSidePath(path, ".tvd"));
    if (!f.open(QIODevice::ReadOnly) || f.read(reinterpret_cast<char*>(&read), qint64(sizeof read)) != qint64(sizeof read))
        return 0;
    iv = read;
    return 1;
}

}  // namespace elog
