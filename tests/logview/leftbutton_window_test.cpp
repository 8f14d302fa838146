// The left button on the painted demo log, with real mouse events: the trip and connection marks written
// into the data file, the report markers and downtime notes, the log-image strip, custom tracks moved by
// their titles, paging and the read-out box.
#include "app/commandids.h"
#include "app/layouthosts.h"
#include "app/notes.h"
#include "app/scrolling.h"
#include "entry/entry_services.h"
#include "layout/custchartcfg.h"
#include "layout/ui/custcfgdialog.h"
#include "shell/draw/viewpainters.h"
#include "logview/geometryof.h"
#include "logview/ui/leftbutton.h"
#include "logview/ui/logview.h"
#include "platform/draw/dc.h"
#include "platform/text.h"
#include "platform/ui/dialog.h"
#include "reports/reports_services.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/record.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

using testing_support::doubles;
using wellfile::RECORD;

namespace {

class ReportCalls final : public reports::ReportServices {
public:
    QStringList calls;
    void RunDstDialog(app::LogState&, int, const QString&) override {}
    void RunShowDialog(app::LogState&, int, const QString&) override {}
    void OpenShowReport(app::LogState&, int number, const QString& well) override { calls << QString("show %1 %2").arg(number).arg(well); }
    void OpenDstReport(app::LogState&, int number, const QString& well) override { calls << QString("dst %1 %2").arg(number).arg(well); }
    void OpenDailyReport(app::LogState&, int number) override { calls << QString("daily %1").arg(number); }
};

class LeftButton : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(testing_support::ShowDemoWindow(window));
        ASSERT_TRUE(testing_support::ShowDemoCustomTracks(window));
        app::LogState& s = window.State();
        window.Neighbours().reports = &reports;
        const logview::ViewGeometry g = logview::GeometryOf(s);
        // The numbers the clicks below are placed by.
        ASSERT_EQ(g.rowHeight, 10);
        ASSERT_EQ(g.unitWidth, 10);
        T = g.topMargin;  // below the custom tracks' titles
        G = g;
    }

    app::LogState& S() { return window.State(); }
    // Paints the log from `top` into the backing store.
    void PaintAt(std::int32_t top)
    {
        S().well.file.viewTopDepth = top;
        window.PaintLog();
        QCoreApplication::processEvents();
    }
    // The y of the middle of the row whose depth is `d` (DepthAtRow).
    int RowY(std::int32_t d) { return T + (d - S().well.file.viewTopDepth) * 10 + 5; }
    int ClientTop() { return window.menuWidget() && window.menuWidget()->isVisible() ? window.menuWidget()->height() : 0; }
    // A click, then the paint it asks for (`paint`), as the event loop would run it.
    void Click(int x, int y, Qt::KeyboardModifiers keys = Qt::NoModifier, bool paint = true)
    {
        QTest::mouseClick(&window, Qt::LeftButton, keys, QPoint(x, y + ClientTop()));
        if (paint)
            QCoreApplication::processEvents();
    }
    // Opens a sound well of records 1000 to 1030, shorter than the rows of the window, and paints it.
    void OpenShortWell()
    {
        const QString path = testing_support::MakeWell(testing_support::TestDir() + "short/", "SHORT.svm", 1000, 1030);
        ASSERT_FALSE(path.isEmpty());
        ASSERT_EQ(window.OpenDataFile(path), 1);
        QCoreApplication::processEvents();
        window.PaintLog();
        QCoreApplication::processEvents();
    }
    // The y of a row inside the log whose depth is `d`.
    int RowInside(std::int32_t d)
    {
        for (int y = T + 1; y < S().view.logAreaBottom; y += 10)
            if (window.DepthAtRow(y) == d)
                return y;
        ADD_FAILURE() << "no row of " << d;
        return -1;
    }
    QByteArray DataFile() { return testing_support::ReadExistingBytes(S().well.file.dataFileName); }
    std::uint16_t CodeAt(const QByteArray& file, std::int32_t depth)
    {
        std::uint16_t code = 0;
        std::memcpy(&code, file.constData() + (depth - 1000) * wellfile::kRecordSize + 364, 2);
        return code;
    }
    void SetCode(std::int32_t depth, std::uint16_t code)
    {
        QFile f(S().well.file.dataFileName);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.seek(qint64(depth - 1000) * wellfile::kRecordSize + 364));
        ASSERT_EQ(f.write(reinterpret_cast<const char*>(&code), 2), 2);
    }
    // The bytes at which two copies of the data file differ.
    std::vector<qsizetype> Changed(const QByteArray& a, const QByteArray& b)
    {
        std::vector<qsizetype> at;
        for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i)
            if (a[i] != b[i])
                at.push_back(i);
        return at;
    }
    QList<QLabel*> Boxes() { return window.findChildren<QLabel*>(QStringLiteral("1001")); }
    QLabel* Box()
    {
        const QList<QLabel*> boxes = Boxes();
        return boxes.size() == 1 ? boxes.front() : nullptr;
    }
    // The first pixel of `rgb` in the box [x0, x1) x [y0, y1) of the backing store.
    std::optional<QPoint> FindColour(QRgb rgb, int x0, int x1, int y0, int y1)
    {
        const QImage& store = window.BackingStore();
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if (store.valid(x, y) && (store.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF))
                    return QPoint(x, y);
        return std::nullopt;
    }

    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    ReportCalls reports;
    int T = 0;
    logview::ViewGeometry G;
};

}  // namespace

