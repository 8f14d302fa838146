// The program on a real X server with a window manager, as a user at a desktop meets it: the depth
// match dragged with the mouse, the keyboard after File > New, Enter in an interval box and where the
// entry boxes open. The screen is read back and compared pixel by pixel.
#include "demo/demowell.h"
#include "elog/curverecord.h"
#include "support/files.h"
#include "support/logshot.h"
#include "support/modbuspeer.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "support/xsession.h"
#include "wellfile/wellconfig.h"

#include <QDir>
#include <QSettings>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

constexpr int kRow = 10;  // the log's rows are 10 pixels on every screen
constexpr int kSpike = 2583;  // the one record of a high wireline gamma

class RealXDesk : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const QString missing = XSession::MissingServer(); !missing.isEmpty())
            GTEST_SKIP() << missing.toStdString() << " is not installed";
        program = x.StartForProgram(screen);
        ASSERT_FALSE(program.isEmpty());
        home = TestDir() + "home";
        folder = home + "/StrativM/";
        ASSERT_TRUE(demo::MakeDemoWell(folder));
    }

    void StartProgram()
    {
        ASSERT_TRUE(app.Start(program, {}, x.ProgramEnvironment(home)));
        log = x.WaitForWindow("^StrativM ");
        ASSERT_FALSE(log.isEmpty()) << "no main window";
        ASSERT_FALSE(x.WaitForWindow("^Quick View$").isEmpty()) << "no quick view bar";
        ASSERT_TRUE(Spin([&] { return x.FocusedName().startsWith("StrativM"); }, kLoadedMs));
        PointerAway();
    }

    void PointerAway() const { x.Run("xdotool", {"mousemove", "0", QString::number(screen.height() - 1)}); }
    void Mouse(const QStringList& args) const { x.Run("xdotool", args); }

    XSession x;
    Child app;
    QString program, home, folder, log;
    QSize screen{1280, 1024};
};

class RealXDeskWide : public RealXDesk {
protected:
    RealXDeskWide() { screen = QSize(1920, 1080); }
};

class RealXDeskScreen : public RealXDesk, public ::testing::WithParamInterface<QSize> {
protected:
    RealXDeskScreen() { screen = GetParam(); }
};

// The demo's gamma pen (entry 18 of its colours) is green.
bool Gamma(const QImage& image, int x, int y) { return (image.pixel(x, y) & 0xFFFFFF) == 0x008000; }

// The lowest changed pixel of the drag's outline spike: left of the outline's base column (the column
// that changed most), above the end of that column's dotted line (the comparison text stands below);
// -1 when none changed.
int SpikeBottom(const QImage& before, const QImage& after, int width)
{
    std::vector<int> count(std::size_t(width), 0);
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < width; ++x)
            count[std::size_t(x)] += before.pixel(x, y) != after.pixel(x, y) ? 1 : 0;
    int base = 0;
    for (int x = 0; x < width; ++x)
        base = count[std::size_t(x)] > count[std::size_t(base)] ? x : base;
    if (count[std::size_t(base)] == 0)
        return -1;
    int logBottom = -1;
    for (int y = 0; y < before.height(); ++y)
        if (before.pixel(base, y) != after.pixel(base, y)) {
            if (logBottom >= 0 && y - logBottom > 3 * kRow)
                break;
            logBottom = y;
        }
    int bottom = -1;
    for (int y = 0; y <= logBottom; ++y)
        for (int x = 0; x < base - 8; ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                bottom = y;
    return bottom;
}

// Where `part` stands in `image` pixel for pixel, searched along its own rows; -1 when nowhere.
int FoundAt(const QImage& image, const QImage& part, int top)
{
    for (int x = 0; x + part.width() <= image.width(); ++x)
        if (image.copy(x, top, part.width(), part.height()) == part)
            return x;
    return -1;
}

// The box round the dark pixels of `area`.
QRect DarkBox(const QImage& image, const QRect& area)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                box |= QRect(x, y, 1, 1);
    return box;
}

}  // namespace

