#pragma once
// The open well's pictures as the window keeps them: the whole list by depth and those of the view's
// depths. The view's markers, the horizontal view and the printout read it; the picture work on it is in
// elog/pictures.h, which names these types in elog:: too.
#include <QSet>
#include <QString>

#include <cstdint>
#include <vector>

namespace app {

struct PictureEntry {
    std::int32_t depth = 0;
    QString name;             // file name in the picture folder
    std::int32_t markY = 0;   // the y of its marker as last drawn on the screen
};

// The picture table of the open well and the pictures of the view's depths.
struct PictureTable {
    QString folder;                    // the picture folder, ends with '/'; empty until built
    std::vector<PictureEntry> all;     // by depth
    std::vector<PictureEntry> visible; // of `all`, those of the view's depths (FilterVisibleImages)
    bool loaded = false;
    // Pictures whose failure to load has been shown: a failure is said once, not at every paint.
    QSet<QString> failureShown;
    // Photos of the data folder found settled but not whole: said once, taken once whole.
    QSet<QString> incompleteShown;
};

}  // namespace app
