#pragma once
// The small figures of the rock patterns, drawn in the pen and brush in force with the cell's top-left
// corner at (x, y), W the cell width and H the row height.
#include "tracks/lithstyles.h"

namespace platform {
class Dc;
}

namespace tracks {

void DrawLithFigure(platform::Dc& dc, LithFigure figure, int x, int y, int W, int H);
// How far right of x the figure's rightmost pixel lies (a line's last point and an ellipse's right side
// are not drawn).
int LithFigureReach(LithFigure figure, int W);

// The shales' dashes at mid-height: the whole cell, its right half or its left half.
void DrawShaleDash(platform::Dc& dc, int x, int y, int W, int H);
void DrawHalfDashRight(platform::Dc& dc, int x, int y, int W, int H);
void DrawHalfDashLeft(platform::Dc& dc, int x, int y, int W, int H);
// Bentonite's stroke: a step down across the cell; its reach as LithFigureReach gives it.
void DrawBentoniteStroke(platform::Dc& dc, int x, int y, int W);
int BentoniteStrokeReach(int W);
// The washes' block below the triangle: its x extent scales with the row height.
void DrawWashBlock(platform::Dc& dc, int x, int y, int H);
int WashBlockReach(int H);

}  // namespace tracks