TEST_F(LeftButton, CtrlTogglesTripAndConnectionMarksInTheFile)
{
    PaintAt(1040);
    SetCode(1051, 2);
    QByteArray before = DataFile();

    // The trip area (gas left + 1 cell) on the row of 1050 marks record 1051: a connection there is
    // cleared, then the even depth gives 4.
    Click(G.gas.left + 10, RowY(1050), Qt::ControlModifier);
    QByteArray after = DataFile();
    EXPECT_EQ(CodeAt(after, 1051), 0);
    EXPECT_EQ(Changed(before, after), (std::vector<qsizetype>{51 * 616 + 364}));
    Click(G.gas.left + 10, RowY(1050), Qt::ControlModifier);
    EXPECT_EQ(CodeAt(DataFile(), 1051), 4);
    before = DataFile();
    Click(G.gas.left + 10, RowY(1051), Qt::ControlModifier);
    after = DataFile();
    EXPECT_EQ(CodeAt(after, 1052), 5);
    EXPECT_EQ(Changed(before, after).size(), 1u);

    // The connection area (rate right + 5.5 cells) marks the clicked record: 2 on an even depth, 1 on an
    // odd one, cleared by a second click.
    SetCode(1050, 0);
    SetCode(1053, 0);
    Click(314, RowY(1050), Qt::ControlModifier);
    EXPECT_EQ(CodeAt(DataFile(), 1050), 2);
    Click(314, RowY(1053), Qt::ControlModifier);
    EXPECT_EQ(CodeAt(DataFile(), 1053), 1);
    before = DataFile();
    Click(314, RowY(1050), Qt::ControlModifier);
    after = DataFile();
    EXPECT_EQ(CodeAt(after, 1050), 0);
    EXPECT_EQ(Changed(before, after), (std::vector<qsizetype>{50 * 616 + 364}));

    // Without Ctrl nothing is written, nor with Ctrl above or below the rows (where the click's depth is
    // the file's last).
    before = DataFile();
    Click(G.gas.left + 10, RowY(1050));
    Click(314, T - 5, Qt::ControlModifier);
    Click(314, S().view.logAreaBottom + 5, Qt::ControlModifier);
    EXPECT_EQ(DataFile(), before);
}

TEST_F(LeftButton, ColumnsAreFoundInLogCoordinatesWhenScrolled)
{
    PaintAt(1040);
    SetCode(1061, 0);
    S().scroll.horizontalOffset = 200;
    // The trip area of the log lies 200 pixels further left in the window.
    Click(G.gas.left + 10 - 200, RowY(1060), Qt::ControlModifier);
    EXPECT_EQ(CodeAt(DataFile(), 1061), 4);
    S().scroll.horizontalOffset = 0;
    Click(G.gas.left + 10, RowY(1060), Qt::ControlModifier);
    EXPECT_EQ(CodeAt(DataFile(), 1061), 0);
}

