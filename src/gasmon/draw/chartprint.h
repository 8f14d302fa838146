#pragma once
// The gas chart on paper: one page in the printer's own units, one unit per sample, 3,200 samples from
// the newest at the top, on the linear scale across 1,500 units, with the grid, the time, depth and
// lag-depth labels, the minute lines and the notes; and the printout that prints that one page.
#include "gasmon/draw/gaschart.h"
#include "platform/draw/printout.h"

#include <functional>

namespace gasmon {

// The page in printer units.
constexpr int kPrintChartPlotLeft = 200;
constexpr int kPrintChartPlotRight = 1700;
constexpr int kPrintChartRows = 3200;
// A note's label box on paper.
constexpr int kPrintChartNoteHeight = 50;
// The highest view start a page takes: its top row is then sample 43,190.
constexpr int kPrintChartViewStartHighest = kChartSlotsPerDay - 3210;

// The page of the day from `frame`'s view start (lowered to kPrintChartViewStartHighest): samples from the
// view start + 3,200 down to the view start + 1, never below 1. The frame's pixels per sample, logarithmic
// flag and geometry are not used. Gives the view start drawn from.
int PrintChart(platform::Dc& dc, const ChartFrame& frame, const ChartPens& pens);

// "StrativM Chart": one page, drawn by `draw`.
class ChartPrintout final : public platform::Printout {
public:
    static constexpr char kTitle[] = "StrativM Chart";

    explicit ChartPrintout(std::function<void(platform::Dc&)> draw)
        : Printout(QString::fromLatin1(kTitle)), draw_(std::move(draw))
    {
    }
    bool HasPage(int) override { return pagesLeft_ > 0; }
    void PrintPage(platform::Dc& dc, int, const platform::RECT&, unsigned) override;

private:
    std::function<void(platform::Dc&)> draw_;
    int pagesLeft_ = 1;
};

}  // namespace gasmon
