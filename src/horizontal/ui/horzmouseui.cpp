#include "horizontal/ui/horzmouseui.h"

#include "app/logstate.h"
#include "horizontal/horzplace.h"
#include "horizontal/ui/horzdlg.h"
#include "horizontal/ui/horznoteedit.h"
#include "platform/draw/dc.h"
#include "platform/services.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <limits>
#include <memory>

namespace horizontal {

namespace {
constexpr int kWheelNotch = 120;  // wheel units of one page
constexpr int kPaletteBoxes = 22;
}  // namespace

// The view's own handlers hand the events to its mouse.

void HorzDlg::wheelEvent(QWheelEvent* e)
{
    mouse_->Wheel(e->angleDelta().y());
    e->accept();
}

void HorzDlg::keyPressEvent(QKeyEvent* e)
{
    // The view scrolls across only: the paging keys page it as the wheel does, the arrows move it a line,
    // Home and End go to either end. Escape and the rest do nothing (Escape must not close the view as
    // a dialog's would).
    switch (e->key()) {
    case Qt::Key_PageUp: EvHScroll(ScrollCode::PageLeft, 0); break;
    case Qt::Key_PageDown: EvHScroll(ScrollCode::PageRight, 0); break;
    case Qt::Key_Up:
    case Qt::Key_Left: EvHScroll(ScrollCode::LineLeft, 0); break;
    case Qt::Key_Down:
    case Qt::Key_Right: EvHScroll(ScrollCode::LineRight, 0); break;
    case Qt::Key_Home: EvHScroll(ScrollCode::Thumb, std::numeric_limits<int>::min()); break;
    case Qt::Key_End: EvHScroll(ScrollCode::Thumb, std::numeric_limits<int>::max()); break;
    default: break;
    }
    e->accept();
}

void HorzDlg::mousePressEvent(QMouseEvent* e)
{
    const QPoint at = e->position().toPoint();
    if (e->button() == Qt::LeftButton)
        mouse_->LeftPress(at.x(), at.y(), e->modifiers() & Qt::ControlModifier);
    else if (e->button() == Qt::RightButton)
        mouse_->RightPress(at.x(), at.y());
    e->accept();
}

void HorzDlg::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint at = e->position().toPoint();
    mouse_->Move(at.x(), at.y());
    e->accept();
}

void HorzDlg::mouseReleaseEvent(QMouseEvent* e)
{
    const QPoint at = e->position().toPoint();
    if (e->button() == Qt::LeftButton)
        mouse_->LeftRelease(at.x(), at.y());
    e->accept();
}

void HorzDlg::mouseDoubleClickEvent(QMouseEvent* e)
{
    const QPoint at = e->position().toPoint();
    if (e->button() == Qt::LeftButton)
        mouse_->DoubleClick(at.x(), at.y());
    e->accept();
}

MouseGeometry HorzMouse::Geometry() const
{
    const HorzPlot& p = view_.plot_;
    MouseGeometry g;
    g.plotLeft = p.plotLeft;
    g.scroll = view_.scroll_;
    g.pixelsPerUnit = p.pixelsPerUnit;
    g.plotFirstDepth = p.plotFirstDepth;
    g.plotLastDepth = p.plotLastDepth;
    g.pathTop = p.bands.pathTop;
    g.plotBottom = p.bands.plotBottom;
    g.lowerBase = p.bands.lowerBase;
    g.lithBandTop = p.bands.lithBandTop;
    g.gasBase = p.bands.gasBase;
    g.imageWidth = p.width;
    g.clientRight = view_.width();
    g.sections = std::span(p.sections.sections).first(std::size_t(std::clamp(p.sections.count, 1, kMaxSections)));
    return g;
}

bool HorzMouse::OnImage(int x, int y) const
{
    // The plot image under the window's area; the bottom rows below it belong to the scroll bar.
    return view_.drawn_ && !view_.plot_.image.Empty() && x >= 0 && y >= 0 && x < view_.width() &&
           y < std::min(view_.plot_.height, view_.height() - 20);
}

