#pragma once
// What the open well's state keeps for the exchange work (exchange/): the backups' options and last
// copies, and the remote monitor's packages seen in the receive folder.
#include <QDateTime>
#include <QString>

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>

namespace app {

// The options the backup dialog set, the last backed-up depth and the path of the last dated copy.
struct BackupState {
    bool compress = false;    // the drive backup is one zip of the well's files
    bool gasCharts = false;   // today's gas chart file zipped to the drive too
    bool witsCharts = false;  // today's WITS file zipped to the drive too (with the link on)
    bool svFile = false;      // the well's ".sv_" package copied to the drive's root (once)
    bool skipSizeCheck = false;
    std::int32_t requestDepth = 0;       // the bottom when the last drive backup was asked for
    std::int32_t lastBackedUpDepth = 0;  // the bottom at the last good drive backup
    QString lastBackupPath;              // the last dated copy
};

// A package seen in the receive folder: its size and last write at the last look.
struct SeenPackage {
    qint64 size = -1;
    QDateTime modified;
    bool failedOnce = false;  // unpacking failed once on an unchanged file: it may still be arriving
    bool waitLogged = false;  // its wait for a data folder that cannot be written is logged
};

// What the remote monitor (and the update package of a sending station) keep between ticks, in the
// open well's state.
struct ReceiveState {
    std::map<QString, SeenPackage> seen;  // by bare name
    int refreshTick = 0;                  // the remote refresh's counter, 0 to 999
    bool working = false;                 // a tick's work runs: a tick arriving meanwhile is skipped
    bool folderMissingLogged = false;     // the missing receive folder is in "download.txt"
    // The day of the last update package that reached its destination (a Julian day, 0: none yet). The
    // file copy thread sets it, so the day before's last minutes are sent again until one arrived.
    std::shared_ptr<std::atomic<qint64>> deliveredDay = std::make_shared<std::atomic<qint64>>(0);
};

}  // namespace app
