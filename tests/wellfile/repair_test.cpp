#include "wellfile/repair.h"

#include "entry/outline.h"
#include "platform/text.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>
#include <limits>
#include <vector>

using namespace wellfile;
using wellfile::CUSTDATAREC;
using wellfile::EXTRECORD;
using testing_support::doubles;
using testing_support::FileRecords;
using testing_support::ReadBytes;
using testing_support::TestDir;
using testing_support::WriteRecords;

namespace {

// A valid record of depth d: what the repair pass leaves alone.
RECORD Valid(int d) { return testing_support::ValidRecord(d, 1.5f, "100BL"); }

ino_t Inode(const QString& path)
{
    struct stat st {};
    return ::stat(path.toLocal8Bit().constData(), &st) == 0 ? st.st_ino : 0;
}

struct Fixture {
    OpenWell well;
    std::uint16_t loggerId = 0;
    RepairSummary summary;
    wellfile::FitFile fit;
    bool shared = false;
    RepairTarget Target() { return {well, loggerId, summary, fit, shared}; }
    Fixture()
    {
        well.dataFileName = TestDir() + "w.svm";
        well.customDataFileName = TestDir() + "w.svx";
        fit.path = TestDir() + "w.fit";
        well.depthStep = 2;
    }
};

}  // namespace

TEST(Repair, RenumbersDepthsAndPutsInvalidFieldsBack)
{
    Fixture fx;
    std::vector<RECORD> rows = {Valid(100), Valid(101), Valid(105), Valid(106)};
    rows[0].rateOne = 0;  // the first record is left as it is
    rows[1].rateOdd = 0;
    rows[1].rateOne = 250;
    rows[1].rate2Ft = 0.01f;  // a valid rate
    rows[1].testGas[TEST_C2] = 0;
    rows[1].tripCode = 7;
    rows[2].tripCode = 5;
    rows[1].gasScale = 9;
    rows[2].gasScale = 0;
    rows[2].rateScale = 7;
    rows[1].slide = 3;
    rows[1].cutRating = 11;
    rows[2].cutRating = 't';
    rows[3].cutRating = 7;
    rows[1].rtGamma[0] = 6000;
    rows[1].tvd = 103.5f;  // deeper than the record
    rows[2].tvd = 102.9f;
    std::memset(rows[3].lith, 'S', sizeof rows[3].lith);  // no end inside the field
    rows[1].outlineNarrow = 0xFFE9;  // an accented letter as the outline entry writes it
    rows[1].outlineWide = '~';
    rows[2].outlineNarrow = 0x0100;  // no entry writes this
    rows[2].outlineWide = 0xFF7F;
    WriteRecords(fx.well.dataFileName, rows);

    ASSERT_EQ(LoadAndRepairRecords(fx.Target()), 1);
    const auto out = FileRecords<RECORD>(fx.well.dataFileName);
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(+out[0].rateOne, 0.0f);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(+out[std::size_t(i)].depth, 100 + i);
    EXPECT_EQ(fx.well.fileTopDepth, 100);
    EXPECT_EQ(fx.well.fileBottomDepth, 103);
    EXPECT_EQ(fx.well.depthStep, 1);

    EXPECT_EQ(+out[1].rateOdd, 0.1f);
    EXPECT_EQ(+out[1].rateOne, 0.1f);
    EXPECT_EQ(+out[1].rate2Ft, 0.01f);
    EXPECT_EQ(+out[1].testGas[TEST_C2], 1.0f);
    EXPECT_EQ(+out[1].tripCode, 0);
    EXPECT_EQ(+out[2].tripCode, 5);
    EXPECT_EQ(+out[1].gasScale, 1);
    EXPECT_EQ(+out[2].gasScale, 1);
    EXPECT_EQ(+out[2].rateScale, 1);
    EXPECT_EQ(+out[1].slide, 0);
    EXPECT_EQ(+out[1].cutRating, 0);
    EXPECT_EQ(+out[2].cutRating, 't');
    EXPECT_EQ(+out[3].cutRating, 7);
    EXPECT_EQ(+out[1].rtGamma[0], 0.0f);
    EXPECT_EQ(+out[1].tvd, 0.0f);  // 103.5 lies below depth 101
    EXPECT_EQ(+out[2].tvd, 102.9f);  // its whole part does not exceed depth 102
    EXPECT_EQ(platform::FieldText(out[3].lith), std::string(29, 'S'));
    EXPECT_EQ(+out[1].outlineNarrow, 0xFFE9);
    EXPECT_EQ(+out[1].outlineWide, '~');
    EXPECT_EQ(+out[2].outlineNarrow, 0);
    EXPECT_EQ(+out[2].outlineWide, 0);
    for (int c = 1; c < 256; ++c)  // whatever character the outline entry is given survives a repair
        EXPECT_TRUE(wellfile::IsOutlineCode(entry::OutlineCharCode(char(c)))) << c;
}

