// The view's drawing through a real main window: a 10,000-unit lateral logged from deep down opened,
// paged to its end, printed and written as image files; gamma and its off-scale fill and the demo's
// custom curves probed where their values put them; the settings file's switches; and failures that
// leave the view as it was.
#include "app/commandids.h"
#include "horizontal/horzbands.h"
#include "horizontal/horzplace.h"
#include "horizontal/ui/horzdlg.h"
#include "layout/trackflags.h"
#include "platform/folders.h"
#include "platform/ui/dialog.h"
#include "print/printsetup.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/deviatedwell.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/pdfpages.h"
#include "support/printers.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/customdata.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using horizontal::HorzDlg;
using wellfile::HorzSetupRecord;
using testing_support::At;
using testing_support::doubles;

namespace {

QRgb Rgb(platform::COLORREF c) { return qRgb(platform::GetRValue(c), platform::GetGValue(c), platform::GetBValue(c)); }

struct Lateral {
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    QString path, hor;
    explicit Lateral(const std::function<void(HorzSetupRecord&)>& stored = {}, int last = 19000)
    {
        testing_support::LateralShape shape;
        shape.last = last;
        path = testing_support::OpenNewWell(
            window, [&](const QString& data) { return testing_support::MakeLateralWell(data, "L.svm", shape); });
        S().env.screenWidth = 1920;
        S().env.screenHeight = 1080;
        hor = horizontal::ViewSetupPath(horizontal::FilesOf(S().well));
        if (stored) {
            auto r = std::make_unique<HorzSetupRecord>();
            horizontal::ViewDefaults(*r, 0);
            stored(*r);
            testing_support::WriteBytes(hor, r.get(), sizeof *r);
        }
    }
    app::LogState& S() { return window.State(); }
    HorzDlg* Open()
    {
        window.EvCommand(app::cmd::HorizontalView);
        return qobject_cast<HorzDlg*>(window.Tools().horzView.data());
    }
};

// The plot's x of a depth and the gamma row its record's value gives.
int X(const horizontal::HorzPlot& p, int depth) { return p.plotLeft + (depth - p.plotFirstDepth) * p.pixelsPerUnit; }
int GammaRow(const HorzDlg& view, float gamma)
{
    const horizontal::HorzBands& b = view.Plot().bands;
    return int(b.lowerBase - double(gamma) * b.lowerBandHeight / horizontal::GammaFullScale(view.Settings().gammaScale));
}
QRgb Pixel(const HorzDlg& view, int x, int y) { return view.Image().pixel(x - view.ImageLeft(), y); }

}  // namespace

TEST(HorzWindowDraw, ATenThousandUnitLateralLoggedFromDeepDownOpensPagesToItsEndAndPrints)
{
    Lateral f;
    platform::PrinterDescription printer = testing_support::TestPrinter("Test PDF", "FILE:", 375, {8.5, 8});
    printer.outputFile.clear();
    doubles().printers.defaultPrinter = printer;
    // TVD 8,400 to 8,521 from MD 9,000: every station counts.
    HorzDlg* view = f.Open();
    ASSERT_NE(view, nullptr);
    view->resize(1200, 600);
    ASSERT_EQ(view->LoadAndDraw(0), 1);
    const horizontal::HorzPlot& p = view->Plot();
    EXPECT_EQ(p.plotFirstDepth, 9000);
    EXPECT_EQ(p.width, 10100 * 8 + 100);
    EXPECT_EQ(view->Image().width(), 8192);  // the window only; 2 x 8192 x 580 x 4 bytes held
    const QRgb gamma = Rgb(p.pens[layout::PEN_GAMMA].colour);
    EXPECT_EQ(Pixel(*view, X(p, 9500), GammaRow(*view, testing_support::LateralGamma(9500))), gamma);

    // Page after page to the end: the window follows, and the last records' gamma stands at its rows.
    int pages = 0;
    for (int last = -1; view->ScrollPosition() != last; ++pages) {
        last = view->ScrollPosition();
        view->EvHScroll(horizontal::ScrollCode::PageRight, 0);
    }
    EXPECT_GT(pages, 150);
    EXPECT_EQ(view->ScrollPosition(), p.width - view->width() + 50);
    EXPECT_GT(view->ImageLeft(), 70000);
    for (int depth : {18900, 18950, 18990})
        EXPECT_EQ(Pixel(*view, X(p, depth), GammaRow(*view, testing_support::LateralGamma(depth))), gamma) << depth;

    // Printed from 18,800: page 1 holds columns 78,400 on, three printer pixels each, from 60 down at 2.7 a row.
    platform::Dialog::QueueTestScript([](platform::Dialog& d) {
        d.SetText(print::setupid::StartDepth, QStringLiteral("18800"));
        d.SetText(print::setupid::EndDepth, QStringLiteral("19000"));
        d.Click(platform::IDOK);
    });
    f.window.EvCommand(app::cmd::Print);
    const QStringList pdfs =
        QDir(f.S().well.file.dataFolder + "sendfile").entryList({QStringLiteral("*-horz.pdf")}, QDir::Files);
    ASSERT_EQ(pdfs.size(), 1);
    const QString pdf = f.S().well.file.dataFolder + "sendfile/" + pdfs[0];
    EXPECT_EQ(testing_support::PdfPageCount(pdf), 2);
    const QImage page = testing_support::RasterisePdf(pdf, 375, 1);
    ASSERT_FALSE(page.isNull());
    const int h = p.height, destHeight = int(h * 2.7f - 60);
    for (int depth : {18850, 18900}) {
        const int y = 60 + GammaRow(*view, testing_support::LateralGamma(depth)) * destHeight / h;
        const int x = 3 * (X(p, depth) - 78400);
        int near = 0;
        for (int dy = -3; dy <= 3; ++dy)
            for (int dx = -3; dx <= 3; ++dx)
                near += page.pixel(x + dx, y + dy) == gamma;
        EXPECT_GT(near, 0) << depth;
    }
}

