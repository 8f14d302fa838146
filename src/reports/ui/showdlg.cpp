#include "reports/ui/showdlg.h"

#include "app/logstate.h"
#include "app/opendatafile.h"
#include "exchange/copyout.h"
#include "platform/folders.h"
#include "platform/numbers.h"
#include "platform/services.h"
#include "platform/text.h"
#include "platform/ui/svedit.h"
#include "platform/winapi.h"
#include "print/printer_commands.h"
#include "reports/draw/showpage.h"
#include "reports/ui/reportprintout.h"
#include "wellfile/datafile.h"
#include "wellfile/reportindex.h"
#include "wellfile/wellheader.h"
#include "wellfile/wholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdlib>

namespace reports {

namespace {

const char* const kHotwireHeading = "    HW           C1            C2            C3           IC4        NC4         C5   ";
const char* const kTotalHeading = "    TOT        C1             C2            C3           IC4          NC4          C5";

constexpr int kGasIds[3][6] = {{114, 115, 116, 117, 118, 141}, {119, 120, 121, 122, 123, 143},
                               {124, 125, 126, 127, 128, 144}};
constexpr int kC5Ids[3] = {146, 147, 148};

}  // namespace

NewShowDlg::NewShowDlg(QWidget* parent, std::int32_t (&interval)[2])
    : Dialog(parent, QStringLiteral("Show Interval")), interval_(interval), first_(interval[0]), last_(interval[1])
{
    BeginGrid(2);
    AddStatic(platform::IDC_STATIC, QStringLiteral("Top of Interval"));
    AddEdit(IDC_TOP, 6);
    AddStatic(platform::IDC_STATIC, QStringLiteral("Bottom of Interval"));
    AddEdit(IDC_BOTTOM, 6);
    EndGrid();
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

ShowDlg::ShowDlg(QWidget* parent, app::LogState& log, int requested)
    : Dialog(parent, QStringLiteral("STRATIV SHOW REPORT")), log_(log), requested_(requested)
{
    // The fields in rows, each under the one before: label and field pairs of a text limit and the
    // characters shown.
    struct Field {
        int id;
        const char* caption;
        int limit, chars;
    };
    const auto label = [this](const char* text) { AddStatic(platform::IDC_STATIC, QString::fromLatin1(text)); };
    const auto pairs = [&](std::initializer_list<Field> fields) {
        NewRow();
        BeginGrid(2 * int(fields.size()));
        for (const Field& f : fields) {
            label(f.caption);
            AddEdit(f.id, f.limit, f.chars);
        }
        EndGrid();
    };
    // Fields under each other, each beside its caption.
    const auto lines = [&](std::initializer_list<std::pair<int, const char*>> ids, int limit, int chars) {
        NewRow();
        BeginGrid(2);
        for (const auto& [id, caption] : ids) {
            label(caption);
            AddEdit(id, limit, chars);
        }
        EndGrid();
    };
    pairs({{101, "COMPANY:", 80, 30}, {102, "WELL:", 80, 30}});
    pairs({{IDC_SHOW_NUMBER, "SHOW NO.:", 10, 6}, {IDC_INTERVAL, "SHOW INTERVAL:", 30, 20}});
    pairs({{105, "FORMATION:", 80, 30}, {106, "LITHOLOGY:", 30, 25}});
    lines({{107, "DESCRIPTION:"}, {108, ""}, {109, ""}, {110, ""}}, 35, 35);
    pairs({{111, "ROP ABOVE:", 30, 12}, {112, "ROP DURING:", 30, 12}, {113, "ROP AFTER:", 30, 12}});
    NewRow();
    AddStatic(IDC_GAS_HEADING, QString::fromLatin1(kHotwireHeading));
    NewRow();
    BeginGrid(8);
    const char* rows[3] = {"GAS ABOVE:", "GAS DURING:", "GAS AFTER:"};
    for (int r = 0; r < 3; ++r) {
        label(rows[r]);
        for (int id : kGasIds[r])
            AddEdit(id, 10, 8);
        AddEdit(kC5Ids[r], 10, 8);
    }
    EndGrid();
    lines({{129, "POR:"}, {130, "FLU:"}, {131, "CUT:"}, {132, "COMMENTS:"}, {133, ""}, {137, ""}}, 80, 60);
    NewRow();
    AddButton(IDC_PREVIOUS, QStringLiteral("PREVIOUS"));
    AddButton(IDC_NEXT, QStringLiteral("NEXT"));
    AddButton(IDC_PRINT, QStringLiteral("PRINT"));
    AddButton(IDC_NEW, QStringLiteral("NEW"));
    AddButton(IDC_SAVE, QStringLiteral("SAVE"));
    AddButton(IDC_PRINTER_SETUP, QStringLiteral("Printer Setup"));
    AddButton(IDC_DELETE, QStringLiteral("DELETE"));
    AddButton(IDC_SAVE_AS_TEXT, QStringLiteral("SAVE AS TEXT"));
    AddButton(platform::IDOK, QStringLiteral("CLOSE"), true);
    On(IDC_PREVIOUS, platform::BN_CLICKED, [this] { CmPrevious(); });
    On(IDC_NEXT, platform::BN_CLICKED, [this] { CmNext(); });
    On(IDC_PRINT, platform::BN_CLICKED, [this] { CmPrint(); });
    On(IDC_NEW, platform::BN_CLICKED, [this] { CmNew(); });
    On(IDC_SAVE, platform::BN_CLICKED, [this] { CmSave(); });
    On(IDC_PRINTER_SETUP, platform::BN_CLICKED, [this] { CmPrinterSetup(); });
    On(IDC_DELETE, platform::BN_CLICKED, [this] { CmDelete(); });
    SetSpacing(3);
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
    if (std::optional<std::vector<SHOWREPORT>> loaded = LoadShowFile(app::PlaceOf(log_), &unreadable_)) {
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
        SetText(IDC_GAS_HEADING, QString::fromLatin1(kTotalHeading));
}

void ShowDlg::TransferRecord(int direction)
{
    if (current_ < 0 || current_ >= Count())
        return;
    SHOWREPORT& s = shows_[std::size_t(current_)];
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
    const wellfile::WellPlace place = app::PlaceOf(log_);
    std::string company, well;
    bool header = false;
    if (log_.well.loggerId == 7) {
        wellfile::WellHeader1450 old{};
        if ((header = wellfile::ReadHeaderOld(old, place) != 0)) {
            company = platform::FieldText(old.company);
            well = platform::FieldText(old.well);
        }
    } else {
        wellfile::WellHeader h{};
        if ((header = wellfile::ReadHeader(h, place) != 0)) {
            company = platform::FieldText(h.company);
            well = platform::FieldText(h.well);
        }
    }
    SHOWREPORT& show = shows_.back();
    StartShow(show, interval[0], interval[1], current_ > 0 ? &shows_[std::size_t(current_) - 1] : nullptr,
              header ? &company : nullptr, header ? &well : nullptr);
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
        exchange::CopyWellFileOut(f.dataFolder, f.wellName, QStringLiteral(".sho"));
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

void ShowDlg::CmPrevious()
{
    if (current_ <= 0) {
        platform::MessageBeep(0);
        return;
    }
    --current_;
    TransferRecord(1);
}

void ShowDlg::CmNext()
{
    if (current_ >= Count() - 1) {
        platform::MessageBeep(0);
        return;
    }
    ++current_;
    TransferRecord(1);
}

void ShowDlg::CmPrinterSetup()
{
    if (!print::EnsurePrinter(log_.print)) {
        platform::MessageBox(QStringLiteral("No Printer Available"), QStringLiteral("Print Error"));
        return;
    }
    print::PrintDialog(log_.print);
}

void ShowDlg::CmPrint()
{
    if (current_ < 0)
        return;
    TransferRecord(0);
    const QString pdfTitle = QStringLiteral("%1-SHOW_No%2@%3")
                                 .arg(log_.well.file.wellName)
                                 .arg(current_ + 1)
                                 .arg(ShowTopDepth(Shown()));
    PrintReportPage(log_, this, QStringLiteral("StrativM Show Report"), pdfTitle,
                    [this](platform::Dc& dc) { DrawPage(dc); });
}

void ShowDlg::DrawPage(platform::Dc& dc)
{
    if (current_ < 0)
        return;
    DrawShowPage(dc, dc.GetDeviceCaps(platform::LOGPIXELSY) / 10, Shown(), log_.layout.format.title,
                 log_.options.hotwire);
}

QString ShowDlg::ShowPath() const
{
    const wellfile::OpenWell& f = log_.well.file;
    return platform::FindFileNoCase(f.currentFolder, f.wellName + QStringLiteral(".sho"));
}

void ShowDlg::ReloadMarks()
{
    wellfile::LoadShowDepthIndex(app::PlaceOf(log_), log_.well.showDepthIndex);
    log_.view.Invalidate();
}

bool ShowDlg::CanClose()
{
    const wellfile::OpenWell& f = log_.well.file;
    ReloadMarks();
    if (f.drilling) {
        const QString name = f.wellName + QStringLiteral(".sho");
        const QString from = ShowPath();
        if (QFileInfo(from).isFile()) {
            QDir().mkpath(f.dataFolder + QStringLiteral("sendfile"));
            wellfile::CopyFileReplacing(from, f.dataFolder + QStringLiteral("sendfile/") + name);
        }
    }
    return true;
}

void RunShowReport(QWidget* parent, app::LogState& log, int requested)
{
    ShowDlg dialog(parent, log, requested);
    if (dialog.Load())
        dialog.Execute();
}

}  // namespace reports
