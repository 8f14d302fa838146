#include "wellfile/customdata.h"

#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

using testing_support::doubles;
using testing_support::FileRecords;
using testing_support::MakeWell;
using testing_support::ReadBytes;
using testing_support::TestDir;
using testing_support::WriteRecords;

namespace {

// A drilling well of depths 1000..1010 with both options on; its data file holds 20 records.
struct Fixture {
    wellfile::OpenWell well;
    wellfile::FitFile fit;
    Fixture()
    {
        well.dataFileName = MakeWell(TestDir(), "w.svm", 1000, 1019);
        well.customDataFileName = TestDir() + "w.svx";
        well.fileTopDepth = 1000;
        well.fileBottomDepth = 1010;
        fit.path = TestDir() + "w.fit";
        fit.dataEnabled = true;
        fit.extRecordOption = true;
    }
};

}  // namespace

TEST(CustomData, CreatedFilesEndOneStepShortAndTheFitRangeReachesTheBottom)
{
    Fixture fx;
    ASSERT_EQ(wellfile::CreateCustomDataFile(fx.well, fx.fit, 1000, 1010), 1);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    // Said once made, with its depths (the last one short of 1010) and where it is.
    EXPECT_EQ(doubles().prompter.messages[0].caption, "Custom Data");
    EXPECT_EQ(doubles().prompter.messages[0].text,
              "Custom data file created for the depths 1000 to 1009:\n" + fx.well.customDataFileName);

    const auto svx = FileRecords<wellfile::CUSTDATAREC>(fx.well.customDataFileName);
    const auto fit = FileRecords<wellfile::EXTRECORD>(fx.fit.path);
    ASSERT_EQ(svx.size(), 10u);
    ASSERT_EQ(fit.size(), 10u);
    EXPECT_EQ(+svx[0].depth, 1000.0f);
    EXPECT_EQ(+svx[9].depth, 1009.0f);
    EXPECT_EQ(+fit[9].depth, 1009.0f);
    EXPECT_EQ(+fit[3].recordLength, wellfile::kExtRecordSize);
    EXPECT_EQ(fx.well.customBottomDepth, 1009);
    EXPECT_EQ(fx.fit.topDepth, 1000);
    EXPECT_EQ(fx.fit.bottomDepth, 1010);

    // The FIT values of the bottom depth are written right away: appended at its index.
    std::vector<wellfile::EXTRECORD> bottom(1);
    bottom[0].depth = 1010;
    bottom[0].recordLength = wellfile::kExtRecordSize;
    bottom[0].fitA[0] = 4.5f;
    EXPECT_EQ(wellfile::WriteExtRecords(fx.fit, bottom, fx.fit.path, 10, 1), 1);
    auto ext = FileRecords<wellfile::EXTRECORD>(fx.fit.path);
    ASSERT_EQ(ext.size(), 11u);
    EXPECT_EQ(+ext[10].fitA[0], 4.5f);

    // The step that reaches 1010 appends its record; ".fit" records are appended blank, only with the option.
    ASSERT_EQ(wellfile::ExtendCustomDataFile(fx.well, 1010), 1);
    EXPECT_EQ(FileRecords<wellfile::CUSTDATAREC>(fx.well.customDataFileName).size(), 11u);
    fx.fit.extRecordOption = false;
    EXPECT_EQ(wellfile::CorrectExtDepth(fx.well, fx.fit, 1011), 0);
    fx.fit.extRecordOption = true;
    ASSERT_EQ(wellfile::CorrectExtDepth(fx.well, fx.fit, 1011), 1);
    ext = FileRecords<wellfile::EXTRECORD>(fx.fit.path);
    ASSERT_EQ(ext.size(), 12u);
    EXPECT_EQ(+ext[10].fitA[0], 4.5f);
    EXPECT_EQ(+ext[11].depth, 1011.0f);
    EXPECT_EQ(+ext[11].recordLength, wellfile::kExtRecordSize);
    EXPECT_EQ(fx.fit.bottomDepth, 1011);
}