int HorzMouse::PathYAt(int x) const
{
    const auto& trace = view_.plot_.pathTrace;
    if (trace.empty())
        return 0;
    const int i = Geometry().ImageColumn(x) - trace.front().x;
    return i >= 0 && i < int(trace.size()) ? trace[std::size_t(i)].y : 0;
}

void HorzMouse::Wheel(int delta)
{
    // One page a notch, the way the wheel turned; a part of a notch waits for the rest.
    if (delta == 0 || (wheel_ != 0 && (wheel_ > 0) != (delta > 0)))
        wheel_ = 0;
    wheel_ += delta;
    for (; wheel_ >= kWheelNotch; wheel_ -= kWheelNotch)
        view_.EvHScroll(ScrollCode::PageLeft, 0);
    for (; wheel_ <= -kWheelNotch; wheel_ += kWheelNotch)
        view_.EvHScroll(ScrollCode::PageRight, 0);
}

void HorzMouse::HidePointBox()
{
    if (pointBox_) {
        pointBox_->hide();
        pointBox_->deleteLater();
        pointBox_ = nullptr;
    }
}

void HorzMouse::SetDrawFrom(std::int32_t drawFrom)
{
    auto r = std::make_unique<wellfile::HorzSetupRecord>();
    app::LogState& log = view_.log_;
    if (!LoadSetupFile(FilesOf(log.well), *r))
        ViewDefaults(*r, ApplyInputsOf(log.well, log.engines, log.customTracks, log.options).curvesGammaScale);
    StoreDrawFrom(*r, drawFrom);
    view_.SaveRecord(*r);
    view_.drawFrom_ = drawFrom;
    view_.LoadAndDraw(0);
}

void HorzMouse::StoreMarkers()
{
    auto r = std::make_unique<wellfile::HorzSetupRecord>();
    app::LogState& log = view_.log_;
    if (!LoadSetupFile(FilesOf(log.well), *r))
        ViewDefaults(*r, ApplyInputsOf(log.well, log.engines, log.customTracks, log.options).curvesGammaScale);
    // The view's markers are packed: written back whole, so a record with gaps loses none of them.
    horizontal::StoreMarkers(*r, view_.settings_.markers);
    view_.SaveRecord(*r);
}

void HorzMouse::PlaceMarker(int x, int y, bool ctrl)
{
    std::vector<wellfile::HorzMarker>& markers = view_.settings_.markers;
    if (int(markers.size()) >= kMaxMarkers) {
        platform::MessageBeep(0);  // the record's table is full
        return;
    }
    const MouseGeometry g = Geometry();
    const bool onTrack = view_.settings_.drawLithOnWellTrack;
    markers.push_back(horizontal::PlaceMarker(g, picked_, x, y, onTrack, onTrack ? PathYAt(x) : 0));
    // Drawn at once, into the copy without notes too, so that a notes redraw keeps it.
    HorzPlot& plot = view_.plot_;
    for (platform::ImageDescriptor* image : {&plot.image, &plot.image2})
        if (!image->Empty()) {
            PlotDc dc(plot, image->image);
            DrawMarkers(dc, plot);
        }
    if (!ctrl) {
        picked_ = 0;
        view_.setCursor(Qt::ArrowCursor);
        StoreMarkers();
    }
    view_.update();
}