TEST_F(LeftButton, ReportMarkersOpenTheirReportsAndDowntimeNotesTheirFiles)
{
    app::LogState& s = S();
    s.well.showDepthIndex.fill(0);
    s.well.showDepthIndex[0] = 1104;
    s.well.reportDepthIndex.fill(0);
    s.well.dstDepthIndex.fill(0);
    s.well.downtimeDepthIndex.fill(0);
    s.well.downtimeDepthIndex[0] = 1120;
    PaintAt(1080);

    // The show's red box stands above its depth line beside the rate track.
    const std::optional<QPoint> red = FindColour(qRgb(255, 0, 0), 259 - 20, 260, RowY(1104) - 25, RowY(1104));
    ASSERT_TRUE(red);
    const std::int32_t d = window.DepthAtRow(red->y());
    Click(red->x(), red->y(), Qt::NoModifier, false);
    EXPECT_EQ(reports.calls, QStringList{"show 1 elogdemo"});
    EXPECT_EQ(s.well.file.viewTopDepth, d);

    // A red pixel with no show within 6 units opens nothing.
    PaintAt(1080);
    s.well.showDepthIndex[0] = 1204;
    reports.calls.clear();
    Click(red->x(), red->y());
    EXPECT_TRUE(reports.calls.isEmpty());
    EXPECT_EQ(s.well.file.viewTopDepth, 1080);

    // The downtime note's magenta box in the gas track opens its note in the well's folder.
    const std::optional<QPoint> magenta = FindColour(qRgb(255, 0, 255), G.gas.left + 10, G.gas.left + 50, RowY(1120) - 25, RowY(1120));
    ASSERT_TRUE(magenta);
    Click(magenta->x(), magenta->y());
    ASSERT_EQ(doubles().shell.opened.size(), 1);
    EXPECT_EQ(doubles().shell.opened[0].program, s.well.file.currentFolder + "elogdemo-DT@1120.txt");
    EXPECT_TRUE(reports.calls.isEmpty());
}

// A daily report's marker on a numbered depth stands left of the number, so that both read, and opens
// its report.
TEST_F(LeftButton, AMarkerOnANumberedDepthLeavesTheNumberToReadAndOpensItsReport)
{
    app::LogState& s = S();
    s.well.showDepthIndex.fill(0);
    s.well.dstDepthIndex.fill(0);
    s.well.reportDepthIndex.fill(0);
    PaintAt(1080);
    const QImage plain = window.BackingStore().copy();
    s.well.reportDepthIndex[0] = 1100;
    PaintAt(1080);
    const QImage& marked = window.BackingStore();
    const int right = G.rate.Right();
    int ink = 0;
    for (int y = RowY(1100) - 25; y < RowY(1100); ++y)
        for (int x = right - 6 * G.unitWidth; x <= right; ++x)
            if ((plain.pixel(x, y) & 0xFFFFFF) == 0) {
                ++ink;
                EXPECT_EQ(marked.pixel(x, y) & 0xFFFFFF, 0u) << "the number is covered at " << x << "," << y;
            }
    ASSERT_GT(ink, 20) << "no number at 1100";
    const std::optional<QPoint> yellow =
        FindColour(qRgb(255, 255, 0), right - 10 * G.unitWidth, right, RowY(1100) - 25, RowY(1100));
    ASSERT_TRUE(yellow);
    Click(yellow->x(), yellow->y(), Qt::NoModifier, false);
    EXPECT_EQ(reports.calls, QStringList{"daily 1"});
}

