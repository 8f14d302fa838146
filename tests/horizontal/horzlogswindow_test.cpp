// The view's tops, gamma panels and target path through the program's own commands on the deviated
// well: a top marked in the tops editor, real gamma and target files named in the ".hor", and what the
// drawn image holds where their geometry puts them.
#include "app/commandids.h"
#include "entry/ui/topsdlg.h"
#include "horizontal/draw/horzplot.h"
#include "horizontal/horzcrossing.h"
#include "horizontal/ui/horzdlg.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/deviatedwell.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/testmain.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

using horizontal::HorzDlg;
using wellfile::HorzSetupRecord;
using platform::Dialog;
using testing_support::doubles;
using testing_support::WriteBytes;

namespace {

constexpr platform::COLORREF kRed = platform::RGB(255, 32, 32), kOrange = platform::RGB(255, 192, 64);

void SetPath(char (&field)[260], const QString& path)
{
    const QByteArray bytes = path.toLocal8Bit();
    std::memcpy(field, bytes.constData(), std::size_t(bytes.size()) + 1);
}

struct Well {
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    std::vector<wellfile::RECORD> records = testing_support::DeviatedRecords(1000, 1400);
    QString folder;
    Well()
    {
        testing_support::OpenNewWell(window, [](const QString& data) {
            return testing_support::MakeDeviatedWell(data, "H.svm", 1000, 1400);
        });
        S().env.screenWidth = 1920;
        S().env.screenHeight = 1080;
        folder = S().well.file.currentFolder;
    }
    app::LogState& S() { return window.State(); }
    float TvdAt(int md) const { return records[std::size_t(md - 1000)].tvd; }
    // The ".hor" naming the files, written before the view reads it.
    void Setup(const QString& gamma, const QString& target)
    {
        auto r = std::make_unique<HorzSetupRecord>();
        horizontal::ViewDefaults(*r, 0);
        SetPath(r->targetGammaFile, gamma);
        SetPath(r->targetFile, target);
        r->highlightTargetGammaBelow = 60;
        WriteBytes(folder + "H.hor", r.get(), sizeof *r);
    }
    HorzDlg* Open()
    {
        window.EvCommand(app::cmd::HorizontalView);
        return qobject_cast<HorzDlg*>(window.Tools().horzView.data());
    }
};

// Curve rows 0..1999 holding depth i and gamma 30.
QByteArray GammaRows()
{
    QByteArray bytes(2000 * 96, 0);
    for (int i = 0; i < 2000; ++i) {
        const float row[2] = {float(i), 30};
        std::memcpy(bytes.data() + i * 96, row, sizeof row);
    }
    return bytes;
}

// A pixel of `colour` in column x within `d` rows of y.
bool Near(const QImage& image, int x, int y, platform::COLORREF colour, int d = 2)
{
    const QRgb want = qRgb(platform::GetRValue(colour), platform::GetGValue(colour), platform::GetBValue(colour));
    for (int yy = y - d; yy <= y + d; ++yy)
        if (yy >= 0 && yy < image.height() && (image.pixel(x, yy) | 0xFF000000u) == want)
            return true;
    return false;
}

}  // namespace

