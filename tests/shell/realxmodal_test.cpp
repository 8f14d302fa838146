// The program on a real X server with a window manager while a rig drills: a modal dialog of the
// drilling menu stands over the log while the rig's depth comes in, and the log beside and under it is
// what a fresh paint of the same view draws. And the compressed scales' paint, paged, in the window.
#include "demo/demowell.h"
#include "layout/schemes.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/files.h"
#include "support/modbuspeer.h"
#include "support/realxscreens.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "support/xsession.h"
#include "wellfile/record.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>
#include <string>

using namespace testing_support;

namespace {

// The log scrolled on by a page changes more pixels than this, even over blank rows; a drilled row and the
// drilling times above the log change fewer than 3,000.
constexpr int kScrolled = 10000;

class RealXModal : public RealXScreens {
protected:
    void SetUp() override
    {
        RealXScreens::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        ASSERT_TRUE(rigServer.listen(QHostAddress::LocalHost, 0));
    }

    // The demo well left drilling at its last exit, its depth from the rig's WITS feed on loopback (this
    // station the feed's client), every unit booked however quickly it was drilled.
    void DrillingDemoWell(std::int32_t last = demo::DemoWellShape{}.lastDepth)
    {
        ASSERT_TRUE(MakeDrillingDemoWell(folder, rigServer.serverPort(), last));
    }

    // The program's first start, drilling; the rig's feed connected.
    void Start()
    {
        ASSERT_TRUE(app.Start(program, {}, x.ProgramEnvironment(home)));
        // The main window, taller than half the screen: a smaller window shares its name's start.
        const auto found = [&] {
            for (const QString& id : QString::fromLatin1(x.Run("xdotool", {"search", "--onlyvisible", "--name", "^StrativM "}))
                                         .split('\n', Qt::SkipEmptyParts))
                if (const QRect area = x.Client(id); area.height() > GetParam().height() / 2) {
                    log = id;
                    client = area;
                    return true;
                }
            return false;
        };
        ASSERT_TRUE(Spin(found, kLoadedMs)) << "no main window";
        ASSERT_TRUE(Spin([&] { return rigServer.hasPendingConnections(); }, kLoadedMs)) << "the feed never called";
        rig.reset(rigServer.nextPendingConnection());
    }
    QImage Away() const
    {
        x.Run("xdotool", {"mousemove", "0", QString::number(GetParam().height() - 1)});
        return x.Settled();
    }
    // The rig drills `units` units below the well's last record, the file following unit by unit.
    void Drill(int units)
    {
        const QString data = home + "/StrativM/elogdemo.svm";
        const auto records = [&] { return QFileInfo(data).size() / qint64(sizeof(wellfile::RECORD)); };
        for (int u = 0; u < units; ++u) {
            const qint64 before = records();
            const std::int32_t bottom = kFirst + std::int32_t(before) - 1;
            for (double part : {0.3, 0.6}) {
                const QByteArray depth = QByteArray::number(bottom + 1 + part, 'f', 2);
                rig->write("&&\r\n0108" + depth + "\r\n0110" + depth + "\r\n!!\r\n");
                rig->flush();
            }
            ASSERT_TRUE(Spin([&] { return records() > before; }, kLoadedMs)) << "unit " << bottom + 1 << " not booked";
        }
    }
    static constexpr std::int32_t kFirst = 1000;
    void DrilledRowsAgainstAFreshPaint(bool realTimeGamma);

    QString log;
    QRect client;  // the main window's client area
    QTcpServer rigServer;
    std::unique_ptr<QTcpSocket> rig;
};

}  // namespace

