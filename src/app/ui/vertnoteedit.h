#pragma once
// The note edit over the log: a multi-line box in which a memo is typed where its frame was dragged.
// Ctrl+Enter stores the text as a memo at the box's place; Escape abandons the edit and puts the memo's
// earlier text back; every other key edits, a plain Enter starting a new line. While the box is open the
// window refuses menu commands (ToolWindows::memoEdit is set).
//
// The stored text is Windows-1252, with the box's soft line breaks as "\r\r\n" (the form Windows
// stations write and read) and its hard ones as "\r\n".
#include "app/notes.h"

#include <QPlainTextEdit>
#include <QPointer>

#include <functional>

namespace app {

struct LogState;

class VertNoteEdit : public QPlainTextEdit {
public:
    static constexpr int kTextLimit = 500;  // with the terminating NUL of the record's field

    // On `rect` of the window's client area (`clientTop` is where that area starts in `parent`).
    VertNoteEdit(QWidget* parent, app::LogState& log, const QByteArray& text, const platform::RECT& rect,
                 int clientTop);

    // The text as a memo stores it: each line as the box shows it, wrapped or typed, ended by "\r\n" as
    // every other line break of the memo file is (the memo dialog then keeps the wraps the box made), at
    // most `limit` bytes.
    QByteArray StoredText(int limit) const;
    // Moves the box to `rect` of the client area.
    void PlaceOn(const platform::RECT& rect, int clientTop);
    const platform::RECT& Rect() const { return rect_; }

    // The memo text given as the box shows it: soft breaks joined, hard ones as new lines.
    static QString DisplayText(const QByteArray& stored);

protected:
    // Every way text enters the box (keys, pastes from the keys or the right-click menu, drops, input
    // methods) goes through Checked and, in a first-column note of the 21/86 format, in capitals.
    void keyPressEvent(QKeyEvent* e) override;
    void insertFromMimeData(const QMimeData* source) override;
    void inputMethodEvent(QInputMethodEvent* e) override;

private:
    bool UpperCaseOnly() const;
    // Runs `edit` and undoes it with a beep when the stored text would then pass what a memo holds.
    void Checked(const std::function<void()>& edit);
    void Store();
    void Abandon();
    app::LogState& log_;
    platform::RECT rect_;
    bool checking_ = false;
};

// The text of a multi-line edit as a memo stores it: the edit's soft line breaks (where its own width
// wraps the lines) as `softBreak`, hard ones as "\r\n", Windows-1252, at most `limit` bytes.
QByteArray WrappedEditText(const QPlainTextEdit& edit, int limit, const QString& softBreak = QStringLiteral("\r\r\n"));

// The window's note edit as the note code drives it: made, moved, hidden and destroyed in
// ToolWindows::memoEdit.
class NoteEditWindow final : public app::NoteEditHost {
public:
    NoteEditWindow(QWidget* parent, app::LogState& log, QPointer<QWidget>& slot, std::function<int()> clientTop);
    bool IsOpen() const override { return !slot_.isNull(); }
    void Open(const platform::RECT& rect, const QByteArray& text) override;
    void Place(const platform::RECT& rect, const QByteArray& text) override;
    void Hide() override;
    void Destroy() override;
    VertNoteEdit* Edit() const;

private:
    QWidget* parent_;
    app::LogState& log_;
    QPointer<QWidget>& slot_;
    std::function<int()> clientTop_;
};

}  // namespace app
