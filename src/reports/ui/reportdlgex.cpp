#include "reports/ui/reportdlgex.h"

#include "app/logstate.h"
#include "app/opendatafile.h"
#include "app/runningdriller.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "platform/ui/svedit.h"
#include "platform/winapi.h"
#include "reports/dailyreports.h"
#include "reports/reportfields.h"
#include "reports/shortreports.h"
#include "reports/ui/reportprinter.h"
#include "wellfile/copyout.h"
#include "wellfile/datafile.h"
#include "wellfile/reportindex.h"
#include "wellfile/wholefile.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <optional>

namespace reports {

// The page drawn into the dialog in preview mode.
class ReportPageView final : public QWidget {
public:
    ReportPageView(QWidget* parent, ReportDlgEx& dialog) : QWidget(parent), dialog_(dialog) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QImage image(size(), QImage::Format_RGB32);
        image.fill(Qt::lightGray);
        {
            platform::Dc dc(image);
            dialog_.DrawPreview(dc, platform::RECT{0, 0, width(), height()});
        }
        QPainter(this).drawImage(0, 0, image);
    }

private:
    ReportDlgEx& dialog_;
};

namespace {

constexpr int kPageId = 1999;

const char* CaptionOf(int id)
{
    switch (id) {
    case 106: return "Report No.:";
    case 105: return "DATE";
    case 107: return "Report Time:";
    case 1408: return "DEPTH:";
    case 109: return "PRESENT OPERATIONS:";
    case 110: return "METERS SINCE LAST REPORT:";
    case 111: return "AVG ROP:";
    case 113: return "SURVEY:";
    case 114: return "FORMATION:";
    case 117: return "NEXT TOP:";
    case 220: return "SPUD";
    case 182: return "START LOGGING";
    case 183: return "DAY NO";
    case 185: return "DAYS LOGGING";
    case 186: return "EST TD";
    case 188: return "UNIT PHONE";
    case 189: return "HRS ON BOT";
    case 115: return "LITHOLOGY:";
    case 116: return "";  // the second lithology line
    case 161: return "MUD PROPERTIES: @";
    case 120: return "WT";
    case 121: return "VIS";
    case 162: return "PV";
    case 163: return "YP";
    case kGelsFieldId: return "GELS";
    case 122: return "PH";
    case 153: return "FIL";
    case 165: return "HT.HP.FL";
    case 123: return "CAKE";
    case 166: return "PM";
    case 167: return "PF";
    case 184: return "MF";
    case 124: return "CHL";
    case 168: return "CA";
    case 169: return "SD";
    case 170: return "SOL";
    case 171: return "OIL";
    case 172: return "H20";
    case 174: return "O/W";
    case 175: return "ELEC STAB";
    case 176: return "CACL";
    case 177: return "SALT";
    case 178: return "XL.LM";
    case 179: return "LCM";
    case 180: return "DAILY COST";
    case 181: return "TOTAL COST";
    case 125: return "WOB";
    case 126: return "RPM";
    case 128: return "SPM";
    case 127: return "PP";
    case 149: return "COMMENTS:";
    default: return "";
    }
}

int FieldIndex(int id)
{
    const auto& fields = DailyFields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (fields[i].id == id)
            return int(i);
    return -1;
}

void CopyFileOver(const QString& from, const QString& to)
{
    QDir().mkpath(QFileInfo(to).absolutePath());
    wellfile::CopyFileReplacing(from, to);
}

}  // namespace

ReportDlgEx::ReportDlgEx(QWidget* parent, app::LogState& log, ReportPrinter& printer, Mode mode, int requested)
    : Dialog(parent, QStringLiteral("STRATIV MORNING REPORT")), log_(log), printer_(printer), mode_(mode),
      requested_(requested)
{
    // However it closes (a button, the close box, the end of a modal run), the report marks are read again.
    connect(this, &QDialog::finished, this, [this] { Closing(); });
    drillingNow = [this] {
        DrillingNow d;
        const app::RunningDriller* driller = log_.engines.runningDriller;
        if (!log_.well.file.drilling || !driller)
            return d;
        d.drilling = true;
        d.lagDepth = driller->LagDepth();
        d.rate = driller->Rate();
        if (const std::optional<float> strokes = driller->LagStrokes()) {
            d.lagByStrokes = true;
            d.lagStrokes = *strokes;
        }
        if (const std::optional<float> minutes = driller->LagMinutes())
            d.lagMinutes = *minutes;
        return d;
    };
    if (mode_ == Edit) {
        BuildFields();
    } else {
        holder_ = AddStatic(kPageId, QString());
        auto* layout = new QVBoxLayout(holder_);
        layout->setContentsMargins(0, 0, 0, 0);
        view_ = new ReportPageView(holder_, *this);
        layout->addWidget(view_);
        NewRow();
    }
    BuildButtons();
    if (holder_)
        SizePreview();
}

