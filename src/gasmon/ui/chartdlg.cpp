#include "gasmon/ui/chartdlg.h"

#include "app/logstate.h"
#include "app/scrolling.h"
#include "app/ui/scrollcodes.h"
#include "gasmon/autogas.h"
#include "gasmon/chartwindow.h"
#include "gasmon/ui/chartnoteedit.h"
#include "platform/draw/syscolors.h"
#include "platform/printer.h"
#include "wellfile/profile.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

namespace gasmon {

using platform::BN_CLICKED;
using platform::IDCANCEL;
using platform::IDOK;

namespace {

// The type of the program's own interface box ("SV_CONTROL").
constexpr int kOwnInterfaceBox = 8;

bool RetentionTimesProfile(int profile) { return wellfile::MailAlarmProfile(profile); }

}  // namespace

ChartDlg::ChartDlg(QWidget* owner, app::LogState& log, std::function<void()> closed)
    : Dialog(owner, QStringLiteral("Strativ Real Time Gas Chart")), log_(log), closed_(std::move(closed)),
      day_(std::size_t(kChartDaySlots))
{
    setWindowFlag(Qt::Window);
    setWindowFlag(Qt::WindowMinimizeButtonHint);
    layout()->setSizeConstraint(QLayout::SetNoConstraint);
    pens_ = MakeChartPens(log_.layout.pens.table, log_.well.loggerId);

    // The band along the top: read-outs at the left, the buttons in columns to their right.
    struct Place {
        int id, x, y, w, h;
    };
    AddStatic(kTopTimeText, QString());
    AddEdit(kHwEdit, 20);
    AddEdit(kChromEdit, 20);
    AddEdit(kDepthIntervalEdit, 40);
    AddButton(kPreviousDayButton, QStringLiteral("Previous Day"));
    AddButton(kNextDayButton, QStringLiteral("Next Day"));
    AddButton(kCurrentViewButton, QStringLiteral("Current View"));
    AddButton(kViewDataButton, QStringLiteral("View Data"));
    AddButton(kZoomButton, QStringLiteral("Zoom"));
    AddButton(kBrowseButton, QStringLiteral("Browse"));
    AddButton(kPrintButton, QStringLiteral("Print"));
    AddCheck(kLogScaleCheck, QStringLiteral("Logrithmic"));
    AddButton(kGoToButton, QStringLiteral("Go To"));
    AddButton(kSampleNowButton, QStringLiteral("Sample Now"));
    AddButton(kCloseBlockButton, QStringLiteral("Close Block"));
    AddStatic(kRetentionTimesText, QString());
    AddStatic(kTextViewHeading, QStringLiteral("Text6"));
    AddList(kTextViewList);
    const Place places[] = {
        {kTopTimeText, 4, 4, 180, 20},        {kHwEdit, 44, 28, 70, 22},
        {kChromEdit, 160, 28, 70, 22},        {kDepthIntervalEdit, 96, 56, 134, 22},
        {kPreviousDayButton, 238, 4, 96, 24}, {kNextDayButton, 238, 30, 96, 24},
        {kCurrentViewButton, 238, 56, 96, 24}, {kViewDataButton, 340, 4, 84, 24},
        {kZoomButton, 340, 30, 84, 24},       {kBrowseButton, 340, 56, 84, 24},
        {kPrintButton, 430, 4, 84, 24},       {kLogScaleCheck, 430, 30, 100, 24},
        {kGoToButton, 430, 56, 84, 24},       {kSampleNowButton, 536, 4, 96, 24},
        {kCloseBlockButton, 536, 30, 96, 24}, {kRetentionTimesText, 536, 56, 420, 24},
    };
    for (const Place& p : places) {
        PlaceAt(p.id, 0, 0, 1, 1);
        Control(p.id)->setGeometry(p.x, p.y, p.w, p.h);
    }
    PlaceAt(kTextViewHeading, 0, 0, 1, 1);
    PlaceAt(kTextViewList, 0, 0, 1, 1);
    const struct {
        const char* text;
        int x, y, w;
    } labels[] = {{"HW", 4, 30, 38}, {"Chrom", 118, 30, 40}, {"Depth Interval", 4, 58, 90}};
    for (const auto& l : labels)
        (new QLabel(QString::fromLatin1(l.text), this))->setGeometry(l.x, l.y, l.w, 20);
    for (int id : {kHwEdit, kChromEdit, kDepthIntervalEdit}) {
        if (auto* edit = ControlAs<QLineEdit>(id))
            edit->setReadOnly(true);
    }
    Show(kTextViewList, false);
    Show(kTextViewHeading, false);
    Show(kSampleNowButton, false);
    // The resource's size (378 x 313 dialog units) until the settings give the window's own.
    const QFontMetrics m = fontMetrics();
    resize(378 * m.averageCharWidth() / 4, 313 * m.height() / 8);
    Show(kCloseBlockButton, false);

    On(kPreviousDayButton, BN_CLICKED, [this] { CmPreviousDay(); });
    On(kNextDayButton, BN_CLICKED, [this] { CmNextDay(); });
    On(kCurrentViewButton, BN_CLICKED, [this] { CmCurrentView(); });
    On(kGoToButton, BN_CLICKED, [this] { CmGoTo(); });
    On(kViewDataButton, BN_CLICKED, [this] { CmViewData(); });
    On(kZoomButton, BN_CLICKED, [this] { CmZoom(); });
    On(kBrowseButton, BN_CLICKED, [this] { CmBrowse(); });
    On(kPrintButton, BN_CLICKED, [this] { CmPrint(); });
    On(kLogScaleCheck, BN_CLICKED, [this] { ToggleLogScale(); });
    On(kSampleNowButton, BN_CLICKED, [this] {
        if (log_.engines.autoGas)
            log_.engines.autoGas->RequestSampleNow();
    });
    On(kCloseBlockButton, BN_CLICKED, [this] {
        if (log_.engines.autoGas)
            log_.engines.autoGas->RequestCloseBlock();
    });
    On(IDCANCEL, BN_CLICKED, [this] { close(); });
    On(IDOK, BN_CLICKED, [] {});
}

ChartDlg::~ChartDlg() { CloseChart(); }

QDate ChartDlg::Today() const { return platform::services().clock->LocalTime().date(); }

QTime ChartDlg::Now() const { return platform::services().clock->LocalTime().time(); }

QString ChartDlg::DayPath(const QDate& date) const
{
    return ChartFileName(chartFolder_, log_.well.file.wellName, date);
}

void ChartDlg::SetupWindow()
{
    const int profile = log_.well.loggerId;
    ChartSettings settings;
    if (ReadChartCfg(log_, settings)) {
        logScale_ = settings.logScale != 0;
        SetCheck(kLogScaleCheck, logScale_ ? 1 : 0);
    }
    Show(kGoToButton, false);
    Show(kRetentionTimesText, RetentionTimesProfile(profile));
    Show(kPrintButton, profile == 2 || profile == 12 || profile == 40);
    const auto& remote = log_.witsChart.viewingStation;
    if (remote[0] || remote[1]) {
        Show(kPrintButton, false);
        Show(kBrowseButton, false);
        Show(kViewDataButton, false);
    }
    if (log_.engines.autoGas && log_.engines.autoGas->Settings().instrumentType == kOwnInterfaceBox) {
        Show(kSampleNowButton, true);
        Show(kCloseBlockButton, wellfile::CoilCycleProfile(profile));
    }

    chartFolder_ = ChartFolderFor(log_.well.file.dataFolder, log_.well.file.currentFolder);
    currentDate_ = shownDate_ = Today();
    lastDaySwitch_ = currentDate_;
    showingToday_ = true;
    path_ = DayPath(shownDate_);
    KeepCurrentChartFile(log_, path_);
    timeOffset_ = ChartTimeOffset(log_.well.timeZoneAdjust);
    LoadDay();
    viewStart_ = ViewStartOfNow(Now(), timeOffset_);
    FaceImage();
    MakeScrollBar();
    SetCaption();
    timers_ = platform::services().timers->Create([this](int id) { EvTimer(id); });
    timers_->SetTimer(kChartTimer, kChartTimerMs);
}

void ChartDlg::SetCaption()
{
    setWindowTitle(log_.witsChart.viewingStation[0] ? QStringLiteral("StrativM REMOTE GAS CHART") : path_);
}

void ChartDlg::LoadDay()
{
    // A day that cannot be read leaves nothing of the one before in the depth range or the text view.
    std::fill(day_.begin(), day_.end(), CHARTRECORD{});
    recordsLoaded_ = ReadChartFile(log_, day_, 0, kChartSlotsPerDay, path_);
}

void ChartDlg::SetScaleIndex(int index) { scaleIndex_ = ChartScaleIndex(index); }

// ---- Days ----

void ChartDlg::StepDay(int days)
{
    const QDate date = shownDate_.addDays(days);
    const QString path = DayPath(date);
    if (!QFileInfo::exists(path)) {
        platform::MessageBox(path, QStringLiteral("Chart File not found"));
        return;
    }
    shownDate_ = date;
    path_ = path;
    showingToday_ = false;
    KeepCurrentChartFile(log_, path_);
    SetCaption();
    LoadDay();
    viewStart_ = ViewStartOfNow(Now(), 0);
    Redraw();
    SetScrollPosition();
}

void ChartDlg::CmPreviousDay() { StepDay(-1); }

void ChartDlg::CmNextDay() { StepDay(+1); }

void ChartDlg::CmCurrentView()
{
    // The date is taken afresh: after midnight the chart follows the new day's samples.
    const QDate today = Today();
    const QString path = DayPath(today);
    if (today != shownDate_ && !QFileInfo::exists(path)) {
        platform::MessageBox(path, QStringLiteral("Chart File not found"));
        return;
    }
    path_ = path;
    LoadDay();
    KeepCurrentChartFile(log_, path_);
    SetCaption();
    currentDate_ = shownDate_ = today;
    showingToday_ = true;
    timeOffset_ = ChartTimeOffset(log_.well.timeZoneAdjust);
    viewStart_ = ViewStartOfNow(Now(), timeOffset_);
    Redraw();
    SetScrollPosition();
}

void ChartDlg::CmBrowse()
{
    platform::FileDialogRequest request;
    request.title = QStringLiteral("StrativM Chart Files");
    request.folder = chartFolder_;
    request.filter = QStringLiteral("StrativM Chart Files (*.CHT)|*.cht|");
    request.defaultExt = QStringLiteral("cht");
    const std::optional<QString> chosen = platform::services().prompter->OpenFileName(request);
    if (chosen && !chosen->isEmpty()) {
        path_ = *chosen;
        SetCaption();
    }
    if (!QFileInfo::exists(path_)) {
        platform::MessageBox(path_, QStringLiteral(" Chart File not found"));
        return;
    }
    showingToday_ = false;
    LoadDay();
    viewStart_ = ViewStartOfNow(Now(), 0);
    // The shown day is the one the samples carry (sample 0 while the view starts before the day), in
    // the year the file's name gives.
    const CHARTRECORD& at = day_[std::size_t(std::max(viewStart_, 0))];
    const QDate named = DateOfChartFile(path_);
    const QDate sampled(named.isValid() ? named.year() : Today().year(), at.month, at.day);
    if (sampled.isValid())
        shownDate_ = sampled;
    else if (named.isValid())
        shownDate_ = named;
    Redraw();
    SetScrollPosition();
}

void ChartDlg::CmGoTo() { platform::MessageBox(QStringLiteral("GO TO WHERE??"), QString()); }

// ---- Live samples and the timer ----

int ChartDlg::AddSamples(const CHARTRECORD* records, int count)
{
    if (!records || count <= 0 || closedChart_)
        return 1;
    // The day array holds the shown day only: a sample of another day (today's while an earlier day is
    // shown, or the new day's before the chart moves to it) would be written into that day's file.
    const CHARTRECORD* last = nullptr;
    for (int i = 0; i < count; ++i) {
        const CHARTRECORD& r = records[i];
        if (r.month != shownDate_.month() || r.day != shownDate_.day())
            continue;
        TakeSample(day_, r);
        last = &r;
    }
    if (!last || shownDate_ != currentDate_ || !showingToday_ || isMinimized())
        return 1;
    viewStart_ = ClampViewStart((long long)last->recordNumber - kChartWindowLength);
    if (window_.isNull())
        return 1;
    platform::Dc dc(window_);
    dc.RecordText(true);
    if (!noteEditOpen)
        DrawChartOn(dc);
    if (!logScale_)
        gasmon::DrawScaleLabels(dc, geometry_, scaleIndex_);
    texts_ = dc.TextRecord();
    SetScrollPosition();
    update();
    return 1;
}

void ChartDlg::ShowRetentionTimes(const std::array<std::int32_t, 8>& times)
{
    SetText(kRetentionTimesText, RetentionTimesText(times));
}

void ChartDlg::EvTimer(int id)
{
    if (id != kChartTimer || closedChart_)
        return;
    const QDateTime now = platform::services().clock->LocalTime();
    const QTime t = now.time();
    if (t >= QTime(0, 5, 0) && t <= QTime(0, 5, 5) && lastDaySwitch_ != now.date()) {
        lastDaySwitch_ = now.date();
        CmCurrentView();
        return;
    }
    if (!log_.well.file.drilling && ChartFileChanged(log_, path_) && showingToday_)
        CmCurrentView();
}

// ---- Drawing ----

void ChartDlg::FaceImage()
{
    const QSize size(std::max(1, width()), std::max(1, height()));
    window_ = QImage(size, QImage::Format_RGB32);
    platform::Dc dc(window_);
    dc.FillRect(platform::RECT{0, 0, size.width(), size.height()},
                platform::Brush(platform::GetSysColor(platform::COLOR_BTNFACE)));
    geometry_ = ChartGeometryOf(size.width(), size.height());
}

void ChartDlg::UpdateDepthRange()
{
    SetText(kDepthIntervalEdit, DepthRangeText(DepthRangeOf(day_, log_.well.file.fileTopDepth)));
}

void ChartDlg::Redraw()
{
    UpdateDepthRange();
    if (window_.isNull())
        return;
    geometry_ = ChartGeometryOf(window_.width(), window_.height());
    platform::Dc dc(window_);
    dc.RecordText(true);
    ClearChartArea(dc, geometry_, platform::GetSysColor(platform::COLOR_BTNFACE));
    DrawChartOn(dc);
    if (!logScale_)
        gasmon::DrawScaleLabels(dc, geometry_, scaleIndex_);
    texts_ = dc.TextRecord();
    update();
}

void ChartDlg::DrawChartOn(platform::Dc& dc)
{
    // A drawing ends the typing and the drag of a note: the boxes they refer to are drawn afresh.
    CloseNoteEdit();
    noteEditOpen = false;
    dragging_ = false;
    dragBase_ = QImage();
    ChartDrawn drawn = gasmon::PaintChart(dc, Frame(), pens_);
    notes_ = std::move(drawn.notes);
    viewStart_ = drawn.viewStart;
    if (recordsLoaded_ > 0)
        drawnOnce_ = true;
    if (drawn.top) {
        SetText(kTopTimeText, TopSampleTimeText(*drawn.top, shownDate_.year()));
        SetText(kHwEdit, GasReadoutText(drawn.top->hotWire));
        SetText(kChromEdit, GasReadoutText(drawn.top->chromat));
    }
}

void ChartDlg::PaintChart()
{
    if (window_.isNull())
        return;
    platform::Dc dc(window_);
    dc.RecordText(true);
    DrawChartOn(dc);
    texts_ = dc.TextRecord();
    update();
}

void ChartDlg::DrawScaleLabels()
{
    if (window_.isNull() || logScale_)
        return;
    platform::Dc dc(window_);
    dc.RecordText(true);
    gasmon::DrawScaleLabels(dc, geometry_, scaleIndex_);
    const std::vector<platform::DcText>& more = dc.TextRecord();
    texts_.insert(texts_.end(), more.begin(), more.end());
    update();
}

void ChartDlg::CmZoom()
{
    pixelsPerSample_ = pixelsPerSample_ % 3 + 1;
    PaintChart();
    DrawScaleLabels();
}

void ChartDlg::ToggleLogScale()
{
    logScale_ = GetCheck(kLogScaleCheck) != 0;
    Redraw();
}

// ---- Scrolling and size ----

void ChartDlg::MakeScrollBar()
{
    delete scrollBar_;
    scrollBar_ = new QScrollBar(Qt::Vertical, this);
    scrollBar_->setObjectName(QStringLiteral("chartScrollBar"));
    scrollBar_->setGeometry(geometry_.plotRight, kChartPlotTop, kChartScrollBarWidth,
                            std::max(1, geometry_.clientBottom - kChartPlotTop));
    scrollBar_->setRange(0, kChartSlotsPerDay);
    scrollBar_->setSingleStep(30);
    scrollBar_->setPageStep(150);
    scrollBar_->setValue(ScrollPositionOf(viewStart_));
    connect(scrollBar_, &QAbstractSlider::actionTriggered, this, [this](int action) {
        const int code = app::ScrollCodeOf(action);
        const bool ctrl = QGuiApplication::keyboardModifiers().testFlag(Qt::ControlModifier);
        if (code == app::SB_THUMBTRACK) {
            EvVScroll(code, scrollBar_->sliderPosition(), ctrl);
            return;
        }
        if (code >= app::SB_LINEUP && code <= app::SB_PAGEDOWN)
            EvVScroll(code, scrollBar_->sliderPosition(), ctrl);
        scrollBar_->setSliderPosition(ScrollPositionOf(viewStart_));
    });
    connect(scrollBar_, &QAbstractSlider::sliderReleased, this, [this] {
        EvVScroll(app::SB_THUMBPOSITION, scrollBar_->sliderPosition());
    });
    scrollBar_->setVisible(!textViewShown_);
}

void ChartDlg::SetScrollPosition()
{
    if (!scrollBar_)
        return;
    const QSignalBlocker quiet(scrollBar_);
    scrollBar_->setValue(ScrollPositionOf(viewStart_));
}

void ChartDlg::EvVScroll(int code, int thumbPosition, bool ctrl)
{
    if (code == app::SB_THUMBTRACK) {
        // Only the depth there is shown; the chart moves when the thumb is let go.
        viewStart_ = ScrollViewStart(day_, viewStart_, code, thumbPosition, ctrl);
        if (viewStart_ >= 1 && !window_.isNull()) {
            platform::Dc dc(window_);
            dc.RecordText(true);
            DrawThumbDepth(dc, geometry_, day_[std::size_t(viewStart_)].depth);
            texts_ = dc.TextRecord();
            update();
        }
        return;
    }
    if (code < app::SB_LINEUP || code > app::SB_THUMBPOSITION)
        return;
    viewStart_ = ScrollViewStart(day_, viewStart_, code, thumbPosition, ctrl);
    Redraw();
    SetScrollPosition();
}

void ChartDlg::EvSize()
{
    FaceImage();
    MakeScrollBar();
    const int listTop = kChartPlotTop + 20;
    if (QWidget* heading = Control(kTextViewHeading))
        heading->setGeometry(0, kChartPlotTop, geometry_.plotRight, 20);
    if (QWidget* list = Control(kTextViewList))
        list->setGeometry(0, listTop, geometry_.plotRight + kChartScrollBarWidth,
                          std::max(1, geometry_.clientBottom - listTop));
    Redraw();
}

void ChartDlg::resizeEvent(QResizeEvent* e)
{
    Dialog::resizeEvent(e);
    if (timers_ && !closedChart_)  // set up
        EvSize();
}

void ChartDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, window_);
}

