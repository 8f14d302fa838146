#pragma once
// The in-place note editor over the horizontal plot: a multi-line box (no scroll bars; Enter starts a
// new line) in the view's note font. Ctrl+Enter stores its text, with its own line wrapping, as a note
// at the box's place; a note opened for editing and left as it was is handed back byte for byte.
// Escape gives up and puts back the text a resize took. Capitals only under logging-company profile 21.
// It refuses text beyond what the note's record keeps (`limit` bytes as stored), as the memo editor does.
#include <QByteArray>
#include <QPlainTextEdit>

class QMimeData;

namespace horizontal {

class HorzDlg;

class HorzNoteEdit final : public QPlainTextEdit {
public:
    static constexpr int kControlId = 1;

    // `keepUnchanged`: `text` is a stored note's text, handed back as it is when the box still shows it.
    HorzNoteEdit(HorzDlg& view, const QByteArray& text, const QRect& rect, bool upperCase, int limit,
                 bool keepUnchanged = false);

    // The text as the note stores it: the stored text when unchanged, else the box's lines with its soft
    // breaks ("\r\r\n") and hard ones ("\r\n"); without the soft breaks when they would not fit.
    QByteArray StoredText() const;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Puts `before` back (and beeps) when the last change made the text longer than the record keeps.
    void RefuseBeyondLimit(const QString& before, int cursorAt);

    HorzDlg& view_;
    bool upperCase_;
    int limit_;
    QByteArray original_;
    bool keepUnchanged_;
};

}  // namespace horizontal
