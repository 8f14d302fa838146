#include "wellfile/repair.h"

#include "platform/numbers.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/datafile.h"
#include "wellfile/fileattrs.h"
#include "wellfile/profile.h"
#include "wellfile/wholefile.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <cstring>
#include <ctime>
#include <new>
#include <string_view>

namespace wellfile {

namespace {

// Range tests are written so that a NaN, which fails every comparison, counts as out of range.
bool Within(float v, float lo, float hi) { return v >= lo && v <= hi; }

std::uint16_t ClampScale(std::uint16_t code, std::uint16_t highest) { return code == 0 || code > highest ? 1 : code; }

bool IsUndescribed(const char (&lith)[30])
{
    const std::string text = platform::FieldText(lith);
    return text.size() == 5 && QByteArray::fromStdString(text).compare("100BL", Qt::CaseInsensitive) == 0;
}

QString CtimeText(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    const std::time_t t = std::time_t(info.lastModified().toSecsSinceEpoch());
    char buf[32] = {};
    if (!ctime_r(&t, buf))
        return {};
    QString text = QString::fromLatin1(buf);
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

void ReportAllocation() { platform::MessageBox(QStringLiteral("Memory Allocation Error"), QStringLiteral("ERROR")); }
void ReportFile(const QString& path) { platform::MessageBox(path, QStringLiteral("File Error")); }

// Reads a whole file; false when it does not open or cannot be read.

// Replaces the file with `data` when it differs from what was read; false after a message on failure.
bool WriteIfChanged(const QString& path, const QByteArray& before, const void* data, std::size_t size, bool& wrote)
{
    wrote = false;
    if (std::size_t(before.size()) == size && std::memcmp(before.constData(), data, size) == 0)
        return true;
    SetNormalAttributes(path);
    if (!WriteWholeFile(path, data, size)) {
        ReportFile(path);
        return false;
    }
    wrote = true;
    return true;
}

}  // namespace

void RepairRecords(std::vector<RECORD>& records, RepairSummary& s)
{
    s.lastColourA = s.lastColourB = s.lastColourC = kNoLastColour;
    s.lastDescribedDepth = 0;
    s.lastDescribedLith.clear();
    s.gammaPresent = s.curveValuesPresent = false;
    s.lastMudWeightOut = 0;
    if (records.empty())
        return;
    const std::int32_t first = records.front().depth;
    s.maxGasDepth = std::int32_t(std::int64_t(first) + 20);

    for (std::size_t i = 1; i < records.size(); ++i) {
        RECORD& r = records[i];
        // Implementation-defined wrap rather than overflow for a first depth near the top of the range.
        r.depth = std::int32_t(std::int64_t(records[i - 1].depth) + 1);

        if (r.fluorColour != 0)
            s.lastColourA = r.fluorColour;
        if (r.ratingColour != 0)
            s.lastColourB = r.ratingColour;
        if (r.hardnessColour != 0)
            s.lastColourC = r.hardnessColour;

        const double tvd = r.tvd;
        if (std::isnan(tvd) || std::trunc(tvd) > double(r.depth))
            r.tvd = 0;

        if (r.porosity > 't')
            r.porosity = 0;
        if (r.fluorPercent > 100)
            r.fluorPercent = 0;
        if (r.cutRating > 't')
            r.cutRating = 0;
        if (!IsOutlineCode(r.outlineNarrow))
            r.outlineNarrow = 0;
        if (!IsOutlineCode(r.outlineWide))
            r.outlineWide = 0;
        const std::uint16_t cut = r.cutRating;
        if (cut > 10 && cut != 't' && cut != 'p' && cut != 'f' && cut != 'g')
            r.cutRating = 0;

        if (!Within(r.rtGamma[0], 0, 5000))
            r.rtGamma[0] = 0;
        if (!Within(r.rtGamma[1], 0, 5000))
            r.rtGamma[1] = 0;
        if (r.rtGamma[0] > 0 || r.rtGamma[1] > 0)
            s.curveValuesPresent = true;
        if (r.gamma[0] > 0 || r.gamma[1] > 0)
            s.gammaPresent = true;

        r.minutesScale = ClampScale(r.minutesScale, 8);
        r.gasScale = ClampScale(r.gasScale, 8);
        r.temperatureScale = ClampScale(r.temperatureScale, 5);
        r.chromatographScale = ClampScale(r.chromatographScale, 5);
        r.rateScale = ClampScale(r.rateScale, 6);
        if (r.slide > 1)
            r.slide = 0;

        // Compared as floats: a stored 0.01 is a valid rate.
        if (!Within(r.rateOdd, 0.01f, 200.0f))
            r.rateOdd = 0.1f;
        if (!Within(r.rateOne, 0.01f, 200.0f))
            r.rateOne = 0.1f;
        if (!Within(r.rate2Ft, 0.01f, 200.0f))
            r.rate2Ft = 0.1f;

        r.lith[sizeof r.lith - 1] = 0;
        r.interpretedLith[sizeof r.interpretedLith - 1] = 0;
        for (float& g : r.testGas)
            if (!(g > 0))
                g = 1.0f;
        r.shortText[sizeof r.shortText - 1] = 0;
        if (r.tripCode > 5)
            r.tripCode = 0;

        if (!IsUndescribed(r.lith)) {
            s.lastDescribedDepth = r.depth;
            s.lastDescribedLith = platform::FieldText(r.lith);
        }
        if (r.gas[GAS_TG] > 1.0f && r.depth > s.maxGasDepth && std::int64_t(r.depth) > std::int64_t(first) + 30)
            s.maxGasDepth = r.depth;
        if (r.mudWeightOut > 0)
            s.lastMudWeightOut = r.mudWeightOut;
    }
    const std::int32_t last = records.back().depth;
    if (std::int64_t(s.lastDescribedDepth) > std::int64_t(last) - 10)
        s.lastDescribedDepth = std::int32_t(std::int64_t(last) - 10);
}

int LoadAndRepairRecords(const RepairTarget& target)
{
    OpenWell& well = target.well;
    RepairSummary& s = target.summary;
    const QString path = well.dataFileName;
    s.rewritten = false;
    s.fileTimeText = CtimeText(path);

    const std::optional<QByteArray> read = ReadWholeFile(path);
    if (!read)
        return 0;
    const QByteArray& bytes = *read;
    const std::size_t count = std::size_t(bytes.size()) / kRecordSize;
    if (count == 0)
        return 0;  // nothing of ours to repair; the file is left as it is
    std::vector<RECORD> records;
    try {
        records.resize(count);
    } catch (const std::bad_alloc&) {
        ReportAllocation();
        return 0;
    }
    std::memcpy(static_cast<void*>(records.data()), bytes.constData(), count * kRecordSize);

    s.busy = true;
    // Only the extension and the text already read decide here: the pass never opens another file.
    if (target.loggerId == 0) {
        const auto special = ProfileFromExtension(Profiles(), path);
        target.loggerId = special ? *special : ProfileFromText(platform::FieldText(records.front().interpretedLith));
    }
    well.depthStep = 1;
    RepairRecords(records, s);
    well.fileTopDepth = records.front().depth;
    well.fileBottomDepth = records.back().depth;
    if (s.lastMudWeightOut > 0)
        well.lastMudWeightOut = s.lastMudWeightOut;

    // A torn record at the end is dropped with the rewrite: the length becomes count x 616.
    const bool ok = WriteIfChanged(path, bytes, records.data(), count * kRecordSize, s.rewritten);
    s.busy = false;
    if (!ok)
        return 0;

    if (!well.customDataFileName.isEmpty() && QFileInfo(well.customDataFileName).isFile())
        RenumberCustomRecords(target);
    if (well.hooks.repaired)
        well.hooks.repaired();
    return 1;
}

int RenumberCustomRecords(const RepairTarget& target)
{
    OpenWell& well = target.well;
    const QString path = well.customDataFileName;
    // The data file's depth range, but never more records than the data file holds: depths read from a
    // damaged file must not make the ".svx" grow without bound.
    const std::int64_t count = std::min<std::int64_t>(std::int64_t(well.fileBottomDepth) - well.fileTopDepth + 1,
                                                      RecordsInDataFile(well.dataFileName));
    if (count < 1 || path.isEmpty() || !QFileInfo(path).isFile())
        return 0;
    const std::optional<QByteArray> read = ReadWholeFile(path);
    if (!read)
        return 0;
    const QByteArray& bytes = *read;
    std::vector<wellfile::CUSTDATAREC> records;
    try {
        records.resize(std::size_t(count));  // records past the file's end stay zero
    } catch (const std::bad_alloc&) {
        ReportAllocation();
        return 0;
    }
    const std::size_t have = std::min(std::size_t(bytes.size()), records.size() * wellfile::kCustomRecordSize);
    std::memcpy(static_cast<void*>(records.data()), bytes.constData(), have);

    // The file's own first depth stands only when it is a depth at all (not NaN or out of range).
    if (well.fileTopDepth > 0 || !platform::WholeOf(records.front().depth))
        records.front().depth = float(well.fileTopDepth);
    for (std::size_t i = 1; i < records.size(); ++i)
        records[i].depth = records[i - 1].depth + 1.0f;
    well.customTopDepth = platform::Whole(records.front().depth);
    well.customBottomDepth = platform::Whole(records.back().depth);

    // Another station's shared copy is not rewritten here unless this station is drilling it. Its ".fit"
    // still gives the FIT curves its range, or they would read it by the range of the well open before.
    if (target.sharedCopy && !well.drilling) {
        wellfile::ReadExtDepthRange(target.fit);
        return 1;
    }
    bool wrote = false;
    if (!WriteIfChanged(path, bytes, records.data(), records.size() * wellfile::kCustomRecordSize, wrote))
        return 0;
    if (!target.fit.path.isEmpty() && QFileInfo(target.fit.path).isFile())
        RenumberFitRecords(target.fit);
    return 1;
}

int RenumberFitRecords(wellfile::FitFile& fit)
{
    if (fit.path.isEmpty() || !QFileInfo(fit.path).isFile())
        return 0;
    const std::optional<QByteArray> read = ReadWholeFile(fit.path);
    if (!read)
        return 0;
    const QByteArray& bytes = *read;
    const std::size_t count = std::size_t(bytes.size()) / wellfile::kExtRecordSize;
    if (count == 0)
        return 1;
    std::vector<wellfile::EXTRECORD> records;
    try {
        records.resize(count);
    } catch (const std::bad_alloc&) {
        ReportAllocation();
        return 0;
    }
    std::memcpy(static_cast<void*>(records.data()), bytes.constData(), count * wellfile::kExtRecordSize);
    for (std::size_t i = 1; i < count; ++i)
        records[i].depth = records[i - 1].depth + 1.0f;
    QByteArray renumbered = bytes;  // trailing bytes of a torn record stay: the length is unchanged
    std::memcpy(renumbered.data(), static_cast<const void*>(records.data()), count * wellfile::kExtRecordSize);
    fit.topDepth = platform::Whole(records.front().depth);
    fit.bottomDepth = platform::Whole(records.back().depth);
    bool wrote = false;
    return WriteIfChanged(fit.path, bytes, renumbered.constData(), std::size_t(renumbered.size()), wrote) ? 1 : 0;
}

void InstallRepairHooks(const RepairTarget& target)
{
    target.well.hooks.loadAndRepairRecords = [target] { LoadAndRepairRecords(target); };
    target.well.hooks.renumberCustomRecords = [target] { RenumberCustomRecords(target); };
}

}  // namespace wellfile
