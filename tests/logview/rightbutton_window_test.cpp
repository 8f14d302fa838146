// The right button on the painted demo log, with real mouse events: the memo and short-report dialogs
// of their boxes, the custom-track configuration and the gas-ratio chart, the gas-label dialog, the
// casing-point mark written into the data file, and paging by 500 depth units.
#include "app/layouthosts.h"
#include "entry/entry_services.h"
#include "layout/custchartcfg.h"
#include "layout/trackflags.h"
#include "logview/geometryof.h"
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
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>

using testing_support::ReadBytes;

namespace {

class MemoCalls final : public entry::EntryServices {
public:
    QList<int> memos;
    void CmEnterRates(app::LogState&) override {}
    void CmEnterLithology(app::LogState&) override {}
    void CmEnterGas(app::LogState&) override {}
    void CmEnterShows(app::LogState&) override {}
    void CmFlareData(app::LogState&) override {}
    int RunMemoDialog(app::LogState&, int index) override
    {
        memos << index;
        return 2;
    }
};

class ReportCalls final : public reports::ReportServices {
public:
    QList<int> shortReports;
    void RunDstDialog(app::LogState&, int, const QString&) override {}
    void RunShowDialog(app::LogState&, int, const QString&) override {}
    void RunShortReportDialog(app::LogState&, int index) override { shortReports << index; }
};

class RightButton : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(testing_support::ShowDemoWindow(window));
        ASSERT_TRUE(testing_support::ShowDemoCustomTracks(window));
        window.Neighbours().entry = &entries;
        window.Neighbours().reports = &reports;
        S().customTracks.host.custCfgDlg = [this](layout::CUSTCHARTCFGEX&, std::int32_t depth, int track) {
            configurations << QString("%1 %2").arg(depth).arg(track);
            return false;
        };
        PaintAt(1040);
        ASSERT_EQ(G.rowHeight, 10);
        ASSERT_EQ(G.unitWidth, 10);
    }

    app::LogState& S() { return window.State(); }
    void PaintAt(std::int32_t top)
    {
        S().well.file.viewTopDepth = top;
        window.PaintLog();
        QCoreApplication::processEvents();
        G = logview::GeometryOf(S());
        T = G.topMargin;
    }
    int ClientTop() { return window.menuWidget() && window.menuWidget()->isVisible() ? window.menuWidget()->height() : 0; }
    void Click(int x, int y, Qt::KeyboardModifiers keys = Qt::NoModifier)
    {
        QTest::mouseClick(&window, Qt::RightButton, keys, QPoint(x, y + ClientTop()));
    }
    int RowY(std::int32_t d) { return T + (d - S().well.file.viewTopDepth) * 10 + 5; }
    qint64 At(std::int32_t depth, int offset) { return qint64(depth - S().well.file.fileTopDepth) * wellfile::kRecordSize + offset; }
    std::uint16_t CodeAt(const QByteArray& file, std::int32_t depth) { return testing_support::At<std::uint16_t>(file, At(depth, 364)); }
    void Write(std::int32_t depth, int offset, const void* bytes, int size)
    {
        QFile f(S().well.file.dataFileName);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.seek(At(depth, offset)));
        ASSERT_EQ(f.write(static_cast<const char*>(bytes), size), size);
    }
    QByteArray DataFile() { return ReadBytes(S().well.file.dataFileName); }
    QRgb Pixel(int x, int y) { return window.BackingStore().pixel(x, y) & 0xFFFFFF; }
    bool AnyPixel(QRgb rgb, int x0, int x1, int y0, int y1)
    {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if (Pixel(x, y) == (rgb & 0xFFFFFF))
                    return true;
        return false;
    }
    // Makes custom track `t` of the screen a track of `kind`; its middle x.
    int CustomTrack(int t, int kind)
    {
        layout::CustomTrackEntry& e = S().customTracks.data->screenSet[std::size_t(t)];
        e.kind = kind;
        return (e.leftX + e.rightX) / 2;
    }

    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    MemoCalls entries;
    ReportCalls reports;
    QStringList configurations;
    logview::ViewGeometry G;
    int T = 0;
};

}  // namespace

