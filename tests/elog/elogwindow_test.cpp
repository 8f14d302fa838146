// The e-log curves on a real window with real mouse events: the GAMMA outline over the first track,
// drawn at its own depth only while the depth match is dragged on it, and stored with the curve file's name in the ".cfg", the gamma
// band stepping the curve set's scale, the read-out's water saturation table, and the "&Sw..." command.
#include "app/commandids.h"
#include "app/elogoffset.h"
#include "app/opendatafile.h"
#include "elog/curves.h"
#include "elog/ui/swdialogs.h"
#include "layout/trackflags.h"
#include "logview/elogmatch.h"
#include "logview/geometryof.h"
#include "logview/ui/titlerowpaint.h"
#include "shell/ui/logwindow.h"
#include "shell/ui/textdlg.h"
#include "support/demowindow.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "tracks/tracksettingsof.h"
#include "wellfile/wellconfig.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <vector>

using elog::CurveRecord;
using testing_support::doubles;
using testing_support::ReadBytes;

namespace {

constexpr float kGamma = 63;  // 10.5 divisions of the default scale: between two grid lines
constexpr int kSpike = 1125;   // the one record of a high gamma
constexpr float kSpikeGamma = 138;

class ElogWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(testing_support::ShowDemoWindow(window));
        const QString folder = S().well.file.dataFolder;
        const QString path = testing_support::MakeWell(folder, "E.svm", 1000, 1400);
        // The mudlog's gamma drawn over the rate track where the wireline's lies: the press that starts
        // the depth match is on a curve the user sees.
        QByteArray data = ReadBytes(path);
        auto* records = reinterpret_cast<wellfile::RECORD*>(data.data());
        for (qsizetype i = 0; i < data.size() / qsizetype(sizeof(wellfile::RECORD)); ++i) {
            std::fill(std::begin(records[i].gamma), std::end(records[i].gamma), kGamma);
            records[i].gammaStep = 0.2f;
        }
        testing_support::WriteBytes(path, data);
        std::vector<CurveRecord> rows(1300);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            float* v = rows[i].values.data();
            v[0] = float(i);
            if (i == 0)
                continue;
            v[elog::SLOT_GAMMA] = i == kSpike ? kSpikeGamma : kGamma;
            v[elog::SLOT_DENSITY_POR] = i >= 1100 ? 0.2f : 0.0f;
            v[elog::SLOT_RES10] = v[elog::SLOT_RES120] = i >= 1000 ? 10.0f : 0.0f;
            v[elog::SLOT_RW] = 0.04f;
            v[elog::SLOT_SWA] = 1;
            v[elog::SLOT_SWM] = 2;
            v[elog::SLOT_POR_CHOICE] = std::bit_cast<float>(std::int32_t(elog::SLOT_DENSITY_POR));
            v[elog::SLOT_RES_CHOICE] = std::bit_cast<float>(std::int32_t(elog::SLOT_RES120));
        }
        rows[1234].values[0] = 1234.9f;
        rows[1240].values[elog::SLOT_RES120] = 0;  // no resistivity at the chosen curve
        for (int s : {elog::SLOT_RW, elog::SLOT_SWA, elog::SLOT_SWM})
            rows[1100].values[std::size_t(s)] = 0;
        svc = folder + "E.svc";
        testing_support::WriteBytes(svc, testing_support::BytesOf(rows));
        ASSERT_EQ(window.OpenDataFile(path), 1);
        ASSERT_TRUE(S().engines.elogCurves);
        S().layout.schemes.trackFlags[elog::SLOT_RES10] = 1;  // a resistivity curve on the log
        S().layout.schemes.trackFlags[layout::FLAG_FIRST_CURVE] = 1;  // the gamma over the rate track
        PaintAt(1100);
        ASSERT_TRUE(S().view.elogShown);
    }
    void TearDown() override { doubles().prompter.messages.clear(); }

    app::LogState& S() { return window.State(); }
    elog::Curves& C() { return *S().engines.elogCurves; }
    logview::ViewGeometry G() { return logview::GeometryOf(S()); }
    void PaintAt(std::int32_t top)
    {
        S().well.file.viewTopDepth = top;
        window.PaintLog();
        QCoreApplication::processEvents();
    }
    int ClientTop() { return window.menuWidget() && window.menuWidget()->isVisible() ? window.menuWidget()->height() : 0; }
    QPoint Client(int x, int y) { return QPoint(x - G().horizontalScroll, y + ClientTop()); }
    // The y of the middle of the row of depth `d`, checked against the window's own reading.
    int RowY(std::int32_t d)
    {
        const int y = G().topMargin + (d - S().well.file.viewTopDepth) * G().rowHeight + G().rowHeight / 2;
        EXPECT_EQ(window.DepthAtRow(y), d);
        return y;
    }
    // The x of a gamma value on the outline's scale.
    int OutlineX(float gamma = kGamma) { return C().gammaScale.origin + int(gamma * C().gammaScale.factor); }
    QString ConfigPath() { return wellfile::OwnConfigPath(app::PlaceOf(S()), S().well.fieldSettings); }
    std::int32_t StoredShift()
    {
        const std::int32_t now = S().well.elogDepthOffset;
        S().well.elogDepthOffset = -999;
        app::LoadElogOffset(S(), svc);
        const std::int32_t stored = S().well.elogDepthOffset;
        S().well.elogDepthOffset = now;
        return stored;
    }
    void Drag(int x, int y0, int y1)
    {
        QTest::mousePress(&window, Qt::LeftButton, Qt::NoModifier, Client(x, y0));
        QTest::mouseMove(&window, Client(x, (y0 + y1) / 2));
        QTest::mouseMove(&window, Client(x, y1));
        QTest::mouseRelease(&window, Qt::LeftButton, Qt::NoModifier, Client(x, y1));
        QCoreApplication::processEvents();
    }
    void RightClick(std::int32_t d)
    {
        QTest::mouseClick(&window, Qt::RightButton, Qt::NoModifier, Client(G().gas.left + 20, RowY(d)));
    }
    elog::SWDlg2* Table() { return dynamic_cast<elog::SWDlg2*>(window.Tools().elogReadout.data()); }

    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    QString svc;
};

}  // namespace

