// The LAS reader and the curve files it builds, on LAS texts written here, and on one written by the
// mudlog LAS export.
#include "elog/lasexport.h"
#include "elog/lasread.h"
#include "lasfiles.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/testmain.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <tuple>

namespace {

using testing_support::At;
using testing_support::doubles;

using lasfiles::ImportTestFile;
using lasfiles::Las;

elog::LasImportInput Input(const std::string& text, int gr = 2, int ild = 4)
{
    elog::LasImportInput in;
    elog::LasHeaderExtra extra;
    EXPECT_EQ(elog::ReadLasHeaderText(text, "A.las", in.header, extra), elog::kLasRead);
    in.map[1] = gr;
    in.map[13] = ild;
    in.bitSize = extra.bitSize;
    in.kb = in.header.ekb;
    return in;
}
float F(const QByteArray& b, int record, int slot) { return At<float>(b, record * 96 + slot * 4); }

TEST(LasImport, ANewCurveFileHoldsOneRecordPerWholeDepth)
{
    const std::string& a = ImportTestFile("plain");
    elog::LasImportInput in = Input(a);
    EXPECT_EQ(in.header.start, 100);
    EXPECT_EQ(in.header.stop, 105);
    const QByteArray b = elog::BuildCurveFile(a, in).bytes;
    ASSERT_EQ(b.size(), 10176);
    EXPECT_EQ(F(b, 0, 7), 250.0f);
    for (int r = 1; r < 100; ++r) {
        ASSERT_EQ(F(b, r, 0), float(r));
        ASSERT_EQ(b.mid(r * 96 + 4, 92), QByteArray(92, 0)) << r;
    }
    EXPECT_EQ(F(b, 99, 0), 99.0f);
    EXPECT_EQ(At<float>(b, 9604), 70.0f);
    EXPECT_EQ(At<float>(b, 9668), 222.0f);
    EXPECT_EQ(At<std::int32_t>(b, 9692), 13);
    EXPECT_EQ(F(b, 101, 0), 101.0f);
    in.map[13] = 0;
    in.map[8] = 4;
    EXPECT_EQ(At<std::int32_t>(elog::BuildCurveFile(a, in).bytes, 9692), 8);

    // Written differently, read the same.
    for (const char* name : {"comma", "tabs", "cr", "blank and comment lines among the data", "comments", "las 1.2"}) {
        const std::string& v = ImportTestFile(name);
        EXPECT_EQ(elog::BuildCurveFile(v, Input(v)).bytes, b) << name;
    }
}

TEST(LasImport, TheHeaderIsReadFromItsValueFieldsAndRefusedWithItsMessages)
{
    const auto read = [](const std::string& text, elog::LasHeader& h, elog::LasHeaderExtra& x) {
        doubles().prompter.messages.clear();
        return elog::ReadLasHeaderText(text, "A.las", h, x);
    };
    elog::LasHeader h;
    elog::LasHeaderExtra x;
    std::string t = Las(100, 105, 0.5);
    t.replace(t.find("BS.MM 222.0"), 11, "BS  .0.1IN 8.5E1");
    t.insert(t.find("DEPT.M"), "BS.IN 12 : a curve named BS\n");
    t.insert(t.find("~CURVE"), "NOTE. YES WRAP words :\n");  // only ~Version lines judge the wrap
    EXPECT_EQ(read(t, h, x), elog::kLasRead);
    EXPECT_EQ(x.bitSize, 85.0f);
    EXPECT_EQ(x.depthUnit, "M");

    for (const char* wrap : {"WRAP. YES", "WRAP.YES:"}) {
        std::string wrapped = Las(100, 105, 0.5);
        wrapped.replace(wrapped.find("WRAP. NO :"), 10, wrap);
        EXPECT_EQ(read(wrapped, h, x), elog::kLasReported);
        ASSERT_EQ(doubles().prompter.messages.size(), 1);
        EXPECT_EQ(doubles().prompter.messages[0].text, "Can not import wrapped file");
        EXPECT_EQ(doubles().prompter.messages[0].caption, "Import Error");
    }
    EXPECT_EQ(read("# c\nVERS. 2.0\n~W\n", h, x), elog::kLasReported);
    EXPECT_EQ(doubles().prompter.messages[0].text, "Invalid Source");
    EXPECT_EQ(doubles().prompter.messages[0].caption, "A.las");
    EXPECT_EQ(read("~V\n~A\n100 1\n~W\nSTRT.M 1 :\n", h, x), elog::kLasReported);
    EXPECT_EQ(doubles().prompter.messages[0].text, "Invalid or missing header information");
    EXPECT_EQ(doubles().prompter.messages[0].caption, "Import Error");
    // Out of range: the caller names the item.
    EXPECT_EQ(read(Las(0, 0.5, 0.5), h, x), elog::kLasRefused);
    std::string step0 = Las(100, 105, 0.5);
    step0.replace(step0.find("STEP.M 0.5"), 10, "STEP.M 0");
    EXPECT_EQ(read(step0, h, x), elog::kLasRefused);
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());