void ReportDlgEx::SizePreview()
{
    // The page at the log's unit where the screen holds it with the buttons under it and the window's
    // frame around it; a smaller screen gets the page smaller, never cut.
    constexpr int kFrame = 40;  // title bar and borders
    const int buttons = sizeHint().height();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect room = screen->availableGeometry();
        previewMaxUnit_ = std::max(1, std::min((room.height() - kFrame - buttons) / kPreviewSheetHeight,
                                               (room.width() - kFrame) / kPreviewSheetWidth));
    }
    const int u = ReportPageUnit(PreviewDevice());
    holder_->setMinimumSize(kPreviewSheetWidth * u, kPreviewSheetHeight * u);
}

ReportPageDevice ReportDlgEx::PreviewDevice() const
{
    ReportPageDevice device;
    device.rowHeight = log_.layout.format.pixelsPerStep;
    device.storedClientHeight = log_.scroll.windowHeight;
    device.maxUnit = previewMaxUnit_;
    return device;
}

ReportDlgEx::~ReportDlgEx() = default;

void ReportDlgEx::BuildFields()
{
    // Blocks of rows, each under the one before, as the page stands: the report's header, its texts,
    // the gas table, the lithology, the mud and rig values, the comments.
    const auto edit = [this](int id, int chars) {
        const DailyField& f = DailyFields()[std::size_t(FieldIndex(id))];
        platform::SVEdit* e = AddEdit(id, f.width, chars);
        e->setReadOnly(id == IDC_RPT_NUMBER);
        if (chars <= 14)  // short values keep their width; texts take the row's room
            e->setMaximumWidth(e->minimumWidth());
    };
    const auto label = [this](const char* text) { AddStatic(platform::IDC_STATIC, QString::fromLatin1(text)); };
    // Rows of label and field pairs: {id, characters shown}, 0 for an empty pair.
    const auto block = [&](int pairsPerRow, std::initializer_list<std::pair<int, int>> fields) {
        NewRow();
        BeginGrid(2 * pairsPerRow);
        for (const auto& [id, chars] : fields) {
            if (id == 0) {
                SkipCell();
                SkipCell();
                continue;
            }
            if (id == IDC_RPT_LAG)
                AddStatic(IDC_RPT_LAG_LABEL, QStringLiteral("LAGTIME:"));
            else
                label(CaptionOf(id));
            edit(id, chars);
        }
        EndGrid();
    };
    label("Use format... month-day-year  ( 12-12-04]");
    block(4, {{106, 5}, {105, 11}, {107, 9}, {1408, 7},
              {183, 5}, {220, 11}, {182, 11}, {110, 7},
              {186, 7}, {188, 13}, {189, 7}, {111, 7},
              {185, 5}, {0, 0}, {0, 0}, {IDC_RPT_LAG, 18}});
    block(1, {{109, 40}, {113, 60}});
    block(2, {{114, 25}, {117, 25}});

    // The gas rows: six shown columns, the hidden seventh, the depth, flare, source and chokes.
    NewRow();
    BeginGrid(12);
    label("");
    for (const char* c : {"TOT", "C1", "C2", "C3", "IC4", "NC4", "", "DEPTH", "FLARE", "SOURCE", "CHOKES"})
        label(c);
    const struct {
        const char* caption;
        int ids[7];
        int at;
        int flare, source, chokes;
    } rows[4] = {{"BACKGROUND GAS:", {129, 130, 131, 132, 133, 300, 155}, 0, 196, 191, 200},
                 {"MAX FORMATION GAS:", {134, 135, 136, 137, 138, 303, 156}, 152, 197, 192, 221},
                 {"MAX CONNECTION GAS:", {139, 140, 141, 142, 143, 301, 157}, 226, 198, 193, 201},
                 {"MAX TRIP GAS:", {144, 145, 146, 147, 148, 302, 158}, 0, 199, 194, 203}};
    for (const auto& row : rows) {
        label(row.caption);
        for (int id : row.ids)
            edit(id, 6);
        Show(row.ids[6], false);
        if (row.at)
            edit(row.at, 6);
        else
            SkipCell();
        edit(row.flare, 8);
        AddCheck(row.source, QStringLiteral("SEP"));
        edit(row.chokes, 8);
    }
    EndGrid();

    block(1, {{115, 79}, {116, 79}});
    block(7, {{161, 6}, {120, 5}, {121, 5}, {162, 5}, {163, 5}, {kGelsFieldId, 7}, {122, 5},
              {153, 5}, {165, 7}, {123, 6}, {166, 5}, {167, 5}, {184, 5}, {124, 7},
              {168, 6}, {169, 5}, {170, 5}, {171, 5}, {172, 5}, {174, 6}, {175, 5},
              {176, 5}, {177, 5}, {178, 5}, {179, 5}, {180, 8}, {181, 8}, {0, 0},
              {125, 6}, {126, 5}, {128, 5}, {127, 5}});
    block(1, {{149, 79}, {150, 79}, {151, 79}, {227, 79}, {228, 79}});
    On(IDC_RPT_HOURS, platform::EN_KILLFOCUS, [this] { HoursLeft(); });
}