TEST(HorzWindowDraw, TheLateralsImageFilesCoverItsWholeRange)
{
    Lateral f([](HorzSetupRecord& r) { r.imageFormat = 1; }, 14000);  // 41,350 pixels with the header
    HorzDlg* view = f.Open();
    ASSERT_NE(view, nullptr);
    const horizontal::HorzPlot& p = view->Plot();
    // One BMP as wide as the plot, header and all: its rows read back where the last records' gamma is.
    const QString folder = f.S().well.file.dataFolder + "bitmaps/L/";
    const QByteArray bmp = testing_support::ReadBytes(folder + "L@9000-14100-5in-hor.bmp");
    ASSERT_GT(bmp.size(), 54);
    EXPECT_EQ(At<std::int32_t>(bmp, 18), p.width);
    EXPECT_EQ(At<std::int32_t>(bmp, 22), p.height);
    const qint64 stride = (qint64(p.width) * 3 + 3) / 4 * 4;
    EXPECT_EQ(bmp.size(), 54 + stride * p.height);
    const QRgb gamma = Rgb(p.pens[layout::PEN_GAMMA].colour);
    for (int depth : {9100, 13950}) {
        const int y = GammaRow(*view, testing_support::LateralGamma(depth));
        const qint64 at = 54 + stride * (p.height - 1 - y) + qint64(X(p, depth)) * 3;
        EXPECT_EQ(qRgb(uchar(bmp[at + 2]), uchar(bmp[at + 1]), uchar(bmp[at])), gamma) << depth;
    }

    // PNG: pieces of 2,000 units named by their ranges.
    auto r = std::make_unique<HorzSetupRecord>();
    ASSERT_TRUE(horizontal::LoadSetupFile(horizontal::FilesOf(f.S().well), *r));
    r->imageFormat = 4;
    testing_support::WriteBytes(f.hor, r.get(), sizeof *r);
    view->ApplySetup();
    doubles().prompter.answers = {platform::IDCANCEL};
    ASSERT_EQ(view->LoadAndDraw(0), 1);
    const QStringList pieces = {"L@9000-11000-5in-hor.png", "L@11000-13000-5in-hor.png", "L@13000-14100-5in-hor.png"};
    QStringList paths;
    for (const QString& name : pieces)
        paths << folder + name;
    ASSERT_FALSE(doubles().prompter.messages.isEmpty());
    EXPECT_EQ(doubles().prompter.messages.back().text,
              "HORZ IMAGE FILE HAS BEEN SAVED TO\n" + paths.join('\n') + "\nTO SAVE TO ANOTHER LOCATION CLICK OK");
    const QImage last(paths.back());
    ASSERT_FALSE(last.isNull());
    EXPECT_EQ(last.width(), p.width - (p.plotLeft + 2 * 16000));
    const int depth = 13950;
    // 256 colours at most: the gamma pen's, or the nearest of them.
    const QRgb c = last.pixel(X(p, depth) - (p.plotLeft + 2 * 16000), GammaRow(*view, testing_support::LateralGamma(depth)));
    EXPECT_LT(std::abs(qRed(c) - qRed(gamma)) + std::abs(qGreen(c) - qGreen(gamma)) + std::abs(qBlue(c) - qBlue(gamma)), 90);
    EXPECT_EQ(At<std::int32_t>(testing_support::ReadBytes(f.hor), 956), 0);
}

