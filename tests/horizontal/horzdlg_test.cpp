// The horizontal view on a real main window: opened and closed by the window's command, its caption,
// controls, zoom and header written through the well's ".hor", what it tells the print set-up and the
// lithology column, the quick bar's survey button, and a close refused while a dialog of its own is open.
#include "app/commandids.h"
#include "horizontal/horzplace.h"
#include "horizontal/ui/horzdlg.h"
#include "print/printer_commands.h"
#include "print/printsetup.h"
#include "print/ui/printsetupdlg.h"
#include "shell/ui/logwindow.h"
#include "shell/ui/qbtndlg.h"
#include "support/demowindow.h"
#include "support/deviatedwell.h"
#include "support/files.h"
#include "support/printers.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "tracks/tracksettingsof.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

using horizontal::HorzDlg;
using wellfile::HorzSetupRecord;
using testing_support::At;
using testing_support::doubles;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

namespace {

struct ViewOnWell {
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    QString hor;
    explicit ViewOnWell(const std::function<void(HorzSetupRecord&)>& stored = {})
    {
        testing_support::OpenNewWell(window, [](const QString& data) {
            return testing_support::MakeDeviatedWell(data, "H.svm", 1000, 1400);
        });
        S().env.screenWidth = 1920;
        S().env.screenHeight = 1080;
        hor = S().well.file.currentFolder + "H.hor";
        if (stored) {
            auto r = std::make_unique<HorzSetupRecord>();
            horizontal::ViewDefaults(*r, 0);
            stored(*r);
            WriteBytes(hor, r.get(), sizeof *r);
        }
        doubles().sounder.beeps = 0;
    }
    app::LogState& S() { return window.State(); }
    HorzDlg* Open()
    {
        window.EvCommand(app::cmd::HorizontalView);
        return qobject_cast<HorzDlg*>(window.Tools().horzView.data());
    }
    QByteArray Hor() const { return ReadBytes(hor); }
};

}  // namespace

TEST(HorzWindow, OpensThroughTheCommandAndTellsTheOtherWindows)
{
    ViewOnWell f([](HorzSetupRecord& r) {
        r.lithInOrderEntered = 1;
        r.drawFromDepth = 1200;
    });
    EXPECT_FALSE(tracks::TrackSettingsOf(f.S()).lithTextOrder);
    EXPECT_FALSE(print::HorizontalViewOf(f.S()).open);
    HorzDlg* view = f.Open();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->windowTitle().startsWith("HORIZONTAL VIEW.."));
    EXPECT_TRUE(f.window.Menu().Find(app::cmd::HorizontalView)->checked);
    EXPECT_TRUE(tracks::TrackSettingsOf(f.S()).lithTextOrder);
    EXPECT_EQ(view->Image().pixel(10, 10), qRgb(255, 255, 255));

    // Width 1200: the scroll bar and the buttons along the bottom; the header moves the scroll range.
    view->resize(1200, 600);
    view->EvSize();
    EXPECT_EQ(view->ScrollBar()->geometry(), QRect(300, 580, 900, 20));
    EXPECT_TRUE(view->Control(horizontal::kSetupButton)->isVisibleTo(view));
    // One section and the well's records over 85 degrees: the zoom buttons show.
    EXPECT_TRUE(view->Control(horizontal::kZoomInButton)->isVisibleTo(view));
    print::HorizontalViewFacts facts = print::HorizontalViewOf(f.S());
    EXPECT_TRUE(facts.open);
    EXPECT_FALSE(facts.fullHeader);
    view->Click(horizontal::kViewHeaderButton);
    EXPECT_EQ(view->GetText(horizontal::kViewHeaderButton), "HIDE HEADER");
    EXPECT_EQ(view->ScrollBar()->minimum(), 500);
    EXPECT_EQ(view->LastDrawArgument(), 0);
    EXPECT_TRUE(print::HorizontalViewOf(f.S()).fullHeader);

    // The print set-up offers the horizontal run from the view's start depth with its header.
    doubles().printers.defaultPrinter = testing_support::TestPrinter("Test PDF", "FILE:", 300, {15, 11});
    wellfile::PRINTCFG cfg{};
    cfg.continuousPaper = print::CheckPrinter(f.S());
    cfg.endDepth = f.S().well.file.fileBottomDepth;
    platform::Dialog::QueueTestScript([](platform::Dialog& d) {
        EXPECT_FALSE(d.IsEnabled(print::setupid::Horizontal));
        EXPECT_EQ(d.GetText(print::setupid::StartDepth).trimmed(), "1200");
        EXPECT_EQ(d.GetCheck(print::setupid::FullHeader), platform::BST_CHECKED);
        EXPECT_FALSE(d.IsEnabled(print::setupid::PrintDsts));
        d.Click(platform::IDCANCEL);
    });
    print::RunPrintSetup(f.S(), cfg);

    // The quick bar's survey button toggles the view's survey display.
    f.window.EnsureQuickBar();
    auto* bar = qobject_cast<shell::QBTNDLG*>(f.window.Tools().quickBar.data());
    ASSERT_NE(bar, nullptr);
    bar->Command(shell::QBTNDLG::ID_SURVEY);
    EXPECT_TRUE(view->SurveyDisplay());
    EXPECT_FALSE(f.S().view.surveyShown);
    EXPECT_EQ(bar->GetText(shell::QBTNDLG::ID_SURVEY), "Hide Svy");

    // The command again closes it.
    f.window.EvCommand(app::cmd::HorizontalView);
    EXPECT_TRUE(f.window.Tools().horzView.isNull());
    EXPECT_FALSE(f.window.Menu().Find(app::cmd::HorizontalView)->checked);
    EXPECT_FALSE(tracks::TrackSettingsOf(f.S()).lithTextOrder);
    EXPECT_FALSE(print::HorizontalViewOf(f.S()).open);
}

