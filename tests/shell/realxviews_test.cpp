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
#include "support/labelink.h"
#include "support/modbuspeer.h"
#include "support/realxscreens.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "support/xsession.h"
#include "wellfile/wellconfig.h"

#include <QDateTime>
#include <QDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

// The labels of `texts` in the horizontal view's label font that stand nowhere whole in `area`, and
// those met by other black pixels wherever they stand (`everywhere`: anywhere they stand), across its
// grid lines; with the pixels met.
std::pair<QStringList, QStringList> UnclearLabels(const QImage& shot, const QRect& area, int screenWidth,
    const std::vector<QString>& texts, bool everywhere = false)
{
    horizontal::HorzPlot plot;
    plot.options.screenWidth = screenWidth;
    const platform::Font font = horizontal::LabelFont(plot);
    QStringList missing, touched;
    std::vector<std::vector<std::pair<QPoint, int>>> found;
    for (const QString& label : texts) {
        const Ink ink = InkOf(label, font);
        // In a filled black box any label stands whole, its ring black.
        auto places = Places(shot, area, ink, { 0xC0C0C0, 0x0000FF });
        std::erase_if(places, [&](const auto& p) { return p.second * 2 > int(ink.ring.size()); });
        found.push_back(std::move(places));
    }
    for (std::size_t k = 0; k < texts.size(); ++k) {
        const QString& label = texts[k];
        // A place where another of the labels stands clear is that label's ("VS 138" holds the ink of
        // "VS 133").
        auto& places = found[k];
        std::erase_if(places, [&](const auto& p) {
            return p.second > 0 && std::any_of(found.begin(), found.end(), [&](const auto& other) {
                return std::any_of(other.begin(), other.end(),
                    [&](const auto& o) { return o.first == p.first && o.second == 0; });
            });
        });
        if (places.empty())
            missing << label;
        else if (const auto met = [](const auto& p) { return p.second > 0; };
                 everywhere ? std::any_of(places.begin(), places.end(), met)
                            : std::all_of(places.begin(), places.end(), met))
            touched << QString("%1 (%2 px)")
                           .arg(label)
                           .arg(everywhere ? std::max_element(places.begin(), places.end(), Fewer)->second
                                           : std::min_element(places.begin(), places.end(), Fewer)->second);
    }
    return { missing, touched };
}

// The VS labels the deviated test well's records from MD `from` up to `to` may carry, each once.
std::vector<QString> VsLabels(int from, int to)
{
    const std::vector<wellfile::RECORD> records = DeviatedRecords(1000, 2728, 1100);
    std::vector<QString> vs;
    for (int depth = from; depth < to; ++depth)
        if (const QString label = QString("VS %1").arg(int(records[std::size_t(depth - 1000)].verticalSection));
            vs.empty() || vs.back() != label)
            vs.push_back(label);
    return vs;
}

class RealXViews : public RealXScreens {
protected:
    // The program on the well `args` name (the first start's demo well when none), once `shown` (a
    // window's name) has come and the log has the keys; then the View menu's item `up` places above its
    // top, chosen with the keyboard.
    void StartAndView(const QStringList& args, int up, const QString& shown = "^Quick View$")
    {
        ASSERT_TRUE(app.Start(program, args, x.ProgramEnvironment(home)));
        ASSERT_FALSE(x.WaitForWindow("^StrativM ").isEmpty()) << "no main window";
        ASSERT_FALSE(x.WaitForWindow(shown).isEmpty()) << "no " << shown.toStdString();
        x.Settled(3000); // drilling's windows change every second
        ASSERT_TRUE(Spin([&] { return x.FocusedName().startsWith("StrativM"); }, kLoadedMs));
        x.Key("alt+v");
        for (int i = 0; i < up; ++i)
            x.Key("Up");
        x.Key("Return");
    }
    // View > Horizontal on the deviated well of MD 1,000 to 2,728, kicked off at 1,100, with the view's
    // default set-up (the lithology along the path unless `lithBand`); the screen, settled.
    QImage HorizontalView(bool lithBand)
    {
        const QString well = MakeDeviatedWell(folder, "DEV.svm", 1000, 2728, 1100);
        auto setup = std::make_unique<wellfile::HorzSetupRecord>();
        horizontal::ViewDefaults(*setup, 0);
        EXPECT_EQ(setup->drawLithOnWellTrack, 1);
        setup->drawLithOnWellTrack = lithBand ? 0 : 1;
        WriteBytes(folder + "DEV.hor", setup.get(), sizeof *setup);
        StartAndView({ well }, 3); // up from the top: TVD Log, Down Time Report, Horizontal
        if (HasFatalFailure())
            return {};
        EXPECT_FALSE(x.WaitForWindow("^HORIZONTAL VIEW").isEmpty()) << "View > Horizontal opened no view";
        return Away();
    }
    // The screen with the pointer in its bottom left corner, once settled (at most `ms`).
    QImage Away(int ms = 15000) const
    {
        x.Run("xdotool", { "mousemove", "0", QString::number(GetParam().height() - 1) });
        return x.Settled(ms);
    }

};

} // namespace

