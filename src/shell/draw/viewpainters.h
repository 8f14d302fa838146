#pragma once
// The neighbour painters the window draws with: each subsystem plugs its routines in here by
// overriding the calls it draws and forwarding them to its own painters (the track painters of
// src/tracks/, the memos and flares of src/entry/, the short reports of src/reports/, the pictures and
// e-log lines of src/elog/). Calls not overridden draw nothing. The window owns the set; each
// subsystem's forwarding calls are in a file of their own beside this one (view<subsystem>painters.cpp).
#include "elog/draw/picturepainters.h"
#include "entry/memodrawing.h"
#include "logview/draw/neighbourpainters.h"
#include "reports/shortreports.h"
#include "tracks/lithrowplan.h"
#include "tracks/curvevalues.h"
#include "tracks/customtrackwindow.h"
#include "tracks/elogview.h"
#include "tracks/painterstate.h"
#include "tracks/tops.h"
#include "tracks/tracksettings.h"

#include <functional>

namespace shell {

class ViewPainters final : public logview::NeighbourPainters {
public:
    // ---- Track painters (viewtrackpainters.cpp) ----
    // The window's settings for the track painters, asked for at each call; defaults when unset.
    std::function<tracks::TrackSettings()> trackSettings;
    // What they keep between calls: the window's for the whole run; a state of the set's own when unset.
    tracks::PainterState* trackState = nullptr;
    // The e-log classifier of automatic lithology; unset until the e-log curves are drawn.
    tracks::AutomaticLith automaticLith;
    // The window's settings of the custom curve values, asked for at each custom-track paint; defaults
    // when unset.
    std::function<tracks::CurveValueSettings()> curveValueSettings;
    // The window's custom-track objects and flags, asked for at each custom-track paint; no custom
    // tracks are painted when unset.
    std::function<tracks::CustomTrackWindow()> customTrackWindow;
    // The well's tops, KB elevation, tops switches and drilling marker, asked for at each call; no tops
    // when unset.
    std::function<tracks::TopsView()> tops;

    int DrawLithology(const logview::PaintTarget&, logview::Records records, std::size_t index, int rowHeight, int y, int rowCounter,
                      int split, int interpreted) override;

