#pragma once
// The demo well opened and laid out as the view's tests have it (profile 12 on a 1920 x 1080 screen),
// with the window's neighbour painters and a backing store: what the benchmarks that draw the log share.
#include "app/layouthosts.h"
#include "app/logstate.h"
#include "app/opendatafile.h"
#include "app/scrolling.h"
#include "app/wellservices.h"
#include "demo/demowell.h"
#include "layout/logformat.h"
#include "layout/pentable.h"
#include "logview/draw/viewbitmaps.h"
#include "shell/draw/viewpainters.h"
#include "logview/geometryof.h"
#include "logview/ui/logview.h"
#include "platform/folders.h"
#include "shell/startup.h"
#include "tracks/tracksettingsof.h"

#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace bench_support {

constexpr int kWidth = 1920, kHeight = 1080, kProfile = 12;

struct DemoView {
    QTemporaryDir dir;
    std::unique_ptr<app::LogState> state = std::make_unique<app::LogState>();
    logview::ViewBitmaps bitmaps;
    shell::ViewPainters painters;
    logview::LogView view;

    // Opens the demo well, or the well `makeWell` writes into the demo's folder (the path of its data
    // file; empty when it could not).
    bool Open(const std::function<QString(const QString& folder)>& makeWell = {})
    {
        app::LogState& s = *state;
        // The folder roots are read once per process: point them at this run's folder, or a later run
        // writes its recent list and documents into an earlier run's folder after it was removed.
        qputenv("HOME", dir.path().toLocal8Bit());
        platform::SetFolderRoots({dir.path() + QStringLiteral("/Documents"), dir.path() + QStringLiteral("/config"), dir.path()});
        app::ApplySetupDefaults(s);
        shell::SettleFolders(s);
        const QString folder = dir.path() + "/demo/";
        const app::WellServices services;
        if (!demo::MakeDemoWell(folder))
            return false;
        const QString file = makeWell ? makeWell(folder) : folder + demo::kDemoWellName + ".svm";
        if (file.isEmpty() || app::OpenDataFile(s, services, file) != 1)
            return false;
        s.env.screenWidth = s.env.desktopWidth = kWidth;
        s.env.screenHeight = kHeight;
        s.env.monitorCount = 1;
        s.well.loggerId = kProfile;
        s.scroll.windowHeight = kHeight;
        layout::LogLayout& L = s.layout.format;
        layout::SetLogFormat(L, kProfile, 0, app::LayoutInputsOf(s, kHeight));
        layout::SetPens(s.layout.pens, s.well.file, app::PenOptionsOf(s), false);
        s.well.file.viewDepthSpan = L.viewDepthSpan;
        app::DepthBarInputs bar;
        bar.topMargin = L.logAreaTop;
        bar.visibleRows = L.visibleRows;
        bar.rowHeight = L.pixelsPerStep;
        s.view.logAreaBottom = app::PlaceDepthBar(bar).logBottomY;
        s.view.bitmaps = &bitmaps;
        s.view.painters = &painters;
        painters.trackSettings = [this] { return tracks::TrackSettingsOf(*state); };
        painters.trackState = &s.trackPainters;
        s.well.file.viewTopDepth = 1590;
        logview::BuildGridBitmaps(bitmaps.grid, logview::GeometryOf(s));
        bitmaps.ResizeBackingStore(kWidth, kHeight);
        return true;
    }
};

}  // namespace bench_support
