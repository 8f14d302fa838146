// Drilling mode on a window: the driller started on the demo well of the view fixture with the window's
// status object as its canvas and links, drawing into the backing store; the status box and the new
// depth line of each step.
#include "app/logstate.h"
#include "app/wellservices.h"
#include "demo/demowell.h"
#include "drilling/driller.h"
#include "drilling/drillingstate.h"
#include "drilling/logtime.h"
#include "drilling/strokes.h"
#include "drilling/ui/statuswindow.h"
#include "drilling/ui/toolbar.h"
#include "gasmon/autogas.h"
#include "layout/trackflags.h"
#include "logview/draw/viewbitmaps.h"
#include "logview/geometryof.h"
#include "logview/ui/logview.h"
#include "platform/draw/dc.h"
#include "shell/drillingfiles.h"
#include "support/doubles.h"
#include "support/drillerstate.h"
#include "support/files.h"
#include "support/gasengine.h"
#include "support/viewfixture.h"
#include "support/witsengine.h"
#include "wellfile/datafile.h"
#include "wellfile/memorecords.h"
#include "wits/custwits.h"
#include "wits/laghandover.h"
#include "wits/wits.h"
#include "wits/witsalarms.h"
#include "wits/witshost.h"

#include <QApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

using namespace drilling;
using testing_support::EditGas;
using testing_support::EditSettings;

namespace {

struct Area {
    int left, top, right, bottom;
};

class StatusWindowTest : public testing_support::ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        AttachImages(bitmaps, painters);
        s.view.updateArea = [this](int l, int t, int r, int b) { updates.push_back({l, t, r, b}); };
        s.view.invalidate = [this] { ++invalidations; };
        s.well.file.drilling = true;
        status = std::make_unique<DrillingStatusWindow>(
            main, s, [] { return 0; }, [this](int id) { commands.push_back(id); });
        logview::ListenForChangedRows(s, view);
        host = std::make_unique<DrillingHost>(
            s, DrillingPeers{status.get(), status.get(), status.get(), &files, &handover});
    }
    void TearDown() override
    {
        AttachDriller(s, nullptr);
        driller.reset();
        status.reset();
    }
    void Start(int polarity = 0)
    {
        wellfile::WellConfig config{};
        config.minSecondsPerUnit = 4;
        config.switchPolarity = polarity;
        driller = std::make_unique<Driller>(*host, wits::WitsAlarmHost{});
        AttachDriller(s, driller.get());
        driller->Start(config);
        driller->Time()->lagTime = 0;  // the lag depth stays where a test puts it
    }
    testing_support::FakeClock& Clock() { return testing_support::doubles().clock; }
    // A unit of `seconds` on bottom, then the step at the next tick.
    void Step(int seconds = 30)
    {
        for (int i = 0; i < seconds * 5; ++i) {
            Clock().Advance(200);
            driller->Time()->Tick();
        }
        driller->MarkStep(StepSource::Keyboard);
        Clock().Advance(200);
        driller->Time()->Tick();
        driller->Update();
    }
    QRgb At(int x, int y) const { return bitmaps.backingStore.pixel(x, y) & 0xFFFFFF; }
    // The rows of the log (below the band) that differ from `before`: [first, last], or {-1, -1}.
    std::pair<int, int> ChangedLogRows(const QImage& before) const
    {
        int first = -1, last = -1;
        const QImage& now = bitmaps.backingStore;
        for (int y = 160; y < now.height(); ++y)
            for (int x = 0; x < now.width(); ++x)
                if (now.pixel(x, y) != before.pixel(x, y)) {
                    first = first < 0 ? y : first;
                    last = y;
                    break;
                }
        return {first, last};
    }

    logview::ViewBitmaps bitmaps;
    logview::NeighbourPainters painters;
    logview::LogView view;
    QWidget main;
    std::vector<Area> updates;
    std::vector<int> commands;
    int invalidations = 0;
    std::unique_ptr<DrillingStatusWindow> status;
    shell::Neighbours neighbours;
    app::WellServices wellServices;
    shell::DrillingFiles files{s, neighbours, wellServices};
    wits::LinksLagHandover handover{s};
    std::unique_ptr<DrillingHost> host;
    std::unique_ptr<Driller> driller;
};