TEST(ElogDrag, EachRowMovesOneUnitFiveOnTheCompressedScales)
{
    EXPECT_EQ(logview::ElogDragShift(400, 360, 16, 1), 2);  // 40 / 16: two whole rows
    EXPECT_EQ(logview::ElogDragShift(400, 352, 16, 3), 15);
    EXPECT_EQ(logview::ElogDragShift(352, 400, 16, 1), -3);
    EXPECT_EQ(logview::ElogDragShift(400, 360, 0, 1), 40);  // no row height is no divisor
    EXPECT_EQ(logview::ElogDragShift(400, 385, 16, 1), 0);
}

TEST_F(ElogWindow, TheOutlineStandsAtItsOwnDepthWhileDraggedAndADragStoresTheShift)
{
    // No paint draws the outline; a press on the gamma curve and a move that shifts nothing draw it,
    // the spike of one record on its own row (where the rate curve has the point of that depth), from
    // two view tops. The button up takes it off again.
    const int R = G().rowHeight, T = G().topMargin, spikeX = OutlineX(kSpikeGamma) - G().horizontalScroll;
    const int x = OutlineX() - G().horizontalScroll;
    // The rows of pixels that differ from `before` within one pixel of x = `at`, from the top margin
    // down to `to`.
    const auto changedRows = [&](const QImage& before, const QImage& after, int at, int to) {
        std::vector<int> rows;
        for (int y = T; y < to; ++y)
            for (int dx = -1; dx <= 1; ++dx)
                if (before.pixel(at + dx, y) != after.pixel(at + dx, y)) {
                    rows.push_back(y);
                    break;
                }
        return rows;
    };
    for (const std::int32_t top : {1100, 1110}) {
        PaintAt(top);
        const QImage painted = window.BackingStore().copy();
        S().layout.schemes.trackFlags[elog::SLOT_RES10] = 0;  // no curves shown: no outline could be
        PaintAt(top);
        EXPECT_TRUE(changedRows(window.BackingStore(), painted, x, T + 20 * R).empty()) << top << ": a paint drew it";
        S().layout.schemes.trackFlags[elog::SLOT_RES10] = 1;
        PaintAt(top);

        const int press = RowY(1140);
        QTest::mousePress(&window, Qt::LeftButton, Qt::NoModifier, Client(OutlineX() + 1, press));
        ASSERT_TRUE(S().interaction.mouse.elogDrag) << top;
        QTest::mouseMove(&window, Client(OutlineX() + 1, press + 1));
        const QImage dragged = window.BackingStore().copy();
        EXPECT_GT(changedRows(painted, dragged, x, T + 20 * R).size(), std::size_t(5 * R)) << top;
        // The spike's tip: where the outline reaches its x, on the top edge of the spike's row.
        const std::vector<int> tip = changedRows(painted, dragged, spikeX, RowY(1135));
        const int spikeY = T + (kSpike - top) * R;
        ASSERT_FALSE(tip.empty()) << top << ": no spike drawn";
        EXPECT_GE(tip.front(), spikeY - R / 2) << top;
        EXPECT_LE(tip.back(), spikeY + R / 2) << top;
        QTest::mouseRelease(&window, Qt::LeftButton, Qt::NoModifier, Client(OutlineX() + 1, press + 1));
        QCoreApplication::processEvents();
        EXPECT_TRUE(changedRows(painted, window.BackingStore(), x, T + 20 * R).empty()) << top << ": left standing";
        EXPECT_TRUE(changedRows(painted, window.BackingStore(), spikeX, RowY(1135)).empty()) << top;
    }
    PaintAt(1100);

    // Up by five rows: the curves move five units and the shift goes into the ".cfg" with the curve
    // file's name.
    const int y = RowY(1120);
    const std::int32_t start = S().well.elogDepthOffset;
    Drag(OutlineX() + 1, y, y - 5 * G().rowHeight);
    EXPECT_FALSE(S().interaction.mouse.elogDrag);
    EXPECT_EQ(S().well.elogDepthOffset, start + 5);
    EXPECT_EQ(StoredShift(), start + 5);

    // A drag that ends where it started stores nothing.
    const QByteArray cfg = ReadBytes(ConfigPath());
    Drag(OutlineX() + 1, y, y);
    EXPECT_EQ(ReadBytes(ConfigPath()), cfg);
    // Nor does a press beside the outline start a drag.
    Drag(OutlineX() + 20, y, y - 5 * G().rowHeight);
    EXPECT_EQ(S().well.elogDepthOffset, start + 5);

    // A shift that takes the view's top past the curve data ends the drag at once: the shift goes back
    // and nothing is stored.
    S().well.elogDepthOffset = 1299 - 1100 - 2;
    app::SaveElogOffset(S(), svc);
    PaintAt(1100);
    const QByteArray before = ReadBytes(ConfigPath());
    QTest::mousePress(&window, Qt::LeftButton, Qt::NoModifier, Client(OutlineX() + 1, G().topMargin + 2));
    ASSERT_TRUE(S().interaction.mouse.elogDrag);
    QTest::mouseMove(&window, Client(OutlineX() + 1, G().topMargin + 2 - 5 * G().rowHeight));
    EXPECT_FALSE(S().interaction.mouse.elogDrag);
    EXPECT_EQ(S().well.elogDepthOffset, 197);
    QTest::mouseRelease(&window, Qt::LeftButton, Qt::NoModifier,
                        Client(OutlineX() + 1, G().topMargin - 5 * G().rowHeight));
    EXPECT_EQ(ReadBytes(ConfigPath()), before);
}