TEST_F(LeftButton, OnTheCompressedScaleAShowIsMarkedOnItsRowAndItsClickOpensIt)
{
    app::LogState& s = S();
    s.well.showDepthIndex.fill(0);
    s.well.showDepthIndex[0] = 1440;
    s.view.viewScale = 3;
    PaintAt(1240);
    ASSERT_EQ(s.well.file.viewTopDepth, 1240);
    // Five records a row: the line of 1440 is forty rows down (eight below the one labelled 1400), and
    // the red box fills the row above it, the row of records 1435 to 1439.
    const std::optional<QPoint> red = FindColour(qRgb(255, 0, 0), 259 - 20, 260, T + 1, s.view.logAreaBottom);
    ASSERT_TRUE(red);
    EXPECT_EQ(red->y(), T + 40 * 10 + 2 - 10);
    EXPECT_EQ(window.DepthAtRow(red->y()), 1435);
    Click(red->x(), red->y() + 5, Qt::NoModifier, false);
    EXPECT_EQ(reports.calls, QStringList{"show 1 elogdemo"});
    EXPECT_EQ(s.well.file.viewTopDepth, 1435 - 10);
}

TEST_F(LeftButton, ClicksAboveAndBelowTheRowsPageLikeTheScrollBar)
{
    app::LogState& s = S();
    PaintAt(1500);
    window.EvVScroll(app::SB_PAGEUP, 0);
    const std::int32_t pagedUp = s.well.file.viewTopDepth;
    window.EvVScroll(app::SB_PAGEDOWN, 0);
    window.EvVScroll(app::SB_PAGEDOWN, 0);
    const std::int32_t pagedDown = s.well.file.viewTopDepth;
    ASSERT_LT(pagedUp, 1500);
    ASSERT_GT(pagedDown, 1500);

    PaintAt(1500);
    Click(600, 100);
    EXPECT_EQ(s.well.file.viewTopDepth, pagedUp);
    PaintAt(1500);
    Click(600, s.view.logAreaBottom + 2 * 10 + 5);
    EXPECT_EQ(s.well.file.viewTopDepth, pagedDown);
    // Two rows below the log are not far enough.
    PaintAt(1500);
    Click(600, s.view.logAreaBottom + 2 * 10);
    EXPECT_EQ(s.well.file.viewTopDepth, 1500);
    // While the view-layout flag is set the zone starts five rows below the log.
    s.view.viewLayout = true;
    Click(600, s.view.logAreaBottom + 5 * 10);
    EXPECT_EQ(s.well.file.viewTopDepth, 1500);
    Click(600, s.view.logAreaBottom + 5 * 10 + 1);
    EXPECT_EQ(s.well.file.viewTopDepth, pagedDown);
}

TEST_F(LeftButton, ReadoutsOfTheClickedRowInOneBox)
{
    app::LogState& s = S();
    PaintAt(1500);
    ASSERT_FALSE(s.view.recordCache.empty());
    const int r = 20;  // the row of depth 1520, cache record 20
    const int y = T + r * 10 + 5;
    const std::int32_t d = window.DepthAtRow(y);
    ASSERT_EQ(d, 1520);
    RECORD& rec = s.view.recordCache[std::size_t(r)];
    ASSERT_EQ(rec.depth, d);
    const int top = ClientTop();

    s.options.hotwire = false;  // total gas is the components' sum

    // Rates.
    rec.rateOdd = 2.0f;
    rec.rateOne = 3.0f;
    rec.rate2Ft = 2.5f;
    Click(100, y);
    ASSERT_EQ(Boxes().size(), 1);
    QLabel* box = Box();
    EXPECT_TRUE(box->isVisible());
    // The demo's e-log curves are shown: the gamma of the curve rows of the depth and the one below, in a
    // taller box.
    ASSERT_TRUE(s.view.elogShown);
    const tracks::ElogView* elog = dynamic_cast<shell::ViewPainters&>(*s.view.painters).elogView;
    ASSERT_NE(elog, nullptr);
    const std::string gamma =
        platform::CFormat(" %5.1f      %5.1f", double((*elog->RowAt(d))[1]), double((*elog->RowAt(d + 1))[1]));
    EXPECT_EQ(box->text().toStdString(), "  1518 to 1520\n  Min/M    M/Hr\n  2.00      30.00\n  3.00      20.00\n     1M Avg\n"
                           "  2.50      24.00\n Gamma\n" + gamma);
    EXPECT_EQ(box->geometry(), QRect(100, y + top, 120, 140));

    // The lithology of the row below the click, with the demo's hardness column.
    RECORD& below = s.view.recordCache[std::size_t(r + 1)];
    std::memset(below.lith, 0, sizeof below.lith);
    std::strcpy(below.lith, "60ss,40sh");
    below.hardness = 12;
    Click(400, y);
    ASSERT_EQ(Boxes().size(), 1);
    EXPECT_EQ(box->text().toStdString(), "60% sandstone, 40% shale\n Hardness= 12 %");
    EXPECT_EQ(box->geometry(), QRect(400, y + top, box->fontMetrics().horizontalAdvance("60% sandstone, 40% shale") + 20, 35));

    // The gas of profile 12, with the CO2 line of the demo's CO2 track.
    const float gas[] = {0, 1000, 100, 50, 10, 10, 5, 5, 0.25f};
    for (int i = 0; i < 9; ++i)
        rec.gas[i] = gas[i];
    Click(900, y);
    EXPECT_EQ(box->text().toStdString(), " HW=1170\n C1=1000\n C2=100\n C3=50\n C4=20\n CO2=0.25\n CO2=0.25 %\n at 1520");
    EXPECT_EQ(box->geometry(), QRect(900, y + top, 90, 140));

    // The show columns.
    rec.fluorPercent = 30;
    rec.fluorQuality = 'p';
    rec.cutRating = 'f';
    rec.porosity = 0;
    rec.hardness = 3;
    Click(480, y);
    EXPECT_EQ(box->text().toStdString(), "30% poor fluor\n fair cut\n No visible por \n Hardness= 3 %");
    EXPECT_EQ(box->geometry(), QRect(480, y + top, 120, 75));

    // A click that reaches no read-out hides the box; one above the rows pages and hides it too.
    Click(300, y);
    EXPECT_FALSE(box->isVisible());
    Click(100, y);
    EXPECT_TRUE(box->isVisible());
    Click(600, 100);
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(Boxes().size(), 1);
}

