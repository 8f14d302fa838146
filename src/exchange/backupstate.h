#pragma once
// What the window keeps of its backups: the options the backup dialog set, the last backed-up depth
// and the path of the last dated copy.
#include <QString>

#include <cstdint>

namespace exchange {

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

}  // namespace exchange
