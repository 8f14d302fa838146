#include "platform/ui/svedit.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include <limits>

namespace platform {

SVEdit::SVEdit(QWidget* parent, int textLimit) : QLineEdit(parent)
{
    SetTextLimit(textLimit);
}

void SVEdit::SetTextLimit(int textLimit)
{
    setMaxLength(textLimit > 1 ? textLimit - 1 : textLimit == 1 ? 0 : std::numeric_limits<int>::max());
}

void SVEdit::keyPressEvent(QKeyEvent* event)
{
    // Both Enter keys are VK_RETURN to the program. Taking the event keeps it from the dialog, which
    // would otherwise press its default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        focusNextChild();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void SVEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // A window losing activation (a message box, another program) or a popup opening is not the user
    // leaving the field: notifying then would let a checking handler raise its box over and over.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit focusLost();
}

void SVEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // The window coming back to the front (a message box closed) hands the focus back; the user did
    // not move into the field.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit focusGained();
}

}  // namespace platform
