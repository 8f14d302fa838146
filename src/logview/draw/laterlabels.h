#pragma once
// The screen's labels that give way: the mud weights' values and the repeated gas scale heads are
// written after the rest of the paint, where no text, box or line of it stands. A mud weight's value
// moves right along its row past what it would meet; a gas scale head waits for the next row down
// where all its labels are clear.
#include "logview/depthcolumnoptions.h"
#include "logview/device.h"
#include "logview/draw/neighbourpainters.h"

#include <vector>

namespace logview {

// What a paint lists for the end: the labels, and the boxes and lines drawn that they keep clear of
// (the texts are in the Dc's text record).
struct LaterScreenLabels {
    std::vector<LaterLabel> mudLabels;
    std::vector<GasHeadAt> gasHeads;
    std::vector<platform::RECT> taken;
};

// Writes the labels on target.dc, whose text record holds what the paint wrote: each a pixel clear of
// every text, box and line, and of the labels written before it. A head with no clear row down to
// `lowestY` takes the nearest clear row above it down to which its scale holds (`records` are the
// paint's, the head's among them, one a row from `topY`); a mud value with no clear place before
// `rightEnd`, and a head with no clear row, stand where they were asked.
void WriteLaterLabels(const PaintTarget& target, NeighbourPainters& painters, const LaterScreenLabels& labels,
                      Records records, int topY, int rightEnd, int lowestY);

}  // namespace logview
