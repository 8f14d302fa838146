#include "print/printrunfiles.h"

#include "wellfile/wellconfig.h"
#include "wellfile/wholefile.h"

namespace print {

std::int32_t DefaultPrintStart(std::int32_t viewTopDepth, std::int32_t lastPrintedDepth, std::int32_t firstDepth,
                               std::int32_t lastDepth)
{
    if (lastPrintedDepth > firstDepth && lastPrintedDepth < lastDepth - 500)
        return lastPrintedDepth;
    return viewTopDepth - 100;
}

bool SaveLastPrintedDepth(const wellfile::WellPlace& place, bool& fieldSettings, std::int32_t depth)
{
    if (place.wellName.isEmpty())
        return false;
    wellfile::WellConfig config{};
    if (!wellfile::ReadExactFile(wellfile::OwnConfigPath(place, fieldSettings), &config, sizeof config))
        return false;
    config.lastPrintedDepth = depth;
    return wellfile::SaveConfig(config, place, fieldSettings) != 0;
}

}  // namespace print
