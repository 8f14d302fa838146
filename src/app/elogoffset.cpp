#include "app/elogoffset.h"

#include "app/logstate.h"
#include "app/wellsettings.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/datafile.h"
#include "wellfile/depthcorrection.h"
#include "app/opendatafile.h"

#include <algorithm>

namespace app {

namespace {

QString BaseName(const QString& path)
{
    const qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.mid(cut + 1);
}

// The e-log entry of the record that the selected scheme reads at open.
wellfile::ElogOffsetEntry& ElogEntry(wellfile::WellConfig& cfg, const LogState& s)
{
    return cfg.elogOffsets[std::clamp(s.layout.schemes.currentScheme, 0, 5)];
}

}  // namespace

bool SameWellFile(const QString& a, const QString& b)
{
    return !a.isEmpty() && BaseName(a).compare(BaseName(b), Qt::CaseInsensitive) == 0;
}

int SaveElogOffset(LogState& s, const QString& elogFile)
{
    if (!s.engines.elogCurves)
        return 0;
    const QByteArray name = platform::ToCp1252(elogFile);
    if (name.size() >= qsizetype(sizeof(wellfile::ElogOffsetEntry::fileName))) {
        platform::MessageBox(elogFile + QStringLiteral("\nThe path of the e-log file is too long to be kept"),
                             QStringLiteral("File Error"), platform::MB_OK);
        return 0;
    }
    UpdateWellConfig(s, [&](wellfile::WellConfig& cfg) {
        wellfile::ElogOffsetEntry& e = ElogEntry(cfg, s);
        platform::SetFieldText(e.fileName, name.toStdString());
        e.depthOffset = s.well.elogDepthOffset;
        return true;
    });
    return 0;
}

int LoadElogOffset(LogState& s, const QString& elogFile)
{
    if (!s.engines.elogCurves)
        return 0;
    wellfile::WellConfig cfg{};
    if (!wellfile::LoadConfig(cfg, app::PlaceOf(s), s.well.fieldSettings)) {
        s.well.elogDepthOffset = 0;
        return 1;
    }
    const wellfile::ElogOffsetEntry& e = ElogEntry(cfg, s);
    if (SameWellFile(platform::FieldString(e.fileName), elogFile))
        s.well.elogDepthOffset = e.depthOffset;
    return 1;
}

int SaveOffsetEntry(LogState& s)
{
    const OffsetWell& offset = s.well.offset;
    const QByteArray name = platform::ToCp1252(offset.file);
    UpdateWellConfig(s, [&](wellfile::WellConfig& cfg) {
        for (wellfile::OffsetWellEntry& e : cfg.offsetWells)
            e.active = 0;
        for (wellfile::OffsetWellEntry& e : cfg.offsetWells) {
            const QString stored = platform::FieldString(e.fileName);
            if (!stored.isEmpty() && !SameWellFile(stored, offset.file))
                continue;
            if (stored.isEmpty()) {
                // A name the field cannot hold whole is not stored cut.
                if (name.size() >= qsizetype(sizeof e.fileName))
                    break;
                platform::SetFieldText(e.fileName, name.toStdString());
            }
            e.depthShift = offset.shift;
            e.active = 1;
            break;
        }
        return true;
    });
    return 1;
}

void TakeOffsetWell(LogState& s, const QString& path, std::int32_t shift)
{
    OffsetWell& offset = s.well.offset;
    offset.file = path;
    offset.shift = shift;
    wellfile::ReadDataFileDepthRange(path, s.well.file.offsetTopDepth, s.well.file.offsetBottomDepth);
    offset.kbElevation = wellfile::GetKbElevation(PlaceOf(s), path);
}

int LoadOffsetRecords(LogState& s)
{
    wellfile::OpenWell& f = s.well.file;
    OffsetWell& offset = s.well.offset;
    const std::int32_t step = f.depthStep > 0 ? f.depthStep : 1;
    std::int64_t count = std::int64_t(f.offsetBottomDepth - f.offsetTopDepth) / step + 1;
    // Depths of a damaged file bound nothing: never more than the file holds.
    count = std::clamp<std::int64_t>(count, 1, std::max<std::int64_t>(wellfile::RecordsInDataFile(offset.file), 1));
    offset.records.assign(std::size_t(count + 10), wellfile::RECORD{});
    offset.viewTop = f.viewTopDepth + offset.shift;
    if (!offset.file.isEmpty())
        wellfile::ReadRecords(f, offset.records, offset.file, 0, int(count), true);
    return 1;
}

}  // namespace app
