#include "wits/ui/alarmstatusdialog.h"

#include <QLabel>

namespace wits {

AlarmStatusDialog::AlarmStatusDialog(QWidget* owner, bool headingShown) : Dialog(owner, QStringLiteral("Alarm Status"))
{
    AddStatic(platform::IDC_STATIC, QStringLiteral("Alarm Status"))->setVisible(headingShown);
    NewRow();
    AddStatic(105, QString());
    NewRow();
    AddButton(127, QStringLiteral("Disable"));
    AddStretch();
    AddButton(102, QStringLiteral("Close"), true);
}

}  // namespace wits
