#include "wits/ui/witschartdlg.h"

#include "app/logstate.h"
#include "app/scrolling.h"
#include "app/ui/scrollcodes.h"
#include "drilling/driller.h"
#include "drilling/logtime.h"
#include "platform/clocktext.h"
#include "platform/draw/dc.h"
#include "platform/draw/syscolors.h"
#include "platform/printer.h"
#include "platform/waitcursor.h"
#include "platform/text.h"
#include "wits/chartview.h"
#include "wits/dailyfile.h"
#include "wits/draw/chartimage.h"
#include "wits/draw/witsprintout.h"
#include "wits/ui/witscfgdlg.h"
#include "wits/witswindow.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

namespace wits {

using platform::BN_CLICKED;
using platform::IDC_STATIC;
using platform::IDCANCEL;
using platform::IDOK;

namespace {

constexpr char kTimeZoneText[] =
    "There is no current data availableThis MAY be due to a time zone issue.Go to Setup..Lines and Scales, and "
    "verify the time zoneadjustment is correct for the time zone OF THE WELLEST=0, CTZ=-1 MTZ=-2 PTZ=-3";

// The read-outs: control, label, and the text of a sample.
struct Readout {
    int id;
    const char* label;
    std::string (*text)(const wellfile::WITSRECORD&);
};

const Readout kReadouts[] = {
    {kWobEdit, "WOB", [](const wellfile::WITSRECORD& s) { return platform::CFormat("%d", s.wob); }},
    {kRpmEdit, "RPM", [](const wellfile::WITSRECORD& s) { return platform::CFormat("%d", s.rpm); }},
    {kPpEdit, "PP", [](const wellfile::WITSRECORD& s) { return platform::CFormat("%d", s.pumpPressure); }},
    {kSpmEdit, "SPM", [](const wellfile::WITSRECORD& s) { return platform::CFormat("%d", s.spm1); }},
    {kSpm2Edit, "SPM 2", [](const wellfile::WITSRECORD& s) { return platform::CFormat("%d", s.spm2); }},
    {kSpm3Edit, "SPM 3", [](const wellfile::WITSRECORD& s) { return platform::CFormat("%d", s.spm3); }},
    {kFlowEdit, "FLOW", [](const wellfile::WITSRECORD& s) { return platform::CFormat("%d", s.flow); }},
    {kTorqueEdit, "TORQ", [](const wellfile::WITSRECORD& s) { return platform::CFormat("%d", s.torque); }},
    {kHoleDepthEdit, "HOLE DEPTH", [](const wellfile::WITSRECORD& s) { return platform::CFormat("%5.2f", double(s.holeDepth)); }},
    {kBitDepthEdit, "BIT DEPTH", [](const wellfile::WITSRECORD& s) { return platform::CFormat("%5.2f", double(s.bitDepth)); }},
    {kRopEdit, "M/HR", [](const wellfile::WITSRECORD& s) { return platform::CFormat("%3.2f", double(s.rop)); }},
    {kTotGasEdit, "TOT GAS", [](const wellfile::WITSRECORD& s) { return platform::CFormat("%5.0f", double(s.totalGas)); }},
    {kPitVolEdit, "PIT VOL", [](const wellfile::WITSRECORD& s) { return platform::CFormat("%5.0f", double(s.pitVolume)); }},
};

QString Text(const std::string& s) { return QString::fromStdString(s); }

// A client area of `size` in the 3-D face colour, keeping what `old` held.
QImage FaceImage(QSize size, const QImage& old = QImage())
{
    QImage image(std::max(1, size.width()), std::max(1, size.height()), QImage::Format_RGB32);
    platform::Dc dc(image);
    dc.FillRect(platform::RECT{0, 0, image.width(), image.height()},
                platform::Brush(platform::GetSysColor(platform::COLOR_BTNFACE)));
    if (!old.isNull())
        dc.BitBlt(0, 0, old.width(), old.height(), old, 0, 0, platform::SRCCOPY);
    return image;
}

}  // namespace

WitsChartDlg::WitsChartDlg(QWidget* owner, app::LogState& log, std::function<void()> closed)
    : Dialog(owner, QStringLiteral(" Strativ WITS Drilling Data")), log_(log), closed_(std::move(closed))
{
    setWindowFlag(Qt::Window);
    layout()->setSizeConstraint(QLayout::SetNoConstraint);
    // The band above the scale header: the on-bottom box's place and the day buttons, then the
    // read-outs in two rows of seven, each label whole beside its box.
    const int u = std::max(1, int(log_.layout.format.trackUnit));
    AddStatic(IDC_STATIC, QString())->setFixedSize(25 * u + 8, 4 * u);
    AddButton(kViewDataButton, QStringLiteral("View Data"));
    AddButton(kNextDayButton, QStringLiteral("Next Day"));
    AddButton(kPrevDayButton, QStringLiteral("Prev Day"));
    AddButton(kCurrentViewButton, QStringLiteral("Current View"));
    AddButton(kGoToButton, QStringLiteral("GO TO"));
    AddButton(kPrintButton, QStringLiteral("Print"));
    AddButton(kBrowseButton, QStringLiteral("Browse"));
    AddStretch();
    NewRow();
    BeginGrid(14);
    for (const Readout& r : kReadouts) {
        AddStatic(IDC_STATIC, QString::fromLatin1(r.label));
        AddEdit(r.id, 20, 6);
    }
    AddStatic(IDC_STATIC, QStringLiteral("LAG MIN"));
    AddEdit(kLagMinEdit, 20, 6);
    AddStatic(IDC_STATIC, QStringLiteral("LAST UPDATE TIME"))->hide();  // as its box, never shown
    AddEdit(kLastUpdateEdit, 260, 6);
    EndGrid();
    NewRow();
    AddStretch();
    SetSpacing(4);
    layout()->setContentsMargins(4, 0, 4, 0);
    // The rows keep to the top: what the band does not need goes below them, to the chart.
    if (auto* rows = qobject_cast<QBoxLayout*>(layout()))
        rows->addStretch(1);
    // The data table stands over the view area, outside the band's rows.
    tableArea_ = new QWidget(this);
    AddStatic(kDataHeader, QString());
    AddList(kDataList);
    Control(kDataHeader)->setParent(tableArea_);
    Control(kDataList)->setParent(tableArea_);
    tableArea_->hide();

    On(kNextDayButton, BN_CLICKED, [this] { CmNextDay(); });
    On(kPrevDayButton, BN_CLICKED, [this] { CmPrevDay(); });
    On(kCurrentViewButton, BN_CLICKED, [this] { CmCurrentDay(); });
    On(kGoToButton, BN_CLICKED, [this] { CmGoTo(); });
    On(kPrintButton, BN_CLICKED, [this] { CmPrint(); });
    On(kBrowseButton, BN_CLICKED, [this] { CmBrowse(); });
    On(kViewDataButton, BN_CLICKED, [this] { CmViewData(); });
    On(IDCANCEL, BN_CLICKED, [this] { CloseWindow(); });
    On(IDOK, BN_CLICKED, [] {});
}

WitsChartDlg::~WitsChartDlg() { CloseChart(); }

QRect WitsChartDlg::Placement(app::LogState& log, const QRect& ownerClient, int screenHeight)
{
    WITSCHARTCFG record{};
    const QString path = ChartSettingsFileName(log.well.file.dataFolder, log.well.file.wellName);
    if (ReadConfig(path, record) && record.windowWidth > 0 && record.windowHeight > 0) {
        QRect r(record.windowLeft, record.windowTop, record.windowWidth, record.windowHeight);
        if (screenHeight > 0 && r.top() > screenHeight)
            r.moveTop(std::max(0, screenHeight - r.height()));
        return r;
    }
    return QRect(ownerClient.left() + 20, ownerClient.bottom() + 1 - 450, 850, 400);
}

bool WitsChartDlg::Viewing() const
{
    const auto& v = log_.witsChart.viewingStation;
    return v[0] || v[1] || v[2];
}

QTime WitsChartDlg::Now() const { return platform::services().clock->LocalTime().time(); }

ChartDay WitsChartDlg::Today() const
{
    const QDate d = platform::services().clock->LocalTime().date();
    return {d.year(), d.month(), d.day()};
}

int WitsChartDlg::RowHeight() const { return std::max(1, int(log_.layout.format.pixelsPerStep)); }

QString WitsChartDlg::SettingsPath() const
{
    return ChartSettingsFileName(log_.well.file.dataFolder, log_.well.file.wellName);
}

QString WitsChartDlg::DayFile(const ChartDay& d) const
{
    const QString folder = log_.env.witsFolder.isEmpty() ? log_.well.file.dataFolder + QStringLiteral("wits/")
                                                         : log_.env.witsFolder;
    return DailyWitsFileName(folder, log_.well.file.wellName, QDate(d.year, d.month, d.day));
}

platform::RECT WitsChartDlg::OwnerClient() const
{
    const QWidget* owner = parentWidget();
    if (!owner)
        return platform::RECT{0, 0, 1200, 900};
    const QPoint at = owner->mapToGlobal(QPoint(0, 0));
    return platform::RECT{at.x(), at.y(), at.x() + owner->width(), at.y() + owner->height()};
}

void WitsChartDlg::SetupWindow()
{
    setWindowTitle(QStringLiteral("WITS StrativM Drilling Data..   ") + log_.well.file.wellName + QStringLiteral(".svm"));
    Enable(kNextDayButton, false);
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setFixedPitch(true);
    Control(kDataList)->setFont(fixed);
    Control(kDataHeader)->setFont(fixed);
    Show(kDataList, true);
    Show(kDataHeader, true);
    const auto& v = log_.witsChart.viewingStation;
    if (v[0] || v[1]) {
        Show(kBrowseButton, false);
        Enable(kBrowseButton, false);
        Show(kPrintButton, false);
        Enable(kPrintButton, false);
        Show(kGoToButton, false);
    }
    Show(kViewDataButton, false);
    Show(kLastUpdateEdit, false);
    Enable(kLastUpdateEdit, false);

    LoadSettings(SettingsPath(), RowHeight(), OwnerClient(), record_, blocks_);
    viewHeight_ = 300;
    MakeImage();
    timeZoneOffset_ = ChartTimeZoneOffset(log_.well.timeZoneAdjust, log_.well.file.drilling);
    if (log_.well.file.drilling)
        log_.well.timeZoneAdjust = 0;
    viewIndex_ = ViewIndexOfNow(Now(), timeZoneOffset_);
    shownDay_ = Today();
    lastTickDay_ = shownDay_.day;
    timers_ = platform::services().timers->Create([this](int id) { EvTimer(id); });
    timers_->SetTimer(kChartTimer, kChartTimerMs);
    if (!timers_->IsRunning(kChartTimer))
        platform::MessageBox(QStringLiteral("UPDATE TIMER FAILED"), QString());
    filePath_ = DayFile(shownDay_);
    window_ = FaceImage(size());
}

void WitsChartDlg::MakeImage()
{
    imageWidth_ = ChartImageWidth(blocks_);
    image_ = MakeChartImage(blocks_);
    imageDirty_ = true;
}

void WitsChartDlg::FirstLoad()
{
    viewHeight_ = ChartViewHeight(height());
    if (ReadDayFile() && !samples_.empty())
        UpdateLive(samples_, viewIndex_, true);
}

bool WitsChartDlg::ReadDayFile(const QString& emptyText)
{
    if (!QFileInfo::exists(filePath_)) {
        if (!Viewing())
            CmBrowse();
        return false;
    }
    wellfile::Watch(log_.well.watches.wits, filePath_);
    samples_.clear();
    if (auto read = OpenWitsFile(log_, filePath_))
        samples_ = std::move(*read);
    imageDirty_ = true;
    const auto& v = log_.witsChart.viewingStation;
    if (samples_.empty() && !emptyText.isEmpty())
        platform::MessageBox(emptyText, QString());
    else if (samples_.empty() && !v[1] && !v[2])
        platform::MessageBox(QStringLiteral("File Read Failed NO DATA"), QString());
    return !samples_.empty();
}

void WitsChartDlg::EnableNextDay()
{
    const ChartDay today = Today();
    const QDate shown(shownDay_.year, shownDay_.month, shownDay_.day);
    Enable(kNextDayButton, shown < QDate(today.year, today.month, today.day));
}

void WitsChartDlg::CmCurrentDay()
{
    if (log_.well.file.drilling)
        log_.well.timeZoneAdjust = 0;
    timeZoneOffset_ = ChartTimeZoneOffset(log_.well.timeZoneAdjust, log_.well.file.drilling);
    Enable(kNextDayButton, false);
    const ChartDay today = Today();
    if (!(today == shownDay_)) {
        const QString path = DayFile(today);
        if (!QFileInfo::exists(path)) {
            if (!Viewing())
                platform::MessageBox(path, QStringLiteral("File not found in current"));
            return;
        }
        filePath_ = path;
        shownDay_ = today;
        if (!ReadDayFile())
            return;
        viewIndex_ = ViewIndexOfNow(Now(), timeZoneOffset_);
        tickCounter_ = 0;
        UpdateLive(samples_, viewIndex_, true);
        Redraw();
    }
    viewIndex_ = ViewIndexOfNow(Now(), timeZoneOffset_);
    if (tableHidden_) {
        ShowImageAt(false);
        tickCounter_ = 0;
    } else if (auto* list = ControlAs<QListWidget>(kDataList)) {
        list->setCurrentRow(std::min(viewIndex_, list->count() - 1));
    }
}

void WitsChartDlg::CmNextDay() { StepShownDay(+1); }

void WitsChartDlg::CmPrevDay() { StepShownDay(-1); }

void WitsChartDlg::StepShownDay(int step)
{
    shownDay_ = StepDay(shownDay_, step);
    EnableNextDay();
    const QString path = DayFile(shownDay_);
    if (!QFileInfo::exists(path)) {
        platform::MessageBox(path, step > 0 ? QStringLiteral("File not found next") : QStringLiteral("Wits File not found prev"));
        return;
    }
    filePath_ = path;
    if (!ReadDayFile(step > 0 ? QStringLiteral("NO WITS DATA AVAILABLE") : QStringLiteral("NO DATA")))
        return;
    UpdateLive(samples_, viewIndex_, true);
    Redraw();
}

void WitsChartDlg::CmBrowse()
{
    if (Viewing()) {
        platform::MessageBox(QStringLiteral("No wits files available"), QStringLiteral("File Error"));
        return;
    }
    platform::FileDialogRequest request;
    request.folder = log_.env.witsFolder.isEmpty() ? log_.well.file.dataFolder + QStringLiteral("wits/")
                                                   : log_.env.witsFolder;
    request.filter = QStringLiteral("StrativM Wits Files (*.WIT)|*.wit|");
    request.defaultExt = QStringLiteral("wit");
    const std::optional<QString> chosen = platform::services().prompter->OpenFileName(request);
    if (!chosen || chosen->isEmpty())
        return;
    filePath_ = *chosen;
    if (!ReadDayFile())
        return;
    if (auto day = DayOfDailyFileName(filePath_))
        shownDay_ = *day;
    EnableNextDay();
    UpdateLive(samples_, viewIndex_, true);
    Redraw();
}

void WitsChartDlg::CmGoTo()
{
    const wellfile::OpenWell& well = log_.well.file;
    int depth = 0;
    for (;;) {
        const std::optional<QString> answer = platform::services().prompter->InputBox(
            QStringLiteral("Enter Depth to view"), QStringLiteral("StartDepth"), QString());
        if (!answer)
            return;
        depth = answer->left(5).trimmed().toInt();
        if (depth >= well.fileTopDepth + 10 && depth <= well.fileBottomDepth)
            break;
        platform::MessageBox(QStringLiteral("Depth Out Of Range"), QStringLiteral("ERROR"));
    }
    if (auto at = SampleAtDepth(samples_.data(), int(samples_.size()), depth)) {
        viewIndex_ = *at;
        UpdateLive(samples_, viewIndex_, true);
        Redraw();
        return;
    }
    const DayDepthRange range = DepthRange(samples_.data(), int(samples_.size()));
    SearchDepth(depth, depth <= range.greatest);
}

bool WitsChartDlg::SearchDepth(int depth, bool backwards)
{
    const int step = backwards ? -1 : +1;
    ChartDay day = StepDay(shownDay_, step);
    // Every day file on the way exists and none holds the depth: ten years are looked through at most.
    for (int days = 0; days < 3660; ++days, day = StepDay(day, step)) {
        const QString path = DayFile(day);
        if (!QFileInfo::exists(path)) {
            platform::MessageBox(path, QStringLiteral("File not found in search"));
            return false;
        }
        std::optional<std::vector<wellfile::WITSRECORD>> read = OpenWitsFile(log_, path);
        if (!read || read->empty()) {
            if (!log_.witsChart.viewingStation[1])
                platform::MessageBox(QStringLiteral("NO DATA"), QString());
            return false;
        }
        const DayDepthRange range = DepthRange(read->data(), int(read->size()));
        if (depth < range.least || depth > range.greatest)
            continue;
        const std::optional<int> at = FirstSampleAtOrPast(read->data(), int(read->size()), depth);
        if (!at) {
            platform::MessageBox(QStringLiteral("File error, depth not found"), QStringLiteral("ERROR"));
            return false;
        }
        filePath_ = path;
        shownDay_ = day;
        EnableNextDay();
        viewIndex_ = std::max(10, *at - 100);
        if (scrollBar_) {
            const QSignalBlocker quiet(scrollBar_);
            scrollBar_->setValue(viewIndex_);
        }
        ReadDayFile();
        UpdateLive(samples_, viewIndex_, true);
        Redraw();
        return true;
    }
    return false;
}

float WitsChartDlg::LagMinutes() const
{
    // While drilling the lag time in force, which the lag command may have changed since the file's
    // last record was written; otherwise the well's setting.
    const drilling::Driller* d = log_.engines.driller;
    if (log_.well.file.drilling && d && d->Time())
        return d->Time()->lagTime;
    return log_.well.file.lagTime;
}

void WitsChartDlg::UpdateLive(const std::vector<wellfile::WITSRECORD>& samples, int index, bool useNow)
{
    const std::optional<int> at =
        ShownSample(samples.data(), int(samples.size()), index, useNow, SlotOfNow(Now(), timeZoneOffset_));
    if (!at)
        return;
    const wellfile::WITSRECORD s = samples[std::size_t(*at)];  // a copy: a reload below may replace `samples`
    const QString time = platform::FormatTime12(s.hour, s.minute);
    for (const Readout& r : kReadouts)
        SetText(r.id, Text(r.text(s)));
    SetText(kLagMinEdit, Text(platform::CFormat("%.1f", double(LagMinutes()))));

    const BottomState state = BottomStateOf(s);
    DrawBottomBox(s, state, time);
    setWindowTitle(QStringLiteral("WITS StrativM Drilling Data. . .  ") + (Viewing() ? QString() : filePath_) +
                   QStringLiteral(". . .") + time);
    if (state == BottomState::NoData)
        TimeZoneInfo();

    if (!tableHidden_) {
        ReadDayFile();
        if (++tickCounter_ % 5 == 0)
            CmCurrentDay();
        Redraw();
    }
}

void WitsChartDlg::DrawBottomBox(const wellfile::WITSRECORD& s, BottomState state, const QString& time)
{
    static constexpr platform::COLORREF kGreen = platform::RGB(0, 255, 0);
    static constexpr platform::COLORREF kRed = platform::RGB(255, 0, 0);
    static constexpr platform::COLORREF kYellow = platform::RGB(255, 255, 0);
    const char* label = nullptr;
    platform::COLORREF fill = 0;
    switch (state) {
    case BottomState::NoData: label = "NO DATA "; fill = kYellow; break;
    case BottomState::OnBottom: label = "ON  BOTTOM  "; fill = kGreen; break;
    case BottomState::OffBottom: label = "OFF BOTTOM  "; fill = kRed; break;
    case BottomState::Unknown: return;
    }
    statusText_ = QString::fromLatin1(label) + Text(platform::CFormat("%d-%02d-%02d ", s.month, s.day, s.year)) + time;
    if (window_.isNull())
        return;
    const int u = std::max(1, int(log_.layout.format.trackUnit));
    platform::Dc dc(window_);
    const platform::RECT box{4, 2 * u, 4 + 25 * u, 4 * u};
    dc.FillRect(box, platform::Brush(fill));
    dc.SetBkMode(platform::TRANSPARENT);
    dc.SelectObject(ChartFont(RowHeight()));
    dc.TextOut(box.left + 2, box.top + 1, statusText_);
    update();
}

void WitsChartDlg::TimeZoneInfo()
{
    // Once per shown day, and never from inside a paint: the box waits for the event loop then.
    if (timeZoneInfoShown_ && *timeZoneInfoShown_ == shownDay_)
        return;
    timeZoneInfoShown_ = shownDay_;
    auto show = [] { platform::MessageBox(QString::fromLatin1(kTimeZoneText), QStringLiteral("Time Zone Info")); };
    if (painting_) {
        QPointer<WitsChartDlg> self(this);
        platform::services().queue->Post([self, show] {
            if (self)
                show();
        });
    } else {
        show();
    }
}

void WitsChartDlg::Redraw()
{
    if (!tableHidden_) {
        if (auto* list = ControlAs<QListWidget>(kDataList); list && list->count() > 0)
            list->setCurrentRow(std::clamp(viewIndex_, 0, list->count() - 1));
        return;
    }
    if (image_.isNull())
        return;
    if (imageDirty_) {
        platform::Dc dc(image_);
        DrawChartImage(dc, blocks_, samples_.data(), int(samples_.size()), RowHeight());
        imageDirty_ = false;
    }
    if (!window_.isNull()) {
        platform::Dc dc(window_);
        DrawScales(dc, blocks_, RowHeight());
    }
    ShowImageAt(true);
}

void WitsChartDlg::ShowImageAt(bool repaint)
{
    if (window_.isNull() || image_.isNull())
        return;
    platform::Dc dc(window_);
    ShowImage(dc, image_, viewIndex_, viewHeight_, repaint);
    update();
}

void WitsChartDlg::Refresh()
{
    if (!tableHidden_)
        return;
    painting_ = true;
    UpdateLive(samples_, viewIndex_, true);
    Redraw();
    if (scrollBar_)
        scrollBar_->show();
    painting_ = false;
}

void WitsChartDlg::paintEvent(QPaintEvent*)
{
    // A repaint the system asked for (shown, uncovered, resized) refreshes the chart first; the
    // window's own updates only show what it drew.
    if (refreshOwed_) {
        refreshOwed_ = false;
        Refresh();
    }
    QPainter painter(this);
    painter.drawImage(0, 0, window_);
}

void WitsChartDlg::showEvent(QShowEvent* e)
{
    Dialog::showEvent(e);
    refreshOwed_ = true;
}

void WitsChartDlg::EvTimer(int id)
{
    if (id != kChartTimer)
        return;
    const int profile = log_.well.loggerId;
    const bool acts = log_.well.file.drilling || log_.well.fileOpened || profile == 2 || profile == 12 ||
                      profile == 25 || profile == 26;
    if (!acts)
        return;
    const int day = Today().day;
    if (day != lastTickDay_) {
        CmCurrentDay();
        lastTickDay_ = day;
    }
    RefreshLiveWits(log_, [this](std::vector<wellfile::WITSRECORD>& samples) {
        UpdateLive(samples, int(samples.size()), false);
    });
}

void WitsChartDlg::EvVScroll(int code, int thumbPosition, bool ctrl)
{
    if (!scrollBar_)
        return;
    viewIndex_ = ScrollViewIndex(viewIndex_, code, thumbPosition, ctrl, int(samples_.size()), viewHeight_);
    ShowImageAt(false);
    const QSignalBlocker quiet(scrollBar_);
    scrollBar_->setValue(viewIndex_);
}

void WitsChartDlg::EvSize()
{
    const int r = RowHeight();
    viewHeight_ = ChartViewHeight(height());
    window_ = FaceImage(size(), window_);
    delete scrollBar_;
    scrollBar_ = new QScrollBar(Qt::Vertical, this);
    scrollBar_->setGeometry(ScrollBarLeft(imageWidth_, width(), r), kChartBandHeight, ChartScrollBarWidth(r),
                            std::max(1, viewHeight_));
    scrollBar_->setRange(0, kChartImageRows);
    scrollBar_->setValue(viewIndex_);
    scrollBar_->setVisible(tableHidden_);
    connect(scrollBar_, &QAbstractSlider::actionTriggered, this, [this](int action) {
        const int code = app::ScrollCodeOf(action);
        if (code >= 0)
            EvVScroll(code, scrollBar_->sliderPosition(),
                      QGuiApplication::keyboardModifiers().testFlag(Qt::ControlModifier));
        scrollBar_->setSliderPosition(viewIndex_);
    });
    tableArea_->setGeometry(0, kChartBandHeight - 20, width(), std::max(1, viewHeight_ + 20));
    if (auto* header = Control(kDataHeader))
        header->setGeometry(0, 0, width(), 20);
    if (auto* list = Control(kDataList))
        list->setGeometry(0, 20, width(), std::max(1, viewHeight_));
}

void WitsChartDlg::resizeEvent(QResizeEvent* e)
{
    Dialog::resizeEvent(e);
    if (timers_)  // set up
        EvSize();
    refreshOwed_ = true;
}

void WitsChartDlg::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::RightButton)
        EvRButtonDown(e->position().toPoint().x());
    else
        Dialog::mousePressEvent(e);
}