TEST_F(StatusWindowTest, StatusDrawsIntoTheBackingStoreAndShowsWhatItDrew)
{
    Start();
    LogTime& t = *driller->Time();
    updates.clear();
    // Off bottom for 90 s: the banner's place in pure red, shown through an update over it.
    t.GoOffBottom();
    for (int i = 0; i < 450; ++i) {
        Clock().Advance(200);
        t.Tick();
    }
    EXPECT_EQ(t.downSeconds, 90);
    EXPECT_EQ(At(442, 40), 0xFF0000u);
    EXPECT_EQ(At(621, 59), 0xFF0000u);
    EXPECT_EQ(At(622, 59), 0xFFFFFFu);
    ASSERT_FALSE(updates.empty());
    bool shown = false;
    for (const Area& a : updates)
        shown = shown || (a.left <= 442 && a.top <= 40 && a.right >= 622 && a.bottom >= 60);
    EXPECT_TRUE(shown);

    // Circulating: its line below the banner, then wiped with the band's white.
    t.circulating = 1;
    for (int i = 0; i < 5; ++i) {
        Clock().Advance(200);
        t.Tick();
    }
    bool text = false;
    for (int y = 60; y < 80 && !text; ++y)
        for (int x = 452; x < 600 && !text; ++x)
            text = At(x, y) == 0x000000u;
    EXPECT_TRUE(text);
    t.ClearCirculating();
    for (int y = 60; y < 80; ++y)
        for (int x = 452; x < 732; ++x)
            ASSERT_EQ(At(x, y), 0xFFFFFFu) << x << "," << y;

    // Back on bottom: green.
    t.GoOnBottom();
    EXPECT_EQ(At(445, 45), 0x00FF00u);

    // Nothing reaches the store while painting is held back or an image of the log is made.
    const QImage before = bitmaps.backingStore.copy();
    updates.clear();
    s.view.holdRepaint = true;
    t.GoOffBottom();
    driller->ShowDepthStatus();
    s.view.holdRepaint = false;
    s.scroll.imageRender = true;
    t.GoOnBottom();
    s.scroll.imageRender = false;
    EXPECT_EQ(bitmaps.backingStore, before);
    EXPECT_TRUE(updates.empty());
}

TEST_F(StatusWindowTest, TextsRedrawnInPlaceLeaveNoOldDigits)
{
    Start();
    const QRect depthText(0, 10, 300, 22);  // "Depth: ..." ends at y 30, at x 14
    s.well.file.fileBottomDepth = 2888;
    driller->ShowDepthStatus();
    s.well.file.fileBottomDepth = 2611;
    driller->ShowDepthStatus();
    const QImage over = bitmaps.backingStore.copy(depthText);
    bitmaps.backingStore.fill(Qt::white);
    driller->ShowDepthStatus();
    EXPECT_EQ(over, bitmaps.backingStore.copy(depthText));
}

