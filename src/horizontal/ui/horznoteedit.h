#pragma once
// The in-place note editor over the horizontal plot: a multi-line box (no scroll bars; Enter starts a
// new line) in the view's note font. Ctrl+Enter stores its text, with its own line wrapping, as a note
// at the box's place; Escape gives up and puts back the text a resize took. Capitals only under
// logging-company profile 21.
#include <QPlainTextEdit>

namespace horizontal {

class HorzDlg;

class HorzNoteEdit final : public QPlainTextEdit {
public:
    static constexpr int kControlId = 1;

    HorzNoteEdit(HorzDlg& view, const QByteArray& text, const QRect& rect, bool upperCase, int textLimit);

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    HorzDlg& view_;
    bool upperCase_;
    int textLimit_;
};

}  // namespace horizontal