void WitsChartDlg::EvRButtonDown(int x)
{
    WitsCfgDlg dlg(this, blocks_, ChartAt(blocks_, x));
    cfgDlg_ = &dlg;
    const int result = dlg.Execute();
    cfgDlg_ = nullptr;
    if (result != IDOK)
        return;
    StoreWorkingBlocks(blocks_, record_);
    log_.witsChart.settingsKept = true;
    WriteConfig(SettingsPath(), record_);
    LoadSettings(SettingsPath(), RowHeight(), OwnerClient(), record_, blocks_);
    if (!image_.isNull()) {
        MakeImage();
        if (!window_.isNull()) {
            platform::Dc dc(window_);
            dc.FillRect(platform::RECT{0, 100, imageWidth_ + 30, window_.height()},
                        platform::Brush(platform::GetSysColor(platform::COLOR_BTNFACE)));
        }
        EvSize();
    }
    UpdateLive(samples_, viewIndex_, true);
    Redraw();
}

void WitsChartDlg::CmViewData()
{
    if (samples_.empty())
        return;
    auto* list = ControlAs<QListWidget>(kDataList);
    if (tableHidden_) {
        const platform::WaitCursor wait;
        if (scrollBar_)
            scrollBar_->hide();
        ClearStrings(kDataList);
        SetText(kDataHeader, QString::fromLatin1(kDataTableHeader));
        QStringList lines;
        for (int i = 0; i + 1 < int(samples_.size()); ++i)
            lines << DataTableLine(samples_[std::size_t(i)]);
        if (list)
            list->addItems(lines);
        tableArea_->show();
        tableArea_->raise();
        SetText(kViewDataButton, QStringLiteral("Hide"));
        tableHidden_ = false;
    } else {
        ClearStrings(kDataList);
        tableArea_->hide();
        if (scrollBar_)
            scrollBar_->show();
        SetText(kViewDataButton, QStringLiteral("View Data"));
        tableHidden_ = true;
        ShowImageAt(false);
    }
}