TEST_F(StatusWindowTest, StatusBoxShowsAndSetsTheSwitchByPolarity)
{
    Start(0);
    TOOLBAR* box = status->StatusBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), "Drilling Status");
    // The box never takes the keys from the log.
    EXPECT_TRUE(box->windowFlags() & Qt::WindowDoesNotAcceptFocus);
    EXPECT_NE(QApplication::activeWindow(), box);
    EXPECT_EQ(box->GetText(TOOLBAR::ID_BOTTOM), "On Bottom");
    EXPECT_EQ(box->GetText(TOOLBAR::ID_PUMP), "Pump On");
    EXPECT_FALSE(box->IsEnabled(TOOLBAR::ID_BOTTOM));
    EXPECT_FALSE(box->IsEnabled(TOOLBAR::ID_PUMP));

    // Off bottom the pump button may start circulation.
    driller->Time()->KeyDown('D', true);
    EXPECT_EQ(box->GetText(TOOLBAR::ID_BOTTOM), "Off Bottom");
    EXPECT_EQ(box->GetText(TOOLBAR::ID_PUMP), "Pump Off");
    EXPECT_FALSE(box->IsEnabled(TOOLBAR::ID_BOTTOM));
    ASSERT_TRUE(box->IsEnabled(TOOLBAR::ID_PUMP));
    box->Click(TOOLBAR::ID_PUMP);
    EXPECT_EQ(driller->Time()->circulating, 1);
    EXPECT_EQ(box->GetText(TOOLBAR::ID_PUMP), "Pump On");

    // Taken away and made again (the WITS link does so): a new box, on bottom again with polarity 2.
    status->DestroyStatusBox();
    EXPECT_FALSE(status->StatusBoxExists());
    EXPECT_FALSE(driller->StatusBoxShown());
    driller->Time()->GoOnBottom();
    testing_support::EditSetup(*driller, [](drilling::DrillerSetup& v) { v.switchPolarity = 2; });
    status->MakeStatusBox();
    box = status->StatusBox();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->IsEnabled(TOOLBAR::ID_BOTTOM));
    EXPECT_TRUE(box->IsEnabled(TOOLBAR::ID_PUMP));

    // The pump button on bottom: off bottom and circulating in one press; again, circulation ends.
    box->Click(TOOLBAR::ID_PUMP);
    EXPECT_EQ(driller->Time()->offBottom, 1);
    EXPECT_EQ(driller->Time()->circulating, 1);
    EXPECT_EQ(box->GetText(TOOLBAR::ID_BOTTOM), "Off Bottom");
    EXPECT_EQ(box->GetText(TOOLBAR::ID_PUMP), "Pump On");
    box->Click(TOOLBAR::ID_PUMP);
    EXPECT_EQ(driller->Time()->circulating, 0);
    EXPECT_EQ(box->GetText(TOOLBAR::ID_PUMP), "Pump Off");

    // While pump strokes are counted the strokes say whether the mud circulates: the button leaves it.
    driller->Time()->circulating = 1;
    driller->Time()->strokes = std::make_unique<STROKES>(*driller);
    box->Click(TOOLBAR::ID_PUMP);
    EXPECT_EQ(driller->Time()->circulating, 1);
    driller->Time()->strokes.reset();

    box->Click(TOOLBAR::ID_BOTTOM);
    EXPECT_EQ(driller->Time()->offBottom, 0);
    EXPECT_EQ(box->GetText(TOOLBAR::ID_BOTTOM), "On Bottom");
}

