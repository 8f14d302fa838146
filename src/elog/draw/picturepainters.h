#pragma once
// The pictures on the log: their markers beside the rate track and the pictures themselves, drawn on a
// Dc for the screen, the printed page and the log image. A picture that cannot be read is drawn as
// nothing; its failure is said once through the source.
#include "elog/pictures.h"
#include "logview/draw/neighbourpainters.h"
#include "tracks/painterstate.h"

#include <QString>

#include <functional>

namespace elog {

// What the picture painters take of the window.
struct PictureSource {
    PictureTable* table = nullptr;  // null: no pictures
    QString wellName;
    // Says that a picture could not be had ("Memory allocation failed", "Not Loaded"); the painters call it
    // once per picture.
    std::function<void(const QString& text, const QString& path)> failed;
};

// One picture of the table to draw: its index, the y of its row, and, when above 0, its x and its
// width (square, or with the picture's height-to-width ratio when `keepAspect`). `continuation` draws the
// part of a printed picture that the last page cut off, with its top at y.
struct PictureDraw {
    int index = -1;
    int y = 0;
    int x = 0;
    int size = 0;
    bool keepAspect = false;
    bool continuation = false;
};

// The markers of the visible pictures (refreshed from the view top first); each marker's y is kept in
// its visible entry for the mouse.
void DrawImageMarkers(const logview::PaintTarget& t, PictureSource& source);
// On paper a picture that crosses `pending.pageBottomY` is cut there and its rest left in `pending`.
void DrawImage(const logview::PaintTarget& t, PictureSource& source, tracks::PendingCells& pending,
               const PictureDraw& draw);
void DrawImageKeepAspect(const logview::PaintTarget& t, PictureSource& source, tracks::PendingCells& pending,
                         int index, int y, int x, int size);

}  // namespace elog
