// The main window with a driller: its keys reach the drilling clock and the activity log reads the
// driller's figures.
#include "drilling/driller.h"
#include "drilling/drillingstate.h"
#include "drilling/logtime.h"
#include "shell/ui/logwindow.h"
#include "support/drillerstate.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wits/witsalarmhost.h"

#include <gtest/gtest.h>

#include <tuple>

using testing_support::doubles;
using testing_support::TestDir;

namespace {

TEST(DrillingWindow, KeysReachTheDrillingClockAndTheLogReadsTheFigures)
{
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    app::LogState& s = window.State();
    ASSERT_FALSE(testing_support::MakeWell(TestDir(), "ALPHA.svm", 900, 1000).isEmpty());
    s.well.file.dataFolder = s.well.file.currentFolder = TestDir();
    s.well.file.wellName = "ALPHA";
    s.well.file.dataFileName = TestDir() + "ALPHA.svm";
    s.well.file.fileTopDepth = 900;
    s.well.file.fileBottomDepth = 1000;
    s.well.file.drilling = true;
    s.well.fileOpened = true;

    drilling::DrillingHost host(s);
    EXPECT_EQ(host.Window().charWidth, window.fontMetrics().averageCharWidth())
        << "the lag text is placed by the window's font";
    drilling::Driller driller(host, wits::MakeWitsAlarmHost(s));
    driller.Start(s.well.config);
    drilling::AttachDriller(s, &driller);

    window.EvKeyDown(Qt::Key_D, true);
    EXPECT_EQ(driller.Time()->offBottom, 1);
    window.EvChar('d');  // without Control: nothing
    EXPECT_EQ(driller.Time()->offBottom, 1);
    window.EvChar('f');
    EXPECT_EQ(doubles().sounder.beeps, 1);
    EXPECT_EQ(driller.Steps().stepPending, 0);

    testing_support::EditSteps(driller, [](drilling::DrillerSteps& v) { v.rate = 42; });
    ASSERT_TRUE(s.engines.drillerFigures);
    EXPECT_EQ(s.engines.drillerFigures().rate, 42);
    EXPECT_EQ(s.customTracks.host.drillerLag, &driller.Lag());
    drilling::AttachDriller(s, nullptr);
    EXPECT_FALSE(s.engines.drillerFigures);
    EXPECT_EQ(s.engines.driller, nullptr);
}

}  // namespace

namespace {

// Every profile's depths are in metres (its rates read min/M or M/Hr): the lag takes them so.
TEST(DrillingWindow, EveryWellsDepthsAreInMetres)
{
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    app::LogState& s = window.State();
    for (const auto& [profile, perHour] : {std::pair{4, 0}, {64, 0}, {11, 1}, {11, 0}, {12, 0}, {21, 0}}) {
        s.well.loggerId = std::uint16_t(profile);
        s.well.config.rateUnitPerHour = perHour;
        EXPECT_TRUE(drilling::DrillingHost(s).Window().metric) << profile;
    }
}

}  // namespace
