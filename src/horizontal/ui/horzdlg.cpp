#include "horizontal/ui/horzdlg.h"

#include "app/logstate.h"
#include "drilling/drillingstate.h"
#include "app/opendatafile.h"
#include "elog/ui/imagecommand.h"
#include "wellfile/datafile.h"
#include "horizontal/horzplace.h"
#include "horizontal/ui/horzmouseui.h"
#include "app/tracksettingsof.h"
#include "layout/customdata.h"
#include "logview/draw/neighbourpainters.h"
#include "logview/geometryof.h"
#include "tracks/draw/customhorz.h"
#include "platform/services.h"
#include "platform/text.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>
#include <cstring>
#include <memory>

namespace horizontal {
namespace {

// The buttons' places and widths are those of the stations' small dialog font: a text that does not fit
// its button is given a smaller font rather than being cut.
void FitButtonText(QWidget* control)
{
    auto* button = qobject_cast<QAbstractButton*>(control);
    if (!button)
        return;
    QFont font = button->parentWidget()->font();
    const int room = button->width() - 6;
    while (font.pointSizeF() > 6 && QFontMetrics(font).horizontalAdvance(button->text()) > room)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    button->setFont(font);
}

}  // namespace

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
    // The buttons sit at fixed places along the bottom edge (EvSize), out of the dialog's rows: left in
    // a row, the layout would stretch them across the middle of the plot at every resize.
    for (int id : {kSetupButton, kViewHeaderButton, kZoomInButton, kZoomOutButton, kCloseButton})
        PlaceAt(id, 0, 0, 0, 0);
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
    mouse_ = std::make_unique<HorzMouse>(*this);
    painters_.customTracks = [this](platform::Dc& dc, HorzPlot& plot) { PaintCustomTracks(dc, plot); };
    painters_.openPicture = [this](HorzPlot&, int x, int y) { return OpenPictureInImage(x, y); };
    painters_.notes = [this](platform::Dc& dc, HorzPlot& plot) {
        horizontal::DrawNotes(dc, notes_.notes, notes_.count, 0, NoteViewOf(plot, scroll_, log_.layout.format.trackUnit),
                              noteDrawing_);
    };
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
            facts.scaleKind = PrintScaleCode(self->settings_.pixelsPerUnit);
        }
        return facts;
    };
    log_.print.horizontalPage = [self](platform::Dc& dc, print::PRINTCFG& cfg, float rowHeight, int page) {
        return self ? self->StretchImageTo(dc, cfg, rowHeight, page) : 0;
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
    plot_.gasScaleOverride = 0;  // the scale labels' gas scale holds until the set-up is applied again
    if (settings_.offsetKbOutOfRange)
        platform::MessageBox(QString::fromLatin1(kOffsetKbMessage), QStringLiteral("Error"), platform::MB_OK);
    drawFrom_ = settings_.drawFromDepth;
    scroll_ = settings_.scrollPosition;
    log_.view.horizontalLithInOrder = settings_.lithInOrderEntered;
    if (QFileInfo::exists(NoteFileOf().path))
        LoadNotes();
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
    wellfile::OpenWell& well = log_.well.file;
    if (well.wellName.isEmpty() || well.fileBottomDepth <= well.fileTopDepth)
        return 0;  // no well open: nothing to show
    lastDraw_ = first;
    ++redraws_;
    // The records up to the end depth, padded past the last one.
    const PadRange range = PadAndEnd(well.fileBottomDepth);
    const int toRead = RecordsToRead(well.fileTopDepth, range.endDepth, well.depthStep, range.pad);
    // Read aside: the drawn plot keeps its records until a new one replaces it.
    std::vector<wellfile::RECORD> records(std::size_t(toRead + 100));
    const int countRead = wellfile::ReadRecords(well, records, well.dataFileName, 0, toRead);
    if (countRead < 1)
        return 0;
    const std::int32_t plotLastDepth = PadRecords(records, countRead, range.pad);

    auto r = std::make_unique<HorzSetupRecord>();
    if (!LoadSetupFile(FilesOf(log_), *r))
        ViewDefaults(*r, ApplyInputsOf(log_).curvesGammaScale);
    LoadInputs in;
    in.fileFirstDepth = well.fileTopDepth;
    in.endDepth = range.endDepth;
    in.countRead = countRead;
    in.pad = range.pad;
    in.wellGreatestTvd = well.maxTvd;
    in.first = first == 1;
    const LoadPlan plan = PlanLoad(records, in, *r);
    if (plan.setupChanged)
        SaveRecord(*r);
    drawFrom_ = plan.drawFrom;
    if (!plan.horizontal)
        return 0;
    std::swap(records_, records);
    plot_.plotLastDepth = plotLastDepth;
    FillPlotInputs(plan, *r);
    LoadFiles(plan.leastTvd);
    const QString failure = DrawPlot(plot_, painters_);
    if (!failure.isEmpty()) {
        platform::MessageBox(failure, QString(), platform::MB_OK);
        setFocus();
        return 0;
    }
    AfterDrawing(*r);
    return SaveImageFile() ? 1 : 0;
}

