#include "drilling/ui/statuswindow.h"

#include "app/commandids.h"
#include "app/logstate.h"
#include "drilling/draw/dccanvas.h"
#include "drilling/driller.h"
#include "drilling/drillingstate.h"
#include "drilling/logtime.h"
#include "drilling/strokes.h"
#include "drilling/ui/toolbar.h"
#include "drilling/welltitle.h"
#include "logview/draw/viewbitmaps.h"
#include "logview/geometryof.h"
#include "platform/draw/dc.h"
#include "wits/wits.h"

#include <QEvent>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace drilling {

namespace {

constexpr int kReminderWidth = 180, kReminderHeight = 30;

platform::Font LogFontOf(const app::LogState& log) { return platform::Font::FromLogFont(log.layout.format.logFont); }

// A box made before its owner is on the screen (a start in drilling mode) waits: shown then, it would
// stand alone on the screen before the window, and the window manager would stack it as a window of its
// own. Once the owner has painted (it is on the screen) the box is shown, as its owner's tool window,
// above it from then on.
class OwnerShown final : public QObject {
public:
    OwnerShown(QWidget& box, QWidget& owner) : QObject(&box), box_(box), owner_(owner)
    {
        owner.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (watched == &owner_ && e->type() == QEvent::Paint) {
            owner_.removeEventFilter(this);
            QTimer::singleShot(0, &box_, [box = &box_] {
                box->hide();
                box->show();
            });
            deleteLater();
        }
        return false;
    }

private:
    QWidget& box_;
    QWidget& owner_;
};

void KeepAboveOwnerOnceShown(QWidget& box, QWidget& owner) { new OwnerShown(box, owner); }

}  // namespace

BoxPlace StatusBoxPlace(const DrillingWindow& w) { return {w.secondColumnX, w.topMargin + 10}; }

DrillingStatusWindow::DrillingStatusWindow(QWidget& window, app::LogState& log, std::function<int()> clientTop,
                                           std::function<void(int)> command)
    : window_(window), log_(log), clientTop_(std::move(clientTop)), command_(std::move(command))
{
}

DrillingStatusWindow::~DrillingStatusWindow()
{
    delete box_;
    delete reminder_;
}

bool DrillingStatusWindow::Draw(const std::function<void(platform::Dc&)>& draw)
{
    if (paintDc_) {
        draw(*paintDc_);
        return true;
    }
    const app::LogState& s = log_;
    if (s.view.holdRepaint || s.scroll.imageRender || s.scroll.renderingImage || !s.view.bitmaps ||
        s.view.bitmaps->backingStore.isNull())
        return false;
    platform::Dc dc(s.view.bitmaps->backingStore);
    dc.SetViewportOrg(-logview::GeometryOf(s).horizontalScroll, 0);
    draw(dc);
    // The off-screen log that a horizontal scroll copies from holds it too: a scroll shows what a fresh
    // paint of the band would.
    if (QImage& log = s.view.bitmaps->offScreenLog; !log.isNull()) {
        platform::Dc whole(log);
        draw(whole);
    }
    return true;
}

void DrillingStatusWindow::Show(int left, int top, int right, int bottom)
{
    if (paintDc_ || !log_.view.updateArea)
        return;
    const int shift = logview::GeometryOf(log_).horizontalScroll;
    log_.view.updateArea(left - shift, std::max(top, 0), right - shift, bottom);
}