TEST_F(RightButton, PagesBy500WithinTheFile)
{
    const QString path = testing_support::MakeWell(testing_support::TestDir() + "deep/", "DEEP.svm", 1000, 5000);
    ASSERT_EQ(window.OpenDataFile(path), 1);
    PaintAt(3000);
    app::LogState& s = S();
    QScrollBar* bar = window.DepthScrollBar();
    ASSERT_NE(bar, nullptr);
    const int x = G.gas.left + 50;
    QList<int> tops, positions;
    for (int i = 0; i < 5; ++i) {
        Click(x, T / 2);
        tops << s.well.file.viewTopDepth;
        positions << bar->value();
    }
    EXPECT_EQ(tops, (QList<int>{2500, 2000, 1500, 1000, 1000}));
    EXPECT_EQ(positions, (QList<int>{37, 25, 12, 0, 0}));

    const std::int32_t last = 5000 - s.well.file.viewDepthSpan;
    s.well.file.viewTopDepth = last - 600;
    Click(x, s.view.logAreaBottom + 5);
    EXPECT_EQ(s.well.file.viewTopDepth, last - 100);
    Click(x, s.view.logAreaBottom + 5);
    EXPECT_EQ(s.well.file.viewTopDepth, last);
    EXPECT_EQ(bar->value(), 100);

    // Inside the rows nothing pages; nor while an entry runs.
    Click(x, RowY(s.well.file.viewTopDepth + 20));
    s.interaction.dataEntryActive = 1;
    Click(x, T / 2);
    s.interaction.dataEntryActive = 0;
    EXPECT_EQ(s.well.file.viewTopDepth, last);

    // A well of one record has nothing to page to.
    const QString one = testing_support::MakeWell(testing_support::TestDir() + "one/", "ONE.svm", 1000, 1000);
    ASSERT_EQ(window.OpenDataFile(one), 1);
    PaintAt(1000);
    Click(x, S().view.logAreaBottom + 5);
    Click(x, T / 2);
    EXPECT_EQ(S().well.file.viewTopDepth, 1000);
    ASSERT_NE(window.DepthScrollBar(), nullptr);  // made again for the well
    EXPECT_EQ(window.DepthScrollBar()->value(), 0);
}

TEST_F(RightButton, CasingPointMarkTogglesTheRecordBelowTheRow)
{
    const std::uint16_t three = 3;
    Write(1101, 364, &three, 2);
    QByteArray before = DataFile();
    const int ctrlX = G.rate.Right() + 2, plainX = G.lithology.left - 5;

    Click(ctrlX, RowY(1100), Qt::ControlModifier);
    QByteArray after = DataFile();
    EXPECT_EQ(CodeAt(after, 1101), 0);
    EXPECT_EQ(testing_support::DifferingBytes(before, after), (std::vector<qsizetype>{At(1101, 364)}));

    for (std::uint16_t code : {0, 2, 4, 5}) {
        Write(1101, 364, &code, 2);
        before = DataFile();
        Click(plainX, RowY(1100));
        after = DataFile();
        EXPECT_EQ(CodeAt(after, 1101), 3) << code;
        const std::vector<qsizetype> changed = testing_support::DifferingBytes(before, after);
        ASSERT_FALSE(changed.empty());
        EXPECT_TRUE(changed.front() >= At(1101, 364) && changed.back() <= At(1101, 365));
    }
    // Without Ctrl right of the rate track nothing changes.
    before = DataFile();
    Click(ctrlX, RowY(1100));
    EXPECT_EQ(DataFile(), before);
}

TEST_F(RightButton, CtrlInTheGasTrackLabelsTheGasesOfThatRecord)
{
    const QByteArray before = DataFile();
    QString title;
    platform::Dialog::QueueTestScript([&](platform::Dialog& d) {
        title = d.GetText(109);
        d.Click(platform::IDCANCEL);
    });
    Click(G.gas.left + 50, RowY(1100), Qt::ControlModifier);
    EXPECT_EQ(title, "Select Gasses to label at 1100");
    EXPECT_EQ(DataFile(), before);

    platform::Dialog::QueueTestScript([&](platform::Dialog& d) {
        d.Click(102);  // C1
        d.Click(platform::IDOK);
    });
    Click(G.gas.left + 50, RowY(1100), Qt::ControlModifier);
    const QByteArray after = DataFile();
    float c1 = 0;
    std::memcpy(&c1, after.constData() + At(1100, 28 + 4 * wellfile::GAS_C1), 4);
    EXPECT_LT(c1, 0.0f);  // labelled
    EXPECT_EQ(after.left(At(1100, 0)), before.left(At(1100, 0)));
    EXPECT_EQ(after.mid(At(1101, 0)), before.mid(At(1101, 0)));
}