// A dialog of the drilling menu stands, moved aside, while the rig drills until the log scrolls on: the
// rows then drawn anew beside it are what a fresh paint of that view draws once it has closed (Zoom On and
// Off paint the log anew). Test Gas Values (Setup), then File > Restore's file dialog; the second is
// drilled quickly to a few units short of a page, as many as the first took.
TEST_P(RealXModal, TheLogRepaintedWhileADialogStandsIsAFreshPaint)
{
    DrillingDemoWell();
    Start();
    const QString bar = x.WaitForWindow("^Quick View$");
    Drill(1);
    struct Modal {
        const char* keys[2];
        const char* caption;
    };
    int page = 0;
    for (const Modal& m : {Modal{{"alt+p", "t"}, "^Gas Percent Values$"}, Modal{{"alt+f", "r"}, "^Open$"}}) {
        SCOPED_TRACE(m.caption);
        for (const char* key : m.keys)
            x.Key(key);
        const QString dialog = x.WaitForWindow(m.caption);
        ASSERT_FALSE(dialog.isEmpty());
        // Off the log as far as the window manager lets it go, towards the scroll bars' corner.
        const QPoint corner = client.bottomRight() - QPoint(30, 20);
        x.Run("xdotool", {"windowmove", dialog, QString::number(corner.x()), QString::number(corner.y())});
        Drill(std::max(page - 3, 0));
        QImage now = Away();
        int unit = 0;
        for (int changed = 0; changed < kScrolled; ++unit) {
            ASSERT_LT(unit, 100) << "the log never scrolled";
            Drill(1);
            const QImage drawn = Away();
            changed = DifferentPixels(now, drawn);
            now = drawn;
        }
        page = std::max(page - 3, 0) + unit;
        // The log's rows and the scale bars below them, above the dialog (the band over the log shows the
        // running drilling times).
        const int top = client.top() + 16 * 10, bottom = std::min(corner.y(), x.Client(dialog).top() - 30);
        const QRect rows(client.left(), top, client.width(), bottom - top);
        x.Key("Escape");
        ASSERT_TRUE(Spin([&] { return x.WaitForWindow(m.caption, 1).isEmpty(); }, kLoadedMs)) << "the dialog stayed";
        const QRect place = x.Geometry(bar);
        for (int i = 0; i < 2; ++i) {  // Zoom On, Zoom Off
            const QImage before = Away();
            x.Click(place.x() + place.width() * 5 / 8, place.center().y());
            x.ChangedFrom(before, kScrolled, 10000);
        }
        const QImage fresh = Away();
        ASSERT_GT(rows.height(), client.height() / 2);
        EXPECT_EQ(DifferentPixels(now.copy(rows), fresh.copy(rows)), 0);
    }
}

// The rig drills three units, across a depth of a hundred, below a well that ends on blank lithology:
// the drilled log is what a fresh paint of the view draws (Zoom On and Off): the rate track's curves,
// each joined to the row above, the blank lithology rows with their edge and the line under the last
// rock, the depth 2600 in its box and "Lag Time" at it.
TEST_P(RealXModal, DrilledRowsShowTheCurvesOfAFreshPaint) { DrilledRowsAgainstAFreshPaint(false); }

// With the real-time gamma shown: drawn the gamma lag (12 units) above its records and stopping before
// the file's last one, its curve grows by the record above each drilled unit, under the gamma and
// weight-on-bit curves, as a fresh paint draws it; the gamma reaches the last record before drilling.
TEST_P(RealXModal, DrilledRealTimeGammaIsAFreshPaint) { DrilledRowsAgainstAFreshPaint(true); }

