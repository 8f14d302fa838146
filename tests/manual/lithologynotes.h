#pragma once
// What the walks of the manual's "Entering what you see" share: menu items picked by the text the user
// reads, and the mouse at client points of the first start's window (the demo well).
#include <QPoint>
#include <QString>
#include <Qt>

class LogWindow;
class QAction;

namespace testing_support {

// The item `item` of the menu bar's pop-up `menu`, both named as shown without their '&' marks and
// outer blanks ("Enter Data", "Lithology..."); null when the bar has no such item.
QAction* MenuItem(LogWindow& w, const QString& menu, const QString& item);
// Triggers that item; false (with a test failure) when it is not on the bar.
bool Pick(LogWindow& w, const QString& menu, const QString& item);

// The window point of client point (x, y): below the menu bar.
QPoint ClientPoint(LogWindow& w, int x, int y);
// The middle of the row that shows the record of `depth` at the view's top depth as it stands.
int RecordRowY(LogWindow& w, int depth);

// A double-click: the first click, then the second as the desktop sends it.
void DoubleClickAt(LogWindow& w, int x, int y, Qt::KeyboardModifiers keys = Qt::NoModifier);
void ClickAt(LogWindow& w, int x, int y, Qt::MouseButton button = Qt::LeftButton,
             Qt::KeyboardModifiers keys = Qt::NoModifier);
// Presses at `from` with Ctrl, moves in two steps and lets go at `to`.
void CtrlDrag(LogWindow& w, QPoint from, QPoint to);

// The view's top depth set to `top` and the log painted.
void ShowFrom(LogWindow& w, int top);

}  // namespace testing_support