TEST_F(LeftButton, TheReadoutBoxGoesWhenTheLogMovesUnderIt)
{
    // The gas read-out of a row, then a key that scrolls: the box's values would stand over other depths.
    for (const int key : {Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Up, Qt::Key_PageUp, Qt::Key_End, Qt::Key_Home}) {
        PaintAt(1500);
        Click(900, RowY(1520));
        ASSERT_NE(Box(), nullptr);
        ASSERT_TRUE(Box()->isVisible());
        QTest::keyClick(&window, Qt::Key(key));
        EXPECT_FALSE(Box()->isVisible()) << key;
        EXPECT_NE(S().well.file.viewTopDepth, 1500) << key;
    }
    // Another well from the recent files: the demo's own, the first of the list.
    PaintAt(1500);
    Click(900, RowY(1520));
    ASSERT_TRUE(Box()->isVisible());
    ASSERT_FALSE(S().env.recentFiles.empty());
    window.EvCommand(app::cmd::RecentFirst);
    EXPECT_FALSE(Box()->isVisible());
}

// The memo dialog of a right-clicked memo box, which only counts its runs.
class MemoDialog final : public entry::EntryServices {
public:
    int runs = 0;
    void CmEnterRates(app::LogState&) override {}
    void CmEnterLithology(app::LogState&) override {}
    void CmEnterGas(app::LogState&) override {}
    void CmEnterShows(app::LogState&) override {}
    void CmFlareData(app::LogState&) override {}
    int RunMemoDialog(app::LogState&, int) override { return ++runs, 2; }
};