TEST_F(ElogWindow, TheTitleBandAndTheGasTrackKnowTheCurves)
{
    const logview::TitleRow title = logview::TitleRowOf(S(), 800);
    ASSERT_TRUE(title.curves.has_value());
    EXPECT_EQ(title.curves->path, svc);
    EXPECT_EQ(title.curves->lastDepth, 1299);
    EXPECT_FALSE(title.importedCurves);
    // Track flag 8 shows RES10, which has data: on the gas track too.
    const tracks::TrackSettings t = tracks::TrackSettingsOf(S());
    EXPECT_TRUE(t.elogOnGasTrack[0]);
    EXPECT_FALSE(t.elogOnGasTrack[5]);
    ASSERT_NE(S().engines.elogCurves, nullptr);
    EXPECT_TRUE(C().View(S().well.elogDepthOffset).gasTrackFlag[0]);
    EXPECT_TRUE(C().View(S().well.elogDepthOffset).gasTrackFlag[5]);  // RES120 has data as well
}

TEST_F(ElogWindow, TheGammaBandStepsTheCurveSetsScaleWithTheViews)
{
    C().gammaScaleIndex = 1;
    const int y = S().view.logAreaBottom + 2 + 6;
    const auto dclick = [&](int x) {
        QTest::mouseDClick(&window, Qt::LeftButton, Qt::NoModifier, Client(x, y));
    };
    dclick(G().rate.left + 5);
    EXPECT_EQ(C().gammaScaleIndex, 9);
    EXPECT_EQ(int(S().well.config.curveSetting), 9);
    EXPECT_NEAR(C().gammaScale.factor, 25.0 * G().rate.cell / 1500, 1e-5);
    wellfile::WellConfig cfg{};
    const QByteArray bytes = ReadBytes(ConfigPath());
    ASSERT_EQ(bytes.size(), qsizetype(sizeof cfg));
    std::int32_t stored = 0;
    std::memcpy(&stored, bytes.constData() + 3382, 4);
    EXPECT_EQ(stored, 9);
    dclick(G().rate.Right() - 5);
    EXPECT_EQ(C().gammaScaleIndex, 1);
    EXPECT_EQ(int(S().well.config.curveSetting), 1);
}