    void DrawGasCurves(const logview::PaintTarget&, logview::Records records, std::size_t index, int y, int rowCounter, bool percent,
                       bool previous) override;
    int DrawGasScaleHeader(const logview::PaintTarget&, const wellfile::RECORD&, int y, int rowHeight, int flag) override;
    void DrawTrackScaleHeader(const logview::PaintTarget&, int y, int rowHeight, int flag) override;
    void DrawTrackScaleHeader2(const logview::PaintTarget&, int y, int rowHeight) override;
    void DrawAveragedCurve(const logview::PaintTarget&, logview::Records records, std::size_t first, int count, int rowHeight, int topY,
                           bool continued) override;
    void DrawDataCurve(const logview::PaintTarget&, logview::Records records, std::size_t first, int count, int rowHeight, int topY,
                       bool continued) override;
    void DrawRecordCurve(const logview::PaintTarget&, logview::Records records, std::size_t first, int count, int rowHeight, int topY,
                         bool continued) override;
    void DrawLinearCurve(const logview::PaintTarget&, logview::Records records, std::size_t first, int count, int rowHeight, int topY,
                         bool continued) override;
    void DrawChromatographTrack(const logview::PaintTarget&, logview::Records records, std::size_t first, int count, int rowHeight,
                                int topY) override;
    void DrawTextColumn(const logview::PaintTarget&, const wellfile::RECORD&, int y, int rowHeight) override;
    void DrawMudInOut(const logview::PaintTarget&, const wellfile::RECORD&, int rowHeight, int y) override;
    void DrawTopsColumn(const logview::PaintTarget&, logview::Records, int rowHeight, int topY) override;
    void DrawRatingColumn(const logview::PaintTarget&, logview::Records, int rowHeight, int topY) override;
    void DrawBoxColumn(const logview::PaintTarget&, logview::Records, std::size_t first, int count, int rowHeight, int topY) override;
    void DrawPorosityColumn(const logview::PaintTarget&, logview::Records, int rowHeight, int topY) override;
    void DrawBarColumn(const logview::PaintTarget&, logview::Records, std::size_t first, int count, int rowHeight, int topY) override;
    void DrawBarColumn2(const logview::PaintTarget&, logview::Records, int rowHeight, int topY) override;
    int PrintCurveTrack(const logview::PaintTarget&, logview::Records records, std::size_t index, int rowHeight, bool ratio,
                        int y) override;
    int PrintCurveTrack2(const logview::PaintTarget&, logview::Records records, std::size_t first, int rowHeight, int count, bool ratio,
                         int y) override;
    void DrawVerticalText(const logview::PaintTarget&, const std::string& text, int x, int y, int step) override;
    // The custom tracks through the screen object, or the printer object on paper.
    void PaintCustomTracks(const logview::PaintTarget&, logview::Records records, logview::CustomRecords custom, int topY, int rows,
                           int rowHeight, std::int32_t stopDepth, int instantMode) override;
    // ---- Memos (viewmemopainters.cpp) ----
    // The window's memos, the state their drawing keeps and its options, asked for at each call; no memos
    // are drawn when unset.
    std::function<entry::MemoSource()> memos;
    void DrawMemos(const logview::PaintTarget&, std::int32_t topDepth, logview::PageBottomY pageBottom, int rowHeight, int topY) override;
    void DrawMemosAt(const logview::PaintTarget&, std::int32_t firstDepth, int height, int rowHeight, int y, int x) override;
    void DrawMemoBox(const logview::PaintTarget&, int memo, int rowHeight, int y, int x) override;
    int PendingMemo() const override;
    // ---- Short reports (viewshortreportpainters.cpp) ----
    // The window's short reports and what their drawing keeps, asked for at each call; none are drawn
    // while unset or null (the reports hidden). A printed page's cut boxes go to the track state's
    // pending reports, as the custom tracks' are.
    std::function<reports::ShortReportState*()> shortReports;
    void DrawShortReports(const logview::PaintTarget&, std::int32_t fromDepth, std::int32_t toDepth, int rowHeight, int topY,
                          bool runEnds) override;
    void DrawShortReportsAt(const logview::PaintTarget&, std::int32_t firstDepth, int height, int rowHeight, int y,
                            int x) override;
    void DrawShortReportsCompact(const logview::PaintTarget&, int report, int rowHeight, int y, int x) override;
    // ---- Flares (viewflarepainters.cpp) ----
    void DrawFlarePolygon(const logview::PaintTarget&, logview::Records records, std::size_t first, int count, int rowHeight, int topY,
                          int x, int width, float scale) override;
    void DrawFlareTrack(const logview::PaintTarget&, logview::Records records, std::size_t first, int count, int rowHeight,
                        int topY) override;
    void DrawFlareTrackLines(const logview::PaintTarget&, logview::Records records, std::size_t first, int count, int rowHeight,
                             int topY) override;

    // ---- Pictures (viewpicturepainters.cpp) ----
    // The window's pictures, asked for at each call; none are found or drawn while unset. A printed
    // page's cut picture goes to the track state's pending cells, as the custom tracks' do.
    std::function<elog::PictureSource()> pictures;
    int FindNextImageAtDepth(std::int32_t depth, int start) override;
    void DrawImage(const logview::PaintTarget&, int picture, int y) override;
    void DrawImageAt(const logview::PaintTarget&, int picture, int y, int x, int width, bool actualSize,
                     bool continuation) override;
    void DrawImageMarkers(const logview::PaintTarget&) override;

    // ---- E-log curves (viewelogpainters.cpp) ----
    // The well's e-log curves; null while none are loaded.
    const tracks::ElogView* elogView = nullptr;
    elog::Curves* elogCurves = nullptr;  // the set whose GAMMA outline is drawn
    void SetElogCurves(const tracks::ElogView* view, tracks::AutomaticLith lith) override;
    void SetElogOutline(elog::Curves* curves) override { elogCurves = curves; }
    const tracks::ElogView* ShownElogView() const override { return elogView; }
    int DrawCurveLines(const logview::PaintTarget&, int rows, std::int32_t topDepth) override;
    bool PlaceCurveLines(const logview::ViewGeometry&, int rows, std::int32_t topDepth) override;

    // ---- Drilling mode (viewdrillingpainters.cpp) ----
    // The window's drawing of the drilling status band; nothing while unset.
    std::function<void(const logview::PaintTarget&)> drillingStatus;
    void DrawDrillingStatus(const logview::PaintTarget&) override;

private:
    tracks::TrackSettings TrackSettingsNow() const { return trackSettings ? trackSettings() : tracks::TrackSettings{}; }
    tracks::PainterState& TrackState() { return trackState ? *trackState : ownTrackState_; }
    tracks::PainterState ownTrackState_;
};

}  // namespace shell
