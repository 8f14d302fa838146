#pragma once
// The horizontal plot drawn into two off-screen images in a fixed order: the first holds the plot the
// window shows, the second a copy taken before the note texts, so that notes are redrawn without
// drawing the plot again. The window fills a HorzPlot from the records and the set-up, and DrawPlot
// runs the painters; each step is a HorzPainters entry, so the bands, the well path, the track points,
// the header, the panels and the notes plug in where they belong.
//
// Every coordinate is one of the whole plot (`width` pixels wide, as long as the lateral needs), but
// the images hold only a window of it: the columns from `imageLeft` on, as many as the screen and its
// paging need (the whole plot when it is narrow). Painters draw through a Dc whose origin is moved to
// the window and pass over what lies outside it; scrolling out of the window draws it again around
// the new place. Prints and image files draw the columns they need the same way.
#include "elog/pictures.h"
#include "horizontal/draw/horzheader.h"
#include "horizontal/draw/horzpictures.h"
#include "horizontal/horzbands.h"
#include "horizontal/horzlogs.h"
#include "horizontal/horzpipeline.h"
#include "horizontal/horzsetup.h"
#include "horizontal/horztrack.h"
#include "horizontal/horzview.h"
#include "layout/pentable.h"
#include "platform/draw/imagelib.h"
#include "tracks/draw/customhorz.h"
#include "wellfile/record.h"
#include "wellfile/topsex.h"

#include <QImage>
#include <QStringList>

#include <array>
#include <functional>
#include <span>
#include <utility>
#include <vector>

namespace horizontal {

// The track points of one drawing: one array per gas (the ninth CO2), rate (and its stairs), gamma,
// the third lower-band curve and WRT gamma.
struct HorzPoints {
    std::array<std::vector<platform::POINT>, 9> gas;
    std::vector<platform::POINT> rate, rateStairs, gamma, third, wrt;
    // The parts of the curves that ran off the top of their bands, and whether any did.
    // The wrapped parts are what the off-scale fills fill; a curve fills only when it wrapped.
    std::vector<platform::POINT> rateWrap, gammaWrap, wrtWrap;
    bool rateWrapped = false, gammaWrapped = false, wrtGammaWrapped = false;
    int count = 0;  // the track points, two per record
};

// One record's lithology drawn by the main log's lithology painter, its items stacked downwards from
// (x, y); records[index] is the record.
using LithologyPainter =
    std::function<void(platform::Dc&, std::span<const wellfile::RECORD> records, std::size_t index, int x, int y)>;

// The main window's switches and colours the plot reads.
struct HorzPlotOptions {
    bool customTracks = false;   // the window has custom tracks
    bool gammaData = false;      // gamma on the drawn records, or e-log gamma loaded
    bool thirdCurve = false;     // the third lower-band curve is held and switched on
    bool co2Track = false;       // the main log's CO2 track
    bool hardness = false;       // the hardness strip under the show rows
    bool ratesPerHour = false;   // the window shows rates per hour
    int co2Scale = 1;            // the window's CO2 scale setting
    bool pictures = false;       // the window's picture option
    bool topCrossings = false;
    int gammaShift = 0;          // the window's shift count of the gamma fill
    int profile = 0;             // the logging-company profile
    int screenWidth = 1920;
    bool surveyBox = false, surveyTransparent = false;  // the survey entry's box and transparent flags
    platform::COLORREF gasFillColour = 0, gammaFillColour = 0, wrtFillColour = 0, slideColour = 0, wellPathColour = 0;
};

struct HorzPlot {
    // Inputs.
    const HorzViewSettings* settings = nullptr;
    std::span<const wellfile::RECORD> records;  // the load's buffer
    int first = 0;          // index of the first counted record
    int toDraw = 0;
    int counted = 0;
    std::int32_t drawFrom = 0;
    std::int32_t leastTvd = 0, greatestTvd = 0, previousGreatestTvd = 0;
    std::int32_t plotFirstDepth = 0, plotLastDepth = 1;
    int pixelsPerUnit = 8;
    bool headerShown = false;
    bool surveyDisplay = false;
    bool printing = false;
    bool targetLoaded = false, anchorGammaLoaded = false, targetGammaLoaded = false;
    int clientWidth = 0, clientHeight = 0, scrollHeight = 20;
    const wellfile::HorzSetupRecord* setup = nullptr;     // the record as read for this drawing
    bool sectionMissing = false, scalingAllowed = false;
    std::span<const wellfile::TOPSEX> allTops;
    const elog::PictureTable* pictures = nullptr;
    std::array<layout::PenSpec, layout::kPenCount> pens{};
    HorzPlotOptions options;
    int rateCode = 0;  // the records' greatest rate scale code, for the per-hour label
    // The window's custom-track list, laid out on a copy for the header (null: none).
    const layout::TrackSet* customList = nullptr;
    std::vector<QImage> lithTiles;  // by symbol number (40 x 11), built by the lithology tiles
    std::int32_t fileFirstDepth = 0, fileLastDepth = 0;  // the open data file's
    float kbElevation = 0;
    LithologyPainter lithology;  // none: no lithology is drawn
    // The third lower-band curve's values, one per record from the first counted (NaN: none), on the
    // scale -0.10 (top of the band) to 0.30.
    std::vector<float> thirdValues;
    HorzHeaderFacts headerFacts;
    HorzLogData logs;  // gamma, curve and target files; the tops' traced lines

