#include "shell/ui/logwindow.h"

#include "app/scrolling.h"
#include "app/ui/scrollcodes.h"
#include "logview/draw/viewbitmaps.h"
#include "logview/ui/logview.h"
#include "platform/draw/dc.h"
#include "shell/ui/livemonitordlg.h"
#include "shell/ui/qbtndlg.h"

#include <QMoveEvent>
#include <QResizeEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QWheelEvent>

#include <algorithm>

namespace shell {

// Scrolling, sizing, moving and the wheel: these change the view fields and invalidate; painting is the
// view's. The bars on the window follow a move.

namespace {

int ScrollBarThickness(const QWidget* w) { return w->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, w); }

// Where the depth bar stands on a client `clientRight` wide.
app::DepthBarInputs DepthBarInputsOf(const app::LogState& s, int clientRight, int barWidth)
{
    const layout::LogLayout& L = s.layout.format;
    app::DepthBarInputs in;
    in.logWidth = L.logRight;
    in.unitWidth = L.trackUnit;
    in.customTracks = s.customTracks.data != nullptr;
    in.clientRight = clientRight;
    in.barWidth = barWidth;
    in.topMargin = L.logAreaTop;
    in.visibleRows = L.visibleRows;
    in.rowHeight = L.pixelsPerStep;
    return in;
}

app::DepthRange RangeOf(const app::LogState& s)
{
    return {s.well.file.fileTopDepth, s.well.file.fileBottomDepth, s.well.file.viewDepthSpan};
}

}  // namespace

void LogWindow::ClientTopChanged()
{
    EvSize(width(), ClientHeight());
    InvalidateErased();  // the log moves down or up: nothing of its old place stays
}

std::int32_t LogWindow::DepthAtRow(int y) const
{
    return app::DepthAtRow(app::RowGeometryOf(state_), y);
}

void LogWindow::CreateDepthScrollBar() { CreateDepthScrollBar(width()); }

void LogWindow::CreateDepthScrollBar(int clientRight)
{
    app::LogState& s = state_;
    // Made afresh each time, so a resize or a new layout never leaves a second bar behind.
    delete depthBar_;
    depthBar_ = nullptr;

    s.view.scrollBarWidth = ScrollBarThickness(this);
    const app::DepthBarInputs in = DepthBarInputsOf(s, clientRight, s.view.scrollBarWidth);
    const app::DepthBarPlace place = app::PlaceDepthBar(in);
    s.view.logAreaBottom = place.logBottomY;

    depthBar_ = new QScrollBar(Qt::Vertical, this);
    depthBar_->setObjectName(QStringLiteral("1"));
    depthBar_->setFocusPolicy(Qt::NoFocus);  // no tab stop
    depthBar_->setRange(0, 100);
    depthBar_->setSliderPosition(app::DepthBarCreatePosition(s.well.file.viewTopDepth, RangeOf(s)));
    connect(depthBar_, &QAbstractSlider::actionTriggered, this, [this](int action) {
        const int code = app::ScrollCodeOf(action);
        if (code >= 0)
            EvVScroll(code, depthBar_->sliderPosition());
    });
    connect(depthBar_, &QAbstractSlider::sliderReleased, this,
            [this] { EvVScroll(app::SB_THUMBPOSITION, depthBar_->sliderPosition()); });
    depthBar_->installEventFilter(this);
    depthBar_->setGeometry(place.x, ClientTop() + place.top, place.width, std::max(place.height, 0));
    depthBar_->show();
}

void LogWindow::SyncDepthBar()
{
    if (!depthBar_)
        return;
    // Quietly: the bar's own action signal would come back as a thumb move.
    const QSignalBlocker quiet(depthBar_);
    depthBar_->setSliderPosition(app::DepthBarPosition(state_.well.file.viewTopDepth, RangeOf(state_)));
}

void LogWindow::SyncHorizontalBar(std::int32_t max)
{
    if (!horzBar_)
        return;
    const QSignalBlocker quiet(horzBar_);
    horzBar_->setSliderPosition(app::HorizontalBarPosition(state_.scroll.horizontalOffset, max));
}

