#include "elog/curves.h"

#include "platform/numbers.h"
#include "platform/services.h"
#include "wellfile/wholefile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <limits>
#include <new>

namespace elog {

namespace {

constexpr std::int64_t kRecordBytes = sizeof(CurveRecord);

}  // namespace

Curves::Curves(const CurveOwner& o) : owner(o)
{
    const std::int32_t saved = o.gammaScaleSetting;
    gammaScaleIndex = saved >= 1 && saved <= 9 && !o.alternateLayout ? saved : 4;
}

Curves::~Curves() = default;

int Curves::LoadCurveFile(const QString& path)
{
    loadedFromNamedFile = path.isEmpty() ? 0 : 1;
    const QString file = path.isEmpty() ? owner.wellCurveFile : path;
    if (file.isEmpty() || !QFileInfo(file).isFile()) {
        block_ = {};
        count_ = 0;
        return 0;
    }
    std::int32_t count = 0;
    if (!ReadCurveFile(file, count))
        return 0;
    if (block_.empty()) {
        platform::MessageBox(QStringLiteral("Curve buffer Allocation failed"), QString(), platform::MB_OK);
        return 0;
    }

    const CurveRecord& first = block_[0];
    const float stored = first.values[SLOT_PE];
    if (stored > 0.0f && kbElevation < 1.0f)
        kbElevation = stored;
    if (kbElevation < 10.0f && owner.kbSetting > 0.0f)
        kbElevation = owner.kbSetting;

    firstDepth = platform::Whole(first.values[SLOT_DEPTH]);
    percentPorosity = 0;
    // The spare zero records end the scan at the latest.
    std::size_t r = 1;
    while (r < std::size_t(count_) && block_[r].values[SLOT_DEPTH] > 0.0f)
        ++r;
    lastDepth = platform::Whole(block_[r - 1].values[SLOT_DEPTH]);
    FindCurveRanges();
    return 1;
}

int Curves::ReadCurveFile(const QString& path, std::int32_t& count)
{
    block_ = {};
    count_ = 0;
    count = 0;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const std::int64_t records = file.size() / kRecordBytes;
    try {
        if (records > std::numeric_limits<std::int32_t>::max() - kSpareRecords)
            throw std::bad_alloc();
        block_.assign(std::size_t(records + kSpareRecords), CurveRecord{});
    } catch (const std::bad_alloc&) {
        block_ = {};
        platform::MessageBox(QStringLiteral("Memory Allocation Error"), QString(), platform::MB_OK);
        return 0;
    }
    // Only whole records are read: a cut tail stays in the file.
    char* bytes = reinterpret_cast<char*>(block_.data());
    std::int64_t got = 0;
    while (got < records * kRecordBytes) {
        const qint64 n = file.read(bytes + got, records * kRecordBytes - got);
        if (n <= 0)
            break;
        got += n;
    }
    count_ = std::int32_t(got / kRecordBytes);
    // A short read leaves no part of a record behind the count.
    std::fill(block_.begin() + count_, block_.end(), CurveRecord{});
    count = count_;
    return 1;
}

void Curves::FindCurveRanges()
{
    // The walk goes by record index from the first to the last depth; since record i holds depth i it
    // walks the depths. A damaged record 0 or last depth never takes it outside the records read.
    const std::int64_t from = std::max<std::int64_t>(firstDepth, 0);
    const std::int64_t to = std::min<std::int64_t>(lastDepth, count_);
    for (int s = 1; s < kSlots; ++s) {
        CurvePen& pen = pens[std::size_t(s)];
        pen.on = 0;
        for (std::int64_t r = from; r < to; ++r) {
            pen.firstDataDepth = lastDepth;
            const CurveRecord& rec = block_[std::size_t(r)];
            const float v = rec.values[std::size_t(s)];
            if (r == 0 || !(v > 0.0f))
                continue;
            pen.on = 1;
            pen.firstDataDepth = platform::Whole(rec.values[SLOT_DEPTH]);
            if (!percentPorosity && (s == SLOT_DENSITY_POR || s == SLOT_NEUTRON_POR) && v > 1.0f)
                percentPorosity = 1;
            if (s == SLOT_SONIC)
                scaleOptionB = v < 1.0f ? 1 : 0;
            break;
        }
    }
}

int Curves::SaveCurveFile()
{
    QFile file(owner.currentCurveFile);
    bool written = !owner.currentCurveFile.isEmpty() && file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly);
    if (written) {
        // The file keeps its length; only the records read go back, so a file grown since keeps its tail.
        const std::int64_t bytes = std::min<std::int64_t>(file.size(), std::int64_t(count_) * kRecordBytes);
        written = file.write(reinterpret_cast<const char*>(block_.data()), bytes) == bytes && file.flush();
        file.close();
    }
    if (!written) {
        platform::MessageBox(QStringLiteral("File write failed"), QStringLiteral("Curve File Error"), platform::MB_OK);
        return 0;
    }
    wellfile::TellSavedFile(owner.currentCurveFile);  // published with live update on
    return 1;
}

int Curves::SetCurveFileSize(const QString& path, std::int64_t count)
{
    if (count < 0 || count > std::numeric_limits<std::int64_t>::max() / kRecordBytes || path.isEmpty())
        return 0;
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        return 0;
    return file.resize(count * kRecordBytes) ? 1 : 0;
}

const tracks::ElogView& Curves::View(std::int32_t depthOffset)
{
    // The record and the painters' row are the same array type: the rows are handed over in place.
    view_.rows = count_ > 0 ? std::span<const tracks::ElogRow>(&block_[0].values, std::size_t(count_))
                            : std::span<const tracks::ElogRow>{};
    view_.depthOffset = depthOffset;
    for (std::size_t s = 0; s < view_.present.size(); ++s)
        view_.present[s] = s >= 1 && pens[s].on != 0;
    // The resistivity curves (slots 8-13) are the ones the gas track can show.
    for (std::size_t i = 0; i < view_.gasTrackFlag.size(); ++i)
        view_.gasTrackFlag[i] = pens[SLOT_RES10 + i].on != 0;
    return view_;
}

int Curves::PrepareDraw(const CurveLayout& l, int unit, bool print)
{
    layout = l;
    unitSize = unit;
    printing = print;
    CurvePen& outline = pens[0];
    outline.colour = platform::RGB(0, 0, 0);
    outline.width = 1;
    outline.style = platform::PS_DOT;
    for (std::size_t s = 1; s <= l.curvePens.size(); ++s) {
        const layout::PenSpec& spec = l.curvePens[s - 1];
        pens[s].colour = spec.colour;
        pens[s].width = spec.width;
        pens[s].style = spec.style;
    }
    RescaleGamma();
    return 1;
}

void Curves::RescaleGamma() { ScaleValues(gammaScale, kGammaScaleCode, gammaScaleIndex, layout, printing); }

bool Curves::ShownOnLog(std::span<const std::int32_t> trackFlags) const
{
    for (int k = SLOT_RES10; k <= SLOT_RES120; ++k)
        if (std::size_t(k) < trackFlags.size() && trackFlags[std::size_t(k)] && pens[std::size_t(k)].on)
            return true;
    return false;
}

}  // namespace elog
