#include "print/ui/printheaderof.h"

#include "app/activitylines.h"
#include "app/logstate.h"
#include "app/opendatafile.h"
#include "platform/services.h"
#include "platform/text.h"
#include "print/draw/printheadersymbols.h"
#include "print/draw/printheadertitles.h"
#include "print/sendheadercopy.h"
#include "print/ui/logpages.h"
#include "platform/draw/dc.h"

#include <QImage>

#include <algorithm>
#include <string>

namespace print {

PrintHeaderInput PrintHeaderInputOf(app::LogState& log)
{
    const PrintState& ps = log.print;
    const layout::LogLayout& format = log.layout.format;
    const layout::PrintLayout& p = log.layout.print;
    const layout::TrackFlags& flags = log.layout.schemes.trackFlags;
    PrintHeaderInput in;
    in.profile = log.well.loggerId;
    in.rowHeight = ps.rowHeight;
    in.columnUnit = ps.columnUnit;
    in.leftMargin = p.margin;
    in.logWidth = p.rightEnd;
    in.columns = PaperDeviceOf(log).printer;
    in.porosityColumns = format.show1.count;
    in.oilColumns = format.show2.count;
    in.cutColumns = format.show3.count;
    in.extraColumns = format.interpreted.count;
    in.columnPixels = p.showCell;
    in.descriptionOffset = format.alternateFormat;
    in.interpretedLithology = in.columns.interpretedLeft > 0;
    in.customTracksObject = log.customTracks.data != nullptr;
    in.customTracksOn = log.well.customTracksEnabled;
    in.kept.chromatograph = layout::On(flags, layout::FLAG_GAS);
    in.kept.descriptions = layout::On(flags, layout::FLAG_DESCRIPTIONS) || layout::On(flags, layout::FLAG_MEMOS);
    in.kept.lithology = layout::On(flags, layout::FLAG_LITHOLOGY);
    in.kept.shows = layout::On(flags, layout::FLAG_SHOWS);
    in.kept.rate = layout::On(flags, layout::FLAG_ROP);
    in.scaleKind = ps.scaleKind;
    in.ratePerHour = log.view.rateInMetresPerHour != 0;
    in.colourPrint = ps.printInColour;
    in.customerFlag = log.well.companyFlag;
    in.twoAndHalfInch = ps.twoAndHalfInch;
    in.printDescriptions = ps.printDescriptions;
    in.gammaScale = log.well.config.curveSetting;
    in.pens = &log.layout.pens;
    in.dataFolder = log.well.file.dataFolder;
    in.place = app::PlaceOf(log);
    in.trackTitles = [&log](platform::Dc& dc, int y, const TrackTitleStrip& strip) {
        log.now = platform::LocalTime();
        return DrawPrintTrackTitles(dc, y, strip, log.now.date());
    };
    const LegendSymbolStyle symbols{in.rowHeight, in.profile, in.colourPrint, &log.layout.pens.table};
    in.legendSymbol = [symbols](platform::Dc& dc, int kind, int x, int y, int w) {
        DrawLegendSymbol(dc, symbols, kind, x, y, w);
    };
    if (log.env.verboseActivityLog)
        in.trace = [&log](const QString& line) {
            app::WriteActivityLine(log, platform::ToCp1252(line).toStdString());
        };
    return in;
}

PrintHeaderFn PrintHeaderOf(app::LogState& log)
{
    return [&log](platform::Dc& dc, wellfile::PRINTCFG& settings, int) {
        // A drilling station stamps and sends the header it prints.
        SendHeaderCopy(log);
        return DrawPrintHeader(dc, PrintHeaderInputOf(log), &settings, log.print.clientTitle);
    };
}

int PrintHeaderHeight(app::LogState& log, const wellfile::PRINTCFG& settings)
{
    PrintHeaderInput in = PrintHeaderInputOf(log);
    in.measureOnly = true;
    in.trace = {};
    wellfile::PRINTCFG full = settings;
    full.fullHeader = 1;
    full.shortHeader = 0;
    QImage scratch(1, 1, QImage::Format_RGB32);
    platform::Dc dc(scratch);
    std::string title;
    return std::max(0, DrawPrintHeader(dc, in, &full, title));
}

}  // namespace print