// A well opened again shows its view as its first opening did: the rate unit of the first open is the
// one its settings keep (for the demo's profile and another), and with rates per hour the rate curve,
// which the fills and the lithology along the path walk, comes from the view's own record too, or from
// one an older view wrote without the set-up dialog's mark.
TEST(HorzWindowDraw, AWellOpenedAgainShowsItsViewAsTheFirstOpeningDid)
{
    Lateral f({}, 10000);
    const QString cfg = f.S().well.file.currentFolder + "L.cfg";
    const auto openTwice = [&f] {
        std::vector<std::pair<QImage, int>> drawn;
        for (int k = 0; k < 2; ++k) {
            EXPECT_EQ(f.window.OpenDataFile(f.path), 1);
            HorzDlg* view = f.Open();
            if (!view)
                return drawn;
            // The bands under the well path: rates, gamma and their fills. (The shale pattern along the
            // path may start at another phase.)
            const int top = view->Plot().bands.pathBottom;
            drawn.emplace_back(view->Image().copy(0, top, view->Image().width(), view->Image().height() - top),
                               view->Plot().points.count);
            f.window.EvCommand(app::cmd::HorizontalView);  // closed again
        }
        return drawn;
    };
    auto drawn = openTwice();
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(f.S().view.rateInMetresPerHour, 1);  // a fresh well's rates read per hour
    EXPECT_EQ(At<std::int32_t>(testing_support::ReadBytes(cfg), 12), 1);
    EXPECT_GT(drawn[0].second, 2000);
    EXPECT_EQ(drawn[1].second, drawn[0].second);
    EXPECT_TRUE(drawn[1].first == drawn[0].first);

    // Rates in minutes a unit, as Lines and Scales stores them, over a record without the mark.
    QByteArray config = testing_support::ReadBytes(cfg);
    config[12] = 0;
    testing_support::WriteBytes(cfg, config);
    QByteArray old = testing_support::ReadBytes(f.hor);
    old[800] = 0;
    testing_support::WriteBytes(f.hor, old);
    drawn = openTwice();
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(f.S().view.rateInMetresPerHour, 0);
    EXPECT_GT(drawn[0].second, 2000);
    EXPECT_EQ(drawn[1].second, drawn[0].second);
    EXPECT_TRUE(drawn[1].first == drawn[0].first);
    EXPECT_EQ(testing_support::ReadBytes(f.hor)[800], 1);

    // A fresh well of another profile keeps the unit its first open showed.
    const QString other = testing_support::MakeWell(f.S().well.file.dataFolder, "P.svm", 1000, 1200);
    QByteArray records = testing_support::ReadBytes(other);
    records.replace(qsizetype(offsetof(wellfile::RECORD, interpretedLith)), 5, "PRF11");
    testing_support::WriteBytes(other, records);
    for (int k = 0; k < 2; ++k) {
        ASSERT_EQ(f.window.OpenDataFile(other), 1);
        EXPECT_EQ(f.S().well.loggerId, 11);
        EXPECT_EQ(f.S().view.rateInMetresPerHour, 1) << k;
    }
}

