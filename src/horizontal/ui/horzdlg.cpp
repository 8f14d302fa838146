#include "horizontal/ui/horzdlg.h"

#include "app/logstate.h"
#include "app/opendatafile.h"
#include "drilling/drillingstate.h"
#include "elog/curves.h"
#include "elog/ui/imagecommand.h"
#include "horizontal/horzplace.h"
#include "horizontal/ui/horzmouseui.h"
#include "layout/trackflags.h"
#include "logview/draw/neighbourpainters.h"
#include "logview/geometryof.h"
#include "platform/services.h"
#include "platform/text.h"
#include "platform/waitcursor.h"
#include "print/printstate.h"
#include "tracks/draw/customhorz.h"
#include "tracks/tracksettingsof.h"
#include "wellfile/customdata.h"
#include "wellfile/datafile.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
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
    log_.print.horizontalPage = [self](platform::Dc& dc, wellfile::PRINTCFG& cfg, float rowHeight, int page) {
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
    const HorzApplyInputs inputs = ApplyInputsOf(log_.well, log_.engines, log_.customTracks, log_.options);
    settings_ = horizontal::ApplySetup(FilesOf(log_.well), inputs);
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

void HorzDlg::SetSections(const std::array<wellfile::HorzSection, kMaxSections>& sections, int count, int highAngleCount)
{
    sections_ = sections;
    sectionCount_ = std::clamp(count, 0, kMaxSections);
    sectionsComputed_ = false;  // given, not drawn: stored as they are
    highAngleCount_ = highAngleCount;
}

int HorzDlg::LoadAndDraw(int first)
{
    wellfile::OpenWell& well = log_.well.file;
    if (well.wellName.isEmpty() || well.fileBottomDepth <= well.fileTopDepth)
        return 0;  // no well open: nothing to show
    lastDraw_ = first;
    ++redraws_;
    const platform::WaitCursor wait;
    // The records up to the end depth, padded past the last one.
    const PadRange range = PadAndEnd(well.fileBottomDepth);
    const int toRead = RecordsToRead(well.fileTopDepth, range.endDepth, well.depthStep, range.pad);
    // Read aside: the drawn plot keeps its records until a new one replaces it.
    std::vector<wellfile::RECORD> records(std::size_t(toRead + 100));
    const int countRead = wellfile::ReadRecords(well, records, well.dataFileName, 0, toRead);
    if (countRead < 1)
        return 0;
    const std::int32_t plotLastDepth = PadRecords(records, countRead, range.pad);

    const std::unique_ptr<wellfile::HorzSetupRecord> r = ReadRecordOrDefaults();
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
    // The new plot is made on a copy: the view keeps what it shows until the copy has its images.
    HorzPlot next = plot_;
    next.records = records;
    next.plotLastDepth = plotLastDepth;
    FillPlotInputs(next, plan, *r);
    LoadFiles(next, plan.leastTvd);
    const QString failure = DrawPlot(next, painters_, scroll_ - PlotLeft());
    if (!failure.isEmpty()) {
        platform::MessageBox(failure, QString(), platform::MB_OK);
        setFocus();
        return -1;
    }
    std::swap(records_, records);  // the copy's records move with the buffer
    plot_ = std::move(next);
    highAngleCount_ = plan.walk.highAngle;
    windowFailed_ = false;
    AfterDrawing(*r);
    SaveImageFile();  // a failure is told; the view stays as drawn
    return 1;
}

std::unique_ptr<wellfile::HorzSetupRecord> HorzDlg::ReadRecordOrDefaults() const
{
    auto r = std::make_unique<wellfile::HorzSetupRecord>();
    if (!LoadSetupFile(FilesOf(log_.well), *r))
        ViewDefaults(*r, ApplyInputsOf(log_.well, log_.engines, log_.customTracks, log_.options).curvesGammaScale);
    return r;
}

void HorzDlg::LoadFiles(HorzPlot& plot, std::int32_t leastTvd)
{
    // A target gamma file alone serves as the anchor too.
    if (settings_.anchorGammaFile.isEmpty() && !settings_.targetGammaFile.isEmpty())
        settings_.anchorGammaFile = settings_.targetGammaFile;
    plot.logs.anchor = {};
    plot.logs.target = {};
    plot.logs.path = {};
    auto load = [&plot](const HorzPainters::Loader& loader, const QString& path, std::int32_t from) {
        return !path.isEmpty() && QFileInfo::exists(path) && loader && loader(plot, path, from);
    };
    plot.anchorGammaLoaded = load(painters_.anchorGamma, settings_.anchorGammaFile, leastTvd - 1000);
    plot.targetGammaLoaded = load(painters_.targetGamma, settings_.targetGammaFile, leastTvd - 1000);
    plot.targetLoaded = load(painters_.target, settings_.targetFile, leastTvd);
}

void HorzDlg::FillPlotInputs(HorzPlot& p, const LoadPlan& plan, const wellfile::HorzSetupRecord& r)
{
    p.settings = &settings_;
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
    p.scalingAllowed = log_.options.horizontalEditing;
    p.allTops = log_.well.tops;
    p.pictures = log_.pictures.all.empty() ? nullptr : &log_.pictures;
    p.pictureList.folder = PicturesFolder();
    p.pens = log_.layout.pens.pens;
    HorzPlotOptions& o = p.options;
    o.customTracks = log_.customTracks.data != nullptr;
    p.customList = o.customTracks ? &log_.customTracks.data->screenSet : nullptr;
    p.rateCode = plan.walk.rateCode;
    o.ratesPerHour = log_.view.rateInMetresPerHour != 0;
    o.co2Track = logview::GeometryOf(log_).Flag(layout::FLAG_CO2);
    o.co2Scale = log_.well.config.co2ScaleCode;
    o.pictures = log_.options.horizontalLithPictures;
    o.hardness = log_.options.horizontalHardness;
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
    FillCurveInputs(p);
    // The main log's lithology painter, split on and interpreted off.
    p.lithology = [this](platform::Dc& dc, std::span<const wellfile::RECORD> records, std::size_t index, int x, int y) {
        if (!log_.view.painters)
            return;
        const logview::ViewGeometry g = logview::GeometryOf(log_);
        const logview::Device device = logview::Device::Screen();
        log_.view.painters->DrawLithology(logview::PaintTarget{dc, g, device}, records, index, x, y, int(index), 1, 0);
    };
    p.headerFacts = {app::PlaceOf(log_), log_.layout.format.title, log_.layout.schemes.hardnessLabel,
                     log_.options.horizontalScaleNote, log_.well.companyFlag, &log_.layout.pens.table};
    o.topCrossings = log_.view.topsShown;
    p.logs.dataFolder = log_.well.file.dataFolder;
    p.logs.wellName = log_.well.file.wellName;
    p.logs.thickTargetLine = log_.options.horizontalThickTarget;
}

void HorzDlg::FillCurveInputs(HorzPlot& p) const
{
    // Gamma is drawn when the records of the range hold it or an e-log gamma is loaded.
    const elog::Curves* curves = log_.engines.elogCurves.get();
    const auto drawn = p.records.subspan(std::size_t(std::clamp(p.first, 0, int(p.records.size()))));
    const auto range = drawn.first(std::size_t(std::clamp(p.toDraw, 0, int(drawn.size()))));
    p.options.gammaData = std::any_of(range.begin(), range.end(), [](const wellfile::RECORD& r) {
        const float g = r.gamma[0];
        return std::isfinite(g) && g > 0;
    });
    p.options.gammaData = p.options.gammaData || (curves && curves->Count() > 0 && curves->pens[elog::SLOT_GAMMA].on);
    // The third curve: the e-log's sonic (a porosity fraction), with its option and its data.
    p.thirdValues.clear();
    p.options.thirdCurve = log_.options.horizontalThirdCurve && curves && curves->Count() > 0 &&
                           curves->pens[elog::SLOT_SONIC].on;
    if (!p.options.thirdCurve)
        return;
    const elog::CurveRows rows = curves->Rows();
    const float scale = curves->percentPorosity ? 0.01f : 1.0f;
    p.thirdValues.reserve(range.size());
    for (const wellfile::RECORD& r : range) {
        const std::int64_t row = std::int64_t(r.depth) - rows.firstDepth;
        const bool held = row >= 0 && row < std::int64_t(rows.rows.size()) && r.depth <= rows.lastDepth;
        p.thirdValues.push_back(held ? rows.rows[std::size_t(row)].values[elog::SLOT_SONIC] * scale
                                     : std::numeric_limits<float>::quiet_NaN());
    }
}

void HorzDlg::AfterDrawing(const wellfile::HorzSetupRecord& read)
{
    plot_.setup = nullptr;
    headerShown_ = plot_.headerShown;
    leastTvd_ = plot_.leastTvd;
    greatestTvd_ = plot_.greatestTvd;
    sections_ = plot_.sections.sections;
    sectionCount_ = plot_.sections.count;
    sectionsComputed_ = plot_.sections.computed;
    log_.print.scaleKind = plot_.printScaleKind;
    // The sections go into the record; a dip without section data is stored as 0 there, while the view
    // keeps its own copy until the set-up is applied again.
    auto r = std::make_unique<wellfile::HorzSetupRecord>(read);
    if (plot_.sections.dipMessage) {
        platform::MessageBox(QString::fromLatin1(kSectionDataMessage), QString::fromLatin1(kSectionDataCaption),
                             platform::MB_OK);
        r->regionalDip = 0;
    }
    StoreDrawnSections(*r, plot_.sections);
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
    const PlotImageFiles files = SavePlotImage(plot_, painters_, format, [&](std::int32_t first, std::int32_t last) {
        return PlotImagePath(folder, well.wellName, first, last, format);
    });
    // What failed is said; the view stays as drawn.
    if (files.code != 0)
        platform::MessageBox(platform::SaveFailedText(files.code, files.failedPath), QString(), platform::MB_OK);
    if (format == 1)
        return files.code == 0;  // BMP stays chosen: every drawing writes it again
    if (!files.written.isEmpty() &&
        platform::MessageBox(QStringLiteral("HORZ IMAGE FILE HAS BEEN SAVED TO\n%1\nTO SAVE TO ANOTHER LOCATION CLICK OK")
                                 .arg(files.written.join(u'\n')),
                             QStringLiteral("SAVE IMAGE AS"), platform::MB_OKCANCEL) == platform::IDOK)
        for (const QString& path : files.written)
            elog::SaveImageAs(log_, path, format);
    settings_.imageFormat = 0;
    auto r = std::make_unique<wellfile::HorzSetupRecord>();
    if (LoadSetupFile(FilesOf(log_.well), *r)) {
        r->imageFormat = 0;
        SaveRecord(*r);
    }
    if (files.code != 0)
        platform::MessageBox(QStringLiteral("Create Image Failed"), QString(), platform::MB_OK);
    return files.code == 0;
}

void HorzDlg::PaintCustomTracks(platform::Dc& dc, HorzPlot& plot)
{
    layout::CUSTOMDATA* data = log_.customTracks.data.get();
    const wellfile::OpenWell& well = log_.well.file;
    if (!data || plot.first >= int(plot.records.size()))
        return;
    // The records the window shows, with room either side for the labels and pictures that reach into
    // it: one custom record each, from the first of them.
    constexpr int kReach = 1000;
    const auto drawn = plot.records.subspan(std::size_t(plot.first));
    const int records = std::min(plot.points.count / 2 + 1, int(drawn.size()) - 1);
    int from = 0, to = records;
    if (!plot.image.Empty()) {
        while (from < records && RecordX(plot, drawn[std::size_t(from)].depth) < plot.imageLeft - kReach)
            ++from;
        to = from;
        while (to < records && RecordX(plot, drawn[std::size_t(to)].depth) < plot.imageLeft + plot.image.Width() + kReach)
            ++to;
    }
    const int count = to - from;
    if (count < 1)
        return;
    std::vector<wellfile::CUSTDATAREC> custom(std::size_t(count) + 11);
    const int index = drawn[std::size_t(from)].depth - well.fileTopDepth;
    const int read = wellfile::ReadCustomRecords(well, custom, well.customDataFileName, index, count + 1);
    if (read < 1) {
        if (from == 0)
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
    range.records = drawn.subspan(std::size_t(from));
    range.count = std::min(read - 1, int(range.records.size()) - 1);
    range.custom = std::span(custom).first(std::size_t(read));
    range.xStep = std::max(1, plot.pixelsPerUnit / 2);  // each record two x steps: the x of its depth
    range.leftX = RecordX(plot, range.records[0].depth);
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

void HorzDlg::SaveRecord(const wellfile::HorzSetupRecord& r)
{
    const HorzFiles files = FilesOf(log_.well);
    if (!SaveSetupFile(files, r, settings_.anchorGammaFile, settings_.targetGammaFile))
        platform::MessageBox(QStringLiteral("Could not save ") + ViewSetupPath(files), QStringLiteral("Error"),
                             platform::MB_OK);
}

void HorzDlg::CmZoomIn(bool ctrl)
{
    if (drawFrom_ >= greatestTvd_)
        return;
    const std::unique_ptr<wellfile::HorzSetupRecord> r = ReadRecordOrDefaults();
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
    const std::unique_ptr<wellfile::HorzSetupRecord> r = ReadRecordOrDefaults();
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
    const ScrollRange range = RangeOf(PlotLeft(), plot_.width, width());
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
    if (drawn_) {
        EnsureWindow();
        update();
    }
}

void HorzDlg::EnsureWindow()
{
    const int left = std::max(0, scroll_ - PlotLeft());
    const int shown = std::min(width(), plot_.width - left);
    if (plot_.image.Empty() || shown < 1 || WindowHolds(plot_, left, shown) || windowFailed_)
        return;
    // Scrolled out of the window: it is drawn again, ahead the way the view went (the old stays on failure).
    plot_.clientWidth = width();
    const QString failure = RenderWindow(plot_, painters_, left, left - plot_.imageLeft);
    if (!failure.isEmpty()) {
        windowFailed_ = true;  // said once, until the next drawing
        platform::MessageBox(failure, QString(), platform::MB_OK);
    }
}

void HorzDlg::EvHScroll(ScrollCode code, int thumb)
{
    if (Image().isNull() || plot_.width <= width())
        return;
    scroll_ = NextScroll(scroll_, code, thumb, PlotLeft(), plot_.width, width());
    scrollBar_->setValue(scroll_);
    EnsureWindow();
    update();
}

void HorzDlg::paintEvent(QPaintEvent* e)
{
    Dialog::paintEvent(e);
    const QImage& image = Image();
    if (!drawn_ || image.isNull())
        return;
    QPainter p(this);
    // The plot's columns left of plotLeft hold the header; the scroll position counts from plotLeft.
    p.drawImage(0, 0, image, scroll_ - PlotLeft() - plot_.imageLeft, 0, width(), height() - 20);
    if (headerShown_)  // the header stays in place
        p.drawImage(0, 0, plot_.headerImage.isNull() ? image : plot_.headerImage, 0, 0, PlotLeft(), height() - 20);
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
    const std::unique_ptr<wellfile::HorzSetupRecord> r = ReadRecordOrDefaults();
    StoreMarkers(*r, settings_.markers);
    SectionPlan drawn;
    drawn.sections = sections_;
    drawn.count = sectionCount_;
    drawn.computed = sectionsComputed_;
    StoreDrawnSections(*r, drawn);
    r->scrollPosition = scroll_;
    r->drawFromDepth = drawFrom_;
    r->sectionCount = sectionCount_;
    SaveRecord(*r);
    platform::freeimage(plot_.image);
    platform::freeimage(plot_.image2);
    plot_.headerImage = {};
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