TEST_F(RightButton, BoxesOpenTheirMemoOrShortReport)
{
    app::LogState& s = S();
    s.layout.schemes.trackFlags[layout::FLAG_MEMOS] = 1;
    PaintAt(1040);
    app::MemoHits& hits = s.notes.drawing.hits;
    ASSERT_GT(s.notes.memoCount, 1);
    hits.Clear();
    hits.Add({400, 300, 500, 340}, 1);
    Click(450, 320);
    EXPECT_EQ(entries.memos, QList<int>{1});

    // Short-report boxes: the first report at or below the box top's even depth.
    s.shortReports.reports.resize(3);
    s.shortReports.reports[0].depth = 1060;
    s.shortReports.reports[1].depth = 1080;
    s.shortReports.reports[2].depth = 1090;
    s.shortReports.mud.box[0] = {600, RowY(1071) - 5, 700, RowY(1071) + 60};
    s.shortReports.mud.count = 1;
    s.shortReports.mechanical.box[0] = {600, RowY(1095) - 5, 700, RowY(1095) + 60};
    s.shortReports.mechanical.count = 1;
    Click(650, RowY(1100));  // no report at or below the box: no dialog
    Click(650, RowY(1075));
    EXPECT_EQ(reports.shortReports, QList<int>{1});
    EXPECT_EQ(entries.memos, QList<int>{1});
}

// With a combined gas track the custom tracks begin right of the descriptions column, not of the gas
// track: a click between the two opens their configuration only then.
TEST_F(RightButton, WithACombinedGasTrackTheCustomTracksBeginRightOfTheDescriptions)
{
    const int descriptionsRight = G.description.left + G.description.count * G.unitWidth;
    ASSERT_LT(descriptionsRight + 10, G.gasRight - 10);
    const int x = (descriptionsRight + G.gasRight) / 2;
    Click(x, RowY(1100));
    EXPECT_TRUE(configurations.isEmpty());
    S().layout.combinedGasTrack = true;
    Click(x, RowY(1100));
    Click(descriptionsRight - 5, RowY(1100));
    EXPECT_EQ(configurations.size(), 1);
}

TEST_F(RightButton, CustomTracksOpenTheirConfigurationOrTheRatioChart)
{
    app::LogState& s = S();
    ASSERT_TRUE(s.well.customTracksEnabled);
    ASSERT_NE(s.customTracks.data, nullptr);
    const int x = CustomTrack(0, 7);
    ASSERT_GT(x, G.gasRight);

    Click(x, RowY(1100));
    Click(x, RowY(1100), Qt::ControlModifier);  // not a gas track: the configuration
    EXPECT_EQ(configurations, (QStringList{"1100 0", "1100 0"}));

    // The record the chart shows.
    const float gases[] = {1000, 100, 50, 12, 8, 6, 4};
    Write(1100, 28 + 4 * wellfile::GAS_C1, gases, sizeof gases);
    configurations.clear();
    CustomTrack(0, 4);
    Click(x, RowY(1100), Qt::ControlModifier);
    EXPECT_TRUE(configurations.isEmpty());
    const int left = G.lithology.left;
    const QRgb blue = qRgb(0, 0, 255);
    EXPECT_EQ(Pixel(left + 37, T + 200), blue & 0xFFFFFF);
    EXPECT_EQ(Pixel(left + 112, T + 169), blue & 0xFFFFFF);
    EXPECT_EQ(Pixel(left + 187, T + 130), blue & 0xFFFFFF);
    EXPECT_TRUE(AnyPixel(blue, left + 261, left + 263, T + 99, T + 102));
    EXPECT_TRUE(AnyPixel(qRgb(255, 0, 0), left + 82, left + 130, T + 45, T + 60));  // "Dry Gas"
    EXPECT_TRUE(AnyPixel(qRgb(0, 255, 0), left + 157, left + 185, T + 187, T + 200));  // "OIL"

    // A zero C2 puts the first point on the bottom line; the next paint takes the chart away.
    const float zero = 0;
    Write(1100, 28 + 4 * wellfile::GAS_C2, &zero, 4);
    Click(x, RowY(1100), Qt::ControlModifier);
    EXPECT_EQ(Pixel(left + 37, T + 300), blue & 0xFFFFFF);
    PaintAt(1040);
    EXPECT_NE(Pixel(left + 112, T + 169), blue & 0xFFFFFF);

    // No record to read: the empty box, then the configuration.
    const QString path = s.well.file.dataFileName;
    ASSERT_TRUE(QFile::rename(path, path + ".away"));
    Click(x, RowY(1100), Qt::ControlModifier);
    ASSERT_TRUE(QFile::rename(path + ".away", path));
    EXPECT_EQ(configurations, QStringList{"1100 0"});
    EXPECT_FALSE(AnyPixel(qRgb(255, 0, 0), left + 82, left + 130, T + 45, T + 60));
}