// The demo well's horizontal view with its default set-up, opened by the quick view bar's "View Horz":
// the TVD labels "2300" and "2350" stand at the plot's start and again down the column of 2,400, "2350"
// also over the gas band and the lower band. Each stands whole (as the view's label font writes it) in
// two places at least, and wherever it stands no other black ink (a VS label, the path, a curve) lies
// within a pixel of it.
TEST_P(RealXViews, TheDemosHorizontalViewKeepsItsDepthLabelsClear)
{
    ASSERT_TRUE(app.Start(program, {}, x.ProgramEnvironment(home)));
    const QString bar = x.WaitForWindow("^Quick View$");
    ASSERT_FALSE(bar.isEmpty()) << "no first paint";
    ASSERT_TRUE(Spin([&] { return x.FocusedName().startsWith("StrativM"); }, kLoadedMs));
    const QRect place = x.Geometry(bar);
    x.Click(place.x() + (place.width() - 60) / 8, place.center().y());
    const QString view = x.WaitForWindow("^HORIZONTAL VIEW");
    ASSERT_FALSE(view.isEmpty()) << "View Horz opened no view";
    const QImage shot = Away();

    horizontal::HorzPlot plot;
    plot.options.screenWidth = GetParam().width();
    const platform::Font font = horizontal::LabelFont(plot);
    for (const char* label : {"2300", "2350"}) {
        const Ink ink = InkOf(label, font);
        auto places = Places(shot, x.Client(view), ink, {0xC0C0C0, 0x0000FF});
        std::erase_if(places, [&](const auto& p) { return p.second * 2 > int(ink.ring.size()); });
        EXPECT_GE(places.size(), 2u) << label << " stands whole in fewer than two places";
        for (const auto& [at, met] : places)
            EXPECT_EQ(met, 0) << label << " at " << at.x() << "," << at.y() << " meets other ink";
    }
    if (HasFailure())
        shot.save(TestDir() + "horizontal-demo.png");
}

// View > Horizontal on a well whose plot starts at MD 1,491 and TVD 1,459 (vertical to 1,100, then
// building to 89.5 degrees at 1,964): the TVD grid's first label, "1450", stands at the gas band's base,
// and the MD label "1500" nine units right of the plot's left edge, where the first column of the gas
// band's decade labels stands. Each of that column's twelve labels stands clear of both.
TEST_P(RealXViews, TheHorizontalViewsDecadeLabelsClearTheMdAndTvdLabels)
{
    // The lithology drawn in its own band, not along the path: along the path it rises into the gas
    // band's lowest rows at the plot's start.
    const QImage shot = HorizontalView(true);
    ASSERT_FALSE(HasFailure());

    // The first column only: the view's left third, the band at its top.
    const auto [missing, touched] = UnclearLabels(shot, QRect(0, 0, GetParam().width() / 3, GetParam().height() / 2),
        GetParam().width(),
        { ".001%", ".01%", ".1%", "1%", "10%", "100%", "10ppm", "100ppm", "1000", "10k", "100k", "1000k" });
    EXPECT_TRUE(missing.isEmpty()) << "not on the screen: " << missing.join(", ").toStdString();
    EXPECT_TRUE(touched.isEmpty()) << "met by other texts: " << touched.join(", ").toStdString();
    // The TVD grid's "1500" at the plot's left, under the VS labels' row, and the first VS label: its
    // record one unit right of the plot's left edge (centred on it), or the first after it clear of the
    // TVD labels. Where the path runs through a VS label, the label does not stand whole.
    const QRect path(0, GetParam().height() / 4, GetParam().width() / 3, GetParam().height() / 4);
    const auto [tvdMissing, tvdTouched] = UnclearLabels(shot, path, GetParam().width(), { "1500" }, true);
    EXPECT_TRUE(tvdMissing.isEmpty()) << "not on the screen: " << tvdMissing.join(", ").toStdString();
    EXPECT_TRUE(tvdTouched.isEmpty()) << "met by other ink: " << tvdTouched.join(", ").toStdString();
    const QStringList vsTouched = UnclearLabels(shot, path, GetParam().width(), VsLabels(1492, 1560)).second;
    EXPECT_TRUE(vsTouched.isEmpty()) << "met by other ink: " << vsTouched.join(", ").toStdString();
    if (!touched.isEmpty() || !missing.isEmpty() || !tvdTouched.isEmpty() || !vsTouched.isEmpty())
        shot.save(TestDir() + "horizontal.png");
}