TEST(HorzWindow, ZoomWritesTheDrawFromDepthAndStopsAtItsLimits)
{
    // The draw-from depth is kept; each command is given the range it works in (a drawing sets the
    // range from the well's records).
    ViewOnWell f([](HorzSetupRecord& r) {
        r.drawFromDepth = 995;
        r.keepDrawFrom = 1;
    });
    HorzDlg* view = f.Open();
    ASSERT_NE(view, nullptr);
    view->SetDepthRange(0, 1000);
    const int draws = view->Redraws();
    view->CmZoomIn();
    EXPECT_EQ(At<std::int32_t>(f.Hor(), 788), 990);
    EXPECT_EQ(doubles().sounder.beeps, 1);
    EXPECT_FALSE(view->IsEnabled(horizontal::kZoomInButton));
    EXPECT_EQ(view->Redraws(), draws + 1);
    EXPECT_EQ(view->LastDrawArgument(), 0);
    EXPECT_EQ(print::HorizontalViewOf(f.S()).startDepth, 990);

    view->SetDepthRange(0, 1000);
    view->CmZoomOut();  // within 50: 10 up, kept within 200 of the greatest TVD
    EXPECT_EQ(At<std::int32_t>(f.Hor(), 788), 980);
    EXPECT_EQ(f.Hor()[156033], 0);
    EXPECT_TRUE(view->IsEnabled(horizontal::kZoomInButton));
    const int beeps = doubles().sounder.beeps;
    for (int i = 0; i < 30 && view->IsEnabled(horizontal::kZoomOutButton); ++i) {
        view->SetDepthRange(0, 1300);
        view->CmZoomOut();
    }
    EXPECT_FALSE(view->IsEnabled(horizontal::kZoomOutButton));
    EXPECT_EQ(doubles().sounder.beeps, beeps + 1);
    EXPECT_EQ(f.Hor()[156033], 1);
    // At the floor the loader finds the draw-from depth again and stores it.
    EXPECT_GT(view->DrawFrom(), 0);
    EXPECT_EQ(At<std::int32_t>(f.Hor(), 788), view->DrawFrom());
}

