#pragma once
// The drilling alarm settings: the 2,248-byte record of "StrativM.alm" in the data folder, read and
// written whole. All zero by default.
// Packed little-endian byte image; packed members: read and assign them by value.
#include "wellfile/profile.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace drilling {

constexpr int kAlarmSettingsSize = 2248;
constexpr int kAlarmSoundNameSize = 260;

#pragma pack(push, 1)
struct AlarmSettings {
    float breakMinutes = 0;            //    0 a unit drilled in less counts toward a drilling break; 0 off
    std::int32_t breakCount = 0;       //    4 units in a row that make a drilling break; 0 off
    std::int32_t breakRun = 0;         //    8 units in a row below the threshold so far
    float longUnitMinutes = 0;         //   12 a unit taking longer raises the long-unit alarm; 0 off
    std::int32_t alarmDepth = 0;       //   16
    std::int32_t alarmHour = 0;        //   20 0-23; negative switches the time alarm off
    std::int32_t alarmMinute = 0;      //   24
    std::uint8_t reserved28[1820] = {};  // 28
    char soundFile[kAlarmSoundNameSize] = {};  // 1848 a ".wav" in the data folder, zero-terminated
    std::int32_t highGasUnits = 0;     // 2108
    std::int32_t lowGasUnits = 0;      // 2112
    std::int32_t lowGasMinutes = 0;    // 2116
    std::int32_t witsPercentLimit = 0;  // 2120 alarm below it; 0 off
    std::int32_t flowMaximum = 0;      // 2124
    std::int32_t flowMinimum = 0;      // 2128
    std::int32_t pitVolumeMaximum = 0;  // 2132
    std::int32_t pitVolumeMinimum = 0;  // 2136
    std::int32_t casingLimit = 0;      // 2140 alarm at or above it; 0 off
    std::uint8_t reserved2144[8] = {};  // 2144
    std::int32_t witsPercentMinutes = 0;  // 2152
    std::int32_t flowMinutes = 0;      // 2156
    std::int32_t pitVolumeMinutes = 0;  // 2160
    std::int32_t casingMinutes = 0;    // 2164
    std::uint8_t reserved2168[8] = {};  // 2168
    std::int32_t notifyByMail = 0;     // 2176 profiles 2 and 12 only
    std::uint8_t reserved2180[68] = {};  // 2180
};
#pragma pack(pop)

// The logging-company profiles whose alarms may go to the external mailer instead (notifyByMail).
constexpr bool MailsAlarms(int profile) { return wellfile::MailAlarmProfile(profile); }

static_assert(sizeof(AlarmSettings) == kAlarmSettingsSize);
static_assert(std::is_trivially_copyable_v<AlarmSettings> && std::is_standard_layout_v<AlarmSettings>);
#define STRATIVM_ALARM_AT(field, offset) static_assert(offsetof(AlarmSettings, field) == (offset), #field)
STRATIVM_ALARM_AT(breakMinutes, 0);
STRATIVM_ALARM_AT(breakCount, 4);
STRATIVM_ALARM_AT(breakRun, 8);
STRATIVM_ALARM_AT(longUnitMinutes, 12);
STRATIVM_ALARM_AT(alarmDepth, 16);
STRATIVM_ALARM_AT(alarmHour, 20);
STRATIVM_ALARM_AT(alarmMinute, 24);
STRATIVM_ALARM_AT(reserved28, 28);
STRATIVM_ALARM_AT(soundFile, 1848);
STRATIVM_ALARM_AT(highGasUnits, 2108);
STRATIVM_ALARM_AT(lowGasUnits, 2112);
STRATIVM_ALARM_AT(lowGasMinutes, 2116);
STRATIVM_ALARM_AT(witsPercentLimit, 2120);
STRATIVM_ALARM_AT(flowMaximum, 2124);
STRATIVM_ALARM_AT(flowMinimum, 2128);
STRATIVM_ALARM_AT(pitVolumeMaximum, 2132);
STRATIVM_ALARM_AT(pitVolumeMinimum, 2136);
STRATIVM_ALARM_AT(casingLimit, 2140);
STRATIVM_ALARM_AT(reserved2144, 2144);
STRATIVM_ALARM_AT(witsPercentMinutes, 2152);
STRATIVM_ALARM_AT(flowMinutes, 2156);
STRATIVM_ALARM_AT(pitVolumeMinutes, 2160);
STRATIVM_ALARM_AT(casingMinutes, 2164);
STRATIVM_ALARM_AT(reserved2168, 2168);
STRATIVM_ALARM_AT(notifyByMail, 2176);
STRATIVM_ALARM_AT(reserved2180, 2180);
#undef STRATIVM_ALARM_AT

}  // namespace drilling