    // Depths beyond the range of int are held at its ends: a negative one is still refused, the order
    // of STRT and STOP kept.
    const auto depths = [&](const char* strt, const char* stop) {
        std::string s = Las(100, 105, 0.5);
        s.replace(s.find("STRT.M 100"), 10, std::string("STRT.M ") + strt);
        s.replace(s.find("STOP.M 105"), 10, std::string("STOP.M ") + stop);
        const int result = read(s, h, x);
        return std::tuple(result, h.start, h.stop);
    };
    constexpr int kMin = std::numeric_limits<std::int32_t>::min(), kMax = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(depths("3000000000", "105"), std::tuple(elog::kLasRead, kMax, 105));  // read bottom up
    EXPECT_EQ(depths("2.1e9", "3e9"), std::tuple(elog::kLasRead, 2100000000, kMax));
    EXPECT_EQ(depths("-3e9", "105"), std::tuple(elog::kLasRefused, kMin, 105));
    EXPECT_EQ(depths("100", "-3e9"), std::tuple(elog::kLasRefused, 100, kMin));
}

TEST(LasImport, StepsDirectionAndGapsKeepRecordIAtDepthI)
{
    // Bottom up: the shallowest line of each whole depth.
    const std::string& up = ImportTestFile("bottom up");
    QByteArray b = elog::BuildCurveFile(up, Input(up)).bytes;
    EXPECT_EQ(b.size(), 106 * 96);
    EXPECT_EQ(F(b, 101, 1), 77.0f);

    // Fine steps: from the first line of the unit, the depth a whole number.
    const std::string& fine = ImportTestFile("fine steps");
    b = elog::BuildCurveFile(fine, Input(fine)).bytes;
    EXPECT_EQ(F(b, 101, 1), 66.0f);
    EXPECT_EQ(F(b, 101, 0), 101.0f);

    // Two units a line: the record between is a copy, none past STOP.
    const std::string& two = ImportTestFile("two units a line");
    b = elog::BuildCurveFile(two, Input(two)).bytes;
    EXPECT_EQ(b.size(), 10656);
    EXPECT_EQ(F(b, 101, 1), 70.0f);
    EXPECT_EQ(F(b, 101, 0), 101.0f);

    // A gap and a first line below STRT: every value stays at its own depth; "#" lines in the data are
    // skipped; an empty comma field is no value.
    const std::string& gap = ImportTestFile("gap");
    b = elog::BuildCurveFile(gap, Input(gap)).bytes;
    EXPECT_EQ(F(b, 100, 1), 0.0f);
    EXPECT_EQ(F(b, 100, 13), 9.0f);
    EXPECT_EQ(F(b, 101, 1), 71.0f);
    EXPECT_EQ(F(b, 102, 0), 102.0f);
    EXPECT_EQ(F(b, 104, 1), 74.0f);

    // STRT 0: depth 0 goes into record 0; a huge STOP allocates only what the lines reach.
    const std::string& huge = ImportTestFile("huge stop");
    b = elog::BuildCurveFile(huge, Input(huge)).bytes;
    EXPECT_EQ(b.size(), 3 * 96);
    EXPECT_EQ(F(b, 0, 1), 70.0f);
    EXPECT_EQ(F(b, 1, 1), 70.0f);

    const elog::LasImportResult none = elog::BuildCurveFile(Las(100, 105, 0.5).substr(0, Las(100, 105, 0.5).find("100.0")), Input(Las(100, 105, 0.5)));
    EXPECT_TRUE(none.bytes.isEmpty());
    EXPECT_EQ(none.message, "File Read  Error");
    EXPECT_EQ(none.caption, "File Error ");
}

