#include "wellfile/lagrecord.h"

#include "platform/folders.h"
#include "wellfile/backupdrive.h"
#include "wellfile/wholefile.h"

namespace wellfile {

std::array<bool, 3> PumpThreadsToToggle(const LagRecord& lag, const std::array<bool, 3>& running)
{
    std::array<bool, 3> toggle{};
    for (int i = 0; i < 3; ++i) {
        const bool wanted = lag.allPumps != 0 || lag.pumpOnHole[i] != 0;
        toggle[i] = wanted != running[i];
    }
    return toggle;
}

QString LagFilePath(const WellPlace& place) { return platform::JoinPath(place.dataFolder, place.wellName + QStringLiteral(".lag")); }

int LoadLag(LagRecord& lag, const WellPlace& place)
{
    if (place.wellName.isEmpty())
        return 0;
    const QString path = platform::FindFileNoCase(place.dataFolder, place.wellName + QStringLiteral(".lag"));
    LagRecord read{};
    if (ReadFilePrefix(path, &read, sizeof read) < kMinLagFileSize)
        return 0;
    lag = read;
    return 1;
}

int SaveLag(const LagRecord& lag, const WellPlace& place, const std::string& backupDrive, PumpStrokeState& pumps)
{
    if (place.wellName.isEmpty() || !WriteWholeFile(LagFilePath(place), &lag, sizeof lag))
        return 0;
    if (pumps.takeLag)
        pumps.takeLag(lag);
    if (pumps.strokeCounting) {
        if (pumps.strokeSourceConfigured && pumps.togglePump) {
            const std::array<bool, 3> toggle = PumpThreadsToToggle(lag, pumps.threadRunning);
            for (int i = 0; i < 3; ++i)
                if (toggle[i])
                    pumps.togglePump(i);
        }
        // The counter takes new outputs and lag strokes whatever counts the strokes.
        if (pumps.strokesTakeSettings)
            pumps.strokesTakeSettings();
    }
    if (place.drilling)
        CopyToBackupDrive(
            place.dataFolder, place.wellName, QStringLiteral(".lag"), QString::fromStdString(backupDrive));
    return 1;
}

}  // namespace wellfile