void HorzMouse::LeftPress(int x, int y, bool ctrl)
{
    if (view_.noteDialog_ || noteDialogOpen_ || !OnImage(x, y))
        return;
    // A press elsewhere gives up an open in-place editor (a resize's text goes back into its note).
    if (view_.NoteEditor()) {
        ClearNoteState();
        view_.CancelNoteEdit();
    }
    const MouseGeometry g = Geometry();
    if (const auto drawFrom = MarginDrawFrom(g, view_.sectionCount_, ctrl, x, y, view_.drawFrom_)) {
        SetDrawFrom(*drawFrom);
        return;
    }
    HidePointBox();
    const HorzPlot& plot = view_.plot_;
    if (plot.bitMarker.Contains(g.ImageColumn(x), y)) {
        measuring_ = true;
        anchor_ = {{x, y}, g.DepthAt(x), TvdAtPoint(g, y, x)};
        to_ = anchor_.at;
        readout_.clear();
        return;
    }
    if (!ctrl && view_.painters_.openPicture && view_.painters_.openPicture(view_.plot_, g.ImageColumn(x), y))
        return;
    if (y < g.pathTop || y > g.lowerBase)
        view_.update();
    if (picked_ == 0 && g.pixelsPerUnit >= 8 && plot.headerShown && x < g.plotLeft) {
        for (int k = 1; k <= kPaletteBoxes; ++k)
            if (plot.symbolPalette[std::size_t(k)].Contains(x, y)) {
                picked_ = k;
                view_.setCursor(Qt::CrossCursor);
                return;
            }
    }
    if (picked_ != 0) {
        PlaceMarker(x, y, ctrl);
        return;
    }
    if (g.pixelsPerUnit < 8) {
        view_.setFocus();
        return;
    }
    if (!ctrl)
        return;
    if (view_.settings_.drawCustomTracks) {
        platform::MessageBox(QStringLiteral("You must turn off custom tracks to move notes"), QStringLiteral("INFO"));
        view_.setFocus();
        return;
    }
    if (view_.settings_.drawMemos)
        NotePress(x, y);
}

bool HorzMouse::NotePress(int x, int y)
{
    const MouseGeometry g = Geometry();
    const int xi = g.scroll > g.plotLeft ? x + (g.scroll - g.plotLeft) : x;
    const NoteTable& t = view_.Notes();
    const NoteDrawing& d = view_.NoteHandles();
    // A handle: the note is resized from its box's top-left corner.
    for (std::size_t k = 0; k < d.handles.size(); ++k) {
        const int index = d.firstDrawn + int(k);
        if (index < 0 || index >= t.count || !d.handles[k].Contains(xi, y))
            continue;
        const wellfile::HTEXTEX& n = t.notes[std::size_t(index)];
        resizeNote_ = index;
        bandAnchor_ = {n.box[0] - (g.scroll - g.plotLeft), n.box[1]};
        resizing_ = firstMove_ = true;
        band_ = {};
        return true;
    }
    for (int i = std::max(0, d.firstDrawn); i < t.count; ++i) {
        const wellfile::HTEXTEX& n = t.notes[std::size_t(i)];
        const platform::RECT box{n.box[0], n.box[1], n.box[2], n.box[3]};
        if (n.depth > 0 && box.Contains(xi, y) && n.box[0] > g.plotLeft && n.box[1] > 0) {
            dragging_ = true;
            dragNote_ = i;
            grab_ = xi - n.box[0];
            depthAtPress_ = n.depth;
            dragBox_ = {};
            return true;
        }
    }
    return false;
}

int HorzMouse::NoteAt(int imageX, int y) const
{
    const NoteTable& t = view_.Notes();
    const HorzBands& b = view_.plot_.bands;
    for (int i = std::max(0, view_.NoteHandles().firstDrawn); i < t.count; ++i) {
        const wellfile::HTEXTEX& n = t.notes[std::size_t(i)];
        platform::RECT box{n.box[0], n.box[1], n.box[2], n.box[3]};
        // Description notes stand in the notes band when it is drawn.
        if (view_.settings_.textInOwnTrack && IsDescription(n)) {
            box.top = b.notesBandTop + 2;
            box.bottom = b.notesBandBottom;
        }
        if (n.depth > 0 && box.Contains(imageX, y))
            return i;
    }
    return -1;
}

void HorzMouse::ClearNoteState()
{
    resizing_ = firstMove_ = dragging_ = false;
    resizeNote_ = dragNote_ = -1;
    grab_ = 0;
    bandAnchor_ = {};
    band_ = dragBox_ = {};
}