void ReportDlgEx::BuildButtons()
{
    NewRow();
    AddButton(IDC_RPT_PRINT, QStringLiteral("Print"));
    AddButton(IDC_RPT_NEW, QStringLiteral("New"));
    AddButton(IDC_RPT_SAVE, QStringLiteral("Save"));
    AddButton(IDC_RPT_PREVIOUS, QStringLiteral("Previous"));
    AddButton(IDC_RPT_NEXT, QStringLiteral("Next"));
    AddButton(IDC_RPT_DELETE, QStringLiteral("Delete"));
    AddButton(IDC_RPT_PRINTER_SETUP, QStringLiteral("Printer Setup"));
    AddButton(IDC_RPT_SHORT_REPORT, QStringLiteral("Save Short Report"));
    AddButton(platform::IDOK, QStringLiteral("CLOSE"), true);
    const auto ctrl = [] { return (QApplication::keyboardModifiers() & Qt::ControlModifier) != 0; };
    On(IDC_RPT_PRINT, platform::BN_CLICKED, [this] { CmPrint(); });
    On(IDC_RPT_NEW, platform::BN_CLICKED, [this] { CmNew(); });
    On(IDC_RPT_SAVE, platform::BN_CLICKED, [this] { CmSave(); });
    On(IDC_RPT_PREVIOUS, platform::BN_CLICKED, [this, ctrl] { Step(false, ctrl()); });
    On(IDC_RPT_NEXT, platform::BN_CLICKED, [this, ctrl] { Step(true, ctrl()); });
    On(IDC_RPT_DELETE, platform::BN_CLICKED, [this] { CmDelete(); });
    On(IDC_RPT_PRINTER_SETUP, platform::BN_CLICKED, [this] { printer_.ReportPrinterSetup(log_); });
    On(IDC_RPT_SHORT_REPORT, platform::BN_CLICKED, [this] { CmShortReport(); });
    SetSpacing(3);
}

bool ReportDlgEx::Load()
{
    header_ = log_.well.header;
    const wellfile::WellPlace place = app::PlaceOf(log_);
    std::optional<std::vector<wellfile::REPORTEX>> loaded = LoadDailyReports(place);
    if (!loaded) {
        // The loader has said why. Edit mode has nothing to add a report to, and must not save over
        // reports it could not read.
        if (mode_ == Preview)
            platform::MessageBox(QStringLiteral("No reports available"), QString());
        return false;
    }
    reports_ = std::move(*loaded);
    count_ = std::max(0, int(reports_.size()) - 1);
    index_ = std::max(0, count_ - 1);
    if (count_ == 0 && !log_.well.file.drilling) {
        platform::MessageBox(QStringLiteral("No reports available"), QString());
        return false;
    }
    if (requested_ > 0 && requested_ < count_)
        if (std::optional<int> i = RequestedReport(reports_, count_, requested_))
            index_ = *i;
    if (count_ == 0) {
        ReportWell well = Well();
        index_ = NewReport(reports_, count_, well, drillingNow(), platform::LocalTime());
        Enable(IDC_RPT_NEW, false);
    }
    // One profile lists the survey stations of the report's interval on its page.
    const wellfile::OpenWell& f = log_.well.file;
    if (log_.well.loggerId == 37 && f.firstTvdOffset > 0) {
        const int step = std::max(1, f.depthStep);
        const int start = f.firstTvdOffset / step;
        const int n = (f.fileBottomDepth - f.fileTopDepth) / step - start + 1;
        if (n > 0) {
            surveys_.assign(std::size_t(n) + 1, wellfile::RECORD{});
            surveys_.resize(std::size_t(wellfile::ReadRecords(log_.well.file, surveys_, f.dataFileName, start, n)));
        }
    }
    return true;
}

