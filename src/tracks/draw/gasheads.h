#pragma once
// The scale heads of the gas track and of the curve track (gamma, weight on bit), and the printed
// logarithmic grid of the gas track. On the screen or on paper by the device.
#include "logview/device.h"
#include "logview/viewgeometry.h"
#include "tracks/painterstate.h"
#include "tracks/tracksettings.h"
#include "wellfile/record.h"

namespace platform {
class Dc;
}

namespace tracks {

// The gas head of the row at y, h high: the decade labels of the logarithmic scale (only in the head
// at the top of the log, inBody 0), or the seven labels of the record's compressed scale. Returns 1.
int DrawGasScaleHeader(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device,
                       const TrackSettings& s, const wellfile::RECORD& rec, int y, int h, int inBody);

// The gamma head: the gamma scale's labels over a rule across the curve track, in the gamma colour
// (the real-time gamma colour with altColour). Screen: below the log's bottom; paper: at printY.
// Returns 1.
int DrawTrackScaleHeader(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device,
                         const TrackSettings& s, int printY, int rowHeight, bool altColour);
// The weight-on-bit head, "0" to "60". Returns 1.
int DrawTrackScaleHeader2(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device,
                          int printY, int rowHeight);

// Draws `rows` rows of the printed gas track's grid of five decades from y, the first line of each row
// at x0, and keeps the x of its last line as the printed grid's right edge. Returns 1.
int PrintGasLogGrid(platform::Dc& dc, const logview::Device& device, PainterState& state, int rowHeight, int y,
                    int rows, int x0);

}  // namespace tracks