void DrillingStatusWindow::Text(int x, int y, const QString& text, TextAlign align, FontRole font, platform::COLORREF colour,
                                std::optional<platform::COLORREF> background)
{
    const int R = log_.layout.format.pixelsPerStep;
    const StatusFonts fonts = StatusFontsFor(R);
    platform::SIZE size{};
    // A text that would run past the window's right edge at the log's left end (a narrow screen) ends a
    // unit before it: whole on the band at every scroll, and where a paint of the band and a redraw of
    // the text alone both put it, whatever the log's scroll.
    const logview::ViewGeometry g = logview::GeometryOf(log_);
    const int rightEnd = BandOf(g).clientWidth - g.unitWidth;
    const bool drawn = Draw([&](platform::Dc& dc) {
        {
            const platform::KeepDcState keep(dc);
            dc.SelectObject(font == FontRole::Status ? fonts.status
                            : font == FontRole::Log  ? LogFontOf(log_)
                                                     : StrokesFont(R));
            size = dc.GetTextExtent(text);
        }
        if (align != TextAlign::Centre && x + size.cx > rightEnd)
            x = std::max(0, rightEnd - size.cx);
        DcCanvas canvas(dc, fonts.status, LogFontOf(log_), StrokesFont(R));
        canvas.Text(x, y, text, align, font, colour, background);
    });
    if (!drawn)
        return;
    int left = x, top = y;
    if (align == TextAlign::Centre)
        left = x - size.cx / 2 - 1;
    if (align == TextAlign::BottomLeft)
        top = y - size.cy;
    Show(left - 1, top - 1, left + size.cx + 2, top + size.cy + 1);
}

void DrillingStatusWindow::Fill(int left, int top, int right, int bottom, std::optional<platform::COLORREF> colour)
{
    const int R = log_.layout.format.pixelsPerStep;
    const bool drawn = Draw([&](platform::Dc& dc) {
        const StatusFonts fonts = StatusFontsFor(R);
        DcCanvas(dc, fonts.status, LogFontOf(log_)).Fill(left, top, right, bottom, colour);
    });
    if (drawn)
        Show(left, top, right, bottom);
}

void DrillingStatusWindow::FileLineChanged()
{
    const logview::ViewGeometry g = logview::GeometryOf(log_);
    const StatusBand band = BandOf(g);
    if (Draw([&](platform::Dc& dc) { DrawFileLine(dc, g, band, StatusFontsFor(g.rowHeight)); }))
        Show(0, g.topMargin - 2 * g.rowHeight, BandRight(g, band), g.topMargin);
}

void DrillingStatusWindow::ShowBackupReminder(std::int32_t depth, const QString& text)
{
    if (!reminder_) {
        reminder_ = new QPushButton(&window_);
        reminder_->setObjectName(QStringLiteral("BackupReminder"));
        reminder_->setProperty("controlId", app::cmd::BackupReminder);
        QObject::connect(reminder_.data(), &QPushButton::clicked, &window_, [this] {
            if (command_)
                command_(app::cmd::BackupReminder);
        });
        const layout::LogLayout& L = log_.layout.format;
        const int x = L.textColumn.count > 0 ? L.textColumn.left : L.outline.left;
        const int top = clientTop_ ? clientTop_() : 0;
        reminder_->setGeometry(x, top + L.logAreaTop - 5 * L.pixelsPerStep, kReminderWidth, kReminderHeight);
    }
    reminder_->setText(BackupReminderText(depth, text));
    if (reminder_->isHidden())
        reminder_->show();
}

void DrillingStatusWindow::HideBackupReminder()
{
    if (reminder_) {
        reminder_->hide();
        delete reminder_;
    }
    GiveFocusBack();
}

void DrillingStatusWindow::MakeStatusBox()
{
    DestroyStatusBox();
    Driller* d = log_.engines.driller;
    if (!d)
        return;
    auto* box = new TOOLBAR(&window_, log_, [this] { GiveFocusBack(); });
    box->setAttribute(Qt::WA_DeleteOnClose);
    box_ = box;
    const BoxPlace place = StatusBoxPlace(d->Window());
    const int top = clientTop_ ? clientTop_() : 0;
    box->resize(std::max(TOOLBAR::kWidth, box->sizeHint().width()), TOOLBAR::kHeight);  // texts whole
    box->move(window_.mapToGlobal(QPoint(place.x, top + place.y)));
    if (window_.isVisible()) {
        box->Create();
    } else {
        box->CreateHidden();
        KeepAboveOwnerOnceShown(*box, window_);
    }
    d->SetStatusBoxShown(true);
    GiveFocusBack();
}

