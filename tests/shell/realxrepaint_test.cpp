// The program on a real X server with a window manager, at the two screen sizes a logging geologist
// meets: whatever is switched on and off again, paged away and back or covered, the screen comes back as
// a fresh paint of the same view draws it, pixel for pixel; the live gas window opens clear of the
// menu bar; the windows the program places, and the status line, stand whole under matchbox too.
#include "demo/demowell.h"
#include "drilling/draw/statusband.h"
#include "support/labelink.h"
#include "support/modbuspeer.h"
#include "support/realxscreens.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "support/xsession.h"
#include "wellfile/wellconfig.h"
#include "wits/custwitscfg.h"

#include <QSettings>
#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

#include <string>
#include <QThread>

using namespace testing_support;

namespace {

// A command that redraws the log changes far more pixels than this.
constexpr int kRedrawn = 5000;

class RealXRepaint : public RealXScreens {
protected:
    // The first start's window on the demo well, with the keys and the pointer away in the screen's
    // bottom left corner; its settled screen.
    QImage Start()
    {
        EXPECT_TRUE(app.Start(program, {}, x.ProgramEnvironment(home)));
        log = x.WaitForWindow("^StrativM ");
        bar = x.WaitForWindow("^Quick View$");
        EXPECT_FALSE(bar.isEmpty()) << "no first paint";
        EXPECT_TRUE(Spin([&] { return x.FocusedName().startsWith("StrativM"); }, kLoadedMs));
        return Away();
    }
    QImage Away() const
    {
        x.Run("xdotool", {"mousemove", "0", QString::number(GetParam().height() - 1)});
        return x.Settled();
    }
    // The quick bar's button `n` of the four that share it left of the pictures button (0: View Horz).
    void ClickBar(int n) const
    {
        const QRect place = x.Geometry(bar);
        x.Click(place.x() + (place.width() - 60) * (2 * n + 1) / 8, place.center().y());
    }
    // Options > Drilling: the menu's last item in the office menu, its seventh in the drilling menu.
    void DrillingCommand(bool on) const
    {
        x.Key("alt+o");
        for (int i = 0; i < (on ? 1 : 6); ++i)
            x.Key(on ? "Up" : "Down");
        x.Key("Return");
    }
    QRect Absolute(const QString& window) const { return x.Client(window); }
    QRect Framed(const QString& window) const { return x.Framed(window); }

    // The live gas window, never placed before, opens inside the main window with its frame below the menu
    // bar and the quick bar, where a click on "File" cannot land on its caption, and clear of the band's
    // depth and rate read-outs. The set-up dialog reads in the dialog's font and fits the screen.
    void GasMonitorStandsClear()
    {
        if (!PymodbusInstalled())
            GTEST_SKIP() << "python3-pymodbus is not installed (scripts/install-deps.sh installs it)";
        ASSERT_TRUE(demo::MakeDemoWell(folder));
        ASSERT_TRUE(EditWellConfig(folder + "elogdemo.cfg", [](wellfile::WellConfig& cfg) { cfg.drillingAtExit = 1; }));
        PtyPair line;
        Child peer;
        GasInstrumentOnCom3(folder, home, line, peer);
        ASSERT_FALSE(HasFatalFailure());

        Start();
        const QString gasWindow = x.WaitForWindow("GAS MONITOR");
        ASSERT_FALSE(gasWindow.isEmpty()) << "no live gas window";
        x.Settled();
        const QRect gas = Framed(gasWindow), main = Absolute(log), quick = Absolute(bar);
        EXPECT_GT(gas.top(), quick.bottom()) << "the gas window's caption lies over the menu line";
        EXPECT_GE(gas.left(), Framed(log).left()) << "the gas window's frame starts left of the log's";
        EXPECT_TRUE(QRect(QPoint(0, 0), GetParam()).contains(gas))
            << "the gas window's frame " << gas.x() << "," << gas.y() << " " << gas.width() << "x" << gas.height();
        // The band's read-outs of depth and rate stand whole beside it (found by their ink).
        for (const char* readout : {"Depth:", "M / Hr:"}) {
            const Ink ink = InkOf(readout, drilling::StatusFontsFor(10).status);
            auto places = Places(x.Shot(), main, ink);
            std::erase_if(places, [&](const auto& p) { return p.second > 0 || gas.intersects(QRect(p.first, ink.size)); });
            EXPECT_FALSE(places.empty()) << readout << " is covered";
        }

        // Setup > Gas Monitor Setup in the dialog's font (rows of 14 dialog units, a unit an eighth of the
        // font's height of 12 px or more: its 390 units make 585 px) stands whole on the screen.
        ASSERT_TRUE(Spin([&] { return x.FocusedName().startsWith("StrativM"); }, kLoadedMs));
        x.Click(main.x() + 245, main.y() + 8);  // "Setup" on the menu line
        x.Key("m");
        const QString setup = x.WaitForWindow("^STRATIV GAS MONITOR SETUP$");
        ASSERT_FALSE(setup.isEmpty()) << "Setup > Gas Monitor Setup showed nothing";
        x.Settled();
        EXPECT_GE(Absolute(setup).height(), 585) << "a font smaller than the dialog's";
        const QRect frame = Framed(setup);
        EXPECT_TRUE(QRect(QPoint(0, 0), GetParam()).contains(frame))
            << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height();
    }