// ---- Text view ----

void ChartDlg::CmViewData() { ShowTextView(!textViewShown_); }

void ChartDlg::ShowTextView(bool visible)
{
    if (visible) {
        QFont fixed(QStringLiteral("Courier New"));
        fixed.setStyleHint(QFont::TypeWriter);
        fixed.setFixedPitch(true);
        fixed.setWeight(QFont::Normal);
        fixed.setPixelSize(std::clamp(int(log_.layout.format.pixelsPerStep) + 2, 10, 16));
        Control(kTextViewList)->setFont(fixed);
        Control(kTextViewHeading)->setFont(fixed);
        ClearStrings(kTextViewList);
        if (auto* list = ControlAs<QListWidget>(kTextViewList))
            list->addItems(TextViewLines(day_, viewStart_));
        SetText(kTextViewHeading, TextViewHeading());
        Show(kTextViewList, true);
        Show(kTextViewHeading, true);
        Control(kTextViewList)->raise();
        Control(kTextViewHeading)->raise();
        SetText(kViewDataButton, QStringLiteral("Hide Data"));
        textViewShown_ = true;
        return;
    }
    Show(kTextViewList, false);
    Show(kTextViewHeading, false);
    SetText(kViewDataButton, QStringLiteral("View Data"));
    textViewShown_ = false;
    Redraw();
}

// ---- Closing ----

bool ChartDlg::CanClose()
{
    CloseChart();
    return true;
}

void ChartDlg::CloseChart()
{
    if (closedChart_)
        return;
    closedChart_ = true;
    delete scrollBar_;
    scrollBar_ = nullptr;
    ChartSettings settings;
    ReadChartCfg(log_, settings);
    if (!isMinimized()) {
        const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
        const int mainTop = owner ? owner->pos().y() : 0;
        settings.windowLeft = pos().x();
        settings.windowTop = StoredChartTop(pos().y(), mainTop);
        settings.windowWidth = width();
        settings.windowHeight = height();
    }
    settings.scaleIndex = scaleIndex_;
    settings.logScale = logScale_ ? 1 : 0;
    SaveChartCfg(log_, settings, path_);
    if (timers_ && !log_.engines.wits)
        timers_->KillTimer(kChartTimer);
    window_ = QImage();
}

void ChartDlg::closeEvent(QCloseEvent* e)
{
    e->ignore();
    CanClose();
    hide();
    deleteLater();
    if (auto closed = std::move(closed_))
        closed();
}

}  // namespace gasmon
