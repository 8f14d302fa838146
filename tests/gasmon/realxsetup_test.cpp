// Gas Monitor Setup on a real X server with openbox at the two screen sizes a logging geologist meets:
// opened through the program's menu and widened by "Advanced", it stands whole on the screen in the
// dialog font, with no scroll bar, every control inside its window.
#include "demo/demowell.h"
#include "gasmon/gasmoncfg.h"
#include "support/modbuspeer.h"
#include "support/realxscreens.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "support/xsession.h"
#include "wellfile/wellconfig.h"

#include <QApplication>
#include <QFontMetrics>

#include <gtest/gtest.h>

#include <string>

using namespace testing_support;

namespace {

// The form in dialog units: its size, and the middle of "Advanced".
constexpr int kUnitsWide = 575, kUnitsHigh = 390;
constexpr QPoint kAdvanced(530, 378);

class RealXSetup : public RealXScreens {};

// Rows (or columns) of `rect` in `shot` holding a pixel other than `plain`.
int InkedLines(const QImage& shot, QRect rect, QRgb plain, bool rows)
{
    rect &= shot.rect();
    int lines = 0;
    for (int a = 0; a < (rows ? rect.height() : rect.width()); ++a) {
        bool inked = false;
        for (int b = 0; b < (rows ? rect.width() : rect.height()) && !inked; ++b) {
            const QPoint p = rows ? rect.topLeft() + QPoint(b, a) : rect.topLeft() + QPoint(a, b);
            inked = shot.pixel(p) != plain;
        }
        lines += inked ? 1 : 0;
    }
    return lines;
}

}  // namespace

// A chromatograph with the integrator's FID correction (type 3, "BASELINE FID" on) shows "Advanced".
// The headings over the gas rows are as tall as the dialog font draws them, no scroll bar paints the
// window's bottom or right edge and the window manager's frame stays on the screen, before and after
// "Advanced" widens the window by 100 px; then every widget's window lies inside the client.
TEST_P(RealXSetup, AdvancedFitsTheScreenInTheDialogFontWithoutScrolling)
{
    ASSERT_TRUE(demo::MakeDemoWell(folder));
    ASSERT_TRUE(EditWellConfig(folder + "elogdemo.cfg", [](wellfile::WellConfig& cfg) {
        cfg.drillingAtExit = 1;
        cfg.gasInstrumentType = 3;
    }));
    gasmon::GASMONCFG settings{};
    gasmon::ApplyFirstSetupDefaults(settings, 3);
    settings.baselineFid = 1;
    ASSERT_EQ(gasmon::WriteGasmonCfg(settings, {folder, {}}), 1);

    QProcessEnvironment env = x.ProgramEnvironment(home);
    env.insert("QT_USE_NATIVE_WINDOWS", "1");
    ASSERT_TRUE(app.Start(program, {}, env));
    ASSERT_FALSE(x.WaitForWindow("^StrativM ").isEmpty());
    ASSERT_TRUE(Spin([&] { return x.FocusedName().startsWith("StrativM"); }, kLoadedMs));
    x.Key("alt+p");
    x.Key("m");
    const QString setup = x.WaitForWindow("^STRATIV GAS MONITOR SETUP$");
    ASSERT_FALSE(setup.isEmpty()) << "Setup > Gas Monitor Setup showed nothing";

    const QRect screen(QPoint(0, 0), GetParam());
    const QFontMetrics font(QApplication::font());
    const int headingInk = font.tightBoundingRect("Elution Times Drift Ratio's").height();
    const auto check = [&](bool widened) {
        const QImage shot = x.Settled();
        const QRect client = x.Client(setup), frame = x.Framed(setup);
        SCOPED_TRACE(widened ? "after Advanced" : "as opened");
        EXPECT_TRUE(screen.contains(frame)) << "frame " << frame.x() << "," << frame.y() << " " << frame.width()
                                            << "x" << frame.height();
        const QRgb plain = shot.pixel(client.topLeft() + QPoint(1, 1));
        // The headings' row, above the first edit (15 units down), left of the instrument's columns.
        const QRect headings(client.topLeft(), QSize(200, 14 * font.height() / 8));
        EXPECT_EQ(InkedLines(shot, headings, plain, true), headingInk) << "the headings in another font";
        EXPECT_EQ(InkedLines(shot, QRect(client.left(), client.bottom() - 5, client.width(), 6), plain, true), 0)
            << "a scroll bar along the bottom";
        EXPECT_EQ(InkedLines(shot, QRect(client.right() - 3, client.top() + 30, 4, client.height() - 30), plain, false), 0)
            << "a scroll bar or a cut control along the right edge";
        if (!widened)  // the correction factors wait beyond the right edge
            return client;
        int outside = 0;
        QRect reach = client;
        for (const QRect& inner : x.Inner(setup)) {
            outside += client.contains(inner) ? 0 : 1;
            reach |= inner;
        }
        EXPECT_EQ(outside, 0) << "widgets outside the client, reaching " << reach.width() << "x" << reach.height();
        return client;
    };
    const QRect narrow = check(false);
    const QImage opened = x.Shot();
    x.Click(narrow.left() + kAdvanced.x() * narrow.width() / kUnitsWide,
            narrow.top() + kAdvanced.y() * narrow.height() / kUnitsHigh);
    x.ChangedFrom(opened, 100, 5000);
    const QRect wide = check(true);
    EXPECT_EQ(wide.width(), narrow.width() + 100) << "Advanced did not widen the window";
    EXPECT_EQ(wide.topLeft(), narrow.topLeft());
}

INSTANTIATE_TEST_SUITE_P(Screens, RealXSetup, ::testing::Values(QSize(1024, 768), QSize(1920, 1080)),
                         [](const ::testing::TestParamInfo<QSize>& info) {
                             return std::to_string(info.param.width()) + "x" + std::to_string(info.param.height());
                         });
