// The gas chart's notes (typed, dragged and edited with the mouse, each change written to the day file at
// once) and its printout.
#include "app/logstate.h"
#include "gasmon/chartwindow.h"
#include "gasmon/draw/chartprint.h"
#include "gasmon/ui/chartdlg.h"
#include "gasmon/ui/chartnoteedit.h"
#include "platform/printer.h"
#include "platform/services.h"
#include "platform/ui/printloop.h"
#include "print/printcheck.h"

#include <QFileInfo>
#include <QMouseEvent>

namespace gasmon {

ChartFrame ChartDlg::Frame() const
{
    return ChartFrame{day_,      recordsLoaded_, viewStart_, pixelsPerSample_, scaleIndex_, logScale_, drawnOnce_,
                      geometry_, log_.layout.format.trackUnit / 2};
}

double ChartDlg::NotePixelsPerUnit() const { return LinearPixelsPerUnit(geometry_, scaleIndex_); }

int ChartDlg::SampleAt(int, int y) const { return SampleOnRow(y, viewStart_, pixelsPerSample_); }

// ---- The note edit ----

void ChartDlg::OpenNoteEdit(int x, int y, const QByteArray& text)
{
    CloseNoteEdit();
    noteEdit_ = new ChartNoteEdit(
        this, x, y, text, [this](const QByteArray& typed, int left, int top) { PlaceNote(typed, left, top); },
        [this] {
            CloseNoteEdit();
            noteEditOpen = false;
        });
}

void ChartDlg::CloseNoteEdit()
{
    // Closed from inside its own key handler too: it goes once that has returned.
    if (ChartNoteEdit* edit = noteEdit_.data()) {
        edit->hide();
        edit->deleteLater();
    }
    noteEdit_ = nullptr;
}

void ChartDlg::WriteNoteSlots(int first, int count)
{
    if (count <= 0 || first < 0 || first + count > kChartSlotsPerDay)
        return;
    // Each copy goes to its own slot, whatever record number a slot that never got a sample holds.
    std::vector<CHARTRECORD> copies(day_.begin() + first, day_.begin() + first + count);
    for (int k = 0; k < count; ++k)
        copies[std::size_t(k)].recordNumber = std::uint32_t(first + k);
    const bool existed = QFileInfo::exists(path_);
    if (WriteChartRecords(log_, copies.data(), path_, count) == 0 && existed)
        platform::MessageBox(path_, QStringLiteral("Chart File Write Error"));
}

void ChartDlg::PlaceNote(const QByteArray& text, int x, int y)
{
    if (text.isEmpty() && x == 0 && y == 0) {
        noteEditOpen = false;
        Redraw();
        return;
    }
    const int i = SampleAt(x, y);
    if (TakesNote(i)) {
        CHARTRECORD& r = day_[std::size_t(i)];
        r.noteLevel = NoteLevelAt(x, NotePixelsPerUnit());
        SetNoteText(r, text);
        const SlotRun run = NoteSlotsAround(i);
        WriteNoteSlots(run.first, run.count);
    }
    noteEditOpen = false;
    Redraw();
}

// ---- The mouse ----

void ChartDlg::DrawOutline(const platform::RECT& box)
{
    if (window_.isNull())
        return;
    platform::Dc dc(window_);
    DrawNoteOutline(dc, box);
    update();
}

void ChartDlg::EvLButtonDblClk(int x, int y)
{
    if (!logScale_ && y >= kChartPlotTop - 20 && y <= kChartPlotTop + 5) {
        scaleIndex_ = StepChartScale(scaleIndex_, x);
        Redraw();
    }
    if (log_.well.file.drilling && y > kChartPlotTop + 20) {
        noteEditOpen = true;
        OpenNoteEdit(x, y - kChartNoteEditHeight, {});
    }
}

void ChartDlg::EvRButtonDown(int x, int y)
{
    const std::optional<int> n = NoteAt(notes_, x, y, false);
    if (!n) {
        noteEditOpen = false;
        return;
    }
    const ChartNoteBox note = notes_[std::size_t(*n)];
    noteEditOpen = true;
    DrawOutline(note.box);
    OpenNoteEdit(note.box.left, note.box.top, NoteText(day_[std::size_t(note.sample)]));
}

void ChartDlg::EvLButtonDown(int x, int y)
{
    const std::optional<int> n = NoteAt(notes_, x, y, true);
    if (!n)
        return;
    dragging_ = true;
    dragNote_ = *n;
    dragBox_ = notes_[std::size_t(*n)].box;
    dragBase_ = window_;
    DrawOutline(dragBox_);
}

void ChartDlg::EvMouseMove(int x, int y)
{
    if (!dragging_)
        return;
    // The box is drawn over the chart as it stood when the drag began, so it leaves no trail.
    dragBox_ = platform::RECT{x, y, x + dragBox_.Width(), y + dragBox_.Height()};
    window_ = dragBase_;
    DrawOutline(dragBox_);
}

void ChartDlg::EvLButtonUp(int x, int y)
{
    if (!dragging_)
        return;
    dragging_ = false;
    const int from = notes_[std::size_t(dragNote_)].sample;
    const int to = SampleAt(x, y);
    if (TakesNote(to) && TakesNote(from)) {
        SetNoteText(day_[std::size_t(to)], NoteText(day_[std::size_t(from)]));
        day_[std::size_t(to)].noteLevel = NoteLevelAt(x, NotePixelsPerUnit());
        WriteNoteSlots(to, 1);
        if (to != from) {
            SetNoteText(day_[std::size_t(from)], {});
            WriteNoteSlots(from, 1);
        }
    }
    Redraw();
}

void ChartDlg::mousePressEvent(QMouseEvent* e)
{
    const QPoint at = e->position().toPoint();
    if (e->button() == Qt::LeftButton)
        EvLButtonDown(at.x(), at.y());
    else if (e->button() == Qt::RightButton)
        EvRButtonDown(at.x(), at.y());
    else
        Dialog::mousePressEvent(e);
}

void ChartDlg::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint at = e->position().toPoint();
    EvMouseMove(at.x(), at.y());
}

