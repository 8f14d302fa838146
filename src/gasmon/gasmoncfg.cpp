#include "gasmon/gasmoncfg.h"

#include "platform/folders.h"
#include "wellfile/backupdrive.h"
#include "wellfile/fileattrs.h"
#include "wellfile/wholefile.h"

#include <QFileInfo>

#include <array>
#include <cstring>

namespace gasmon {

namespace {

bool GasPortValid(std::int32_t port) { return port >= 1 && port <= 9; }
bool WitsPortValid(std::int32_t port) { return port >= 0 && port <= 9; }

}  // namespace

QString GasmonCfgPath(const QString& folder) { return platform::FindFileNoCase(folder, QStringLiteral("gasmon.cfg")); }

int ReadGasmonCfg(GASMONCFG& cfg, const GasmonCfgPlace& place)
{
    std::memset(&cfg, 0, sizeof cfg);
    const QString path = GasmonCfgPath(place.folder);
    wellfile::SetNormalAttributes(path);
    // A longer file is someone else's record: it is neither read nor written over. An empty one holds
    // nothing to keep, so the setup starts from its first defaults as for a missing file.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > qint64(sizeof cfg) || info.size() == 0)
        return 0;
    GASMONCFG read{};
    if (wellfile::ReadFilePrefix(path, &read, sizeof read) <= 0)
        return 0;
    cfg = read;
    if (GasPortValid(cfg.gasComPort) && WitsPortValid(cfg.witsComPort))
        return 1;
    // Only the bad port is repaired: clearing the record here would lay first-setup defaults over the
    // spans, elution times and calibration at the next setup.
    if (!GasPortValid(cfg.gasComPort))
        cfg.gasComPort = 1;
    if (!WitsPortValid(cfg.witsComPort))
        cfg.witsComPort = 2;
    WriteGasmonCfg(cfg, place);
    return 1;
}

int WriteGasmonCfg(const GASMONCFG& cfg, const GasmonCfgPlace& place)
{
    const QString path = GasmonCfgPath(place.folder);
    if (!wellfile::WriteWholeFile(path, &cfg, sizeof cfg))
        return 0;
    wellfile::CopyFileToBackupDrive(path, place.backupDrive);
    return 1;
}

void ApplyFirstSetupDefaults(GASMONCFG& cfg, int instrumentType)
{
    cfg.setupMark = 1;
    cfg.gasComPort = 1;
    // Element by element: the record is packed, so no pointer into it is made.
    const auto& address = instrumentType == 9 ? kDefaultUdpSourceAddress : kDefaultInstrumentAddress;
    for (int i = 0; i < 4; ++i)
        cfg.ipAddress[i] = address[i];
    const float span = instrumentType == 7 ? 0.1f : 200.0f;
    cfg.hotWireSpan = span;
    cfg.chromatSpan = span;
    cfg.hotWireAttenuator = 1.0f;
    cfg.chromatAttenuator = 1.0f;
    cfg.channel3Span = 1.0f;
    cfg.channel4Span = 1.0f;
    cfg.channel3Attenuator = 1.0f;
    cfg.channel4Attenuator = 1.0f;
    cfg.ratioMode = 1;
    cfg.readingsPerCycle = instrumentType == 4 ? 5 : 4;
    for (int i = 0; i < 6; ++i)
        cfg.elutionTime[i] = 1;
    cfg.chromatZero = 1;
    for (int i = 1; i < 8; ++i) {
        cfg.block232[i] = 0;
        cfg.block264[i] = 0;
    }
}

void ResetRatios(GASMONCFG& cfg)
{
    cfg.ratioSlot0 = 1.0f;
    for (int i = 0; i < 7; ++i)
        cfg.ratios[i] = 0.0f;
}

float CorrectionFactor(const GASMONCFG& cfg, int i)
{
    if (i < 0 || i >= 20)
        return 1.0f;
    const float f = cfg.correctionFactors[i];
    return f > 0 ? f : 1.0f;
}

QString InstrumentTypeText(int type)
{
    static const std::array<const char*, kInstrumentTypeCount> texts = {
        "Analytical (2 comp cols)",
        "Series 2000 4100 Serial",
        "VARIAN With Dac",
        "OTHER ",
        "Analytical (1 Comp 1 meth col)",
        "AReserve",
        "Mudlogging Systems (WITS)",
        "Series 2000 5100 or greater (TCP)",
        "SV_CONTROL",
        "Mudlogging Systems (UDP)",
        "WITS OR New Bloodhound (9600)",
        "OLDER BLOODHOUND WITS (115200)",
        "BLUERAY / MGDS",
        "WITS Gas Feed",
        "WITS SRI",
        "Direct Gas Feed",
    };
    if (type < 0 || type >= kInstrumentTypeCount)
        return {};
    return QString::fromLatin1(texts[std::size_t(type)]);
}

}  // namespace gasmon