TEST(Repair, GathersWholeFileValues)
{
    Fixture fx;
    std::vector<RECORD> rows;
    for (int d = 100; d < 160; ++d)
        rows.push_back(Valid(d));
    rows[40].gas[GAS_TG] = 5;  // depth 140: beyond first + 30
    rows[20].gas[GAS_TG] = 5;  // depth 120: not beyond first + 30
    platform::SetFieldText(rows[45].lith, "80SH,20SS");
    platform::SetFieldText(rows[55].lith, "100bl");  // undescribed in any case
    rows[30].mudWeightOut = 1.2f;
    rows[50].fluorColour = 0x0000FF;
    rows[10].gamma[1] = 40;
    WriteRecords(fx.well.dataFileName, rows);

    ASSERT_EQ(LoadAndRepairRecords(fx.Target()), 1);
    EXPECT_EQ(fx.summary.maxGasDepth, 140);
    EXPECT_EQ(fx.summary.lastDescribedDepth, 145);
    EXPECT_EQ(fx.summary.lastDescribedLith, "80SH,20SS");
    EXPECT_EQ(fx.well.lastMudWeightOut, 1.2f);
    EXPECT_EQ(fx.summary.lastColourA, 0x0000FFu);
    EXPECT_EQ(fx.summary.lastColourB, kNoLastColour);
    EXPECT_TRUE(fx.summary.gammaPresent);
    EXPECT_FALSE(fx.summary.fileTimeText.isEmpty());
}

TEST(Repair, SoundFileIsNotRewrittenARepairGoesThroughARename)
{
    Fixture fx;
    WriteRecords(fx.well.dataFileName, std::vector<RECORD>{Valid(100), Valid(101), Valid(102)});
    const ino_t before = Inode(fx.well.dataFileName);
    ASSERT_EQ(LoadAndRepairRecords(fx.Target()), 1);
    EXPECT_FALSE(fx.summary.rewritten);
    EXPECT_EQ(Inode(fx.well.dataFileName), before);

    // A torn record at the end: dropped, through a new file put in place whole.
    WriteRecords(fx.well.dataFileName, std::vector<RECORD>{Valid(100), Valid(101)}, QByteArray(300, 'x'));
    const ino_t torn = Inode(fx.well.dataFileName);
    ASSERT_EQ(LoadAndRepairRecords(fx.Target()), 1);
    EXPECT_TRUE(fx.summary.rewritten);
    EXPECT_NE(Inode(fx.well.dataFileName), torn);
    qint64 size = 0;
    FileRecords<RECORD>(fx.well.dataFileName, &size);
    EXPECT_EQ(size, 2 * kRecordSize);
    EXPECT_EQ(QDir(TestDir()).entryList(QDir::Files), QStringList{"w.svm"});  // no temporary file left

    // Shorter than a record: nothing to repair, nothing cut.
    WriteRecords(fx.well.dataFileName, std::vector<RECORD>{}, QByteArray(100, 'x'));
    EXPECT_EQ(LoadAndRepairRecords(fx.Target()), 0);
    FileRecords<RECORD>(fx.well.dataFileName, &size);
    EXPECT_EQ(size, 100);
}

TEST(Repair, ProfileComesFromTheTextWithoutOpeningAnything)
{
    Fixture fx;
    WriteRecords(fx.well.dataFileName, std::vector<RECORD>{Valid(100), Valid(101)});
    ASSERT_EQ(LoadAndRepairRecords(fx.Target()), 1);
    EXPECT_EQ(fx.loggerId, 10);  // empty company text
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
    EXPECT_TRUE(doubles().prompter.fileRequests.isEmpty());

    std::vector<RECORD> rows{Valid(100), Valid(101)};
    platform::SetFieldText(rows[0].interpretedLith, "prf64 logging");
    WriteRecords(fx.well.dataFileName, rows);
    fx.loggerId = 0;
    LoadAndRepairRecords(fx.Target());
    EXPECT_EQ(fx.loggerId, 64);
    fx.loggerId = 21;  // a profile already set is kept
    LoadAndRepairRecords(fx.Target());
    EXPECT_EQ(fx.loggerId, 21);
}

