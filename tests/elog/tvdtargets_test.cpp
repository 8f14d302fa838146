// The horizontal target text read into the ".trg": the columns the name lines give, the two lines
// after the names passed over, negative values but the MD stored as 0, footers skipped, and a text
// that does not parse leaving the old target file as it was.
#include "elog/tvdtargets.h"
#include "support/files.h"
#include "support/testmain.h"

#include <gtest/gtest.h>

#include <vector>

using testing_support::doubles;
using testing_support::FileRecords;
using testing_support::TestDir;

namespace {

std::vector<float> Import(const QByteArray& text, int expected = 1)
{
    const QString in = TestDir() + "plan.txt";
    const QString trg = TestDir() + "A.trg";
    testing_support::WriteBytes(in, text);
    EXPECT_EQ(elog::ImportTargetData(in, trg), expected);
    return FileRecords<float>(trg);
}

QString LastMessage()
{
    const auto& m = doubles().prompter.messages;
    return m.isEmpty() ? QString() : m.back().text + " / " + m.back().caption;
}

TEST(TargetImport, TheNameLinesChooseTheColumnsAndTheTwoLinesAfterThemArePassedOver)
{
    EXPECT_EQ(Import("~\nMD\nTVD\n#\nunits\n1500 1400 45 10 -20 3\n"), std::vector<float>({1500, 1400, 0, 0, 0, 0}));
    EXPECT_EQ(LastMessage(), "Import Done / ");
    // All six names (blanks round a name and other letter case allowed): the two lines after "DLS" go.
    EXPECT_EQ(Import("plan\r\n~W\r\n md \r\nTvd\r\nAZM\r\nINCL\r\nVS\r\nDLS\r\nfeet\r\n---\r\n\r\n1500\t1400 45 10 -20 3\r\n"
                     "1600 1450 46 12 30 2.5\r\nEnd of plan\r\n"),
              std::vector<float>({1500, 1400, 45, 10, 0, 3, 1600, 1450, 46, 12, 30, 2.5f}));
    // A name with a unit after it names nothing; the place still counts.
    EXPECT_EQ(Import("~\nMD\nAZM deg\nTVD\n#\n-\n1500 45 1400\n"), std::vector<float>({1500, 1400, 0, 0, 0, 0}));
    EXPECT_FLOAT_EQ(elog::ReadTextField("  -5 -7", 0, 0), -5);
    EXPECT_FLOAT_EQ(elog::ReadTextField("  -5 -7", 1, 0), 0);
    EXPECT_FLOAT_EQ(elog::ReadTextField("1 2", 4, 0), 0);
}

TEST(TargetImport, ATextThatDoesNotParseLeavesTheOldTargetsAndSaysWhy)
{
    const std::vector<float> old = Import("~\nMD\nTVD\n#\n-\n1500 1400\n");
    const struct {
        const char* text;
        const char* message;
    } bad[] = {
        {"MD\nTVD\n#\n-\n1500 1400\n", "Data not found, check file format #100 / Error"},
        {"~\nMD\nDEPTH\n#\n-\n1500 1400\n", "Data not found, check file format #2 / Error"},
        {"~\nMD\nTVD\n", "Data not found, check file format #2 / Error"},
        {"~\nMD\nTVD\n#\n", "Data not found, check file format #3 / Error"},
        {"~\nMD\nTVD\n#\n-\nEnd\n", "Data not found, check file format #4 / Error"},
    };
    for (const auto& b : bad) {
        EXPECT_EQ(Import(b.text, 0), old) << b.text;
        EXPECT_EQ(LastMessage(), b.message) << b.text;
    }
    EXPECT_EQ(elog::ImportTargetData(TestDir() + "missing.txt", TestDir() + "A.trg"), 0);
}

}  // namespace