TEST_F(ElogWindow, TheReadOutShowsTheSaturationTableAndRefusesWhereThereIsNoData)
{
    auto& messages = doubles().prompter.messages;
    PaintAt(1240);
    RightClick(1300);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, "Data not available at this depth");
    EXPECT_EQ(Table(), nullptr);
    PaintAt(1040);
    RightClick(1050);
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[1].text, "Start of porosity data is at 1100\nStart of deep resistivity data is at 1000\n No data "
                                "available at this depth");
    EXPECT_EQ(messages[1].caption, "Data Error");

    PaintAt(1200);
    RightClick(1235);
    elog::SWDlg2* table = Table();
    ASSERT_NE(table, nullptr);
    EXPECT_TRUE(table->isVisible());
    EXPECT_EQ(table->GetText(elog::swid::FirstRow),
              " 1234              0.32                 0.06              0.20              10.00 ");
    EXPECT_EQ(table->GetText(elog::swid::Rw), "0.040");

    // A second click fills the same table.
    RightClick(1236);
    EXPECT_EQ(Table(), table);
    EXPECT_TRUE(table->GetText(elog::swid::FirstRow).startsWith(" 1235"));

    // Recalculate changes the two records in memory only.
    const QByteArray file = ReadBytes(svc);
    table->SetText(elog::swid::Rw, "0.09");
    table->Click(elog::swid::Recalculate);
    EXPECT_FLOAT_EQ(C().Records()[1235].values[elog::SLOT_RW], 0.09f);
    EXPECT_FLOAT_EQ(C().Records()[1236].values[elog::SLOT_RW], 0.09f);
    EXPECT_FLOAT_EQ(C().Records()[1237].values[elog::SLOT_RW], 0.04f);
    EXPECT_TRUE(table->GetText(elog::swid::FirstRow).contains("0.47"));  // sqrt(25 x 0.009)
    EXPECT_EQ(ReadBytes(svc), file);

    // No resistivity at the chosen curve: "Invalid Data" and Sw 100.
    messages.clear();
    RightClick(1241);
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_EQ(messages[0].text, "Invalid Data");
    EXPECT_TRUE(table->GetText(elog::swid::FirstRow).contains("100.00"));

    // Close lets it go; the next click makes a new one.
    table->Click(platform::IDOK);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Table(), nullptr);
}