void RealXModal::DrilledRowsAgainstAFreshPaint(bool realTimeGamma)
{
    DrillingDemoWell(2598);
    if (realTimeGamma) {  // the first scheme's "Real Time Gamma" ticked
        const QString file = home + "/StrativM/elogdemo.sch";
        QByteArray schemes = ReadBytes(file);
        ASSERT_EQ(schemes.size(), qsizetype(sizeof(layout::SchemeSet)));
        const std::int32_t on = 1;
        std::memcpy(schemes.data() + offsetof(layout::LOGSCHEME, flags) + 37 * sizeof on, &on, sizeof on);
        WriteBytes(file, schemes);
    }
    // The hardness column stops ten units above the last depth: drilling uncovers its rows, which the
    // step does not draw. The well's last rows hold no hardness.
    const QString data = home + "/StrativM/elogdemo.svm";
    auto records = FileRecords<wellfile::RECORD>(data);
    for (wellfile::RECORD& r : records)
        r.hardness = r.depth > 2598 - 20 ? 0 : r.hardness;
    WriteRecords(data, records);
    Start();
    const QString bar = x.WaitForWindow("^Quick View$");
    const QImage before = Away();
    Drill(3);
    const QImage drilled = Away();
    // The rate track: 25 blocks of 10 px after the left column's 9. The band of drilling times, at least
    // 14 rows of 10 px, ends on a line across it; the drilled rows are those changed below it.
    const int rateLeft = client.x() + 9, rateRight = rateLeft + 25 * 10;
    int band = client.top() + 14 * 10;
    const auto line = [&](int y) {
        for (int px = rateLeft; px < rateRight; ++px)
            if (before.pixel(px, y) != qRgb(0, 0, 0))
                return false;
        return true;
    };
    while (band < client.bottom() && !line(band))
        ++band;
    int top = -1, bottom = -1;
    for (int y = band + 1; y <= client.bottom(); ++y)
        for (int px = rateLeft; px < rateRight; ++px)
            if (before.pixel(px, y) != drilled.pixel(px, y)) {
                top = top < 0 ? y : top;
                bottom = y;
            }
    ASSERT_GE(bottom - top, 2 * 10) << "no drilled rows";
    ASSERT_LT(bottom - top, (realTimeGamma ? 18 : 6) * 10) << "more than the drilled rows changed";
    if (realTimeGamma)  // the rows of the drilled units' real-time samples
        top = std::min(top, bottom - 18 * 10);
    const QRect place = x.Geometry(bar);
    for (int i = 0; i < 2; ++i) {  // Zoom On, Zoom Off
        const QImage now = Away();
        x.Click(place.x() + place.width() * 5 / 8, place.center().y());
        x.ChangedFrom(now, kScrolled, 10000);
    }
    const QImage fresh = Away();
    // The rate track's drilled rows between the slide mark and the depth boxes (the slide bar and its
    // "S" are the step's own: a narrower bar, no text); right of them every row below the band: the
    // depth box, the depth and the lag time reach a row above the drilled one.
    const QRect rows(QPoint(rateLeft + 2 * 10, top), QPoint(rateLeft + 20 * 10, bottom));
    EXPECT_EQ(DifferentPixels(drilled.copy(rows), fresh.copy(rows)), 0) << "rows " << top << "-" << bottom;
    const QRect log(QPoint(rateLeft + 20 * 10, band + 1), client.bottomRight());
    EXPECT_EQ(DifferentPixels(drilled.copy(log), fresh.copy(log)), 0) << "right of the rate track's curves";
}

INSTANTIATE_TEST_SUITE_P(Screens, RealXModal, ::testing::Values(QSize(1024, 768), QSize(1920, 1080)),
                         [](const ::testing::TestParamInfo<QSize>& info) {
                             return std::to_string(info.param.width()) + "x" + std::to_string(info.param.height());
                         });

// The compressed scales' paint (five records a row) on the demo well's window: no command of the menus
// or the quick view bar switches them on, so the scale index is set as that hidden button would. Twelve
// pages up and back, each page is what a fresh paint of its view draws: below the log's bottom line
// nothing stays of the longer log of one record a row drawn before, nor of the pages on the way.
TEST(CompressedLog, TwelvePagesUpAndBackAreEachAFreshPaint)
{
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    ASSERT_TRUE(ShowDemoWindow(window));
    // The window once every paint and render it owes has run, as a grab of it shows it.
    const auto shown = [&] {
        for (int i = 0; i < 50 && (window.LogPaintPosted() || window.State().view.redrawPending); ++i) {
            QCoreApplication::processEvents();
            window.IdleAction(0);
        }
        QCoreApplication::processEvents();
        return window.grab().toImage();
    };
    const auto fresh = [&] {
        window.InvalidateErased();
        return shown();
    };
    // A key, its paint; as the window takes them one by one.
    const auto keys = [&](int key, int times) {
        for (int i = 0; i < times; ++i) {
            window.EvKeyDown(key);
            shown();
        }
    };
    window.State().view.viewScale = 3;
    window.InvalidateLog();
    shown();
    keys(Qt::Key_End, 1);
    const QImage end = shown();
    keys(Qt::Key_PageUp, 12);
    const QImage up = shown();
    EXPECT_GT(DifferentPixels(end, up), 10000) << "the pages did not move";
    EXPECT_EQ(DifferentPixels(up, fresh()), 0) << "twelve pages up";
    keys(Qt::Key_PageDown, 12);
    keys(Qt::Key_End, 1);
    const QImage back = shown();
    EXPECT_EQ(DifferentPixels(end, back), 0) << "and back";
    EXPECT_EQ(DifferentPixels(back, fresh()), 0) << "and back, against a fresh paint";
}
