#include "logview/ui/dragdcs.h"

#include "app/logstate.h"
#include "logview/draw/viewbitmaps.h"
#include "logview/draw/windowareas.h"
#include "logview/ui/mousewindow.h"

#include <QImage>

namespace logview {

platform::Dc* XorDragDc(app::LogState& s, DragDcs& dcs, const platform::Pen& pen)
{
    if (!dcs.xorDc) {
        if (!s.view.bitmaps)
            return nullptr;
        dcs.xorDc = std::make_unique<platform::Dc>(s.view.bitmaps->backingStore);
        dcs.xorDc->SetROP2(platform::R2_XORPEN);
    }
    platform::Dc& dc = *dcs.xorDc;
    dc.SetViewportOrg(-s.scroll.horizontalOffset, 0);
    dc.SelectObject(pen);
    dc.SelectObject(platform::StockBrush(platform::NULL_BRUSH));
    return &dc;
}

void ReleaseXorDc(DragDcs& dcs)
{
    if (!dcs.xorDc)
        return;
    dcs.xorDc.reset();  // its pen, brush and mix go with it
}

platform::Dc* SlideDragDc(app::LogState& s, DragDcs& dcs, const platform::Pen& pen)
{
    if (!dcs.slideDc) {
        if (!s.view.bitmaps)
            return nullptr;
        dcs.slideDc = std::make_unique<platform::Dc>(s.view.bitmaps->backingStore);
    }
    platform::Dc& dc = *dcs.slideDc;
    dc.SetViewportOrg(-s.scroll.horizontalOffset, 0);
    dc.SelectObject(pen);
    return &dc;
}

platform::Dc* BoxDragDc(app::LogState& s, DragDcs& dcs)
{
    if (!dcs.boxDc) {
        if (!s.view.bitmaps)
            return nullptr;
        dcs.boxDc = std::make_unique<platform::Dc>(s.view.bitmaps->backingStore);
    }
    return dcs.boxDc.get();
}

void SaveBoxImage(app::LogState& s, DragDcs& dcs, const platform::RECT& r)
{
    ForgetBoxImage(s);
    platform::Dc* dc = BoxDragDc(s, dcs);
    if (!dc || r.right <= r.left || r.bottom <= r.top)
        return;
    QImage& area = s.view.bitmaps->savedAreas[0];
    area = QImage(r.right - r.left, r.bottom - r.top, QImage::Format_RGB32);
    if (area.isNull())
        return;  // no memory: the box does not follow the mouse, the drop still works
    SaveWindowArea(*dc, area, r);
}

void ForgetBoxImage(app::LogState& s)
{
    if (s.view.bitmaps)
        s.view.bitmaps->savedAreas[0] = QImage();
}

bool HasBoxImage(const app::LogState& s) { return s.view.bitmaps && !s.view.bitmaps->savedAreas[0].isNull(); }

void ReleaseBoxDc(app::LogState& s, DragDcs& dcs)
{
    dcs.boxDc.reset();
    ForgetBoxImage(s);
}

void CaptureMouse(const MouseContext& m)
{
    if (m.window.capture)
        m.window.capture(true);
}

void ReleaseCapture(const MouseContext& m)
{
    if (m.window.capture)
        m.window.capture(false);
}

}  // namespace logview