TEST(HorzWindowDraw, FailuresAreToldAndLeaveTheViewAsItWas)
{
    // A stored draw-from deeper than every TVD: the greatest TVD - 200 is drawn, and kept. The sections
    // entered stay in the record, though a drawing without vertical scaling makes one of its own.
    Lateral f([](HorzSetupRecord& r) {
        r.drawFromDepth = 9000;
        r.keepDrawFrom = 1;
        r.imageFormat = 1;
        r.sections[0] = {8380, 8560, 9000, 9090, 0, 0, 0, 0, 0, {}};
        r.sections[1] = {8420, 8540, 9090, 0, 0, 0, 0, 0, 0, {}};
    });
    // The picture folder cannot be made: the BMP fails, is told, and the view stays.
    QDir().mkpath(f.S().well.file.dataFolder + "bitmaps");
    testing_support::WriteBytes(f.S().well.file.dataFolder + "bitmaps/L", "x", 1);
    doubles().prompter.messages.clear();
    HorzDlg* view = f.Open();
    ASSERT_NE(view, nullptr);
    const std::int32_t fallback = std::int32_t(f.S().well.file.maxTvd - 200);
    EXPECT_EQ(view->DrawFrom(), fallback);
    EXPECT_EQ(At<std::int32_t>(testing_support::ReadBytes(f.hor), 788), fallback);
    EXPECT_EQ(view->Plot().sections.count, 1);
    EXPECT_EQ(At<float>(testing_support::ReadBytes(f.hor), 994 + 56 + 4), 8540.0f);
    const auto& said = doubles().prompter.messages;
    EXPECT_EQ(std::count_if(said.begin(), said.end(),
                            [](const auto& m) { return m.text.startsWith("Error code= 7, file save failed on\n"); }),
              1);

    // A redraw whose images cannot be made (a window taller than an image can be): said, and the plot
    // and its geometry stay.
    const QImage image = view->Image().copy();
    const int width = view->Plot().width;
    view->resize(1200, 40000);
    EXPECT_EQ(view->LoadAndDraw(0), -1);
    EXPECT_EQ(doubles().prompter.messages.back().text, "Image Memory allocation failed");
    EXPECT_EQ(view->Image(), image);
    EXPECT_EQ(view->Plot().width, width);

    // A zoom over an unreadable ".hor" starts from the defaults: gas and rates still drawn.
    testing_support::WriteBytes(f.hor, "short", 5);
    view->resize(1200, 600);
    view->CmZoomOut();
    const QByteArray stored = testing_support::ReadBytes(f.hor);
    ASSERT_EQ(stored.size(), qsizetype(sizeof(HorzSetupRecord)));
    auto defaults = std::make_unique<HorzSetupRecord>();
    horizontal::ViewDefaults(*defaults, 0);
    EXPECT_EQ(stored[qsizetype(offsetof(HorzSetupRecord, drawGas))], char(defaults->drawGas));
    EXPECT_EQ(stored[qsizetype(offsetof(HorzSetupRecord, drawRates))], char(defaults->drawRates));
    EXPECT_EQ(At<std::int32_t>(stored, 788), view->DrawFrom());
}

TEST(HorzWindowDraw, TheSettingsFileSwitchesOnEditingCo2AndTheOtherOptions)
{
    for (const char* key : {"HorizontalEditing", "HorizontalHardness", "HorizontalScaleNote", "HorizontalThickTarget",
                            "HorizontalHalfPrint", "HorizontalLithPictures"})
        platform::WriteSetting(QStringLiteral("Options/") + key, "1");
    // Two sections entered: the second from the station at 9,090 on, on a scale of its own.
    Lateral f([](HorzSetupRecord& r) {
        r.sections[0] = {8380, 8560, 9000, 9090, 0, 0, 0, 0, 0, {}};
        r.sections[1] = {8420, 8540, 9090, 0, 0, 0, 0, 0, 0, {}};
        r.sectionCount = 2;
    });
    const app::OptionSettings& o = f.S().options;
    EXPECT_TRUE(o.horizontalEditing && o.horizontalHardness && o.horizontalScaleNote && o.horizontalThickTarget &&
                o.horizontalLithPictures);
    EXPECT_FALSE(o.horizontalThirdCurve || o.horizontalVerticalGas);
    EXPECT_TRUE(f.S().print.horizontalHalfScale);
    f.S().layout.schemes.trackFlags[layout::FLAG_CO2] = 1;  // the main log's CO2 track
    HorzDlg* view = f.Open();
    ASSERT_NE(view, nullptr);
    const horizontal::HorzPlot& p = view->Plot();
    EXPECT_TRUE(p.options.hardness && p.headerFacts.scaleNote && p.logs.thickTargetLine);
    ASSERT_EQ(p.sections.count, 2);
    // The dashed jump where the second section's scale takes over, and both sections still stored.
    int blue = 0;
    for (int y = p.bands.pathTop + 5; y < p.bands.pathBottom; ++y)
        blue += Pixel(*view, X(p, 9090), y) == qRgb(0, 0, 255);
    EXPECT_GT(blue, 10);
    const QByteArray stored = testing_support::ReadBytes(f.hor);
    EXPECT_EQ(At<float>(stored, 994 + 56 + 4), 8540.0f);  // the second section's end TVD
    // CO2, read down from the gas band's top on its first scale: 0.875 % of 3.5 a quarter down.
    const int y = p.bands.gasTop + p.bands.gasBandHeight / 4;
    EXPECT_EQ(Pixel(*view, X(p, 9600) + 4, y), Rgb(p.pens[layout::PEN_CO2].colour));
}

