#include "exchange/partials.h"

#include "exchange/filehelpers.h"
#include "exchange/filesets.h"
#include "exchange/remotemonitor.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/deletefiles.h"
#include "wellfile/downloadlog.h"
#include "wellfile/fileattrs.h"
#include "wellfile/sidefiles_settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cstring>

namespace exchange {

namespace {

using wellfile::kRecordSize;
using wellfile::RECORD;

// The records every write carries at most, so that a long base is copied in pieces.
constexpr int kChunkRecords = 1024;

// The step the Part's arithmetic assumes when no file tells another.
constexpr std::int32_t kDefaultStep = 2;

bool ReadRecordAt(QFile& f, qint64 index, RECORD& r)
{
    return f.seek(index * kRecordSize) && f.read(reinterpret_cast<char*>(&r), kRecordSize) == kRecordSize;
}

// The depth step of a file from its first two records; 0 when it has fewer or they do not rise.
std::int32_t StepOf(QFile& f)
{
    RECORD a, b;
    if (f.size() < 2 * kRecordSize || !ReadRecordAt(f, 0, a) || !ReadRecordAt(f, 1, b))
        return 0;
    const std::int64_t step = std::int64_t(b.depth) - a.depth;
    return step > 0 && step <= kMaxBlankRecords ? std::int32_t(step) : 0;
}

void Log(const PartialUpdatePlaces& places, const QString& text, const QString& path)
{
    wellfile::WriteDownloadLog(places.dataFolder, text, path, wellfile::kDownloadBlank);
}

void Tell(const PartialUpdatePlaces& places, const QString& text, const QString& caption)
{
    if (!places.monitorRunning)
        platform::MessageBox(text, caption);
}

// The file names of the data folder matching `pattern`, in name order without regard to case.
QStringList SortedFiles(const QString& folder, const QString& pattern)
{
    QStringList names;
    for (const QString& n : MatchingNames(platform::JoinPath(folder, pattern)))
        if (QFileInfo(platform::JoinPath(folder, n)).isFile())
            names << n;
    std::stable_sort(names.begin(), names.end(),
                     [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return names;
}

// The partials of `name`: "<name>.5" and two more characters, the name in any letter case. Compared in
// code, so that wildcard characters in a well name match only themselves.
QStringList PartialsOf(const QString& folder, const QString& name)
{
    QStringList out;
    for (const QString& n : SortedFiles(folder, QStringLiteral("*.5??")))
        if (n.size() == name.size() + 4 && n.startsWith(name + QStringLiteral(".5"), Qt::CaseInsensitive))
            out << n;
    return out;
}

// What the splice of one partial found.
enum class Splice { Done, BaseFailed, TargetFailed, PartialFailed };

// Writes the base's first `keep` records, `blanks` blank records after its last one and the partial's
// consecutive run (at most `limit` records, `step` apart) into a temporary file that then replaces the
// base. `lastWritten` gets the depth of the last record written.
Splice SpliceBase(const QString& basePath, qint64 keep, int blanks, std::int32_t step, const QString& partialPath,
                  std::int64_t limit, std::int32_t& lastWritten)
{
    QFile base(basePath);
    if (!base.open(QIODevice::ReadOnly))
        return Splice::BaseFailed;
    RECORD last;
    if (!ReadRecordAt(base, base.size() / kRecordSize - 1, last))
        return Splice::BaseFailed;
    QFile partial(partialPath);
    if (!partialPath.isEmpty() && !partial.open(QIODevice::ReadOnly))
        return Splice::PartialFailed;

    wellfile::SetNormalAttributes(basePath);
    QSaveFile out(basePath);
    // Unbuffered: a write cut short is seen here rather than taken as done by the commit's flush.
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Splice::TargetFailed;
    std::vector<char> chunk(std::size_t(kChunkRecords) * kRecordSize);
    if (!base.seek(0))
        return Splice::BaseFailed;
    for (qint64 left = keep; left > 0;) {
        const qint64 n = std::min<qint64>(left, kChunkRecords) * kRecordSize;
        if (base.read(chunk.data(), n) != n)
            return Splice::BaseFailed;
        if (out.write(chunk.data(), n) != n)
            return Splice::TargetFailed;
        left -= n / kRecordSize;
    }
    const std::vector<RECORD> fill = BlankRecords(last, blanks, step);
    const qint64 fillBytes = qint64(fill.size()) * kRecordSize;
    if (fillBytes > 0 && out.write(reinterpret_cast<const char*>(fill.data()), fillBytes) != fillBytes)
        return Splice::TargetFailed;

    RECORD r;
    std::int64_t written = 0;
    while (written < limit && partial.isOpen() &&
           partial.read(reinterpret_cast<char*>(&r), kRecordSize) == kRecordSize) {
        // A record that does not follow the one before ends the run; it and the rest are dropped.
        if (written > 0 && std::int64_t(r.depth) != std::int64_t(lastWritten) + step)
            break;
        if (out.write(reinterpret_cast<const char*>(&r), kRecordSize) != kRecordSize)
            return Splice::TargetFailed;
        lastWritten = r.depth;
        ++written;
    }
    if (partial.error() != QFileDevice::NoError)
        return Splice::PartialFailed;
    return out.commit() ? Splice::Done : Splice::TargetFailed;
}

}  // namespace

int ReadBaseDepthRange(const QString& path, std::int32_t& first, std::int32_t& last)
{
    QFile f(path);
    RECORD a, b;
    if (!f.open(QIODevice::ReadOnly) || f.size() < kRecordSize || !ReadRecordAt(f, 0, a) ||
        !ReadRecordAt(f, f.size() / kRecordSize - 1, b))
        return 0;
    first = a.depth;
    last = b.depth;
    return first >= 1 && last >= 1 && last >= first ? 1 : 0;
}

std::vector<RECORD> BlankRecords(const RECORD& last, int count, std::int32_t step)
{
    std::vector<RECORD> out(std::size_t(std::max(count, 0)));
    std::int64_t depth = last.depth;
    for (std::size_t i = 0; i < out.size(); ++i) {
        RECORD& r = out[i];
        if (i == 0) {
            r = last;
            r.fluorQuality = r.porosity = r.fluorPercent = r.cutRating = 0;
        }
        depth += step;
        r.depth = std::int32_t(depth);
        r.interpretedLith[0] = 0;
        r.gasScale = last.gasScale;
        r.minutesScale = last.minutesScale;
        std::memset(r.lith, 0, sizeof r.lith);
        std::memcpy(r.lith, "100bl", 5);
        r.rateOdd = r.rateOne = r.rate2Ft = 0.1f;
        for (int g = wellfile::GAS_TG; g <= wellfile::GAS_NC4; ++g)
            r.gas[g] = 0;
    }
    return out;
}

int AppendBlankRecords(const QString& path, int count, bool quiet)
{
    QFile f(path);
    std::int32_t step = 0;
    bool readable = f.open(QIODevice::ReadOnly) && f.size() >= kRecordSize;
    if (readable)
        step = StepOf(f);
    f.close();
    std::int32_t lastWritten = 0;
    if (!readable || count < 0 || count > kMaxBlankRecords ||
        SpliceBase(path, QFileInfo(path).size() / kRecordSize, count, step > 0 ? step : kDefaultStep, QString(), 0,
                   lastWritten) != Splice::Done) {
        if (!quiet)
            platform::MessageBox(QStringLiteral("Patch File Open Failed"), QStringLiteral("ERROR"));
        return 0;
    }
    return 1;
}

namespace {

// ApplyPartialUpdates; `kept` is set when a failure of the base or of the disk (not of a partial's
// content) stopped the loop: its partials stay for the next try.
int ApplyPartials(const PartialUpdatePlaces& places, const QString& name, bool& kept)
{
    kept = false;
    const QString folder = places.dataFolder;
    const QString basePath = platform::FindFileNoCase(folder, name + QStringLiteral(".svm"));
    if (!QFileInfo(basePath).isFile()) {
        for (const QString& p : PartialsOf(folder, name))
            wellfile::DeleteFiles(platform::JoinPath(folder, p));
        Log(places, QStringLiteral("Base File not found "), basePath);
        Tell(places,
             QStringLiteral(" Base File not found, this partial update\nhas no file to append to. Have your logger\n"
                            "send you the complete file\n"),
             name);
        return 0;
    }
    const QStringList partials = PartialsOf(folder, name);
    if (partials.isEmpty()) {
        Log(places, QStringLiteral("No files to append  "), platform::JoinPath(folder, name + QStringLiteral(".5??")));
        return 0;
    }
    std::int32_t first = 0, last = 0;
    if (!ReadBaseDepthRange(basePath, first, last)) {
        Log(places, QStringLiteral("No files to append  "), basePath);
        kept = true;
        return 0;
    }
    // The base's own spacing (the first partial's when the base has one record) is used for the cut, the
    // blanks and the run: a base of another step is never cut at an index meant for step 2.
    std::int32_t step = 0;
    {
        QFile b(basePath);
        if (b.open(QIODevice::ReadOnly))
            step = StepOf(b);
    }
    qint64 records = QFileInfo(basePath).size() / kRecordSize;

    for (const QString& p : partials) {
        const QString path = platform::JoinPath(folder, p);
        QFile pf(path);
        if (!pf.open(QIODevice::ReadOnly)) {
            Log(places, QStringLiteral("Source open  failed 3 "), path);
            Tell(places, QStringLiteral(" No update file found"), QStringLiteral("ERROR"));
            kept = true;
            return 0;
        }
        const qint64 size = pf.size();
        if (size % kRecordSize != 0 || size < kRecordSize) {
            pf.close();
            wellfile::DeleteFiles(path);
            Log(places, QStringLiteral("UpdateFailed SIZE ERROR on 4"), path);
            continue;
        }
        RECORD a, z;
        if (!ReadRecordAt(pf, 0, a) || !ReadRecordAt(pf, size / kRecordSize - 1, z)) {
            Log(places, QStringLiteral("Source open  failed 3 "), path);
            Tell(places, QStringLiteral(" No update file found"), QStringLiteral("ERROR"));
            kept = true;
            return 0;
        }
        if (step == 0)
            step = StepOf(pf);
        pf.close();
        if (step == 0)
            step = kDefaultStep;
        const std::int64_t start = a.depth, end = z.depth;

        qint64 keep = 0;
        int blanks = 0;
        bool valid = start >= first;
        if (std::int64_t(last) + step < start) {
            const std::int64_t want = (start - first) / step;
            valid = want - records <= kMaxBlankRecords;
            keep = std::min<qint64>(want, records);
            blanks = valid ? int(std::max<std::int64_t>(want - records, 0)) : 0;
        } else if (valid) {
            keep = std::min<qint64>((start - first) / step, records);
        }
        if (!valid) {
            const QString text = path + QStringLiteral(" has invalid start depth ") + QString::number(start);
            Tell(places, text, QStringLiteral("ERROR"));
            Log(places, text, path);
            wellfile::DeleteFiles(path);
            continue;
        }

        const std::int64_t limit = std::max<std::int64_t>((end - start) / step + 1, 1);
        std::int32_t newLast = last;
        const Splice splice = SpliceBase(basePath, keep, blanks, step, path, limit, newLast);
        kept = splice != Splice::Done;
        switch (splice) {
        case Splice::Done: break;
        case Splice::BaseFailed:
            Log(places, QStringLiteral("Resize failed 5"), basePath);
            Tell(places, QStringLiteral("NO HANDLE "), QStringLiteral("ERROR"));
            return 0;
        case Splice::TargetFailed:
            Log(places, QStringLiteral("Dest file open failed 6"), basePath);
            Tell(places, QStringLiteral("File Open Error"), QStringLiteral("ERROR"));
            return 0;
        case Splice::PartialFailed:
            Log(places, QStringLiteral("Source file open failed 7"), path);
            Tell(places, QStringLiteral("No up date file found"), QStringLiteral("ERROR"));
            return 0;
        }
        wellfile::DeleteFiles(path);
        if (keep == 0)
            first = a.depth;  // the partial replaced the whole base
        last = newLast;
        records = QFileInfo(basePath).size() / kRecordSize;
        Log(places, QStringLiteral("Update success"), path);
    }

    if (places.updated)
        places.updated(name);
    wellfile::RemoteConfig config;
    wellfile::LoadDownloadConfig(folder, config);
    const QString destination = wellfile::RemoteFolder(platform::FieldString(config.destinationFolder));
    if (config.copyOn != 0 && !destination.isEmpty())
        CopyWellFiles(platform::JoinPath(folder, name), destination, false, folder);
    if (places.monitorRunning && places.profile == 2 &&
        QFileInfo(platform::FindFileNoCase(folder, name + QStringLiteral(".jpg"))).isFile())
        StoreReceivedImage(folder, name);
    return 1;
}

}  // namespace

int ApplyPartialUpdates(const PartialUpdatePlaces& places, const QString& name)
{
    bool kept = false;
    return ApplyPartials(places, name, kept);
}

int ApplyPendingUpdates(const PartialUpdatePlaces& places, const QString& pattern)
{
    // One pass over the names as they are now: a partial that cannot be deleted is not met again.
    const QStringList names = SortedFiles(places.dataFolder, pattern);
    if (names.isEmpty())
        return 0;
    QStringList keptBases;  // bases whose partials wait for the next try: not tried again in this pass
    for (const QString& n : names) {
        const QString path = platform::JoinPath(places.dataFolder, n);
        const QString base = n.section(u'.', 0, 0);
        if (!QFileInfo(path).isFile() || keptBases.contains(base, Qt::CaseInsensitive))
            continue;  // taken with an earlier partial of its well, or waiting with it
        bool kept = false;
        ApplyPartials(places, base, kept);
        if (kept) {
            // The base or the disk failed, not the partial: it is applied on the next try.
            keptBases << base;
            Log(places, QStringLiteral("Append failed,file kept for the next try"), path);
            continue;
        }
        if (QFileInfo(path).isFile()) {
            wellfile::DeleteFiles(path);
            Log(places, QStringLiteral("Append failed,file deleted 1"), path);
            Tell(places, QStringLiteral("Append failed,file deleted 1"), QString());
        }
    }
    return 1;
}

int StoreReceivedImage(const QString& folder, const QString& name)
{
    const QString source = platform::FindFileNoCase(folder, name + QStringLiteral(".jpg"));
    if (!QFileInfo(source).isFile())
        return 0;
    const QString jpegs = platform::FindFileNoCase(folder, QStringLiteral("Jpegs"));
    QDir().mkpath(jpegs);
    int number = CountFiles(platform::JoinPath(jpegs, name + QStringLiteral(".j??"))) + 1;
    QString target;
    do {
        target = platform::JoinPath(jpegs, name + QStringLiteral(".j%1").arg(number++, 2, 10, QLatin1Char('0')));
    } while (QFileInfo::exists(platform::FindFileNoCase(jpegs, QFileInfo(target).fileName())));
    return QFile::rename(source, target) ? 1 : 0;
}

}  // namespace exchange