TEST(HorzLogsWindow, ATopMarkedInTheEditorCrossesThePlotBesideThePanelsAndTheTargetPath)
{
    Well w;
    WriteBytes(w.folder + "G.svc", GammaRows());
    QByteArray target;
    for (int md : {1200, 1260, 1320, 1380, 1395}) {
        const float record[6] = {float(md), w.TvdAt(md), 45, 80, 0, 0};
        target.append(reinterpret_cast<const char*>(record), sizeof record);
    }
    WriteBytes(w.folder + "H.trg", target);
    w.Setup(w.folder + "G.svc", w.folder + "H.trg");

    // The editor marks the top for the view (and, with the option, its verbose text); colour 0 stays in
    // the well's tops.
    w.S().options.verboseTops = true;
    Dialog::QueueTestScript([](Dialog& d) {
        d.SetText(entry::TopsDlg::IDC_DEPTH, "1340");
        d.SetText(entry::TopsDlg::IDC_MENU_NAME, "Austin");
        d.SetText(entry::TopsDlg::IDC_TEXT, "Austin");
        EXPECT_TRUE(d.Click(entry::TopsDlg::IDC_DRAW_HORIZONTAL));
        d.SetText(entry::TopsDlg::IDC_TARGET_WIDTH, "5");
        d.Click(entry::TopsDlg::IDC_SAVE);
        // A top drawn on the view offers its verbose text.
        EXPECT_TRUE(d.Click(entry::TopsDlg::IDC_VERBOSE));
        d.Click(entry::TopsDlg::IDC_SAVE);
        d.Click(platform::IDOK);
    });
    w.window.EvCommand(app::cmd::EditTops);
    ASSERT_EQ(w.S().well.tops.size(), 1u);
    EXPECT_EQ(+w.S().well.tops[0].drawOnHorizontal, 1);
    EXPECT_EQ(+w.S().well.tops[0].targetZoneWidth, 5);
    EXPECT_EQ(+w.S().well.tops[0].verboseText, 1);
    w.S().well.tops[0].colour = 0;

    HorzDlg* view = w.Open();
    ASSERT_NE(view, nullptr);
    const horizontal::HorzPlot& p = view->Plot();
    const QImage& image = view->Image();
    ASSERT_TRUE(p.targetLoaded);
    ASSERT_TRUE(p.targetGammaLoaded);
    const std::span<const wellfile::HorzSection> sections(p.sections.sections.data(), std::size_t(p.sections.count));

    // The top: from its own column at its TVD's row in the section holding it, red, its base 5 units lower.
    const float tvd = w.S().well.tops[0].tvd;
    ASSERT_GT(tvd, 1000);
    int s = 0;
    while (s + 1 < p.sections.count && sections[std::size_t(s)].endMd < 1340)
        ++s;
    const wellfile::HorzSection& section = sections[std::size_t(s)];
    const int x1 = horizontal::RecordX(p, 1340);
    const int y1 = platform::Trunc(p.bands.pathTop + (tvd - section.startTvd) * section.pxPerTvd);
    EXPECT_TRUE(Near(image, x1 + 3, y1, kRed));
    EXPECT_TRUE(Near(image, x1 + 3, platform::Trunc(y1 + 5 * section.pxPerTvd), kRed));
    EXPECT_FALSE(Near(image, x1 - 20, y1, kRed));
    EXPECT_EQ(std::uint32_t(w.S().well.tops[0].colour), 0u);
    ASSERT_EQ(p.logs.topTraces.size(), 1u);
    EXPECT_NEAR(p.logs.topTraces[0].firstRow, y1, 2);

    // The target path: the middle of its second segment (MD 1260 to 1320), in the target pen.
    const platform::COLORREF targetColour = p.pens[layout::PEN_HORZ_TARGET].colour;
    auto pointAt = [&](int md) {
        const int x = horizontal::RecordX(p, md);
        const wellfile::HorzSection& at = sections[std::size_t(horizontal::SectionOfColumn(sections, x))];
        return platform::POINT{x, platform::Trunc(p.bands.pathTop + (w.TvdAt(md) - at.startTvd) * at.pxPerTvd)};
    };
    const platform::POINT a = pointAt(1260), b = pointAt(1320);
    EXPECT_TRUE(Near(image, (a.x + b.x) / 2, (a.y + b.y) / 2, targetColour, 3));

    // The first target panel, 150 records in, shades the gamma of 30 under the threshold of 60.
    const int u = p.plotLeft + horizontal::kPanelSpacing * p.pixelsPerUnit;
    const double scale = double(p.bands.lowerBandHeight) / horizontal::GammaFullScale(view->Settings().gammaScale);
    bool shaded = false;
    for (int y = p.bands.pathTop; y < p.bands.pathBottom && !shaded; ++y)
        shaded = Near(image, platform::Trunc(u + 45 * scale), y, kOrange, 0);
    EXPECT_TRUE(shaded);
}