TEST(HorzWindow, DrawsTheDeviatedWellAndWritesItsImageFile)
{
    ViewOnWell f([](HorzSetupRecord& r) { r.imageFormat = 4; });
    doubles().prompter.answers = {platform::IDCANCEL};
    const QString folder = QDir::currentPath();
    HorzDlg* view = f.Open();
    EXPECT_EQ(QDir::currentPath(), folder);  // the image's folder is reached by its path
    ASSERT_NE(view, nullptr);
    const horizontal::HorzPlot& p = view->Plot();
    EXPECT_GT(p.counted, 100);
    EXPECT_GT(p.sections.sections[0].pxPerTvd, 0.0f);
    EXPECT_EQ(f.S().print.scaleKind, 5);
    EXPECT_TRUE(view->HeaderShown());  // an image file is drawn with its header
    EXPECT_EQ(view->Image().width(),
              std::max((p.plotLastDepth - p.plotFirstDepth) * 8 + 500 + 50, view->width() + 500));
    // The slide marks of the well's slides stand on the rate band.
    const int y = p.bands.lowerBase - (view->Settings().blockedRop ? 2 : 4);
    int slid = 0;
    for (int x = 0; x < view->Image().width(); ++x) {
        const QColor c = view->Image().pixelColor(x, y);
        slid += platform::RGB(c.red(), c.green(), c.blue()) == p.options.slideColour;
    }
    EXPECT_GT(slid, 100);

    const QString path = QStringLiteral("%1bitmaps/H/H@%2-%3-5in-hor.png")
                             .arg(f.S().well.file.dataFolder)
                             .arg(p.plotFirstDepth)
                             .arg(p.plotLastDepth);
    QProcess identify;
    identify.start("identify", {"-format", "%w %h %z %[type]", path});
    ASSERT_TRUE(identify.waitForFinished());
    EXPECT_EQ(QString::fromLatin1(identify.readAllStandardOutput()),
              QStringLiteral("%1 %2 8 Palette").arg(view->Image().width()).arg(view->Image().height()));
    ASSERT_FALSE(doubles().prompter.messages.isEmpty());
    const testing_support::AskedMessage& asked = doubles().prompter.messages.back();
    EXPECT_EQ(asked.text, "HORZ IMAGE FILE HAS BEEN SAVED TO\n" + path + "\nTO SAVE TO ANOTHER LOCATION CLICK OK");
    EXPECT_EQ(asked.caption, "SAVE IMAGE AS");
    EXPECT_EQ(asked.flags, unsigned(platform::MB_OKCANCEL));
    EXPECT_EQ(At<std::int32_t>(f.Hor(), 956), 0);
}

TEST(HorzWindow, TheBandsFollowTheWindowAndASmallOneStillGetsAPathArea)
{
    ViewOnWell f([](HorzSetupRecord& r) {
        r.textInOwnTrack = 1;
        r.textBlockCount = 25;  // hand-edited: the dialog allows 1..20
        r.drawShows = r.drawLithPics = r.drawLithOnWellTrack = r.drawCustomTracks = 0;
        r.logGas = r.logRop = r.logGamma = 0;
        r.rateScale = 6;  // the rates stay low in the lower band, clear of the grid lines probed
    });
    HorzDlg* view = f.Open();
    ASSERT_NE(view, nullptr);
    view->resize(1200, 715);
    view->ToggleSurveyDisplay();
    const horizontal::HorzPlot& p = view->Plot();
    const horizontal::HorzBands& b = p.bands;
    EXPECT_EQ(b.lowerBase, 688);
    EXPECT_EQ(b.lowerTop, 528);
    EXPECT_EQ(b.notesBandTop, 476 - 200);  // 20 blocks of 10
    EXPECT_EQ(b.pathBottom, b.notesBandTop);
    // The grids stand where the layout put them: between two records' columns the lower band's
    // blue lines every fifth division and the TVD frame at the path area's top.
    const int x = p.plotLeft + 8 * 25 + 3;
    for (int y : {b.lowerTop, b.lowerBase - 40, b.lowerBase - 80, b.pathTop + 1})
        EXPECT_EQ(view->Image().pixel(x, y), qRgb(0, 0, 255)) << y;
    EXPECT_EQ(view->Image().pixel(x, b.lowerBase - 8), qRgb(192, 192, 192));

    // A window 300 high: the image grows so that the path area keeps 20 pixels.
    view->resize(1200, 300);
    view->ToggleSurveyDisplay();
    EXPECT_GE(b.pathBottom - b.pathTop, 20);
    EXPECT_GT(b.plotBottom, 280);
    EXPECT_EQ(view->Image().height(), b.plotBottom);
    EXPECT_GT(p.sections.sections[0].pxPerTvd, 0.0f);
}

