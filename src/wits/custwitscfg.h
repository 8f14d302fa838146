#pragma once
// CUSTWITSCFG: the settings of both WITS links ("custwits.cfg" in the data folder, one file for all
// wells, 180 bytes, a raw image of the record). The standard link reads its TCP choice here; the custom
// link its serial settings and options.
#include <QString>

#include <cstddef>
#include <cstdint>

namespace wits {

#pragma pack(push, 1)
struct CUSTWITSCFG {
    std::int32_t comPort;            //   0: 1
    std::int32_t connectionMode;     //   4: index into the mode list
    std::int32_t unused8;            //   8
    std::int32_t trackDepth;         //  12: 1
    std::int32_t trackTotalGas;      //  16
    std::int32_t sendDepth;          //  20
    std::int32_t sendTotalGas;       //  24: 1
    std::int32_t gasMonitorFirst;    //  28: the custom link leaves total gas to a running gas monitor
    std::int32_t baudIndex;          //  32: index into the baud list, 2 (19,200)
    std::int32_t replyTimeoutMs;     //  36: 2,500
    std::int32_t unused40;           //  40
    float intervalSeconds;           //  44: read and send interval, 4.0
    std::int32_t unused48;           //  48: 1
    float hotWireAttenuator;         //  52: 1.0
    float chromatAttenuator;         //  56: 1.0
    float thirdFactor;               //  60: 1.0
    std::int32_t trackChromat;       //  64
    std::int32_t sendChromat;        //  68
    std::uint8_t reserved72;         //  72
    std::uint8_t witsOnTcp;          //  73
    std::int32_t tcpPort;            //  74: low 16 bits used
    std::int32_t serverAddress[4];   //  78: the WITS server's IPv4 address, a number per entry
    std::uint8_t tcpServer;          //  94: this station is the server
    std::uint8_t lithologyUpdate;    //  95: send to the lithology receiver
    std::int32_t lithologyAddress[4];//  96
    std::uint8_t reserved112[8];     // 112
    std::int32_t lithologyPort;      // 120: low 16 bits used
    std::uint8_t reserved124[56];    // 124
};
#pragma pack(pop)

static_assert(sizeof(CUSTWITSCFG) == 180);
static_assert(offsetof(CUSTWITSCFG, intervalSeconds) == 44);
static_assert(offsetof(CUSTWITSCFG, witsOnTcp) == 73);
static_assert(offsetof(CUSTWITSCFG, tcpPort) == 74);
static_assert(offsetof(CUSTWITSCFG, serverAddress) == 78);
static_assert(offsetof(CUSTWITSCFG, tcpServer) == 94);
static_assert(offsetof(CUSTWITSCFG, lithologyAddress) == 96);
static_assert(offsetof(CUSTWITSCFG, lithologyPort) == 120);

// The two forms of the settings dialog: the custom link's serial settings and options, and the
// standard link's TCP settings.
constexpr int kCustomLinkForm = 0;
constexpr int kStandardLinkForm = 1;

// The record of a station that never saved one.
void DefaultCustWitsConfig(CUSTWITSCFG& cfg);

// Fills `cfg` from "custwits.cfg" in `dataFolder`: a file of at most 180 bytes is read over a zeroed
// record (a shorter one leaves the rest 0, an empty one gives zeros); a missing or longer file gives
// the defaults. Returns 1.
int ReadCustWitsConfig(const QString& dataFolder, CUSTWITSCFG& cfg);

// Writes the record whole into "custwits.cfg" in `dataFolder`, replacing the old file in one step: 1
// when written, 0 when no well is open (`wellName` empty) or the file could not be written (the old
// one then stays).
int WriteCustWitsConfig(const QString& dataFolder, const QString& wellName, const CUSTWITSCFG& cfg);

// Checks one number typed for a field: empty when `text` is a whole number from `low` to `high`, else
// the message that names the field.
QString CheckFieldRange(const QString& field, const QString& text, int low, int high);

}  // namespace wits