void HorzDlg::LoadFiles(std::int32_t leastTvd)
{
    // A target gamma file alone serves as the anchor too.
    if (settings_.anchorGammaFile.isEmpty() && !settings_.targetGammaFile.isEmpty())
        settings_.anchorGammaFile = settings_.targetGammaFile;
    plot_.logs.anchor = {};
    plot_.logs.target = {};
    plot_.logs.path = {};
    auto load = [this](const HorzPainters::Loader& loader, const QString& path, std::int32_t from) {
        return !path.isEmpty() && QFileInfo::exists(path) && loader && loader(plot_, path, from);
    };
    plot_.anchorGammaLoaded = load(painters_.anchorGamma, settings_.anchorGammaFile, leastTvd - 1000);
    plot_.targetGammaLoaded = load(painters_.targetGamma, settings_.targetGammaFile, leastTvd - 1000);
    plot_.targetLoaded = load(painters_.target, settings_.targetFile, leastTvd);
}

void HorzDlg::FillPlotInputs(const LoadPlan& plan, const HorzSetupRecord& r)
{
    HorzPlot& p = plot_;
    p.settings = &settings_;
    p.records = records_;
    p.first = std::max(0, plan.walk.first);
    p.toDraw = plan.walk.toDraw;
    p.counted = plan.walk.counted;
    p.drawFrom = plan.drawFrom;
    p.leastTvd = plan.leastTvd;
    p.greatestTvd = plan.walk.greatestTvd;
    p.plotFirstDepth = plan.walk.plotFirstDepth;
    p.pixelsPerUnit = settings_.pixelsPerUnit;
    p.headerShown = headerShown_;
    p.surveyDisplay = surveyDisplay_;
    p.clientWidth = width();
    p.clientHeight = height();
    p.scrollHeight = 20;
    p.setup = &r;
    p.sectionMissing = plan.walk.sectionMissing;
    p.allTops = log_.well.tops;
    p.pictures = log_.pictures.all.empty() ? nullptr : &log_.pictures;
    p.pictureList.folder = PicturesFolder();
    p.pens = log_.layout.pens.pens;
    HorzPlotOptions& o = p.options;
    o.customTracks = log_.customTracks.data != nullptr;
    p.customList = o.customTracks ? &log_.customTracks.data->screenSet : nullptr;
    p.rateCode = plan.walk.rateCode;
    o.ratesPerHour = log_.view.rateInMetresPerHour != 0;
    o.co2Scale = log_.well.config.co2ScaleCode;
    o.pictures = log_.options.horizontalLithPictures;
    o.profile = log_.well.loggerId;
    o.screenWidth = log_.env.screenWidth;
    o.gasFillColour = p.pens[layout::PEN_HORZ_GAS_FILL].colour;
    o.gammaFillColour = p.pens[layout::PEN_OFFSCALE_GAMMA_FILL].colour;
    o.wrtFillColour = p.pens[layout::PEN_RT_GAMMA].colour;
    o.slideColour = p.pens[layout::PEN_SLIDE].colour;
    o.wellPathColour = p.pens[layout::PEN_WELL_TRACK].colour;
    const layout::PenEntry& survey = log_.layout.pens.table.entry[layout::PEN_SURVEY];
    o.surveyBox = survey.boxText != 0;
    o.surveyTransparent = survey.transparent != 0;
    p.fileFirstDepth = log_.well.file.fileTopDepth;
    p.fileLastDepth = log_.well.file.fileBottomDepth;
    p.kbElevation = log_.well.kbElevation;
    // The main log's lithology painter, split on and interpreted off.
    p.lithology = [this](platform::Dc& dc, std::span<const wellfile::RECORD> records, std::size_t index, int x, int y) {
        if (!log_.view.painters)
            return;
        const logview::ViewGeometry g = logview::GeometryOf(log_);
        const logview::Device device = logview::Device::Screen();
        log_.view.painters->DrawLithology(logview::PaintTarget{dc, g, device}, records, index, x, y, int(index), 1, 0);
    };
    highAngleCount_ = plan.walk.highAngle;
    p.headerFacts = {app::PlaceOf(log_), log_.layout.format.title, log_.layout.schemes.hardnessLabel, false,
                     log_.well.companyFlag, &log_.layout.pens.table};
    o.topCrossings = log_.view.topsShown;
    p.logs.dataFolder = log_.well.file.dataFolder;
    p.logs.wellName = log_.well.file.wellName;
}