// The same well with the view's default set-up, the lithology riding 25 pixels above the path: at the
// plot's start the path lies 9 TVD units under the gas band's base, so the lithology would reach into
// the band's lowest rows. The labels of the band's base stand clear of every other ink.
TEST_P(RealXViews, TheLithologyAlongThePathStaysOutOfTheGasBand)
{
    const QImage shot = HorizontalView(false);
    ASSERT_FALSE(HasFailure());
    const QRect band(0, 0, GetParam().width() / 3, GetParam().height() / 2);
    const auto [missing, touched] = UnclearLabels(shot, band, GetParam().width(), { ".001%", "10ppm" }, true);
    EXPECT_TRUE(missing.isEmpty()) << "not on the screen: " << missing.join(", ").toStdString();
    EXPECT_TRUE(touched.isEmpty()) << "met by other ink: " << touched.join(", ").toStdString();
    // The band's base: the first row of the path area's 3-pixel top line (its upper rows 0x8000FF) running
    // across most of the view (a label on white cuts it). In the 12 rows above it, between the grid lines,
    // no grey run of the shale's fill (the grid's grey: three pixels 2 apart; the MD lines stand 10 apart).
    const int w = GetParam().width();
    int base = 0;
    const auto across = [&](int y, QRgb c) {
        int n = 0;
        for (int x = w / 4; x < w; ++x)
            n += (shot.pixel(x, y) & 0xFFFFFF) == c ? 1 : 0;
        return n;
    };
    while (base < shot.height() - 1 && across(base, 0x8000FF) < w / 2)
        ++base;
    ASSERT_LT(base, shot.height() / 2) << "no path area's top line";
    const auto grey = [&](int x, int y) { return (shot.pixel(x, y) & 0xFFFFFF) == 0xC0C0C0; };
    int fill = 0;
    for (int y = base - 12; y < base; ++y)
        for (int x = 10, grid = across(y, 0xC0C0C0) >= w / 4; x < w / 3 && !grid; ++x)
            fill += grey(x - 2, y) && grey(x, y) && grey(x + 2, y) ? 1 : 0;
    EXPECT_EQ(fill, 0) << "shale's fill in the gas band's lowest rows";
    if (!touched.isEmpty() || !missing.isEmpty() || fill > 0)
        shot.save(TestDir() + "horizontal-lith.png");
}

// The same well, the lithology along the path (the default set-up): its rocks run across the path
// area's left half, where the TVD grid's labels and the first VS labels stand. Each of them found whole
// there is met by no other ink (the path itself crosses "1450" and, at 1,024, the first VS labels).
TEST_P(RealXViews, TheLithologyAlongThePathLeavesTheTvdAndVsLabelsClear)
{
    const QImage shot = HorizontalView(false);
    ASSERT_FALSE(HasFailure());
    std::vector<QString> labels = VsLabels(1492, 1580);
    labels.insert(labels.begin(), { "1500", "1450" });
    const QRect path(0, GetParam().height() / 4, GetParam().width() / 2, GetParam().height() / 6);
    const auto [missing, touched] = UnclearLabels(shot, path, GetParam().width(), labels, true);
    EXPECT_FALSE(missing.contains("1500")) << "the TVD grid's 1500 is not on the screen";
    EXPECT_LT(missing.size(), int(labels.size()) - 2) << "no VS label whole";
    EXPECT_TRUE(touched.isEmpty()) << "met by other ink: " << touched.join(", ").toStdString();
    if (!touched.isEmpty() || missing.contains("1500"))
        shot.save(TestDir() + "horizontal-lith-labels.png");
}

