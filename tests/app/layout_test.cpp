// The main window with a well open: its layout, pens, display schemes, custom tracks and repair passes
// as the window wires them, seen through what they leave behind (column edges, flags, menu, files).
#include "app/layouthosts.h"
#include "app/opendatafile.h"
#include "layout/custchartcfg.h"
#include "layout/logcolours.h"
#include "layout/schemes.h"
#include "platform/folders.h"
#include "platform/ui/dialog.h"
#include "shell/ui/logwindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "wellfile/customdata.h"
#include "wellfile/wellconfig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using testing_support::doubles;
using testing_support::ReadBytes;
using testing_support::TestDir;
using testing_support::WriteBytes;
using testing_support::WriteRecords;

namespace {

// A window that started up on a fresh user folder: the demo well (profile 12) is open.
struct DemoWindow {
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    QString folder;

    DemoWindow()
    {
        qputenv("USER", "tester");
        window.SetupWindow();
        folder = platform::DefaultInstallFolder();
    }
    app::LogState& S() { return window.State(); }
    QString File(const char* extension) const { return folder + "elogdemo" + extension; }
    bool Checked(int id) const
    {
        const shell::MenuItem* item = window.Menu().Find(id);
        return item && item->checked;
    }
};

// Profile 12 in the general format at a grid unit of 10: left column 1 x 9, rate 25 x 10, outline
// 6 x 10, first show 3 x 9, lithology 10 x 10, second show 4 x 9, third show 3 x 9, description
// 23 x 10, gas 35 x 9, right margin 10.
constexpr int kProfile12Right = 9 + 250 + 60 + 27 + 100 + 36 + 27 + 230 + 315 + 10;
// The demo well's first scheme also shows the interpreted lithology: 3 x 9.
constexpr int kDemoRight = kProfile12Right + 27;

}  // namespace

TEST(WindowLayout, OpeningTheDemoWellLaysItOutWithItsFirstSchemeAndItsColourFiles)
{
    DemoWindow w;
    const app::LogState& s = w.S();
    ASSERT_EQ(s.well.loggerId, 12);

    EXPECT_EQ(s.layout.format.logRight, kDemoRight);
    EXPECT_EQ(s.layout.format.trackUnit, 10);
    EXPECT_EQ(s.layout.format.title, layout::ProfileTitle(12));
    EXPECT_EQ(s.well.file.viewDepthSpan, 40);
    EXPECT_NE(w.window.DepthScrollBar(), nullptr);

    // The well's scheme file was made with the defaults, and scheme 0's flags are in force.
    const QByteArray sch = ReadBytes(w.File(".sch"));
    ASSERT_EQ(sch.size(), qsizetype(layout::kSchemeFileSize));
    layout::SchemeSet schemes;
    std::memcpy(schemes.data(), sch.constData(), layout::kSchemeFileSize);
    for (int k = 0; k < layout::kTrackFlagCount; ++k) {
        const std::int32_t flag = schemes[0].flags[k];
        EXPECT_EQ(s.layout.schemes.trackFlags[std::size_t(k)], k == 0 ? 1 : flag) << k;
    }
    EXPECT_EQ(s.layout.schemes.currentScheme, 0);

    // Pens from the colour files written on the first open.
    EXPECT_EQ(QFileInfo(w.File(".clr")).size(), qint64(layout::kPenTableSize));
    EXPECT_EQ(QFileInfo(w.File(".lfg")).size(), qint64(layout::kLfgSize));
    EXPECT_EQ(s.layout.pens.pens[layout::PEN_GRID].colour, 0xC0C0C0u);
    EXPECT_EQ(s.layout.pens.pens[layout::PEN_TG].style, layout::PS_DASH);

    // The menu names the schemes from the file and checks the current one.
    const shell::MenuItem* first = w.window.Menu().Find(51716);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->text, "Mudlog");
    EXPECT_TRUE(first->checked);
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
    EXPECT_EQ(doubles().sounder.beeps, 0);
}