void ReportDlgEx::SetupWindow()
{
    if (log_.well.file.drilling && log_.engines.runningDriller && log_.engines.runningDriller->LagStrokes())
        SetText(IDC_RPT_LAG_LABEL, QStringLiteral("LAG STROKES"));
    if (mode_ == Edit && !reports_.empty())
        Fill();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && screen->geometry().width() > 1024) {
        adjustSize();
        move(screen->geometry().topLeft());
        resize(width(), std::min(height() + 100, screen->availableGeometry().height() - 40));
    }
}

ReportWell ReportDlgEx::Well()
{
    ReportWell well{log_.well.file, {}, log_.well.config.combineIc4Nc4 != 0,
                    platform::FieldText(header_.spudDate), platform::FieldText(header_.loggedFrom)};
    well.memos = std::span<const wellfile::SVMEMO>(log_.notes.memos.data(),
                                                std::min<std::size_t>(log_.notes.memos.size(),
                                                                      std::size_t(std::max(0, log_.notes.memoCount))));
    return well;
}

void ReportDlgEx::Fill()
{
    if (mode_ != Edit)
        return;
    for (char* date : {header_.spudDate, header_.loggedFrom, header_.loggedTo})
        std::replace(date, date + 20, '/', '-');
    const HeaderDates dates{platform::FieldText(header_.spudDate), platform::FieldText(header_.loggedFrom)};
    const DailyTexts texts = FillDailyFields(Shown(), dates, platform::LocalTime().date());
    const auto& fields = DailyFields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].kind == DailyFieldKind::Check)
            SetCheck(fields[i].id, texts[i] == "1" ? platform::BST_CHECKED : platform::BST_UNCHECKED);
        else
            SetTextA(fields[i].id, texts[i]);
    }
}

void ReportDlgEx::ReadFields()
{
    if (mode_ != Edit)
        return;
    DailyTexts texts;
    const auto& fields = DailyFields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        texts[i] = fields[i].kind == DailyFieldKind::Check ? (GetCheck(fields[i].id) == platform::BST_CHECKED ? "1" : "0")
                                                            : GetTextA(fields[i].id);
    HeaderDates dates;
    reports_[std::size_t(index_)] = ReadDailyFields(texts, dates);
    platform::SetFieldText(header_.spudDate, dates.spud);
    platform::SetFieldText(header_.loggedFrom, dates.startLogging);
    ShowLagText();
}

void ReportDlgEx::ShowLagText()
{
    SetTextA(IDC_RPT_LAG, LagText(Shown().lag, Shown().spm));
}

void ReportDlgEx::HoursLeft()
{
    const float hours = LeadingFloat(GetTextA(IDC_RPT_HOURS));
    if (hours > 0)
        SetTextA(IDC_RPT_ROP, AverageRateText(LeadingInt(GetTextA(IDC_RPT_FOOTAGE)), hours));
}

void ReportDlgEx::Step(bool forward, bool ctrl)
{
    const std::optional<int> next = StepReport(index_, count_, forward, ctrl);
    if (!next) {
        platform::MessageBeep(0);
        return;
    }
    index_ = *next;
    if (mode_ == Edit)
        Fill();
    else if (view_)
        view_->update();
}

void ReportDlgEx::CmNew()
{
    if (mode_ != Edit)
        return;
    ReportWell well = Well();
    index_ = NewReport(reports_, count_, well, drillingNow(), platform::LocalTime());
    Fill();
    Enable(IDC_RPT_NEW, false);
}

void ReportDlgEx::CmSave()
{
    if (mode_ != Edit)
        return;
    ReadFields();
    wellfile::OpenWell& f = log_.well.file;
    const wellfile::WellPlace place = app::PlaceOf(log_);
    if (!SaveDailyReports(place, std::span<const wellfile::REPORTEX>(reports_.data(), std::size_t(count_))))
        return;
    Enable(IDC_RPT_NEW, true);
    const QString name = f.wellName + QStringLiteral(".rpt");
    const QString path = platform::FindFileNoCase(f.currentFolder, name);
    if (f.drilling)
        CopyFileOver(path, f.dataFolder + QStringLiteral("sendfile/") + name);
    if (f.copyOut)
        wellfile::CopyWellFileOut(f.dataFolder, f.wellName, QStringLiteral(".rpt"));
    if (!f.copyOutFolder.isEmpty())
        CopyFileOver(path, QDir(f.copyOutFolder).filePath(f.wellName + QLatin1Char('/') + name));
    wellfile::LoadReportDepthIndex(place, log_.well.reportDepthIndex);
    log_.view.Invalidate();
    if (f.drilling)
        StoreMudWeight(f, Shown().depth, Shown().mudWeight);
}