TEST_F(StatusWindowTest, AStepDrawsOnlyItsNewRowOrScrollsAtTheLogBottom)
{
    SetViewTop(2540);  // the bottom (2600) 60 rows down: y 760 for the next line
    s.scroll.notAtBottom = false;
    Start();
    testing_support::EditSetup(*driller, [](drilling::DrillerSetup& v) { v.lagMarks = 1; });
    const QImage before = bitmaps.backingStore.copy();
    Step();
    ASSERT_EQ(s.well.file.fileBottomDepth, 2601);
    EXPECT_EQ(driller->Records().newLineY, 760);
    const auto [first, last] = ChangedLogRows(before);
    // The row [760, 770); the rate curve joins the rows through their shared edges.
    EXPECT_GE(first, 759);
    EXPECT_LE(last, 770);
    EXPECT_NE(first, -1);  // the row's rate track was drawn

    // Nine more: at 2,610 the lag depth (2,606) is marked with the bottom depth in red, 4 rows up.
    for (int i = 0; i < 8; ++i)
        Step();
    driller->SetLagDepth(2606);
    Step();
    ASSERT_EQ(s.well.file.fileBottomDepth, 2610);
    const int y = driller->Records().newLineY - 40;
    const int x = s.layout.format.textColumn.count > 0 ? s.layout.format.textColumn.left : s.layout.format.outline.left;
    int red = 0;
    for (int yy = y; yy < y + 12; ++yy)
        for (int xx = x + 2; xx < x + 60; ++xx)
            red += At(xx, yy) == 0xFF0000u;
    EXPECT_GT(red, 10);

    // While an image of the log is made the step is written and nothing is drawn until the next paint.
    const QImage quiet = bitmaps.backingStore.copy();
    const qint64 size = QFileInfo(s.well.file.dataFileName).size();
    s.scroll.imageRender = true;
    Step();
    s.scroll.imageRender = false;
    EXPECT_EQ(QFileInfo(s.well.file.dataFileName).size(), size + 616);
    EXPECT_EQ(bitmaps.backingStore, quiet);

    // The line reaching the log bottom moves the view and invalidates the log.
    SetViewTop(s.well.file.fileBottomDepth - 72);  // the next line at y 880, the log bottom
    invalidations = 0;
    Step();
    EXPECT_EQ(invalidations, 1);
    EXPECT_EQ(s.well.file.viewTopDepth, s.well.file.fileBottomDepth - s.well.file.viewDepthSpan);
}

TEST_F(StatusWindowTest, BackupReminderIsOneButtonSendingItsCommand)
{
    status->ShowBackupReminder(2500);
    QPushButton* button = status->BackupReminderButton();
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), "Last Full Back Up = 2500");
    EXPECT_EQ(button->geometry(), QRect(s.layout.format.textColumn.count > 0 ? s.layout.format.textColumn.left
                                                                             : s.layout.format.outline.left,
                                        160 - 50, 180, 30));
    button->hide();
    status->ShowBackupReminder(2600, "Backup failed");
    EXPECT_EQ(status->BackupReminderButton(), button);  // made once, shown again
    EXPECT_FALSE(button->isHidden());
    EXPECT_EQ(button->text(), "Backup failed");
    button->click();
    EXPECT_EQ(commands, std::vector<int>{111});
    status->HideBackupReminder();
    EXPECT_EQ(status->BackupReminderButton(), nullptr);
}

}  // namespace