TEST_F(LeftButton, TheReadoutBoxGoesWhenACommandMovesTheViewOrOpensAnotherWell)
{
    // The gas read-out of a row at the view top 1500, then the command; the paint it asks for.
    const auto shown = [this] {
        PaintAt(1500);
        Click(900, RowY(1520));
        return Box() && Box()->isVisible();
    };
    const auto rightClick = [this](int x, int y) {
        QTest::mouseClick(&window, Qt::RightButton, Qt::NoModifier, QPoint(x, y + ClientTop()));
        QCoreApplication::processEvents();
    };
    ASSERT_TRUE(shown());
    rightClick(G.gas.left + 50, S().view.logAreaBottom + 5);  // right-click paging
    EXPECT_EQ(S().well.file.viewTopDepth, 2000);
    EXPECT_FALSE(Box()->isVisible()) << "right-click paging";

    ASSERT_FALSE(S().well.tops.empty());
    ASSERT_TRUE(shown());
    window.EvCommand(app::cmd::GotoTopFirst);  // the first formation top, above 1500
    QCoreApplication::processEvents();
    EXPECT_NE(S().well.file.viewTopDepth, 1500);
    EXPECT_FALSE(Box()->isVisible()) << "Tops go-to";

    // Drilling on (no read-out is made while it is on): the log is laid out anew under the box.
    ASSERT_TRUE(shown());
    window.EvCommand(app::cmd::Drilling);
    QCoreApplication::processEvents();
    ASSERT_TRUE(S().well.file.drilling);
    EXPECT_FALSE(Box()->isVisible()) << "drilling on";
    window.EvCommand(app::cmd::Drilling);
    ASSERT_FALSE(S().well.file.drilling);

    // A memo's box: the box goes once its dialog has closed.
    MemoDialog memos;
    window.Neighbours().entry = &memos;
    S().layout.schemes.trackFlags[layout::FLAG_MEMOS] = 1;
    ASSERT_TRUE(shown());
    ASSERT_GT(S().notes.memoCount, 0);
    S().notes.drawing.hits.Clear();
    S().notes.drawing.hits.Add({400, RowY(1510), 500, RowY(1514)}, 0);
    rightClick(450, RowY(1512));
    EXPECT_EQ(memos.runs, 1);
    EXPECT_FALSE(Box()->isVisible()) << "memo dialog";

    // Another well, chosen in File > Open: the view top it opens at does not matter.
    const QString other = testing_support::MakeWell(testing_support::TestDir() + "other/", "OTHER.svm", 1000, 3000);
    ASSERT_TRUE(shown());
    doubles().prompter.fileAnswers = {other};
    window.EvCommand(app::cmd::Open);
    QCoreApplication::processEvents();
    ASSERT_EQ(S().well.file.dataFileName, other);
    EXPECT_FALSE(Box()->isVisible()) << "File > Open";
    S().well.file.viewTopDepth = 1500;
    ASSERT_TRUE(shown());
    doubles().prompter.fileAnswers = {other};  // the same well opened again is opened anew
    window.EvCommand(app::cmd::Open);
    QCoreApplication::processEvents();
    S().well.file.viewTopDepth = 1500;
    window.PaintLog();
    EXPECT_FALSE(Box()->isVisible()) << "File > Open of the same well";
}

TEST_F(LeftButton, NothingIsReadOrWrittenPastTheFilesLastRecord)
{
    OpenShortWell();
    app::LogState& s = S();
    const int y = RowInside(1030);
    const QByteArray before = DataFile();
    // The trip mark of the last row would be the record after the file's end.
    Click(G.gas.left + 10, y, Qt::ControlModifier);
    EXPECT_EQ(DataFile(), before);

    // The lithology of the row below the last record is not read, whatever the cache kept there.
    const std::size_t r = std::size_t((y - T) / 10);
    ASSERT_LT(r + 1, s.view.recordCache.size());
    s.view.recordCache[r + 1] = s.view.recordCache[r];
    Click(400, y);
    ASSERT_EQ(Boxes().size(), 1);
    EXPECT_FALSE(Box()->isVisible());
    Click(100, y);  // the last record's own rates are read
    EXPECT_TRUE(Box()->isVisible());
    Click(100, y + 10);
    EXPECT_FALSE(Box()->isVisible());
}