void HorzDlg::AfterDrawing(const HorzSetupRecord& read)
{
    plot_.setup = nullptr;
    headerShown_ = plot_.headerShown;
    leastTvd_ = plot_.leastTvd;
    greatestTvd_ = plot_.greatestTvd;
    sections_ = plot_.sections.sections;
    sectionCount_ = plot_.sections.count;
    log_.print.scaleKind = plot_.printScaleKind;
    // The sections go into the record; a dip without section data is stored as 0 there, while the view
    // keeps its own copy until the set-up is applied again.
    auto r = std::make_unique<HorzSetupRecord>(read);
    if (plot_.sections.dipMessage) {
        platform::MessageBox(QString::fromLatin1(kSectionDataMessage), QString::fromLatin1(kSectionDataCaption),
                             platform::MB_OK);
        r->regionalDip = 0;
    }
    StoreSections(*r, plot_.sections.sections);
    SaveRecord(*r);
    if (!plot_.pictureFailures.empty())
        platform::MessageBox(tracks::HorzPictureFailureText(plot_.pictureFailures), QString(), platform::MB_OK);
    drawn_ = true;
    EvSize();
    BlitView(0);
}

bool HorzDlg::SaveImageFile()
{
    const int format = settings_.imageFormat;
    if (format == 0)
        return true;
    const wellfile::OpenWell& well = log_.well.file;
    const QString folder = PlotImageFolder(well.dataFolder, well.wellName);
    QDir().mkpath(folder);
    const QString path = PlotImagePath(folder, well.wellName, plot_.plotFirstDepth, plot_.plotLastDepth, format);
    const int code = SavePlotImage(plot_, path, format);
    if (format == 1) {
        // BMP stays chosen: every drawing writes it again.
        if (code == 0)
            return true;
        platform::MessageBox(QStringLiteral("Image Allocation Failed "), QString(), platform::MB_OK);
        return false;
    }
    if (code == 0) {
        if (platform::MessageBox(QStringLiteral("HORZ IMAGE FILE HAS BEEN SAVED TO\n%1\nTO SAVE TO ANOTHER LOCATION CLICK OK")
                                     .arg(path),
                                 QStringLiteral("SAVE IMAGE AS"), platform::MB_OKCANCEL) == platform::IDOK)
            elog::SaveImageAs(log_, path, format);
    } else {
        platform::MessageBox(platform::SaveFailedText(code, path), QString(), platform::MB_OK);
    }
    settings_.imageFormat = 0;
    auto r = std::make_unique<HorzSetupRecord>();
    if (LoadSetupFile(FilesOf(log_), *r)) {
        r->imageFormat = 0;
        SaveRecord(*r);
    }
    if (code != 0)
        platform::MessageBox(QStringLiteral("Create Image Failed"), QString(), platform::MB_OK);
    return true;
}