namespace {

// The last record of the demo well's data file.
wellfile::RECORD LastRecord(const app::LogState& s)
{
    const std::vector<wellfile::RECORD> all = testing_support::FileRecords<wellfile::RECORD>(s.well.file.dataFileName);
    return all.back();
}

TEST_F(StatusWindowTest, AWitsFedStepWhileSlidingMarksTheRecordAndTakesTheNewData)
{
    Start();
    app::WellServices services;
    wits::WitsHost witsHost(s, services);
    wits::Wits link(witsHost, wits::WitsAlarmHost{});
    s.engines.wits = &link;
    link.DispatchItem("0120", "2", false);  // rotary speed 2: sliding
    ASSERT_TRUE(link.NewData());
    Step();  // a step from the keyboard is not the link's: no mark, the data kept for the next
    EXPECT_EQ(+LastRecord(s).slide, 0);
    EXPECT_FALSE(link.NewData());

    link.DispatchItem("0120", "2", false);
    for (int i = 0; i < 150; ++i) {
        Clock().Advance(200);
        driller->Time()->Tick();
    }
    driller->MarkStep(StepSource::Wits);
    Clock().Advance(200);
    driller->Update();
    EXPECT_EQ(+LastRecord(s).slide, 1) << "record byte 256";
    EXPECT_FALSE(link.NewData()) << "the step took it";
    s.engines.wits = nullptr;
}

TEST_F(StatusWindowTest, TheBandShowsTheCustomLinksDepthLeavesASuppressedLinkLineAndSaysARemoteUpdateRuns)
{
    Start();
    const QRect depthLine(0, 10, bitmaps.backingStore.width(), 22);  // "Depth: ..." ends at y 30
    const auto depthText = [this, &depthLine] { return bitmaps.backingStore.copy(depthLine); };
    s.witsLink.holeDepth = 1234.5f;
    driller->ShowDepthStatus();
    const QImage depthOnly = depthText();

    // The custom link supplies the depth only while it tracks it: then the hole depth follows.
    app::WellServices services;
    wits::CustWitsHost host(s, services);
    wits::CUSTWITS link(host, wits::WitsAlarmHost{});
    s.engines.custWits = &link;
    EditSettings(link, [](auto& v) { v.trackDepth = false; });
    driller->ShowDepthStatus();
    EXPECT_EQ(depthText(), depthOnly);
    EditSettings(link, [](auto& v) { v.trackDepth = true; });
    driller->ShowDepthStatus();
    EXPECT_NE(depthText(), depthOnly) << "\"  Wits: 1234.50  \"";
    s.engines.custWits = nullptr;

    // The link line is drawn, unless its text is suppressed.
    const QImage before = bitmaps.backingStore.copy();
    s.drilling.linkTextSuppressed = true;
    EXPECT_EQ(status->DrawLinkStatus(false), 0);
    EXPECT_EQ(bitmaps.backingStore, before);
    s.drilling.linkTextSuppressed = false;
    EXPECT_EQ(status->DrawLinkStatus(false), 1);
    EXPECT_NE(bitmaps.backingStore, before);

    // A remote update running shows in red in the band, with the update-package option on only.
    const logview::ViewGeometry g = logview::GeometryOf(s);
    const auto band = [this, &g] {
        bitmaps.backingStore.fill(Qt::white);
        platform::Dc dc(bitmaps.backingStore);
        status->DrawBand(dc, g);
        return bitmaps.backingStore.copy(0, 0, bitmaps.backingStore.width(), g.topMargin);
    };
    const QImage quiet = band();
    s.drilling.remoteUpdateRunning = true;
    EXPECT_EQ(band(), quiet) << "update-package option off";
    s.drilling.updatePackageOption = 1;
    const QImage running = band();
    int red = 0;
    for (int y = 0; y < running.height(); ++y)
        for (int x = 0; x < running.width(); ++x)
            if (running.pixel(x, y) != quiet.pixel(x, y))
                red += (running.pixel(x, y) & 0xFFFFFF) == 0xFF0000u ? 1 : 0;
    EXPECT_GT(red, 20);
}

TEST_F(StatusWindowTest, TheLagDepthReachesBothLinksWithItsTenthsDigit)
{
    Start();
    driller->ClearStepTables();  // the walk leaves the lag depth where the test puts it
    app::WellServices services;
    wits::WitsHost witsHost(s, services);
    wits::Wits link(witsHost, wits::WitsAlarmHost{});
    EditGas(link, [&](auto& v) { v.gasValues = {50, 20, 10, 5, 4, 3, 2, 1}; });
    wits::CustWitsHost customHost(s, services);
    wits::CUSTWITS custom(customHost, wits::WitsAlarmHost{});
    custom.SetHandle(1);  // running
    EditGas(custom, [&](auto& v) { v.stepGas[0] = 120; });
    s.engines.wits = &link;
    s.engines.custWits = &custom;
    s.well.file.lagDepth = 1020;  // the gas start depth

    // First half of unit 1180: the mark and the first-half gas; the custom link books its step.
    driller->SetLagDepth(1180.3f);
    driller->Time()->UpdateLagDepth(false);
    EXPECT_EQ(link.Gas().halfUnitMark, 3.0f);
    // Taken by the step booked on the new whole depth, the halves start empty for the next one.
    EXPECT_EQ(link.Gas().firstHalf[1], 0.0f);
    EXPECT_EQ(link.Gas().secondHalf[1], 0.0f);
    EXPECT_TRUE(custom.Gas().stepStored);
    wellfile::RECORD booked[20]{};
    ASSERT_EQ(wellfile::ReadRecords(s.well.file, booked, s.well.file.dataFileName, 180, 1), 1);
    EXPECT_EQ(booked[0].depth, 1180);
    EXPECT_EQ(booked[0].gas[wellfile::GAS_TG], 120.0f);

    // Second half: the mark follows, the gas goes to the second half, the custom link is ready again.
    EditGas(link, [&](auto& v) { v.gasValues[1] = 33; });
    driller->SetLagDepth(1180.8f);
    driller->Time()->UpdateLagDepth(false);
    EXPECT_EQ(link.Gas().halfUnitMark, 8.0f);
    EXPECT_EQ(link.Gas().secondHalf[1], 33.0f);
    EXPECT_EQ(link.Gas().firstHalf[1], 0.0f);
    EXPECT_FALSE(custom.Gas().stepStored);
    custom.SetHandle(0);
    s.engines.wits = nullptr;
    s.engines.custWits = nullptr;
}

TEST_F(StatusWindowTest, TheWindowsStateReachesTheDrillingObjects)
{
    s.layout.schemes.trackFlags[layout::FLAG_MEMOS] = 1;
    s.well.config.unmannedUnit = 1;
    s.drilling.timedCustomCopy = true;
    s.env.charWidth = 11;
    Start();
    const DrillingWindow w = driller->Window();
    EXPECT_TRUE(w.memosShown);
    EXPECT_TRUE(w.unmanned);
    EXPECT_TRUE(w.witsCustomCopy);
    EXPECT_EQ(w.charWidth, 11);
    EXPECT_EQ(w.gasConnTimeOutMinutes, 0.0f) << "no gas monitor";

    // The running gas monitor's connection time-out of a minute puts the bit off bottom at 60 s.
    gasmon::GasHost gasHost(s);
    gasmon::AutoGas gas(gasHost, 3, 0);
    EditSettings(gas, [&](auto& v) { v.connectionTimeout = 1.0f; });
    s.engines.autoGas = &gas;
    driller->Time()->RestartUnitClock();
    for (int i = 0; i < 59 * 5; ++i) {
        Clock().Advance(200);
        driller->Time()->Tick();
    }
    EXPECT_EQ(driller->Time()->offBottom, 0);
    for (int i = 0; i < 5; ++i) {
        Clock().Advance(200);
        driller->Time()->Tick();
    }
    EXPECT_EQ(driller->Time()->offBottom, 1);
    s.engines.autoGas = nullptr;
}

TEST_F(StatusWindowTest, DrillingAcrossMidnightWithMemosShownAddsTheDateMemoNearTheBottom)
{
    s.layout.schemes.trackFlags[layout::FLAG_MEMOS] = 1;
    Clock().now = QDateTime(QDate(2026, 3, 9), QTime(23, 59, 58));
    Start();
    const std::int32_t before = s.notes.memoCount;
    for (int i = 0; i < 25; ++i) {  // five seconds: over midnight
        Clock().Advance(200);
        driller->Time()->Tick();
    }
    ASSERT_EQ(s.notes.memoCount, before + 1);
    const wellfile::SVMEMO* memo = nullptr;
    for (std::int32_t i = 0; i < s.notes.memoCount; ++i)
        if (QByteArray(s.notes.memos[std::size_t(i)].text) == "10/03/2026")
            memo = &s.notes.memos[std::size_t(i)];
    ASSERT_NE(memo, nullptr) << "the new day's date";
    const std::vector<wellfile::RECORD> all = testing_support::FileRecords<wellfile::RECORD>(s.well.file.dataFileName);
    EXPECT_EQ(+memo->depth, all.at(all.size() - 2).depth) << "at the record one step above the bottom";
}

}  // namespace
