#pragma once
// What a geologist does while entering data on the demo well: menu items chosen by their text on the
// menu bar, clicks at depths of the log, the data file read back.
#include "logview/geometryof.h"
#include "wellfile/record.h"

#include <QString>

class QAction;
namespace shell { class LogWindow; }

namespace manual {

// The demo well on the first start's window with Options > Drilling on (Enter Data is on the bar then)
// and the log painted from `top`.
struct EnteringWindow {
    shell::LogWindow& window;
    logview::ViewGeometry g;
    explicit EnteringWindow(shell::LogWindow& w) : window(w) {}
    bool Open(int top);
    void PaintAt(int top);
    // The item `item` of the menu `menu` as the bar shows them (underline marks and outer blanks aside);
    // null, with a test failure, when either is not there.
    QAction* Item(const QString& menu, const QString& item);
    // Chooses the item; false when it is missing or gray.
    bool Choose(const QString& menu, const QString& item);
    // The middle of the row of `depth` in window client y.
    int RowY(int depth) const;
    void Click(Qt::MouseButton button, int x, int y, Qt::KeyboardModifiers keys = Qt::NoModifier);
    void DoubleClick(int x, int y, Qt::KeyboardModifiers keys = Qt::NoModifier);
    // The record of `depth` as the data file holds it now.
    wellfile::RECORD At(int depth) const;
};

}  // namespace manual
