#include "app/ui/vertnoteedit.h"

#include "app/logstate.h"
#include "platform/draw/fonts.h"
#include "platform/services.h"
#include "platform/text.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextLayout>

#include <limits>

namespace app {

namespace {

QFont NoteFont(const app::LogState& s)
{
    const app::NoteState& n = s.notes;
    const bool editing = n.currentMemo >= 0 && n.currentMemo < n.memoCount && std::size_t(n.currentMemo) < n.memos.size();
    const platform::LOGFONTA lf = editing ? n.memos[std::size_t(n.currentMemo)].font : app::DefaultNoteFont(s);
    return platform::MakeQFont(platform::Font::FromLogFont(lf), 96);
}

}  // namespace

VertNoteEdit::VertNoteEdit(QWidget* parent, app::LogState& log, const QByteArray& text, const platform::RECT& rect,
                           int clientTop)
    : QPlainTextEdit(parent), log_(log)
{
    setObjectName(QStringLiteral("VertNoteEdit"));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setTabChangesFocus(true);
    setFont(NoteFont(log));
    setPlainText(DisplayText(text));
    if (!text.isEmpty())
        selectAll();
    PlaceOn(rect, clientTop);
}

QString VertNoteEdit::DisplayText(const QByteArray& stored)
{
    QByteArray b = stored;
    b.replace("\r\r\n", "");
    b.replace("\r\n", "\n");
    b.replace('\r', "");
    return platform::FromCp1252(b);
}

void VertNoteEdit::PlaceOn(const platform::RECT& rect, int clientTop)
{
    rect_ = rect;
    setGeometry(rect.left, clientTop + rect.top, std::max(rect.Width(), 1), std::max(rect.Height(), 1));
}

QByteArray VertNoteEdit::StoredText(int limit) const { return WrappedEditText(*this, limit, QStringLiteral("\r\n")); }

QByteArray WrappedEditText(const QPlainTextEdit& edit, int limit, const QString& softBreak)
{
    // The lines as the box wraps them: its own width less the document's margins.
    const QTextDocument* document = edit.document();
    const qreal width = std::max<qreal>(edit.viewport()->width() - 2 * document->documentMargin(), 1);
    QTextOption option;
    option.setWrapMode(edit.wordWrapMode());
    QString all;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block != document->begin())
            all += QStringLiteral("\r\n");
        const QString text = block.text();
        QTextLayout layout(text, edit.font());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
            line.setLineWidth(width);
        layout.endLayout();
        for (int i = 0; i < layout.lineCount(); ++i) {
            if (i > 0)
                all += softBreak;
            all += text.mid(layout.lineAt(i).textStart(), layout.lineAt(i).textLength());
        }
    }
    return platform::ToCp1252(all).left(limit);
}

bool VertNoteEdit::UpperCaseOnly() const
{
    // The 21/86 format's first display flag makes a first-column note take capitals only.
    return log_.layout.format.feetStyle && log_.notes.firstColumnNote;
}

void VertNoteEdit::Checked(const std::function<void()>& edit)
{
    if (checking_) {  // an edit inside a checked one (Ctrl+V pastes from the key handler)
        edit();
        return;
    }
    checking_ = true;
    const QString before = toPlainText();
    const int cursorAt = textCursor().position();
    edit();
    checking_ = false;
    // The memo keeps the text as stored, soft line breaks included: an edit that would make it longer
    // than that is refused whole, so nothing is cut off unseen when the memo is stored.
    if (toPlainText().size() > before.size() && StoredText(std::numeric_limits<int>::max()).size() > kTextLimit - 1) {
        setPlainText(before);
        QTextCursor cursor = textCursor();
        cursor.setPosition(std::min(cursorAt, int(before.size())));
        setTextCursor(cursor);
        platform::MessageBeep(0);
    }
}

void VertNoteEdit::keyPressEvent(QKeyEvent* e)
{
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (e->key() == Qt::Key_Escape) {
        Abandon();
        return;
    }
    if (enter && (e->modifiers() & Qt::ControlModifier)) {
        Store();
        return;
    }
    const bool inserts = !e->text().isEmpty() && e->text().at(0).isPrint();
    Checked([&] {
        if (inserts && UpperCaseOnly() && e->text() != e->text().toUpper()) {
            QKeyEvent upper(e->type(), e->key(), e->modifiers(), e->text().toUpper(), e->isAutoRepeat(),
                            ushort(e->count()));
            QPlainTextEdit::keyPressEvent(&upper);
        } else {
            QPlainTextEdit::keyPressEvent(e);
        }
    });
}

void VertNoteEdit::insertFromMimeData(const QMimeData* source)
{
    // Pastes (keys or the right-click menu) and drops.
    Checked([&] {
        if (UpperCaseOnly() && source->hasText()) {
            QMimeData upper;
            upper.setText(source->text().toUpper());
            QPlainTextEdit::insertFromMimeData(&upper);
        } else {
            QPlainTextEdit::insertFromMimeData(source);
        }
    });
}

void VertNoteEdit::inputMethodEvent(QInputMethodEvent* e)
{
    Checked([&] {
        if (UpperCaseOnly() && e->commitString() != e->commitString().toUpper()) {
            QInputMethodEvent upper(e->preeditString(), e->attributes());
            upper.setCommitString(e->commitString().toUpper(), e->replacementStart(), e->replacementLength());
            QPlainTextEdit::inputMethodEvent(&upper);
        } else {
            QPlainTextEdit::inputMethodEvent(e);
        }
    });
}

void VertNoteEdit::Store()
{
    app::LogState& s = log_;
    const QByteArray text = StoredText(VertNoteEdit::kTextLimit - 1);
    // A memo file that cannot be written keeps the box open with its text.
    if (!app::AddMemo(s, text, rect_.left, rect_.top, 0, false))
        return;
    app::CancelNoteEdit(s);
    s.interaction.dataEntryActive = 0;
    s.view.Invalidate();
}

void VertNoteEdit::Abandon()
{
    app::LogState& s = log_;
    app::CancelNoteEdit(s);  // puts the memo's text back from the note buffer
    s.interaction.dataEntryActive = 0;
    s.view.Invalidate();
}

NoteEditWindow::NoteEditWindow(QWidget* parent, app::LogState& log, QPointer<QWidget>& slot,
                               std::function<int()> clientTop)
    : parent_(parent), log_(log), slot_(slot), clientTop_(std::move(clientTop))
{
}

VertNoteEdit* NoteEditWindow::Edit() const { return static_cast<VertNoteEdit*>(slot_.data()); }

void NoteEditWindow::Open(const platform::RECT& rect, const QByteArray& text)
{
    Destroy();
    auto* edit = new VertNoteEdit(parent_, log_, text, rect, clientTop_ ? clientTop_() : 0);
    slot_ = edit;
    edit->show();
    edit->setFocus();
}

void NoteEditWindow::Place(const platform::RECT& rect, const QByteArray& text)
{
    VertNoteEdit* edit = Edit();
    if (!edit)
        return;
    edit->PlaceOn(rect, clientTop_ ? clientTop_() : 0);
    edit->setPlainText(VertNoteEdit::DisplayText(text));
    edit->show();
}

void NoteEditWindow::Hide()
{
    if (VertNoteEdit* edit = Edit())
        edit->hide();
}

void NoteEditWindow::Destroy()
{
    QWidget* edit = slot_.data();
    slot_ = nullptr;
    if (!edit)
        return;
    // The box may be destroyed from its own key handler: it goes once the event is done.
    edit->hide();
    edit->deleteLater();
}

}  // namespace app