// View > Real Time Gas Chart while drilling with the gas monitor polling its instrument: the day's file
// holds, over 170 samples ending 30 before the chart's top row, a depth that changes every third sample
// (rows of 2 pixels: 6 pixels apart, less than a text's height) and a steady lag depth. Every depth label
// on the chart stands clear of the others, and there is one at least every two text heights.
TEST_P(RealXViews, TheGasChartsDepthLabelsOfQuickChangesStandApart)
{
    if (!PymodbusInstalled())
        GTEST_SKIP() << "python3-pymodbus is not installed (scripts/install-deps.sh installs it)";
    const QDateTime now = QDateTime::currentDateTime();
    const int slot = now.time().hour() * 1800 + now.time().minute() * 30 + now.time().second() / 2;
    if (slot < 2100 || slot > gasmon::kChartSlotsPerDay - 100)
        GTEST_SKIP() << "the day's file would change while the test runs";
    ASSERT_TRUE(demo::MakeDemoWell(folder));
    ASSERT_TRUE(EditWellConfig(folder + "elogdemo.cfg", [](wellfile::WellConfig& cfg) { cfg.drillingAtExit = 1; }));
    PtyPair line;
    Child peer;
    GasInstrumentOnCom3(folder, home, line, peer);
    ASSERT_FALSE(HasFatalFailure());

    // The chart opens on the well's time: the station's, or an hour back by the well's time-zone
    // adjustment. The same samples stand before both.
    constexpr int kFirstDepth = 2500, kSamples = 170;
    std::vector<gasmon::CHARTRECORD> samples;
    for (int top : { slot, slot - 1800 })
        for (int k = 0; k < kSamples; ++k) {
            gasmon::CHARTRECORD r = gasmon::PresetChartRecord(now.date(), top - 30 - kSamples + k);
            r.depth = std::uint16_t(kFirstDepth + k / 3);
            r.lagDepth = 2400;
            r.hotWire = 5;
            r.chromat = 2;
            r.index = 1;
            samples.push_back(r);
        }
    ASSERT_TRUE(QDir().mkpath(folder + "chart"));
    ASSERT_EQ(gasmon::WriteChartRecords({}, samples.data(), int(samples.size()),
                  gasmon::ChartFileName(folder + "chart/", "elogdemo", now.date())),
        1);

    StartAndView({}, 4, "GAS MONITOR"); // up from the top: TVD Log, Wits Chart.., Down Time Report, Real Time Gas Chart
    const QString chart = x.WaitForWindow("\\.cht$");
    ASSERT_FALSE(chart.isEmpty()) << "View > Real Time Gas Chart opened no chart";
    // The depth labels stand 50 pixels left of the plot's right edge, 30 left of the window's. The chart
    // moves up a row with each live sample: a shot is taken whose label column the next one repeats.
    const QRect window = x.Geometry(chart), column(window.right() - 150, window.top(), 150, window.height());
    QImage shot = Away(3000);
    ASSERT_TRUE(Spin(
        [&] {
            const QImage next = x.Shot();
            const bool same = next.copy(column) == shot.copy(column);
            shot = next;
            return same;
        },
        20000))
        << "the chart never stood still";
    // Each place a label stands whole, with the fewest pixels met there: a line across "2520" lets "2526"
    // stand whole at its place too, met by the ring of the "0".
    std::map<std::pair<int, int>, std::pair<int, int>> labels; // (x, y) -> (pixels met, depth)
    int height = 0;
    for (int depth = kFirstDepth + 1; depth < kFirstDepth + kSamples / 3; ++depth) {
        const Ink ink = InkOf(QString::number(depth));
        // The minute lines, light and dark grey, run across the labels.
        for (const auto& [at, ring] : Places(shot, column, ink, { 0xC0C0C0, 0x606060 })) {
            const auto [it, added] = labels.try_emplace({ at.x(), at.y() }, ring, depth);
            if (!added && ring < it->second.first)
                it->second = { ring, depth };
        }
        for (const QPoint& p : ink.ink)
            height = std::max(height, p.y() + 1);
    }
    QStringList touched;
    for (const auto& [at, label] : labels)
        if (label.first > 0)
            touched << QString("%1 at %2,%3 (%4 px)").arg(label.second).arg(at.first).arg(at.second).arg(label.first);
    EXPECT_TRUE(touched.isEmpty()) << touched.size() << " labels met by others: " << touched.join(", ").toStdString();
    EXPECT_GE(int(labels.size()) - touched.size(), kSamples * 2 / (2 * std::max(height, 1)))
        << "labels of " << height << " px";
}

INSTANTIATE_TEST_SUITE_P(Screens, RealXViews, ::testing::Values(QSize(1024, 768), QSize(1920, 1080)),
    [](const ::testing::TestParamInfo<QSize>& info) {
        return std::to_string(info.param.width()) + "x" + std::to_string(info.param.height());
    });
