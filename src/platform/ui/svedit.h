#pragma once
// SVEdit: the edit field of the program's dialogs. Enter moves the focus to the next control of the
// dialog's tab order (after the last, round to the first) instead of pressing the default button, so a
// form of numbers is filled in field by field; every other key is a plain edit's.
#include <QLineEdit>

namespace platform {

class SVEdit : public QLineEdit {
    Q_OBJECT
public:
    // `textLimit` counts the terminating NUL of the record field the text goes to: the edit takes at
    // most textLimit - 1 characters. 0 leaves it unlimited.
    explicit SVEdit(QWidget* parent, int textLimit = 0);

    void SetTextLimit(int textLimit);

signals:
    // The focus left the edit for another control of the same window (EN_KILLFOCUS).
    void focusLost();
    // The focus came into the edit from another control of the same window (EN_SETFOCUS).
    void focusGained();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
};

}  // namespace platform
