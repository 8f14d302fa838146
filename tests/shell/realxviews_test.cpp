// The program's other views on a real X server with a window manager, opened from its menus: every
// label the test looks for stands on the screen whole, pixel for pixel as the program's own drawing code
// writes it, and no other black pixel lies within a pixel of its ink.
#include "demo/demowell.h"
#include "gasmon/chartfile.h"
#include "gasmon/gasmoncfg.h"
#include "horizontal/draw/horzplot.h"
#include "horizontal/horzsetup.h"
#include "platform/draw/dc.h"
#include "support/deviatedwell.h"
#include "support/files.h"
#include "support/modbuspeer.h"
#include "support/testmain.h"
#include "support/xsession.h"
#include "wellfile/wellconfig.h"

#include <QDateTime>
#include <QDir>
#include <QSettings>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

bool Black(const QImage& image, int x, int y) { return (image.pixel(x, y) & 0xFFFFFF) == 0; }

// A label's black pixels as the program's drawing code writes it (`font`, or the drawing's default),
// relative to the top left of their box, and the pixels round them within one pixel.
struct Ink {
    std::vector<QPoint> ink, ring;
};

Ink InkOf(const QString& text, const std::optional<platform::Font>& font = std::nullopt)
{
    QImage image(300, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        platform::Dc dc(image);
        if (font)
            dc.SelectObject(*font);
        dc.SetBkMode(platform::TRANSPARENT);
        dc.TextOut(10, 10, text);
    }
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            box |= Black(image, x, y) ? QRect(x, y, 1, 1) : QRect();
    Ink out;
    for (int y = box.top() - 1; y <= box.bottom() + 1; ++y)
        for (int x = box.left() - 1; x <= box.right() + 1; ++x) {
            bool near = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    near = near || Black(image, x + dx, y + dy);
            if (Black(image, x, y))
                out.ink.push_back(QPoint(x, y) - box.topLeft());
            else if (near)
                out.ring.push_back(QPoint(x, y) - box.topLeft());
        }
    return out;
}

// Each place in `area` of `shot` where the label's ink stands whole: every pixel black, or of a grid
// line drawn across it (`lines`), three in four black. The black pixels of its ring there (0: the label
// stands clear).
std::vector<int> Places(const QImage& shot, const QRect& area, const Ink& label, const std::vector<QRgb>& lines = {})
{
    std::vector<int> touching;
    const QRect inside = area.intersected(shot.rect().adjusted(2, 2, -60, -60));
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            std::size_t black = 0, i = 0;
            for (; i < label.ink.size(); ++i) {
                const QPoint p(x + label.ink[i].x(), y + label.ink[i].y());
                if (Black(shot, p.x(), p.y()))
                    ++black;
                else if (std::find(lines.begin(), lines.end(), shot.pixel(p) & 0xFFFFFF) == lines.end())
                    break;
            }
            if (i < label.ink.size() || black * 4 < label.ink.size() * 3)
                continue;
            int n = 0;
            for (const QPoint& p : label.ring)
                n += Black(shot, x + p.x(), y + p.y()) ? 1 : 0;
            touching.push_back(n);
        }
    return touching;
}

class RealXViews : public ::testing::TestWithParam<QSize> {
protected:
    void SetUp() override
    {
        if (const QString missing = XSession::MissingServer(); !missing.isEmpty())
            GTEST_SKIP() << missing.toStdString() << " is not installed";
        program = x.StartForProgram(GetParam());
        ASSERT_FALSE(program.isEmpty());
        home = TestDir() + "home";
        folder = home + "/StrativM/";
    }

    // The program on `well` (the first start's demo well when empty), with the keys; the View menu's
    // item `up` places above its top, chosen with the keyboard.
    void StartAndView(const QStringList& args, int up)
    {
        ASSERT_TRUE(app.Start(program, args, x.ProgramEnvironment(home)));
        ASSERT_FALSE(x.WaitForWindow("^StrativM ").isEmpty()) << "no main window";
        ASSERT_FALSE(x.WaitForWindow("^Quick View$").isEmpty()) << "no first paint";
        ASSERT_TRUE(Spin([&] { return x.FocusedName().startsWith("StrativM"); }, kLoadedMs));
        x.Key("alt+v");
        for (int i = 0; i < up; ++i)
            x.Key("Up");
        x.Key("Return");
    }
    QImage Away() const
    {
        x.Run("xdotool", {"mousemove", "0", QString::number(GetParam().height() - 1)});
        return x.Settled();
    }

    XSession x;
    Child app;
    QString program, home, folder;
};

}  // namespace

// View > Horizontal on a well whose plot starts at MD 1,491 and TVD 1,459 (vertical to 1,100, then
// building to 89.5 degrees at 1,964): the TVD grid's first label, "1450", stands at the gas band's base,
// and the MD label "1500" nine units right of the plot's left edge, where the first column of the gas
// band's decade labels stands. Each of that column's twelve labels stands clear of both.
TEST_P(RealXViews, TheHorizontalViewsDecadeLabelsClearTheMdAndTvdLabels)
{
    const QString well = MakeDeviatedWell(folder, "DEV.svm", 1000, 2728, 1100);
    // The view's set-up with the lithology drawn in its own band, not along the path: along the path it
    // rises into the gas band's lowest rows at the plot's start.
    auto setup = std::make_unique<wellfile::HorzSetupRecord>();
    horizontal::ViewDefaults(*setup, 0);
    setup->drawLithOnWellTrack = 0;
    WriteBytes(folder + "DEV.hor", setup.get(), sizeof *setup);
    StartAndView({well}, 3);  // up from the top: TVD Log, Down Time Report, Horizontal
    ASSERT_FALSE(x.WaitForWindow("^HORIZONTAL VIEW").isEmpty()) << "View > Horizontal opened no view";
    const QImage shot = Away();

    horizontal::HorzPlot plot;
    plot.options.screenWidth = GetParam().width();
    const platform::Font font = horizontal::LabelFont(plot);
    // The first column only: the view's left third, the band at its top.
    const QRect area(0, 0, GetParam().width() / 3, GetParam().height() / 2);
    QStringList touched, missing;
    for (const char* label : {".001%", ".01%", ".1%", "1%", "10%", "100%", "10ppm", "100ppm", "1000", "10k", "100k", "1000k"}) {
        const std::vector<int> places = Places(shot, area, InkOf(label, font), {0xC0C0C0, 0x0000FF});
        if (places.empty())
            missing << label;
        else if (std::count(places.begin(), places.end(), 0) == 0)
            touched << QString("%1 (%2 px)").arg(label).arg(*std::min_element(places.begin(), places.end()));
    }
    EXPECT_TRUE(missing.isEmpty()) << "not on the screen: " << missing.join(", ").toStdString();
    EXPECT_TRUE(touched.isEmpty()) << "met by other texts: " << touched.join(", ").toStdString();
    if (!touched.isEmpty() || !missing.isEmpty())
        shot.save(TestDir() + "../horizontal.png");
}

INSTANTIATE_TEST_SUITE_P(Screens, RealXViews, ::testing::Values(QSize(1024, 768), QSize(1920, 1080)),
                         [](const ::testing::TestParamInfo<QSize>& info) {
                             return std::to_string(info.param.width()) + "x" + std::to_string(info.param.height());
                         });
