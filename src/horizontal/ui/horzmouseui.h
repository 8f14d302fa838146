#pragma once
// The horizontal view's wheel, keys and mouse: paging by the wheel, the draw-from depth by a Ctrl-click
// in the margin, measuring from the last station with a rubber line and a read-out, lithology markers
// picked from the header's palette and placed or removed, the point box of survey values, and the
// notes: Ctrl-drag to move one, Ctrl-drag of its handle to resize it in the hidden editor, a double click
// to edit or add one, a right click for the note dialog. The rubber line, its read-out, the dragged box
// and the rubber band are an overlay painted over the plot: the plot image itself is never drawn on by
// the mouse. The capture during a measurement or a resize is Qt's implicit grab while the button is down.
#include "horizontal/horzmouse.h"

#include <QPointer>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

class QFontMetrics;
class QLabel;
class QPainter;
class QWheelEvent;

namespace horizontal {

class HorzDlg;

class HorzMouse {
public:
    explicit HorzMouse(HorzDlg& view) : view_(view) {}

    void Wheel(int delta);
    void LeftPress(int x, int y, bool ctrl);
    void Move(int x, int y);
    void LeftRelease(int x, int y);
    void DoubleClick(int x, int y);
    void RightPress(int x, int y);
    // The rubber line and read-out of a measurement, over the plot.
    void PaintOverlay(QPainter& p) const;

    // What the mouse holds, for the tests.
    int PickedSymbol() const { return picked_; }
    bool Measuring() const { return measuring_; }
    const QString& Readout() const { return readout_; }
    // Where the read-out stands in the window, in the view's font.
    QRect ReadoutBox() const;
    QLabel* PointBox() const { return pointBox_.data(); }
    bool Dragging() const { return dragging_; }
    bool Resizing() const { return resizing_; }

    // The note dialog on note `index` of the view's table, run modally; 1 when it saved the notes. The
    // main window sets it to its entry services' dialog; unset, nothing is shown.
    std::function<int(std::vector<wellfile::HTEXTEX>& notes, int index, int& count)> runNoteDialog;

private:
    MouseGeometry Geometry() const;
    QRect ReadoutBox(const QFontMetrics& metrics) const;
    bool OnImage(int x, int y) const;
    int PathYAt(int x) const;
    void SetDrawFrom(std::int32_t drawFrom);
    void PlaceMarker(int x, int y, bool ctrl);
    void StoreMarkers();
    void HidePointBox();
    bool NotePress(int x, int y);
    int NoteAt(int imageX, int y) const;
    void DrawRubberBand(int x, int y);
    int RunNoteDialog(int index);
    void ClearNoteState();

    HorzDlg& view_;
    int wheel_ = 0;  // wheel units not yet paged
    int picked_ = 0;
    bool measuring_ = false;
    MeasureAnchor anchor_;
    platform::POINT to_{};
    QString readout_;
    QPointer<QLabel> pointBox_;
    bool noteDialogOpen_ = false;
    // A note dragged: its index, the press's distance from its left, its depth then, its box now.
    bool dragging_ = false;
    int dragNote_ = -1, grab_ = 0;
    std::int32_t depthAtPress_ = 0;
    QRect dragBox_;
    // A note resized from its handle: the band from the box's top-left to the pointer.
    bool resizing_ = false, firstMove_ = false;
    int resizeNote_ = -1;
    QPoint bandAnchor_;
    QRect band_;
};

}  // namespace horizontal