TEST(HorzWindow, MissingVerticalSectionWithADipIsToldAtEveryDrawingUntilTheSetupIsApplied)
{
    ViewOnWell f([](HorzSetupRecord& r) { r.regionalDip = 2.0f; });
    // The deepest record lacks its vertical section.
    const QString svm = f.S().well.file.dataFileName;
    QByteArray records = ReadBytes(svm);
    const float zero = 0;
    std::memcpy(records.data() + (400 * 616 + 389), &zero, sizeof zero);
    WriteBytes(svm, records);
    auto dipMessages = [] {
        int n = 0;
        for (const testing_support::AskedMessage& m : doubles().prompter.messages)
            n += m.caption == " HORIZONTAL DATA ERROR" && m.text.startsWith(" Some Or All Vertical Section Data Missing");
        return n;
    };
    HorzDlg* view = f.Open();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(dipMessages(), 1);
    EXPECT_EQ(At<float>(f.Hor(), 780), 0.0f);
    EXPECT_EQ(view->Plot().sections.count, 1);
    EXPECT_EQ(float(view->Plot().sections.sections[0].dip), 0.0f);
    EXPECT_EQ(view->Settings().regionalDip, 2.0f);
    view->ToggleSurveyDisplay();
    EXPECT_EQ(dipMessages(), 2);
    view->ApplySetup();  // the record's dip 0 now
    view->ToggleSurveyDisplay();
    EXPECT_EQ(dipMessages(), 2);
}

TEST(HorzWindow, ATargetGammaFileAloneServesAsTheAnchor)
{
    ViewOnWell f;
    const QString gamma = f.S().well.file.currentFolder + "T.svc";
    WriteBytes(gamma, QByteArray(96, 0));
    HorzDlg* view = f.Open();
    ASSERT_NE(view, nullptr);
    QStringList loaded;
    auto loader = [&loaded](const char* name) {
        return [&loaded, name](horizontal::HorzPlot&, const QString& path, std::int32_t from) {
            loaded << QStringLiteral("%1 %2 %3").arg(name, QFileInfo(path).fileName()).arg(from);
            return true;
        };
    };
    int panels = 0;
    view->Painters().anchorGamma = loader("anchor");
    view->Painters().targetGamma = loader("target");
    view->Painters().gammaPanel = [&panels](platform::Dc&, horizontal::HorzPlot&) { ++panels; };
    QByteArray b = f.Hor();
    const QByteArray name = gamma.toLocal8Bit();
    std::memcpy(b.data() + 260, name.constData(), std::size_t(name.size()) + 1);  // targetGammaFile
    WriteBytes(f.hor, b);
    view->ApplySetup();
    view->ToggleSurveyDisplay();
    const int from = view->Plot().leastTvd - 1000;
    EXPECT_EQ(loaded, QStringList({QStringLiteral("anchor T.svc %1").arg(from), QStringLiteral("target T.svc %1").arg(from)}));
    EXPECT_EQ(panels, 1);
}

TEST(HorzWindow, AVerticalWellHasNoView)
{
    ViewOnWell f;
    testing_support::MakeWell(f.S().well.file.dataFolder, "H.svm", 1000, 1400);  // the same depths, no surveys
    doubles().prompter.messages.clear();
    EXPECT_EQ(f.Open(), nullptr);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_TRUE(doubles().prompter.messages[0].text.startsWith("No Horizontal data available"));
    EXPECT_FALSE(f.window.Menu().Find(app::cmd::HorizontalView)->checked);
}

TEST(HorzWindow, BmpIsWrittenAtEveryDrawing)
{
    ViewOnWell f([](HorzSetupRecord& r) { r.imageFormat = 1; });
    HorzDlg* view = f.Open();
    ASSERT_NE(view, nullptr);
    const horizontal::HorzPlot& p = view->Plot();
    const QString path = QStringLiteral("%1bitmaps/H/H@%2-%3-5in-hor.bmp")
                             .arg(f.S().well.file.dataFolder)
                             .arg(p.plotFirstDepth)
                             .arg(p.plotLastDepth);
    ASSERT_TRUE(QFile::remove(path));
    view->ToggleSurveyDisplay();
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(At<std::int32_t>(f.Hor(), 956), 1);
}