TEST_F(LeftButton, CustomTrackValuesRightOfTheGasTrack)
{
    app::LogState& s = S();
    ASSERT_TRUE(s.well.customTracksEnabled);
    PaintAt(1500);
    const layout::CUSTOMDATA* data = s.customTracks.data.get();
    ASSERT_NE(data, nullptr);
    ASSERT_FALSE(s.customTracks.rows.empty());
    const layout::CustomTrackEntry& track = data->screenSet[0];
    const int y = T + 20 * 10 + 5;
    Click((track.leftX + track.rightX) / 2, y);
    QLabel* box = Box();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    const QStringList lines = box->text().split('\n');
    int curves = 0;
    for (int c = 0; c < layout::kCurvesPerTrack; ++c)
        curves += track.dataCode[c] != 0 ? 1 : 0;
    ASSERT_GT(curves, 0);
    ASSERT_EQ(lines.size(), curves + 2);  // then the depth line and the empty rest after its break
    int first = 0;
    while (track.dataCode[first] == 0)
        ++first;
    EXPECT_TRUE(lines[0].startsWith(platform::FieldString(track.label[first]) + " =")) << lines[0].toStdString();
    EXPECT_EQ(lines[curves], "At 1520 meters");
    EXPECT_GE(box->height(), 50);

    // A FIT curve reads the FIT record of the depth one step above, as the track's paint does.
    layout::CUSTOMDATA& fitData = *s.customTracks.data;
    s.well.fit.dataEnabled = true;
    fitData.extLastDepth = s.well.file.fileBottomDepth;
    fitData.extRecords.assign(std::size_t(s.well.file.fileBottomDepth - s.well.file.fileTopDepth + 11), wellfile::EXTRECORD{});
    for (std::size_t i = 0; i + 10 < fitData.extRecords.size(); ++i) {
        wellfile::EXTRECORD& e = fitData.extRecords[i];
        e.depth = float(s.well.file.fileTopDepth + std::int32_t(i));
        e.fitB[46] = e.depth == 1519.0f ? 42.5f : 7.0f;  // byte 358, the first FIT curve's field
    }
    fitData.screenSet[0].dataCode[first] = 91;
    box->hide();
    Click((track.leftX + track.rightX) / 2, y);
    EXPECT_TRUE(box->text().split('\n')[0].endsWith(" =42.50  ")) << box->text().toStdString();

    // No custom record one step above the first depth, and none without the custom records.
    const logview::LogView* view = dynamic_cast<const logview::LogView*>(window.Neighbours().logview);
    ASSERT_NE(view, nullptr);
    logview::MouseWindow none;
    logview::ReadoutBox readout;
    const logview::MouseContext m{none, readout};
    box->hide();
    EXPECT_EQ(logview::ShowValueBox(s, m, s.well.file.fileTopDepth, 100, 200), 1);
    s.customTracks.rows.clear();
    EXPECT_EQ(logview::ShowValueBox(s, m, 1520, 100, 200), 1);
    EXPECT_TRUE(doubles().prompter.messages.empty());
}

// A track's first curve given the gas gravity (code 67) with a scale to 2.5 in the custom-track setup:
// the label and the read-out name the new data, and the scale's end reads 2.5, not 2.
TEST_F(LeftButton, ACurveGivenOtherDataIsLabelledAndReadOutAsIt)
{
    app::LogState& s = S();
    platform::Dialog::QueueTestScript([](platform::Dialog& d) {
        d.SetSelIndex(layout::custid::Data, 67);
        d.Command(layout::custid::Data, platform::CBN_SELCHANGE);
        d.SetText(layout::custid::Maximum, "2.5");
        d.Click(layout::custid::Save);
        d.Click(layout::custid::Done);
    });
    layout::EditCustomTracks(s.customTracks.host, s.customTracks.data, -1, 0);
    const layout::CustomTrackEntry& track = s.customTracks.data->screenSet[0];
    ASSERT_EQ(track.dataCode[0], 67);
    PaintAt(1500);
    QImage image = window.BackingStore().copy();
    platform::Dc dc(image);
    dc.RecordText(true);
    const_cast<logview::LogView*>(dynamic_cast<const logview::LogView*>(window.Neighbours().logview))->Paint(s, dc);
    QStringList texts;
    for (const platform::DcText& t : dc.TextRecord())
        texts << t.text;
    EXPECT_TRUE(texts.contains("SG") && texts.contains("2.5>") && !texts.contains("2>"));
    Click((track.leftX + track.rightX) / 2, T + 20 * 10 + 5);
    ASSERT_NE(Box(), nullptr);
    EXPECT_TRUE(Box()->text().startsWith("SG =")) << Box()->text().toStdString();
}

