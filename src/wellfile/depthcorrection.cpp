#include "wellfile/depthcorrection.h"

#include "platform/numbers.h"
#include "platform/text.h"
#include "wellfile/wellheader.h"

#include <QFile>
#include <QFileInfo>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace wellfile {

namespace {

void RaiseEmptyTestGas(RECORD& r)
{
    for (float& v : r.testGas)
        if (v <= 0)
            v = 1.0f;
}

}  // namespace

RECORD AppendTemplate(const RECORD& last)
{
    RECORD t = last;
    t.rateOdd = t.rateOne = last.rate2Ft / 2;
    std::memset(t.interpretedLith, 0, sizeof t.interpretedLith);
    std::memset(t.shortText, 0, sizeof t.shortText);
    std::memset(t.lith, 0, sizeof t.lith);
    std::memcpy(t.lith, "100bl", 5);
    t.outlineNarrow = t.outlineWide = t.fluorQuality = t.porosity = t.fluorPercent = t.cutRating = 0;
    t.slide = t.hardness = t.flareLength = t.tripCode = 0;
    t.azimuth = t.inclination = t.tvd = 0;
    t.bottomDepth = 0;
    t.custom1 = t.custom2 = 0;
    t.mudWeightIn = t.mudWeightOut = t.co2 = 0;
    t.weightOnBit[0] = t.weightOnBit[1] = 0;
    t.indexWord = -1;
    t.fluorColour = kSystemColourBit;
    // Gas at 28..59 and 416..447: the eight components of both blocks; the ninth and tenth stay.
    for (int i = GAS_TG; i <= GAS_NC5; ++i) {
        t.gas[i] = 0;
        t.halfGas[i] = 0;
    }
    RaiseEmptyTestGas(t);
    return t;
}

bool AppendDepthRecords(const QString& path, int count, int step)
{
    if (count <= 0)
        return true;
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite))
        return false;
    const qint64 oldSize = f.size();
    const qint64 wholes = oldSize / kRecordSize;
    RECORD last;
    if (wholes < 1 || !f.seek((wholes - 1) * kRecordSize) ||
        f.read(reinterpret_cast<char*>(&last), kRecordSize) != kRecordSize)
        return false;
    const RECORD tmpl = AppendTemplate(last);
    const float rate = last.rate2Ft;
    std::vector<RECORD> added(std::size_t(count), tmpl);
    std::int32_t depth = last.depth;
    for (RECORD& r : added) {
        depth += step;
        r.depth = depth;
        r.rateOdd = r.rateOne = r.rate2Ft = rate;
    }
    const qint64 bytes = qint64(added.size()) * kRecordSize;
    const bool written = f.seek(wholes * kRecordSize) &&
                         f.write(reinterpret_cast<const char*>(added.data()), bytes) == bytes && f.flush();
    if (!written) {
        // Nothing half-appended stays behind: the file keeps exactly what it held.
        f.resize(oldSize);
        return false;
    }
    return true;
}

bool CutDataFile(const QString& path, std::int64_t records)
{
    QFile f(path);
    if (records < 0 || !f.open(QIODevice::ReadWrite))
        return false;
    if (f.size() <= records * kRecordSize)
        return true;
    return f.resize(records * kRecordSize);
}

std::size_t ShiftRecordDepths(std::vector<RECORD>& records, std::int32_t d)
{
    if (records.empty())
        return 0;
    char company[sizeof records[0].interpretedLith];
    std::memcpy(company, records[0].interpretedLith, sizeof company);
    records[0].depth += d;
    records[0].slide = 0;
    for (std::size_t i = 1; i < records.size(); ++i) {
        records[i].depth = records[i - 1].depth + 1;
        RaiseEmptyTestGas(records[i]);
    }
    std::size_t dropped = 0;
    while (dropped < records.size() && records[dropped].depth < 1)
        ++dropped;
    if (dropped > 0) {
        records.erase(records.begin(), records.begin() + std::ptrdiff_t(dropped));
        if (!records.empty())
            std::memcpy(records[0].interpretedLith, company, sizeof company);
    }
    return dropped;
}

namespace {

// Keeps the file at `path` under `kept` (a second link to it, or a copy where the folder allows no
// links) so that it can be put back; false when that cannot be done.
bool KeepAside(const QString& path, const QString& kept)
{
    QFile::remove(kept);
    if (::link(QFile::encodeName(path).constData(), QFile::encodeName(kept).constData()) == 0)
        return true;
    return QFile::copy(path, kept);
}

bool RenameOver(const QString& from, const QString& to)
{
    // rename(2) replaces the old file in one step.
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

}  // namespace

QString ReplaceFilesTogether(const std::vector<FileImage>& files)
{
    std::vector<QString> temps;
    std::vector<QString> kept(files.size());
    const auto dropTemps = [&] {
        for (const QString& t : temps)
            QFile::remove(t);
        for (const QString& k : kept)
            if (!k.isEmpty())
                QFile::remove(k);
    };
    for (const FileImage& image : files) {
        const QString temp = image.path + QStringLiteral(".adj~");
        QFile f(temp);
        temps.push_back(temp);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(image.bytes) != image.bytes.size() ||
            !f.flush()) {
            f.close();
            dropTemps();
            return image.path;
        }
    }
    // The old files stay until every new one is in place.
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (!QFileInfo(files[i].path).isFile())
            continue;
        kept[i] = files[i].path + QStringLiteral(".old~");
        if (!KeepAside(files[i].path, kept[i])) {
            kept[i].clear();
            dropTemps();
            return files[i].path;
        }
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (RenameOver(temps[i], files[i].path))
            continue;
        // Put back what was replaced, in the same order, so the data file (given last) is the last to return.
        // An old file that cannot go back stays under its kept name (it is not removed below).
        for (std::size_t b = 0; b < i; ++b) {
            if (kept[b].isEmpty())
                QFile::remove(files[b].path);
            else
                RenameOver(kept[b], files[b].path);
            kept[b].clear();
        }
        dropTemps();
        return files[i].path;
    }
    for (QString& k : kept)
        if (!k.isEmpty())
            QFile::remove(k);
    return {};
}

float KbElevationFromText(const char* field, std::size_t width)
{
    // Only the field's own bytes: the API number follows it directly when the KB text fills it.
    std::string kept;
    bool digitSeen = false;
    for (std::size_t i = 0; i < width && field[i] != '\0'; ++i) {
        const char c = field[i];
        const bool digit = c >= '0' && c <= '9';
        if (digit && !digitSeen && i > 0 && field[i - 1] == '-' && kept.find('.') == std::string::npos)
            kept.insert(kept.begin(), '-');
        if (digit || c == '.')
            kept += c;
        digitSeen = digitSeen || digit;
    }
    return kept.empty() ? 0.0f : platform::LeadingFloat(kept);
}

float GetKbElevation(const WellPlace& place, const QString& path)
{
    WellHeader header{};
    if (!ReadHeader(header, place, path, true))
        return 0.0f;
    return KbElevationFromText(header.kellyBushing, sizeof header.kellyBushing);
}

}  // namespace wellfile