TEST(HorzWindow, ClosingStoresPackedMarkersAndSectionsAndWaitsForItsDialogs)
{
    ViewOnWell f;
    HorzDlg* view = f.Open();
    ASSERT_NE(view, nullptr);
    std::vector<wellfile::HorzMarker>& markers = view->Markers();
    markers.assign(3, wellfile::HorzMarker{});
    markers[0].symbolNumber = 4;
    markers[2].symbolNumber = 7;
    markers[2].offsetY = -12;
    std::array<wellfile::HorzSection, horizontal::kMaxSections> sections{};
    sections[0].startMd = 0;
    sections[1].startMd = 1100;
    sections[1].startTvd = 900;
    view->SetSections(sections, 2, 0);

    // A set-up dialog of its own open: SETUP and the close box only beep.
    QWidget dialog;
    view->SetSetupDialog(&dialog);
    view->CmSetup();
    view->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(f.window.Tools().horzView.isNull());
    EXPECT_EQ(doubles().sounder.beeps, 2);

    // The Open command closes the view once a file is chosen (the same well, opened again); the view
    // keeps its markers and sections.
    view->SetSetupDialog(nullptr);
    doubles().prompter.fileAnswers = {f.S().well.file.dataFileName};
    f.window.EvCommand(app::cmd::Open);
    EXPECT_TRUE(f.window.Tools().horzView.isNull());
    const QByteArray b = f.Hor();
    EXPECT_EQ(At<std::uint16_t>(b, 155441), 2);
    EXPECT_EQ(At<std::uint16_t>(b, 139934), 4);
    EXPECT_EQ(At<std::uint16_t>(b, 139954), 7);
    EXPECT_EQ(At<std::int32_t>(b, 139954 + 7), -12);
    EXPECT_EQ(At<std::uint16_t>(b, 139974), 0);
    EXPECT_EQ(At<float>(b, 994 + 8), 1100.0f);
    EXPECT_EQ(At<float>(b, 994), 900.0f);
    EXPECT_EQ(At<std::int32_t>(b, 156020), 2);
}

TEST(HorzWindow, TheDemoWellLoadsAndDraws)
{
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    ASSERT_TRUE(testing_support::ShowDemoWindow(window));
    window.EvCommand(app::cmd::HorizontalView);
    auto* view = qobject_cast<HorzDlg*>(window.Tools().horzView.data());
    ASSERT_NE(view, nullptr);
    const horizontal::HorzPlot& p = view->Plot();
    EXPECT_GT(p.counted, 0);
    EXPECT_GT(p.toDraw, 100);
    EXPECT_GT(p.plotLastDepth, p.plotFirstDepth);
    EXPECT_EQ(window.State().print.scaleKind, 5);
    // The rows of the plot stand on the white image; the note copy holds the same plot without the demo's
    // notes, and drawing them again on it gives the same image.
    const QImage& image = view->Image();
    int inked = 0;
    for (int x = p.plotLeft; x < image.width(); x += 7)
        inked += image.pixel(x, p.bands.showsBandBottom) != qRgb(255, 255, 255);
    EXPECT_GT(inked, (image.width() - p.plotLeft) / 7 / 2);
    EXPECT_NE(p.image2.image, image);
    const QImage drawn = image.copy();
    view->RedrawNotes();
    EXPECT_EQ(view->Image(), drawn);
}