TEST(LasImport, PercentPorosityNullsAndWaterSaturation)
{
    const std::string& pct = ImportTestFile("percent porosity");
    elog::LasImportInput in = Input(pct);
    in.map[2] = 3;
    QByteArray b = elog::BuildCurveFile(pct, in).bytes;
    EXPECT_FLOAT_EQ(F(b, 110, 2), 0.2f);
    EXPECT_NEAR(F(b, 110, 14), 0.316, 0.001);
    EXPECT_NEAR(F(b, 110, 15), 0.0632, 0.0001);
    const std::string& ten = ImportTestFile("ten percent rows");
    b = elog::BuildCurveFile(ten, in).bytes;
    EXPECT_FLOAT_EQ(F(b, 105, 2), 20.0f);

    const std::string& nulls = ImportTestFile("nulls");
    b = elog::BuildCurveFile(nulls, Input(nulls)).bytes;
    EXPECT_EQ(F(b, 100, 1), 0.0f);
    EXPECT_EQ(F(b, 101, 1), 0.0f);
    EXPECT_EQ(F(b, 102, 1), 70.0f);
    const std::string& positiveNull = ImportTestFile("positive null");
    EXPECT_EQ(F(elog::BuildCurveFile(positiveNull, Input(positiveNull)).bytes, 102, 1), 0.0f);
}

// An interval as wide as an int: the data lines decide what is imported, and nothing overflows.
TEST(LasImport, AnIntervalAsWideAsAnIntImportsWhatTheDataHold)
{
    const std::string& a = ImportTestFile("plain");
    elog::LasImportInput in = Input(a);
    const QByteArray plain = elog::BuildCurveFile(a, in).bytes;
    in.header.start = std::numeric_limits<std::int32_t>::min();
    in.header.stop = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(elog::BuildCurveFile(a, in).bytes, plain);
    EXPECT_EQ(elog::MergeCurveFile(a, in, plain).bytes, plain);
    in.header.stop = in.header.start;
    EXPECT_EQ(elog::MergeCurveFile(a, in, plain).message, "File Error");
}

TEST(LasImport, AMergeChangesOnlyTheImportedValues)
{
    std::vector<elog::CurveRecord> old(200);
    for (int d = 0; d < 200; ++d) {
        old[std::size_t(d)].values[0] = float(d);
        old[std::size_t(d)].values[d < 100 ? 2 : 1] = d < 100 ? 0.2f : 50.0f;
        if (d >= 100 && d <= 110)
            old[std::size_t(d)].values[elog::SLOT_RW] = 0.05f;
    }
    const std::string& las = ImportTestFile("merge");
    elog::LasImportInput in = Input(las);
    in.map[2] = 3;
    in.map[13] = 0;
    const QByteArray b = elog::MergeCurveFile(las, in, testing_support::BytesOf(old)).bytes;
    ASSERT_EQ(b.size(), 19200);
    EXPECT_EQ(F(b, 100, 1), 80.0f);
    EXPECT_FLOAT_EQ(F(b, 118, 2), 0.25f);
    EXPECT_EQ(F(b, 119, 1), 50.0f);
    EXPECT_EQ(F(b, 105, elog::SLOT_RW), 0.05f);
    EXPECT_EQ(F(b, 115, elog::SLOT_RW), 0.04f);
    EXPECT_FLOAT_EQ(F(b, 50, 2), 0.2f);
    EXPECT_EQ(F(b, 0, 7), 250.0f);
}

