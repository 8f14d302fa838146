#pragma once
// The horizontal view's wheel, keys and mouse: paging by the wheel, the draw-from depth by a Ctrl-click
// in the margin, measuring from the last station with a rubber line and a read-out, lithology markers
// picked from the header's palette and placed or removed, and the point box of survey values. The
// rubber line and its read-out are an overlay painted over the plot: the plot image itself is never
// drawn on by the mouse. The capture during a measurement is Qt's implicit grab while the button is down.
#include "horizontal/horzmouse.h"

#include <QPointer>
#include <QString>

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
    QPoint ReadoutAt() const;
    QLabel* PointBox() const { return pointBox_.data(); }

private:
    MouseGeometry Geometry() const;
    bool OnImage(int x, int y) const;
    int PathYAt(int x) const;
    void SetDrawFrom(std::int32_t drawFrom);
    void PlaceMarker(int x, int y, bool ctrl);
    void StoreMarkers();
    void HidePointBox();

    HorzDlg& view_;
    int wheel_ = 0;  // wheel units not yet paged
    int picked_ = 0;
    bool measuring_ = false;
    MeasureAnchor anchor_;
    platform::POINT to_{};
    QString readout_;
    QPointer<QLabel> pointBox_;
};

}  // namespace horizontal
