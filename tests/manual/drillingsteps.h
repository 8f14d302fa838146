#pragma once
// The steps of the drilling and station walks on a real window: the depth box's pulses and the drilling
// tick (menu items are chosen with menuitems.h).
#include "manual/menuitems.h"

class QImage;

namespace manual {

// `ticks` drilling ticks, the clock `ms` on before each.
void Tick(int ticks = 1, int ms = 6000);
// One pulse of the depth box (button 1 pressed), posted by the port and taken by the window.
void Pulse();

// The pixels of the band above the log (rows 0 to `bottom`) of the window's picture that have the
// colour `rgb`.
int PixelsOf(const QImage& picture, int bottom, unsigned rgb);

}  // namespace manual
