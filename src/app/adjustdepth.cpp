// Adjust File Depth: every depth of the well moves by a whole number of units. The data file and the
// side files that hold depths (".svx", ".fit", ".mem", ".hxt", ".qpt", the downtime notes) are all written
// before any of them replaces its file, so a failure leaves the well as it was.
#include "app/depthcorrection.h"

#include "app/elogoffset.h"
#include "app/logstate.h"
#include "app/opendatafile.h"
#include "app/shellcommands.h"
#include "app/wellservices.h"
#include "app/welltops.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "platform/text.h"
#include "platform/winapi.h"
#include "wellfile/customdata.h"
#include "wellfile/datafile.h"
#include "wellfile/depthcorrection.h"
#include "wellfile/memorecords.h"
#include "wellfile/reportconversion.h"
#include "wellfile/reportindex.h"
#include "wellfile/sidefiles_reports.h"
#include "wellfile/wholefile.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstring>
#include <vector>

namespace app {

namespace {

constexpr std::int32_t kMaxShift = 500;

template <class Record>
QByteArray BytesOf(const std::vector<Record>& records)
{
    return QByteArray(reinterpret_cast<const char*>(records.data()), qsizetype(records.size() * sizeof(Record)));
}

// Each record's depth moves by d; a slot of depth 0 is unused and stays so. False when the file exists
// but cannot be read.
template <class Record>
bool ShiftedEach(const QString& path, std::int32_t d, std::vector<wellfile::FileImage>& images)
{
    std::optional<QByteArray> bytes;
    const auto move = [d](auto depth) { return depth == 0 ? depth : decltype(depth)(depth + d); };
    if (!wellfile::MoveRecordDepths<Record>(path, move, bytes))
        return false;
    if (bytes)
        images.push_back({path, *bytes});
    return true;
}

// Asks for the shift until it is a whole number within the limits; nothing on Cancel.
std::optional<std::int32_t> AskShift(std::int32_t firstDepth)
{
    for (;;) {
        const std::optional<QString> text = platform::services().prompter->InputBox(
            QStringLiteral("Enter number of meters to adjust depth"), QStringLiteral("Adjust File Depth"), QString(), 6);
        if (!text)
            return std::nullopt;
        const std::optional<std::int32_t> d = ParseDepthShift(text->left(5));
        if (!d) {
            platform::MessageBox(QStringLiteral("Enter a whole number of meters"), QStringLiteral("Invalid Entry"),
                                 platform::MB_OK);
            continue;
        }
        if (*d < -kMaxShift || *d > kMaxShift) {
            platform::MessageBox(QStringLiteral("Correction max is -500 to +500 m"), QStringLiteral("Invalid Entry"),
                                 platform::MB_OKCANCEL);
            continue;
        }
        if (firstDepth + *d < 20) {
            platform::MessageBox(QStringLiteral("Can not adust file  to less than 20 m"), QStringLiteral("Invalid Entry"),
                                 platform::MB_OKCANCEL);
            continue;
        }
        return d;
    }
}

}  // namespace

void MoveTopsAndShows(LogState& s, const WellServices& sv, const std::function<std::int32_t(std::int32_t)>& move)
{
    bool topMoved = false;
    for (wellfile::TOPSEX& t : s.well.tops) {
        if (t.depth <= 0)
            continue;
        const std::int32_t to = move(t.depth);
        topMoved = topMoved || to != t.depth;
        t.depth = to;
    }
    if (topMoved) {
        SaveWellTops(s);
        sv.window->BuildMenu(s, 5);
    }

    const wellfile::WellPlace place = app::PlaceOf(s);
    const QString sho = platform::FindFileNoCase(place.currentFolder, place.wellName + QStringLiteral(".sho"));
    // Through the show loader, which brings an old-layout file to today's first; then the file's own
    // bytes, so that only the intervals change: no spare record, and a torn tail kept as it was.
    if (!QFileInfo(sho).isFile() || !wellfile::LoadShows(place, wellfile::ConvertShows))
        return;
    std::optional<QByteArray> bytes;
    if (!wellfile::ReadSideFile(sho, bytes) || !bytes)
        return;
    bool showMoved = false;
    for (qsizetype at = 0; at + wellfile::kShowSize <= bytes->size(); at += wellfile::kShowSize) {
        wellfile::SHOWREPORT r;
        std::memcpy(&r, bytes->constData() + at, sizeof r);
        int top = 0, bottom = 0;
        const std::string interval = platform::FieldText(r.interval);
        if (std::sscanf(interval.c_str(), "%d to %d", &top, &bottom) != 2)
            continue;
        const int newTop = move(top), newBottom = move(bottom);
        if (newTop == top && newBottom == bottom)
            continue;
        // As the show dialog writes a new show's interval.
        platform::SetFieldText(r.interval, platform::CFormat(" %5d to %5d", newTop, newBottom));
        std::memcpy(bytes->data() + at, &r, sizeof r);
        showMoved = true;
    }
    if (!showMoved)
        return;
    if (!wellfile::WriteWholeFile(sho, bytes->constData(), std::size_t(bytes->size()))) {
        platform::MessageBox(sho, QStringLiteral("Save Show failed"));
        return;
    }
    wellfile::LoadShowDepthIndex(place, s.well.showDepthIndex, wellfile::ConvertShows);  // the marks follow their shows
}

QByteArray ShiftCustomDataDepths(const QByteArray& svx, std::int32_t d)
{
    QByteArray out = svx;
    float previous = 0;
    for (qsizetype at = 0; at + wellfile::kCustomRecordSize <= out.size(); at += wellfile::kCustomRecordSize) {
        wellfile::CUSTDATAREC r;
        std::memcpy(&r, out.constData() + at, sizeof r);
        r.depth = at == 0 ? r.depth + float(d) : previous + 1.0f;
        previous = r.depth;
        std::memcpy(out.data() + at, &r, sizeof r);
    }
    return out;
}

void AdjustFileDepth(LogState& s, const WellServices& sv)
{
    wellfile::OpenWell& f = s.well.file;
    if (f.drilling) {
        platform::MessageBox(QStringLiteral("Please exit drilling mode to use this function"),
                             QStringLiteral("Adjust file depths"), platform::MB_OK);
        return;
    }
    if (sv.window->DataFileBusy(s)) {
        platform::MessageBeep(0);
        return;
    }
    const std::optional<std::int32_t> d = AskShift(f.fileTopDepth);
    if (!d)
        return;
    if (*d == 0) {
        if (f.hooks.loadAndRepairRecords)
            f.hooks.loadAndRepairRecords();
        return;
    }
    // A data file read only in part would be written back cut short: it is refused as unreadable.
    std::optional<std::vector<wellfile::RECORD>> read = wellfile::ReadWholeRecords<wellfile::RECORD>(f.dataFileName);
    if (!read || read->empty()) {
        platform::MessageBox(f.dataFileName, QStringLiteral("File Error"), platform::MB_OK);
        return;
    }
    std::vector<wellfile::RECORD>& records = *read;
    wellfile::ShiftRecordDepths(records, *d);
    if (records.empty())
        return;

    // Every side file is read before anything is replaced: one that cannot be read stops the whole
    // adjustment. The data file goes in last.
    std::vector<wellfile::FileImage> images;
    QString unread;
    std::optional<QByteArray> svx;
    if (!wellfile::ReadSideFile(f.customDataFileName, svx))
        unread = f.customDataFileName;
    else if (svx)
        images.push_back({f.customDataFileName, ShiftCustomDataDepths(*svx, *d)});
    const QString mem = platform::FindFileNoCase(f.currentFolder, f.wellName + QStringLiteral(".mem"));
    const QString hxt = platform::FindFileNoCase(f.currentFolder, f.wellName + QStringLiteral(".hxt"));
    const QString qpt = platform::FindFileNoCase(f.currentFolder, f.wellName + QStringLiteral(".qpt"));
    if (unread.isEmpty() && !ShiftedEach<wellfile::EXTRECORD>(s.well.fit.path, *d, images))
        unread = s.well.fit.path;
    if (unread.isEmpty() && !ShiftedEach<wellfile::SVMEMO>(mem, *d, images))
        unread = mem;
    if (unread.isEmpty() && !ShiftedEach<wellfile::HTEXTEX>(hxt, *d, images))
        unread = hxt;
    if (unread.isEmpty() && !ShiftedEach<wellfile::QREPORT>(qpt, *d, images))
        unread = qpt;
    // The downtime markers are notes named for their depths: they move as the notes do.
    MovedDowntimeNotes downtime;
    if (unread.isEmpty() && MoveDowntimeNotes(f.currentFolder, f.wellName, *d, downtime, unread))
        images.insert(images.end(), downtime.moved.begin(), downtime.moved.end());
    if (!unread.isEmpty()) {
        platform::MessageBox(
            unread + QStringLiteral(" cannot be read\nThe depths could not be adjusted; no file was changed"),
            QStringLiteral("File Error"), platform::MB_OK);
        return;
    }
    images.push_back({f.dataFileName, BytesOf(records)});

    const bool hadCurves = s.engines.elogCurves != nullptr;
    const QString failed = wellfile::ReplaceFilesTogether(images);
    if (!failed.isEmpty()) {
        platform::MessageBox(failed + QStringLiteral("\nThe depths could not be adjusted; no file was changed"),
                             QStringLiteral("File Error"), platform::MB_OK);
        return;
    }
    for (const QString& path : std::as_const(downtime.left))
        QFile::remove(path);
    if (hadCurves)
        sv.view->CloseElog(s);
    f.fileTopDepth = records.front().depth;
    f.fileBottomDepth = records.back().depth;
    if (QFileInfo(f.customDataFileName).isFile())
        wellfile::ReadCustomFileDepthRange(f, f.customTopDepth, f.customBottomDepth);
    s.view.redrawPending = true;

    sv.view->LoadMemos(s);
    sv.view->LoadShortReports(s);
    sv.window->DowntimeReport(s);
    MoveTopsAndShows(s, sv, [d](std::int32_t depth) { return depth + *d; });
    if (hadCurves) {
        sv.view->LoadElog(s, s.well.elogFileName);
        s.well.elogDepthOffset += *d;
        sv.view->PublishCurves(s);
        SaveElogOffset(s, s.well.elogFileName);
    }
    sv.window->Invalidate(s);
}

}  // namespace app
