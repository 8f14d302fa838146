#include "horizontal/ui/horznoteedit.h"

#include "app/ui/vertnoteedit.h"
#include "horizontal/horznotes.h"
#include "horizontal/ui/horzdlg.h"
#include "platform/draw/fonts.h"
#include "platform/services.h"
#include "platform/text.h"

#include <QKeyEvent>

#include <limits>

namespace horizontal {

HorzNoteEdit::HorzNoteEdit(HorzDlg& view, const QByteArray& text, const QRect& rect, bool upperCase, int limit,
                           bool keepUnchanged)
    : QPlainTextEdit(&view), view_(view), upperCase_(upperCase), limit_(limit), original_(text),
      keepUnchanged_(keepUnchanged)
{
    setObjectName(QStringLiteral("HorzNoteEdit"));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setTabChangesFocus(true);
    setFont(platform::MakeQFont(platform::Font(QStringLiteral("VERDANA"), kNoteFontHeight), 96));
    setGeometry(rect);
    setPlainText(app::VertNoteEdit::DisplayText(text));
}

QByteArray HorzNoteEdit::StoredText() const
{
    if (keepUnchanged_ && toPlainText() == app::VertNoteEdit::DisplayText(original_))
        return original_;
    const QByteArray wrapped = app::WrappedEditText(*this, std::numeric_limits<int>::max());
    if (wrapped.size() <= limit_)
        return wrapped;
    // This box wraps into more lines than the record holds: the hard breaks alone, nothing cut.
    QString plain = toPlainText();
    plain.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return platform::ToCp1252(plain).left(limit_);
}

void HorzNoteEdit::RefuseBeyondLimit(const QString& before, int cursorAt)
{
    // Measured as typed text is stored, wrapped, so that it is never cut or stored unwrapped.
    if (toPlainText().size() <= before.size() ||
        app::WrappedEditText(*this, std::numeric_limits<int>::max()).size() <= limit_)
        return;
    setPlainText(before);
    QTextCursor cursor = textCursor();
    cursor.setPosition(std::min(cursorAt, int(before.size())));
    setTextCursor(cursor);
    platform::MessageBeep(0);
}

void HorzNoteEdit::keyPressEvent(QKeyEvent* e)
{
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (e->key() == Qt::Key_Escape) {
        view_.CancelNoteEdit();
        return;
    }
    if (enter && (e->modifiers() & Qt::ControlModifier)) {
        view_.StoreNote(StoredText(), x(), y());
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
    RefuseBeyondLimit(before, cursorAt);
}

void HorzNoteEdit::insertFromMimeData(const QMimeData* source)
{
    const QString before = toPlainText();
    const int cursorAt = textCursor().position();
    QPlainTextEdit::insertFromMimeData(source);
    RefuseBeyondLimit(before, cursorAt);
}

}  // namespace horizontal