void ChartDlg::mouseReleaseEvent(QMouseEvent* e)
{
    const QPoint at = e->position().toPoint();
    if (e->button() == Qt::LeftButton)
        EvLButtonUp(at.x(), at.y());
    else
        Dialog::mouseReleaseEvent(e);
}

void ChartDlg::mouseDoubleClickEvent(QMouseEvent* e)
{
    const QPoint at = e->position().toPoint();
    if (e->button() == Qt::LeftButton)
        EvLButtonDblClk(at.x(), at.y());
    else
        Dialog::mouseDoubleClickEvent(e);
}

// ---- Printing ----

void ChartDlg::PrintChart(platform::Dc& dc)
{
    ChartFrame frame = Frame();
    frame.logScale = false;
    gasmon::PrintChart(dc, frame, pens_);
}

void ChartDlg::CmPrint()
{
    // The print loop keeps events flowing between pages: a second Print then only beeps.
    if (printing_) {
        platform::MessageBeep(0);
        return;
    }
    if (!printer_ && platform::services().printers)
        printer_ = platform::services().printers->DefaultPrinter();
    if (printer_ && !print::HasUsableResolution(printer_->Info()))
        printer_.reset();
    if (!printer_) {
        platform::MessageBox(QStringLiteral(" Error Communicating With Printer"), QStringLiteral("Printer Error"));
        return;
    }
    ChartPrintout printout([this](platform::Dc& dc) { PrintChart(dc); });
    printing_ = true;
    platform::PrintJobWithAbortDialog(*printer_, printout, this, log_.well.file.dataFolder);
    printing_ = false;
}

}  // namespace gasmon