    // Drilling on the demo, View > TVD Log (the menu's last item) builds the TVD log and says where, then
    // opens it in a second copy of the program: the box and the second window stand with their frames on
    // the screen.
    void TvdLogStandsOnTheScreen()
    {
        ASSERT_TRUE(demo::MakeDemoWell(folder));
        ASSERT_TRUE(EditWellConfig(folder + "elogdemo.cfg", [](wellfile::WellConfig& cfg) { cfg.drillingAtExit = 1; }));
        Start();
        ASSERT_FALSE(x.WaitForWindow("^Drilling Status$").isEmpty()) << "not drilling";
        const QRect main = Absolute(log), screen(QPoint(0, 0), GetParam());
        x.Click(main.x() + 60, main.y() + 8);  // "View" on the menu line
        x.Key("Up");
        x.Key("Return");
        const QString box = x.WaitForWindow("^StrativM$");
        ASSERT_FALSE(box.isEmpty()) << "no box naming the TVD log";
        x.Settled();
        const QRect said = Framed(box);
        EXPECT_TRUE(screen.contains(said)) << "the box " << said.x() << "," << said.y() << " " << said.width() << "x" << said.height();
        x.Key("Return");
        const QString tvd = x.WaitForWindow("^StrativM .*~logdemo\\.svm$");
        ASSERT_FALSE(tvd.isEmpty()) << "no TVD log window";
        x.Settled();
        const QRect frame = Framed(tvd);
        EXPECT_TRUE(screen.contains(frame))
            << "the TVD log " << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height();
    }

