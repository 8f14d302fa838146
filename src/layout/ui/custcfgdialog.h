#pragma once
// "StrativM Custom Tracks" (resource 64): lays out the custom tracks of the log. The dialog edits the 15
// track entries of a working copy of the well's layout record in place; the caller saves that copy only
// when the dialog ends with DONE (1). Every other end (2) drops the edits: the close box, Escape, and the
// view choice and settings button, which reload the tracks themselves before ending the dialog.
//
// A few actions act at once whatever the end: the maximum gas scale written into the data file's
// records, the e-log lithology table saved from ADVANCED, "Use Custom Scheme", a view copied in and the
// settings source switched.
#include "layout/custchartcfg.h"
#include "platform/ui/formdialog.h"
#include "platform/winapi.h"

#include <QPointer>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>

namespace layout {
class RangeDlg;
}

namespace layout {

namespace custid {
constexpr int Track = 101, Data = 102, Minimum = 103, Maximum = 104, Blocks = 105, Width = 106, CurveLabel = 109,
              TrackLabel = 124;
constexpr int Curve1 = 110, Curve2 = 111, Curve3 = 115, Curve4 = 1163, Curve5 = 1290, Curve6 = 1311;
constexpr int Reverse = 112, Logarithmic = 117, Thin = 1191, Medium = 1201, Heavy = 1210, MudWeight = 122,
              Fill = 123, Ppm = 121, PicturesActualSize = 135, HideDescriptions = 136, AllowOnHorz = 137,
              UseCustomScheme = 138, LithFromElog = 139, VerticalLabel = 141;
constexpr int PenColor = 113, ColourText = 114;
constexpr int MaxGasScale = 119, MaxGasScaleLabel = 132, ScaleInterval = 129, ScaleIntervalLabel = 133;
constexpr int Scheme = 130, SchemeLabel = 134, Predefined = 126, PredefinedLabel = 125, View = 127, ViewLabel = 128;
constexpr int FitData = 1116, FitDataLabel = 1170;
constexpr int Save = 108, Delete = 131, SaveViewAs = 116, SettingsSource = 120, Advanced = 140, Done = 1;
}  // namespace custid

// What the dialog shows besides the track entries.
struct CustCfgContext {
    QString dataFolder;     // ends with '/'
    QString currentFolder;  // ends with '/'
    QString wellName;
    QString configPath;     // the well's layout file (".grdx") as the window reads and saves it
    std::int32_t fileTopDepth = 0, fileBottomDepth = 0, viewTopDepth = 0;
    int loggerId = 0;
    bool drilling = false;
    bool elogLoaded = false;         // e-log curves are loaded
    bool sharedFolderWell = false;   // no views for a well in a shared folder
    bool predefinedTracksOption = false;  // the Predefined Tracks and Select View lists exist
    bool fitDataEnabled = false;     // the FIT curves and FIT layouts exist
    bool secondFolderOption = false;
    bool hardnessColumn = false;     // code 23 reads "HARDNESS", else "CALCIMITER"
    std::int32_t customTrackSource = 0;  // 1: the layout of the data folder is used
    bool useCustomScheme = false;
    platform::COLORREF fitC5 = 0, fitC6 = 0;  // the colours of the C5 and C6 pens
};

// The window's side of the dialog; each call may be left empty.
struct CustCfgHost {
    std::function<void(bool on)> setUseCustomScheme;
    // The six names of the well's display schemes; false when they cannot be read.
    std::function<bool(std::array<QString, 6>& names)> loadSchemeNames;
    // The maximum gas scale `value` for the records from depth `from` to `to`.
    std::function<void(std::uint16_t value, std::int32_t from, std::int32_t to)> writeMaxGasScale;
    // Stores the settings source (1: the layout of the data folder) in the well's user settings; false
    // when it could not be stored (the user has been told).
    std::function<bool(std::int32_t source)> setTrackSource;
    // The window takes the layout file again: counts and lays out its tracks and repaints.
    std::function<void()> reloadTracks;
    // The e-log lithology setup.
    std::function<void(QWidget* parent)> advanced;
};

class CustCfgDlg : public platform::FormDialog {
public:
    // `config` is the working copy; `initialTrack` the track shown first (0..14).
    CustCfgDlg(QWidget* parent, CUSTCHARTCFGEX& config, int initialTrack, const CustCfgContext& context,
               CustCfgHost& host);
    ~CustCfgDlg() override;

    int currentTrack() const { return currentTrack_; }
    int trackCount() const { return trackCount_; }

protected:
    void SetupWindow() override;

private:
    CustomTrackEntry& Track() { return tracks_[currentTrack_]; }
    int CheckedCurve() const;
    void FillViewList();
    void ShowKindRules();
    void ShowLineWidth();
    void ShowColour();
    void ShowScaleInterval();
    void DisableFixedKind();
    void ShowCurve();

    void SelectTrackOrCurve();
    void SelectPredefinedTrack();
    void SelectData();
    void SelectView();
    void CmSave();
    void CmDelete();
    void CmPenColor();
    void CmSaveViewAs();
    void CmSettingsSource();
    void CmAdvanced();
    void ToggleLogScale();
    void MinKillFocus();
    void MaxKillFocus();
    void BlockCountKillFocus();
    void BlockWidthKillFocus();
    void GasScaleKillFocus();
    void ScaleKillFocus(int edit, float (CustomTrackEntry::*scale)[kCurvesPerTrack]);
    void SizeKillFocus(int edit, std::int32_t CustomTrackEntry::*size);
    // The window took a new layout file: reload and end the dialog.
    void ReloadAndEnd();

    CustomTrackEntry* tracks_;
    CustCfgContext context_;
    CustCfgHost& host_;
    int currentTrack_ = 0;
    int trackCount_ = 0;
    int currentCurve_ = 0;
    int dataCode_ = 0;
    QPointer<layout::RangeDlg> rangeDialog_;
};

// The views folder of the data folder ("views", found without regard to letter case).
QString ViewsFolder(const QString& dataFolder);
// "default" and the layout files of the views folder, sorted without regard to case.
QStringList ViewNames(const QString& dataFolder);

}  // namespace layout
