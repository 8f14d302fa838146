#include "tracks/draw/lithfigures.h"

#include "platform/draw/dc.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <vector>

namespace tracks {

namespace {

using platform::POINT;

// A polyline of offsets from (x, y).
void Path(platform::Dc& dc, int x, int y, std::initializer_list<POINT> offsets)
{
    std::vector<POINT> p;
    p.reserve(offsets.size());
    for (const POINT& o : offsets)
        p.push_back({x + o.x, y + o.y});
    dc.Polyline(p.data(), int(p.size()));
}

}  // namespace

void DrawShaleDash(platform::Dc& dc, int x, int y, int W, int H) { Line(dc, x, y + H / 2, x + W, y + H / 2); }
void DrawHalfDashRight(platform::Dc& dc, int x, int y, int W, int H) { Line(dc, x + W / 2, y + H / 2, x + W, y + H / 2); }
void DrawHalfDashLeft(platform::Dc& dc, int x, int y, int W, int H) { Line(dc, x, y + H / 2, x + W / 2, y + H / 2); }
void DrawBentoniteStroke(platform::Dc& dc, int x, int y, int W) { Path(dc, x, y, {{0, 3}, {3, 3}, {W, 4}}); }
int BentoniteStrokeReach(int W) { return std::max(3, W - 1); }

void DrawWashBlock(platform::Dc& dc, int x, int y, int H)
{
    dc.Rectangle(int(x + 0.8 * H), y + H / 2, int(x + 1.3 * H), y + H);
}

int WashBlockReach(int H) { return int(1.3 * H) - 1; }

void DrawLithFigure(platform::Dc& dc, LithFigure figure, int x, int y, int W, int H)
{
    switch (figure) {
    case LithFigure::None:
        break;
    case LithFigure::RhombStroke:
        Line(dc, x, y + H, x + W, y);
        break;
    case LithFigure::LimestoneJoint:
        Line(dc, x + 3, y, x + 3, y + H);
        break;
    case LithFigure::BrickJoint:
        Line(dc, x + W / 2, y, x + W / 2, y + H);
        break;
    case LithFigure::SandstoneDot:
        dc.Ellipse(x + 3, y + 2, x + 6, y + 5);
        break;
    case LithFigure::SandDot:
        dc.Ellipse(x + 3, y, x + 6, y + 3);
        break;
    case LithFigure::ChertPeak:
        Path(dc, x, y, {{0, H}, {W / 2, 0}, {W, H}});
        break;
    case LithFigure::VolcanicVee:
        Path(dc, x, y, {{0, 0}, {W / 2, H}, {W, 0}});
        break;
    case LithFigure::SiltDots:
        dc.SetPixel(x, y + 3, platform::RGB(0, 0, 0));
        dc.SetPixel(x + 3, y + 3, platform::RGB(0, 0, 0));
        break;
    case LithFigure::SiltDash:
        Line(dc, x, y + 3, int(x + 0.6 * W), y + 3);
        break;
    case LithFigure::Ooid:
        dc.Ellipse(x, y + 2, x + 5, y + 6);
        break;
    case LithFigure::Glauconite:
        Path(dc, x, y, {{1, 4}, {2, 3}, {3, 4}, {4, 3}, {5, 4}});
        break;
    case LithFigure::FossilA:
        Path(dc, x, y, {{4, 4}, {7, 4}, {6, 5}, {4, 6}, {2, 6}, {1, 5}, {0, 4}, {1, 1}, {4, 1}, {5, 3}, {2, 4}});
        break;
    case LithFigure::FossilB:
        Path(dc, x, y, {{3, 4}, {6, 4}, {5, 6}, {3, 7}, {2, 7}, {1, 6}, {0, 4}, {1, 2}, {2, 2}, {3, 1}, {5, 0}, {3, 4}});
        break;
    case LithFigure::CementDot:
        dc.Ellipse(x + 2, y + 1, x + 6, y + 5);
        break;
    case LithFigure::GraniteMark:
        Line(dc, x + 2, y + H - 2, x + W - 2, y + 1);
        Line(dc, x + W / 2, y + H / 2, x + W - 2, y + H - 2);
        break;
    case LithFigure::Pebble:
        dc.Ellipse(x, y + 1, x + 8, y + 8);
        dc.Ellipse(x + 2, y + 3, x + 5, y + 6);
        dc.SetPixel(x + 5, y + 5, platform::RGB(0, 0, 0));
        break;
    case LithFigure::WashTriangle:
        Path(dc, x, y, {{2, 5}, {3, 2}, {5, 5}, {2, 5}});
        break;
    case LithFigure::AnhydriteTick:
        Line(dc, x + 1, y + 3, x + 3, y + H);
        dc.LineTo(x + W, y);
        break;
    case LithFigure::AnhydriteStroke:
        Line(dc, x, y + H, x + W + 1, y - 1);
        break;
    }
}

int LithFigureReach(LithFigure figure, int W)
{
    switch (figure) {
    case LithFigure::None: return 0;
    case LithFigure::RhombStroke: return std::max(0, W - 1);
    case LithFigure::LimestoneJoint: return 3;
    case LithFigure::BrickJoint: return W / 2;
    case LithFigure::SandstoneDot:
    case LithFigure::SandDot:
    case LithFigure::CementDot: return 5;
    case LithFigure::ChertPeak:
    case LithFigure::VolcanicVee: return std::max(W / 2, W - 1);
    case LithFigure::SiltDots: return 3;
    case LithFigure::SiltDash: return std::max(0, int(0.6 * W) - 1);
    case LithFigure::Ooid:
    case LithFigure::Glauconite: return 4;
    case LithFigure::FossilA:
    case LithFigure::Pebble: return 7;
    case LithFigure::FossilB: return 6;
    case LithFigure::GraniteMark: return std::max({2, W / 2, W - 3});
    case LithFigure::WashTriangle: return 5;
    case LithFigure::AnhydriteTick: return std::max(3, W - 1);
    case LithFigure::AnhydriteStroke: return W;
    }
    return W;
}

}  // namespace tracks
