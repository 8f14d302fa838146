#pragma once
// E-log curves, LAS export and log images. What the main window asks of this subsystem.
// Until the subsystem is built, the default services say so on stderr (commands also beep).
#include "elog/curverecord.h"
#include "wellfile/record.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <span>

namespace app {
struct LogState;
class WindowServices;
}  // namespace app

namespace elog {

#pragma pack(push, 1)
// The header items of a LAS file as the reader fills them (826 bytes).
struct LasHeader {
    std::int32_t start = 0;  //   0 STRT, fraction dropped
    std::int32_t stop = 0;   //   4 STOP, fraction dropped
    float step = 0;          //   8 STEP
    float ekb = 0;           //  12 EKB, the e-log's KB elevation
    float nullValue = 0;     //  16 NULL
    char texts[10][80] = {}; //  20 COMP, WELL, FLD, LOC, CNTY, STAT, SRV, DAT, API, UWI
    std::uint8_t gasInPpm = 0;     // 820 set by the import dialog: gas columns in ppm
    std::uint8_t rateAsSpeed = 0;  // 821 set by the import dialog: the rate column in units per hour
    std::uint8_t spare[4] = {};
};
#pragma pack(pop)
static_assert(sizeof(LasHeader) == 826);

// What the LAS reader answers: the reader itself reported the file, the header is unusable, or read.
constexpr int kLasReported = -1;
constexpr int kLasRefused = 0;
constexpr int kLasRead = 1;

// The import dialog's target: e-log curves or the depth records.
constexpr int kImportCurves = 0;
constexpr int kImportRecords = 1;

class ElogServices {
public:
    virtual ~ElogServices() = default;
    // Command 18933: the log saved as an image.
    virtual void CmSaveAsImage(app::LogState& log) = 0;
    // Command 51684: LAS export.
    virtual void CreateLasFile(app::LogState& log) = 0;
    // The custom LAS file of `start` .. `stop` (elog/ui/customlascommand.h); the drilling step and the
    // remote refresh ask for the whole file with the update copy. It needs the window: the default does
    // nothing.
    virtual void ExportCustomLas(app::LogState& log, std::int32_t start, std::int32_t stop, bool sendMode,
                                 bool updateCopy);

    // The curve set of the window (engines.elogCurves): made when there is none, deleted, and its data
    // buffer freed.
    virtual void EnsureCurves(app::LogState& log);
    virtual void DeleteCurves(app::LogState& log);
    virtual void FreeCurveData(app::LogState& log);
    // Reads the header of `lasPath` (kLas* answers) and the bit size item; then its data (0 when the
    // memory is not available).
    virtual int ReadLasHeader(app::LogState& log, const QString& lasPath, LasHeader& header, float& bitSize);
    virtual int ReadLasData(app::LogState& log, const QString& lasPath);
    // The import dialog: chooses the columns into `columnMap`; IDOK or IDCANCEL.
    virtual int RunImportDialog(app::LogState& log, const QString& lasPath, const QString& destination,
                                LasHeader& header, std::span<std::byte> columnMap, int mode);
    // Writes a new curve file, merges into an existing one, or writes the columns into the depth records.
    virtual void ImportLas(app::LogState& log, const QString& lasPath, const QString& curveFile,
                           const LasHeader& header, std::span<const std::byte> columnMap, float bitSize);
    virtual void MergeLas(app::LogState& log, const QString& lasPath, const QString& curveFile,
                          const LasHeader& header, std::span<const std::byte> columnMap, float bitSize);
    virtual void ImportAscii(app::LogState& log, const QString& lasPath, const LasHeader& header,
                             std::span<const std::byte> columnMap);
    // The KB elevation the curve set draws with.
    virtual void SetCurvesKb(app::LogState& log, float kb);
    // The rows of the loaded curve set (empty while none is loaded).
    virtual CurveRows CurveData(app::LogState& log);
    // The water saturation dialog on the curve set from depth `viewTop`, run modally.
    virtual void RunWaterSaturation(app::LogState& log, std::int32_t viewTop);
    // The e-log read-out (the water saturation table) of the log's row of `depth`; 1 when shown.
    virtual int ShowElogReadout(app::LogState& log, std::int32_t depth);
    // Copies the pictures of `folder` into the data folder's "bitmaps/" under the well name `wellName`.
    virtual void ImportImagesFromFolder(app::LogState& log, const QString& folder, const QString& wellName);

    // The "TVD WELL DATA" dialog (TvdDlg, dialog 24) with its TVD file object, run modally on `records`:
    // every record of the open file and ten zeroed ones after them. Mode 0 memo mode (the station memo
    // only), 1 survey mode. Both need a window; without one nothing runs.
    virtual void RunTvdDialog(app::LogState& log, std::span<wellfile::RECORD> records, int mode);
    // The same dialog in survey mode building the TVD log file at once instead of running; true when it
    // built the file.
    virtual bool CreateTvdLog(app::LogState& log, std::span<wellfile::RECORD> records);
    // Reads the horizontal target data of the text file `path` into the well's ".trg" (local folder);
    // says itself how it went.
    virtual void ImportTargetData(app::LogState& log, const QString& path);
};

// The services in force for this subsystem.
ElogServices& DefaultElogServices();

// The window's curve set as its commands handle it: loaded, replaced, closed, and handed to the
// painters. Only these calls and ElogServices::EnsureCurves make or drop `Engines::elogCurves`.

// Replaces the window's curve set by one loaded from `curveFile`, restores the file's stored depth shift
// and applies the scheme again. A missing or unreadable file removes the set. 0 after "Elog Data Not
// Loaded" when no set can be made, else 1.
int LoadElog(app::LogState& log, app::WindowServices& window, const QString& curveFile);
// Drops the window's curve set (before its file changes).
void CloseElog(app::LogState& log);
// The well's own curve file, found with no scheme naming it: the window keeps it as its curve file, the
// first scheme shows the e-log track, and the file is stored with its shift for the selected scheme.
void LinkElogToScheme(app::LogState& log, const QString& curveFile);
// Hands the window's curve set, or its absence, to everything that reads it: the painters' row view
// and automatic lithology, the e-log shown flag and the depth match's KB elevation. Called after every
// change of the set or of the e-log depth shift.
void PublishCurves(app::LogState& log);

}  // namespace elog
