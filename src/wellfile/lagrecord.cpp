#include "wellfile/lagrecord.h"

#include "drilling/pumpstrokes.h"
#include "exchange/copyout.h"
#include "platform/folders.h"
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
    return ReadExactFile(path, &lag, sizeof lag) ? 1 : 0;
}

int SaveLag(const LagRecord& lag, const WellPlace& place, const std::string& backupDrive, PumpStrokeState& pumps)
{
    if (place.wellName.isEmpty() || !WriteWholeFile(LagFilePath(place), &lag, sizeof lag))
        return 0;
    if (pumps.drillerLag)
        *pumps.drillerLag = lag;
    if (pumps.strokeCounting && pumps.strokeSourceConfigured) {
        const std::array<bool, 3> toggle = PumpThreadsToToggle(lag, pumps.threadRunning);
        for (int i = 0; i < 3; ++i)
            if (toggle[i])
                drilling::TogglePumpThread(i);
        drilling::ApplyLagSettings();
        drilling::ClearStrokeBox();
    }
    const QString drive = QString::fromStdString(backupDrive);
    // Drive letters are resolved to mount points by the copy itself.
    if (place.drilling && !drive.isEmpty() && drive.compare(QStringLiteral("C:\\"), Qt::CaseInsensitive) != 0)
        exchange::CopyWellFileOut(place.dataFolder, place.wellName, QStringLiteral(".lag"), drive + place.wellName + u'\\');
    return 1;
}

}  // namespace wellfile