TEST(HorzLogsWindow, ATopOfAWellWithoutHorizontalDataIsClearedAndATargetThatIsNoFileIsTold)
{
    Well w;
    wellfile::TOPSEX top{};
    top.number = 1;
    top.depth = 1340;
    top.tvd = w.TvdAt(1340);
    top.drawOnHorizontal = 1;
    std::strcpy(top.text, "Austin");
    w.S().well.tops = {top};
    w.S().well.file.directional = false;
    Dialog::QueueTestScript([](Dialog& d) {
        EXPECT_EQ(d.GetCheck(entry::TopsDlg::IDC_DRAW_HORIZONTAL), platform::BST_UNCHECKED);
        EXPECT_FALSE(d.IsEnabled(entry::TopsDlg::IDC_DRAW_HORIZONTAL));
        d.Click(entry::TopsDlg::IDC_SAVE);
        d.Click(platform::IDOK);
    });
    w.window.EvCommand(app::cmd::EditTops);
    ASSERT_EQ(w.S().well.tops.size(), 1u);
    EXPECT_EQ(+w.S().well.tops[0].drawOnHorizontal, 0);

    const QString folderTarget = w.folder + "X.trg";
    QDir().mkpath(folderTarget);
    w.Setup(QString(), folderTarget);
    doubles().prompter.messages.clear();
    HorzDlg* view = w.Open();
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(view->Plot().targetLoaded);
    ASSERT_FALSE(doubles().prompter.messages.isEmpty());
    EXPECT_EQ(doubles().prompter.messages[0].text, folderTarget);
    EXPECT_EQ(doubles().prompter.messages[0].caption, "file error");
    EXPECT_TRUE(view->Plot().logs.topTraces.empty());  // the cleared top is not drawn
}

TEST(HorzLogsWindow, TheDemoWellsTopGetsItsTvdFromTheStationsAndCrossesThePlot)
{
    // The demo well has stations every 30 units below its kick-off and no TVD between them.
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    ASSERT_TRUE(testing_support::ShowDemoWindow(window));
    app::LogState& s = window.State();
    doubles().prompter.messages.clear();
    Dialog::QueueTestScript([](Dialog& d) {
        for (int i = 0; i < 12 && d.GetText(entry::TopsDlg::IDC_MENU_NAME) != "Basal Sh"; ++i)
            d.Click(entry::TopsDlg::IDC_NEXT);
        ASSERT_EQ(d.GetText(entry::TopsDlg::IDC_DEPTH), "2340");
        d.Click(entry::TopsDlg::IDC_DRAW_HORIZONTAL);
        EXPECT_EQ(d.GetText(entry::TopsDlg::IDC_TVD), "2291.50");
        d.Click(entry::TopsDlg::IDC_SAVE);
        // Below the last station: no TVD, said, and the mark stays.
        d.Click(entry::TopsDlg::IDC_NEW);
        d.SetText(entry::TopsDlg::IDC_DEPTH, "2595");
        d.SetText(entry::TopsDlg::IDC_MENU_NAME, "Deep");
        d.Click(entry::TopsDlg::IDC_DRAW_HORIZONTAL);
        d.Click(entry::TopsDlg::IDC_SAVE);
        d.Click(platform::IDOK);
    });
    window.EvCommand(app::cmd::EditTops);
    ASSERT_FALSE(doubles().prompter.messages.isEmpty());
    EXPECT_TRUE(doubles().prompter.messages.last().text.startsWith(
        "No TVD for the top at 2595: no survey station with a TVD within 200 below it."));
    const wellfile::TOPSEX &basal = s.well.tops[8], &deep = s.well.tops.back();
    EXPECT_FLOAT_EQ(+basal.tvd, 2291.5f);
    EXPECT_EQ(+basal.drawOnHorizontal, 1);
    EXPECT_EQ(+deep.drawOnHorizontal, 1);
    EXPECT_EQ(+deep.tvd, 0.0f);

    window.EvCommand(app::cmd::HorizontalView);
    auto* view = qobject_cast<HorzDlg*>(window.Tools().horzView.data());
    ASSERT_NE(view, nullptr);
    const horizontal::HorzPlot& p = view->Plot();
    const wellfile::HorzSection& section = p.sections.sections[0];
    const int x1 = horizontal::RecordX(p, 2340);
    const int y1 = platform::Trunc(p.bands.pathTop + (2291.5f - section.startTvd) * section.pxPerTvd);
    const platform::COLORREF grey = platform::RGB(0x40, 0x40, 0x40);
    for (int dx : {3, 40, 80})
        EXPECT_TRUE(Near(view->Image(), x1 + dx, y1, grey)) << dx;
    ASSERT_EQ(p.logs.topTraces.size(), 1u);  // the top without a TVD is not drawn
}
