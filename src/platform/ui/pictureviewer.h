#pragma once
// The program's own picture viewer: a picture shown in a window of its own (scrolled when larger than
// the screen's share), for when the desktop has no program to open it.
#include <QString>

class QWidget;

namespace platform {

// Opens the viewer on the picture at `path` (closed by its window's close box, freed then). False when
// the file cannot be read as a picture.
bool ShowPicture(QWidget* parent, const QString& path);

}  // namespace platform