void HorzMouse::DrawRubberBand(int x, int y)
{
    const QRect rect(bandAnchor_, QPoint(std::max(x, bandAnchor_.x() + 1), std::max(y, bandAnchor_.y() + 1)));
    if (firstMove_) {
        // The editor opens on the note's box with the note's text unwrapped, hidden until the next move.
        const NoteTable& t = view_.Notes();
        if (resizeNote_ >= 0 && resizeNote_ < t.count) {
            const wellfile::HTEXTEX& n = t.notes[std::size_t(resizeNote_)];
            const int shift = view_.scroll_ - view_.plot_.plotLeft;
            view_.ResizeNote(resizeNote_, {n.box[0] - shift, n.box[1], n.box[2] - shift, n.box[3]});
            if (HorzNoteEdit* edit = view_.NoteEditor())
                edit->hide();
        }
    } else if (HorzNoteEdit* edit = view_.NoteEditor()) {
        edit->setGeometry(rect);
        edit->show();
    }
    band_ = rect;
    firstMove_ = false;
    view_.update();
}

int HorzMouse::RunNoteDialog(int index)
{
    NoteTable& t = view_.Notes();
    noteDialogOpen_ = true;
    int result = 0;
    if (runNoteDialog)
        result = runNoteDialog(t.notes, index, t.count);
    noteDialogOpen_ = false;
    return result;
}

void HorzMouse::Move(int x, int y)
{
    if (!measuring_ && !dragging_ && !resizing_)
        return;
    const MouseGeometry g = Geometry();
    const HeldMove held = HoldMove(g, x, y);
    if (held.held) {
        LeftRelease(held.x, held.y);
        return;
    }
    if (dragging_ && dragNote_ < view_.Notes().count) {
        const wellfile::HTEXTEX& n = view_.Notes().notes[std::size_t(dragNote_)];
        dragBox_ = QRect(x - grab_, y, n.box[2] - n.box[0], n.box[3] - n.box[1]);
        view_.update();
    }
    if (resizing_)
        DrawRubberBand(x, y);
    if (!measuring_)
        return;
    to_ = {x, y};
    readout_ = MeasureReadout(g, anchor_, x, y);
    view_.update();
}

void HorzMouse::LeftRelease(int x, int y)
{
    if (resizing_) {
        // The editor stays on the band for Ctrl+Enter (store, re-wrapped) or Escape.
        const QRect band = band_;
        ClearNoteState();
        if (HorzNoteEdit* edit = view_.NoteEditor()) {
            if (!band.isEmpty())
                edit->setGeometry(band);
            edit->show();
            edit->setFocus();
        }
        view_.update();
        return;
    }
    if (measuring_) {
        measuring_ = false;
        anchor_ = {};
        readout_.clear();
        view_.update();
        view_.setFocus();
    }
    if (dragging_) {
        NoteTable& t = view_.Notes();
        const int note = dragNote_, grab = grab_;
        const std::int32_t depthAtPress = depthAtPress_;
        ClearNoteState();
        if (note >= 0 && note < t.count) {
            // Rounded up to even numbers, as the notes are placed.
            x = (x + 1) & ~1;
            y = (y + 1) & ~1;
            horizontal::DropNote(t.notes[std::size_t(note)], Geometry(), x - grab, y, depthAtPress,
                                 view_.log_.well.file.fileTopDepth);
            if (view_.SaveNotes())
                view_.LoadNotes();
        }
        view_.RedrawNotes();
        view_.setFocus();
    }
}