void WitsChartDlg::CmPrint()
{
    if (!printer_)
        printer_ = platform::services().printers->DefaultPrinter();
    if (!printer_) {
        platform::MessageBox(QStringLiteral(" Error Communicating With Printer"), QStringLiteral("Printer Error"));
        return;
    }
    if (imageDirty_) {
        platform::Dc dc(image_);
        DrawChartImage(dc, blocks_, samples_.data(), int(samples_.size()), RowHeight());
        imageDirty_ = false;
    }
    WitsPrintout printout(image_, viewIndex_);
    if (!PrintWitsChart(*printer_, printout, log_.well.file.dataFolder))
        platform::MessageBox(QStringLiteral(" Error Communicating With Printer"), QStringLiteral("Printer Error"));
}

void WitsChartDlg::StoreWindowRect(WITSCHARTCFG& record) const
{
    const QRect r = geometry();
    const QWidget* owner = parentWidget();
    const int ownerTop = owner ? owner->mapToGlobal(QPoint(0, 0)).y() : 0;
    record.windowLeft = r.left();
    record.windowTop = r.top() > ownerTop && r.top() >= 0 ? r.top() : ownerTop + 20;
    record.windowWidth = std::max(1, r.width());
    record.windowHeight = std::max(1, r.height());
}

bool WitsChartDlg::SaveWindowState()
{
    if (isMinimized() || closedChart_)
        return true;
    WITSCHARTCFG record{};
    if (ReadConfig(SettingsPath(), record)) {
        StoreWindowRect(record);
        WriteConfig(SettingsPath(), record);
    }
    return true;
}

void WitsChartDlg::CloseChart()
{
    if (closedChart_)
        return;
    closedChart_ = true;
    if (cfgDlg_)
        cfgDlg_->EndDialog(IDCANCEL);
    WITSCHARTCFG record{};
    ReadConfig(SettingsPath(), record);
    StoreWindowRect(record);
    WriteConfig(SettingsPath(), record);
    if (timers_)
        timers_->KillTimer(kChartTimer);
    delete scrollBar_;
    scrollBar_ = nullptr;
    image_ = QImage();
}

void WitsChartDlg::CloseWindow()
{
    CloseChart();
    hide();
    deleteLater();
    if (auto closed = std::move(closed_))
        closed();
}

void WitsChartDlg::closeEvent(QCloseEvent* e)
{
    SaveWindowState();
    e->ignore();
    CloseWindow();
}

}  // namespace wits
