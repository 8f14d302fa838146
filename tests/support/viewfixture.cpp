#include "support/viewfixture.h"

#include "app/layouthosts.h"
#include "app/opendatafile.h"
#include "app/scrolling.h"
#include "app/wellservices.h"
#include "demo/demowell.h"
#include "layout/logformat.h"
#include "layout/pentable.h"
#include "logview/geometryof.h"
#include "shell/startup.h"
#include "support/testmain.h"

namespace testing_support {

namespace {
constexpr int kProfile = 12;
constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;
// The client area of a window on that screen below its caption and menu, above the task bar: the
// log's 72 rows and the eight rows under them.
constexpr int kClientBottom = 960;
}  // namespace

bool OpenDemoView(app::LogState& s)
{
    const QString folder = TestDir() + "demo/";
    if (!demo::MakeDemoWell(folder)) {
        ADD_FAILURE() << "the demo well could not be made";
        return false;
    }
    return OpenView(s, folder + demo::kDemoWellName + ".svm");
}

bool OpenView(app::LogState& s, const QString& dataFile)
{
    app::ApplySetupDefaults(s);
    shell::SettleFolders(s);
    const app::WellServices services;
    if (app::OpenDataFile(s, services, dataFile) != 1) {
        ADD_FAILURE() << dataFile.toStdString() << " could not be opened";
        return false;
    }
    // The view's tests lay the log out without the custom tracks the demo well's settings switch on.
    s.well.customTracksEnabled = false;
    s.env.screenWidth = s.env.desktopWidth = kScreenWidth;
    s.env.screenHeight = kScreenHeight;
    s.env.monitorCount = 1;
    s.well.loggerId = kProfile;
    s.scroll.windowHeight = kScreenHeight;

    layout::LogLayout& L = s.layout.format;
    layout::SetLogFormat(L, kProfile, 0, app::LayoutInputsOf(s, kClientBottom));
    layout::SetPens(s.layout.pens, s.well.file, app::PenOptionsOf(s), false);
    s.well.file.viewDepthSpan = L.viewDepthSpan;
    // What making the depth scroll bar writes.
    app::DepthBarInputs bar;
    bar.topMargin = L.logAreaTop;
    bar.visibleRows = L.visibleRows;
    bar.rowHeight = L.pixelsPerStep;
    s.view.logAreaBottom = app::PlaceDepthBar(bar).logBottomY;
    return true;
}

void ViewTest::SetUp() { ASSERT_TRUE(OpenDemoView(s)); }

logview::ViewGeometry ViewTest::Geometry() const { return logview::GeometryOf(s); }

void ViewTest::SetViewTop(std::int32_t depth) { s.well.file.viewTopDepth = depth; }

void ViewTest::AttachImages(logview::ViewBitmaps& bitmaps, logview::NeighbourPainters& painters)
{
    s.view.bitmaps = &bitmaps;
    s.view.painters = &painters;
    logview::BuildGridBitmaps(bitmaps.grid, Geometry());
    bitmaps.ResizeBackingStore(kScreenWidth, kScreenHeight);
}

}  // namespace testing_support