TEST(WindowLayout, ASchemeChosenFromTheMenuIsShownRememberedAndTakenAgainOnOpen)
{
    DemoWindow w;
    app::LogState& s = w.S();

    // The third scheme shows the interpreted lithology, which takes a column of its own.
    layout::SchemeSet schemes = layout::DefaultSchemeSet();
    schemes[2].flags[layout::FLAG_INTERPRETED_LITH] = 1;
    WriteBytes(w.File(".sch"), schemes.data(), layout::kSchemeFileSize);

    s.view.redrawPending = false;
    ASSERT_TRUE(w.window.EvCommand(51718));
    EXPECT_EQ(s.layout.schemes.currentScheme, 2);
    EXPECT_EQ(s.layout.schemes.trackFlags[layout::FLAG_INTERPRETED_LITH], 1);
    EXPECT_EQ(s.layout.format.interpreted.Width(), 3 * 9);
    EXPECT_EQ(s.layout.format.logRight, kProfile12Right + 3 * 9);
    // The third scheme has its command but no item: neither listed scheme is checked.
    EXPECT_FALSE(w.Checked(51718));
    EXPECT_FALSE(w.Checked(51716));
    EXPECT_FALSE(w.Checked(51717));
    EXPECT_TRUE(s.view.redrawPending);

    wellfile::WellConfig config{};
    ASSERT_EQ(wellfile::LoadConfig(config, app::PlaceOf(s), s.well.fieldSettings), 1);
    const std::int32_t remembered = config.currentScheme;
    EXPECT_EQ(remembered, 2);

    // Opening the well again starts from the remembered scheme.
    ASSERT_EQ(w.window.OpenDataFile(w.File(".svm")), 1);
    EXPECT_EQ(s.layout.schemes.currentScheme, 2);
    EXPECT_EQ(s.layout.format.logRight, kProfile12Right + 3 * 9);

    // And back to the first scheme.
    ASSERT_TRUE(w.window.EvCommand(51716));
    EXPECT_EQ(s.layout.format.interpreted.Width(), 0);
    EXPECT_EQ(s.layout.format.logRight, kProfile12Right);
    EXPECT_TRUE(w.Checked(51716));
    EXPECT_FALSE(w.Checked(51718));
}

TEST(WindowLayout, LogColoursCancelledChangeNothingAndSavedAreWrittenAndInForce)
{
    DemoWindow w;
    app::LogState& s = w.S();
    const QByteArray before = ReadBytes(w.File(".clr"));
    ASSERT_EQ(before.size(), qsizetype(layout::kPenTableSize));

    platform::Dialog::QueueTestScript([](platform::Dialog& d) {
        d.Click(105);  // "Solid" for the selected first pen, then Cancel
        d.Click(platform::IDCANCEL);
    });
    ASSERT_TRUE(w.window.EvCommand(51906));
    EXPECT_EQ(ReadBytes(w.File(".clr")), before);
    EXPECT_EQ(s.layout.pens.pens[layout::PEN_TG].style, layout::PS_DASH);

    s.view.redrawPending = false;
    platform::Dialog::QueueTestScript([](platform::Dialog& d) {
        d.Click(105);  // "Solid"
        d.Click(109);  // "Heavy Line"
        d.Click(platform::IDOK);
    });
    ASSERT_TRUE(w.window.EvCommand(51906));
    const QByteArray after = ReadBytes(w.File(".clr"));
    ASSERT_EQ(after.size(), qsizetype(layout::kPenTableSize));
    layout::PenEntry tg;
    std::memcpy(&tg, after.constData(), sizeof tg);
    EXPECT_EQ(tg.style, layout::PS_SOLID);
    EXPECT_EQ(tg.width, 3);
    EXPECT_EQ(s.layout.pens.pens[layout::PEN_TG], (layout::PenSpec{0, 3, layout::PS_SOLID}));
    EXPECT_TRUE(s.view.redrawPending);
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
}

TEST(WindowLayout, CustomTracksOfAWellThatHasThemTakeTheirPlaceInTheLayout)
{
    DemoWindow w;
    app::LogState& s = w.S();
    ASSERT_FALSE(s.well.customTracksEnabled) << "the test screen is too narrow for them";
    ASSERT_TRUE(QFile::remove(w.File(".grdx")));  // a well without a layout of its own

    wellfile::WellConfig config{};
    ASSERT_EQ(wellfile::LoadConfig(config, app::PlaceOf(s), s.well.fieldSettings), 1);
    config.customTracksEnabled = 1;
    bool field = s.well.fieldSettings;
    ASSERT_EQ(wellfile::SaveConfig(config, app::PlaceOf(s), field), 1);
    s.env.screenWidth = 1400;
    s.env.desktopWidth = 1400;

    ASSERT_EQ(w.window.OpenDataFile(w.File(".svm")), 1);
    ASSERT_TRUE(s.well.customTracksEnabled);
    // No layout of its own yet: one track of 120 pixels, placed after the gas track.
    EXPECT_EQ(s.customTracks.host.customTrackCount, 1);
    EXPECT_EQ(s.customTracks.host.customTotalWidth, 120);
    EXPECT_EQ(s.layout.format.custom.Width(), 120);
    EXPECT_EQ(s.layout.format.custom.left, s.layout.format.gasRight);
    EXPECT_EQ(s.layout.format.logAreaTop, 18 * 10);
    EXPECT_EQ(s.customTracks.host.logWidth, s.layout.format.logRight);
    // The custom-data file covers the file's depths, one record a depth.
    EXPECT_EQ(QFileInfo(w.File(".svx")).size(),
              qint64(s.well.file.fileBottomDepth - s.well.file.fileTopDepth + 1) * wellfile::kCustomRecordSize);

    // A layout from elsewhere with absurd sizes: the log keeps a sane right edge and its horizontal bar.
    layout::CUSTCHARTCFGEX huge;
    huge.track[0].blockWidth = 6;
    huge.track[0].blockCount = 10;
    huge.track[1].blockWidth = 100000;
    huge.track[1].blockCount = 100000;
    ASSERT_TRUE(layout::WriteCustChartFile(w.File(".grdx"), huge));
    ASSERT_EQ(w.window.OpenDataFile(w.File(".svm")), 1);
    EXPECT_EQ(s.customTracks.host.customTotalWidth, 60);
    EXPECT_EQ(s.layout.format.logRight, s.layout.format.custom.left + 60 + s.layout.format.rightMargin.Width());
    w.window.EvSize(s.layout.format.logRight - 200, 500);
    ASSERT_NE(w.window.HorizontalScrollBar(), nullptr);
    EXPECT_GT(w.window.HorizontalScrollBar()->maximum(), 0);
    EXPECT_LT(w.window.HorizontalScrollBar()->maximum(), s.layout.format.logRight);
}

