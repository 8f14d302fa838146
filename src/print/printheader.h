#pragma once
// What the printed header works out before it draws: its units from the print's row height and column
// unit, the client title, the rate unit, the names of the shale swatches and the logo file of the two
// logging companies that print one.
#include "layout/pentable.h"

#include <QDate>
#include <QString>

#include <cstdint>
#include <string>

namespace print {

// The units of one header call, in printer pixels.
struct HeaderUnits {
    int R = 0;  // row height: a tenth of an inch down the page
    int u = 0;  // column unit, at least 20 with custom tracks
    int f = 0;  // font unit
    int t = 0;  // text unit
    int s = 0;  // line step
    int M = 0;  // the page's left margin
    int L = 0;  // the label column
    int W = 0;  // the frame's right end
};

struct HeaderUnitsInput {
    int rowHeight = 0;
    int columnUnit = 0;
    bool customTracks = false;   // the custom-track object exists
    bool twoAndHalfInch = false;
    int leftMargin = 0;
    int logWidth = 0;            // the layout's log width
    float pageWidth = 0;         // the page's width in tens of rows; 0: not known
};

HeaderUnits HeaderUnitsFor(const HeaderUnitsInput& in);

// The client title the track title strip prints: operator code 2 takes the first of the two.
std::string ClientTitleFor(std::int32_t operatorCode);

// The rate unit under "Drilling Rate".
const char* RateUnitText(bool perHour, int scaleKind);

// The caption layout of the short header's track title strip for a logging-company profile: 1 to 4, or
// 0 for the profiles whose strip has no captions.
int TrackTitleLayout(int profile);

// The strip's print date: month, day and the year's last two digits, "3-19-16".
std::string TrackTitleDate(const QDate& date);

// The name of shale swatch `entry` (44-52): the user name of a custom shade, or "Cust Sh1" .. "Cust Sh6"
// when it is empty; the three fixed shades have their own names.
std::string ShadeName(const layout::PenTable& table, int entry);

// The logo of profile 134 or 23 in the "bitmaps" folder of the data folder, found whatever the letter
// case of the folder and the file; empty for every other profile.
QString LogoFileFor(const QString& dataFolder, int profile);

}  // namespace print
