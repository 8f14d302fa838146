// Planning a print run on a 15 x 11 in page at 300 dpi with no margins (4500 x 3300 px, row height 24,
// column unit 30) for a well logged 1000-2600.
#include "print/printrun.h"

#include <gtest/gtest.h>

#include <vector>

using namespace print;

namespace {

struct LayoutCall {
    int rowHeight, columnUnit;
};

// A log run 1000-2000 whose layout is `width` px wide at any unit, recording the
// units it is laid out with.
PrintRunInput LogRun(std::vector<LayoutCall>& calls, int width = 3000)
{
    PrintRunInput in;
    in.cx = 4500;
    in.cy = 3300;
    in.rowHeight = 24;
    in.columnUnit = 30;
    in.scaleKind = 1;
    in.fullHeader = true;
    in.range = {1000, 2000};
    in.firstDepth = 1000;
    in.lastDepth = 2600;
    in.dataFolder = "/data";
    in.wellName = "W1";
    in.layoutWidth = [&calls, width](int row, int unit) {
        calls.push_back({row, unit});
        return width;
    };
    return in;
}

}  // namespace

TEST(PrintRun, LogRunOnTheTestPage)
{
    std::vector<LayoutCall> calls;
    const PrintRunPlan p = PlanPrintRun(LogRun(calls));
    EXPECT_FLOAT_EQ(p.pageLength, 13.75f);
    EXPECT_FLOAT_EQ(p.pageWidth, 18.75f);
    EXPECT_EQ(p.rowsPerPage, 136);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].rowHeight, 24);
    EXPECT_EQ(calls[0].columnUnit, 30);
    EXPECT_EQ(p.columnUnit, 22);  // drawn at three quarters
    EXPECT_FLOAT_EQ(p.scaleFactor, 1.5f);
    EXPECT_EQ(p.range.start, 1002);
    EXPECT_EQ(p.pages, 8);
    EXPECT_EQ(p.failure, PrintRunFailure::None);
    EXPECT_EQ(p.pdfName, "/data/sendfile/W1@2000-5inch.pdf");

    PrintRunInput tenFoot = LogRun(calls);
    tenFoot.scaleKind = 3;
    tenFoot.range = {1003, 1997};
    const PrintRunPlan k3 = PlanPrintRun(tenFoot);
    EXPECT_EQ(k3.rowsPerPage, 137);
    EXPECT_EQ(k3.pages, 3);
    EXPECT_EQ(k3.pdfName, "/data/sendfile/W1@1990-1inch.pdf");
    tenFoot.fullHeader = false;
    EXPECT_EQ(PlanPrintRun(tenFoot).pages, 2);

    // 1000-2100 fills 8 pages less the two units below the first depth: no ninth page without the header.
    PrintRunInput longer = LogRun(calls);
    longer.range = {1000, 2100};
    EXPECT_EQ(PlanPrintRun(longer).pages, 9);
    longer.fullHeader = false;
    EXPECT_EQ(PlanPrintRun(longer).pages, 8);

    PrintRunInput text = LogRun(calls);
    text.dataAsText = true;
    EXPECT_EQ(PlanPrintRun(text).pages, 7);
    PrintRunInput dst = LogRun(calls);
    dst.dstCount = 3;
    EXPECT_EQ(PlanPrintRun(dst).pages, 10);
    // Without the header the log still needs its 8 pages: the two report pages come on top.
    dst.fullHeader = false;
    EXPECT_EQ(PlanPrintRun(dst).pages, 10);
}

TEST(PrintRun, TwoAndAHalfInchHalvesTheRowsButKeepsThePageLength)
{
    std::vector<LayoutCall> calls;
    PrintRunInput in = LogRun(calls);
    in.twoAndHalfInch = true;
    in.narrowFormat = true;
    in.scaleKind = 3;
    const PrintRunPlan p = PlanPrintRun(in);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].rowHeight, 12);
    EXPECT_EQ(calls[0].columnUnit, 15);
    EXPECT_EQ(p.rowHeight, 12);
    EXPECT_EQ(p.scaleKind, 2);
    EXPECT_FALSE(p.narrowFormat);
    EXPECT_FLOAT_EQ(p.pageLength, 13.75f);
    EXPECT_EQ(p.rowsPerPage, 136);
    EXPECT_EQ(p.margins.yOffsets, (std::array<int, 5>{0, 6, 12, 3, 9}));
}

TEST(PrintRun, FixedPageClassForcesTheFullHeader)
{
    std::vector<LayoutCall> calls;
    PrintRunInput in = LogRun(calls);
    in.fullHeader = false;
    in.cy = 3072;
    EXPECT_TRUE(PlanPrintRun(in).fullHeader);
    in.cy = 3300;
    EXPECT_FALSE(PlanPrintRun(in).fullHeader);
}

TEST(PrintRun, LayoutFailuresPrintNoPages)
{
    std::vector<LayoutCall> calls;
    const PrintRunPlan narrow = PlanPrintRun(LogRun(calls, 9));
    EXPECT_EQ(narrow.failure, PrintRunFailure::WidthCalculation);
    EXPECT_EQ(narrow.pages, 0);

    // Custom tracks wider than the paper: compression shrinks the unit, not below 0.6 of it.
    PrintRunInput wide = LogRun(calls, 6000);
    wide.customTracks = true;
    wide.compression = true;
    calls.clear();
    const PrintRunPlan tooWide = PlanPrintRun(wide);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].columnUnit, 22);  // 30 x 0.75 scale factor
    EXPECT_EQ(tooWide.failure, PrintRunFailure::TooWide);
    EXPECT_EQ(tooWide.pages, 0);

    int laidOut = 0;
    wide.layoutWidth = [&laidOut](int, int unit) { return ++laidOut == 1 ? 9000 : unit * 150; };
    const PrintRunPlan fitted = PlanPrintRun(wide);
    EXPECT_EQ(fitted.failure, PrintRunFailure::None);
    EXPECT_EQ(fitted.columnUnit, 18 * 3 / 4);  // shrunk to the 0.6 floor, then drawn at three quarters
    EXPECT_EQ(fitted.pages, 8);

    // Without compression the wide log is printed as it is (scaled down by the painter).
    wide.compression = false;
    EXPECT_EQ(PlanPrintRun(wide).failure, PrintRunFailure::None);
}

TEST(PrintRun, HeaderOnlyAndTopsRunsMakeOnePage)
{
    std::vector<LayoutCall> calls;
    PrintRunInput in = LogRun(calls);
    in.kind = PrintRunKind::HeaderOnly;
    in.narrowFormat = true;
    const PrintRunPlan header = PlanPrintRun(in);
    EXPECT_EQ(header.pages, 1);
    EXPECT_EQ(header.columnUnit, 22);
    EXPECT_EQ(calls.size(), 1u);

    in.kind = PrintRunKind::Tops;
    calls.clear();
    EXPECT_EQ(PlanPrintRun(in).pages, 1);
    EXPECT_TRUE(calls.empty());
}
