#include "tracks/tracksettingsof.h"

#include "app/logstate.h"
#include "drilling/driller.h"
#include "layout/trackflags.h"

namespace tracks {

tracks::TrackSettings TrackSettingsOf(const app::LogState& s)
{
    const wellfile::WellConfig& cfg = s.well.config;
    tracks::TrackSettings t;
    t.logGasScale = cfg.logGasScale != 0;
    t.linearGasScale = cfg.linearGasScale != 0;
    t.gasPercent = cfg.gasPercentMode != 0;
    t.drawPpmScale = cfg.drawPpmScale != 0;
    t.combineIc4Nc4 = cfg.combineIc4Nc4 != 0;
    t.hotwire = s.options.hotwire;
    t.gasPointToPoint = cfg.gasLineStyle == 1;
    for (std::size_t i = 0; i < t.gasStrokes.size(); ++i)
        t.gasStrokes[i] = s.layout.pens.table.entry[i].width;

    t.gammaScale = cfg.curveSetting;
    t.co2Scale = cfg.co2ScaleCode;
    t.reverseCo2 = cfg.reverseCo2 != 0;
    t.rtGammaOffset = s.layout.schemes.gammaLag;
    t.customTracksEnabled = s.well.customTracksEnabled;
    // Track flags 8-13 show the e-log resistivity curves, on the gas track too.
    for (std::size_t i = 0; i < t.elogOnGasTrack.size(); ++i)
        t.elogOnGasTrack[i] = layout::On(s.layout.schemes.trackFlags, int(i) + 8);

    t.interpretedLith = cfg.plotInterpretedLith != 0;
    t.shaleOnLeft = cfg.shaleOnLeft != 0 && s.well.loggerId != 2;
    // The open horizontal-well view's text-order switch (off while no view is open).
    t.lithTextOrder = s.view.horizontalLithInOrder;
    return t;
}

tracks::TopsView TopsViewOf(const app::LogState& s)
{
    tracks::TopsView v;
    v.tops = s.well.tops;
    v.kbElevation = s.well.kbElevation;
    v.screenShown = s.view.topsShown;
    v.printShown = s.print.topsPrinted;
    v.drillingMarker = s.engines.driller != nullptr && s.engines.driller->Setup().depthMarker != 0;
    return v;
}

tracks::CurveValueSettings CurveValueSettingsOf(const app::LogState& s)
{
    tracks::CurveValueSettings v;
    v.profile = s.well.loggerId;
    v.fitData = s.well.fit.dataEnabled;
    v.realTimeDepthMargin = s.well.config.rtResLag;
    v.firstDepth = s.well.file.fileTopDepth;
    v.lastDepth = s.well.file.fileBottomDepth;
    if (const layout::CUSTOMDATA* data = s.customTracks.data.get()) {
        v.customDataEndDepth = data->extLastDepth;
        v.defaultMotorFactor = data->defaultMotorFactor;
        v.lag = data->lagSettings;
    }
    return v;
}

tracks::CustomTrackWindow CustomTrackWindowOf(app::LogState& s)
{
    tracks::CustomTrackWindow w;
    w.screen = s.customTracks.data.get();
    w.printer = s.customTracks.printData.get();
    w.drilling = s.well.file.drilling;
    w.pictureList = s.view.picturesPresent;
    w.surveyDisplay = s.view.surveyShown;
    w.drillingRowY = s.well.file.drilling ? s.view.currentRowY : 0;
    return w;
}

}  // namespace tracks
