// Print run arithmetic for a 15 x 11 in page at 300 dpi with no margins (4500 x 3300 px, row height 24,
// column unit 30), a well logged 1000-2600 in steps of 2 unless a test says otherwise.
#include "print/printgeometry.h"

#include <gtest/gtest.h>

#include <vector>

using namespace print;

namespace {

constexpr int kCx = 4500, kCy = 3300, kRow = 24;
constexpr int kFirst = 1000, kLast = 2600;

}  // namespace

TEST(PrintGeometry, PageLengthFallsBackForAnEmptyPage)
{
    EXPECT_FLOAT_EQ(PageLength(0, kRow), 11.0f);
    EXPECT_FLOAT_EQ(PageLength(-5, kRow), 11.0f);
}

TEST(PrintGeometry, PageCountRoundsUpOnlyPastAWholePage)
{
    EXPECT_EQ(PageCount(110.0f, 13.75f, false), 8);
    EXPECT_EQ(PageCount(110.01f, 13.75f, false), 9);
    EXPECT_EQ(PageCount(0.0f, 13.75f, false), 1);
    EXPECT_EQ(PageCount(50.0f, 13.75f, true), 0);
}

TEST(PrintGeometry, DepthRangeRounding)
{
    EXPECT_EQ(PrintEndDepth(1001, 900, 2600), 1000);
    EXPECT_EQ(PrintEndDepth(1000, 1000, 2600), 1150);
    EXPECT_EQ(PrintEndDepth(900, 1000, 2600), 1150);
    EXPECT_EQ(PrintEndDepth(900, 2500, 2600), 2600);

    EXPECT_EQ(PrintedRange({900, 2000}, kFirst, kLast, 1).start, 1002);
    const DepthRange tenFoot = PrintedRange({1003, 1997}, kFirst, kLast, 3);
    EXPECT_EQ(tenFoot.start, 1010);
    EXPECT_EQ(tenFoot.end, 1990);
    // Rounding stops at the file's ends.
    const DepthRange shallow = PrintedRange({1011, 1015}, kFirst, 1013, 3);
    EXPECT_EQ(shallow.start, 1013);
    EXPECT_EQ(shallow.end, 1010);
    EXPECT_EQ(PrintedRange({1011, 1008}, kFirst, kLast, 3).end, 1008);
}

TEST(PrintGeometry, MarginTablesAndPageClass)
{
    using Y = std::array<int, 5>;
    const MarginTables plain = MarginTablesFor(kCx, kCy, false);
    EXPECT_FALSE(plain.pageClass);
    EXPECT_EQ(plain.yOffsets, (Y{0, 12, 24, 6, 18}));

    const MarginTables p3072 = MarginTablesFor(2000, 3072, false);
    EXPECT_TRUE(p3072.pageClass);
    EXPECT_EQ(p3072.yOffsets, (Y{0, 12, 24, 6, 18}));
    const MarginTables p6144 = MarginTablesFor(6144, 4000, false);
    EXPECT_TRUE(p6144.pageClass);
    EXPECT_EQ(p6144.yOffsets, (Y{0, 24, 48, 12, 36}));
    EXPECT_EQ(MarginTablesFor(2000, 3072, true).yOffsets, (Y{0, 6, 12, 3, 9}));
    EXPECT_EQ(plain.extraRows, (Y{1, 1, 2, 1, 1}));
    EXPECT_EQ(plain.recordsBack, (Y{0, 1, 2, 3, 4}));
}

TEST(PrintGeometry, DstPagesAndPdfName)
{
    EXPECT_EQ(DstPages(0), 0);
    EXPECT_EQ(DstPages(1), 1);
    EXPECT_EQ(DstPages(3), 2);
    EXPECT_EQ(DstPages(5), 3);

    EXPECT_EQ(PrintPdfName("/data/", "W1", 4000, 2), "/data/sendfile/W1@4000-5inch.pdf");
    EXPECT_EQ(PrintPdfName("/data", "W1", 4000, 3), "/data/sendfile/W1@4000-1inch.pdf");
    EXPECT_EQ(PrintPdfName("/data", "W1", 4000, 4), "/data/sendfile/W1@4000-2inch.pdf");
    EXPECT_EQ(PrintPdfName("/data", "W1", 4000, 0, true), "/data/sendfile/W1@4000-5inch-horz.pdf");
}

TEST(PrintGeometry, RecordSpanOfTheRun)
{
    const RecordSpan s = PrintRecordSpan({1010, 1990}, kFirst, 2, 1);
    EXPECT_EQ(s.count, 491);
    EXPECT_EQ(s.firstIndex, 5);
    EXPECT_EQ(s.BufferRecords(), 591);
    // Ten-foot rows read the five records before the start as well.
    const RecordSpan k3 = PrintRecordSpan({1010, 1990}, kFirst, 2, 3);
    EXPECT_EQ(k3.count, 497);
    EXPECT_EQ(k3.firstIndex, 0);
}

TEST(PrintGeometry, BlankRecordsFillPastTheLastDepth)
{
    // A well ending at 1990 printed to 2000.
    std::vector<wellfile::RECORD> buffer(6 + kExtraRecords);
    for (int i = 0; i < 6; ++i)
        buffer[i].depth = 1980 + 2 * i;
    buffer[5].minutesScale = 7;
    buffer[5].gasScale = 3;
    buffer[5].temperatureScale = 4;
    buffer[5].chromatographScale = 5;
    buffer[5].rateOne = 2.5f;
    buffer[5].gas[0] = 40;

    EXPECT_EQ(FillBlankRecords(buffer, 2000, 2), 5);
    for (int i = 0; i < 5; ++i) {
        const wellfile::RECORD& r = buffer[6 + i];
        EXPECT_EQ(r.depth, 1992 + 2 * i);
        EXPECT_FLOAT_EQ(r.rateOdd, 0.1f);
        EXPECT_FLOAT_EQ(r.rateOne, 0.1f);
        EXPECT_FLOAT_EQ(r.rate2Ft, 0.1f);
        EXPECT_EQ(r.minutesScale, 7);
        EXPECT_EQ(r.gasScale, 3);
        EXPECT_EQ(r.temperatureScale, 4);
        EXPECT_EQ(r.chromatographScale, 5);
        EXPECT_FLOAT_EQ(r.gas[0], 0.0f);
    }
    EXPECT_EQ(buffer[11].depth, 0);
}

TEST(PrintGeometry, BlankFillerStaysInsideTheBuffer)
{
    // A depth step of 10 reads few records, but the filler steps by 2: it must stop at the buffer's end.
    std::vector<wellfile::RECORD> buffer(3 + 4);
    for (int i = 0; i < 3; ++i)
        buffer[i].depth = 1000 + 10 * i;
    EXPECT_EQ(FillBlankRecords(buffer, 3000, 10), 4);
    EXPECT_EQ(buffer.back().depth, 1028);
    // Nothing read, nothing filled.
    std::vector<wellfile::RECORD> empty(5);
    EXPECT_EQ(FillBlankRecords(empty, 3000, 2), 0);
}
