// The read-out texts of a click on the log: lithology and shows in words, the rates and the gas of a
// record, written the same whatever the record holds.
#include "logview/readouts.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <limits>

using logview::BuildLithText;
using wellfile::RECORD;

namespace {

std::string Lith(const char* text)
{
    std::array<char, 30> field{};
    std::strncpy(field.data(), text, field.size());
    return BuildLithText(field);
}

}  // namespace

TEST(ReadoutText, LithologyItemsInWords)
{
    EXPECT_EQ(Lith("100sh"), "100% shale");
    EXPECT_EQ(Lith("60ss,40sh"), "60% sandstone, 40% shale");
    // The units digit 5 adds "cherty " and takes the share to 50 and 40: the sum stays at 90 and the text
    // ends with the joint.
    EXPECT_EQ(Lith("55sh,45ss"), "50% cherty shale, 40% cherty sandstone, ");
    // A 9 names a trace of coal after the rock; '~' marks fractures; any separator starts the next item.
    EXPECT_EQ(Lith("79ls.21~dol"), "70% limestonewith Tr of coal, , 20% fractured dolomitic dolomite, ");
    EXPECT_EQ(Lith("50ss 50sh"), "50% sandstone, 50% shale");
    EXPECT_EQ(Lith("108ls"), "100% shaly limestone");
    EXPECT_EQ(Lith(""), "0% blank");
}

TEST(ReadoutText, LithologyFieldIsReadWithinItsWidth)
{
    // A field filled to its last byte with no NUL: nothing past its 30 bytes is read.
    std::array<char, 40> memory{};
    memory.fill('X');
    std::memcpy(memory.data(), "10ss,10sh,10ls,10ss,10sh,10ss,", 30);
    EXPECT_EQ(BuildLithText(std::span<const char>(memory.data(), 30)),
              "10% sandstone, 10% shale, 10% limestone, 10% sandstone, 10% shale, 10% sandstone, ");

    // Items that never add up to 100 still end at the field's end, and the text is bounded.
    std::array<char, 300> longField{};
    for (std::size_t i = 0; i + 3 <= longField.size(); i += 3)
        std::memcpy(longField.data() + i, "9x,", 3);
    const std::string bounded = BuildLithText(longField);
    EXPECT_EQ(bounded.size(), logview::kLithTextMax);
}

TEST(ReadoutText, ShowsInWords)
{
    RECORD r;
    r.fluorPercent = 30;
    r.fluorQuality = 'p';
    r.cutRating = 'f';
    r.porosity = 0;
    EXPECT_EQ(logview::BuildShowText(r), "30% poor fluor\n fair cut\n No visible por ");
    r.fluorQuality = 't';
    r.cutRating = 0;
    r.porosity = 'g';
    EXPECT_EQ(logview::BuildShowText(r), " Trace of fluor\n No cut\n good por");
    r.fluorPercent = 0;
    r.cutRating = 7;  // a numbered rating says nothing
    r.porosity = 'x';
    EXPECT_EQ(logview::BuildShowText(r), " No fluor\n");
}

TEST(ReadoutText, RatesPerMinuteAndPerHour)
{
    RECORD r;
    r.depth = 1500;
    r.rateOdd = 2.0f;
    r.rateOne = 3.0f;
    r.rate2Ft = 2.5f;
    logview::Readout out = logview::RateReadout(r, 0.0f, 0.0f, false);
    EXPECT_EQ(out.text, "  1498 to 1500\n  Min/M    M/Hr\n  2.00      30.00\n  3.00      20.00\n     1M Avg\n"
                        "  2.50      24.00\n Gamma\n   0.0        0.0");
    EXPECT_EQ(out.width, 120);
    EXPECT_EQ(out.height, 100);

    // A blank record's 0.1 reads as ten hours a unit; so does nothing at all, without dividing by 0.
    r.rateOdd = r.rateOne = 0.1f;
    r.rate2Ft = 0.0f;
    out = logview::RateReadout(r, 55.5f, 60.25f, true);
    EXPECT_EQ(out.text, "  1498 to 1500\n  Min/M    M/Hr\n  0.10      0.10\n  0.10      0.10\n     1M Avg\n"
                        "  0.00      0.10\n Gamma\n  55.5       60.2");
    EXPECT_EQ(out.height, 140);
}

