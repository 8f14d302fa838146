#include "print/printsetup.h"

#include "app/logstate.h"
#include "app/wellsettings.h"
#include "platform/services.h"
#include "wellfile/profile.h"

#include <algorithm>
#include <cmath>

namespace print {

std::int32_t DepthOfText(const char* text, std::size_t size)
{
    std::size_t i = 0;
    while (i < size && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < size && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    std::int64_t value = 0;
    // The edits hold five characters; the bound keeps any longer text from overflowing.
    for (; i < size && text[i] >= '0' && text[i] <= '9' && value < 100000000; ++i)
        value = value * 10 + (text[i] - '0');
    return static_cast<std::int32_t>(negative ? -value : value);
}

int PrintedLength(const PrintLengthInput& in)
{
    if (in.dpi <= 0 || in.depthStep <= 0 || in.recordsPerRow <= 0)
        return 0;
    const double rows = std::max(0.0, double(in.end) - double(in.start)) / (double(in.depthStep) * in.recordsPerRow);
    return int(std::lround((rows * in.rowHeight + std::max(0, in.headerHeight)) / in.dpi));
}

QString ResolutionText(std::int32_t columnUnit, std::int32_t rowHeight)
{
    // A 585-dpi printer's unit of 58 stands for its nominal 600.
    const int across = columnUnit == 58 ? 600 : columnUnit * 10;
    return QStringLiteral("%1 X %2").arg(across).arg(rowHeight * 10);
}

bool AlwaysNarrowProfile(int profile) { return wellfile::FeetFormatProfile(profile); }

bool DescriptionsProfile(int profile)
{
    for (int p : {17, 88, 78, 11, 4, 64})
        if (profile == p)
            return true;
    return false;
}

std::int32_t OfferedStartDepth(std::int32_t cfgStart, std::int32_t viewTop, std::int32_t first, std::int32_t last)
{
    const std::int32_t start = cfgStart > first && cfgStart < last - 100 ? cfgStart : viewTop - 100;
    return std::max(start, first + 2);
}

HorizontalViewFacts HorizontalViewOf(const app::LogState& log)
{
    HorizontalViewFacts facts;
    if (log.print.horizontalView)
        facts = log.print.horizontalView();
    facts.open = log.notes.horizontalViewOpen && log.notes.horizontalViewOpen();
    return facts;
}

void SetScaleRadios(PrintSetupTransfer& t, std::int32_t scaleKind)
{
    t.oneTo500 = scaleKind == 1;
    t.twoFoot = scaleKind == 2;
    t.tenFoot = scaleKind == 3;
    t.tenFootFiveRates = 0;
    t.fiveFoot = 0;
}

std::int32_t ScaleKindOf(const PrintSetupTransfer& t)
{
    if (t.oneTo500)
        return 1;
    if (t.twoFoot)
        return 2;
    if (t.tenFoot || t.tenFootFiveRates)
        return 3;
    return 0;
}

int TakePrintSetup(app::LogState& log, wellfile::PRINTCFG& cfg, const PrintSetupTransfer& t)
{
    PrintState& ps = log.print;
    cfg.startDepth = std::max(DepthOfText(t.startDepth), log.well.file.fileTopDepth + 2);
    cfg.endDepth = DepthOfText(t.endDepth);
    if (cfg.endDepth < cfg.startDepth) {
        platform::MessageBox(QStringLiteral("Start depth greater than end depth"), QStringLiteral("Input Error"));
        return 0;
    }
    // No scale radio ticked (a window scale of no kind the set-up offers): the field keeps its value and
    // the log prints one record a row.
    if (const std::int32_t kind = ScaleKindOf(t))
        cfg.scaleKind = kind;
    cfg.ratePointToPoint = t.ratePointToPoint;
    cfg.gasPointToPoint = t.gasPointToPoint;
    cfg.rateInMetresPerHour = t.ratePerHour;
    cfg.twoAndHalfInch = t.twoAndHalfInch;
    cfg.fullHeader = t.fullHeader;
    cfg.shortHeader = t.shortHeader;
    cfg.colour = t.colour;

    if (!ps.profileOptions.alternateHeader || AlwaysNarrowProfile(log.well.loggerId)) {
        ps.narrowFormat = t.narrowFormat != 0;
    } else {
        // The alternate header always prints narrow; the box is kept for the header's own use.
        ps.narrowFormat = true;
        cfg.narrowFormat = t.narrowFormat;
    }
    log.well.config.topsLine = t.topsLine;
    ps.printDescriptions = t.descriptions != 0;
    ps.horizontalPrint = HorizontalViewOf(log).open && t.horizontal != 0;
    if (t.twoAndHalfInch)
        ps.narrowFormat = false;
    ps.dataAsText = t.dataAsText != 0;
    return 1;
}

bool SavePrintAll(app::LogState& log, bool printAll)
{
    const auto flag = static_cast<std::uint8_t>(printAll ? 1 : 0);
    const auto saved = app::UpdateWellConfig(log, [flag](wellfile::WellConfig& config) {
        config.printAll = flag;
        return true;
    });
    if (!saved)
        return false;
    log.well.config.printAll = flag;
    return true;
}

}  // namespace print