TEST(WindowLayout, RepairPassesOweARedrawAndLeaveASharedCopyOnDisk)
{
    DemoWindow w;
    app::LogState& s = w.S();
    s.view.redrawPending = false;
    s.well.file.hooks.loadAndRepairRecords();
    EXPECT_TRUE(s.view.redrawPending);

    // A well in another station's shared folder, opened after a local one: its custom-data file is
    // renumbered in memory only, during validation and by the passes run later.
    const QString shared = TestDir() + "Dropbox/";
    QDir().mkpath(shared);
    ASSERT_TRUE(QFile::copy(w.File(".svm"), shared + "SHARED.svm"));
    std::vector<wellfile::CUSTDATAREC> custom(5);  // too short, and numbered from 0
    WriteRecords(shared + "SHARED.svx", custom);
    const QByteArray svx = ReadBytes(shared + "SHARED.svx");

    ASSERT_EQ(w.window.OpenDataFile(shared + "SHARED.svm"), 1);
    ASSERT_TRUE(s.well.sharedFolderWell);
    EXPECT_EQ(ReadBytes(shared + "SHARED.svx"), svx);
    s.well.file.hooks.renumberCustomRecords();
    EXPECT_EQ(ReadBytes(shared + "SHARED.svx"), svx);
    EXPECT_EQ(s.well.file.customTopDepth, s.well.file.fileTopDepth);
}

TEST(WindowLayout, TheWholeDesktopIsDividedAmongItsMonitors)
{
    // Two monitors of 2560: each shows a screen of 2560, not half of one monitor.
    app::LogState s;
    s.env.screenWidth = 2560;
    s.env.desktopWidth = 5120;
    s.env.monitorCount = 2;
    layout::LogLayout L;
    layout::SetBlockHeight(L, app::LayoutInputsOf(s, 1400));
    EXPECT_EQ(L.screenWidth, 2560);
    EXPECT_EQ(L.monitorCount, 2);
}

// The print copy of the custom tracks is made again by every layout, for the printer, and its tracks
// run from the gas track's right to the printed log's right end.
TEST(PrintTracks, CustomTracksGetAPrintCopyThatEndsThePrintedLog)
{
    DemoWindow w;
    app::LogState& s = w.S();
    ASSERT_EQ(s.well.loggerId, 12);
    ASSERT_TRUE(QFile::remove(w.File(".grdx")));  // a well without a layout of its own

    const layout::PrintLayout& plain = w.window.LayoutTracks(20.0f);
    EXPECT_EQ(plain.descriptionRight, 2143);  // with the interpreted lithology of the demo's first scheme
    EXPECT_EQ(s.customTracks.printData, nullptr);

    // The screen object writes the default layout (one track of 25 blocks of 5 pixels), then the
    // window counts it and lays the screen out with it.
    s.well.customTracksEnabled = true;
    w.window.LoadCustomTracks(false);
    ASSERT_NE(s.customTracks.data, nullptr);
    s.customTracks.data->LoadTrackConfig();
    w.window.LoadCustomTracks(false);
    ASSERT_EQ(s.customTracks.host.customTotalWidth, 125);
    w.window.SetLogFormat(12);

    const layout::PrintLayout p = w.window.LayoutTracks(20.0f);
    const layout::CUSTOMDATA* print = s.customTracks.printData.get();
    ASSERT_NE(print, nullptr);
    EXPECT_TRUE(print->printing);
    ASSERT_EQ(print->trackCount, 1);
    EXPECT_EQ(print->printSet[0].leftX, p.gasRight);
    EXPECT_EQ(s.customTracks.host.printTotalWidth, 250);
    EXPECT_EQ(print->printSet[0].rightX, p.descriptionRight);
    EXPECT_EQ(p.rightEnd, p.descriptionRight);
    EXPECT_EQ(s.layout.print.descriptionRight, p.descriptionRight);

    // Without custom tracks the print copy goes.
    s.well.customTracksEnabled = false;
    w.window.LayoutTracks(20.0f);
    EXPECT_EQ(s.customTracks.printData, nullptr);
}