TEST(Repair, CustomDataFileIsFittedToTheDataFileRange)
{
    Fixture fx;
    std::vector<RECORD> rows;
    for (int d = 1000; d < 1010; ++d)
        rows.push_back(Valid(d));
    WriteRecords(fx.well.dataFileName, rows);
    std::vector<CUSTDATAREC> custom(5);
    for (std::size_t i = 0; i < custom.size(); ++i) {
        custom[i].depth = 7;  // out of order
        custom[i].rpm = float(i + 1);
    }
    WriteRecords(fx.well.customDataFileName, custom);
    std::vector<EXTRECORD> fit(3);
    fit[0].depth = 1000;
    WriteRecords(fx.fit.path, fit, QByteArray(10, 'z'));

    ASSERT_EQ(LoadAndRepairRecords(fx.Target()), 1);  // runs the custom renumber itself
    auto out = FileRecords<CUSTDATAREC>(fx.well.customDataFileName);
    ASSERT_EQ(out.size(), 10u);
    for (std::size_t i = 0; i < out.size(); ++i)
        EXPECT_EQ(+out[i].depth, 1000.0f + float(i));
    EXPECT_EQ(+out[4].rpm, 5.0f);
    EXPECT_EQ(+out[5].rpm, 0.0f);  // added records are zero but for the depth
    EXPECT_EQ(fx.well.customTopDepth, 1000);
    EXPECT_EQ(fx.well.customBottomDepth, 1009);

    qint64 size = 0;
    const auto fitOut = FileRecords<EXTRECORD>(fx.fit.path, &size);
    EXPECT_EQ(size, 3 * wellfile::kExtRecordSize + 10);  // length unchanged
    EXPECT_EQ(+fitOut[2].depth, 1002.0f);
    EXPECT_EQ(fx.fit.bottomDepth, 1002);

    // A longer file is cut; a shared copy is renumbered in memory only unless drilling, and its ".fit"
    // read for its range (not the range of the well open before) but left as it is.
    WriteRecords(fx.well.customDataFileName, std::vector<CUSTDATAREC>(15));
    fx.shared = true;
    fx.fit.topDepth = 500;
    fx.fit.bottomDepth = 700;
    const QByteArray fitBytes = ReadBytes(fx.fit.path);
    ASSERT_EQ(RenumberCustomRecords(fx.Target()), 1);
    EXPECT_EQ(FileRecords<CUSTDATAREC>(fx.well.customDataFileName).size(), 15u);
    EXPECT_EQ(fx.well.customBottomDepth, 1009);
    EXPECT_EQ(fx.fit.topDepth, 1000);
    EXPECT_EQ(fx.fit.bottomDepth, 1002);
    EXPECT_EQ(ReadBytes(fx.fit.path), fitBytes);
    fx.well.drilling = true;
    ASSERT_EQ(RenumberCustomRecords(fx.Target()), 1);
    EXPECT_EQ(FileRecords<CUSTDATAREC>(fx.well.customDataFileName).size(), 10u);
}

TEST(Repair, DamagedDepthsNeverSizeTheCustomDataFile)
{
    Fixture fx;
    WriteRecords(fx.well.dataFileName, std::vector<RECORD>{Valid(0), Valid(1)});
    std::vector<CUSTDATAREC> custom(2);
    custom[0].depth = std::numeric_limits<float>::quiet_NaN();
    WriteRecords(fx.well.customDataFileName, custom);
    std::vector<EXTRECORD> fit(2);
    fit[0].depth = 1e20f;
    WriteRecords(fx.fit.path, fit);

    // Depths from an unrepaired read of a damaged file: no more records than the data file holds, and a
    // first depth that is no number is replaced by the data file's.
    fx.well.fileTopDepth = 0;
    fx.well.fileBottomDepth = 2000000000;
    ASSERT_EQ(RenumberCustomRecords(fx.Target()), 1);
    const auto out = FileRecords<CUSTDATAREC>(fx.well.customDataFileName);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(+out[1].depth, 1.0f);
    EXPECT_EQ(fx.well.customTopDepth, 0);
    EXPECT_EQ(fx.well.customBottomDepth, 1);
    // A ".fit" numbered from an out-of-range depth gives a range of 0, not an overflow.
    EXPECT_EQ(fx.fit.topDepth, 0);
    EXPECT_EQ(fx.fit.bottomDepth, 0);
}