TEST(CustomData, ExtendCopiesTheLastRecordCutKeepsUpToTheDepth)
{
    Fixture fx;
    std::vector<wellfile::CUSTDATAREC> rows(10);
    for (int i = 0; i < 10; ++i) {
        rows[std::size_t(i)].depth = float(1000 + i);
        rows[std::size_t(i)].rpm = float(i);
    }
    WriteRecords(fx.well.customDataFileName, rows);
    std::vector<QString> copied;
    fx.well.drilling = fx.well.secondFolderOption = fx.well.copyOut = true;
    fx.well.hooks.copyWellFileOut = [&](const QString& ext) { copied.push_back(ext); };

    ASSERT_EQ(wellfile::ExtendCustomDataFile(fx.well, 1012), 1);
    auto out = FileRecords<wellfile::CUSTDATAREC>(fx.well.customDataFileName);
    ASSERT_EQ(out.size(), 13u);
    for (int i = 10; i < 13; ++i) {
        EXPECT_EQ(+out[std::size_t(i)].depth, float(1000 + i));
        EXPECT_EQ(+out[std::size_t(i)].rpm, 9.0f);  // copies of the 1009 record
    }
    EXPECT_EQ(fx.well.customBottomDepth, 1012);
    EXPECT_EQ(copied, std::vector<QString>{".svx"});

    // The cut counts from the file's own first depth, whatever the data file's is.
    fx.well.fileTopDepth = 990;
    ASSERT_EQ(wellfile::ExtendCustomDataFile(fx.well, 1005), 1);
    out = FileRecords<wellfile::CUSTDATAREC>(fx.well.customDataFileName);
    ASSERT_EQ(out.size(), 6u);
    EXPECT_EQ(+out[5].depth, 1005.0f);
    EXPECT_EQ(fx.well.customTopDepth, 1000);
    EXPECT_EQ(fx.well.customBottomDepth, 1005);
    ASSERT_EQ(wellfile::ExtendCustomDataFile(fx.well, 900), 1);  // the first record always stays
    EXPECT_EQ(FileRecords<wellfile::CUSTDATAREC>(fx.well.customDataFileName).size(), 1u);

    // Drilling with custom tracks off: no file, no message, nothing made.
    fx.well.customDataFileName = TestDir() + "none.svx";
    EXPECT_EQ(wellfile::ExtendCustomDataFile(fx.well, 1013), 0);
    EXPECT_FALSE(QFileInfo::exists(fx.well.customDataFileName));
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
}

TEST(CustomData, DamagedDepthsNeitherCrashNorGrowTheFiles)
{
    Fixture fx;
    // A ".svx" whose last depth is no number, or far out of range: left for the repair pass.
    for (const float bad : {std::numeric_limits<float>::quiet_NaN(), 1e20f, -1e20f}) {
        std::vector<wellfile::CUSTDATAREC> rows(3);
        rows[0].depth = 1000;
        rows[1].depth = 1001;
        rows[2].depth = bad;
        WriteRecords(fx.well.customDataFileName, rows);
        const QByteArray before = ReadBytes(fx.well.customDataFileName);
        EXPECT_EQ(wellfile::ExtendCustomDataFile(fx.well, 1010), 0);
        EXPECT_EQ(ReadBytes(fx.well.customDataFileName), before);
    }

    // A depth that is a number but far from the data file's: no more records are added than the data
    // file holds.
    std::vector<wellfile::CUSTDATAREC> rows(2);
    rows[0].depth = -2e9f;
    rows[1].depth = -2e9f + 1;
    WriteRecords(fx.well.customDataFileName, rows);
    ASSERT_EQ(wellfile::ExtendCustomDataFile(fx.well, 1010), 1);
    EXPECT_EQ(FileRecords<wellfile::CUSTDATAREC>(fx.well.customDataFileName).size(), 22u);

    std::vector<wellfile::EXTRECORD> ext(1);
    ext[0].depth = -1.5e9f;
    WriteRecords(fx.fit.path, ext);
    ASSERT_EQ(wellfile::CorrectExtDepth(fx.well, fx.fit, 1010), 1);
    EXPECT_EQ(FileRecords<wellfile::EXTRECORD>(fx.fit.path).size(), 21u);

    // Nor is a new file made longer than the data file, whatever depths it is asked for.
    EXPECT_EQ(wellfile::CreateCustomDataFile(fx.well, fx.fit, std::numeric_limits<std::int32_t>::min(), 1010), 1);
    EXPECT_EQ(FileRecords<wellfile::CUSTDATAREC>(fx.well.customDataFileName).size(), 20u);
    EXPECT_EQ(FileRecords<wellfile::EXTRECORD>(fx.fit.path).size(), 20u);

    // With no data file on disk the well's depths bound nothing, here as in the repair pass: a new file
    // gets its one record, an existing one nothing added.
    QFile::remove(fx.well.dataFileName);
    fx.well.fileBottomDepth = 5000;
    EXPECT_EQ(wellfile::CreateCustomDataFile(fx.well, fx.fit, 1000, fx.well.fileBottomDepth), 1);
    EXPECT_EQ(FileRecords<wellfile::CUSTDATAREC>(fx.well.customDataFileName).size(), 1u);
    EXPECT_EQ(wellfile::ExtendCustomDataFile(fx.well, 1010), 1);
    EXPECT_EQ(FileRecords<wellfile::CUSTDATAREC>(fx.well.customDataFileName).size(), 1u);
}

