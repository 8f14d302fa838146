// The curve set on a real window: opening a well with its own curve file loads it and hands its rows
// to the painters, the well's KB setting wins, and a missing file takes the set, its rows and its menu
// item away again.
#include "app/commandids.h"
#include "elog/curves.h"
#include "elog/curveset.h"
#include "elog/elog_services.h"
#include "shell/draw/viewpainters.h"
#include "logview/geometryof.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/files.h"
#include "support/testmain.h"
#include "support/wells.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct CurveWindow {
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    QString svc;

    CurveWindow()
    {
        testing_support::OpenNewWell(window, [this](const QString& folder) {
            const QString path = testing_support::MakeWell(folder, "A.svm", 1000, 1200);
            std::vector<elog::CurveRecord> rows(1300);
            for (std::size_t i = 0; i < rows.size(); ++i) {
                rows[i].values[0] = float(i);
                rows[i].values[elog::SLOT_GAMMA] = i >= 1000 ? 80.0f : 0.0f;
                rows[i].values[elog::SLOT_RES10] = i >= 1100 ? 4.0f : 0.0f;
            }
            rows[0].values[elog::SLOT_PE] = 1234.5f;
            svc = folder + "A.svc";
            testing_support::WriteBytes(svc, testing_support::BytesOf(rows));
            return path;
        });
    }
    app::LogState& S() { return window.State(); }
    const shell::ViewPainters& Painters() { return dynamic_cast<const shell::ViewPainters&>(*S().view.painters); }
};

TEST(CurveSetWindow, OpeningAWellLoadsItsCurvesAndAMissingFileTakesThemAway)
{
    CurveWindow w;
    app::LogState& s = w.S();
    ASSERT_TRUE(s.engines.elogCurves);
    EXPECT_EQ(s.well.elogFileName, w.svc);
    EXPECT_EQ(s.engines.elogCurves->lastDepth, 1299);
    ASSERT_NE(w.Painters().elogView, nullptr);
    EXPECT_FLOAT_EQ((*w.Painters().elogView->RowAt(1101))[0], 1100);
    EXPECT_TRUE(w.Painters().elogView->present[elog::SLOT_GAMMA]);
    EXPECT_TRUE(w.window.Menu().Contains(app::cmd::ElogAsText));
    EXPECT_EQ(elog::DefaultElogServices().CurveData(s).rows.size(), 1300u);

    // The well's own KB setting wins over the curve file's.
    s.well.kbElevation = 250;
    EXPECT_EQ(w.window.WellServices().view->LoadElog(s, w.svc), 1);
    EXPECT_FLOAT_EQ(s.engines.elogCurves->kbElevation, 250);
    EXPECT_FLOAT_EQ(s.depthMatch.elogKbElevation, 250);
    s.layout.schemes.trackFlags[elog::SLOT_RES10] = 1;
    EXPECT_TRUE(elog::ElogShown(s.engines, s.layout));

    // An adjusted depth shift reaches the painters' rows.
    s.well.elogDepthOffset = -5;
    elog::PublishCurves(s);
    EXPECT_FLOAT_EQ((*w.Painters().elogView->RowAt(1020))[0], 1014);

    EXPECT_EQ(w.window.WellServices().view->LoadElog(s, w.svc + ".gone"), 1);
    EXPECT_FALSE(s.engines.elogCurves);
    EXPECT_EQ(w.Painters().elogView, nullptr);
    EXPECT_FALSE(w.Painters().automaticLith);
    EXPECT_FALSE(s.view.elogShown);
    EXPECT_FALSE(w.window.Menu().Contains(app::cmd::ElogAsText));
    EXPECT_TRUE(elog::DefaultElogServices().CurveData(s).rows.empty());
}

// The drawing state follows the layout the view draws with: its first track, row height and curve pens.
TEST(CurveSetWindow, TheDrawingStateFollowsTheViewsRateTrackAndCurvePens)
{
    CurveWindow w;
    app::LogState& s = w.S();
    ASSERT_TRUE(s.engines.elogCurves);
    s.layout.pens.pens[std::size_t(elog::kCurvePenEntries[3])] = {0x123456, 3, 0};
    elog::PrepareCurveDrawing(s.engines, s.layout);
    const logview::ViewGeometry g = logview::GeometryOf(s);
    const elog::Curves& c = *s.engines.elogCurves;
    EXPECT_EQ(c.layout.screenLeft, g.rate.left);
    EXPECT_EQ(c.layout.screenRight, g.rate.Right());
    EXPECT_EQ(c.unitSize, g.rowHeight);
    EXPECT_EQ(c.layout.curvePens[3].colour, 0x123456u);
    EXPECT_EQ(c.layout.curvePens[3], g.pens.table[std::size_t(elog::kCurvePenEntries[3])]);
    EXPECT_EQ(c.layout.offScaleFill, g.pens.table[layout::PEN_OFFSCALE_GAMMA_FILL].colour);
}

TEST(CurveSetWindow, TheImportsSetIsMadeEmptyAndDeletedThroughTheServices)
{
    CurveWindow w;
    app::LogState& s = w.S();
    elog::ElogServices& services = elog::DefaultElogServices();
    services.DeleteCurves(s);
    EXPECT_EQ(w.Painters().elogView, nullptr);
    services.EnsureCurves(s);
    ASSERT_TRUE(s.engines.elogCurves);
    EXPECT_EQ(s.engines.elogCurves->Count(), 0);
    ASSERT_NE(w.Painters().elogView, nullptr);
    EXPECT_EQ(w.Painters().elogView->RowAt(1), nullptr);
    services.SetCurvesKb(s, 321);
    EXPECT_FLOAT_EQ(s.engines.elogCurves->kbElevation, 321);
    services.DeleteCurves(s);
    EXPECT_FALSE(s.engines.elogCurves);
    EXPECT_EQ(w.Painters().elogView, nullptr);
}

}  // namespace
