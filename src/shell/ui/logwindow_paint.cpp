// The main window's side of painting the log: the view paints into the backing store, and the window
// only copies that to the screen. One paint is posted for any number of "the log changed" calls.
#include "shell/ui/logwindow.h"

#include "app/commandids.h"
#include "logview/draw/viewbitmaps.h"
#include "platform/draw/dc.h"
#include "platform/services.h"
#include "platform/ui/screenplace.h"
#include "shell/firstpaint.h"
#include "shell/ui/livemonitordlg.h"

#include <QMetaObject>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace shell {

void LogWindow::InvalidateLog()
{
    if (state_.view.holdRepaint || paintPosted_)
        return;
    paintPosted_ = true;
    QMetaObject::invokeMethod(this, [this] { PaintLog(); }, Qt::QueuedConnection);
}

void LogWindow::InvalidateErased() { state_.view.InvalidateErased(); }

void LogWindow::PaintLog()
{
    paintPosted_ = false;
    app::LogState& s = state_;
    if (s.view.holdRepaint || closing_)
        return;
    if (s.view.firstPaint)
        FirstPaint();
    if (bitmaps_->backingStore.isNull())
        bitmaps_->ResizeBackingStore(width(), ClientHeight());
    if (std::exchange(s.view.eraseOwed, false))
        bitmaps_->EraseBackingStore();
    {
        platform::Dc dc(bitmaps_->backingStore);
        neighbours_.logview->Paint(s, dc);
    }
    update();
    // The paint of one record a row refills an open text view from its new view top.
    if (s.view.viewScale < 3 && s.view.paintFailure.isEmpty())
        RefillDataAsText();
    // The compressed log asks for a data file when none is open; the file dialog comes after the paint.
    if (std::exchange(s.view.openPending, false))
        PostMessage(platform::WM_COMMAND, app::cmd::Open, 0);
    // What the paint could not do is said once it is over, never from inside it.
    if (!s.view.paintFailure.isEmpty()) {
        const QString text = std::exchange(s.view.paintFailure, QString());
        const bool captioned = !std::exchange(s.view.paintFailureUncaptioned, false);
        platform::MessageBox(text, captioned ? QStringLiteral("ERROR") : QString(), platform::MB_OK);
        return;
    }
    if (!tools_.quickBar)
        EnsureQuickBar();
    if (s.view.liveView && !tools_.liveBar) {
        auto* bar = new SV_LIVEDLG(barLinks_);  // the window owns it
        tools_.liveBar = bar;
        bar->Create();
        bar->Place();
    }
}

void LogWindow::FirstPaint()
{
    app::LogState& s = state_;
    const layout::LogLayout& L = s.layout.format;
    // The drilling code grows the custom buffer once the well is 100 units past this mark.
    s.customTracks.sizeMark = s.well.file.fileBottomDepth;
    shell::FirstPaintInputs in;
    in.commandLine = s.env.commandLineStart;
    in.imageView = s.view.logImageMode;
    in.tvdFile = s.well.scratchWell;
    in.logWidth = L.logRight;
    in.unitWidth = L.trackUnit;
    in.topMargin = L.logAreaTop;
    in.screenWidth = s.env.screenWidth;
    in.screenHeight = s.env.screenHeight;
    if (const std::optional<shell::WindowPlace> place = shell::FirstPaintPlace(in)) {
        move(place->x, place->y);
        resize(place->width, place->height);
        // The place is the log's: the frame the window manager puts round it stays on the screen too.
        platform::KeepFramedOnScreen(*this);
        if (!s.well.file.drilling)
            neighbours_.exchange->RefreshRemoteFile(s, wellServices_, *neighbours_.elog);
    }
    s.view.firstPaint = false;
    s.env.commandLineStart = false;
}

const QImage& LogWindow::BackingStore() const { return bitmaps_->backingStore; }

void LogWindow::paintEvent(QPaintEvent*)
{
    const QImage& store = bitmaps_->backingStore;
    if (store.isNull())
        return;
    QPainter p(this);
    p.drawImage(0, ClientTop(), store);
}

void LogWindow::DrawThumbReadout(std::int32_t top)
{
    const app::LogState& s = state_;
    const layout::LogLayout& L = s.layout.format;
    QImage& store = bitmaps_->backingStore;
    if (store.isNull())
        return;
    const int U = L.trackUnit, R = L.pixelsPerStep;
    // Until the layout names its read-out column, the box stands at the log's right end.
    const int column = s.scroll.readoutColumn > 0 ? s.scroll.readoutColumn : L.logRight;
    int x = column - 2 * U;
    if (width() < column)
        x = width() - 2 * U;
    x = std::min(x, L.logRight);
    const int m = s.env.screenHeight / 2;
    const platform::RECT box{x - 6 * U, m, x + U, m + int(R * 2.6)};
    platform::Dc dc(store);
    dc.Rectangle(box);
    dc.TextOut(x - 5 * U, m + R / 4, QStringLiteral(" %1 ").arg(top));
    update(box.left, ClientTop() + box.top, box.right - box.left, box.bottom - box.top);
}

void LogWindow::MarkRedraw()
{
    state_.view.redrawPending = true;
    InvalidateLog();
}

}  // namespace shell