bool LogWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The wheel over either bar pages the log as it does over the window; the bars would otherwise
    // move themselves and report a thumb move that repaints nothing.
    if (event->type() == QEvent::Wheel && watched && (watched == depthBar_ || watched == horzBar_)) {
        wheelEvent(static_cast<QWheelEvent*>(event));
        return true;
    }
    const QEvent::Type t = event->type();
    if (qobject_cast<QStatusBar*>(watched) && (t == QEvent::Show || t == QEvent::Hide || t == QEvent::Resize))
        ClientTopChanged();  // the log ends above the status line
    return QMainWindow::eventFilter(watched, event);
}

void LogWindow::EvSize(int w, int h)
{
    layout::LogLayout& L = state_.layout.format;
    L.visibleRows = layout::VisibleRows(h, L.logAreaTop, L.pixelsPerStep);
    CreateDepthScrollBar(w);
    bitmaps_->ResizeBackingStore(w, h);
    InvalidateLog();
    if (L.logRight == 0)
        L.logRight = 988;
    PlaceHorizontalBar(w, h);
}

void LogWindow::PlaceHorizontalBar(int w, int h)
{
    app::LogState& s = state_;
    app::ScrollState& sc = s.scroll;
    const bool held = s.view.holdRepaint;
    const layout::LogLayout& L = s.layout.format;
    delete horzBar_;
    horzBar_ = nullptr;
    sc.horizontalBar = false;
    sc.windowHeight = h;
    if (!held && !isMinimized())
        PlaceRemoteViewer();
    if (w >= L.logRight) {
        sc.horizontalOffset = 0;
        // A render still owed (a file just opened, a scheme changed) stays owed: a wider window needs
        // the log as much as before, so redrawPending is left as it is.
        if (!held)
            InvalidateLog();
        return;
    }

    // Narrower than the log: a horizontal bar along the bottom slides the rendered log sideways.
    const int thick = ScrollBarThickness(this);
    horzBar_ = new QScrollBar(Qt::Horizontal, this);
    horzBar_->setObjectName(QStringLiteral("1"));
    horzBar_->setFocusPolicy(Qt::NoFocus);
    // Its last row is the client area's last: none under the window's edge or over the status line.
    horzBar_->setGeometry(0, ClientTop() + h - thick, w - thick, thick);
    horzBar_->setRange(0, app::HorizontalMax(DepthBarInputsOf(s, w, thick)));
    horzBar_->setSliderPosition(sc.horizontalOffset);
    // To the edges (SB_TOP, SB_BOTTOM) the log does not move: the handler sets the bar back.
    connect(horzBar_, &QAbstractSlider::actionTriggered, this, [this](int action) {
        const int code = app::ScrollCodeOf(action);
        if (code >= 0)
            EvHScroll(code, horzBar_->sliderPosition());
    });
    horzBar_->installEventFilter(this);
    horzBar_->show();
    sc.horizontalBar = true;
    if (w > sc.lastClientWidth && !held)
        InvalidateLog();
    sc.lastClientWidth = w;
    if (auto* bar = qobject_cast<QBTNDLG*>(tools_.quickBar.data()); bar && !held && !isMinimized())
        bar->Place();
}

void LogWindow::FitHorizontalBar()
{
    // A log made wider (custom tracks shown, a scheme) needs the bar, and its range to the new end: the
    // range made for the old width stopped the thumb short of the custom tracks. A log made narrower
    // (Zoom On) keeps the bar and the offset, so that Zoom Off gives the same view back; the image
    // export's lent format leaves the bar alone.
    app::LogState& s = state_;
    const int w = width();
    if (s.scroll.renderingImage || w >= s.layout.format.logRight)
        return;
    if (!horzBar_) {
        PlaceHorizontalBar(w, ClientHeight());
        return;
    }
    const std::int32_t max = app::HorizontalMax(DepthBarInputsOf(s, w, ScrollBarThickness(this)));
    horzBar_->setRange(0, max);
    SyncHorizontalBar(max);
}

void LogWindow::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    EvSize(e->size().width(), e->size().height() - ClientTop() - StatusLineHeight());
}

void LogWindow::EvVScroll(int code, int thumb, bool ctrl)
{
    // While the thumb is dragged the bar stays where the user holds it; after anything else it shows
    // the view, also when the scroll was refused or moved nothing.
    if (!ScrollView(code, thumb, ctrl) || code != app::SB_THUMBTRACK)
        SyncDepthBar();
}

