#pragma once
// One drawing pass of the rate curve (inside logview/draw/curveplotter.cpp): the points, the clip
// edges and the pens the pass draws with, and the decorations of the curve: the wrap-around beyond a
// track edge and the highlight shading of fast drilling.
#include "layout/draw/penof.h"
#include "platform/draw/dc.h"

#include <vector>

namespace logview {

struct CurvePass {
    CurvePass(platform::Dc& d, std::vector<platform::POINT>& curve, const std::vector<platform::POINT>& marks)
        : dc(d), points(curve), highlight(marks) {}

    platform::Dc& dc;
    std::vector<platform::POINT>& points;           // the curve, index 0 .. count
    const std::vector<platform::POINT>& highlight;  // the highlight x at the same y, or empty
    int count = 0;            // segments
    int trackLeft = 0;        // the track edges in use
    int trackRight = 0;
    int leftClip = 0;         // beyond these a rate is off scale
    int rightClip = 0;
    int topLimit = 0;         // a wrap outline never starts above it (screen: the top margin; paper: 0)
    bool blocked = false;     // the blocked line style
    platform::Pen curvePen;
    platform::Pen outlinePen;          // outline of a blocked wrap
    platform::COLORREF wrapFill = 0;   // fill under a wrapped curve
    // Shading: samples right of `shadeThreshold` and left of their highlight x.
    int shadeThreshold = 0;
    int shadeHeight = 0;               // how far above its point a sample's shading starts
    platform::COLORREF shadeColour = 0;

    // Entered at segment i when point i or i + 1 is beyond the right clip edge: draws the part beyond
    // the edge again from the left edge, shifted left by the wrap width, over a filled region, and
    // returns the index of the last segment it took.
    int WrapOffScaleRight(int i);
    // The same beyond the left clip edge of the reversed curve, wrapped in from the right edge.
    int WrapOffScaleLeft(int i);
    // The shading of segment i: point to point and blocked.
    void ShadeRateLine(int i);
    void ShadeRateSteps(int i);

private:
    int Wrap(int i, bool right);
};

}  // namespace logview