    // What the drawing leaves.
    int plotLeft = 50;
    int width = 0, height = 0;
    HorzBands bands;
    layout::TrackSet headerTracks{};  // the kept custom tracks, then empty entries
    // The gas scale index the scale labels moved to with vertical gas scales (0: the set-up's); it
    // stays until the set-up is applied again.
    int gasScaleOverride = 0;
    SectionPlan sections;
    float tvdSpan = 0;
    TopsOfRange tops;
    HorzPoints points;
    std::vector<platform::POINT> wellPath;   // the drawn path line, from its first column
    std::vector<platform::POINT> pathTrace;  // the path read back from the image, one per column
    std::vector<platform::RECT> pathLabels;  // the TVD and VS labels' boxes: the lithology leaves them clear
    // Every label of the frame (MD, decade, full-scale, TVD and VS labels) and their pixels as the frame
    // left them: the path and the curves drawn later leave them clear.
    std::vector<platform::RECT> labelBoxes;
    std::vector<std::pair<QPoint, QImage>> labelPixels;
    std::vector<WellPathRow> wellPathTable;  // one row per record walked by the path, then ten zero rows
    int wellPathRows = 0;
    std::vector<float> pathSlopes;           // the path's slope at each record from the first drawn
    platform::RECT bitMarker{};              // around the last station drawn
    std::vector<tracks::HorzPictureFailure> pictureFailures;
    platform::ImageDescriptor image, image2;  // the window: plot columns from imageLeft on
    int imageLeft = 0;
    QImage headerImage;  // the header's columns while the window lies right of them
    bool headerButtonHides = false;  // the VIEW HEADER button reads "Hide Header"
    SymbolPalette symbolPalette{};   // the legend boxes drawn with the header (none without it)
    int printScaleKind = 0;
    HorzPictureLists pictureList;  // the view's own pictures (listPictures, pictureMarkers)
};

// The drawing's steps that other parts of the view provide; each does nothing until it is filled.
struct HorzPainters {
    using Step = std::function<void(platform::Dc&, HorzPlot&)>;
    std::function<void(HorzPlot&)> bandLayout;  // the bands and the path area
    Step wellPath;                              // frame, grids and the path line (fills wellPath)
    std::function<int(HorzPlot&)> trackPoints;  // fills the point arrays; their number
    std::function<void(HorzPlot&)> listPictures, lithTiles;
    Step pathLithology, targetPath, topCrossings, surveyLabels, header, pictureMarkers;
    Step gammaPanel, curveFiles, targetPanels, customTracks, notes;
    // The drawing's files, read before it by their part of the view: a gamma file from a TVD, the target
    // file from the least TVD. True when loaded.
    using Loader = std::function<bool(HorzPlot&, const QString& path, std::int32_t fromTvd)>;
    Loader anchorGamma, targetGamma, target;
    // A left click without Ctrl at image point (x, y): opens the picture whose box holds it; true when
    // one was opened (the click then ends there).
    std::function<bool(HorzPlot&, int x, int y)> openPicture;
};
// The view's painters as they stand.
HorzPainters DefaultPainters();
// The band layout of the drawing: the header tracks on a copy of the window's list, then the bands;
// the image grows when the path area needs it.
void LayOutPlotBands(HorzPlot& plot);

// Steps 1 to 17: range, tops, sizes, sections, then the window around plot column `visibleLeft` drawn
// (RenderWindow). Empty on success; on failure the message, and `plot` may be half made: callers draw
// on a copy and keep it only when this succeeds.
QString DrawPlot(HorzPlot& plot, const HorzPainters& painters, int visibleLeft = 0);
// Steps 7 to 17 into new window images holding the columns shown from `visibleLeft` on: around them, or
// ahead of them the way the view scrolls (`heading` above 0: right, below 0: left). The images are made
// before the old ones go: on failure the old window stays and the message is returned. The header's
// columns are drawn apart when the window does not hold them. Empty on success.
QString RenderWindow(HorzPlot& plot, const HorzPainters& painters, int visibleLeft, int heading = 0);
// The window's width: the whole plot when it is narrow, else room for a wide screen and its pages.
int WindowWidth(const HorzPlot& plot);
// True when the images hold plot columns [left, left + width).
bool WindowHolds(const HorzPlot& plot, int left, int width);
// Plot columns [left, left + width) drawn on a copy of the plot (the plot itself is left as it is),
// with the notes; a null image when it cannot be made.
QImage RenderColumns(const HorzPlot& plot, const HorzPainters& painters, int left, int width);
// The point arrays of one drawing let go once it is done (their count stays).
void FreeTrackArrays(HorzPlot& plot);
// The second image copied back into the first and the note texts drawn again; no plot painter runs.
void RestorePlotImage(HorzPlot& plot, const HorzPainters& painters);

// A Dc on one of the window's images, its origin at the window: painters and the mouse draw in plot
// columns.
class PlotDc : public platform::Dc {
public:
    PlotDc(const HorzPlot& plot, QImage& image) : Dc(image) { SetViewportOrg(-plot.imageLeft, 0); }
};
// True when anything drawn from plot column x0 to x1 (either order) can reach the window's columns.
bool InWindow(const HorzPlot& plot, int x0, int x1);
// The points of a curve that reach the window, with one point beyond each side so its lines and
// fills run on out of it.
std::span<const platform::POINT> PointsInWindow(const HorzPlot& plot, std::span<const platform::POINT> points);

// The painters of this file's steps.
int RecordX(const HorzPlot& plot, std::int32_t depth);
// A curve's line, and with `fill` its fill (FillCurve).
void DrawCurve(platform::Dc& dc, const HorzPlot& plot, std::span<const platform::POINT> points,
               const platform::Pen& pen, bool fill, platform::COLORREF fillColour, int bandBottom);
// On screen (not while printing): the points closed down to `bandBottom`, masked in `colour`.
void FillCurve(platform::Dc& dc, const HorzPlot& plot, std::span<const platform::POINT> points,
               platform::COLORREF colour, int bandBottom);
void DrawGasCurves(platform::Dc& dc, const HorzPlot& plot);
void DrawRateCurve(platform::Dc& dc, const HorzPlot& plot);
void DrawGammaCurve(platform::Dc& dc, const HorzPlot& plot);
void DrawThirdCurve(platform::Dc& dc, const HorzPlot& plot);
void DrawWrtGammaCurve(platform::Dc& dc, const HorzPlot& plot);
void DrawSlideMarks(platform::Dc& dc, const HorzPlot& plot);
void DrawShowRows(platform::Dc& dc, const HorzPlot& plot);
void DrawHardnessRow(platform::Dc& dc, const HorzPlot& plot);
void DrawMarkers(platform::Dc& dc, const HorzPlot& plot);
void DrawPictureBand(platform::Dc& dc, HorzPlot& plot);
void TraceWellPath(const platform::Dc& dc, HorzPlot& plot);
// The pixels round each box (a pixel wider all round) as they stand in the Dc's image, and putting them
// back after a drawing that must leave the boxes clear.
std::vector<std::pair<QPoint, QImage>> KeepPixels(const platform::Dc& dc, std::span<const platform::RECT> boxes);
void PutBack(platform::Dc& dc, const std::vector<std::pair<QPoint, QImage>>& kept);

// The grids, frame lines and labels (draw/horzgrids.cpp). Texts in the view's label font.
platform::Font LabelFont(const HorzPlot& plot);
void DrawGasGrid(platform::Dc& dc, const HorzPlot& plot);
void DrawGasLogGrid(platform::Dc& dc, const HorzPlot& plot);
void DrawLowerGrid(platform::Dc& dc, const HorzPlot& plot);
void DrawLowerLogGrid(platform::Dc& dc, const HorzPlot& plot);
// The TVD grid; the boxes of its labels.
std::vector<platform::RECT> DrawTvdGrid(platform::Dc& dc, const HorzPlot& plot);
// The TVD labels down column x; their boxes.
std::vector<platform::RECT> DrawTvdLabels(platform::Dc& dc, const HorzPlot& plot, int x, int section);
// The VS labels with their ticks; a record whose label or tick would meet one of `taken` (the TVD
// grid's labels) is passed over, the next one clear of them takes the label. The labels' boxes.
std::vector<platform::RECT> DrawVsLabels(platform::Dc& dc, const HorzPlot& plot,
                                         std::span<const platform::RECT> taken = {});
// The full scales of the linear tracks at column x for the record at `index` of the records.
void DrawScaleLabels(platform::Dc& dc, HorzPlot& plot, int index, int x);

// The well path (draw/horzpath.cpp): the frame in its order, the labels along the records, the path
// through the stations with its marks, then the fixed lithology band unless the lithology rides on the
// path. Fills wellPath, wellPathTable, pathSlopes and bitMarker; the number of stations.
int DrawWellPath(platform::Dc& dc, HorzPlot& plot);
// The lithology 25 pixels above the traced path, masked into the plot; the TVD and VS labels' boxes
// (and a pixel round them) keep what was drawn there before.
void DrawPathLithology(platform::Dc& dc, const HorzPlot& plot);
// A block of survey values over the path for every record with a TVD.
void DrawSurveyLabels(platform::Dc& dc, const HorzPlot& plot);
// The track points of the drawing into plot.points; the count the rows walk (two a record).
int FillTrackPoints(HorzPlot& plot);

// The whole plot as image files of format 1 (BMP) to 4 (PNG), drawn a window at a time. `pathOf` names
// the file for a range of depths. A BMP is one file whatever its width; a wider plot than an image can
// be goes into JPEG, TIFF or PNG files of kImagePieceUnits depth units each, named by their ranges.
// The files written (`written`) and 0, or the first failure's code (`failedPath` the file).
inline constexpr int kImagePieceUnits = 2000;
struct PlotImageFiles {
    QStringList written;
    QString failedPath;
    int code = 0;
};
PlotImageFiles SavePlotImage(const HorzPlot& plot, const HorzPainters& painters, int format,
                             const std::function<QString(std::int32_t first, std::int32_t last)>& pathOf);

}  // namespace horizontal