void DrillingStatusWindow::DestroyStatusBox()
{
    delete box_;
    if (Driller* d = log_.engines.driller)
        d->SetStatusBoxShown(false);
}

void DrillingStatusWindow::ShowStatus(bool offBottom, bool circulating, int polarity)
{
    if (box_)
        box_->ShowStatus(offBottom, circulating, polarity);
}

void DrillingStatusWindow::GiveFocusBack()
{
    window_.activateWindow();
    window_.setFocus();
}

bool DrillingStatusWindow::StatusBoxExists() const { return !box_.isNull(); }
TOOLBAR* DrillingStatusWindow::StatusBox() const { return box_.data(); }
QPushButton* DrillingStatusWindow::BackupReminderButton() const { return reminder_.data(); }

StatusBand DrillingStatusWindow::BandOf(const logview::ViewGeometry& g) const
{
    const app::LogState& s = log_;
    StatusBand band;
    band.clientWidth = s.view.bitmaps ? s.view.bitmaps->backingStore.width() : window_.width();
    band.wellName = s.well.file.wellName;
    band.wellTitle = s.well.wellTitle;
    band.logTitle = s.layout.format.title;
    band.screenWidth = g.screenWidth;
    band.pens = &s.layout.pens;
    band.linkSuppressed = s.drilling.linkTextSuppressed;
    band.remoteUpdate = s.drilling.updatePackageOption != 0 && s.drilling.remoteUpdateRunning;
    if (const Driller* d = s.engines.driller) {
        band.rate = d->Rate();
        band.strokes = d->Strokes() != nullptr;
    }
    if (const wits::Wits* link = s.engines.wits) {
        band.witsLinkOn = true;
        const wits::WitsConnection& c = link->Connection();
        band.link.kind = !c.tcpOn ? LinkKind::Serial : c.tcpServer ? LinkKind::TcpServer : LinkKind::TcpClient;
        // A server shows its client count, a serial link its port.
        band.link.port = !c.tcpOn ? c.comPort : c.tcpServer ? link->ServerClientCount() : 0;
    }
    return band;
}

void DrillingStatusWindow::DrawBand(platform::Dc& dc, const logview::ViewGeometry& g)
{
    LoadWellTitleWhenMissing(log_);
    Driller* d = log_.engines.driller;
    StatusBand band = BandOf(g);
    if (d) {
        band.depthStatus = [d] { d->ShowDepthStatus(); };
        band.lagStatus = [d] { d->ShowLagStatus(); };
    }
    platform::Dc* outer = paintDc_;
    paintDc_ = &dc;
    DrawDrillingStatus(dc, g, band, StatusFontsFor(g.rowHeight));
    paintDc_ = outer;
}

int DrillingStatusWindow::DrawLinkStatus(bool highlight)
{
    const logview::ViewGeometry g = logview::GeometryOf(log_);
    const StatusBand band = BandOf(g);
    int result = 0;
    if (Draw([&](platform::Dc& dc) { result = drilling::DrawLinkStatus(dc, g, band.link, band.linkSuppressed, highlight, StatusFontsFor(g.rowHeight)); }))
        Show(g.gas.left, g.topMargin - 4 * g.rowHeight, BandRight(g, band), g.topMargin);
    return result;
}

int DrillingStatusWindow::DrawRemoteUpdate(bool highlight)
{
    const logview::ViewGeometry g = logview::GeometryOf(log_);
    if (Draw([&](platform::Dc& dc) { drilling::DrawRemoteUpdate(dc, g, g.screenWidth, highlight, StatusFontsFor(g.rowHeight)); }))
        Show(0, g.topMargin - 4 * g.rowHeight, BandRight(g, BandOf(g)), g.topMargin);
    return 1;
}

}  // namespace drilling
