// What the two lithology sample sheets share: the rock types' names and the sample colours of the
// coloured shales and custom types, with the "Lith is Custom" switch of "Cust 4" and the "Draw As Clay"
// switch of "Cust 5" set.
#pragma once

#include "logview/viewgeometry.h"
#include "tracks/lithtypes.h"

namespace tools {

inline constexpr const char* kLithSampleNames[tracks::kLithTypes] = {
    "blank", "dolomite", "sandstone", "anhydrite", "limestone", "chert", "silt", "silt (7)", "shale", "coal",
    "salt", "granite", "conglomerate", "oolitic ls", "glauc. ls", "fossil. ls", "bentonite",
    "glauconitic ss", "fossil. dol", "glauc. dol", "oolitic dol", "fractured", "carb. shale",
    "granite wash", "quartz wash", "cement", "carbonate wash", "red shale", "orange shale", "green shale",
    "Cust 1", "Cust 2", "Cust 3", "Cust 4", "Cust 5", "Cust 6", "Chalk", "Volcanics",
};

inline void SetSampleLithColours(logview::ViewGeometry& g)
{
    const platform::COLORREF shades[] = {platform::RGB(200, 60, 40), platform::RGB(230, 140, 40),
                                         platform::RGB(60, 160, 60), platform::RGB(150, 110, 80),
                                         platform::RGB(120, 120, 200), platform::RGB(200, 200, 120),
                                         platform::RGB(170, 90, 160), platform::RGB(90, 170, 170),
                                         platform::RGB(210, 170, 150)};
    for (int i = 0; i < 9; ++i)
        g.pens.table[std::size_t(44 + i)].colour = shades[i];
    g.pens.lith[33 + 17] = {false, true, false};
    g.pens.lith[34 + 17] = {true, false, false};
}

}  // namespace tools
