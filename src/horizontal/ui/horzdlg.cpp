#include "horizontal/ui/horzdlg.h"

#include "app/logstate.h"
#include "drilling/drillingstate.h"
#include "horizontal/horzplace.h"
#include "platform/services.h"
#include "platform/text.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>
#include <cstring>
#include <memory>

namespace horizontal {

HorzDlg::HorzDlg(QWidget* owner, app::LogState& log, std::function<void()> closed, std::function<int(HorzDlg&)> runSetup)
    : Dialog(owner, QStringLiteral("STRATIV HORIZONTAL VIEW")), log_(log), closed_(std::move(closed)),
      runSetup_(std::move(runSetup))
{
    setWindowFlag(Qt::Window);
    setWindowFlag(Qt::WindowMinimizeButtonHint);
    AddButton(kSetupButton, QStringLiteral("SETUP"));
    AddButton(kViewHeaderButton, QStringLiteral("VIEW HEADER"));
    AddButton(kZoomInButton, QStringLiteral("ZOOM IN"));
    AddButton(kZoomOutButton, QStringLiteral("ZOOM OUT"));
    AddButton(kCloseButton, QStringLiteral("CLOSE"));
    On(kSetupButton, platform::BN_CLICKED, [this] { CmSetup(); });
    On(kViewHeaderButton, platform::BN_CLICKED, [this] { CmViewHeader(); });
    On(kZoomInButton, platform::BN_CLICKED, [this] { CmZoomIn(QGuiApplication::keyboardModifiers() & Qt::ControlModifier); });
    On(kZoomOutButton, platform::BN_CLICKED, [this] { CmZoomOut(QGuiApplication::keyboardModifiers() & Qt::ControlModifier); });
    // The buttons sit at fixed places along the bottom edge (EvSize), out of the dialog's rows.
    for (int id : {kSetupButton, kViewHeaderButton, kZoomInButton, kZoomOutButton, kCloseButton})
        Control(id)->setParent(this);
    Show(kCloseButton, false);
    scrollBar_ = new QScrollBar(Qt::Horizontal, this);
    connect(scrollBar_, &QScrollBar::actionTriggered, this, [this](int action) {
        switch (action) {
        case QAbstractSlider::SliderSingleStepSub: EvHScroll(ScrollCode::LineLeft, 0); break;
        case QAbstractSlider::SliderSingleStepAdd: EvHScroll(ScrollCode::LineRight, 0); break;
        case QAbstractSlider::SliderPageStepSub: EvHScroll(ScrollCode::PageLeft, 0); break;
        case QAbstractSlider::SliderPageStepAdd: EvHScroll(ScrollCode::PageRight, 0); break;
        case QAbstractSlider::SliderMove: EvHScroll(ScrollCode::Thumb, scrollBar_->sliderPosition()); break;
        default: break;
        }
    });
    Publish();
}

// The state may already be gone (the main window's own members go before its child windows): the
// print hook holds a guarded pointer and CloseView cleared the lithology switch.
HorzDlg::~HorzDlg() = default;

void HorzDlg::Publish()
{
    // What the print set-up and the lithology column read of the open view.
    QPointer<HorzDlg> self = this;
    log_.print.horizontalView = [self] {
        print::HorizontalViewFacts facts;
        if (self) {
            facts.startDepth = self->drawFrom_;
            facts.fullHeader = self->headerShown_;
        }
        return facts;
    };
}

void HorzDlg::SetupWindow()
{
    log_.well.wellTitle.clear();
    drilling::LoadWellTitle(log_);
    setWindowTitle(QStringLiteral("HORIZONTAL VIEW..") +
                   platform::FromCp1252(log_.well.wellTitle.data(), log_.well.wellTitle.size()));
    ApplySetup();
    EvSize();
}

int HorzDlg::ApplySetup()
{
    settings_ = horizontal::ApplySetup(FilesOf(log_), ApplyInputsOf(log_));
    if (settings_.offsetKbOutOfRange)
        platform::MessageBox(QString::fromLatin1(kOffsetKbMessage), QStringLiteral("Error"), platform::MB_OK);
    drawFrom_ = settings_.drawFromDepth;
    scroll_ = settings_.scrollPosition;
    log_.view.horizontalLithInOrder = settings_.lithInOrderEntered;
    return 1;
}

void HorzDlg::SetDepthRange(std::int32_t leastTvd, std::int32_t greatestTvd)
{
    leastTvd_ = leastTvd;
    greatestTvd_ = greatestTvd;
}

void HorzDlg::SetSections(const std::array<HorzSection, kMaxSections>& sections, int count, int highAngleCount)
{
    sections_ = sections;
    sectionCount_ = std::clamp(count, 0, kMaxSections);
    highAngleCount_ = highAngleCount;
}

int HorzDlg::LoadAndDraw(int first)
{
    const wellfile::OpenWell& well = log_.well.file;
    if (well.wellName.isEmpty() || well.fileBottomDepth <= well.fileTopDepth)
        return 0;  // no well open: nothing to show
    lastDraw_ = first;
    ++redraws_;
    auto r = std::make_unique<HorzSetupRecord>();
    if (LoadSetupFile(FilesOf(log_), *r)) {
        drawFrom_ = r->drawFromDepth;
        if (first) {
            std::copy(std::begin(r->sections), std::end(r->sections), sections_.begin());
            sectionCount_ = std::clamp<int>(r->sectionCount, 0, kMaxSections);
        }
    }
    if (first && greatestTvd_ == 0)
        greatestTvd_ = std::int32_t(log_.well.file.maxTvd);
    // The plot is laid out over the well's depths at 8 pixels a unit; its drawing is still to come.
    const int span = std::max(0, well.fileBottomDepth - well.fileTopDepth);
    const int width = std::clamp(PlotLeft() + span * settings_.pixelsPerUnit, std::max(1, this->width()), 32000);
    const int height = std::max(1, this->height() - 20);
    if (image_.width() != width || image_.height() != height)
        image_ = QImage(width, height, QImage::Format_RGB32);
    image_.fill(Qt::white);
    drawn_ = true;
    EvSize();
    update();
    return 1;
}

void HorzDlg::SaveRecord(const HorzSetupRecord& r)
{
    const HorzFiles files = FilesOf(log_);
    if (!SaveSetupFile(files, r, settings_.anchorGammaFile, settings_.targetGammaFile))
        platform::MessageBox(QStringLiteral("Could not save ") + ViewSetupPath(files), QStringLiteral("Error"),
                             platform::MB_OK);
}

void HorzDlg::CmZoomIn(bool ctrl)
{
    if (drawFrom_ >= greatestTvd_)
        return;
    auto r = std::make_unique<HorzSetupRecord>();
    LoadSetupFile(FilesOf(log_), *r);
    const ZoomResult z = horizontal::ZoomIn(drawFrom_, leastTvd_, greatestTvd_, ctrl);
    drawFrom_ = z.drawFrom;
    if (z.atLimit) {
        platform::MessageBeep(0);
        Enable(kZoomInButton, false);
    }
    r->drawFromDepth = drawFrom_;
    SaveRecord(*r);
    LoadAndDraw(0);
    if (drawFrom_ > 0)
        Enable(kZoomOutButton, true);
    setFocus();
}

void HorzDlg::CmZoomOut(bool ctrl)
{
    auto r = std::make_unique<HorzSetupRecord>();
    LoadSetupFile(FilesOf(log_), *r);
    const ZoomResult z = horizontal::ZoomOut(drawFrom_, greatestTvd_, ctrl);
    drawFrom_ = z.drawFrom;
    if (z.atLimit) {
        Enable(kZoomOutButton, false);
        platform::MessageBeep(0);
    }
    r->drawFromDepth = drawFrom_;
    r->keepDrawFrom = z.keepDrawFrom ? 1 : 0;
    SaveRecord(*r);
    LoadAndDraw(0);
    Enable(kZoomInButton, true);
    setFocus();
}

void HorzDlg::CmViewHeader()
{
    headerShown_ = !headerShown_;
    LoadAndDraw(0);  // places the buttons again, the header button's text by the flag
}

bool HorzDlg::ToggleSurveyDisplay()
{
    surveyDisplay_ = !surveyDisplay_;
    LoadAndDraw(0);
    return surveyDisplay_;
}

void HorzDlg::CmSetup()
{
    if (setupDialog_ || !runSetup_) {
        platform::MessageBeep(0);
        return;
    }
    if (runSetup_(*this) == 1) {
        ApplySetup();
        LoadAndDraw(0);
    }
    setupDialog_ = nullptr;
    setFocus();
}

void HorzDlg::EvSize()
{
    const ViewControls c = PlaceControls(width(), height(), 20, sectionCount_, highAngleCount_, log_.options.viewerStation);
    scrollBar_->setGeometry(c.scrollBar.x, c.scrollBar.y, c.scrollBar.width, c.scrollBar.height);
    const ScrollRange range = RangeOf(PlotLeft(), image_.width(), width());
    scroll_ = std::clamp(scroll_, range.minimum, range.maximum);
    scrollBar_->setRange(range.minimum, range.maximum);
    scrollBar_->setSingleStep(200);
    scrollBar_->setPageStep(500);
    scrollBar_->setValue(scroll_);
    auto place = [this](int id, const Box& b) { Control(id)->setGeometry(b.x, b.y, b.width, b.height); };
    place(kSetupButton, c.setup);
    place(kViewHeaderButton, c.viewHeader);
    place(kZoomInButton, c.zoomIn);
    place(kZoomOutButton, c.zoomOut);
    SetText(kViewHeaderButton, headerShown_ ? QStringLiteral("HIDE HEADER") : QStringLiteral("VIEW HEADER"));
    Show(kZoomInButton, c.zoomShown);
    Show(kZoomOutButton, c.zoomShown);
    Show(kSetupButton, c.setupShown);
    Show(kViewHeaderButton, true);
    Show(kCloseButton, false);
    if (drawn_)
        update();
}

void HorzDlg::EvHScroll(ScrollCode code, int thumb)
{
    if (image_.isNull() || image_.width() <= width())
        return;
    scroll_ = NextScroll(scroll_, code, thumb, PlotLeft(), image_.width(), width());
    scrollBar_->setValue(scroll_);
    update();
}

void HorzDlg::paintEvent(QPaintEvent* e)
{
    Dialog::paintEvent(e);
    if (!drawn_ || image_.isNull())
        return;
    QPainter p(this);
    // The image's columns left of plotLeft hold the header; the scroll position counts from plotLeft.
    p.drawImage(0, 0, image_, scroll_ - PlotLeft(), 0, width(), height() - 20);
}

void HorzDlg::resizeEvent(QResizeEvent* e)
{
    Dialog::resizeEvent(e);
    EvSize();
}

void HorzDlg::CloseView()
{
    if (closedView_)
        return;
    closedView_ = true;
    const HorzFiles files = FilesOf(log_);
    auto r = std::make_unique<HorzSetupRecord>();
    if (!LoadSetupFile(files, *r))
        ViewDefaults(*r, ApplyInputsOf(log_).curvesGammaScale);
    std::memset(r->markers, 0, sizeof r->markers);
    int n = 0;
    for (const HorzMarker& m : settings_.markers)
        if (m.symbolNumber != 0 && n < kMaxMarkers)
            r->markers[n++] = m;
    r->markerCount = std::uint16_t(n);
    std::memset(r->sections, 0, sizeof r->sections);
    int k = 0;
    for (int i = 0; i < kMaxSections; ++i)
        if (sections_[std::size_t(i)].startMd > 0)
            r->sections[k++] = sections_[std::size_t(i)];
    r->scrollPosition = scroll_;
    r->drawFromDepth = drawFrom_;
    r->sectionCount = sectionCount_;
    SaveRecord(*r);
    image_ = QImage();
    drawn_ = false;
    log_.view.horizontalLithInOrder = false;
}

bool HorzDlg::CanClose()
{
    CloseView();
    return true;
}

void HorzDlg::Destroy()
{
    if (QWidget* child = ChildDialog()) {
        platform::MessageBeep(0);
        child->activateWindow();
        return;
    }
    CanClose();
    hide();
    deleteLater();
    if (auto closed = std::move(closed_))
        closed();
}

void HorzDlg::closeEvent(QCloseEvent* e)
{
    e->ignore();
    Destroy();
}

void HorzDlg::reject()
{
    Destroy();
}

}  // namespace horizontal
