#include "wits/framereader.h"
#include "wits/tenthsdigit.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <string>
#include <vector>

using wits::FrameReader;

namespace {

// What the reader handed on, one line per item ("0108=123.4" or "0108=123.4 marked") and "END" per frame.
class Recorder final : public wits::FrameSink {
public:
    std::vector<std::string> seen;
    void Item(const wits::WitsItem& item) override
    {
        seen.push_back(std::string(item.code) + '=' + std::string(item.value) + (item.marked ? " marked" : ""));
    }
    void FrameEnd() override { seen.push_back("END"); }
};

std::vector<std::string> ReadAll(const std::string& text)
{
    Recorder r;
    FrameReader reader(r);
    reader.Feed(text);
    return r.seen;
}

using Lines = std::vector<std::string>;

}  // namespace

TEST(FrameReader, ItemsMarksAndFrameEndsOfOneRead)
{
    EXPECT_EQ(ReadAll("&&\r\n0108123.4\r\n0110125.0\r\n!!\r\n"), (Lines{"0108=123.4", "0110=125.0", "END"}));

    // 1984 marks the rest of its frame and is itself handed on with the value "0".
    EXPECT_EQ(ReadAll("&&\r\n1984\r\n0108100.0\r\n!!\r\n&&\r\n0108101.0\r\n!!\r\n"),
              (Lines{"1984=0 marked", "0108=100.0 marked", "END", "0108=101.0", "END"}));
    // A 1984 not followed by a line end is not handed on, but marks all the same.
    EXPECT_EQ(ReadAll("1984x\r\n0108100.0\r\n"), (Lines{"0108=100.0 marked"}));

    // Items that do not end with a line end are dropped; a lone "!" is no frame end.
    EXPECT_EQ(ReadAll("0108123.4!"), Lines{});
    EXPECT_EQ(ReadAll("0108123.4&&\r\n0110125.0\r\n"), (Lines{"0110=125.0"}));

    // Frames without their "&&" and "!!" lines give the same items; the blank stays in the value.
    EXPECT_EQ(ReadAll("0108123.4\r\n0110125.0\r\n"), (Lines{"0108=123.4", "0110=125.0"}));
    EXPECT_EQ(ReadAll("0113 12.5\r\n"), (Lines{"0113= 12.5"}));

    // A code needs four digits: "01x" is junk, not an item with an odd code.
    EXPECT_EQ(ReadAll("01x\r\n0110125.0\r\n"), (Lines{"0110=125.0"}));

    // A value keeps its first 127 characters.
    const std::string longValue(300, '7');
    EXPECT_EQ(ReadAll("0108" + longValue + "\r\n0110125.0\r\n"), (Lines{"0108=" + longValue.substr(0, 127), "0110=125.0"}));
}

TEST(FrameReader, ReadsCutAnywhereGiveWhatOneReadGives)
{
    const std::string frame = "&&\r\n0108123.4\r\n0110125.0\r\n1212150.0\r\n!!\r\n";
    const Lines whole = ReadAll(frame);
    ASSERT_EQ(whole, (Lines{"0108=123.4", "0110=125.0", "1212=150.0", "END"}));

    for (std::size_t cut = 0; cut <= frame.size(); ++cut) {
        Recorder r;
        FrameReader reader(r);
        reader.Feed(frame.substr(0, cut));
        reader.Feed(frame.substr(cut));
        EXPECT_EQ(r.seen, whole) << "cut at " << cut;
    }
    {
        Recorder r;
        FrameReader reader(r);
        for (char c : frame)
            reader.Feed(&c, 1);
        EXPECT_EQ(r.seen, whole);
    }
    // Short reads are joined, and the 1984 mark lives on across reads until the next "!".
    {
        Recorder r;
        FrameReader reader(r);
        for (const char* piece : {"&&\r\n19", "84\r\n01", "08100.0", "\r\n!", "!\r\n0108", "101.0\r\n"})
            reader.Feed(std::string(piece));
        EXPECT_EQ(r.seen, (Lines{"1984=0 marked", "0108=100.0 marked", "END", "0108=101.0"}));
        EXPECT_FALSE(reader.Marked());
    }
    // Three frames in one read, and a read far past 1,023 characters, are read whole.
    std::string many;
    Lines expected;
    for (int i = 0; i < 100; ++i) {
        many += frame;
        expected.insert(expected.end(), whole.begin(), whole.end());
    }
    EXPECT_EQ(ReadAll(frame + frame + frame).size(), 12u);
    EXPECT_EQ(ReadAll(many), expected);
}

TEST(FrameReader, JunkLosesOnlyItself)
{
    const std::string frame = "&&\r\n0108123.4\r\n0110125.0\r\n!!\r\n";
    const Lines one{"0108=123.4", "0110=125.0", "END"};

    // Random bytes between frames, NULs and 0xFF among them. Without a line end in them nothing in the
    // junk can form an item, so only the frames may come out.
    std::mt19937 random(38);
    std::string text;
    Lines expected;
    for (int i = 0; i < 50; ++i) {
        std::string junk(std::size_t(random() % 300), '\0');
        for (char& c : junk) {
            c = char(random() % 256);
            if (c == '\r' || c == '\n' || c == '!')
                c = char(0xFF);
        }
        text += junk + frame;
        expected.insert(expected.end(), one.begin(), one.end());
    }
    Recorder r;
    FrameReader reader(r);
    for (std::size_t at = 0; at < text.size(); at += 37)
        reader.Feed(text.substr(at, 37));
    EXPECT_EQ(r.seen, expected);

    // A megabyte without a line end, whether it starts as an item or not, in one read or in many: the
    // carry never passes its bound and the frame after it comes through whole.
    for (const std::string& run : {std::string(1 << 20, '7'), "0108" + std::string(1 << 20, 'x')}) {
        Recorder big;
        FrameReader bigReader(big);
        for (std::size_t at = 0; at < run.size(); at += 1000) {
            bigReader.Feed(run.substr(at, 1000));
            ASSERT_LE(bigReader.CarriedBytes(), FrameReader::kCarryLimit);
        }
        bigReader.Feed("\r\n" + frame);
        EXPECT_EQ(big.seen, one);
        EXPECT_EQ(ReadAll(run + "\r\n" + frame), one);
    }
}

TEST(TenthsDigit, FirstDecimalOfTwoDecimalText)
{
    EXPECT_EQ(wits::TenthsDigit(12.37), 3);
    EXPECT_EQ(wits::TenthsDigit(1.999), 0);  // reads 2.00
    EXPECT_EQ(wits::TenthsDigit(-1.25), 2);
    EXPECT_EQ(wits::TenthsDigit(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(wits::TenthsDigit2(1234.97f), 9);
}
