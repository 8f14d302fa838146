#pragma once
// The lithology column: one row's rock types painted side by side in the order of the profile's table,
// each over its share of the ten cells (tracks/lithrowplan.h plans the row). The screen, log images,
// the printed log, the custom lithology tracks, the horizontal-well view and the lithology entry draw
// through these two; the patterns go to the screen painter, or to the printer's while the device prints.
#include "logview/device.h"
#include "logview/viewgeometry.h"
#include "tracks/draw/lithpattern.h"
#include "tracks/lithrowplan.h"
#include "tracks/painterstate.h"
#include "tracks/tracksettings.h"
#include "wellfile/record.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>

namespace platform {
class Dc;
}

namespace tracks {

struct LithHooks {
    LithPatternPainters* patterns = nullptr;  // the real pattern painters when none
    AutomaticLith automaticLith;              // unset: every row is drawn from its record's own text
};

// What a row reads of the window, from the painters' settings, geometry and device.
LithRowSettings LithRowSettingsOf(const logview::ViewGeometry& g, const logview::Device& device,
                                  const TrackSettings& s, const PainterState& state);

// Draws the row of records[index] with its top at `rowTop` (the lithology text, or with `interpreted`
// the interpreted text, in that column). `rowHeight` is handed to the pattern painter as is: in split
// mode it is the x the items start at. On the compressed scales outside split mode the row is the
// compressed row of the five records from index. Returns 1 for a compressed row or a row in text order,
// else 0. Automatic lithology draws from the classifier's text; the record is never changed.
int DrawLithology(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device,
                  const TrackSettings& s, PainterState& state, std::span<const wellfile::RECORD> records,
                  std::size_t index, int rowHeight, int rowTop, bool split, bool interpreted,
                  const LithHooks& hooks = {});

}  // namespace tracks
