#pragma once
// What opening a well and starting up ask of the parts of the program that are built elsewhere: the
// menus and tool windows of the main window, the log layout and view, and the exchange of well files.
// Each call has a default for a host without the window (app/nowindow.h): a hook does nothing, so an
// open goes on without it; the window (or a test) replaces the services it has. A default that does a
// subsystem's own work is defined in that subsystem's folder (reports/shortreports.cpp,
// elog/picturewindow.cpp, elog/elog_services.cpp, exchange/wellexchange.cpp).
#include <QString>

namespace drilling { class DrillingServices; }

namespace app {

struct LogState;
struct WellServices;

// The main window itself: menus, caption-free window work and the tool windows it owns.
class WindowServices {
public:
    virtual ~WindowServices() = default;
    virtual void AssignMenu(LogState& log, int resource);   // 1 office menu, 3 drilling menu
    virtual void BuildMenu(LogState& log, int mode);        // after a change of file, mode or lists
    virtual void RebuildMenu(LogState& log);
    virtual void CloseToolWindows(LogState& log);           // quick bar, horizontal view, charts, log image
    virtual void DestroyQuickBar(LogState& log);            // keeps its position in the well settings
    virtual void Invalidate(LogState& log);                 // repaint the log when painting is not held
    virtual void DowntimeReport(LogState& log);             // rebuilds the downtime depth index
    // A window that shows the data file's records or the e-log curves as text is open or data entry
    // is under way: commands that rewrite the data file beep instead.
    virtual bool DataFileBusy(LogState& log);
    // The status box of a long file operation: its two lines set and the box shown; closed, after
    // `lingerMs` so that a last line can be read (the caller does not wait). Without a window nothing.
    virtual void ShowStatus(LogState& log, const QString& line1, const QString& line2);
    virtual void CloseStatus(LogState& log, int lingerMs);
    // The window's status line: what went wrong in unattended work (no box); an empty text clears it.
    virtual void SetStatusText(LogState& log, const QString& text);
    // The remote settings read again (drilling starts or stops): the monitor started when they ask.
    virtual void LoadRemoteConfig(LogState& log);
};

// The log's layout and content loaders of the other subsystems.
class ViewServices {
public:
    virtual ~ViewServices() = default;
    virtual void SetLogFormat(LogState& log, int profile);
    virtual void BuildGridBitmaps(LogState& log);
    virtual void ApplyScheme(LogState& log, int scheme);
    // The well's ".svc" was found with no scheme naming it: the selected scheme takes it.
    virtual void LinkElogToScheme(LogState& log, const QString& curveFile);
    virtual void LoadCustomTracks(LogState& log);
    virtual void LoadMemos(LogState& log);
    // Replaces the e-log curve set by one loaded from `curveFile` (none when it is missing); 0 when no
    // set could be made. CloseElog drops the set before its file changes.
    virtual int LoadElog(LogState& log, const QString& curveFile);
    virtual void CloseElog(LogState& log);
    // Hands the curve set, or its absence, to everything that reads it, after a change of its depth shift.
    virtual void PublishCurves(LogState& log);
    // The well's new pictures taken into its picture folder, and its picture list (elog/picturewindow.h).
    virtual void ImportNewImages(LogState& log, const QString& wellName);
    virtual void LoadImageList(LogState& log);
    virtual void LoadShortReports(LogState& log);
    virtual void LoadWellTitle(LogState& log);
    // The image of the whole log the image view draws from: made when there is none (and none is being
    // made), and freed.
    virtual void CreateLogImage(LogState& log);
    virtual void FreeLogImage(LogState& log);
};

// Copies, archives, backups and the remote monitor.
class ExchangeWellServices {
public:
    virtual ~ExchangeWellServices() = default;
    virtual void ApplyPendingUpdates(LogState& log, const QString& pattern);
    // The well's file set copied from the folder of the open file into `targetFolder` (the logged one:
    // the smaller set, the folder made when missing).
    virtual void CopyWellFiles(LogState& log, const QString& wellName, const QString& targetFolder);
    virtual void CopyWellFilesLogged(LogState& log, const QString& wellName, const QString& targetFolder);
    virtual void CopyFromFieldFolder(LogState& log);
    virtual void ArchiveChartFile(LogState& log, const QString& path);
    virtual void ArchiveWitsFile(LogState& log, const QString& path);
    virtual void RenameReceivedImage(LogState& log);
    // The remote monitor's look into the receive folder (one package a tick) or, for a well opened in
    // another folder, at the data file's bottom.
    virtual void PollReceiveDir(LogState& log, const WellServices& services);
    // The dated copies of the well kept to the ten deepest; 0 when there is none.
    virtual int BackupWellFiles(LogState& log, int flag);
    // The dated copies of the data and custom-data files in the data folder's "backup/" (with `flag`, on
    // the removable backup drive when it is mounted); 1, or 0 when busy or the copy failed.
    virtual int BackupData(LogState& log, int flag);
};

WindowServices& DefaultWindowServices();
ViewServices& DefaultViewServices();
ExchangeWellServices& DefaultExchangeWellServices();

// The set an open or a start-up works with. `drilling` switches drilling mode (its command).
struct WellServices {
    WindowServices* window = &DefaultWindowServices();
    ViewServices* view = &DefaultViewServices();
    ExchangeWellServices* exchange = &DefaultExchangeWellServices();
    drilling::DrillingServices* drilling = nullptr;
};

}  // namespace app