bool LogWindow::ScrollView(int code, int thumb, bool ctrl)
{
    app::LogState& s = state_;
    if (!tools_.memoEdit.isNull())
        return false;
    if (s.interaction.commandLock || s.interaction.dataEntryActive) {
        platform::MessageBeep(0);
        return false;
    }
    logView_->HideReadout();

    const app::DepthRange range = RangeOf(s);
    const std::optional<std::int32_t> target = app::ScrollTarget(code, thumb, ctrl, s.well.file.viewTopDepth, range);
    if (!target)
        return false;
    if (code == app::SB_BOTTOM)
        s.scroll.notAtBottom = false;
    // Limited while the thumb is dragged too, so the view never points past the file.
    s.well.file.viewTopDepth = app::LimitTop(*target, range);
    if (code == app::SB_THUMBTRACK) {
        // Nothing is repainted until the thumb is let go; the box says where the view will go.
        DrawThumbReadout(s.well.file.viewTopDepth);
        return true;
    }
    InvalidateLog();
    return true;
}

void LogWindow::EvHScroll(int code, int thumb)
{
    app::LogState& s = state_;
    const int thick = ScrollBarThickness(this);
    const std::int32_t max = app::HorizontalMax(DepthBarInputsOf(s, width(), thick));
    if (!tools_.memoEdit.isNull()) {
        SyncHorizontalBar(max);
        return;
    }
    logView_->HideReadout();
    // Sideways the log is only ever copied from its off-screen render; before the first one the screen
    // stays as it is.
    const QImage& log = bitmaps_->offScreenLog;
    if (log.isNull()) {
        SyncHorizontalBar(max);
        return;
    }
    if (s.interaction.commandLock) {
        platform::MessageBeep(0);
        SyncHorizontalBar(max);
        return;
    }
    if (horzBar_)
        horzBar_->setRange(0, max);
    const std::optional<std::int32_t> offset =
        app::HorizontalTarget(code, thumb, s.scroll.horizontalOffset, max, s.layout.format.trackUnit);
    if (!offset) {
        SyncHorizontalBar(max);
        return;
    }
    s.scroll.horizontalOffset = *offset;
    // The window's width above the horizontal bar, from column `offset` of the render (the depth bar may
    // stand left of the window's edge, with log to its right); what lies past the render's end is blank,
    // as a paint leaves it, not the view before the scroll.
    QImage& store = bitmaps_->backingStore;
    const int w = std::min(width(), log.width() - *offset);
    const int h = std::min(ClientHeight() - thick + 1, log.height());
    if (!store.isNull() && w > 0 && h > 0) {
        platform::Dc dc(store);
        dc.BitBlt(0, 0, w, h, log, *offset, 0, platform::SRCCOPY);
        if (w < store.width())
            dc.FillRect({w, 0, store.width(), h}, platform::Brush(platform::RGB(255, 255, 255)));
        update();
    }
    SyncHorizontalBar(max);
}

int LogWindow::EvMouseWheel(int wheelDelta, bool ctrl)
{
    if (!tools_.memoEdit.isNull())
        return 1;
    if (const std::optional<int> code = app::WheelScrollCode(wheelDelta))
        EvVScroll(*code, 0, ctrl);
    return 1;
}

void LogWindow::wheelEvent(QWheelEvent* e)
{
    EvMouseWheel(e->angleDelta().y(), e->modifiers().testFlag(Qt::ControlModifier));
    e->accept();
}

void LogWindow::moveEvent(QMoveEvent* e)
{
    QMainWindow::moveEvent(e);
    EvMove();
}

void LogWindow::PlaceRemoteViewer()
{
    if (auto* bar = qobject_cast<SV_LIVEDLG*>(tools_.liveBar.data()))
        bar->Place();
}

void LogWindow::EvMove()
{
    if (state_.view.holdRepaint || isMinimized())
        return;
    if (auto* bar = qobject_cast<QBTNDLG*>(tools_.quickBar.data()))
        bar->Place();
    PlaceRemoteViewer();
}

}  // namespace shell
