#include "wellfile/reportconversion.h"
#include "reports/ui/showdlg.h"

#include "app/logstate.h"
#include "app/opendatafile.h"
#include "platform/numbers.h"
#include "platform/services.h"
#include "platform/text.h"
#include "platform/winapi.h"
#include "reports/draw/showpage.h"
#include "reports/reporttext.h"
#include "reports/reportwell.h"
#include "wellfile/copyout.h"
#include "wellfile/datafile.h"
#include "wellfile/reportindex.h"

#include <QFile>
#include <QLabel>

namespace reports {

namespace {

// The gas columns' headings, each over its column; the first names the hot wire or, with the hot wire
// off, the total.
const char* const kGasHeadings[] = {"C1", "C2", "C3", "IC4", "NC4", "C5"};

constexpr int kGasIds[3][6] = {{114, 115, 116, 117, 118, 141}, {119, 120, 121, 122, 123, 143},
                               {124, 125, 126, 127, 128, 144}};
constexpr int kC5Ids[3] = {146, 147, 148};

}  // namespace

NewShowDlg::NewShowDlg(QWidget* parent, std::int32_t (&interval)[2])
    : FormDialog(parent, QStringLiteral("Show Interval")), interval_(interval), first_(interval[0]), last_(interval[1])
{
    AddEditGrid(1, {{"Top of Interval", IDC_TOP, 6}, {"Bottom of Interval", IDC_BOTTOM, 6}});
    NewRow();
    AddButton(platform::IDOK, QStringLiteral("OK"), true);
    AddButton(platform::IDCANCEL, QStringLiteral("Cancel"));
}

bool NewShowDlg::CanClose()
{
    const int top = platform::LeadingInt(GetTextA(IDC_TOP));
    const int bottom = platform::LeadingInt(GetTextA(IDC_BOTTOM));
    if (top < first_ || top > last_ || top > bottom || bottom > last_) {
        platform::MessageBox(QStringLiteral("Depth out of range"), QStringLiteral("Show Report"), platform::MB_OK);
        return false;
    }
    interval_[0] = top;
    interval_[1] = bottom;
    return true;
}

ShowDlg::ShowDlg(QWidget* parent, app::LogState& log, ReportPrinter& printer, int requested)
    : RecordReportDlg(parent, QStringLiteral("STRATIV SHOW REPORT"), log, printer, QStringLiteral("Show"),
                      QStringLiteral("SHOW")),
      requested_(requested)
{
    // The fields in rows, each block in a grid under the one before: caption and field pairs of a text
    // limit and the characters shown.
    NewRow();
    AddEditGrid(2, {{"COMPANY:", 101, 80, 30}, {"WELL:", 102, 80, 30}});
    NewRow();
    AddEditGrid(2, {{"SHOW NO.:", IDC_SHOW_NUMBER, 10, 6}, {"SHOW INTERVAL:", IDC_INTERVAL, 30, 20}});
    NewRow();
    AddEditGrid(2, {{"FORMATION:", 105, 80, 30}, {"LITHOLOGY:", 106, 30, 25}});
    NewRow();
    AddEditGrid(1, {{"DESCRIPTION:", 107, 35, 35}, {"", 108, 35, 35}, {"", 109, 35, 35}, {"", 110, 35, 35}});
    NewRow();
    AddEditGrid(3, {{"ROP ABOVE:", 111, 30, 12}, {"ROP DURING:", 112, 30, 12}, {"ROP AFTER:", 113, 30, 12}});
    NewRow();
    BeginGrid(8);
    SkipCell();
    AddStatic(IDC_GAS_HEADING, QStringLiteral("HW"))->setAlignment(Qt::AlignCenter);
    for (const char* heading : kGasHeadings)
        AddCaption(heading)->setAlignment(Qt::AlignCenter);
    const char* rows[3] = {"GAS ABOVE:", "GAS DURING:", "GAS AFTER:"};
    for (int r = 0; r < 3; ++r) {
        AddCaption(rows[r]);
        for (int id : kGasIds[r])
            AddEdit(id, 10, 8);
        AddEdit(kC5Ids[r], 10, 8);
    }
    EndGrid();
    NewRow();
    AddEditGrid(1, {{"POR:", 129, 80, 60},
                    {"FLU:", 130, 80, 60},
                    {"CUT:", 131, 80, 60},
                    {"COMMENTS:", 132, 80, 60},
                    {"", 133, 80, 60},
                    {"", 137, 80, 60}});
    AddRecordButtons<ShowDlg>();
}

ShowFillSettings ShowDlg::Settings() const
{
    ShowFillSettings s;
    s.profile = log_.well.loggerId;
    s.calibratedGas = calibratedGas;
    s.ratesPerHour = log_.view.rateInMetresPerHour != 0;
    s.divisors = divisors_;
    return s;
}

bool ShowDlg::Load()
{
    const wellfile::OpenWell& f = log_.well.file;
    std::unique_ptr<wellfile::RECORD> last = wellfile::ReadLastRecord(f, f.dataFileName);
    divisors_ = ShowGasDivisors(last.get());
    if (std::optional<std::vector<wellfile::SHOWREPORT>> loaded = LoadShowFile(app::PlaceOf(log_), &unreadable_)) {
        shows_ = std::move(*loaded);
        current_ = OpeningShow(Count(), requested_);
        TransferRecord(1);
        return true;
    }
    CmNew();
    Enable(IDC_DELETE, false);
    return !cancelled_;
}

void ShowDlg::SetupWindow()
{
    if (!log_.options.hotwire)
        SetText(IDC_GAS_HEADING, QStringLiteral("TOT"));
}

void ShowDlg::TransferRecord(int direction)
{
    if (current_ < 0 || current_ >= Count())
        return;
    wellfile::SHOWREPORT& s = shows_[std::size_t(current_)];
    const auto move = [&](int id, auto& field) {
        if (direction)
            SetFromField(id, field);
        else
            GetField(id, field);
    };
    if (direction && !log_.options.hotwire)
        SumTotalGas(s);
    move(101, s.company);
    move(102, s.well);
    if (direction)
        SetTextA(IDC_SHOW_NUMBER, platform::CFormat("%d", int(s.number)));
    else
        s.number = std::uint16_t(platform::LeadingInt(GetTextA(IDC_SHOW_NUMBER)));
    move(IDC_INTERVAL, s.interval);
    move(105, s.formation);
    move(106, s.lithology);
    for (int i = 0; i < 4; ++i)
        move(107 + i, s.description[i]);
    move(111, s.ropAbove);
    move(112, s.ropDuring);
    move(113, s.ropAfter);
    char (*rows[3])[6][10] = {&s.gasAbove, &s.gasDuring, &s.gasAfter};
    char (*c5[3])[10] = {&s.gasAboveC5, &s.gasDuringC5, &s.gasAfterC5};
    for (int r = 0; r < 3; ++r) {
        for (int i = 0; i < 6; ++i)
            move(kGasIds[r][i], (*rows[r])[i]);
        move(kC5Ids[r], *c5[r]);
    }
    move(129, s.porosity);
    move(130, s.fluorescence);
    move(131, s.cut);
    move(132, s.comments[0]);
    move(133, s.comments[1]);
    move(137, s.comments[2]);
}

void ShowDlg::CmNew()
{
    const wellfile::OpenWell& f = log_.well.file;
    std::int32_t interval[2] = {f.fileTopDepth, f.fileBottomDepth};
    NewShowDlg ask(this, interval);
    if (ask.Execute() != platform::IDOK) {
        if (shows_.empty())
            cancelled_ = true;
        return;
    }
    shows_.emplace_back();
    current_ = Count() - 1;
    Enable(IDC_DELETE, true);
    const std::optional<HeaderNames> names = ReadHeaderNames(app::PlaceOf(log_), log_.well.loggerId);
    wellfile::SHOWREPORT& show = shows_.back();
    StartShow(show, interval[0], interval[1], current_ > 0 ? &shows_[std::size_t(current_) - 1] : nullptr,
              names ? &names->company : nullptr, names ? &names->well : nullptr);
    FillShowFromRecords(show, f.dataFileName, f.fileTopDepth, f.fileBottomDepth, interval[0], interval[1],
                        Settings());
    TransferRecord(1);
}

void ShowDlg::CmSave()
{
    TransferRecord(0);
    const wellfile::OpenWell& f = log_.well.file;
    // The shows of a file that could not be read would be lost under the ones shown here.
    if (unreadable_) {
        platform::MessageBox(ShowPath() + QStringLiteral("\nThe show file could not be read: it is not saved over."),
                             QStringLiteral("Save failed"));
        return;
    }
    if (!SaveShowFile(app::PlaceOf(log_), shows_, current_))
        return;
    if (f.copyOut && f.drilling)
        wellfile::CopyWellFileOut(f.dataFolder, f.wellName, QStringLiteral(".sho"));
    // The saved show may have moved: show it at its new place.
    TransferRecord(1);
}

void ShowDlg::CmDelete()
{
    const int answer = platform::MessageBox(
        QStringLiteral("Report will be permanently deleted when you press Save.\nClick OK to continue, then press "
                       "save to delete report,\nor Click CANCEL to return unchanged"),
        QStringLiteral("Delete report"), platform::MB_OKCANCEL);
    if (answer != platform::IDOK || current_ < 0)
        return;
    if (Count() <= 1) {
        if (!unreadable_) {
            const QString path = ShowPath();
            QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner);
            QFile::remove(path);
        }
        shows_.clear();
        current_ = -1;
        ReloadMarks();
        EndDialog(platform::IDCANCEL);
        return;
    }
    current_ = DeleteShow(shows_, current_);
    TransferRecord(1);
}

