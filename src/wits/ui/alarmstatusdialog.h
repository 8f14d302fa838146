#pragma once
// Dialog 32, "Alarm Status", as the WITS alarm table and the drilling alarms both show it: a heading,
// the alarm text (105), "Disable" (127) and "Close" (102). Each owner adds its handlers.
#include "platform/ui/dialog.h"

namespace wits {

class AlarmStatusDialog : public platform::Dialog {
protected:
    // The heading is hidden unless `headingShown`.
    AlarmStatusDialog(QWidget* owner, bool headingShown);
};

}  // namespace wits
