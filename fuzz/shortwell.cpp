#include "shortwell.h"

#include "drilling/logalarm.h"
#include "support/wells.h"
#include "wits/witsalarms.h"

namespace fuzzing {

ShortWell::ShortWell(const QString& folder)
{
    well.dataFolder = well.currentFolder = folder;
    well.wellName = QStringLiteral("W");
    well.dataFileName = testing_support::MakeWell(folder, QStringLiteral("W.svm"), 1000, 1060);
    well.fileTopDepth = 1000;
    well.fileBottomDepth = 1060;
    driller = std::make_unique<drilling::Driller>(facts, wits::WitsAlarmHost{});
    driller->SetAlarms(std::make_unique<drilling::LogAlarm>(folder));
    state.engines.driller = driller.get();
}

}  // namespace fuzzing