// The demo well with a wireline gamma of 140 API but for one record of 10: the dotted outline of the
// depth match shows its spike on the screen while the drag runs, following the mouse; the release puts
// the screen back as it was, the comparison text under the log gone. A press on the wireline gamma
// where no curve is drawn starts nothing: a drag from there changes neither the screen nor the ".cfg".
TEST_P(RealXDeskScreen, TheDepthMatchIsSeenWhileDraggedAndStartsOnlyOnTheDrawnGamma)
{
    const QString svc = folder + "elogdemo.svc";
    QByteArray curves = ReadBytes(svc);
    ASSERT_GT(curves.size(), qsizetype(sizeof(elog::CurveRecord)) * (kSpike + 1));
    auto* rows = reinterpret_cast<elog::CurveRecord*>(curves.data());
    for (qsizetype i = 1; i < curves.size() / qsizetype(sizeof(elog::CurveRecord)); ++i)
        rows[i].values[elog::SLOT_GAMMA] = i == kSpike ? 10.0f : 140.0f;
    WriteBytes(svc, curves);
    StartProgram();
    const QImage start = x.Settled();

    // A press on the gamma the scheme draws over the rate track, in the rows above the spike (the
    // log's top rows are the file's last 50 or so, the curve file ends 10 units above them).
    const int third = screen.width() / 3;
    int pressX = -1, pressY = 250;
    for (; pressX < 0 && pressY < 350; pressY += 3)
        for (int px = 0; px < third && pressX < 0; ++px)
            if (Gamma(start, px, pressY))
                pressX = px;
    pressY -= 3;
    ASSERT_GE(pressX, 0) << "no gamma drawn over the rate track";
    const QString px = QString::number(pressX + 1);
    Mouse({"mousemove", px, QString::number(pressY), "mousedown", "1", "mousemove", px, QString::number(pressY + 1)});
    const QImage still = x.Settled();
    const int at = SpikeBottom(start, still, third);
    EXPECT_GT(at, 0) << "no outline on the screen while the button is down";
    // Down by 3.5 rows: three whole rows, three units deeper, the spike three rows lower.
    const int drag = 3 * kRow + kRow / 2;
    Mouse({"mousemove", px, QString::number(pressY + drag)});
    const int moved = SpikeBottom(start, x.ChangedFrom(still, 10, 3000), third);
    EXPECT_LE(std::abs(moved - (at + drag)), kRow * 3 / 2) << "the spike at " << at << " went to " << moved;
    EXPECT_EQ(moved - at, 3 * kRow);
    Mouse({"mouseup", "1"});
    PointerAway();
    const QImage released = x.ChangedFrom(still, 10, 3000);
    EXPECT_EQ(DifferentPixels(start, released), 0) << "the drag left paint behind";

    // 140 API of the 150 API scale, between two depth labels: a press on the wireline gamma there only
    // shows the read-out; a drag from it moves nothing and stores nothing.
    const QByteArray cfg = ReadBytes(folder + "elogdemo.cfg");
    const int row = 325;
    const QString hiddenX = QString::number(RateLeft(released, row) + 140 * 250 / 150 + 1);
    Mouse({"mousemove", hiddenX, QString::number(row), "mousedown", "1"});
    const QImage pressed = x.Settled();
    Mouse({"mousemove", hiddenX, QString::number(row + drag)});
    EXPECT_EQ(DifferentPixels(pressed, x.ChangedFrom(pressed, 10, 3000)), 0)
        << "a press off the drawn curves started the match";
    Mouse({"mouseup", "1"});
    x.Settled();
    EXPECT_EQ(ReadBytes(folder + "elogdemo.cfg"), cfg) << "a press off the drawn curves shifted the wireline log";
}

