// The mudlog import: the columns of LAS files written into depth, custom-data and extended records,
// and a file written by our own LAS export imported back.
#include "elog/lasexport.h"
#include "elog/lasread.h"
#include "elog/mudlogimport.h"
#include "elog/mudlogtargets.h"
#include "lasfiles.h"
#include "support/testmain.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using lasfiles::ImportTestFile;

template <class T, class R>
T At(const R& r, int offset)
{
    T v{};
    std::memcpy(&v, reinterpret_cast<const char*>(&r) + offset, sizeof v);
    return v;
}

// Records 1000..1100 of the three files, and the import of a LAS text into them.
struct Files {
    std::vector<wellfile::RECORD> records = std::vector<wellfile::RECORD>(101);
    std::vector<wellfile::CUSTDATAREC> custom = std::vector<wellfile::CUSTDATAREC>(101);
    std::vector<wellfile::EXTRECORD> ext = std::vector<wellfile::EXTRECORD>(101);
    std::int32_t map[elog::kMudlogMapEntries] = {};
    elog::LasHeader header;
    Files()
    {
        for (int k = 0; k <= 100; ++k) {
            records[std::size_t(k)].depth = 1000 + k;
            custom[std::size_t(k)].depth = float(1000 + k);
            ext[std::size_t(k)].depth = float(1000 + k);
        }
    }
    elog::MudlogTextResult Import(const std::string& text)
    {
        elog::LasHeaderExtra extra;
        const elog::LasHeader flags = header;
        EXPECT_EQ(elog::ReadLasHeaderText(text, "M.las", header, extra), elog::kLasRead);
        header.gasInPpm = flags.gasInPpm;
        header.rateAsSpeed = flags.rateAsSpeed;
        elog::MudlogRecords files{records, custom, ext};
        return elog::ImportMudlogText(text, header, map, elog::MudlogIntervalOf(header, 1000, 1100), files);
    }
    const wellfile::RECORD& R(int depth) const { return records[std::size_t(depth - 1000)]; }
};

TEST(MudlogImport, TheIntervalStartsTwentyUnitsIntoTheFileAndEndsAtItsLastDepth)
{
    elog::LasHeader h;
    h.start = 995, h.stop = 1200;
    const elog::MudlogInterval i = elog::MudlogIntervalOf(h, 1000, 1100);
    EXPECT_EQ(i.start, 1020);
    EXPECT_EQ(i.stop, 1100);
    h.start = 1150;
    EXPECT_TRUE(elog::MudlogIntervalOf(h, 1000, 1100).empty());
}

TEST(MudlogImport, HalfStepsFillGasRatesAndSurveyByTheLinesPlaceInItsUnit)
{
    Files f;
    f.map[1] = 2, f.map[2] = 3, f.map[3] = 4, f.map[12] = 5, f.map[13] = 6;
    f.header.gasInPpm = 1;
    f.header.rateAsSpeed = 1;
    f.records[40].azimuth = 10.0f;  // depth 1040: kept
    const elog::MudlogTextResult r = f.Import(ImportTestFile("mudlog half steps"));
    EXPECT_EQ(r.lastDepth, 1100);
    EXPECT_EQ(At<float>(f.R(1030), 28), 500.0f);
    EXPECT_EQ(At<float>(f.R(1030), 416), 700.0f);
    EXPECT_EQ(At<float>(f.R(1030), 32), 50.0f);
    // ROP 30 per hour is 2 minutes a unit; 0 stays the smallest rate.
    EXPECT_EQ(f.R(1030).rateOne, 2.0f);
    EXPECT_EQ(f.R(1030).rateOdd, 2.0f);
    EXPECT_EQ(f.R(1030).rate2Ft, 2.0f);
    EXPECT_EQ(f.R(1040).rateOne, 0.1f);
    // Nothing above the interval; the missing unit stays empty and the ones after it are not shifted;
    // NULL stores nothing.
    EXPECT_EQ(f.R(1019).gas[0], 0.0f);
    EXPECT_EQ(f.R(1050).gas[0], 0.0f);
    EXPECT_EQ(f.R(1051).gas[0], 500.0f);
    EXPECT_EQ(f.R(1051).halfGas[0], 0.0f);  // its half unit, line 1050.5, is missing too
    EXPECT_EQ(f.R(1052).halfGas[0], 700.0f);
    EXPECT_EQ(f.R(1060).gas[0], 0.0f);
    EXPECT_EQ(f.R(1060).halfGas[0], 700.0f);
    // One station at the first record with data, then every 26 units; an azimuth there stays.
    for (int d = 1020; d <= 1100; ++d)
        EXPECT_EQ(f.R(d).tvd != 0.0f, d == 1020 || d == 1046 || d == 1072 || d == 1098) << d;
    EXPECT_EQ(f.R(1072).tvd, 1062.0f);
    EXPECT_EQ(f.R(1072).azimuth, 45.0f);
    f.records[46].azimuth = 10.0f;
    f.Import(ImportTestFile("mudlog half steps"));
    EXPECT_EQ(f.R(1046).azimuth, 10.0f);
}