TEST(ReadoutText, GasByProfileAndMode)
{
    RECORD r;
    r.depth = 2000;
    const float gas[] = {0, 1000, 100, 50, 10, 10, 5, 5};
    for (int i = 0; i < 8; ++i)
        r.gas[i] = gas[i];
    logview::GasReadoutOptions o;
    o.profile = 10;
    logview::Readout out = logview::GasReadout(r, o);
    EXPECT_EQ(out.text, " TG=11.70\n C1=1000.0\n C2=100.0\n C3=50.0\n IC4=10.0\n NC4=10.0\n IC5=5.0\n NC5=5.0\n at 2000");
    EXPECT_EQ(out.width, 90);
    EXPECT_EQ(out.height, 145);

    o.profile = 12;
    o.co2Line = true;
    r.gas[wellfile::GAS_NINTH] = 1.5f;
    out = logview::GasReadout(r, o);
    EXPECT_EQ(out.text, " HW=1170\n C1=1000\n C2=100\n C3=50\n C4=20\n CO2=1.50\n CO2=1.50 %\n at 2000");
    EXPECT_EQ(out.width, 90);
    EXPECT_EQ(out.height, 140);

    // The hot wire's own total; a damaged value is written as 0 rather than converted out of range.
    o.hotWire = true;
    o.co2Line = false;
    r.gas[wellfile::GAS_TG] = std::numeric_limits<float>::infinity();
    EXPECT_EQ(logview::GasReadout(r, o).text.substr(0, 6), " HW=0\n");
    // So is each value no int holds; the butanes' sum is not held to an int.
    r.gas[wellfile::GAS_C1] = 3e9f;
    r.gas[wellfile::GAS_C2] = -3e9f;
    r.gas[wellfile::GAS_C3] = std::numeric_limits<float>::quiet_NaN();
    r.gas[wellfile::GAS_IC4] = 2.1e9f;
    r.gas[wellfile::GAS_NC4] = 2.1e9f;
    EXPECT_EQ(logview::GasReadout(r, o).text, " HW=0\n C1=0\n C2=0\n C3=0\n C4=4200000000\n CO2=1.50\n at 2000");
    for (int i = 0; i < 8; ++i)
        r.gas[i] = gas[i];

    // Percent of test gas: capped at 100, a divisor of 1.0 or less counted as 1.0.
    o = {};
    o.percentOfTestGas = true;
    r.testGas[1] = 2000.0f;  // C1 1000 / 2000
    r.testGas[2] = 0.0f;     // C2 100 / 1 -> capped
    r.testGas[3] = 1.0f;     // C3 50 / 1
    r.testGas[4] = -5.0f;    // iC4 10 / 1
    r.testGas[5] = 20.0f;
    r.testGas[6] = 10.0f;
    r.testGas[7] = 10.0f;
    out = logview::GasReadout(r, o);
    EXPECT_EQ(out.text, " TG=11.70\n C1=0.50 % \n C2=100.00 % \n C3=50.00 % \n IC4=10.00 %\n NC4=0.50 % \n"
                        " IC5=0.50 % \n NC5=0.50 %\n at 2000");
    EXPECT_EQ(out.width, 120);
    EXPECT_EQ(out.height, 145);

    EXPECT_TRUE(logview::GasAsPercentOfTestGas(true, 12, true));
    EXPECT_TRUE(logview::GasAsPercentOfTestGas(false, 88, false));
    EXPECT_FALSE(logview::GasAsPercentOfTestGas(false, 17, true));
}

TEST(ReadoutText, HardnessOrCalcimetry)
{
    RECORD r;
    r.hardness = 42;
    EXPECT_EQ(logview::HardnessLine(r, true), "\n Hardness= 42 %");
    EXPECT_EQ(logview::HardnessLine(r, false), "\n CACO3= 42 %");
}
