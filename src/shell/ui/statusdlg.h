#pragma once
// STATUSDLG: a small window of two status lines for long operations (the archive of New); the window's
// services make it (app::WindowServices::ShowStatus) and close it.
#include "platform/ui/dialog.h"

#include <optional>

namespace shell {

class STATUSDLG : public platform::Dialog {
    Q_OBJECT
public:
    enum : int { ID_LINE1 = 101, ID_LINE2 = 102 };
    static constexpr int kLineLength = 255;  // characters a line holds

    explicit STATUSDLG(QWidget* owner);

    // With `hide` false: sets the lines given (a line not given stays) and shows the window; with `hide`
    // true: hides it.
    void SetStatus(const std::optional<QString>& line1, const std::optional<QString>& line2, bool hide);
};

}  // namespace shell