TEST_F(LeftButton, TheImageStripMovesTheViewAndNeverPastTheLastHundred)
{
    app::LogState& s = S();
    s.view.logImageMode = true;
    PaintAt(1500);
    const logview::LogImageStrip strip = s.view.imageStrip;
    ASSERT_GT(strip.bottom, 100);
    ASSERT_LT(strip.left + 2, window.width());
    Click(strip.left + 2, strip.bottom / 2, Qt::NoModifier, false);
    const std::int32_t first = s.well.file.fileTopDepth, last = s.well.file.fileBottomDepth;
    EXPECT_EQ(s.well.file.viewTopDepth, first + std::int32_t((long long)(last - first) * (strip.bottom / 2) / strip.bottom));
    QCoreApplication::processEvents();
    Click(strip.left + 2, strip.bottom - 1, Qt::NoModifier, false);
    EXPECT_EQ(s.well.file.viewTopDepth, last - 100);
    EXPECT_EQ(s.interaction.mouse.imageStripClickY, strip.bottom - 1);
}

TEST_F(LeftButton, CtrlOnACustomTrackTitleSwapsItWithItsNeighbour)
{
    app::LogState& s = S();
    layout::CUSTOMDATA* data = s.customTracks.data.get();
    ASSERT_NE(data, nullptr);
    // A second track beside the demo's, with other curves.
    layout::CUSTCHARTCFGEX before;
    ASSERT_TRUE(data->LoadConfig(before));
    before.track[1] = before.track[0];
    for (int c = 0; c < layout::kCurvesPerTrack; ++c)
        before.track[1].dataCode[c] = std::uint16_t(c == 0 ? 30 : 0);
    ASSERT_TRUE(data->SaveConfig(before));
    window.LoadCustomTracks(false);
    window.SetLogFormat(s.well.loggerId);
    app::RefreshCustomTrackHost(s);
    s.customTracks.data->Load();
    PaintAt(1500);
    data = s.customTracks.data.get();
    ASSERT_EQ(data->trackCount, 2);
    const layout::TitleRect r = s.customTracks.host.titleRects[1];
    ASSERT_GT(r.right, r.left);
    // Without Ctrl the title is not a handle.
    Click(r.left + 2, r.top + 1);
    layout::CUSTCHARTCFGEX after;
    ASSERT_TRUE(layout::ReadCustChartFile(data->ConfigPath(), after));
    EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);
    // The left half: track 1 changes place with track 0.
    Click(r.left + 2, r.top + 1, Qt::ControlModifier);
    ASSERT_TRUE(layout::ReadCustChartFile(s.customTracks.data->ConfigPath(), after));
    EXPECT_EQ(std::memcmp(&after.track[0].dataCode, &before.track[1].dataCode, sizeof before.track[0].dataCode), 0);
    EXPECT_EQ(std::memcmp(&after.track[1].dataCode, &before.track[0].dataCode, sizeof before.track[0].dataCode), 0);
}

TEST_F(LeftButton, AnOpenNoteEditOrARunningInputTakesTheClick)
{
    app::LogState& s = S();
    PaintAt(1040);
    const QByteArray before = DataFile();
    app::OpenNoteEdit(s, platform::RECT{600, 300, 700, 340}, "note");
    ASSERT_TRUE(s.notes.edit->IsOpen());
    Click(G.gas.left + 10, RowY(1050), Qt::ControlModifier);
    EXPECT_FALSE(s.notes.edit->IsOpen());
    EXPECT_EQ(DataFile(), before);
    EXPECT_TRUE(Boxes().isEmpty());

    // The drag-gas function and the drags of the notes and short reports hold every click.
    s.interaction.dragGasActive = true;
    Click(G.gas.left + 10, RowY(1050), Qt::ControlModifier);
    Click(100, RowY(1050));
    s.interaction.dragGasActive = false;
    s.interaction.mouse.shortReportMud = true;
    Click(100, RowY(1050));
    EXPECT_EQ(DataFile(), before);
    EXPECT_TRUE(Boxes().isEmpty());
    s.interaction.mouse.shortReportMud = false;
    Click(100, RowY(1050));
    EXPECT_EQ(Boxes().size(), 1);
}
