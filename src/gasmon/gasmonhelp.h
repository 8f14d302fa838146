#pragma once
// The text of the gas monitor set-up's help window ("GAS MONITOR HELP").
#include <QString>

namespace gasmon {

QString GasMonitorHelpText();

}  // namespace gasmon
