#pragma once
// The track title strip of the short header: a frame over the log width with the print date, the client
// title, the well's company and name, the column rules and the column captions, laid out by the
// logging-company profile.
#include "print/draw/printheader.h"

#include <QDate>

#include <string>

namespace print {

// What the header call lends the strip.
struct TrackTitleStrip {
    const PrintHeaderInput& in;
    const wellfile::WellHeader& well;  // company and well name
    const HeaderUnits& units;          // u is the call's own column unit
    const HeaderTools& tools;
    HeaderTracks shown;                // the chromatograph and description tracks are read
    const std::string& clientTitle;
};

// Draws the strip with its top at y, dated `today`; returns 1. The Dc's font, pen, brush, alignment
// and text colour are put back.
int DrawPrintTrackTitles(platform::Dc& dc, int y, const TrackTitleStrip& strip, const QDate& today);

}  // namespace print