// At 1,920 x 1,080, in drilling mode: Enter in the LAS interval box presses OK (the file is written);
// the rate entry box opens beside the rate track, not at the screen's right; and after File > New has
// made a well (its "Custom Data" box answered) the keys reach the log.
TEST_F(RealXDeskWide, IntervalBoxesAnswerEnterEntryBoxesOpenBesideTheirColumnAndTheLogKeepsTheKeysAfterNew)
{
    ASSERT_TRUE(EditWellConfig(folder + "elogdemo.cfg", [](wellfile::WellConfig& cfg) { cfg.drillingAtExit = 1; }));
    StartProgram();
    ASSERT_FALSE(x.WaitForWindow("^Drilling Status$").isEmpty()) << "not in drilling mode";
    ASSERT_TRUE(Spin([&] { return x.FocusedName().startsWith("StrativM"); }, kLoadedMs));
    const QImage start = x.Settled();

    // Options > Create Las File: Enter in the first depth.
    x.Key("alt+o");
    x.Key("l");
    ASSERT_FALSE(x.WaitForWindow("^Create LOG ASCII STANDARD file$").isEmpty());
    x.Key("Return");
    EXPECT_TRUE(Spin([&] { return x.WaitForWindow("^Create LOG ASCII STANDARD file$", 1).isEmpty(); }, 5000))
        << "Enter left the interval box open";
    EXPECT_TRUE(Spin([&] { return !QDir(folder + "mudloglas").entryList({"*.las"}, QDir::Files).isEmpty(); }, 10000))
        << "no LAS file written";
    // The word of the file written is answered; a box left open is closed.
    const bool written = !x.WaitForWindow("^Create Las File$", 5000).isEmpty();
    x.Key(written ? "Return" : "Escape");

    // Enter Data > Rates from 2500: the box's left edge stands within 20 pixels right of the rate
    // track's right edge, its top at the log's.
    ASSERT_TRUE(Spin([&] { return x.FocusedName().startsWith("StrativM"); }, kLoadedMs));
    x.Key("alt+e");
    x.Key("r");
    ASSERT_FALSE(x.WaitForWindow("^StartDepth$").isEmpty());
    x.Key("ctrl+a");
    x.Run("xdotool", {"type", "2500"});
    x.Key("Return");
    const QString rates = x.WaitForWindow("^Enter Rates$");
    ASSERT_FALSE(rates.isEmpty());
    const int rateRight = RateLeft(start, 400) + 250;
    const QRect box = x.Geometry(rates);
    EXPECT_GE(box.left(), rateRight) << "the box covers the rate track";
    EXPECT_LE(box.left(), rateRight + 20) << "the box opened far from the rate track";
    EXPECT_LT(box.top(), screen.height() / 3);
    x.Key("Escape");
    ASSERT_TRUE(Spin([&] { return x.WaitForWindow("^Enter Rates$", 1).isEmpty(); }, 5000));

    // File > New: a well named NEWWELL from 1000; Enter on the rate scale list presses "Create", Enter
    // answers the "Custom Data" box, and the log has the keys again.
    ASSERT_TRUE(Spin([&] { return x.FocusedName().startsWith("StrativM"); }, kLoadedMs));
    x.Key("alt+f");
    x.Key("Return");
    ASSERT_FALSE(x.WaitForWindow("^STRATIV..New Well File$").isEmpty());
    x.Run("xdotool", {"type", "NEWWELL"});
    x.Key("Tab");
    x.Run("xdotool", {"type", "1000"});
    x.Key("Tab");
    x.Key("Return");
    ASSERT_FALSE(x.WaitForWindow("^Custom Data$").isEmpty()) << "no well made";
    x.Key("Return");
    ASSERT_FALSE(x.WaitForWindow("^StrativM .*NEWWELL\\.svm$").isEmpty());
    EXPECT_TRUE(Spin([&] { return x.FocusedName().startsWith("StrativM"); }, 5000))
        << "the keys go to " << x.FocusedName().toStdString();
}

// Texts where nothing else is drawn. The well title with the lithology legend shown: the title, with
// two pixels of the band's grey round it, stands whole somewhere on its rows, and the legend is not in
// that box. Help > New Features: its window is as wide as the longest line of the text, measured in
// the window's own characters (the first line's width over its 23 characters).
TEST_P(RealXDeskScreen, TheWellTitleClearsTheLithologyLegendAndTheFeaturesLinesAreWhole)
{
    StartProgram();
    const QImage start = x.Settled();
    // The title: on the band's first line of text below the menu bar, right of the file's name.
    int bandTop = 0;
    while (bandTop < 200 && (start.pixel(screen.width() / 2, bandTop) & 0xFFFFFF) != 0xDCDCDC)
        ++bandTop;
    const QRect title = DarkBox(start, QRect(250, bandTop + 4, 450, 20));
    ASSERT_GT(title.width(), 50) << "no well title found";
    const QRect framed = title.adjusted(-2, -2, 2, 2);
    const QImage titleImage = start.copy(framed);

    x.Key("alt+v");
    x.Key("l");
    PointerAway();
    const QImage legend = x.ChangedFrom(start, 1000);
    const int at = FoundAt(legend, titleImage, framed.top());
    EXPECT_GE(at, 0) << "the legend is drawn over the well title";
    QRect drawn;  // the legend: what changed outside the title's old and new places
    for (int y = bandTop; y < bandTop + 150; ++y)
        for (int px = 0; px < screen.width(); ++px)
            if (start.pixel(px, y) != legend.pixel(px, y) && !framed.contains(px, y) &&
                !framed.translated(at - framed.left(), 0).contains(px, y))
                drawn |= QRect(px, y, 1, 1);
    EXPECT_GT(drawn.width(), 200) << "no legend";
    if (at >= 0) {
        EXPECT_FALSE(drawn.intersects(framed.translated(at - framed.left(), 0)));
    }

    x.Key("alt+h");
    x.Key("n");
    const QString help = x.WaitForWindow("^New Features$");
    ASSERT_FALSE(help.isEmpty());
    const QImage shown = x.Settled();
    const QRect window = x.Geometry(help);
    // The first line of text, "StrativM - New Features": 23 characters, the last one's right bearing off.
    const QRect inside(window.left() + 4, window.top(), window.width() - 34, window.height());
    int first = inside.top();
    while (first < inside.bottom() && DarkBox(shown, QRect(inside.left(), first, inside.width(), 1)).isEmpty())
        ++first;
    const QRect line = DarkBox(shown, QRect(inside.left(), first, inside.width(), 14));
    ASSERT_GT(line.width(), 50) << "no text in the window";
    const double character = line.width() / 22.5;
    int longest = 0;
    for (const QByteArray& l : ReadBytes(folder + "features.txt").split('\n'))
        longest = std::max(longest, int(l.size()));
    EXPECT_GE(window.right() - line.left(), int(longest * character))
        << "a line of " << longest << " characters is cut in a window of " << window.width() << " pixels";
}

