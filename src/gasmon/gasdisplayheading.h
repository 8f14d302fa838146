#pragma once
// The column heading of the live gas window: which instrument or link writes the lines decides the
// columns they hold.
#include <QString>

namespace gasmon {

struct HeadingInputs {
    int customLinkMode = -1;       // the custom WITS link's mode; -1 while it does not run
    bool witsGas = false;          // the WITS link runs and carries the gas
    int instrumentType = -1;
    bool type2Mode = false;        // the engine runs in its type-2 mode
    bool outsideFileMode = false;  // the engine reads an outside chromatograph's result files
    int profile = 0;               // logging-company profile
};

// The heading; the spacing is part of it (column titles over fixed-width lines).
QString GasDisplayHeading(const HeadingInputs& in);

}  // namespace gasmon