TEST(LasImport, TheMudlogExportReadsBackItsGamma)
{
    std::vector<wellfile::RECORD> records(30);
    std::vector<wellfile::CUSTDATAREC> custom(30);
    std::vector<tracks::ElogRow> rows(1100);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        rows[k][0] = float(k);  // record i holds depth i
        rows[k][1] = float(k % 200) + 0.5f;
    }
    for (int k = 0; k <= 10; ++k)
        records[std::size_t(k)].depth = 1020 + k;
    tracks::ElogView view;
    view.rows = rows;
    elog::LasInput in;
    in.records = records;
    in.custom = custom;
    in.count = 11;
    in.start = 1020;
    in.curves = &view;
    float mw = 0;
    const std::string text = elog::BuildLasText(in, elog::LasSettings{}, mw);
    doubles().prompter.messages.clear();
    elog::LasImportInput imp = Input(text, 10, 0);
    const elog::LasImportResult r = elog::BuildCurveFile(text, imp);
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
    ASSERT_TRUE(r.message.isEmpty()) << r.message.toStdString();
    ASSERT_EQ(r.bytes.size(), 1031 * 96);
    for (int d = 1020; d <= 1030; ++d)
        EXPECT_EQ(F(r.bytes, d, 1), rows[std::size_t(d)][1]) << d;
}

TEST(LasImport, DataLinesThatDoNotMatchTheCurvesAreRefused)
{
    const std::string& commas = ImportTestFile("comma decimals");
    const elog::LasImportResult r = elog::MergeCurveFile(commas, Input(commas), QByteArray(960, 0));
    EXPECT_TRUE(r.bytes.isEmpty());
    EXPECT_TRUE(r.message.startsWith("Data line 1 holds 6 values, the ~Curve section lists 3 curves.")) << r.message.toStdString();
    // Comma-delimited and gap files keep their columns; a comma ending a line adds no value.
    for (const std::string& text : {ImportTestFile("comma"), ImportTestFile("gap"), Las(100, 101, 1.0, " 70,20,10,")})
        EXPECT_FALSE(elog::CheckLasData(text));
}

TEST(LasImport, ForeignBytesNeverCrash)
{
    std::string junk = Las(100, 105, 0.5);
    for (std::size_t k = 0; k < junk.size(); k += 7)
        junk[k] = char(k * 37);
    elog::LasImportInput in;
    in.header.start = 0;
    in.header.stop = 1000;
    in.header.step = 1;
    in.map[1] = 2;
    for (std::size_t cut = 0; cut < junk.size(); cut += 13) {
        (void)elog::BuildCurveFile(junk.substr(0, cut), in);
        (void)elog::MergeCurveFile(junk.substr(0, cut), in, QByteArray(150, 'x'));
        elog::LasHeaderExtra x;
        (void)elog::ReadLasHeaderText(junk.substr(cut), "j", in.header, x);
        in.header.start = 0, in.header.stop = 1000, in.header.step = 1;
    }
    EXPECT_EQ(elog::LasField("1e5 nan inf 0x10", 1), 1e5);
    EXPECT_FALSE(elog::LasField("1e5 nan inf 0x10", 2));
    EXPECT_FALSE(elog::LasField("1e5 nan inf 0x10", 3));
    EXPECT_FALSE(elog::LasField("1e5 nan inf 0x10", 4));
}

}  // namespace
