#include "horizontal/ui/horznoteedit.h"

#include "app/ui/vertnoteedit.h"
#include "horizontal/horznotes.h"
#include "horizontal/ui/horzdlg.h"
#include "platform/draw/fonts.h"
#include "platform/services.h"

#include <QKeyEvent>

namespace horizontal {

HorzNoteEdit::HorzNoteEdit(HorzDlg& view, const QByteArray& text, const QRect& rect, bool upperCase, int textLimit)
    : QPlainTextEdit(&view), view_(view), upperCase_(upperCase), textLimit_(textLimit)
{
    setObjectName(QStringLiteral("HorzNoteEdit"));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setTabChangesFocus(true);
    setFont(platform::MakeQFont(platform::Font(QStringLiteral("VERDANA"), kNoteFontHeight), 96));
    setGeometry(rect);
    setPlainText(VertNoteEdit::DisplayText(text));
}

void HorzNoteEdit::keyPressEvent(QKeyEvent* e)
{
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (e->key() == Qt::Key_Escape) {
        view_.CancelNoteEdit();
        return;
    }
    if (enter && (e->modifiers() & Qt::ControlModifier)) {
        view_.StoreNote(WrappedEditText(*this, kNoteEditRead), x(), y());
        return;
    }
    const QString before = toPlainText();
    const int cursorAt = textCursor().position();
    if (upperCase_ && !e->text().isEmpty() && e->text() != e->text().toUpper()) {
        QKeyEvent upper(e->type(), e->key(), e->modifiers(), e->text().toUpper(), e->isAutoRepeat(), ushort(e->count()));
        QPlainTextEdit::keyPressEvent(&upper);
    } else {
        QPlainTextEdit::keyPressEvent(e);
    }
    // The box holds at most its limit: a key past it is refused.
    if (toPlainText().size() > before.size() && toPlainText().size() > textLimit_) {
        setPlainText(before);
        QTextCursor cursor = textCursor();
        cursor.setPosition(std::min(cursorAt, int(before.size())));
        setTextCursor(cursor);
        platform::MessageBeep(0);
    }
}

}  // namespace horizontal
