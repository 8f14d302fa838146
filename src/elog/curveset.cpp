#include "elog/curveset.h"

#include "app/elogoffset.h"
#include "app/layouthosts.h"
#include "app/logstate.h"
#include "app/wellservices.h"
#include "logview/draw/neighbourpainters.h"
#include "logview/geometryof.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "tracks/autolith.h"

#include <QFileInfo>

#include <memory>
#include <new>
#include <utility>

namespace elog {

namespace {

// The set goes without a file behind it: its curves are switched off in the scheme first, and the menu
// is rebuilt only once it is gone, so no e-log item stays.
void DropCurves(app::LogState& s, app::WindowServices& window)
{
    if (!s.engines.elogCurves)
        return;
    for (int k = 0; k <= 16; ++k)
        s.engines.elogCurves->pens[std::size_t(k)].on = 0;
    app::ReapplyScheme(s);
    CloseElog(s);
    window.RebuildMenu(s);
}

}  // namespace

CurveOwner CurveOwnerOf(const app::LogState& s, const QString& curveFile)
{
    const wellfile::OpenWell& f = s.well.file;
    CurveOwner o;
    o.wellCurveFile = platform::FindFileNoCase(f.dataFolder, f.wellName + QStringLiteral(".svc"));
    o.currentCurveFile = curveFile;
    o.gammaScaleSetting = s.well.config.curveSetting;
    o.alternateLayout = s.layout.format.alternateFormat;
    o.kbSetting = s.well.kbElevation;
    return o;
}

CurveLayout CurveLayoutOf(const app::LogState& s)
{
    const logview::ViewGeometry g = logview::GeometryOf(s);
    CurveLayout l;
    l.screenLeft = g.rate.left;
    l.screenRight = g.rate.Right();
    l.screenDivision = float(g.rate.cell);
    for (std::size_t i = 0; i < l.curvePens.size(); ++i)
        l.curvePens[i] = g.pens.table[std::size_t(kCurvePenEntries[i])];
    l.offScaleFill = g.pens.table[layout::PEN_OFFSCALE_GAMMA_FILL].colour;
    return l;
}

void PrepareCurveDrawing(app::LogState& s)
{
    if (Curves* c = s.engines.elogCurves.get())
        c->PrepareDraw(CurveLayoutOf(s), s.layout.format.pixelsPerStep, false);
}

bool ElogShown(const app::LogState& s)
{
    return s.engines.elogCurves && s.engines.elogCurves->ShownOnLog(s.layout.schemes.trackFlags);
}

void PublishCurves(app::LogState& s)
{
    Curves* curves = s.engines.elogCurves.get();
    const tracks::ElogView* view = nullptr;
    tracks::AutomaticLith lith;
    if (curves) {
        view = &curves->View(s.well.elogDepthOffset);
        lith = tracks::MakeAutomaticLith(view, s.well.file.fileTopDepth, tracks::ElogLithThresholdsOf(s.well.config));
        s.depthMatch.elogKbElevation = curves->kbElevation;
    }
    if (s.view.painters) {
        s.view.painters->SetElogCurves(view, std::move(lith));
        s.view.painters->SetElogOutline(curves);
    }
    s.view.elogShown = ElogShown(s);
}

void CloseElog(app::LogState& s)
{
    // The painters let go of the rows before they are freed.
    std::unique_ptr<Curves> old = std::move(s.engines.elogCurves);
    PublishCurves(s);
}

int LoadElog(app::LogState& s, app::WindowServices& window, const QString& curveFile)
{
    if (curveFile.isEmpty() || !QFileInfo(curveFile).isFile()) {
        DropCurves(s, window);
        return 1;
    }
    CloseElog(s);
    std::unique_ptr<Curves> curves;
    try {
        curves = std::make_unique<Curves>(CurveOwnerOf(s, curveFile));
    } catch (const std::bad_alloc&) {
        platform::MessageBox(QStringLiteral("Elog Data Not Loaded"), QStringLiteral("Memory Allocation Error"),
                             platform::MB_OK);
        window.RebuildMenu(s);
        return 0;
    }
    if (!curves->LoadCurveFile(curveFile)) {
        // Nothing half-loaded stays: the window goes on without curves.
        app::ReapplyScheme(s);
        window.RebuildMenu(s);
        return 1;
    }
    s.engines.elogCurves = std::move(curves);
    if (!s.view.holdRepaint)
        window.RebuildMenu(s);
    app::LoadElogOffset(s, curveFile);
    app::ReapplyScheme(s);
    Curves& c = *s.engines.elogCurves;
    if (s.layout.format.alternateFormat)
        c.loadedInAlternateLayout = 1;
    // The well's own KB setting wins, so the title row and the curves never disagree.
    if (s.well.kbElevation > 0.0f)
        c.kbElevation = s.well.kbElevation;
    PrepareCurveDrawing(s);
    PublishCurves(s);
    return 1;
}

void LinkElogToScheme(app::LogState& s, const QString& curveFile)
{
    s.well.elogFileName = curveFile;
    app::ShowElogInSchemes(s);
    app::SaveElogOffset(s, curveFile);
    s.view.Invalidate();
}

}  // namespace elog