TEST(HorzWindowDraw, TheDemoWellsGammaItsOffScaleFillAndCustomCurvesStandWhereTheirValuesPutThem)
{
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    ASSERT_TRUE(testing_support::ShowDemoWindow(window));
    ASSERT_TRUE(testing_support::ShowDemoCustomTracks(window));
    layout::TrackSet& tracks = window.State().customTracks.data->screenSet;
    for (layout::CustomTrackEntry& e : tracks)
        e.onHorizontalView = 1;
    window.EvCommand(app::cmd::HorizontalView);
    auto* view = qobject_cast<HorzDlg*>(window.Tools().horzView.data());
    ASSERT_NE(view, nullptr);
    const horizontal::HorzPlot& p = view->Plot();
    ASSERT_TRUE(p.options.gammaData);
    const QRgb gamma = Rgb(p.pens[layout::PEN_GAMMA].colour);
    const auto drawn = p.records.subspan(std::size_t(p.first), std::size_t(p.toDraw));
    int probed = 0;
    for (const wellfile::RECORD& r : drawn) {
        const int y = GammaRow(*view, r.gamma[0]);
        if (r.depth % 37 != 0 || y <= p.bands.lowerTop + 2 || y >= p.bands.lowerBase - 6)
            continue;
        EXPECT_EQ(Pixel(*view, X(p, r.depth), y), gamma) << r.depth;
        ++probed;
    }
    EXPECT_GT(probed, 5);

    // On the 25 API scale the gamma runs off the band: what ran off fills up from its bottom.
    const QString hor = horizontal::ViewSetupPath(horizontal::FilesOf(window.State().well));
    QByteArray b = testing_support::ReadBytes(hor);
    ASSERT_EQ(b.size(), qsizetype(sizeof(HorzSetupRecord)));
    b[qsizetype(offsetof(HorzSetupRecord, gammaScale))] = 1;
    b[156018] = 1;  // drawCustomTracks
    testing_support::WriteBytes(hor, b);
    view->ApplySetup();
    view->LoadAndDraw(0);
    ASSERT_EQ(view->Settings().gammaScale, 1);
    const QRgb fill = Rgb(p.pens[layout::PEN_OFFSCALE_GAMMA_FILL].colour);
    int filled = 0, wrapped = 0;
    for (const wellfile::RECORD& r : p.records.subspan(std::size_t(p.first), std::size_t(p.toDraw))) {
        if (r.gamma[0] < 30 || r.gamma[0] > 45 || wrapped > 40)
            continue;  // over 25, under 50: wrapped into the band's lower half
        const int wrap = GammaRow(*view, r.gamma[0] - 25.0f);
        ++wrapped;
        for (int y = wrap + 2; y < p.bands.lowerBase - 2; ++y)
            filled += Pixel(*view, X(p, r.depth), y) == fill;
    }
    EXPECT_GT(wrapped, 2);
    EXPECT_GT(filled, wrapped);

    // The demo's RPM, one custom record a depth, runs to the data's last depth 2,600 at 8 pixels a unit.
    QRgb rpm = 0;
    for (const layout::CustomTrackEntry& e : tracks)
        for (int c = 0; c < layout::kCurvesPerTrack; ++c)
            if (e.dataCode[c] == 13)
                rpm = Rgb(e.colour[c]);
    ASSERT_NE(rpm, 0u);
    auto inColumns = [&](int from, int to) {
        int n = 0;
        for (int x = X(p, from); x < X(p, to); ++x)
            for (int y = 0; y < p.bands.gasTop; ++y)
                n += Pixel(*view, x, y) == rpm;
        return n;
    };
    EXPECT_GT(p.bands.gasTop, 0);
    EXPECT_GT(inColumns(2580, 2600), 20);
    EXPECT_EQ(inColumns(2602, 2650), 0);
}
