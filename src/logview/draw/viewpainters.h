#pragma once
// The neighbour painters the window draws with: each subsystem plugs its routines in here by
// overriding the calls it draws and forwarding them to its own painters (the track painters of
// src/tracks/, the memos and flares of src/entry/, the short reports of src/reports/, the pictures and
// e-log lines of src/elog/). Calls not overridden draw nothing.
#include "logview/draw/neighbourpainters.h"

namespace logview {

class ViewPainters final : public NeighbourPainters {
public:
};

}  // namespace logview
