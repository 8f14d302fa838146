#pragma once
// The remote monitor of a station that follows a well logged elsewhere: the settings record's fields as
// the set-up dialog shows and stores them, the update packages taken from the receive folder one at a
// time, and the tick counter of the remote refresh.
#include "app/exchangestate.h"
#include "wellfile/remoteconfig.h"

#include <QDateTime>
#include <QString>

namespace exchange {

// The set-up dialog's fields. In drilling mode `copy` is the update-package option and `interval` the
// send interval in depth units; in office mode the copy flag and the polling interval in seconds.
struct RemoteSetupFields {
    bool start = false;
    QString receiveFolder;
    bool copy = false;
    QString destinationFolder;
    QString interval;
};

// What the dialog shows for `config`: the interval as stored, or 30 (office, stored below 10) or 10
// (drilling, stored below 1); the data folder with the start flag off when no receive folder is set;
// "Not Selected" with the copy flag off when no destination is set.
RemoteSetupFields SetupFieldsOf(const wellfile::RemoteConfig& config, bool drilling, const QString& dataFolder);

// The dialog's fields stored into `config` after OK: an office interval below 10 is stored as 60, a
// drilling interval below 1 as 2; both folders get a trailing "\" (texts held to their field less the
// separator and the NUL); a receive folder that names none clears the start flag, a destination that
// names none clears the copy flag and the update-package option.
void StoreSetupFields(wellfile::RemoteConfig& config, const RemoteSetupFields& fields, bool drilling);

// What the open well's state keeps of the receive folder (app/exchangestate.h).
using app::ReceiveState;
using app::SeenPackage;

struct ReceivePlaces {
    QString receiveFolder;      // with or without trailing separator
    QString dataFolder;         // the packages are unpacked here; its "download.txt" gets the failures
    QString destinationFolder;  // empty: none
    bool copyOn = false;        // copy each package to the destination before unpacking it
};

enum class PollOutcome {
    None,      // no package waits
    NoFolder,  // the receive folder is not there (a share away): said in "download.txt" once
    Waiting,   // a package still changes (or failed once on first sight, or the data folder cannot be
               // written): left for the next tick
    Taken,     // unpacked whole into the data folder and deleted
    Rejected,  // moved to "rejected/" of the receive folder with a line in "download.txt"
};

struct PollResult {
    PollOutcome outcome = PollOutcome::None;
    QString package;  // bare name
    QString reason;   // why it was rejected, or why it waits (the data folder cannot be written)
};

// Looks at the first "*.sv8" of the receive folder in name order and takes it when it is unchanged
// since the last look and the data folder can be written (else it waits, said once in "download.txt" of
// the data folder, or of the receive folder when the data folder's cannot be written): its entries
// checked (a package "<well>.sv8" holds only that well's files, no entry larger than a station unpacks,
// its ".svm" whole records from a first depth of 1 or more), unpacked all or nothing, the dated day files
// it brought filed into "wits/" and "chart/", and only then copied on when asked. Never shows a box.
PollResult TakeReceivedPackage(const ReceivePlaces& places, ReceiveState& state);

// What the status line says after a poll: a receive folder that is not there, a package that waits for
// the data folder, one refused, or one of another well than `openWell` taken (its well named); empty
// when there is nothing to say.
QString PollStatusText(const PollResult& result, const QString& receiveFolder, const QString& openWell,
                       const QDateTime& now);

// The caption after a package was taken: "<well>.svm  Last Updated AT <12-hour time>,  <m>/<d>/<yyyy>  ",
// the month right-aligned in two places.
QString ReceivedCaption(const QString& wellName, const QDateTime& now);

// The remote refresh's tick counter moved on: after 999 it starts again at 0.
int NextRefreshTick(int tick);

// What one refresh tick does besides reloading.
struct RefreshChores {
    bool exportLas = false;          // every 10th tick (not 0) with "Auto Create Las"
    bool deleteConflicts = false;    // live update on, not drilling, profile other than 66
    bool removeOtherWells = false;   // the same, every 5th tick
};
RefreshChores RefreshChoresOf(int tick, bool autoLas, bool liveUpdate, bool drilling, int profile);

// The PDF pick-up: `source` is moved to `target` when `pending` (the caller then clears the flag),
// else deleted when present. 1 when a PDF was moved.
int PickUpPdf(const QString& source, const QString& target, bool pending);

}  // namespace exchange

namespace exchange {

// The record as a well is opened or drilling starts or stops.
struct RemoteLoad {
    bool start = false;           // start the monitor now
    bool copy = false;
    QString receiveFolder;        // the record's texts as stored
    QString destinationFolder;
    bool refused = false;         // not the first running copy, and the start flag asked for the monitor
    // While drilling: the update packages' send interval and depth units, and the hand-over paths of the
    // WITS copy thread.
    int sendInterval = 0;
    int depthUnits = 0;
    QString handOverFolder, handOverFile, destinationFile;
};

// Reads "svdlcfg.cfg" (writing an empty record when there is none of the right size). Without the
// monitor permission and outside drilling the start and copy flags count as off; while drilling the copy
// flag is off and depth units below 2 mean 100.
RemoteLoad LoadRemoteConfig(const QString& dataFolder, const QString& wellName, bool drilling, bool permission,
                            bool firstInstance);

}  // namespace exchange
