#include "wellfile/wellconfig.h"

#include "platform/folders.h"
#include "platform/text.h"
#include "wellfile/activitylog.h"
#include "wellfile/copyout.h"
#include "wellfile/layoutfiles.h"
#include "wellfile/profile.h"
#include "wellfile/settingsblock.h"
#include "wellfile/wholefile.h"

#include <QFileInfo>

#include <cstring>
#include <memory>
#include <string>

namespace wellfile {

namespace {
const QString kCfg = QStringLiteral(".cfg");
const QString kDefaultCfg = QStringLiteral("default.cfg");

bool IsScratchWell(const QString& wellName) { return wellName.startsWith(u'~'); }
}  // namespace

WellConfig DefaultWellConfig(const ConfigDefaults& window)
{
    WellConfig c;
    std::memset(&c, 0, sizeof c);
    c.logScaleKind = 1;
    c.rateLineStyle = window.rateLineStyle;
    c.gasLineStyle = window.gasLineStyle;
    c.rateUnitPerHour = 1;
    c.setting16 = 1;
    c.maxGasEntries = 8;
    c.hotwire = 1;
    c.lagAlarmInterval = 10;
    c.topsLine = 1;
    c.minSecondsPerUnit = 4;
    c.tenFootRatesFromFive = 1;
    c.curveSetting = 4;
    c.logBodySetting = 1;
    platform::SetFieldText(c.backupDrive, "C:\\");
    c.switchPolarity = 2;
    c.gasInstrumentType = -1;
    c.linesAndScalesSet = 1;
    c.sendTopsFile = 1;
    c.sendConfigFile = 1;
    c.sendGasViaWits = 1;
    c.reverseCo2 = (FeetFormatProfile(window.loggerId)) ? 1 : 0;
    c.copyOptions.liveUpdateInterval = 2;
    c.sendColourFile = window.sendColourFile;
    c.useHardnessLabel = 1;
    c.plotInterpretedLith = 1;
    return c;
}

QString OwnConfigPath(const WellPlace& place, bool fieldSettings)
{
    const QString& folder = (place.sharedFolderWell && fieldSettings) ? place.dataFolder : place.currentFolder;
    return platform::FindFileNoCase(folder, place.wellName + kCfg);
}

QString ConfigReadPath(const WellPlace& place, bool fieldSettings)
{
    if (!place.drilling && QFileInfo::exists(platform::FindFileNoCase(place.workingFolder, kDefaultCfg)))
        return platform::FindFileNoCase(place.dataFolder, kDefaultCfg);
    return OwnConfigPath(place, fieldSettings);
}

int LoadConfig(WellConfig& config, const WellPlace& place, bool fieldSettings)
{
    std::memset(&config, 0, sizeof config);
    if (place.wellName.isEmpty())
        return 0;
    const QString path = ConfigReadPath(place, fieldSettings);
    if (ReadExactFile(path, &config, sizeof config))
        return 1;
    // A "default.cfg" that cannot be read stands in for nothing: the well's own settings are read.
    const QString own = OwnConfigPath(place, fieldSettings);
    return own != path && ReadExactFile(own, &config, sizeof config) ? 1 : 0;
}

QString KeepBadConfigAside(const WellPlace& place, bool fieldSettings)
{
    if (place.wellName.isEmpty())
        return {};
    const QFileInfo own(OwnConfigPath(place, fieldSettings));
    if (!own.isFile() || own.size() == qint64(sizeof(WellConfig)))
        return {};
    return wellfile::KeepAside(own.filePath());
}

int SaveConfig(const WellConfig& config, const WellPlace& place, bool& fieldSettings)
{
    if (place.wellName.isEmpty())
        return 0;
    bool ok = true;
    QString folder = place.currentFolder;
    if (place.sharedFolderWell) {
        auto dbc = std::make_unique<SettingsBlock>();
        fieldSettings = true;
        folder = place.dataFolder;
        const QString dbcPath = DbcFilePath(place);
        if (!LoadDbc(*dbc, place) && QFileInfo(dbcPath).isFile()) {
            // Written over, it would lose the well's time zone, folder flags and track source.
            const QString text = dbcPath + QStringLiteral(" cannot be read and was left as it is");
            std::string line = platform::ToCp1252(text).toStdString();
            WriteActivityLog(line, ActivityLogContext{place.dataFolder, std::nullopt, 1});
        } else {
            dbc->fieldSettings = 1;
            ok = SaveDbc(*dbc, place) == 1;
        }
    }
    WellConfig out = config;
    if (IsScratchWell(place.wellName))
        out.drillingAtExit = 0;
    if (!WriteWholeFile(platform::JoinPath(folder, place.wellName + kCfg), &out, sizeof out))
        return 0;
    if (place.drilling && out.copyOptions.copyOut && out.copyOptions.remoteCopy)
        wellfile::CopyWellFileOut(place.dataFolder, place.wellName, kCfg, QStringLiteral("remote"));
    return ok ? 1 : 0;
}

bool RestartsInDrilling(const WellConfig& config, const QString& wellName)
{
    return config.drillingAtExit != 0 && !IsScratchWell(wellName);
}

}  // namespace wellfile
