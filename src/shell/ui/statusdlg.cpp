#include "shell/ui/statusdlg.h"

namespace shell {

STATUSDLG::STATUSDLG(QWidget* owner) : Dialog(owner, QStringLiteral("Status"))
{
    AddStatic(ID_LINE1, QString());
    NewRow();
    AddStatic(ID_LINE2, QString());
}

void STATUSDLG::SetStatus(const std::optional<QString>& line1, const std::optional<QString>& line2, bool hide)
{
    if (hide) {
        this->hide();
        return;
    }
    if (line1)
        SetText(ID_LINE1, line1->left(kLineLength));
    if (line2)
        SetText(ID_LINE2, line2->left(kLineLength));
    show();
}

}  // namespace shell
