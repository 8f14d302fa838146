#include "gasmon/gasdisplayheading.h"

#include "wellfile/profile.h"

namespace gasmon {

QString GasDisplayHeading(const HeadingInputs& in)
{
    const int type = in.instrumentType;
    const int p = in.profile;
    const bool byWits = in.witsGas || type == 10 || type == 6 || in.type2Mode;
    if (in.customLinkMode == 2 || in.customLinkMode == 5)
        return QStringLiteral("HW    C1   C2   C3   IC4  Nc4  IC5   NC5   CO2  Run");
    if (type == 14)
        return QStringLiteral("TG     C1    C2    C3    IC4   Nc4   IC5    NC5   Run");
    if (byWits && (in.type2Mode || p == 2))
        return QStringLiteral("TG    C1   C2   C3   IC4  Nc4  IC5   NC5   CO2");
    if (byWits && type == 11 && wellfile::FeetFormatProfile(p))
        return QStringLiteral("HW    C1   C2   C3   IC4  Nc4  IC5   NC5   CO2");
    if (byWits && type == 11)
        return QStringLiteral("HW    C1   C2   C3   IC4   NC4  CO2   Run");
    if (byWits && type == 13)
        return QStringLiteral("TG    C1   C2   C3   IC4  Nc4 ");
    if (byWits)
        return QStringLiteral("TG   C1      C2     C3     IC4    Nc4   IC5   Nc5    Run");
    if (in.outsideFileMode)
        return QStringLiteral("TG    C1   C2    C3   IC4   Nc4  IC5  NC5  Cycletime");
    if (type == 4)
        return QStringLiteral("HW    S   C2   C3   IC4  Nc4  C1 Index Cycletime");
    if (wellfile::DiagonalAnhydriteProfile(p))
        return QStringLiteral("HW    C1   C2   C3   IC4  Nc4  Index  CycleTime");
    return QStringLiteral("HW    C1   C2   C3   IC4  Nc4  C5 Index CycleTime");
}

}  // namespace gasmon
