#pragma once
// Windows face names mapped onto fonts every machine of ours has, so that text extents are the same
// everywhere: the Liberation fonts for Arial, Courier New and Times New Roman (same metrics), DejaVu for
// the other faces, and DejaVu Sans Mono as the one stand-in for the System and Fixedsys bitmap fonts.
#include "platform/draw/gdiobjects.h"

#include <QFont>
#include <QString>

namespace platform {

struct FaceChoice {
    QString family;
    bool bold = false;    // the face name carried the weight ("Arial Bold")
    bool italic = false;  // the face name carried the slant ("Arial Italic")
    bool bitmapStandIn = false;
};
FaceChoice SubstituteFace(const QString& face, int pitchAndFamily = DEFAULT_PITCH);

// The Qt font that draws `font` on a device of `dpiY` dots per inch: sized in device pixels, without
// antialiasing, kerning or font merging, fully hinted so that advances are whole pixels.
QFont MakeQFont(const Font& font, int dpiY);

}  // namespace platform
