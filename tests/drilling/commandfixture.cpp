#include "commandfixture.h"

#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "app/opendatafile.h"

#include <QFileInfo>

#include <cmath>

namespace drilling_testing {

using testing_support::TestDir;

DrillingCommandTest::DrillingCommandTest()
{
    neighbours.gasmon = &gas;
    neighbours.wits = &wits;
    wellServices.window = &window;
    wellServices.view = &view;
    commands.peers = {&canvas, &links, &links, &links, &links};

    const QString folder = TestDir();
    EXPECT_FALSE(testing_support::MakeWell(folder, "ALPHA.svm", 900, 1000).isEmpty());
    wellfile::OpenWell& f = log.well.file;
    f.dataFolder = f.currentFolder = folder;
    f.wellName = "ALPHA";
    f.dataFileName = folder + "ALPHA.svm";
    f.customDataFileName = folder + "ALPHA.svx";
    f.fileTopDepth = 900;
    f.fileBottomDepth = 1000;
    f.depthStep = 1;
    f.viewTopDepth = 940;
    log.well.fileOpened = true;
    log.well.loggerId = 12;
    log.env.firstInstance = 1;
    log.env.installFolder = folder + "install/";
    log.timers = &timers;
    log.layout.format.logRight = 800;

    config = wellfile::DefaultWellConfig({});
    config.minSecondsPerUnit = 4;
    config.gasInstrumentType = -1;
    config.drillingSetting = 950;
    WriteConfig();
}

void DrillingCommandTest::WriteConfig()
{
    bool field = false;
    ASSERT_TRUE(wellfile::SaveConfig(config, app::PlaceOf(log), field));
}

QString DrillingCommandTest::ConfigPath() const { return wellfile::OwnConfigPath(app::PlaceOf(log), false); }

QByteArray DrillingCommandTest::ConfigBytes() const { return testing_support::ReadBytes(ConfigPath()); }

wellfile::WellConfig DrillingCommandTest::SavedConfig() const
{
    wellfile::WellConfig c{};
    const QByteArray bytes = ConfigBytes();
    EXPECT_EQ(bytes.size(), qsizetype(sizeof c));
    if (bytes.size() == qsizetype(sizeof c))
        std::memcpy(&c, bytes.constData(), sizeof c);
    return c;
}

void DrillingCommandTest::Tick(double seconds)
{
    const int ticks = int(std::lround(seconds * 5));
    for (int i = 0; i < ticks; ++i) {
        testing_support::doubles().clock.Advance(200);
        timers.Fire(2);
    }
}

void DrillingCommandTest::Press(std::uint32_t button, std::uint32_t held)
{
    commands.JoyButton(log, button | (button << 8) | held);
    commands.JoyButton(log, (button << 8) | held);
}

int DrillingCommandTest::RecordCount() const
{
    return int(QFileInfo(log.well.file.dataFileName).size() / qint64(sizeof(wellfile::RECORD)));
}

}  // namespace drilling_testing
