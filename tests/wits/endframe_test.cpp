// Closing a sample: the drilling status from the bit and hole depths, and the link settings record.
#include "app/logstate.h"
#include "app/wellservices.h"
#include "drilling/driller.h"
#include "drilling/logtime.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "support/witsengine.h"
#include "wits/custwitscfg.h"
#include "wits/wits.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace wits;
using testing_support::TestDir;
using testing_support::EditConnection;

namespace {

class EndFrameTest : public ::testing::Test {
protected:
    EndFrameTest()
    {
        well.dataFolder = well.currentFolder = TestDir();
        well.wellName = "W";
        well.dataFileName = testing_support::MakeWell(TestDir(), "W.svm", 1000, 1200);
        well.fileTopDepth = 1000;
        well.fileBottomDepth = 1200;
        driller = std::make_unique<drilling::Driller>(facts, WitsAlarmHost{});
        driller->SetTime(std::make_unique<drilling::LogTime>(*driller, 30.0f));
        state.engines.driller = driller.get();
        state.engines.pumpStrokes.reset();
        host.writeBlock = [this](const wellfile::WITSRECORD*, int count) { blocks << count; };
        link.drivesDrillingStatus = true;
        WitsAlarmHost alarmHost;
        alarmHost.dataFolder = [] { return TestDir(); };
        engine = std::make_unique<Wits>(host, alarmHost);
    }
    void Close(float bit, float hole, std::uint16_t pressure)
    {
        wellfile::WITSRECORD& s = engine->Sample();
        s.bitDepth = bit;
        s.holeDepth = hole;
        s.pumpPressure = pressure;
        engine->FinishFrame();
        engine->CloseSample();
        testing_support::doubles().clock.Advance(6000);  // the next sample is the next slot's
    }

    app::LogState state;  // the window's state the host is made from
    app::WellServices services;
    wellfile::OpenWell& well = state.well.file;
    drilling::DrillingHost facts{state};
    std::unique_ptr<drilling::Driller> driller;
    app::WitsLinkState& link = state.witsLink;
    WitsHost host{state, services};
    QList<int> blocks;  // outlives the engine, which writes its last block as it goes
    std::unique_ptr<Wits> engine;
};

TEST_F(EndFrameTest, BitAgainstHoleSetsOnAndOffBottomAndPumpPressureCirculating)
{
    drilling::LogTime& t = *driller->Time();
    Close(1199.4f, 1200.0f, 300);
    EXPECT_EQ(driller->Bottom().offBottom, 1);
    EXPECT_NE(t.offBottom, 0);
    EXPECT_EQ(t.circulating, 1);
    Close(1199.4f, 1200.0f, 290);  // between 280 and 299: as it was
    EXPECT_EQ(t.circulating, 1);
    Close(1199.4f, 1200.0f, 100);
    EXPECT_EQ(t.circulating, 0);
    Close(1199.7f, 1200.0f, 0);  // within half a unit: as it was
    EXPECT_EQ(driller->Bottom().offBottom, 1);
    Close(1199.9f, 1200.0f, 0);
    EXPECT_EQ(driller->Bottom().offBottom, 0);
    EXPECT_EQ(t.offBottom, 0);
    EXPECT_EQ(blocks, QList<int>({5}));  // the fifth sample closed the block

    // Not driving the status, or kept from it by the drilling set-up: nothing changes.
    link.drivesDrillingStatus = false;
    Close(1190.0f, 1200.0f, 0);
    link.drivesDrillingStatus = true;
    state.well.config.witsDepthOption = 1;  // the drilling set-up keeps the WITS depths from the status
    Close(1190.0f, 1200.0f, 0);
    EXPECT_EQ(driller->Bottom().offBottom, 0);
}

TEST_F(EndFrameTest, AHoleShallowerThanTheBitFollowsItUnlessHeld)
{
    EditConnection(*engine, [&](auto& v) { v.bottomDepthAtConnect = 1200; });
    link.drivesDrillingStatus = false;
    Close(1201.5f, 1201.0f, 0);
    EXPECT_FLOAT_EQ(engine->LastClosed().holeDepth, 1201.5f);
    link.holdHoleDepth = true;
    Close(1202.5f, 1201.0f, 0);
    EXPECT_FLOAT_EQ(engine->LastClosed().holeDepth, 1201.0f);
    link.holdHoleDepth = false;
    Close(1150.0f, 1100.0f, 0);  // above the bottom at connect: a trip, not new hole
    EXPECT_FLOAT_EQ(engine->LastClosed().holeDepth, 1100.0f);
}

CUSTWITSCFG ReadCfg()
{
    CUSTWITSCFG c;
    std::memset(&c, 0x55, sizeof c);
    EXPECT_EQ(ReadCustWitsConfig(TestDir(), c), 1);
    return c;
}

TEST(CustWitsCfg, ShortFilesFillTheirBytesAndLongOrMissingOnesGiveTheDefaults)
{
    CUSTWITSCFG c = ReadCfg();  // missing
    EXPECT_EQ(c.comPort, 1);
    EXPECT_EQ(c.connectionMode, 0);
    EXPECT_EQ(c.baudIndex, 2);
    EXPECT_EQ(c.replyTimeoutMs, 2500);
    EXPECT_FLOAT_EQ(c.intervalSeconds, 4.0f);

    testing_support::WriteBytes(TestDir() + "custwits.cfg", QByteArray(200, '\x7f'));
    c = ReadCfg();
    EXPECT_EQ(c.comPort, 1);
    EXPECT_EQ(c.replyTimeoutMs, 2500);

    QByteArray older(100, '\0');
    for (int i = 0; i < older.size(); ++i)
        older[i] = char(i + 1);
    testing_support::WriteBytes(TestDir() + "custwits.cfg", older);
    c = ReadCfg();
    EXPECT_EQ(std::memcmp(&c, older.constData(), 100), 0);
    EXPECT_EQ(c.lithologyPort, 0);

    testing_support::WriteBytes(TestDir() + "custwits.cfg", QByteArray());
    c = ReadCfg();
    const CUSTWITSCFG zero{};
    EXPECT_EQ(std::memcmp(&c, &zero, sizeof c), 0);
}

TEST(CustWitsCfg, AWriteNeedsAnOpenWellAndReportsAFailure)
{
    CUSTWITSCFG c;
    DefaultCustWitsConfig(c);
    c.witsOnTcp = 1;
    c.tcpPort = 5001;
    EXPECT_EQ(WriteCustWitsConfig(TestDir(), QString(), c), 0);
    EXPECT_FALSE(QFile::exists(TestDir() + "custwits.cfg"));
    EXPECT_EQ(WriteCustWitsConfig(TestDir(), "W", c), 1);
    EXPECT_EQ(testing_support::ReadBytes(TestDir() + "custwits.cfg").size(), 180);
    const CUSTWITSCFG back = ReadCfg();
    EXPECT_EQ(std::memcmp(&back, &c, sizeof c), 0);
    EXPECT_EQ(WriteCustWitsConfig(TestDir() + "missing/", "W", c), 0);
}

}  // namespace