TEST(HorzWindow, TheDemoCustomTracksArePaintedIntoThePlotsHeader)
{
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    ASSERT_TRUE(testing_support::ShowDemoWindow(window));
    ASSERT_TRUE(testing_support::ShowDemoCustomTracks(window));
    // The demo's tracks are allowed on the horizontal view; the view lays them out on a copy.
    layout::TrackSet& list = window.State().customTracks.data->screenSet;
    for (layout::CustomTrackEntry& e : list)
        e.onHorizontalView = 1;
    const layout::TrackSet before = list;
    window.EvCommand(app::cmd::HorizontalView);
    auto* view = qobject_cast<HorzDlg*>(window.Tools().horzView.data());
    ASSERT_NE(view, nullptr);
    auto inked = [view](int bottom) {
        const QImage& image = view->Image();
        int n = 0;
        for (int y = 0; y < bottom; y += 3)
            for (int x = view->Plot().plotLeft; x < image.width(); x += 3)
                n += image.pixel(x, y) != qRgb(255, 255, 255);
        return n;
    };
    const int without = inked(view->Image().height());
    EXPECT_EQ(view->Plot().bands.gasTop, 0);
    const QString hor = horizontal::ViewSetupPath(horizontal::FilesOf(window.State().well));
    QByteArray b = ReadBytes(hor);
    ASSERT_EQ(b.size(), qsizetype(sizeof(HorzSetupRecord)));
    b[156018] = 1;  // drawCustomTracks
    WriteBytes(hor, b);
    view->ApplySetup();
    ASSERT_TRUE(view->Settings().drawCustomTracks);
    view->ToggleSurveyDisplay();
    EXPECT_TRUE(view->Settings().drawCustomTracks);  // records were read
    const horizontal::HorzBands& bands = view->Plot().bands;
    EXPECT_EQ(bands.divisionHeight, 6);
    const int header = bands.gasTop;
    ASSERT_GT(header, 20);
    // The header's bands stand on the gas band's top and fill the rows above it.
    EXPECT_GT(inked(header), 5000);  // far more than the MD grid's lines through it
    EXPECT_GT(inked(view->Image().height()), without / 2);
    EXPECT_EQ(std::memcmp(&before, &list, sizeof list), 0);  // the window's list is left as it was
}

TEST(HorzWindow, ThePathAndTheGasAreInkedWhereTheLayoutPutsThem)
{
    ViewOnWell f([](HorzSetupRecord& r) {
        r.fillBehindGas = 0;
        r.gasCount = 1;
        r.verticalGasScales = 0;
        r.drawGas = 1;
        r.logGas = 0;
        r.drawLithOnWellTrack = 0;
    });
    HorzDlg* view = f.Open();
    ASSERT_NE(view, nullptr);
    const horizontal::HorzPlot& p = view->Plot();
    const QImage& image = view->Image();
    const std::vector<wellfile::RECORD> records = testing_support::DeviatedRecords(1000, 1400);
    auto record = [&](int depth) { return records[std::size_t(depth - 1000)]; };
    // A station well inside the drawn range, on its section's scale.
    const int depth = p.plotFirstDepth + 103;
    int j = 0;
    while (j + 1 < p.sections.count && depth >= p.sections.sections[std::size_t(j)].endMd)
        ++j;
    const wellfile::HorzSection& s = p.sections.sections[std::size_t(j)];
    const int x = p.plotLeft + (depth - p.plotFirstDepth) * 8;
    const int y = p.bands.pathTop + platform::Trunc((double(record(depth).tvd) - s.startTvd) * s.pxPerTvd);
    ASSERT_GT(y, p.bands.pathTop);
    ASSERT_LT(y, p.bands.pathBottom);
    auto rgb = [](platform::COLORREF c) { return qRgb(platform::GetRValue(c), platform::GetGValue(c), platform::GetBValue(c)); };
    EXPECT_EQ(image.pixel(x, y), rgb(p.options.wellPathColour));
    // The section's VS length: the path's VS at its end less that at its start (the last record's past it).
    auto vsAt = [&](float md) { return record(std::clamp(int(md), 1000, 1400)).verticalSection; };
    EXPECT_NEAR(float(s.sectionVs), vsAt(s.endMd) - vsAt(s.startMd), 0.01f);
    EXPECT_GT(float(s.sectionVs), 0.0f);
    // The fixed lithology band under the path area: the well's shale drawn by the main log's painter.
    int shale = 0;
    for (int yy = p.bands.lithBandTop; yy < p.bands.LithBandBottom(); ++yy)
        shale += image.pixel(x + 2, yy) == qRgb(192, 192, 192);
    EXPECT_GT(shale, 5);
    // The total gas of the half step half a record right of the record's column.
    const int gx = x + 4;
    const double full = horizontal::GasFullScale(*p.settings, p.settings->gasScale);
    const int gy = platform::Trunc(p.bands.gasBase - std::trunc(record(depth).halfGas[0]) * p.bands.gasBandHeight / full);
    ASSERT_LT(gy, p.bands.gasBase);
    EXPECT_EQ(image.pixel(gx, gy), rgb(p.pens[layout::PEN_TG].colour));
}
