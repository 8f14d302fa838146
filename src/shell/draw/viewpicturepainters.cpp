// The picture painters as the view's neighbour painters: the window's set forwards its calls here.
#include "shell/draw/viewpainters.h"

namespace shell {

using logview::PaintTarget;

int ViewPainters::FindNextImageAtDepth(std::int32_t depth, int start)
{
    if (!pictures)
        return -1;
    const elog::PictureSource s = pictures();
    return s.table ? elog::FindNextImageAtDepth(*s.table, depth, start) : -1;
}

void ViewPainters::DrawImage(const PaintTarget& t, int picture, int y)
{
    if (!pictures)
        return;
    elog::PictureSource s = pictures();
    elog::PictureDraw d;
    d.index = picture;
    d.y = y;
    elog::DrawImage(t, s, TrackState().pending, d);
}

void ViewPainters::DrawImageAt(const PaintTarget& t, int picture, int y, int x, int width, bool actualSize,
                               bool continuation)
{
    if (!pictures)
        return;
    elog::PictureSource s = pictures();
    // The custom track's "actual size" keeps the picture's proportions at the track's width.
    elog::PictureDraw d;
    d.index = picture;
    d.y = y;
    d.x = x;
    d.size = width;
    d.keepAspect = actualSize;
    d.continuation = continuation;
    elog::DrawImage(t, s, TrackState().pending, d);
}

void ViewPainters::DrawImageMarkers(const PaintTarget& t)
{
    if (!pictures)
        return;
    elog::PictureSource s = pictures();
    elog::DrawImageMarkers(t, s);
}

}  // namespace shell
