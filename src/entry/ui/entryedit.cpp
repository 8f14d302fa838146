#include "entry/ui/entryedit.h"

#include "platform/ui/svedit.h"

#include <QKeyEvent>

namespace entry {

namespace {
constexpr int kTextBuffer = 80;  // characters the box hands on with Enter
}

int VirtualKey(const QKeyEvent& e)
{
    const int key = e.key();
    const bool keypad = e.modifiers().testFlag(Qt::KeypadModifier);
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return KEY_RETURN;
    case Qt::Key_Left: return KEY_LEFT;
    case Qt::Key_Up: return KEY_UP;
    case Qt::Key_Right: return 0x27;
    case Qt::Key_Down: return KEY_DOWN;
    case Qt::Key_Plus: return keypad ? KEY_ADD : 0xBB;
    case Qt::Key_Control:
    case Qt::Key_Shift:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_AltGr: return 0;
    default: break;
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return keypad ? 0x60 + (key - Qt::Key_0) : key;
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return key;  // the letters' codes are the same
    return key;
}

EntryEdit::EntryEdit(platform::SVEdit* box, EntryBox kind, KeyHandler handler)
    : QObject(box), box_(box), kind_(kind), handler_(std::move(handler))
{
    box_->installEventFilter(this);
}

QString EntryEdit::FirstLine() const { return box_->text().section(QLatin1Char('\n'), 0, 0).left(kTextBuffer); }

std::optional<QString> EntryEdit::PendingLine() const
{
    const QString line = FirstLine();
    if (line.trimmed().isEmpty())
        return std::nullopt;
    return line;
}

bool EntryEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != box_ || event->type() != QEvent::KeyPress)
        return false;
    const auto* k = static_cast<const QKeyEvent*>(event);
    const int key = VirtualKey(*k);
    if (key == 0)
        return false;
    const bool ctrl = k->modifiers().testFlag(Qt::ControlModifier);
    switch (RouteEntryKey(kind_, key, ctrl)) {
    case KeyRoute::Edit: return false;
    case KeyRoute::PassText:
        buffer_ = FirstLine();
        handler_(buffer_, key, false);
        buffer_.clear();
        return true;
    case KeyRoute::PassNoText: handler_(std::nullopt, key, false); return true;
    case KeyRoute::PassEmpty: handler_(buffer_, key, false); return true;
    case KeyRoute::PassCtrl: handler_(std::nullopt, key, true); return true;
    }
    return false;
}

}  // namespace entry