TEST_F(ElogWindow, TheSwCommandSavesAnIntervalIntoTheCurveFile)
{
    elog::Curves& c = C();
    c.Block()[1155].values[elog::SLOT_DENSITY_POR] = 0;  // no porosity: Sw 1, BVw 0
    const QByteArray before = ReadBytes(svc);
    platform::Dialog::QueueTestScript([](platform::Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "Archie Water Saturation Setup");
        EXPECT_EQ(d.GetText(elog::swid::Rw), "0.04");
        EXPECT_EQ(d.GetText(elog::swid::A), "1.0");
        EXPECT_EQ(d.GetText(elog::swid::M), "2.0");
        EXPECT_EQ(d.GetCount(elog::swid::Porosity), 1);
        EXPECT_EQ(d.GetString(elog::swid::Porosity, 0), " Density ");
        d.SetText(elog::swid::Rw, "0.05");
        d.SetText(elog::swid::A, "1");
        d.SetText(elog::swid::M, "2");
        // To at or below From, and an interval past the data: nothing changes.
        d.SetText(elog::swid::From, "1160");
        d.SetText(elog::swid::To, "1150");
        d.Click(elog::swid::Save);
        d.SetText(elog::swid::From, "5000");
        d.SetText(elog::swid::To, "6000");
        d.Click(elog::swid::Save);
        d.SetText(elog::swid::From, "1150");
        d.SetText(elog::swid::To, "1160");
        d.Click(elog::swid::Save);
        d.Click(platform::IDOK);
    });
    window.EvCommand(app::cmd::WaterSaturation);
    EXPECT_EQ(platform::Dialog::PendingTestScripts(), 0);

    const QByteArray after = ReadBytes(svc);
    ASSERT_EQ(after.size(), before.size());
    std::vector<CurveRecord> rows(1300);
    std::memcpy(rows.data(), after.constData(), std::size_t(after.size()));
    for (int d = 1150; d < 1160; ++d) {
        const auto& v = rows[std::size_t(d)].values;
        EXPECT_FLOAT_EQ(v[elog::SLOT_RW], 0.05f) << d;
        if (d == 1155) {
            EXPECT_FLOAT_EQ(v[elog::SLOT_SW], 1.0f);
            EXPECT_FLOAT_EQ(v[elog::SLOT_BVW], 0.0f);
        } else {
            EXPECT_NEAR(v[elog::SLOT_SW], 0.35355, 1e-4) << d;
            EXPECT_NEAR(v[elog::SLOT_BVW], 0.070711, 1e-5) << d;
        }
    }
    // Only the interval changed (the record made porosity-free above was in memory only until now).
    const qsizetype first = 1150 * 96, last = 1160 * 96;
    EXPECT_EQ(after.left(first), before.left(first));
    EXPECT_EQ(after.mid(last), before.mid(last));
}

// The demo well's curves through "Elog Data As Text", page by page: Sw is what Archie gives of each row's
// own Rw, a, m, porosity and resistivity, and within 0 to 1 (the shale at 2,560 read 1.41 once).
TEST(ElogDemo, TheDemoCurvesGiveAWaterSaturationWithinTheirPores)
{
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    ASSERT_TRUE(testing_support::ShowDemoWindow(window));
    app::LogState& s = window.State();
    int rows = 0;
    for (std::int32_t top = 1000; top < 2590; top += 100) {
        s.well.file.viewTopDepth = top;
        window.EvCommand(app::cmd::ElogAsText);
        auto* text = qobject_cast<shell::TextDlg*>(window.Tools().elogAsText.data());
        ASSERT_NE(text, nullptr);
        auto* list = text->ControlAs<QListWidget>(shell::TextDlg::ID_LIST);
        for (int i = 1; i < list->count(); ++i, ++rows) {
            // Depth Rw SwA SwM Sw Gam BVw Dpor Npor Xplot Res10 .. Res120
            const QStringList f = list->item(i)->text().split(' ', Qt::SkipEmptyParts);
            ASSERT_GE(f.size(), 16);
            const double rw = f[1].toDouble(), a = f[2].toDouble(), m = f[3].toDouble(), sw = f[4].toDouble();
            const double phi = f[7].toDouble(), rt = f[15].toDouble();
            ASSERT_LE(sw, 1.0) << f[0].toStdString();
            ASSERT_GT(sw, 0.1) << f[0].toStdString();
            EXPECT_NEAR(sw, std::sqrt(a * rw / std::pow(phi, m) / rt), 0.02 + 0.01 * sw) << f[0].toStdString();
        }
        text->Click(shell::TextDlg::ID_CLOSE);
    }
    EXPECT_GT(rows, 1500);
}
