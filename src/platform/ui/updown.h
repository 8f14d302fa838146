#pragma once
// UpDown: a pair of arrow buttons standing beside an edit of its own, as the Windows up-down control.
// It keeps a position within a range but never writes into the edit: each arrow press reports the step
// it asks for (UDN_DELTAPOS, +1 or -1) to the dialog, whose handler may take the position over itself
// (wrapping, or a value of its own in the edit). A range whose lower bound is above its upper bound runs
// backwards: the up arrow then lowers the position. The default range is 100 down to 0.
#include <QWidget>

class QToolButton;

namespace platform {

class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent);

    void SetRange(int lower, int upper);
    int Lower() const { return lower_; }
    int Upper() const { return upper_; }
    int Position() const { return position_; }
    // Sets the position without reporting a step; kept within the range.
    void SetPosition(int position);

    // The step an arrow asks for: +1 or -1, by the direction of the range.
    int UpDelta() const { return upper_ >= lower_ ? 1 : -1; }

    // Presses an arrow as the user would; nothing while the control is disabled or hidden.
    void PressUp();
    void PressDown();

signals:
    // An arrow asks for a step of `delta`; the receiver decides what becomes of it (Dialog::AddUpDown).
    void stepRequested(int delta);

private:
    QToolButton* up_;
    QToolButton* down_;
    int lower_ = 100;
    int upper_ = 0;
    int position_ = 0;
};

}  // namespace platform
