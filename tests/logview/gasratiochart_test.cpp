// The gas-ratio chart: the ratios taken from a depth record or from the ".fit", and the chart's texts
// where the caption and the column labels stand.
#include "logview/draw/gasratiochart.h"
#include "logview/gasratios.h"
#include "logview/ui/rightbutton.h"
#include "platform/draw/dc.h"
#include "support/files.h"
#include "support/testmain.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <utility>

using logview::GasRatios;
using testing_support::TestDir;

namespace {

const platform::DcText* Text(const platform::Dc& dc, const QString& text)
{
    for (const platform::DcText& t : dc.TextRecord())
        if (t.text == text)
            return &t;
    return nullptr;
}

}  // namespace

TEST(GasRatios, RecordRatiosAreZeroWhereTheDivisorIsNotAboveZero)
{
    wellfile::RECORD r;
    r.depth = 1500;
    r.gas[wellfile::GAS_C1] = 900;
    r.gas[wellfile::GAS_C2] = 0;
    r.gas[wellfile::GAS_C3] = 90;
    r.gas[wellfile::GAS_IC4] = 5;
    r.gas[wellfile::GAS_NC4] = -5;  // a labelled value makes the sum 0
    r.gas[wellfile::GAS_IC5] = 2;
    r.gas[wellfile::GAS_NC5] = 7;
    const GasRatios g = logview::RatiosOfRecord(r);
    EXPECT_EQ(g.values, (std::array<float, 4>{0, 10, 0, 100}));
    EXPECT_EQ(g.depth, 1500);
    // Not above 0 plots on the bottom line, like 1; 1000 on the top line.
    EXPECT_EQ(logview::GasRatioY(0, 160, 300), 460);
    EXPECT_EQ(logview::GasRatioY(-3, 160, 300), 460);
    EXPECT_EQ(logview::GasRatioY(1000, 160, 300), 160);
}

TEST(GasRatios, FitRecordsAreReadIntoTheirOwnBuffer)
{
    std::vector<wellfile::EXTRECORD> file(20);
    for (int i = 0; i < 20; ++i) {
        file[std::size_t(i)].depth = float(2000 + i);
        file[std::size_t(i)].recordLength = wellfile::kExtRecordSize;
    }
    const float ratios[] = {12.5f, 30, 55, 90};
    std::memcpy(reinterpret_cast<char*>(&file[7]) + 186, ratios, sizeof ratios);
    wellfile::FitFile fit;
    fit.path = TestDir() + "w.fit";
    fit.topDepth = 2000;
    fit.bottomDepth = 2019;
    testing_support::WriteRecords(fit.path, file);

    // Five depth records ask for ten ext records; the file's end limits them, nothing runs over.
    const std::optional<GasRatios> g = logview::ReadExtRatios(fit, 2007, 5);
    ASSERT_TRUE(g);
    EXPECT_EQ(g->values, (std::array<float, 4>{12.5f, 30, 55, 90}));
    EXPECT_EQ(g->depth, 2007);
    EXPECT_TRUE(logview::ReadExtRatios(fit, 2018, 5));
    // The caption's depth: a damaged record's depth that no int holds reads as none.
    file[8].depth = 3e9f;
    file[9].depth = -3e9f;
    file[10].depth = std::numeric_limits<float>::quiet_NaN();
    file[11].depth = 2.1e9f;
    testing_support::WriteRecords(fit.path, file);
    for (const auto& [at, depth] : {std::pair{2008, 0}, {2009, 0}, {2010, 0}, {2011, 2100000000}})
        EXPECT_EQ(logview::ReadExtRatios(fit, at, 1).value().depth, depth) << at;
    EXPECT_FALSE(logview::ReadExtRatios(fit, 1999, 5));
    EXPECT_FALSE(logview::ReadExtRatios(fit, 2020, 5));
    fit.path = TestDir() + "none.fit";
    EXPECT_FALSE(logview::ReadExtRatios(fit, 2007, 5));
}

TEST(GasRatioChart, CaptionAndLabelsStandBelowTheBox)
{
    QImage image(600, 600, QImage::Format_RGB32);
    image.fill(Qt::white);
    platform::Dc dc(image);
    dc.RecordText(true);
    GasRatios g;
    g.values = {10, 20, 50, 100};
    g.depth = 1100;
    logview::DrawGasRatioChart(dc, {100, 50, 10, 10}, g);

    const platform::DcText* caption = Text(dc, "Depth 1100 M");
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->at.x, 250);
    EXPECT_EQ(caption->at.y, 355);
    EXPECT_EQ(caption->align, unsigned(platform::TA_CENTER | platform::TA_TOP));
    const char* labels[] = {"C1/C2", "C1/C3", "C1/C4", "C1/C5"};
    for (int k = 0; k < 4; ++k) {
        const platform::DcText* t = Text(dc, labels[k]);
        ASSERT_NE(t, nullptr) << labels[k];
        EXPECT_EQ(t->at.x, 137 + 75 * k);
        EXPECT_EQ(t->at.y, 380);
    }
    // The decade labels of the grid, left-top aligned, 20 in from the box.
    const platform::DcText* one = Text(dc, "1");
    const platform::DcText* top = Text(dc, "1000");
    ASSERT_TRUE(one && top);
    EXPECT_EQ(one->at.x, 120);
    EXPECT_EQ(one->at.y, 350 - 5 - 10);
    EXPECT_EQ(top->at.y, 350 - 5 - 300 + 5);
    const platform::DcText* dry = Text(dc, "Dry Gas");
    ASSERT_NE(dry, nullptr);
    EXPECT_EQ(dry->textColor, platform::RGB(255, 0, 0));
    EXPECT_EQ(Text(dc, "OIL")->textColor, platform::RGB(0, 255, 0));

    // Without ratios only the empty box is drawn.
    QImage empty(600, 600, QImage::Format_RGB32);
    empty.fill(Qt::white);
    platform::Dc bare(empty);
    bare.RecordText(true);
    logview::DrawGasRatioChart(bare, {100, 50, 10, 10}, std::nullopt);
    EXPECT_TRUE(bare.TextRecord().empty());
    EXPECT_EQ(empty.pixel(250, 50) & 0xFFFFFF, 0u);  // the box's top edge
}

TEST(GasRatioChart, PagedBarPositionHoldsBetweenTheEnds)
{
    EXPECT_EQ(logview::PagedBarPosition(2500, 1000, 5000, 60), 37);
    EXPECT_EQ(logview::PagedBarPosition(1000, 1000, 5000, 60), 0);
    EXPECT_EQ(logview::PagedBarPosition(4940, 1000, 5000, 60), 100);
    EXPECT_EQ(logview::PagedBarPosition(1000, 1000, 1000, 60), 0);  // one record: nothing to divide by
}
