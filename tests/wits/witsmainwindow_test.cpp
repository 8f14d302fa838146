// The standard WITS link in the main window: "Wits Monitor" on over a pty pair opens the real data and
// gas windows, text from the peer reaches the data window's fields, "Reset Dialogs" brings both windows
// back to the log, and off takes them away and keeps their places.
#include "app/commandids.h"
#include "app/opendatafile.h"
#include "gasmon/gasmoncfg.h"
#include "gasmon/ui/gasdisplaydlg.h"
#include "layout/linesandscales.h"
#include "platform/folders.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "support/files.h"
#include "support/modbuspeer.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/wellconfig.h"
#include "wits/ui/witsdisplaydlg.h"

#include <QSerialPort>

#include <gtest/gtest.h>

#include <cstring>

using testing_support::Spin;
using testing_support::kLoadedMs;
using testing_support::TestDir;

namespace {

TEST(WitsMainWindow, TheLinkShowsItsWindowsWhichResetDialogsBringsBackAndOffTakesAway)
{
    testing_support::PtyPair line;
    ASSERT_TRUE(line.Start());
    platform::WriteSetting(QStringLiteral("Serial/COM2"), line.a);
    QSerialPort peer(line.b);
    peer.setBaudRate(9600);
    ASSERT_TRUE(peer.open(QIODevice::ReadWrite));

    shell::LogWindow window(nullptr, QStringLiteral("StrativM"));
    app::LogState& s = window.State();
    ASSERT_TRUE(testing_support::PointAtNewWell(s, "W", 1000, 1200));
    s.engineStatus.gasInstrumentType = 10;
    s.env.screenWidth = 1920;
    s.env.screenHeight = 1080;
    s.env.monitorCount = 1;
    layout::LogLayout& format = s.layout.format;
    format.logArea.left = 10;
    format.logArea.bottom = 300;
    format.gas.left = 150;
    bool field = false;
    ASSERT_TRUE(wellfile::SaveConfig(wellfile::DefaultWellConfig({}), app::PlaceOf(s), field));
    gasmon::GASMONCFG gas{};
    gas.witsComPort = 2;
    gas.witsWindowLeft = 90;  // the framed window lies whole on the 800 px screen
    gas.witsWindowTop = 120;
    gas.witsGasWindowLeft = 300;
    gas.witsGasWindowTop = 320;
    gas.ratioMode = 1;
    testing_support::WriteBytes(TestDir() + "gasmon.cfg", &gas, sizeof gas);

    EXPECT_TRUE(window.EvCommand(app::cmd::Wits));
    ASSERT_TRUE(s.engineStatus.witsRunning);
    const auto data = window.findChildren<wits::WitsDisplayDlg*>();
    const auto gasWindows = window.findChildren<gasmon::GasDisplayDlg*>();
    ASSERT_EQ(data.size(), 1);
    ASSERT_EQ(gasWindows.size(), 1);
    wits::WitsDisplayDlg& dataWindow = *data[0];
    gasmon::GasDisplayDlg& gasWindow = *gasWindows[0];
    EXPECT_TRUE(dataWindow.isVisible());
    EXPECT_EQ(dataWindow.windowTitle(), "StrativM Wits Feed");
    EXPECT_EQ(dataWindow.pos(), QPoint(90, 120));
    EXPECT_EQ(gasWindow.windowTitle(), "Strativ Wits Gas Monitor");

    const QByteArray frame("&&\r\n01081201.30\r\n01101201.30\r\n!!\r\n");
    peer.write(frame);
    peer.flush();
    EXPECT_TRUE(Spin([&] { return dataWindow.GetText(106) == "1201.30"; }, kLoadedMs))
            << "waited for: dataWindow.GetText(106) == \"1201.30\"";
    EXPECT_EQ(dataWindow.GetText(119), QString::number(frame.size()));

    // "Reset Dialogs": both windows to the bottom of the log area, the data window at the log's left
    // edge and the gas window at the gas track, 140 pixels to its right.
    bool clicked = false;
    platform::Dialog::QueueTestScript([&](platform::Dialog& d) { clicked = d.Click(layout::setupid::ResetDialogs); });
    EXPECT_TRUE(window.EvCommand(app::cmd::LinesAndScales));
    EXPECT_TRUE(clicked);
    EXPECT_EQ(gasWindow.x() - dataWindow.x(), 140);
    EXPECT_EQ(gasWindow.y(), dataWindow.y());
    EXPECT_NE(dataWindow.pos(), QPoint(90, 120));
    const QPoint dataHome = dataWindow.pos(), gasHome = gasWindow.pos();

    EXPECT_TRUE(window.EvCommand(app::cmd::Wits));
    EXPECT_FALSE(s.engineStatus.witsRunning);
    EXPECT_TRUE(window.findChildren<wits::WitsDisplayDlg*>().isEmpty());
    EXPECT_TRUE(window.findChildren<gasmon::GasDisplayDlg*>().isEmpty());
    const QByteArray saved = testing_support::ReadBytes(TestDir() + "gasmon.cfg");
    ASSERT_EQ(saved.size(), qsizetype(sizeof gas));
    std::memcpy(&gas, saved.constData(), sizeof gas);
    EXPECT_EQ(QPoint(gas.witsWindowLeft, gas.witsWindowTop), dataHome);
    EXPECT_EQ(QPoint(gas.witsGasWindowLeft, gas.witsGasWindowTop), gasHome);
}

}  // namespace