bool ShowDlg::ShowRecord(int index)
{
    current_ = index;
    TransferRecord(1);
    return true;
}

QString ShowDlg::PrintedDepth() const { return QString::number(ShowTopDepth(Shown())); }

QByteArray ShowDlg::RecordText() const { return ShowText(Shown(), log_.options.hotwire); }

void ShowDlg::DrawPage(platform::Dc& dc)
{
    if (current_ < 0)
        return;
    DrawShowPage(dc, dc.GetDeviceCaps(platform::LOGPIXELSY) / 10, Shown(), log_.layout.format.title,
                 log_.options.hotwire);
}

QString ShowDlg::ShowPath() const { return ReportFilePath(log_.well.file, QStringLiteral(".sho")); }

void ShowDlg::ReloadMarks()
{
    wellfile::LoadShowDepthIndex(app::PlaceOf(log_), log_.well.showDepthIndex, wellfile::ConvertShows);
    log_.view.Invalidate();
}

bool ShowDlg::CanClose()
{
    ReloadMarks();
    if (log_.well.file.drilling)
        LeaveSendCopy(log_.well.file, QStringLiteral(".sho"));
    return true;
}

void RunShowReport(QWidget* parent, app::LogState& log, ReportPrinter& printer, int requested)
{
    ShowDlg dialog(parent, log, printer, requested);
    if (dialog.Load())
        dialog.Execute();
}

}  // namespace reports
