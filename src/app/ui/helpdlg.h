#pragma once
// HelpDlg (dialog 28, "Strativ Help"): a modeless window of fixed-pitch help text under an optional
// heading line, wide enough for its longest line. Closing it destroys it, so the guarded pointer its
// owner keeps (ToolWindows::helpWindow) is cleared when it closes.
#include "platform/ui/dialog.h"

namespace app {

class HelpDlg : public platform::Dialog {
    Q_OBJECT
public:
    enum : int { ID_TEXT = 101, ID_HEADING = 102 };

    // No heading (an empty one) hides the heading line. With `keepCaption` 0 the caption becomes
    // "GAS MONITOR HELP".
    HelpDlg(QWidget* owner, const QString& text, const QString& heading, int keepCaption);

protected:
    void SetupWindow() override;

private:
    QString text_;
    QString heading_;
    int keepCaption_;
};

}  // namespace app
