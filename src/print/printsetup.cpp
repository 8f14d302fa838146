#include "print/printsetup.h"

#include "app/logstate.h"
#include "platform/services.h"

#include <algorithm>

namespace print {

namespace {

// The choices of the set-up as the user leaves them.
struct SetupChoices {
    int start = 0, end = 0;
    bool ratePointToPoint = false, gasPointToPoint = false;
    bool ratePerHour = false, twoAndHalfInch = false;
    bool fullHeader = true, shortHeader = false;
    bool colour = false, narrowFormat = false;
    bool dataAsText = false, topsLine = false, descriptions = false;
};

bool AlwaysNarrowProfile(int profile) { return profile == 21 || profile == 86; }

SetupChoices Offered(const app::LogState& log, const PRINTCFG& cfg)
{
    const wellfile::OpenWell& file = log.well.file;
    const PrintState& ps = log.print;
    const int profile = log.well.loggerId;
    const bool alternateHeader = ps.profileOptions.alternateHeader;
    SetupChoices c;

    const bool offeredStart = cfg.startDepth > file.fileTopDepth && cfg.startDepth < file.fileBottomDepth - 100;
    c.start = std::max(offeredStart ? cfg.startDepth : file.viewTopDepth - 100, file.fileTopDepth + 2);
    c.end = file.fileBottomDepth / 2 * 2;

    c.ratePointToPoint = log.well.config.rateLineStyle == 1;
    c.gasPointToPoint = log.well.config.gasLineStyle == 1;
    c.ratePerHour = log.view.rateInMetresPerHour != 0;
    c.twoAndHalfInch = ps.twoAndHalfInch;
    c.colour = ps.colourPrinter;
    c.topsLine = log.well.config.topsLine != 0;
    if (alternateHeader && ps.scaleKind > 2)
        c.descriptions = true;
    for (int p : {17, 88, 78, 11, 4, 64})
        if (profile == p && ps.scaleKind > 2)
            c.descriptions = true;
    if (!alternateHeader || AlwaysNarrowProfile(profile))
        c.narrowFormat = !(cfg.continuousPaper && ps.tractorFeed);

    if (log.well.config.printAll) {
        c.start = file.fileTopDepth + 2;
        c.end = file.fileBottomDepth / 2 * 2;
        c.fullHeader = true;
    }
    if (ps.pageClass) {
        c.fullHeader = true;
        c.shortHeader = false;
    }
    return c;
}

}  // namespace

int RunPrintSetup(app::LogState& log, PRINTCFG& cfg)
{
    PrintState& ps = log.print;
    ps.printBottomDepth = log.well.file.fileBottomDepth;
    ps.largePrint = false;
    cfg.pictures = 0;
    const SetupChoices c = Offered(log, cfg);

    cfg.startDepth = std::max(c.start, log.well.file.fileTopDepth + 2);
    cfg.endDepth = c.end;
    if (cfg.endDepth < cfg.startDepth) {
        platform::MessageBox(QStringLiteral("Start depth greater than end depth"), QStringLiteral("Input Error"));
        return 0;
    }
    // A window scale of no kind the set-up offers leaves the field as it is: printed one record a row.
    if (ps.scaleKind >= 1 && ps.scaleKind <= 3)
        cfg.scaleKind = ps.scaleKind;
    cfg.ratePointToPoint = c.ratePointToPoint;
    cfg.gasPointToPoint = c.gasPointToPoint;
    cfg.rateInMetresPerHour = c.ratePerHour;
    cfg.twoAndHalfInch = c.twoAndHalfInch;
    cfg.fullHeader = c.fullHeader;
    cfg.shortHeader = c.shortHeader;
    cfg.colour = c.colour;

    if (!ps.profileOptions.alternateHeader || AlwaysNarrowProfile(log.well.loggerId)) {
        ps.narrowFormat = c.narrowFormat;
    } else {
        ps.narrowFormat = true;
        cfg.narrowFormat = c.narrowFormat;
    }
    log.well.config.topsLine = c.topsLine;
    ps.printDescriptions = c.descriptions;
    ps.horizontalPrint = false;
    if (c.twoAndHalfInch)
        ps.narrowFormat = false;
    ps.dataAsText = c.dataAsText;
    return 1;
}

}  // namespace print
