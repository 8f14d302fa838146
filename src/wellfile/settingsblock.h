#pragma once
// SettingsBlock: the 14,456-byte settings record, kept once per user (user name + ".usr" in the
// documents folder) and once per well (well name + ".dbc" in the data folder). The per-well copy holds
// the flags that say which of the well's settings files live in the field (data) folder.
#include "wellfile/wellplace.h"

#include <cstddef>
#include <cstdint>

namespace wellfile {

#pragma pack(push, 1)
struct SettingsBlock {
    std::uint8_t head[56];
    char clientText[56];             // 56, the client chosen for live users
    std::int32_t loginCount;         // 112
    char fileList[50][260];          // 116, the user's shared wells
    char lastFileViewed[260];        // 13116
    std::uint8_t gap13376[4];
    std::int32_t fieldSettings;      // 13380, 1: the well's ".cfg" lies in the data folder
    std::int32_t fieldColours;       // 13384, written by the colour and horizontal-view setups
    std::int32_t fieldSchemes;       // 13388
    std::int32_t fieldTopsAndPens;   // 13392
    std::int32_t customTrackSource;  // 13396, custom tracks from the field folder
    std::int32_t moreFieldFlags[4];  // 13400..13412, the last four of the nine field-folder flags
    std::int32_t flagPair[2];        // 13416, 13420: 1 and 0 in a ".dbc" the open makes
    std::int32_t timeZoneAdjust;     // 13424, hours
    std::int32_t fileCount;          // 13428, entries of fileList in use
    std::uint8_t gap13432[64];
    std::uint8_t allowGasChartViewing;  // 13496
    std::uint8_t rest[959];
};
#pragma pack(pop)

static_assert(sizeof(SettingsBlock) == 14456);
static_assert(offsetof(SettingsBlock, clientText) == 56);
static_assert(offsetof(SettingsBlock, loginCount) == 112);
static_assert(offsetof(SettingsBlock, fileList) == 116);
static_assert(offsetof(SettingsBlock, lastFileViewed) == 13116);
static_assert(offsetof(SettingsBlock, fieldSettings) == 13380);
static_assert(offsetof(SettingsBlock, fieldColours) == 13384);
static_assert(offsetof(SettingsBlock, fieldSchemes) == 13388);
static_assert(offsetof(SettingsBlock, fieldTopsAndPens) == 13392);
static_assert(offsetof(SettingsBlock, customTrackSource) == 13396);
static_assert(offsetof(SettingsBlock, flagPair) == 13416);
static_assert(offsetof(SettingsBlock, timeZoneAdjust) == 13424);
static_assert(offsetof(SettingsBlock, fileCount) == 13428);
static_assert(offsetof(SettingsBlock, allowGasChartViewing) == 13496);

// The documents folder + user name + ".usr"; empty when there is no user name.
QString UserFilePath(const QString& userName);
QString DbcFilePath(const WellPlace& place);

// The loaders clear the block first and fill it only from a file of exactly 14,456 bytes: 1 when read,
// else 0 with the block left zero. The savers return 1, or 0 when the file could not be written (or,
// for the ".dbc", when no well is open).
int LoadUserFile(SettingsBlock& block, const QString& userName);
int SaveUserFile(const SettingsBlock& block, const QString& userName);
// The same for the ".usr" of another user of this machine, by its path. The save makes the file writable
// and its folder first.
int LoadUserFileAt(SettingsBlock& block, const QString& path);
int SaveUserFileAt(const SettingsBlock& block, const QString& path);
int LoadDbc(SettingsBlock& block, const WellPlace& place);
int SaveDbc(const SettingsBlock& block, const WellPlace& place);

}  // namespace wellfile