void HorzMouse::DoubleClick(int x, int y)
{
    if (view_.noteDialog_ || noteDialogOpen_ || !OnImage(x, y))
        return;
    const MouseGeometry g = Geometry();
    if (g.pixelsPerUnit < 8) {
        platform::MessageBox(QStringLiteral("All edits must be done on 5 inch view"), QStringLiteral("StrativM"));
        return;
    }
    if (view_.settings_.drawCustomTracks) {
        platform::MessageBox(QStringLiteral("All edits must be done with custom tracks off"), QStringLiteral("INFO"));
        view_.setFocus();
        return;
    }
    std::vector<wellfile::HorzMarker>& markers = view_.settings_.markers;
    if (!markers.empty() && InMarkerArea(g, x, y)) {
        const int k = MarkerAt(markers, g.DepthAt(x));
        if (k >= 0) {
            markers.erase(markers.begin() + k);
            StoreMarkers();
            view_.LoadAndDraw(0);
            return;
        }
    }
    if (view_.settings_.drawMemos)
        view_.EditNoteAt(x, y);
}

void HorzMouse::RightPress(int x, int y)
{
    if (view_.noteDialog_ || noteDialogOpen_ || !OnImage(x, y))
        return;
    const MouseGeometry g = Geometry();
    if (g.pixelsPerUnit > 4 && view_.settings_.drawMemos) {
        const int k = NoteAt(g.ImageColumn(x), y);
        if (k >= 0) {
            if (RunNoteDialog(k) == 1) {
                view_.LoadNotes();
                view_.RedrawNotes();
            }
            view_.setFocus();
            return;
        }
    }
    if (x > g.plotLeft && pointBox_) {
        HidePointBox();
        return;
    }
    if (!pointBox_) {
        pointBox_ = new QLabel(&view_);
        pointBox_->setFrameStyle(QFrame::Box | QFrame::Plain);
        pointBox_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        pointBox_->setAutoFillBackground(true);
    }
    pointBox_->setGeometry(g.scroll < 1 ? x - 20 : x, y, 180, 140);
    const HorzPlot& plot = view_.plot_;
    const int i = PointBoxEntry(g, x, plot.wellPathRows);
    pointBox_->setText(i < 0 ? QString()
                             : PointInfoText(plot.wellPathTable, plot.wellPathRows, i, g.plotLastDepth,
                                             view_.log_.well.kbElevation));
    pointBox_->show();
    pointBox_->raise();
}

QRect HorzMouse::ReadoutBox(const QFontMetrics& metrics) const
{
    // At the anchor less 150 across and 30 down, held inside the window above the scroll bar: the
    // anchor (the last station) often stands near the window's right edge.
    const QRect text = metrics.boundingRect(readout_);
    QRect box(QPoint(anchor_.at.x - 150, anchor_.at.y + 30), text.size());
    const int right = view_.width() - 2, bottom = view_.height() - 22;
    box.moveLeft(std::max(0, std::min(box.left(), right - box.width())));
    box.moveTop(std::max(0, std::min(box.top(), bottom - box.height())));
    return box;
}

QRect HorzMouse::ReadoutBox() const { return ReadoutBox(QFontMetrics(view_.font())); }

void HorzMouse::PaintOverlay(QPainter& p) const
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    if (dragging_ && !dragBox_.isEmpty()) {
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(dragBox_.adjusted(0, 0, -1, -1));
    }
    if (resizing_ && !band_.isEmpty()) {
        p.setPen(QPen(QColor(192, 192, 192), 1, Qt::DashLine));
        p.drawRect(band_.adjusted(0, 0, -1, -1));
    }
    p.restore();
    if (!measuring_ || readout_.isEmpty())
        return;
    p.save();
    QPen pen(QColor(255, 0, 0), 1, Qt::DashLine);
    pen.setCosmetic(true);
    p.setPen(pen);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawLine(anchor_.at.x, anchor_.at.y, to_.x, to_.y);
    // The read-out on its own opaque background, as text written on the window would stand.
    const QRect box = ReadoutBox(p.fontMetrics());
    p.fillRect(box, Qt::white);
    p.setPen(Qt::black);
    p.drawText(box, Qt::AlignLeft | Qt::AlignTop, readout_);
    p.restore();
}

}  // namespace horizontal