TEST(MudlogImport, WholeStepsFillBothSamplesAndTheCustomRecord)
{
    Files f;
    f.map[11] = 2, f.map[19] = 3, f.map[20] = 4, f.map[21] = 5, f.map[2] = 6;
    f.Import(ImportTestFile("mudlog whole steps"));
    const wellfile::RECORD& r = f.R(1030);
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(r.gamma[k], 60.0f);
    EXPECT_EQ(r.gammaStep, 1.0f);
    EXPECT_EQ(At<float>(r, 482), 12000.0f);
    EXPECT_EQ(At<float>(r, 486), 12000.0f);
    EXPECT_EQ(At<std::uint16_t>(r, 490), 3000);
    EXPECT_EQ(At<std::uint16_t>(r, 492), 3000);
    EXPECT_EQ(At<float>(f.custom[30], 28), 12000.0f);
    EXPECT_EQ(At<float>(f.custom[30], 32), 120.0f);
    EXPECT_EQ(At<std::uint16_t>(f.custom[30], 24), 3000);
    // Every unit has its full-step gas.
    EXPECT_EQ(f.R(1031).gas[0], 400.0f);
    EXPECT_EQ(f.R(1031).halfGas[0], 0.0f);
    // Kept in 16 bits: 70,000 clamps; above the custom limit 50,000 the custom torque is 0.
    EXPECT_EQ(At<float>(f.R(1070), 482), 65535.0f);
    EXPECT_EQ(At<std::uint16_t>(f.R(1070), 490), 65535);
    EXPECT_EQ(At<std::uint16_t>(f.custom[70], 24), 0);
}

TEST(MudlogImport, FineStepsFillTheFiveSamplesFromTheLinesOfTheUnit)
{
    for (const char* name : {"mudlog fifth steps", "mudlog tenth steps"}) {
        Files f;
        f.map[11] = 2;
        f.Import(ImportTestFile(name));
        const wellfile::RECORD& r = f.R(1030);
        for (int k = 0; k < 5; ++k)
            EXPECT_EQ(r.gamma[k], float(2 * k)) << name << k;
        EXPECT_FLOAT_EQ(r.gammaStep, std::string(name).find("fifth") != std::string::npos ? 0.2f : 0.1f);
    }
}

TEST(MudlogImport, PresetsMapTheSpectrometersColumnsIntoTheExtendedRecords)
{
    std::int32_t map[elog::kMudlogMapEntries];
    std::fill(std::begin(map), std::end(map), 9);
    elog::LoadLasDMap(map);
    EXPECT_EQ(map[32], 13);
    EXPECT_EQ(std::count_if(std::begin(map), std::end(map), [](int c) { return c != 0; }), 100);
    elog::LoadLasAMap(map);
    EXPECT_EQ(map[136], 13);
    EXPECT_EQ(map[32], 0);
    EXPECT_EQ(elog::MudlogImportTargets(false).size(), 26);
    EXPECT_EQ(elog::MudlogImportTargets(true).size(), 143);

    Files f;
    elog::LoadLasDMap(f.map);
    std::string row;
    for (int c = 2; c <= 102; ++c)
        row += " " + std::to_string(c == 13 ? 42 : 1);
    std::string curves;
    for (int c = 2; c <= 102; ++c)
        curves += "X" + std::to_string(c) + ".PPM :\n";
    f.Import(lasfiles::MudlogLas(1000, 1100, 1.0, curves, lasfiles::Rows(1030, 1031, 1.0, [&](double) { return row; })));
    EXPECT_EQ(At<float>(f.ext[30], 358), 42.0f);
    EXPECT_EQ(At<float>(f.ext[31], 358), 42.0f);
    EXPECT_EQ(At<float>(f.ext[32], 358), 0.0f);
    EXPECT_EQ(f.ext[30].recordLength, 0);  // only the values' bytes are written
}

TEST(MudlogImport, OurLasExportImportsBackByColumnPosition)
{
    std::vector<wellfile::RECORD> records(30);
    std::vector<wellfile::CUSTDATAREC> custom(30);
    for (int k = 0; k <= 25; ++k) {
        wellfile::RECORD& r = records[std::size_t(k)];
        r.depth = 1020 + k;
        r.rateOne = 1.5f + float(k);
        r.gas[1] = 10.0f * float(k);
    }
    elog::LasInput in;
    in.records = records;
    in.custom = custom;
    in.count = 26;
    in.start = 1020;
    float mw = 0;
    const std::string text = elog::BuildLasText(in, elog::LasSettings{}, mw);
    // Columns by their place in the ~Curve list.
    const auto column = [&](std::string_view mnemonic) {
        int n = 0;
        for (std::string_view line : elog::SplitLasLines(*elog::LasCurveList(text))) {
            ++n;
            if (line.starts_with(mnemonic))
                return n;
        }
        return 0;
    };
    Files f;
    f.map[1] = column("ROP1.min");
    f.map[3] = column("C1.");
    ASSERT_GT(f.map[1], 0);
    ASSERT_GT(f.map[3], 0);
    f.Import(text);
    for (int d = 1020; d <= 1045; ++d) {
        EXPECT_FLOAT_EQ(f.R(d).rateOne, records[std::size_t(d - 1020)].rateOne) << d;
        EXPECT_FLOAT_EQ(f.R(d).gas[1], records[std::size_t(d - 1020)].gas[1]) << d;
    }
}

}  // namespace
