#include "app/printtracks.h"

#include "app/layouthosts.h"

#include <memory>

namespace app {

const layout::PrintLayout& LayoutPrintTracks(LogState& s, float b)
{
    layout::PrintInputs in;
    in.profile = s.well.loggerId;
    in.trackFlags = s.layout.schemes.trackFlags;
    in.options = s.layout.printOptions;
    in.options.altSurveyPosition = s.well.config.altSurveyPosition != 0;
    in.options.plotInterpretedLith = s.layout.schemes.plotInterpretedLith;
    in.printUnit = s.layout.printUnit;
    in.printScale = s.layout.print.printScale;
    in.quickView = s.layout.schemes.quickView;
    in.customTracksOn = s.well.customTracksEnabled;
    in.descriptionOff = s.customTracks.host.textTrackFlag != 0;
    in.customWidth = s.customTracks.host.customTotalWidth;

    std::unique_ptr<layout::CUSTOMDATA>& printData = s.customTracks.printData;
    printData.reset();
    layout::PrintLayout p = layout::LayoutTracks(s.layout.format, in, b);
    if (in.customTracksOn) {
        // The print tracks are laid out with the block the columns were (0.1 x block per screen pixel),
        // from where the printed log leaves room for them; their width then closes the log.
        RefreshCustomTrackHost(s);
        layout::CustomTrackHost& host = s.customTracks.host;
        host.printCustomX = p.customLeft;
        host.printerBlockHeight = std::int32_t(b);
        host.printScale = in.options.printScale ? p.printScale : 1.0f;
        printData = std::make_unique<layout::CUSTOMDATA>(&host, true);
        printData->Load();
        in.customPrintWidth = host.printTotalWidth;
        in.printScale = p.printScale;
        p = layout::LayoutTracks(s.layout.format, in, b);
    }
    s.layout.print = p;
    return s.layout.print;
}

}  // namespace app
