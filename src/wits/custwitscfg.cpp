#include "wits/custwitscfg.h"

#include "platform/folders.h"
#include "wellfile/fileattrs.h"
#include "wellfile/wholefile.h"

#include <QFile>

#include <cstring>

namespace wits {

namespace {

QString CfgPath(const QString& dataFolder)
{
    return platform::FindFileNoCase(dataFolder, QStringLiteral("custwits.cfg"));
}

}  // namespace

void DefaultCustWitsConfig(CUSTWITSCFG& cfg)
{
    std::memset(&cfg, 0, sizeof cfg);
    cfg.comPort = 1;
    cfg.trackDepth = 1;
    cfg.sendTotalGas = 1;
    cfg.baudIndex = 2;
    cfg.replyTimeoutMs = 2500;
    cfg.intervalSeconds = 4.0f;
    cfg.unused48 = 1;
    cfg.hotWireAttenuator = 1.0f;
    cfg.chromatAttenuator = 1.0f;
    cfg.thirdFactor = 1.0f;
}

int ReadCustWitsConfig(const QString& dataFolder, CUSTWITSCFG& cfg)
{
    const QString path = CfgPath(dataFolder);
    wellfile::SetNormalAttributes(path);
    std::memset(&cfg, 0, sizeof cfg);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > qint64(sizeof cfg)) {
        DefaultCustWitsConfig(cfg);
        return 1;
    }
    const qint64 got = file.read(reinterpret_cast<char*>(&cfg), qint64(sizeof cfg));
    if (got < 0)
        DefaultCustWitsConfig(cfg);
    return 1;
}

int WriteCustWitsConfig(const QString& dataFolder, const QString& wellName, const CUSTWITSCFG& cfg)
{
    if (wellName.isEmpty())
        return 0;
    const QString path = CfgPath(dataFolder);
    wellfile::SetNormalAttributes(path);
    return wellfile::WriteWholeFile(path, &cfg, sizeof cfg) ? 1 : 0;
}

QString CheckFieldRange(const QString& field, const QString& text, int low, int high)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (ok && value >= low && value <= high)
        return {};
    return QStringLiteral("%1 must be a whole number from %2 to %3").arg(field).arg(low).arg(high);
}

}  // namespace wits