// The flare column's two heads (the installation's flare track switched on), written on white at the
// gas track's right end, stand where nothing else of the title band is drawn: every pixel round their
// white box is the band's bare grey, and neither the gas legend's coloured lines nor the dark letters
// of " GAS UNITS " beside them reach that ring.
TEST_P(RealXDeskScreen, TheFlareHeadsClearTheGasLegendAndTheGasTitle)
{
    QSettings(home + "/.config/StrativM/strativm.ini", QSettings::IniFormat).setValue("Options/FlareTrack", "1");
    StartProgram();
    const QImage start = x.Settled();
    const auto rgb = [&](int px, int py) { return start.pixel(px, py) & 0xFFFFFF; };
    const int middle = screen.width() / 2;
    int top = 0, bottom = 0;  // the band's first grey row, then its bottom line (seen at its left end)
    while (top < 200 && rgb(middle, top) != 0xDCDCDC)
        ++top;
    for (bottom = top; bottom < 300 && rgb(8, bottom) == 0xDCDCDC;)
        ++bottom;
    int right = middle;  // the band's right line (the log's right end, or the window's)
    while (right < screen.width() && rgb(right, top + 1) == 0xDCDCDC)
        ++right;
    QRect heads, red;
    for (int py = top; py < bottom; ++py)
        for (int px = screen.width() / 3; px < right; ++px) {
            heads |= rgb(px, py) == 0xFFFFFF ? QRect(px, py, 1, 1) : QRect();
            red |= rgb(px, py) == 0xFF0000 && heads.contains(px, py) ? QRect(px, py, 1, 1) : QRect();
        }
    ASSERT_GT(red.width(), 30) << "no flare heads in the band from " << top << " to " << bottom;
    QRect line[2], legend, title;  // the heads' white boxes, one a line of the same height
    for (int py = heads.top(); py <= heads.bottom(); ++py)
        for (int px = heads.left(); px <= heads.right(); ++px)
            line[(py - heads.top()) * 2 / heads.height()] |= rgb(px, py) == 0xFFFFFF ? QRect(px, py, 1, 1) : QRect();
    const QRect ring[2] = {line[0].adjusted(-1, -1, 1, 1), line[1].adjusted(-1, -1, 1, 1)};
    int covered = 0;  // " GAS UNITS " stands within 200 pixels left of the heads
    for (int py = top; py < bottom; ++py)
        for (int px = heads.left() - 200; px < right; ++px) {
            const QRgb c = start.pixel(px, py);
            if (line[0].contains(px, py) || line[1].contains(px, py))
                continue;
            covered += (ring[0].contains(px, py) || ring[1].contains(px, py)) && (c & 0xFFFFFF) != 0xDCDCDC;
            const int spread = std::max({qRed(c), qGreen(c), qBlue(c)}) - std::min({qRed(c), qGreen(c), qBlue(c)});
            legend |= spread > 100 ? QRect(px, py, 1, 1) : QRect();
            title |= py > heads.center().y() && qGray(c) < 100 ? QRect(px, py, 1, 1) : QRect();
        }
    EXPECT_EQ(covered, 0) << "pixels round the heads' boxes at " << heads.x() << "," << heads.y()
                          << " are not bare band";
    EXPECT_GT(legend.height(), 80) << "no gas legend";
    EXPECT_FALSE(legend.intersects(ring[0]) || legend.intersects(ring[1]))
        << "the gas legend, to " << legend.bottom() << ", reaches the flare heads from " << heads.top();
    EXPECT_GT(title.width(), 50) << "no gas title";
    EXPECT_FALSE(title.intersects(ring[0]) || title.intersects(ring[1]))
        << "\" GAS UNITS \", to " << title.right() << ", reaches the flare heads from " << line[1].left();
}

INSTANTIATE_TEST_SUITE_P(Screens, RealXDeskScreen, ::testing::Values(QSize(1024, 768), QSize(1920, 1080)),
                         [](const ::testing::TestParamInfo<QSize>& info) {
                             return std::to_string(info.param.width()) + "x" + std::to_string(info.param.height());
                         });