void HorzDlg::PaintCustomTracks(platform::Dc& dc, HorzPlot& plot)
{
    layout::CUSTOMDATA* data = log_.customTracks.data.get();
    const wellfile::OpenWell& well = log_.well.file;
    if (!data || plot.first >= int(plot.records.size()))
        return;
    // As many custom records as there are track points, from the first counted depth.
    const int count = plot.points.count;
    std::vector<layout::CUSTDATAREC> custom(std::size_t(std::max(0, count) + 10));
    const int index = plot.records[std::size_t(plot.first)].depth - well.fileTopDepth;
    const int read = layout::ReadCustomRecords(well, custom, well.customDataFileName, index, count);
    if (read < 1) {
        settings_.drawCustomTracks = false;  // nothing to show: the switch goes off
        return;
    }
    std::vector<tracks::HorzPicture> pictures;
    for (const elog::PictureEntry& e : log_.pictures.all)
        pictures.push_back({e.depth, e.name});
    const logview::ViewGeometry g = logview::GeometryOf(log_);
    const tracks::CurveValueSettings values = tracks::CurveValueSettingsOf(log_);
    const std::size_t memoCount = std::min<std::size_t>(std::size_t(std::max(0, log_.notes.memoCount)), log_.notes.memos.size());
    tracks::HorzSources sources{g, log_.trackPainters, values, nullptr, pictures, log_.pictures.folder,
                                std::span(log_.notes.memos).first(memoCount), &plot.pictureFailures};
    tracks::HorzRange range;
    const auto records = plot.records.subspan(std::size_t(plot.first));
    range.count = std::min<int>(read, int(records.size()) - 1);
    range.records = records;
    range.custom = std::span(custom).first(std::size_t(read));
    range.xStep = std::max(1, plot.pixelsPerUnit / 2);  // each record two x steps
    range.leftX = plot.plotLeft;
    range.rightX = plot.width;
    // The header tracks the band layout kept, standing on the gas band's top.
    range.baseY = plot.bands.gasTop;
    tracks::PaintCustomTracks(dc, *data, plot.headerTracks, sources, range);
}

bool HorzDlg::BlitView(int)
{
    if (plot_.image.Empty())
        return false;
    update();
    return true;
}

void HorzDlg::RestorePlotImage()
{
    horizontal::RestorePlotImage(plot_, painters_);
}

void HorzDlg::RedrawNotes()
{
    RestorePlotImage();
    if (noteEdit_)
        noteEdit_->hide();
    BlitView(0);
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
    const ScrollRange range = RangeOf(PlotLeft(), Image().width(), width());
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
    for (int id : {kSetupButton, kViewHeaderButton, kZoomInButton, kZoomOutButton})
        FitButtonText(Control(id));
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
    if (Image().isNull() || Image().width() <= width())
        return;
    scroll_ = NextScroll(scroll_, code, thumb, PlotLeft(), Image().width(), width());
    scrollBar_->setValue(scroll_);
    update();
}

void HorzDlg::paintEvent(QPaintEvent* e)
{
    Dialog::paintEvent(e);
    const QImage& image = Image();
    if (!drawn_ || image.isNull())
        return;
    QPainter p(this);
    // The image's columns left of plotLeft hold the header; the scroll position counts from plotLeft.
    p.drawImage(0, 0, image, scroll_ - PlotLeft(), 0, width(), height() - 20);
    if (headerShown_)
        p.drawImage(0, 0, image, 0, 0, PlotLeft(), height() - 20);  // the header stays in place
    mouse_->PaintOverlay(p);
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
    StoreMarkers(*r, settings_.markers);
    StoreSections(*r, sections_);
    r->scrollPosition = scroll_;
    r->drawFromDepth = drawFrom_;
    r->sectionCount = sectionCount_;
    SaveRecord(*r);
    platform::freeimage(plot_.image);
    platform::freeimage(plot_.image2);
    records_.clear();
    plot_.records = {};
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
