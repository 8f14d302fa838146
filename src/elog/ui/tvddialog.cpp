#include "elog/ui/tvddialog.h"

#include "app/infocommands.h"
#include "app/logstate.h"
#include "app/notes.h"
#include "elog/curves.h"
#include "logview/geometryof.h"
#include "logview/memoslot.h"
#include "platform/folders.h"
#include "platform/numbers.h"
#include "platform/services.h"
#include "platform/ui/svedit.h"
#include "platform/winapi.h"
#include "wellfile/datafile.h"
#include "wellfile/wholefile.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>

#include <algorithm>
#include <array>

namespace elog {

namespace id = tvdid;

TvdDlg::TvdDlg(QWidget* parent, app::LogState& log, TvdFile& file, std::span<wellfile::RECORD> records, int mode)
    : Dialog(parent, QStringLiteral("TVD WELL DATA")), log_(log), file_(file), records_(records), mode_(mode)
{
    AddStatic(id::EnterValues, QString());
    NewRow();
    BeginGrid(2);
    // The six fields keep their own width however wide the list makes the dialog.
    struct Field {
        int label, edit;
        const char* text;
    };
    const Field fields[] = {{id::MdLabel, id::Md, "MD"},
                            {id::TvdLabel, id::Tvd, "TVD"},
                            {id::InclLabel, id::Incl, "INCL"},
                            {id::AzmLabel, id::Azm, "AZM"},
                            {id::VertSectLabel, id::VertSect, "VERT SECT"},
                            {id::DogLegLabel, id::DogLeg, "DOG LEG SEVERITY"}};
    for (const Field& f : fields) {
        AddStatic(f.label, QString::fromLatin1(f.text));
        QWidget* edit = AddEdit(f.edit, 12, 12);
        edit->setMaximumWidth(edit->minimumWidth());
    }
    EndGrid();
    NewRow();
    AddButton(id::Save, QStringLiteral("SAVE"));
    AddButton(id::Delete, QStringLiteral("Delete"));
    NewRow();
    AddCheck(id::CopyDescriptions, QStringLiteral("Copy Descriptions"));
    AddCheck(id::CreateLog, QStringLiteral("Create TVD LOG"));
    NewRow();
    AddStatic(platform::IDC_STATIC, QStringLiteral("Last Entries"));
    NewRow();
    // Wide enough for a whole line of a deep, far-stepped station.
    QListWidget* list = AddList(id::List);
    list->setMinimumWidth(list->fontMetrics().horizontalAdvance(
                              StationLine({12345.5f, 12345.5f, 359.5f, 99.5f, 12345.5f, 99.5f})) + 40);
    NewRow();
    // The help text wraps within the dialog's width rather than setting it.
    AddStatic(id::Info, QString())->setWordWrap(true);
    NewRow();
    AddButton(id::Done, QStringLiteral("DONE"), true);

    On(id::Save, platform::BN_CLICKED, [this] { CmSave(); });
    On(id::Delete, platform::BN_CLICKED, [this] { CmDelete(); });
    On(id::CreateLog, platform::BN_CLICKED, [this] { CmCreateTvdLog(); });
    On(id::Md, platform::EN_KILLFOCUS, [this] { Enable(id::Save); });
    On(id::List, platform::LBN_SELCHANGE, [this] { LbnSelChangeList(); });
}

float TvdDlg::Value(int control) const { return platform::LeadingFloat(GetText(control)); }

std::int32_t TvdDlg::RecordIndex(std::int32_t md) const
{
    const wellfile::OpenWell& f = log_.well.file;
    return (md - f.fileTopDepth) / (f.depthStep > 0 ? f.depthStep : 1);
}

void TvdDlg::SetupWindow()
{
    const wellfile::OpenWell& f = log_.well.file;
    tvdPath_ = app::TvdLogPath(f.currentFolder, f.wellName);
    file_.curvePath = TvdSidePath(tvdPath_, ".svc");
    file_.curvesLoaded = log_.engines.elogCurves != nullptr;
    file_.gammaFlag = file_.curvesLoaded && QFileInfo(log_.well.elogFileName).isFile();

    if (QFileInfo(tvdPath_).isFile()) {
        newBuild_ = false;
        SetCheck(id::CreateLog, platform::BST_CHECKED);
        SetText(id::CreateLog, QStringLiteral("Update TVD File"));
        logActive_ = true;
    }
    const bool loaded = TvdFile::LoadInterval(tvdPath_, interval_) != 0;
    if (!loaded)
        logActive_ = false;
    Enable(id::CreateLog, loaded);
    Enable(id::CopyDescriptions, loaded);
    Enable(id::Delete, false);
    SetText(id::Info, QStringLiteral("Survey data entered will be used to create a horizontal view when appropriate. TVD "
                                     "files can also be created or updated by checking the Create or Update TVD File "
                                     "checkbox. Refer to the manual for more information."));
    SetText(id::MdLabel, QStringLiteral("MD "));
    SetText(id::TvdLabel, QStringLiteral(" TVD "));

    const SurveyScan scan = ScanStations(records_, f.fileTopDepth, f.fileBottomDepth);
    stationCount_ = scan.stationCount;
    stations_ = scan.stations;
    listQuiet_ = true;
    ClearStrings(id::List);
    for (const QString& line : scan.lines)
        AddString(id::List, line);
    listQuiet_ = false;
    lastTvd_ = scan.lastTvd;
    lastVerticalSection_ = scan.lastVerticalSection;

    if (scan.deviated && !QFileInfo(tvdPath_).isFile() && lastTvd_ < float(f.fileBottomDepth - 10)) {
        Enable(id::CreateLog);
        Enable(id::CopyDescriptions);
        newBuild_ = true;
        interval_.tvdStart = float(f.fileTopDepth);
    }
    if (scan.maxInclination > 90)
        EndMaxInclination(true);
    SetText(id::Md, QString());
    SetText(id::Tvd, QString());
    file_.createTvd = false;
}

// An inclination above 90 ends the TVD log while the dialog is open.
void TvdDlg::EndMaxInclination(bool checked)
{
    logActive_ = false;
    SetCheck(id::CreateLog, checked ? platform::BST_CHECKED : platform::BST_UNCHECKED);
    SetText(id::CreateLog, QStringLiteral("Max TVD INCL Reached"));
    Enable(id::CreateLog, false);
    Enable(id::CopyDescriptions, false);
}

void TvdDlg::LbnSelChangeList()
{
    if (listQuiet_ || mode_ != kTvdSurveyMode)
        return;
    selected_ = GetSelIndex(id::List);
    if (selected_ < 0)
        return;
    const std::array<QString, 6> values = StationLineValues(GetString(id::List, selected_));
    const std::array<int, 6> controls = {id::Md, id::Incl, id::Azm, id::Tvd, id::VertSect, id::DogLeg};
    for (std::size_t k = 0; k < controls.size(); ++k)
        SetText(controls[k], values[k]);
    Enable(id::Save);
    Enable(id::Delete);
}

void TvdDlg::EmptyEdits()
{
    for (const int control : {id::Md, id::Tvd, id::Azm, id::Incl, id::VertSect, id::DogLeg, id::EnterValues})
        SetText(control, QString());
    SetFocusTo(id::Md);
}

void TvdDlg::CmSave()
{
    const wellfile::OpenWell& f = log_.well.file;
    const bool survey = mode_ == kTvdSurveyMode;
    SurveyValues v;
    v.md = Value(id::Md);
    const std::int32_t md = std::min(platform::Whole(v.md), f.fileBottomDepth);
    v.tvd = Value(id::Tvd);
    if (survey && v.tvd > 0 && lastTvd_ > 0 && !CheckTvd(md, v.tvd, lastTvd_, f.fileTopDepth, f.fileBottomDepth))
        return;
    if (survey && (platform::Whole(v.tvd) > md || v.tvd < float(f.fileTopDepth) || md < f.fileTopDepth)) {
        platform::MessageBox(QStringLiteral("Invalid Entry 2"), QStringLiteral("Tvd Error"), platform::MB_OK);
        return;
    }
    v.azimuth = Value(id::Azm);
    v.inclination = Value(id::Incl);
    if (v.inclination > 90)
        EndMaxInclination(false);
    v.verticalSection = Value(id::VertSect);
    if (v.tvd > 0 && v.verticalSection > 0 && lastVerticalSection_ != 0 &&
        !CheckVertSect(v.verticalSection, lastVerticalSection_))
        return;
    v.dogLeg = Value(id::DogLeg);
    if (v.tvd == 0)
        return;

    if (survey) {
        if (!SaveSurvey(md, v))
            return;  // refused or not written: no list line, no memo
        // A line the user chose takes the new values; a new station goes on top, where the deepest
        // station stands.
        auto* list = ControlAs<QListWidget>(id::List);
        listQuiet_ = true;
        if (selected_ >= 0 && selected_ < list->count())
            list->item(selected_)->setText(StationLine(v));
        else
            list->insertItem(0, StationLine(v));
        list->setCurrentRow(-1);
        listQuiet_ = false;
        selected_ = -1;
        // A value typed as 0 kept the stored one, so it keeps the last one too.
        if (v.verticalSection != 0)
            lastVerticalSection_ = v.verticalSection;
        lastTvd_ = v.tvd;
        if (logActive_) {
            interval_.tvdStart = std::max(interval_.tvdStart, float(f.fileTopDepth));
            UpdateTvdFile(float(md), v.tvd);
        }
    }

    const int x = logview::ScreenMemoSlots(logview::GeometryOf(log_)).rightLeft;
    log_.notes.tvdMemoMark = true;
    app::AddMemo(log_, StationMemo(v), x, 0, md, false);
    log_.notes.tvdMemoMark = false;
    EmptyEdits();
}

bool TvdDlg::SaveSurvey(std::int32_t md, const SurveyValues& v)
{
    wellfile::OpenWell& f = log_.well.file;
    const std::int32_t index = RecordIndex(md);
    if (index < 1) {
        platform::MessageBox(QStringLiteral("ERROR"), QStringLiteral("Invalid record number"), platform::MB_OK);
        return false;
    }
    std::array<wellfile::RECORD, 2> buffer{};
    if (wellfile::ReadRecords(f, buffer, f.dataFileName, index, 1) < 1) {
        platform::MessageBox(QStringLiteral("ERROR"), QStringLiteral("FILE ERROR"), platform::MB_OK);
        return false;
    }
    StoreStation(buffer[0], v);
    if (wellfile::SaveRecords(f, std::span(buffer).first(1), f.dataFileName, index, 1) < 1)
        return false;
    if (std::size_t(index) < records_.size())
        records_[std::size_t(index)] = buffer[0];
    return true;
}

void TvdDlg::CmDelete()
{
    wellfile::OpenWell& f = log_.well.file;
    const std::int32_t md = std::min(platform::Whole(Value(id::Md)), f.fileBottomDepth);
    const std::int32_t index = RecordIndex(md);
    if (index < 1) {
        platform::MessageBox(QStringLiteral("ERROR"), QStringLiteral("Invalid record number"), platform::MB_OK);
        return;
    }
    std::array<wellfile::RECORD, 2> buffer{};
    if (wellfile::ReadRecords(f, buffer, f.dataFileName, index, 1) < 1) {
        platform::MessageBox(QStringLiteral("ERROR"), QStringLiteral("FILE ERROR"), platform::MB_OK);
        return;
    }
    ClearStation(buffer[0]);
    if (wellfile::SaveRecords(f, std::span(buffer).first(1), f.dataFileName, index, 1) < 1)
        return;
    if (std::size_t(index) < records_.size())
        records_[std::size_t(index)] = buffer[0];
    platform::MessageBox(QStringLiteral("TVD Info has been deleted from file\nYou may now click done to exit, select "
                                        "another\nrecord to delete, or add new data."),
                         QStringLiteral("INFO"), platform::MB_OK);
    EmptyEdits();
    auto* list = ControlAs<QListWidget>(id::List);
    listQuiet_ = true;
    if (selected_ >= 0 && selected_ < list->count())
        delete list->takeItem(selected_);
    selected_ = -1;
    list->setCurrentRow(-1);
    listQuiet_ = false;
    Enable(id::Delete, false);
    Enable(id::Save, false);
}

void TvdDlg::CmCreateTvdLog()
{
    if (GetCheck(id::CreateLog) != platform::BST_CHECKED) {
        logActive_ = false;
        return;
    }
    if (!logActive_ && !BuildTvdFile()) {
        // A log that could not be built is not reported as created.
        logActive_ = false;
        SetCheck(id::CreateLog, platform::BST_UNCHECKED);
        return;
    }
    logActive_ = true;
    platform::MessageBox(
        QStringLiteral("TVD file has been created.\nFile will be updated as new\nsurveys are entered if appropriate"),
        QString(), platform::MB_OK);
}

bool TvdDlg::BuildTvdFile()
{
    const std::int32_t first = log_.well.file.fileTopDepth;
    std::size_t k = 0;
    if (stations_.empty())
        stations_.resize(10);
    if (platform::Whole(stations_[0].tvdStart) < first || platform::Whole(stations_[0].tvdEnd) < first) {
        const auto deep = std::find_if(stations_.begin(), stations_.end(), [first](const TvdInterval& s) {
            return platform::Whole(s.tvdStart) > first + 200;
        });
        if (deep == stations_.end()) {
            platform::MessageBox(QStringLiteral("Start of MD file is deeper than the TVD\nTvd File can not be built"),
                                 QStringLiteral("TVD BUILD FAILED"), platform::MB_OK);
            return false;
        }
        k = std::size_t(deep - stations_.begin());
        stations_[k].mdStart = float(first);
        stations_[k].tvdStart = float(first);
    }
    newBuild_ = true;
    for (; k < stations_.size() && stations_[k].tvdStart > 0 && stations_[k].tvdEnd >= stations_[k].tvdStart; ++k) {
        const std::uint8_t copy = interval_.copyDescriptions;
        interval_ = stations_[k];
        interval_.copyDescriptions = copy;
        if (interval_.inclination > 90)
            break;
        UpdateTvdFile(interval_.mdEnd, interval_.tvdEnd);
        newBuild_ = false;
        if (!logActive_)
            return false;  // the station's step failed and said why
    }
    return true;
}

void TvdDlg::UpdateTvdFile(float md, float tvd)
{
    // The memos as they are now: every station memo saved reloads the array.
    const app::NoteState& n = log_.notes;
    file_.memos = std::span(n.memos).first(std::size_t(std::clamp<std::int64_t>(n.memoCount, 0, std::int64_t(n.memos.size()))));
    const std::uint8_t copy = GetCheck(id::CopyDescriptions) == platform::BST_CHECKED ? 1 : 0;
    if (newBuild_) {
        const float first = float(log_.well.file.fileTopDepth);
        interval_.mdStart = first;
        interval_.mdEnd = md;
        interval_.tvdStart = first;
        interval_.tvdEnd = tvd;
        interval_.copyDescriptions = copy;
        logActive_ = file_.Update(tvdPath_, interval_) != 0;
        newBuild_ = false;
        if (!logActive_)
            return;
        SetCheck(id::CreateLog, platform::BST_CHECKED);
        SetText(id::CreateLog, QStringLiteral("Update TVD File"));
        CopyWellFiles();
        return;
    }
    interval_.mdEnd = md;
    interval_.tvdEnd = tvd;
    interval_.copyDescriptions = copy;
    logActive_ = file_.BuildInterval(tvdPath_, interval_) != 0;
}

// The TVD well takes the well's header, scheme and configuration (its e-log entries naming the TVD
// well's curve file); the header also goes for sending while drilling.
void TvdDlg::CopyWellFiles()
{
    const wellfile::OpenWell& f = log_.well.file;
    for (const char* extension : {".hdr", ".sch", ".cfg"}) {
        const QString from = platform::FindFileNoCase(f.currentFolder, f.wellName + QLatin1String(extension));
        if (!QFileInfo(from).isFile())
            continue;
        const QString to = TvdSidePath(tvdPath_, extension);
        if (QLatin1String(extension) == QLatin1String(".cfg")) {
            // The TVD well draws its own curve file, not the well's.
            QFile in(from);
            if (in.open(QIODevice::ReadOnly)) {
                const QByteArray cfg = TvdConfigOf(in.readAll(), log_.well.elogFileName, file_.curvePath);
                wellfile::WriteWholeFile(to, cfg.constData(), std::size_t(cfg.size()));
            }
            continue;
        }
        wellfile::CopyFileReplacing(from, to);
        if (f.drilling && QLatin1String(extension) == QLatin1String(".hdr"))
            wellfile::CopyFileReplacing(to, f.dataFolder + QStringLiteral("sendfile/") + QFileInfo(to).fileName());
    }
}

bool TvdDlg::CreateTvdLog()
{
    SetupWindow();
    interval_.copyDescriptions = 1;
    file_.createTvd = true;
    const bool built = BuildTvdFile();
    file_.createTvd = false;
    EndDialog(2);
    return built;
}

}  // namespace elog