void ReportDlgEx::CmDelete()
{
    const int answer = platform::MessageBox(
        QStringLiteral("Report will be permanently deleted when you press Save.\nClick OK to continue and then press "
                       "save to delete,\nor Click CANCEL to return unchanged"),
        QStringLiteral("Delete report"), platform::MB_OKCANCEL);
    if (answer != platform::IDOK)
        return;
    if (count_ <= 1) {
        const wellfile::WellPlace place = app::PlaceOf(log_);
        const QString path = platform::FindFileNoCase(place.currentFolder, place.wellName + ".rpt");
        QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner);
        QFile::remove(path);
        EndDialog(platform::IDCANCEL);
        return;
    }
    index_ = DeleteReport(reports_, count_, index_);
    if (mode_ == Edit)
        Fill();
    else if (view_)
        view_->update();
}

void ReportDlgEx::CmShortReport()
{
    if (mode_ != Edit)
        return;
    ReadFields();
    const wellfile::OpenWell& f = log_.well.file;
    const QString name = f.wellName + QStringLiteral(".qpt");
    const QString path = platform::FindFileNoCase(f.currentFolder, name);
    if (!AppendShortReport(path, Shown()))
        return;
    // The window draws the new box at once, and its box handlers start from the file as it is now.
    LoadShortReports(log_.shortReports, log_.well, log_.env.remoteMonitorOn);
    log_.view.Invalidate();
    if (f.drilling && f.copyOut) {
        wellfile::CopyWellFileOut(f.dataFolder, f.wellName, QStringLiteral(".qpt"));
        if (!f.copyOutFolder.isEmpty())
            CopyFileOver(path, QDir(f.copyOutFolder).filePath(f.wellName + QLatin1Char('/') + name));
    }
}

void ReportDlgEx::CmPrint()
{
    ReadFields();
    const QString pdfTitle = QStringLiteral("%1-RPT_No%2@%3")
                                 .arg(log_.well.file.wellName)
                                 .arg(index_ + 1)
                                 .arg(int(std::trunc(Shown().depth)));
    printer_.PrintReportPage(log_, this, QStringLiteral("StrativM Report"), pdfTitle,
                             [this](platform::Dc& dc) { DrawPrintedPage(dc); });
}

ReportPageData ReportDlgEx::PageData() const
{
    ReportPageData data;
    data.report = &Shown();
    data.surveyLowerBound = index_ > 0 ? std::int32_t(reports_[std::size_t(index_) - 1].depth)
                                       : log_.well.file.fileTopDepth;
    data.header = &header_;
    data.profile = log_.well.loggerId;
    data.title = log_.layout.format.title;
    data.firstSurveyOffset = log_.well.file.firstTvdOffset;
    data.surveys = surveys_;
    return data;
}

void ReportDlgEx::DrawPreview(platform::Dc& dc, const platform::RECT& client)
{
    if (reports_.empty())
        return;
    ReportPageDevice device = PreviewDevice();
    const QScreen* screen = QGuiApplication::primaryScreen();
    device.screenWidth = screen ? screen->geometry().width() : 0;
    device.client = client;
    if (platform::Printer* printer = log_.print.printer.get())
        device.printerName = printer->Info().deviceName;
    DrawReportPage(dc, device, PageData(), page_);
    log_.print.v305LexPrinter = page_.reportPrinter;
}

void ReportDlgEx::DrawPrintedPage(platform::Dc& dc)
{
    ReportPageDevice device;
    device.printing = true;
    device.dpiY = dc.GetDeviceCaps(platform::LOGPIXELSY);
    if (platform::Printer* printer = log_.print.printer.get())
        device.printerName = printer->Info().deviceName;
    DrawReportPage(dc, device, PageData(), page_);
    log_.print.v305LexPrinter = page_.reportPrinter;
}

void ReportDlgEx::Closing()
{
    if (closed_)
        return;
    closed_ = true;
    wellfile::LoadReportDepthIndex(app::PlaceOf(log_), log_.well.reportDepthIndex);
    log_.view.Invalidate();
}

}  // namespace reports