TEST(CustomData, RunsAreLimitedToTheFileRange)
{
    Fixture fx;
    fx.well.customTopDepth = 1000;
    fx.well.customBottomDepth = 1004;
    std::vector<wellfile::CUSTDATAREC> rows(5);
    for (int i = 0; i < 5; ++i)
        rows[std::size_t(i)].depth = float(1000 + i);
    WriteRecords(fx.well.customDataFileName, rows);

    std::vector<wellfile::CUSTDATAREC> buffer(20);
    buffer[5].depth = 77;
    EXPECT_EQ(wellfile::ReadCustomRecords(fx.well, buffer, fx.well.customDataFileName, 0, 18), 5);
    EXPECT_EQ(+buffer[4].depth, 1004.0f);
    EXPECT_EQ(+buffer[5].depth, 0.0f);  // the end of the run is marked
    std::vector<wellfile::CUSTDATAREC> small(3);
    EXPECT_EQ(wellfile::ReadCustomRecords(fx.well, small, fx.well.customDataFileName, 0, 5), 2);  // room for the mark
    EXPECT_EQ(wellfile::ReadCustomRecords(fx.well, buffer, TestDir() + "missing.svx", 0, 5), 0);

    std::vector<wellfile::CUSTDATAREC> changed(10);
    for (std::size_t i = 0; i < changed.size(); ++i) {
        changed[i].depth = float(1003 + i);
        changed[i].rpm = 50;
    }
    EXPECT_EQ(wellfile::WriteCustomRecords(fx.well, changed, fx.well.customDataFileName, 3, 10), 2);
    const auto written = FileRecords<wellfile::CUSTDATAREC>(fx.well.customDataFileName);
    ASSERT_EQ(written.size(), 5u);
    EXPECT_EQ(+written[2].rpm, 0.0f);
    EXPECT_EQ(+written[4].rpm, 50.0f);
    EXPECT_EQ(wellfile::WriteCustomRecords(fx.well, changed, TestDir() + "missing.svx", 0, 1), 0);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_EQ(doubles().prompter.messages[0].text, "SaveEx File Open Failed ");
    EXPECT_EQ(doubles().prompter.messages[0].caption, "ERROR");
    EXPECT_FALSE(QFileInfo::exists(TestDir() + "missing.svx"));

    // The ".fit" read counts the records really there.
    fx.fit.topDepth = 1000;
    fx.fit.bottomDepth = 1009;
    WriteRecords(fx.fit.path, std::vector<wellfile::EXTRECORD>(3));
    std::vector<wellfile::EXTRECORD> ext(12);
    EXPECT_EQ(wellfile::ReadExtRecords(fx.fit, ext, fx.fit.path, 0, 10), 3);

    QFile torn(fx.well.customDataFileName);
    ASSERT_TRUE(torn.open(QIODevice::Append));
    torn.write(QByteArray(100, 'x'));
    torn.close();
    const auto last = wellfile::ReadLastCustomRecord(fx.well.customDataFileName);
    ASSERT_TRUE(last);
    EXPECT_EQ(+last->depth, 1004.0f);
    EXPECT_FALSE(wellfile::ReadLastExtRecord(TestDir() + "missing.fit"));
}