    QString log, bar;
};

class RealXRepaintMatchbox : public RealXRepaint {
protected:
    RealXRepaintMatchbox() { wm = WindowManager::Matchbox; }
};

// Pixels in `rect` of `shot` that are not white.
int Inked(const QImage& shot, const QRect& rect)
{
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            n += (shot.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF ? 1 : 0;
    return n;
}

}  // namespace

// Drilling on and off, the custom tracks shown and hidden, Zoom On and Off over a read-out: the title
// band and the log under it are the start's again (the office band is 16 rows of 10 px; drilling at
// 768 px high makes it 14, custom tracks 18), and the read-out, whose values were for columns that Zoom
// On moves, has gone.
TEST_P(RealXRepaint, EachTogglePairGivesTheStartsWindowBack)
{
    const QImage start = Start();
    const QRect client = Absolute(log);
    x.Click(client.x() + 150, client.y() + 380);  // on the rate track
    const QImage readout = Away();
    ASSERT_GT(DifferentPixels(start, readout), 1000) << "no read-out box";
    ClickBar(2);
    const QImage zoomed = x.ChangedFrom(readout, kRedrawn);
    ClickBar(2);
    x.ChangedFrom(zoomed, kRedrawn);
    EXPECT_EQ(DifferentPixels(start, Away()), 0) << "read-out, Zoom On, Zoom Off";

    DrillingCommand(true);
    ASSERT_FALSE(x.WaitForWindow("^Drilling Status$").isEmpty()) << "Options > Drilling did not switch drilling on";
    DrillingCommand(false);
    ASSERT_TRUE(Spin([&] { return x.WaitForWindow("^Drilling Status$", 1).isEmpty(); }, kLoadedMs)) << "drilling stayed on";
    const QImage drilled = Away();
    EXPECT_EQ(DifferentPixels(start, drilled), 0) << "drilling on and off";

    ClickBar(3);
    const QImage shown = x.ChangedFrom(drilled, kRedrawn);
    ASSERT_GT(DifferentPixels(start, shown), kRedrawn) << "Show C/T changed nothing";
    ClickBar(3);
    x.ChangedFrom(shown, kRedrawn);
    const QImage hidden = Away();
    EXPECT_EQ(DifferentPixels(start, hidden), 0) << "Show C/T and Hide C/T";
}

// A double-click on the first description opens its note for editing, and Escape abandons the edit: the
// window is the start's again. The double-click's first press shows a read-out under the edit box, which
// stood there once the box had closed (a box of 120 x 75 px).
TEST_P(RealXRepaint, EscapeInTheNoteEditorLeavesNoReadout)
{
    const QImage start = Start();
    const QRect client = Absolute(log);
    // On the demo's first description, "LS: lt gy, ...", at the top of the descriptions column.
    x.Run("xdotool", {"mousemove", QString::number(client.x() + 560), QString::number(client.y() + 237), "click",
                      "--repeat", "2", "--delay", "80", "1"});
    const QImage editing = x.ChangedFrom(start, 1000);
    ASSERT_GT(DifferentPixels(start, editing), 1000) << "no note editor";
    x.Key("Escape");
    x.ChangedFrom(editing, 1000);
    EXPECT_EQ(DifferentPixels(start, Away()), 0) << "note editor, Escape";
}

// Twelve pages up and back: no curve runs past the log's bottom line into the white band over the scale
// bars, and nothing of the pages on the way (the curves, "KD" boxes and markers of their last rows) stays
// there.
TEST_P(RealXRepaint, PagesUpAndBackLeaveNothingBelowTheLog)
{
    const QImage start = Start();
    const QRect client = Absolute(log);
    // The rate track: 25 blocks of 10 px after the left column's 9. Its bottom line is the lowest row
    // drawn black across it; the scale bars below it are coloured.
    const int left = client.x() + 9 + 1, right = client.x() + 259 - 1;
    int bottom = -1;
    for (int y = client.bottom(); y > client.y() && bottom < 0; --y) {
        int black = 0;
        for (int px = left; px <= right; ++px)
            black += (start.pixel(px, y) & 0xFFFFFF) == 0 ? 1 : 0;
        if (black > (right - left) * 9 / 10)
            bottom = y;
    }
    ASSERT_GT(bottom, client.y() + 200) << "no bottom line across the rate track";

    // End first, at the end already: the scroll bar's thumb stands where a scroll puts it.
    x.Key("End");
    const QImage end = x.ChangedFrom(start, 10, 10000);
    for (int i = 0; i < 12; ++i)
        x.Key("Prior");
    // Twelve pages up every row holds a record: the curves reach the bottom line, and stop there.
    const QImage up = x.ChangedFrom(end, kRedrawn);
    EXPECT_EQ(Inked(up, QRect(QPoint(left, bottom + 1), QPoint(right, bottom + 9))), 0)
        << "curves below the log's bottom line at y " << bottom;
    for (int i = 0; i < 12; ++i)
        x.Key("Next");
    x.Key("End");
    const QImage back = Away();
    EXPECT_EQ(DifferentPixels(end, back), 0) << "twelve pages up and back";
}

// Scrolled to the right, the log is what a fresh paint of that view draws (Pics On and Pics Off erase and
// paint it anew): nothing of the view before the scroll (the gas legend) stays at the window's right
// edge. The log is wider than the window at 1,024 px only.
TEST_P(RealXRepaint, ScrolledToTheRightTheLogIsAFreshPaintOfItsView)
{
    if (GetParam().width() > 1024)
        GTEST_SKIP() << "the log fits the screen: nothing to scroll";
    const QImage start = Start();
    const QRect client = Absolute(log);
    for (int i = 0; i < 5; ++i)
        x.Click(client.right() - 20, client.bottom() - 7);  // the horizontal bar's right arrow
    const QImage scrolled = x.ChangedFrom(start, kRedrawn);
    ASSERT_GT(DifferentPixels(start, scrolled), kRedrawn) << "the log did not scroll";
    const QImage before = Away();
    const QRect place = x.Geometry(bar);
    for (int i = 0; i < 2; ++i) {
        const QImage now = x.Shot();
        x.Click(place.right() - 30, place.center().y());
        x.ChangedFrom(now, 100, 10000);
    }
    const QImage fresh = Away();
    EXPECT_EQ(DifferentPixels(before, fresh), 0) << "scrolled right, against a fresh paint";
}

TEST_P(RealXRepaint, TheGasMonitorsWindowsStandClearOfTheMenuLineAndOnTheScreen) { GasMonitorStandsClear(); }

// The same under matchbox, which places the windows itself: the main window full screen, the others where
// it puts them, in frames that say no extents.
TEST_P(RealXRepaintMatchbox, TheGasMonitorsWindowsStandClearOfTheMenuLineAndOnTheScreen) { GasMonitorStandsClear(); }

// Drilling on the demo with the rig's depth from a WITS link (the program a server on a loopback port): a
// hole past the file's bottom is said on the status line, whose text stands below the horizontal scroll
// bar, not over it.
TEST_P(RealXRepaintMatchbox, TheDrillingStatusLineStandsBelowTheScrollBar)
{
    if (GetParam().width() > 1024)
        GTEST_SKIP() << "the log fits the screen: no horizontal bar";
    ASSERT_TRUE(demo::MakeDemoWell(folder));
    ASSERT_TRUE(EditWellConfig(folder + "elogdemo.cfg", [](wellfile::WellConfig& cfg) {
        cfg.drillingAtExit = 1;
        cfg.useWitsDepth = 1;
        cfg.witsLinkOn = 1;
    }));
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
    const quint16 port = probe.serverPort();
    probe.close();
    wits::CUSTWITSCFG link{};
    wits::DefaultCustWitsConfig(link);
    link.witsOnTcp = 1;
    link.tcpServer = 1;
    link.tcpPort = port;
    ASSERT_EQ(wits::WriteCustWitsConfig(folder, "elogdemo", link), 1);
    QSettings(home + "/.config/StrativM/strativm.ini", QSettings::IniFormat).setValue("Wits/ServerAddress", "127.0.0.1");
    ASSERT_TRUE(app.Start(program, {}, x.ProgramEnvironment(home)));
    const QString box = x.WaitForWindow("^StrativM$");  // the link's "Wits server On TCP"
    ASSERT_FALSE(box.isEmpty()) << "the link said nothing";
    const QRect ok = Absolute(box);
    x.Click(ok.right() - 50, ok.bottom() - 20);
    log = x.WaitForWindow("^StrativM ");
    ASSERT_FALSE(x.WaitForWindow("^Quick View$").isEmpty()) << "no first paint";
    const QImage start = Away();
    const QRect client = Absolute(log);
    QTcpSocket rig;
    ASSERT_TRUE(Spin([&] {
        rig.abort();
        rig.connectToHost(QHostAddress::LocalHost, port);
        return rig.waitForConnected(200);
    }, kLoadedMs)) << "no WITS server on port " << port;
    const QRect bottom(client.left(), client.bottom() - 20, client.width(), 21);
    QImage said;
    for (int i = 0; i < 40 && said.isNull(); ++i) {
        rig.write("&&\r\n0108 2650.30\r\n0110 2650.30\r\n!!\r\n");
        rig.waitForBytesWritten(1000);
        QThread::msleep(500);
        const QImage now = x.Shot();
        if (DifferentPixels(start.copy(bottom), now.copy(bottom)) > 200)
            said = now;
    }
    ASSERT_FALSE(said.isNull()) << "no status line";
    said = x.Settled();
    // The bar's 14 rows at the start's bottom stand higher up unchanged (no text over them), the status
    // line's text below them.
    const QRect bar(client.left(), client.bottom() - 13, 600, 14);
    int up = 0;
    for (int d = 1; d <= 40 && up == 0; ++d)
        if (DifferentPixels(start.copy(bar), said.copy(bar.translated(0, -d))) == 0)
            up = d;
    EXPECT_GT(up, 0) << "the horizontal bar is not whole above the status line";
    int text = 0;
    for (int y = client.bottom() - up + 1; y <= client.bottom(); ++y)
        for (int px = bar.left(); px <= bar.right(); ++px)
            text += qGray(said.pixel(px, y)) < 100 ? 1 : 0;
    EXPECT_GT(text, 100) << "no status text below the bar";
}

TEST_P(RealXRepaint, TheTvdLogOpenedWhileDrillingStandsOnTheScreen) { TvdLogStandsOnTheScreen(); }
TEST_P(RealXRepaintMatchbox, TheTvdLogOpenedWhileDrillingStandsOnTheScreen) { TvdLogStandsOnTheScreen(); }

// Drilling on the demo: the band's lag read-out (found by its ink in the band's status font) stands whole
// in the window, a pixel clear of any other ink. At 1,024 the log is wider than the window: scrolled to
// the right the read-out stays whole and clear, where a fresh paint of that view (Zoom On and Off) puts
// it, and the band's other read-outs are the fresh paint's; the depth bar stands at the window's right
// edge at every scroll (its 14 px strip is the same before and after the scroll: no log under it).
TEST_P(RealXRepaint, TheDrillingBandsLagTextStandsWholeAtEveryScroll)
{
    ASSERT_TRUE(demo::MakeDemoWell(folder));
    ASSERT_TRUE(EditWellConfig(folder + "elogdemo.cfg", [](wellfile::WellConfig& cfg) { cfg.drillingAtExit = 1; }));
    const QImage start = Start();
    ASSERT_FALSE(x.WaitForWindow("^Drilling Status$").isEmpty()) << "not drilling";
    const QRect client = Absolute(log);
    const Ink lag = InkOf(QString::asprintf("Lagdepth: %7.1f    Lagtime: %2.2f  %d", 2589.5, 27.2, 5),
                          drilling::StatusFontsFor(10).status);
    const auto clearPlace = [&](const QImage& shot, const char* when) {
        auto places = Places(shot, client, lag);
        std::erase_if(places, [&](const auto& p) { return p.second * 2 > int(lag.ring.size()); });
        EXPECT_EQ(places.size(), 1u) << "the lag read-out stands whole " << places.size() << " times " << when;
        for (const auto& [at, met] : places)
            EXPECT_EQ(met, 0) << "the lag read-out meets other ink " << when;
        return places.empty() ? QPoint() : places.front().first;
    };
    clearPlace(start, "at the start");
    if (GetParam().width() > 1024 || HasFailure())
        return;

    for (int i = 0; i < 10; ++i)
        x.Click(client.right() - 20, client.bottom() - 7);  // the horizontal bar's right arrow
    x.ChangedFrom(start, kRedrawn);
    const QImage scrolled = Away();
    const QPoint moved = clearPlace(scrolled, "scrolled right");
    const QRect strip(QPoint(client.right() - 13, client.top() + 200), QPoint(client.right(), client.bottom() - 100));
    EXPECT_EQ(DifferentPixels(start.copy(strip), scrolled.copy(strip)), 0) << "the depth bar's strip";
    for (int i = 0; i < 2; ++i) {
        const QImage now = x.Shot();
        ClickBar(2);
        x.ChangedFrom(now, kRedrawn, 10000);
    }
    QImage fresh = Away();
    EXPECT_EQ(clearPlace(fresh, "on a fresh paint"), moved) << "a fresh paint puts the read-out elsewhere";
    // The band's read-outs (below the menu line) as the fresh paint draws them. Those written between
    // paints come with the drilling timer's next tick, which a loaded machine may hold back.
    const QRect band(client.left(), client.top() + 25, client.width() - 20, 100);
    Spin([&] {
        fresh = x.Shot();
        return DifferentPixels(scrolled.copy(band), fresh.copy(band)) == 0;
    }, 10000);
    EXPECT_EQ(DifferentPixels(scrolled.copy(band), fresh.copy(band)), 0) << "the band scrolled is not a fresh paint's";
}

// Show C/T on the demo: its two custom tracks stand right of the gas track, at 1,024 px past the
// window's edge. The horizontal bar's thumb dragged to its end brings the last track's right edge into
// the window: the black "1000000>" of its C2 and C5 scale labels (the custom tracks' label font) stand
// whole left of the depth bar. The thumb stopped where the bar's range had ended before Show C/T.
TEST_P(RealXRepaint, ShowCTAndTheHorizontalBarBringTheCustomTracksIntoView)
{
    const QImage start = Start();
    const QRect client = Absolute(log);
    ClickBar(3);
    const QImage shown = x.ChangedFrom(start, kRedrawn);
    ASSERT_GT(DifferentPixels(start, shown), kRedrawn) << "Show C/T changed nothing";
    if (GetParam().width() <= 1024) {
        const QString y = QString::number(client.bottom() - 7);
        x.Run("xdotool", {"mousemove", QString::number(client.x() + 30), y, "mousedown", "1", "mousemove",
                          QString::number(client.right() + 100), y, "mouseup", "1"});
        x.ChangedFrom(shown, kRedrawn, 10000);
    }
    const QImage end = Away();
    const Ink label = InkOf(QStringLiteral("1000000>"), platform::Font(QStringLiteral("Arial"), 13, 400));
    const QRect window(client.topLeft(), QSize(client.width() - 15, client.height()));
    EXPECT_EQ(Places(end, window, label).size(), 2u) << "the last custom track's scale labels are not in the window";
}

const auto kScreenName = [](const ::testing::TestParamInfo<QSize>& info) {
    return std::to_string(info.param.width()) + "x" + std::to_string(info.param.height());
};
INSTANTIATE_TEST_SUITE_P(Screens, RealXRepaint, ::testing::Values(QSize(1024, 768), QSize(1920, 1080)), kScreenName);
INSTANTIATE_TEST_SUITE_P(Screens, RealXRepaintMatchbox, ::testing::Values(QSize(1024, 768), QSize(1920, 1080)),
                         kScreenName);
