// A drilling program killed at any moment leaves whole records: the data file a run of whole records
// with consecutive depths, the custom-data file never ahead of it. Linux may stop a write that spans
// two pages of the file when the process is killed, so the last record can be torn: the next step of
// the next run writes over it.
#include "drillingfixture.h"

#include "support/files.h"
#include "support/helperprocess.h"
#include "support/testmain.h"
#include "wellfile/datafile.h"

#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <cstdio>
#include <random>

using namespace drilling;
using namespace drilling_testing;

namespace {

class KilledDriller : public DrillingTest {};

// Run by the next test in a process of its own: drills the well of the folder it is given flat out
// until it is killed.
TEST_F(KilledDriller, DrillerProcess)
{
    const QString folder = qEnvironmentVariable("STRATIVM_DRILLER_WELL");
    if (folder.isEmpty())
        GTEST_SKIP() << "runs only as the helper process of KilledDrillingLeavesWholeRecords";
    MakeWellOnDisk(900, 901);  // the window's values; the well itself is the one in `folder`
    well.dataFolder = well.currentFolder = folder;
    well.dataFileName = folder + "ALPHA.svm";
    well.customDataFileName = folder + "ALPHA.svx";
    wellfile::ReadDataFileDepthRange(well.dataFileName, well.fileTopDepth, well.fileBottomDepth);
    CustomDataInUse();
    StartDriller();
    std::printf("GO\n");
    std::fflush(stdout);
    for (int step = 0; step < 200000; ++step) {  // ends by itself should the test die first
        Clock().Advance(5000);
        driller->MarkStep(StepSource::WholeUnitBox);
        driller->Time()->Tick();
        driller->Update();
    }
}

TEST_F(KilledDriller, KilledDrillingLeavesWholeRecords)
{
    MakeWellOnDisk(900, 1000);
    // The well starts with a torn tail, as a kill at the wrong moment leaves it.
    testing_support::WriteBytes(well.dataFileName, testing_support::ReadExistingBytes(well.dataFileName) + QByteArray(300, 'x'));
    std::mt19937 random(4400);
    std::int32_t lastBottom = 0;
    for (int round = 0; round < 20; ++round) {
        QProcess child;
        const QByteArray out = testing_support::StartHelperProcess(child, "KilledDriller.DrillerProcess",
                                                                   "STRATIVM_DRILLER_WELL", well.dataFolder, "GO");
        ASSERT_TRUE(out.contains("GO")) << out.constData();
        QThread::usleep(random() % 30000);
        child.kill();
        ASSERT_TRUE(child.waitForFinished(30000));

        qint64 size = 0;
        const auto records = testing_support::FileRecords<wellfile::RECORD>(well.dataFileName, &size);
        ASSERT_FALSE(records.empty());
        // A torn tail is never followed by another record: the next run writes over it.
        for (std::size_t i = 0; i < records.size(); ++i)
            ASSERT_EQ(records[i].depth, 900 + std::int32_t(i)) << "round " << round;
        ASSERT_GE(records.back().depth, lastBottom) << "round " << round;
        const qint64 custom = QFileInfo(well.customDataFileName).size();
        ASSERT_LE(custom / wellfile::kCustomRecordSize, qint64(records.size())) << "round " << round;
        lastBottom = records.back().depth;
    }
    EXPECT_GT(lastBottom, 1020);  // the kills came while it drilled
}

}  // namespace
